#pragma once
// The window's status bar: the counts of the quests on show, what was last done, a backup that
// could not be kept, other PCs that have the folder open, the folder itself, and the buttons for
// the history, the overview and the import.

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace korvane {

class EditHistory;

class StatusBar : public QStatusBar {
public:
    explicit StatusBar(QWidget* parent);

    // What the last action did, with the time: a message belongs to its action.
    void say(const QString& what);
    // The backup that could not be kept, until one is kept again.
    void showBackupFailure();
    // The other PCs that have the folder open; none: nothing shown.
    void showOtherPcs(const QStringList& names);
    void showFolder(const QString& folder);
    // 元に戻す and やり直し as the history stands, their tooltips naming the step.
    void showHistory(const EditHistory& history);

    QLabel* Label18;       // counts of the rows on show
    QLabel* Label19;       // what was last done, and when
    QLabel* Label20;       // a backup that could not be kept
    QLabel* Label22;       // other PCs that have the folder open too
    QLabel* Label21;       // the data folder, its full path as the tooltip
    QPushButton* Button14; // 元に戻す
    QPushButton* Button15; // やり直し
    QPushButton* Button12; // 進捗
    QPushButton* Button13; // 取り込み…
};

} // namespace korvane
