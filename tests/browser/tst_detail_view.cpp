// The detail view: what a selected row shows, the redisplay marker, and focus on hover.

#include "app/TForm1.h"
#include "support/DataSet.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/Ui.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    Utf8Lines content{"0001000一行目", "0001001二行目", "0002000別のクエスト"};
    for (int i = 0; i < 300; ++i)
        content.push_back("0003" + QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')).toStdString() + "行" +
                          std::to_string(i));
    return {Utf8Lines{"0001,ウィンダス,石の区,迷子の子猫,老婦人,なし,1,0,1",
                      "0002,サンドリア,,騎士の剣,武器屋,ランク1以上,2,,0",
                      "0003,ジュノ,ジュノ港,長い話,荷役頭,なし,0,1,1"},
            content, Utf8Lines{"0001000ギル300", "0002000ギル500"}, Utf8Lines{"0001000メモ一"}};
}

} // namespace

class DetailViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = quests().write();
        form = openMainWindow(*dir);
        grid = child<StringGrid>(*form, "StringGrid1");
    }
    void cleanup() {
        form.reset();
        dir.reset();
    }
    void selectingARowShowsItsQuest();
    void flagCellsOtherThanOneLeaveBoxesClear();
    void longContentOpensAtItsFirstLineWithEveryLine();
    void clickingTheRowOnShowKeepsUnsavedTyping();
    void markerRedrawsAndDiscardsTyping();
    void pointerGivesFocus();
    void theRestoredWindowShowsEveryCommandOfTheQuest();

private:
    ModalAnswerer answerer;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TForm1> form;
    StringGrid* grid = nullptr;
};

void DetailViewTest::selectingARowShowsItsQuest() {
    const DetailView first = detailView(*form);
    QCOMPARE(first.number, "0001");
    QCOMPARE(first.name, "迷子の子猫");
    QCOMPARE(first.content, "一行目\n二行目\n");
    QCOMPARE(first.memo, "メモ一\n");
    QVERIFY(first.offered && !first.completed && first.repeatable);

    clickRow(grid, 2);
    QCOMPARE(grid->Row(), 2);
    const DetailView second = detailView(*form);
    QCOMPARE(second.number, "0002");
    QCOMPARE(second.nation, "サンドリア");
    QCOMPARE(second.area, "");
    QCOMPARE(second.place, "武器屋");
    QCOMPARE(second.condition, "ランク1以上");
    QCOMPARE(second.content, "別のクエスト\n");
    QCOMPARE(second.reward, "ギル500\n");
    QCOMPARE(second.memo, ""); // a quest without memo lines shows an empty memo
    QVERIFY(!child<QPushButton>(*form, "Button2")->isVisible());
}

void DetailViewTest::flagCellsOtherThanOneLeaveBoxesClear() {
    clickRow(grid, 2); // offered "2", completed empty, repeatable "0"
    const DetailView view = detailView(*form);
    QVERIFY(!view.offered);
    QVERIFY(!view.completed);
    QVERIFY(!view.repeatable);
}

void DetailViewTest::longContentOpensAtItsFirstLineWithEveryLine() {
    auto* content = child<TextView>(*form, "RichEdit1");
    content->verticalScrollBar()->setValue(content->verticalScrollBar()->maximum());
    clickRow(grid, 3);
    const QStringList lines = content->toPlainText().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 300); // every stored line: what is shown is what a save keeps
    QCOMPARE(lines.front(), "行0");
    QCOMPARE(lines.back(), "行299");
    QCOMPARE(content->verticalScrollBar()->value(), 0);
    QCOMPARE(content->textCursor().position(), 0);
}

void DetailViewTest::clickingTheRowOnShowKeepsUnsavedTyping() {
    auto* memo = child<TextView>(*form, "Memo3");
    typeInto(memo, "書きかけ");
    QVERIFY(child<QPushButton>(*form, "Button2")->isVisible());
    clickRow(grid, 1);
    QCOMPARE(memo->toPlainText(), "書きかけ");
    QVERIFY(child<QPushButton>(*form, "Button2")->isVisible());
}

void DetailViewTest::markerRedrawsAndDiscardsTyping() {
    auto* memo = child<TextView>(*form, "Memo3");
    typeInto(memo, "書きかけ");
    // Picking a progress option refills the grid, which sets the marker with row 1 still current;
    // the typing goes only once the player says so.
    answerer.setAnswer(QStringLiteral("破棄"));
    click(child<RadioGroup>(*form, "RadioGroup1")->button(4));
    QCOMPARE(answerer.texts(), QStringList{"クエスト 0001 のメモは保存していません。保存しますか？"});
    QCOMPARE(grid->Row(), 1);
    QCOMPARE(memo->toPlainText(), "メモ一\n");
    QCOMPARE(child<QLabel>(*form, "Label1")->text(), "ウィンダス");
    QVERIFY(!child<QPushButton>(*form, "Button2")->isVisible());
}

void DetailViewTest::pointerGivesFocus() {
    auto* memo = child<TextView>(*form, "Memo3");
    auto* reward = child<TextView>(*form, "Memo2");
    moveMouseOver(memo);
    QTRY_VERIFY(memo->hasFocus());
    moveMouseOver(reward);
    QTRY_VERIFY(reward->hasFocus());
    moveMouseOver(grid);
    QTRY_VERIFY(grid->hasFocus());
}

// At the window's restored size the view pane is narrower than its fields; the commands Korvane
// added to it are seen there without scrolling, and sit over none of the pane's texts.
void DetailViewTest::theRestoredWindowShowsEveryCommandOfTheQuest() {
    form->showNormal();
    form->resize(818, 589);
    QTRY_COMPARE(form->width(), 818);
    auto* pane = child<QScrollArea>(*form, "ScrollBox1");
    QCOMPARE(pane->horizontalScrollBar()->value(), 0);
    for (const char* name : {"Button17", "Button25"}) {
        auto* button = child<QPushButton>(*form, name);
        const QRect seen(button->mapTo(pane->viewport(), QPoint(0, 0)), button->size());
        QVERIFY2(pane->viewport()->rect().contains(seen), name);
        for (const char* text : {"Label3", "Label4", "Label5", "Label23", "Label24"})
            QVERIFY2(!button->geometry().intersects(child<QLabel>(*form, text)->geometry()), text);
    }
}

KORVANE_WIDGET_TEST_MAIN(DetailViewTest)
#include "tst_detail_view.moc"
