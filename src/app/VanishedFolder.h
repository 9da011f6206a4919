#pragma once
// A checklist whose folder, or data files it held, vanished: memory holds the only copy left. The
// window stays as it is, and the player chooses where the checklist goes.

#include "editing/Checklist.h"

#include <QWidget>

namespace korvane {

// Asks until the checklist is written back, or elsewhere, or the player chooses to close: the
// folder it was written to, or none for a close.
std::optional<QString> placeVanishedChecklist(Checklist& checklist, const FolderLook& look, QWidget* parent);

} // namespace korvane
