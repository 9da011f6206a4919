// The web pane with the real engine on local pages; nothing here reaches the network.

#include "support/Fixture.h"
#include "support/NextDialog.h"
#include "support/Sjis.h"
#include "support/TestMain.h"
#include "web/ProfileFile.h"
#include "web/UrlListDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>

using namespace korvane;
using namespace korvane::test;

namespace {

const QString kHome = QStringLiteral("qrc:/web/home.html");
constexpr int kLoad = 15000; // ms a page may take to load

DataSet quests() {
    return {Utf8Lines{"0001,ウィンダス,港,子猫,p,c,0,0,0"}, Utf8Lines{}, Utf8Lines{},
            Utf8Lines{"0001000メモ"}};
}

QString page(const QTemporaryDir& dir, const QString& name, const QString& title) {
    const QString path = dir.filePath(name);
    writeBytes(
        path,
        ("<html><head><title>" + title + "</title></head><body>" + name + "</body></html>").toStdString());
    return QUrl::fromLocalFile(path).toString();
}

} // namespace

class WebPaneTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f.open(quests());
        settings = f.dir->filePath("korvane.ini");
        pageA = page(*f.dir, "a.html", "Page A");
        pageB = page(*f.dir, "b.html", "B, with comma");
        pageC = page(*f.dir, "c.html", "C page");
    }
    void cleanup() { f.close(); }
    void opensOnTheHomeAddressAndHidesTheMemo();
    void rememberedAddressWaitsInTheBox();
    void closingTheProgramWithThePaneOpenStoresNothing();
    void samePageAddedTwiceIsListedTwice();
    void titlesWithSpaceOrCommaAreQuotedAndStillNavigable();
    void handWrittenLineSplitsAtAnUnquotedSpace();
    void missingListFileOnOpeningThenFirstAddition();
    void backOnTheFirstPageDoesNothing();
    void enterWithShiftOrCtrlNavigates();
    void unwritableSettingsFileStillClosesThePane();
    void theQuestOnShowIsLookedUp();
    void favouritesEditedAndALookUpFromTheEditedAddress();

private:
    // Whichever browser stands behind the pane: a web engine's view, or Qt's rich-text browser.
    QVariant browser(const char* engine, const char* text) const {
        const QWidget* view = f.form->findChild<QWidget*>("WebBrowser1");
        const QVariant value = view->property(engine);
        return value.isValid() ? value : view->property(text);
    }
    QString browserUrl() const { return browser("url", "source").toUrl().toString(); }
    QString browserTitle() const { return browser("title", "documentTitle").toString(); }
    void openPane() {
        if (!QFile::exists(urlListPath(*f.dir)))
            writeBytes(urlListPath(*f.dir), "");
        click(f.button("Button11"));
    }
    void go(const QString& address, Qt::KeyboardModifiers modifiers = {}) {
        f.field("Edit7")->setText(address);
        QTest::keyClick(f.field("Edit7"), Qt::Key_Return, modifiers);
        QTRY_COMPARE_WITH_TIMEOUT(browserUrl(), address, kLoad);
    }
    QStringList listEntries() const {
        QStringList out;
        for (int i = 0; i < f.dropDown("ComboBox5")->count(); ++i)
            out << f.dropDown("ComboBox5")->itemText(i);
        return out;
    }

    Fixture f;
    QString settings, pageA, pageB, pageC;
};

void WebPaneTest::opensOnTheHomeAddressAndHidesTheMemo() {
    QVERIFY(f.text("Memo3")->isVisible());
    openPane();
    QCOMPARE(f.button("Button11")->text(), "Web閉じる");
    QVERIFY(f.get<QWidget>("Panel9")->isVisible());
    QVERIFY(!f.text("Memo3")->isVisible());
    QCOMPARE(f.field("Edit7")->text(), kHome);
    QTRY_COMPARE_WITH_TIMEOUT(browserUrl(), kHome, kLoad);
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "Korvane", kLoad);
    click(f.button("Button11"));
    QCOMPARE(f.button("Button11")->text(), "Web表示");
    QVERIFY(f.text("Memo3")->isVisible());
    QVERIFY(!f.get<QWidget>("Panel9")->isVisible());
}

