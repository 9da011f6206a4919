// Killed at any moment, an edit leaves every file whole: each reads as one of the versions the
// edit sequence writes, byte for byte, and a later start loads all four.

#include "EditSequence.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace korvane::test {
namespace {

constexpr int kKills = 300;
constexpr int kSteps = 400; // more than a child manages before it is killed

void writeInitialSet(const QString& folder) {
    std::vector<std::string> table, content, reward, memo;
    for (int n = 1; n <= 40; ++n) {
        const std::string number = formatQuestNumber(n);
        table.push_back(number + sj(",ウィンダス,港,クエスト,場所,条件,0,0,0"));
        for (int i = 0; i < 5; ++i)
            content.push_back(number + "00" + std::to_string(i) + sj("内容の行"));
        reward.push_back(number + "000" + sj("ギル100"));
        memo.push_back(number + "000" + sj("メモ"));
    }
    writeBytes(folder + "/" + QStringLiteral("クエスト.csv"), crlf(table));
    writeBytes(folder + "/" + QStringLiteral("クエスト内容.txt"), crlf(content));
    writeBytes(folder + "/" + QStringLiteral("クエスト報酬.txt"), crlf(reward));
    writeBytes(folder + "/" + QStringLiteral("クエストメモ.txt"), crlf(memo));
}

void resetFolder(const QString& folder, const QString& initial) {
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (const QString& name : QDir(initial).entryList(QDir::Files))
        QFile::copy(initial + "/" + name, folder + "/" + name);
}

TEST(Crash, EveryKillLeavesEachFileAsOneOfItsVersions) {
    QTemporaryDir root;
    const QString initial = root.filePath("initial"), replay = root.filePath("replay"),
                  work = root.filePath("work");
    QDir().mkpath(initial);
    writeInitialSet(initial);

    // Every version each file goes through, from a full run that is not interrupted.
    resetFolder(replay, initial);
    std::vector<std::set<std::string>> versions(4);
    const auto record = [&] {
        const QStringList paths = dataFiles(replay);
        for (int f = 0; f < 4; ++f)
            versions[static_cast<std::size_t>(f)].insert(readBytes(paths[f]));
    };
    record();
    {
        LoadedData data(replay);
        runEdits(data, kSteps, [&](int) { record(); });
    }

    std::mt19937 random(20261208);
    int kills = 0, filesChecked = 0, leftovers = 0, midway = 0;
    const std::string initialMemo = readBytes(dataFiles(initial)[3]);
    std::string finalMemo;
    { finalMemo = readBytes(dataFiles(replay)[3]); }
    for (int round = 0; round < kKills; ++round) {
        resetFolder(work, initial);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            LoadedData data(work);
            runEdits(data, kSteps);
            ::pause(); // done: wait for the kill
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ++kills;

        const QStringList paths = dataFiles(work);
        const std::string memoNow = readBytes(paths[3]);
        midway += memoNow != initialMemo && memoNow != finalMemo ? 1 : 0;
        for (int f = 0; f < 4; ++f) {
            ASSERT_TRUE(versions[static_cast<std::size_t>(f)].count(readBytes(paths[f])))
                << "round " << round << ": " << qPrintable(paths[f]) << " is no version the edits wrote";
            ++filesChecked;
        }
        // A temporary file left by the kill is never one of the names a start reads.
        QStringList names = entries(work);
        names.removeAll(QStringLiteral("backup"));
        leftovers += static_cast<int>(names.size()) - 4;
        for (const QString& path : paths)
            ASSERT_TRUE(names.contains(QFileInfo(path).fileName()));
        LoadedData again(work); // and a later start loads all four
        EXPECT_TRUE(again.table.loaded() && again.content.loaded() && again.reward.loaded() &&
                    again.memo.loaded());
    }
    std::printf(
        "%d kills (%d in the middle of the edits), %d files checked, %d temporary files left by kills "
        "(never read)\n",
        kills, midway, filesChecked, leftovers);
    EXPECT_GT(midway, kKills / 2);
    EXPECT_EQ(kills, kKills);
}

} // namespace
} // namespace korvane::test
