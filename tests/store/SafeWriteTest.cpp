// What keeps a user's files safe when other programs touch them: telling their changes apart from
// this copy's own writes, the owner a save keeps, the backups, and one copy per data folder.

#include "store/Backups.h"
#include "store/Errors.h"
#include "store/LineFile.h"
#include "store/TextStore.h"
#include "support/Commit.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace korvane {
namespace {

using test::commitOne;
using test::crlf;
using test::readBytes;
using test::writeBytes;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// What another program does to a file after this copy read it.
void rewriteInPlace(const QString& path, const std::string& bytes) {
    const int fd = ::open(native(path).constData(), O_WRONLY | O_TRUNC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

TEST(FileStamp, TellsOtherProgramsChangesFromNone) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> meanwhile;
        bool matches;
        bool stampedAhead = true; // too recent to tell by time: the content is compared as well
    };
    const Case cases[] = {
        {"nothing happened", [](const QString&) {}, true},
        {"the same size rewritten in place at once",
         [](const QString& p) { rewriteInPlace(p, "0001,b\r\n"); }, false},
        {"replaced by another file",
         [](const QString& p) {
             writeBytes(p + ".new", "0001,a\r\n");
             ::rename(native(p + ".new").constData(), native(p).constData());
         },
         false},
        {"the same size at the same time, as a coarse clock stamps it",
         [](const QString& p) {
             struct stat before {};
             ::stat(native(p).constData(), &before);
             rewriteInPlace(p, "0001,b\r\n");
             const timespec same[2] = {before.st_atim, before.st_mtim};
             ::utimensat(AT_FDCWD, native(p).constData(), same, 0);
         },
         false},
        {"only its time changed",
         [](const QString& p) { ::utimensat(AT_FDCWD, native(p).constData(), nullptr, 0); }, false},
        {"the same size rewritten in place long after, its time put back",
         [](const QString& p) {
             struct stat before {};
             ::stat(native(p).constData(), &before);
             rewriteInPlace(p, "0001,b\r\n");
             const timespec same[2] = {before.st_atim, before.st_mtim};
             ::utimensat(AT_FDCWD, native(p).constData(), same, 0);
         },
         false, false},
        {"deleted", [](const QString& p) { QFile::remove(p); }, false},
        {"a folder in its place",
         [](const QString& p) {
             QFile::remove(p);
             QDir().mkdir(p);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath("t.csv");
        writeBytes(path, "0001,a\r\n");
        // Stamped a minute ahead (as by a PC whose clock runs fast), the file is too recent to be
        // told by its time alone, however long the read takes: its content is compared too.
        const timespec ahead[2] = {{0, UTIME_OMIT}, {::time(nullptr) + (c.stampedAhead ? 60 : -3600), 0}};
        ::utimensat(AT_FDCWD, native(path).constData(), ahead, 0);
        FileStamp stamp;
        readFile(path, &stamp);
        c.meanwhile(path);
        EXPECT_EQ(stamp.matches(path), c.matches);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("missing.csv");
    const FileStamp absent = FileStamp::take(path);
    EXPECT_TRUE(absent.matches(path)) << "still not there";
    writeBytes(path, "");
    EXPECT_FALSE(absent.matches(path)) << "made by another program";
}

TEST(FileStamp, EachFileOfAnEditIsCheckedAgainJustBeforeItIsWritten) {
    QTemporaryDir dir;
    TextStore first(dir.filePath("a.txt")), second(dir.filePath("b.txt"));
    writeBytes(first.path(), "0001000a\r\n");
    writeBytes(second.path(), "0001000b\r\n");
    first.load();
    second.load();
    // Another program appends to the second file while the first one is written.
    const auto make = [&](std::size_t i) {
        if (i == 1)
            return second.textChange("0001", {"mine"});
        writeBytes(second.path(), "0001000b\r\n0002000theirs\r\n");
        return first.textChange("0001", {"mine"});
    };
    EXPECT_THROW(commitEach({&first, &second}, make), PartlySavedError);
    EXPECT_EQ(readBytes(first.path()), "0001000mine\r\n");
    EXPECT_EQ(readBytes(second.path()), "0001000b\r\n0002000theirs\r\n") << "their line is never lost";
    EXPECT_EQ(crlf(first.lines().lines()), readBytes(first.path()));
    EXPECT_EQ(second.lines().lines(), (Lines{"0001000b"}));
}

class Backups : public testing::Test {
protected:
    QTemporaryDir dir;
    TextStore store{dir.filePath("クエストメモ.txt")};
    void SetUp() override {
        writeBytes(store.path(), "");
        store.load();
    }
};

TEST_F(Backups, KeepTheLastFiveVersionsOldestFirst) {
    for (int i = 1; i <= 8; ++i)
        commitOne(store.textChange("0001", {std::to_string(i)}));
    const QStringList kept = backupsOf(store.path());
    ASSERT_EQ(kept.size(), kBackupsKept);
    for (int k = 0; k < kBackupsKept; ++k) // versions 3 to 7: each the file as it was before a save
        EXPECT_EQ(readBytes(kept[k]), crlf({"0001000" + std::to_string(k + 3)}));
    EXPECT_TRUE(QFileInfo(kept.last()).fileName().startsWith(QStringLiteral("クエストメモ_")));
    EXPECT_TRUE(kept.last().endsWith(QStringLiteral(".txt")));
    commitOne(store.textChange("0001", {"8"}));
    EXPECT_EQ(backupsOf(store.path()), kept) << "the same lines again keep no backup";
}

// The backup folder travels with a synced folder: each PC names its versions and removes only its
// own, and an older Korvane's unnamed ones with them.
TEST_F(Backups, EachPcRemovesOnlyTheVersionsItMade) {
    QDir(dir.path()).mkdir(kBackupFolder);
    writeBytes(dir.filePath("backup/クエストメモ_20200101-000000-000.txt"), "x");
    const auto saves = [&](const QString& tag, int from, int to) {
        makeBackupsAs(tag);
        for (int i = from; i <= to; ++i)
            commitOne(store.textChange("0001", {std::to_string(i)}));
    };
    saves("one-aaaa", 1, 3);
    saves("two-bbbb", 4, 11);
    makeBackupsAs(QString());
    QStringList one, two;
    for (const QString& path : backupsOf(store.path()))
        (path.endsWith("_one-aaaa.txt") ? one : two) << path;
    ASSERT_EQ(one.size(), 3) << "the other PC's versions all stay";
    ASSERT_EQ(two.size(), kBackupsKept) << "the unnamed one goes among this PC's";
    for (int k = 0; k < kBackupsKept; ++k)
        EXPECT_EQ(readBytes(two[k]), crlf({"0001000" + std::to_string(k + 6)}));

    struct Case {
        const char *name, *id, *tag;
    };
    for (const Case& c :
         {Case{"desk", "3fa2c0", "desk-3fa2"}, Case{"my_pc.local", "0001", "my-pc-local-0001"},
          Case{"", "beef", "pc-beef"}, Case{"書斎/PC", "c0de", "書斎-PC-c0de"}})
        EXPECT_EQ(backupTagOf(QString::fromUtf8(c.name), c.id), QString::fromUtf8(c.tag)) << c.name;
}

TEST_F(Backups, NamedInUtcAndPrunedByWhenTheyWereMade) {
    struct Case {
        const char *what, *firstZone, *secondZone;
    };
    const Case cases[] = {
        {"east, then UTC", "JST-9", "UTC0"},
        {"UTC, then west", "UTC0", "EST5EDT"},
        {"a summer-time zone either side", "CET-1CEST,M3.5.0,M10.5.0/3", "NZST-12NZDT,M9.5.0,M4.1.0/3"},
    };
    const QByteArray zone = qgetenv("TZ");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(dir.filePath(kBackupFolder)).removeRecursively();
        for (int i = 1; i <= 8; ++i) {
            qputenv("TZ", i <= 5 ? c.firstZone : c.secondZone);
            ::tzset();
            const QDateTime before = QDateTime::currentDateTimeUtc();
            commitOne(store.textChange("0001", {c.what + std::to_string(i)}));
            const QString name =
                QFileInfo(backupsOf(store.path()).last()).completeBaseName().section('_', -1);
            const QDateTime named = QDateTime::fromString(name, QStringLiteral("yyyyMMdd-HHmmss-zzz"));
            EXPECT_LE(std::abs(QDateTime(named.date(), named.time(), Qt::UTC).secsTo(before)), 2) << "UTC";
        }
        const QStringList kept = backupsOf(store.path());
        ASSERT_EQ(kept.size(), kBackupsKept);
        for (int k = 0; k < kBackupsKept; ++k) // the newest: the versions before saves 4 to 8
            EXPECT_EQ(readBytes(kept[k]), crlf({"0001000" + std::string(c.what) + std::to_string(k + 3)}));
    }
    qputenv("TZ", zone);
    ::tzset();

    // A version made by a clock that ran ahead counts as the oldest, whatever its time says.
    const std::vector<KeptVersion> versions{{"a", 100}, {"ahead", 9000}, {"b", 200}, {"c", 300}};
    EXPECT_EQ(versionsToRemove(versions, 1000, 2), (QStringList{"ahead", "a"}));
    // The largest stays, however many smaller versions come after it.
    const std::vector<KeptVersion> cut{
        {"whole", 100, 5000}, {"cut1", 200, 10}, {"cut2", 300, 10}, {"cut3", 400, 10}};
    EXPECT_EQ(versionsToRemove(cut, 1000, 2), (QStringList{"cut1"}));
}

TEST_F(Backups, AFailedBackupNeverStopsTheSave) {
    writeBytes(dir.filePath(kBackupFolder), "a file where the folder should be");
    testing::internal::CaptureStderr();
    commitOne(store.textChange("0001", {"a"}));
    commitOne(store.textChange("0001", {"b"}));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(readBytes(store.path()), crlf({"0001000b"}));
    EXPECT_NE(said.find("no backup"), std::string::npos);
    EXPECT_EQ(said.find("no backup"), said.rfind("no backup")) << "said once";
    EXPECT_TRUE(lastBackupFailure().contains(store.path())) << "the window shows it until a backup is kept";
    QFile::remove(dir.filePath(kBackupFolder));
    commitOne(store.textChange("0001", {"c"}));
    EXPECT_TRUE(lastBackupFailure().isEmpty());
}

// Runs body in a child process; its exit status reports whether its checks held.
int inChild(const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body() ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

// Only what the writer's temporary files are named like goes: six letters or digits after a name given.
TEST(UnfinishedSaves, OnlyTheWritersTemporaryFilesGo) {
    QTemporaryDir dir;
    const QStringList kept{"クエスト.csv",        "クエスト.csv.a1B2c", "クエスト.csv.a1B2c3d",
                           "クエスト.csv.a1-2c3", "URLLIST.txt.a1B2c3", "クエスト.csv.ZZ9999x"};
    for (const QString& name : kept + QStringList{"クエスト.csv.a1B2c3", "クエストメモ.txt.Qx81Lm"})
        writeBytes(dir.filePath(name), "x");
    QDir(dir.path()).mkdir("クエスト.csv.folder");
    QStringList removed = removeUnfinishedSaves(dir.path(), {"クエスト.csv", "クエストメモ.txt"});
    removed.sort();
    EXPECT_EQ(removed, (QStringList{"クエスト.csv.a1B2c3", "クエストメモ.txt.Qx81Lm"}));
    for (const QString& name : kept + QStringList{"クエスト.csv.folder"})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(name))) << name.toStdString();
}

TEST(Owners, AReplacedFileKeepsItsOwnerGroupAndMode) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user takes root";
    QTemporaryDir dir;
    TextStore store(dir.filePath("m.txt"));
    writeBytes(store.path(), "0001000old\r\n");
    ASSERT_EQ(::chown(native(store.path()).constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(native(store.path()).constData(), 0640), 0);
    store.load();
    commitOne(store.textChange("0001", {"new"}));
    struct stat st {};
    ::stat(native(store.path()).constData(), &st);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readBytes(store.path()), "0001000new\r\n");

    // A user who may write the file but cannot give it back to its owner is refused.
    ::chmod(native(dir.path()).constData(), 0777);
    ASSERT_EQ(::chown(native(store.path()).constData(), 0, 0), 0);
    ::chmod(native(store.path()).constData(), 0666);
    EXPECT_EQ(inChild([&] {
                  if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                      return false;
                  TextStore theirs(store.path());
                  theirs.load();
                  try {
                      commitOne(theirs.textChange("0001", {"theirs"}));
                      return false;
                  } catch (const KorvaneError& e) {
                      return e.message() == QStringLiteral("ファイル %1 を作成できません").arg(store.path());
                  }
              }),
              0);
    EXPECT_EQ(readBytes(store.path()), "0001000new\r\n");
    ::stat(native(store.path()).constData(), &st);
    EXPECT_EQ(st.st_uid, 0u);
}

} // namespace
} // namespace korvane
