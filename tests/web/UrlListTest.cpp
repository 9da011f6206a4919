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

} // namespace
} // namespace korvane
