#pragma once
// The window's status bar: the counts of the quests on show, what was last done, a backup that
// could not be kept, other PCs that have the folder open, the character whose checklist is open,
// and the buttons for the history, the overview, the journal and the import.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace korvane {

class EditHistory;

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    // The counts of the rows on show.
    void showCounts(const QString& text);
    // What was said of a checklist goes with it.
    void forgetSaid();
    // The characters' drop-down and menu button, for the prompts that run them.
    QComboBox* characterList() const { return ComboBox6; }
    QToolButton* characterMenu() const { return SpeedButton4; }

    // What the last action did, with the time: a message belongs to its action.
    void say(const QString& what);
    void showCharacter(const QString& name);
    // The quests set aside that the filters leave out (or list, while shown); after a search,
    // nothing: a search lists them with the rest.
    void showSetAside(std::size_t count, bool shown, bool searching);
    // The backup that could not be kept, until one is kept again.
    void showBackupFailure();
    // The other PCs that have the folder open; none: nothing shown.
    void showOtherPcs(const QStringList& names);
    // 元に戻す and やり直し as the history stands, their tooltips naming the step.
    void showHistory(const EditHistory& history);

signals:
    void undoAsked();
    void redoAsked();
    void progressAsked();
    void journalAsked();
    void importAsked();
    void setAsideShownAsked(bool shown); // 見送り N 件 pressed down, or up

private:
    QLabel* Label29;           // the character whose checklist is on show
    QLabel* Label18;           // counts of the rows on show
    QToolButton* SpeedButton6; // 見送り N 件: the quests set aside shown for a moment, or not
    QLabel* Label19;           // what was last done, and when
    QLabel* Label20;           // a backup that could not be kept
    QLabel* Label22;           // other PCs that have the folder open too
    QComboBox* ComboBox6;      // the characters: the one open, its folder as the tooltip
    QToolButton* SpeedButton4; // キャラクター: new, add a folder, rename, take off the list
    QPushButton* Button14;     // 元に戻す
    QPushButton* Button15;     // やり直し
    QPushButton* Button12;     // 進捗
    QPushButton* Button16;     // 記録
    QPushButton* Button13;     // 取り込み…
};

} // namespace korvane
