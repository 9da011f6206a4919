#include "SearchBar.h"

#include "widgets/Controls.h"

namespace korvane {

SearchBar::SearchBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SearchBar"));
    const auto add = [this](QPushButton*& button, const char* buttonName, const QString& caption,
                            QLineEdit*& box, const char* boxName, int y, SearchIn in) {
        button = placed(named(new QPushButton(caption, this), buttonName), 0, y, 80, 24);
        box = placed(named(new QLineEdit(this), boxName, caption), 82, y + 1, 140, 22);
        const auto ask = [this, box = box, in] {
            if (!box->text().isEmpty())
                emit searchAsked(in, box->text());
        };
        connect(button, &QPushButton::clicked, this, ask);
        connect(box, &QLineEdit::returnPressed, this, ask);
    };
    add(Button1, "Button1", QStringLiteral("内容検索"), Edit1, "Edit1", 0, SearchIn::Content);
    add(Button6, "Button6", QStringLiteral("報酬検索"), Edit2, "Edit2", 32, SearchIn::Reward);
    add(Button10, "Button10", QStringLiteral("クエスト検索"), Edit6, "Edit6", 64, SearchIn::Table);
    Button1->setToolTip(QStringLiteral("内容を検索します（検索欄で Enter、Ctrl+F で検索欄へ）"));
    Button6->setToolTip(QStringLiteral("報酬を検索します（検索欄で Enter）"));
    Button10->setToolTip(QStringLiteral("クエスト名・条件・場所による検索（検索欄で Enter）"));
}

QString SearchBar::caption(SearchIn in) const {
    return (in == SearchIn::Content ? Button1 : in == SearchIn::Reward ? Button6 : Button10)->text();
}

void SearchBar::focusContentSearch() {
    Edit1->setFocus(Qt::ShortcutFocusReason);
    Edit1->selectAll();
}

} // namespace korvane
