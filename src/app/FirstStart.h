#pragma once
// The player's first start on a PC, the sample set on show: begin with it, or with a checklist that
// is there already (a folder a sync tool brought from another PC).

#include <QString>

class QWidget;

namespace korvane {

// The folder of the checklist chosen, one that holds a checklist's files; empty for the sample set.
QString askHowToBegin(QWidget* parent);

} // namespace korvane
