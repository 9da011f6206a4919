#pragma once
// Typing that could not be saved (the window was ended by the system, or the files changed outside
// while a pane was open) is kept as a draft: a plain UTF-8 text in the user's settings folder, never
// in the data folder, which may be synced. A draft is offered at the next start on its folder.

#include "store/DataFolder.h"

#include <QString>
#include <optional>
#include <string>

namespace korvane {

// What was typed: a memo, a new quest's pane, or a quest's pane being modified.
enum class DraftKind { Memo, NewQuest, QuestChange };

struct Draft {
    QString folder;     // the checklist it was typed for
    std::string number; // the quest
    DraftKind kind = DraftKind::Memo;
    QString text; // as typed: a memo's text, or a pane's fields one a line
    bool operator==(const Draft&) const = default;
};

// What the player is told a draft is: "メモ", "新規クエスト", "クエストの修正".
QString draftKindText(DraftKind kind);

// Where the draft of folder is kept: a file of its own for each checklist.
QString draftPath(const UserFolders& user, const QString& folder);

// Writes it atomically; throws an error naming the file when it cannot be written.
void keepDraft(const UserFolders& user, const Draft& draft);

// The draft kept for folder; none when there is none or it cannot be read.
std::optional<Draft> draftOf(const UserFolders& user, const QString& folder);

// The draft kept for folder, taken: it is offered once.
std::optional<Draft> takeDraft(const UserFolders& user, const QString& folder);

// The draft this run keeps of typing not saved, every few seconds, so that a kill or a power loss
// costs at most those: written when the typing changed, and gone once the typing was saved or let
// go. Only its own: a draft another run left for a checklist is still to be offered.
class KeptDraft {
public:
    // Throws an error naming the file when it cannot be written.
    void keep(const UserFolders& user, std::optional<Draft> typed);
    void drop(const UserFolders& user);

private:
    std::optional<Draft> kept_;
};

// Once offered, the draft is no longer offered; its text stays in a file beside it, named in the
// return value, until the player removes it.
QString setDraftAside(const UserFolders& user, const QString& folder);

} // namespace korvane
