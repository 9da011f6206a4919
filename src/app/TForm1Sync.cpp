// The main window on a folder that a sync tool, or any other program, changes while Korvane runs:
// the files are read again as soon as the window is idle, and conflict copies are merged.

#include "TForm1.h"

#include "editing/ConflictDialog.h"
#include "store/UiText.h"

#include <QApplication>
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
    watchDataFiles(); // a file replaced by a rename is watched anew
    if (!idle()) {
        folderSettles_->start(1000);
        return;
    }
    if (!readOutsideChanges())
        return; // the player kept what is on show: a merge now would write over the files unread
    for (const ConflictCopy& copy : findConflictCopies(paths_.dataFolder))
        if (!offeredCopies_.contains(copy.path)) {
            offeredCopies_.insert(copy.path);
            offerMerge(copy);
        }
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

// The preview of a merge, and the merge when the player takes it; "後で" leaves the copy to the next
// start.
void TForm1::offerMerge(const ConflictCopy& copy) {
    MergePlan plan = planMerge(questData(), copy);
    if (plan.differences.empty()) {
        EditStep nothing;
        applyMerge(questData(), plan, &nothing); // the same file: the copy only goes to backup/
        return;
    }
    if (ConflictDialog(plan, this).exec() != QDialog::Accepted)
        return;
    const std::string shown = shown_.number;
    showingStored(
        [&] {
            EditStep step;
            applyMerge(questData(), plan, &step);
            record(std::move(step), QStringLiteral("競合の統合 (%1)").arg(copy.dataFile), shown);
        },
        [&] {
            RefillQuestGrid();
            showQuest(shown);
        });
    sayInStatusBar(QStringLiteral("%1 の競合コピーを統合しました").arg(copy.dataFile));
}

} // namespace korvane
