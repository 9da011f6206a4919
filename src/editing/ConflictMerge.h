#pragma once
// One checklist on several PCs: when two PCs changed a data file before the sync tool brought them
// together, the tool keeps one version and renames the other into a conflict copy beside it. Korvane
// finds those copies and merges them into its files, quest by quest and field by field:
//   a difference only one side made (told against a common earlier version, the backup that
//   explains the most differences) takes that side;
//   where that cannot be told, a progress flag set on either side is set, memos that differ keep
//   both texts (this PC's first, then the copy's under a line naming its date), and every other
//   field and text keeps this PC's version unless the player picks the copy's;
//   a quest that only one side has is kept.
// The merged file is written by the one safe path; the copy then goes into backup/, so its bytes
// stay and it is not offered again. Nothing is ever deleted.

#include "QuestEdits.h"

#include <QDateTime>
#include <memory>

namespace korvane {

// A conflict copy a sync tool left beside a data file.
struct ConflictCopy {
    QString path;     // the copy
    QString dataFile; // the data file it is another version of: "クエスト.csv", …
    QString tool;     // "Syncthing", "Nextcloud", "Dropbox"
    QDateTime made;   // as its name says, or its modification time
};

// The copy that name is, in folder, when it is a conflict copy of one of the four data files.
std::optional<ConflictCopy> conflictCopyNamed(const QString& folder, const QString& name);

// The conflict copies of the data files in folder, oldest first.
std::vector<ConflictCopy> findConflictCopies(const QString& folder);

// One difference between this PC's file and the copy, and how it is settled.
struct MergeDifference {
    enum class Rule {
        OnlyTheirs, // only the copy changed it: the copy's
        OnlyMine,   // only this PC changed it: this PC's
        FlagSet,    // a flag both changed, or with no version to tell: set when either side set it
        BothMemos,  // memos both changed, or with no version to tell: both kept
        KeepMine,   // anything else: this PC's, unless the player picks the copy's
        AddTheirs,  // a quest only the copy has: kept
    };
    std::string number;
    QString what; // "国", "地域", "クエスト", "場所", "条件", "オファー", …, "内容", "報酬", "メモ"
    std::string mine, theirs; // a field as stored; a text as its count of lines
    bool isText = false;
    Rule rule = Rule::KeepMine;
    bool takeTheirs = false; // the player's pick, for KeepMine
};

struct MergePlan {
    MergePlan();
    ~MergePlan();
    MergePlan(MergePlan&&) noexcept;
    MergePlan& operator=(MergePlan&&) noexcept;

    ConflictCopy copy;
    QString base; // the backup the differences were told against; empty when none fitted
    std::vector<MergeDifference> differences;

    struct Versions; // the copy's lines and the base's, read once
    std::unique_ptr<Versions> versions;
};

// What merging the copy would do; nothing is written. Throws when the copy cannot be read.
MergePlan planMerge(const QuestData& mine, const ConflictCopy& copy);

// Writes the merge through the one safe path, then moves the copy into backup/. step, when given,
// receives what the merge changed.
void applyMerge(const QuestData& mine, const MergePlan& plan, EditStep* step = nullptr);

} // namespace korvane
