#include "Presence.h"

#include "ConflictNames.h"
#include "platform/Platform.h"
#include "store/DataFolder.h"
#include "store/Errors.h"
#include "store/FileStamp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>
#include <cstdio>

namespace korvane {
namespace {

const QRegularExpression& announcementPattern() {
    static const QRegularExpression pattern(QStringLiteral(R"(^\.korvane-([A-Za-z0-9_-]+)\.pc$)"));
    return pattern;
}

// A file of this size or more is no announcement or lock; it is not read.
constexpr qint64 kMostBytes = 4096;

// Why a file named as an announcement or lock cannot be read; empty when it can, with its bytes.
QString readSmallFile(const QString& path, QByteArray* bytes) {
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("リンク先がありません");
    if (info.isDir())
        return QStringLiteral("フォルダです");
    if (!info.isFile())
        return QStringLiteral("通常のファイルではありません");
    if (info.size() >= kMostBytes)
        return QStringLiteral("大きすぎます");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("読めません");
    *bytes = file.read(kMostBytes);
    return {};
}

QString valueOf(const QList<QByteArray>& lines, const char* key) {
    const QByteArray prefix = QByteArray(key) + '=';
    for (const QByteArray& line : lines)
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size())).trimmed();
    return {};
}

// QLockFile's format: the process number, the program, the host name, then the machine's and the
// boot's ids in newer versions.
std::optional<OtherPc> legacyLockIn(const QString& folder, const ThisPc& me) {
    const QString path = QDir(folder).filePath(kLegacyLockName);
    if (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path))
        return std::nullopt;
    OtherPc other{path, {}, {}, {}, {}, true, {}};
    QByteArray bytes;
    other.problem = readSmallFile(path, &bytes);
    if (!other.problem.isEmpty())
        return other;
    const QList<QByteArray> lines = bytes.split('\n');
    other.name = QString::fromUtf8(lines.value(2)).trimmed();
    other.since = QFileInfo(path).lastModified();
    const QString machine = QString::fromUtf8(lines.value(3)).trimmed();
    const bool thisPc = machine.isEmpty() ? other.name == me.name : machine == me.id;
    if (other.name.isEmpty())
        other.problem = QStringLiteral("読めません");
    else if (thisPc && !platform::processRuns(lines.value(0).trimmed().toLongLong()))
        return std::nullopt; // left by a copy of this PC that ended
    return other;
}

} // namespace

bool removeOutwrittenLegacyLock(const QString& folder, const UserFolders& user) {
    const QString lock = QDir(folder).filePath(kLegacyLockName);
    const auto facts = platform::factsOf(lock);
    if (!facts || !facts->regular || QFileInfo(lock).isSymLink())
        return false;
    std::int64_t wroteLast = 0;
    for (const QString& text : readWrittenVersions(user, folder))
        if (const auto stamp = FileStamp::fromText(text))
            wroteLast = std::max(wroteLast, stamp->modifiedNs());
    return facts->changedNs < wroteLast && QFile::remove(lock);
}

ThisPc ThisPc::here() {
    return here(UserFolders::fromEnvironment());
}

ThisPc ThisPc::here(const UserFolders& user) {
    // Read or made once a run: an id that cannot be kept still names this PC alike all run long.
    static QMap<QString, QString> ids;
    const QString path = QDir(user.settingsFolder()).filePath(QStringLiteral("pc-id"));
    QString& id = ids[path];
    if (id.isEmpty()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            id = QString::fromLatin1(file.read(64)).trimmed();
        if (!QRegularExpression(QStringLiteral("^[a-f0-9]{32}$")).match(id).hasMatch()) {
            quint32 words[4];
            QRandomGenerator::system()->fillRange(words);
            id = QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex());
            QDir().mkpath(user.settingsFolder());
            QSaveFile save(path);
            if (!save.open(QIODevice::WriteOnly) || save.write(id.toLatin1() + '\n') < 0 || !save.commit())
                std::fprintf(stderr, "korvane: this PC's id could not be kept in %s\n", qUtf8Printable(path));
        }
    }
    return {id, QSysInfo::machineHostName()};
}

