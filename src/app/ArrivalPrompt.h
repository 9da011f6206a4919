#pragma once
// A data file that arrived far shorter than this PC last read or wrote it (a sync tool's cut file, an
// emptied one) is never read as the checklist unasked: the player is told what arrived against what
// this PC had, and chooses. Nothing is written until then.

#include "editing/Checklist.h"

class QWidget;

namespace korvane {

// Asks about each such file before the checklist is read: keep this PC's version (put back, the
// arrival kept in backup/), take the arrival, or look at both first.
void settleShortArrivals(Checklist& checklist, QWidget* parent);

} // namespace korvane
