// The main window's clock handlers.

#include "TForm1.h"

#include "calendar/ClockTexts.h"

#include <QDateTime>

namespace korvane {

void TForm1::Timer2Timer() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    pcTime_ = {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()};
    Label7->setText(pcTimerText(pcTime_));
    UpdateGameClock();
}

void TForm1::UpdateGameClock() {
    showGameDay(computeGameDay(pcTime_));
}

} // namespace korvane
