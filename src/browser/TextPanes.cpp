#include "TextPanes.h"

#include "widgets/Colours.h"
#include "widgets/Controls.h"

#include <QBoxLayout>

namespace korvane {
namespace {

// A view with a narrow coloured strip at its left whose caption reads downwards.
QWidget* stripped(TextView* view, const QString& caption, Colour color, QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    QString downwards;
    for (const QChar c : caption)
        downwards += QString(c) + QLatin1Char('\n');
    auto* strip = textLabel(QStringLiteral("\n") + downwards.trimmed(), panel);
    strip->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    strip->setFixedWidth(18);
    paint(strip, color, Colour::StripText);
    row->addWidget(strip);
    view->setParent(panel);
    view->setAccessibleName(caption);
    row->addWidget(view);
    return panel;
}

} // namespace

TextPanes::TextPanes(QWidget* parent)
    : QWidget(parent), RichEdit1(named(new TextView, "RichEdit1")), Memo2(named(new TextView, "Memo2")),
      Memo3(named(new TextView, "Memo3")), Panel4(nullptr), views_{RichEdit1, Memo2, Memo3} {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stripped(RichEdit1, QStringLiteral("内容"), Colour::ContentStrip, this), 1);
    QWidget* reward = stripped(Memo2, QStringLiteral("報酬"), Colour::RewardStrip, this);
    reward->setFixedHeight(85);
    layout->addWidget(reward);
    Panel4 = named(stripped(Memo3, QStringLiteral("メモ"), Colour::MemoStrip, this), "Panel4");
    Panel4->setFixedHeight(78);
    layout->addWidget(Panel4);

    // The reward and the memo take the keys as the mouse passes over them.
    for (TextView* view : {Memo2, Memo3})
        connect(view, &TextView::MouseMove, view, qOverload<>(&QWidget::setFocus));
    connect(Memo3, &TextView::textChanged, this, &TextPanes::memoChanged);
}

void TextPanes::showText(QuestText which, const std::vector<std::string>& cp932Lines) {
    TextView* view = views_[static_cast<std::size_t>(which)];
    view->setLines(cp932Lines);
    if (which == QuestText::Content)
        view->scrollToFirstLine();
}

void TextPanes::showTexts(const std::vector<std::string>& content, const std::vector<std::string>& reward,
                          const std::vector<std::string>& memo) {
    showText(QuestText::Content, content);
    showText(QuestText::Reward, reward);
    showText(QuestText::Memo, memo);
}

bool TextPanes::anyTyped() const {
    return std::any_of(views_.begin(), views_.end(),
                       [](const TextView* view) { return view->changedByUser(); });
}

void TextPanes::forgetTyping() {
    for (TextView* view : views_)
        view->forgetTyping();
}

} // namespace korvane
