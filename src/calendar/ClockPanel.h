#pragma once
// The clock panel at the left of the top bar: the game calendar in white on black, the ring of
// the eight elemental days around the moon picture, and the PC clock in Label7.

#include "GameCalendar.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <array>

namespace korvane {

struct GameDay;

struct ClockControls {
    QFrame* Panel6 = nullptr;
    QLabel* Image2 = nullptr;  // banner
    QLabel* Label8 = nullptr;  // game date
    QLabel* Label9 = nullptr;  // game time of day
    QLabel* Label10 = nullptr; // element of the day
    QLabel* Label15 = nullptr; // moon phase
    QLabel* Label16 = nullptr; // weekly rotation
    QLabel* Label17 = nullptr; // conquest countdown
    QFrame* Panel7 = nullptr;
    QLabel* StaticText12 = nullptr;     // 火
    QLabel* StaticText13 = nullptr;     // 土
    QLabel* StaticText14 = nullptr;     // 水
    QLabel* StaticText15 = nullptr;     // 風
    QLabel* StaticText16 = nullptr;     // 氷
    QLabel* StaticText17 = nullptr;     // 雷
    QLabel* StaticText18 = nullptr;     // 光
    QLabel* StaticText19 = nullptr;     // 闇
    QLabel* Image1 = nullptr;           // moon picture
    QLabel* Label7 = nullptr;           // PC clock, in the top bar
    std::array<QPixmap, 12> ImageList1; // moon pictures, one per phase
    QPixmap moonCanvas;                 // Image1's picture, drawn over tick after tick

    void buildClockPanel(QWidget* topBar);

    // Fills the panel: date, time, the day's tile white and the others black, the moon drawn
    // as picture 6 then the phase's picture over it, the countdown and the rotation.
    void showGameDay(const GameDay& day);

    // The ring's tile of a week index (0 土 ... 7 火).
    QLabel* dayTile(int weekIndex) const;
};

// The panel kept going: filled from the PC's clock at once and then every second (Timer2).
class GameClock : public QObject, public ClockControls {
    Q_OBJECT
public:
    explicit GameClock(QWidget* topBar);
    void start();

private:
    void Timer2Timer();
    void UpdateGameClock();

    QTimer* Timer2 = nullptr;
    CivilDateTime pcTime_;
};

} // namespace korvane
