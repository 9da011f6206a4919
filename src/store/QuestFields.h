#pragma once
// The fields of a quest, each described once: what the table, the grid, the panes, the merge, the
// journal, the window's remembered widths and the data generator read of it. A new column is an
// enum value, the count, and its row in kQuestFields.

#include <array>
#include <cstddef>

namespace korvane {

// Field positions, which are also the grid's column numbers.
enum QuestField : int {
    kNumber,
    kNation,
    kArea,
    kName,
    kPlace,
    kCondition,
    kOffered,
    kCompleted,
    kRepeatable
};
constexpr std::size_t kQuestFieldCount = 9;

// What a field is, which also says how it is settled and told:
// - the number keys the quest;
// - a text is shown and typed; two PCs' different texts are the player's to choose between;
// - a flag is "1" or "0" and a box; a merge keeps a flag either PC set, and the journal tells
//   when the player sets or clears it.
enum class FieldKind { Number, Text, Flag };

// How a field's value is lettered on the view pane.
enum class FieldLook { Plain, Key, Title, Note };

// Where a field sits on a pane, in pixels from the pane's top left, and the name its control has.
struct PanePlace {
    const char* name;
    int left, top, width, height;
};

struct FieldInfo {
    QuestField field;
    FieldKind kind;
    const char16_t* title;   // the grid's column title
    const char16_t* caption; // where one quest is shown (a flag as its box is captioned)
    int gridWidth;           // the grid column's least width in pixels; 0: as wide as its title
    int tileTop;             // the caption tile's top, at the left edge of both panes; -1: none
    PanePlace view;          // the value on the view pane (a flag: its box)
    PanePlace edit;          // where it is typed on the edit pane (a flag: its box)
    FieldLook look;          // on the view pane
    bool chosen;             // typed in a drop-down of the values known, not a line
};

// The condition and the place end where 調べる and 見送り begin: the view pane is 444 pixels wide
// in the window's restored size, and those two must be seen there without scrolling.
inline constexpr FieldInfo kQuestFields[kQuestFieldCount] = {
    {kNumber,
     FieldKind::Number,
     u"No.",
     u"No.",
     30,
     -1,
     {"Label14", 462, 6, 56, 18},
     {"Label6", 282, 31, 60, 14},
     FieldLook::Key,
     false},
    {kNation,
     FieldKind::Text,
     u"国",
     u"国",
     30,
     4,
     {"Label1", 34, 5, 138, 16},
     {"ComboBox3", 34, 2, 128, 20},
     FieldLook::Plain,
     true},
    {kArea,
     FieldKind::Text,
     u"地域",
     u"地域",
     50,
     23,
     {"Label2", 34, 24, 138, 16},
     {"ComboBox4", 34, 22, 128, 20},
     FieldLook::Plain,
     true},
    {kName,
     FieldKind::Text,
     u"クエスト",
     u"クエスト",
     150,
     47,
     {"Label3", 52, 48, 404, 16},
     {"Edit3", 50, 44, 300, 20},
     FieldLook::Title,
     false},
    {kPlace,
     FieldKind::Text,
     u"場所",
     u"場所",
     150,
     87,
     {"Label4", 36, 88, 342, 16},
     {"Edit4", 50, 86, 300, 20},
     FieldLook::Note,
     false},
    {kCondition,
     FieldKind::Text,
     u"条件",
     u"条件",
     150,
     66,
     {"Label5", 36, 67, 342, 16},
     {"Edit5", 50, 65, 300, 20},
     FieldLook::Note,
     false},
    {kOffered,
     FieldKind::Flag,
     u"Offer",
     u"オファー",
     0,
     -1,
     {"CheckBox1", 175, 0, 100, 15},
     {"CheckBox4", 175, 0, 100, 15},
     FieldLook::Plain,
     false},
    {kCompleted,
     FieldKind::Flag,
     u"comp",
     u"コンプリート",
     0,
     -1,
     {"CheckBox2", 175, 14, 100, 15},
     {"CheckBox5", 175, 14, 100, 15},
     FieldLook::Plain,
     false},
    {kRepeatable,
     FieldKind::Flag,
     u"繰り返し",
     u"繰り返し可能",
     0,
     -1,
     {"CheckBox3", 175, 27, 100, 15},
     {"CheckBox6", 175, 27, 100, 15},
     FieldLook::Plain,
     false},
};

constexpr bool isFlagField(int field) {
    return field >= 0 && field < static_cast<int>(kQuestFieldCount) &&
           kQuestFields[field].kind == FieldKind::Flag;
}

namespace detail {
// The fields of the kind (same) or of every other kind (!same), in table order.
template <FieldKind kind, bool same> constexpr auto fieldsOf() {
    constexpr std::size_t count = [] {
        std::size_t n = 0;
        for (const FieldInfo& info : kQuestFields)
            n += (info.kind == kind) == same;
        return n;
    }();
    std::array<QuestField, count> fields{};
    std::size_t next = 0;
    for (const FieldInfo& info : kQuestFields)
        if ((info.kind == kind) == same)
            fields[next++] = info.field;
    return fields;
}
} // namespace detail

// The quest's texts and its progress flags, each in table order, as the table above says.
inline constexpr auto kTextFields = detail::fieldsOf<FieldKind::Text, true>();
inline constexpr auto kFlagFields = detail::fieldsOf<FieldKind::Flag, true>();
// Every field but the number that keys the quest, in table order.
inline constexpr auto kValueFields = detail::fieldsOf<FieldKind::Number, false>();

// A flag's place among the flags (0 for the first), for what keeps the flags alone.
constexpr std::size_t flagSlot(QuestField flag) {
    std::size_t slot = 0;
    while (slot < kFlagFields.size() && kFlagFields[slot] != flag)
        ++slot;
    return slot;
}

} // namespace korvane
