#pragma once
// The window's watch on its checklist's folder, and what it asks and says about it: changes that
// other programs make are read again once the player is idle; conflict copies are offered in one
// preview. Other PCs that open the folder are said by OtherPcsPrompts, and a folder that vanished
// is placed again by placeVanishedChecklist. The rules are the checklist's; this is the talking.

#include "StatusBar.h"
#include "UnsavedTyping.h"
#include "editing/Checklist.h"

#include <QObject>

class QFileSystemWatcher;
class QTimer;

namespace korvane {
class OtherPcsPrompts;
}

namespace korvane {

class FolderPrompts : public QObject {
    Q_OBJECT
public:
    // window: the boxes' parent, closed when the player chooses so. What the window shows (view,
    // editor, texts) tells whether the player is busy, and the quest a merge keeps on show.
    FolderPrompts(QWidget* window, StatusBar* status, const ViewState& view, const QuestEditor& editor,
                  const TextPanes& texts, QObject* parent);

    // Watches the checklist's folder, from now on (again after it moved, or for another checklist).
    void watch(Checklist* checklist);
    // Looks at the folder once it has been still for ms.
    void lookSoon(int ms);
    // Another program changed a data file: the offer to read the files again; an edit refused for
    // it says so.
    void offerReload(const QStringList& changed, bool editRefused);
    // The files as they are were not read again: the player kept what is on show.
    void keepShown();
    // The player chose to close on a folder that vanished: typing cannot be saved there.
    bool closingOnVanishedFolder() const { return closing_; }

signals:
    // The files to be read again, keeping the quest on show; settleFirst: asking first about typing
    // that would be thrown away, and keeping what is shown when the player cancels.
    void readAgainAsked(bool settleFirst);
    // The files changed under what is shown: shown anew as they are.
    void filesChanged();

private:
    template <class F> void guarded(F&& work);
    void watchFiles();
    void lookAtFolder();
    void offerConflictCopies();
    // The folder, or data files it held, vanished: memory holds the only copy left.
    void folderGone(const FolderLook& look);

    QWidget* window_;
    StatusBar* status_;
    const ViewState& view_;
    const QuestEditor& editor_;
    const TextPanes& texts_;
    Checklist* checklist_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* settles_ = nullptr;
    QTimer* patrol_ = nullptr; // whether the folder at the path is still the one opened
    static constexpr int kPatrolMs = 2000;
    OtherPcsPrompts* others_ = nullptr;
    bool closing_ = false;
    bool looking_ = false; // a look is on, perhaps in a box's event loop
};

} // namespace korvane
