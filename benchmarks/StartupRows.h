#pragma once
// Start-up, timed from outside: a child process per run, from process start to the first quest
// shown, which prints its peak memory.

#include <QString>
#include <QStringList>

namespace korvane::bench {

// Runs this benchmark again with arguments, under settings of its own (configHome) so that the
// child opens one checklist as a first start does; gives the number the child printed.
long runChild(const QStringList& arguments, const QString& configHome);

// The child's side of --startup-child SET.
int startupChild(int argc, char* argv[]);

// The process's peak resident memory in KiB.
long peakKiBNow();

} // namespace korvane::bench
