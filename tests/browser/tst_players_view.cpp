// What the player sees of progress and can do by key: the status bar's counts, the overview, the
// keys, columns that fit, and a window that remembers how it was left.

#include "app/Application.h"
#include "browser/GridModel.h"
#include "browser/ProgressDialog.h"
#include "store/DataFiles.h"
#include "support/Fixture.h"
#include "support/NextDialog.h"
#include "support/Sjis.h"
#include "support/TestMain.h"
#include "web/ProfileFile.h"

#include <QApplication>
#include <QHeaderView>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{"0001,ウィンダス,港,a,p,c,1,1,0", "0002,ウィンダス,石の区,b,p,c,1,0,0",
                      "0003,ジュノ,ジュノ港,c,p,c,0,0,0", "0004,ジュノ,ジュノ港,d,p,c,1,1,1",
                      "0005,ジュノ,ル・ルデの庭,e,p,c,0,0,0", "0006,バストゥーク,商業区,f,p,c,1,0,0",
                      "0007,手入力の国,,g,p,c,0,0,0"},
            Utf8Lines{"0003000猫の話", "0005000猫"}, Utf8Lines{}, Utf8Lines{}};
}

} // namespace

class PlayersViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.open(quests()); }
    void cleanup() { f.close(); }
    void countsFollowFiltersSearchesAndEdits();
    void overviewCountsAndFiltersByDoubleClick();
    void aQuestSetAsideLeavesTheListsAndCanBeSeenForAMoment();
    void errorsReachTheErrorBoxAndTheWindowStays();
    void tabLeavesTheGridAndKeysReachTheButtons();
    void windowRemembersHowItWasLeft();
    void windowOpensWhereItWasLeft();

private:
    QString status() const { return f.label("Label18"); }
    Fixture f;
};

void PlayersViewTest::countsFollowFiltersSearchesAndEdits() {
    QCOMPARE(status(), "表示 7 件　オファー 2　完了 2　未完了 5");
    choose(f.dropDown("ComboBox1"), "ジュノ");
    QCOMPARE(status(), "表示 3 件　オファー 0　完了 1　未完了 2");
    typeInto(f.field("Edit1"), "猫");
    click(f.button("Button1"));
    QCOMPARE(status(), "内容検索「猫」 2 件　　表示 2 件　オファー 0　完了 0　未完了 2");
    typeInto(f.field("Edit1"), "犬");
    click(f.button("Button1"));
    QCOMPARE(status(), "内容検索「犬」 見つかりません　　表示 0 件　オファー 0　完了 0　未完了 0");

    click(f.get<RadioGroup>("RadioGroup1")->button(4)); // every Jeuno quest again
    clickRow(f.grid(), 1);                              // 0003
    click(f.box("CheckBox1"));
    QCOMPARE(status(), "表示 3 件　オファー 1　完了 1　未完了 2");
    click(f.box("CheckBox2"));
    QCOMPARE(status(), "表示 3 件　オファー 0　完了 2　未完了 1");
    click(f.button("Button5"));
    choose(f.dropDown("ComboBox3"), "ジュノ");
    click(f.button("Button4"));
    QCOMPARE(status(), "表示 4 件　オファー 0　完了 2　未完了 2");
    f.answerer.setAnswer(kYes);
    click(f.button("Button3"));
    QCOMPARE(status(), "表示 3 件　オファー 0　完了 1　未完了 2");
}

void PlayersViewTest::overviewCountsAndFiltersByDoubleClick() {
    QStringList rows;
    onNextDialog<ProgressDialog>([&](ProgressDialog* dialog) {
        QTreeWidget* tree = dialog->tree();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* nation = tree->topLevelItem(i);
            rows << QStringList{nation->text(0), nation->text(1), nation->text(2), nation->text(3)}.join(' ');
            for (int k = 0; k < nation->childCount(); ++k)
                rows << "  " + QStringList{nation->child(k)->text(0), nation->child(k)->text(1),
                                           nation->child(k)->text(2), nation->child(k)->text(3)}
                                   .join(' ');
        }
        QTreeWidgetItem* harbour = tree->topLevelItem(2)->child(1);
        tree->scrollToItem(harbour);
        QTRY_VERIFY(tree->visualItemRect(harbour).isValid()); // laid out
        const QPoint at = tree->visualItemRect(harbour).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at); // the press a double-click follows
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    });
    click(f.button("Button12"));
    // Nations and areas in the order of their lists, then a typed one; quests, completed, left.
    QCOMPARE(rows, (QStringList{"ウィンダス 2 1 1", "  石の区 1 0 1", "  港 1 1 0", "バストゥーク 1 0 1",
                                "  商業区 1 0 1", "ジュノ 3 1 2", "  ル・ルデの庭 1 0 1", "  ジュノ港 2 1 1",
                                "手入力の国 1 0 1", "  （地域なし） 1 0 1", "合計 7 2 5"}));
    QVERIFY(!QApplication::activeModalWidget()); // a double-click closes it
    QCOMPARE(f.dropDown("ComboBox1")->Text(), "ジュノ");
    QCOMPARE(f.dropDown("ComboBox2")->Text(), "ジュノ港");
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0003", "0004"}));
}

