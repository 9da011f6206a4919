#pragma once
// The journal's rows: an event appended to a journal of a hundred thousand lines, the dates of a
// quest read from it, the list "記録" over it opened, and the progress over time a chart draws.

#include <QString>
#include <benchmark/benchmark.h>

namespace korvane::bench {

constexpr int kJournalLines = 100000;

// A journal of kJournalLines lines over 9999 quests, in root.
void prepareJournal(const QString& root);

void appendToJournal(benchmark::State& state);
void datesOfAQuest(benchmark::State& state);
// The journal read from its file, and the list built over it and shown.
void openJournalList(benchmark::State& state);
// Every week's completions and completed count over a full-size table (tablePath).
void progressOverTime(benchmark::State& state, const QString& tablePath);
// The same, drawn: the chart of the overview given the weeks and painted.
void chartDrawn(benchmark::State& state, const QString& tablePath);

} // namespace korvane::bench
