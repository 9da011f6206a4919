// The journal: what each edit writes into it, the dates it tells, two PCs' journals merged, and a
// line a crash cut short.

#include "editing/Checklist.h"
#include "editing/FlagRules.h"
#include "editing/QuestImport.h"
#include "store/CommaText.h"
#include "store/UiText.h"
#include "support/JournalEvents.h"
#include "support/LoadedData.h"
#include "support/Sjis.h"

#include <QDateTime>
#include <functional>
#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::crlf;
using test::eventsIn;
using test::readBytes;
using test::sj;
using test::writeBytes;

TEST(Journal, EachEditWritesWhatItDidToEachQuest) {
    QTemporaryDir folder, other;
    const QStringList paths = test::dataFiles(folder.path());
    writeBytes(paths[0], crlf({sj("0001,ウィンダス,港,一,p,c,0,0,0"), sj("0002,ジュノ,港,二,p,c,1,1,1")}));
    writeBytes(test::dataFiles(other.path())[0],
               crlf({sj("0001,ウィンダス,港,一（新）,p,c,1,0,0"), sj("0005,バストゥーク,港,五,p,c,1,1,0")}));
    for (int i = 1; i < 4; ++i)
        writeBytes(test::dataFiles(other.path())[i], "");
    Checklist list(folder.path());
    list.load();
    const QString journal = files::inFolder(folder.path(), kJournalFile);
    const auto edit = [&](std::function<void(QuestData, EditStep*)> change) {
        list.apply(QStringLiteral("edit"), "", std::move(change));
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* lines;
    };
    const Case cases[] = {
        {"a tick",
         [&] { edit([&](QuestData d, EditStep* s) { storeFlag(d.table, "0001", kOffered, "1", s); }); },
         "0001,オファー"},
        {"a modification of two flags alone",
         [&] {
             edit([&](QuestData d, EditStep* s) {
                 modifyQuest(d, 1, {"0002", sj("ジュノ"), sj("港"), sj("二"), "p", "c", "0", "0", "1"},
                             "0002", {}, s);
             });
         },
         "0002,オファー解除 0002,コンプリート解除"},
        {"undone and redone", [&] { list.step(true), list.step(false); },
         "0002,オファー,元に戻す 0002,コンプリート,元に戻す 0002,オファー解除,やり直し "
         "0002,コンプリート解除,やり直し"},
        {"a memo",
         [&] { edit([&](QuestData d, EditStep* s) { saveMemo(d, "0001", {QStringLiteral("m")}, s); }); },
         "0001,メモ"},
        {"what a quest needs",
         [&] {
             edit([&](QuestData d, EditStep* s) {
                 std::vector<ListChange> changes{d.chains.needsChange("0002", {1})};
                 *s = commit(changes);
             });
         },
         "0002,修正"},
        {"a new quest, offered",
         [&] {
             edit([&](QuestData d, EditStep* s) {
                 addQuest(d, {"", "N", "A", "new", "p", "c", "1", "0", "0"}, {Lines{"c"}, {}, {}}, s);
             });
         },
         "0003,追加 0003,オファー"},
        {"a modification of the content",
         [&] {
             edit([&](QuestData d, EditStep* s) {
                 modifyQuest(d, 2, list.QuestList().recordOf("0003"), "0003", {Lines{"d"}, {}, {}}, s);
             });
         },
         "0003,修正"},
        {"a deletion, and its undo: the quest comes back with its dates",
         [&] { edit([&](QuestData d, EditStep* s) { deleteQuest(d, "0003", s); }), list.step(true); },
         "0003,削除 0003,追加,元に戻す"},
        {"an import: another set's name, and a quest that comes in without progress",
         [&] {
             auto theirs = readImportSet(other.path());
             list.applyImport(*theirs, {}, QStringLiteral("取り込み"), "");
         },
         "0001,修正,取り込み 0005,追加,取り込み"},
    };
    std::size_t seen = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        EXPECT_EQ(eventsIn(journal, seen), c.lines);
        seen = list.journal().entries().size();
        EXPECT_EQ(list.journal().unreadLines(), 0u);
    }
    EXPECT_TRUE(list.takeJournalFailure().isEmpty());

    // The other PC's version, as the sync tool left it: merged without a question, moved aside.
    const QString copy = folder.filePath("クエスト履歴.sync-conflict-20261209-033510-ZOVNQVO.csv");
    const std::string theirs = journalLine({60, 2, JournalKind::Memo, JournalCause::Player, 0}, "B");
    writeBytes(copy, crlf({theirs}));
    QStringList said;
    EXPECT_TRUE(list.newConflictCopies(said).empty());
    EXPECT_EQ(list.takeJournalMerge(), QStringLiteral("記録の競合コピーを統合しました（1 行を追加）"));
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_EQ(readBytes(journal).substr(0, theirs.size() + 2), theirs + "\r\n") << "the oldest line first";
    EXPECT_EQ(list.journal().entries().size(), seen + 1);
}

