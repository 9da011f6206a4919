#include "DataGenerator.h"

#include "store/CommaText.h"
#include "store/Cp932.h"
#include "store/DataFiles.h"
#include "store/LineFile.h"
#include "store/QuestChains.h"
#include "store/QuestTable.h"
#include "store/TextStore.h"
#include "store/Vocabulary.h"

#include <algorithm>
#include <vector>

namespace korvane::datagen {

const std::string kRare = cp932::fromUtf8("【稀】");

namespace {

// A text the player types (not a nation or an area, which come from the game's lists).
bool freeText(std::size_t field) {
    return kQuestFields[field].kind == FieldKind::Text && field != kNation && field != kArea;
}

// splitmix64: the same numbers on every machine and library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    template <class T> const T& pick(const std::vector<T>& items) { return items[next() % items.size()]; }

private:
    std::uint64_t state_;
};

std::vector<std::string> encoded(std::initializer_list<const char*> words) {
    std::vector<std::string> out;
    for (const char* word : words)
        out.push_back(cp932::fromUtf8(word));
    return out;
}

const std::vector<std::string>& japaneseWords() {
    static const auto words = encoded(
        {"冒険者", "依頼",     "村人", "港町",       "森の奥", "洞窟",     "鍵",       "手紙",   "薬草",
         "魔法書", "古い地図", "剣",   "盾",         "宝箱",   "竜",       "精霊",     "騎士",   "商人",
         "鍛冶屋", "酒場",     "の",   "を",         "に",     "へ",       "と",       "が",     "届ける",
         "探す",   "集める",   "倒す", "話しかける", "戻る",   "夜明け前", "満月の夜", "北の崖", "東の門",
         "ギル",   "報酬",     "、",   "。",         "ｱｲﾃﾑ",   "ﾎﾟｰｼｮﾝ",   "～",       "①",      "㈱",
         "ランク", "レベル",   "条件", "注意",       "メモ"});
    return words;
}

const std::vector<std::string>& asciiWords() {
    static const std::vector<std::string> words = {"NPC", "HP",    "MP",   "x3",   "Lv30", "OK",
                                                   "(G)", "ID:12", "boss", "drop", "rare", "2h",
                                                   "map", "route", "A-3",  "check"};
    return words;
}

std::string textLine(Random& random, int minBytes, int maxBytes) {
    const auto target = static_cast<std::size_t>(random.between(minBytes, maxBytes));
    std::string line;
    while (line.size() < target) {
        const std::string& word =
            random.between(0, 4) == 0 ? random.pick(asciiWords()) : random.pick(japaneseWords());
        if (line.size() + word.size() > static_cast<std::size_t>(maxBytes))
            break;
        line += word;
    }
    while (line.size() < static_cast<std::size_t>(minBytes))
        line += 'x';
    return line;
}

std::string flag(Random& random) {
    return random.between(0, 2) == 0 ? "1" : "0";
}

// A rare word, in the first text line of one quest in a thousand, for searches that find little.
void appendText(Lines& store, Random& random, const std::string& number, int minLines, int maxLines,
                bool rare) {
    const int count = random.between(minLines, maxLines);
    for (int i = 0; i < count; ++i)
        store.push_back(
            storedLine(number, static_cast<std::size_t>(i),
                       textLine(random, 10, i == 0 && rare ? 110 : 120) + (i == 0 && rare ? kRare : "")));
}

// A hand-edited table line: spaces after the commas and the text fields in quotes.
std::string handEdited(const QuestRecord& record) {
    std::string line = record[kNumber];
    for (std::size_t i = 1; i < record.size(); ++i)
        line += freeText(i) ? ", \"" + record[i] + "\"" : "," + record[i];
    return line;
}

} // namespace

Sizes writeDataSet(const QString& folder, const Options& options) {
    Random random(options.seed);
    Lines table, content, reward, memo;
    const auto& nations = vocabulary::nations();
    for (int n = 1; n <= options.quests; ++n) {
        const std::string number = formatQuestNumber(n);
        QuestRecord record;
        record[kNumber] = number;
        record[kNation] = nations[static_cast<std::size_t>(n - 1) % nations.size()];
        const auto areas = vocabulary::areasOf(record[kNation]);
        record[kArea] = areas.empty() || random.between(0, 9) == 0 ? std::string() : random.pick(areas);
        record[kName] = textLine(random, 8, 30);
        record[kPlace] = textLine(random, 6, 24);
        record[kCondition] = textLine(random, 4, 16);
        record[kOffered] = flag(random);
        record[kCompleted] = record[kOffered] == "1" ? flag(random) : "0";
        record[kRepeatable] = flag(random);
        for (const QuestField i : kTextFields) // the program never stores spaces or commas there
            if (freeText(i))
                std::replace_if(
                    record[static_cast<std::size_t>(i)].begin(), record[static_cast<std::size_t>(i)].end(),
                    [](char c) { return c == ' ' || c == ','; }, '_');
        const bool quoted = options.messy && n % 997 == 0;
        table.push_back(quoted ? handEdited(record) : joinCommaText(toFields(record)));
        const bool rare = n % 1000 == 7;
        appendText(content, random, number, 10, 30, rare);
        appendText(reward, random, number, 1, 5, rare);
        appendText(memo, random, number, 0, 10, false);
    }
    if (options.messy) {
        for (Lines* store : {&content, &reward, &memo})
            for (std::size_t i = store->size(); i > 1; --i) // Fisher-Yates with the set's own numbers
                std::swap((*store)[i - 1], (*store)[random.next() % i]);
    }
    // Drawn after every quest, so that the other files stay as they were before chains were made.
    Lines chains;
    for (int n = 1; n <= options.quests; ++n) {
        const int first = (n - 1) / kChainDepth * kChainDepth + 1;
        if (n == first)
            continue;
        std::vector<std::uint16_t> needs{static_cast<std::uint16_t>(n - 1)};
        if (n - first >= 2 && random.between(0, 4) == 0)
            needs.push_back(static_cast<std::uint16_t>(random.between(first, n - 2)));
        chains.push_back(chainLine(static_cast<std::uint16_t>(n), needs));
    }
    writeLines(files::inFolder(folder, files::kChains), chains);
    writeLines(files::inFolder(folder, files::kQuestTable), table);
    writeLines(files::inFolder(folder, files::kContent), content);
    writeLines(files::inFolder(folder, files::kReward), reward);
    writeLines(files::inFolder(folder, files::kMemo), memo);

    Sizes sizes{table.size(), content.size(), reward.size(), memo.size(), chains.size(), 0};
    for (const Lines* lines : {&table, &content, &reward, &memo}) // what the window holds in memory
        for (const std::string& line : *lines)
            sizes.bytes += line.size() + 2;
    return sizes;
}

} // namespace korvane::datagen
