#include "FolderPrompts.h"

#include "ErrorBox.h"
#include "OtherPcsPrompts.h"
#include "Startup.h"
#include "VanishedFolder.h"
#include "editing/ConfirmBox.h"
#include "editing/ConflictDialog.h"
#include "store/Errors.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScopedValueRollback>
#include <QTimer>

namespace korvane {

FolderPrompts::FolderPrompts(QWidget* window, StatusBar* status, const ViewState& view,
                             const QuestEditor& editor, const TextPanes& texts, QObject* parent)
    : QObject(parent), window_(window), status_(status), view_(view), editor_(editor), texts_(texts),
      settles_(new QTimer(this)), patrol_(new QTimer(this)) {
    settles_->setSingleShot(true);
    connect(settles_, &QTimer::timeout, this, [this] { guarded([this] { lookAtFolder(); }); });
    // A watch follows the folder it was set on, wherever a rename takes it: a folder put in its
    // place is seen by what is at the path now.
    connect(patrol_, &QTimer::timeout, this, [this] {
        if (checklist_ && !checklist_->folderStillThere() && !settles_->isActive())
            lookSoon(0);
    });
    patrol_->start(kPatrolMs);
    others_ = new OtherPcsPrompts(
        status_, [this](const std::function<void()>& work) { guarded(work); }, this);
    connect(others_, &OtherPcsPrompts::lookLaterAsked, this, [this] { lookSoon(WatchPolicy::kLaterMs); });
    connect(others_, &OtherPcsPrompts::folderGone, this, [this] { guarded([this] { lookAtFolder(); }); });
}

template <class F> void FolderPrompts::guarded(F&& work) {
    runHandler(std::forward<F>(work),
               [this](const FileChangedError& error) { offerReload({error.path()}, true); });
}

// The folder itself, since sync tools replace a file by renaming another over it, and the files,
// which some programs write in place.
void FolderPrompts::watch(Checklist* checklist) {
    checklist_ = checklist;
    delete watcher_;
    watcher_ = new QFileSystemWatcher(this);
    watcher_->addPath(checklist_->folder());
    const auto changed = [this] { settles_->start(WatchPolicy::kSettleMs); };
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    watchFiles();
    others_->watch(checklist_);
}

// Each file as it is now: a watch follows the file it was set on, and after a save renamed a new
// file over the name, that is the old version, kept in backup/ by its second name.
void FolderPrompts::watchFiles() {
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    QStringList files;
    for (const StoredList* list : checklist_->lists())
        if (QFileInfo::exists(list->path()))
            files << list->path();
    if (!files.isEmpty())
        watcher_->addPaths(files);
}

void FolderPrompts::lookSoon(int ms) {
    settles_->start(ms);
}

// Files other programs changed are read again, keeping the filters and the quest on show; then new
// conflict copies are offered, against the files as they are now (the sync tool may have put the
// other PC's version in place and renamed ours). While the player is busy this waits.
void FolderPrompts::lookAtFolder() {
    // A look that comes while a box of this watch is open (its event loop runs) waits for it.
    if (looking_)
        return lookSoon(WatchPolicy::kLaterMs);
    const QScopedValueRollback<bool> looking(looking_, true);
    const bool boxOnScreen = QApplication::activeModalWidget() || QApplication::activePopupWidget();
    const FolderLook look = checklist_->look(!playerBusy(view_, editor_, texts_) && !boxOnScreen);
    if (look.folderThere) {
        watchFiles(); // a file replaced by a rename, this PC's own saves too, is watched anew
        others_->look();
    }
    switch (checklist_->watch().next(look)) {
    case WatchStep::FolderRenamed:
        checklist_->followRename(look.renamedTo);
        if (checklist_->claim())
            rememberOpened(checklist_->folder());
        watch(checklist_);
        return lookSoon(0);
    case WatchStep::FolderGone:
    case WatchStep::FilesGone:
        if (boxOnScreen)
            return lookSoon(WatchPolicy::kLaterMs); // said once the box on screen is answered
        return folderGone(look);
    case WatchStep::LookLater:
        return lookSoon(WatchPolicy::kLaterMs);
    case WatchStep::KeepDeclined:
        return; // the player kept what is on show: a merge now would write over the files unread
    case WatchStep::ReadAgain: {
        QStringList names;
        QDateTime when;
        for (const QString& path : look.changed) {
            names << QFileInfo(path).fileName();
            when = std::max(when, QFileInfo(path).lastModified());
        }
        emit readAgainAsked(false);
        status_->say(QStringLiteral("%1 を読み直しました (他のプログラムによる変更 %2)")
                         .arg(names.join(QStringLiteral("、")), when.toString(QStringLiteral("HH:mm"))));
        break;
    }
    case WatchStep::OfferCopies:
        break;
    }
    offerConflictCopies();
}

// Every conflict copy found at one look in one preview, and the merge when the player takes it;
// "後で" leaves the copies to the next start.
void FolderPrompts::offerConflictCopies() {
    QStringList said;
    std::vector<MergePlan> plans = checklist_->newConflictCopies(said);
    // The journal's copies are merged without a question: the union keeps every line; and so are
    // those of the quests set aside, the journal deciding where the two versions part.
    if (const QString merged = checklist_->takeJournalMerge(); !merged.isEmpty())
        status_->say(merged);
    if (const QString merged = checklist_->takeSetAsideMerge(); !merged.isEmpty()) {
        emit filesChanged();
        status_->say(merged);
    }
    if (plans.empty()) {
        if (!said.isEmpty())
            showWarningBox(said.join(QLatin1Char('\n')), QStringLiteral("ConflictRefused"));
        return;
    }
    ConflictDialog preview(plans, said, window_);
    const bool merge = preview.exec() == QDialog::Accepted;
    if (!preview.vanished().isEmpty()) {
        checklist_->offerAgain(plans); // the rest is offered at the next look
        showWarningBox(QStringLiteral("競合コピー %1 がなくなりました（別の PC で統合されたようです）。"
                                      "何も書き込んでいません。")
                           .arg(QDir::toNativeSeparators(preview.vanished())),
                       QStringLiteral("ConflictVanished"));
        return;
    }
    if (!merge)
        return;
    QStringList merged;
    try {
        merged = checklist_->mergeCopies(plans, view_.questOnShow);
    } catch (const KorvaneError&) {
        emit filesChanged(); // what the files hold, also after a merge that stopped part-way
        throw;
    }
    emit filesChanged();
    status_->say(QStringLiteral("%1 の競合コピーを統合しました").arg(merged.join(QStringLiteral("、"))));
}

void FolderPrompts::offerReload(const QStringList& changed, bool editRefused) {
    checklist_->history().clear(); // its steps no longer fit the files
    QStringList lines;
    for (const QString& path : changed)
        lines << QStringLiteral("ファイル %1 は Korvane の外で変更されています。")
                     .arg(QDir::toNativeSeparators(path));
    // A refused edit cannot be saved until the files are read again: its typing is kept across.
    if (editRefused)
        lines << QStringLiteral("この編集はどのファイルにも保存していません。");
    lines << QStringLiteral("Korvane はその変更を上書きしません。ファイルを読み込み直しますか？");
    if (editRefused && playerBusy(view_, editor_, texts_))
        lines << QStringLiteral("（入力していた内容は読み直したあとも残します）");
    if (confirm(lines.join(QLatin1Char('\n')), window_)) {
        emit readAgainAsked(!editRefused);
        return;
    }
    keepShown();
}

void FolderPrompts::keepShown() {
    std::vector<FileStamp> now;
    for (const StoredList* list : checklist_->lists())
        now.push_back(FileStamp::take(list->path()));
    checklist_->watch().declined(std::move(now));
}

// Memory holds the only copy of the checklist left: the window stays as it is, and the player
// chooses where the checklist goes.
void FolderPrompts::folderGone(const FolderLook& look) {
    const std::optional<QString> target = placeVanishedChecklist(*checklist_, look, window_);
    if (!target) {
        closing_ = true;
        window_->close();
        return;
    }
    if (checklist_->claim())
        rememberOpened(checklist_->folder());
    watch(checklist_);
    emit filesChanged(); // files put back meanwhile were read, this PC's version beside them
    status_->say(
        QStringLiteral("チェックリストを %1 に書き出しました").arg(QDir::toNativeSeparators(*target)));
    offerConflictCopies();
}

} // namespace korvane
