// The three searches: what they find, in what order, and what they leave behind.

#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{
                "0001,ウィンダス,港,釣り人の賭け,港の釣り人,なし,0,0,0",
                "0002,ジュノ,ジュノ港,飛空艇,荷役頭,ランク2,0,0,0",
                "0003,ウィンダス,石の区,迷子の子猫,老婦人,なし,0,0,0",
                "0004,マウラ,マウラ,風車,農夫,なし,0,0,0",
                "0005,セルビナ,セルビナ,Shell,町長,なし,0,0,0",
            },
            Utf8Lines{
                "0001000猫と猫の話", // twice in one line
                "0002000猫を探す",
                "0002001また猫",
                "0002002三度目の猫", // three lines of one quest
                "0004000ァの字",     // ァ is 0x83 0x40: its second byte is "@"
                "0005000Shell and shell",
            },
            Utf8Lines{"0003000ギル300", "0004000ギル300"}, Utf8Lines{}};
}

} // namespace

class SearchesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f.open(data);
        grid = f.grid();
    }
    void cleanup() {
        f.close();
        data = quests();
    }
    void findsEachQuestOnceInNumberOrder_data();
    void findsEachQuestOnceInNumberOrder();
    void emptySearchChangesNothing();
    void leavesFiltersAndColumnsAndFocusInContent();
    void nothingFoundLeavesTitlesOnlyAndAClearView();
    void readsTheFileAsSavedNotAsLoaded();
    void questsBehindAHigherNumberArePassedOver();
    void growsTheGrid();
    void enterInASearchBoxRunsItsSearch();
    void errorsLeaveTheWindowConsistent();

private:
    void search(const char* button, const char* box, const QString& text) {
        typeInto(f.get<QLineEdit>(box), text);
        click(f.get<QPushButton>(button));
    }

    Fixture f;
    DataSet data = quests();
    StringGrid* grid = nullptr;
};

void SearchesTest::findsEachQuestOnceInNumberOrder_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("content, twice in a line and in three lines") << "Button1"
                                                                 << "Edit1"
                                                                 << "猫" << QStringList{"0001", "0002"};
    QTest::newRow("content 000: every quest with content")
        << "Button1"
        << "Edit1"
        << "000" << QStringList{"0001", "0002", "0004", "0005"};
    QTest::newRow("case counts") << "Button1"
                                 << "Edit1"
                                 << "shell" << QStringList{"0005"};
    QTest::newRow("lower case misses upper case") << "Button1"
                                                  << "Edit1"
                                                  << "SHELL" << QStringList{};
    QTest::newRow("never at a second byte") << "Button1"
                                            << "Edit1"
                                            << "@" << QStringList{};
    QTest::newRow("reward") << "Button6"
                            << "Edit2"
                            << "ギル300" << QStringList{"0003", "0004"};
    QTest::newRow("quest table by nation") << "Button10"
                                           << "Edit6"
                                           << "ウィンダス" << QStringList{"0001", "0003"};
    QTest::newRow("quest table by digit, number and flags included") << "Button10"
                                                                     << "Edit6"
                                                                     << "2" << QStringList{"0002"};
    QTest::newRow("quest table by digit 1") << "Button10"
                                            << "Edit6"
                                            << "1" << QStringList{"0001"};
}

void SearchesTest::findsEachQuestOnceInNumberOrder() {
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    search(qPrintable(button), qPrintable(box), text);
    QCOMPARE(listedNumbers(grid), found);
    QCOMPARE(f.get<RadioGroup>("RadioGroup1")->ItemIndex(), -1);
    if (!found.isEmpty()) {
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(f.detail().number, found.front());
    }
}

void SearchesTest::emptySearchChangesNothing() {
    clickRow(grid, 3);
    click(f.get<QPushButton>("Button1"));
    QCOMPARE(listedNumbers(grid).size(), 5);
    QCOMPARE(grid->Row(), 3);
    QCOMPARE(f.get<RadioGroup>("RadioGroup1")->ItemIndex(), 4);
    QCOMPARE(f.detail().number, "0003");
}

