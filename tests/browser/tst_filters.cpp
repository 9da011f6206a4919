// The filters: nation and area boxes, the progress options, and the refill they run.

#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QPushButton>
#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

enum Option { NotOffered, Offered, NotCompleted, Completed, All, Repeatable };

DataSet quests() {
    return {Utf8Lines{
                "0001,ウィンダス,港,a,p,c,0,0,0", "0002,ウィンダス,石の区,b,p,c,1,0,0",
                "0003,ジュノ,ジュノ港,c,p,c,1,1,0",        // offered and completed
                "0004,ウィンダス,港,d,p,c,0,1,1",          // completed, not offered
                "0005,ジラート,,e,p,c,1,2,1",              // completed "2"
                "0006,サンドリア,南サンドリア,f,p,c,0,,0", // completed empty
            },
            Utf8Lines{}, Utf8Lines{}, Utf8Lines{}};
}

} // namespace

class FiltersTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f.open(data);
        grid = f.grid();
        nation = f.dropDown("ComboBox1");
        area = f.dropDown("ComboBox2");
        progress = f.get<RadioGroup>("RadioGroup1");
    }
    void cleanup() {
        f.close();
        data = quests();
    }
    void startsWithEveryQuestAndBothColumns();
    void progressOptions_data();
    void progressOptions();
    void nationThenAreaNarrowAndHideColumns();
    void nationLists();
    void typedNationFillsAreasButDoesNotFilter();
    void noQuestAdmittedLeavesOneEmptyRow();
    void refillWithRowOneCurrentRedraws();
    void shortLineStopsWithItsFieldPosition();

private:
    Fixture f;
    DataSet data = quests();
    StringGrid* grid = nullptr;
    DropDown *nation = nullptr, *area = nullptr;
    RadioGroup* progress = nullptr;
};

void FiltersTest::startsWithEveryQuestAndBothColumns() {
    QCOMPARE(nation->Text(), "全国");
    QCOMPARE(area->count(), 0);
    QCOMPARE(area->Text(), "");
    QCOMPARE(progress->ItemIndex(), int(All));
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002", "0003", "0004", "0005", "0006"}));
    choose(nation, "全国");
    QCOMPARE(area->count(), 1);
    QCOMPARE(area->Text(), "全地域");
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002", "0003", "0004", "0005", "0006"}));
    QVERIFY(grid->ColWidth(1) >= 30);
    QVERIFY(grid->ColWidth(2) >= 50);
}

void FiltersTest::progressOptions_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("not offered") << int(NotOffered) << QStringList{"0001"};
    QTest::newRow("offered") << int(Offered) << QStringList{"0002"};
    QTest::newRow("not completed") << int(NotCompleted) << QStringList{"0001", "0002"};
    QTest::newRow("completed, offered or not") << int(Completed) << QStringList{"0003", "0004"};
    QTest::newRow("all") << int(All) << QStringList{"0001", "0002", "0003", "0004", "0005", "0006"};
    QTest::newRow("repeatable") << int(Repeatable) << QStringList{"0004", "0005"};
}

void FiltersTest::progressOptions() {
    QFETCH(int, option);
    QFETCH(QStringList, listed);
    click(progress->button(option));
    QCOMPARE(listedNumbers(grid), listed);
    QCOMPARE(grid->Row(), 1);
    QCOMPARE(f.detail().number, listed.front());
}

void FiltersTest::nationThenAreaNarrowAndHideColumns() {
    choose(nation, "ウィンダス");
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002", "0004"}));
    QCOMPARE(grid->ColWidth(1), 0);
    QVERIFY(grid->ColWidth(2) >= 50);
    choose(area, "港");
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0004"}));
    QCOMPARE(grid->ColWidth(1), 0);
    QCOMPARE(grid->ColWidth(2), 0);
    choose(area, "全地域");
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002", "0004"}));
    QVERIFY(grid->ColWidth(2) >= 50);
    click(progress->button(Completed));
    QCOMPARE(listedNumbers(grid), (QStringList{"0004"}));
}

