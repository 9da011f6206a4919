#include "MergeVersions.h"

#include "platform/Platform.h"
#include "store/Backups.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/LineFile.h"
#include "sync/KnownVersions.h"

#include <QDir>
#include <QFileInfo>
#include <set>

namespace korvane {
namespace {

using merge::Key;
using merge::Side;
using merge::Units;
using Rule = MergeDifference::Rule;

bool isQuestNumber(std::string_view number) {
    return number.size() == 4 &&
           std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           number != "0000";
}

// A table's quests as a load reads them (the line cleaned of spaces), the first line of a number
// only. leftOut, when given, receives the lines that are no quest's.
Side tableSide(const Lines& lines, std::vector<LeftOutLine>* leftOut) {
    Side side;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QuestRecord record = splitQuestRecord(removeSpaces(lines[i]));
        const std::string& number = record[kNumber];
        const bool quest = isQuestNumber(number);
        if (!quest || side.places.contains(number)) {
            if (leftOut)
                leftOut->push_back(
                    {lines[i], quest ? QStringLiteral("同じ番号の二行目です")
                                     : QStringLiteral("クエスト番号（0001～9999）がありません")});
            continue;
        }
        side.places[number] = {i, 1};
        for (const QuestField field : kValueFields)
            side.units[{number, field}] = record[static_cast<std::size_t>(field)];
    }
    return side;
}

// A store's texts by quest: each stored line's text followed by a line end.
Side storeSide(const Lines& lines, std::vector<LeftOutLine>* leftOut) {
    Side side;
    for (std::size_t i = 0; i < lines.size();) {
        const std::string number = lines[i].substr(0, 4);
        if (!isQuestNumber(number)) {
            if (leftOut)
                leftOut->push_back({lines[i], QStringLiteral("クエスト番号（0001～9999）がありません")});
            ++i;
            continue;
        }
        std::size_t end = i;
        std::string text;
        for (; end < lines.size() && lines[end].starts_with(number); ++end)
            text.append(std::string_view(lines[end]).substr(std::min<std::size_t>(7, lines[end].size()))) +=
                '\n';
        side.places[number] = {i, end - i};
        side.units[{number, kWholeText}] = std::move(text);
        i = end;
    }
    return side;
}

Side sideOf(const Lines& lines, bool table, std::vector<LeftOutLine>* leftOut = nullptr) {
    return table ? tableSide(lines, leftOut) : storeSide(lines, leftOut);
}

const std::string* find(const Units& units, const Key& key) {
    const auto it = units.find(key);
    return it == units.end() ? nullptr : &it->second;
}

// A text one side does not have is an empty text; a table's quest one side does not have is none.
std::optional<std::string> valueOf(const Units& units, const Key& key, bool table) {
    if (const std::string* value = find(units, key))
        return *value;
    return table ? std::nullopt : std::optional<std::string>(std::string());
}

// How many of the differences between the two sides the version explains: it equals one of them.
int explained(const Units& mine, const Units& other, const Units& version, bool table) {
    std::map<Key, int> keys;
    for (const auto& unit : mine)
        keys[unit.first];
    for (const auto& unit : other)
        keys[unit.first];
    int count = 0;
    for (const auto& [key, unused] : keys) {
        const auto a = valueOf(mine, key, table), b = valueOf(other, key, table),
                   old = valueOf(version, key, table);
        if (a && b && old && *a != *b && (*old == *a || *old == *b))
            ++count;
    }
    return count;
}

// How far the version is from a side: the units in which they differ.
std::size_t distance(const Units& side, const Units& version, bool table) {
    std::size_t count = 0;
    for (const auto& [key, value] : side)
        if (valueOf(version, key, table) != value)
            ++count;
    for (const auto& [key, value] : version)
        if (!find(side, key) && valueOf(side, key, table) != value)
            ++count;
    return count;
}

// The copy's lines; a file found in its place since it was checked is checked again, after the read
// so that what was read is what was checked.
// A store's copy in the order a load sorts it in.
Lines sortedCopy(Lines lines, bool table) {
    if (table)
        return lines;
    LineList sorted;
    sorted.assign(std::move(lines));
    if (!sorted.isSorted())
        sorted.sort();
    return std::move(sorted).release();
}

// Whether the other's stored lines of a quest begin with this PC's, byte for byte.
bool startsWithLines(const Lines& mine, std::pair<std::size_t, std::size_t> minePlace, const Lines& other,
                     std::pair<std::size_t, std::size_t> otherPlace) {
    return minePlace.second <= otherPlace.second &&
           std::equal(mine.begin() + static_cast<std::ptrdiff_t>(minePlace.first),
                      mine.begin() + static_cast<std::ptrdiff_t>(minePlace.first + minePlace.second),
                      other.begin() + static_cast<std::ptrdiff_t>(otherPlace.first));
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// The common earlier version, named in base: of the versions that tell a difference apart, the one
// nearest the other side (where it parted from this PC's history), the newest of those as near.
// The one that merely explains the most would, after an earlier merge, take this PC's own last
// version and read this PC's changes as the other's undoing them. None fits: base stays empty.
Units commonVersion(const Units& mine, const Units& other, const EarlierVersion& nextEarlier, bool table,
                    QString& base) {
    Units common;
    std::size_t nearest = 0;
    QString name;
    Lines lines;
    while (nextEarlier(name, lines)) {
        Units candidate = sideOf(lines, table).units;
        if (explained(mine, other, candidate, table) == 0)
            continue;
        if (const std::size_t far = distance(other, candidate, table); base.isEmpty() || far < nearest) {
            nearest = far;
            common = std::move(candidate);
            base = name;
        }
    }
    return common;
}

// How a difference is settled: of a field of the table (field), or of a quest's text (none); old,
// the common version's, when one was found; extends, whether the other's text goes on from this
// PC's. None: nothing to tell.
template <class Extends>
std::optional<Rule> ruleOf(const std::string& thisPc, const std::string& theirs,
                           const std::optional<std::string>& old, std::optional<QuestField> field, bool memo,
                           const Extends& extends) {
    if (old && *old == thisPc)
        return Rule::OnlyOther;
    if (old && *old == theirs)
        return Rule::OnlyThisPc;
    if (!field) {
        if (theirs.empty())
            return std::nullopt; // a text the other side lacks, for no known reason: this PC's
        if (thisPc.empty())
            return Rule::TextOnlyOther;
        if (("\n" + thisPc).find("\n" + theirs) != std::string::npos)
            return std::nullopt; // the other's text stands in this PC's already, as an earlier merge left it
        if (extends())
            return Rule::TextExtended;
    } else if (isFlagField(*field)) {
        return Rule::FlagSet;
    }
    if (memo && lineCount(thisPc) + lineCount(theirs) < kMaxTextLines)
        return Rule::BothMemos; // past what a memo may hold, the player picks
    return Rule::KeepThisPc;
}

} // namespace

MergePlan::MergePlan() = default;
MergePlan::~MergePlan() = default;
MergePlan::MergePlan(MergePlan&&) noexcept = default;
MergePlan& MergePlan::operator=(MergePlan&&) noexcept = default;

Lines readConflictCopy(const ConflictCopy& copy, const std::optional<platform::FileFacts>& folderFacts) {
    const QString folder = QFileInfo(copy.path).absolutePath();
    std::optional<platform::FileFacts> checked = copy.checked;
    if (!checked) // never read before it is known for a regular file of a size a copy can have
        if (const QString refusal =
                refusalOfCopy(copy.path, folderFacts ? folderFacts : platform::factsOf(folder), &checked);
            !refusal.isEmpty())
            throw KorvaneError(refusal);
    FileStamp read;
    Lines lines;
    try {
        lines = readLines(copy.path, &read);
    } catch (const KorvaneError& error) {
        throw KorvaneError(
            QStringLiteral("競合コピー %1: %2").arg(QDir::toNativeSeparators(copy.path), error.message()));
    }
    if (!checked || !read.sameVersion(FileStamp::of(*checked, std::nullopt)))
        if (const QString refusal = refusalOfCopy(copy.path, folder); !refusal.isEmpty())
            throw KorvaneError(refusal);
    return lines;
}

MergePlan planMerge(const QuestData& files, const ConflictCopy& copy, const std::vector<KeptVersion>& earlier,
                    bool copyIsThisPcs, MergeCache* cache, std::optional<Lines> readAhead) {
    const bool table = copy.dataFile == files::kQuestTable;
    const StoredList& file = table                              ? static_cast<const StoredList&>(files.table)
                             : copy.dataFile == files::kContent ? files.content
                             : copy.dataFile == files::kReward  ? files.reward
                                                                : files.memo;
    Lines copyLines = sortedCopy(readAhead ? std::move(*readAhead) : readConflictCopy(copy), table);
    // Only a version this PC had before the copy came can be where the two parted: one written
    // since (by the merge of another copy, say) is this PC's alone. Both times are this PC's clock.
    const std::vector<KeptVersion> none;
    const std::vector<KeptVersion>& versions =
        arrivalTooShort(file.lines().size(), copyLines.size()) ? none : earlier;
    const auto arrived = versions.empty() ? std::nullopt : platform::factsOf(copy.path);
    auto next = versions.rbegin();
    const EarlierVersion nextBackup = [&](QString& name, Lines& lines) {
        for (; next != versions.rend(); ++next) {
            if (arrived && next->madeNs > arrived->changedNs)
                continue;
            try {
                lines = table ? readLines(next->path) : [&] {
                    TextStore store(next->path);
                    store.load();
                    return std::move(store.lines()).release();
                }();
            } catch (const KorvaneError&) {
                continue; // a backup that cannot be read tells nothing
            }
            name = next++->path;
            return true;
        }
        return false;
    };
    std::shared_ptr<const Side> fileSide;
    if (cache) {
        std::shared_ptr<const Side>& kept = (*cache)[copy.dataFile];
        if (!kept)
            kept = std::make_shared<const Side>(sideOf(file.lines().lines(), table));
        fileSide = kept;
    }
    return planMergeOf(file.lines().lines(), std::move(copyLines), nextBackup, copy, copyIsThisPcs,
                       std::move(fileSide));
}

MergePlan planMergeOf(const Lines& file, Lines copyLines, const EarlierVersion& nextEarlier,
                      const ConflictCopy& copy, bool copyIsThisPcs, std::shared_ptr<const Side> fileSide) {
    const bool table = copy.dataFile == files::kQuestTable;
    MergePlan plan;
    plan.copy = copy;
    plan.copyIsThisPcs = copyIsThisPcs;
    plan.versions = std::make_unique<MergePlan::Versions>();
    MergePlan::Versions& v = *plan.versions;
    v.table = table;
    v.copyLines = std::move(copyLines);
    v.file = fileSide ? std::move(fileSide) : std::make_shared<const Side>(sideOf(file, table));
    v.copy = sideOf(v.copyLines, table, &plan.leftOut);
    if (v.copy.units.empty()) { // not a version of this file at all, never "the other deleted it all"
        plan.notACopy = true;
        plan.leftOut.clear();
        return plan;
    }
    const Units& mine = copyIsThisPcs ? v.copy.units : v.file->units;
    const Units& other = copyIsThisPcs ? v.file->units : v.copy.units;

    const Units base = commonVersion(mine, other, nextEarlier, table, plan.base);

    // What only the file holds tells a difference only against a common version, or when the file
    // is the other PC's (its text then the other's alone); otherwise the copy's own quests are all
    // there is to look at, so that many small copies each cost their own size, not the file's.
    std::map<Key, int> keys;
    if (!table && (!plan.base.isEmpty() || copyIsThisPcs))
        for (const auto& unit : v.file->units)
            keys[unit.first];
    for (const auto& unit : v.copy.units)
        keys[unit.first];
    for (const auto& [key, unused] : keys) {
        const auto& [number, field] = key;
        if (table && !find(v.file->units, key)) { // a quest only the copy has: kept
            if (field == kNation)                 // once a quest, named by its name
                plan.differences.push_back({number,
                                            field,
                                            {},
                                            v.copy.units.at({number, kName}),
                                            copyIsThisPcs ? Rule::QuestOnlyThisPc : Rule::QuestOnlyOther});
            continue;
        }
        if (table && !find(v.copy.units, key))
            continue; // a quest only the file has stays as it is
        const std::string thisPc = *valueOf(mine, key, table), theirs = *valueOf(other, key, table);
        if (thisPc == theirs)
            continue;
        const std::optional<std::string> old = plan.base.isEmpty() ? std::nullopt : valueOf(base, key, table);
        const auto extends = [&, number = number] {
            return copyIsThisPcs ? startsWithLines(v.copyLines, v.copy.places.at(number), file,
                                                   v.file->places.at(number))
                                 : startsWithLines(file, v.file->places.at(number), v.copyLines,
                                                   v.copy.places.at(number));
        };
        const std::optional<Rule> rule =
            ruleOf(thisPc, theirs, old, table ? std::optional(static_cast<QuestField>(field)) : std::nullopt,
                   copy.dataFile == files::kMemo, extends);
        if (!rule)
            continue;
        MergeDifference d{number, field, thisPc, theirs, *rule};
        plan.differences.push_back(std::move(d));
    }
    return plan;
}

void carryPicks(const MergePlan& from, MergePlan& to) {
    std::set<Key> picked;
    for (const MergeDifference& d : from.differences)
        if (d.takeOther)
            picked.insert({d.number, d.field});
    for (MergeDifference& d : to.differences)
        d.takeOther = d.rule == Rule::KeepThisPc && picked.contains({d.number, d.field});
}

} // namespace korvane
