// Where the data and the settings live: beside the program, in the folder given, or for an installed
// program in the user's folder, filled from the sample set on the first start.

#include "store/DataFolder.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvane::test {
namespace {

struct PlaceCase {
    const char* what;
    bool dataBeside;   // the program's folder holds the quest table
    bool prefixLayout; // <prefix>/bin with <prefix>/share/korvane/sample beside it
    bool folderGiven;
    const char* dataFolder; // "program", "given" or "user"
    const char* settings;   // "program" (beside it) or "data" (korvane.ini in the data folder)
};

class DataPlaceTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(DataPlaceTest, ChoosesTheFolders) {
    const PlaceCase& c = GetParam();
    QTemporaryDir root;
    const QString bin = root.filePath("prefix/bin"), given = root.filePath("given"),
                  home = root.filePath("home");
    QDir().mkpath(bin);
    QDir().mkpath(given);
    if (c.prefixLayout)
        QDir().mkpath(root.filePath("prefix/share/korvane/sample"));
    if (c.dataBeside)
        writeBytes(files::inFolder(bin, files::kQuestTable), "0001,a,b,c,d,e,0,0,0\r\n");
    const QString program = bin + "/korvane";

    const DataPlace place =
        chooseDataPlace(program, c.folderGiven ? std::optional(given) : std::nullopt, home);
    const QString expected = QString(c.dataFolder) == "program" ? bin
                             : QString(c.dataFolder) == "given" ? given
                                                                : home + "/korvane";
    EXPECT_EQ(place.dataFolder, expected) << c.what;
    EXPECT_EQ(place.userFolder, QString(c.dataFolder) == "user") << c.what;
    EXPECT_EQ(place.settingsFile,
              QString(c.settings) == "program" ? program + ".ini" : expected + "/korvane.ini")
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Places, DataPlaceTest,
    testing::Values(
        PlaceCase{"a copy beside its data", true, false, false, "program", "program"},
        PlaceCase{"a copy in a folder of its own, no data yet", false, false, false, "program", "program"},
        PlaceCase{"installed in a prefix", false, true, false, "user", "data"},
        PlaceCase{"installed, a folder given", false, true, true, "given", "data"},
        PlaceCase{"a copy, a folder given", false, false, true, "given", "program"},
        PlaceCase{"a checklist kept in the prefix's bin folder", true, true, false, "program", "program"}));

TEST(UserFolder, IsMadeAndFilledOnceAndNeverOverwritten) {
    QTemporaryDir root;
    const QString sample = root.filePath("sample"), folder = root.filePath("home/korvane");
    QDir().mkpath(sample);
    const QString names[] = {files::kQuestTable, files::kContent, files::kReward, files::kMemo,
                             files::kUrlList};
    for (const QString& name : names)
        writeBytes(files::inFolder(sample, name), "sample " + name.toStdString() + "\r\n");

    prepareUserFolder(folder, sample);
    for (const QString& name : names)
        EXPECT_EQ(readBytes(files::inFolder(folder, name)), readBytes(files::inFolder(sample, name)));

    // The player's own files stay as they are at every later start, even with others gone.
    writeBytes(files::inFolder(folder, files::kMemo), "0001000mine\r\n");
    QFile::remove(files::inFolder(folder, files::kQuestTable));
    prepareUserFolder(folder, sample);
    EXPECT_EQ(readBytes(files::inFolder(folder, files::kMemo)), "0001000mine\r\n");
    EXPECT_FALSE(QFileInfo::exists(files::inFolder(folder, files::kQuestTable)));

    writeBytes(root.filePath("file"), "");
    EXPECT_THROW(prepareUserFolder(root.filePath("file/korvane"), sample), KorvaneError);
}

} // namespace
} // namespace korvane::test