void SearchesTest::leavesFiltersAndColumnsAndFocusInContent() {
    choose(f.get<DropDown>("ComboBox1"), "ウィンダス");
    QCOMPARE(grid->ColWidth(1), 0);
    search("Button1", "Edit1", "猫");
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002"}));
    QCOMPARE(f.get<DropDown>("ComboBox1")->Text(), "ウィンダス");
    QVERIFY(grid->ColWidth(1) > 0); // shown: 0002 is of another nation
    QVERIFY(f.get<TextView>("RichEdit1")->hasFocus());
    QCOMPARE(f.get<TextView>("RichEdit1")->toPlainText(), "猫と猫の話\n");
    QCOMPARE(f.get<TextView>("RichEdit1")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    // A filter after a search lists from the whole table, every progress.
    choose(f.get<DropDown>("ComboBox1"), "全国");
    QCOMPARE(listedNumbers(grid).size(), 5);
    QCOMPARE(f.get<RadioGroup>("RadioGroup1")->ItemIndex(), 4);
}

void SearchesTest::nothingFoundLeavesTitlesOnlyAndAClearView() {
    search("Button1", "Edit1", "存在しない言葉");
    QCOMPARE(grid->RowCount(), 1);
    QCOMPARE(grid->Row(), 0);
    const DetailView view = f.detail();
    QCOMPARE(view.number, "");
    QCOMPARE(view.nation, ""); // not the column title
    QCOMPARE(view.content, "");
    QCOMPARE(view.reward, "");
}

void SearchesTest::readsTheFileAsSavedNotAsLoaded() {
    writeBytes(f.content(), crlf({sj("0003000今日は猫の日")}));
    search("Button1", "Edit1", "猫");
    QCOMPARE(listedNumbers(grid), QStringList{"0003"});
    // A key without a line in the table adds no row.
    writeBytes(f.content(), crlf({sj("0009000猫")}));
    search("Button1", "Edit1", "猫");
    QCOMPARE(grid->RowCount(), 1);
}

void SearchesTest::questsBehindAHigherNumberArePassedOver() {
    writeBytes(f.content(), crlf({sj("0004000犬"), sj("0002000犬"), sj("0005000犬")}));
    search("Button1", "Edit1", "犬");
    QCOMPARE(listedNumbers(grid), (QStringList{"0004", "0005"}));
}

void SearchesTest::growsTheGrid() {
    choose(f.get<DropDown>("ComboBox1"), "マウラ");
    QCOMPARE(grid->RowCount(), 2);
    search("Button10", "Edit6", "0");
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002", "0003", "0004", "0005"}));
}

void SearchesTest::enterInASearchBoxRunsItsSearch() {
    // Enter in each search box runs its search, as its button does.
    const char* searches[][3] = {
        {"Button1", "Edit1", "猫"}, {"Button6", "Edit2", "ギル"}, {"Button10", "Edit6", "ジュノ"}};
    auto* progress = f.get<RadioGroup>("RadioGroup1");
    for (const auto& [button, box, text] : searches) {
        search(button, box, QString::fromUtf8(text));
        const QStringList found = listedNumbers(grid);
        QVERIFY(found.size() < 5);
        click(progress->button(4)); // every quest again
        QCOMPARE(listedNumbers(grid).size(), 5);
        QTest::keyClick(f.get<QLineEdit>(box), Qt::Key_Return);
        QCOMPARE(listedNumbers(grid), found);
        QCOMPARE(progress->ItemIndex(), -1);
    }
}

void SearchesTest::errorsLeaveTheWindowConsistent() {
    QFile::remove(f.reward());
    search("Button6", "Edit2", "ギル");
    QCOMPARE(f.answerer.texts().last(),
             QStringLiteral("ファイル %1 は開けません.").arg(QDir::toNativeSeparators(f.reward())));
    QCOMPARE(listedNumbers(grid).size(), 5);

    writeBytes(f.content(), crlf({sj("0001000猫"), sj("ab,c000猫"), sj("0003000猫")}));
    search("Button1", "Edit1", "猫");
    QCOMPARE(f.answerer.texts().last(), "'ab,c' は整数ではありません.");
    QCOMPARE(listedNumbers(grid), QStringList{"0001"});
    QCOMPARE(f.get<TextView>("RichEdit1")->toPlainText(), "");
}

KORVANE_WIDGET_TEST_MAIN(SearchesTest)
#include "tst_searches.moc"
