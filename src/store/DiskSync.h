#pragma once
// Appended files reach the disk on a thread of their own, so that an edit never waits for it.

#include <QString>

namespace korvane {

// Syncs the file to the disk soon after it was written; waits for every file asked before the
// program ends.
void syncSoon(const QString& path);

} // namespace korvane
