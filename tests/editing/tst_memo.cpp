// Memo editing: "メモの修正" appears on typing and saves the memo view's lines.

#include "store/DataFiles.h"
#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{"0011,ウィンダス,港,a,p,c,0,0,0", "0012,ジュノ,ジュノ港,b,p,c,1,1,0",
                      "0013,マウラ,マウラ,c,p,c,1,0,1"},
            Utf8Lines{"0012000内容"}, Utf8Lines{},
            Utf8Lines{"0011000前", "0012000古い一", "0012001古い二", "0012002古い三", "0012003古い四",
                      "0013000後"}};
}

} // namespace

class MemoTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f.open(quests());
        clickRow(f.grid(), 2);
    }
    void cleanup() { f.close(); }
    void typingShowsTheButtonShowingAQuestHidesIt();
    void savesIndexedLinesInSortedPlace();
    void savingTwiceIsSavingOnce();
    void emptiedMemoLeavesTheFile();
    void typedTextIsStoredAsTyped_data();
    void typedTextIsStoredAsTyped();
    void refusesWithoutAQuestOnShow();
    void refusesMoreThan257Lines();
    void refusesCharactersCodePage932CannotHold();
    void keepsCodePage932CharactersByteExact();
    void memoStoreThatDidNotLoadIsNotWritten();
    void unsavedTypingIsAskedAbout();

private:
    void typeMemo(const QString& text) { typeInto(f.text("Memo3"), text); }
    Fixture f;
};

void MemoTest::typingShowsTheButtonShowingAQuestHidesIt() {
    QVERIFY(!f.button("Button2")->isVisible());
    typeMemo("x");
    QVERIFY(f.button("Button2")->isVisible());
    clickRow(f.grid(), 1);
    QVERIFY(!f.button("Button2")->isVisible());
}

void MemoTest::savesIndexedLinesInSortedPlace() {
    typeMemo("一\n\n三\n");
    click(f.button("Button2"));
    QCOMPARE(readUtf8Lines(f.memo()),
             (Utf8Lines{"0011000前", "0012000一", "0012001", "0012002三", "0013000後"}));
    QVERIFY(!f.button("Button2")->isVisible());                  // saved: nothing left to save
    QCOMPARE(readBytes(f.content()), crlf({sj("0012000内容")})); // other files untouched
}

void MemoTest::savingTwiceIsSavingOnce() {
    typeMemo("a\nb");
    click(f.button("Button2"));
    const std::string once = readBytes(f.memo());
    click(f.button("Button2"));
    QCOMPARE(readBytes(f.memo()), once);
}

void MemoTest::emptiedMemoLeavesTheFile() {
    typeMemo("");
    click(f.button("Button2"));
    QCOMPARE(readUtf8Lines(f.memo()), (Utf8Lines{"0011000前", "0013000後"}));
}

void MemoTest::typedTextIsStoredAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("stored"); // the quest's stored texts, after "0012" and the index
    const QString a100(100, QChar(0x3042)), a127(127, QChar(0x3042)), a200(200, QChar(0x3042));
    // A line ends where Enter was pressed; the narrow view wraps these on the screen, never in the file.
    QTest::newRow("a wrapped line of 200 bytes") << a100 << QStringList{a100};
    // Past 255 bytes a line goes on over the next stored lines, split between characters.
    QTest::newRow("400 bytes") << a200 << QStringList{a127, QString(73, QChar(0x3042))};
    QTest::newRow("300 ASCII bytes") << QString(300, 'x') << QStringList{QString(255, 'x'), QString(45, 'x')};
    QTest::newRow("Shift+Enter") << QString("上") + QChar::LineSeparator + "下" << QStringList{"上", "下"};
}

void MemoTest::typedTextIsStoredAsTyped() {
    QFETCH(QString, typed);
    QFETCH(QStringList, stored);
    f.form->resize(700, 700); // a narrow memo view, which wraps long lines on the screen
    typeMemo(typed);
    click(f.button("Button2"));
    Utf8Lines expected{"0011000前"};
    for (int i = 0; i < stored.size(); ++i)
        expected.push_back(QStringLiteral("0012%1").arg(i, 3, 10, QLatin1Char('0')).toStdString() +
                           stored[i].toStdString());
    expected.push_back("0013000後");
    QCOMPARE(readUtf8Lines(f.memo()), expected);
    clickRow(f.grid(), 1);
    clickRow(f.grid(), 2);
    QCOMPARE(f.text("Memo3")->typedLines(), stored); // comes back as those lines, whatever the width
}

void MemoTest::refusesWithoutAQuestOnShow() {
    choose(f.dropDown("ComboBox1"), "ジラート"); // an empty row
    typeMemo("stray");
    const auto before = snapshot(f.dir->path());
    click(f.button("Button2"));
    QCOMPARE(f.answerer.texts(), QStringList{"メモを保存するクエストが表示されていません."});
    QCOMPARE(snapshot(f.dir->path()), before);
}

