#include "MergeVersions.h"

#include "store/Backups.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/UiText.h"

#include <QDir>
#include <algorithm>

namespace korvane {
namespace {

using merge::Key;
using Rule = MergeDifference::Rule;

enum class Take { ThisPc, Other, EitherFlag, BothTexts };

Take takeOf(const MergeDifference& d) {
    switch (d.rule) {
    case Rule::OnlyOther:
    case Rule::QuestOnlyOther:
    case Rule::TextOnlyOther:
    case Rule::TextExtended:
        return Take::Other;
    case Rule::FlagSet:
        return Take::EitherFlag;
    case Rule::BothMemos:
        return Take::BothTexts;
    case Rule::KeepThisPc:
        return d.takeOther ? Take::Other : Take::ThisPc;
    case Rule::OnlyThisPc:
    case Rule::QuestOnlyThisPc:
        break;
    }
    return Take::ThisPc;
}

// Whether the side taken is the copy's.
bool fromCopy(Take take, bool copyIsThisPcs) {
    return (take == Take::Other) != copyIsThisPcs;
}

// Lines [first, first + count) of the list give way to lines; joined with an insertion at the same place.
void addRange(std::map<std::size_t, LineRange>& ranges, std::size_t first, std::size_t count, Lines lines) {
    LineRange& range = ranges.try_emplace(first, LineRange{first, 0, {}}).first->second;
    range.count += count;
    for (std::string& line : lines)
        range.insert.push_back(std::move(line));
}

std::vector<LineRange> inOrder(std::map<std::size_t, LineRange>& ranges) {
    std::vector<LineRange> out;
    for (auto& [first, range] : ranges)
        out.push_back(std::move(range));
    return out;
}

// The table: a quest's line is the file's as it is, the copy's byte for byte, or, where the merge
// mixes the two, the merged fields written as an edit writes them.
std::vector<LineRange> tableRanges(const Lines& lines, const MergePlan& plan) {
    const MergePlan::Versions& v = *plan.versions;
    std::map<std::string, QuestRecord> merged;
    std::vector<std::string> added;
    for (const MergeDifference& d : plan.differences) {
        const Take take = takeOf(d);
        if (d.rule == Rule::QuestOnlyOther || d.rule == Rule::QuestOnlyThisPc) {
            added.push_back(d.number);
            continue;
        }
        QuestRecord& record = merged.try_emplace(d.number).first->second;
        if (record[kNumber].empty()) {
            record[kNumber] = d.number;
            for (const QuestField field : kValueFields)
                record[static_cast<std::size_t>(field)] = v.file->units.at({d.number, field});
        }
        std::string& value = record[static_cast<std::size_t>(d.field)];
        if (take == Take::EitherFlag)
            value = d.thisPc == "1" || d.other == "1" ? "1" : d.thisPc;
        else
            value = fromCopy(take, plan.copyIsThisPcs) ? v.copy.units.at({d.number, d.field})
                                                       : v.file->units.at({d.number, d.field});
    }
    std::map<std::size_t, LineRange> ranges;
    const auto copyRecordIs = [&](const QuestRecord& record) {
        for (const QuestField field : kValueFields)
            if (v.copy.units.at({record[kNumber], field}) != record[static_cast<std::size_t>(field)])
                return false;
        return true;
    };
    // A quest the file lacks goes before the first line of a higher number: in its place in a
    // table in order of number, and before that line's own change.
    std::size_t at = 0;
    for (const std::string& number : added) { // ascending, as the plan lists them
        while (at < lines.size() && !(number < lines[at].substr(0, 4)))
            ++at;
        addRange(ranges, at, 0, {v.copyLines[v.copy.places.at(number).first]});
    }
    for (const auto& [number, record] : merged) {
        const std::size_t line = v.file->places.at(number).first;
        addRange(ranges, line, 1,
                 {copyRecordIs(record) ? v.copyLines[v.copy.places.at(number).first]
                                       : joinCommaText(toFields(record))});
    }
    return inOrder(ranges);
}

// Index of the line after a quest's last stored line.
std::size_t indexAfter(const std::string& line, std::size_t count) {
    const std::string_view index = std::string_view(line).substr(std::min<std::size_t>(4, line.size()), 3);
    if (index.size() < 3 ||
        !std::all_of(index.begin(), index.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return count;
    return std::max<std::size_t>(count, static_cast<std::size_t>(std::stoi(std::string(index))) + 1);
}

// Both memos: this PC's lines as they stand, then a line naming the copy and the other's texts,
// numbered on after this PC's last line.
Lines bothTexts(const LineList& store, const MergePlan& plan, const MergeDifference& d) {
    const MergePlan::Versions& v = *plan.versions;
    const Lines& mine = plan.copyIsThisPcs ? v.copyLines : store.lines();
    const auto [first, count] = (plan.copyIsThisPcs ? v.copy.places : v.file->places).at(d.number);
    Lines lines(mine.begin() + static_cast<std::ptrdiff_t>(first),
                mine.begin() + static_cast<std::ptrdiff_t>(first + count));
    std::vector<std::string> texts;
    const std::string separator =
        fromUiLossy(QStringLiteral("――― 競合コピー（%1）の内容 ―――")
                        .arg(plan.copy.made.toString(QStringLiteral("yyyy/MM/dd HH:mm"))));
    for (const std::string* text : {&separator, &d.other})
        for (std::size_t start = 0; start < text->size();) {
            const std::size_t end = std::min(text->find('\n', start), text->size());
            appendStoredText(std::string_view(*text).substr(start, end - start), texts);
            start = end + 1;
        }
    std::size_t next = indexAfter(lines.back(), count);
    if (next + texts.size() > 1000) { // no room after this PC's numbers: both texts numbered anew
        std::vector<std::string> all;
        for (const std::string& line : lines)
            all.push_back(line.size() > 7 ? line.substr(7) : std::string());
        all.insert(all.end(), texts.begin(), texts.end());
        texts = std::move(all);
        lines.clear();
        next = 0;
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        lines.push_back(storedLine(d.number, next + i, texts[i]));
    return lines;
}

// A store: a quest's text is the file's, the copy's lines byte for byte, or both memos, written
// as an edit writes them.
std::vector<LineRange> storeRanges(const LineList& store, const MergePlan& plan) {
    const MergePlan::Versions& v = *plan.versions;
    std::map<std::size_t, LineRange> ranges;
    for (const MergeDifference& d : plan.differences) {
        const Take take = takeOf(d);
        if (take != Take::BothTexts && !fromCopy(take, plan.copyIsThisPcs))
            continue; // the file holds it already
        Lines lines;
        if (take == Take::BothTexts) {
            lines = bothTexts(store, plan, d);
        } else if (const auto it = v.copy.places.find(d.number); it != v.copy.places.end()) {
            lines.assign(v.copyLines.begin() + static_cast<std::ptrdiff_t>(it->second.first),
                         v.copyLines.begin() +
                             static_cast<std::ptrdiff_t>(it->second.first + it->second.second));
        }
        const std::size_t first = store.lowerBound(d.number);
        std::size_t count = 0;
        while (first + count < store.size() && hasQuestKey(store.lines()[first + count], d.number))
            ++count;
        addRange(ranges, first, count, std::move(lines));
    }
    return inOrder(ranges);
}

} // namespace

std::vector<LineRange> mergeRanges(const LineList& file, const MergePlan& plan) {
    if (plan.notACopy)
        return {};
    return plan.versions->table ? tableRanges(file.lines(), plan) : storeRanges(file, plan);
}

std::vector<std::string> mergedQuests(const MergePlan& plan) {
    std::vector<std::string> quests;
    for (const MergeDifference& d : plan.differences)
        if (quests.empty() || quests.back() != d.number)
            quests.push_back(d.number);
    return quests;
}

void applyMerges(const QuestData& files, const std::vector<const MergePlan*>& plans, EditStep* step) {
    if (plans.empty())
        return;
    const MergePlan& first = *plans.front();
    StoredList& list = first.versions->table                    ? static_cast<StoredList&>(files.table)
                       : first.copy.dataFile == files::kContent ? files.content
                       : first.copy.dataFile == files::kReward  ? files.reward
                                                                : files.memo;
    // The copies' quests differ, so their ranges meet only where a quest one adds goes before a line
    // another changes: the lines there stand in order of quest, as one copy's would.
    std::map<std::size_t, LineRange> ranges;
    for (const MergePlan* plan : plans)
        for (LineRange& range : mergeRanges(list.lines(), *plan))
            addRange(ranges, range.first, range.count, std::move(range.insert));
    std::vector<ListChange> changes(1);
    changes[0].list = &list;
    changes[0].keepsOrder = !first.versions->table;
    changes[0].ranges = inOrder(ranges);
    for (LineRange& range : changes[0].ranges)
        std::stable_sort(range.insert.begin(), range.insert.end(),
                         [](const std::string& a, const std::string& b) {
                             return std::string_view(a).substr(0, 4) < std::string_view(b).substr(0, 4);
                         });
    EditStep made = changes[0].ranges.empty() ? EditStep{} : commit(changes);
    // The copies' bytes stay, in the backup folder, where they are offered no more.
    try {
        for (const MergePlan* plan : plans)
            made.moves.push_back({plan->copy.path, moveAside(plan->copy.path)});
    } catch (const KorvaneError& error) {
        if (step)
            *step = std::move(made);
        throw KorvaneError(QStringLiteral("統合しましたが、%1").arg(error.message()));
    }
    if (step)
        *step = std::move(made);
}

void applyMerge(const QuestData& files, const MergePlan& plan, EditStep* step) {
    applyMerges(files, {&plan}, step);
}

} // namespace korvane
