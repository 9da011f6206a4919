// Quests set aside: the file of their own, what the journal says, undo, a sync tool's copy merged
// with the journal deciding, and an import that keeps them as the player's own.

#include "editing/Checklist.h"
#include "editing/QuestImport.h"
#include "store/Backups.h"
#include "support/JournalEvents.h"
#include "support/LoadedData.h"
#include "support/Sjis.h"

#include <functional>
#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;
using test::sj;
using test::writeBytes;

TEST(SetAside, EachStepWritesItsOwnFileAndTheJournal) {
    QTemporaryDir folder, other;
    const QStringList paths = test::dataFiles(folder.path());
    const std::string table = crlf({sj("0001,ウィンダス,港,一,p,c,1,0,0"), sj("0002,ジュノ,港,二,p,c,1,1,0"),
                                    sj("0003,ジュノ,港,三,p,c,0,0,0"), sj("0004,マウラ,港,四,p,c,0,0,0")});
    writeBytes(paths[0], table);
    // Another list: quest one renamed, a new quest five, which that list's owner set aside.
    const QStringList theirs = test::dataFiles(other.path());
    writeBytes(theirs[0],
               crlf({sj("0001,ウィンダス,港,一（新）,p,c,0,0,0"), sj("0005,マウラ,港,五,p,c,0,0,0")}));
    for (int i = 1; i < 4; ++i)
        writeBytes(theirs[i], "");
    writeBytes(files::inFolder(other.path(), files::kSetAside), crlf({"0005,2026/12/01"}));
    Checklist list(folder.path());
    list.load();
    const QString aside = files::inFolder(folder.path(), files::kSetAside);
    const QString journal = files::inFolder(folder.path(), kJournalFile);
    const QString copy = files::inFolder(
        folder.path(), QStringLiteral("クエスト見送り.sync-conflict-20261210-101010-ZOVNQVO.csv"));
    const auto setAside = [&](const char* number, bool set, const char* date) {
        list.apply(QStringLiteral("見送り"), number,
                   [&](QuestData d, EditStep* s) { setQuestAside(d, number, set, date, s); });
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> file; // the file of quests set aside, line by line
        const char* journaled;
    };
    const Case cases[] = {
        {"a quest set aside",
         [&] { setAside("0002", true, "2026/12/10"); },
         {"0002,2026/12/10"},
         "0002,見送り"},
        {"set aside again: nothing written",
         [&] { setAside("0002", true, "2026/12/11"); },
         {"0002,2026/12/10"},
         ""},
        {"another, in order",
         [&] { setAside("0001", true, "2026/12/11"); },
         {"0001,2026/12/11", "0002,2026/12/10"},
         "0001,見送り"},
        {"taken back", [&] { setAside("0002", false, ""); }, {"0001,2026/12/11"}, "0002,見送り解除"},
        {"undone, one step",
         [&] { list.step(true); },
         {"0001,2026/12/11", "0002,2026/12/10"},
         "0002,見送り,元に戻す"},
        {"redone", [&] { list.step(false); }, {"0001,2026/12/11"}, "0002,見送り解除,やり直し"},
        {"a quest deleted takes its line along",
         [&] {
             list.apply(QStringLiteral("削除"), "0001",
                        [](QuestData d, EditStep* s) { deleteQuest(d, "0001", s); });
         },
         {},
         "0001,削除"},
        {"the deletion undone brings it back set aside",
         [&] { list.step(true); },
         {"0001,2026/12/11"},
         "0001,追加,元に戻す"},
        {"an import keeps the player's own and takes none of the other list's",
         [&] {
             auto set = readImportSet(other.path());
             list.applyImport(*set, {}, QStringLiteral("取り込み"), "");
         },
         {"0001,2026/12/11"},
         "0001,修正,取り込み 0005,追加,取り込み"},
        {"a sync tool's copy: the union, but what the journal last took back",
         [&] {
             setAside("0004", true, "2026/12/12");
             // The other PC took quest four back after this one set it aside, and had quest two set
             // aside before it was taken back here; quest five it set aside, which no journal says.
             QFile file(journal);
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write(sj("2030-01-01T00:00:00Z,0004,見送り解除,laptop\r\n").c_str());
             file.close();
             writeBytes(copy, crlf({"0001,2026/12/11", "0002,2026/12/01", "0005,2026/12/12"}));
             QStringList said;
             EXPECT_TRUE(list.newConflictCopies(said).empty());
             EXPECT_EQ(said, QStringList());
             EXPECT_FALSE(list.takeSetAsideMerge().isEmpty());
             EXPECT_FALSE(QFileInfo::exists(copy)); // into backup/
         },
         {"0001,2026/12/11", "0005,2026/12/12"},
         "0004,見送り 0004,見送り解除 0004,見送り解除,統合 0005,見送り,統合"},
        {"the merge undone, its copy back",
         [&] {
             list.step(true);
             EXPECT_EQ(readBytes(copy), crlf({"0001,2026/12/11", "0002,2026/12/01", "0005,2026/12/12"}));
         },
         {"0001,2026/12/11", "0004,2026/12/12"},
         "0004,見送り,元に戻す 0005,見送り解除,元に戻す"},
    };
    std::size_t seen = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        EXPECT_EQ(readBytes(aside), crlf(c.file));
        EXPECT_EQ(list.SetAside().count(), c.file.size());
        EXPECT_EQ(test::eventsIn(journal, seen), c.journaled);
        seen = list.journal().entries().size();
        if (std::string_view(c.what) == "redone") { // the table keeps its nine fields and its bytes
            EXPECT_EQ(readBytes(paths[0]), table);
        }
    }
}

