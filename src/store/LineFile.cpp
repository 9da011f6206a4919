#include "LineFile.h"

#include "Backups.h"
#include "Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {
namespace {

// QFileInfo::isWritable() asks access(), which says yes to root whatever the mode bits are.
// A file that the user marked read-only stays untouched, whoever runs the program.
bool markedReadOnly(const struct stat& st) {
    return S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The new file belongs to whoever owned the old one, with its mode: a save made as root leaves a
// user's file the user's. fchown may drop the set-id bits, so the mode comes after it.
bool keepOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// A file made anew in a folder of another user, by root, goes to the folder's owner.
bool giveToFolderOwner(int fd, const QString& path) {
    struct stat folder {};
    if (::geteuid() != 0 ||
        ::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &folder) != 0)
        return true;
    return folder.st_uid == 0 || ::fchown(fd, folder.st_uid, folder.st_gid) == 0;
}

// A modification time just before now: a change by another program after this write then always
// gets a later time than this file, however coarse the clock that stamps files.
void stampSafelyPast(int fd) {
    const std::int64_t past = FileStamp::safelyPastNanoseconds();
    const timespec times[2] = {{0, UTIME_OMIT}, {past / 1'000'000'000, past % 1'000'000'000}};
    ::futimens(fd, times);
}

// Makes the rename itself durable.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Cuts lines as content comes, piece by piece: a line ends at CR LF, a lone CR or a lone LF.
class LineSplitter {
public:
    void feed(std::string_view piece) {
        std::size_t start = 0;
        if (pendingCr_ && !piece.empty()) {
            pendingCr_ = false;
            if (piece.front() == '\n')
                start = 1; // the LF of a CR LF cut in two
        }
        const std::size_t n = piece.size();
        while (start < n) {
            std::size_t end = start;
            while (end < n && piece[end] != '\r' && piece[end] != '\n')
                ++end;
            if (end == n) {
                partial_.append(piece.substr(start));
                return;
            }
            // A whole line is made in one go; only a line cut between two pieces is put together.
            if (partial_.empty()) {
                lines_.emplace_back(piece.substr(start, end - start));
            } else {
                partial_.append(piece.substr(start, end - start));
                lines_.push_back(std::move(partial_));
                partial_.clear();
            }
            if (piece[end] == '\r' && end + 1 == piece.size()) {
                pendingCr_ = true;
                return;
            }
            start = piece[end] == '\r' && piece[end + 1] == '\n' ? end + 2 : end + 1;
        }
    }
    Lines finish() {
        if (!partial_.empty())
            lines_.push_back(std::move(partial_));
        return std::move(lines_);
    }

private:
    Lines lines_;
    std::string partial_;
    bool pendingCr_ = false;
};

bool sameState(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// Reads the file once with read, which also feeds the hash when one is passed, and gives the stamp
// of what was read. When another program wrote meanwhile it reads again (restart clears what was
// taken); a file that never holds still gets a stamp that matches nothing, so that no save goes
// over it.
FileStamp readStable(const QString& path, bool stamped, const std::function<bool(QFile&, ContentHash*)>& read,
                     const std::function<void()>& restart) {
    for (int attempt = 1;; ++attempt) {
        QFile file(path);
        openToRead(file);
        struct stat before {};
        ::fstat(file.handle(), &before);
        const bool hashed = stamped && FileStamp::tooRecent(before); // a hash only for a stamp asked for
        ContentHash hash;
        if (!read(file, hashed ? &hash : nullptr))
            throw errors::cannotOpen(path);
        struct stat after {};
        ::fstat(file.handle(), &after);
        if (sameState(before, after))
            return FileStamp::of(after, hashed ? std::optional(hash.value()) : std::nullopt);
        if (attempt == 3)
            return FileStamp::unknown();
        restart();
    }
}

} // namespace

void openToRead(QFile& file) {
    switch (openRegular(file)) {
    case Opened::Yes:
        return;
    case Opened::NotRegular:
        throw errors::notRegular(file.fileName());
    case Opened::CannotOpen:
        break;
    }
    throw errors::cannotOpen(file.fileName());
}

// Straight into one buffer of the file's size: a search reads a whole store at each run.
std::string readFile(const QString& path, FileStamp* stamp) {
    std::string content;
    const FileStamp read = readStable(
        path, stamp != nullptr,
        [&content](QFile& file, ContentHash* hash) {
            content.resize(static_cast<std::size_t>(std::max<qint64>(file.size(), 0)));
            std::size_t filled = 0;
            while (filled < content.size()) {
                const qint64 got =
                    file.read(content.data() + filled, static_cast<qint64>(content.size() - filled));
                if (got < 0)
                    return false;
                if (got == 0)
                    break;
                filled += static_cast<std::size_t>(got);
            }
            content.resize(filled);
            // A file that grew while it was read is read to its end.
            char more[4096];
            for (qint64 got; (got = file.read(more, sizeof more)) != 0;) {
                if (got < 0)
                    return false;
                content.append(more, static_cast<std::size_t>(got));
            }
            if (hash)
                hash->add(content);
            return true;
        },
        [&content] { content.clear(); });
    if (stamp)
        *stamp = read;
    return content;
}

// Piece by piece, so that a large file is never held whole beside its lines.
Lines readLines(const QString& path, FileStamp* stamp) {
    std::optional<LineSplitter> splitter(std::in_place);
    const FileStamp read = readStable(
        path, stamp != nullptr,
        [&splitter](QFile& file, ContentHash* hash) {
            return readInPieces(file, [&](std::string_view piece) {
                splitter->feed(piece);
                if (hash)
                    hash->add(piece);
            });
        },
        [&splitter] { splitter.emplace(); });
    if (stamp)
        *stamp = read;
    return splitter->finish();
}

bool replaceFile(const QString& path, const std::function<bool(QIODevice&)>& fill,
                 const WriteOptions& options) {
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &old) == 0 && S_ISREG(old.st_mode);
    if (replacing && markedReadOnly(old))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!(replacing ? keepOwnerAndMode(file.handle(), old) : giveToFolderOwner(file.handle(), path)) ||
        !fill(file))
        return false;
    if (!file.flush())
        return false;
    stampSafelyPast(file.handle());
    if (replacing && options.keepBackup)
        keepBackup(path, options.editTime);
    // commit() syncs the new file's data to the disk before it takes the name (Qt 6), so a power
    // cut never leaves the name on blocks that never reached the disk; one sync after the backup's
    // link commits both at once.
    if (!file.commit())
        return false;
    syncFolderOf(path);
    return true;
}

FileStamp writeLines(const QString& path, const std::vector<std::span<const std::string>>& pieces,
                     const WriteOptions& options) {
    const bool written = replaceFile(
        path,
        [&pieces](QIODevice& out) {
            // Written in slices so that a large store is not held twice in memory.
            constexpr std::size_t kSlice = 1 << 16;
            std::string buffer;
            buffer.reserve(kSlice + 512);
            const auto flush = [&] {
                const auto size = static_cast<qint64>(buffer.size());
                const bool ok = out.write(buffer.data(), size) == size;
                buffer.clear();
                return ok;
            };
            for (const auto& piece : pieces)
                for (const auto& line : piece) {
                    buffer += line;
                    buffer += "\r\n";
                    if (buffer.size() >= kSlice && !flush())
                        return false;
                }
            return flush();
        },
        options);
    if (!written)
        throw errors::cannotCreate(path);
    return FileStamp::take(path);
}

} // namespace korvane
