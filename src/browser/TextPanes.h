#pragma once
// The three text views below the panes: content, reward and memo, each with its title strip.

#include "TextView.h"

class QBoxLayout;

namespace korvane {

struct TextPaneControls {
    TextView* RichEdit1 = nullptr; // content
    TextView* Memo2 = nullptr;     // reward
    TextView* Memo3 = nullptr;     // memo
    QWidget* Panel4 = nullptr;     // the memo with its strip; hidden while the web pane is open

    // Adds the three views to the bottom of the detail pane's layout.
    void buildTextPanes(QWidget* parent, QBoxLayout* layout);
};

} // namespace korvane
