// Progress flags: stored at the mouse release, into the grid cell, the table line and the file.

#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{"0001,ウィンダス,港,a,p,c,0,0,0", "0002,ジュノ,ジュノ港,b,p,c,1,1,0",
                      "0003,マウラ,マウラ,c,p,c,1,0,1"},
            Utf8Lines{}, Utf8Lines{}, Utf8Lines{}};
}

enum Option { NotOffered, Offered, NotCompleted, Completed, All, Repeatable };

} // namespace

class FlagsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.open(quests()); }
    void cleanup() { f.close(); }
    void tickingOfferedStoresItEverywhere();
    void completedNeedsOffered();
    void clearingOfferedLeavesCompleted();
    void spaceBarStoresNothing();
    void rightClickStoresTheStateUnchanged();
    void editPaneBoxesRunTheViewPaneActions();
    void gridIsNotRefilled();
    void rowWithoutQuestChangesNothing();
    void readOnlyTableKeepsItsContent();
    void tableThatDidNotLoadIsNotWritten();

private:
    Fixture f;
};

void FlagsTest::tickingOfferedStoresItEverywhere() {
    click(f.box("CheckBox1"));
    QCOMPARE(cell(f.grid(), 6, 1), "1");
    QCOMPARE(readUtf8Lines(f.table()),
             (Utf8Lines{"0001,ウィンダス,港,a,p,c,1,0,0", "0002,ジュノ,ジュノ港,b,p,c,1,1,0",
                        "0003,マウラ,マウラ,c,p,c,1,0,1"}));
    QVERIFY(f.grid()->hasFocus());
    clickRow(f.grid(), 3);
    click(f.box("CheckBox3"));
    QCOMPARE(readUtf8Lines(f.table())[2], "0003,マウラ,マウラ,c,p,c,1,0,0");
}

void FlagsTest::completedNeedsOffered() {
    const auto before = inodeOf(f.table());
    const std::string bytes = readBytes(f.table());
    click(f.box("CheckBox2"));
    QVERIFY(!f.box("CheckBox2")->isChecked());
    QCOMPARE(cell(f.grid(), 7, 1), "0");
    QCOMPARE(readBytes(f.table()), bytes);
    QVERIFY(inodeOf(f.table()) != before); // rewritten with the same content
    click(f.box("CheckBox1"));
    click(f.box("CheckBox2"));
    QVERIFY(f.box("CheckBox2")->isChecked());
    QCOMPARE(readUtf8Lines(f.table())[0], "0001,ウィンダス,港,a,p,c,1,1,0");
}

void FlagsTest::clearingOfferedLeavesCompleted() {
    clickRow(f.grid(), 2);
    click(f.box("CheckBox1"));
    QCOMPARE(readUtf8Lines(f.table())[1], "0002,ジュノ,ジュノ港,b,p,c,0,1,0");
    auto* progress = f.get<RadioGroup>("RadioGroup1");
    click(progress->button(Completed));
    QVERIFY(listedNumbers(f.grid()).contains("0002"));
    click(progress->button(Offered));
    QVERIFY(!listedNumbers(f.grid()).contains("0002"));
    click(progress->button(NotOffered));
    QVERIFY(!listedNumbers(f.grid()).contains("0002"));
}

void FlagsTest::spaceBarStoresNothing() {
    const std::string bytes = readBytes(f.table());
    const auto before = inodeOf(f.table());
    f.box("CheckBox1")->setFocus();
    QTest::keyClick(f.box("CheckBox1"), Qt::Key_Space);
    QVERIFY(f.box("CheckBox1")->isChecked());
    QCOMPARE(cell(f.grid(), 6, 1), "0");
    QCOMPARE(inodeOf(f.table()), before);
    clickRow(f.grid(), 2);
    clickRow(f.grid(), 1);
    QVERIFY(!f.box("CheckBox1")->isChecked());
    QCOMPARE(readBytes(f.table()), bytes);
}

