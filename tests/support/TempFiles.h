#pragma once
// Test helpers for files: a scratch folder per test, whole-file bytes in and out.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <ostream>
#include <string>
#include <vector>

// GoogleTest shows a QString as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace korvane::test {

inline void writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(path));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    const QByteArray all = file.readAll();
    return std::string(all.constData(), static_cast<std::size_t>(all.size()));
}

// Lines joined with CR LF after each, as the program writes them.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

// Marks a file read-only for everyone, or writable again by its owner, as the system does it (the
// mode bits; on Windows the read-only attribute).
inline void markReadOnly(const QString& path, bool readOnly = true) {
    const QFile::Permissions read = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(path, readOnly ? read : read | QFile::WriteOwner | QFile::WriteUser);
}

// Names of the entries of a folder, to prove that nothing else was created.
inline QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace korvane::test
