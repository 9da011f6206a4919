// Start-up on the real window: what loads, what the grid shows, and that nothing is written.

#include "app/Startup.h"
#include "app/TForm1.h"
#include "browser/StringGrid.h"
#include "support/DataSet.h"
#include "support/ModalAnswerer.h"
#include "support/TempFiles.h"
#include "support/TestMain.h"
#include "support/Ui.h"
#include "widgets/FlagBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet threeQuests() {
    return {Utf8Lines{"0003,ウィンダス,港,釣り人の賭け,港の釣り人,なし,1,0,1",
                      "0010,ジュノ,ジュノ港,飛空艇の積み荷,荷役頭,ランク1以上,0,0,0",
                      "0007,ジラート,,古代の石板,遺跡の番人,ランク4以上,1,1,0"},
            Utf8Lines{"0003000朝の満ち潮を狙う", "0003001二行目"}, Utf8Lines{"0003000ギル200"},
            Utf8Lines{"0010000メモ"}};
}

QString cellText(StringGrid* grid, int column, int row) {
    return QString::fromStdString(grid->Cells(column, row));
}

// A program installed in root as a package puts it, with its sample set; its folder of programs.
QString installIn(const QTemporaryDir& root) {
    const auto sample = threeQuests().write();
    const QString bin = root.filePath("usr/bin"), shared = root.filePath("usr/share/korvane/sample");
    QDir().mkpath(bin);
    QDir().mkpath(shared);
    for (const QString& name : QDir(sample->path()).entryList(QDir::Files))
        QFile::copy(sample->filePath(name), QDir(shared).filePath(name));
    return bin;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void allFilesPresentFillTheGridInFileOrder();
    void missingMemoStoreShowsTheErrorAndTheWindowOpens();
    void badTableLineShowsTheRowsBeforeIt();
    void closingRightAfterStartWritesNothing();
    void controlsCarryTheirNames();
    void anInstalledProgramKeepsTheDataInTheUsersFolder();
    void aSecondPcBeginsWithTheSyncedChecklist_data();
    void aSecondPcBeginsWithTheSyncedChecklist();
    void japaneseIsAskedOfJapaneseFacesInOrder();
};

// The window's text asks for the metric-compatible face first; on Windows then the Japanese UI
// faces, so that a Windows of another language never draws the kanji with Chinese shapes.
void StartupTest::japaneseIsAskedOfJapaneseFacesInOrder() {
    QStringList expected{QStringLiteral("ＭＳ Ｐゴシック")};
#ifdef _WIN32
    expected << "Yu Gothic UI"
             << "Meiryo UI"
             << "Meiryo"
             << "MS UI Gothic";
#endif
    const auto dir = threeQuests().write();
    const auto form = openMainWindow(*dir);
    QCOMPARE(form->findChild<QLabel*>("Label3")->font().families(), expected);
}

void StartupTest::allFilesPresentFillTheGridInFileOrder() {
    ModalAnswerer answerer;
    const auto dir = threeQuests().write();
    const auto form = openMainWindow(*dir);
    QVERIFY(answerer.seen().isEmpty());

    auto* grid = form->findChild<StringGrid*>("StringGrid1");
    QVERIFY(grid);
    QCOMPARE(grid->RowCount(), 4);
    QCOMPARE(cellText(grid, 0, 1), "0003");
    QCOMPARE(cellText(grid, 0, 2), "0010");
    QCOMPARE(cellText(grid, 0, 3), "0007");
    const QStringList titles{"No.", "国", "地域", "クエスト", "場所", "条件", "Offer", "comp", "繰り返し"};
    const int widths[] = {30, 30, 50, 150, 150, 150, 1, 1, 1}; // the flags are shown too
    for (int c = 0; c < titles.size(); ++c) {
        QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        QVERIFY2(grid->ColWidth(c) >= widths[c], qPrintable(titles[c])); // the given widths are the least
    }
    QVERIFY(grid->ColWidth(0) >=
            grid->fontMetrics().horizontalAdvance("0000") + 4); // fits in the font in use
    QCOMPARE(grid->Row(), 1);
    QCOMPARE(form->findChild<QLabel*>("Label14")->text(), "0003");
    QCOMPARE(form->findChild<QLabel*>("Label1")->text(), "ウィンダス");
    QCOMPARE(form->findChild<QPlainTextEdit*>("RichEdit1")->toPlainText(), "朝の満ち潮を狙う\n二行目\n");
    QCOMPARE(form->windowTitle(), "Korvane Ver2.0.0");
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid));
}

