// Other programs on the same files: a second copy, an outside change before an edit or while the
// window was away, hostile markup in the data, and a new user who has no files yet.

#include "app/Startup.h"
#include "editing/ConflictDialog.h"
#include "store/Backups.h"
#include "store/DataFiles.h"
#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QTest>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet quests() {
    return {
        Utf8Lines{"0001,ウィンダス,港,釣り,釣り人,なし,0,0,0", "0002,ジュノ,ジュノ港,荷物,荷役頭,なし,1,0,0"},
        Utf8Lines{"0001000釣りの内容"}, Utf8Lines{"0001000ギル"}, Utf8Lines{"0001000メモ"}};
}

// A sync tool brings a new version of a file: written beside it, renamed over it.
void changeOutside(const QString& path, const Utf8Lines& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += sj(line) + "\r\n";
    writeBytes(path + ".sync", bytes);
    QFile::remove(path);
    QFile::rename(path + ".sync", path);
}

} // namespace

class OtherProgramsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { f.close(); }
    void aSecondCopyOnThisPcIsRefused();
    void anotherPcIsAskedAboutAndLookedAtAgain();
    void aPcThatArrivesWhileOpenIsSaid();
    void anOldLockOpenedBesideIsAskedOnceAndGoesOnceSavedPast();
    void outsideChangeBeforeAnEdit_data();
    void outsideChangeBeforeAnEdit();
    void outsideChangesAreReadAgainWhenIdle();
    void aCutFileIsHeldBackUntilThePlayerChooses();
    void aMergeKeepsWhatIsOnShow();
    void aFolderThatVanishesIsWrittenBackOnRequest();
    void writingBackNeverWritesOverWhatWasPutBack();
    void markupInTheDataIsShownAsText();
    void startingFromNothing();

private:
    Fixture f;
};

// An announcement of another PC, as a sync tool brings it.
void announce(const QString& folder, const char* id, const char* pc, const QDateTime& since) {
    const std::string iso = since.toUTC().toString(Qt::ISODate).toStdString();
    writeBytes(QDir(folder).filePath(QStringLiteral(".korvane-%1.pc").arg(id)),
               "Korvane\npc=" + std::string(pc) + "\nsince=" + iso + "\nrefreshed=" +
                   QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString() + "\n");
}

const ThisPc kDesktop{QStringLiteral("aaaa1111"), QStringLiteral("desktop")};

void OtherProgramsTest::aSecondCopyOnThisPcIsRefused() {
    f.open(quests());
    const auto first = claimDataFolder(f.dir->path(), kDesktop);
    QVERIFY(first);
    const auto before = snapshot(f.dir->path());
    QVERIFY(!claimDataFolder(f.dir->path(), kDesktop)); // said, and ended
    const SeenBox said = f.answerer.seen().last();
#ifndef _WIN32 // a named mutex does not say whose it is
    QVERIFY(said.text.contains(QStringLiteral("（プロセス %1）").arg(QCoreApplication::applicationPid())));
#endif
    QCOMPARE(said.buttons, QStringList{"OK"}); // nothing to open with
    QCOMPARE(snapshot(f.dir->path()), before);
}

void OtherProgramsTest::anotherPcIsAskedAboutAndLookedAtAgain() {
    f.open(quests());
    const QDateTime since(QDate(2026, 12, 6), QTime(3, 27));
    announce(f.dir->path(), "bbbb2222", "laptop", since);
    const auto before = snapshot(f.dir->path());

    f.answerer.setAnswer(QStringLiteral("終了"));
    QVERIFY(!claimDataFolder(f.dir->path(), kDesktop));
    const SeenBox asked = f.answerer.seen().last();
    QVERIFY(asked.text.startsWith(
        "別の PC「laptop」の Korvane が 2026/12/06 03:27 からこのフォルダを開いています。"));
    QStringList buttons = asked.buttons;
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"もう一度見る", "終了", "開く"}));
    QCOMPARE(snapshot(f.dir->path()), before); // nothing written

    // The laptop closes while the question is on screen: looking again opens without a word more.
    f.answerer.clear();
    QTimer::singleShot(0, this, [&] { QFile::remove(QDir(f.dir->path()).filePath(".korvane-bbbb2222.pc")); });
    f.answerer.setAnswers({QStringLiteral("もう一度見る")});
    auto claim = claimDataFolder(f.dir->path(), kDesktop);
    QVERIFY(claim);
    QCOMPARE(f.answerer.seen().size(), 1);
    QVERIFY(readBytes(claim->announcement.path()).starts_with("Korvane\npc=desktop\nsince="));

    // An older Korvane's lock of another PC is asked about too, and never removed or replaced.
    writeBytes(QDir(f.dir->path()).filePath(".korvane.lock"), "4242\nkorvane\nold-pc\n\n\n");
    claim.reset();
    f.answerer.setAnswer(QStringLiteral("開く"));
    QVERIFY(claimDataFolder(f.dir->path(), ThisPc{QStringLiteral("cccc3333"), QStringLiteral("other")}));
    QVERIFY(f.answerer.texts().last().contains("PC「old-pc」の以前の版の Korvane が"));
    QCOMPARE(readBytes(QDir(f.dir->path()).filePath(".korvane.lock")), "4242\nkorvane\nold-pc\n\n\n");
}

