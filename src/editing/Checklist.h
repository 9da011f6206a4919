#pragma once
// One checklist: a data folder's four lists and the quests its character set aside, read whole
// and written by the one safe path, with
// what belongs to them while they are open: the history of edits, the watch on the folder, the
// conflict copies sync tools leave, and this PC's lock and announcement. A window shows one
// checklist; showing another is replacing it.

#include "EditHistory.h"
#include "FolderWatch.h"
#include "QuestEdits.h"
#include "QuestJournal.h"
#include "store/DataFolder.h"
#include "sync/ConflictCopies.h"
#include "sync/KnownVersions.h"
#include "sync/MergePlan.h"
#include "sync/Presence.h"

#include <QDateTime>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <utility>

namespace korvane {

struct ImportSet;

// A data file another program replaced by one far shorter than this PC's own last version of it (a
// sync tool's cut file, an emptied one): not read as the checklist until the player chooses.
struct ShortArrival {
    QString path;
    std::size_t known = 0, arrived = 0; // lines
    FileStamp stamp;                    // the arrival as it was looked at
    QString knownPath;                  // this PC's version, outside the folder
};

// What an edit step wrote, for those who draw it again: the table's lines, and whether it wrote
// each text store (content, reward, memo).
struct StepWrote {
    std::vector<LineRange> tableLines;
    std::array<bool, 3> texts{};
};

class Checklist {
public:
    // The checklist in folder; nothing is read yet. claim: this PC's lock of the folder and its
    // announcement, held while the checklist lives; none when the caller keeps the folder otherwise.
    explicit Checklist(const QString& folder, std::unique_ptr<FolderClaim> claim = {});
    ~Checklist();
    Checklist(const Checklist&) = delete;
    Checklist& operator=(const Checklist&) = delete;

    // The four lists, to be read: they change only through the edits below.
    const QuestTable& QuestList() const { return quests_; }
    const TextStore& ContentStore() const { return contents_; }
    const TextStore& RewardStore() const { return rewards_; }
    const TextStore& MemoStore() const { return memos_; }
    const SetAsideList& SetAside() const { return aside_; }
    // The content, reward and memo stores, in that order.
    std::array<const TextStore*, 3> textStores() const { return {&contents_, &rewards_, &memos_}; }
    const QuestChains& Chains() const { return chains_; }
    QuestLists data() const { return {quests_, contents_, rewards_, memos_, aside_, chains_}; }
    // Every list bound to a file, in writing order.
    std::array<const StoredList*, 6> lists() const {
        return {&quests_, &contents_, &rewards_, &memos_, &aside_, &chains_};
    }

    const QString& folder() const { return folder_; }

    // Reads the four files and the quests set aside. The four files that are not there (each an
    // empty list the first edit creates; no file of quests set aside is nothing set aside). Throws what stops
    // the table or a store from loading, with what loaded before kept (QuestList.goodLines()). The history is
    // emptied.
    QStringList load();

    // The data files that arrived far shorter than this PC last read or wrote them. Only a file that
    // is not this PC's newest known version is read for it.
    std::vector<ShortArrival> shortArrivals();
    // Puts this PC's version back over the arrival, which goes to backup/; false, with nothing
    // written, when the file changed again since it was looked at. The files are to be read again.
    bool keepThisPcsVersion(const ShortArrival& arrival);
    // The arrival becomes this PC's newest version (this PC's last whole one is never let go); when
    // the file changed again since it was looked at, nothing.
    void takeArrival(const ShortArrival& arrival);
    // This PC's own versions of the files, outside the folder.
    const KnownVersions& known() const { return known_; }
    // Keeps the versions this PC wrote since the last call (an edit leaves them for a moment later,
    // so that it never waits for them); every reading of them calls it first.
    void flushKnown();

    // The one way an edit is applied: edit(data, step) writes its files through data and fills step,
    // which the history keeps as what (with the quest's number unless what names its own).
    // Each quest's events go into the journal: cause says what brought the edit about.
    template <class Edit>
    void apply(const QString& what, const std::string& number, Edit&& edit,
               JournalCause cause = JournalCause::Player) {
        EditStep step;
        history_.whileWriting([&] { edit(edits(), &step); });
        std::vector<JournalEvent> events = journalEventsOf(step, data(), cause);
        history_.record(std::move(step), number, stepName(what, number));
        rememberKnown();
        note(events, cause);
    }
    EditHistory& history() { return history_; }
    // The history of a checklist left for another character's, with its files as they were left,
    // taken up again when it comes back on show and its files are still those: each character
    // keeps its undo while the window is open.
    struct LeftHistory {
        EditHistory history;
        std::map<const StoredList*, QString> files; // which file each list the steps name is
        std::map<QString, FileStamp> left;          // each file as it was left
    };
    LeftHistory leaveHistory();
    void resumeHistory(LeftHistory left);
    const EditHistory& history() const { return history_; }
    // Undoes (back) or redoes the next step; a conflict copy it brings back is offered again.
    const EditHistory::Step& step(bool back);
    StepWrote wroteBy(const EditStep& edit) const;

    // A look at the folder, and what to do next about it.
    FolderLook look(bool idle) const;
    WatchPolicy& watch() { return watch_; }

