#include "ProfileFile.h"

#include "store/Errors.h"
#include "store/FileStamp.h"
#include "store/LineFile.h"

#include <QFile>
#include <algorithm>
#include <vector>

namespace korvane {
namespace {

struct RawLine {
    std::string_view text; // without its line end
    std::string_view end;  // "\r\n", "\n", "\r" or "" for a last line without one
};

std::vector<RawLine> rawLines(std::string_view content) {
    std::vector<RawLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({content.substr(start), {}});
            break;
        }
        const std::size_t endLength = content.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({content.substr(start, end - start), content.substr(end, endLength)});
        start = end + endLength;
    }
    return lines;
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

// The section's name when the line opens one.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

bool isKeyLine(std::string_view line, std::string_view key) {
    const std::string_view t = trimmed(line);
    if (t.empty() || t.front() == ';')
        return false;
    const std::size_t equals = t.find('=');
    return equals != std::string_view::npos && sameName(trimmed(t.substr(0, equals)), key);
}

struct Place {
    std::optional<std::size_t> section; // the line opening the section
    std::optional<std::size_t> key;     // the key's line in it
    std::size_t lastInSection = 0;      // the last non-blank line of the section
};

Place find(const std::vector<RawLine>& lines, std::string_view section, std::string_view key) {
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i].text)) {
            if (place.section)
                break; // the section ended
            if (sameName(*name, section)) {
                place.section = i;
                place.lastInSection = i;
            }
            continue;
        }
        if (!place.section)
            continue;
        if (!trimmed(lines[i].text).empty())
            place.lastInSection = i;
        if (!place.key && isKeyLine(lines[i].text, key))
            place.key = i;
    }
    return place;
}

} // namespace

std::optional<std::string> readProfileFile(const QString& path) {
    QFile file(path);
    if (openRegular(file) != Opened::Yes)
        return std::nullopt;
    return file.readAll().toStdString();
}

std::optional<std::string> readProfileString(const QString& path, std::string_view section,
                                             std::string_view key) {
    const auto content = readProfileFile(path);
    return content ? profileString(*content, section, key) : std::nullopt;
}

std::optional<std::string> profileString(std::string_view content, std::string_view section,
                                         std::string_view key) {
    const auto lines = rawLines(content);
    const Place place = find(lines, section, key);
    if (!place.key)
        return std::nullopt;
    const std::string_view line = trimmed(lines[*place.key].text);
    std::string_view value = trimmed(line.substr(line.find('=') + 1));
    if (value.size() >= 2 &&
        ((value.front() == '"' && value.back() == '"') || (value.front() == '\'' && value.back() == '\'')))
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, kMaxProfileValue));
}

std::string withProfileString(std::string_view content, std::string_view section, std::string_view key,
                              std::string_view value) {
    const auto lines = rawLines(content);
    const Place place = find(lines, section, key);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    std::string out;
    out.reserve(content.size() + keyLine.size() + section.size() + 8);
    const auto append = [&out](const RawLine& line) { out.append(line.text).append(line.end); };
    if (!place.section) {
        for (const RawLine& line : lines)
            append(line);
        if (!lines.empty() && lines.back().end.empty())
            out += "\r\n";
        out.append("[").append(section).append("]\r\n").append(keyLine).append("\r\n");
        return out;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (place.key && i == *place.key) {
            out.append(keyLine).append(lines[i].end.empty() ? "" : lines[i].end);
            continue;
        }
        append(lines[i]);
        if (!place.key && i == place.lastInSection) {
            if (lines[i].end.empty())
                out += "\r\n";
            out.append(keyLine).append("\r\n");
        }
    }
    return out;
}

void writeProfileString(const QString& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    writeProfileStrings(path, section, {{std::string(key), std::string(value)}});
}

void writeProfileStrings(const QString& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values) {
    std::optional<std::string> content;
    if (QFile::exists(path) && !(content = readProfileFile(path)))
        throw errors::cannotWrite(path);
    std::string updated = content.value_or(std::string());
    for (const auto& [key, value] : values)
        updated = withProfileString(updated, section, key, value);
    const bool written = replaceFile(path, [&updated](QIODevice& out) {
        return out.write(updated.data(), static_cast<qint64>(updated.size())) ==
               static_cast<qint64>(updated.size());
    });
    if (!written)
        throw errors::cannotWrite(path);
}

} // namespace korvane