// Both PCs opened the folder within the sync tool's delay: each learns of the other once it arrives.
void OtherProgramsTest::aPcThatArrivesWhileOpenIsSaid() {
    f.open(quests());
    f.form.reset();
    auto claim = claimDataFolder(f.dir->path(), kDesktop);
    QVERIFY(claim);
    f.form =
        std::make_unique<TForm1>(DataPlace{f.dir->path(), f.dir->filePath("korvane.ini")}, std::move(claim));
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QVERIFY(!f.get<QLabel>("Label22")->isVisible());
    QCOMPARE(f.get<QComboBox>("ComboBox6")->toolTip(), QDir::toNativeSeparators(f.dir->path()));

    announce(f.dir->path(), "bbbb2222", "laptop", QDateTime::currentDateTime());
    QTRY_COMPARE(f.answerer.seen().size(), 1);
    QVERIFY(f.answerer.texts().first().startsWith("別の PC「laptop」の Korvane が "));
    QTRY_VERIFY(f.get<QLabel>("Label22")->isVisible());
    QCOMPARE(f.label("Label22"), "別の PC「laptop」でも開いています");
    announce(f.dir->path(), "bbbb2222", "laptop", QDateTime::currentDateTime()); // refreshed: said once
    QFile::remove(QDir(f.dir->path()).filePath(".korvane-bbbb2222.pc"));
    QTRY_VERIFY(!f.get<QLabel>("Label22")->isVisible());
    QCOMPARE(f.answerer.seen().size(), 1);
}

// An older Korvane's lock left for days: asked about, and once opened beside, said how to remove and
// never said again that run; once this PC has written the folder after it, the next start removes it.
void OtherProgramsTest::anOldLockOpenedBesideIsAskedOnceAndGoesOnceSavedPast() {
    f.open(quests());
    const QString lock = QDir(f.dir->path()).filePath(".korvane.lock");
    writeBytes(lock, "4242\nkorvane\nold-pc\n\n\n");
    QTest::qWait(200); // a write's time is a moment before it: the lock is older than that
    f.answerer.setAnswer(QStringLiteral("開く"));
    {
        auto claim = claimDataFolder(f.dir->path(), kDesktop);
        QVERIFY(claim);
        QCOMPARE(f.answerer.seen().size(), 1); // the question alone: nothing to delete by hand
        QVERIFY(QFileInfo::exists(lock));
        TForm1 window(DataPlace{f.dir->path(), f.dir->filePath("claimed.ini")}, std::move(claim));
        window.show();
        clickRow(child<StringGrid>(window, "StringGrid1"), 1);
        click(child<FlagBox>(window, "CheckBox1"));
        QTest::qWait(1500); // the watch's looks
        QCOMPARE(f.answerer.seen().size(), 1);
        window.close();
    }
    QVERIFY(!QFileInfo::exists(lock)); // this PC saved past it: gone at close
    f.answerer.clear();
    QVERIFY(claimDataFolder(f.dir->path(), kDesktop));
    QCOMPARE(f.answerer.seen().size(), 0); // the next start asks nothing
}

void OtherProgramsTest::outsideChangeBeforeAnEdit_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("file");
    // The changed file is the edit's last one where it writes several: nothing at all is written.
    QTest::newRow("flag") << "flag" << files::kQuestTable;
    QTest::newRow("memo") << "memo" << files::kMemo;
    QTest::newRow("add") << "add" << files::kContent;
    QTest::newRow("modify") << "modify" << files::kMemo;
    QTest::newRow("delete") << "delete" << files::kReward;
}

