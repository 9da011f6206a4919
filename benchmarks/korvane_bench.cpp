// Every action at full size, end to end as its handler does it, beside its floor.
//   korvane_bench            the full-size run: medians, ratio to floor, peak memory
//   korvane_bench --smoke    a quick run on a small set, to keep the benchmark working
// Google Benchmark's own flags may follow.

#include "CharacterRows.h"
#include "DataGenerator.h"
#include "Floors.h"
#include "JournalRows.h"
#include "MergeRows.h"
#include "SetAsideRows.h"
#include "StartupRows.h"
#include "app/Appearance.h"
#include "app/TForm1.h"
#include "browser/ProgressDialog.h"
#include "browser/StringGrid.h"
#include "browser/TextView.h"
#include "editing/ImportDialog.h"
#include "store/DataFiles.h"
#include "store/FileStamp.h"
#include "store/UiText.h"
#include "widgets/DropDown.h"
#include "widgets/FlagBox.h"
#include "widgets/RadioGroup.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>

using namespace korvane;

namespace {

struct Config {
    int quests = 9999;
    int repetitions = 15;
    int editRepetitions = 15;
};
Config config;

QTemporaryDir* root = nullptr;
QString fullSet, messySet, sampleSet, addSet, otherSet, importWork, floorSet, mergeWork, childConfig;
std::size_t fullBytes = 0, otherBytes = 0;
std::unique_ptr<TForm1> form, addForm;
std::map<std::string, double> medians; // milliseconds
std::map<std::string, long> peakKiB;
std::map<std::string, std::size_t> historyBytes; // what the history holds

QString inSet(const QString& set, const QString& name) {
    return files::inFolder(set, name);
}

template <class W> W* control(TForm1& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

// Confirmation boxes are answered "はい" the moment they show; an error box is reported; the
// progress overview and the import preview are taken as soon as they are on the screen, and the
// import's folder chooser picks the other set.
class YesToEveryBox : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        if (qobject_cast<ProgressDialog*>(watched) || qobject_cast<ImportDialog*>(watched)) {
            QMetaObject::invokeMethod(watched, "accept", Qt::QueuedConnection);
            return false;
        }
        if (auto* chooser = qobject_cast<QFileDialog*>(watched)) {
            QTimer::singleShot(0, chooser, [chooser] {
                chooser->setDirectory(otherSet);
                QMetaObject::invokeMethod(chooser, "accept");
            });
            return false;
        }
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box)
            return false;
        if (box->icon() == QMessageBox::Critical)
            std::fprintf(stderr, "error box: %s\n", qPrintable(box->text()));
        QAbstractButton* answer = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
        QMetaObject::invokeMethod(answer, "click", Qt::QueuedConnection);
        return false;
    }
};

// Every quest listed and the first one on show, as after start-up.
void listAll(TForm1& window) {
    auto* progress = control<RadioGroup>(window, "RadioGroup1");
    if (progress->ItemIndex() != 4 || control<QLabel>(window, "Label14")->text().isEmpty())
        progress->button(4)->click();
}

std::unique_ptr<TForm1> openForm(const QString& set) {
    auto window = std::make_unique<TForm1>(DataPlace{set, set + "/korvane.ini"});
    window->resize(1200, 800);
    window->show();
    QApplication::processEvents();
    return window;
}

// --- start-up: a child process per run, from process start to the first quest shown --------------

void Startup(benchmark::State& state, const QString* set, const char* name) {
    long peak = 0;
    for (auto _ : state)
        peak = std::max(peak, bench::runChild({"--startup-child", *set}, childConfig));
    peakKiB[name] = peak;
}

int importChild(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppearance(app);
    otherSet = QString::fromLocal8Bit(argv[3]);
    YesToEveryBox answerer;
    app.installEventFilter(&answerer);
    const QString set = QString::fromLocal8Bit(argv[2]);
    TForm1 window(DataPlace{set, set + "/korvane.ini"});
    window.show();
    QApplication::processEvents();
    control<QPushButton>(window, "Button13")->click();
    std::printf("%ld\n", bench::peakKiBNow());
    return 0;
}