void StartupTest::missingMemoStoreShowsTheErrorAndTheWindowOpens() {
    ModalAnswerer answerer;
    DataSet data = threeQuests();
    data.memo.reset();
    const auto dir = data.write();
    const auto form = openMainWindow(*dir);

    QCOMPARE(answerer.seen().size(), 1);
    const SeenBox& box = answerer.seen().front();
    QCOMPARE(box.text,
             QStringLiteral("ファイル %1 は開けません.").arg(QDir::toNativeSeparators(memoPath(*dir))));
    QCOMPARE(box.title, "Korvane");
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QStringList{"OK"});
    QVERIFY(form->isVisible());
    QCOMPARE(form->findChild<StringGrid*>("StringGrid1")->RowCount(), 4);
    QVERIFY(!QFile::exists(memoPath(*dir)));
}

void StartupTest::badTableLineShowsTheRowsBeforeIt() {
    ModalAnswerer answerer;
    DataSet data = threeQuests();
    data.table = Utf8Lines{"0001,ウィンダス,港,a,b,c,0,0,0", "abcd,ジュノ,,x,y,z,0,0,0",
                           "0003,マウラ,マウラ,q,p,c,0,0,0"};
    const auto dir = data.write();
    const auto before = snapshot(dir->path());
    const auto form = openMainWindow(*dir);

    QCOMPARE(answerer.texts(), QStringList{"'abcd' は整数ではありません."});
    auto* grid = form->findChild<StringGrid*>("StringGrid1");
    QCOMPARE(grid->RowCount(), 3);
    QCOMPARE(cellText(grid, 0, 2), "abcd");
    form->close();
    QCOMPARE(dataSnapshot(dir->path()), before);
}

void StartupTest::closingRightAfterStartWritesNothing() {
    ModalAnswerer answerer;
    DataSet data = threeQuests();
    // A table line with spaces (cleaned in memory only) and stores out of order.
    data.table->push_back("0011,マウラ,マウラ,風車 の 村,農夫,なし,0,0,0");
    data.content = Utf8Lines{"0010000後", "0003000先"};
    const auto dir = data.write();
    // Bytes that are not code page 932, and a NEC code whose IBM twin is what Unicode maps back to.
    writeBytes(rewardPath(*dir), "0003000\x80\xFD\r\n0010000\xED\x40\r\n");
    const auto before = snapshot(dir->path());
    {
        const auto form = openMainWindow(*dir);
        QVERIFY(answerer.seen().isEmpty());
        form->close();
    }
    QCOMPARE(dataSnapshot(dir->path()), before); // only the window's settings are written
}

void StartupTest::controlsCarryTheirNames() {
    ModalAnswerer answerer;
    const auto dir = threeQuests().write();
    const auto form = openMainWindow(*dir);
    const char* names[] = {
        "StringGrid1", "ComboBox1",  "ComboBox2",    "RadioGroup1",  "Button1",      "Edit1",
        "Button6",     "Edit2",      "Button10",     "Edit6",        "Button5",      "Button11",
        "ScrollBox1",  "Label1",     "Label2",       "Label3",       "Label4",       "Label5",
        "Label14",     "CheckBox1",  "CheckBox2",    "CheckBox3",    "Button2",      "Button8",
        "Button3",     "ScrollBox2", "ComboBox3",    "ComboBox4",    "Edit3",        "Edit4",
        "Edit5",       "Label6",     "CheckBox4",    "CheckBox5",    "CheckBox6",    "Button4",
        "Button9",     "Button7",    "RichEdit1",    "Memo2",        "Memo3",        "Panel4",
        "Panel9",      "Edit7",      "SpeedButton1", "SpeedButton2", "SpeedButton3", "ComboBox5",
        "Label7",      "Label8",     "Label9",       "Label10",      "Label15",      "Label16",
        "Label17",     "Image1",     "Image2",       "StaticText12", "StaticText19"};
    for (const char* name : names) {
        auto* widget = form->findChild<QWidget*>(name);
        QVERIFY2(widget, name);
        QCOMPARE(widget->accessibleDescription(), QString::fromLatin1(name));
    }
    // Fields without a caption of their own are named after their tile or button.
    QCOMPARE(form->findChild<QWidget*>("Edit1")->accessibleName(), "内容検索");
    QCOMPARE(form->findChild<QWidget*>("Edit3")->accessibleName(), "クエスト");
    QCOMPARE(form->findChild<QWidget*>("Memo3")->accessibleName(), "メモ");
    // Hidden at start: the edit pane, the web pane and the memo button.
    QVERIFY(!form->findChild<QWidget*>("ScrollBox2")->isVisible());
    QVERIFY(!form->findChild<QWidget*>("Panel9")->isVisible());
    QVERIFY(!form->findChild<QWidget*>("Button2")->isVisible());
}

