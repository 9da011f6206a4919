#include "Quest.h"

namespace korvane {

Quest Quest::fromRecord(const QuestRecord& record) {
    Quest quest;
    quest.number = record[kNumber];
    for (const QuestField field : kValueFields)
        if (isFlagField(field))
            quest.setFlag(field, flagSet(record[static_cast<std::size_t>(field)]));
        else
            quest.fields_[static_cast<std::size_t>(field)] = record[static_cast<std::size_t>(field)];
    return quest;
}

QuestRecord Quest::unticked() {
    QuestRecord record;
    for (const QuestField flag : kFlagFields)
        record[static_cast<std::size_t>(flag)].assign(1, '0');
    return record;
}

QuestRecord Quest::toRecord() const {
    QuestRecord record = fields_;
    record[kNumber] = number;
    return record;
}

} // namespace korvane
