#pragma once
// Taking in an updated quest list from another data folder while keeping the player's progress.
// Matched by quest number, the key in every file:
//   a quest in both takes the other set's nation, area, name, place, condition, content and
//   reward, and keeps its own three flags and memo;
//   a quest only in the other set comes in with its texts, its flags all "0", and its memo if the
//   other set has one (the player had none);
//   a quest only in mine stays as it is.
// The four files are written by the one writer in the usual order, each after the change check and
// with its backup kept, so that an import is undone by restoring the backups.

#include "QuestEdits.h"

#include <QStringList>
#include <memory>

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
// its message.
std::unique_ptr<ImportSet> readImportSet(const QString& folder);

enum class ImportKind { Added, Changed, Unchanged, KeptMine };

struct ImportedQuest {
    std::string number;
    std::string name; // the quest name it will have
    ImportKind kind = ImportKind::Unchanged;
    QStringList changes; // of a changed quest: "国", "地域", "クエスト", "場所", "条件", "内容", "報酬"
};

struct ImportPreview {
    std::vector<ImportedQuest> quests; // in number order
    int added = 0, changed = 0, unchanged = 0, keptMine = 0;
};

// What the import would do; nothing is written.
ImportPreview previewImport(const QuestData& mine, const ImportSet& theirs);

// Writes the import. The other set's lines are moved, not copied, so it is left empty.
void applyImport(const QuestData& mine, ImportSet& theirs);

} // namespace korvane
