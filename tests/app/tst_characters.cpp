// A checklist per character, as a player with two characters uses it: a second character made from
// the first in the main character's folder, a tick on it, its progress beside the first's, the
// character on show named where the eye is and read by assistive technology, and back.

#include "app/NewCharacterDialog.h"
#include "browser/ProgressChart.h"
#include "browser/ProgressDialog.h"
#include "store/DataFiles.h"
#include "store/PlayerChecklists.h"
#include "support/Fixture.h"
#include "support/ModalAnswerer.h"
#include "support/NextDialog.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{"0001,ウィンダス,港,a,p,c,1,1,0", "0002,ジュノ,ジュノ港,b,p,c,0,0,1"},
            Utf8Lines{"0001000内容"}, Utf8Lines{"0001000報酬"}, Utf8Lines{"0001000本体のメモ"}};
}

} // namespace

class CharactersTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        // The player's list, this test's own (on Windows it lives under APPDATA).
        settings_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", settings_->path().toLocal8Bit());
        qputenv("APPDATA", settings_->path().toLocal8Bit());
        f.open(quests());
    }
    void cleanup() { f.close(); }
    void aSecondCharacterIsMadeTickedAndSeenBeside();
    void aCharacterElsewhereIsMovedIntoTheMainFolder();
    void charactersOfAnotherPcFollowWithoutARestart();
    void favouritesAreThePlayersUnlessACharacterHasItsOwn();
    void eachCharacterKeepsItsUndoAcrossASwitch();
    void theWholeChecklistMovesWithItsCharacters();

private:
    QComboBox* characters() const { return f.get<QComboBox>("ComboBox6"); }
    std::unique_ptr<QTemporaryDir> settings_;
    Fixture f;
};

void CharactersTest::aSecondCharacterIsMadeTickedAndSeenBeside() {
    const QString first = f.dir->path();
    const QString second = first + "/キャラクター/サブ";
    QDir(second).removeRecursively();
    QCOMPARE(characters()->count(), 1);
    QCOMPARE(characters()->toolTip(), QDir::toNativeSeparators(first));

    // A new character beside the first, its quests without the first's progress or memo.
    onNextDialog<NewCharacterDialog>([](NewCharacterDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("CharacterName");
        name->setText(QStringLiteral("サブ"));
        dialog->findChild<QPushButton*>("CharacterMake")->click();
    });
    f.form->findChild<QAction*>("NewCharacter")->trigger();
    QCOMPARE(characters()->count(), 2);
    QCOMPARE(characters()->currentText(), "サブ");
    QCOMPARE(characters()->toolTip(), QDir::toNativeSeparators(second));
    QCOMPARE(readUtf8Lines(files::inFolder(second, files::kQuestTable)),
             (Utf8Lines{"0001,ウィンダス,港,a,p,c,0,0,0", "0002,ジュノ,ジュノ港,b,p,c,0,0,1"}));
    QCOMPARE(readBytes(files::inFolder(second, files::kMemo)), "");
    QCOMPARE(f.detail().number, "0001");       // the quest on show stays on show
    QCOMPARE(f.label("Label23"), "メイン: ◎"); // the first checklist listed is the main character
    QCOMPARE(f.label("Label29"), "サブ");

    // A tick on the second character, seen from the first, in the detail view and the overview.
    click(f.box("CheckBox1"));
    QCOMPARE(readUtf8Lines(files::inFolder(second, files::kQuestTable))[0], "0001,ウィンダス,港,a,p,c,1,0,0");
    f.form->activateWindow(); // as the desktop gives the window back once the dialog is gone
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QVERIFY(!f.label("Label19").isEmpty());
    QTest::keyClick(f.form.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(characters()->currentText(), "メイン");
    QCOMPARE(f.label("Label29"), "メイン");
    QVERIFY(f.label("Label19").isEmpty()); // what was said of サブ went with it
    QCOMPARE(f.detail().number, "0001");
    QVERIFY(f.detail().completed); // the first's own progress
    QCOMPARE(f.label("Label23"), "サブ: ○");
    onNextDialog<ProgressDialog>([](ProgressDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), "進捗 — メイン");
        QTreeWidget* tree = dialog->tree();
        QCOMPARE(tree->headerItem()->text(tree->columnCount() - 1), "サブ");
        QCOMPARE(tree->topLevelItem(tree->topLevelItemCount() - 1)->text(tree->columnCount() - 1), "0 / 2");
        // Over time, whose: the main character's journal is empty, サブ's holds its tick.
        QVERIFY(dialog->chart()->history().steps.empty());
        QCOMPARE(dialog->chart()->history().beforeJournal, 1);
        dialog->findChild<QComboBox*>("ComboBox9")->setCurrentIndex(1);
        QCOMPARE(dialog->chart()->history().steps.size(), 1u);
        QCOMPARE(dialog->chart()->history().beforeJournal, 0);
        dialog->reject();
    });
    click(f.button("Button12"));

    // What a screen reader reads: each value itself, the grid's row as its quest, the menu a menu.
    const auto read = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    QCOMPARE(read(f.get<QLabel>("Label23")), "サブ: ○");
    QCOMPARE(read(f.get<QLabel>("Label24")), f.label("Label24"));
    QVERIFY(read(f.get<QLabel>("Label24")).contains("コンプリート"));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(f.get<QWidget>("StringGrid1"));
    QCOMPARE(grid->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), "0001 a");
    QCOMPARE(grid->tableInterface()->cellAt(0, 7)->text(QAccessible::Name), "コンプリート 済み");
    QAccessibleInterface* actions = QAccessible::queryAccessibleInterface(f.get<QWidget>("SpeedButton4"));
    QCOMPARE(actions->role(), QAccessible::ButtonMenu);
    QVERIFY(actions->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    QAccessibleInterface* menu =
        QAccessible::queryAccessibleInterface(f.form->findChild<QMenu*>("CharacterMenu"));
    QCOMPARE(menu->role(), QAccessible::PopupMenu);
    QCOMPARE(menu->child(0)->text(QAccessible::Name), "新しいキャラクター…");

    // Started again, the window shows the others' progress once it is on the screen.
    f.reopen();
    QTRY_COMPARE(f.label("Label23"), "サブ: ○");

    // A character whose folder is gone says so, and can be taken off the list.
    QDir(second).removeRecursively();
    f.answerer.clear();
    f.answerer.setAnswer(QStringLiteral("一覧から外す"));
    emit characters()->activated(characters()->findText("サブ"));
    QCOMPARE(f.answerer.seen().size(), 1);
    QVERIFY(f.answerer.seen().front().text.contains(QDir::toNativeSeparators(second)));
    QCOMPARE(characters()->count(), 1);
    QCOMPARE(f.label("Label29"), "メイン");
}