void FlagsTest::rightClickStoresTheStateUnchanged() {
    const std::string bytes = readBytes(f.table());
    const auto before = inodeOf(f.table());
    click(f.box("CheckBox1"), Qt::RightButton);
    QVERIFY(!f.box("CheckBox1")->isChecked());
    QCOMPARE(readBytes(f.table()), bytes);
    QVERIFY(inodeOf(f.table()) != before);
    QVERIFY(f.grid()->hasFocus());
}

void FlagsTest::editPaneBoxesRunTheViewPaneActions() {
    clickRow(f.grid(), 3); // offered, not completed
    click(f.button("Button5"));
    const std::string bytes = readBytes(f.table());
    click(f.box("CheckBox4")); // stores the view pane's offered flag, unchanged
    QVERIFY(f.box("CheckBox4")->isChecked());
    QCOMPARE(readBytes(f.table()), bytes);
    QVERIFY(f.grid()->hasFocus());
    // The completed rule reads the view pane's boxes: offered is ticked there, so 2 is refused only
    // when the view pane's offered box is clear.
    clickRow(f.grid(), 1);
    click(f.box("CheckBox5"));
    QVERIFY(!f.box("CheckBox2")->isChecked());
    QCOMPARE(readUtf8Lines(f.table())[0], "0001,ウィンダス,港,a,p,c,0,0,0");
}

void FlagsTest::gridIsNotRefilled() {
    click(f.get<RadioGroup>("RadioGroup1")->button(NotOffered));
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0001"});
    click(f.box("CheckBox1"));
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0001"});
    QCOMPARE(readUtf8Lines(f.table())[0], "0001,ウィンダス,港,a,p,c,1,0,0");
}

void FlagsTest::rowWithoutQuestChangesNothing() {
    choose(f.dropDown("ComboBox1"), "ジラート"); // admits nothing: one empty row
    QCOMPARE(cell(f.grid(), 0, 1), "");
    const auto before = snapshot(f.dir->path());
    const auto inode = inodeOf(f.table());
    click(f.box("CheckBox1"));
    QVERIFY(!f.box("CheckBox1")->isChecked());
    QCOMPARE(cell(f.grid(), 6, 1), "");
    QCOMPARE(snapshot(f.dir->path()), before);
    QCOMPARE(inodeOf(f.table()), inode);
    QVERIFY(f.answerer.seen().isEmpty());
}

void FlagsTest::readOnlyTableKeepsItsContent() {
    const std::string bytes = readBytes(f.table());
    markReadOnly(f.table());
    f.reopen(); // a change of mode is a change of the file: read as it is now
    f.button("Button5")->setFocus();
    click(f.box("CheckBox1"));
    QCOMPARE(f.answerer.texts(),
             QStringList{
                 QStringLiteral("ファイル %1 を作成できません.").arg(QDir::toNativeSeparators(f.table()))});
    QCOMPARE(readBytes(f.table()), bytes);
    // A tick that was not stored is not shown as stored, nor written by the next save.
    QCOMPARE(cell(f.grid(), 6, 1), "0");
    QVERIFY(!f.box("CheckBox1")->isChecked());
    QVERIFY(!f.grid()->hasFocus());
    markReadOnly(f.table(), false);
    f.reopen();
    click(f.box("CheckBox3"));
    QCOMPARE(readUtf8Lines(f.table())[0], "0001,ウィンダス,港,a,p,c,0,0,1");
}

void FlagsTest::tableThatDidNotLoadIsNotWritten() {
    DataSet data = quests();
    data.table->push_back("x,broken");
    f.open(data);
    QCOMPARE(f.answerer.texts(), QStringList{"'x' は整数ではありません."});
    const auto before = snapshot(f.dir->path());
    click(f.box("CheckBox1"));
    QCOMPARE(f.answerer.texts().size(), 2);
    QVERIFY(f.answerer.texts().last().contains(QDir::toNativeSeparators(f.table())));
    QVERIFY(!f.box("CheckBox1")->isChecked());
    QCOMPARE(snapshot(f.dir->path()), before);
}

KORVANE_WIDGET_TEST_MAIN(FlagsTest)
#include "tst_flags.moc"
