// The main window's web pane handlers.

#include "TForm1.h"

#include "store/UiText.h"
#include "web/ProfileFile.h"
#include "web/UrlList.h"

namespace korvane {
namespace {

constexpr std::string_view kSection = "Web";
constexpr std::string_view kKey = "add";
constexpr int kWebPaneHeight = 173;

} // namespace

void TForm1::Button11Click() {
    view_.webOpen = !view_.webOpen;
    if (view_.webOpen) {
        Panel4->hide();
        Panel9->show();
        // The height the user left it at, in this run or the last one.
        const int height = webHeight_ > 0 ? webHeight_ : kWebPaneHeight;
        const int total = Splitter2->sizes().value(0) + Splitter2->sizes().value(1);
        Splitter2->setSizes({std::max(total - height, 1), height});
        Button11->setText(QStringLiteral("Web閉じる"));
        const auto remembered = readProfileString(place_.settingsFile, kSection, kKey);
        Panel9->open(remembered ? std::optional(toUi(*remembered)) : std::nullopt);
        return;
    }
    webHeight_ = Splitter2->sizes().value(1);
    const QString address = Panel9->close();
    Panel4->show();
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
