#include "CharacterRows.h"

#include "MergeRows.h"
#include "app/TForm1.h"
#include "browser/StringGrid.h"
#include "store/PlayerChecklists.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <memory>

namespace korvane::bench {
namespace {

constexpr int kCharacters = 5;
std::vector<QString> folders; // the characters' checklists, the first one opened
std::unique_ptr<TForm1> window;

TForm1& characterWindow() {
    if (!window) {
        window = std::make_unique<TForm1>(DataPlace{folders.front(), folders.front() + "/korvane.ini"});
        window->resize(1200, 800);
        window->show();
        QApplication::processEvents(); // the others' progress is filled once the window is shown
    }
    return *window;
}

} // namespace

void prepareCharacters(const QString& root, const QString& fullSet, const QString& otherSet) {
    PlayerChecklists list;
    for (int i = 0; i < kCharacters; ++i) {
        folders.push_back(QDir(root).filePath(QStringLiteral("character%1").arg(i)));
        copySet(i % 2 == 0 ? fullSet : otherSet, folders.back());
        list.add(QStringLiteral("キャラ%1").arg(i), folders.back());
    }
    list.write(UserFolders::fromEnvironment());
}

void switchCharacter(benchmark::State& state) {
    TForm1& form = characterWindow();
    auto* names = form.findChild<QComboBox*>(QStringLiteral("ComboBox6"));
    for (auto _ : state)
        emit names->activated(names->currentIndex() == 0 ? 1 : 0);
    if (names->currentIndex() != 0)
        emit names->activated(0);
}

void selectRowBesideOthers(benchmark::State& state) {
    TForm1& form = characterWindow();
    auto* grid = form.findChild<StringGrid*>(QStringLiteral("StringGrid1"));
    static int row = 1; // each repetition moves on from where the last one left the grid
    for (auto _ : state) {
        row = (row * 7919) % (grid->RowCount() - 1) + 1;
        grid->setRow(row);
    }
    state.counters["others"] = static_cast<double>(
        form.findChild<QLabel*>(QStringLiteral("Label23"))->text().count(QStringLiteral(": ")));
}

void closeCharacterWindows() {
    window.reset();
}

} // namespace korvane::bench
