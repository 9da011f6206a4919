#include "Quest.h"

namespace korvane {

Quest Quest::fromRecord(const QuestRecord& r) {
    return {r[kNumber],
            r[kNation],
            r[kArea],
            r[kName],
            r[kPlace],
            r[kCondition],
            flagSet(r[kOffered]),
            flagSet(r[kCompleted]),
            flagSet(r[kRepeatable])};
}

QuestRecord Quest::toRecord() const {
    return {number,
            nation,
            area,
            name,
            place,
            condition,
            storedFlag(offered),
            storedFlag(completed),
            storedFlag(repeatable)};
}

const std::string& Quest::text(QuestField field) const {
    switch (field) {
    case kNation:
        return nation;
    case kArea:
        return area;
    case kName:
        return name;
    case kPlace:
        return place;
    case kCondition:
        return condition;
    default:
        return number;
    }
}

bool Quest::flag(QuestField field) const {
    return field == kOffered ? offered : field == kCompleted ? completed : repeatable;
}

void Quest::setFlag(QuestField field, bool set) {
    (field == kOffered ? offered : field == kCompleted ? completed : repeatable) = set;
}

} // namespace korvane