void OtherProgramsTest::outsideChangeBeforeAnEdit() {
    QFETCH(QString, edit);
    QFETCH(QString, file);
    f.open(quests());
    const DetailView shown = f.detail();
    const QStringList listed = listedNumbers(f.grid());
    const QString path = files::inFolder(f.dir->path(), file);
    const Utf8Lines theirs =
        file == files::kQuestTable
            ? Utf8Lines{"0001,ウィンダス,港,釣り,釣り人,なし,0,0,0", "0099,マウラ,マウラ,外,外,外,0,0,0"}
            : Utf8Lines{"0001000外の変更"};
    changeOutside(path, theirs);
    const auto before = snapshot(f.dir->path());

    const auto run = [&] {
        if (edit == "flag") {
            click(f.box("CheckBox1"));
        } else if (edit == "memo") {
            typeInto(f.text("Memo3"), "私のメモ");
            click(f.button("Button2"));
        } else if (edit == "add") {
            click(f.button("Button5"));
            typeInto(f.field("Edit3"), "新しい");
            typeInto(f.text("RichEdit1"), "新しい内容");
            click(f.button("Button4"));
        } else if (edit == "modify") {
            click(f.button("Button8"));
            typeInto(f.field("Edit3"), "改名");
            click(f.button("Button9"));
        } else {
            click(f.button("Button3"));
        }
    };
    const bool asks = edit == "modify" || edit == "delete";
    f.answerer.setAnswers(asks ? QStringList{kYes, kNo} : QStringList{kNo});
    run();
    const SeenBox offer = f.answerer.seen().last();
    QVERIFY2(offer.text.contains(QDir::toNativeSeparators(path)), qPrintable(offer.text));
    QCOMPARE(offer.buttons, (QStringList{kYes, kNo}));
    QCOMPARE(snapshot(f.dir->path()), before); // nothing of the edit is written anywhere
    QCOMPARE(listedNumbers(f.grid()), listed);
    QCOMPARE(f.box("CheckBox1")->isChecked(), shown.offered);
    if (edit == "add" || edit == "modify")
        QVERIFY(f.get<QWidget>("ScrollBox2")->isVisible()); // what was typed is still there
    else
        QCOMPARE(f.detail().number, shown.number);

    // Taking the offer reads the files again: the window shows the other program's version. A new
    // quest asks first what to do with what the pane still holds. What was typed is kept: a memo
    // in the memo editor, still to be saved; a pane's fields in a draft, said with its file.
    const bool pane = edit == "add" || edit == "modify";
    f.answerer.setAnswers(asks            ? QStringList{kYes, kYes, "OK"}
                          : edit == "add" ? QStringList{QStringLiteral("破棄"), kYes, "OK"}
                                          : QStringList{kYes});
    run();
    QCOMPARE(snapshot(f.dir->path()), before);
    QVERIFY(!f.get<QWidget>("ScrollBox2")->isVisible());
    if (pane) {
        QVERIFY(f.answerer.texts().last().contains(edit == "add" ? "新しい内容" : "改名"));
    }
    if (edit == "memo") {
        QCOMPARE(f.detail().memo, "私のメモ");
        QVERIFY(f.button("Button2")->isVisible());
        QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0001000外の変更"});
        typeInto(f.text("Memo3"), "外の変更\n私のメモ");
        click(f.button("Button2"));
        QCOMPARE(readUtf8Lines(f.memo()), (Utf8Lines{"0001000外の変更", "0001001私のメモ"}));
        return;
    }
    if (file == files::kQuestTable) {
        QCOMPARE(listedNumbers(f.grid()), (QStringList{"0001", "0099"}));
    } else {
        QCOMPARE(f.detail().number, "0001"); // the quest on show stays on show
        const QString text = file == files::kContent  ? f.detail().content
                             : file == files::kReward ? f.detail().reward
                                                      : f.detail().memo;
        QCOMPARE(text, "外の変更\n");
    }
    // ... and the next edit goes through.
    f.answerer.setAnswers({kYes});
    click(f.box("CheckBox3"));
    QCOMPARE(readUtf8Lines(f.table())[0], "0001,ウィンダス,港,釣り,釣り人,なし,0,0,1");
}