// A character made loose beside the main folder goes into it with its files, and is shown there.
void CharactersTest::aCharacterElsewhereIsMovedIntoTheMainFolder() {
    const std::unique_ptr<QTemporaryDir> loose = quests().write();
    PlayerChecklists list = PlayerChecklists::read(UserFolders::fromEnvironment());
    list.opened(f.dir->path()); // as a start in the folder lists it
    list.add("別", loose->path());
    list.write(UserFolders::fromEnvironment());
    f.reopen();
    emit characters()->activated(characters()->findText("別"));
    QCOMPARE(f.label("Label29"), "別");
    const std::string memo = readBytes(files::inFolder(loose->path(), files::kMemo));

    f.answerer.setAnswer(kYes);
    f.form->findChild<QAction*>("MoveCharacterIn")->trigger();
    const QString moved = f.dir->path() + "/キャラクター/別";
    QVERIFY(!QFileInfo::exists(loose->path()));
    QCOMPARE(readBytes(files::inFolder(moved, files::kMemo)), memo);
    QCOMPARE(f.label("Label29"), "別");
    QCOMPARE(characters()->toolTip(), QDir::toNativeSeparators(moved));
    QCOMPARE(PlayerChecklists::read(UserFolders::fromEnvironment()).find(moved)->name, "別");
}

