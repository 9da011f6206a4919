#include "TextPanes.h"

#include "widgets/Controls.h"

#include <QBoxLayout>

namespace korvane {
namespace {

// A view with a narrow coloured strip at its left whose caption reads downwards.
QWidget* stripped(TextView* view, const QString& caption, const QColor& color, QWidget* parent) {
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
    fillBackground(strip, color);
    row->addWidget(strip);
    view->setParent(panel);
    view->setAccessibleName(caption);
    row->addWidget(view);
    return panel;
}

} // namespace

void TextPaneControls::buildTextPanes(QWidget* parent, QBoxLayout* layout) {
    RichEdit1 = named(new TextView, "RichEdit1");
    Memo2 = named(new TextView, "Memo2");
    Memo3 = named(new TextView, "Memo3");

    layout->addWidget(stripped(RichEdit1, QStringLiteral("内容"), QColor(0xC0, 0xFF, 0xC0), parent), 1);
    QWidget* reward = stripped(Memo2, QStringLiteral("報酬"), QColor(0x80, 0xFF, 0x80), parent);
    reward->setFixedHeight(85);
    layout->addWidget(reward);
    Panel4 = named(stripped(Memo3, QStringLiteral("メモ"), QColor(0x00, 0xFF, 0x40), parent), "Panel4");
    Panel4->setFixedHeight(78);
    layout->addWidget(Panel4);
}

} // namespace korvane
