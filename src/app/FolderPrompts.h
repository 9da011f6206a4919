#pragma once
// The window's watch on its checklist's folder, and what it asks and says about it: changes that
// other programs make are read again once the player is idle; conflict copies are offered in one
// preview. Other PCs that open the folder are said by OtherPcsPrompts, and a folder that vanished
// is placed again by placeVanishedChecklist. The rules are the checklist's; this is the talking.

#include "StatusBar.h"
#include "editing/Checklist.h"

#include <QObject>
#include <functional>

class QFileSystemWatcher;
class QTimer;

namespace korvane {
class OtherPcsPrompts;
}

namespace korvane {

class FolderPrompts : public QObject {
public:
    // What the watch needs of the window that shows the checklist.
    struct Window {
        QWidget* widget = nullptr; // the boxes' parent; closed when the player chooses so
        StatusBar* status = nullptr;
        std::function<bool()> busy;           // a handler runs, a pane is open, or typing is not saved
        std::function<bool()> settleTyping;   // asks before typing is thrown away; false: cancelled
        std::function<void()> readAgain;      // reads the files again, showing what was on show
        std::function<void()> showAsFilesAre; // shows what was on show, as the files now are
        std::function<std::string()> questOnShow;
    };

    FolderPrompts(Window window, QObject* parent);

    // Watches the checklist's folder, from now on (again after it moved, or for another checklist).
    void watch(Checklist* checklist);
    // Looks at the folder once it has been still for ms.
    void lookSoon(int ms);
    // Another program changed a data file: the offer to read the files again; an edit refused for
    // it says so.
    void offerReload(const QStringList& changed, bool editRefused);
    // The player chose to close on a folder that vanished: typing cannot be saved there.
    bool closingOnVanishedFolder() const { return closing_; }

private:
    template <class F> void guarded(F&& work);
    void watchFiles();
    void lookAtFolder();
    void offerConflictCopies();
    // The folder, or data files it held, vanished: memory holds the only copy left.
    void folderGone(const FolderLook& look);

    Window window_;
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
