#include "app/Appearance.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/EndSignals.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TSPLASH.h"
#include "web/Browser.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

// --help and --version need no window, nor a display to show one.
std::optional<int> answerWithoutWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc && QByteArray(argv[i]) != "--"; ++i) {
        const QByteArray argument(argv[i]);
        const QString text = argument == "--help" || argument == "-h"      ? korvane::helpText()
                             : argument == "--version" || argument == "-v" ? korvane::versionText()
                                                                           : QString();
        if (!text.isEmpty()) {
            std::fputs(text.toLocal8Bit().constData(), stdout);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const auto answered = answerWithoutWindow(argc, argv))
        return *answered;
    korvane::prepareBrowserEngine();
    // At 125 % and 150 % the window is scaled by exactly that factor, never rounded to 1 or 2:
    // neither blurred nor cut (the manifest makes the program aware of each monitor's scale).
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    korvane::Application app(argc, argv);
    const korvane::CommandLine line = korvane::parseCommandLine(QApplication::arguments());
    if (line.action == korvane::CommandLine::Action::Error) {
        std::fprintf(stderr, "%s\n%s", line.error.toLocal8Bit().constData(),
                     korvane::helpText().toLocal8Bit().constData());
        return korvane::kExitUsage;
    }
    korvane::applyAppearance(app);
    // Without a folder: the one beside the program, the one last opened, or the user's own.
    const auto paths = korvane::dataPaths(line.folder, QApplication::applicationFilePath());
    if (!paths)
        return 1;
    auto claim = korvane::claimDataFolder(paths->dataFolder);
    if (!claim)
        return 1;
    korvane::rememberOpened(paths->dataFolder);
    // Asked to end by the system: the window closes as if closed; before it is up, nothing to keep.
    korvane::TForm1* shown = nullptr;
    bool endAsked = false;
    korvane::endOnSignals([&] {
        if (shown)
            shown->endQuietly();
        endAsked = true;
    });

    // The splash stands on the screen while the data loads.
    QPointer<korvane::TSPLASH> splash = new korvane::TSPLASH;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    korvane::TForm1 form(*paths, std::move(claim));
    if (endAsked)
        return 0;
    shown = &form;
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
