#pragma once
// A checklist per character. A new character's checklist is made from the one on show: its quests,
// contents and rewards, with what a character did (offered, completed, set aside) cleared and no
// memo, or all of it as it is. The other characters' progress of a quest is read from their quest tables:
// read only, when first needed, and again once their file changes.

#include "Checklist.h"
#include "store/PlayerChecklists.h"

#include <memory>

namespace korvane {

enum class NewCharacter {
    Fresh,    // the quests, contents and rewards; nothing offered or completed; no memo
    FullCopy, // every file as it is
};

// Writes the new checklist into folder (made when missing), from the lists in memory, which are
// what the files hold; the favourites too. Refused when folder holds a checklist already. Whether
// a quest can be repeated is the quest's, not the character's: it stays.
void makeCharacterChecklist(Checklist& from, const QString& folder, NewCharacter how);

class OtherCharacters {
public:
    // The player's other checklists; what was read of one still listed is kept.
    void setCharacters(std::vector<ChecklistEntry> others);

    struct Progress {
        QString name;
        bool hasQuest = false; // its table could be read and holds the quest
        bool offered = false, completed = false;
    };
    // Each other character's progress of the quest, in the list's order.
    std::vector<Progress> progressOf(std::string_view number);

    struct Tables {
        QString name;
        const QuestTable* table;
        const SetAsideList* aside; // what it set aside; empty when its file cannot be read
        QString journal;           // its journal's path
    };
    // Each other character's table and quests set aside as their files now are; one whose table
    // cannot be read is left out.
    std::vector<Tables> tables();

private:
    struct Other {
        ChecklistEntry entry;
        std::unique_ptr<QuestTable> table; // none while its file could not be read
        FileStamp read;                    // the file as it was read
        std::unique_ptr<SetAsideList> aside;
        FileStamp asideRead = FileStamp::unknown();
    };
    void refresh(Other& other);

    std::vector<Other> others_;
};

} // namespace korvane
