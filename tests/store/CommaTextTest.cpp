#include "store/CommaText.h"
#include "support/Sjis.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::sj;
using test::sjAll;

struct SplitCase {
    const char* name;
    std::string line;
    Fields fields;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class CommaTextSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(CommaTextSplit, ReadsFields) {
    EXPECT_EQ(splitCommaText(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextSplit,
    testing::Values(
        SplitCase{"plain", "0001,a,b", {"0001", "a", "b"}}, SplitCase{"emptyLineHasNoFields", "", {}},
        SplitCase{"blanksOnlyHaveNoFields", " \t ", {}},
        SplitCase{"emptyFieldBetweenCommas", "0001,X,,Y", {"0001", "X", "", "Y"}},
        SplitCase{"leadingComma", ",a", {"", "a"}},
        SplitCase{"trailingCommaAddsEmptyField", "a,b,", {"a", "b", ""}},
        SplitCase{"commaThenBlankAtEndAddsNothing", "a, ", {"a"}},
        SplitCase{"unquotedSpaceEndsField", "a b,c", {"a", "b", "c"}},
        SplitCase{"blanksAroundCommaSkipped", " a ,  b", {"a", "b"}},
        SplitCase{"quotedCommaKept", "\"A,B\",c", {"A,B", "c"}},
        SplitCase{"doubledQuote", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        SplitCase{"emptyQuoted", "\"\",x", {"", "x"}},
        SplitCase{"unclosedQuoteRunsToEnd", "\"ab,c", {"ab,c"}},
        SplitCase{"textAfterClosingQuoteStartsNextField", "\"ab\"cd,e", {"ab", "cd", "e"}},
        SplitCase{"japanese", sj("ソ表,能"), sjAll({"ソ表", "能"})},
        // A lead byte takes the next byte with it, whatever that byte is.
        SplitCase{"trailByteEqualToQuoteIsNoQuote", std::string("\"\x81\x22\"") + ",x", {"\x81\x22", "x"}},
        SplitCase{"trailByteEqualToCommaIsNoComma",
                  std::string("\x81\x2C") + "b,c",
                  {"\x81\x2C"
                   "b",
                   "c"}}),
    [](const testing::TestParamInfo<SplitCase>& test) { return std::string(test.param.name); });

struct JoinCase {
    const char* name;
    Fields fields;
    std::string line;
    friend void PrintTo(const JoinCase& c, std::ostream* os) { *os << c.name; }
};

class CommaTextJoin : public testing::TestWithParam<JoinCase> {};

TEST_P(CommaTextJoin, WritesAndReadsBack) {
    EXPECT_EQ(joinCommaText(GetParam().fields), GetParam().line);
    EXPECT_EQ(splitCommaText(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextJoin,
    testing::Values(
        JoinCase{"plain", {"0001", "a", "b"}, "0001,a,b"},
        JoinCase{"emptyFieldIsNothing", {"0001", "X", "", "Y"}, "0001,X,,Y"},
        JoinCase{"lastEmpty", {"a", ""}, "a,"}, JoinCase{"commaQuoted", {"A,B", "c"}, "\"A,B\",c"},
        JoinCase{"quoteDoubled", {"a\"b"}, "\"a\"\"b\""}, JoinCase{"spaceQuoted", {"a b", "c"}, "\"a b\",c"},
        JoinCase{"controlQuoted", {"a\tb"}, "\"a\tb\""}, JoinCase{"loneEmptyFieldStaysAField", {""}, "\"\""},
        JoinCase{"secondByteNotQuoted", {"\x81\x22", "x"}, "\x81\x22,x"},
        JoinCase{"japaneseUnquoted", sjAll({"ウィンダス", "石の区"}), sj("ウィンダス,石の区")}),
    [](const testing::TestParamInfo<JoinCase>& test) { return std::string(test.param.name); });

TEST(CommaText, FieldsFromReadsAsTheWholeSplitDoes) {
    const std::string lines[] = {"0001,N,A,q,p,c,1,0,1",
                                 "0002,\"a,b\",\"x \"\"y\"\"\",,p,c,\"1\",0,",
                                 "0003, spaced , out ,q",
                                 "0004,",
                                 "",
                                 "0005,\x88\x2C,q,p,c,0,1,1,extra"};
    for (const std::string& line : lines)
        for (std::size_t first = 0; first <= 10; ++first)
            for (std::size_t count = 0; count <= 4; ++count) {
                SCOPED_TRACE(line + " from " + std::to_string(first) + " count " + std::to_string(count));
                const Fields all = splitCommaText(line);
                const Fields expected(all.begin() + static_cast<std::ptrdiff_t>(std::min(first, all.size())),
                                      all.begin() +
                                          static_cast<std::ptrdiff_t>(std::min(first + count, all.size())));
                EXPECT_EQ(fieldsFrom(line, first, count), expected);
            }
}

} // namespace
} // namespace korvane
