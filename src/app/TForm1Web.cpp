// The main window's web pane handler.

#include "TForm1.h"

namespace korvane {

void TForm1::Button11Click() {
    view_.webOpen = !view_.webOpen;
    if (view_.webOpen) {
        texts_->showMemo(false);
        Panel9->show();
        placement_->openWeb();
        Button11->setText(QStringLiteral("Web閉じる"));
        Panel9->open();
        return;
    }
    placement_->closeWeb();
    texts_->showMemo(true);
    Button11->setText(QStringLiteral("Web表示"));
    Panel9->close(); // last: the address it keeps may fail to be written
}

} // namespace korvane