// --- import: a full set into a full set, preview included ---------------------------------------

void ImportFullSet(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        bench::copySet(fullSet, importWork);
        std::unique_ptr<TForm1> window = openForm(importWork);
        state.ResumeTiming();
        control<QPushButton>(*window, "Button13")->click();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

// Peak memory of a child that starts on one full set and imports another.
long runImportChild() {
    bench::copySet(fullSet, importWork);
    return bench::runChild({"--import-child", importWork, otherSet}, childConfig);
}

// --- browsing ----------------------------------------------------------------------------------------

void SelectRow(benchmark::State& state) {
    listAll(*form);
    auto* grid = control<StringGrid>(*form, "StringGrid1");
    static int row = 1; // each repetition moves on from where the last one left the grid
    for (auto _ : state) {
        row = (row * 7919) % (grid->RowCount() - 1) + 1;
        grid->setRow(row);
    }
}

void FilterRefill(benchmark::State& state) {
    auto* progress = control<RadioGroup>(*form, "RadioGroup1");
    int option = 0;
    for (auto _ : state) {
        option = (option + 1) % 6;
        progress->button(option)->click();
    }
    progress->button(4)->click();
}

void ProgressOverviewOpens(benchmark::State& state) {
    auto* open = control<QPushButton>(*form, "Button12");
    for (auto _ : state)
        open->click(); // built from the quest list, shown, closed
}

void Search(benchmark::State& state, const char* button, const char* box, std::string utf8) {
    control<QLineEdit>(*form, box)->setText(QString::fromStdString(utf8));
    auto* run = control<QPushButton>(*form, button);
    for (auto _ : state)
        run->click();
    state.counters["found"] = control<StringGrid>(*form, "StringGrid1")->RowCount() - 1;
}

void ScanFloor(benchmark::State& state, QString file, std::string utf8) {
    const std::string text = fromUi(QString::fromStdString(utf8)).value();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::scanFloor(inSet(fullSet, file), text));
}

// --- edits -------------------------------------------------------------------------------------------

// Each edit once, as the player makes it; the undo and redo rows time going back and forth over it.
void tickOnce(TForm1& window) {
    auto* box = control<FlagBox>(window, "CheckBox3");
    box->click();
    emit box->MouseUp();
}

void memoOnce(TForm1& window) {
    static int round = 0;
    control<TextView>(window, "Memo3")
        ->setPlainText(QStringLiteral("メモ %1\n二行目\n三行目\n四行目\n五行目").arg(++round));
}

QString lines(int count, const QString& word) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("%1 の %2 行目、ギルと薬草を集める").arg(word).arg(i);
    return out.join('\n');
}

void fillNewQuest(TForm1& window) {
    control<QPushButton>(window, "Button5")->click();
    control<QLineEdit>(window, "Edit3")->setText(QStringLiteral("新しいクエスト"));
    control<TextView>(window, "RichEdit1")->setPlainText(lines(20, QStringLiteral("内容")));
    control<TextView>(window, "Memo2")->setPlainText(lines(3, QStringLiteral("報酬")));
    control<TextView>(window, "Memo3")->setPlainText(lines(5, QStringLiteral("メモ")));
}

void openModification(TForm1& window) {
    static int row = 100;
    auto* grid = control<StringGrid>(window, "StringGrid1");
    row = (row + 37) % (grid->RowCount() - 1) + 1;
    grid->setRow(row);
    control<QPushButton>(window, "Button8")->click();
    control<TextView>(window, "RichEdit1")->setPlainText(lines(20, QStringLiteral("修正")));
}

void TickFlag(benchmark::State& state) {
    listAll(*form);
    for (auto _ : state)
        tickOnce(*form);
}

void SaveMemo(benchmark::State& state) {
    listAll(*form);
    auto* save = control<QPushButton>(*form, "Button2");
    for (auto _ : state) {
        state.PauseTiming();
        memoOnce(*form);
        state.ResumeTiming();
        save->click();
    }
}

