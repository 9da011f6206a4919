#include "LocalLock.h"

#include "Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace korvane {
namespace {

LocalLock::Holder holderIn(const QString& path) {
    const QList<QByteArray> lines = platform::FileLock::read(path).split('\n');
    return {lines.value(0).toLongLong(), QString::fromUtf8(lines.value(1))};
}

} // namespace

QString localLockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("korvane"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("korvane/locks"));
}

std::variant<LocalLock, LocalLock::Holder> LocalLock::take(const QString& folder, const QString& lockFolder) {
    const auto identity = platform::factsOf(folder);
    if (!identity)
        throw errors::cannotOpen(folder);
    if (!QDir().mkpath(lockFolder))
        throw errors::cannotCreateFolder(lockFolder);
    const QString path =
        QDir(lockFolder)
            .filePath(QStringLiteral("folder-%1-%2.lock").arg(identity->device).arg(identity->inode));
    platform::FileLock lock;
    const QByteArray says = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                            QDir(folder).absolutePath().toUtf8() + '\n';
    switch (lock.take(path, says)) {
    case platform::FileLock::Taken::Yes:
        return LocalLock(std::move(lock));
    case platform::FileLock::Taken::HeldElsewhere:
        return holderIn(path);
    case platform::FileLock::Taken::Failed:
        break;
    }
    throw errors::cannotCreate(path);
}

} // namespace korvane
