// Looking a quest up: each placeholder put in with its encoding, and a name one cannot hold.

#include "web/LookUp.h"
#include "store/Cp932.h"
#include "store/Errors.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct Case {
    const char* address; // UTF-8 here, stored as code page 932
    const char* name;
    const char* expected; // empty: refused
};

// あ is 82 A0 in Shift-JIS, A4 A2 in EUC-JP, E3 81 82 in UTF-8; 〜 81 60, A1 C1, U+FF5E; ｱ B1, 8E B1.
const Case kCases[] = {
    {"https://wiki.example/?{name}", "あ〜", "https://wiki.example/?%E3%81%82%EF%BD%9E"},
    {"https://wiki.example/?{name:sjis}", "あ〜", "https://wiki.example/?%82%A0%81%60"},
    {"https://wiki.example/?{name:euc-jp}", "あ〜ｱ", "https://wiki.example/?%A4%A2%A1%C1%8E%B1"},
    {"https://wiki.example/q/{no}", "あ", "https://wiki.example/q/0042"},
    {"https://wiki.example/{no}/{name}?cmd=read&page={name:euc-jp}", "A b&c",
     "https://wiki.example/0042/A%20b%26c?cmd=read&page=A%20b%26c"},
    {"https://wiki.example/?{name:euc-jp}", "①", "https://wiki.example/?%AD%A1"}, // NEC row 13
    {"https://wiki.example/?{name:euc-jp}", "髙", ""}, // IBM extension: no EUC-JP form
    {"https://wiki.example/表{name}", "x", "https://wiki.example/表x"},
    {"https://wiki.example/ボname}", "x", "https://wiki.example/ボname}"}, // ボ is 83 7B: 7B is '{'
    {"https://wiki.example/{nam}", "x", "https://wiki.example/{nam}"},
};

TEST(LookUp, PutsTheQuestIntoTheAddress) {
    for (const Case& c : kCases) {
        const std::string address = cp932::fromUtf8(c.address);
        SCOPED_TRACE(c.address);
        const bool placeholder = std::string_view(c.address).find("{n") != std::string_view::npos &&
                                 std::string_view(c.address).find("{nam}") == std::string_view::npos;
        EXPECT_EQ(isLookUpAddress(address), placeholder);
        try {
            const QString url = lookUpAddress(address, "0042", cp932::fromUtf8(c.name));
            EXPECT_EQ(url, QString::fromUtf8(c.expected));
        } catch (const KorvaneError& e) {
            EXPECT_STREQ(c.expected, "");
            EXPECT_EQ(e.message(), QStringLiteral("クエスト名「%1」には EUC-JP で表せない文字があります")
                                       .arg(QString::fromUtf8(c.name)));
        }
    }
}

} // namespace
} // namespace korvane
