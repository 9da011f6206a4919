#pragma once
// The main window. It owns the quest data from its creation to its close and carries the logic in
// its event handlers, each named after its control and event; each handler is a few lines of glue
// over a unit of its layer.

#include "browser/StringGrid.h"
#include "browser/TextPanes.h"
#include "browser/TopBar.h"
#include "browser/ViewPane.h"
#include "calendar/ClockPanel.h"
#include "calendar/GameCalendar.h"
#include "editing/EditPane.h"
#include "editing/QuestEdits.h"
#include "store/LineFile.h"
#include "store/QuestTable.h"
#include "store/TextStore.h"
#include "web/WebPane.h"

#include <QMainWindow>
#include <QSplitter>
#include <QTimer>
#include <array>

namespace korvane {

struct AppPaths {
    QString dataFolder;   // the executable's folder
    QString settingsFile; // the executable's path with ".ini" added
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
    explicit TForm1(AppPaths paths, QWidget* parent = nullptr);
    ~TForm1() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void connectHandlers();
    template <class... Args> auto handler(void (TForm1::*method)(Args...));

    // Start-up and close
    void FormCreate();
    void FormShow();
    void FormClose();

    // The data files: read whole, checked for changes by other programs, read again on request
    QStringList loadData();
    void reloadData();
    void offerReload(const QStringList& changed, bool editRefused);
    void checkOutsideChanges();
    std::array<StoredList*, 4> dataLists() { return {&QuestList, &ContentStore, &RewardStore, &MemoStore}; }
    bool hasUnsavedInput() const;

    // Browsing
    void StringGrid1SelectCell(int ACol, int ARow);
    void StringGrid1MouseMove();
    void Memo2MouseMove();
    void Memo3MouseMove();
    void ComboBox1Change();
    void ComboBox2Change();
    void RadioGroup1Click();
    void RefillQuestGrid();
    void Button1Click();
    void Button6Click();
    void Button10Click();
    void runSearch(const QLineEdit* box, const QString& fileName);
    void showQuest(const std::string& number);
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
    void Button3Click();
    void openEditPane(bool forNewQuest);
    void closeEditPane();
    void showAfterModification(int row);
    std::string numberOnShow() const;
    QuestRecord composeRecord(const std::string& number);
    QuestTexts newQuestTexts();
    QuestTexts changedTexts();
    QuestData questData() { return {QuestList, ContentStore, RewardStore, MemoStore}; }

    // The web pane
    void Button11Click();
    void Edit7KeyDown(int Key);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void LoadUrlList();
    void ComboBox5Change();

    AppPaths paths_;
    Lines urlLines_; // the address list's lines, as ComboBox5 shows them
    QuestTable QuestList;
    TextStore ContentStore;
    TextStore RewardStore;
    TextStore MemoStore;

    std::vector<FileStamp> declinedReload_; // the files as they were when a reload was declined
    bool checkQueued_ = false;
    const QLineEdit* lastSearchBox_ = nullptr; // the search that filled the grid, if one did
    QString lastSearchFile_;

    StringGrid* StringGrid1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QSplitter* Splitter2 = nullptr;
    QWidget* Panel2 = nullptr;
    QTimer* Timer2 = nullptr;
    CivilDateTime pcTime_;
};

} // namespace korvane
