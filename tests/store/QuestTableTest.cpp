#include "store/QuestTable.h"
#include "store/Errors.h"
#include "store/LineFile.h"
#include "support/Commit.h"
#include "support/Sjis.h"
#include "support/TempFiles.h"

#include <QDir>
#include <gtest/gtest.h>
#include <set>

namespace korvane {
namespace {

using test::commitOne;
using test::crlf;
using test::readBytes;
using test::sj;
using test::writeBytes;

class QuestTableTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("quests.csv");
    QuestTable table{path};
    std::vector<QuestRecord> rows;

    void loadLines(const std::vector<std::string>& lines) {
        writeBytes(path, crlf(lines));
        table.load(rows);
    }
    QString errorOf(const std::vector<std::string>& lines) {
        try {
            loadLines(lines);
        } catch (const KorvaneError& e) {
            return e.message();
        }
        return "<no error>";
    }
};

// The one description of the fields holds together: each in its place, the number first and alone,
// every other field a text or a flag exactly once, each named, each control on the panes named
// once and given a place, each text captioned by a tile.
TEST(QuestFields, TheTableOfFieldsIsWholeAndInOrder) {
    std::set<QuestField> valued;
    std::set<std::string> controls;
    for (std::size_t i = 0; i < kQuestFieldCount; ++i) {
        const FieldInfo& info = kQuestFields[i];
        EXPECT_EQ(static_cast<std::size_t>(info.field), i);
        EXPECT_EQ(info.kind == FieldKind::Number, i == kNumber) << i;
        EXPECT_FALSE(columnTitle(info.field).isEmpty() || fieldCaption(info.field).isEmpty()) << i;
        EXPECT_EQ(isFlagField(info.field), info.kind == FieldKind::Flag) << i;
        EXPECT_EQ(info.tileTop >= 0, info.kind == FieldKind::Text) << i;
        for (const PanePlace& place : {info.view, info.edit}) {
            EXPECT_TRUE(controls.insert(place.name).second) << place.name;
            EXPECT_TRUE(place.width > 0 && place.height > 0) << place.name;
        }
    }
    for (const auto& fields : {std::vector(kTextFields.begin(), kTextFields.end()),
                               std::vector(kFlagFields.begin(), kFlagFields.end())})
        for (const QuestField field : fields)
            EXPECT_TRUE(valued.insert(field).second) << field;
    EXPECT_EQ(std::vector(valued.begin(), valued.end()),
              std::vector(kValueFields.begin(), kValueFields.end()));
    EXPECT_FALSE(isFlagField(static_cast<int>(kQuestFieldCount))); // past the last field: no flag
}

TEST_F(QuestTableTest, LoadsRowsInFileOrderAndFindsHighestNumber) {
    loadLines({"0003,A,,x,p,c,1,0,0", "0010,B,b,y,p,c,0,0,0", "0007,C,c,z,p,c,2,,1"});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][kNumber], "0003");
    EXPECT_EQ(rows[0][kArea], "") << "an empty area keeps its place";
    EXPECT_EQ(rows[1][kNumber], "0010");
    EXPECT_EQ(rows[2][kOffered], "2");
    EXPECT_EQ(rows[2][kCompleted], "");
    EXPECT_EQ(table.maxQuestNo(), 10);
    EXPECT_TRUE(table.loaded());
}

TEST_F(QuestTableTest, EmptyFileGivesNoRowsAndMaxNumber0) {
    loadLines({});
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(table.maxQuestNo(), 0);
}

TEST_F(QuestTableTest, RemovesAsciiAndFullWidthSpacesAndSavesCleaned) {
    loadLines({sj("0001,ウィンダス,港,クエスト 名,場　所,条件,0,0,0")});
    EXPECT_EQ(rows[0][kName], sj("クエスト名"));
    EXPECT_EQ(rows[0][kPlace], sj("場所"));
    commitOne({&table, 0, 0, {}, true});
    EXPECT_EQ(readBytes(path), crlf({sj("0001,ウィンダス,港,クエスト名,場所,条件,0,0,0")}));
}

TEST_F(QuestTableTest, SpaceRemovalStepsOverWholeCharacters) {
    // 0x81 0x40 is a full-width space only where it starts a character: here 0x88 0x81 is one.
    loadLines({"0001,\x88\x81\x40,x"});
    EXPECT_EQ(rows[0][kNation], "\x88\x81\x40");
}

TEST_F(QuestTableTest, QuotedFieldsReadAndWriteBack) {
    loadLines({"0001,\"A,B\",,n,p,c,0,0,0,"});
    EXPECT_EQ(rows[0][kNation], "A,B");
    EXPECT_EQ(rows[0][kRepeatable], "0") << "fields beyond the ninth are ignored";
    commitOne(table.fieldChange(0, kOffered, "1"));
    EXPECT_EQ(table.lines()[0], "0001,\"A,B\",,n,p,c,1,0,0,") << "the tenth, empty field is kept";
}

TEST_F(QuestTableTest, LoadErrorsNameTheFieldOrIndex) {
    EXPECT_EQ(errorOf({"0001,a", "abcd,b"}), QStringLiteral("'abcd' は整数ではありません"));
    EXPECT_EQ(rows.size(), 2u) << "the rows up to the failing line stay";
    EXPECT_FALSE(table.loaded());
    EXPECT_EQ(errorOf({"0001,a", ""}), QStringLiteral("リストのインデックスが範囲を超えています (0)"));
    EXPECT_EQ(errorOf({"12345678901,a"}), QStringLiteral("'12345678901' は整数ではありません"));
    EXPECT_EQ(errorOf({"--1,a"}), QStringLiteral("'--1' は整数ではありません"));
    EXPECT_EQ(errorOf({"0012,a", "-001,b"}), "<no error>");
    EXPECT_EQ(table.maxQuestNo(), 12);
    EXPECT_EQ(errorOf({"12345,a"}), "<no error>");
    EXPECT_EQ(table.maxQuestNo(), 12345);
}