QString announcementName(const QString& pcId) {
    return QStringLiteral(".korvane-%1.pc").arg(pcId);
}

std::vector<OtherPc> otherPcsIn(const QString& folder, const ThisPc& me, const QDateTime& now) {
    std::vector<OtherPc> others;
    if (auto lock = legacyLockIn(folder, me))
        others.push_back(std::move(*lock));
    const QStringList names = QDir(folder).entryList(
        {QStringLiteral(".korvane-*.pc")}, QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = announcementPattern().match(name);
        if (!match.hasMatch() || match.captured(1) == me.id)
            continue;
        OtherPc other{QDir(folder).filePath(name), match.captured(1), {}, {}, {}, false, {}};
        QByteArray bytes;
        other.problem = readSmallFile(other.file, &bytes);
        if (other.problem.isEmpty()) {
            const QList<QByteArray> lines = bytes.split('\n');
            other.name = valueOf(lines, "pc");
            other.since = QDateTime::fromString(valueOf(lines, "since"), Qt::ISODate);
            const QDateTime refreshed = QDateTime::fromString(valueOf(lines, "refreshed"), Qt::ISODate);
            const auto facts = platform::factsOf(other.file);
            if (!lines.value(0).startsWith("Korvane") || other.name.isEmpty() || !refreshed.isValid() ||
                !facts)
                other.problem = QStringLiteral("読めません");
            else if (other.seen = QDateTime::fromMSecsSinceEpoch(facts->changedNs / 1'000'000, Qt::UTC);
                     other.seen.secsTo(now) > kAnnouncementFreshSeconds)
                continue; // left by a PC that was switched off
        }
        others.push_back(std::move(other));
    }
    return others;
}

Announcement::Announcement(const QString& folder, ThisPc me)
    : folder_(folder), path_(QDir(folder).filePath(announcementName(me.id))), me_(std::move(me)) {}

void Announcement::renamed(const QString& folder) {
    folder_ = folder;
    path_ = QDir(folder).filePath(announcementName(me_.id));
}

Announcement::Announcement(Announcement&& other) noexcept
    : folder_(std::move(other.folder_)), path_(std::move(other.path_)), me_(std::move(other.me_)),
      since_(other.since_), written_(other.written_) {
    other.written_ = false;
}

Announcement::~Announcement() {
    if (written_)
        QFile::remove(path_);
}

void Announcement::write(const QDateTime& now) {
    if (!since_.isValid())
        since_ = now;
    const QByteArray says = "Korvane\npc=" + me_.name.toUtf8() +
                            "\nsince=" + since_.toUTC().toString(Qt::ISODate).toUtf8() +
                            "\nrefreshed=" + now.toUTC().toString(Qt::ISODate).toUtf8() + '\n';
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(says) != says.size() || !file.commit())
        throw errors::cannotCreate(path_);
    written_ = true;
}

void Announcement::remove() {
    if (!written_)
        return;
    if (!QFile::remove(path_) && QFileInfo::exists(path_))
        throw KorvaneError(
            QStringLiteral("ファイル %1 を削除できません").arg(QDir::toNativeSeparators(path_)));
    written_ = false;
}

QStringList Announcement::removeConflictCopies() const {
    QStringList left;
    const QString own = announcementName(me_.id);
    for (const QString& name : QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const std::optional<ConflictName> copy = conflictNameOf(name);
        if (!copy || (copy->original != own && copy->original != kLegacyLockName))
            continue;
        const QString path = QDir(folder_).filePath(name);
        if (!QFile::remove(path))
            left << path;
    }
    return left;
}

std::variant<std::unique_ptr<FolderClaim>, LocalLock::Holder> FolderClaim::take(const QString& folder,
                                                                                const ThisPc& me) {
    auto taken = LocalLock::take(folder);
    if (auto* holder = std::get_if<LocalLock::Holder>(&taken))
        return *holder;
    return std::unique_ptr<FolderClaim>(
        new FolderClaim{std::get<LocalLock>(std::move(taken)), Announcement(folder, me)});
}

} // namespace korvane
