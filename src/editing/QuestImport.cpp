#include "QuestImport.h"

#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/LineFile.h"
#include "store/Numbers.h"
#include "store/UiText.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <span>
#include <unordered_map>

namespace korvane {
namespace {

// The fields a quest takes from the other set: its texts; its flags stay the player's.
constexpr const auto& kTaken = kTextFields;

// Each quest number of a table with the index of its first line; a second line of a number is
// neither matched nor taken in.
using Index = std::unordered_map<std::string, std::size_t>;

Index indexOf(const QuestTable& table) {
    Index index;
    index.reserve(table.lines().size());
    for (std::size_t i = 0; i < table.lines().size(); ++i)
        index.try_emplace(splitQuestRecord(table.lines()[i])[kNumber], i);
    return index;
}

// The other set's numbers that stores can hold (four digits), ascending as the stores are sorted.
std::vector<std::string> storeNumbers(const Index& index) {
    std::vector<std::string> numbers;
    for (const auto& [number, line] : index)
        if (number.size() == 4 && allDigits(number))
            numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The stored lines of a range that TextStore::range gave.
std::span<const std::string> linesIn(const TextStore& store, std::pair<std::size_t, std::size_t> range) {
    return std::span<const std::string>(store.lines().lines()).subspan(range.first, range.second);
}

bool sameLines(std::span<const std::string> a, std::span<const std::string> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// The fields a quest in both sets takes; empty when the table line stays as it is.
std::vector<ImportedChange> changedFields(const QuestRecord& mine, const QuestRecord& theirs) {
    std::vector<ImportedChange> changed;
    for (const QuestField field : kTaken) {
        const auto at = static_cast<std::size_t>(field);
        if (mine[at] != theirs[at])
            changed.push_back({fieldCaption(field), mine[at], theirs[at], false});
    }
    return changed;
}

// A text that changes, by its count of lines.
void addTextChange(std::vector<ImportedChange>& changes, const QString& what, const TextStore& mine,
                   const TextStore& theirs, const std::string& number) {
    const auto a = linesIn(mine, mine.range(number)), b = linesIn(theirs, theirs.range(number));
    if (!sameLines(a, b))
        changes.push_back({what, std::to_string(a.size()), std::to_string(b.size()), true});
}

ListChange tableChange(QuestTable& mine, const QuestTable& theirs, const Index& ours, const Index& other,
                       const std::set<std::string>& leftOut) {
    Lines merged;
    merged.reserve(mine.lines().size() + theirs.lines().size());
    for (std::size_t i = 0; i < mine.lines().size(); ++i) {
        const std::string& line = mine.lines()[i];
        QuestRecord record = splitQuestRecord(line);
        const auto match = other.find(record[kNumber]);
        if (match == other.end() || ours.at(record[kNumber]) != i || leftOut.contains(record[kNumber])) {
            merged.push_back(line);
            continue;
        }
        const QuestRecord incoming = splitQuestRecord(theirs.lines()[match->second]);
        if (changedFields(record, incoming).empty()) {
            merged.push_back(line); // byte for byte
            continue;
        }
        for (const QuestField field : kTaken)
            record[static_cast<std::size_t>(field)] = incoming[static_cast<std::size_t>(field)];
        merged.push_back(joinCommaText(toFields(record)));
    }
    for (std::size_t j = 0; j < theirs.lines().size(); ++j) {
        QuestRecord record = splitQuestRecord(theirs.lines()[j]);
        if (ours.contains(record[kNumber]) || other.at(record[kNumber]) != j ||
            leftOut.contains(record[kNumber]))
            continue;
        for (const QuestField flag : kFlagFields)
            record[static_cast<std::size_t>(flag)].assign(1, '0');
        merged.push_back(joinCommaText(toFields(record)));
    }
    LineList sorted(mine.lines().collation());
    sorted.assign(std::move(merged));
    sorted.sort();
    return {&mine, 0, mine.lines().size(), std::move(sorted).release(), true};
}

// Each number's lines of the other store take the place of the player's lines of that number; for
// memos (keepMine), only where the player has none.
ListChange textChange(TextStore& mine, TextStore& theirs, const std::vector<std::string>& numbers,
                      bool keepMine = false) {
    ListChange change;
    change.list = &mine;
    change.keepsOrder = true;
    std::size_t fromMine = 0, fromTheirs = 0;
    for (const std::string& number : numbers) {
        const auto [first, count] = mine.range(number, fromMine);
        const auto [theirFirst, theirCount] = theirs.range(number, fromTheirs);
        fromMine = first + count;
        fromTheirs = theirFirst + theirCount; // the lines before it are taken, so never looked at again
        if ((keepMine && count > 0) ||
            sameLines(linesIn(mine, {first, count}), linesIn(theirs, {theirFirst, theirCount})))
            continue;
        Lines taken;
        taken.reserve(theirCount);
        for (std::size_t k = theirFirst; k < theirFirst + theirCount; ++k)
            taken.push_back(theirs.lines().take(k));
        change.ranges.push_back({first, count, std::move(taken)});
    }
    return change;
}

int highestNumber(const QuestTable& table) {
    int highest = 0;
    for (const std::string& line : table.lines().lines())
        highest = std::max(highest, parseInteger(splitQuestRecord(line)[kNumber]).value_or(0));
    return highest;
}

} // namespace

ImportSet::ImportSet(const QString& folder)
    : table(files::inFolder(folder, files::kQuestTable)), content(files::inFolder(folder, files::kContent)),
      reward(files::inFolder(folder, files::kReward)), memo(files::inFolder(folder, files::kMemo)) {}

std::unique_ptr<ImportSet> readImportSet(const QString& folder) {
    auto set = std::make_unique<ImportSet>(folder);
    std::vector<QuestRecord> rows;
    if (!set->table.load(rows))
        throw errors::cannotOpen(set->table.path());
    QStringList tooHigh;
    for (const QuestRecord& row : rows)
        if (parseInteger(row[kNumber]).value_or(0) > kMaxQuestNumber)
            tooHigh << toUi(row[kNumber]);
    if (!tooHigh.isEmpty())
        throw KorvaneError(QStringLiteral("クエスト番号は %1 までです。取り込めない番号: %2")
                               .arg(kMaxQuestNumber)
                               .arg(tooHigh.join(QStringLiteral("、"))));
    if (!set->content.load())
        throw errors::cannotOpen(set->content.path());
    if (!set->reward.load())
        throw errors::cannotOpen(set->reward.path());
    QFile memo(set->memo.path());
    if (memo.exists())
        openToRead(memo); // read only when the import writes, but refused now when it cannot be
    return set;
}

QStringList ImportedQuest::changes() const {
    QStringList out;
    for (const ImportedChange& change : details)
        out << change.what;
    return out;
}

ImportPreview previewImport(const QuestLists& mine, const ImportSet& theirs) {
    const Index ours = indexOf(mine.table), other = indexOf(theirs.table);
    ImportPreview preview;
    for (const auto& [number, line] : ours) {
        const auto match = other.find(number);
        const QuestRecord record = splitQuestRecord(mine.table.lines()[line]);
        if (match == other.end()) {
            preview.quests.push_back({number, record[kName], ImportKind::KeptMine, {}, false});
            continue;
        }
        const QuestRecord incoming = splitQuestRecord(theirs.table.lines()[match->second]);
        std::vector<ImportedChange> details = changedFields(record, incoming);
        addTextChange(details, QStringLiteral("内容"), mine.content, theirs.content, number);
        addTextChange(details, QStringLiteral("報酬"), mine.reward, theirs.reward, number);
        const ImportKind kind = details.empty() ? ImportKind::Unchanged : ImportKind::Changed;
        preview.quests.push_back(
            {number, incoming[kName], kind, std::move(details), record[kName] != incoming[kName]});
    }
    for (const auto& [number, line] : other)
        if (!ours.contains(number))
            preview.quests.push_back(
                {number, splitQuestRecord(theirs.table.lines()[line])[kName], ImportKind::Added, {}, false});
    std::sort(preview.quests.begin(), preview.quests.end(),
              [](const ImportedQuest& a, const ImportedQuest& b) {
                  const int x = parseInteger(a.number).value_or(0), y = parseInteger(b.number).value_or(0);
                  return x != y ? x < y : a.number < b.number;
              });
    for (const ImportedQuest& quest : preview.quests) {
        preview.added += quest.kind == ImportKind::Added ? 1 : 0;
        preview.changed += quest.kind == ImportKind::Changed ? 1 : 0;
        preview.unchanged += quest.kind == ImportKind::Unchanged ? 1 : 0;
        preview.keptMine += quest.kind == ImportKind::KeptMine ? 1 : 0;
    }
    return preview;
}

void applyImport(const QuestData& mine, ImportSet& theirs, const std::set<std::string>& leftOut,
                 EditStep* step) {
    const Index ours = indexOf(mine.table), other = indexOf(theirs.table);
    std::vector<std::string> numbers, added;
    for (const std::string& number : storeNumbers(other))
        if (!leftOut.contains(number))
            numbers.push_back(number);
    for (const std::string& number : numbers)
        if (!ours.contains(number))
            added.push_back(number);
    const auto make = [&](std::size_t file) -> ListChange {
        switch (file) {
        case 0:
            return tableChange(mine.table, theirs.table, ours, other, leftOut);
        case 1: {
            ListChange change = textChange(mine.content, theirs.content, numbers);
            theirs.content.lines().assign({}); // taken: let it go before the list is rebuilt
            return change;
        }
        case 2: {
            ListChange change = textChange(mine.reward, theirs.reward, numbers);
            theirs.reward.lines().assign({});
            return change;
        }
        default:
            theirs.memo.load(); // read only now, with the other stores gone
            return textChange(mine.memo, theirs.memo, added, true); // a memo only where the player has none
        }
    };
    try {
        EditStep made = commitEach({&mine.table, &mine.content, &mine.reward, &mine.memo}, make,
                                   {.backupEveryFile = true});
        if (step)
            *step = std::move(made);
    } catch (const PartlySavedError&) {
        mine.table.raiseMaxQuestNo(highestNumber(mine.table)); // the table holds the import
        throw;
    }
    mine.table.raiseMaxQuestNo(highestNumber(mine.table));
}

} // namespace korvane
