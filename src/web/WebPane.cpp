#include "WebPane.h"

#include "ProfileFile.h"

#include "KeyDown.h"
#include "LookUp.h"
#include "UrlList.h"
#include "UrlListDialog.h"
#include "store/UiText.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace korvane {
namespace {

// Where the settings file keeps the address on show when the pane closed.
constexpr std::string_view kSection = "Web";
constexpr std::string_view kKey = "add";

} // namespace
namespace {

QToolButton* pictureButton(const char* name, const QString& picture, const QString& accessibleName,
                           QWidget* parent) {
    auto* button = named(new QToolButton(parent), name, accessibleName);
    button->setIcon(QIcon(picture));
    button->setAutoRaise(true);
    return button;
}

const QString kHomeAddress = QStringLiteral("qrc:/web/home.html");

} // namespace

WebPane::WebPane(QString urlList, QString settings, Guard guard, QWidget* parent)
    : QWidget(parent), urlList_(std::move(urlList)), settings_(std::move(settings)),
      guard_(std::move(guard)) {
    named(this, "Panel9");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel10 = named(new QWidget(this), "Panel10");
    auto* bar = new QHBoxLayout(Panel10);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(2);
    Edit7 = named(new QLineEdit(Panel10), "Edit7", QStringLiteral("アドレス"));
    SpeedButton1 =
        pictureButton("SpeedButton1", QStringLiteral(":/pictures/back.png"), QStringLiteral("戻る"), Panel10);
    SpeedButton2 = pictureButton("SpeedButton2", QStringLiteral(":/pictures/forward.png"),
                                 QStringLiteral("進む"), Panel10);
    SpeedButton3 = pictureButton("SpeedButton3", QStringLiteral(":/pictures/add.png"),
                                 QStringLiteral("お気に入りに追加"), Panel10);
    ComboBox5 = named(new DropDown(false, Panel10), "ComboBox5", QStringLiteral("お気に入り"));
    ComboBox5->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox5->setMinimumContentsLength(30);
    SpeedButton5 = named(new QToolButton(Panel10), "SpeedButton5", QStringLiteral("お気に入りの編集"));
    SpeedButton5->setText(QStringLiteral("編集…"));
    SpeedButton5->setToolTip(QStringLiteral("お気に入りの編集"));
    Label28 = named(textLabel(QString(), this), "Label28");
    Label28->setWordWrap(true);
    paint(Label28, Colour::WarningPane, Colour::Warning);
    Label28->setMargin(2);
    Label28->hide();
    bar->addWidget(Edit7, 3);
    bar->addWidget(SpeedButton1);
    bar->addWidget(SpeedButton2);
    bar->addWidget(SpeedButton3);
    bar->addWidget(ComboBox5, 2);
    bar->addWidget(SpeedButton5);
    column->addWidget(Panel10);
    column->addWidget(Label28);
    column->addStretch(1);
    hide();

    const auto guarded = [this](auto act) { return [this, act] { guard_(act); }; };
    connect(new KeyDown(Edit7), &KeyDown::pressed, this,
            [this](int key) { guard_([this, key] { Edit7KeyDown(key); }); });
    connect(SpeedButton1, &QToolButton::clicked, this, guarded([this] { ensureBrowser().GoBack(); }));
    connect(SpeedButton2, &QToolButton::clicked, this, guarded([this] { ensureBrowser().GoForward(); }));
    connect(SpeedButton3, &QToolButton::clicked, this, guarded([this] { SpeedButton3Click(); }));
    connect(ComboBox5, &DropDown::Change, this, guarded([this] { ComboBox5Change(); }));
    connect(SpeedButton5, &QToolButton::clicked, this, guarded([this] { SpeedButton5Click(); }));
}

