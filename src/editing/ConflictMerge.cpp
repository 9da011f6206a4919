#include "ConflictMerge.h"

#include "store/Backups.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/UiText.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace korvane {
namespace {

// The name patterns of the sync tools' conflict copies; "stem" and "ext" give the file's own name.
struct CopyPattern {
    const char* tool;
    QRegularExpression name;
    const char* dateFormat; // of "d" followed by "t", when the name says when
};

const std::vector<CopyPattern>& copyPatterns() {
    static const std::vector<CopyPattern> patterns = [] {
        std::vector<CopyPattern> list;
        // クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv
        list.push_back(
            {"Syncthing",
             QRegularExpression(QStringLiteral(
                 R"(^(?<stem>.+)\.sync-conflict-(?<d>\d{8})-(?<t>\d{6})-[A-Z0-9]{7}(?<ext>\.[^.]*)?$)")),
             "yyyyMMddHHmmss"});
        // クエスト (conflicted copy 2026-12-09 033510).csv, also "(conflicted copy by someone …)"
        list.push_back(
            {"Nextcloud",
             QRegularExpression(QStringLiteral(
                 R"(^(?<stem>.+) \(conflicted copy (?:by .+ )?(?<d>\d{4}-\d{2}-\d{2}) (?<t>\d{6})\)(?<ext>\.[^.]*)?$)")),
             "yyyy-MM-ddHHmmss"});
        // クエスト_conflict-20261209-033510.csv (ownCloud, and Nextcloud before it)
        list.push_back({"Nextcloud",
                        QRegularExpression(QStringLiteral(
                            R"(^(?<stem>.+)_conflict-(?<d>\d{8})-(?<t>\d{6})(?<ext>\.[^.]*)?$)")),
                        "yyyyMMddHHmmss"});
        // クエスト (Taro's conflicted copy 2026-12-09).csv, with " (1)" when there are several
        list.push_back(
            {"Dropbox",
             QRegularExpression(
                 QStringLiteral(
                     R"(^(?<stem>.+) \((?:.+'s )?conflicted copy(?: (?<d>\d{4}-\d{2}-\d{2}))?(?: \(\d+\))?\)(?<ext>\.[^.]*)?$)"),
                 QRegularExpression::CaseInsensitiveOption),
             "yyyy-MM-dd"});
        return list;
    }();
    return patterns;
}

const QString kFieldNames[] = {
    QStringLiteral("No."),      QStringLiteral("国"),           QStringLiteral("地域"),
    QStringLiteral("クエスト"), QStringLiteral("場所"),         QStringLiteral("条件"),
    QStringLiteral("オファー"), QStringLiteral("コンプリート"), QStringLiteral("繰り返し可能")};

// A file's units, by quest: a table's fields, or a store's whole text of the quest.
using Key = std::pair<std::string, int>; // (quest number, field); field -1 for a text
using Units = std::map<Key, std::string>;

bool isTable(const ConflictCopy& copy) {
    return copy.dataFile == files::kQuestTable;
}

Units unitsOf(const StoredList& list, bool table) {
    Units units;
    if (table) {
        for (const std::string& line : list.lines().lines()) {
            const QuestRecord record = splitQuestRecord(line);
            if (units.contains({record[kNumber], kNation}))
                continue; // a second line of a number is neither matched nor merged
            for (int field = kNation; field <= kRepeatable; ++field)
                units[{record[kNumber], field}] = record[static_cast<std::size_t>(field)];
        }
        return units;
    }
    const auto& store = static_cast<const TextStore&>(list);
    for (std::size_t i = 0; i < store.lines().size();) {
        const std::string number = store.lines()[i].substr(0, 4);
        const auto [first, count] = store.range(number, i);
        if (count == 0) { // a line too short for a number: not a quest's text
            ++i;
            continue;
        }
        std::string text;
        for (const std::string& line : store.readText(number))
            text += line + '\n';
        units[{number, -1}] = text;
        i = first + count;
    }
    return units;
}

std::unique_ptr<StoredList> loadAs(const QString& path, bool table) {
    if (table) {
        auto list = std::make_unique<QuestTable>(path);
        std::vector<QuestRecord> rows;
        list->load(rows);
        return list;
    }
    auto list = std::make_unique<TextStore>(path);
    list->load();
    return list;
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// How many of the differences between mine and theirs the version explains: it equals one side.
int explained(const Units& mine, const Units& theirs, const Units& base) {
    int count = 0;
    for (const auto& [key, value] : theirs) {
        const auto own = mine.find(key);
        const auto old = base.find(key);
        if (own != mine.end() && own->second != value && old != base.end() &&
            (old->second == value || old->second == own->second))
            ++count;
    }
    return count;
}

// The merged value of one difference, as its rule and the player's pick settle it.
std::string settled(const MergeDifference& d, const std::string& mine, const std::string& theirs,
                    const QDateTime& made) {
    using Rule = MergeDifference::Rule;
    switch (d.rule) {
    case Rule::OnlyTheirs:
    case Rule::AddTheirs:
        return theirs;
    case Rule::FlagSet:
        return mine == "1" || theirs == "1" ? "1" : mine;
    case Rule::BothMemos:
        return mine +
               fromUiLossy(QStringLiteral("――― 競合コピー（%1）の内容 ―――")
                               .arg(made.toString(QStringLiteral("yyyy/MM/dd HH:mm")))) +
               '\n' + theirs;
    case Rule::KeepMine:
        return d.takeTheirs ? theirs : mine;
    case Rule::OnlyMine:
        break;
    }
    return mine;
}

} // namespace

struct MergePlan::Versions {
    std::unique_ptr<StoredList> theirs;
    Units mineUnits, theirUnits;
};

MergePlan::MergePlan() = default;
MergePlan::~MergePlan() = default;
MergePlan::MergePlan(MergePlan&&) noexcept = default;
MergePlan& MergePlan::operator=(MergePlan&&) noexcept = default;

std::optional<ConflictCopy> conflictCopyNamed(const QString& folder, const QString& name) {
    for (const CopyPattern& pattern : copyPatterns()) {
        const QRegularExpressionMatch match = pattern.name.match(name);
        if (!match.hasMatch())
            continue;
        const QString original =
            match.captured(QStringLiteral("stem")) + match.captured(QStringLiteral("ext"));
        if (std::find(std::begin(files::kDataFiles), std::end(files::kDataFiles), original) ==
            std::end(files::kDataFiles))
            return std::nullopt;
        const QString path = files::inFolder(folder, name);
        QDateTime made =
            QDateTime::fromString(match.captured(QStringLiteral("d")) + match.captured(QStringLiteral("t")),
                                  QString::fromLatin1(pattern.dateFormat));
        if (!made.isValid())
            made = QFileInfo(path).lastModified();
        return ConflictCopy{path, original, QString::fromLatin1(pattern.tool), made};
    }
    return std::nullopt;
}

std::vector<ConflictCopy> findConflictCopies(const QString& folder) {
    std::vector<ConflictCopy> copies;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (auto copy = conflictCopyNamed(folder, name))
            copies.push_back(std::move(*copy));
    std::stable_sort(copies.begin(), copies.end(),
                     [](const ConflictCopy& a, const ConflictCopy& b) { return a.made < b.made; });
    return copies;
}

MergePlan planMerge(const QuestData& mine, const ConflictCopy& copy) {
    const bool table = isTable(copy);
    const StoredList& own = table                              ? static_cast<const StoredList&>(mine.table)
                            : copy.dataFile == files::kContent ? mine.content
                            : copy.dataFile == files::kReward  ? mine.reward
                                                               : mine.memo;
    MergePlan plan;
    plan.copy = copy;
    plan.versions = std::make_unique<MergePlan::Versions>();
    MergePlan::Versions& v = *plan.versions;
    v.theirs = loadAs(copy.path, table);
    v.mineUnits = unitsOf(own, table);
    v.theirUnits = unitsOf(*v.theirs, table);

    // The common earlier version: of the backups, the one that tells the most differences apart,
    // the newest of those that tell as many.
    Units base;
    int best = 0;
    const QStringList backups = backupsOf(own.path());
    for (auto it = backups.rbegin(); it != backups.rend(); ++it) {
        Units candidate = unitsOf(*loadAs(*it, table), table);
        if (const int score = explained(v.mineUnits, v.theirUnits, candidate); score > best) {
            best = score;
            base = std::move(candidate);
            plan.base = *it;
        }
    }

    using Rule = MergeDifference::Rule;
    const bool memo = copy.dataFile == files::kMemo;
    const QString textName = copy.dataFile == files::kContent  ? QStringLiteral("内容")
                             : copy.dataFile == files::kReward ? QStringLiteral("報酬")
                                                               : QStringLiteral("メモ");
    // Texts missing on one side are empty texts; quests missing on one side are kept.
    std::map<Key, std::pair<std::string, std::string>> pairs;
    for (const auto& [key, value] : v.mineUnits)
        pairs[key].first = value;
    for (const auto& [key, value] : v.theirUnits)
        pairs[key].second = value;
    for (const auto& [key, values] : pairs) {
        const auto& [own_, their] = values;
        if (own_ == their)
            continue;
        if (table && !v.mineUnits.contains(key)) {
            if (key.second == kNation) // once a quest
                plan.differences.push_back(
                    {key.first, QStringLiteral("クエスト"), {}, {}, false, Rule::AddTheirs});
            continue;
        }
        if (table && !v.theirUnits.contains(key))
            continue; // only this PC has the quest: it stays
        MergeDifference d{key.first,
                          table ? kFieldNames[key.second] : textName,
                          table ? own_ : std::to_string(lineCount(own_)),
                          table ? their : std::to_string(lineCount(their)),
                          !table,
                          Rule::KeepMine};
        const auto old = base.find(key);
        const std::string oldValue = old != base.end() ? old->second : std::string();
        const bool known = old != base.end() || (!table && !base.empty());
        if (known && oldValue == own_)
            d.rule = Rule::OnlyTheirs;
        else if (known && oldValue == their)
            d.rule = Rule::OnlyMine;
        else if (table && key.second >= kOffered)
            d.rule = Rule::FlagSet;
        else if (memo)
            d.rule = Rule::BothMemos;
        plan.differences.push_back(std::move(d));
    }
    return plan;
}

void applyMerge(const QuestData& mine, const MergePlan& plan, EditStep* step) {
    const bool table = isTable(plan.copy);
    const MergePlan::Versions& v = *plan.versions;
    const auto valueOf = [](const Units& units, const Key& key) {
        const auto it = units.find(key);
        return it != units.end() ? it->second : std::string();
    };
    std::vector<ListChange> changes;
    if (table) {
        std::map<std::string, QuestRecord> merged; // the quests that change or come in
        for (const MergeDifference& d : plan.differences) {
            if (d.rule == MergeDifference::Rule::AddTheirs) {
                QuestRecord record;
                record[kNumber] = d.number;
                for (int field = kNation; field <= kRepeatable; ++field)
                    record[static_cast<std::size_t>(field)] = valueOf(v.theirUnits, {d.number, field});
                merged[d.number] = record;
                continue;
            }
            QuestRecord& record = merged.try_emplace(d.number).first->second;
            if (record[kNumber].empty()) {
                record[kNumber] = d.number;
                for (int field = kNation; field <= kRepeatable; ++field)
                    record[static_cast<std::size_t>(field)] = valueOf(v.mineUnits, {d.number, field});
            }
            const int field = static_cast<int>(
                std::find(std::begin(kFieldNames), std::end(kFieldNames), d.what) - std::begin(kFieldNames));
            record[static_cast<std::size_t>(field)] =
                settled(d, valueOf(v.mineUnits, {d.number, field}), valueOf(v.theirUnits, {d.number, field}),
                        plan.copy.made);
        }
        Lines lines;
        for (const std::string& line : mine.table.lines().lines()) {
            const auto it = merged.find(splitQuestRecord(line)[kNumber]);
            if (it == merged.end()) {
                lines.push_back(line); // byte for byte
                continue;
            }
            lines.push_back(joinCommaText(toFields(it->second)));
            merged.erase(it); // a second line of a number stays as it is
        }
        for (const auto& [number, record] : merged)
            lines.push_back(joinCommaText(toFields(record)));
        LineList sorted(mine.table.lines().collation());
        sorted.assign(std::move(lines));
        sorted.sort();
        changes.emplace_back(&mine.table, 0, mine.table.lines().size(), std::move(sorted).release(), true);
    } else {
        TextStore& store = plan.copy.dataFile == files::kContent  ? mine.content
                           : plan.copy.dataFile == files::kReward ? mine.reward
                                                                  : mine.memo;
        ListChange change;
        change.list = &store;
        change.keepsOrder = true;
        for (const MergeDifference& d : plan.differences) { // in number order, as the stores are
            const std::string text = settled(d, valueOf(v.mineUnits, {d.number, -1}),
                                             valueOf(v.theirUnits, {d.number, -1}), plan.copy.made);
            Lines lines;
            std::size_t index = 0;
            for (std::size_t start = 0; start < text.size();) {
                const std::size_t end = text.find('\n', start);
                lines.push_back(
                    storedLine(d.number, index++, std::string_view(text).substr(start, end - start)));
                start = end + 1;
            }
            const auto [first, count] = store.range(d.number);
            change.ranges.push_back({first, count, std::move(lines)});
        }
        changes.push_back(std::move(change));
    }
    EditStep made = commit(changes);
    if (step)
        *step = std::move(made);

    // The copy's bytes stay, in the backup folder, where it is offered no more.
    const QFileInfo copy(plan.copy.path);
    const QDir backup(copy.absoluteDir().filePath(kBackupFolder));
    QDir().mkpath(backup.path());
    QString target = backup.filePath(copy.fileName());
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = backup.filePath(QStringLiteral("%1 (%2)").arg(copy.fileName()).arg(n));
    if (!QFile::rename(plan.copy.path, target))
        throw KorvaneError(
            QStringLiteral("統合しましたが、競合コピー %1 を %2 へ移せません")
                .arg(QDir::toNativeSeparators(plan.copy.path), QDir::toNativeSeparators(backup.path())));
}

} // namespace korvane
