#include "JournalRows.h"

#include "browser/JournalDialog.h"
#include "browser/ProgressChart.h"
#include "browser/ProgressHistory.h"
#include "editing/QuestJournal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>

namespace korvane::bench {
namespace {

QString journalPath;

} // namespace

void prepareJournal(const QString& root) {
    journalPath = QDir(root).filePath(QStringLiteral("journal.csv"));
    QFile file(journalPath);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(journalPath));
    const std::int64_t start = 1'700'000'000;
    for (int i = 0; i < kJournalLines; ++i) {
        const JournalEntry entry{start + i * 60, static_cast<std::uint16_t>(i * 7 % 9999 + 1),
                                 static_cast<JournalKind>(i % kJournalKinds),
                                 i % 10 == 0 ? JournalCause::Undo : JournalCause::Player, 0};
        const std::string line = journalLine(entry, i % 3 == 0 ? "ノートPC" : "メインPC") + "\r\n";
        file.write(line.data(), static_cast<qint64>(line.size()));
    }
}

void appendToJournal(benchmark::State& state) {
    Journal journal(journalPath);
    journal.refresh();
    std::int64_t time = 1'800'000'000;
    for (auto _ : state)
        journal.append({{42, JournalKind::Completed}}, JournalCause::Player, ++time,
                       QStringLiteral("メインPC"));
}

void datesOfAQuest(benchmark::State& state) {
    Journal journal(journalPath);
    journal.refresh();
    std::uint16_t number = 1;
    for (auto _ : state) {
        number = static_cast<std::uint16_t>(number * 31 % 9999 + 1);
        benchmark::DoNotOptimize(questDates(journal, number));
    }
}

void openJournalList(benchmark::State& state) {
    for (auto _ : state) {
        Journal journal(journalPath);
        journal.refresh();
        JournalDialog dialog(
            journal, [](std::uint16_t) { return QStringLiteral("クエスト"); }, 0, nullptr);
        dialog.show();
        QApplication::processEvents();
        state.counters["entries"] = static_cast<double>(journal.entries().size());
    }
}

namespace {

// A full-size table and the journal, read; every week of progress over them.
struct WeeksOfProgress {
    explicit WeeksOfProgress(const QString& tablePath) : table(tablePath), journal(journalPath) {
        std::vector<QuestRecord> rows;
        table.load(rows);
        journal.refresh();
    }
    ProgressHistory weeks() const {
        return progressHistory(
            table, journal, ProgressPeriod::Week, [](const QuestRecord&) { return true; },
            QDate::currentDate());
    }
    QuestTable table;
    Journal journal;
};

} // namespace

void progressOverTime(benchmark::State& state, const QString& tablePath) {
    const WeeksOfProgress progress(tablePath);
    for (auto _ : state)
        state.counters["weeks"] = static_cast<double>(progress.weeks().steps.size());
}

void chartDrawn(benchmark::State& state, const QString& tablePath) {
    const WeeksOfProgress progress(tablePath);
    ProgressChart chart;
    chart.resize(700, 170); // as the overview shows it
    for (auto _ : state) {
        chart.setHistory(progress.weeks(), ProgressPeriod::Week);
        benchmark::DoNotOptimize(chart.grab());
        state.counters["weeks"] = static_cast<double>(chart.history().steps.size());
    }
}

} // namespace korvane::bench