Browser& WebPane::ensureBrowser() {
    if (!browser_) {
        browser_ = createBrowser(this);
        WebBrowser1 = browser_.get();
        WebBrowser1->loaded = [this](bool ok, const QString& address) {
            guard_([&] { pageLoaded(ok, address); });
        };
        auto* column = static_cast<QVBoxLayout*>(layout());
        delete column->takeAt(column->count() - 1); // the stretch that held the place
        column->addWidget(WebBrowser1->widget(), 1);
    }
    return *WebBrowser1;
}

void WebPane::open() {
    Edit7->setText(kHomeAddress);
    go(Edit7->text());
    // The browser stays on the home address; Enter goes to the remembered one.
    if (const auto remembered = readProfileString(settings_, kSection, kKey))
        Edit7->setText(toUi(*remembered));
    LoadUrlList();
}

void WebPane::close() {
    hide();
    Edit7->setText(ensureBrowser().LocationURL());
    writeProfileString(settings_, kSection, kKey, storedAddress(Edit7->text()));
}

void WebPane::Edit7KeyDown(int Key) {
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter)
        go(Edit7->text());
}

// An address typed with a placeholder is kept as typed: the page the browser shows for it has
// its braces encoded.
void WebPane::SpeedButton3Click() {
    const std::string typed = storedAddress(Edit7->text().trimmed());
    if (isLookUpAddress(typed))
        addToUrlList(urlList_, fromUiLossy(QStringLiteral("クエストを調べる")), typed);
    else
        addToUrlList(urlList_, fromUiLossy(ensureBrowser().LocationName()),
                     storedAddress(WebBrowser1->LocationURL()));
    LoadUrlList();
}

void WebPane::SpeedButton5Click() {
    const Lines read = readUrlListToEdit(urlList_);
    UrlListDialog dialog(read, quest_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.lines() == read)
        return;
    writeUrlList(urlList_, read, dialog.lines());
    LoadUrlList();
    emit said(QStringLiteral("お気に入りを保存しました"));
}

void WebPane::go(const QString& address) {
    asked_ = address;
    ensureBrowser().Navigate(urlOfAddress(address));
}

// The address asked for is said as typed: the browser's own spelling of it decodes bytes of
// another code page as if they were UTF-8.
void WebPane::pageLoaded(bool ok, const QString& address) {
    const bool asked = QUrl::fromUserInput(asked_.trimmed()).toString(QUrl::FullyEncoded) == address;
    Label28->setText(ok ? QString() : unreachableText(asked ? asked_ : address));
    Label28->setVisible(!ok);
}

void WebPane::useUrlList(const QString& urlList) {
    if (urlList == urlList_)
        return;
    urlList_ = urlList;
    if (isVisible())
        LoadUrlList();
}

void WebPane::LoadUrlList() {
    Lines lines = readUrlList(urlList_);
    QStringList entries;
    for (const std::string& line : lines)
        entries << toUi(line);
    ComboBox5->setItems(entries);
    urlLines_ = std::move(lines);
}

// An address that looks a quest up opens with the quest on show put in.
void WebPane::ComboBox5Change() {
    const int picked = ComboBox5->ItemIndex();
    if (picked < 0 || static_cast<std::size_t>(picked) >= urlLines_.size())
        return;
    const std::string address = urlAddress(urlLines_[static_cast<std::size_t>(picked)]);
    if (!isLookUpAddress(address)) {
        Edit7->setText(toUi(address));
    } else if (quest_ && !quest_->number.empty()) {
        Edit7->setText(lookUpAddress(address, quest_->number, quest_->text(kName)));
    } else {
        return emit said(QStringLiteral("調べるクエストを選んでください"));
    }
    go(Edit7->text());
}

void WebPane::lookUp() {
    for (std::size_t i = 0; i < urlLines_.size(); ++i)
        if (isLookUpAddress(urlAddress(urlLines_[i]))) {
            ComboBox5->setItemIndex(static_cast<int>(i));
            return ComboBox5Change();
        }
    emit said(QStringLiteral("アドレス一覧に {name} か {no} を含むアドレスがありません"));
}

} // namespace korvane
