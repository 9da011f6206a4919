#pragma once
// The rows of quests set aside: a quest set aside and one taken back, each a step as a tick is, and
// the filters' refill over a full-size table with 2,000 quests set aside.

#include <QString>
#include <benchmark/benchmark.h>

namespace korvane::bench {

constexpr int kSetAsideQuests = 2000;

// A copy of fullSet in root with every fifth quest set aside.
void prepareSetAside(const QString& root, const QString& fullSet);

// Each run sets the quest on show aside (it leaves the list; the next one is on show).
void setAside(benchmark::State& state);
// Each run takes a quest set aside back, with those set aside listed.
void takeBack(benchmark::State& state);
// The progress options in turn, as the filter refill row, over the set with 2,000 set aside.
void refillBesideSetAside(benchmark::State& state);

void closeSetAsideWindows();

} // namespace korvane::bench