// Dates as the journal tells them, from lines a test writes: "t,kind[,cause]" at minutes.
TEST(Journal, TellsWhenAQuestWasOfferedAndCompletedAndHowOften) {
    struct Case {
        const char* what;
        std::vector<std::pair<JournalKind, JournalCause>> events; // a minute apart, from minute 1
        std::optional<int> offered, completed;                    // the minute of the date told
        int completions;
    };
    using K = JournalKind;
    using C = JournalCause;
    const Case cases[] = {
        {"offered then completed", {{K::Offered, C::Player}, {K::Completed, C::Player}}, 1, 2, 1},
        {"completed, cleared by mistake, undone: the first date stays",
         {{K::Completed, C::Player}, {K::CompletedCleared, C::Player}, {K::Completed, C::Undo}},
         {},
         1,
         1},
        {"a completion undone and redone keeps its date",
         {{K::Completed, C::Player}, {K::CompletedCleared, C::Undo}, {K::Completed, C::Redo}},
         {},
         1,
         1},
        {"a completion undone is no completion",
         {{K::Completed, C::Player}, {K::CompletedCleared, C::Undo}},
         {},
         {},
         0},
        {"a repeatable quest done three times",
         {{K::Completed, C::Player},
          {K::CompletedCleared, C::Player},
          {K::Completed, C::Player},
          {K::CompletedCleared, C::Player},
          {K::Completed, C::Player}},
         {},
         5,
         3},
        {"the other PC's tick merged in on a set flag keeps the first date",
         {{K::Offered, C::Player}, {K::Offered, C::Merge}},
         1,
         {},
         0},
        {"the number given to a new quest starts afresh",
         {{K::Completed, C::Player}, {K::Deleted, C::Player}, {K::Added, C::Player}},
         {},
         {},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = folder.filePath("j.csv");
        std::vector<std::string> lines{journalLine({60, 8, K::Completed, C::Player, 0}, "other quest")};
        for (std::size_t i = 0; i < c.events.size(); ++i)
            lines.push_back(
                journalLine({60 * std::int64_t(i + 1), 7, c.events[i].first, c.events[i].second, 0}, "PC"));
        writeBytes(path, crlf(lines));
        Journal journal(path);
        journal.refresh();
        const QuestDates dates = questDates(journal, 7);
        EXPECT_EQ(dates.offered, c.offered ? std::optional<std::int64_t>(*c.offered * 60) : std::nullopt);
        EXPECT_EQ(dates.completed,
                  c.completed ? std::optional<std::int64_t>(*c.completed * 60) : std::nullopt);
        EXPECT_EQ(dates.completions, c.completions);
        EXPECT_EQ(completionTimes(journal)[7], dates.completed) << "the one pass over every quest";
    }
}

TEST(Journal, SummaryOfAQuest) {
    const std::int64_t t = QDateTime(QDate(2026, 12, 3), QTime(21, 40)).toSecsSinceEpoch();
    EXPECT_EQ(journalSummary({t, t, 3}, true, true, true),
              QStringLiteral("オファー 2026/12/03 21:40　コンプリート 2026/12/03 21:40　3 回コンプリート"));
    EXPECT_EQ(journalSummary({}, true, false, false), QStringLiteral("オファー 日付不明"));
}

// The words a journal already written holds are the file's, whatever the window calls things: each
// line below, as a journal of today stores it, is read as its kind and cause and written back the same.
TEST(Journal, ReadsTheWordsJournalsAreWrittenWith) {
    const std::pair<const char*, std::pair<JournalKind, JournalCause>> lines[] = {
        {"2026-12-09T08:15:03Z,0001,オファー,desktop", {JournalKind::Offered, JournalCause::Player}},
        {"2026-12-09T08:15:03Z,0001,オファー解除,desktop,元に戻す",
         {JournalKind::OfferedCleared, JournalCause::Undo}},
        {"2026-12-09T08:15:03Z,0001,コンプリート,desktop,やり直し",
         {JournalKind::Completed, JournalCause::Redo}},
        {"2026-12-09T08:15:03Z,0001,コンプリート解除,desktop,取り込み",
         {JournalKind::CompletedCleared, JournalCause::Import}},
        {"2026-12-09T08:15:03Z,0001,メモ,desktop,統合", {JournalKind::Memo, JournalCause::Merge}},
        {"2026-12-09T08:15:03Z,0001,追加,desktop", {JournalKind::Added, JournalCause::Player}},
        {"2026-12-09T08:15:03Z,0001,修正,desktop", {JournalKind::Modified, JournalCause::Player}},
        {"2026-12-09T08:15:03Z,0001,削除,desktop", {JournalKind::Deleted, JournalCause::Player}},
        {"2026-12-09T08:15:03Z,0001,見送り,desktop,統合", {JournalKind::SetAside, JournalCause::Merge}},
        {"2026-12-09T08:15:03Z,0001,見送り解除,desktop", {JournalKind::TakenBack, JournalCause::Player}},
    };
    static_assert(std::size(lines) == std::size(kJournalKindWords), "every kind has its line");
    QTemporaryDir folder;
    std::vector<std::string> stored;
    for (const auto& [line, expected] : lines)
        stored.push_back(sj(line));
    writeBytes(folder.filePath(kJournalFile), crlf(stored));
    Journal journal(folder.filePath(kJournalFile));
    journal.refresh();
    ASSERT_EQ(journal.entries().size(), std::size(lines));
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        const JournalEntry& entry = journal.entries()[i];
        EXPECT_EQ(std::pair(entry.kind, entry.cause), lines[i].second) << lines[i].first;
        EXPECT_EQ(journalLine(entry, journal.pcName(entry.pc)), stored[i]) << lines[i].first;
    }
}

