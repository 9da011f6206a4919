#include "QuestChains.h"

#include "CommaText.h"
#include "Errors.h"
#include "Numbers.h"
#include "QuestTable.h"

#include <QRegularExpression>
#include <algorithm>

namespace korvane {
namespace {

constexpr std::size_t kQuests = 10000;

QString numberText(std::uint16_t number) {
    return QString::fromStdString(formatQuestNumber(number));
}

// The chain from need back to quest, each quest needing the next: quest, need, …, quest; empty when
// need leads nowhere near quest.
std::vector<std::uint16_t> pathBack(std::uint16_t need, std::uint16_t quest, const QuestChains& chains) {
    std::vector<std::uint16_t> cameFrom(kQuests, 0); // 0: not reached
    std::vector<std::uint16_t> reached{need};
    cameFrom[need] = need;
    for (std::size_t at = 0; at < reached.size(); ++at) {
        const std::uint16_t from = reached[at];
        for (const std::uint16_t further : chains.needs(from)) {
            if (further == quest) {
                std::vector<std::uint16_t> back;
                for (std::uint16_t step = from; step != need; step = cameFrom[step])
                    back.push_back(step);
                back.push_back(need);
                std::vector<std::uint16_t> path{quest};
                path.insert(path.end(), back.rbegin(), back.rend());
                path.push_back(quest);
                return path;
            }
            if (cameFrom[further] == 0) {
                cameFrom[further] = from;
                reached.push_back(further);
            }
        }
    }
    return {};
}

} // namespace

std::uint16_t chainQuest(std::string_view line) {
    return fourDigitNumber(line.substr(0, line.find(',')));
}

std::string chainLine(std::uint16_t quest, std::span<const std::uint16_t> needs) {
    std::string line = formatQuestNumber(quest);
    for (const std::uint16_t need : needs)
        line += ',' + formatQuestNumber(need);
    return line;
}

bool QuestChains::load() {
    const bool existed = readSorted();
    index();
    return existed;
}

void QuestChains::index() {
    std::vector<std::pair<std::uint16_t, std::uint16_t>> links; // (quest, need), in file order
    for (const std::string& line : lines().lines())
        if (const std::uint16_t quest = chainQuest(line)) {
            const Fields fields = fieldsFrom(line, 1, kQuests);
            const std::size_t first = links.size();
            for (const std::string& field : fields)
                if (const std::uint16_t need = questNumberOf(field);
                    need != 0 && std::none_of(links.begin() + static_cast<std::ptrdiff_t>(first), links.end(),
                                              [need](const auto& link) { return link.second == need; }))
                    links.emplace_back(quest, need);
        }
    const auto build = [&](std::vector<std::uint32_t>& at, std::vector<std::uint16_t>& to, bool forward) {
        at.assign(kQuests + 1, 0);
        for (const auto& [quest, need] : links)
            ++at[(forward ? quest : need) + 1u];
        for (std::size_t i = 1; i < at.size(); ++i)
            at[i] += at[i - 1];
        to.assign(links.size(), 0);
        std::vector<std::uint32_t> filled(at.begin(), at.end() - 1);
        for (const auto& [quest, need] : links)
            to[filled[forward ? quest : need]++] = forward ? need : quest;
    };
    build(needsAt_, needs_, true);
    build(opensAt_, opens_, false);
    for (std::size_t quest = 0; quest < kQuests; ++quest)
        std::sort(opens_.begin() + static_cast<std::ptrdiff_t>(opensAt_[quest]),
                  opens_.begin() + static_cast<std::ptrdiff_t>(opensAt_[quest + 1]));
}

std::span<const std::uint16_t> QuestChains::needs(std::uint16_t quest) const {
    if (needsAt_.empty() || quest >= kQuests)
        return {};
    return std::span(needs_).subspan(needsAt_[quest], needsAt_[quest + 1u] - needsAt_[quest]);
}

std::span<const std::uint16_t> QuestChains::opens(std::uint16_t quest) const {
    if (opensAt_.empty() || quest >= kQuests)
        return {};
    return std::span(opens_).subspan(opensAt_[quest], opensAt_[quest + 1u] - opensAt_[quest]);
}

std::pair<std::size_t, std::size_t> QuestChains::range(std::string_view number) const {
    const std::size_t first = lines().lowerBound(number);
    std::size_t count = 0;
    const std::uint16_t key = fourDigitNumber(number);
    while (key != 0 && first + count < lines().size() && chainQuest(lines()[first + count]) == key)
        ++count;
    return {first, count};
}

ListChange QuestChains::needsChange(std::string_view number, const std::vector<std::uint16_t>& needs) {
    const auto [first, count] = range(number);
    Lines insert;
    if (!needs.empty())
        insert.push_back(chainLine(fourDigitNumber(number), needs));
    return {this, first, count, std::move(insert), true};
}

void QuestChains::take(std::vector<LineRange>& ranges, bool keepsOrder) {
    StoredList::take(ranges, keepsOrder);
    index();
}

// Depth first, with a stack of its own: a chain thousands deep never runs out of the thread's.
std::vector<ChainFault> chainFaults(const QuestChains& chains, const QuestNumbers& known) {
    std::vector<ChainFault> faults;
    enum : std::uint8_t { kNew, kOnPath, kDone };
    std::vector<std::uint8_t> state(kQuests, kNew);
    for (std::uint16_t quest = 1; quest < kQuests; ++quest)
        for (const std::uint16_t need : chains.needs(quest)) {
            if (need == quest)
                faults.push_back({ChainFault::Kind::Self, quest, quest, {}});
            else if (!known.test(need))
                faults.push_back({ChainFault::Kind::Unknown, quest, need, {}});
        }
    std::vector<std::pair<std::uint16_t, std::size_t>> path; // each quest and its next need to follow
    for (std::uint16_t start = 1; start < kQuests; ++start) {
        if (state[start] != kNew || chains.needs(start).empty())
            continue;
        path.push_back({start, 0});
        state[start] = kOnPath;
        while (!path.empty()) {
            auto& [quest, next] = path.back();
            const auto needs = chains.needs(quest);
            if (next == needs.size()) {
                state[quest] = kDone;
                path.pop_back();
                continue;
            }
            const std::uint16_t need = needs[next++];
            if (need == quest || state[need] == kDone)
                continue;
            if (state[need] == kOnPath) { // back to a quest on the path: the loop from it
                ChainFault loop{ChainFault::Kind::Loop, need, 0, {}};
                auto from =
                    std::find_if(path.begin(), path.end(), [need](const auto& p) { return p.first == need; });
                for (; from != path.end(); ++from)
                    loop.path.push_back(from->first);
                loop.path.push_back(need);
                faults.push_back(std::move(loop));
                continue;
            }
            state[need] = kOnPath;
            path.push_back({need, 0});
        }
    }
    return faults;
}

std::vector<std::uint16_t> typedNeeds(const QString& typed, std::uint16_t quest, const QuestChains& chains,
                                      const QuestNumbers& known) {
    static const QRegularExpression separators(QStringLiteral("[\\s,、，　]+"));
    std::vector<std::uint16_t> needs;
    for (const QString& word : typed.split(separators, Qt::SkipEmptyParts)) {
        const std::uint16_t need = questNumberOf(word.toStdString());
        if (need == 0)
            throw KorvaneError(QStringLiteral("前提「%1」はクエスト番号ではありません").arg(word));
        if (need == quest)
            throw KorvaneError(
                QStringLiteral("クエスト %1 は自分自身を前提にできません").arg(numberText(quest)));
        if (!known.test(need))
            throw KorvaneError(QStringLiteral("前提のクエスト %1 はありません").arg(numberText(need)));
        if (const std::vector<std::uint16_t> path = pathBack(need, quest, chains); !path.empty()) {
            QStringList steps;
            for (const std::uint16_t step : path)
                steps << numberText(step);
            throw KorvaneError(
                QStringLiteral("前提 %1 をたどるとクエスト %2 に戻ってきます（%3）")
                    .arg(numberText(need), numberText(quest), steps.join(QStringLiteral(" → "))));
        }
        if (std::find(needs.begin(), needs.end(), need) == needs.end())
            needs.push_back(need);
    }
    return needs;
}

bool canStartNow(std::uint16_t quest, bool completed, bool setAside, const QuestChains& chains,
                 const QuestNumbers& completedQuests) {
    if (completed || setAside)
        return false;
    const auto needs = chains.needs(quest);
    return std::all_of(needs.begin(), needs.end(),
                       [&](std::uint16_t need) { return completedQuests.test(need); });
}

} // namespace korvane
