#pragma once
// The progress flags: what a mouse release on one of the three boxes stores, and the storing.

#include "store/QuestTable.h"

#include <string>

namespace korvane {

struct FlagClick {
    std::string value;     // what the flag's cell and field take
    bool clearBox = false; // the box is cleared again: the tick was refused
};

// A ticked box stores "1" and a cleared one "0"; but a quest can be marked completed only while it
// is marked offered, so ticking "コンプリート" without "オファー" clears the box and stores the flag
// as it stands. Clearing "オファー" leaves "コンプリート" alone.
FlagClick flagClick(QuestField flag, bool ticked, bool offeredTicked, const std::string& stored);

// Puts the flag into the quest's table line and saves the table; the line changed. Refused when
// the table did not load; nothing, with nothing changed, when it holds no quest of that number.
// step, when given, receives what the edit changed, to undo it.
std::optional<std::size_t> storeFlag(QuestTable& table, std::string_view number, QuestField flag,
                                     const std::string& value, EditStep* step = nullptr);

} // namespace korvane
