// The second PC of the two-PC test, as a process of its own so that it has settings of its own
// (the environment the test gives it): an installed Korvane's first start, the synced checklist
// chosen at its question; then it says the characters it offers ("names: メイン|騎士") whenever
// they change, and renames one when told ("rename 騎士 聖騎士" on standard input).
//
// second_pc INSTALL_ROOT SYNCED_FOLDER

#include "app/Startup.h"
#include "app/TForm1.h"
#include "support/ModalAnswerer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

using namespace korvane;

namespace {

// Acts on the first modal dialog of type D that shows, once.
template <class D> void whenShown(QObject* owner, std::function<void(D*)> act) {
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, act] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            act(dialog);
        }
    });
    poll->start(50);
}

QString namesOf(const QComboBox& names) {
    QStringList all;
    for (int i = 0; i < names.count(); ++i)
        all << names.itemText(i);
    return all.join(QLatin1Char('|'));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString synced = QString::fromLocal8Bit(argv[2]);
    test::ModalAnswerer answerer(QStringLiteral("同期しているチェックリストを開く…"));
    whenShown<QFileDialog>(&app, [synced](QFileDialog* chooser) {
        chooser->setDirectory(synced);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    const auto paths = dataPaths(std::nullopt, QString::fromLocal8Bit(argv[1]) + "/usr/bin/korvane");
    if (!paths)
        return 1;
    rememberOpened(paths->dataFolder);
    TForm1 window(*paths);
    window.show();
    auto* names = window.findChild<QComboBox*>(QStringLiteral("ComboBox6"));
    QString said;
    QTimer tell;
    QObject::connect(&tell, &QTimer::timeout, [&] {
        if (const QString now = names->toolTip() + QLatin1Char('>') + namesOf(*names); now != said) {
            said = now;
            std::printf("names: %s\n", qUtf8Printable(said));
            std::fflush(stdout);
        }
    });
    tell.start(200);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[512];
        const ssize_t n = read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0)
            return app.quit(); // the test ended
        const QStringList words = QString::fromUtf8(line, n).trimmed().split(QLatin1Char(' '));
        if (words.size() != 3 || words[0] != QStringLiteral("rename"))
            return;
        emit names->activated(names->findText(words[1]));
        const QString to = words[2];
        whenShown<QInputDialog>(&app, [to](QInputDialog* ask) {
            ask->setTextValue(to);
            ask->accept();
        });
        window.findChild<QAction*>(QStringLiteral("RenameCharacter"))->trigger();
    });
    return app.exec();
}