// The other PC, its clock a day behind, took back quest 15 after it read that this PC set it aside,
// and set aside quest 20; its copies of the journal and of the quests set aside arrive in either
// order: the same file, the journal's last word kept.
TEST(SetAside, NeitherTheOrderOfDeliveryNorAClockDecides) {
    for (const bool journalFirst : {false, true}) {
        SCOPED_TRACE(journalFirst ? "the journal first" : "the quests set aside first");
        QTemporaryDir folder;
        const QStringList paths = test::dataFiles(folder.path());
        writeBytes(paths[0],
                   crlf({sj("0015,ジュノ,港,十五,p,c,0,0,0"), sj("0020,ジュノ,港,二十,p,c,0,0,0")}));
        Checklist list(folder.path());
        list.load();
        list.apply(QStringLiteral("見送り"), "0015",
                   [&](QuestData d, EditStep* s) { setQuestAside(d, "0015", true, "2026/12/10", s); });
        const QString journal = files::inFolder(folder.path(), kJournalFile);
        const std::int64_t ours = list.journal().latestTime();
        const std::int64_t theirs = journalTimeAfter(ours - 86400, ours);
        const std::string journalCopy =
            readBytes(journal) +
            crlf({journalLine({theirs, 15, JournalKind::TakenBack, JournalCause::Player, 0}, "laptop"),
                  journalLine({theirs, 20, JournalKind::SetAside, JournalCause::Player, 0}, "laptop")});
        const auto deliver = [&](bool journalCopyNow) {
            if (journalCopyNow)
                writeBytes(
                    files::inFolder(folder.path(),
                                    QStringLiteral("クエスト履歴.sync-conflict-20261210-101010-ZOVNQVO.csv")),
                    journalCopy);
            else
                writeBytes(files::inFolder(
                               folder.path(),
                               QStringLiteral("クエスト見送り.sync-conflict-20261210-101010-ZOVNQVO.csv")),
                           crlf({"0020,2026/12/09"}));
            QStringList said;
            EXPECT_TRUE(list.newConflictCopies(said).empty());
        };
        deliver(journalFirst);
        deliver(!journalFirst);
        EXPECT_EQ(readBytes(files::inFolder(folder.path(), files::kSetAside)), crlf({"0020,2026/12/09"}));
    }
}

} // namespace
} // namespace korvane
