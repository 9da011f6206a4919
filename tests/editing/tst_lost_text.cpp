// Text that is shown and saved again keeps every byte: long lines, many lines, lines left behind.

#include "store/LineFile.h"
#include "store/TextStore.h"
#include "store/UiText.h"
#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

const std::string kLong = std::string(300, 'x'); // longer than the 255 bytes a line once showed

// The text of a quest in a store file as one run of bytes, whatever its line breaks.
std::string textOf(const QString& path, const std::string& number) {
    std::string text;
    for (const auto& line : readLines(path))
        if (line.substr(0, 4) == number)
            text += line.substr(7);
    return text;
}

Utf8Lines manyLines(const std::string& number, int count) {
    Utf8Lines lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(toUi(storedLine(number, static_cast<std::size_t>(i), "l")).toStdString());
    return lines;
}

} // namespace

class LostTextTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.close(); }
    void longStoredLineKeepsEveryByte();
    void wideMemoLineIsSplitNeverCut();
    void everyLineOfAQuestGoes();
    void typingOutlivesTheSystemEndingTheProgram();
    void typingOutlivesAKill();

private:
    Fixture f;
};

void LostTextTest::longStoredLineKeepsEveryByte() {
    f.open({Utf8Lines{"0001,N,A,a,p,c,0,0,0"}, Utf8Lines{"0001000" + kLong}, Utf8Lines{},
            Utf8Lines{"0001000" + kLong}});
    QCOMPARE(f.detail().memo, QString::fromStdString(kLong + "\n")); // shown whole
    // The memo writer: one more line, and the long one saved again.
    typeInto(f.text("Memo3"), QString::fromStdString(kLong + "\nnext"));
    click(f.button("Button2"));
    QCOMPARE(textOf(f.memo(), "0001"), kLong + "next");
    for (const auto& line : readLines(f.memo()))
        QVERIFY(line.size() <= 7 + 255);

    // The modification writer: only the condition changes, the content stays as stored...
    const std::string content = readBytes(f.content());
    f.answerer.setAnswer(kYes);
    click(f.button("Button8"));
    typeInto(f.field("Edit5"), "新条件");
    click(f.button("Button9"));
    QCOMPARE(readBytes(f.content()), content);
    QCOMPARE(readUtf8Lines(f.table())[0], "0001,N,A,a,p,新条件,0,0,0");
    // ... and saved again through the editor, it keeps every byte.
    click(f.button("Button8"));
    typeInto(f.text("RichEdit1"), QString::fromStdString(kLong + "\nmore"));
    click(f.button("Button9"));
    QCOMPARE(textOf(f.content(), "0001"), kLong + "more");
}

void LostTextTest::wideMemoLineIsSplitNeverCut() {
    f.open({Utf8Lines{"0001,N,A,a,p,c,0,0,0"}, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}});
    const QString wide(140, QChar(0x3042));
    typeInto(f.text("Memo3"), wide);
    click(f.button("Button2"));
    const Utf8Lines stored = readUtf8Lines(f.memo());
    QCOMPARE(stored.size(), 2u); // 254 and 26 bytes: two characters never split
    QCOMPARE(textOf(f.memo(), "0001"), sj(wide.toStdString()));
}

void LostTextTest::everyLineOfAQuestGoes() {
    const Utf8Lines three = manyLines("0003", 3);
    Utf8Lines content = manyLines("0002", 300);
    content.insert(content.end(), three.begin(), three.end());
    f.open({Utf8Lines{"0002,N,A,b,p,c,0,0,0", "0003,N,A,c,p,c,0,0,0"}, content, Utf8Lines{}, Utf8Lines{}});
    QCOMPARE(f.detail().content.count('\n'), 300); // every line shown
    f.answerer.setAnswer(kYes);

    // Saved again, 300 lines are refused with what to shorten, never cut to 257.
    click(f.button("Button8"));
    typeInto(f.text("RichEdit1"), f.detail().content + "x");
    const auto before = snapshot(f.dir->path());
    click(f.button("Button9"));
    QVERIFY(f.answerer.texts().last().contains("「内容」は 257 行までしか保存できません（301 行あります）"));
    QCOMPARE(snapshot(f.dir->path()), before);

    typeInto(f.text("RichEdit1"), "一\n二");
    click(f.button("Button9"));
    QCOMPARE(readUtf8Lines(f.content()), (Utf8Lines{"0002000一", "0002001二", three[0], three[1], three[2]}));

    clickRow(f.grid(), 2);
    click(f.button("Button3"));
    QCOMPARE(readUtf8Lines(f.content()), (Utf8Lines{"0002000一", "0002001二"}));
    clickRow(f.grid(), 1);
    click(f.button("Button3"));
    QCOMPARE(readUtf8Lines(f.content()), Utf8Lines{});
}

KORVANE_WIDGET_TEST_MAIN(LostTextTest)
#include "tst_lost_text.moc"

// Ended by the system (logout, shutdown): nothing asked, nothing written in the data folder, and the
// memo being typed comes back at the next start, over the quest it was typed for, still unsaved.
void LostTextTest::typingOutlivesTheSystemEndingTheProgram() {
    f.open({Utf8Lines{"0001,N,A,a,p,c,0,0,0", "0002,N,A,b,p,c,0,0,0"}, Utf8Lines{}, Utf8Lines{},
            Utf8Lines{"0002000古いメモ"}});
    clickRow(f.grid(), 2);
    typeInto(f.text("Memo3"), "書きかけのメモ");
    f.form->endQuietly();
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.answerer.seen().isEmpty());

    f.reopen();
    QTRY_COMPARE(f.detail().memo, "書きかけのメモ");
    QCOMPARE(f.detail().number, "0002");
    QVERIFY(f.button("Button2")->isVisible());
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0002000古いメモ"});
    f.reopen(); // offered once
    QTest::qWait(100);
    QCOMPARE(f.detail().memo, "");
}

// A kill or a power loss gives no signal: what was typed a few seconds before is a draft all the
// same, offered at the next start; typing saved is no draft.
void LostTextTest::typingOutlivesAKill() {
    f.open({Utf8Lines{"0001,N,A,a,p,c,0,0,0", "0002,N,A,b,p,c,0,0,0"}, Utf8Lines{}, Utf8Lines{},
            Utf8Lines{"0002000古いメモ"}});
    f.get<QTimer>("Timer4")->start(50); // the few seconds, shortened
    const QString draft = draftPath(UserFolders::fromEnvironment(), f.dir->path());
    clickRow(f.grid(), 2);
    typeInto(f.text("Memo3"), "保存したメモ");
    click(f.button("Button2"));
    QTest::qWait(200);
    QVERIFY(!QFileInfo::exists(draft));
    typeInto(f.text("Memo3"), "書きかけ");
    QTRY_VERIFY(QFileInfo::exists(draft));

    f.reopen(); // the window gone without its close, as by a kill
    QTRY_COMPARE(f.detail().memo, "書きかけ");
    QCOMPARE(f.detail().number, "0002");
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0002000保存したメモ"});
}
