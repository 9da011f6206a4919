#include "UrlListDialog.h"

#include "LookUp.h"
#include "UrlList.h"
#include "store/CommaText.h"
#include "store/Errors.h"
#include "store/UiText.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {
namespace {

// A line's address; empty when it has none.
std::string addressOf(const std::string& line) {
    const Fields fields = splitCommaText(line);
    return fields.size() >= 2 ? fields[1] : std::string();
}

} // namespace

UrlListDialog::UrlListDialog(Lines lines, std::optional<Quest> quest, QWidget* parent)
    : QDialog(parent), lines_(std::move(lines)), quest_(std::move(quest)),
      ListBox1(named(new QListWidget(this), "ListBox1", QStringLiteral("お気に入り"))),
      Edit8(named(new QLineEdit(this), "Edit8", QStringLiteral("タイトル"))),
      Edit9(named(new QLineEdit(this), "Edit9", QStringLiteral("アドレス"))),
      Label26(named(textLabel(QString(), this), "Label26")),
      Label27(named(textLabel(QString(), this), "Label27")) {
    setObjectName(QStringLiteral("UrlListDialog"));
    setWindowTitle(QStringLiteral("お気に入りの編集"));
    resize(640, 420);
    auto* column = new QVBoxLayout(this);
    column->addWidget(ListBox1, 1);

    column->addLayout(makeBoxes());
    column->addLayout(makeButtons());

    auto* help = named(
        textLabel(QStringLiteral("アドレスに次の文字を書くと、調べるで表示中のクエストに置き換えて開きます:\n"
                                 "{no} クエスト番号　{name} クエスト名（UTF-8）　"
                                 "{name:euc-jp} クエスト名（EUC-JP）　{name:sjis} クエスト名（Shift-JIS）\n"
                                 "調べるは、一覧で最初のこのようなアドレスを開きます。"),
                  this),
        "Label25");
    help->setWordWrap(true);
    column->addWidget(help);
    // An address has no place to break: the preview never widens the dialog, so that the boxes
    // stay where the player is typing.
    for (QLabel* said : {Label26, Label27}) {
        said->setWordWrap(true);
        said->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    column->addWidget(Label26);
    paint(Label27, std::nullopt, Colour::Warning);
    column->addWidget(Label27);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("保存"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(box);

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(Edit9, &QLineEdit::textChanged, this, [this] { showPreview(); });
    fillList(lines_.empty() ? -1 : 0);
    showPreview();
}

// The title and the address, each captioned.
QGridLayout* UrlListDialog::makeBoxes() {
    auto* boxes = new QGridLayout;
    auto* titleCaption = textLabel(QStringLiteral("タイトル"), this);
    titleCaption->setBuddy(Edit8);
    auto* addressCaption = textLabel(QStringLiteral("アドレス"), this);
    addressCaption->setBuddy(Edit9);
    boxes->addWidget(titleCaption, 0, 0);
    boxes->addWidget(Edit8, 0, 1);
    boxes->addWidget(addressCaption, 1, 0);
    boxes->addWidget(Edit9, 1, 1);
    return boxes;
}

// 追加, 変更, 削除, 上へ, 下へ.
QHBoxLayout* UrlListDialog::makeButtons() {
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& text, auto act) {
        auto* b = named(new QPushButton(text, this), name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, act);
        buttons->addWidget(b);
    };
    button("Button18", QStringLiteral("追加"), [this] { Button18Click(); });
    button("Button19", QStringLiteral("変更"), [this] { Button19Click(); });
    button("Button20", QStringLiteral("削除"), [this] { Button20Click(); });
    button("Button21", QStringLiteral("上へ"), [this] { moveRow(-1); });
    button("Button22", QStringLiteral("下へ"), [this] { moveRow(1); });
    buttons->addStretch(1);
    return buttons;
}

void UrlListDialog::fillList(int current) {
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    for (const std::string& line : lines_)
        ListBox1->addItem(toUi(urlTitle(line)));
    ListBox1->setCurrentRow(current);
    ListBox1Click();
}

void UrlListDialog::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= lines_.size())
        return;
    const std::string& line = lines_[static_cast<std::size_t>(row)];
    Edit8->setText(toUi(urlTitle(line)));
    Edit9->setText(toUi(addressOf(line)));
    Label27->clear();
}

std::optional<std::string> UrlListDialog::typedLine() {
    const QString typedTitle = Edit8->text().trimmed(), typedAddress = Edit9->text().trimmed();
    const std::optional<std::string> title = fromUi(typedTitle);
    if (!title) {
        Label27->setText(QStringLiteral("タイトルに Shift-JIS で表せない文字があります"));
        return std::nullopt;
    }
    if (typedAddress.isEmpty()) {
        Label27->setText(QStringLiteral("アドレスを入力してください"));
        return std::nullopt;
    }
    Label27->clear();
    const std::string address = storedAddress(typedAddress);
    return urlLine(title->empty() ? address : *title, address); // no title: the address names it
}

void UrlListDialog::Button18Click() {
    if (const std::optional<std::string> line = typedLine()) {
        lines_.push_back(*line);
        fillList(static_cast<int>(lines_.size()) - 1);
    }
}

void UrlListDialog::Button19Click() {
    const int row = ListBox1->currentRow();
    if (row < 0)
        return Button18Click(); // nothing chosen: what is typed is a new page
    if (const std::optional<std::string> line = typedLine()) {
        std::string& stored = lines_[static_cast<std::size_t>(row)];
        if (urlTitle(stored) != urlTitle(*line) || addressOf(stored) != addressOf(*line))
            stored = *line; // a line left as it was keeps its bytes
        fillList(row);
    }
}

void UrlListDialog::Button20Click() {
    const int row = ListBox1->currentRow();
    if (row < 0)
        return;
    lines_.erase(lines_.begin() + row);
    fillList(std::min(row, static_cast<int>(lines_.size()) - 1));
}

void UrlListDialog::moveRow(int by) {
    const int row = ListBox1->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= static_cast<int>(lines_.size()))
        return;
    std::swap(lines_[static_cast<std::size_t>(row)], lines_[static_cast<std::size_t>(to)]);
    fillList(to);
}

// The address in the box when it looks a quest up, else the one 調べる takes from the list.
void UrlListDialog::showPreview() {
    std::string address = storedAddress(Edit9->text().trimmed());
    if (!isLookUpAddress(address)) {
        address.clear();
        for (const std::string& line : lines_)
            if (isLookUpAddress(addressOf(line))) {
                address = addressOf(line);
                break;
            }
    }
    if (address.empty())
        return Label26->setText(
            QStringLiteral("一覧に {no} か {name} を含むアドレスがないため、調べるは使えません"));
    if (!quest_)
        return Label26->setText(
            QStringLiteral("調べるで開くアドレス: %1（クエストを選ぶと置き換えます）").arg(toUi(address)));
    try {
        Label26->setText(QStringLiteral("調べるで開くアドレス（クエスト %1 %2）: %3")
                             .arg(toUi(quest_->number), toUi(quest_->text(kName)),
                                  lookUpAddress(address, quest_->number, quest_->text(kName))));
    } catch (const KorvaneError& error) {
        Label26->setText(error.message());
    }
}

} // namespace korvane
