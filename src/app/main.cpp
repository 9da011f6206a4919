#include "app/Appearance.h"
#include "app/Application.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TSPLASH.h"
#include "web/Browser.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>

int main(int argc, char* argv[]) {
    korvane::prepareBrowserEngine();
    korvane::Application app(argc, argv);
    korvane::applyAppearance(app);
    // `korvane FOLDER` opens the checklist in FOLDER; without it, the one beside the program, or the
    // user's own when the program is installed.
    const auto paths = korvane::dataPaths(QApplication::arguments(), QApplication::applicationFilePath());
    if (!paths)
        return 1;
    const auto claim = korvane::claimDataFolder(paths->dataFolder);
    if (!claim)
        return 1;

    // The splash stands on the screen while the data loads.
    QPointer<korvane::TSPLASH> splash = new korvane::TSPLASH;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    korvane::TForm1 form(*paths);
    form.showAsRemembered(); // maximised the first time

    // The splash goes when the main window takes the activation; without a window manager to
    // hand it over, shortly after the window is shown.
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, splash, [&splash](QWindow* window) {
        if (splash && window && window != splash->windowHandle())
            splash->FromDeactive();
    });
    QTimer::singleShot(1500, splash, &korvane::TSPLASH::FromDeactive);
    return QApplication::exec();
}
