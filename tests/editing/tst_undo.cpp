// Undo and redo on the real window: the buttons, their names, the keys, the quest put on show, and
// an undo refused after another program changed a file.

#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{"0001,ウィンダス,港,a,p,c,0,0,0", "0002,ジュノ,ジュノ港,b,p,c,1,1,0",
                      "0003,マウラ,マウラ,c,p,c,1,0,1"},
            Utf8Lines{"0002000二の内容"}, Utf8Lines{}, Utf8Lines{"0002000二のメモ"}};
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.open(quests()); }
    void cleanup() { f.close(); }
    void buttonsAndKeysStepThroughTheHistory();
    void anUndoneDeletionShowsItsQuestWhateverTheFilter();
    void anUndoAfterAnOutsideChangeIsRefused();

private:
    QPushButton* undo() const { return f.button("Button14"); }
    QPushButton* redo() const { return f.button("Button15"); }
    std::vector<std::string> files() const {
        return {readBytes(f.table()), readBytes(f.content()), readBytes(f.reward()), readBytes(f.memo())};
    }
    Fixture f;
};

void UndoTest::buttonsAndKeysStepThroughTheHistory() {
    QVERIFY(!undo()->isEnabled());
    QVERIFY(!redo()->isEnabled());
    const auto before = files();
    click(f.box("CheckBox1")); // 0001 offered
    const auto ticked = files();
    QVERIFY(undo()->isEnabled());
    QCOMPARE(undo()->toolTip(), "元に戻す: オファー 0001 (Ctrl+Z)");

    click(undo());
    QCOMPARE(files(), before);
    QVERIFY(!f.box("CheckBox1")->isChecked());
    QCOMPARE(redo()->toolTip(), "やり直し: オファー 0001 (Ctrl+Y)");
    f.grid()->setFocus();
    QTest::keyClick(f.form.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(files(), ticked);
    QVERIFY(f.box("CheckBox1")->isChecked());

    // In a text box the keys undo the typing, never an edit.
    typeInto(f.text("Memo3"), "書きかけ");
    QTest::keyClick(f.text("Memo3"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.detail().memo, "");
    QCOMPARE(files(), ticked);

    // A memo, then both steps undone by keys, and redone by the other redo key.
    typeInto(f.text("Memo3"), "一のメモ");
    click(f.button("Button2"));
    const auto saved = files();
    QCOMPARE(undo()->toolTip(), "元に戻す: メモ 0001 (Ctrl+Z)");
    f.grid()->setFocus();
    QTest::keyClick(f.form.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(f.form.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(files(), before);
    QVERIFY(!undo()->isEnabled());
    QTest::keyClick(f.form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(f.form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(files(), saved);
    QCOMPARE(f.detail().memo, "一のメモ\n");
}

void UndoTest::anUndoneDeletionShowsItsQuestWhateverTheFilter() {
    clickRow(f.grid(), 2);
    f.answerer.setAnswer(kYes);
    click(f.button("Button3")); // 0002 deleted, with its content and memo
    QCOMPARE(undo()->toolTip(), "元に戻す: 削除 0002 (Ctrl+Z)");
    click(f.get<RadioGroup>("RadioGroup1")->button(0)); // Not offered: 0001 alone
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0001"});
    click(undo());
    QCOMPARE(f.get<RadioGroup>("RadioGroup1")->ItemIndex(), 0); // the filter stays
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0001", "0002"}));
    QCOMPARE(f.detail().number, "0002");
    QCOMPARE(f.detail().content, "二の内容\n");
    QCOMPARE(f.detail().memo, "二のメモ\n");
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0002000二のメモ"});
}

void UndoTest::anUndoAfterAnOutsideChangeIsRefused() {
    click(f.box("CheckBox3"));
    writeBytes(f.table(), readBytes(f.table()) + sj("0009,外,外,外,外,外,0,0,0\r\n"));
    const auto changed = dataSnapshot(f.dir->path());
    f.answerer.setAnswer(kNo);
    click(undo());
    QVERIFY(f.answerer.texts().last().contains(
        QDir::toNativeSeparators(f.table())));      // the offer to read the files again
    QCOMPARE(dataSnapshot(f.dir->path()), changed); // nothing written
    QVERIFY(!undo()->isEnabled());                  // its steps no longer fit the files
}

KORVANE_WIDGET_TEST_MAIN(UndoTest)
#include "tst_undo.moc"
