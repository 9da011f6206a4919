// Modification and deletion: the confirmation, what is rewritten, and what is never touched.

#include "store/DataFiles.h"
#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{"0011,ウィンダス,石の区,X,老婦人,なし,1,1,0",
                      "0012,ウィンダス,港,釣り,釣り人,なし,0,0,0",
                      "0013,ジラート,谷底,石板,番人,ランク4,0,0,1"},
            Utf8Lines{"0011000十一", "0012000一", "0012001二", "0012002三", "0012003四", "0012004五",
                      "0013000十三"},
            Utf8Lines{"0011000ギル1", "0012000ギル2", "0013000ギル3"}, Utf8Lines{"0011000メモ"}};
}

} // namespace

class ModifyDeleteTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.open(quests()); }
    void cleanup() { f.close(); }
    void confirmationNamesTheQuestAsItWas();
    void declinedModificationChangesNothing();
    void changingTheNameRewritesOnlyThatLineInPlace();
    void paneBoxesAreStoredAsLeft();
    void areaWithoutListIsShownAsStored();
    void textsAreReplacedAndEmptiedOnesRemoved();
    void leavingTheFilterReturnsToTheSameRow();
    void modificationOfAQuestNotInTheTableIsRefused();
    void deletionRemovesOnlyThatQuest();
    void deletionQuestionWithEmptyArea();
    void declinedDeletionChangesNothing();
    void deletionWithoutAQuestOnShowIsRefused();
    void editsRefuseWhenAStoreDidNotLoad();

private:
    void openModification(int row) {
        clickRow(f.grid(), row);
        click(f.button("Button8"));
    }
    Fixture f;
};

void ModifyDeleteTest::confirmationNamesTheQuestAsItWas() {
    openModification(1);
    QCOMPARE(f.label("Label6"), "0011");
    QCOMPARE(f.field("Edit3")->text(), "X");
    QVERIFY(f.button("Button9")->isVisible());
    QVERIFY(!f.button("Button4")->isVisible());
    typeInto(f.field("Edit3"), "Y");
    f.answerer.setAnswer(kYes);
    click(f.button("Button9"));
    const SeenBox box = f.answerer.seen().front();
    QCOMPARE(box.text, "ウィンダス~石の区【X】の内容・報酬・メモの内容を変更します");
    QCOMPARE(box.title, "確認");
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, (QStringList{kYes, kNo}));
    QCOMPARE(box.defaultButton, kYes);
    QCOMPARE(box.escapeButton, kNo);
}

void ModifyDeleteTest::declinedModificationChangesNothing() {
    const auto before = snapshot(f.dir->path());
    openModification(2);
    typeInto(f.field("Edit3"), "別名");
    f.answerer.setAnswer(kNo);
    click(f.button("Button9"));
    QCOMPARE(snapshot(f.dir->path()), before);
    QVERIFY(f.get<QWidget>("ScrollBox2")->isVisible());
    QCOMPARE(f.field("Edit3")->text(), "別名");
}

void ModifyDeleteTest::changingTheNameRewritesOnlyThatLineInPlace() {
    openModification(2);
    click(f.box("CheckBox6")); // the pane's boxes as the quest is to be stored: repeatable only
    typeInto(f.field("Edit3"), "夜 釣り");
    f.answerer.setAnswer(kYes);
    click(f.button("Button9"));
    QCOMPARE(readUtf8Lines(f.table()), (Utf8Lines{"0011,ウィンダス,石の区,X,老婦人,なし,1,1,0",
                                                  "0012,ウィンダス,港,夜釣り,釣り人,なし,0,0,1",
                                                  "0013,ジラート,谷底,石板,番人,ランク4,0,0,1"}));
    QCOMPARE(f.grid()->Row(), 2);
    QCOMPARE(f.detail().name, "夜釣り");
    QVERIFY(!f.get<QWidget>("ScrollBox2")->isVisible());
}

void ModifyDeleteTest::paneBoxesAreStoredAsLeft() {
    // The pane opens with the quest's own progress, so a rename never changes it.
    openModification(1); // stored offered and completed
    QVERIFY(f.box("CheckBox4")->isChecked());
    QVERIFY(f.box("CheckBox5")->isChecked());
    QVERIFY(!f.box("CheckBox6")->isChecked());
    f.answerer.setAnswer(kYes);
    typeInto(f.field("Edit3"), "新しい名前");
    click(f.button("Button9"));
    QCOMPARE(readUtf8Lines(f.table())[0], "0011,ウィンダス,石の区,新しい名前,老婦人,なし,1,1,0");
    openModification(3); // stored repeatable only
    QVERIFY(!f.box("CheckBox4")->isChecked());
    QVERIFY(f.box("CheckBox6")->isChecked());
    click(f.box("CheckBox6"));
    click(f.button("Button9"));
    QCOMPARE(readUtf8Lines(f.table())[2], "0013,ジラート,谷底,石板,番人,ランク4,0,0,0");
}

void ModifyDeleteTest::areaWithoutListIsShownAsStored() {
    openModification(3);
    QCOMPARE(f.dropDown("ComboBox3")->Text(), "ジラート");
    QCOMPARE(f.dropDown("ComboBox4")->Text(), "谷底");
    QCOMPARE(f.dropDown("ComboBox4")->count(), 0);
}

void ModifyDeleteTest::textsAreReplacedAndEmptiedOnesRemoved() {
    openModification(2);
    typeInto(f.text("RichEdit1"), "新一\n新二");
    typeInto(f.text("Memo2"), "");
    f.answerer.setAnswer(kYes);
    click(f.button("Button9"));
    QCOMPARE(readUtf8Lines(f.content()),
             (Utf8Lines{"0011000十一", "0012000新一", "0012001新二", "0013000十三"}));
    QCOMPARE(readUtf8Lines(f.reward()), (Utf8Lines{"0011000ギル1", "0013000ギル3"}));
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0011000メモ"});
    QCOMPARE(f.detail().reward, "");
}

