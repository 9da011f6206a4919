#include "ClockPanel.h"

#include "ClockTexts.h"
#include "widgets/Controls.h"

#include <QDateTime>
#include <QPainter>

namespace korvane {
namespace {

struct Tile {
    const char* name;
    QLabel* ClockControls::*member;
    const char* caption;
    int x, y;
    QColor colour;
};

// Clockwise from the top; the days follow each other around the ring.
const Tile kTiles[] = {
    {"StaticText12", &ClockControls::StaticText12, "火", 43, 5, QColor(0xFF, 0x00, 0x00)},
    {"StaticText13", &ClockControls::StaticText13, "土", 62, 23, QColor(0x80, 0x80, 0x00)},
    {"StaticText14", &ClockControls::StaticText14, "水", 80, 41, QColor(0x00, 0xFF, 0xFF)},
    {"StaticText15", &ClockControls::StaticText15, "風", 61, 59, QColor(0xFF, 0x00, 0xFF)},
    {"StaticText16", &ClockControls::StaticText16, "氷", 42, 77, QColor(0xC0, 0xC0, 0xC0)},
    {"StaticText17", &ClockControls::StaticText17, "雷", 23, 60, QColor(0x00, 0x80, 0x80)},
    {"StaticText18", &ClockControls::StaticText18, "光", 5, 42, QColor(0xFF, 0xFF, 0x00)},
    {"StaticText19", &ClockControls::StaticText19, "闇", 24, 24, QColor(0x80, 0x80, 0x80)},
};

QLabel* whiteLabel(const char* name, QWidget* parent, int x, int y, int pixels) {
    auto* label = named(textLabel(QString::fromLatin1(name), parent), name);
    setPixelFont(label, pixels);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return placed(label, x, y, 144 - x, pixels + 2);
}

QFrame* blackPanel(const char* name, QWidget* parent, int x, int width, int height) {
    auto* panel = named(new QFrame(parent), name);
    panel->setGeometry(x, 0, width, height);
    fillBackground(panel, Qt::black);
    return panel;
}

} // namespace

void ClockControls::buildClockPanel(QWidget* topBar) {
    Panel6 = blackPanel("Panel6", topBar, 2, 148, 109);
    Image2 = placed(named(textLabel({}, Panel6), "Image2"), 0, 0, 148, 20);
    Image2->setPixmap(QPixmap(QStringLiteral(":/pictures/banner.jpg")));
    Label8 = whiteLabel("Label8", Panel6, 4, 21, 16);
    Label9 = whiteLabel("Label9", Panel6, 4, 36, 16);
    Label9->resize(78, Label9->height());
    Label10 = whiteLabel("Label10", Panel6, 84, 36, 16);
    Label15 = whiteLabel("Label15", Panel6, 4, 53, 16);
    Label17 = whiteLabel("Label17", Panel6, 4, 70, 12);
    Label16 = whiteLabel("Label16", Panel6, 4, 83, 12);

    Panel7 = blackPanel("Panel7", topBar, 150, 104, 112);
    for (const Tile& tile : kTiles) {
        auto* label = named(textLabel(QString::fromUtf8(tile.caption), Panel7), tile.name);
        label->setGeometry(tile.x, tile.y, 20, 20);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        setPixelFont(label, 16);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, tile.colour);
        label->setPalette(palette);
        fillBackground(label, Qt::black);
        this->*tile.member = label;
    }
    Image1 = placed(named(textLabel({}, Panel7), "Image1"), 43, 42, 20, 20);
    for (std::size_t k = 0; k < ImageList1.size(); ++k)
        ImageList1[k] = QPixmap(QStringLiteral(":/pictures/moon%1.png").arg(k, 2, 10, QLatin1Char('0')));
    moonCanvas = QPixmap(20, 20);
    moonCanvas.fill(Qt::black);

    Label7 = placed(named(textLabel(QStringLiteral("Label7"), topBar), "Label7"), 400, 7, 186, 14);
    setPixelFont(Label7, 12);
}

void ClockControls::showGameDay(const GameDay& day) {
    const GameDayTexts texts = gameDayTexts(day);
    Label8->setText(texts.date);
    Label9->setText(texts.time);

    for (const Tile& tile : kTiles)
        fillBackground(this->*tile.member, Qt::black);
    fillBackground(dayTile(day.weekIndex), Qt::white);
    Label10->setText(texts.element);

    {
        QPainter painter(&moonCanvas);
        painter.drawPixmap(0, 0, ImageList1[6]);
        painter.drawPixmap(0, 0, ImageList1[static_cast<std::size_t>(day.moonPhase)]);
    }
    Image1->setPixmap(moonCanvas);
    Label15->setText(texts.moonPhase);
    Label17->setText(texts.conquest);
    Label16->setText(texts.rotation);
}

QLabel* ClockControls::dayTile(int weekIndex) const {
    // Week index 7 (火) is the tile at the top; the others follow clockwise from index 0.
    return this->*kTiles[(weekIndex + 1) % 8].member;
}

GameClock::GameClock(QWidget* topBar) : QObject(topBar) {
    buildClockPanel(topBar);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &GameClock::Timer2Timer);
}

// Filled at once, so that no placeholder is ever seen, then every second.
void GameClock::start() {
    Timer2Timer();
    Timer2->start();
}

void GameClock::Timer2Timer() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    pcTime_ = {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()};
    Label7->setText(pcTimerText(pcTime_));
    UpdateGameClock();
}

void GameClock::UpdateGameClock() {
    showGameDay(computeGameDay(pcTime_));
}

} // namespace korvane
