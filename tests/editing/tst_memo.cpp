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
    void wrappedLineIsSavedAsItsDisplayLines();
    void refusesWithoutAQuestOnShow();
    void refusesMoreThan257Lines();
    void refusesCharactersCodePage932CannotHold();
    void keepsCodePage932CharactersByteExact();
    void memoStoreThatDidNotLoadIsNotWritten();

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
    QVERIFY(f.button("Button2")->isVisible());
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

void MemoTest::wrappedLineIsSavedAsItsDisplayLines() {
    const QString longLine(200, QChar(0x3042)); // あ
    typeMemo(longLine);
    const QStringList shown = f.text("Memo3")->displayLines();
    QVERIFY(shown.size() >= 2);
    click(f.button("Button2"));
    const Utf8Lines stored = readUtf8Lines(f.memo());
    QCOMPARE(stored.size(), 2 + static_cast<std::size_t>(shown.size()));
    QString joined;
    for (std::size_t i = 1; i + 1 < stored.size(); ++i)
        joined += QString::fromStdString(stored[i]).mid(7);
    QCOMPARE(joined, longLine);
    clickRow(f.grid(), 1);
    clickRow(f.grid(), 2);
    QCOMPARE(f.text("Memo3")->toPlainText().count('\n'), shown.size()); // comes back as those lines
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
    QVERIFY(f.answerer.texts().last().contains(f.memo()));
    QVERIFY(QFileInfo(f.memo()).isDir());
    // Refused means not kept anywhere: shown again, the quest has the memo it had.
    clickRow(f.grid(), 1);
    clickRow(f.grid(), 2);
    QCOMPARE(f.detail().memo, "");
}

KORVANE_WIDGET_TEST_MAIN(MemoTest)
#include "tst_memo.moc"
