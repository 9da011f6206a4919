#pragma once
// Progress over time drawn: a bar for each period's completions (scale at the left) and a line for
// the share of quests completed by its end (0 to 100 % at the right). Drawn with the painter: two
// series need no chart library, and the Windows build stays the Qt it is.

#include "ProgressHistory.h"

#include <QWidget>

namespace korvane {

class ProgressChart : public QWidget {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void setHistory(ProgressHistory history, ProgressPeriod period);
    const ProgressHistory& history() const { return history_; }
    // What the chart shows, in words: for the label beside it and assistive technology.
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressHistory history_;
    ProgressPeriod period_ = ProgressPeriod::Week;
};

} // namespace korvane
