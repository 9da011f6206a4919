// A checklist per character, as a player with two characters uses it: a second character made from
// the first, a tick on it, its progress beside the first's, and back.

#include "app/NewCharacterDialog.h"
#include "browser/ProgressDialog.h"
#include "store/DataFiles.h"
#include "support/Fixture.h"
#include "support/NextDialog.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QComboBox>
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
        qputenv("XDG_CONFIG_HOME", settings_.path().toLocal8Bit());
        qputenv("APPDATA", settings_.path().toLocal8Bit());
        f.open(quests());
    }
    void cleanup() { f.close(); }
    void aSecondCharacterIsMadeTickedAndSeenBeside();

private:
    QComboBox* characters() const { return f.get<QComboBox>("ComboBox6"); }
    QTemporaryDir settings_;
    Fixture f;
};

void CharactersTest::aSecondCharacterIsMadeTickedAndSeenBeside() {
    const QString first = f.dir->path();
    const QString second = QFileInfo(first).absolutePath() + "/サブ";
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
    QCOMPARE(f.detail().number, "0001"); // the quest on show stays on show
    QCOMPARE(f.label("Label23"), QDir(first).dirName() + ": ◎");

    // A tick on the second character, seen from the first, in the detail view and the overview.
    click(f.box("CheckBox1"));
    QCOMPARE(readUtf8Lines(files::inFolder(second, files::kQuestTable))[0], "0001,ウィンダス,港,a,p,c,1,0,0");
    f.form->activateWindow(); // as the desktop gives the window back once the dialog is gone
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QTest::keyClick(f.form.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(characters()->currentText(), QDir(first).dirName());
    QCOMPARE(f.detail().number, "0001");
    QVERIFY(f.detail().completed); // the first's own progress
    QCOMPARE(f.label("Label23"), "サブ: ○");
    onNextDialog<ProgressDialog>([](ProgressDialog* dialog) {
        QTreeWidget* tree = dialog->tree();
        QCOMPARE(tree->headerItem()->text(tree->columnCount() - 1), "サブ");
        QCOMPARE(tree->topLevelItem(tree->topLevelItemCount() - 1)->text(tree->columnCount() - 1), "0 / 2");
        dialog->reject();
    });
    click(f.button("Button12"));

    // Started again, the window shows the others' progress once it is on the screen.
    f.reopen();
    QTRY_COMPARE(f.label("Label23"), "サブ: ○");
    QDir(second).removeRecursively();
}

KORVANE_WIDGET_TEST_MAIN(CharactersTest)
#include "tst_characters.moc"
