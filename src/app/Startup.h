#pragma once
// Start-up steps that come before the main window.

#include "store/FolderLock.h"

#include <optional>

namespace korvane {

// Takes the data folder for this copy. When another running copy holds it, says so in the error
// box, naming the folder, and gives nothing: this copy then ends without touching a data file.
std::optional<FolderLock> claimDataFolder(const QString& folder);

} // namespace korvane