// Two PCs appended to one journal: the sync tool's copy is merged as the union in time order.
// Two PCs' lines of one second are ordered alike on both, whichever file held which first.
TEST(Journal, LinesOfOneSecondAreOrderedAlikeOnEveryPc) {
    QTemporaryDir dir;
    const std::string a = journalLine({60, 3, JournalKind::SetAside, JournalCause::Player, 0}, "pc-b"),
                      b = journalLine({60, 3, JournalKind::TakenBack, JournalCause::Player, 0}, "pc-a");
    std::vector<std::string> merged;
    for (const auto& [mine, theirs] : {std::pair{a, b}, std::pair{b, a}}) {
        writeBytes(dir.filePath("mine.csv"), crlf({mine}));
        writeBytes(dir.filePath("theirs.csv"), crlf({theirs}));
        Journal journal(dir.filePath("mine.csv"));
        journal.mergeCopy(dir.filePath("theirs.csv"));
        merged.push_back(readBytes(dir.filePath("mine.csv")));
        EXPECT_EQ(journal.entries().back().kind, JournalKind::SetAside); // pc-b's, after pc-a's
    }
    EXPECT_EQ(merged[0], merged[1]);
}

TEST(Journal, MergesAConflictCopyAndReadsPastATornLine) {
    QTemporaryDir folder;
    const QString path = folder.filePath(kJournalFile), copy = folder.filePath("copy.csv");
    const auto line = [](std::int64_t minute, std::uint16_t number, const char* pc) {
        return journalLine({minute * 60, number, JournalKind::Completed, JournalCause::Player, 0}, pc);
    };
    writeBytes(path, crlf({line(1, 1, "A"), line(3, 3, "A"), "hand-written note"}));
    writeBytes(copy, crlf({line(1, 1, "A"), line(2, 2, "B"), line(4, 4, "B")}));
    Journal journal(path);
    EXPECT_EQ(journal.mergeCopy(copy), 2u);
    EXPECT_EQ(readBytes(path), crlf({line(1, 1, "A"), line(2, 2, "B"), line(3, 3, "A"), line(4, 4, "B"),
                                     "hand-written note"}));
    EXPECT_EQ(journal.entries().size(), 4u);
    EXPECT_EQ(journal.unreadLines(), 1u);

    // A crash cut the last line short: it stays as it is, and the next lines start on a line of their own.
    const std::string torn = line(5, 5, "A").substr(0, 25);
    writeBytes(path, crlf({line(1, 1, "A")}) + torn);
    journal.refresh();
    EXPECT_EQ(journal.entries().size(), 1u);
    journal.append({{6, JournalKind::Memo}}, JournalCause::Player, 360, QStringLiteral("A"));
    EXPECT_EQ(readBytes(path),
              crlf({line(1, 1, "A"), torn,
                    journalLine({360, 6, JournalKind::Memo, JournalCause::Player, 0}, "A")}));
    EXPECT_EQ(journal.entries().size(), 2u);
    Journal again(path);
    again.refresh();
    EXPECT_EQ(again.entries().size(), 2u);
    EXPECT_EQ(again.unreadLines(), 1u);

    // The folder deleted under the checklist: the journal read stays, and goes with it elsewhere,
    // merged with a journal already there, never written over.
    QFile::remove(path);
    again.refresh();
    again.moveTo(copy);
    EXPECT_EQ(readBytes(copy),
              crlf({line(1, 1, "A"), line(2, 2, "B"), line(4, 4, "B"),
                    journalLine({360, 6, JournalKind::Memo, JournalCause::Player, 0}, "A")}));
}

} // namespace
} // namespace korvane
