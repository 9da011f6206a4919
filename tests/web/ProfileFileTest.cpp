#include "web/ProfileFile.h"
#include "store/Errors.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::readBytes;
using test::writeBytes;

struct WriteCase {
    const char* name;
    std::string before;
    std::string after;
    friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyTheKey) {
    EXPECT_EQ(withProfileString(GetParam().before, "Web", "add", "http://b/"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    testing::Values(
        WriteCase{"noFile", "", "[Web]\r\nadd=http://b/\r\n"},
        WriteCase{"replacesTheKeyKeepingAllElse",
                  "; comment\n[Other]\nadd=keep\n\n[web]\r\nx=1\r\nADD = http://a/\r\ny=2\r\n",
                  "; comment\n[Other]\nadd=keep\n\n[web]\r\nx=1\r\nadd=http://b/\r\ny=2\r\n"},
        WriteCase{"addsTheKeyAtTheSectionsEnd", "[WEB]\r\nx=1\r\n\r\n[Next]\r\nz=3\r\n",
                  "[WEB]\r\nx=1\r\nadd=http://b/\r\n\r\n[Next]\r\nz=3\r\n"},
        WriteCase{"addsTheSectionAtTheEnd", "[Other]\nq=1", "[Other]\nq=1\r\n[Web]\r\nadd=http://b/\r\n"},
        WriteCase{"keyWithoutLineEndAtTheEnd", "[Web]\nadd=old", "[Web]\nadd=http://b/"},
        WriteCase{"commentedKeyIsNoKey", "[Web]\n;add=old\n", "[Web]\n;add=old\nadd=http://b/\r\n"}),
    [](const testing::TestParamInfo<WriteCase>& test) { return std::string(test.param.name); });

class ProfileFileOnDisk : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("korvane.ini");
};

TEST_F(ProfileFileOnDisk, ReadsCaseInsensitivelyUpTo2047Bytes) {
    EXPECT_EQ(readProfileString(path, "Web", "add"), std::nullopt);
    writeBytes(path, "[Other]\r\nadd=no\r\n[wEb]\r\n  Add = \"http://a/ b\" \r\n");
    EXPECT_EQ(readProfileString(path, "Web", "add"), "http://a/ b");
    EXPECT_EQ(readProfileString(path, "Web", "missing"), std::nullopt);
    EXPECT_EQ(readProfileString(path, "None", "add"), std::nullopt);
    writeBytes(path, "[Web]\nadd=" + std::string(3000, 'x') + "\n");
    EXPECT_EQ(readProfileString(path, "Web", "add")->size(), 2047u);
}

TEST_F(ProfileFileOnDisk, WritesAndReadsBack) {
    writeProfileString(path, "Web", "add", "file:///tmp/a b.html");
    EXPECT_EQ(readBytes(path), "[Web]\r\nadd=file:///tmp/a b.html\r\n");
    EXPECT_EQ(readProfileString(path, "Web", "add"), "file:///tmp/a b.html");
}

TEST_F(ProfileFileOnDisk, UnwritableFileKeepsItsContentAndSaysSo) {
    writeBytes(path, "[Web]\nadd=old\n");
    test::markReadOnly(path);
    try {
        writeProfileString(path, "Web", "add", "new");
        FAIL() << "a read-only settings file was written";
    } catch (const KorvaneError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path)));
    }
    EXPECT_EQ(readBytes(path), "[Web]\nadd=old\n");
}

} // namespace
} // namespace korvane
