#pragma once
// A small reader and writer of initialisation files over their raw lines, keeping the promises
// of the system's profile routines: section and key names match case-insensitively; every other
// section, key, comment, blank line and line end is left byte for byte; the file, the section or
// the key is created when missing.

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvane {

constexpr std::size_t kMaxProfileValue = 2047;

// The file's content; nothing when it cannot be read.
std::optional<std::string> readProfileFile(const QString& path);

// The value of key in section, at most 2,047 bytes; nothing when the file, section or key is missing.
std::optional<std::string> readProfileString(const QString& path, std::string_view section,
                                             std::string_view key);

// Throws "%s に書き込めません" when the file cannot be written; it then keeps its content.
void writeProfileString(const QString& path, std::string_view section, std::string_view key,
                        std::string_view value);

// Several keys of one section in one write.
void writeProfileStrings(const QString& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values);

// The same two, over a file's content.
std::optional<std::string> profileString(std::string_view content, std::string_view section,
                                         std::string_view key);
std::string withProfileString(std::string_view content, std::string_view section, std::string_view key,
                              std::string_view value);

} // namespace korvane
