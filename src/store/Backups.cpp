#include "Backups.h"

#include "Errors.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace korvane {
namespace {

QString failure; // the last backup that could not be kept
QString ownTag;  // this PC's, as makeBackupsAs set it

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
    const QString by = ownTag.isEmpty() ? QString() : QLatin1Char('_') + ownTag;
    return stemOf(file) + time.toUTC().toString(QStringLiteral("_yyyyMMdd-HHmmss-zzz")) + by +
           extensionOf(file);
}

void reportFailure(const QString& path, const QString& why) {
    static bool reported = false;
    failure = QStringLiteral("%1 のバックアップを作れません (%2)").arg(QDir::toNativeSeparators(path), why);
    if (reported)
        return;
    reported = true;
    std::fprintf(stderr, "korvane: no backup of %s could be kept (%s); saving goes on without it\n",
                 qUtf8Printable(path), qUtf8Printable(why));
}

// The folder is made when first needed; made by root in a user's data folder, it is the user's.
bool makeFolder(const QString& folder, const QString& dataFolder) {
    if (QFileInfo(folder).isDir())
        return true;
    if (!QDir().mkdir(folder))
        return false;
    platform::giveFolderToOwnerOf(folder, dataFolder);
    return true;
}

// Whether entry names a backup of the file: its stem, "_", the time as yyyyMMdd-HHmmss-zzz, then
// "_" and the tag of the PC that made it (none from an older Korvane), its extension. The tag, or
// nothing when entry names no backup.
std::optional<QString> backupTagIn(const QString& entry, const QString& stem, const QString& extension) {
    static const QString kTime = QStringLiteral("00000000-000000-000");
    const qsizetype timeAt = stem.size() + 1, tagAt = timeAt + kTime.size();
    if (entry.size() < tagAt + extension.size() || !entry.startsWith(stem) ||
        entry[stem.size()] != QLatin1Char('_') || !entry.endsWith(extension))
        return std::nullopt;
    for (qsizetype i = 0; i < kTime.size(); ++i) {
        const QChar c = entry[timeAt + i];
        if (kTime[i] == QLatin1Char('-') ? c != QLatin1Char('-')
                                         : !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return std::nullopt;
    }
    const QString tag = entry.mid(tagAt, entry.size() - tagAt - extension.size());
    if (tag.isEmpty())
        return tag;
    if (tag.size() < 2 || tag[0] != QLatin1Char('_'))
        return std::nullopt;
    return tag.mid(1);
}

// The versions kept of the file, with when each was made: a backup is made by a link (or a copy),
// which sets its change time.
std::vector<KeptVersion> versionsOf(const QFileInfo& file) {
    const QString stem = stemOf(file), extension = extensionOf(file);
    const QDir folder(folderOf(file));
    std::vector<KeptVersion> versions;
    for (const QString& entry : folder.entryList(QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(entry);
        const std::optional<QString> tag = backupTagIn(entry, stem, extension);
        if (!tag)
            continue;
        if (const auto facts = platform::factsOf(path))
            versions.push_back({path, facts->changedNs, facts->size, tag->isEmpty() || *tag == ownTag});
    }
    return versions;
}

// Oldest first. One made after now was made by a clock that ran ahead: older than any other.
void sortByMade(std::vector<KeptVersion>& versions, std::int64_t now) {
    const auto made = [now](const KeptVersion& v) { return v.madeNs > now ? INT64_MIN : v.madeNs; };
    std::stable_sort(versions.begin(), versions.end(), [&](const KeptVersion& a, const KeptVersion& b) {
        return made(a) != made(b) ? made(a) < made(b) : a.path < b.path;
    });
}

} // namespace

QString backupTagOf(const QString& pcName, const QString& pcId) {
    // Letters and digits of any script stay; what a file name on some system cannot hold, or what
    // would read as the extension or the time ("." "_"), becomes "-".
    QString name;
    for (const QChar c : pcName.left(24))
        name += c.isLetterOrNumber() || c == QLatin1Char('-') ? c : QLatin1Char('-');
    if (name.isEmpty())
        name = QStringLiteral("pc");
    return name + QLatin1Char('-') + pcId.left(4);
}

void makeBackupsAs(const QString& tag) {
    ownTag = tag;
}

QStringList versionsToRemove(std::vector<KeptVersion> versions, std::int64_t nowNs, int keep) {
    std::erase_if(versions, [](const KeptVersion& v) { return !v.own; });
    sortByMade(versions, nowNs);
    std::size_t largest = 0;
    for (std::size_t i = 0; i < versions.size(); ++i)
        if (versions[i].size >= versions[largest].size)
            largest = i;
    QStringList gone;
    for (std::size_t i = 0; i + static_cast<std::size_t>(keep) < versions.size(); ++i)
        if (i != largest)
            gone << versions[i].path;
    return gone;
}

QString moveAside(const QString& path) {
    const QFileInfo file(path);
    const QDir backup(file.absoluteDir().filePath(kBackupFolder));
    QDir().mkpath(backup.path());
    QString target = backup.filePath(file.fileName());
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = backup.filePath(QStringLiteral("%1 (%2)").arg(file.fileName()).arg(n));
    if (!QFile::rename(path, target))
        throw KorvaneError(QStringLiteral("ファイル %1 を %2 へ移せません")
                               .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup.path())));
    return target;
}

QString lastBackupFailure() {
    return failure;
}

std::vector<KeptVersion> keptVersionsOf(const QString& path) {
    std::vector<KeptVersion> versions = versionsOf(QFileInfo(path));
    sortByMade(versions, platform::nowNs());
    return versions;
}

QStringList backupsOf(const QString& path) {
    const std::vector<KeptVersion> versions = keptVersionsOf(path);
    QStringList out;
    for (const KeptVersion& version : versions)
        out << version.path;
    return out;
}

void keepBackup(const QString& path, const QDateTime& editTime) {
    const QFileInfo file(path);
    const QString folder = folderOf(file);
    if (!makeFolder(folder, file.absolutePath())) {
        reportFailure(path, QStringLiteral("the backup folder cannot be made"));
        return;
    }
    QDateTime time = editTime;
    QString target = QDir(folder).filePath(nameAt(file, time));
    while (QFileInfo::exists(target)) {
        time = time.addMSecs(1);
        target = QDir(folder).filePath(nameAt(file, time));
    }
    // A hard link keeps the old version when the rename replaces the name; a file system without
    // hard links gets a copy.
    if (const std::optional<QString> linkError = platform::hardLink(path, target)) {
        if (!QFile::copy(path, target)) {
            reportFailure(path, *linkError);
            return;
        }
    }
    failure.clear();
    for (const QString& old : versionsToRemove(versionsOf(file), platform::nowNs(), kBackupsKept))
        QFile::remove(old);
}

} // namespace korvane
