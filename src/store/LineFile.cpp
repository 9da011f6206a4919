#include "LineFile.h"

#include "Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {
namespace {

// QFileInfo::isWritable() asks access(), which says yes to root whatever the mode bits are.
// A file that the user marked read-only stays untouched, whoever runs the program.
bool markedReadOnly(const QString& path) {
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &st) != 0)
        return false;
    return S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
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

} // namespace

Lines splitLines(std::string_view content) {
    Lines lines;
    std::size_t start = 0;
    const std::size_t n = content.size();
    while (start < n) {
        std::size_t end = start;
        while (end < n && content[end] != '\r' && content[end] != '\n')
            ++end;
        lines.emplace_back(content.substr(start, end - start));
        if (end < n && content[end] == '\r' && end + 1 < n && content[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

std::string readFile(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw errors::cannotOpen(path);
    std::string content(static_cast<std::size_t>(std::max<qint64>(file.size(), 0)), '\0');
    const qint64 read = file.read(content.data(), static_cast<qint64>(content.size()));
    if (read < 0 || file.error() != QFileDevice::NoError)
        throw errors::cannotOpen(path);
    content.resize(static_cast<std::size_t>(read));
    // A file that grew while it was read (or reports no size) is read to its end.
    const QByteArray rest = file.readAll();
    content.append(rest.constData(), static_cast<std::size_t>(rest.size()));
    return content;
}

Lines readLines(const QString& path) {
    return splitLines(readFile(path));
}

std::string joinLines(const Lines& lines) {
    std::size_t total = 0;
    for (const auto& line : lines)
        total += line.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool replaceFile(const QString& path, const std::function<bool(QIODevice&)>& fill) {
    if (markedReadOnly(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !fill(file))
        return false;
    // QSaveFile renames without syncing; without this a power cut could leave the new name
    // pointing at blocks that never reached the disk.
    if (!file.flush() || (::fdatasync(file.handle()) != 0 && errno != EINVAL) || !file.commit())
        return false;
    syncFolderOf(path);
    return true;
}

void writeLines(const QString& path, const Lines& lines) {
    const bool written = replaceFile(path, [&lines](QIODevice& out) {
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
        for (const auto& line : lines) {
            buffer += line;
            buffer += "\r\n";
            if (buffer.size() >= kSlice && !flush())
                return false;
        }
        return flush();
    });
    if (!written)
        throw errors::cannotCreate(path);
}

} // namespace korvane
