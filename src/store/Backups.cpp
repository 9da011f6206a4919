#include "Backups.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {
namespace {

QString folderOf(const QFileInfo& file) {
    return file.absoluteDir().filePath(kBackupFolder);
}

QString stemOf(const QFileInfo& file) {
    return file.completeBaseName();
}

QString extensionOf(const QFileInfo& file) {
    return file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
}

QString nameAt(const QFileInfo& file, const QDateTime& time) {
    return stemOf(file) + time.toString(QStringLiteral("_yyyyMMdd-HHmmss-zzz")) + extensionOf(file);
}

void reportOnce(const QString& path, const char* why) {
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    std::fprintf(stderr, "korvane: no backup of %s could be kept (%s); saving goes on without it\n",
                 QFile::encodeName(path).constData(), why);
}

// The folder is made when first needed; made by root in a user's data folder, it is the user's.
bool makeFolder(const QString& folder, const QString& dataFolder) {
    if (QFileInfo(folder).isDir())
        return true;
    if (!QDir().mkdir(folder))
        return false;
    struct stat owner {};
    if (::geteuid() == 0 && ::stat(QFile::encodeName(dataFolder).constData(), &owner) == 0 &&
        owner.st_uid != 0)
        static_cast<void>(::chown(QFile::encodeName(folder).constData(), owner.st_uid, owner.st_gid));
    return true;
}

void prune(const QFileInfo& file) {
    const QStringList kept = backupsOf(file.absoluteFilePath());
    for (qsizetype i = 0; i + kBackupsKept < kept.size(); ++i)
        QFile::remove(kept[i]);
}

} // namespace

QStringList backupsOf(const QString& path) {
    const QFileInfo file(path);
    const QRegularExpression name(
        QStringLiteral("^%1_\\d{8}-\\d{6}-\\d{3}%2$")
            .arg(QRegularExpression::escape(stemOf(file)), QRegularExpression::escape(extensionOf(file))));
    const QDir folder(folderOf(file));
    QStringList out;
    for (const QString& entry : folder.entryList(QDir::Files, QDir::Name))
        if (name.match(entry).hasMatch())
            out << folder.filePath(entry);
    return out;
}

void keepBackup(const QString& path) {
    const QFileInfo file(path);
    const QString folder = folderOf(file);
    if (!makeFolder(folder, file.absolutePath())) {
        reportOnce(path, "the backup folder cannot be made");
        return;
    }
    QDateTime time = QDateTime::currentDateTime();
    QString target = QDir(folder).filePath(nameAt(file, time));
    while (QFileInfo::exists(target)) {
        time = time.addMSecs(1);
        target = QDir(folder).filePath(nameAt(file, time));
    }
    const QByteArray from = QFile::encodeName(path), to = QFile::encodeName(target);
    // A hard link keeps the old version when the rename replaces the name; a file system without
    // hard links gets a copy.
    if (::linkat(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW) != 0) {
        const int linkError = errno;
        if (!QFile::copy(path, target)) {
            reportOnce(path, std::strerror(linkError));
            return;
        }
    }
    prune(file);
}

} // namespace korvane
