#pragma once
// Writes a full-size data set, deterministic from a seed: 9999 quests over every nation and
// area, flags mixed, about 20 content, 3 reward and 5 memo lines per quest, lines of 10 to 120
// bytes of Japanese and ASCII, code page 932 with CR LF. The messy variant stores the text files
// out of order and quotes a few table lines as a hand edit would. Quests come in chains 50 deep,
// each but the first of its chain needing the one before and now and then one further back.

#include <QString>
#include <cstdint>
#include <string>

namespace korvane::datagen {

struct Options {
    int quests = 9999;
    std::uint64_t seed = 1;
    bool messy = false;
};

struct Sizes {
    std::size_t tableLines = 0, contentLines = 0, rewardLines = 0, memoLines = 0, chainLines = 0;
    std::size_t bytes = 0; // of the four files
};

Sizes writeDataSet(const QString& folder, const Options& options);

// In the first content and reward line of quests 0007, 1007, 2007, ...: something a search finds rarely.
extern const std::string kRare;
// How deep each chain of quests is.
constexpr int kChainDepth = 50;

} // namespace korvane::datagen
