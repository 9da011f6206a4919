#pragma once
// What to do about a data folder that other programs change while Korvane runs (a sync tool
// bringing another PC's edits, a text editor): a look at the folder, and the next step for it.
// Nothing is read again while the player is busy; a file a sync tool renamed away for a moment is
// looked at again before it is said, and one that stays gone is never read as an empty list, which
// would drop the only copy left (on Windows a folder in use cannot go, but its files can); files
// the player chose not to read again stay unread.

#include "store/FileStamp.h"

#include <QStringList>
#include <vector>

namespace korvane {

// What a look at the data folder found.
struct FolderLook {
    bool folderThere = true;
    bool idle = true;         // no pane open, no typing unsaved, no box on screen
    bool fileMissing = false; // a data file this copy read or wrote is not there
    QStringList changed;      // the data files another program changed since this copy read or wrote them
    std::vector<FileStamp> now;
    QString renamedTo = {}; // the folder, gone, is there under its name in another Unicode form
};

enum class WatchStep {
    FolderGone,    // the folder vanished or moved: the player chooses where the checklist goes
    FolderRenamed, // its name was written in another Unicode form (a sync tool's rename): followed
    FilesGone,     // data files it held stay gone: said like a folder that is gone, never read as empty
    LookLater,     // the player is busy, or a file is missing for a moment: look again in a second
    ReadAgain,     // read the files again, then offer new conflict copies
    KeepDeclined,  // the player declined to read these very files again: nothing more
    OfferCopies,   // nothing changed: offer new conflict copies
};

class WatchPolicy {
public:
    static constexpr int kMissingLooks = 5;
    static constexpr int kSettleMs = 300; // a sync tool writes a file in several steps
    static constexpr int kLaterMs = 1000;

    WatchStep next(const FolderLook& look);
    // The player declined to read the files as they are now.
    void declined(std::vector<FileStamp> files) { declined_ = std::move(files); }
    // The files were read: whatever was declined is past.
    void filesRead() { declined_.clear(); }

private:
    int missingLooks_ = 0;
    std::vector<FileStamp> declined_;
};

} // namespace korvane