void AddQuest(benchmark::State& state) {
    listAll(*addForm);
    for (auto _ : state) {
        state.PauseTiming();
        fillNewQuest(*addForm);
        state.ResumeTiming();
        control<QPushButton>(*addForm, "Button4")->click();
    }
}

void ModifyQuest(benchmark::State& state) {
    listAll(*form);
    for (auto _ : state) {
        state.PauseTiming();
        openModification(*form);
        state.ResumeTiming();
        control<QPushButton>(*form, "Button9")->click();
    }
}

void DeleteQuest(benchmark::State& state) {
    listAll(*form);
    auto* grid = control<StringGrid>(*form, "StringGrid1");
    for (auto _ : state) {
        state.PauseTiming();
        grid->setRow(grid->RowCount() / 2);
        state.ResumeTiming();
        control<QPushButton>(*form, "Button3")->click();
    }
}

// The edit (not timed), then its undo; or the edit and its undo, then the redo.
void UndoRedo(benchmark::State& state, std::unique_ptr<TForm1>* window, void (*edit)(TForm1&), bool redo) {
    listAll(**window);
    auto* undoButton = control<QPushButton>(**window, "Button14");
    auto* redoButton = control<QPushButton>(**window, "Button15");
    for (auto _ : state) {
        state.PauseTiming();
        edit(**window);
        if (redo)
            undoButton->click();
        state.ResumeTiming();
        (redo ? redoButton : undoButton)->click();
    }
}

void saveMemoOnce(TForm1& window) {
    memoOnce(window);
    control<QPushButton>(window, "Button2")->click();
}
void addOnce(TForm1& window) {
    fillNewQuest(window);
    control<QPushButton>(window, "Button4")->click();
}
void modifyOnce(TForm1& window) {
    openModification(window);
    control<QPushButton>(window, "Button9")->click();
}
void deleteOnce(TForm1& window) {
    auto* grid = control<StringGrid>(window, "StringGrid1");
    grid->setRow(grid->RowCount() / 2);
    control<QPushButton>(window, "Button3")->click();
}

// The import (not timed) into a fresh copy, then its undo; or the import and its undo, then the redo.
void ImportUndoRedo(benchmark::State& state, bool redo) {
    for (auto _ : state) {
        state.PauseTiming();
        bench::copySet(fullSet, importWork);
        std::unique_ptr<TForm1> window = openForm(importWork);
        control<QPushButton>(*window, "Button13")->click();
        if (redo)
            control<QPushButton>(*window, "Button14")->click();
        state.ResumeTiming();
        control<QPushButton>(*window, redo ? "Button15" : "Button14")->click();
        state.PauseTiming();
        if (historyBytes.count("import") == 0)
            historyBytes["import"] = window->checklist().history().bytes();
        window.reset();
        state.ResumeTiming();
    }
}

// What the history holds after 100 ticks.
void HistoryOfTicks(benchmark::State& state) {
    bench::copySet(fullSet, importWork);
    std::unique_ptr<TForm1> window = openForm(importWork);
    listAll(*window);
    for (auto _ : state)
        for (int i = 0; i < 100; ++i)
            tickOnce(*window);
    historyBytes["ticks"] = window->checklist().history().bytes();
}

// The check an edit makes before it writes: is each file still what this copy last wrote?
void ChangeCheck(benchmark::State& state, std::vector<QString> names) {
    std::vector<std::pair<QString, FileStamp>> stamps;
    for (const QString& name : names)
        stamps.emplace_back(inSet(fullSet, name), FileStamp::take(inSet(fullSet, name)));
    for (auto _ : state)
        for (const auto& [path, stamp] : stamps)
            benchmark::DoNotOptimize(stamp.matches(path));
}

