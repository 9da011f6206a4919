// The merge of a data file with any number of conflict copies, well-formed or not. From one earlier
// version both PCs had, this PC's file and each copy change some quests (a copy's changes never
// meet another copy's); copies of junk lines come in between. On every input:
//   every line of this PC's file stays, unless the plan names its quest as changed by the other;
//   every line written is a line of one side, or made of one side's fields or texts, or the line
//   between two memos;
//   a copy of which no line names a quest is no copy and changes nothing;
//   the copies merged one after another, against the version they parted from, give the same file
//   in any order.

#include "FuzzSupport.h"
#include "sync/MergePlan.h"
#include "store/CommaText.h"
#include "store/DataFiles.h"
#include "store/LineList.h"
#include "store/Numbers.h"
#include "store/UiText.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <set>

using namespace korvane;

namespace {

using Rule = MergeDifference::Rule;
using Version = std::map<int, Lines>; // quest number → its lines (a table's: one)

enum Kind { kTable, kMemo, kContent };

std::string number(int n) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04d", n);
    return digits;
}

Lines lineOf(Kind kind, int n, FuzzedDataProvider& p) {
    static const char* const words[] = {"a", "b", "\x83\x81\x83\x82", "\"c,d\"", ""};
    const auto word = [&] { return std::string(words[p.ConsumeIntegralInRange<int>(0, 4)]); };
    if (kind == kTable) {
        std::string line = number(n) + ",x,y," + word() + ",p," + word();
        for (int flag = 0; flag < 3; ++flag)
            line += p.ConsumeBool() ? ",1" : ",0";
        return {line};
    }
    Lines lines;
    for (int i = 0, count = p.ConsumeIntegralInRange<int>(1, 3); i < count; ++i)
        lines.push_back(number(n) + "00" + std::to_string(i) + word());
    return lines;
}

// Some quests of the version changed, added or deleted; owner: which copy may change which quest.
// This PC (me 0) may change any.
Version changed(Version version, Kind kind, FuzzedDataProvider& p, const std::map<int, int>& owner, int me) {
    for (const auto& [n, who] : owner) {
        if ((me != 0 && who != me) || !p.ConsumeBool())
            continue;
        if (p.ConsumeIntegralInRange<int>(0, 3) == 0)
            version.erase(n);
        else
            version[n] = lineOf(kind, n, p);
    }
    return version;
}

Lines linesOf(const Version& version, Kind kind) {
    Lines lines;
    for (const auto& [n, its] : version)
        lines.insert(lines.end(), its.begin(), its.end());
    if (kind != kTable) { // a store is held sorted
        LineList list;
        list.assign(std::move(lines));
        list.sort();
        return std::move(list).release();
    }
    return lines;
}

ConflictCopy copyNamed(Kind kind, int i) {
    const QString file = kind == kTable ? files::kQuestTable : kind == kMemo ? files::kMemo : files::kContent;
    return {QStringLiteral("/nowhere/copy%1").arg(i), file, QStringLiteral("Syncthing"),
            QDateTime(QDate(2026, 12, 9), QTime(3, i)), std::nullopt};
}

struct Merged {
    Lines lines;
    MergePlan plan;
};

// One copy into the file, against the earlier versions given newest first.
Merged mergeOnce(const Lines& file, const Lines& copy, const std::vector<Lines>& earlier,
                 const ConflictCopy& named, Kind kind) {
    std::size_t next = 0;
    MergePlan plan = planMergeOf(
        file, copy,
        [&](QString& name, Lines& lines) {
            if (next == earlier.size())
                return false;
            name = QString::number(next);
            lines = earlier[next++];
            return true;
        },
        named);
    LineList list;
    list.assign(file);
    std::vector<LineRange> ranges = mergeRanges(list, plan);
    list.replace(ranges, kind != kTable);
    return {std::move(list).release(), std::move(plan)};
}

bool changesFromOther(const MergePlan& plan, const std::string& quest) {
    for (const MergeDifference& d : plan.differences)
        if (d.number == quest && (d.rule == Rule::OnlyOther || d.rule == Rule::FlagSet))
            return true;
    return false;
}

