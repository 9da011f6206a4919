#pragma once
// Where the window and its panes are, as the player left them: the window's place and size, the
// grid's width and columns, the web pane's height. Read at start, kept while the program runs,
// written at close with the filter on show.

#include "WindowState.h"
#include "browser/StringGrid.h"
#include "browser/ViewState.h"

#include <QMainWindow>
#include <QSplitter>

namespace korvane {

class WindowPlacement {
public:
    // gridAndDetail divides the grid from the detail view, mainAndWeb the window from the web pane.
    WindowPlacement(QMainWindow* window, StringGrid* grid, QSplitter* gridAndDetail, QSplitter* mainAndWeb,
                    QString settingsFile);

    // Puts the grid's columns and width and the web pane's height back as the last run left them;
    // what it left, the filter included, when it left anything.
    const std::optional<WindowState>& restore();
    // Shows the window maximised, or at its remembered place and size.
    void show();
    // Until the player drags the handle, the grid shows its columns whole when the window leaves
    // the detail view room enough (a maximised window gets its size only after it is shown).
    void fitGrid();
    // The web pane at the height the player left it at, in this run or the last one.
    void openWeb();
    void closeWeb();
    // Throws when the settings file cannot be written; nothing when there is none.
    void save(const ViewState& view) const;

private:
    QMainWindow* window_;
    StringGrid* grid_;
    QSplitter* gridAndDetail_;
    QSplitter* mainAndWeb_;
    QString settingsFile_;
    std::optional<WindowState> remembered_;
    int webHeight_ = 0;            // the web pane's height, kept from one opening to the next
    bool gridWidthChosen_ = false; // by dragging the handle, in this run or the last one
};

} // namespace korvane
