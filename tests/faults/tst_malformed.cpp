// Files edited by hand or by other programs: each loads as the program reads it or stops with
// its error; nothing crashes or hangs, and a file that did not load is never written.

#include "store/UiText.h"
#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QElapsedTimer>
#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

std::string line(int n, const std::string& rest = ",N,A,q,p,c,0,0,0") {
    return formatQuestNumber(n) + rest;
}

} // namespace

class MalformedTest : public QObject {
    Q_OBJECT
private slots:
    void startUp_data();
    void startUp();
    void longLinesStayQuick();

private:
    Fixture f;
};

void MalformedTest::startUp_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");       // the start-up error, or empty
    QTest::addColumn<QStringList>("numbers"); // column 0 of the rows shown
    const auto bytes = [](const std::string& s) {
        return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
    };
    const QByteArray store = bytes(crlf({"0001000text"}));

    QTest::newRow("empty table") << QByteArray() << store << QString() << QStringList{};
    QTest::newRow("UTF-8 byte-order mark") << bytes("\xEF\xBB\xBF" + crlf({line(1)})) << store
                                           << QStringLiteral("'%1' は整数ではありません.")
                                                  .arg(toUi("\xEF\xBB\xBF"
                                                            "0001"))
                                           << QStringList{toUi("\xEF\xBB\xBF"
                                                               "0001")};
    QTest::newRow("UTF-8 text") << bytes(crlf({"0001,ウィンダス,港,名前,場所,条件,1,0,0"})) << store
                                << QString() << QStringList{"0001"};
    QTest::newRow("NUL bytes") << bytes(crlf({std::string("0001,a\0b,c", 10)}))
                               << bytes(std::string("0001000\0x\r\n", 11)) << QString()
                               << QStringList{"0001"};
    QTest::newRow("lone lead byte at a line's end")
        << bytes(crlf({line(1, ",ab\x81"), line(2)})) << store << QString() << QStringList{"0001", "0002"};
    QTest::newRow("lone lead byte at the file's end")
        << bytes(line(1) + "\r\n" + line(2, ",x\x81")) << store << QString() << QStringList{"0001", "0002"};
    QTest::newRow("only CR line ends")
        << bytes(line(1) + "\r" + line(2) + "\r") << bytes("0001000a\r0001001b\r") << QString()
        << QStringList{"0001", "0002"};
    QTest::newRow("numbers not of four digits") << bytes(crlf({"12,a", "-001,b", "12345,c"})) << store
                                                << QString() << QStringList{"12", "-001", "12345"};
    QTest::newRow("a number that is no number")
        << bytes(crlf({line(1), "abcd,x"})) << store << QStringLiteral("'abcd' は整数ではありません.")
        << QStringList{"0001", "abcd"};
    QTest::newRow("empty line in the table")
        << bytes(crlf({line(1), "", line(3)})) << store
        << QStringLiteral("リストのインデックスが範囲を超えています (0).") << QStringList{"0001", ""};
    QTest::newRow("duplicate numbers") << bytes(crlf({line(1), line(1, ",X"), line(2)})) << store << QString()
                                       << QStringList{"0001", "0001", "0002"};
    QTest::newRow("table out of order") << bytes(crlf({line(3), line(1), line(2)})) << store << QString()
                                        << QStringList{"0003", "0001", "0002"};
    QTest::newRow("store lines shorter than seven bytes")
        << bytes(crlf({line(1)})) << bytes(crlf({"0001", "00", ""})) << QString() << QStringList{"0001"};
}

void MalformedTest::startUp() {
    QFETCH(QByteArray, table);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QFETCH(QStringList, numbers);
    f.open({Utf8Lines{}, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}});
    f.form.reset();
    writeBytes(f.table(), table.toStdString());
    writeBytes(f.content(), content.toStdString());
    f.reopen();

    QCOMPARE(f.answerer.texts(), error.isEmpty() ? QStringList{} : QStringList{error});
    QCOMPARE(listedNumbers(f.grid()), numbers);
    // An edit after start: stored when the table loaded, refused without a write when it did not.
    const auto before = snapshot(f.dir->path());
    if (!numbers.isEmpty())
        click(f.box("CheckBox3"));
    if (!error.isEmpty()) {
        QVERIFY(f.answerer.texts().last().contains(QDir::toNativeSeparators(f.table())));
        QCOMPARE(snapshot(f.dir->path()), before);
    }
    f.form->close();
    f.close();
}

void MalformedTest::longLinesStayQuick() {
    f.open({Utf8Lines{}, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}});
    f.form.reset();
    const std::string mega(1 << 20, 'x');
    writeBytes(f.table(), crlf({"0001,N,A," + mega + ",p,c,0,0,0", "0002," + std::string(1 << 20, ',')}));
    writeBytes(f.content(), crlf({"0001000" + mega}));
    QElapsedTimer timer;
    timer.start();
    f.reopen();
    click(f.box("CheckBox3"));
    clickRow(f.grid(), 2);
    clickRow(f.grid(), 1);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(f.answerer.texts(), QStringList{});
    QCOMPARE(f.detail().content.size(), (1 << 20) + 1); // shown whole, with its line break
    QCOMPARE(readUtf8Lines(f.table())[0].size(), std::string("0001,N,A," + mega + ",p,c,0,0,1").size());
}

KORVANE_WIDGET_TEST_MAIN(MalformedTest)
#include "tst_malformed.moc"
