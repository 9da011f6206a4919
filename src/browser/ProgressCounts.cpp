#include "ProgressCounts.h"

#include "store/CommaText.h"
#include "store/Vocabulary.h"

#include <algorithm>
#include <array>
#include <optional>

namespace korvane {
namespace {

// The index of name in the fixed list, or past its end in the order first met.
template <class Item> std::size_t indexFor(std::vector<Item>& items, std::string_view name, auto nameOf) {
    const auto it = std::find_if(items.begin(), items.end(), [&](Item& i) { return nameOf(i) == name; });
    if (it != items.end())
        return static_cast<std::size_t>(it - items.begin());
    items.push_back({});
    nameOf(items.back()) = std::string(name);
    return items.size() - 1;
}

// The nation and area of a line whose first three fields hold no quote or blank, read in place
// (none of those bytes is ever the second byte of a code page 932 character); nothing for any
// other line, which the comma text reading takes.
std::optional<std::array<std::string_view, 2>> plainPlace(std::string_view line) {
    std::array<std::string_view, 3> fields;
    std::size_t start = 0;
    for (std::size_t index = 0; index < fields.size() && start <= line.size(); ++index) {
        std::size_t end = start;
        for (; end < line.size() && line[end] != ','; ++end)
            if (line[end] == '"' || static_cast<unsigned char>(line[end]) <= 0x20)
                return std::nullopt;
        if (index == 0 && end == 0)
            return std::nullopt; // no number: the reading decides what such a line holds
        fields[index] = line.substr(start, end - start);
        start = end + 1;
    }
    return std::array{fields[1], fields[2]};
}

// The ways the flags can stand, each "1", "0" or another text.
constexpr std::size_t kFlagStands = [] {
    std::size_t ways = 1;
    for (std::size_t i = 0; i < kFlagFields.size(); ++i)
        ways *= 3;
    return ways;
}();

// The flags of a shape as a number below kFlagStands, the first flag its highest digit.
std::size_t flagsKey(const QuestShape& shape) {
    std::size_t key = 0;
    for (const char flag : shape.flags)
        key = key * 3 + (flag == '1' ? 0 : flag == '0' ? 1 : 2);
    return key;
}

// What the three options admit, for each way the flags can stand: made once from the options' own
// rules, so that counting ten thousand quests is a look-up each.
const std::array<std::array<bool, 3>, kFlagStands>& admittedByFlags() {
    static const std::array<std::array<bool, 3>, kFlagStands> admitted = [] {
        std::array<std::array<bool, 3>, kFlagStands> table{};
        QuestShape each;
        each.fields = kQuestFieldCount;
        for (std::size_t key = 0; key < kFlagStands; ++key) {
            std::size_t rest = key;
            for (std::size_t i = kFlagFields.size(); i-- > 0; rest /= 3)
                each.flags[i] = "10-"[rest % 3];
            table[key] = {admitsProgress(each, Progress::Offered), admitsProgress(each, Progress::Completed),
                          admitsProgress(each, Progress::NotCompleted)};
        }
        return table;
    }();
    return admitted;
}

} // namespace

void ProgressCounts::add(const QuestShape& shape, bool aside) {
    ++quests;
    if (aside) {
        ++setAside;
        return;
    }
    const std::array<bool, 3>& by = admittedByFlags()[flagsKey(shape)];
    offered += by[0] ? 1 : 0;
    completed += by[1] ? 1 : 0;
    notCompleted += by[2] ? 1 : 0;
}

ProgressCounts countsOf(const QuestTable& table, std::span<const std::size_t> lines,
                        const SetAsideList* aside) {
    const std::vector<QuestShape>& shapes = table.shapes();
    const bool anyAside = aside && aside->count() > 0;
    ProgressCounts counts;
    for (const std::size_t line : lines)
        if (line < shapes.size())
            counts.add(shapes[line], anyAside && aside->holds(shapes[line]));
    return counts;
}

int percentOf(long long done, long long all) {
    if (all <= 0 || done <= 0)
        return 0;
    if (done >= all)
        return 100;
    const long long nearest = (done * 200LL + all) / (2 * all);
    return static_cast<int>(std::clamp<long long>(nearest, 1, 99));
}

int ProgressCounts::percentDone() const {
    return percentOf(completed, quests - setAside);
}

QString countsText(const ProgressCounts& counts) {
    const QString aside =
        counts.setAside > 0 ? QStringLiteral("（うち見送り %1）").arg(counts.setAside) : QString();
    return QStringLiteral("表示 %1 件%2　オファー %3　完了 %4　未完了 %5")
        .arg(counts.quests)
        .arg(aside)
        .arg(counts.offered)
        .arg(counts.completed)
        .arg(counts.notCompleted);
}

QString searchText(const QString& search, const QString& text, int found) {
    const QString what = QStringLiteral("%1「%2」").arg(search, text);
    return found == 0 ? what + QStringLiteral(" 見つかりません") : what + QStringLiteral(" %1 件").arg(found);
}

ProgressOverview progressOverview(const QuestTable& questList, const SetAsideList* aside) {
    const bool anyAside = aside && aside->count() > 0;
    ProgressOverview overview;
    for (const std::string& nation : vocabulary::nations()) {
        NationProgress entry{nation, {}, {}};
        for (const std::string& area : vocabulary::areasOf(nation))
            entry.areas.push_back({area, {}});
        overview.nations.push_back(std::move(entry));
    }
    const auto nationName = [](NationProgress& n) -> std::string& { return n.nation; };
    const auto areaName = [](AreaProgress& a) -> std::string& { return a.area; };
    // A table lists its quests mostly grouped by nation and area: the rows last counted are tried
    // first, and a plain line is read without a copy.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t nationAt = kNone;
    std::size_t areaAt = kNone;
    Fields quoted;
    for (std::size_t i = 0; i < questList.lines().size(); ++i) {
        std::optional<std::array<std::string_view, 2>> place = plainPlace(questList.lines()[i]);
        if (!place) {
            quoted = fieldsFrom(questList.lines()[i], kNation, 2);
            quoted.resize(2);
            place = std::array<std::string_view, 2>{quoted[0], quoted[1]};
        }
        const auto [nationOf, areaOf] = *place;
        if (nationAt == kNone || overview.nations[nationAt].nation != nationOf) {
            nationAt = indexFor(overview.nations, nationOf, nationName);
            areaAt = kNone;
        }
        NationProgress& nation = overview.nations[nationAt];
        if (areaAt == kNone || nation.areas[areaAt].area != areaOf)
            areaAt = indexFor(nation.areas, areaOf, areaName);
        const QuestShape& shape = questList.shapes()[i];
        const bool setAside = anyAside && aside->holds(questList.shapes()[i]);
        nation.areas[areaAt].counts.add(shape, setAside);
        nation.counts.add(shape, setAside);
        overview.total.add(shape, setAside);
    }
    // What the table does not use is left out: an overview of one's own quests.
    for (NationProgress& nation : overview.nations)
        std::erase_if(nation.areas, [](const AreaProgress& a) { return a.counts.quests == 0; });
    std::erase_if(overview.nations, [](const NationProgress& n) { return n.counts.quests == 0; });
    return overview;
}

ProgressCounts countsIn(const ProgressOverview& overview, const std::string& nation,
                        const std::optional<std::string>& area) {
    for (const NationProgress& row : overview.nations) {
        if (row.nation != nation)
            continue;
        if (!area)
            return row.counts;
        for (const AreaProgress& areaRow : row.areas)
            if (areaRow.area == *area)
                return areaRow.counts;
    }
    return {};
}

} // namespace korvane
