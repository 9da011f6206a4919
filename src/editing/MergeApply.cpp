#include "MergeVersions.h"

#include "store/Backups.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/UiText.h"

#include <QDir>

namespace korvane {
namespace {

using merge::Key;
using Rule = MergeDifference::Rule;

enum class Take { ThisPc, Other, EitherFlag, BothTexts };

Take takeOf(const MergeDifference& d) {
    switch (d.rule) {
    case Rule::OnlyOther:
    case Rule::QuestOnlyOther:
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

ListChange changeOf(StoredList& list, std::map<std::size_t, LineRange>& ranges, bool keepsOrder) {
    ListChange change;
    change.list = &list;
    change.keepsOrder = keepsOrder;
    for (auto& [first, range] : ranges)
        change.ranges.push_back(std::move(range));
    return change;
}

// The table: a quest's line is the file's as it is, the copy's byte for byte, or, where the merge
// mixes the two, the merged fields written as an edit writes them.
ListChange tableChange(QuestTable& table, const MergePlan& plan) {
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
            for (int field = kNation; field <= kRepeatable; ++field)
                record[static_cast<std::size_t>(field)] = v.file.units.at({d.number, field});
        }
        std::string& value = record[static_cast<std::size_t>(d.field)];
        if (take == Take::EitherFlag)
            value = d.thisPc == "1" || d.other == "1" ? "1" : d.thisPc;
        else
            value = fromCopy(take, plan.copyIsThisPcs) ? v.copy.units.at({d.number, d.field})
                                                       : v.file.units.at({d.number, d.field});
    }
    std::map<std::size_t, LineRange> ranges;
    const auto copyRecordIs = [&](const QuestRecord& record) {
        for (int field = kNation; field <= kRepeatable; ++field)
            if (v.copy.units.at({record[kNumber], field}) != record[static_cast<std::size_t>(field)])
                return false;
        return true;
    };
    // A quest the file lacks goes before the first line of a higher number: in its place in a
    // table in order of number, and before that line's own change.
    std::size_t at = 0;
    const Lines& lines = table.lines().lines();
    for (const std::string& number : added) { // ascending, as the plan lists them
        while (at < lines.size() && !(number < lines[at].substr(0, 4)))
            ++at;
        addRange(ranges, at, 0, {v.copyLines[v.copy.places.at(number).first]});
    }
    for (const auto& [number, record] : merged) {
        const std::size_t line = v.file.places.at(number).first;
        addRange(ranges, line, 1,
                 {copyRecordIs(record) ? v.copyLines[v.copy.places.at(number).first]
                                       : joinCommaText(toFields(record))});
    }
    return changeOf(table, ranges, false);
}

// A store: a quest's text is the file's, the copy's lines byte for byte, or both memos, written
// as an edit writes them.
ListChange storeChange(TextStore& store, const MergePlan& plan) {
    const MergePlan::Versions& v = *plan.versions;
    std::map<std::size_t, LineRange> ranges;
    for (const MergeDifference& d : plan.differences) {
        const Take take = takeOf(d);
        if (take != Take::BothTexts && !fromCopy(take, plan.copyIsThisPcs))
            continue; // the file holds it already
        Lines lines;
        if (take == Take::BothTexts) {
            std::vector<std::string> texts;
            const std::string separator =
                fromUiLossy(QStringLiteral("――― 競合コピー（%1）の内容 ―――")
                                .arg(plan.copy.made.toString(QStringLiteral("yyyy/MM/dd HH:mm"))));
            for (const std::string* text : {&d.thisPc, &separator, &d.other})
                for (std::size_t start = 0; start < text->size();) {
                    const std::size_t end = std::min(text->find('\n', start), text->size());
                    appendStoredText(std::string_view(*text).substr(start, end - start), texts);
                    start = end + 1;
                }
            for (std::size_t i = 0; i < texts.size(); ++i)
                lines.push_back(storedLine(d.number, i, texts[i]));
        } else if (const auto it = v.copy.places.find(d.number); it != v.copy.places.end()) {
            lines.assign(v.copyLines.begin() + static_cast<std::ptrdiff_t>(it->second.first),
                         v.copyLines.begin() +
                             static_cast<std::ptrdiff_t>(it->second.first + it->second.second));
        }
        const auto [first, count] = store.range(d.number);
        addRange(ranges, first, count, std::move(lines));
    }
    return changeOf(store, ranges, true);
}

} // namespace

void applyMerge(const QuestData& files, const MergePlan& plan, EditStep* step) {
    std::vector<ListChange> changes;
    if (plan.versions->table)
        changes.push_back(tableChange(files.table, plan));
    else
        changes.push_back(storeChange(plan.copy.dataFile == files::kContent  ? files.content
                                      : plan.copy.dataFile == files::kReward ? files.reward
                                                                             : files.memo,
                                      plan));
    EditStep made = commit(changes);
    // The copy's bytes stay, in the backup folder, where it is offered no more.
    try {
        made.moves.push_back({plan.copy.path, moveAside(plan.copy.path)});
    } catch (const KorvaneError& error) {
        if (step)
            *step = std::move(made);
        throw KorvaneError(QStringLiteral("統合しましたが、%1").arg(error.message()));
    }
    if (step)
        *step = std::move(made);
}

} // namespace korvane
