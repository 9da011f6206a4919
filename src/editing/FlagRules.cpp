#include "FlagRules.h"
#include "store/Quest.h"

namespace korvane {

FlagClick flagClick(QuestField flag, bool ticked, bool offeredTicked, const std::string& stored) {
    if (flag == kCompleted && ticked && !offeredTicked)
        return {stored, true};
    return {storedFlag(ticked), false};
}

std::optional<std::size_t> storeFlag(QuestTable& table, std::string_view number, QuestField flag,
                                     const std::string& value, EditStep* step) {
    table.requireWritable();
    const auto index = table.find(number);
    if (!index)
        return std::nullopt;
    std::vector<ListChange> changes{table.fieldChange(*index, static_cast<std::size_t>(flag), value)};
    EditStep made = commit(changes);
    if (step)
        *step = std::move(made);
    return index;
}

} // namespace korvane