// On a copy of the full set: the windows' own files are never written behind their backs.
void RewriteFloor(benchmark::State& state, std::vector<QString> names) {
    std::vector<QString> paths;
    for (const QString& name : names)
        paths.push_back(inSet(floorSet, name));
    for (auto _ : state)
        bench::rewriteFloor(paths);
}

// --- the table ---------------------------------------------------------------------------------------

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single)
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
};

void printTable() {
    const auto ms = [](const std::string& name) { return medians.count(name) ? medians[name] : 0.0; };
    std::printf("\n| Action | median ms | floor ms | ratio to floor |\n|---|---:|---:|---:|\n");
    const auto row = [&](const char* label, const std::string& action, const std::string& floor) {
        if (floor.empty())
            std::printf("| %s | %.1f | | |\n", label, ms(action));
        else
            std::printf("| %s | %.1f | %.1f | %.2f |\n", label, ms(action), ms(floor),
                        ms(floor) > 0 ? ms(action) / ms(floor) : 0.0);
    };
    row("start-up, stores in order", "startup/ordered", "");
    row("start-up, messy stores", "startup/messy", "");
    row("select a row", "browse/select_row", "");
    row("filter refill, with the status bar's counts", "browse/filter_refill", "");
    row("progress overview, built and shown", "browse/progress_overview", "");
    row("switch to another full-size character", "characters/switch", "floor/read_all_four");
    row("select a row, four full-size characters' progress beside", "characters/select_row", "");
    row("journal: one event appended (100,000 lines)", "journal/append", "");
    row("journal: a quest's dates, for the detail view (100,000 lines)", "journal/dates", "");
    row("journal: 記録 opened over 100,000 lines, the file read", "journal/list", "");
    row("journal: progress over time by week, full table (100,000 lines)", "journal/progress_over_time", "");
    row("journal: that chart, counted and drawn", "journal/chart_drawn", "");
    row("content search, frequent", "search/content_frequent", "floor/content_frequent");
    row("content search, rare", "search/content_rare", "floor/content_rare");
    row("reward search, frequent", "search/reward_frequent", "floor/reward_frequent");
    row("reward search, rare", "search/reward_rare", "floor/reward_rare");
    row("quest search, frequent", "search/quest_frequent", "floor/quest_frequent");
    row("quest search, rare", "search/quest_rare", "floor/quest_rare");
    row("tick a flag", "edit/tick_flag", "floor/table");
    row("set a quest aside (its floor: the tick's)", "edit/set_aside", "floor/table");
    row("take a quest back (its floor: the tick's)", "edit/take_back", "floor/table");
    row("filter refill, 2,000 quests set aside", "browse/filter_refill_set_aside", "browse/filter_refill");
    row("save a memo", "edit/save_memo", "floor/memo");
    row("add a quest", "edit/add_quest", "floor/all_four");
    row("modify a quest", "edit/modify_quest", "floor/all_four");
    row("delete a quest", "edit/delete_quest", "floor/all_four");
    row("import a full set into a full set, preview included", "import/full", "floor/all_four");
    std::printf("\n| Edit | the edit ms | undo ms | redo ms |\n|---|---:|---:|---:|\n");
    for (const char* edit : {"tick_flag", "save_memo", "add_quest", "modify_quest", "delete_quest"})
        std::printf("| %s | %.1f | %.1f | %.1f |\n", edit, ms(std::string("edit/") + edit),
                    ms(std::string("undo/") + edit), ms(std::string("redo/") + edit));
    std::printf("| import | %.1f | %.1f | %.1f |\n", ms("import/full"), ms("undo/import"), ms("redo/import"));
    std::printf("\nThe history holds %.1f KiB after 100 ticks, %.1f MiB after one full-size import.\n",
                static_cast<double>(historyBytes["ticks"]) / 1024.0,
                static_cast<double>(historyBytes["import"]) / 1048576.0);
    std::printf(
        "\nA full-size conflict copy, every tenth quest changed, found and merged: the table in %.0f ms, "
        "the memos in %.0f ms. Looking for conflict copies at start-up takes %.3f ms.\n",
        ms("merge/table"), ms("merge/memo"), ms("merge/find"));
    std::printf(
        "%d small conflict copies of the memos are offered in %.0f ms, offered and merged in %.0f ms.\n",
        config.quests >= 9999 ? 100000 : 1000, ms("merge/many_offered"), ms("merge/many_merged"));
    std::printf("\n| Edit | median ms | the change check ms | without the check ms | check's share |\n"
                "|---|---:|---:|---:|---:|\n");
    const auto withCheck = [&](const char* label, const std::string& action, const std::string& check) {
        std::printf("| %s | %.1f | %.3f | %.1f | %.2f%% |\n", label, ms(action), ms(check),
                    ms(action) - ms(check), ms(action) > 0 ? 100.0 * ms(check) / ms(action) : 0.0);
    };
    withCheck("tick a flag", "edit/tick_flag", "check/table");
    withCheck("save a memo", "edit/save_memo", "check/memo");
    withCheck("add a quest", "edit/add_quest", "check/all_four");
    withCheck("modify a quest", "edit/modify_quest", "check/all_four");
    withCheck("delete a quest", "edit/delete_quest", "check/all_four");
    const double full = static_cast<double>(peakKiB["startup/ordered"]) / 1024.0;
    const double sample = static_cast<double>(peakKiB["startup/sample"]) / 1024.0;
    const double data = static_cast<double>(fullBytes) / 1048576.0;
    std::printf("\nPeak memory: %.1f MiB with the full set, %.1f MiB with the sample set; "
                "%.1f MiB more for %.1f MiB of data files (%.2f times).\n",
                full, sample, full - sample, data, (full - sample) / data);
    const double imported = static_cast<double>(peakKiB["import/full"]) / 1024.0;
    const double both = static_cast<double>(fullBytes + otherBytes) / 1048576.0;
    std::printf("Peak memory of an import of a full set into a full set: %.1f MiB, %.1f MiB more than with "
                "the sample set for %.1f MiB of the two sets' files (%.2f times).\n",
                imported, imported - sample, both, (imported - sample) / both);
}