// What another PC does to the main folder's characters, as a sync tool brings it: a character it
// made is offered here, its new name shown, and one it took off leaves the list, all while open.
void CharactersTest::charactersOfAnotherPcFollowWithoutARestart() {
    const QString made = f.dir->path() + "/キャラクター/k";
    QDir().mkpath(made);
    for (const QString& file : {files::kQuestTable, files::kContent, files::kReward, files::kMemo})
        QFile::copy(files::inFolder(f.dir->path(), file), files::inFolder(made, file));
    writeBytes(made + "/キャラクター名.txt", "騎士\r\n");
    QTRY_VERIFY_WITH_TIMEOUT(characters()->findText("騎士") >= 0, 8000);
    QCOMPARE(characters()->currentText(), "メイン"); // the one on show stays
    writeBytes(made + "/キャラクター名.txt", "聖騎士\r\n");
    QTRY_VERIFY_WITH_TIMEOUT(characters()->findText("聖騎士") >= 0, 8000);
    QCOMPARE(characters()->count(), 2);
    writeBytes(made + "/キャラクター名.txt", "聖騎士\r\n外した\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(characters()->count(), 1, 8000);
}

// A character's own copy of the favourites, as an older Korvane made it, is not what the web pane
// reads: the main checklist's list is the player's.
void CharactersTest::favouritesAreThePlayersUnlessACharacterHasItsOwn() {
    writeBytes(files::inFolder(f.dir->path(), files::kUrlList), "Main,https://main.example.org/\r\n");
    const QString other = f.dir->path() + "/キャラクター/k";
    QDir().mkpath(other);
    for (const QString& file : {files::kQuestTable, files::kContent, files::kReward, files::kMemo})
        QFile::copy(files::inFolder(f.dir->path(), file), files::inFolder(other, file));
    writeBytes(files::inFolder(other, files::kUrlList), "Copy,https://copy.example.org/\r\n");
    f.reopen();
    emit characters()->activated(characters()->findText("k"));
    QCOMPARE(f.label("Label29"), "k");
    click(f.button("Button11")); // the web pane
    auto* favourites = f.get<QComboBox>("ComboBox5");
    QCOMPARE(favourites->count(), 1);
    QVERIFY(favourites->itemText(0).startsWith("Main,"));

    // Given favourites of its own on purpose, the character uses its list, after a switch too.
    f.form->findChild<QAction*>("OwnFavourites")->trigger();
    QVERIFY(favourites->itemText(0).startsWith("Copy,"));
    emit characters()->activated(0);
    QVERIFY(favourites->itemText(0).startsWith("Main,"));
    emit characters()->activated(characters()->findText("k"));
    QVERIFY(favourites->itemText(0).startsWith("Copy,"));
    QVERIFY(f.form->findChild<QAction*>("OwnFavourites")->isChecked());
}

void CharactersTest::eachCharacterKeepsItsUndoAcrossASwitch() {
    const QString other = f.dir->path() + "/キャラクター/k";
    QDir().mkpath(other);
    for (const QString& file : {files::kQuestTable, files::kContent, files::kReward, files::kMemo})
        QFile::copy(files::inFolder(f.dir->path(), file), files::inFolder(other, file));
    f.reopen();
    const std::string before = readBytes(files::inFolder(f.dir->path(), files::kQuestTable));
    clickRow(f.grid(), 2);
    click(f.box("CheckBox3"));
    QVERIFY(readBytes(files::inFolder(f.dir->path(), files::kQuestTable)) != before);
    emit characters()->activated(characters()->findText("k"));
    QCOMPARE(f.label("Label29"), "k");
    QVERIFY(!f.button("Button14")->isEnabled()); // k has nothing to undo
    emit characters()->activated(characters()->findText("メイン"));
    QVERIFY(f.button("Button14")->isEnabled());
    click(f.button("Button14"));
    QCOMPARE(readBytes(files::inFolder(f.dir->path(), files::kQuestTable)), before);
}

KORVANE_WIDGET_TEST_MAIN(CharactersTest)
#include "tst_characters.moc"

// Moved into a sync folder in one step: the character on show is shown again from there, its
// ticks saved there, and nothing is left behind.
void CharactersTest::theWholeChecklistMovesWithItsCharacters() {
    const QString knight = f.dir->path() + "/キャラクター/k";
    QDir().mkpath(knight);
    for (const QString& file : {files::kQuestTable, files::kContent, files::kReward, files::kMemo})
        QFile::copy(files::inFolder(f.dir->path(), file), files::inFolder(knight, file));
    writeBytes(knight + "/キャラクター名.txt", "騎士\r\n");
    f.reopen();
    emit characters()->activated(characters()->findText("騎士"));
    const QTemporaryDir sync;
    onNextDialog<QFileDialog>([&](QFileDialog* chooser) {
        chooser->setDirectory(sync.path());
        QMetaObject::invokeMethod(chooser, "accept");
    });
    f.answerer.setAnswer(kYes);
    f.form->findChild<QAction*>("MoveChecklist")->trigger();

    const QString moved = sync.path() + "/キャラクター/k";
    QCOMPARE(characters()->currentText(), "騎士");
    QCOMPARE(characters()->toolTip(), QDir::toNativeSeparators(moved));
    QCOMPARE(characters()->itemData(0).toString(), sync.path());
    QVERIFY(!QFileInfo::exists(f.dir->path()));
    const std::string table = readBytes(files::inFolder(moved, files::kQuestTable));
    click(f.box("CheckBox3"));
    QVERIFY(readBytes(files::inFolder(moved, files::kQuestTable)) != table);
}
