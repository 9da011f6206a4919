#pragma once
// The main window. It shows one checklist (its data, history, watch and lock are the checklist's)
// and carries the logic in its event handlers, each named after its control and event; each
// handler is a few lines of glue over a unit of its layer. What it shows is one value, view_: the
// grid, the detail view and the panes are drawn from it, never read back from a widget.

#include "CharacterPrompts.h"
#include "ErrorBox.h"
#include "FolderPrompts.h"
#include "StatusBar.h"
#include "UnsavedTyping.h"
#include "WindowPlacement.h"
#include "browser/FilterBar.h"
#include "browser/QuestView.h"
#include "browser/SearchBar.h"
#include "browser/StringGrid.h"
#include "browser/TextPanes.h"
#include "browser/ViewState.h"
#include "calendar/ClockPanel.h"
#include "calendar/GameCalendar.h"
#include "editing/Checklist.h"
#include "editing/QuestEditor.h"
#include "web/WebPane.h"

#include <QMainWindow>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTimer>
#include <map>

namespace korvane {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // claim: this PC's lock of the folder and its announcement, kept while the checklist is shown;
    // none when the caller keeps the folder otherwise.
    explicit TForm1(DataPlace place, std::unique_ptr<FolderClaim> claim = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Shows the window as it was left: maximised, or at its remembered place and size.
    void showAsRemembered();
    const Checklist& checklist() const { return *checklist_; }
    // Ends as if closed, nothing asked: typing that is not saved is kept as a draft, offered at the
    // next start. For the system's request to end.
    void endQuietly();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void connectHandlers();
    template <class... Args> auto handler(void (TForm1::*method)(Args...));
    template <class F> void guarded(F&& work);

    // Start-up and close
    void FormCreate();
    void FormShow();
    void FormClose();

    // The data files: read whole, read again on request or when another program changed them
    QStringList loadChecklist();
    void Button13Click();
    // Shows another checklist (a character's) in place of this one: asked first about typing, and,
    // as at start, about other PCs that have it open; the filters and the quest on show stay.
    void showChecklist(const QString& folder);
    // Moves the player's whole checklist, main folder and characters, to another folder, the one on
    // show let go for the move and shown again where it then is.
    void moveChecklistTo(const QString& main, const QString& to);
    void openChecklist(const QString& folder, std::unique_ptr<FolderClaim> claim, const std::string& shown);

    // Typed text that is not saved: asked about before anything throws it away.
    bool settleTyping(Discards what);
    // TForm1Drafts.cpp: typing kept across a reload of the files and past the end of the program.
    void putBackTyping(const Draft& draft);
    // The files read again, typing kept across; settleFirst: asked about first, and the files kept
    // as shown when the player cancels.
    void reloadKeepingTyping(bool settleFirst);
    static constexpr int kDraftEveryMs = 5000; // Timer4: typing not saved kept as a draft

    // Browsing
    void StringGrid1SelectCell(int ACol, int ARow);
    // ComboBox1, ComboBox2 (nation: false) and RadioGroup1 changed.
    void filterChanged(bool nation);
    void RefillQuestGrid();
    void runSearch(SearchIn in, const QString& text);
    // 見送り N 件: the quests set aside listed for a moment, or left out again.
    void SpeedButton6Click(bool shown);
    // The one redraw after the files changed (a reload, undo, redo, a merge, an import): the grid
    // as view_ says (the search again when its results were on show, the filters otherwise), with
    // the quest number on show when the grid lists it.
    void showAsFilesAre(std::string number);
    void showQuest(const std::string& number);
    void showRow(int row);

    // What the window says of progress: the status bar, the overview
    void updateStatusBar();
    void Button12Click();

    void setUpKeys();

    // Editing
    // CheckBox1–3 MouseUp: the flag ticked or cleared in the view pane.
    void storeFlag(QuestField field, bool byMouse);
    void Memo3Change();
    void Button2Click();
    void Button5Click();
    void Button4Click();
    void Button7Click();
    void Button8Click();
    // confirmFirst: the player is asked first, unless a question about the typing named the quest.
    void Button9Click(bool confirmFirst);
    void Button3Click();
    // 見送り and its key: the quest on show set aside, or taken back.
    void Button25Click();
    void showPane(ViewState::Pane pane);

    // The history: undo and redo of every edit
    // Button14 (back) and Button15.
    void stepThroughHistory(bool back);

    // The web pane
    void Button11Click();

    // TForm1Journal.cpp
    void showQuestDates();
    void Button16Click();

    DataPlace place_;
    std::unique_ptr<Checklist> checklist_;
    // Each character left keeps its undo, by folder, until it comes back on show.
    std::map<QString, Checklist::LeftHistory> leftHistories_;
    ViewState view_;

    std::optional<WindowPlacement> placement_;
    bool endingQuietly_ = false; // the system asked the program to end
    KeptDraft typingKept_;       // Timer4's
    QTimer* Timer4 = nullptr;

    QFrame* Panel1 = nullptr;        // the top bar
    QPushButton* Button5 = nullptr;  // New Quest
    QPushButton* Button11 = nullptr; // Web pane
    FilterBar* filters_ = nullptr;
    SearchBar* searches_ = nullptr;
    StringGrid* StringGrid1 = nullptr;
    QuestView* ScrollBox1 = nullptr;
    QuestEditor* ScrollBox2 = nullptr;
    TextPanes* texts_ = nullptr;
    WebPane* Panel9 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QSplitter* Splitter2 = nullptr;
    QWidget* Panel2 = nullptr;
    GameClock* clock_ = nullptr;
    FolderPrompts* prompts_ = nullptr;
    CharacterPrompts* characters_ = nullptr;
};

// Each handler runs through the one error path; a data file changed by another program offers a
// reload instead of an error box. Whatever happened, the status bar then shows the history and a
// backup that could not be kept.
template <class F> void TForm1::guarded(F&& work) {
    const QScopedValueRollback<int> handling(view_.handling, view_.handling + 1);
    runHandler(std::forward<F>(work),
               [this](const FileChangedError& error) { prompts_->offerReload({error.path()}, true); });
    StatusBar1->showBackupFailure();
    StatusBar1->showHistory(checklist_->history());
    runHandler([this] {
        showQuestDates();
        if (const QString failure = checklist_->takeJournalFailure(); !failure.isEmpty())
            StatusBar1->say(failure);
        if (const QString merge = checklist_->takeJournalMerge(); !merge.isEmpty())
            StatusBar1->say(merge);
    });
}

template <class... Args> auto TForm1::handler(void (TForm1::*method)(Args...)) {
    return [this, method](Args... args) { guarded([&] { (this->*method)(args...); }); };
}

// Runs an edit, and then shows what the files hold; also when the edit stopped part-way, whose
// error then goes on to the error box.
template <class Edit, class Show> void showingStored(Edit&& edit, Show&& show) {
    try {
        edit();
    } catch (const PartlySavedError&) {
        show();
        throw;
    }
    show();
}

} // namespace korvane
