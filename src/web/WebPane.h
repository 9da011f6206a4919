#pragma once
// The web pane across the bottom of the window: a tool bar with the address box, back, forward,
// add-to-list and the address list, above the browser.

#include "Browser.h"
#include "widgets/DropDown.h"

#include <QLineEdit>
#include <QToolButton>

namespace korvane {

struct WebPaneControls {
    QWidget* Panel9 = nullptr;
    QWidget* Panel10 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // back
    QToolButton* SpeedButton2 = nullptr; // forward
    QToolButton* SpeedButton3 = nullptr; // add to the address list
    DropDown* ComboBox5 = nullptr;       // address list, pick only
    Browser* WebBrowser1 = nullptr;

    std::unique_ptr<Browser> browser; // made when the pane first opens; it is hidden at start

    void buildWebPane(QWidget* parent);
    Browser& ensureBrowser();
};

} // namespace korvane