// Set aside by its button and by its key, the quest leaves the grid and the counts; one click lists
// the quests set aside again, struck through, and taking one back keeps its row; an undo is one
// step; the searches find them and say so; the overview counts them apart.
void PlayersViewTest::aQuestSetAsideLeavesTheListsAndCanBeSeenForAMoment() {
    auto* shown = f.get<QToolButton>("SpeedButton6");
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
    const QString asideFile = files::inFolder(f.dir->path(), files::kSetAside);
    QVERIFY(!shown->isVisible());
    clickRow(f.grid(), 3);
    click(f.button("Button25"));
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0001", "0002", "0004", "0005", "0006", "0007"}));
    QCOMPARE(f.label("Label14"), "0004"); // the next quest on show
    QCOMPARE(status(), "表示 6 件　オファー 2　完了 2　未完了 4");
    QTest::keyClick(f.form.get(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(f.label("Label14"), "0005");
    QCOMPARE(readUtf8Lines(asideFile),
             (Utf8Lines{"0003," + today.toStdString(), "0004," + today.toStdString()}));
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->text(), "見送り 2 件");

    click(shown); // listed again for a moment, marked
    QCOMPARE(listedNumbers(f.grid()).size(), 7);
    QCOMPARE(f.label("Label14"), "0005"); // still on show
    QCOMPARE(status(), "表示 7 件（うち見送り 2）　オファー 2　完了 1　未完了 4");
    const QModelIndex four = f.grid()->model()->index(3, 0);
    QVERIFY(four.data(GridModel::SetAsideRole).toBool());
    QVERIFY(four.data(Qt::AccessibleTextRole).toString().endsWith("見送り"));
    clickRow(f.grid(), 4);
    QVERIFY(f.button("Button25")->isChecked());
    QVERIFY(f.label("Label24").startsWith("見送り " + today));
    click(f.button("Button25")); // taken back: the row stays where it is
    QCOMPARE(f.label("Label14"), "0004");
    QVERIFY(!four.data(GridModel::SetAsideRole).toBool());
    QCOMPARE(readUtf8Lines(asideFile), (Utf8Lines{"0003," + today.toStdString()}));
    click(f.button("Button14")); // one step back: set aside again
    QCOMPARE(readUtf8Lines(asideFile),
             (Utf8Lines{"0003," + today.toStdString(), "0004," + today.toStdString()}));

    click(shown);
    QCOMPARE(listedNumbers(f.grid()).size(), 5);
    typeInto(f.field("Edit1"), QStringLiteral("猫"));
    click(f.button("Button1"));
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0003", "0005"}));
    QCOMPARE(status(), "内容検索「猫」 2 件　　表示 2 件（うち見送り 1）　オファー 0　完了 0　未完了 1");
    QVERIFY(!shown->isVisible()); // a search lists them anyway

    QStringList total;
    onNextDialog<ProgressDialog>([&](ProgressDialog* dialog) {
        const QTreeWidgetItem* row = dialog->tree()->topLevelItem(dialog->tree()->topLevelItemCount() - 1);
        for (int column = 0; column < 6; ++column)
            total << row->text(column);
        dialog->reject();
    });
    click(f.button("Button12"));
    QCOMPARE(total, (QStringList{"合計", "7", "1", "4", "2", ""})); // quests, done, left, set aside
}

// Double-clicks the overview's row of nation n (and of its area a, when given).
void doubleClickOverviewRow(int n, int a = -1) {
    onNextDialog<ProgressDialog>([=](ProgressDialog* dialog) {
        QTreeWidget* tree = dialog->tree();
        QTreeWidgetItem* item = a < 0 ? tree->topLevelItem(n) : tree->topLevelItem(n)->child(a);
        tree->scrollToItem(item);
        QTRY_VERIFY(tree->visualItemRect(item).isValid());
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    });
}

void PlayersViewTest::errorsReachTheErrorBoxAndTheWindowStays() {
    // A line too short for the flags loads, and stops a refill that reads them.
    DataSet data = quests();
    data.table->push_back("0008,ジュノ,ジュノ港");
    f.open(data);
    click(f.get<RadioGroup>("RadioGroup1")->button(1)); // Offered
    doubleClickOverviewRow(2);                          // ジュノ
    click(f.button("Button12"));
    QCOMPARE(f.answerer.texts(), QStringList(2, "リストのインデックスが範囲を超えています (6)."));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(f.form->isVisible());

    // An error that escapes every handler still reaches the error box, and the window stays.
    QTimer::singleShot(0, f.form.get(), [] { throw KorvaneError(QStringLiteral("逃げたエラー")); });
    QTRY_COMPARE(f.answerer.texts().size(), 3);
    QCOMPARE(f.answerer.texts().last(), "逃げたエラー.");
    QCOMPARE(static_cast<Application*>(qApp)->takeEscapes(), 1); // counted, so a test would fail
    QVERIFY(f.form->isVisible());

    // An area of the table that the area list does not hold shows exactly its quests.
    click(f.get<RadioGroup>("RadioGroup1")->button(4));
    QCOMPARE(f.answerer.texts().size(), 3);
    doubleClickOverviewRow(3, 0); // 手入力の国, （地域なし）
    click(f.button("Button12"));
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0007"});
    QCOMPARE(f.dropDown("ComboBox2")->Text(), "（地域なし）");
}

void PlayersViewTest::tabLeavesTheGridAndKeysReachTheButtons() {
    clickRow(f.grid(), 2);
    f.grid()->setFocus();
    QTest::keyClick(f.grid(), Qt::Key_Tab);
    QVERIFY(!f.grid()->hasFocus());
    QCOMPARE(f.detail().number, "0002"); // moving the focus never changes the quest on show
    f.grid()->setFocus();
    QTest::keyClick(f.grid(), Qt::Key_Backtab);
    QVERIFY(!f.grid()->hasFocus());
    QCOMPARE(f.detail().number, "0002");

    QTest::keyClick(f.form.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(f.field("Edit1")->hasFocus());

    typeInto(f.text("Memo3"), "キーで保存");
    QTest::keyClick(f.text("Memo3"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0002000キーで保存"});

    click(f.button("Button5"));
    f.field("Edit3")->setFocus();
    QTest::keyClick(f.field("Edit3"), Qt::Key_Escape);
    QVERIFY(!f.get<QWidget>("ScrollBox2")->isVisible());

    for (const auto& [button, key] : {std::pair{"Button1", "Enter"},
                                      {"Button6", "Enter"},
                                      {"Button10", "Enter"},
                                      {"Button2", "Ctrl+S"},
                                      {"Button7", "Esc"}})
        QVERIFY2(f.button(button)->toolTip().contains(key), button);
}

void PlayersViewTest::windowRemembersHowItWasLeft() {
    const QString settings = f.dir->filePath("korvane.ini");
    f.form.reset();
    writeBytes(settings, "; mine\r\n[Web]\r\nadd=https://example.com/\r\n");
    f.reopen();
    choose(f.dropDown("ComboBox1"), "ジュノ");
    choose(f.dropDown("ComboBox2"), "ジュノ港");
    click(f.get<RadioGroup>("RadioGroup1")->button(3));
    f.grid()->horizontalHeader()->resizeSection(kName, 210); // as a drag of the column's edge
    f.get<QSplitter>("Splitter1")->setSizes({600, 400});
    f.form->close();
    const std::string written = readBytes(settings);
    QVERIFY(written.starts_with("; mine\r\n[Web]\r\nadd=https://example.com/\r\n[Window]\r\n"));
    QCOMPARE(profileString(written, "Web", "add"), "https://example.com/");

    f.reopen();
    QCOMPARE(f.dropDown("ComboBox1")->Text(), "ジュノ");
    QCOMPARE(f.dropDown("ComboBox2")->Text(), "ジュノ港");
    QCOMPARE(f.get<RadioGroup>("RadioGroup1")->ItemIndex(), 3);
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0004"});
    QCOMPARE(f.grid()->ColWidth(kName), 210);
    QCOMPARE(f.get<QSplitter>("Splitter1")->sizes().value(0), 600);

    // A remembered filter that no longer fits the data falls back to every quest.
    f.form.reset();
    writeBytes(f.table(), crlf({sj("0001,ウィンダス,港,a,p,c,1,1,0")}));
    f.reopen();
    QCOMPARE(f.dropDown("ComboBox1")->Text(), "全国");
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0001"});
}

void PlayersViewTest::windowOpensWhereItWasLeft() {
    const QString settings = f.dir->filePath("korvane.ini");
    const auto start = [&] {
        f.form.reset();
        f.form = std::make_unique<TForm1>(DataPlace{f.dir->path(), settings});
        f.form->showAsRemembered();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    };
    start(); // the first start: no settings file
    QVERIFY(f.form->isMaximized());
    f.form->close();
    QVERIFY(readBytes(settings).find("maximized=1") != std::string::npos);

    // Left at a place and size, with a grid wider than that window leaves room for.
    writeBytes(settings, "[Window]\r\ngeometry=100,100,900,620\r\nmaximized=0\r\ngrid=767\r\n");
    start();
    QVERIFY(!f.form->isMaximized());
    QCOMPARE(f.form->geometry().size(), QSize(900, 620));
    QVERIFY(f.get<QWidget>("Panel2")->width() >= 444); // the detail view stays readable
    f.form->close();
    const std::string written = readBytes(settings);
    QVERIFY(written.find("geometry=100,100,900,620\r\n") != std::string::npos);
    QVERIFY(written.find("maximized=0\r\n") != std::string::npos);
}

KORVANE_WIDGET_TEST_MAIN(PlayersViewTest)
#include "tst_players_view.moc"
