// The window's keys: each works wherever the focus is, the list of keys (F1) is made of them, and
// Ctrl+Q ends Korvane as the window's close button does.

#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {Utf8Lines{"0001,ウィンダス,港,a,p,c,0,0,0", "0002,ジュノ,ジュノ港,b,p,c,1,1,0"}, Utf8Lines{},
            Utf8Lines{}, Utf8Lines{"0001000メモ"}};
}

QList<QAction*> keyedActions(QWidget& window) {
    QList<QAction*> keyed;
    for (QAction* action : window.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (!action->shortcuts().isEmpty())
            keyed << action;
    return keyed;
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f.open(quests()); }
    void cleanup() { f.close(); }
    void characterKeysWorkWhereverTheFocusIs_data();
    void characterKeysWorkWhereverTheFocusIs();
    void f1ListsEveryKeyOfTheWindow();
    void ctrlQClosesAsTheCloseButtonDoes();
    void tabWalksTheRegionsInOrderAndReadsEveryStop();

private:
    Fixture f;
};

void KeysTest::characterKeysWorkWhereverTheFocusIs_data() {
    QTest::addColumn<QString>("focus");
    for (const char* name : {"StringGrid1", "Memo3", "Edit1", "ComboBox1", "CheckBox1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The grid moves a page on PgDown: with Ctrl the window's key still wins.
void KeysTest::characterKeysWorkWhereverTheFocusIs() {
    QFETCH(QString, focus);
    auto* widget = f.form->findChild<QWidget*>(focus);
    QVERIFY(widget);
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
    const int row = f.grid()->Row();
    for (const auto& [name, key] :
         {std::pair{"NextCharacter", Qt::Key_PageDown}, {"PreviousCharacter", Qt::Key_PageUp}}) {
        QSignalSpy triggered(f.form->findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered);
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        QCOMPARE(triggered.size(), 1);
    }
    QCOMPARE(f.grid()->Row(), row);
}

void KeysTest::f1ListsEveryKeyOfTheWindow() {
    QStringList listed; // "keys — what they do", a row each
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget* dialog = QApplication::activeModalWidget();
        auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("KeyList"));
        for (int row = 0; table && row < table->rowCount(); ++row)
            listed << table->item(row, 0)->text() + QStringLiteral(" — ") + table->item(row, 1)->text();
        QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("OpenGuide"))); // the source tree's guide
        static_cast<QDialog*>(dialog)->reject();
    });
    QTest::keyClick(f.grid(), Qt::Key_F1);
    QStringList expected;
    for (const QAction* action : keyedActions(*f.form))
        expected << action->shortcuts().first().toString(QKeySequence::NativeText) + QStringLiteral(" — ") +
                        action->text();
    QCOMPARE(listed.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) // a key with a second key lists both before its words
        QVERIFY2(listed[i].startsWith(expected[i].section(QStringLiteral(" — "), 0, 0)) &&
                     listed[i].endsWith(expected[i].section(QStringLiteral(" — "), 1)),
                 qPrintable(listed[i]));
    for (const char* key : {"Ctrl+Q", "F1", "Ctrl+PgDown", "Ctrl+M", "Ctrl+Z"})
        QVERIFY2(!listed.filter(QString::fromLatin1(key) + QStringLiteral(" — ")).isEmpty(), key);
}

// Typing not saved is asked about as at the close button; cancelled, the window stays.
void KeysTest::ctrlQClosesAsTheCloseButtonDoes() {
    typeInto(f.text("Memo3"), QStringLiteral("書きかけ"));
    f.answerer.setAnswer(QStringLiteral("キャンセル"));
    QTest::keyClick(f.grid(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(f.answerer.seen().size(), 1);
    QVERIFY(f.form->isVisible());
    f.answerer.setAnswer(QStringLiteral("破棄"));
    f.form->activateWindow(); // the question's box took the keys
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QTest::keyClick(f.grid(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(f.answerer.seen().size(), 2);
    QVERIFY(!f.form->isVisible());
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0001000メモ"});
}

// Tab goes through the window region by region, as it reads: the top panel, the grid, the detail,
// the texts, the status bar, and round again; every stop has a name and a description to be read.
void KeysTest::tabWalksTheRegionsInOrderAndReadsEveryStop() {
    const std::vector<QWidget*> regions{f.get<QWidget>("Panel1"), f.grid(), f.get<QWidget>("Panel2"),
                                        f.form->statusBar()};
    const auto regionOf = [&](QWidget* widget) {
        for (std::size_t i = 0; i < regions.size(); ++i)
            if (regions[i] == widget || regions[i]->isAncestorOf(widget))
                return static_cast<int>(i);
        return -1;
    };
    QWidget* first = f.button("Button5");
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    int region = 0, stops = 0;
    for (QWidget* at = first; stops == 0 || at != first; at = QApplication::focusWidget(), ++stops) {
        QVERIFY2(stops < 100, "Tab never comes back");
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(at);
        const QString what = at->metaObject()->className() + QLatin1Char(' ') + at->objectName();
        QVERIFY2(read && !read->text(QAccessible::Name).isEmpty(), qPrintable(what));
        QVERIFY2(!read->text(QAccessible::Description).isEmpty(), qPrintable(what));
        QVERIFY2(regionOf(at) >= region, qPrintable(what));
        region = regionOf(at);
        QTest::keyClick(at, Qt::Key_Tab);
    }
    QCOMPARE(region, 3); // the status bar came last
}

KORVANE_WIDGET_TEST_MAIN(KeysTest)
#include "tst_keys.moc"
