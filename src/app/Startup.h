#pragma once
// Start-up steps that come before the main window: which folder holds the data, and taking it.

#include "store/DataFolder.h"
#include "store/PlayerChecklists.h"
#include "sync/Presence.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace korvane {

// The data folder and the settings file for the folder given (`korvane FOLDER`) and the
// executable's path; an installed program's folder in the user's home is made, and filled with the
// sample set on the user's first start. What went wrong is said in the error box, and gives nothing.
std::optional<DataPlace> dataPaths(const std::optional<QString>& folder, const QString& programFile,
                                   const UserFolders& user = UserFolders::fromEnvironment());

// Remembers the folder as the checklist last opened, and lists it among the player's; a failure is
// said on standard error only.
void rememberOpened(const QString& folder, const UserFolders& user = UserFolders::fromEnvironment());

// The checklist beside the program (the per-user install's sample set), left at the first start for
// another: a plain start opens the one opened last from then on.
void rememberLeftAtFirstStart(const QString& folder,
                              const UserFolders& user = UserFolders::fromEnvironment());

// Takes the data folder for this copy: this PC's lock, then, when other PCs have the folder open
// (their announcements, an older Korvane's lock), the player's answer: 開く, 終了, or もう一度見る,
// which reads the folder anew. A live copy of this PC that has the folder is said, and nothing is
// given; so is a lock that cannot be made. An announcement that cannot be written is said, and the
// folder is taken all the same.
std::unique_ptr<FolderClaim> claimDataFolder(const QString& folder, const ThisPc& me = ThisPc::here());

// The claim the checklist in folder needs to be shown in place of one that holds now: this PC's
// claim of it, or none when now is none (the caller keeps the folder otherwise). Nothing when it is
// refused (another copy of this PC has it, or the player left it), which is said already.
std::optional<std::unique_ptr<FolderClaim>> claimLike(const FolderClaim* now, const QString& folder);

// One line of what another PC that has the folder open is, and since when.
QString describeOtherPc(const OtherPc& other);

// The question about other PCs that have the folder open; empty when there are none.
QString otherPcsQuestion(const QString& folder, const std::vector<OtherPc>& others);

} // namespace korvane
