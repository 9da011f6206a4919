#include "FlagRules.h"

namespace korvane {

FlagClick flagClick(QuestField flag, bool ticked, bool offeredTicked, const std::string& stored) {
    if (flag == kCompleted && ticked && !offeredTicked)
        return {stored, true};
    return {ticked ? "1" : "0", false};
}

bool storeFlag(QuestTable& table, std::string_view number, QuestField flag, const std::string& value) {
    table.requireLoaded();
    const auto index = table.find(number);
    if (!index)
        return false;
    table.replaceField(*index, static_cast<std::size_t>(flag), value);
    table.save();
    return true;
}

} // namespace korvane
