// A file that cannot be written: the edit stops with "ファイル %s を作成できません", the file
// keeps its content byte for byte, and once the obstacle is gone the next edit goes through.

#include "EditSequence.h"
#include "store/Errors.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <QDir>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvane::test {
namespace {

class Unwritable : public testing::Test {
protected:
    void SetUp() override {
        folder = dir.filePath("data");
        QDir().mkpath(folder);
        writeBytes(table(), crlf({sj("0001,ウィンダス,港,a,p,c,0,0,0")}));
        writeBytes(dataFiles(folder)[1], "");
        writeBytes(dataFiles(folder)[2], "");
        writeBytes(memo(), crlf({sj("0001000古いメモ")}));
    }
    QString table() const { return dataFiles(folder)[0]; }
    QString memo() const { return dataFiles(folder)[3]; }

    static void saveNewMemo(LoadedData& data) {
        saveMemo(data.data(), "0001", {QStringLiteral("新しいメモ")});
    }

    // Saving the memo fails with the message and leaves the file and the list as they were.
    static void expectRefused(LoadedData& data, const QString& path) {
        const std::string before = readBytes(path);
        try {
            saveNewMemo(data);
            ADD_FAILURE() << "the save went through";
        } catch (const KorvaneError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("ファイル %1 を作成できません").arg(path));
        }
        EXPECT_EQ(readBytes(path), before);
        EXPECT_EQ(data.memo.readText("0001"), (Lines{sj("古いメモ")}));
    }
    static void expectSaved(LoadedData& data, const QString& path) {
        saveNewMemo(data);
        EXPECT_EQ(readBytes(path), crlf({sj("0001000新しいメモ")}));
    }

    QTemporaryDir dir;
    QString folder;
};

// A change of mode is a change of the file: after each, the file is read again, as the window
// offers to.
TEST_F(Unwritable, ReadOnlyFile) {
    ::chmod(QFile::encodeName(memo()).constData(), 0444);
    LoadedData data(folder);
    expectRefused(data, memo());
    ::chmod(QFile::encodeName(memo()).constData(), 0644);
    data.memo.load();
    expectSaved(data, memo());
}

TEST_F(Unwritable, ImmutableFileWhereTheFileSystemHasIt) {
    const QByteArray path = QFile::encodeName(memo());
    if (::geteuid() != 0 || std::system(("chattr +i '" + path + "' 2>/dev/null").constData()) != 0)
        GTEST_SKIP() << "no immutable attribute here; the read-only file case stands for it";
    LoadedData data(folder);
    expectRefused(data, memo());
    std::system(("chattr -i '" + path + "'").constData());
    data.memo.load();
    expectSaved(data, memo());
}

TEST_F(Unwritable, FolderInPlaceOfTheFile) {
    // Another program put it there: an outside change, never written over.
    LoadedData data(folder);
    QFile::remove(memo());
    QDir().mkdir(memo());
    EXPECT_THROW(saveNewMemo(data), FileChangedError);
    EXPECT_TRUE(QFileInfo(memo()).isDir());
    EXPECT_EQ(data.memo.readText("0001"), (Lines{sj("古いメモ")}));
}

// Run in a child: what the child checks is reported through its exit status.
int inChild(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST_F(Unwritable, FullFileSystem) {
    // A file size limit makes writes fail as a full disk does (EFBIG in place of ENOSPC).
    EXPECT_EQ(inChild([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  LoadedData data(folder);
                  rlimit limit{};
                  ::getrlimit(RLIMIT_FSIZE, &limit);
                  const rlimit tiny{8, limit.rlim_max};
                  ::setrlimit(RLIMIT_FSIZE, &tiny);
                  expectRefused(data, memo());
                  ::setrlimit(RLIMIT_FSIZE, &limit);
                  expectSaved(data, memo());
              }),
              0);
    EXPECT_EQ(test::entries(folder), (QStringList{"backup"} + test::entries(folder).mid(1)))
        << "no temporary file is left behind";
    EXPECT_EQ(test::entries(folder).size(), 5u);
}

TEST_F(Unwritable, ReadOnlyFolder) {
    // Root writes through a folder's mode bits, so as root the child runs as nobody.
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    for (const QString& path : dataFiles(folder))
        ::chmod(QFile::encodeName(path).constData(), 0666);
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    EXPECT_EQ(inChild([&] {
                  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                      ::_exit(98);
                  LoadedData data(folder);
                  expectRefused(data, memo());
                  EXPECT_EQ(test::entries(folder).size(), 4u);
              }),
              0);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    LoadedData data(folder);
    expectSaved(data, memo());
}

} // namespace
} // namespace korvane::test