void WebPaneTest::rememberedAddressWaitsInTheBox() {
    openPane();
    go(pageA);
    click(f.button("Button11"));
    QCOMPARE(f.field("Edit7")->text(), pageA);
    QCOMPARE(readBytes(settings), "[Web]\r\nadd=" + pageA.toStdString() + "\r\n");
    openPane();
    QCOMPARE(f.field("Edit7")->text(), pageA);
    QTRY_COMPARE_WITH_TIMEOUT(browserUrl(), kHome, kLoad);
    QTest::keyClick(f.field("Edit7"), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(browserUrl(), pageA, kLoad);
}

void WebPaneTest::closingTheProgramWithThePaneOpenStoresNothing() {
    writeBytes(settings, "; mine\r\n[Web]\r\nadd=" + pageB.toStdString() + "\r\n");
    const std::string before = readBytes(settings);
    openPane();
    go(pageA);
    f.form->close();
    f.form.reset();
    // The window keeps its own state in a section of its own; the address and every other line
    // stay as they were.
    const std::string after = readBytes(settings);
    QCOMPARE(after.substr(0, before.size()), before);
    QCOMPARE(profileString(after, "Web", "add"), pageB.toStdString());
    QVERIFY(after.find("[Window]") != std::string::npos);
}

void WebPaneTest::samePageAddedTwiceIsListedTwice() {
    openPane();
    go(pageA);
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "Page A", kLoad);
    click(f.get<QToolButton>("SpeedButton3"));
    click(f.get<QToolButton>("SpeedButton3"));
    const std::string line = "\"Page A\"," + pageA.toStdString();
    QCOMPARE(readBytes(urlListPath(*f.dir)), crlf({line, line}));
    QCOMPARE(listEntries(), (QStringList{QString::fromStdString(line), QString::fromStdString(line)}));
    QCOMPARE(f.dropDown("ComboBox5")->ItemIndex(), -1);
}

void WebPaneTest::titlesWithSpaceOrCommaAreQuotedAndStillNavigable() {
    openPane();
    go(pageC);
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "C page", kLoad);
    click(f.get<QToolButton>("SpeedButton3"));
    go(pageB);
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "B, with comma", kLoad);
    click(f.get<QToolButton>("SpeedButton3"));
    // Sorted: the quote before the letters of either title decides nothing; "B" < "C".
    QCOMPARE(listEntries(), (QStringList{"\"B, with comma\"," + pageB, "\"C page\"," + pageC}));
    choose(f.dropDown("ComboBox5"), "\"C page\"," + pageC);
    QCOMPARE(f.field("Edit7")->text(), pageC);
    QTRY_COMPARE_WITH_TIMEOUT(browserUrl(), pageC, kLoad);
}

void WebPaneTest::handWrittenLineSplitsAtAnUnquotedSpace() {
    writeBytes(urlListPath(*f.dir),
               crlf({"My " + pageA.toStdString() + "," + pageB.toStdString(), "lonely"}));
    openPane();
    choose(f.dropDown("ComboBox5"), "My " + pageA + "," + pageB);
    QCOMPARE(f.field("Edit7")->text(), pageA); // the title's second word is taken as the address
    QTRY_COMPARE_WITH_TIMEOUT(browserUrl(), pageA, kLoad);
    choose(f.dropDown("ComboBox5"), "lonely");
    QCOMPARE(f.answerer.texts().last(), "リストのインデックスが範囲を超えています (1).");
    QCOMPARE(f.field("Edit7")->text(), pageA);
}

void WebPaneTest::missingListFileOnOpeningThenFirstAddition() {
    click(f.button("Button11"));
    QCOMPARE(
        f.answerer.texts(),
        QStringList{
            QStringLiteral("ファイル %1 は開けません.").arg(QDir::toNativeSeparators(urlListPath(*f.dir)))});
    QVERIFY(f.get<QWidget>("Panel9")->isVisible());
    QCOMPARE(f.dropDown("ComboBox5")->count(), 0);
    go(pageA);
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "Page A", kLoad);
    click(f.get<QToolButton>("SpeedButton3"));
    QCOMPARE(readBytes(urlListPath(*f.dir)), crlf({"\"Page A\"," + pageA.toStdString()}));
    QCOMPARE(f.dropDown("ComboBox5")->count(), 1);
    QCOMPARE(f.answerer.texts().size(), 1);
}

void WebPaneTest::backOnTheFirstPageDoesNothing() {
    openPane();
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "Korvane", kLoad); // the home page has loaded
    click(f.get<QToolButton>("SpeedButton1"));
    QTest::qWait(200);
    QCOMPARE(browserUrl(), kHome);
    QVERIFY(f.answerer.seen().isEmpty());
    go(pageA);
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "Page A", kLoad);
    click(f.get<QToolButton>("SpeedButton1"));
    QTRY_COMPARE_WITH_TIMEOUT(browserUrl(), kHome, kLoad);
    QCOMPARE(f.field("Edit7")->text(), pageA); // back and forward leave the box as it is
    click(f.get<QToolButton>("SpeedButton2"));
    QTRY_COMPARE_WITH_TIMEOUT(browserUrl(), pageA, kLoad);
}

void WebPaneTest::enterWithShiftOrCtrlNavigates() {
    openPane();
    go(pageA, Qt::ShiftModifier);
    go(pageB, Qt::ControlModifier);
    go(pageC, Qt::KeypadModifier);
}

