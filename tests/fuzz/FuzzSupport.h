#pragma once
// Shared by the fuzz targets: a property that fails aborts, so the fuzzer keeps the input.

#include "store/SjisChars.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_REQUIRE(condition)                                                                              \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);           \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace korvane::fuzz {

// Every lead byte has its second byte: text as the program itself stores it.
inline bool wellFormed(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size(); ++pos)
        if (sjis::isLeadByte(static_cast<unsigned char>(s[pos])) && ++pos >= s.size())
            return false;
    return true;
}

// The input as a file, for the loaders that read files.
inline QString asFile(const uint8_t* data, size_t size, const char* name) {
    static const QString folder = [] {
        const QString path = QDir::tempPath() + QStringLiteral("/korvane-fuzz-%1").arg(::getpid());
        QDir().mkpath(path);
        return path;
    }();
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return path;
}

} // namespace korvane::fuzz
