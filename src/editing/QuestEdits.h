#pragma once
// The edits of the quest data, in the order every edit writes: quest table, content, reward,
// memo. Each refuses, before writing anything, to write a list that did not load. A failed save
// stops the edit there; what was done before stays done.

#include "store/QuestTable.h"
#include "store/TextStore.h"

#include <QStringList>

namespace korvane {

struct QuestData {
    QuestTable& table;
    TextStore& content;
    TextStore& reward;
    TextStore& memo;
};

struct QuestTexts {
    std::vector<std::string> content, reward, memo;
};

// The highest quest number a table can hold: four digits.
constexpr int kMaxQuestNumber = 9999;

// The number the next new quest takes; refused when it would pass 9999.
std::string nextQuestNumber(const QuestTable& table);

// The table line of the quest; refused with the given message when the table holds no quest of
// that number. Texts are never written under a number the table does not hold: such lines would
// be neither shown nor removed.
std::size_t requireKnownQuest(QuestTable& table, std::string_view number, const QString& refusal);

// Replaces the memo of the quest on show with the lines of the memo view.
void saveMemo(QuestData data, std::string_view number, const QStringList& lines);

// Appends the quest under the next number and each text that has lines; the number given.
std::string addQuest(QuestData data, QuestRecord record, const QuestTexts& texts);

// Rewrites the table line in place and replaces the texts of textNumber (normally the same quest).
void modifyQuest(QuestData data, std::size_t tableIndex, const QuestRecord& record,
                 std::string_view textNumber, const QuestTexts& texts);

// Removes the quest's lines from the table and from the three stores; every file is saved.
void deleteQuest(QuestData data, std::string_view number);

// A one-line field as it is stored: "," becomes "､", ASCII and full-width spaces are dropped.
QString cleanField(const QString& text);

// Typed text as code page 932; refused with a message naming the text and the characters that
// code page 932 cannot hold.
std::string encodeTyped(const QString& text, const QString& what);

// Lines of a text as an editor reports them, refused when there are more than a quest can keep.
std::vector<std::string> encodeTextLines(const QStringList& lines, const QString& what);

QString modifyQuestion(const QString& nation, const QString& area, const QString& name);
QString deleteQuestion(const QString& nation, const QString& area, const QString& name);

} // namespace korvane
