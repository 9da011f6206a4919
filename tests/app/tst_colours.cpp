// Korvane's colours on light and dark desktops: every text reads on its background in both shades,
// and the choice in the keys dialog repaints the open window (the light pane the window's own).

#include "app/Appearance.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

Q_DECLARE_METATYPE(korvane::Shade)
Q_DECLARE_METATYPE(korvane::Colour)

class ColoursTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        useShadeChoice(*qApp, ShadeChoice::Auto);
        f.close();
    }
    void everyTextReads_data();
    void everyTextReads();
    void theChoiceRepaintsTheOpenWindow();

private:
    Fixture f;
};

void ColoursTest::everyTextReads_data() {
    QTest::addColumn<Shade>("shade");
    QTest::addColumn<Colour>("text");
    QTest::addColumn<Colour>("back");
    int n = 0;
    for (const Shade shade : {Shade::Light, Shade::Dark})
        for (const ColourPair& pair : readablePairs())
            QTest::addRow("%s %d", shade == Shade::Light ? "light" : "dark", n++)
                << shade << pair.text << pair.back;
}

void ColoursTest::everyTextReads() {
    QFETCH(Shade, shade);
    QFETCH(Colour, text);
    QFETCH(Colour, back);
    const double ratio = contrastRatio(colour(text, shade), colour(back, shade));
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3")
                                          .arg(colour(text, shade).name(), colour(back, shade).name())
                                          .arg(ratio)));
}

// The offscreen desktop is light: 暗い darkens the panes of the open window, 自動 brings them back.
void ColoursTest::theChoiceRepaintsTheOpenWindow() {
    f.open({Utf8Lines{"0001,ウィンダス,港,a,p,c,0,0,0"}, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}});
    QWidget* pane = f.get<QWidget>("ScrollBox1")->findChild<QLabel*>("Label1")->parentWidget();
    const auto choose = [&](const QString& name) {
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            auto* dialog = static_cast<QDialog*>(QApplication::activeModalWidget());
            auto* box = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox9"));
            box->setCurrentIndex(box->findText(name));
            dialog->reject();
        });
        QTest::keyClick(f.grid(), Qt::Key_F1);
    };
    QCOMPARE(pane->palette().color(QPalette::Window).name(), "#ffffac");
    choose(QStringLiteral("暗い"));
    QCOMPARE(pane->palette().color(QPalette::Window), colour(Colour::ViewPane, Shade::Dark));
    QCOMPARE(f.get<QLabel>("Label1")->palette().color(QPalette::WindowText),
             colour(Colour::PaneText, Shade::Dark));
    QVERIFY(paletteIsDark(qApp->palette()));
    QCOMPARE(keptShadeChoice(), ShadeChoice::Dark);
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    choose(QStringLiteral("自動"));
    QCOMPARE(pane->palette().color(QPalette::Window).name(), "#ffffac");
    QVERIFY(!paletteIsDark(qApp->palette()));
}

KORVANE_WIDGET_TEST_MAIN(ColoursTest)
#include "tst_colours.moc"
