// The main window's web pane handlers.

#include "TForm1.h"

#include "store/UiText.h"
#include "web/ProfileFile.h"
#include "web/UrlList.h"

namespace korvane {
namespace {

constexpr std::string_view kSection = "Web";
constexpr std::string_view kKey = "add";

} // namespace

void TForm1::Button11Click() {
    view_.webOpen = !view_.webOpen;
    if (view_.webOpen) {
        texts_->showMemo(false);
        Panel9->show();
        placement_->openWeb();
        Button11->setText(QStringLiteral("Web閉じる"));
        const auto remembered = readProfileString(place_.settingsFile, kSection, kKey);
        Panel9->open(remembered ? std::optional(toUi(*remembered)) : std::nullopt);
        return;
    }
    placement_->closeWeb();
    const QString address = Panel9->close();
    texts_->showMemo(true);
    Button11->setText(QStringLiteral("Web表示"));
    writeProfileString(place_.settingsFile, kSection, kKey, storedAddress(address));
}

// 調べる: the web pane opened first.
void TForm1::Button17Click() {
    if (!view_.webOpen)
        Button11Click();
    Panel9->lookUp();
}

} // namespace korvane
