// The quests each quest needs first: what a file says, what is wrong with it, what the player may
// type, and what can be started now.

#include "store/QuestChains.h"
#include "store/Errors.h"
#include "support/Commit.h"
#include "support/TempFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korvane;

namespace {

struct Chains {
    QTemporaryDir dir;
    QuestChains chains{dir.filePath("chains.csv")};
    explicit Chains(const std::string& bytes) {
        test::writeBytes(chains.path(), bytes);
        chains.load();
    }
};

QuestNumbers known(std::initializer_list<int> numbers) {
    QuestNumbers set;
    for (const int n : numbers)
        set.set(static_cast<std::size_t>(n));
    return set;
}

std::vector<std::uint16_t> of(std::span<const std::uint16_t> numbers) {
    return {numbers.begin(), numbers.end()};
}

} // namespace

// What another program wrote is read past where it names no quest, and kept as it is.
TEST(QuestChains, ReadsWhatEachQuestNeedsAndOpens) {
    Chains f("0003,0001,0002\r\nx,0001\r\n0004,12,0001,abc,1\r\n0002,0001\r\n");
    EXPECT_EQ(of(f.chains.needs(3)), (std::vector<std::uint16_t>{1, 2}));
    EXPECT_EQ(of(f.chains.needs(4)), (std::vector<std::uint16_t>{12, 1}));
    EXPECT_EQ(of(f.chains.opens(1)), (std::vector<std::uint16_t>{2, 3, 4}));
    EXPECT_TRUE(f.chains.needs(1).empty());
    EXPECT_EQ(f.chains.lines().size(), 4u);
}

// Each fault said once, and a loop thousands of quests long found without running out of stack.
TEST(QuestChains, FaultsOfAFileFromElsewhere) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<ChainFault::Kind> kinds;
        std::vector<std::uint16_t> loop;
    };
    std::string longLoop;
    for (int quest = 1; quest < 5000; ++quest)
        longLoop += chainLine(static_cast<std::uint16_t>(quest),
                              std::vector<std::uint16_t>{static_cast<std::uint16_t>(quest + 1)}) +
                    "\r\n";
    longLoop += "5000,0001\r\n";
    const std::vector<Case> cases{
        {"sound", "0002,0001\r\n0003,0002,0001\r\n", {}, {}},
        {"itself", "0001,0001\r\n", {ChainFault::Kind::Self}, {}},
        {"unknown", "0001,0009\r\n", {ChainFault::Kind::Unknown}, {}},
        {"loop", "0001,0002\r\n0002,0003\r\n0003,0001\r\n", {ChainFault::Kind::Loop}, {1, 2, 3, 1}},
        {"long loop", longLoop, {ChainFault::Kind::Loop}, {}},
    };
    QuestNumbers all;
    all.set();
    for (const Case& c : cases) {
        Chains f(c.file);
        const std::vector<ChainFault> faults =
            chainFaults(f.chains, std::string(c.name) == "unknown" ? known({1, 2}) : all);
        std::vector<ChainFault::Kind> kinds;
        for (const ChainFault& fault : faults)
            kinds.push_back(fault.kind);
        EXPECT_EQ(kinds, c.kinds) << c.name;
        if (!c.loop.empty() && !faults.empty()) {
            EXPECT_EQ(faults.front().path, c.loop) << c.name;
        }
    }
    EXPECT_EQ(chainFaults(Chains(longLoop).chains, all).front().path.size(), 5001u);
}

// What the edit pane takes, and what it refuses before anything is written.
TEST(QuestChains, TypedNeedsAreCheckedFirst) {
    Chains f("0002,0001\r\n0003,0002\r\n");
    const QuestNumbers table = known({1, 2, 3, 4, 5});
    EXPECT_EQ(typedNeeds(QStringLiteral("1, 0002　5、5"), 4, f.chains, table),
              (std::vector<std::uint16_t>{1, 2, 5}));
    EXPECT_TRUE(typedNeeds(QString(), 4, f.chains, table).empty());
    const std::pair<QString, QString> refused[] = {
        {QStringLiteral("abc"), QStringLiteral("クエスト番号ではありません")},
        {QStringLiteral("4"), QStringLiteral("自分自身")},
        {QStringLiteral("9"), QStringLiteral("ありません")},
        {QStringLiteral("3"), QStringLiteral("0001 → 0003 → 0002 → 0001")}, // 1 needing 3 comes back to 1
    };
    for (const auto& [typed, said] : refused) {
        const std::uint16_t quest = typed == QStringLiteral("3") ? 1 : 4;
        try {
            typedNeeds(typed, quest, f.chains, table);
            ADD_FAILURE() << typed.toStdString();
        } catch (const KorvaneError& error) {
            EXPECT_TRUE(error.message().contains(said)) << error.message().toStdString();
        }
    }
}

// Written as one line in order of number, taken out whole; and what then can be started.
TEST(QuestChains, AQuestsNeedsWrittenAndWhatCanStartNow) {
    Chains f("0002,0001\r\n0005,0001\r\n");
    test::commitOne(f.chains.needsChange("0003", {2, 1}));
    EXPECT_EQ(test::readBytes(f.chains.path()), "0002,0001\r\n0003,0002,0001\r\n0005,0001\r\n");
    test::commitOne(f.chains.needsChange("0005", {}));
    EXPECT_EQ(test::readBytes(f.chains.path()), "0002,0001\r\n0003,0002,0001\r\n");
    EXPECT_EQ(of(f.chains.opens(1)), (std::vector<std::uint16_t>{2, 3}));

    const QuestNumbers completed = known({1});
    EXPECT_TRUE(canStartNow(2, false, false, f.chains, completed));
    EXPECT_FALSE(canStartNow(3, false, false, f.chains, completed)); // 0002 not completed yet
    EXPECT_FALSE(canStartNow(2, true, false, f.chains, completed));
    EXPECT_FALSE(canStartNow(2, false, true, f.chains, completed));
    EXPECT_TRUE(canStartNow(4, false, false, f.chains, completed)); // needs nothing
}