void FiltersTest::nationLists() {
    choose(nation, "ジュノ");
    QCOMPARE(area->count(), 5);
    QCOMPARE(area->itemText(0), "全地域");
    QCOMPARE(area->itemText(1), "ル・ルデの庭");
    QCOMPARE(area->itemText(4), "ジュノ港");
    QCOMPARE(area->Text(), "全地域");
    choose(area, "ジュノ港");
    choose(nation, "ジュノ");
    QCOMPARE(area->Text(), "全地域"); // choosing the same nation again resets the area
    choose(nation, "ジラート");
    QCOMPARE(area->count(), 1);
    QCOMPARE(listedNumbers(grid), QStringList{"0005"});

    // The edit pane's area box: no "全地域", the first area shown, nothing for a nation without areas.
    click(f.button("Button5"));
    auto* editNation = f.dropDown("ComboBox3");
    auto* editArea = f.dropDown("ComboBox4");
    choose(editNation, "ジュノ");
    QCOMPARE(editArea->count(), 4);
    QCOMPARE(editArea->Text(), "ル・ルデの庭");
    choose(editNation, "ジラート");
    QCOMPARE(editArea->count(), 0);
    QCOMPARE(editArea->Text(), "");
}

void FiltersTest::typedNationFillsAreasButDoesNotFilter() {
    typeInto(nation, "ジュ");
    QCOMPARE(area->count(), 1); // a partly typed name gives no areas, but still 全地域
    typeInto(nation, "ジュノ");
    QCOMPARE(area->count(), 5);
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002", "0003", "0004", "0005", "0006"}));
    QVERIFY(grid->ColWidth(1) >= 30);
    typeInto(nation, "ｼﾞｭﾉ");
    QCOMPARE(area->count(), 1); // half-width katakana names no nation
    typeInto(area, "港");
    QCOMPARE(listedNumbers(grid).size(), 6); // a typed area filters nothing
}

void FiltersTest::noQuestAdmittedLeavesOneEmptyRow() {
    choose(nation, "サンドリア");
    click(progress->button(Repeatable));
    QCOMPARE(grid->RowCount(), 2);
    QCOMPARE(cell(grid, 0, 1), "");
    QCOMPARE(grid->Row(), 1);
    const DetailView view = f.detail();
    QCOMPARE(view.number, "");
    QCOMPARE(view.nation, "");
    QCOMPARE(view.content, "");
    QVERIFY(!view.offered && !view.completed && !view.repeatable);
}

void FiltersTest::refillWithRowOneCurrentRedraws() {
    QCOMPARE(grid->Row(), 1);
    choose(nation, "ジュノ");
    QCOMPARE(f.detail().number, "0003");
    QCOMPARE(f.detail().nation, "ジュノ");
    clickRow(grid, 1);
    choose(nation, "ジラート");
    QCOMPARE(f.detail().number, "0005");
    QCOMPARE(f.label("Label1"), "ジラート");
}

void FiltersTest::shortLineStopsWithItsFieldPosition() {
    cleanup();
    data.table =
        Utf8Lines{"0001,ウィンダス,港,a,p,c,0,0,0", "0002,ウィンダス", "0003,ウィンダス,港,c,p,c,0,0,0"};
    init();
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002", "0003"})); // under All nothing is tested
    click(progress->button(NotOffered));
    QCOMPARE(f.answerer.texts().last(), "リストのインデックスが範囲を超えています (6).");
    QCOMPARE(listedNumbers(grid), QStringList{"0001"}); // rows and row count agree
    click(progress->button(All));
    choose(nation, "ウィンダス");
    QCOMPARE(listedNumbers(grid), (QStringList{"0001", "0002", "0003"}));
    choose(area, "港");
    QCOMPARE(f.answerer.texts().last(), "リストのインデックスが範囲を超えています (2).");
    QCOMPARE(listedNumbers(grid), QStringList{"0001"});
}

KORVANE_WIDGET_TEST_MAIN(FiltersTest)
#include "tst_filters.moc"
