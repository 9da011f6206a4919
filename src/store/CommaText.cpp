#include "CommaText.h"

#include "SjisChars.h"

#include <algorithm>
#include <cstdint>

namespace korvane {
namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::size_t skipBlanks(std::string_view s, std::size_t pos) {
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    return pos;
}

// A quoted field from the opening quote at pos; pos ends behind the closing quote, or at the end
// of the line when the quote is never closed. The value goes to value unless that is null.
void readQuoted(std::string_view s, std::size_t& pos, std::string* value) {
    ++pos;
    while (pos < s.size()) {
        if (s[pos] == kQuote) {
            if (pos + 1 < s.size() && s[pos + 1] == kQuote) {
                if (value)
                    *value += kQuote;
                pos += 2;
                continue;
            }
            ++pos;
            return;
        }
        const std::size_t len = sjis::charLength(s, pos);
        if (value)
            value->append(s.substr(pos, len));
        pos += len;
    }
}

void readPlain(std::string_view s, std::size_t& pos, std::string* value) {
    const std::size_t start = pos;
    while (pos < s.size() && !isBlank(s[pos]) && s[pos] != kComma)
        pos += sjis::charLength(s, pos);
    if (value)
        value->assign(s.substr(start, pos - start));
}

// The one reading of comma text: fields from 0 on, each handed to take when keep(index) says so
// and otherwise stepped over without a copy; reading stops at index limit.
template <class Keep, class Take>
void readFields(std::string_view line, std::size_t limit, const Keep& keep, const Take& take) {
    std::size_t pos = skipBlanks(line, 0);
    for (std::size_t index = 0; pos < line.size() && index < limit; ++index) {
        std::string value;
        std::string* into = keep(index) ? &value : nullptr;
        if (line[pos] == kQuote)
            readQuoted(line, pos, into);
        else
            readPlain(line, pos, into);
        if (into)
            take(std::move(value));
        pos = skipBlanks(line, pos);
        if (pos < line.size() && line[pos] == kComma) {
            if (pos + 1 == line.size() && index + 1 < limit && keep(index + 1))
                take(std::string()); // a comma at the very end gives a last, empty field
            pos = skipBlanks(line, pos + 1);
        }
    }
}

bool needsQuotes(std::string_view field) {
    for (std::size_t pos = 0; pos < field.size(); pos += sjis::charLength(field, pos)) {
        const char c = field[pos];
        if (isBlank(c) || c == kQuote || c == kComma)
            return true;
    }
    return false;
}

void appendQuoted(std::string& out, std::string_view field) {
    out += kQuote;
    for (std::size_t pos = 0; pos < field.size();) {
        const std::size_t len = sjis::charLength(field, pos);
        if (len == 1 && field[pos] == kQuote)
            out += kQuote;
        out.append(field.substr(pos, len));
        pos += len;
    }
    out += kQuote;
}

} // namespace

void forEachField(std::string_view line, const std::function<void(std::string&&)>& take) {
    readFields(
        line, SIZE_MAX, [](std::size_t) { return true; }, take);
}

Fields fieldsFrom(std::string_view line, std::size_t first, std::size_t count) {
    Fields fields;
    readFields(
        line, first + count, [first](std::size_t index) { return index >= first; },
        [&fields](std::string&& field) { fields.push_back(std::move(field)); });
    return fields;
}

bool splitPlainFields(std::string_view line, std::vector<std::string_view>& fields) {
    if (line.empty() || std::any_of(line.begin(), line.end(),
                                    [](char c) { return c == '"' || static_cast<unsigned char>(c) <= 0x20; }))
        return false;
    fields.clear();
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return true;
        start = comma + 1;
    }
}

Fields splitCommaText(std::string_view line) {
    Fields fields;
    forEachField(line, [&fields](std::string&& field) { fields.push_back(std::move(field)); });
    return fields;
}

std::string joinCommaText(const Fields& fields) {
    // A lone empty field is written as "" so that it reads back as one field, not as none.
    if (fields.size() == 1 && fields.front().empty())
        return std::string(2, kQuote);
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += kComma;
        if (needsQuotes(fields[i]))
            appendQuoted(out, fields[i]);
        else
            out += fields[i];
    }
    return out;
}

} // namespace korvane
