#include "QuestFilter.h"

#include "store/CommaText.h"

namespace korvane {
namespace {

const std::string& field(const Fields& fields, std::size_t index) {
    if (index >= fields.size())
        throw errors::indexOutOfRange(static_cast<long long>(index));
    return fields[index];
}

bool admitsProgress(const Fields& f, Progress progress) {
    switch (progress) {
    case Progress::NotOffered:
        return field(f, kOffered) == "0" && field(f, kCompleted) == "0";
    case Progress::Offered:
        return field(f, kOffered) == "1" && field(f, kCompleted) == "0";
    case Progress::NotCompleted:
        return field(f, kCompleted) == "0";
    case Progress::Completed:
        return field(f, kCompleted) == "1";
    case Progress::All:
        return true;
    case Progress::Repeatable:
        return field(f, kRepeatable) == "1";
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
    return admitsProgress(fields, filter.progress);
}

} // namespace

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
