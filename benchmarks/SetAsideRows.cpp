#include "SetAsideRows.h"

#include "MergeRows.h"
#include "app/TForm1.h"
#include "browser/StringGrid.h"
#include "store/DataFiles.h"
#include "store/LineFile.h"
#include "store/QuestTable.h"
#include "widgets/RadioGroup.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QToolButton>
#include <memory>

namespace korvane::bench {
namespace {

QString folder;
std::unique_ptr<TForm1> window;

TForm1& asideWindow() {
    if (!window) {
        window = std::make_unique<TForm1>(DataPlace{folder, folder + "/korvane.ini"});
        window->resize(1200, 800);
        window->show();
        QApplication::processEvents();
    }
    return *window;
}

template <class W> W* control(const char* name) {
    return asideWindow().findChild<W*>(QString::fromLatin1(name));
}

} // namespace

void prepareSetAside(const QString& root, const QString& fullSet) {
    folder = QDir(root).filePath(QStringLiteral("set-aside"));
    copySet(fullSet, folder);
    Lines aside;
    for (int number = 5; number <= kSetAsideQuests * 5; number += 5)
        aside.push_back(formatQuestNumber(number) + ",2026/12/10");
    writeLines(files::inFolder(folder, files::kSetAside), aside);
}

void setAside(benchmark::State& state) {
    auto* button = control<QPushButton>("Button25");
    for (auto _ : state)
        button->click();
}

void takeBack(benchmark::State& state) {
    auto* shown = control<QToolButton>("SpeedButton6");
    if (!shown->isChecked())
        shown->click();
    auto* grid = control<StringGrid>("StringGrid1");
    auto* button = control<QPushButton>("Button25");
    int row = 5; // every fifth row holds a quest set aside
    for (auto _ : state) {
        state.PauseTiming();
        grid->setRow(row);
        row += 5;
        state.ResumeTiming();
        button->click();
    }
}

void refillBesideSetAside(benchmark::State& state) {
    auto* shown = control<QToolButton>("SpeedButton6");
    if (shown->isChecked())
        shown->click();
    auto* progress = control<RadioGroup>("RadioGroup1");
    int option = 0;
    for (auto _ : state) {
        option = (option + 1) % 6;
        progress->button(option)->click();
    }
    progress->button(4)->click();
}

void closeSetAsideWindows() {
    window.reset();
}

} // namespace korvane::bench
