#include "TextView.h"

#include "store/UiText.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>

namespace korvane {

TextView::TextView(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMouseTracking(true);
    // Tab moves on to the next control, as in the other text boxes of the window: a keyboard user
    // is never held in a text.
    setTabChangesFocus(true);
    // The application font has a pixel size, so the device's resolution changes nothing; without a
    // device Qt stops asking the widget tree for it at every run of one script while laying out.
    document()->documentLayout()->setPaintDevice(nullptr);
}

QStringList TextView::typedLines() const {
    QStringList lines;
    // Shift+Enter breaks a line inside a paragraph: a line the player ended, too.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines << block.text().split(QChar::LineSeparator);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TextView::setLines(const std::vector<std::string>& cp932Lines) {
    // Each line as a line of its own, break included, so that an empty last line survives.
    QString text;
    qsizetype longest = 0;
    for (const std::string& line : cp932Lines) {
        const QString shown = toUi(line);
        longest = std::max(longest, shown.size());
        text += shown;
        text += QLatin1Char('\n');
    }
    // Wrapping at word boundaries looks ahead to the next boundary for every display line, which
    // takes minutes on a hand-made line of a megabyte without one; such a line wraps anywhere.
    constexpr qsizetype kLongLine = 4096;
    setWordWrapMode(longest > kLongLine ? QTextOption::WrapAnywhere
                                        : QTextOption::WrapAtWordBoundaryOrAnywhere);
    shown_ = std::move(text); // before: the view is not typed in while it changes
    setPlainText(shown_);
}

bool TextView::changedByUser() const {
    return toPlainText() != shown_;
}

void TextView::scrollToFirstLine() {
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

bool TextView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        emit MouseMove();
    return QPlainTextEdit::viewportEvent(event);
}

} // namespace korvane
