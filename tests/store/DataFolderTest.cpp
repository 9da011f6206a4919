// Where the data and the settings live: beside the program, in the folder given, or for an installed
// program in the user's folder, filled from the sample set on the first start.

#include "store/DataFolder.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/PlayerChecklists.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace korvane::test {
namespace {

struct PlaceCase {
    const char* what;
    bool dataBeside;   // the program's folder holds the quest table
    bool prefixLayout; // <prefix>/bin with <prefix>/share/korvane/sample beside it
    bool folderGiven;
    bool openedBefore;      // the user's settings remember a folder that is still there
    const char* dataFolder; // "program", "given", "remembered" or "user"
    const char* settings;   // "program" (beside it) or "config" (the user's settings folder)
};

class DataPlaceTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(DataPlaceTest, ChoosesTheFolders) {
    const PlaceCase& c = GetParam();
    QTemporaryDir root;
    const QString bin = root.filePath("prefix/bin"), given = root.filePath("given"),
                  remembered = root.filePath("Sync/korvane");
    const UserFolders user{root.filePath("home/.local/share"), root.filePath("home/.config")};
    QDir().mkpath(bin);
    QDir().mkpath(given);
    QDir().mkpath(remembered);
    if (c.prefixLayout)
        QDir().mkpath(root.filePath("prefix/share/korvane/sample"));
    if (c.dataBeside)
        writeBytes(files::inFolder(bin, files::kQuestTable), "0001,a,b,c,d,e,0,0,0\r\n");
    const QString program = bin + "/korvane";