void OtherProgramsTest::outsideChangesAreReadAgainWhenIdle() {
    f.open(quests());
    // After this PC's own save, a backup copied over the file in place is read again all the same.
    typeInto(f.text("Memo3"), "新しいメモ");
    click(f.button("Button2"));
    const QStringList backups = backupsOf(f.memo());
    QVERIFY(!backups.isEmpty());
    QTest::qWait(1000); // the look that the save's rename brought about is over
    QFile memo(f.memo());
    QVERIFY(memo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    memo.write(QByteArray::fromStdString(readBytes(backups.last())));
    memo.close();
    QTRY_COMPARE_WITH_TIMEOUT(f.detail().memo, "メモ\n", 2500);

    const QString status = "クエスト.csv を読み直しました (他のプログラムによる変更 ";
    // Idle: read again by itself, the filters and the quest on show kept.
    changeOutside(f.table(),
                  {"0001,ウィンダス,港,外の名前,釣り人,なし,0,0,0", "0007,マウラ,マウラ,外,外,外,0,0,0"});
    QTRY_COMPARE(listedNumbers(f.grid()), (QStringList{"0001", "0007"}));
    QCOMPARE(f.detail().name, "外の名前");
    QVERIFY(f.label("Label19").startsWith(status));
    QVERIFY(f.answerer.seen().isEmpty()); // nothing asked

    // Busy with typing: nothing is read until the player is done, then it is.
    typeInto(f.text("Memo3"), "書きかけ");
    changeOutside(f.table(), {"0008,マウラ,マウラ,外,外,外,0,0,0"});
    QTest::qWait(1500);
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0001", "0007"}));
    QCOMPARE(f.detail().memo, "書きかけ");
    click(f.button("Button2"));
    QTRY_COMPARE(listedNumbers(f.grid()), QStringList{"0008"});
    QCOMPARE(readUtf8Lines(f.memo()).front(), "0001000書きかけ");
    QVERIFY(f.answerer.seen().isEmpty());
}

// A sync tool's copy merged while a search is on show: the grid's list and the quest on show stay.
// A sync tool delivers the table cut to 3 of its 30 lines while the window is open, and the memos
// emptied while it was closed: neither is shown or saved over until the player chooses.
void OtherProgramsTest::aCutFileIsHeldBackUntilThePlayerChooses() {
    Utf8Lines table, memos;
    for (int n = 1; n <= 30; ++n) {
        const QString number = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
        table.push_back((number + QStringLiteral(",ウィンダス,港,釣り,釣り人,なし,0,0,0")).toStdString());
        memos.push_back((number + QStringLiteral("000メモ")).toStdString());
    }
    f.open({table, Utf8Lines{}, Utf8Lines{}, memos});
    const std::string whole = readBytes(f.table());
    f.answerer.setAnswer(QStringLiteral("この PC の版を残す"));
    changeOutside(f.table(), Utf8Lines(table.begin(), table.begin() + 3));
    QTRY_COMPARE(f.answerer.seen().size(), 1);
    QVERIFY(f.answerer.seen().front().text.contains(QStringLiteral("3 行")));
    QVERIFY(f.answerer.seen().front().text.contains(QStringLiteral("30 行")));
    QTRY_COMPARE(readBytes(f.table()), whole);
    QCOMPARE(listedNumbers(f.grid()).size(), 30);
    QCOMPARE(readUtf8Lines(backupsOf(f.table()).last()).size(), 3u); // the arrival kept

    f.form.reset();
    writeBytes(f.memo(), "");
    f.answerer.clear();
    f.answerer.setAnswer(QStringLiteral("届いた版を使う"));
    f.reopen();
    QCOMPARE(f.answerer.seen().size(), 1);
    QCOMPARE(f.detail().memo, QString());
    QCOMPARE(readBytes(f.memo()), std::string());
}

void OtherProgramsTest::aMergeKeepsWhatIsOnShow() {
    const Utf8Lines table{"0001,ウィンダス,港,a,p,c,0,0,0", "0004,ジュノ,港,釣り,p,c,0,0,0",
                          "0005,ジュノ,港,b,p,c,0,0,0", "0007,ジュノ,港,釣り竿,p,c,0,0,0"};
    f.open({table, Utf8Lines{}, Utf8Lines{}, Utf8Lines{}});
    typeInto(f.field("Edit6"), "釣り");
    click(f.button("Button10"));
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0004", "0007"}));
    clickRow(f.grid(), 2);
    Utf8Lines theirs = table;
    theirs[2] = "0005,ジュノ,港,b,p,c,1,0,0";
    const QString copy = QDir(f.dir->path()).filePath("クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv");
    std::string bytes;
    for (const auto& line : theirs)
        bytes += sj(line) + "\r\n";
    QTimer answer; // the preview opens from the watch's timer, in an event loop of its own
    connect(&answer, &QTimer::timeout, this, [] {
        if (auto* dialog = qobject_cast<ConflictDialog*>(QApplication::activeModalWidget()))
            click(dialog->findChild<QPushButton*>("ConflictMerge"));
    });
    answer.start(50);
    writeBytes(copy, bytes);
    QTRY_VERIFY(!QFileInfo::exists(copy));
    QCOMPARE(readUtf8Lines(f.table()), theirs);
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0004", "0007"}));
    QCOMPARE(f.detail().number, "0007");
}

// Memory holds the only copy left once the folder is deleted: nothing is dropped, nothing written
// until the player chose, and the checklist goes back as it was.
void OtherProgramsTest::aFolderThatVanishesIsWrittenBackOnRequest() {
    f.open(quests());
    click(f.box("CheckBox1"));
    const auto before = dataSnapshot(f.dir->path());
    const QStringList listed = listedNumbers(f.grid());
    f.answerer.setAnswer(QStringLiteral("元の場所に書き戻す"));
    QVERIFY(QDir(f.dir->path()).removeRecursively());
    QTRY_COMPARE(f.answerer.seen().size(), 1);
    // On Windows a folder in use stays, and only its files go: said the same way.
    QVERIFY2(f.answerer.texts().first().startsWith(
                 QStringLiteral("データのフォルダ %1 ").arg(QDir::toNativeSeparators(f.dir->path()))) &&
                 f.answerer.texts().first().contains(QStringLiteral("がなくなりました")),
             qPrintable(f.answerer.texts().first()));
    QCOMPARE(listedNumbers(f.grid()), listed);
    for (const auto& [name, bytes] : before)
        if (name != kBackupFolder)
            QCOMPARE(readBytes(QDir(f.dir->path()).filePath(name)), bytes);
    // It is the data folder again: the next edit goes there.
    click(f.box("CheckBox3"));
    QCOMPARE(readUtf8Lines(f.table())[0], "0001,ウィンダス,港,釣り,釣り人,なし,1,0,1");
    QCOMPARE(f.answerer.seen().size(), 1);
}

// Written back where only the files went, the folder's own lock does not refuse it; where the folder
// came back holding another PC's newer edits, they are read and this PC's are merged beside them.
void OtherProgramsTest::writingBackNeverWritesOverWhatWasPutBack() {
    f.open(quests());
    click(f.box("CheckBox1")); // 0001 offered, on this PC
    const std::string mine = readBytes(f.table());
    f.answerer.setAnswer(QStringLiteral("元の場所に書き戻す"));
    for (const QString& path : {f.table(), f.content(), f.reward(), f.memo()})
        QFile::remove(path);
    QTRY_COMPARE(f.answerer.seen().size(), 1);
    QTRY_COMPARE(readBytes(f.table()), mine);
    QTest::qWait(1500);
    QCOMPARE(f.answerer.seen().size(), 1); // not refused, not asked again

    // The folder put back at its place by a restore, holding the other PC's tick of 0002.
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [] {
        if (auto* dialog = qobject_cast<ConflictDialog*>(QApplication::activeModalWidget()))
            click(dialog->findChild<QPushButton*>("ConflictMerge"));
    });
    answer.start(50);
    const QString away = f.dir->path() + QStringLiteral(".away");
    QVERIFY(QDir().rename(f.dir->path(), away));
    const auto theirs = quests();
    Utf8Lines table = *theirs.table;
    table[1] = "0002,ジュノ,ジュノ港,荷物,荷役頭,なし,1,1,0";
    QVERIFY(QDir().mkpath(f.dir->path()));
    const auto write = [&](const QString& path, const Utf8Lines& lines) {
        std::string bytes;
        for (const auto& line : lines)
            bytes += sj(line) + "\r\n";
        writeBytes(path, bytes);
    };
    write(f.table(), table);
    write(f.content(), *theirs.content);
    write(f.reward(), *theirs.reward);
    write(f.memo(), Utf8Lines{"0001000メモ", "0002000別の PC のメモ"});
    QTRY_COMPARE_WITH_TIMEOUT(f.answerer.seen().size(), 2, 10000);
    table[0] = "0001,ウィンダス,港,釣り,釣り人,なし,1,0,0";
    QTRY_COMPARE(readUtf8Lines(f.table()), table);
    QCOMPARE(readUtf8Lines(f.memo()), (Utf8Lines{"0001000メモ", "0002000別の PC のメモ"}));
    QDir(away).removeRecursively();
}

