#include "TSPLASH.h"

#include "widgets/Controls.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace korvane {

TSPLASH::TSPLASH() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SPLASH"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(214, 216);
    fillBackground(this, Qt::white);

    auto* panel = new QFrame(this);
    panel->setGeometry(0, 0, 214, 216);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(3);
    fillBackground(panel, Qt::white);

    auto* picture = textLabel({}, panel);
    picture->setGeometry(8, 8, 198, 200);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.jpg")));

    // Transparent labels over the picture.
    // The version stands on the picture's night sky: light text, as the notice's dark text stands
    // on its sand.
    QLabel* version =
        placed(named(textLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ " KORVANE_VERSION), panel), "Label1"), 10, 12);
    QPalette light = version->palette();
    light.setColor(QPalette::WindowText, QColor(0xFF, 0xF4, 0xD0));
    version->setPalette(light);
    placed(named(textLabel(QStringLiteral("© Korvane 開発チーム"), panel), "Label2"), 9, 198);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSPLASH::FromDeactive() {
    close();
}

void TSPLASH::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        wasActive_ = true;
    else if (wasActive_)
        FromDeactive();
}

} // namespace korvane