    const DataPlace place = chooseDataPlace(program, c.folderGiven ? std::optional(given) : std::nullopt,
                                            c.openedBefore ? remembered : QString(), user);
    const QString expected = QString(c.dataFolder) == "program"      ? bin
                             : QString(c.dataFolder) == "given"      ? given
                             : QString(c.dataFolder) == "remembered" ? remembered
                                                                     : userDataFolder(user);
    EXPECT_EQ(place.dataFolder, expected) << c.what;
    EXPECT_EQ(place.userFolder, QString(c.dataFolder) == "user") << c.what;
    EXPECT_EQ(place.settingsFile,
              QString(c.settings) == "program" ? program + ".ini" : user.settingsFolder() + "/korvane.ini")
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Places, DataPlaceTest,
    testing::Values(PlaceCase{"a copy beside its data", true, false, false, false, "program", "program"},
                    PlaceCase{"a copy beside its data, another opened before", true, false, false, true,
                              "program", "program"},
                    PlaceCase{"a copy in a folder of its own, no data yet", false, false, false, false,
                              "program", "program"},
                    PlaceCase{"a copy whose data moved into a sync folder", false, false, false, true,
                              "remembered", "program"},
                    PlaceCase{"installed in a prefix", false, true, false, false, "user", "config"},
                    PlaceCase{"installed, a checklist opened before", false, true, false, true, "remembered",
                              "config"},
                    PlaceCase{"installed, a folder given", false, true, true, true, "given", "config"},
                    PlaceCase{"a copy, a folder given", false, false, true, false, "given", "program"},
                    PlaceCase{"a checklist kept in the prefix's bin folder", true, true, false, false,
                              "program", "program"}));

TEST(DataPlace, AnInstalledProgramWithoutAHomeSaysSo) {
    QTemporaryDir root;
    QDir().mkpath(root.filePath("prefix/bin"));
    QDir().mkpath(root.filePath("prefix/share/korvane/sample"));
    try {
        chooseDataPlace(root.filePath("prefix/bin/korvane"), std::nullopt, {}, UserFolders{});
        FAIL() << "no folder without a home";
    } catch (const KorvaneError& error) {
        EXPECT_TRUE(error.message().contains("HOME")) << error.message().toStdString();
    }
}

TEST(UserFolder, IsMadeAndFilledOnceAndNeverOverwritten) {
    QTemporaryDir root;
    const QString sample = root.filePath("sample"), folder = root.filePath("home/korvane");
    QDir().mkpath(sample);
    const QString names[] = {files::kQuestTable, files::kContent, files::kReward, files::kMemo,
                             files::kUrlList};
    for (const QString& name : names)
        writeBytes(files::inFolder(sample, name), "sample " + name.toStdString() + "\r\n");

    EXPECT_TRUE(prepareUserFolder(folder, sample, false));
    for (const QString& name : names)
        EXPECT_EQ(readBytes(files::inFolder(folder, name)), readBytes(files::inFolder(sample, name)));

    // The player's own files stay as they are at every later start, even with others gone; and once
    // the sample set was given, a folder emptied or removed is never filled again.
    writeBytes(files::inFolder(folder, files::kMemo), "0001000mine\r\n");
    QFile::remove(files::inFolder(folder, files::kQuestTable));
    EXPECT_FALSE(prepareUserFolder(folder, sample, true));
    EXPECT_EQ(readBytes(files::inFolder(folder, files::kMemo)), "0001000mine\r\n");
    EXPECT_FALSE(QFileInfo::exists(files::inFolder(folder, files::kQuestTable)));
    QDir(folder).removeRecursively();
    EXPECT_FALSE(prepareUserFolder(folder, sample, true));
    EXPECT_TRUE(entries(folder).isEmpty());

    writeBytes(root.filePath("file"), "");
    EXPECT_THROW(prepareUserFolder(root.filePath("file/korvane"), sample, false), KorvaneError);
}

// The player's checklists as a run of changes, each with the list it leaves or the refusal it
// gets; the list is what the user's settings read back.
TEST(PlayerChecklists, KeepsTheCharactersAndWhereNewOnesGo) {
    QTemporaryDir root;
    const UserFolders user{root.filePath("share"), root.filePath("config")};
    const QString sync = root.filePath("Sync"), main = sync + "/korvane", alt = main + "/キャラクター/サブ";
    struct Step {
        const char* what;
        std::function<void(PlayerChecklists&)> change;
        const char* refusal; // nothing: done
        std::vector<ChecklistEntry> listed;
    };
    const Step steps[] = {
        {"the first folder opened is the main character",
         [&](PlayerChecklists& l) { l.opened(main); },
         nullptr,
         {{"メイン", main}}},
        {"opened again: listed once",
         [&](PlayerChecklists& l) { l.opened(main + "/"); },
         nullptr,
         {{"メイン", main}}},
        {"a new character in the main character's folder",
         [&](PlayerChecklists& l) { l.add("サブ", characterFolder(main, "サブ")); },
         nullptr,
         {{"メイン", main}, {"サブ", alt}}},
        {"a name another has",
         [&](PlayerChecklists& l) { l.add("サブ", sync + "/other"); },
         "もうあります",
         {{"メイン", main}, {"サブ", alt}}},
        {"a folder listed already",
         [&](PlayerChecklists& l) { l.add("三", alt); },
         "一覧にあります",
         {{"メイン", main}, {"サブ", alt}}},
        {"no name",
         [&](PlayerChecklists& l) { l.add("  ", sync + "/x"); },
         "名前を入れて",
         {{"メイン", main}, {"サブ", alt}}},
        {"moved onto a folder listed already",
         [&](PlayerChecklists& l) { l.moveTo(alt, main); },
         "一覧にあります",
         {{"メイン", main}, {"サブ", alt}}},
        {"moved: the entry follows its folder",
         [&](PlayerChecklists& l) { l.moveTo(alt, sync + "/moved"); },
         nullptr,
         {{"メイン", main}, {"サブ", sync + "/moved"}}},
        {"moved back",
         [&](PlayerChecklists& l) { l.moveTo(sync + "/moved/", alt); },
         nullptr,
         {{"メイン", main}, {"サブ", alt}}},
        {"renamed",
         [&](PlayerChecklists& l) { l.rename(main, "本体"); },
         nullptr,
         {{"本体", main}, {"サブ", alt}}},
        {"taken off: the other stays",
         [&](PlayerChecklists& l) { l.remove(main); },
         nullptr,
         {{"サブ", alt}}},
        {"another folder opened: named after it, apart from the one of that name",
         [&](PlayerChecklists& l) { l.opened(root.filePath("x/サブ")); },
         nullptr,
         {{"サブ", alt}, {"サブ (2)", root.filePath("x/サブ")}}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        PlayerChecklists list = PlayerChecklists::read(user);
        try {
            step.change(list);
            list.write(user);
            EXPECT_EQ(step.refusal, nullptr);
        } catch (const KorvaneError& error) {
            ASSERT_NE(step.refusal, nullptr) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(step.refusal)))
                << error.message().toStdString();
        }
        EXPECT_EQ(PlayerChecklists::read(user).entries, step.listed);
    }
    EXPECT_EQ(PlayerChecklists::read(user).lastOpened, root.filePath("x/サブ"));
    // A name that a file system refuses in a folder's name still gives a folder of its own there.
    EXPECT_EQ(characterFolder(main, "a/b:c"), main + "/キャラクター/a_b_c");
}

