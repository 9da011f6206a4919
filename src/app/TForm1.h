#pragma once
// The main window. It owns the quest data from its creation to its close and carries the logic in
// its event handlers, each named after its control and event; each handler is a few lines of glue
// over a unit of its layer.

#include "ErrorBox.h"
#include "WindowState.h"
#include "browser/ProgressDialog.h"
#include "browser/StringGrid.h"
#include "browser/TextPanes.h"
#include "browser/TopBar.h"
#include "browser/ViewPane.h"
#include "calendar/ClockPanel.h"
#include "calendar/GameCalendar.h"
#include "editing/EditPane.h"
#include "editing/MergePlan.h"
#include "editing/QuestEdits.h"
#include "store/LineFile.h"
#include "store/Presence.h"
#include "store/QuestTable.h"
#include "store/TextStore.h"
#include "web/WebPane.h"

#include <QMainWindow>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <array>
#include <set>

class QFileSystemWatcher;

namespace korvane {

struct AppPaths {
    QString dataFolder;   // the executable's folder, the folder given, or the user's folder
    QString settingsFile; // the executable's path with ".ini" added, or korvane.ini in the data folder
};

class TForm1 : public QMainWindow,
               private TopBarControls,
               private ClockControls,
               private ViewPaneControls,
               private EditPaneControls,
               private TextPaneControls,
               private WebPaneControls {
    Q_OBJECT
public:
    // claim: this PC's lock of the folder and its announcement, kept while the window lives; none
    // when the caller keeps the folder otherwise.
    explicit TForm1(AppPaths paths, std::unique_ptr<FolderClaim> claim = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Shows the window as it was left: maximised, or at its remembered place and size.
    void showAsRemembered();
    // What the history of edits keeps, in bytes.
    std::size_t historyBytes() const;

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

    // The data files: read whole, checked for changes by other programs, read again on request
    QStringList loadData();
    void reloadData();
    void Button13Click();
    void offerReload(const QStringList& changed, bool editRefused);
    std::array<StoredList*, 4> dataLists() { return {&QuestList, &ContentStore, &RewardStore, &MemoStore}; }

    // Typed text that is not saved: asked about before anything throws it away. Another quest
    // shown while the edit pane stays open throws away the editors' text only.
    enum class Discards { Editors, Everything };
    bool settleTyping(Discards what);
    QString unsavedQuestion(Discards what) const;
    void saveTyping();
    void rememberPaneFields();
    bool mayLeaveRow();

    // Browsing
    void StringGrid1SelectCell(int ACol, int ARow);
    void StringGrid1MouseMove();
    void Memo2MouseMove();
    void Memo3MouseMove();
    void ComboBox1Change();
    void ComboBox2Change();
    void RadioGroup1Click();
    void RefillQuestGrid();
    // The filter controls as the grid last showed them, put back when a change is cancelled.
    void rememberFilter();
    void restoreFilter();
    void Button1Click();
    void Button6Click();
    void Button10Click();
    void runSearch(const QLineEdit* box, const StoredList& file);
    void showSearch(const QLineEdit* box, const StoredList& file, const QString& text);
    void showQuest(const std::string& number);
    // The grid as the files now are (the search again when its results were on show, the filters
    // otherwise), with the quest that was on show.
    void showAsFilesAre(const std::string& number);

    // What the window says of progress: the status bar, the overview
    void updateStatusBar();
    void Button12Click();
    void applyOverviewFilter(const OverviewChoice& choice);
    void sayInStatusBar(const QString& what);
    void showBackupFailure();
    void fitGridColumns(const std::vector<QuestRecord>& rows);

    // Keys, and what the window remembers between runs
    void setUpKeys();
    void findKey();
    void saveKey();
    void Splitter1Moved();
    void restoreWindowState();
    void fitGridToWindow();
    void saveWindowState();
    void clearDetailView();

    // The clock
    void Timer2Timer();
    void UpdateGameClock();

    // Editing
    void CheckBox1MouseUp();
    void CheckBox2MouseUp();
    void CheckBox3MouseUp();
    void storeFlag(QuestField field, FlagBox* box);
    void Memo3Change();
    void Button2Click();
    void Button5Click();
    void ComboBox3Change();
    void Button4Click();
    void Button7Click();
    void CleanEditFields();
    void Button8Click();
    void Button9Click();
    void applyModification();
    void Button3Click();
    void openEditPane(bool forNewQuest);
    void closeEditPane();
    void showAfterModification(int row);
    QuestRecord shownRecord();
    QuestRecord composeRecord(const std::string& number);
    QuestTexts newQuestTexts();
    QuestTexts changedTexts();
    QuestData questData() { return {QuestList, ContentStore, RewardStore, MemoStore}; }

    // A folder that other programs change while Korvane runs: read again when idle, conflicts merged
    void watchFolder();
    void watchDataFiles();
    void folderChanged();
    bool idle() const;
    void lookAtFolder();
    bool readOutsideChanges();
    void offerConflictCopies();
    void mergeCopies(std::vector<MergePlan>& plans);
    StoredList& listOf(const QString& dataFile);
    // The data folder vanished or moved: the player chooses where the checklist goes.
    bool folderStillThere() const;
    void folderGone();
    bool writeChecklistTo(const QString& folder);
    // Other PCs that open the folder while this one has it: said at once, and while they have it.
    void Timer3Timer();
    void lookForOtherPcs();

    // The history: undo and redo of every edit
    void record(EditStep step, const QString& what, const std::string& number);
    template <class Edit, class Show> void showingStored(Edit&& edit, Show&& show);
    void Button14Click();
    void Button15Click();
    void undoKey();
    void redoKey();
    void stepThroughHistory(bool back);
    void showStep(const std::string& number, const EditStep* step);
    bool changedInPlace(const EditStep& step) const;
    void redrawShownQuest(const EditStep& step);
    void historyChanged();

    // The web pane
    void Button11Click();
    void Edit7KeyDown(int Key);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void LoadUrlList();
    void ComboBox5Change();

    // The quest on show in the detail view: its number (empty: none) and its line in QuestList.
    struct QuestOnShow {
        std::string number;
        std::optional<std::size_t> line;
    };
    QuestOnShow shown_;
    std::string paneNumber_; // the quest number the edit pane stores under

    AppPaths paths_;
    std::unique_ptr<FolderClaim> claim_;
    std::set<QString> otherPcsSeen_; // their announcements, as at the last look
    FileStamp folderIdentity_;       // the data folder as it was opened
    bool folderGoneChosen_ = false;  // the player chose to close on a vanished folder
    Lines urlLines_;                 // the address list's lines, as ComboBox5 shows them
    QuestTable QuestList;
    TextStore ContentStore;
    TextStore RewardStore;
    TextStore MemoStore;

    std::vector<FileStamp> declinedReload_; // the files as they were when a reload was declined
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* folderSettles_ = nullptr;
    std::set<QString> offeredCopies_;          // conflict copies offered in this run, and refusals said
    int missingLooks_ = 0;                     // looks in a row that found a data file missing
    bool gridWidthChosen_ = false;             // by dragging the handle, in this run or the last one
    const QLineEdit* lastSearchBox_ = nullptr; // the search that filled the grid, if one did
    const StoredList* lastSearchFile_ = nullptr;
    QString lastSearchText_;

    struct FilterShown {
        DropDown::State nation, area;
        int progress = 4;
    };
    FilterShown filterShown_;
    QStringList paneFields_; // the edit pane's text fields as it opened

    std::optional<WindowState> remembered_;
    int webHeight_ = 0; // the web pane's height, kept from one opening to the next

    StringGrid* StringGrid1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* Label18 = nullptr;       // counts of the rows on show
    QLabel* Label19 = nullptr;       // what was last done, and when
    QLabel* Label20 = nullptr;       // a backup that could not be kept, until one is again
    QLabel* Label21 = nullptr;       // the data folder, its full path as the tooltip
    QLabel* Label22 = nullptr;       // other PCs that have the folder open too
    QPushButton* Button12 = nullptr; // 進捗
    QPushButton* Button13 = nullptr; // 取り込み…
    QPushButton* Button14 = nullptr; // 元に戻す
    QPushButton* Button15 = nullptr; // やり直し
    QUndoStack* history_ = nullptr;
    QSplitter* Splitter1 = nullptr;
    QSplitter* Splitter2 = nullptr;
    QWidget* Panel2 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr; // refreshes this PC's announcement
    CivilDateTime pcTime_;
};

// Each handler runs through the one error path; a data file changed by another program offers a
// reload instead of an error box.
// Runs an edit and then shows what the files hold: also when the edit stopped part-way, whose
// error then still reaches the error box; the lists then hold changes no step of the history knows,
// so its steps no longer fit and it is emptied.
template <class Edit, class Show> void TForm1::showingStored(Edit&& edit, Show&& show) {
    try {
        edit();
    } catch (const PartlySavedError&) {
        history_->clear();
        show();
        throw;
    }
    show();
}

template <class F> void TForm1::guarded(F&& work) {
    runHandler(std::forward<F>(work),
               [this](const FileChangedError& error) { offerReload({error.path()}, true); });
    showBackupFailure();
}

template <class... Args> auto TForm1::handler(void (TForm1::*method)(Args...)) {
    return [this, method](Args... args) { guarded([&] { (this->*method)(args...); }); };
}

} // namespace korvane
