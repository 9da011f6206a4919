#pragma once
// The rows of a player with several characters: a switch between two full-size checklists, and a
// quest shown beside four other full-size characters' progress.

#include <QString>
#include <benchmark/benchmark.h>

namespace korvane::bench {

// Full-size checklists for the rows, made from fullSet and otherSet in root, and listed as the
// player's characters in the user's settings (XDG_CONFIG_HOME, which the benchmark sets).
void prepareCharacters(const QString& root, const QString& fullSet, const QString& otherSet);

// Each run switches the window to the other of two full-size checklists, as the drop-down does.
void switchCharacter(benchmark::State& state);

// Each run shows another quest; four other full-size characters' progress is shown beside it.
void selectRowBesideOthers(benchmark::State& state);

// Drops the windows the rows opened, before the application goes.
void closeCharacterWindows();

} // namespace korvane::bench
