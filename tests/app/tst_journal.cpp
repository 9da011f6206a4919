// The journal as a player uses it: a tick, its date beside the quest, the list "記録" with it, and
// a double-click that shows the quest even when the filters hid it.

#include "browser/JournalDialog.h"
#include "store/DataFiles.h"
#include "store/Journal.h"
#include "support/Fixture.h"
#include "support/NextDialog.h"
#include "support/Sjis.h"
#include "support/TestMain.h"
#include "widgets/RadioGroup.h"

#include <QApplication>
#include <QComboBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

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

KORVANE_WIDGET_TEST_MAIN(JournalTest)
#include "tst_journal.moc"