// A program in <prefix>/bin, as a package installs it: the first start makes the user's folder from
// the sample set, and edits go there; nothing is written beside the program.
void StartupTest::anInstalledProgramKeepsTheDataInTheUsersFolder() {
    ModalAnswerer answerer(QStringLiteral("このまま始める"));
    QTemporaryDir root;
    const QString bin = installIn(root);
    const QString shared = root.filePath("usr/share/korvane/sample");
    const UserFolders home{root.filePath("home/.local/share"), root.filePath("home/.config")};
    const auto paths = dataPaths(std::nullopt, bin + "/korvane", home);
    QVERIFY(paths);
    const QString user = userDataFolder(home);
    QCOMPARE(paths->dataFolder, user);
    {
        TForm1 window(*paths);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<StringGrid*>("StringGrid1")->RowCount(), 4);
        clickRow(window.findChild<StringGrid*>("StringGrid1"), 2);
        click(window.findChild<FlagBox*>("CheckBox1"));
        window.close();
    }
    QCOMPARE(answerer.seen().size(), 1); // how to begin, asked once
    QCOMPARE(readUtf8Lines(user + "/クエスト.csv")[1],
             "0010,ジュノ,ジュノ港,飛空艇の積み荷,荷役頭,ランク1以上,1,0,0");
    QCOMPARE(readBytes(user + "/クエストメモ.txt"), readBytes(shared + "/クエストメモ.txt"));
    QVERIFY(QFileInfo::exists(home.settingsFolder() + "/korvane.ini")); // never in a data folder
    QVERIFY(!QFileInfo::exists(user + "/korvane.ini"));
    QCOMPARE(entries(bin), QStringList());

    // The player moves the checklist into a sync folder and opens it there once: from then on the
    // menu entry opens it, and the sample set never comes back.
    const QString synced = root.filePath("Sync/korvane");
    QVERIFY(QDir().rename(user, synced) ||
            (QDir().mkpath(root.filePath("Sync")) && QDir().rename(user, synced)));
    rememberOpened(synced, home);
    QCOMPARE(dataPaths(std::nullopt, bin + "/korvane", home)->dataFolder, synced);
    QDir(synced).removeRecursively();
    QCOMPARE(dataPaths(std::nullopt, bin + "/korvane", home)->dataFolder, user);
    QCOMPARE(entries(user), QStringList());
}

void StartupTest::aSecondPcBeginsWithTheSyncedChecklist_data() {
    QTest::addColumn<bool>("perUser");
    QTest::newRow("a package: the sample set made in the user's folder") << false;
    QTest::newRow("the per-user install: the sample set beside the program") << true;
}

// A second PC's first start opens the checklist a sync tool brought, with its characters; the
// sample set on show before is no character beside it, and the next start opens it unasked.
void StartupTest::aSecondPcBeginsWithTheSyncedChecklist() {
    QFETCH(bool, perUser);
    QTemporaryDir root;
    QString bin = installIn(root);
    if (perUser) { // as scripts/install puts it: the program in its data folder, the sample beside it
        bin = root.filePath("home/.local/share/korvane");
        QDir().mkpath(root.filePath("home/.local/share"));
        QDir().rename(root.filePath("usr/share/korvane/sample"), bin);
    }
    const auto synced = threeQuests().write();
    QDir().mkpath(synced->path() + "/キャラクター/k");
    QFile::copy(synced->filePath("クエスト.csv"), synced->path() + "/キャラクター/k/クエスト.csv");
    writeBytes(synced->path() + "/キャラクター/k/キャラクター名.txt", "騎士\r\n");
    // The window reads the user's folders from the environment: this test's own.
    for (const auto& [variable, folder] : {std::pair{"XDG_CONFIG_HOME", ".config"},
                                           {"XDG_DATA_HOME", ".local/share"},
                                           {"XDG_STATE_HOME", ".local/state"},
                                           {"APPDATA", "AppData/Roaming"},
                                           {"LOCALAPPDATA", "AppData/Local"}})
        qputenv(variable, root.filePath(QString("home/") + folder).toLocal8Bit());
    const UserFolders home = UserFolders::fromEnvironment();
    QVERIFY(home.dataHome.startsWith(root.path()));
    ModalAnswerer answerer(QStringLiteral("同期しているチェックリストを開く…"));
    QTimer chooses; // once the question is answered, the folder is chosen
    connect(&chooses, &QTimer::timeout, [&] {
        if (auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            chooses.stop();
            chooser->setDirectory(synced->path());
            QMetaObject::invokeMethod(chooser, "accept");
        }
    });
    chooses.start(20);
    const auto paths = dataPaths(std::nullopt, bin + "/korvane", home);
    QVERIFY(paths);
    rememberOpened(paths->dataFolder, home);
    {
        TForm1 window(*paths);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* characters = window.findChild<QComboBox*>("ComboBox6");
        QTRY_COMPARE(characters->toolTip(), QDir::toNativeSeparators(synced->path()));
        QCOMPARE(characters->count(), 2);
        QCOMPARE(characters->itemText(1), "騎士");
        window.close();
    }
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(dataPaths(std::nullopt, bin + "/korvane", home)->dataFolder, synced->path());
    const PlayerChecklists list = PlayerChecklists::read(home);
    QCOMPARE(list.entries.size(), 1u); // the sample set is no character of the player's
    QCOMPARE(list.entries.front().folder, synced->path());
}

KORVANE_WIDGET_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