    // The conflict copies not offered yet, planned against the files as they are; each copy that
    // holds the lines its file holds goes to backup/ at once. The journal's copies and those of the
    // quests set aside are merged at once, without a question. said: the copies refused or unreadable,
    // each said once.
    std::vector<MergePlan> newConflictCopies(QStringList& said);
    // Merges each copy as its own step; a copy of a file an earlier one merged is planned again
    // against the file as it now is, keeping the player's picks. number: the quest on show, which
    // an undo shows again. The data files merged.
    QStringList mergeCopies(std::vector<MergePlan>& plans, const std::string& number);
    // The copies are looked at afresh at the next look.
    void offerAgain(const std::vector<MergePlan>& plans);

    // Takes in another set of files as one step.
    void applyImport(ImportSet& theirs, const std::set<std::string>& leftOut, const QString& what,
                     const std::string& number);

    // The journal as its file now holds it: read when first asked for, and again once another PC
    // added to it.
    const Journal& journal();
    // The clock the journal's lines are stamped by (seconds since the epoch): the PC's own, unless
    // a test gives another.
    void setClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }
    QuestDates questDates(std::string_view number);
    // What could not be written to the journal since the last call (the edits themselves were);
    // and what was merged into it from a sync tool's conflict copy. Each said once.
    QString takeJournalFailure() { return std::exchange(journalFailure_, {}); }
    QString takeJournalMerge() { return std::exchange(journalMerge_, {}); }
    // What a merge of the quests set aside changed (a step of the history), said once.
    QString takeSetAsideMerge() { return std::exchange(setAsideMerge_, {}); }

    // Whether the folder is still the one that was opened (not deleted, renamed or replaced).
    bool folderStillThere() const;
    // Writes every list that loaded into folder, which then is the checklist's folder, locked and
    // announced as at start when the checklist was. Another folder that holds a checklist already
    // is refused; in its own folder, a file put back meanwhile is never written over: this PC's
    // version goes beside it as a conflict copy (true then), and the lists are read from what is
    // there. The history is emptied: its steps belong to the files that went.
    bool writeTo(const QString& folder);

    // The folder, the same one, has another name now (another Unicode form): its files are followed there.
    void followRename(const QString& folder);

    FolderClaim* claim() const { return claim_.get(); }
    // The folder is this PC's no more once closed: its lock let go, so that it can be moved.
    void letGo() { claim_.reset(); }
    // The other PCs that have the folder open now; none known without a claim.
    std::vector<OtherPc> otherPcs() const;
    // Refreshes this PC's announcement.
    void announce();

    // What this PC wrote last, as the user's settings remember it from the last run.
    void rememberWritten(const UserFolders& user);
    // At close: the announcement is removed and what this PC wrote is remembered for the next run.
    void close(const UserFolders& user);

private:
    QuestData edits() { return {quests_, contents_, rewards_, memos_, aside_, chains_}; }
    std::array<StoredList*, 6> editableLists() {
        return {&quests_, &contents_, &rewards_, &memos_, &aside_, &chains_};
    }
    static QString stepName(const QString& what, const std::string& number);
    void note(const std::vector<JournalEvent>& events, JournalCause cause);
    void sayRefused(const ConflictCopy& copy, const QString& why, QStringList& said);
    // Each side of a copy named by the PC that wrote it, as far as that is known.
    MergePlan::SideNames sideNames(const ConflictCopy& copy, bool fileIsThisPcs, bool copyIsThisPcs) const;
    void mergeCopiesOf(std::vector<MergePlan*> waiting, const std::string& number);
    void mergeJournalCopy(const ConflictCopy& copy);
    void mergeSetAsideCopy(const ConflictCopy& copy, QStringList& said);
    // The quests set aside merged with a copy's lines; copyPath, when given, goes to backup/.
    void settleSetAside(const Lines& copyLines, const QString& copyPath, QStringList& said);
    StoredList& listOf(const QString& dataFile);
    // Each data file this copy read or wrote since it last did so is kept as this PC's version.
    void rememberKnown();
    std::vector<KeptVersion> earlierVersions(const QString& dataFile) const;

    QuestTable quests_;
    TextStore contents_;
    TextStore rewards_;
    TextStore memos_;
    SetAsideList aside_;
    QuestChains chains_;
    QString folder_;
    FileStamp identity_; // the folder as it was opened
    std::unique_ptr<FolderClaim> claim_;
    EditHistory history_;
    WatchPolicy watch_;
    std::set<QString> offered_; // conflict copies offered, and refusals said
    Journal journal_;
    KnownVersions known_;
    std::map<QString, FileStamp> knownStamps_; // each file as it was last kept in known_
    std::set<QString> knownPending_;           // files written since, to keep
    bool swept_ = false;                       // unfinished saves removed
    std::function<std::int64_t()> clock_ = [] { return QDateTime::currentSecsSinceEpoch(); };
    std::vector<Lines> asideCopies_;   // copies of the quests set aside merged this run
    std::size_t asideJournalSeen_ = 0; // journal lines when they were last merged
    QString pcName_;
    QString journalFailure_, journalMerge_, setAsideMerge_;
};

} // namespace korvane
