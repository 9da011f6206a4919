#include "QuestFilter.h"

#include "store/CommaText.h"

namespace korvane {
namespace {

const std::string& field(const Fields& fields, std::size_t index) {
    if (index >= fields.size())
        throw errors::indexOutOfRange(static_cast<long long>(index));
    return fields[index];
}

// The one table of what each progress option admits; field(i) gives the quest's field i.
template <class Field> bool admitsBy(const Field& field, Progress progress) {
    switch (progress) {
    case Progress::NotOffered:
        return field(kOffered) == "0" && field(kCompleted) == "0";
    case Progress::Offered:
        return field(kOffered) == "1" && field(kCompleted) == "0";
    case Progress::NotCompleted:
        return field(kCompleted) == "0";
    case Progress::Completed:
        return field(kCompleted) == "1";
    case Progress::All:
        return true;
    case Progress::Repeatable:
        return field(kRepeatable) == "1";
    case Progress::None:
        break;
    }
    return false;
}

bool admits(const Fields& fields, const QuestFilter& filter) {
    if (filter.nation && *filter.nation != field(fields, kNation))
        return false;
    if (filter.area && *filter.area != field(fields, kArea))
        return false;
    return admitsBy([&fields](std::size_t i) -> const std::string& { return field(fields, i); },
                    filter.progress);
}

} // namespace

bool admitsProgress(const QuestRecord& record, Progress progress) {
    return admitsBy([&record](std::size_t i) -> const std::string& { return record[i]; }, progress);
}

FilterResult filterQuests(const LineList& questList, const QuestFilter& filter) {
    FilterResult result;
    try {
        for (const std::string& line : questList.lines()) {
            Fields fields = splitCommaText(line);
            if (admits(fields, filter))
                result.rows.push_back(toQuestRecord(std::move(fields)));
        }
    } catch (const KorvaneError& error) {
        result.error = error;
    }
    return result;
}

} // namespace korvane
