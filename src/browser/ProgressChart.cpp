#include "ProgressChart.h"

#include "ProgressCounts.h"

#include <QPainter>
#include <algorithm>

namespace korvane {
namespace {

const QColor kBar(0x7F, 0xB2, 0xE5);
const QColor kLine(0x2E, 0x8B, 0x57);
const QColor kAxis(0x88, 0x92, 0x9C);

QString dayText(QDate day) {
    return day.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(170);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void ProgressChart::setHistory(ProgressHistory history, ProgressPeriod period) {
    history_ = std::move(history);
    period_ = period;
    setAccessibleName(summary());
    update();
}

QString ProgressChart::summary() const {
    if (history_.steps.empty())
        return QStringLiteral("記録がまだないため、推移はありません（完了 %1 / %2 件）")
            .arg(history_.beforeJournal)
            .arg(history_.quests);
    int completions = 0;
    for (std::size_t i = 0; i < history_.steps.size(); ++i)
        completions += history_.barOf(i);
    const int done = history_.steps.back().completed;
    QString text = QStringLiteral("%1 から %2 %3: コンプリート %4 件、いま %5 / %6 件（%7%）")
                       .arg(dayText(history_.steps.front().from))
                       .arg(history_.steps.size())
                       .arg(period_ == ProgressPeriod::Week ? QStringLiteral("週") : QStringLiteral("か月"))
                       .arg(completions)
                       .arg(done)
                       .arg(history_.quests)
                       .arg(percentOf(done, history_.quests));
    if (history_.beforeJournal > 0)
        text += QStringLiteral("。記録を付け始める前のコンプリート %1 件は、最初の%2に数えています")
                    .arg(history_.beforeJournal)
                    .arg(period_ == ProgressPeriod::Week ? QStringLiteral("週") : QStringLiteral("月"));
    return text;
}

// One function on purpose: the plot's frame, scales, captions, bars and line share its geometry.
void ProgressChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const QRect plot =
        rect().adjusted(metrics.horizontalAdvance(QStringLiteral("0000")) + 8, metrics.height() + 8,
                        -metrics.horizontalAdvance(QStringLiteral("100%")) - 8, -metrics.height() - 8);
    if (history_.steps.empty() || plot.width() < 20 || plot.height() < 20) {
        painter.setPen(palette().text().color());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, summary());
        return;
    }
    const int count = static_cast<int>(history_.steps.size());
    int most = 1;
    for (std::size_t i = 0; i < history_.steps.size(); ++i)
        most = std::max(most, history_.barOf(i));
    const double slot = static_cast<double>(plot.width()) / count;

    painter.setPen(kAxis);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.topRight(), plot.bottomRight());
    painter.drawText(QRect(0, plot.top() - metrics.height() / 2, plot.left() - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
    painter.drawText(QRect(0, plot.bottom() - metrics.height() / 2, plot.left() - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    painter.drawText(QRect(plot.right() + 4, plot.top() - metrics.height() / 2, width(), metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("100%"));
    painter.drawText(QRect(plot.right() + 4, plot.bottom() - metrics.height() / 2, width(), metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0%"));
    const int labelTop = plot.bottom() + 4;
    painter.drawText(QRect(plot.left(), labelTop, plot.width(), metrics.height()), Qt::AlignLeft,
                     dayText(history_.steps.front().from));
    painter.drawText(QRect(plot.left(), labelTop, plot.width(), metrics.height()), Qt::AlignRight,
                     dayText(history_.steps.back().from));
    painter.drawText(QRect(plot.left(), 2, plot.width(), metrics.height()), Qt::AlignLeft,
                     QStringLiteral("■ コンプリート（%1ごと）")
                         .arg(period_ == ProgressPeriod::Week ? QStringLiteral("週") : QStringLiteral("月")));
    painter.setPen(kLine);
    painter.drawText(QRect(plot.left(), 2, plot.width(), metrics.height()), Qt::AlignRight,
                     QStringLiteral("― 完了の割合"));

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBar);
    QPolygonF share;
    for (int i = 0; i < count; ++i) {
        const ProgressStep& step = history_.steps[static_cast<std::size_t>(i)];
        const double left = plot.left() + slot * i;
        const double height =
            static_cast<double>(plot.height()) * history_.barOf(static_cast<std::size_t>(i)) / most;
        const double bar = std::clamp(slot * 0.7, 1.0, 48.0);
        painter.drawRect(QRectF(left + (slot - bar) / 2, plot.bottom() - height, bar, height));
        const double part =
            history_.quests == 0 ? 0.0 : static_cast<double>(step.completed) / history_.quests;
        share << QPointF(left + slot / 2, plot.bottom() - plot.height() * part);
    }
    painter.setPen(QPen(kLine, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(share);
    painter.setBrush(kLine); // a dot each period, so that one period alone shows too
    for (const QPointF& point : share)
        painter.drawEllipse(point, 3, 3);
}

} // namespace korvane