void MemoTest::refusesMoreThan257Lines() {
    QStringList lines;
    for (int i = 0; i < 258; ++i)
        lines << QString::number(i);
    typeMemo(lines.join('\n'));
    const auto before = snapshot(f.dir->path());
    click(f.button("Button2"));
    QCOMPARE(f.answerer.texts(), QStringList{"「メモ」は 257 行までしか保存できません（258 行あります）."});
    QCOMPARE(snapshot(f.dir->path()), before);
    lines.removeLast();
    typeMemo(lines.join('\n'));
    click(f.button("Button2"));
    QCOMPARE(readUtf8Lines(f.memo()).size(), 2u + 257u);
}

void MemoTest::refusesCharactersCodePage932CannotHold() {
    const auto before = snapshot(f.dir->path());
    typeMemo(QStringLiteral("絵文字😀と𠮷"));
    click(f.button("Button2"));
    QCOMPARE(f.answerer.texts(),
             QStringList{QStringLiteral("「メモ」には保存できない文字が含まれています: 😀𠮷.")});
    QCOMPARE(snapshot(f.dir->path()), before);
}

void MemoTest::keepsCodePage932CharactersByteExact() {
    typeMemo(QStringLiteral("～①㈱ｱｲｳ〜"));
    click(f.button("Button2"));
    const std::string expected =
        std::string("0012000") + "\x81\x60" + "\x87\x40" + "\x87\x8A" + "\xB1\xB2\xB3" + "\x81\x60";
    QCOMPARE(readBytes(f.memo()), crlf({sj("0011000前"), expected, sj("0013000後")}));
}

void MemoTest::memoStoreThatDidNotLoadIsNotWritten() {
    DataSet data = quests();
    data.memo.reset();
    data.unreadable << files::kMemo;
    f.open(data);
    QCOMPARE(f.answerer.texts().size(), 1);
    clickRow(f.grid(), 2);
    typeMemo("新しいメモ");
    click(f.button("Button2"));
    QCOMPARE(f.answerer.texts().size(), 2);
    QVERIFY(f.answerer.texts().last().contains(QDir::toNativeSeparators(f.memo())));
    QVERIFY(QFileInfo(f.memo()).isDir());
    // Refused means not kept anywhere: shown again, the quest has the memo it had.
    f.answerer.setAnswer(QStringLiteral("破棄"));
    clickRow(f.grid(), 1);
    clickRow(f.grid(), 2);
    QCOMPARE(f.detail().memo, "");
}

void MemoTest::unsavedTypingIsAskedAbout() {
    const QString question = "クエスト 0012 のメモは保存していません。保存しますか？";
    typeMemo("書きかけ");
    const auto before = snapshot(f.dir->path());
    // Cancelled: the quest, the filter and the typing stay as they were.
    f.answerer.setAnswer(QStringLiteral("キャンセル"));
    clickRow(f.grid(), 3);
    QTest::keyClick(f.grid(), Qt::Key_Down);
    choose(f.dropDown("ComboBox1"), "ジュノ");
    QCOMPARE(f.answerer.texts(), QStringList(3, question));
    QStringList buttons = f.answerer.seen().first().buttons; // in the platform's order
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"キャンセル", "保存", "破棄"}));
    QCOMPARE(f.answerer.seen().first().defaultButton, "保存");
    QCOMPARE(f.answerer.seen().first().escapeButton, "キャンセル");
    QCOMPARE(f.detail().number, "0012");
    QCOMPARE(f.detail().memo, "書きかけ");
    QCOMPARE(f.dropDown("ComboBox1")->Text(), "全国");
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0011", "0012", "0013"}));
    QCOMPARE(snapshot(f.dir->path()), before);

    // Saved: the memo is stored, the status bar says so, and the search goes on.
    f.answerer.setAnswer(QStringLiteral("保存"));
    typeInto(f.field("Edit1"), "内容");
    click(f.button("Button1"));
    QCOMPARE(readUtf8Lines(f.memo()), (Utf8Lines{"0011000前", "0012000書きかけ", "0013000後"}));
    QVERIFY(f.label("Label19").startsWith("クエスト 0012 のメモを保存しました ("));
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0012"});

    // Discarded on closing: nothing written, the window closes.
    f.answerer.clear();
    f.answerer.setAnswer(QStringLiteral("破棄"));
    typeMemo("捨てる");
    const auto saved = dataSnapshot(f.dir->path());
    QVERIFY(f.form->close());
    QCOMPARE(f.answerer.texts(), QStringList{question});
    QCOMPARE(dataSnapshot(f.dir->path()), saved);

    // The edit pane: Esc with a name typed asks; cancelled, the pane stays; saved, the quest is added.
    f.reopen();
    f.answerer.clear();
    click(f.button("Button5"));
    typeInto(f.field("Edit3"), "新しい");
    f.answerer.setAnswer(QStringLiteral("キャンセル"));
    QTest::keyClick(f.field("Edit3"), Qt::Key_Escape);
    QVERIFY(f.get<QWidget>("ScrollBox2")->isVisible());
    f.answerer.setAnswer(QStringLiteral("保存"));
    click(f.button("Button7"));
    QCOMPARE(f.answerer.texts(),
             QStringList(2, "新しいクエスト 0014 の入力は保存していません。追加しますか？"));
    QVERIFY(!f.get<QWidget>("ScrollBox2")->isVisible());
    QCOMPARE(readUtf8Lines(f.table()).back(), "0014,,,新しい,,,0,0,0");
}

KORVANE_WIDGET_TEST_MAIN(MemoTest)
#include "tst_memo.moc"
