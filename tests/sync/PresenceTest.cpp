// Who has a data folder open: this PC's kernel lock, and the announcements of the PCs a sync tool
// shares the folder with, in every state a folder can leave them in.

#include "sync/Presence.h"
#include "store/Errors.h"
#include "support/TempFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace korvane::test {
namespace {

const ThisPc kMe{QStringLiteral("aaaa1111"), QStringLiteral("desktop")};
const QDateTime kNow = QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);

void setModified(const QString& path, const QDateTime& when) {
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(when, QFileDevice::FileModificationTime);
}

std::string announcement(const char* pc, const QDateTime& since, const QDateTime& refreshed) {
    return "Korvane\npc=" + std::string(pc) + "\nsince=" + since.toString(Qt::ISODate).toStdString() +
           "\nrefreshed=" + refreshed.toString(Qt::ISODate).toStdString() + "\n";
}

#ifndef _WIN32 // a child process of another user and environment, killed, as only POSIX makes one
// Whoever holds a folder, from whatever environment, as whatever user, every other start is
// refused and told who holds it, under every name of the folder; a holder killed lets it go.
TEST(LocalLock, OneCopyPerFolderWhateverTheEnvironmentAndUser) {
    struct Case {
        const char* what;
        bool otherUser;       // the holder runs as nobody
        const char* spelling; // how the second start names the folder: "", "/." or a link
    };
    const Case cases[] = {
        {"same user, other HOME and XDG folders", false, ""},
        {"the folder as d/.", false, "/."},
        {"through a link", false, "link"},
        {"another user on a folder all may write", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.otherUser && ::geteuid() != 0)
            continue; // only root can start a process of another user
        QTemporaryDir dir, elsewhere;
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t holder = ::fork();
        if (holder == 0) {
            ::setenv("HOME", "/nonexistent", 1);
            ::unsetenv("XDG_RUNTIME_DIR");
            ::setenv("XDG_CACHE_HOME", "/nonexistent/cache", 1);
            if (c.otherUser && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(1);
            auto taken = LocalLock::take(dir.path());
            const char took = std::holds_alternative<LocalLock>(taken) ? 'y' : 'n';
            static_cast<void>(::write(ready[1], &took, 1));
            ::pause();
            ::_exit(0);
        }
        char took = 0;
        ASSERT_EQ(::read(ready[0], &took, 1), 1);
        ASSERT_EQ(took, 'y');
        QString path = dir.path() + QString::fromUtf8(c.spelling);
        if (std::string_view(c.spelling) == "link") {
            path = QDir(elsewhere.path()).filePath("link");
            ASSERT_TRUE(QFile::link(dir.path(), path));
        }
        auto second = LocalLock::take(path);
        ASSERT_TRUE(std::holds_alternative<LocalLock::Holder>(second));
        EXPECT_EQ(std::get<LocalLock::Holder>(second).pid, holder);
        EXPECT_EQ(std::get<LocalLock::Holder>(second).user.isEmpty(), false);
        EXPECT_EQ(std::get<LocalLock::Holder>(second).user == "nobody", c.otherUser);

        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
        EXPECT_TRUE(std::holds_alternative<LocalLock>(LocalLock::take(path)))
            << "the killed copy's lock is gone";
        EXPECT_TRUE(entries(dir.path()).isEmpty()) << "nothing is written in the data folder";
    }
    EXPECT_THROW(LocalLock::take(QStringLiteral("/nonexistent/folder")), KorvaneError);
}
#endif

TEST(LocalLock, OneCopyPerFolderInThisProcessToo) {
    QTemporaryDir dir;
    auto first = LocalLock::take(dir.path());
    ASSERT_TRUE(std::holds_alternative<LocalLock>(first));
    auto second = LocalLock::take(dir.path());
    ASSERT_TRUE(std::holds_alternative<LocalLock::Holder>(second));
#ifndef _WIN32
    EXPECT_EQ(std::get<LocalLock::Holder>(second).pid, QCoreApplication::applicationPid());
#endif
}

struct PresenceCase {
    const char* what;
    std::function<void(const QString& folder)> make;
    const char* name;    // of the other PC found; nullptr: none found
    const char* problem; // why its file could not be read
    const char* since;   // local time as shown; "" when unknown
    int lookedAfter = 0; // seconds after the files were made that this PC looks
};

class PresenceTest : public testing::TestWithParam<PresenceCase> {};

TEST_P(PresenceTest, OtherPcsFound) {
    const PresenceCase& c = GetParam();
    QTemporaryDir dir;
    c.make(dir.path());
    const std::vector<OtherPc> others =
        otherPcsIn(dir.path(), kMe, QDateTime::currentDateTimeUtc().addSecs(c.lookedAfter));
    if (!c.name) {
        EXPECT_TRUE(others.empty()) << c.what;
        return;
    }
    ASSERT_EQ(others.size(), 1u) << c.what;
    EXPECT_EQ(others[0].name, QString::fromUtf8(c.name)) << c.what;
    EXPECT_EQ(others[0].problem, QString::fromUtf8(c.problem)) << c.what;
    EXPECT_EQ(others[0].since.toUTC().toString("yyyy-MM-dd HH:mm"), QString::fromUtf8(c.since)) << c.what;
}

QString in(const QString& folder, const char* name) {
    return QDir(folder).filePath(QString::fromUtf8(name));
}

const QDateTime kMorning = kNow.addSecs(-3 * 3600);

const PresenceCase kPresenceCases[] = {
    PresenceCase{"an empty folder", [](const QString&) {}, nullptr, "", ""},
    PresenceCase{"another PC refreshed a minute ago",
                 [](const QString& f) {
                     writeBytes(in(f, ".korvane-bbbb2222.pc"),
                                announcement("ノート", kMorning, kNow.addSecs(-60)));
                 },
                 "ノート", "", "2026-12-09 09:00"},
    PresenceCase{"another PC switched off an hour ago",
                 [](const QString& f) {
                     writeBytes(in(f, ".korvane-bbbb2222.pc"), announcement("ノート", kMorning, kNow));
                 },
                 nullptr, "", "", 3600},
    // Its clock is no matter: what counts is when its file last changed here.
    PresenceCase{
        "another PC whose clock is ten minutes behind",
        [](const QString& f) {
            writeBytes(in(f, ".korvane-bbbb2222.pc"),
                       announcement("ノート", kMorning, QDateTime::currentDateTimeUtc().addSecs(-600)));
            setModified(in(f, ".korvane-bbbb2222.pc"), QDateTime::currentDateTimeUtc().addSecs(-600));
        },
        "ノート", "", "2026-12-09 09:00", 60},
    PresenceCase{"another PC whose clock is ten minutes ahead, switched off",
                 [](const QString& f) {
                     writeBytes(
                         in(f, ".korvane-bbbb2222.pc"),
                         announcement("ノート", kMorning, QDateTime::currentDateTimeUtc().addSecs(600)));
                     setModified(in(f, ".korvane-bbbb2222.pc"), QDateTime::currentDateTimeUtc().addSecs(600));
                 },
                 nullptr, "", "", 400},
    PresenceCase{"this PC's own announcement",
                 [](const QString& f) {
                     writeBytes(in(f, ".korvane-aaaa1111.pc"), announcement("desktop", kMorning, kNow));
                 },
                 nullptr, "", ""},
    PresenceCase{"a sync tool's conflict copy of an announcement",
                 [](const QString& f) {
                     writeBytes(in(f, ".korvane-bbbb2222.sync-conflict-20261209-033510-ZOVNQVO.pc"),
                                announcement("ノート", kMorning, kNow));
                 },
                 nullptr, "", ""},
    PresenceCase{"an announcement that is a folder",
                 [](const QString& f) { QDir(f).mkdir(".korvane-bbbb2222.pc"); }, "", "フォルダです", ""},
#ifndef _WIN32 // links of Windows are shortcuts, files of their own
    PresenceCase{"an announcement that is a dangling link",
                 [](const QString& f) { QFile::link(in(f, "gone"), in(f, ".korvane-bbbb2222.pc")); }, "",
                 "リンク先がありません", ""},
#endif
    PresenceCase{"an announcement of other bytes",
                 [](const QString& f) { writeBytes(in(f, ".korvane-bbbb2222.pc"), "\x81\x40garbage"); }, "",
                 "読めません", ""},
    PresenceCase{"an older Korvane's lock of another PC",
                 [](const QString& f) {
                     writeBytes(in(f, ".korvane.lock"), "4242\nkorvane\nlaptop\nffff9999\n\n");
                     setModified(in(f, ".korvane.lock"), kMorning);
                 },
                 "laptop", "", "2026-12-09 09:00"},
    PresenceCase{"an older Korvane's lock of this PC whose process ended",
                 [](const QString& f) {
                     writeBytes(in(f, ".korvane.lock"), "999999999\nkorvane\ndesktop\naaaa1111\n");
                 },
                 nullptr, "", ""},
    PresenceCase{"an older Korvane's lock of this PC whose process runs",
                 [](const QString& f) {
                     writeBytes(in(f, ".korvane.lock"),
                                std::to_string(::getpid()) + "\nkorvane\ndesktop\naaaa1111\n");
                     setModified(in(f, ".korvane.lock"), kMorning);
                 },
                 "desktop", "", "2026-12-09 09:00"},
    PresenceCase{"an older Korvane's lock that is a folder",
                 [](const QString& f) { QDir(f).mkdir(".korvane.lock"); }, "", "フォルダです", ""}};
INSTANTIATE_TEST_SUITE_P(States, PresenceTest, testing::ValuesIn(kPresenceCases));

TEST(Announcement, OnlyOwnFilesAreWrittenAndRemoved) {
    QTemporaryDir dir;
    const QString own = in(dir.path(), ".korvane-aaaa1111.pc");
    {
        Announcement mine(dir.path(), kMe);
        mine.write(kMorning);
        mine.write(kNow); // refreshed: since stays
        EXPECT_EQ(readBytes(own), announcement("desktop", kMorning, kNow));
        // Another PC sees it, fresh, for a few minutes.
        const ThisPc laptop{QStringLiteral("bbbb2222"), QStringLiteral("laptop")};
        ASSERT_EQ(otherPcsIn(dir.path(), laptop, kNow.addSecs(120)).size(), 1u);
        EXPECT_EQ(otherPcsIn(dir.path(), laptop, kNow.addSecs(120))[0].name, "desktop");

        const char* removed[] = {".korvane-aaaa1111.sync-conflict-20261209-033510-ZOVNQVO.pc",
                                 ".korvane.sync-conflict-20261209-033510-ZOVNQVO.lock",
                                 ".korvane (conflicted copy 2026-12-09 033510).lock"};
        const char* kept[] = {".korvane-bbbb2222.sync-conflict-20261209-033510-ZOVNQVO.pc", ".korvane.lock",
                              "クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv"};
        for (const char* name : removed)
            writeBytes(in(dir.path(), name), "x");
        for (const char* name : kept)
            writeBytes(in(dir.path(), name), "x");
        EXPECT_TRUE(mine.removeConflictCopies().isEmpty());
        for (const char* name : removed)
            EXPECT_FALSE(QFileInfo::exists(in(dir.path(), name))) << name;
        for (const char* name : kept)
            EXPECT_TRUE(QFileInfo::exists(in(dir.path(), name))) << name;
        mine.remove();
        EXPECT_FALSE(QFileInfo::exists(own));
        mine.write(kNow);
    }
    EXPECT_FALSE(QFileInfo::exists(own)) << "a copy that ends takes its announcement with it";
}

} // namespace
} // namespace korvane::test
