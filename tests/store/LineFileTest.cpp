#include "store/LineFile.h"
#include "store/Errors.h"
#include "support/TempFiles.h"

#include <QFile>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace korvane {
namespace {

using test::readBytes;
using test::writeBytes;

class LineFileOnDisk : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("f.txt");
    Lines read(const std::string& content) {
        writeBytes(path, content);
        return readLines(path);
    }
};

TEST_F(LineFileOnDisk, EndsLinesAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(read("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(read("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(read("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(read("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(read("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_TRUE(read("").empty());
    EXPECT_EQ(read(std::string("a\0b\r\n", 5)), (Lines{std::string("a\0b", 3)}));
}

TEST_F(LineFileOnDisk, WritesCrLfAfterEveryLineAndReadsBack) {
    writeLines(path, {"one", "", "three"});
    EXPECT_EQ(readBytes(path), "one\r\n\r\nthree\r\n");
    EXPECT_EQ(readLines(path), (Lines{"one", "", "three"}));
    writeLines(path, Lines{});
    EXPECT_EQ(readBytes(path), "");
}

TEST_F(LineFileOnDisk, MissingFileCannotBeOpenedWithFullPathInMessage) {
    try {
        readLines(path);
        FAIL() << "no error";
    } catch (const KorvaneError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("ファイル %1 は開けません").arg(QDir::toNativeSeparators(path)));
    }
    EXPECT_THROW(readLines(dir.path()), KorvaneError) << "a folder is no file";
}

TEST_F(LineFileOnDisk, LinesCutBetweenPiecesOfTheReadComeWhole) {
    // A file is read a megabyte at a time: a line, a CR LF, or an empty line may straddle the cut.
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    for (const std::size_t cut : {kPiece - 2, kPiece - 1, kPiece, kPiece + 1}) {
        SCOPED_TRACE(cut);
        std::string content(kPiece + 64, 'x');
        for (std::size_t i = 100; i < content.size(); i += 1000)
            content[i] = '\n';
        content.replace(cut - 1, 4, "\r\n\r\n");
        // The same lines as the file read whole in one piece would give: every line break is "\n",
        // but the CR LF pair and the lone CR of an empty line at the cut.
        Lines expected{""};
        for (std::size_t i = 0; i < content.size(); ++i) {
            if (content[i] == '\r' || content[i] == '\n') {
                if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                    ++i;
                expected.emplace_back();
            } else {
                expected.back() += content[i];
            }
        }
        if (expected.back().empty())
            expected.pop_back();
        writeBytes(path, content);
        EXPECT_EQ(readLines(path), expected);
    }
}

#ifndef _WIN32 // Windows' files take their folder's permissions
TEST_F(LineFileOnDisk, KeepsPermissionsOfReplacedFile) {
    writeBytes(path, "old\r\n");
    ::chmod(QFile::encodeName(path).constData(), 0640);
    writeLines(path, {"new"});
    EXPECT_EQ(readBytes(path), "new\r\n");
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}
#endif

TEST_F(LineFileOnDisk, ReadOnlyFileIsNeverReplaced) {
    writeBytes(path, "old\r\n");
    test::markReadOnly(path);
    try {
        writeLines(path, {"new"});
        FAIL() << "a read-only file was written";
    } catch (const KorvaneError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("ファイル %1 を作成できません").arg(QDir::toNativeSeparators(path)));
    }
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_EQ(test::entries(dir.path()), QStringList{"f.txt"}) << "no temporary file left behind";
}

TEST_F(LineFileOnDisk, FolderInPlaceOfFileCannotBeCreated) {
    QDir(dir.path()).mkdir("f.txt");
    EXPECT_THROW(writeLines(path, {"x"}), KorvaneError);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
} // namespace korvane
