// One checklist on two PCs through a real sync tool: two Syncthing instances on 127.0.0.1 (no
// discovery, relays or NAT) keep two folders in step, each open in a running Korvane. Both PCs
// opened within the sync delay learn of each other; a tick made on one side is shown by the other,
// idle one; a real conflict (both sides changed while the link was paused) is merged with both
// changes kept, a quest only the other PC has byte for byte; a PC that asks while the other has the
// folder opens once the other closed; PCs that look alike, or whose clocks are wrong, are seen. It fails,
// never skips, when Syncthing cannot run.

#include "app/Startup.h"
#include "editing/ConflictDialog.h"
#include "store/DataFiles.h"
#include "support/Fixture.h"
#include "support/Sjis.h"
#include "support/TestMain.h"
#include "sync/Syncthing.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {

Utf8Lines table() {
    return {"0001,ウィンダス,港,a,p,c,0,0,0", "0002,ジュノ,ジュノ港,b,p,c,0,0,0",
            "0003,マウラ,マウラ,c,p,c,0,0,0"};
}

} // namespace

class SyncTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void bothPcsOpenedWithinTheSyncDelayAreToldOfEachOther();
    void aTickArrivesAndTheIdleWindowShowsIt();
    void aFileEmptiedOnOnePcIsBelievedOnNeither();
    void aRealConflictIsMergedWithBothChangesKept();
    void aPcOpensOnceTheOtherClosed();
    void pcsThatLookAlikeOrWhoseClocksDisagreeAreSeen();

private:
    QString folder(const char* side) const { return root_.filePath(side); }
    // The table as it is, or nothing while the sync tool has it renamed away.
    Utf8Lines tableOf(const char* side) const {
        try {
            return readUtf8Lines(files::inFolder(folder(side), files::kQuestTable));
        } catch (const KorvaneError&) {
            return {};
        }
    }
    void tick(TForm1& window, int row, const char* box) {
        clickRow(child<StringGrid>(window, "StringGrid1"), row);
        click(child<FlagBox>(window, box));
    }

    // Korvane on one side, as that PC starts it: its lock and announcement, then its window.
    std::unique_ptr<TForm1> open(const char* side, const ThisPc& pc) {
        auto claim = claimDataFolder(folder(side), pc);
        if (!claim)
            return nullptr;
        auto window = std::make_unique<TForm1>(
            DataPlace{folder(side), root_.filePath(side + QStringLiteral(".ini"))}, std::move(claim));
        window->resize(1100, 700);
        window->show();
        return window;
    }
    QString announcementIn(const char* side, const ThisPc& pc) const {
        return QDir(folder(side)).filePath(announcementName(pc.id));
    }

    const ThisPc desktop_{QStringLiteral("aaaa0001"), QStringLiteral("desktop")};
    const ThisPc laptop_{QStringLiteral("bbbb0002"), QStringLiteral("laptop")};
    QTemporaryDir root_;
    ModalAnswerer answerer_;
    std::unique_ptr<Syncthing> a_, b_;
    std::unique_ptr<TForm1> windowA_, windowB_;
};

