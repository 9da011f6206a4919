// The main window on a folder that a sync tool, or any other program, changes while Korvane runs:
// the files are read again as soon as the window is idle, and conflict copies are merged.

#include "TForm1.h"

#include "Startup.h"

#include "ErrorBox.h"
#include "editing/ConflictDialog.h"
#include "store/UiText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

namespace korvane {

// The folder itself, since sync tools replace a file by renaming another over it, and the files,
// which some programs write in place.
void TForm1::watchFolder() {
    watcher_ = new QFileSystemWatcher(this);
    watcher_->addPath(paths_.dataFolder);
    folderSettles_ = new QTimer(this);
    folderSettles_->setSingleShot(true);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, handler(&TForm1::folderChanged));
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, handler(&TForm1::folderChanged));
    connect(folderSettles_, &QTimer::timeout, this, handler(&TForm1::lookAtFolder));
    watchDataFiles();
}

void TForm1::watchDataFiles() {
    QStringList files;
    for (StoredList* list : dataLists())
        if (QFileInfo::exists(list->path()) && !watcher_->files().contains(list->path()))
            files << list->path();
    if (!files.isEmpty())
        watcher_->addPaths(files);
}

// A sync tool writes a file in several steps: the folder is looked at once it has been still a moment.
void TForm1::folderChanged() {
    folderSettles_->start(300);
}

