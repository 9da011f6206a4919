// Undo and redo without a window: every kind of edit written back, byte for byte, both ways.

#include "editing/Checklist.h"
#include "editing/FlagRules.h"
#include "editing/QuestImport.h"
#include "store/Errors.h"
#include "support/LoadedData.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::crlf;
using test::readBytes;
using test::sj;
using test::writeBytes;

// Every data file of the folder as bytes; a file that is not there reads as "<missing>".
std::vector<std::string> filesOf(const QString& folder) {
    std::vector<std::string> out;
    for (const QString& path : test::dataFiles(folder))
        out.push_back(readBytes(path));
    out.push_back(readBytes(files::inFolder(folder, files::kChains)));
    return out;
}

// Texts that no editor could save: over 257 lines, and lines over 255 bytes.
std::vector<std::string> longText(const std::string& number) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < 300; ++i)
        lines.push_back(storedLine(number, i, i % 100 == 7 ? std::string(400, 'x') : "line"));
    return lines;
}

void writeSet(const QString& folder, bool messy) {
    const QStringList paths = test::dataFiles(folder);
    std::vector<std::string> content{sj("0001000一の内容")};
    for (std::string& line : longText("0002"))
        content.push_back(std::move(line));
    content.push_back(sj("0003000三の内容"));
    if (messy) // out of order on disk, and a table line with spaces: loading changes both in memory
        std::swap(content.front(), content.back());
    writeBytes(
        paths[0],
        crlf({sj(messy ? "0001,ウィンダス,港,一 の クエスト,p,c,0,0,0" : "0001,ウィンダス,港,一,p,c,0,0,0"),
              sj("0002,ジュノ,ジュノ港,二,p,c,1,0,0"), sj("0003,マウラ,マウラ,三,p,c,1,1,1")}));
    writeBytes(paths[1], crlf(content));
    writeBytes(paths[2], crlf(longText("0002")));
    writeBytes(paths[3], crlf({sj("0002000二のメモ")}));
    writeBytes(files::inFolder(folder, files::kChains),
               crlf({"0002,0001", "0003,0002"})); // 0002's goes with it
}