void ModifyDeleteTest::leavingTheFilterReturnsToTheSameRow() {
    choose(f.dropDown("ComboBox1"), "ウィンダス");
    openModification(1);
    choose(f.dropDown("ComboBox3"), "マウラ");
    f.answerer.setAnswer(kYes);
    click(f.button("Button9"));
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0012"});
    QCOMPARE(f.grid()->Row(), 1);
    QCOMPARE(f.detail().number, "0012"); // row R now holds the next quest
    QCOMPARE(readUtf8Lines(f.table())[0], "0011,マウラ,マウラ,X,老婦人,なし,1,1,0");
}

void ModifyDeleteTest::modificationOfAQuestNotInTheTableIsRefused() {
    openModification(2);
    choose(f.dropDown("ComboBox1"), "サンドリア"); // the view now shows an empty row
    const auto before = snapshot(f.dir->path());
    f.answerer.setAnswer(kYes);
    click(f.button("Button9"));
    QCOMPARE(f.answerer.texts().last(), "修正するクエストが表示されていません.");
    QCOMPARE(snapshot(f.dir->path()), before);
    QVERIFY(f.get<QWidget>("ScrollBox2")->isVisible());

    // The pane was opened on the empty row, then a quest was shown: the pane names no quest of the
    // table, and its fields are written over no other quest's line.
    f.open(quests());
    choose(f.dropDown("ComboBox1"), "サンドリア");
    click(f.button("Button8"));
    choose(f.dropDown("ComboBox1"), "全国");
    clickRow(f.grid(), 2);
    const auto before2 = snapshot(f.dir->path());
    click(f.button("Button9"));
    QCOMPARE(f.answerer.texts().last(), "クエスト  が見つからないため、修正できません.");
    QCOMPARE(snapshot(f.dir->path()), before2);
}

void ModifyDeleteTest::deletionRemovesOnlyThatQuest() {
    clickRow(f.grid(), 2);
    f.answerer.setAnswer(kYes);
    click(f.button("Button3"));
    QCOMPARE(f.answerer.texts(), QStringList{"ウィンダス~港【釣り】削除しても良いですか"});
    QCOMPARE(readUtf8Lines(f.table()), (Utf8Lines{"0011,ウィンダス,石の区,X,老婦人,なし,1,1,0",
                                                  "0013,ジラート,谷底,石板,番人,ランク4,0,0,1"}));
    QCOMPARE(readUtf8Lines(f.content()), (Utf8Lines{"0011000十一", "0013000十三"}));
    QCOMPARE(readUtf8Lines(f.reward()), (Utf8Lines{"0011000ギル1", "0013000ギル3"}));
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0011000メモ"}); // rewritten, the same lines
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0011", "0013"}));
    QCOMPARE(f.grid()->Row(), 1);
}

void ModifyDeleteTest::deletionQuestionWithEmptyArea() {
    f.open({Utf8Lines{"0001,ジラート,,石板,番人,なし,0,0,0"}, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}});
    f.answerer.setAnswer(kNo);
    click(f.button("Button3"));
    QCOMPARE(f.answerer.texts(), QStringList{"ジラート~【石板】削除しても良いですか"});
}

void ModifyDeleteTest::declinedDeletionChangesNothing() {
    const auto before = snapshot(f.dir->path());
    f.answerer.setAnswer(kNo);
    click(f.button("Button3"));
    QCOMPARE(f.answerer.seen().size(), 1);
    QCOMPARE(snapshot(f.dir->path()), before);
    QCOMPARE(listedNumbers(f.grid()).size(), 3);
}

void ModifyDeleteTest::deletionWithoutAQuestOnShowIsRefused() {
    typeInto(f.field("Edit1"), "どこにもない");
    click(f.button("Button1")); // nothing found: no quest on show
    const auto before = snapshot(f.dir->path());
    f.answerer.setAnswer(kYes);
    click(f.button("Button3"));
    QCOMPARE(f.answerer.texts(), QStringList{"削除するクエストが表示されていません."});
    QCOMPARE(snapshot(f.dir->path()), before);
}

void ModifyDeleteTest::editsRefuseWhenAStoreDidNotLoad() {
    DataSet data = quests();
    data.reward.reset();
    data.unreadable << files::kReward; // start-up stops there: the reward and memo stores do not load
    f.open(data);
    QCOMPARE(f.answerer.texts().size(), 1);
    const auto before = snapshot(f.dir->path());
    f.answerer.setAnswer(kYes);

    click(f.button("Button3"));
    QVERIFY(f.answerer.texts().last().contains(QDir::toNativeSeparators(f.reward())));
    QCOMPARE(snapshot(f.dir->path()), before);

    openModification(2);
    click(f.button("Button9"));
    QVERIFY(f.answerer.texts().last().contains(QDir::toNativeSeparators(f.reward())));
    QCOMPARE(snapshot(f.dir->path()), before);

    click(f.button("Button5"));
    typeInto(f.text("Memo2"), "報酬あり");
    click(f.button("Button4"));
    QVERIFY(f.answerer.texts().last().contains(QDir::toNativeSeparators(f.reward())));
    QCOMPARE(snapshot(f.dir->path()), before);
    QVERIFY(QFileInfo(f.reward()).isDir());
}

KORVANE_WIDGET_TEST_MAIN(ModifyDeleteTest)
#include "tst_modify_delete.moc"
