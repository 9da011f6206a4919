// The journal as a player uses it: a tick, its date beside the quest, the list "記録" with it, and
// a double-click that shows the quest even when the filters hid it.

#include "browser/JournalDialog.h"
#include "browser/ProgressChart.h"
#include "browser/ProgressDialog.h"
#include "store/DataFiles.h"
#include "store/Journal.h"
#include "support/Fixture.h"
#include "support/NextDialog.h"
#include "support/Sjis.h"
#include "support/TestMain.h"
#include "widgets/RadioGroup.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace korvane;
using namespace korvane::test;

class JournalTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f.open({Utf8Lines{"0001,ウィンダス,港,a,p,c,1,0,1", "0002,ジュノ,ジュノ港,b,p,c,0,0,0"}, Utf8Lines{},
                Utf8Lines{}, Utf8Lines{}});
    }
    void cleanup() { f.close(); }
    void aTickIsDatedListedAndFound();
    void aJournalThatCannotBeReadIsSaidInItsPlace();
    void progressOverTimeIsChartedAndExported();

private:
    Fixture f;
};

void JournalTest::aTickIsDatedListedAndFound() {
    // Offered before the journal knew of it.
    QTRY_COMPARE(f.label("Label24"), "オファー 日付不明");
    click(f.box("CheckBox2"));
    Journal journal(files::inFolder(f.dir->path(), kJournalFile));
    journal.refresh();
    QCOMPARE(journal.entries().size(), 1u);
    const QString when = journalTimeText(journal.entries()[0].time);
    QCOMPARE(f.label("Label24"), "オファー 日付不明　コンプリート " + when + "　1 回コンプリート");

    // The quest hidden by the filters, the list shows it, and a double-click brings it back.
    click(f.get<RadioGroup>("RadioGroup1")->button(int(Progress::NotCompleted)));
    QCOMPARE(f.detail().number, "0002");
    QCOMPARE(f.label("Label24"), "");
    onNextDialog<JournalDialog>([when](JournalDialog* dialog) {
        // A failed check leaves the lambda: the dialog then closes with no choice.
        auto closes = qScopeGuard([dialog] { QTimer::singleShot(0, dialog, &QDialog::reject); });
        QTableView* table = dialog->table();
        QCOMPARE(dialog->Edit8->text(), "0002"); // narrowed to the quest on show: nothing yet
        QCOMPARE(table->model()->rowCount(), 0);
        QVERIFY(dialog->findChild<QLabel*>("JournalCount")->text().contains("0002")); // why it is empty
        dialog->Edit8->clear();
        QCOMPARE(table->model()->rowCount(), 1);
        const auto cell = [&](int column) { return table->model()->index(0, column).data().toString(); };
        QCOMPARE(QStringList({cell(0), cell(1), cell(2), cell(3)}),
                 QStringList({when, "0001", "a", "コンプリート"}));
        dialog->ComboBox8->setCurrentIndex(3); // memos only
        QCOMPARE(table->model()->rowCount(), 0);
        dialog->ComboBox8->setCurrentIndex(2); // completions
        const QRect row = table->visualRect(table->model()->index(0, 2));
        closes.dismiss();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          row.center()); // the press a double-click follows
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row.center());
    });
    click(f.button("Button16"));
    QCOMPARE(f.detail().number, "0001");
    QCOMPARE(f.get<RadioGroup>("RadioGroup1")->ItemIndex(), int(Progress::All));
    QCOMPARE(f.label("Label24"), "オファー 日付不明　コンプリート " + when + "　1 回コンプリート");
}

// Looked at after every action and every second: no box, the message where the dates would be.
void JournalTest::aJournalThatCannotBeReadIsSaidInItsPlace() {
    const QString path = files::inFolder(f.dir->path(), kJournalFile);
    QVERIFY(QDir().mkdir(path));
    f.reopen();
    QTRY_COMPARE(f.label("Label24"),
                 QStringLiteral("ファイル %1 は開けません").arg(QDir::toNativeSeparators(path)));
    click(f.box("CheckBox2")); // the tick itself is stored
    QCOMPARE(readUtf8Lines(f.table())[0], "0001,ウィンダス,港,a,p,c,1,1,1");
    QTest::qWait(1100);
    QVERIFY(f.answerer.seen().isEmpty());
}

// 進捗's chart from the journal: a completion today, this week's bar, the row chosen counted, by
// week or month; the overview written as CSV for a spreadsheet, and the whole as a picture.
void JournalTest::progressOverTimeIsChartedAndExported() {
    click(f.box("CheckBox2")); // 0001 completed today
    const QString csv = f.dir->filePath("進捗.csv"), png = f.dir->filePath("進捗.png");
    const auto saveAs = [](const QString& path) {
        onNextDialog<QFileDialog>([path](QFileDialog* files) {
            files->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            QMetaObject::invokeMethod(files, "accept");
        });
    };
    onNextDialog<ProgressDialog>([&](ProgressDialog* dialog) {
        auto closes = qScopeGuard([dialog] { QTimer::singleShot(0, dialog, &QDialog::reject); });
        const ProgressHistory& history = dialog->chart()->history();
        QCOMPARE(history.quests, 2); // the total's row: every quest
        QCOMPARE(history.steps.size(), 1u);
        QCOMPARE(history.steps[0].from, periodStart(QDate::currentDate(), ProgressPeriod::Week));
        QCOMPARE(history.steps[0].completions, 1);
        QTreeWidget* tree = dialog->tree();
        tree->setCurrentItem(tree->findItems("ジュノ", Qt::MatchExactly)[0]);
        QCOMPARE(dialog->chart()->history().quests, 1);
        QCOMPARE(dialog->chart()->history().steps[0].completions, 0);
        dialog->findChild<QComboBox*>("ComboBox7")->setCurrentIndex(1); // by month
        QCOMPARE(dialog->chart()->history().steps[0].from,
                 periodStart(QDate::currentDate(), ProgressPeriod::Month));

        saveAs(csv);
        dialog->findChild<QPushButton*>("Button23")->click();
        saveAs(png);
        dialog->findChild<QPushButton*>("Button24")->click();
    });
    click(f.button("Button12"));
    const std::string written = readBytes(csv);
    QVERIFY(written.starts_with("\xEF\xBB\xBF国,地域,メイン クエスト,メイン 完了,メイン 残り,")); // whose
    QVERIFY(written.find("\r\nウィンダス,港,1,1,0,0,100\r\n") != std::string::npos); // none set aside
    QVERIFY(written.find("\r\n合計,,2,1,1,0,50\r\n") != std::string::npos);
    QVERIFY(readBytes(png).starts_with("\x89PNG"));
}

KORVANE_WIDGET_TEST_MAIN(JournalTest)
#include "tst_journal.moc"
