#pragma once
// Start-up steps that come before the main window: which folder holds the data, and taking it.

#include "TForm1.h"
#include "store/FolderLock.h"

#include <QStringList>
#include <optional>

namespace korvane {

// The data folder and the settings file for the program's arguments and the executable's path: the
// folder given (`korvane FOLDER`), the executable's own, or for an installed program the user's
// folder, made and filled with the sample set on the first start. A folder given that does not
// exist, or a folder that cannot be made, is said in the error box and gives nothing.
std::optional<AppPaths> dataPaths(const QStringList& arguments, const QString& programFile);

// Takes the data folder for this copy. When another copy holds it, or seems to (a copy on another
// PC, whose lock a sync tool brought; a process of this PC that may not be Korvane on this
// folder), asks the player, naming the PC, the process and since when: 開く takes the lock over,
// 終了 gives nothing, and this copy then ends without touching a data file.
std::optional<FolderLock> claimDataFolder(const QString& folder);

} // namespace korvane
