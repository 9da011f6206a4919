#pragma once
// Taking in an updated quest list from another data folder while keeping the player's progress.
// Matched by quest number, the key in every file:
//   a quest in both takes the other set's nation, area, name, place, condition, content and
//   reward, and keeps its own three flags and memo;
//   a quest only in the other set comes in with its texts, its flags all "0", and its memo if the
//   other set has one (the player had none);
//   a quest only in mine stays as it is.
//   a player's memo line is never removed, even under a number the other set adds.
// The player may leave any quest out; it then stays exactly as it is (or is not added).
// The four files are written by the one writer in the usual order, each checked for outside changes
// just before it is written and each backed up, also when it stays the same: the four backups of an
// import share one time in their names, so that an import is undone by restoring them together.

#include "QuestEdits.h"

#include <QStringList>
#include <memory>
#include <set>

namespace korvane {

// The other set, read by the loaders and rules of start-up. Its memo file may be missing: memos
// are a player's own, and a shared list often comes without them. Only the memos of quests the
// player does not have are taken, so the memo file is read when the import writes, not before.
struct ImportSet {
    explicit ImportSet(const QString& folder);
    QuestTable table;
    TextStore content, reward, memo;
};

// The first file that does not load (or, for the memo file, cannot be read) ends the import with
// its message, and so do quest numbers past 9999, which no table can hold (they are named).
std::unique_ptr<ImportSet> readImportSet(const QString& folder);

enum class ImportKind { Added, Changed, Unchanged, KeptMine };

// One field or text of a changed quest, as the player has it and as it comes in: a field as
// stored (code page 932), a text by its count of lines.
struct ImportedChange {
    QString what; // "国", "地域", "クエスト", "場所", "条件", "内容", "報酬"
    std::string before, after;
    bool isText = false;
};

struct ImportedQuest {
    std::string number;
    std::string name; // the quest name it will have
    ImportKind kind = ImportKind::Unchanged;
    std::vector<ImportedChange> details; // each change, old and new (a text by its lines)
    bool renamed = false;                // its name changes: perhaps another quest under the number

    // What of a changed quest changes, by name: "クエスト", "内容".
    QStringList changes() const;
};

struct ImportPreview {
    std::vector<ImportedQuest> quests; // in number order
    int added = 0, changed = 0, unchanged = 0, keptMine = 0;
};

// What the import would do; nothing is written.
ImportPreview previewImport(const QuestLists& mine, const ImportSet& theirs);

// Writes the import but for the quests left out. The other set's lines are moved, not copied, so
// it is left empty.
void applyImport(const QuestData& mine, ImportSet& theirs, const std::set<std::string>& leftOut = {},
                 EditStep* step = nullptr);

} // namespace korvane
