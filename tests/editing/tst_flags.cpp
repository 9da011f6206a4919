// Progress flags: stored at the mouse release, into the grid cell, the table line and the file.

#include "store/DataFiles.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <functional>

using namespace korvane;
using namespace korvane::test;

Q_DECLARE_METATYPE(std::function<void(korvane::FlagBox*)>)

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
    void everyWayOfTickingIsStored_data();
    void everyWayOfTickingIsStored();
    void screenReadersToggleSetAside();
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

using Way = std::function<void(FlagBox*)>;

void doAction(QWidget* widget, const QString& action) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QAccessibleActionInterface* actions = accessible ? accessible->actionInterface() : nullptr;
    QVERIFY(actions);
    actions->doAction(action);
}

// Quest 0001 is not offered. What the player does to オファー, and what the table then holds.
void FlagsTest::everyWayOfTickingIsStored_data() {
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("rewritten"); // the file written, also with the same lines
    QTest::addColumn<bool>("focusStays");
    QTest::newRow("click") << Way([](FlagBox* box) { click(box); }) << "1" << true << false;
    QTest::newRow("right button") << Way([](FlagBox* box) { click(box, Qt::RightButton); }) << "0" << true
                                  << false;
    QTest::newRow("left press released outside") << Way([](FlagBox* box) {
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(-40, 60));
    }) << "0" << true << false;
    QTest::newRow("space bar") << Way([](FlagBox* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    }) << "1" << true << true;
    QTest::newRow("screen reader's Toggle")
        << Way([](FlagBox* box) { doAction(box, QAccessibleActionInterface::toggleAction()); }) << "1" << true
        << false;
    QTest::newRow("screen reader's Press") << Way([](FlagBox* box) {
        doAction(box, QAccessibleActionInterface::pressAction());
        QTest::qWait(200); // a press is an animated click
    }) << "1" << true << false;
    QTest::newRow("shown with another quest") << Way([this](FlagBox*) {
        clickRow(f.grid(), 2);
        clickRow(f.grid(), 1);
    }) << "0" << false << false;
}

void FlagsTest::everyWayOfTickingIsStored() {
    QFETCH(Way, way);
    QFETCH(QString, stored);
    QFETCH(bool, rewritten);
    QFETCH(bool, focusStays);
    const auto before = inodeOf(f.table());
    way(f.box("CheckBox1"));
    QCOMPARE(cell(f.grid(), 6, 1), stored);
    QCOMPARE(QString::fromStdString(readUtf8Lines(f.table())[0]),
             "0001,ウィンダス,港,a,p,c," + stored + ",0,0");
    QCOMPARE(inodeOf(f.table()) != before, rewritten);
    QCOMPARE(f.box("CheckBox1")->isChecked(), stored == "1");
    if (focusStays)
        QVERIFY(f.box("CheckBox1")->hasFocus());
}

// 見送り is a button that stays down: a screen reader toggles it without a click, and the quest is
// set aside as by a click: it leaves the list for the next one, whose state the button then shows.
void FlagsTest::screenReadersToggleSetAside() {
    auto* button = f.button("Button25");
    doAction(button, QAccessibleActionInterface::toggleAction());
    QCOMPARE(readUtf8Lines(files::inFolder(f.dir->path(), files::kSetAside)).size(), 1u);
    QVERIFY(readUtf8Lines(files::inFolder(f.dir->path(), files::kSetAside))[0].starts_with("0001,"));
    QCOMPARE(f.label("Label14"), "0002");
    QVERIFY(!button->isChecked());
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
