#include "QuestTable.h"

#include "Errors.h"
#include "Numbers.h"
#include "SjisChars.h"

#include <cstdio>

namespace korvane {

QString columnTitle(QuestField field) {
    return QString::fromUtf16(kQuestFields[field].title);
}

QString fieldCaption(QuestField field) {
    return QString::fromUtf16(kQuestFields[field].caption);
}

namespace {

constexpr std::size_t kMaxLinesPerQuest = 257;

} // namespace

QuestRecord splitQuestRecord(std::string_view line) {
    QuestRecord record;
    std::size_t next = 0;
    forEachField(line, [&](std::string&& field) {
        if (next < record.size())
            record[next++] = std::move(field);
    });
    return record;
}

Fields toFields(const QuestRecord& record) {
    return Fields(record.begin(), record.end());
}

std::string fieldOf(std::string_view line, QuestField field) {
    Fields found = fieldsFrom(line, static_cast<std::size_t>(field), 1);
    return found.empty() ? std::string() : std::move(found.front());
}

std::string formatQuestNumber(int number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", number);
    return buffer;
}

std::string removeSpaces(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t len = sjis::charLength(line, pos);
        const std::string_view ch = line.substr(pos, len);
        if (ch != " " && ch != "\x81\x40")
            out.append(ch);
        pos += len;
    }
    return out;
}

bool QuestTable::load() {
    maxQuestNo_ = 0;
    goodLines_ = 0;
    const bool existed = read();
    shapes_.clear();
    shapes_.reserve(lines().size());
    std::vector<std::string_view> plain;
    Fields quoted;
    try {
        for (std::size_t i = 0; i < lines().size(); ++i) {
            // Most lines hold no space: they are not copied to be cleaned.
            const std::string_view read = lines()[i];
            if (read.find(' ') != std::string_view::npos || read.find("\x81\x40") != std::string_view::npos) {
                std::string cleaned = removeSpaces(read);
                if (cleaned.size() != read.size()) {
                    lines().set(i, std::move(cleaned));
                    markFileDiffers();
                }
            }
            const std::string& line = lines()[i];
            std::string_view first;
            if (splitPlainFields(line, plain)) {
                shapes_.push_back(QuestShape::of(plain));
                first = plain.front();
            } else {
                quoted = splitCommaText(line);
                shapes_.push_back(QuestShape::of(quoted));
                first = quoted.empty() ? std::string_view() : std::string_view(quoted.front());
            }
            goodLines_ = i + 1;
            if (shapes_.back().fields == 0)
                throw errors::indexOutOfRange(0);
            const auto number = parseInteger(first);
            if (!number)
                throw errors::notInteger(first);
            maxQuestNo_ = std::max(maxQuestNo_, *number);
        }
    } catch (const KorvaneError&) {
        // The lines after the one that stopped the load stay as read; they have shapes all the same.
        for (std::size_t i = shapes_.size(); i < lines().size(); ++i)
            shapes_.push_back(QuestShape::of(lines()[i]));
        throw;
    }
    markLoaded();
    return existed;
}

bool QuestTable::load(std::vector<QuestRecord>& rows) {
    const auto fill = [&] {
        rows.clear();
        rows.reserve(goodLines_);
        for (std::size_t i = 0; i < goodLines_; ++i)
            rows.push_back(splitQuestRecord(lines()[i]));
    };
    try {
        const bool existed = load();
        fill();
        return existed;
    } catch (const KorvaneError&) {
        fill();
        throw;
    }
}

void QuestTable::take(std::vector<LineRange>& ranges, bool keepsOrder) {
    std::vector<QuestShape> shapes;
    shapes.reserve(shapes_.size() + 1);
    std::size_t done = 0;
    for (const LineRange& range : ranges) {
        shapes.insert(shapes.end(), shapes_.begin() + static_cast<std::ptrdiff_t>(done),
                      shapes_.begin() + static_cast<std::ptrdiff_t>(range.first));
        for (const std::string& line : range.insert)
            shapes.push_back(QuestShape::of(line));
        done = range.first + range.count;
    }
    shapes.insert(shapes.end(), shapes_.begin() + static_cast<std::ptrdiff_t>(done), shapes_.end());
    shapes_ = std::move(shapes);
    StoredList::take(ranges, keepsOrder);
}

