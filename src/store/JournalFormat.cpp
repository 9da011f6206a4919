#include "JournalFormat.h"

#include "CommaText.h"
#include "JournalTime.h"
#include "Numbers.h"
#include "QuestTable.h"
#include "UiText.h"

#include <algorithm>
#include <cstdio>

namespace korvane {
namespace {

template <std::size_t N, class Rows> std::array<std::string, N> storedWords(const Rows& rows) {
    std::array<std::string, N> words;
    for (std::size_t i = 0; i < N; ++i)
        words[i] = fromUiLossy(QString::fromUtf8(rows[i].word));
    return words;
}

const std::array<std::string, kJournalKinds>& kindWords() {
    static const auto words = storedWords<kJournalKinds>(kJournalKindWords);
    return words;
}

const std::array<std::string, kJournalCauses>& causeWords() {
    static const auto words = storedWords<kJournalCauses>(kJournalCauseWords);
    return words;
}

} // namespace

QString journalKindText(JournalKind kind) {
    return QString::fromUtf16(kJournalKindWords[static_cast<std::size_t>(kind)].caption);
}

QString journalCauseText(JournalCause cause) {
    return QString::fromUtf8(kJournalCauseWords[static_cast<std::size_t>(cause)].word);
}

std::string questNumberText(std::uint16_t number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(number));
    return digits;
}

std::string journalLine(const JournalEntry& entry, std::string_view pcName) {
    if (entry.number < 1 || entry.number > kLastQuestNumber)
        return {};
    Fields fields{formatJournalTime(entry.time), questNumberText(entry.number),
                  kindWords()[static_cast<std::size_t>(entry.kind)], std::string(pcName)};
    if (entry.cause != JournalCause::Player)
        fields.push_back(causeWords()[static_cast<std::size_t>(entry.cause)]);
    return joinCommaText(fields);
}

std::optional<ReadJournalLine> readJournalLine(const std::vector<std::string_view>& fields) {
    if (fields.size() < 4 || fields.size() > 5 || fields[1].size() != 4 || !allDigits(fields[1]))
        return std::nullopt;
    const std::optional<std::int64_t> time = parseJournalTime(fields[0]);
    const int number = std::stoi(std::string(fields[1]));
    const auto kind = std::find(kindWords().begin(), kindWords().end(), fields[2]);
    const auto cause = fields.size() == 5 ? std::find(causeWords().begin(), causeWords().end(), fields[4])
                                          : causeWords().begin();
    if (!time || number < 1 || kind == kindWords().end() || cause == causeWords().end())
        return std::nullopt;
    return ReadJournalLine{{*time, static_cast<std::uint16_t>(number),
                            static_cast<JournalKind>(kind - kindWords().begin()),
                            static_cast<JournalCause>(cause - causeWords().begin()), 0},
                           fields[3]};
}

std::string journalLinePc(std::string_view line) {
    std::vector<std::string_view> fields;
    if (splitPlainFields(line, fields))
        return fields.size() > 3 ? std::string(fields[3]) : std::string();
    const Fields quoted = splitCommaText(line);
    return quoted.size() > 3 ? quoted[3] : std::string();
}

std::string_view journalLineTime(std::string_view line) {
    return line.size() > kJournalTimeLength && line[kJournalTimeLength] == ',' &&
                   parseJournalTime(line.substr(0, kJournalTimeLength))
               ? line.substr(0, kJournalTimeLength)
               : std::string_view();
}

} // namespace korvane
