// The whole checklist moved to another folder: every file there byte for byte, on one disk or
// another; a move refused or failed leaves the old folder as it was and nothing at the new place.

#include "editing/ChecklistMove.h"
#include "platform/Platform.h"
#include "store/Errors.h"
#include "store/PlayerChecklists.h"
#include "support/TempFiles.h"
#include "sync/Presence.h"

#include <QDirIterator>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace korvane {
namespace {

using test::readBytes;
using test::writeBytes;

// Every file under folder, by its path below it.
std::map<QString, std::string> treeOf(const QString& folder) {
    std::map<QString, std::string> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = readBytes(path);
    }
    return files;
}

// A folder on another file system than the temporary folder's, where this machine has one.
struct OtherDisk {
    QTemporaryDir dir{QStringLiteral("/dev/shm/korvane-move-XXXXXX")};
    bool there() const {
        const auto here = platform::factsOf(QDir::tempPath());
        const auto there = platform::factsOf(dir.path());
        return dir.isValid() && here && there && here->device != there->device;
    }
};

struct Player {
    QTemporaryDir home;
    QString main = home.path() + "/メイン";
    UserFolders user{home.path() + "/data", home.path() + "/config", home.path() + "/state"};
    std::optional<Announcement> otherPc;

    Player() {
        QDir().mkpath(main + "/キャラクター/k");
        QDir().mkpath(main + "/backup");
        writeBytes(main + "/クエスト.csv", "0001,a,b,c,d,e,0,0,0\r\n");
        writeBytes(main + "/backup/クエスト_20261211-101500-000_desk-3fa2.csv", "old\r\n");
        writeBytes(main + "/キャラクター/k/クエスト.csv", "0001,a,b,c,d,e,1,1,0\r\n");
        writeBytes(main + "/キャラクター/k/キャラクター名.txt", "騎士\r\n");
        PlayerChecklists list;
        list.opened(main);
        list.opened(main + "/キャラクター/k");
        list.write(user);
    }
};

TEST(ChecklistMove, WhereTheChecklistGoes) {
    Player p;
    QDir().mkpath(p.home.path() + "/empty");
    QDir().mkpath(p.home.path() + "/full/x");
    EXPECT_EQ(moveTargetOf(p.main, p.home.path() + "/empty"), p.home.path() + "/empty");
    EXPECT_EQ(moveTargetOf(p.main, p.home.path() + "/new"), p.home.path() + "/new");
    EXPECT_EQ(moveTargetOf(p.main, p.home.path() + "/full"), p.home.path() + "/full/メイン");
}

TEST(ChecklistMove, RefusedLeavesEverythingAsItWas) {
    struct Case {
        const char* what;
        std::function<QString(Player&)> target; // made ready, where to move
    };
    const Case cases[] = {
        {"into itself", [](Player& p) { return p.main + "/sub"; }},
        {"above itself", [](Player& p) { return p.home.path(); }},
        {"onto a folder that holds files",
         [](Player& p) {
             QDir().mkpath(p.home.path() + "/Sync");
             writeBytes(p.home.path() + "/Sync/x", "x");
             return p.home.path() + "/Sync";
         }},
        {"a character open on another PC",
         [](Player& p) {
             p.otherPc.emplace(p.main + "/キャラクター/k", ThisPc{"bbbb2222", "ノート"});
             p.otherPc->write();
             return p.home.path() + "/Sync";
         }},
    };
    for (const Case& c : cases) {
        Player p;
        const QString to = c.target(p);
        const auto before = treeOf(p.main);
        EXPECT_FALSE(moveRefusal(p.main, to).isEmpty()) << c.what;
        EXPECT_THROW(moveChecklist(p.main, to, p.user), KorvaneError) << c.what;
        EXPECT_EQ(treeOf(p.main), before) << c.what;
        EXPECT_EQ(PlayerChecklists::read(p.user).entries.front().folder, p.main) << c.what;
    }
}

// On one disk or another (a memory file system, where this machine has one for the test); a
// folder that holds the program too keeps it and its settings, and loses nothing else.
TEST(ChecklistMove, TheWholeChecklistGoesOnOneDiskOrAnother) {
    OtherDisk otherDisk;
    for (const bool sameDisk : {true, false})
        for (const bool besideProgram : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "same disk " << sameDisk << ", beside the program " << besideProgram);
            if (!sameDisk && !otherDisk.there())
                GTEST_SKIP() << "no second file system here";
            Player p;
            writeBytes(p.main + "/クエスト.sync-conflict-20261209-033510-ZOVNQVO.csv", "theirs\r\n");
            const auto before = treeOf(p.main);
            const std::map<QString, std::string> program{{"korvane", "program"}, {"korvane.ini", "[w]"}};
            for (const auto& [name, bytes] : program)
                if (besideProgram)
                    writeBytes(p.main + "/" + name, bytes);
            const QString to = (sameDisk ? p.home.path() : otherDisk.dir.path()) + "/Sync/メイン";
            const ChecklistMoved moved =
                moveChecklist(p.main, to, p.user, besideProgram ? p.main : QString());
            EXPECT_EQ(moved.to, to);
            EXPECT_TRUE(moved.left.isEmpty());
            EXPECT_EQ(treeOf(to), before);
            EXPECT_EQ(treeOf(p.main), besideProgram ? program : decltype(program){});
            EXPECT_EQ(QFileInfo::exists(p.main), besideProgram);
            EXPECT_EQ(QDir(QFileInfo(to).absolutePath())
                          .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                      QStringList{"メイン"}); // nothing half-made beside it
            const PlayerChecklists list = PlayerChecklists::read(p.user);
            EXPECT_EQ(list.entries.at(0).folder, to);
            EXPECT_EQ(list.entries.at(1).folder, to + "/キャラクター/k");
            EXPECT_EQ(list.lastOpened, to + "/キャラクター/k");
            QDir(to).removeRecursively();
        }
}

#ifndef _WIN32
// A copy to another disk that fails part-way leaves nothing there and the checklist where it was.
TEST(ChecklistMove, ACopyThatFailsLeavesTheOldFolder) {
    OtherDisk otherDisk;
    if (!otherDisk.there())
        GTEST_SKIP() << "no second file system here";
    for (const bool besideProgram : {false, true}) {
        Player p;
        const auto before = treeOf(p.main);
        mkfifo(QFile::encodeName(p.main + "/キャラクター/k/pipe").constData(), 0600); // never copied
        EXPECT_THROW(moveChecklist(p.main, otherDisk.dir.path() + "/メイン", p.user,
                                   besideProgram ? p.main : QString()),
                     KorvaneError);
        QFile::remove(p.main + "/キャラクター/k/pipe");
        EXPECT_EQ(treeOf(p.main), before) << besideProgram;
        EXPECT_TRUE(
            QDir(otherDisk.dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
}
#endif

} // namespace
} // namespace korvane
