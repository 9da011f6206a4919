// The main window's hold on its checklist's files: reading them, reading them again, taking in
// another set, and stepping through the history, each shown as the files then are.

#include "TForm1.h"

#include "ArrivalPrompt.h"
#include "Startup.h"

#include "ErrorBox.h"
#include "editing/ChecklistMove.h"
#include "editing/ImportDialog.h"
#include "editing/QuestImport.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/PlayerChecklists.h"
#include "store/UiText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

namespace korvane {

// Reads the four files, and lists the table in the grid in file order, but for the quests set
// aside; the files that do not exist.
QStringList TForm1::loadChecklist() {
    const auto listRows = [&] {
        const QuestTable& table = checklist_->QuestList();
        const SetAsideList& aside = checklist_->SetAside();
        view_.rows.clear();
        view_.setAsideLeftOut = 0;
        for (std::size_t line = 0; line < table.goodLines(); ++line)
            if (leftOutAsSetAside(table.shapes()[line], &aside, view_.showSetAside))
                ++view_.setAsideLeftOut;
            else
                view_.rows.push_back(line);
        StringGrid1->setRows(view_.rows, view_.row = view_.rowWithin(view_.row));
    };
    QStringList missing;
    try {
        settleShortArrivals(*checklist_, this);
        missing = checklist_->load();
    } catch (...) {
        listRows(); // what loaded before the failure is shown
        throw;
    }
    fitQuestColumns(*StringGrid1, checklist_->QuestList());
    listRows();
    updateStatusBar();
    return missing;
}

// Reads every file again and redraws the window as it was, on the same quest when it is still there;
// typing not saved is put back over it (or kept as a draft), also when a file is missing now.
void TForm1::reloadKeepingTyping(bool settleFirst) {
    if (settleFirst && !settleTyping(Discards::Everything))
        return prompts_->keepShown();
    const std::optional<Draft> typed = typedDraft(view_, checklist_->folder(), *ScrollBox2, *texts_);
    const std::string shown = view_.questOnShow;
    showPane(ViewState::Pane::View);
    QStringList missing;
    try {
        missing = loadChecklist();
    } catch (...) {
        showRow(view_.row);
        throw;
    }
    showAsFilesAre(shown);
    if (typed)
        putBackTyping(*typed);
    if (!missing.isEmpty())
        throw errors::missing(missing);
}

void TForm1::showChecklist(const QString& folder) {
    if (!settleTyping(Discards::Everything))
        return;
    std::optional<std::unique_ptr<FolderClaim>> claim = claimLike(checklist_->claim(), folder);
    if (!claim)
        return;
    const std::string shown = view_.questOnShow;
    leftHistories_[sameFolder(checklist_->folder())] = checklist_->leaveHistory();
    checklist_->close(UserFolders::fromEnvironment());
    openChecklist(folder, std::move(*claim), shown);
}

void TForm1::moveChecklistTo(const QString& main, const QString& to) {
    if (!settleTyping(Discards::Everything))
        return;
    const QString folder = sameFolder(checklist_->folder());
    const std::string shown = view_.questOnShow;
    const std::optional<ThisPc> me =
        checklist_->claim() ? std::optional(checklist_->claim()->announcement.me()) : std::nullopt;
    Checklist::LeftHistory history = checklist_->leaveHistory();
    checklist_->close(UserFolders::fromEnvironment());
    checklist_->letGo();
    ChecklistMoved moved{main, {}};
    std::optional<KorvaneError> failed;
    try {
        moved =
            moveChecklist(main, to, UserFolders::fromEnvironment(), QCoreApplication::applicationDirPath());
    } catch (const KorvaneError& error) {
        failed = error;
    }
    const QString now = movedFolder(folder, main, moved.to);
    followMove(leftHistories_, main, moved.to);
    leftHistories_[now] = std::move(history);
    std::unique_ptr<FolderClaim> claim = me ? claimDataFolder(now, *me) : nullptr;
    const bool quit = me && !claim; // the player chose to end at the question of other PCs
    openChecklist(now, std::move(claim), shown);
    if (quit)
        return (void)QTimer::singleShot(0, this, &QWidget::close);
    if (failed)
        throw *failed;
    if (!moved.left.isEmpty())
        showWarningBox(
            QStringLiteral(
                "チェックリストは %1 に移りました。もとのフォルダ %2 は別のプログラムが使っているため"
                "消せませんでした。Korvane のほかのウィンドウやエディタを閉じてから消してください")
                .arg(QDir::toNativeSeparators(moved.to), QDir::toNativeSeparators(moved.left)),
            QStringLiteral("MoveLeftOld"));
}

// The checklist in folder shown in place of the one closed, as the filters leave it, on the quest
// that was on show when it is there, with the undo it had when it was left this run.
void TForm1::openChecklist(const QString& folder, std::unique_ptr<FolderClaim> claim,
                           const std::string& shown) {
    StatusBar1->forgetSaid();
    auto next = std::make_unique<Checklist>(folder, std::move(claim));
    if (next->claim())
        next->rememberWritten(UserFolders::fromEnvironment());
    StringGrid1->setSource(&next->QuestList().lines());
    StringGrid1->setSetAside(&next->SetAside());
    checklist_ = std::move(next);
    view_.showSetAside = false; // each character's list starts as the filters leave it
    place_.dataFolder = checklist_->folder();
    rememberOpened(checklist_->folder());
    characters_->showing(checklist_.get()); // the one left is another character now
    Panel9->useUrlList(characters_->favourites());
    showPane(ViewState::Pane::View);
    prompts_->watch(checklist_.get());
    QStringList missing;
    guarded([&] { missing = loadChecklist(); });
    if (const auto left = leftHistories_.find(sameFolder(checklist_->folder()));
        left != leftHistories_.end()) {
        checklist_->resumeHistory(std::move(left->second));
        leftHistories_.erase(left);
    }
    StatusBar1->showHistory(checklist_->history());
    showAsFilesAre(shown);
    if (!missing.isEmpty())
        showErrorBox(errors::missing(missing).message());
}

// Asks for the folder, reads it by the start-up rules, shows what would change, and writes only
// when the player takes it; then shows the table as it was, on the same quest.
void TForm1::Button13Click() {
    if (!settleTyping(Discards::Everything))
        return;
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("取り込むデータのフォルダ"), QDir::homePath(),
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return;
    const std::unique_ptr<ImportSet> theirs = readImportSet(folder);
    std::set<std::string> leftOut;
    std::size_t taken = 0; // the quests it adds or changes
    {                      // the preview is let go before the import writes: a full one is a few megabytes
        ImportDialog preview(folder, previewImport(checklist_->data(), *theirs), this);
        if (preview.exec() != QDialog::Accepted)
            return;
        leftOut = preview.leftOut();
        taken = static_cast<std::size_t>(preview.counts().added + preview.counts().changed) - leftOut.size();
    }
    const std::string shown = view_.questOnShow;
    showingStored(
        [&] {
            checklist_->applyImport(*theirs, leftOut, QStringLiteral("取り込み (%1 件)").arg(taken), shown);
        },
        [&] {
            showPane(ViewState::Pane::View);
            fitQuestColumns(*StringGrid1, checklist_->QuestList()); // the import may bring nations
            showAsFilesAre(shown);
        });
    StatusBar1->say(QStringLiteral("取り込み (%1 件) を保存しました").arg(taken));
}

// The step is written back first (see EditHistory); then the window shows the files as they now
// are, under the same filters (or the same search), with the step's quest on show, listed even
// where the filter would hide it. A step that changed lines in place (a tick, a memo, a
// modification) redraws what it changed, as the edit itself did.
void TForm1::stepThroughHistory(bool back) {
    if (!(back ? checklist_->history().canUndo() : checklist_->history().canRedo()) ||
        !settleTyping(Discards::Everything))
        return;
    Checklist& list = *checklist_;
    const EditHistory::Step* step = nullptr;
    try {
        step = &list.step(back);
    } catch (const FileChangedError&) {
        throw; // nothing written: the offer to read the files again
    } catch (const KorvaneError&) {
        showPane(ViewState::Pane::View); // what the files hold, also after a step that stopped part-way
        showAsFilesAre(view_.questOnShow);
        throw;
    }
    const std::string& number = step->number;
    const StepWrote wrote = list.wroteBy(step->edit);
    if (step->edit.inPlace())
        for (const LineRange& range : wrote.tableLines)
            StringGrid1->linesChanged(range.first, range.count);
    else
        showAsFilesAre(number);
    const std::optional<std::size_t> line = list.QuestList().find(number);
    if (line && view_.listLine(*line))
        StringGrid1->setRows(view_.rows, view_.row = view_.rowWithin(view_.row));
    updateStatusBar();
    if (step->edit.inPlace() && view_.questOnShow == number && line &&
        view_.lineAt(view_.row, checklist_->QuestList().lines().size()) == line) {
        // What the step changed of the quest on show is shown anew: its fields and boxes, and each
        // text whose store it wrote.
        ScrollBox1->showQuest(Quest::fromRecord(list.QuestList().recordOf(number)));
        for (const QuestText which : kQuestTexts)
            if (const auto at = static_cast<std::size_t>(which); wrote.texts[at])
                texts_->showText(which, list.textStores()[at]->readText(number));
        ScrollBox1->offerMemoSave(texts_->memoTyped());
    } else {
        showQuest(number);
    }
    StatusBar1->say(
        (back ? QStringLiteral("元に戻しました: %1") : QStringLiteral("やり直しました: %1")).arg(step->name));
}

} // namespace korvane