TEST(Undo, EveryEditIsPutBackByteForByteAndDoneAgain) {
    struct Case {
        const char* what;
        bool messy;
        std::function<void(test::LoadedData&, const QString& other, EditStep*)> edit;
    };
    const Case cases[] = {
        {"a tick", false,
         [](test::LoadedData& d, const QString&, EditStep* s) {
             storeFlag(d.table, "0001", kOffered, "1", s);
         }},
        {"a memo", false,
         [](test::LoadedData& d, const QString&, EditStep* s) {
             saveMemo(d.data(), "0003", {QStringLiteral("新しいメモ"), QString()}, s);
         }},
        {"a new quest", false,
         [](test::LoadedData& d, const QString&, EditStep* s) {
             addQuest(d.data(), {"", "N", "A", "new", "p", "c", "0", "0", "0"},
                      {Lines{"c"}, Lines{}, Lines{"m"}}, s);
         }},
        {"a modification", false,
         [](test::LoadedData& d, const QString&, EditStep* s) {
             modifyQuest(d.data(), 1, {"0002", "N", "A", "renamed", "p", "c", "0", "0", "0"}, "0002",
                         {Lines{"short"}, std::nullopt, Lines{}}, s);
         }},
        {"a deletion of a quest with long texts and what it needs", false,
         [](test::LoadedData& d, const QString&, EditStep* s) {
             deleteQuest(d.data(), "0002", s);
             EXPECT_EQ(readBytes(d.chains.path()), "0003,0002\r\n"); // another's need of it stays
         }},
        {"an import", false,
         [](test::LoadedData& d, const QString& other, EditStep* s) {
             auto theirs = readImportSet(other);
             applyImport(d.data(), *theirs, {}, s);
         }},
        {"the first edit after a load that cleaned and sorted", true,
         [](test::LoadedData& d, const QString&, EditStep* s) { deleteQuest(d.data(), "0003", s); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir mine, other;
        writeSet(mine.path(), c.messy);
        writeSet(other.path(), false);
        writeBytes(test::dataFiles(other.path())[0], crlf({sj("0004,セルビナ,セルビナ,四,p,c,0,0,0")}));
        QFile::remove(test::dataFiles(mine.path())[3]); // a file the edit may create
        test::LoadedData data(mine.path());
        const auto before = filesOf(mine.path());
        EditStep step;
        c.edit(data, other.path(), &step);
        const auto after = filesOf(mine.path());
        ASSERT_NE(after, before);
        EXPECT_FALSE(step.changesNothing());
        for (int round = 0; round < 2; ++round) {
            applyStep(step); // undo
            EXPECT_EQ(filesOf(mine.path()), before);
            applyStep(step); // redo
            EXPECT_EQ(filesOf(mine.path()), after);
        }
        for (StoredList* list : data.lists()) {
            if (list->fileHoldsList()) {
                EXPECT_EQ(crlf(list->lines().lines()), readBytes(list->path()))
                    << "memory is what the file holds";
            }
        }
        // Loaded afresh, the files give the lists the edit left.
        test::LoadedData again(mine.path());
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(again.lists()[i]->lines().lines(), data.lists()[i]->lines().lines());
    }
}

TEST(Undo, RefusedWhenAFileChangedSince) {
    QTemporaryDir mine;
    writeSet(mine.path(), false);
    test::LoadedData data(mine.path());
    EditStep step;
    saveMemo(data.data(), "0001", {QStringLiteral("メモ")}, &step);
    const QString memo = test::dataFiles(mine.path())[3];
    writeBytes(memo, readBytes(memo) + "0009000theirs\r\n");
    const auto changed = filesOf(mine.path());
    EXPECT_THROW(applyStep(step), FileChangedError);
    EXPECT_EQ(filesOf(mine.path()), changed) << "nothing is written";
}

// The history as a player steps through it: each step written first and the history moved only
// once it is; a new edit drops what was undone; a refused undo or an edit that found a file
// changed by another program empties it, since its steps no longer fit the files.
TEST(EditHistory, StepsThroughTheChecklist) {
    QTemporaryDir folder;
    writeSet(folder.path(), false);
    Checklist list(folder.path());
    list.load();
    const auto tick = [&](const char* number) {
        list.apply(QStringLiteral("オファー"), number,
                   [&](QuestData d, EditStep* step) { storeFlag(d.table, number, kOffered, "1", step); });
    };
    const auto offered = [&] {
        std::string flags;
        for (const char* number : {"0001", "0002", "0003"})
            flags += list.QuestList().recordOf(number)[kOffered];
        return flags + (readBytes(list.QuestList().path()) == crlf(list.QuestList().lines().lines())
                            ? ""
                            : " (file differs)");
    };
    const auto next = [&] {
        const EditHistory& h = list.history();
        return (h.nextUndo() ? h.nextUndo()->name.toStdString() : "-") + " / " +
               (h.nextRedo() ? h.nextRedo()->name.toStdString() : "-");
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* flags;
        const char* steps; // what the next undo and redo would write back
    };
    const Case cases[] = {
        {"a tick", [&] { tick("0001"); }, "111", "オファー 0001 / -"},
        {"a tick that stores what is stored: no step", [&] { tick("0001"); }, "111", "オファー 0001 / -"},
        {"undone", [&] { list.step(true); }, "011", "- / オファー 0001"},
        {"redone", [&] { list.step(false); }, "111", "オファー 0001 / -"},
        {"undone, then another edit drops the redo",
         [&] {
             list.step(true);
             list.apply(QStringLiteral("削除"), "0003",
                        [&](QuestData d, EditStep* step) { deleteQuest(d, "0003", step); });
         },
         "01", "削除 0003 / -"},
        {"an undo refused after another program changed the table empties the history",
         [&] {
             writeBytes(list.QuestList().path(),
                        readBytes(list.QuestList().path()) + "0009,x,y,z,p,c,0,0,0\r\n");
             EXPECT_THROW(list.step(true), FileChangedError);
         },
         "01 (file differs)", "- / -"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        EXPECT_EQ(offered(), c.flags);
        EXPECT_EQ(next(), c.steps);
    }
    // An edit that finds a file changed by another program writes nothing, and the history,
    // which no longer fits the files, stays empty.
    list.load();
    tick("0001");
    writeBytes(list.QuestList().path(), readBytes(list.QuestList().path()));
    EXPECT_THROW(tick("0002"), FileChangedError);
    EXPECT_EQ(next(), "- / -");
}

} // namespace
} // namespace korvane
