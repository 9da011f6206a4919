#pragma once
// One line of the journal as it is stored: comma text in code page 932, the time in UTC
// ("2026-12-09T08:15:03Z"), the quest number, what happened, the PC's name, and, when the player
// did not do it directly, what did (元に戻す, やり直し, 取り込み, 統合).

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

enum class JournalKind : std::uint8_t {
    Offered,
    OfferedCleared,
    Completed,
    CompletedCleared,
    Memo,
    Added,
    Modified,
    Deleted,
    SetAside,
    TakenBack
};
enum class JournalCause : std::uint8_t { Player, Undo, Redo, Import, Merge };

// The words the file stores, in UTF-8, one per kind and cause in the enums' order, and what the
// window calls each kind. The stored words are the file's own, never a caption of the window: a
// journal written years ago reads the same whatever the window calls things now. A new kind is one
// row here.
struct JournalKindWord {
    JournalKind kind;
    const char* word;        // as stored
    const char16_t* caption; // as the window shows it
};
inline constexpr JournalKindWord kJournalKindWords[] = {
    {JournalKind::Offered, "オファー", u"オファー"},
    {JournalKind::OfferedCleared, "オファー解除", u"オファー解除"},
    {JournalKind::Completed, "コンプリート", u"コンプリート"},
    {JournalKind::CompletedCleared, "コンプリート解除", u"コンプリート解除"},
    {JournalKind::Memo, "メモ", u"メモ"},
    {JournalKind::Added, "追加", u"追加"},
    {JournalKind::Modified, "修正", u"修正"},
    {JournalKind::Deleted, "削除", u"削除"},
    {JournalKind::SetAside, "見送り", u"見送り"},
    {JournalKind::TakenBack, "見送り解除", u"見送り解除"}};
struct JournalCauseWord {
    JournalCause cause;
    const char* word;
};
inline constexpr JournalCauseWord kJournalCauseWords[] = {{JournalCause::Player, ""},
                                                          {JournalCause::Undo, "元に戻す"},
                                                          {JournalCause::Redo, "やり直し"},
                                                          {JournalCause::Import, "取り込み"},
                                                          {JournalCause::Merge, "統合"}};
inline constexpr int kJournalKinds = static_cast<int>(std::size(kJournalKindWords));
inline constexpr int kJournalCauses = static_cast<int>(std::size(kJournalCauseWords));

constexpr bool journalWordsInOrder() {
    for (std::size_t i = 0; i < std::size(kJournalKindWords); ++i)
        if (static_cast<std::size_t>(kJournalKindWords[i].kind) != i)
            return false;
    for (std::size_t i = 0; i < std::size(kJournalCauseWords); ++i)
        if (static_cast<std::size_t>(kJournalCauseWords[i].cause) != i)
            return false;
    return true;
}
static_assert(journalWordsInOrder(), "one row per kind and cause, in the enums' order");

struct JournalEvent {
    std::uint16_t number = 0; // 1 to 9999
    JournalKind kind = JournalKind::Modified;
    bool operator==(const JournalEvent&) const = default;
};

struct JournalEntry {
    std::int64_t time = 0; // seconds since the epoch
    std::uint16_t number = 0;
    JournalKind kind = JournalKind::Modified;
    JournalCause cause = JournalCause::Player;
    std::uint16_t pc = 0; // Journal::pcName
};

// What the window calls a kind and a cause (empty for the player's own).
QString journalKindText(JournalKind kind);
QString journalCauseText(JournalCause cause);

// A quest number as the files store it: "0042".
std::string questNumberText(std::uint16_t number);

// One journal line as it is stored, without its line end; "" for an entry it cannot hold.
std::string journalLine(const JournalEntry& entry, std::string_view pcName);
// The entry a line's fields hold, with the PC's name in place of its index; none when they hold
// no journal line.
struct ReadJournalLine {
    JournalEntry entry;
    std::string_view pcName;
};
std::optional<ReadJournalLine> readJournalLine(const std::vector<std::string_view>& fields);
// The line's time as it sorts: its first field when that is a time, otherwise empty.
std::string_view journalLineTime(std::string_view line);
// The PC's name a stored line gives, as stored; empty when it gives none.
std::string journalLinePc(std::string_view line);

} // namespace korvane