void prepareSets() {
    root = new QTemporaryDir;
    fullSet = root->filePath("full");
    messySet = root->filePath("messy");
    addSet = root->filePath("add");
    sampleSet = root->filePath("sample");
    otherSet = root->filePath("other");
    importWork = root->filePath("import");
    floorSet = root->filePath("floor");
    mergeWork = root->filePath("merge");
    // The player's settings are the benchmark's own; a child starts as on a first start.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root->filePath("config")));
    childConfig = root->filePath("child-config");
    for (const QString& folder : {fullSet, messySet, addSet, sampleSet, otherSet})
        QDir().mkpath(folder);
    fullBytes = datagen::writeDataSet(fullSet, {config.quests, 1, false}).bytes;
    datagen::writeDataSet(messySet, {config.quests, 1, true});
    otherBytes = datagen::writeDataSet(otherSet, {config.quests, 2, false}).bytes; // another list: new texts
    // Room for the additions the add, undo and redo rows make: numbers are never given out twice.
    datagen::writeDataSet(addSet, {config.quests - config.editRepetitions * 4, 1, false});
    bench::copySet(fullSet, floorSet);
    bench::prepareCharacters(root->path(), fullSet, otherSet);
    bench::prepareJournal(root->path());
    bench::prepareSetAside(root->path(), fullSet);
    const QDir sample(QStringLiteral(KORVANE_SAMPLE_DIR));
    for (const QString& name : sample.entryList(QDir::Files))
        QFile::copy(sample.filePath(name), QDir(sampleSet).filePath(name));
}