void SyncTest::initTestCase() {
    for (const char* side : {"a", "b", "A/.stfolder", "B/.stfolder"})
        QVERIFY(QDir().mkpath(folder(side)));
    const DataSet data{table(), Utf8Lines{"0001000内容"}, Utf8Lines{}, Utf8Lines{"0001000メモ"}};
    const auto written = data.write();
    for (const QString& name : {files::kQuestTable, files::kContent, files::kReward, files::kMemo})
        QVERIFY(QFile::copy(files::inFolder(written->path(), name), files::inFolder(folder("A"), name)));

    QVERIFY2(startPair(a_, b_, folder("a"), folder("b"), folder("A"), folder("B")),
             "syncthing does not run: is it installed?");
    // Every file, not only some: the sync tool fetches them in no set order, and a PC that
    // opened with one still missing would rightly say so.
    const auto arrived = [&] {
        for (const QString& name : {files::kQuestTable, files::kContent, files::kReward, files::kMemo}) {
            QFile a(files::inFolder(folder("A"), name)), b(files::inFolder(folder("B"), name));
            if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll())
                return false;
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(arrived(), 30000);

    // Both PCs open it at once, well within the sync tool's delay: the link is held while they do.
    a_->pause(*b_);
    b_->pause(*a_);
    QTRY_VERIFY_WITH_TIMEOUT(!a_->connectedTo(*b_), 20000);
    windowA_ = open("A", desktop_);
    windowB_ = open("B", laptop_);
    QVERIFY(windowA_ && windowB_);
    QVERIFY2(answerer_.seen().isEmpty(),
             qPrintable(answerer_.texts().join('\n'))); // neither knew of the other yet
}

void SyncTest::cleanupTestCase() {
    windowA_.reset();
    windowB_.reset();
    a_.reset();
    b_.reset();
}

void SyncTest::bothPcsOpenedWithinTheSyncDelayAreToldOfEachOther() {
    a_->resume(*b_);
    b_->resume(*a_);
    QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>(*windowA_, "Label22")->isVisible() &&
                                 child<QLabel>(*windowB_, "Label22")->isVisible(),
                             30000);
    QCOMPARE(child<QLabel>(*windowA_, "Label22")->text(), "別の PC「laptop」でも開いています");
    QCOMPARE(child<QLabel>(*windowB_, "Label22")->text(), "別の PC「desktop」でも開いています");
    QTRY_COMPARE(answerer_.seen().size(), 2); // a box on each PC, once
    QVERIFY(answerer_.texts().join("").contains("別の PC「laptop」の Korvane が "));
    QVERIFY(answerer_.texts().join("").contains("別の PC「desktop」の Korvane が "));
    // Each PC's announcement is its own file: no conflict copy of it anywhere.
    for (const char* side : {"A", "B"})
        QCOMPARE(QDir(folder(side)).entryList({"*sync-conflict*"}, QDir::Files | QDir::Hidden),
                 QStringList());
}

void SyncTest::aTickArrivesAndTheIdleWindowShowsIt() {
    tick(*windowA_, 1, "CheckBox1"); // 0001 offered on A
    a_->scan();
    // Read once per try: the file may be replaced between two reads.
    const auto firstLineOnB = [&] {
        const Utf8Lines lines = tableOf("B");
        return lines.empty() ? QString() : QString::fromStdString(lines.front());
    };
    QTRY_COMPARE_WITH_TIMEOUT(firstLineOnB(), QStringLiteral("0001,ウィンダス,港,a,p,c,1,0,0"), 30000);
    const auto* grid = child<StringGrid>(*windowB_, "StringGrid1");
    QTRY_COMPARE_WITH_TIMEOUT(cell(grid, kOffered, 1), QStringLiteral("1"), 10000);
    QVERIFY(child<QLabel>(*windowB_, "Label19")->text().startsWith("クエスト.csv を読み直しました"));
}

// Another program empties the memos on A, and the sync tool carries the empty file to B: neither PC
// reads it as its checklist; each asks, keeps its own version (the default), and both end with it.
void SyncTest::aFileEmptiedOnOnePcIsBelievedOnNeither() {
    const QString memoA = files::inFolder(folder("A"), files::kMemo);
    const std::string memo = readBytes(memoA);
    answerer_.clear();
    writeBytes(memoA + ".tmp", "");
    QVERIFY(QFile::remove(memoA) && QFile::rename(memoA + ".tmp", memoA));
    a_->scan();
    QTRY_VERIFY_WITH_TIMEOUT(answerer_.seen().size() >= 1, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(
        readBytes(memoA) == memo && readBytes(files::inFolder(folder("B"), files::kMemo)) == memo, 60000);
    for (const SeenBox& box : answerer_.seen())
        QVERIFY2(box.text.contains("この PC の版: 1 行"), qPrintable(box.text));
    QCOMPARE(detailView(*windowB_).memo, "メモ\n");
}

void SyncTest::aRealConflictIsMergedWithBothChangesKept() {
    a_->pause(*b_);
    b_->pause(*a_);
    QTRY_VERIFY_WITH_TIMEOUT(!a_->connectedTo(*b_), 20000);
    // B ticks, then another program adds to B's table a quest A has not got; A ticks last, so that its
    // version is the newer and B's becomes the conflict copy on A.
    tick(*windowB_, 3, "CheckBox3"); // 0003 repeatable on B
    const std::string copyOnly = sj("0004,マウラ,マウラ,\"<a href=x>\",p,c,0,0,0");
    QFile table(files::inFolder(folder("B"), files::kQuestTable));
    QVERIFY(table.open(QIODevice::Append));
    table.write((copyOnly + "\r\n").c_str());
    table.close();
    QTest::qWait(1500);
    tick(*windowA_, 2, "CheckBox1"); // 0002 offered on A
    a_->scan();
    b_->scan();
    QTest::qWait(2000);

    // The conflict copy the sync tool leaves is offered for merging, and taken.
    bool offered = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        // Both sides get the copy: A merges it, B leaves it for later, and A's merge reaches B.
        if (auto* dialog = qobject_cast<ConflictDialog*>(QApplication::activeModalWidget())) {
            const bool onA = dialog->parentWidget() == windowA_.get();
            offered = offered || onA;
            click(dialog->findChild<QPushButton*>(onA ? "ConflictMerge" : "ConflictLater"));
        }
    });
    answer.start(50);
    a_->resume(*b_);
    b_->resume(*a_);
    QTRY_VERIFY_WITH_TIMEOUT(offered, 60000);
    const Utf8Lines merged{"0001,ウィンダス,港,a,p,c,1,0,0", "0002,ジュノ,ジュノ港,b,p,c,1,0,0",
                           "0003,マウラ,マウラ,c,p,c,0,0,1", "0004,マウラ,マウラ,\"<a href=x>\",p,c,0,0,0"};
    // Whichever side merged it, both sides end with both changes.
    QTRY_VERIFY_WITH_TIMEOUT(tableOf("A") == merged && tableOf("B") == merged, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(cell(child<StringGrid>(*windowA_, "StringGrid1"), kRepeatable, 3),
                              QStringLiteral("1"), 10000);
}

