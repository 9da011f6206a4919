// Killed at any moment, an edit leaves every file whole: each reads as one of the versions the
// edit sequence writes, byte for byte, and a later start loads all four.

#include "EditSequence.h"
#include "editing/QuestImport.h"
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
constexpr int kSteps = 400;
constexpr int kKillWithin = 24; // the first steps, where a kill aims: every kind of edit, four times

// A set of quests 1 to count. changed(n): quest n is the updated list's version (another name,
// more content lines). Every quest has a memo, or (for the updated list) only quest 50.
void writeSet(const QString& folder, int count, const std::function<bool(int)>& changed = {}) {
    std::vector<std::string> table, content, reward, memo;
    for (int n = 1; n <= count; ++n) {
        const std::string number = formatQuestNumber(n);
        const bool updated = changed && changed(n);
        table.push_back(number + sj(updated ? ",ジュノ,ジュノ港,新しい名前,場所,条件,1,1,1"
                                            : ",ウィンダス,港,クエスト,場所,条件,0,0,0"));
        for (int i = 0; i < (updated ? 7 : 5); ++i)
            content.push_back(number + "00" + std::to_string(i) +
                              sj(updated ? "新しい内容の行" : "内容の行"));
        reward.push_back(number + "000" + sj("ギル100"));
        if (!changed || n == 50)
            memo.push_back(number + "000" + sj("メモ"));
    }
    const QStringList paths = dataFiles(folder);
    for (int f = 0; f < 4; ++f)
        writeBytes(paths[f], crlf(std::vector{table, content, reward, memo}[static_cast<std::size_t>(f)]));
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
    writeSet(initial, 40);

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

    // How long one step takes here, so a kill lands inside a step whatever the disk's speed.
    resetFolder(work, initial);
    const auto started = std::chrono::steady_clock::now();
    {
        LoadedData data(work);
        runEdits(data, kSteps);
    }
    const auto stepMicros = std::max<long>(
        1, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started)
                   .count() /
               kSteps);

    std::mt19937 random(20261208);
    int kills = 0, filesChecked = 0, leftovers = 0, midway = 0;
    const std::string initialMemo = readBytes(dataFiles(initial)[3]);
    const std::string finalMemo = readBytes(dataFiles(replay)[3]);
    for (int round = 0; round < kKills; ++round) {
        resetFolder(work, initial);
        int progress[2];
        ASSERT_EQ(::pipe(progress), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(progress[0]);
            LoadedData data(work);
            runEdits(data, kSteps, [&](int step) { (void)!::write(progress[1], &step, sizeof step); });
            ::pause(); // done: wait for the kill
            ::_exit(0);
        }
        ::close(progress[1]);
        const int target = static_cast<int>(random() % kKillWithin);
        int step = -1;
        while (step < target && ::read(progress[0], &step, sizeof step) == sizeof step) {
        }
        std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long>(random()) % stepMicros));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(progress[0]);
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

TEST(Crash, AnImportKilledPartWayLeavesEachFileOldOrNew) {
    constexpr int kImportKills = 100;
    QTemporaryDir root;
    const QString initial = root.filePath("initial"), other = root.filePath("other"),
                  replay = root.filePath("replay"), work = root.filePath("work");
    for (const QString& folder : {initial, other})
        QDir().mkpath(folder);
    writeSet(initial, 40);
    writeSet(other, 60, [](int n) { return n % 2 == 0 || n > 40; }); // an updated list
    resetFolder(replay, initial);
    {
        LoadedData data(replay);
        auto theirs = readImportSet(other);
        applyImport(data.data(), *theirs);
    }
    const QStringList before = dataFiles(initial), after = dataFiles(replay);
    std::mt19937 random(20261209);
    int midway = 0;
    for (int round = 0; round < kImportKills; ++round) {
        resetFolder(work, initial);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            LoadedData data(work);
            auto theirs = readImportSet(other);
            applyImport(data.data(), *theirs);
            ::pause();
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QStringList paths = dataFiles(work);
        int changed = 0;
        for (int f = 0; f < 4; ++f) {
            const std::string now = readBytes(paths[f]);
            const bool old = now == readBytes(before[f]), imported = now == readBytes(after[f]);
            ASSERT_TRUE(old || imported)
                << "round " << round << ": " << qPrintable(paths[f]) << " is neither";
            changed += old ? 0 : 1;
        }
        midway += changed > 0 && changed < 3 ? 1 : 0; // the memo file may not change at all
        LoadedData again(work);
        EXPECT_TRUE(again.table.loaded() && again.content.loaded() && again.reward.loaded() &&
                    again.memo.loaded());
    }
    std::printf("%d kills of an import, %d of them part-way through its files\n", kImportKills, midway);
}

} // namespace
} // namespace korvane::test
