// The address list: only a list that does not exist starts empty.

#include "web/UrlList.h"
#include "store/Errors.h"
#include "support/TempFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;
using test::writeBytes;

TEST(UrlList, AddsToTheListAndNeverReplacesOneItCannotRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("URLLIST.txt");
    addToUrlList(path, "b", "https://b.example/");
    EXPECT_EQ(readBytes(path), crlf({"b,https://b.example/"})) << "no list yet: the first page makes it";
    addToUrlList(path, "a", "https://a.example/");
    EXPECT_EQ(readBytes(path), crlf({"a,https://a.example/", "b,https://b.example/"}));

    QFile::remove(path);
    QDir().mkdir(path); // there, but not readable as a list
    try {
        addToUrlList(path, "c", "https://c.example/");
        FAIL() << "a list that could not be read was replaced";
    } catch (const KorvaneError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("ファイル %1 は開けません").arg(QDir::toNativeSeparators(path)));
    }
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// The favourites as the player edits them: written as they stand, lines not touched byte for
// byte, never over a list another program changed meanwhile; a page added to a list the player
// put in order goes last.
TEST(UrlList, EditsAreWrittenAsTheyStandAndKeepThePlayersOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath("URLLIST.txt");
    const Lines read{"z ,  https://z.example/", "a,https://a.example/{no}"};
    writeBytes(path, crlf(read));
    const Lines edited{"a,https://a.example/{no}", "z ,  https://z.example/", "b,https://b.example/"};
    writeUrlList(path, read, edited);
    EXPECT_EQ(readBytes(path), crlf(edited));

    addToUrlList(path, "c", "https://c.example/");
    EXPECT_EQ(readUrlList(path).back(), "c,https://c.example/");

    writeBytes(path, crlf({"changed,https://x.example/"}));
    EXPECT_THROW(writeUrlList(path, edited, read), KorvaneError);
    EXPECT_EQ(readBytes(path), crlf({"changed,https://x.example/"}));
}

TEST(UrlList, APageThatCannotOpenSaysWhenItsAddressIsStillAnExample) {
    const struct {
        const char* address;
        bool example;
    } cases[] = {
        {"https://wiki.example.org/index.php?%BB%D2", true},
        {"http://example.jp/", true},
        {"https://EXAMPLE.COM/a", true},
        {"https://wiki.example.org.other.jp/", false},
        {"https://notexample.org/", false},
        {"file:///tmp/none.html", false},
    };
    for (const auto& c : cases) {
        const QString text = unreachableText(QString::fromLatin1(c.address));
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.address))) << c.address;
        EXPECT_EQ(text.contains(QStringLiteral("見本")), c.example) << c.address;
    }
}

} // namespace
} // namespace korvane
