#pragma once
// Merging a sync tool's conflict copy into its data file, quest by quest and field by field:
//   a difference only one PC made (told against a common earlier version, the backup that explains
//   the most differences) takes that PC's;
//   where that cannot be told, a progress flag set on either PC is set, memos that differ keep both
//   texts (this PC's first, then the other's under a line naming the copy's date), and every other
//   field and text keeps this PC's unless the player picks the other's;
//   a quest that only one side has is kept, and so is a text only one side has; a text that holds
//   the other's already stays, one that the other's lines go on from takes the other's;
//   a copy in which no line names a quest is no copy of that file: named, and left out whole.
// Invariants, each checked by the fuzz target: every line of this PC's file stays unless the common
// version shows that the other PC changed or deleted it (and the plan then names it); no line is
// written that neither side wrote but the line between two memos; copies merged one after another
// give the files one preview gives, in any order, where the copies do not disagree among themselves.
// Which side is this PC's is for the caller to say: a sync tool may have put the other PC's version
// in the file and renamed this PC's into the copy. What is kept from either side is kept byte for
// byte; only a line the merge makes anew is written as an edit writes it. The copy's lines that
// name no quest (a number outside 0001–9999, a second line of one number) are named and left out.

#include "ConflictCopies.h"
#include "store/QuestData.h"
#include "store/Backups.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace korvane {

namespace merge {
struct Side;
}

// The data files as planning reads them, read once for every copy planned against them: by data
// file name, until that file is written.
using MergeCache = std::map<QString, std::shared_ptr<const merge::Side>>;

// The field of a difference in a text store: the quest's whole text.
constexpr int kWholeText = -1;

struct MergeDifference {
    enum class Rule {
        OnlyOther,       // only the other PC changed it: the other's
        OnlyThisPc,      // only this PC changed it: this PC's
        FlagSet,         // a flag both changed, or with no version to tell: set when either side set it
        BothMemos,       // memos both changed, or with no version to tell: both kept
        KeepThisPc,      // anything else: this PC's, unless the player picks the other's
        QuestOnlyOther,  // a quest only the other PC's version has: kept
        QuestOnlyThisPc, // a quest only this PC's version has, which the file lacks: kept
        TextOnlyOther,   // a text only the other PC's version has, with no version to tell: the other's
        TextExtended,    // the other's lines begin with this PC's, with no version to tell: the other's
    };
    std::string number;
    int field = kWholeText; // a QuestField of the table, or kWholeText
    // A field as stored; a text as its stored lines' texts, each followed by a line end; for a
    // quest only one side has, its name.
    std::string thisPc, other;
    Rule rule = Rule::KeepThisPc;
    bool takeOther = false; // the player's pick, for KeepThisPc
};

// A line of the copy that is not merged, and why.
struct LeftOutLine {
    std::string line;
    QString why;
};

struct MergePlan {
    MergePlan();
    ~MergePlan();
    MergePlan(MergePlan&&) noexcept;
    MergePlan& operator=(MergePlan&&) noexcept;

    ConflictCopy copy;
    bool copyIsThisPcs = false; // the copy holds this PC's version, the file the other PC's
    // The two sides as the player knows them: the one the rules keep ("この PC「desk」"; the file's
    // when this PC wrote neither), and the other one ("PC「laptop」").
    struct SideNames {
        QString mine = QStringLiteral("この PC");
        QString other = QStringLiteral("別の PC");
    } sides;
    bool notACopy = false; // no line of the copy names a quest: nothing of it is merged
    QString base;          // the backup the differences were told against; empty when none fitted
    std::vector<MergeDifference> differences;
    std::vector<LeftOutLine> leftOut;

    struct Versions; // both sides' units and the copy's lines, read once
    std::unique_ptr<Versions> versions;
};

// What merging the copy would do; nothing is written. earlier: the versions of the file this PC
// itself held (never one that arrived), oldest first, of which the common one is told; none for a
// copy far shorter than the file, which is cut, not a version to tell deletions by. Throws, naming
// the copy, when it cannot be read, is no regular file or is too large. cache, when given, keeps
// the file as read for the next copy: the caller forgets it once the file is written.
// copyLines: the copy as readConflictCopy read it ahead; read here when none.
MergePlan planMerge(const QuestData& files, const ConflictCopy& copy, const std::vector<KeptVersion>& earlier,
                    bool copyIsThisPcs = false, MergeCache* cache = nullptr,
                    std::optional<Lines> copyLines = std::nullopt);

// The copy's lines as its file holds them, refused as planMerge refuses them (a file put in its
// place since it was found is checked again, after the read, so that what was read is what was
// checked). Touches nothing shared: copies may be read on several threads at once.
// folderFacts: the data folder's, when read already.
Lines readConflictCopy(const ConflictCopy& copy,
                       const std::optional<platform::FileFacts>& folderFacts = std::nullopt);

// The same on lines already read: file as its list holds it, copyLines as planMerge reads them, and
// earlier versions of the file given one at a time, newest first, by nextEarlier (false when
// there is none left).
using EarlierVersion = std::function<bool(QString& name, Lines& lines)>;
// fileSide, when given, is file as read for an earlier copy.
MergePlan planMergeOf(const Lines& file, Lines copyLines, const EarlierVersion& nextEarlier,
                      const ConflictCopy& copy, bool copyIsThisPcs = false,
                      std::shared_ptr<const merge::Side> fileSide = nullptr);

// What the merge makes of the file's lines, in ranges to replace, for applyMerge and the tests.
std::vector<LineRange> mergeRanges(const LineList& file, const MergePlan& plan);

// Writes the merge through the one safe path, then moves the copy into backup/. step, when given,
// receives what the merge changed, the copy's move included, so that an undo brings it back.
void applyMerge(const QuestData& files, const MergePlan& plan, EditStep* step = nullptr);

// The same for copies of one data file planned against the same lines, in one save: no quest is
// in two of them (mergedQuests tells).
void applyMerges(const QuestData& files, const std::vector<const MergePlan*>& plans,
                 EditStep* step = nullptr);

// The quests a plan writes, ascending.
std::vector<std::string> mergedQuests(const MergePlan& plan);

// The player's picks of one plan, carried to a plan of the same copy made again.
void carryPicks(const MergePlan& from, MergePlan& to);

} // namespace korvane
