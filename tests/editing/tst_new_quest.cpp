// New quests: the edit pane, its area list, cleaning, adding and cancelling.

#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{"0001,ウィンダス,港,a,p,c,0,0,0", "0003,ジュノ,ジュノ港,b,p,c,1,1,0"},
            Utf8Lines{"0001000一の内容", "0003000三の内容"}, Utf8Lines{"0001000一の報酬"},
            Utf8Lines{"0003000三のメモ"}};
}

} // namespace

class NewQuestTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.open(quests()); }
    void cleanup() { f.close(); }
    void emptyTableStartsAt0001();
    void openingTwiceOrCancellingUsesNoNumber();
    void addsCleanedLineAndIndexedTexts();
    void typedNationWithACommaIsQuoted();
    void afterAddingTheFirstRowIsShown();
    void cancelShowsTheCurrentQuestAgain();
    void paneKeepsNationAreaAndBoxesBetweenUses();
    void numberAfterDeletingTheHighestStillRises();
    void refusesAbove9999();
    void failedSaveKeepsWhatWasDone();
    void refusesUnmappableTextBeforeWriting();

private:
    void fillPane(const QString& nation, const QString& name) {
        choose(f.dropDown("ComboBox3"), nation);
        typeInto(f.field("Edit3"), name);
        typeInto(f.field("Edit4"), "場所");
        typeInto(f.field("Edit5"), "条件");
    }
    Fixture f;
};

void NewQuestTest::emptyTableStartsAt0001() {
    f.open({Utf8Lines{}, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}});
    click(f.button("Button5"));
    QVERIFY(f.get<QWidget>("ScrollBox2")->isVisible());
    QVERIFY(!f.get<QWidget>("ScrollBox1")->isVisible());
    QVERIFY(f.button("Button4")->isVisible());
    QVERIFY(!f.button("Button9")->isVisible());
    QCOMPARE(f.label("Label6"), "0001");
    click(f.button("Button4"));
    QCOMPARE(readUtf8Lines(f.table()), Utf8Lines{"0001,,,,,,0,0,0"});
    click(f.button("Button5"));
    QCOMPARE(f.label("Label6"), "0002");
}

void NewQuestTest::openingTwiceOrCancellingUsesNoNumber() {
    click(f.button("Button5"));
    QCOMPARE(f.label("Label6"), "0004");
    click(f.button("Button5"));
    QCOMPARE(f.label("Label6"), "0004");
    click(f.button("Button7"));
    QVERIFY(!f.get<QWidget>("ScrollBox2")->isVisible());
    click(f.button("Button5"));
    QCOMPARE(f.label("Label6"), "0004");
}

void NewQuestTest::addsCleanedLineAndIndexedTexts() {
    const auto rewardInode = inodeOf(f.reward());
    click(f.button("Button5"));
    choose(f.dropDown("ComboBox3"), "ジュノ");
    QCOMPARE(f.dropDown("ComboBox4")->Text(), "ル・ルデの庭");
    choose(f.dropDown("ComboBox4"), "ジュノ港");
    typeInto(f.field("Edit3"), "星, 読み　の塔");
    typeInto(f.field("Edit4"), "天 文台");
    typeInto(f.field("Edit5"), "なし");
    click(f.box("CheckBox5")); // completed without offered
    typeInto(f.text("RichEdit1"), "一行目\n二行目\n三行目");
    typeInto(f.text("Memo3"), "メモ一\n\nメモ三\n");
    click(f.button("Button4"));

    QCOMPARE(f.field("Edit3")->text(), "星､読みの塔");
    QCOMPARE(readBytes(f.table()),
             crlf({sj("0001,ウィンダス,港,a,p,c,0,0,0"), sj("0003,ジュノ,ジュノ港,b,p,c,1,1,0"),
                   sj("0004,ジュノ,ジュノ港,星") + "\xA4" + sj("読みの塔,天文台,なし,0,1,0")}));
    QCOMPARE(readUtf8Lines(f.content()), (Utf8Lines{"0001000一の内容", "0003000三の内容", "0004000一行目",
                                                    "0004001二行目", "0004002三行目"}));
    QCOMPARE(readUtf8Lines(f.memo()),
             (Utf8Lines{"0003000三のメモ", "0004000メモ一", "0004001", "0004002メモ三"}));
    QCOMPARE(inodeOf(f.reward()), rewardInode); // an empty reward does not write its file
    QVERIFY(!f.get<QWidget>("ScrollBox2")->isVisible());
}

void NewQuestTest::typedNationWithACommaIsQuoted() {
    click(f.button("Button5"));
    typeInto(f.dropDown("ComboBox3"), "東の,国");
    typeInto(f.dropDown("ComboBox4"), "北 区");
    typeInto(f.field("Edit3"), "名");
    click(f.button("Button4"));
    QCOMPARE(readUtf8Lines(f.table()).back(), "0004,\"東の,国\",\"北 区\",名,,,0,0,0");
}

