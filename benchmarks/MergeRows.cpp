#include "MergeRows.h"

#include "editing/Checklist.h"
#include "store/DataFiles.h"
#include "store/LineFile.h"
#include "store/QuestTable.h"
#include "store/TextStore.h"
#include "sync/MergePlan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace korvane::bench {
namespace {

QString inSet(const QString& set, const QString& name) {
    return files::inFolder(set, name);
}

} // namespace

void copySet(const QString& from, const QString& to) {
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
}

// A full-size conflict copy of one file, in which every tenth quest differs (a repeatable flag set, a
// memo line written on the other PC), found, planned and merged; no backup tells the base, so every
// difference goes by the rules for that case. The copies go to backup/, so each round starts afresh.
void mergeCopy(benchmark::State& state, const QString* fullSet, const QString* work, QString name) {
    const bool table = name == files::kQuestTable;
    Lines theirs = readLines(inSet(*fullSet, name));
    for (std::size_t i = 0; i < theirs.size(); i += 10)
        if (table)
            theirs[i].back() = '1';
        else
            theirs[i] += " (other PC)";
    std::string bytes;
    for (const std::string& line : theirs)
        bytes += line + "\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        copySet(*fullSet, *work);
        QFile copy(inSet(*work, QFileInfo(name).completeBaseName() +
                                    ".sync-conflict-20261209-033510-ZOVNQVO." + QFileInfo(name).suffix()));
        copy.open(QIODevice::WriteOnly);
        copy.write(bytes.data(), static_cast<qint64>(bytes.size()));
        copy.close();
        QuestTable questTable(inSet(*work, files::kQuestTable));
        TextStore content(inSet(*work, files::kContent)), reward(inSet(*work, files::kReward)),
            memo(inSet(*work, files::kMemo));
        SetAsideList aside(inSet(*work, files::kSetAside));
        QuestChains chains(inSet(*work, files::kChains));
        std::vector<QuestRecord> rows;
        questTable.load(rows);
        content.load();
        reward.load();
        memo.load();
        const QuestData data{questTable, content, reward, memo, aside, chains};
        state.ResumeTiming();
        for (const ConflictCopy& found : findConflictCopies(*work).copies) {
            const MergePlan plan = planMerge(data, found, {});
            EditStep step;
            applyMerge(data, plan, &step);
        }
    }
    // A merge that wrote nothing would be quick for nothing.
    const Lines merged = readLines(inSet(*work, name));
    const bool taken = table ? !merged.empty() && merged.front().back() == '1'
                             : std::any_of(merged.begin(), merged.end(), [](const std::string& line) {
                                   return line.ends_with(" (other PC)");
                               });
    if (!taken)
        state.SkipWithError("the merge did not take the copy's change");
}

void manyCopies(benchmark::State& state, const QString* fullSet, const QString* work, int count, bool merge) {
    for (auto _ : state) {
        state.PauseTiming();
        copySet(*fullSet, *work);
        const QString digits = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        for (int i = 0; i < count; ++i) {
            QString device;
            for (int n = i, k = 0; k < 7; ++k, n /= 36)
                device += digits[n % 36];
            QFile copy(inSet(
                *work, QStringLiteral("クエストメモ.sync-conflict-20261209-033510-%1.txt").arg(device)));
            copy.open(QIODevice::WriteOnly);
            copy.write(QStringLiteral("%1000copy %2\r\n")
                           .arg(1 + i * 7919 % 9999, 4, 10, QLatin1Char('0'))
                           .arg(i)
                           .toLatin1());
        }
        Checklist checklist(*work);
        checklist.load();
        state.ResumeTiming();
        QStringList said;
        std::vector<MergePlan> plans = checklist.newConflictCopies(said);
        if (merge)
            checklist.mergeCopies(plans, {});
        state.PauseTiming();
        if (plans.size() != static_cast<std::size_t>(count))
            state.SkipWithError("not every copy was offered");
        else if (merge && !findConflictCopies(*work).copies.empty())
            state.SkipWithError("not every copy was merged");
        state.ResumeTiming();
    }
}

// What start-up adds to look for conflict copies, in a folder that has none.
void findCopies(benchmark::State& state, const QString* folder) {
    for (auto _ : state)
        benchmark::DoNotOptimize(findConflictCopies(*folder));
}

} // namespace korvane::bench
