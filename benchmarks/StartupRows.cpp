#include "StartupRows.h"

#include "app/Appearance.h"
#include "app/TForm1.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <cstdio>

namespace korvane::bench {

long runChild(const QStringList& arguments, const QString& configHome) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(120000);
    return child.readAllStandardOutput().trimmed().toLong();
}

int startupChild(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppearance(app);
    const QString set = QString::fromLocal8Bit(argv[2]);
    TForm1 window(DataPlace{set, set + "/korvane.ini"});
    window.show();
    QApplication::processEvents(); // painted, with the first quest on show
    std::printf("%ld\n", peakKiBNow());
    return 0;
}

long peakKiBNow() {
    // VmHWM, not ru_maxrss: the latter keeps the parent's size across exec.
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

} // namespace korvane::bench