// The list as the settings file holds it, whatever it holds: read bounded, what is no entry skipped
// and counted, one folder listed once however it is spelled.
// A folder's name in the other Unicode form (a sync tool renames names to NFC, macOS writes NFD)
// is the same folder, found where it is; a folder in no form is named in NFC.
TEST(PlayerChecklists, AFolderIsFoundInEitherUnicodeForm) {
    QTemporaryDir root;
    const QString nfc = QStringLiteral("ガイド"), nfd = nfc.normalized(QString::NormalizationForm_D);
    ASSERT_NE(nfc, nfd);
    QDir(root.path()).mkdir(nfd);
    const QString onDisk = root.filePath(nfd);
    struct Case {
        QString asked, found;
    };
    const Case cases[] = {
        {root.filePath(nfc), onDisk},
        {root.filePath(nfd), onDisk},
        {root.filePath(nfc) + "/キャラクター/" + nfd, onDisk + "/キャラクター/" + nfc},
        {root.filePath("ない/" + nfd), root.filePath("ない/" + nfc)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(folderInAnyForm(c.asked), c.found) << c.asked.toStdString();
    }
    PlayerChecklists list;
    list.add(QStringLiteral("メイン"), root.filePath(nfc));
    ASSERT_NE(list.find(onDisk), nullptr);
    EXPECT_EQ(characterFolder(onDisk, nfd), onDisk + "/キャラクター/" + nfc);
}

TEST(PlayerChecklists, ReadsWhateverTheFileHolds) {
    QTemporaryDir root;
    const UserFolders user{root.filePath("share"), root.filePath("config")};
    const QString d = root.filePath("d12");
    QDir().mkpath(d);
#ifdef _WIN32
    const QString third = d + "/../d12"; // no symbolic link without the right to make one
#else
    const QString third = root.filePath("link");
    ASSERT_TRUE(QFile::link(d, third));
#endif
    std::string noise(100 * 1024, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    const std::string entries =
        "1\\name=a\n1\\folder=" + d.toStdString() + "\n2\\name=b\n2\\folder=" + d.toStdString() +
        "/.\n3\\name=c\n3\\folder=" + third.toStdString() + "\n4\\name=\n4\\folder=/x\n";
    struct Case {
        const char* what;
        std::string file;
        std::size_t listed;
        bool skips;
    };
    const Case cases[] = {
        {"a count of two thousand million", "[Characters]\nsize=2000000000\n" + entries, 1, true},
        {"one folder under three spellings, and an entry without a name", "[Characters]\nsize=4\n" + entries,
         1, true},
        {"100 KB of other bytes", noise, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir().mkpath(user.settingsFolder());
        writeBytes(user.checklistsFile(), c.file);
        const PlayerChecklists list = PlayerChecklists::read(user);
        EXPECT_EQ(list.entries.size(), c.listed);
        EXPECT_EQ(list.skipped > 0, c.skips);
        for (const ChecklistEntry& entry : list.entries)
            EXPECT_EQ(entry.folder, QFileInfo(d).canonicalFilePath());
    }
}

} // namespace
// What another PC leaves in the main folder, and the list this PC then offers: every character
// there is found, named as it names itself; what is gone from there, or taken off, is not listed;
// this PC's own checklists elsewhere stay as they are.
TEST(PlayerChecklists, OffersEveryCharacterTheMainFolderHolds) {
    QTemporaryDir root;
    const QString main = root.filePath("main"), chars = main + "/キャラクター",
                  outside = root.filePath("alt");
    const auto character = [&](const QString& folder, const char* nameFile) {
        QDir().mkpath(folder);
        writeBytes(folder + "/クエスト.csv", "");
        if (nameFile)
            writeBytes(folder + "/キャラクター名.txt", nameFile);
    };
    character(main, nullptr);
    character(chars + "/sub1", nullptr);
    character(chars + "/k", "騎士\r\n");
    character(chars + "/off", "外した子\r\n外した\r\n");
    character(chars + "/renamed", "新しい名前\r\n");
    QDir().mkpath(chars + "/not-a-checklist");
    PlayerChecklists list;
    list.entries = {
        {"メイン", main}, {"古い名前", chars + "/renamed"}, {"消えた", chars + "/gone"}, {"よそ", outside}};
    list.findCharacters();
    EXPECT_EQ(list.entries, (std::vector<ChecklistEntry>{{"メイン", main},
                                                         {"新しい名前", chars + "/renamed"},
                                                         {"よそ", outside},
                                                         {"騎士", chars + "/k"},
                                                         {"sub1", chars + "/sub1"}}));
    // A name kept with the character is read back as it was written, taken off or not.
    keepCharacterName(chars + "/sub1", {"サブ", true});
    ASSERT_TRUE(keptCharacterName(chars + "/sub1"));
    EXPECT_EQ(keptCharacterName(chars + "/sub1")->name, "サブ");
    EXPECT_TRUE(keptCharacterName(chars + "/sub1")->takenOff);
}

} // namespace korvane::test