void checkOneMerge(const Lines& file, const Lines& copy, const Merged& merged, Kind kind) {
    const std::multiset<std::string> before(file.begin(), file.end()),
        after(merged.lines.begin(), merged.lines.end());
    for (const std::string& line : file)
        FUZZ_REQUIRE(after.contains(line) || changesFromOther(merged.plan, line.substr(0, 4)));
    for (const MergeDifference& d : merged.plan.differences)
        FUZZ_REQUIRE(d.rule != Rule::OnlyOther || !merged.plan.base.isEmpty());
    const bool namesAQuest = std::any_of(copy.begin(), copy.end(), [](const std::string& line) {
        return line.size() >= 4 && allDigits(std::string_view(line).substr(0, 4)) &&
               !line.starts_with("0000");
    });
    FUZZ_REQUIRE(merged.plan.notACopy == !namesAQuest);
    if (merged.plan.notACopy)
        FUZZ_REQUIRE(merged.lines == file);

    const std::set<std::string> written(copy.begin(), copy.end());
    std::set<std::string> texts, fields; // of either side
    for (const Lines* side : {&file, &copy})
        for (const std::string& line : *side) {
            texts.insert(line.size() > 7 ? line.substr(7) : "");
            for (const std::string& field : splitCommaText(line))
                fields.insert(field);
        }
    const std::string divider = fromUiLossy(QStringLiteral("――― 競合コピー（"));
    for (const std::string& line : merged.lines) {
        if (before.contains(line) || written.contains(line))
            continue;
        if (kind == kTable) {
            for (const std::string& field : splitCommaText(line))
                FUZZ_REQUIRE(fields.contains(field));
        } else {
            FUZZ_REQUIRE(texts.contains(line.substr(7)) || line.substr(7).starts_with(divider));
        }
    }
}

// What the file holds, quest by quest: a table's lines; a store's lines of text, but the lines
// between two memos. With no common version known, the order the copies were merged in decides
// which copy's text comes first in a memo, and the date on the line before it, and whether a text
// that another copy's holds whole is written again; never which texts are kept.
std::map<std::string, std::set<std::string>> keptTexts(const Lines& lines, Kind kind) {
    const std::string divider = fromUiLossy(QStringLiteral("――― 競合コピー（"));
    std::map<std::string, std::set<std::string>> out;
    for (const std::string& line : lines) {
        const std::string text = line.substr(std::min<std::size_t>(7, line.size()));
        if (kind == kTable)
            out[line];
        else if (!text.starts_with(divider))
            out[line.substr(0, 4)].insert(text);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider p(data, size);
    const Kind kind = static_cast<Kind>(p.ConsumeIntegralInRange<int>(0, 2));
    const int quests = p.ConsumeIntegralInRange<int>(1, 8), copies = p.ConsumeIntegralInRange<int>(1, 3);
    Version base;
    std::map<int, int> owner; // i: copy i, 0: none
    for (int n = 1; n <= quests; ++n) {
        if (p.ConsumeBool())
            base[n] = lineOf(kind, n, p);
        owner[n] = p.ConsumeIntegralInRange<int>(0, copies);
    }
    const bool withBase = p.ConsumeBool();
    const Lines file = linesOf(changed(base, kind, p, owner, 0), kind);
    std::vector<Lines> theirs;
    for (int i = 1; i <= copies; ++i) {
        Lines copy;
        if (!p.ConsumeBool() || i == 1) // a copy of the file
            copy = linesOf(changed(base, kind, p, owner, i), kind);
        for (int junk = p.ConsumeIntegralInRange<int>(0, 2); junk > 0; --junk) // lines of no quest
            copy.push_back("g" + p.ConsumeRandomLengthString(40));
        theirs.push_back(std::move(copy));
    }
    const std::vector<Lines> earlier =
        withBase ? std::vector<Lines>{linesOf(base, kind)} : std::vector<Lines>{};

    checkOneMerge(file, theirs[0], mergeOnce(file, theirs[0], earlier, copyNamed(kind, 1), kind), kind);

    // One after another, forwards and backwards. The versions a merge leaves in backup/ came
    // after the copies, so they are never taken for where the copies parted.
    const auto inTurn = [&](bool forwards) {
        Lines now = file;
        for (int k = 0; k < copies; ++k) {
            const auto i = static_cast<std::size_t>(forwards ? k : copies - 1 - k);
            Merged merged =
                mergeOnce(now, theirs[i], earlier, copyNamed(kind, static_cast<int>(i) + 1), kind);
            checkOneMerge(now, theirs[i], merged, kind);
            now = std::move(merged.lines);
        }
        return now;
    };
    // Without the version the copies parted from, a copy that kept a text looks no different from one
    // that changed it: they disagree, and which is merged first decides (the preview asks).
    if (withBase)
        FUZZ_REQUIRE(keptTexts(inTurn(true), kind) == keptTexts(inTurn(false), kind));
    return 0;
}
