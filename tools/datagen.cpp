// Writes a full-size data set into a folder:
//   korvane_datagen <folder> [--seed N] [--quests N] [--messy]

#include "DataGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: korvane_datagen <folder> [--seed N] [--quests N] [--messy]\n");
        return 2;
    }
    korvane::datagen::Options options;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--messy") == 0)
            options.messy = true;
        else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
            options.seed = std::stoull(argv[++i]);
        else if (std::strcmp(argv[i], "--quests") == 0 && i + 1 < argc)
            options.quests = std::stoi(argv[++i]);
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const auto sizes = korvane::datagen::writeDataSet(folder, options);
    std::printf(
        "%zu quests, %zu content, %zu reward, %zu memo lines, %zu bytes in the four; %zu chain lines\n",
        sizes.tableLines, sizes.contentLines, sizes.rewardLines, sizes.memoLines, sizes.bytes,
        sizes.chainLines);
    return 0;
}
