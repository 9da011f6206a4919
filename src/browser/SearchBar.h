#pragma once
// The search bar of the top bar: the content, reward and quest searches, each a button and a box.
// It says what the player asked to search for; an empty box asks nothing.

#include "ViewState.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace korvane {

class SearchBar : public QWidget {
    Q_OBJECT
public:
    explicit SearchBar(QWidget* parent = nullptr);

    // What the status bar calls a search: its button's caption.
    QString caption(SearchIn in) const;
    // Ctrl+F: the content search's box, its text selected.
    void focusContentSearch();

signals:
    void searchAsked(SearchIn in, const QString& text); // Button1, Button6, Button10 and Enter

private:
    QPushButton* Button1 = nullptr; // content search
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button6 = nullptr; // reward search
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button10 = nullptr; // quest search
    QLineEdit* Edit6 = nullptr;
};

} // namespace korvane