void WebPaneTest::unwritableSettingsFileStillClosesThePane() {
    QDir().mkpath(settings); // a folder where the file should be
    openPane();
    click(f.button("Button11"));
    QCOMPARE(f.answerer.texts().last(),
             QStringLiteral("%1 に書き込めません.").arg(QDir::toNativeSeparators(settings)));
    QVERIFY(!f.get<QWidget>("Panel9")->isVisible());
    QCOMPARE(f.button("Button11")->text(), "Web表示");
}

// An address with placeholders opens with the quest on show put in, from 調べる and from the list.
void WebPaneTest::theQuestOnShowIsLookedUp() {
    const QString quest = page(*f.dir, "q0001.html", "Quest one");
    const QString lookUp = QUrl::fromLocalFile(f.dir->filePath("q")).toString() + "{no}.html?{name:euc-jp}";
    const QString expected = quest + "?%BB%D2%C7%AD"; // 子猫 in EUC-JP
    writeBytes(urlListPath(*f.dir), crlf({"A," + pageA.toStdString(), sj("wiki,") + lookUp.toStdString()}));
    click(f.button("Button17")); // opens the pane on the first such address
    QVERIFY(f.get<QWidget>("Panel9")->isVisible());
    QCOMPARE(f.field("Edit7")->text(), expected);
    QCOMPARE(f.dropDown("ComboBox5")->ItemIndex(), 1); // the entry it used, picked in the list
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "Quest one", kLoad);
    go(pageA);
    choose(f.dropDown("ComboBox5"), "wiki," + lookUp);
    QCOMPARE(f.field("Edit7")->text(), expected);
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "Quest one", kLoad);
}

// The sample's look-up address made the player's own in the window: ☆ keeps a typed placeholder,
// the editor changes an address and the order, says what 調べる will open, and 調べる opens it.
void WebPaneTest::favouritesEditedAndALookUpFromTheEditedAddress() {
    const QString quest = page(*f.dir, "q0001.html", "Quest one");
    const QString lookUp = QUrl::fromLocalFile(f.dir->filePath("q")).toString() + "{no}.html?{name:euc-jp}";
    const std::string sample = sj("クエストを調べる,https://wiki.example.org/index.php?{name:euc-jp}");
    writeBytes(urlListPath(*f.dir), crlf({"A," + pageA.toStdString(), sample, "B," + pageB.toStdString()}));
    openPane();

    onNextDialog<UrlListDialog>([&](UrlListDialog* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        const int width = dialog->width();
        list->setCurrentRow(1);
        dialog->findChild<QLineEdit*>("Edit9")->setText(lookUp + QString(300, QLatin1Char('x')));
        QTest::qWait(50);
        QCOMPARE(dialog->width(), width); // a long address never widens the dialog under the typing
        dialog->findChild<QLineEdit*>("Edit9")->setText(lookUp);
        QVERIFY(dialog->findChild<QLabel*>("Label26")->text().contains(quest + "?%BB%D2%C7%AD"));
        dialog->findChild<QPushButton*>("Button19")->click();
        dialog->findChild<QPushButton*>("Button21")->click(); // up: 調べる takes the first
        list->setCurrentRow(2);
        dialog->findChild<QPushButton*>("Button20")->click();
        dialog->accept();
    });
    click(f.get<QToolButton>("SpeedButton5"));
    QCOMPARE(readBytes(urlListPath(*f.dir)),
             crlf({sj("クエストを調べる,") + lookUp.toStdString(), "A," + pageA.toStdString()}));

    click(f.button("Button17"));
    QCOMPARE(f.field("Edit7")->text(), quest + "?%BB%D2%C7%AD");
    QTRY_COMPARE_WITH_TIMEOUT(browserTitle(), "Quest one", kLoad);

    // ☆ keeps a placeholder typed in the address box.
    f.field("Edit7")->setText("https://mywiki.example.jp/?{name:sjis}");
    click(f.get<QToolButton>("SpeedButton3"));
    QVERIFY(listEntries().contains("クエストを調べる,https://mywiki.example.jp/?{name:sjis}"));

    // A page that cannot be opened is said in the pane, with its address as typed: a query in code
    // page 932 whose bytes happen to be UTF-8 too ("%E2%85%AD") is not spelled decoded.
    const QString gone = QUrl::fromLocalFile(f.dir->filePath("gone.html")).toString() + "?%83N%E2%85%AD";
    f.field("Edit7")->setText(gone);
    QTest::keyClick(f.field("Edit7"), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(f.get<QLabel>("Label28")->isVisible(), kLoad);
    QVERIFY(f.label("Label28").contains(gone));
}

KORVANE_WIDGET_TEST_MAIN(WebPaneTest)
#include "tst_web_pane.moc"