void registerAll() {
    const auto reps = [](benchmark::internal::Benchmark* b, int repetitions) {
        b->Iterations(1)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    };
    reps(benchmark::RegisterBenchmark("startup/ordered", Startup, &fullSet, "startup/ordered"), 5);
    reps(benchmark::RegisterBenchmark("startup/messy", Startup, &messySet, "startup/messy"), 5);
    reps(benchmark::RegisterBenchmark("startup/sample", Startup, &sampleSet, "startup/sample"), 3);
    reps(benchmark::RegisterBenchmark("browse/select_row", SelectRow), config.repetitions);
    reps(benchmark::RegisterBenchmark("browse/filter_refill", FilterRefill), config.repetitions);
    reps(benchmark::RegisterBenchmark("browse/progress_overview", ProgressOverviewOpens), config.repetitions);
    reps(benchmark::RegisterBenchmark("characters/switch", bench::switchCharacter), config.repetitions);
    reps(benchmark::RegisterBenchmark("floor/read_all_four",
                                      [](benchmark::State& state) {
                                          const std::vector<QString> paths{inSet(fullSet, files::kQuestTable),
                                                                           inSet(fullSet, files::kContent),
                                                                           inSet(fullSet, files::kReward),
                                                                           inSet(fullSet, files::kMemo)};
                                          for (auto _ : state)
                                              benchmark::DoNotOptimize(bench::readFloor(paths));
                                      }),
         config.repetitions);
    reps(benchmark::RegisterBenchmark("characters/select_row", bench::selectRowBesideOthers),
         config.repetitions);
    reps(benchmark::RegisterBenchmark("journal/append", bench::appendToJournal), config.repetitions);
    reps(benchmark::RegisterBenchmark("journal/dates", bench::datesOfAQuest), config.repetitions);
    reps(benchmark::RegisterBenchmark("journal/list", bench::openJournalList), 5);
    reps(benchmark::RegisterBenchmark("journal/progress_over_time",
                                      [](benchmark::State& state) {
                                          bench::progressOverTime(state, inSet(fullSet, files::kQuestTable));
                                      }),
         config.repetitions);
    reps(benchmark::RegisterBenchmark(
             "journal/chart_drawn",
             [](benchmark::State& state) { bench::chartDrawn(state, inSet(fullSet, files::kQuestTable)); }),
         config.repetitions);
    reps(benchmark::RegisterBenchmark("browse/filter_refill_set_aside", bench::refillBesideSetAside),
         config.repetitions);
    const struct {
        const char *name, *button, *box;
        QString file;
        std::string text;
    } searches[] = {
        {"content_frequent", "Button1", "Edit1", files::kContent, "の"},
        {"content_rare", "Button1", "Edit1", files::kContent, "【稀】"},
        {"reward_frequent", "Button6", "Edit2", files::kReward, "ギル"},
        {"reward_rare", "Button6", "Edit2", files::kReward, "【稀】"},
        {"quest_frequent", "Button10", "Edit6", files::kQuestTable, "ウィンダス"},
        {"quest_rare", "Button10", "Edit6", files::kQuestTable, "9876,"},
    };
    for (const auto& s : searches) {
        reps(benchmark::RegisterBenchmark((std::string("search/") + s.name).c_str(), Search, s.button, s.box,
                                          s.text),
             config.repetitions);
        reps(
            benchmark::RegisterBenchmark((std::string("floor/") + s.name).c_str(), ScanFloor, s.file, s.text),
            config.repetitions);
    }
    reps(benchmark::RegisterBenchmark("edit/tick_flag", TickFlag), config.editRepetitions);
    reps(benchmark::RegisterBenchmark("edit/set_aside", bench::setAside), config.editRepetitions);
    reps(benchmark::RegisterBenchmark("edit/take_back", bench::takeBack), config.editRepetitions);
    reps(benchmark::RegisterBenchmark("floor/table", RewriteFloor, std::vector<QString>{files::kQuestTable}),
         config.editRepetitions);
    reps(benchmark::RegisterBenchmark("edit/save_memo", SaveMemo), config.editRepetitions);
    reps(benchmark::RegisterBenchmark("floor/memo", RewriteFloor, std::vector<QString>{files::kMemo}),
         config.editRepetitions);
    reps(benchmark::RegisterBenchmark("edit/add_quest", AddQuest), config.editRepetitions);
    reps(benchmark::RegisterBenchmark("edit/modify_quest", ModifyQuest), config.editRepetitions);
    reps(benchmark::RegisterBenchmark("edit/delete_quest", DeleteQuest), config.editRepetitions);
    reps(benchmark::RegisterBenchmark(
             "floor/all_four", RewriteFloor,
             std::vector<QString>{files::kQuestTable, files::kContent, files::kReward, files::kMemo}),
         config.editRepetitions);
    reps(benchmark::RegisterBenchmark("import/full", ImportFullSet), 5);
    const struct {
        const char* name;
        std::unique_ptr<TForm1>* window;
        void (*edit)(TForm1&);
    } undoable[] = {{"tick_flag", &form, tickOnce},
                    {"save_memo", &form, saveMemoOnce},
                    {"add_quest", &addForm, addOnce},
                    {"modify_quest", &form, modifyOnce},
                    {"delete_quest", &form, deleteOnce}};
    for (const auto& u : undoable)
        for (const bool redo : {false, true})
            reps(benchmark::RegisterBenchmark(((redo ? "redo/" : "undo/") + std::string(u.name)).c_str(),
                                              UndoRedo, u.window, u.edit, redo),
                 config.editRepetitions);
    reps(benchmark::RegisterBenchmark("undo/import", ImportUndoRedo, false), 5);
    reps(benchmark::RegisterBenchmark("redo/import", ImportUndoRedo, true), 5);
    reps(benchmark::RegisterBenchmark("history/100_ticks", HistoryOfTicks), 1);
    reps(benchmark::RegisterBenchmark("merge/table", bench::mergeCopy, &fullSet, &mergeWork,
                                      files::kQuestTable),
         5);
    reps(benchmark::RegisterBenchmark("merge/memo", bench::mergeCopy, &fullSet, &mergeWork, files::kMemo), 5);
    reps(benchmark::RegisterBenchmark("merge/find", bench::findCopies, &fullSet), config.repetitions);
    const int copies = config.quests >= 9999 ? 100000 : 1000;
    for (const bool merge : {false, true})
        reps(benchmark::RegisterBenchmark(merge ? "merge/many_merged" : "merge/many_offered",
                                          bench::manyCopies, &fullSet, &mergeWork, copies, merge),
             1);
    reps(benchmark::RegisterBenchmark("check/table", ChangeCheck, std::vector<QString>{files::kQuestTable}),
         config.repetitions);
    reps(benchmark::RegisterBenchmark("check/memo", ChangeCheck, std::vector<QString>{files::kMemo}),
         config.repetitions);
    reps(benchmark::RegisterBenchmark(
             "check/all_four", ChangeCheck,
             std::vector<QString>{files::kQuestTable, files::kContent, files::kReward, files::kMemo}),
         config.repetitions);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return bench::startupChild(argc, argv);
    if (argc >= 4 && std::strcmp(argv[1], "--import-child") == 0)
        return importChild(argc, argv);
    std::vector<char*> args(argv, argv + argc);
    if (argc >= 2 && std::strcmp(argv[1], "--smoke") == 0) {
        config = {300, 1, 1};
        args.erase(args.begin() + 1);
    }
    if (const int repetitions = qEnvironmentVariableIntValue("KORVANE_BENCH_REPETITIONS"); repetitions > 0)
        config.repetitions = config.editRepetitions = repetitions; // for profiling one action at length
    int count = static_cast<int>(args.size());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(count, args.data());
    applyAppearance(app);
    benchmark::Initialize(&count, args.data());

    prepareSets();
    YesToEveryBox answerer;
    app.installEventFilter(&answerer);
    form = openForm(fullSet);
    addForm = openForm(addSet);
    registerAll();
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    peakKiB["import/full"] = runImportChild();
    printTable();
    form.reset();
    addForm.reset();
    bench::closeCharacterWindows();
    bench::closeSetAsideWindows();
    delete root;
    return 0;
}
