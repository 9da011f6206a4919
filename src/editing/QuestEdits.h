#pragma once
// The edits of the quest data. Each writes its files in the order quest table, content, reward,
// memo, and changes a list in memory only once its file is written (see ListChange): refused
// before anything is written when a list did not load or its file changed outside Korvane; when a
// write fails part-way, what was written before stays written, in the files and in memory alike.
// Each gives what it changed to step, when one is given, so that it can be undone (applyStep).

#include "store/Numbers.h"
#include "store/QuestData.h"

#include <QStringList>
#include <optional>

namespace korvane {

// A quest's three texts as the editors hold them, as stored lines. Nothing: for a new quest, no
// text; for a modification, the editor was not changed and the stored text stays as it is.
struct QuestTexts {
    std::optional<std::vector<std::string>> content, reward, memo;
};

// The highest quest number a table can hold.
constexpr int kMaxQuestNumber = kLastQuestNumber;

// The number the next new quest takes: the lowest above maxQuestNo under which no file holds a
// line, so that a new quest never inherits text left behind. Refused past 9999.
std::string nextQuestNumber(const QuestLists& data);

// The table line of the quest; refused with the given message when the table holds no quest of
// that number. Texts are never written under a number the table does not hold.
std::size_t requireKnownQuest(const QuestTable& table, std::string_view number, const QString& refusal);

// Replaces every memo line of the quest on show with the lines of the memo view.
void saveMemo(const QuestData& data, std::string_view number, const QStringList& lines,
              EditStep* step = nullptr);

// Stores the quest under the next number with each text that has lines; the number given.
std::string addQuest(const QuestData& data, QuestRecord record, const QuestTexts& texts,
                     EditStep* step = nullptr);

// Rewrites the table line in place and replaces every line of the texts of textNumber (normally
// the same quest); each store's file is written, also when its text stays.
void modifyQuest(const QuestData& data, std::size_t tableIndex, const QuestRecord& record,
                 std::string_view textNumber, const QuestTexts& texts, EditStep* step = nullptr);

// Removes the quest's line from the table and all its lines from the three stores; every file is
// written. A quest set aside is no longer: the file of those is written too.
void deleteQuest(const QuestData& data, std::string_view number, EditStep* step = nullptr);

// Sets the quest aside as of date ("2026/12/10"), or takes it back; its flags stay as they are.
// Nothing is written when it stands so already. Refused when the table holds no quest of that
// number.
void setQuestAside(const QuestData& data, std::string_view number, bool aside, std::string_view date,
                   EditStep* step = nullptr);

// A one-line field as it is stored: "," becomes "､", ASCII and full-width spaces are dropped.
QString cleanField(const QString& text);

// Typed text as code page 932; refused with a message naming the text and the characters that
// code page 932 cannot hold.
std::string encodeTyped(const QString& text, const QString& what);

// The lines of a text as an editor reports them, as stored lines: a line of more than 255 bytes
// goes on over as many stored lines as it needs, split between characters. Refused when that makes
// more lines than a quest can keep (257).
std::vector<std::string> encodeTextLines(const QStringList& lines, const QString& what);

QString modifyQuestion(const QString& nation, const QString& area, const QString& name);
QString deleteQuestion(const QString& nation, const QString& area, const QString& name);

} // namespace korvane