// Idle: nothing typed and unsaved, no pane open, no box or list open.
bool TForm1::idle() const {
    return !ScrollBox2->isVisible() && unsavedQuestion(Discards::Everything).isEmpty() &&
           !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

// Files other programs changed are read again, keeping the filters and the quest on show; then new
// conflict copies are offered for merging, against the files as they are now (the sync tool may have
// put the other PC's version in place and renamed ours). While the player is busy this waits.
void TForm1::lookAtFolder() {
    if (!folderStillThere()) {
        if (!QApplication::activeModalWidget())
            return folderGone();
        folderSettles_->start(1000); // said once the box on screen is answered
        return;
    }
    watchDataFiles(); // a file replaced by a rename is watched anew
    lookForOtherPcs();
    if (!idle()) {
        folderSettles_->start(1000);
        return;
    }
    if (!readOutsideChanges())
        return; // the player kept what is on show: a merge now would write over the files unread
    offerConflictCopies();
}

// Whether memory now equals the files.
bool TForm1::readOutsideChanges() {
    // A sync tool settling a conflict renames our file away before it moves theirs in: a missing file
    // is looked at again a few times before it is said.
    const auto lists = dataLists();
    if (std::any_of(lists.begin(), lists.end(),
                    [](const StoredList* list) { return !QFileInfo::exists(list->path()); }) &&
        ++missingLooks_ < 5) {
        folderSettles_->start(1000);
        return false;
    }
    missingLooks_ = 0;
    QStringList changed;
    std::vector<FileStamp> now;
    QDateTime when;
    for (StoredList* list : dataLists()) {
        now.push_back(FileStamp::take(list->path()));
        if (!list->unchangedOnDisk()) {
            changed << QFileInfo(list->path()).fileName();
            when = std::max(when, QFileInfo(list->path()).lastModified());
        }
    }
    if (changed.isEmpty())
        return true;
    if (now == declinedReload_)
        return false;
    reloadData();
    sayInStatusBar(QStringLiteral("%1 を読み直しました (他のプログラムによる変更 %2)")
                       .arg(changed.join(QStringLiteral("、")), when.toString(QStringLiteral("HH:mm"))));
    return true;
}

// Every conflict copy found at one look in one preview, and the merge when the player takes it;
// "後で" leaves the copies to the next start. A copy that holds what the file holds only goes to
// backup/. Which version is this PC's is told by what this Korvane wrote, not by which file holds it.
void TForm1::offerConflictCopies() {
    FoundCopies found = findConflictCopies(paths_.dataFolder);
    QStringList said;
    for (const QString& refusal : found.refused)
        if (offeredCopies_.insert(refusal).second)
            said << refusal;
    std::vector<MergePlan> plans;
    for (const ConflictCopy& copy : found.copies) {
        if (!offeredCopies_.insert(copy.path).second)
            continue;
        StoredList& file = listOf(copy.dataFile);
        try {
            MergePlan plan =
                planMerge(questData(), copy, file.wroteVersion(copy.path) && !file.wroteVersion(file.path()));
            if (plan.differences.empty() && plan.leftOut.empty())
                applyMerge(questData(), plan); // the same lines: the copy only goes to backup/
            else
                plans.push_back(std::move(plan));
        } catch (const KorvaneError& error) {
            said << error.message();
        }
    }
    if (plans.empty()) {
        if (!said.isEmpty())
            showWarningBox(said.join(QLatin1Char('\n')), QStringLiteral("ConflictRefused"));
        return;
    }
    ConflictDialog preview(plans, said, this);
    const bool merge = preview.exec() == QDialog::Accepted;
    if (!preview.vanished().isEmpty()) {
        for (const MergePlan& plan : plans)
            offeredCopies_.erase(plan.copy.path); // the rest is offered again at the next look
        showWarningBox(QStringLiteral("競合コピー %1 がなくなりました（別の PC で統合されたようです）。"
                                      "何も書き込んでいません。")
                           .arg(QDir::toNativeSeparators(preview.vanished())),
                       QStringLiteral("ConflictVanished"));
        return;
    }
    if (merge)
        mergeCopies(plans);
}

// Each copy is its own step of the history; a copy of a file an earlier one merged is planned
// again against the file as it now is, keeping the player's picks.
void TForm1::mergeCopies(std::vector<MergePlan>& plans) {
    const std::string shown = shown_.number;
    std::set<QString> merged;
    showingStored(
        [&] {
            for (MergePlan& plan : plans) {
                if (merged.contains(plan.copy.dataFile)) {
                    MergePlan again = planMerge(questData(), plan.copy, plan.copyIsThisPcs);
                    carryPicks(plan, again);
                    plan = std::move(again);
                }
                EditStep step;
                applyMerge(questData(), plan, &step);
                record(std::move(step), QStringLiteral("競合の統合 (%1)").arg(plan.copy.dataFile), shown);
                merged.insert(plan.copy.dataFile);
            }
        },
        [&] { showAsFilesAre(shown); });
    QStringList names(merged.begin(), merged.end());
    sayInStatusBar(QStringLiteral("%1 の競合コピーを統合しました").arg(names.join(QStringLiteral("、"))));
}

StoredList& TForm1::listOf(const QString& dataFile) {
    for (StoredList* list : dataLists())
        if (QFileInfo(list->path()).fileName() == dataFile)
            return *list;
    return QuestList;
}

// The announcement is refreshed, so that the other PCs know this one still has the folder.
void TForm1::Timer3Timer() {
    if (!folderStillThere())
        return lookAtFolder();
    claim_->announcement.write();
    lookForOtherPcs();
}

// A PC that opens the folder while this one has it (both opened it within the sync tool's delay,
// say) is said once in a box, and in the status bar while it has it.
void TForm1::lookForOtherPcs() {
    if (!claim_)
        return;
    const std::vector<OtherPc> others = otherPcsIn(paths_.dataFolder, claim_->announcement.me());
    QStringList names, arrived;
    std::set<QString> files;
    for (const OtherPc& other : others) {
        names << (other.name.isEmpty() ? QFileInfo(other.file).fileName() : other.name);
        files.insert(other.file);
        if (!otherPcsSeen_.contains(other.file))
            arrived << describeOtherPc(other);
    }
    Label22->setText(
        names.isEmpty()
            ? QString()
            : QStringLiteral("別の PC「%1」でも開いています").arg(names.join(QStringLiteral("」「"))));
    Label22->setVisible(!names.isEmpty());
    if (!arrived.isEmpty() && QApplication::activeModalWidget()) {
        folderSettles_->start(1000); // said once the box on screen is answered
        return;
    }
    otherPcsSeen_ = files;
    if (arrived.isEmpty())
        return;
    arrived << QString()
            << QStringLiteral("同じデータを二つの Korvane で同時に開くと、互いの編集を上書きします。"
                              "どちらか一方を閉じてください。");
    showWarningBox(arrived.join(QLatin1Char('\n')), QStringLiteral("OtherPcArrived"));
}

} // namespace korvane
