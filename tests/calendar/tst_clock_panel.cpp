// The clock panel on real widgets: the labels, the one white tile, the moon picture, Label7.

#include "app/TForm1.h"
#include "calendar/ClockPanel.h"
#include "calendar/ClockTexts.h"
#include "calendar/GameCalendar.h"
#include "support/DataSet.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/Ui.h"

#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

bool isWhite(const QWidget* tile) {
    return tile->autoFillBackground() && tile->palette().color(QPalette::Window) == QColor(Qt::white);
}

const char* kTiles[] = {"StaticText12", "StaticText13", "StaticText14", "StaticText15",
                        "StaticText16", "StaticText17", "StaticText18", "StaticText19"};

} // namespace

class ClockPanelTest : public QObject {
    Q_OBJECT
private slots:
    void filledAtStartAndEverySecondWithOneWhiteTile();
    void moonPhaseLiesOverTheNewMoon();
    void ringFollowsTheWeek();
    void pcTimerShowsTheDateAloneAtMidnight();
};

void ClockPanelTest::filledAtStartAndEverySecondWithOneWhiteTile() {
    ModalAnswerer answerer;
    const auto dir = DataSet{Utf8Lines{}, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}}.write();
    const auto form = openMainWindow(*dir);
    for (const char* name : {"Label8", "Label9", "Label10", "Label15", "Label16", "Label17"})
        QVERIFY2(child<QLabel>(*form, name)->text() != QString::fromLatin1(name), name);
    QVERIFY(child<QLabel>(*form, "Label17")->text().startsWith("コンクエスト集計まで"));
    auto* pcTimer = child<QLabel>(*form, "Label7");
    QVERIFY(pcTimer->text().startsWith("PC timer:"));

    const QString before = child<QLabel>(*form, "Label9")->text();
    QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>(*form, "Label9")->text() != before, 3000);

    int white = 0;
    for (const char* name : kTiles) {
        auto* tile = child<QLabel>(*form, name);
        if (isWhite(tile)) {
            ++white;
            QCOMPARE(tile->text(), child<QLabel>(*form, "Label10")->text());
        } else {
            QCOMPARE(tile->palette().color(QPalette::Window), QColor(Qt::black));
        }
    }
    QCOMPARE(white, 1);
}

void ClockPanelTest::moonPhaseLiesOverTheNewMoon() {
    QWidget bar;
    ClockControls clock;
    clock.buildClockPanel(&bar);
    GameDay day;
    day.moonPhase = 3; // last quarter: the left half lit
    clock.showGameDay(day);
    QCOMPARE(clock.Label15->text(), "下弦の月");
    const QImage shown = clock.Image1->pixmap().toImage();
    const QImage newMoon = QImage(":/pictures/moon06.png");
    const QImage phase = QImage(":/pictures/moon03.png");
    QCOMPARE(shown.size(), QSize(20, 20));
    int opaque = 0, transparent = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const QColor p = phase.pixelColor(x, y);
            const QColor n = newMoon.pixelColor(x, y);
            if (p.alpha() == 255) {
                ++opaque;
                QCOMPARE(shown.pixelColor(x, y).rgb(), p.rgb());
                QVERIFY(p.rgb() != n.rgb());
            } else if (p.alpha() == 0 && n.alpha() == 255) {
                ++transparent;
                QCOMPARE(shown.pixelColor(x, y).rgb(), n.rgb());
            }
        }
    QVERIFY(opaque > 50);
    QVERIFY(transparent > 50);
}

void ClockPanelTest::ringFollowsTheWeek() {
    QWidget bar;
    ClockControls clock;
    clock.buildClockPanel(&bar);
    const QString names[] = {"土", "水", "風", "氷", "雷", "光", "闇", "火"};
    for (int w = 0; w < 8; ++w) {
        GameDay day;
        day.weekIndex = w;
        clock.showGameDay(day);
        QCOMPARE(clock.Label10->text(), names[w]);
        int white = 0;
        for (const char* name : kTiles) {
            auto* tile = bar.findChild<QLabel*>(name);
            if (isWhite(tile)) {
                ++white;
                QCOMPARE(tile->text(), names[w]);
            }
        }
        QCOMPARE(white, 1);
    }
    // 火 at the top, then clockwise.
    QCOMPARE(bar.findChild<QLabel*>("StaticText12")->geometry(), QRect(43, 5, 20, 20));
    QCOMPARE(bar.findChild<QLabel*>("StaticText12")->text(), "火");
    QCOMPARE(bar.findChild<QLabel*>("StaticText13")->geometry(), QRect(62, 23, 20, 20));
}

void ClockPanelTest::pcTimerShowsTheDateAloneAtMidnight() {
    QCOMPARE(pcTimerText({2002, 5, 1, 0, 57, 36, 0}), "PC timer:2002/05/01 0:57:36");
    QCOMPARE(pcTimerText({2026, 12, 8, 0, 0, 0, 999}), "PC timer:2026/12/08");
    QCOMPARE(pcTimerText({2026, 12, 8, 0, 0, 1, 0}), "PC timer:2026/12/08 0:00:01");
    QCOMPARE(pcTimerText({2026, 12, 8, 13, 5, 9, 0}), "PC timer:2026/12/08 13:05:09");
}

KORVANE_WIDGET_TEST_MAIN(ClockPanelTest)
#include "tst_clock_panel.moc"
