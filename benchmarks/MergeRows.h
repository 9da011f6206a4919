#pragma once
// The rows of one checklist on several PCs: a full-size conflict copy merged, and the look for
// conflict copies that start-up makes.

#include <QString>
#include <benchmark/benchmark.h>

namespace korvane::bench {

// Replaces folder to with a copy of the files of folder from.
void copySet(const QString& from, const QString& to);

// A conflict copy of the data file name of fullSet, merged into a copy of fullSet made in work.
void mergeCopy(benchmark::State& state, const QString* fullSet, const QString* work, QString name);

// count small conflict copies of the memos beside a copy of fullSet in work, a line of one quest
// each: found and planned (what the preview waits for), and merged as well when merge.
void manyCopies(benchmark::State& state, const QString* fullSet, const QString* work, int count, bool merge);

// Looking for conflict copies in a folder that has none.
void findCopies(benchmark::State& state, const QString* folder);

} // namespace korvane::bench
