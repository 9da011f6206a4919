#include "Floors.h"

#include <QFile>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::bench {
namespace {

std::string readAll(const QByteArray& path) {
    std::string bytes;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return bytes;
    struct stat st {};
    ::fstat(fd, &st);
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return bytes;
}

} // namespace

void rewriteFloor(const std::vector<QString>& paths) {
    for (const QString& path : paths) {
        const QByteArray native = QFile::encodeName(path);
        const std::string bytes = readAll(native);
        const QByteArray temporary = native + ".floor";
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::fdatasync(fd);
        ::close(fd);
        ::rename(temporary.constData(), native.constData());
    }
}

std::size_t readFloor(const std::vector<QString>& paths) {
    std::size_t bytes = 0;
    for (const QString& path : paths)
        bytes += readAll(QFile::encodeName(path)).size();
    return bytes;
}

std::size_t scanFloor(const QString& path, std::string_view text) {
    const std::string bytes = readAll(QFile::encodeName(path));
    std::size_t count = 0;
    const char* at = bytes.data();
    const char* end = bytes.data() + bytes.size();
    while (at < end) {
        const void* hit = ::memmem(at, static_cast<std::size_t>(end - at), text.data(), text.size());
        if (!hit)
            break;
        ++count;
        at = static_cast<const char*>(hit) + text.size();
    }
    return count;
}

} // namespace korvane::bench