// A folder named like markup and a pipe named in the data: both POSIX's alone ("<" and ">" are no
// characters of a Windows name).
void OtherProgramsTest::markupInTheDataIsShownAsText() {
#ifdef _WIN32
    QSKIP("a folder named with < and > and a pipe exist on POSIX alone");
#else
    QTemporaryDir root;
    const QString folder = root.filePath("<b>data</b>"); // a folder name that looks like markup
    QDir().mkpath(folder);
    const QString pipe = root.filePath("pipe");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // A tab survives the table's space cleaning inside a quoted field: a picture tag that works.
    const QString picture = QStringLiteral("<img\tsrc=%1>").arg(pipe);
    writeBytes(files::inFolder(folder, files::kQuestTable),
               crlf({sj("0001,<h1>国</h1>,港,\"") + QFile::encodeName(picture).toStdString() +
                     sj("\",<b>場</b>,<i>x</i>,0,0,0")}));
    writeBytes(files::inFolder(folder, files::kContent), crlf({"<img src=" + pipe.toStdString() + ">"}));
    writeBytes(files::inFolder(folder, files::kReward), "");
    ModalAnswerer& answerer = f.answerer;
    answerer.clear();
    TForm1 form(DataPlace{folder, QDir(folder).filePath("korvane.ini")});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // The memo file is missing: the error box names the folder as it is.
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().first().format, Qt::PlainText);
    QVERIFY(answerer.texts().first().contains(folder));
    const DetailView shown = detailView(form);
    QCOMPARE(shown.nation, "<h1>国</h1>");
    QCOMPARE(shown.name, picture);
    QCOMPARE(shown.place, "<b>場</b>");
    for (const QLabel* label : form.findChildren<QLabel*>())
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));

    answerer.setAnswer(kNo);
    click(child<QPushButton>(form, "Button3"));
    QCOMPARE(answerer.seen().last().text,
             QStringLiteral("<h1>国</h1>~港【%1】削除しても良いですか").arg(picture));
    QCOMPARE(answerer.seen().last().format, Qt::PlainText);
    typeInto(child<QLineEdit>(form, "Edit1"), "src");
    click(child<QPushButton>(form, "Button1")); // the content line's key is no number
    QCOMPARE(answerer.seen().last().text, "'<img' は整数ではありません.");
    QCOMPARE(answerer.seen().last().format, Qt::PlainText);
    // Nothing ever opened the pipe: opening it for writing finds no reader.
    const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
    QCOMPARE(fd, -1);
    QCOMPARE(errno, ENXIO);
#endif
}

void OtherProgramsTest::startingFromNothing() {
    f.open({});
    QCOMPARE(f.answerer.seen().size(), 1); // the missing files are named, as at any start
    for (const QString& path : {f.table(), f.content(), f.reward(), f.memo()})
        QVERIFY(f.answerer.texts().first().contains(QDir::toNativeSeparators(path)));
    click(f.button("Button5"));
    QCOMPARE(f.label("Label6"), "0001");
    typeInto(f.field("Edit3"), "最初のクエスト");
    typeInto(f.text("Memo3"), "最初のメモ");
    click(f.button("Button4"));
    QCOMPARE(f.answerer.seen().size(), 1); // no refusal
    QCOMPARE(readUtf8Lines(f.table()), Utf8Lines{"0001,,,最初のクエスト,,,0,0,0"});
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0001000最初のメモ"});
    QVERIFY(!QFile::exists(f.content())); // no content typed: not made
    QCOMPARE(listedNumbers(f.grid()), QStringList{"0001"});
}

KORVANE_WIDGET_TEST_MAIN(OtherProgramsTest)
#include "tst_other_programs.moc"
