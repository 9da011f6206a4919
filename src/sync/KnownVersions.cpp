#include "KnownVersions.h"

#include "store/DataFolder.h"
#include "store/Errors.h"
#include "store/LineFile.h"

#include "platform/Platform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace korvane {
namespace {

const QString kStampName = QStringLiteral("stamp");
const QString kUnfinished = QStringLiteral("unfinished");

QString folderOf(const QString& root, const QString& dataFile) {
    return QDir(root).filePath(dataFile);
}

std::int64_t byteSize(std::span<const std::string> lines) {
    std::int64_t size = 0;
    for (const std::string& line : lines)
        size += static_cast<std::int64_t>(line.size()) + 2;
    return size;
}

// "<sequence>_<lines>_<size>", each in decimal, and "_a" for one that arrived.
std::optional<KnownVersions::Version> parse(const QString& folder, const QString& name) {
    QStringList parts = name.split(QLatin1Char('_'));
    const bool arrived = parts.size() == 4 && parts.back() == QStringLiteral("a");
    if (arrived)
        parts.removeLast();
    if (parts.size() != 3)
        return std::nullopt;
    bool ok[3] = {};
    KnownVersions::Version v;
    v.sequence = parts[0].toULongLong(&ok[0]);
    v.lines = static_cast<std::size_t>(parts[1].toULongLong(&ok[1]));
    v.size = parts[2].toLongLong(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    v.path = QDir(folder).filePath(name);
    v.arrived = arrived;
    return v;
}

void sayOnce(const QString& what) {
    static bool said = false;
    if (!std::exchange(said, true))
        std::fprintf(stderr, "korvane: this PC's own versions cannot be kept (%s)\n", qUtf8Printable(what));
}

std::filesystem::path fsPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// The data file copied by the system, no line formatted again, when it still is what was stamped
// (the lines held) once the copy is whole.
bool copiedInPlace(const QString& source, const QString& to, const FileStamp& stamp, std::int64_t size) {
    if (source.isEmpty())
        return false;
    std::error_code failed;
    std::filesystem::copy_file(fsPath(source), fsPath(to), std::filesystem::copy_options::overwrite_existing,
                               failed);
    const auto copied = platform::factsOf(to);
    return !failed && copied && copied->size == size && FileStamp::identity(source).sameState(stamp);
}

bool sameLines(const QString& path, std::span<const std::string> lines) {
    try {
        const Lines kept = readLines(path);
        return std::equal(kept.begin(), kept.end(), lines.begin(), lines.end());
    } catch (const KorvaneError&) {
        return false;
    }
}

// Written in place, unsynced: a stamp cut short reads as none, and the next look only reads the
// data file once more.
void writeStamp(const QString& folder, const FileStamp& stamp) {
    QFile file(QDir(folder).filePath(kStampName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(stamp.toText().toUtf8()) < 0)
        sayOnce(file.fileName());
}

} // namespace

KnownVersions KnownVersions::of(const UserFolders& user, const QString& checklistFolder) {
    const QString state = user.stateFolder();
    if (state.isEmpty())
        return {};
    const QByteArray key =
        QCryptographicHash::hash(
            QDir(checklistFolder).absolutePath().normalized(QString::NormalizationForm_C).toUtf8(),
            QCryptographicHash::Sha1)
            .toHex();
    return KnownVersions(QDir(state).filePath(QStringLiteral("known/") + QString::fromLatin1(key)));
}

std::vector<KnownVersions::Version> KnownVersions::versionsOf(const QString& dataFile) const {
    std::uint64_t highest = 0;
    return versionsOf(dataFile, highest);
}

std::vector<KnownVersions::Version> KnownVersions::versionsOf(const QString& dataFile,
                                                              std::uint64_t& highest) const {
    std::vector<Version> versions;
    if (!keeps())
        return versions;
    const QString folder = folderOf(folder_, dataFile);
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        std::optional<Version> v = parse(folder, name);
        if (v)
            highest = std::max(highest, v->sequence);
        const auto facts = v ? platform::factsOf(v->path) : std::nullopt;
        if (!facts || !facts->regular || facts->size != v->size)
            continue; // cut short, or not a version at all
        v->madeNs = facts->modifiedNs;
        versions.push_back(std::move(*v));
    }
    std::sort(versions.begin(), versions.end(),
              [](const Version& a, const Version& b) { return a.sequence < b.sequence; });
    return versions;
}

std::optional<KnownVersions::Version> KnownVersions::newest(const QString& dataFile) const {
    std::vector<Version> versions = versionsOf(dataFile);
    if (versions.empty())
        return std::nullopt;
    return std::move(versions.back());
}

bool KnownVersions::holdsNewest(const QString& dataFile, const FileStamp& now) const {
    if (!keeps())
        return false;
    QFile file(QDir(folderOf(folder_, dataFile)).filePath(kStampName));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<FileStamp> known = FileStamp::fromText(QString::fromUtf8(file.readAll()));
    // Identity, size and modification time: a sync tool's delivery is a new file (a rename).
    return known && known->exists() && known->sameVersion(now);
}

std::vector<std::size_t> KnownVersions::toDrop(const std::vector<Version>& versions) {
    std::vector<std::size_t> drop;
    if (versions.size() <= kKept)
        return drop;
    std::size_t most = 0, arrived = versions.size();
    for (std::size_t i = 0; i < versions.size(); ++i) {
        if (versions[i].lines >= versions[most].lines)
            most = i;
        if (versions[i].arrived)
            arrived = i;
    }
    for (std::size_t i = 0; i + kKept < versions.size(); ++i)
        if (i != most && i != arrived)
            drop.push_back(i);
    return drop;
}

void KnownVersions::remember(const QString& dataFile, std::span<const std::string> lines,
                             const FileStamp& stamp, bool written, const QString& source) {
    if (!keeps())
        return;
    const QString folder = folderOf(folder_, dataFile);
    if (!QDir().mkpath(folder))
        return sayOnce(folder);
    std::uint64_t highest = 0; // past every name, a version cut short too
    std::vector<Version> versions = versionsOf(dataFile, highest);
    const std::int64_t size = byteSize(lines);
    if (!written && !versions.empty() && versions.back().lines == lines.size() &&
        versions.back().size == size && sameLines(versions.back().path, lines))
        return writeStamp(folder, stamp);
    // Written without syncing it to the disk: a version that a power loss cut short is known by its
    // size and left out, and the data file itself was synced by the writer.
    const std::uint64_t sequence = highest + 1;
    const QString name =
        QStringLiteral("%1_%2_%3").arg(sequence, 10, 10, QLatin1Char('0')).arg(lines.size()).arg(size) +
        (written ? QString() : QStringLiteral("_a"));
    const QString unfinished = QDir(folder).filePath(kUnfinished);
    if (!copiedInPlace(source, unfinished, stamp, size)) {
        QFile out(unfinished);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return sayOnce(unfinished);
        std::string buffer;
        for (const std::string& line : lines) {
            buffer += line;
            buffer += "\r\n";
            if (buffer.size() >= (1 << 16)) {
                if (out.write(buffer.data(), static_cast<qint64>(buffer.size())) < 0)
                    return sayOnce(unfinished);
                buffer.clear();
            }
        }
        if (out.write(buffer.data(), static_cast<qint64>(buffer.size())) < 0 || !out.flush())
            return sayOnce(unfinished);
    }
    if (!QFile::rename(unfinished, QDir(folder).filePath(name)))
        return sayOnce(folder);
    writeStamp(folder, stamp);
    versions.push_back(
        {QDir(folder).filePath(name), sequence, lines.size(), size, platform::nowNs(), !written});
    for (const std::size_t i : toDrop(versions))
        QFile::remove(versions[i].path);
}

} // namespace korvane