TEST_F(QuestTableTest, MissingFileIsAnEmptyTableTheFirstEditCreates) {
    EXPECT_FALSE(table.load(rows));
    EXPECT_TRUE(table.loaded());
    EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(QFile::exists(path)) << "reading creates nothing";
    commitOne(table.addChange({"0001", "N"}));
    EXPECT_EQ(readBytes(path), crlf({"0001,N,,,,,,,"}));
}

TEST_F(QuestTableTest, UnreadableFileIsNotLoadedAndNeverWritten) {
    QDir().mkdir(path); // a folder where the file should be
    try {
        table.load(rows);
        FAIL();
    } catch (const KorvaneError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("ファイル %1 は開けません").arg(QDir::toNativeSeparators(path)));
    }
    EXPECT_FALSE(table.loaded());
    EXPECT_THROW(commitOne({&table, 0, 0, {"0001,x"}, true}), KorvaneError);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(test::entries(dir.path()), QStringList{QFileInfo(path).fileName()});
}

TEST_F(QuestTableTest, FindIsAConfirmedHitOnly) {
    loadLines({"0001,a", "0003,b", "0005,c"});
    EXPECT_EQ(table.find("0003"), 1u);
    EXPECT_EQ(table.find("0002"), std::nullopt) << "the next line is no hit";
    EXPECT_EQ(table.find("0009"), std::nullopt);
    EXPECT_EQ(table.find("3"), std::nullopt);
    EXPECT_EQ(table.find(""), std::nullopt);
}

TEST_F(QuestTableTest, FindWorksOnATableOutOfOrder) {
    loadLines({"0003,a", "0010,b", "0007,c"});
    EXPECT_EQ(table.find("0007"), 2u);
    EXPECT_EQ(table.find("0003"), 0u);
}

TEST_F(QuestTableTest, ReplaceFieldKeepsOtherFieldsAndNamesMissingPosition) {
    loadLines({"0001,N,A,q,p,c,0,0,0", "0002,N,A"});
    commitOne(table.fieldChange(0, kOffered, "1"));
    EXPECT_EQ(table.lines()[0], "0001,N,A,q,p,c,1,0,0");
    try {
        table.fieldChange(1, kCompleted, "1");
        FAIL();
    } catch (const KorvaneError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("リストのインデックスが範囲を超えています (7)"));
    }
    EXPECT_EQ(table.lines()[1], "0002,N,A");
}

TEST_F(QuestTableTest, AddAndDeleteSortTheTable) {
    loadLines({"0003,a", "0001,b"});
    commitOne(table.addChange({"0004", "N", "", "q", "p", "c", "1", "0", "0"}));
    EXPECT_EQ(table.lines().lines(), (Lines{"0001,b", "0003,a", "0004,N,,q,p,c,1,0,0"}));
    commitOne(table.addChange({"0002", "M"}));
    commitOne(table.deleteChange("0004"));
    commitOne(table.deleteChange("0009"));
    EXPECT_EQ(readBytes(path), crlf({"0001,b", "0002,M,,,,,,,", "0003,a"}));
    EXPECT_EQ(table.maxQuestNo(), 3) << "only the editing layer raises it, and nothing lowers it";
}

TEST_F(QuestTableTest, DeleteRemovesDuplicateLinesOfTheNumber) {
    loadLines({"0001,a", "0002,b", "0002,c", "0003,d"});
    commitOne(table.deleteChange("0002"));
    EXPECT_EQ(table.lines().lines(), (Lines{"0001,a", "0003,d"}));
}

TEST_F(QuestTableTest, ShapesFollowEveryChangeOfTheLines) {
    // Each line's shape is what its own fields say, after every kind of change.
    const auto expectShapesOfLines = [&](const char* after) {
        SCOPED_TRACE(after);
        ASSERT_EQ(table.shapes().size(), table.lines().size());
        for (std::size_t i = 0; i < table.lines().size(); ++i) {
            const QuestShape shape = table.shapes()[i], fresh = QuestShape::of(table.lines()[i]);
            EXPECT_EQ(std::tie(shape.fields, shape.flags), std::tie(fresh.fields, fresh.flags))
                << table.lines()[i];
        }
    };
    try {
        loadLines({"0003,N,A,c,p,c,1,0,1", "0001,N", "x,broken", "0002,N,A,b,p,c,0,2,1"});
    } catch (const KorvaneError&) {
    }
    expectShapesOfLines("a load that stopped");
    loadLines({"0001,N,A,a,p,c,0,0,0", "0002,N", "0004,N,A,d,p,c,1,1,0"});
    EXPECT_EQ(table.shapes()[1].fields, 2);
    EXPECT_EQ(std::string(table.shapes()[2].flags.data(), 3), "110");
    commitOne(table.fieldChange(0, kOffered, "1"));
    expectShapesOfLines("a flag");
    commitOne(table.addChange({"0003", "N", "A", "c", "p", "c", "0", "1", "1"}));
    expectShapesOfLines("an addition");
    commitOne(table.lineChange(1, {"0002", "N", "A", "b", "p", "c", "2", "0", "1"}));
    expectShapesOfLines("a modification");
    commitOne(table.deleteChange("0001"));
    expectShapesOfLines("a deletion");
}

} // namespace
} // namespace korvane
