#include "QuestFilter.h"
#include "store/Quest.h"

#include "store/CommaText.h"

namespace korvane {
namespace {

// The one table of what each progress option admits; field(i) gives the quest's field i.
template <class Field> bool admitsBy(const Field& field, Progress progress) {
    switch (progress) {
    case Progress::NotOffered:
        return field(kOffered) == "0" && field(kCompleted) == "0";
    case Progress::Offered:
        return flagSet(field(kOffered)) && field(kCompleted) == "0";
    case Progress::NotCompleted:
        return field(kCompleted) == "0";
    case Progress::Completed:
        return flagSet(field(kCompleted));
    case Progress::All:
        return true;
    case Progress::Repeatable:
        return flagSet(field(kRepeatable));
    case Progress::None:
        break;
    }
    return false;
}

// A field the filter reads; the index error when the line has none, as for the split line.
const std::string& field(const Fields& place, const QuestShape& shape, QuestField which) {
    if (!shape.has(which))
        throw errors::indexOutOfRange(which);
    return place[static_cast<std::size_t>(which - kNation)];
}

bool admits(std::string_view line, const QuestShape& shape, const QuestFilter& filter) {
    if (filter.nation || filter.area) {
        const Fields place = fieldsFrom(line, kNation, 2);
        if (filter.nation && *filter.nation != field(place, shape, kNation))
            return false;
        if (filter.area && *filter.area != field(place, shape, kArea))
            return false;
    }
    return admitsBy([&shape](std::size_t i) { return shape.flag(static_cast<QuestField>(i)); },
                    filter.progress);
}

} // namespace

bool admitsProgress(const QuestShape& shape, Progress progress) {
    return admitsBy([&shape](std::size_t i) { return std::string_view(&shape.flags[flagSlot(static_cast<QuestField>(i))], 1); },
                    progress);
}

FilterResult filterQuests(const QuestTable& questList, const QuestFilter& filter, const SetAsideList* aside,
                          bool showSetAside) {
    FilterResult result;
    const LineList& lines = questList.lines();
    try {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!admits(lines[i], questList.shapes()[i], filter))
                continue;
            if (leftOutAsSetAside(questList.shapes()[i], aside, showSetAside))
                ++result.setAsideLeftOut;
            else
                result.lines.push_back(i);
        }
    } catch (const KorvaneError& error) {
        result.error = error;
    }
    return result;
}

} // namespace korvane
