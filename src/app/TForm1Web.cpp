// The main window's web pane handlers.

#include "TForm1.h"

#include "store/DataFiles.h"
#include "store/UiText.h"
#include "web/LookUp.h"
#include "web/ProfileFile.h"
#include "web/UrlList.h"

namespace korvane {
namespace {

const QString kHomeAddress = QStringLiteral("qrc:/web/home.html");
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
        Edit7->setText(kHomeAddress);
        ensureBrowser().Navigate(Edit7->text());
        // The browser stays on the home address; Enter goes to the remembered one.
        if (const auto remembered = readProfileString(place_.settingsFile, kSection, kKey))
            Edit7->setText(toUi(*remembered));
        LoadUrlList();
        return;
    }
    webHeight_ = Splitter2->sizes().value(1);
    Panel9->hide();
    Panel4->show();
    Button11->setText(QStringLiteral("Web表示"));
    Edit7->setText(WebBrowser1->LocationURL());
    writeProfileString(place_.settingsFile, kSection, kKey, storedAddress(Edit7->text()));
}

void TForm1::Edit7KeyDown(int Key) {
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter)
        WebBrowser1->Navigate(Edit7->text());
}

void TForm1::SpeedButton1Click() {
    WebBrowser1->GoBack();
}
void TForm1::SpeedButton2Click() {
    WebBrowser1->GoForward();
}

void TForm1::SpeedButton3Click() {
    addToUrlList(files::inFolder(place_.dataFolder, files::kUrlList),
                 fromUiLossy(WebBrowser1->LocationName()), storedAddress(WebBrowser1->LocationURL()));
    LoadUrlList();
}

void TForm1::LoadUrlList() {
    Lines lines = readUrlList(files::inFolder(place_.dataFolder, files::kUrlList));
    QStringList entries;
    for (const std::string& line : lines)
        entries << toUi(line);
    ComboBox5->setItems(entries);
    urlLines_ = std::move(lines);
}

// An address that looks a quest up opens with the quest on show put in.
void TForm1::ComboBox5Change() {
    const int picked = ComboBox5->ItemIndex();
    if (picked < 0 || static_cast<std::size_t>(picked) >= urlLines_.size())
        return;
    const std::string address = urlAddress(urlLines_[static_cast<std::size_t>(picked)]);
    if (!isLookUpAddress(address)) {
        Edit7->setText(toUi(address));
    } else if (view_.questOnShow.empty()) {
        StatusBar1->say(QStringLiteral("調べるクエストを選んでください"));
        return;
    } else {
        Edit7->setText(lookUpAddress(address, view_.questOnShow,
                                     checklist_->QuestList().recordOf(view_.questOnShow)[kName]));
    }
    WebBrowser1->Navigate(Edit7->text());
}

// 調べる: the first address of the list that looks a quest up, picked as the list would pick it.
void TForm1::Button17Click() {
    if (!view_.webOpen)
        Button11Click();
    for (std::size_t i = 0; i < urlLines_.size(); ++i)
        if (isLookUpAddress(urlAddress(urlLines_[i]))) {
            ComboBox5->setItemIndex(static_cast<int>(i));
            return ComboBox5Change();
        }
    StatusBar1->say(QStringLiteral("アドレス一覧に {name} か {no} を含むアドレスがありません"));
}

} // namespace korvane
