#include "store/Collation.h"
#include "store/LineList.h"
#include "support/Sjis.h"

#include <QString>
#include <algorithm>
#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::sj;

class CollationInLocale : public testing::TestWithParam<const char*> {
protected:
    Collation collation{GetParam()};
};

TEST_P(CollationInLocale, OrdersStoredLinesByNumberThenIndex) {
    EXPECT_TRUE(collation.less("0012000a", "0012001b"));
    EXPECT_TRUE(collation.less("0012001b", "0013000"));
    EXPECT_TRUE(collation.less("0012", "0012,abc"));
    EXPECT_TRUE(collation.less("0012,abc", "0012000"));
    EXPECT_TRUE(collation.less("0009" + sj("ジュノ"), "0010"));
    EXPECT_FALSE(collation.less("0012", "0012"));
}

TEST_P(CollationInLocale, IgnoresCaseOnly) {
    EXPECT_EQ(collation.compare("0001abc", "0001ABC"), 0);
    EXPECT_EQ(collation.compare(sj("ＡＢ"), sj("ａｂ")), 0) << "full-width letters fold too";
    EXPECT_NE(collation.compare("0001b", "0001a"), 0);
    EXPECT_TRUE(collation.less("0001a", "0001B"));
}

INSTANTIATE_TEST_SUITE_P(Locales, CollationInLocale, testing::Values("", "ja_JP", "en_US", "de_DE"));

TEST(Collation, LocaleComesFromTheEnvironment) {
    qputenv("LC_ALL", "ja_JP.UTF-8");
    EXPECT_EQ(Collation::localeFromEnvironment(), "ja_JP");
    qputenv("LC_ALL", "C");
    EXPECT_EQ(Collation::localeFromEnvironment(), "");
    qputenv("LC_ALL", "POSIX");
    EXPECT_EQ(Collation::localeFromEnvironment(), "");
    qunsetenv("LC_ALL");
    qputenv("LC_COLLATE", "de_DE@euro");
    EXPECT_EQ(Collation::localeFromEnvironment(), "de_DE");
    qunsetenv("LC_COLLATE");
}

TEST(LineList, SortIsStableAndMergesAppendedLines) {
    Collation root("");
    LineList list(root);
    list.assign({"0003000c", "0001000a", "0002000b", "0001000A"});
    EXPECT_FALSE(list.isSorted());
    list.sort();
    EXPECT_EQ(list.lines(), (Lines{"0001000a", "0001000A", "0002000b", "0003000c"}));
    list.append("0002000B");
    list.append("0000000z");
    list.append("0002000b");
    list.sort();
    EXPECT_EQ(list.lines(),
              (Lines{"0000000z", "0001000a", "0001000A", "0002000b", "0002000B", "0002000b", "0003000c"}));
    EXPECT_EQ(list.lowerBound("0002"), 3u);
    EXPECT_EQ(list.lowerBound("0004"), list.size());
}

TEST(LineList, LookUpFromAnEarlierBoundFindsWhatAFullSearchFinds) {
    // Quest lines with gaps and repeated numbers, as a table and its text stores hold them.
    Collation root("");
    LineList list(root);
    Lines lines;
    for (int number = 1; number < 400; number += 1 + number % 5)
        for (int copy = 0; copy <= number % 3; ++copy)
            lines.push_back(QString::asprintf("%04d,%d", number, copy).toStdString());
    list.assign(lines);
    ASSERT_TRUE(list.isSorted());
    for (int number = 0; number <= 401; ++number) {
        const std::string key = QString::asprintf("%04d", number).toStdString();
        const auto bound = std::lower_bound(
            lines.begin(), lines.end(), key,
            [](const std::string& line, const std::string& k) { return line.compare(0, 4, k) < 0; });
        const auto expected = static_cast<std::size_t>(bound - lines.begin());
        for (std::size_t from : {std::size_t{0}, expected / 3, expected / 2, expected})
            ASSERT_EQ(list.lowerBound(key, from), expected) << key << " from " << from;
    }
}

TEST(LineList, ErasingKeepsOrderKnowledgeTrue) {
    Collation root("");
    LineList list(root);
    list.assign({"1", "2", "3", "4", "5"});
    list.sort();
    list.erase(1, 2);
    list.set(1, "0");
    EXPECT_FALSE(list.isSorted());
    list.sort();
    EXPECT_EQ(list.lines(), (Lines{"0", "1", "5"}));
}

} // namespace
} // namespace korvane