// The desktop has the folder open; the laptop starts and is asked. The desktop closes while the
// question is on screen: looking again finds the folder free, and the laptop opens it. The desktop,
// started again, is asked about the laptop in its turn.
void SyncTest::aPcOpensOnceTheOtherClosed() {
    windowB_.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(announcementIn("A", laptop_)), 30000);
    answerer_.clear();
    answerer_.setAnswer(QStringLiteral("もう一度見る"));
    QTimer::singleShot(500, this, [this] {
        windowA_.reset();
        a_->scan();
    });
    windowB_ = open("B", laptop_);
    QVERIFY(windowB_);
    QVERIFY(!windowA_);
    QVERIFY(answerer_.texts().first().startsWith("別の PC「desktop」の Korvane が "));
    QVERIFY(QFileInfo::exists(announcementIn("B", laptop_)));
    b_->scan();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(announcementIn("A", laptop_)), 30000);

    answerer_.clear();
    answerer_.setAnswer(QStringLiteral("終了"));
    QVERIFY(!open("A", desktop_));
    QVERIFY(answerer_.texts().first().startsWith("別の PC「laptop」の Korvane が "));
    QVERIFY(!QFileInfo::exists(announcementIn("A", desktop_))); // one that ends writes nothing
}

// Two PCs made from one disk image (one host name, one machine id) are two installations, each with
// an id of its own; one whose clock runs ten minutes behind or ahead is seen all the same, since
// what counts is when its announcement last arrived here.
void SyncTest::pcsThatLookAlikeOrWhoseClocksDisagreeAreSeen() {
    windowB_.reset();
    b_->scan();
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(announcementIn("A", laptop_)), 30000);
    QTemporaryDir one, two;
    const ThisPc cloneA = ThisPc::here(UserFolders{{}, one.path()});
    const ThisPc cloneB = ThisPc::here(UserFolders{{}, two.path()});
    QCOMPARE(cloneA.name, cloneB.name);
    QVERIFY(cloneA.id != cloneB.id);
    QCOMPARE(ThisPc::here(UserFolders{{}, one.path()}).id, cloneA.id); // kept
    for (const int skew : {-600, 600}) {
        Announcement onB(folder("B"), cloneB);
        const QDateTime clockOfB = QDateTime::currentDateTimeUtc().addSecs(skew);
        onB.write(clockOfB);
        QFile file(onB.path()); // the sync tool carries B's clock over in the file's time
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(clockOfB, QFileDevice::FileModificationTime));
        file.close();
        b_->scan();
        const QString arrived = QDir(folder("A")).filePath(announcementName(cloneB.id));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(arrived), 30000);
        answerer_.clear();
        answerer_.setAnswer(QStringLiteral("終了"));
        QVERIFY(!claimDataFolder(folder("A"), cloneA));
        QCOMPARE(answerer_.seen().size(), 1);
        QVERIFY(answerer_.texts().first().contains(QStringLiteral("別の PC「%1」").arg(cloneB.name)));
        onB.remove();
        b_->scan();
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(arrived), 30000);
    }
}

KORVANE_WIDGET_TEST_MAIN(SyncTest)
#include "tst_sync.moc"