namespace {
template <class Range> QuestShape shapeOf(const Range& fields) {
    QuestShape shape;
    shape.fields = static_cast<std::uint8_t>(std::min<std::size_t>(fields.size(), 15));
    if (!fields.empty())
        shape.number = fourDigitNumber(fields[kNumber]);
    for (const QuestField flag : kFlagFields)
        if (const auto at = static_cast<std::size_t>(flag);
            at < fields.size() && (fields[at] == std::string_view("1") || fields[at] == std::string_view("0")))
            shape.flags[flagSlot(flag)] = fields[at][0];
    return shape;
}
} // namespace

QuestShape QuestShape::of(const Fields& fields) {
    return shapeOf(fields);
}

QuestShape QuestShape::of(const std::vector<std::string_view>& fields) {
    return shapeOf(fields);
}

QuestShape QuestShape::of(std::string_view line) {
    return of(fieldsFrom(line, 0, kQuestFieldCount + 1));
}

std::string_view QuestShape::flag(QuestField field) const {
    if (!has(field))
        throw errors::indexOutOfRange(field);
    return {&flags[flagSlot(field)], 1};
}

QuestRecord QuestTable::recordOf(std::string_view number) const {
    const std::optional<std::size_t> line = find(number);
    return line ? splitQuestRecord(lines()[*line]) : QuestRecord{};
}

std::optional<std::size_t> QuestTable::find(std::string_view number, std::size_t from) const {
    if (number.size() != 4)
        return std::nullopt;
    std::size_t index = 0;
    if (lines().isSorted()) {
        index = lines().lowerBound(number, from);
    } else {
        // A table read out of order: the binary search would be meaningless, so look line by line.
        while (index < lines().size() && !hasQuestKey(lines()[index], number))
            ++index;
    }
    if (index < lines().size() && hasQuestKey(lines()[index], number))
        return index;
    return std::nullopt;
}

ListChange QuestTable::fieldChange(std::size_t index, std::size_t field, const std::string& value) {
    Fields fields = splitCommaText(lines()[index]);
    if (field >= fields.size())
        throw errors::indexOutOfRange(static_cast<long long>(field));
    fields[field] = value;
    return {this, index, 1, {joinCommaText(fields)}, false};
}

ListChange QuestTable::lineChange(std::size_t index, const QuestRecord& record) {
    return {this, index, 1, {joinCommaText(toFields(record))}, false};
}

ListChange QuestTable::sortedWhole(std::size_t first, std::size_t count, Lines insert) {
    LineList whole(lines().collation());
    Lines all;
    all.reserve(lines().size() - count + insert.size());
    all.insert(all.end(), lines().lines().begin(),
               lines().lines().begin() + static_cast<std::ptrdiff_t>(first));
    std::move(insert.begin(), insert.end(), std::back_inserter(all));
    all.insert(all.end(), lines().lines().begin() + static_cast<std::ptrdiff_t>(first + count),
               lines().lines().end());
    whole.assign(std::move(all));
    whole.sort();
    return {this, 0, lines().size(), std::move(whole).release(), true};
}

ListChange QuestTable::addChange(const QuestRecord& record) {
    std::string line = joinCommaText(toFields(record));
    if (!lines().isSorted())
        return sortedWhole(lines().size(), 0, {std::move(line)});
    const std::size_t at = lines().upperBound(line);
    return {this, at, 0, {std::move(line)}, true};
}

ListChange QuestTable::deleteChange(std::string_view number) {
    std::size_t first = 0, count = 0;
    if (const auto index = find(number)) {
        first = *index;
        while (count < kMaxLinesPerQuest && first + count < lines().size() &&
               hasQuestKey(lines()[first + count], number))
            ++count;
    }
    if (!lines().isSorted())
        return sortedWhole(first, count, {});
    return {this, first, count, {}, true};
}

} // namespace korvane