void NewQuestTest::afterAddingTheFirstRowIsShown() {
    QCOMPARE(f.grid()->Row(), 1);
    click(f.button("Button5"));
    fillPane("ウィンダス", "新しい");
    click(f.button("Button4"));
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0001", "0003", "0004"}));
    QCOMPARE(f.grid()->Row(), 1);
    const DetailView view = f.detail();
    QCOMPARE(view.number, "0001");
    QCOMPARE(view.content, "一の内容\n"); // redrawn although row 1 was already current
    // A quest that does not pass the filters is stored but not listed.
    choose(f.dropDown("ComboBox1"), "ジュノ");
    click(f.button("Button5"));
    fillPane("マウラ", "見えない");
    click(f.button("Button4"));
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0003"});
    QCOMPARE(readUtf8Lines(f.table()).back(), "0005,マウラ,マウラ,見えない,場所,条件,0,0,0");
}

void NewQuestTest::cancelShowsTheCurrentQuestAgain() {
    clickRow(f.grid(), 2);
    click(f.button("Button5"));
    QCOMPARE(f.detail().content, "");
    typeInto(f.text("RichEdit1"), "書きかけ");
    const auto before = snapshot(f.dir->path());
    f.answerer.setAnswer(QStringLiteral("破棄")); // asked first, as something was typed
    click(f.button("Button7"));
    QCOMPARE(f.answerer.texts().size(), 1);
    QCOMPARE(f.detail().content, "三の内容\n");
    QCOMPARE(f.detail().memo, "三のメモ\n");
    QCOMPARE(snapshot(f.dir->path()), before);
}

void NewQuestTest::paneKeepsNationAreaAndBoxesBetweenUses() {
    click(f.button("Button5"));
    choose(f.dropDown("ComboBox3"), "サンドリア");
    choose(f.dropDown("ComboBox4"), "ドラギーユ城");
    click(f.box("CheckBox6"));
    click(f.button("Button4"));
    click(f.button("Button5"));
    QCOMPARE(f.dropDown("ComboBox3")->Text(), "サンドリア");
    QCOMPARE(f.dropDown("ComboBox4")->Text(), "ドラギーユ城");
    QVERIFY(f.box("CheckBox6")->isChecked());
    QCOMPARE(f.field("Edit3")->text(), "");
}

void NewQuestTest::numberAfterDeletingTheHighestStillRises() {
    clickRow(f.grid(), 2); // 0003, the highest
    f.answerer.setAnswer("はい(&Y)");
    click(f.button("Button3"));
    click(f.button("Button5"));
    QCOMPARE(f.label("Label6"), "0004");
    click(f.button("Button4"));
    QCOMPARE(QString::fromStdString(readUtf8Lines(f.table()).back()).left(5), "0004,");
    QCOMPARE(readUtf8Lines(f.table()).size(), 2u);
}

void NewQuestTest::refusesAbove9999() {
    // The full table says so at "New Quest": the pane never offers a number it cannot store.
    f.open({Utf8Lines{"9999,ジュノ,,a,p,c,0,0,0"}, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}});
    const auto before = snapshot(f.dir->path());
    click(f.button("Button5"));
    QCOMPARE(f.answerer.texts(),
             QStringList{"クエスト番号が 9999 に達しているため、新しいクエストは追加できません."});
    QVERIFY(!f.get<QWidget>("ScrollBox2")->isVisible());
    QCOMPARE(snapshot(f.dir->path()), before);
}

void NewQuestTest::failedSaveKeepsWhatWasDone() {
    markReadOnly(f.content());
    f.reopen(); // a change of mode is a change of the file: read as it is now
    const std::string content = readBytes(f.content());
    click(f.button("Button5"));
    fillPane("マウラ", "一回目");
    typeInto(f.text("RichEdit1"), "本文");
    typeInto(f.text("Memo3"), "メモ");
    click(f.button("Button4"));
    // The box says exactly what was stored, and the window shows it as stored.
    QCOMPARE(
        f.answerer.texts(),
        QStringList{QStringLiteral("ファイル %1 を作成できません\nこの編集は クエスト.csv に保存しましたが、"
                                   "クエスト内容.txt、クエストメモ.txt には保存していません.")
                        .arg(QDir::toNativeSeparators(f.content()))});
    QCOMPARE(readUtf8Lines(f.table()).back(), "0004,マウラ,マウラ,一回目,場所,条件,0,0,0");
    QCOMPARE(readBytes(f.content()), content);
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0003000三のメモ"}); // the rest is not carried out
    QVERIFY(!f.get<QWidget>("ScrollBox2")->isVisible());
    QVERIFY(listedNumbers(f.grid()).contains("0004"));
    clickRow(f.grid(), static_cast<int>(listedNumbers(f.grid()).indexOf("0004")) + 1);
    QCOMPARE(f.detail().name, "一回目");
    QCOMPARE(f.detail().content, "");
    QCOMPARE(f.detail().memo, "");
}

void NewQuestTest::refusesUnmappableTextBeforeWriting() {
    click(f.button("Button5"));
    fillPane("マウラ", QStringLiteral("顔😀"));
    const auto before = snapshot(f.dir->path());
    click(f.button("Button4"));
    QCOMPARE(f.answerer.texts(),
             QStringList{QStringLiteral("「クエスト」には保存できない文字が含まれています: 😀.")});
    QCOMPARE(snapshot(f.dir->path()), before);
    click(f.button("Button5"));
    QCOMPARE(f.label("Label6"), "0004"); // no number used up
}

KORVANE_WIDGET_TEST_MAIN(NewQuestTest)
#include "tst_new_quest.moc"
