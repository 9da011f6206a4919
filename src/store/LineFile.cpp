#include "LineFile.h"

#include "Backups.h"
#include "Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace korvane {
namespace {

// Cuts lines as content comes, piece by piece: a line ends at CR LF, a lone CR or a lone LF.
class LineSplitter {
public:
    explicit LineSplitter(qint64 fileSize = 0)
        : fileSize_(static_cast<std::size_t>(std::max<qint64>(fileSize, 0))) {}

    void feed(std::string_view piece) {
        split(piece);
        // Room for the file's lines as the first piece foretells them, so that the list is not
        // moved again and again as it grows.
        if (seen_ == 0 && piece.size() < fileSize_ && !lines_.empty())
            lines_.reserve(lines_.size() * (fileSize_ / piece.size() + 1));
        seen_ += piece.size();
    }
    Lines finish() {
        if (!partial_.empty())
            lines_.push_back(std::move(partial_));
        return std::move(lines_);
    }

private:
    void split(std::string_view piece) {
        std::size_t start = 0;
        if (pendingCr_ && !piece.empty()) {
            pendingCr_ = false;
            if (piece.front() == '\n')
                start = 1; // the LF of a CR LF cut in two
        }
        const std::size_t n = piece.size();
        // The next line end is the nearer of the next LF and the next CR, each found by memchr,
        // which looks at many bytes a step.
        const auto next = [&](char c, std::size_t from) {
            const void* hit = std::memchr(piece.data() + from, c, n - from);
            return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - piece.data()) : n;
        };
        std::size_t nextLf = next('\n', start), nextCr = next('\r', start);
        while (start < n) {
            if (nextLf < start)
                nextLf = next('\n', start);
            if (nextCr < start)
                nextCr = next('\r', start);
            const std::size_t end = std::min(nextLf, nextCr);
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

    std::size_t fileSize_;
    std::size_t seen_ = 0;
    Lines lines_;
    std::string partial_;
    bool pendingCr_ = false;
};

bool sameState(const std::optional<platform::FileFacts>& a, const std::optional<platform::FileFacts>& b) {
    return a && b && a->inode == b->inode && a->size == b->size && a->modifiedNs == b->modifiedNs &&
           a->changedNs == b->changedNs;
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
        const auto before = platform::factsOf(file);
        const bool hashed =
            stamped && before && FileStamp::tooRecent(*before); // a hash only for a stamp asked for
        ContentHash hash;
        if (!read(file, hashed ? &hash : nullptr))
            throw errors::cannotOpen(path);
        const auto after = platform::factsOf(file);
        if (sameState(before, after))
            return FileStamp::of(*after, hashed ? std::optional(hash.value()) : std::nullopt);
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
    std::optional<LineSplitter> splitter;
    const FileStamp read = readStable(
        path, stamp != nullptr,
        [&splitter](QFile& file, ContentHash* hash) {
            splitter.emplace(file.size());
            return readInPieces(file, [&](std::string_view piece) {
                splitter->feed(piece);
                if (hash)
                    hash->add(piece);
            });
        },
        [] {});
    if (stamp)
        *stamp = read;
    return splitter->finish();
}

namespace {

// The pauses between tries of a replace that another program blocks for a moment: about two
// seconds in all, the first tries soon.
constexpr int kRetryPausesMs[] = {50, 100, 200, 400, 600, 700};

} // namespace

bool replaceFile(const QString& path, const std::function<bool(QIODevice&)>& fill,
                 const WriteOptions& options) {
    std::optional<platform::FileFacts> old = platform::factsOf(path);
    if (old && !old->regular)
        old.reset();
    const bool replacing = old.has_value();
    if (replacing && old->readOnly)
        return false; // a file the user marked read-only stays untouched, whoever runs the program
    bool backedUp = false;
    for (std::size_t attempt = 0;; ++attempt) {
        // On Windows a sync client or a virus scanner may hold the file for a moment, and the
        // rename would fail (or, under some systems, wait): the file stays as it is meanwhile.
        platform::Held held = replacing ? platform::heldByAnother(path) : platform::Held::No;
        if (held == platform::Held::No) {
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return false;
            if (!platform::keepOwner(file, path, old) || !fill(file))
                return false;
            if (!file.flush())
                return false;
            // A modification time just before now: a change by another program after this write
            // then always gets a later time than this file, however coarse the clock that stamps
            // files.
            platform::setModified(file, FileStamp::safelyPastNanoseconds());
            if (replacing && options.keepBackup && !std::exchange(backedUp, true))
                keepBackup(path, options.editTime);
            // commit() syncs the new file's data to the disk before it takes the name (Qt 6), so a
            // power cut never leaves the name on blocks that never reached the disk; one sync after
            // the backup's link commits both at once.
            if (file.commit()) {
                platform::syncFolder(QFileInfo(path).absolutePath()); // the rename itself made durable
                return true;
            }
            held = replacing ? platform::heldByAnother(path) : platform::Held::No; // taken meanwhile
            if (held == platform::Held::No)
                return false;
        }
        if (attempt == std::size(kRetryPausesMs))
            throw errors::heldByAnother(path, held == platform::Held::Denied);
        platform::pause(kRetryPausesMs[attempt]);
    }
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

QStringList removeUnfinishedSaves(const QString& folder, const QStringList& names) {
    QStringList removed;
    const QDir dir(folder);
    for (const QString& name : names) {
        const QStringList found =
            dir.entryList({name + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
        for (const QString& entry : found) {
            const QStringView tail = QStringView(entry).right(6);
            const bool temporary = std::all_of(tail.begin(), tail.end(), [](QChar c) {
                return c.isDigit() || (c.unicode() < 128 && c.isLetter());
            });
            const auto facts = platform::factsOf(dir.filePath(entry));
            if (temporary && facts && facts->regular && QFile::remove(dir.filePath(entry)))
                removed << entry;
        }
    }
    return removed;
}

} // namespace korvane
