#include "QuestEdits.h"

#include "store/Errors.h"
#include "store/SjisChars.h"
#include "store/UiText.h"

namespace korvane {
namespace {

void addText(std::vector<ListChange>& changes, TextStore& store, std::string_view number,
             const std::optional<std::vector<std::string>>& text) {
    if (text && !text->empty())
        changes.push_back(store.textChange(number, *text));
}

// The store's file is written all the same: with nothing to change it is rewritten as it stands.
void replaceText(std::vector<ListChange>& changes, TextStore& store, std::string_view number,
                 const std::optional<std::vector<std::string>>& text) {
    changes.push_back(text ? store.textChange(number, *text) : ListChange{&store, 0, 0, {}, true});
}

void keep(EditStep* step, EditStep made) {
    if (step)
        *step = std::move(made);
}

} // namespace

std::string nextQuestNumber(const QuestLists& data) {
    for (int n = data.table.maxQuestNo() + 1; n <= kMaxQuestNumber; ++n) {
        const std::string number = formatQuestNumber(n);
        if (!data.table.find(number) && !data.content.holds(number) && !data.reward.holds(number) &&
            !data.memo.holds(number) && !data.aside.holds(number))
            return number;
    }
    throw KorvaneError(QStringLiteral("クエスト番号が %1 に達しているため、新しいクエストは追加できません")
                           .arg(kMaxQuestNumber));
}

std::size_t requireKnownQuest(const QuestTable& table, std::string_view number, const QString& refusal) {
    const auto index = table.find(number);
    if (!index)
        throw KorvaneError(refusal);
    return *index;
}

void saveMemo(const QuestData& data, std::string_view number, const QStringList& lines, EditStep* step) {
    requireKnownQuest(data.table, number, QStringLiteral("メモを保存するクエストが表示されていません"));
    std::vector<ListChange> changes{
        data.memo.textChange(number, encodeTextLines(lines, QStringLiteral("メモ")))};
    keep(step, commit(changes));
}

std::string addQuest(const QuestData& data, QuestRecord record, const QuestTexts& texts, EditStep* step) {
    const std::string number = nextQuestNumber(data);
    record[kNumber] = number;
    std::vector<ListChange> changes{data.table.addChange(record)};
    addText(changes, data.content, number, texts.content);
    addText(changes, data.reward, number, texts.reward);
    addText(changes, data.memo, number, texts.memo);
    try {
        keep(step, commit(changes));
    } catch (const PartlySavedError&) {
        data.table.raiseMaxQuestNo(std::stoi(number)); // the table holds the quest
        throw;
    }
    data.table.raiseMaxQuestNo(std::stoi(number));
    return number;
}

void modifyQuest(const QuestData& data, std::size_t tableIndex, const QuestRecord& record,
                 std::string_view textNumber, const QuestTexts& texts, EditStep* step) {
    std::vector<ListChange> changes{data.table.lineChange(tableIndex, record)};
    replaceText(changes, data.content, textNumber, texts.content);
    replaceText(changes, data.reward, textNumber, texts.reward);
    replaceText(changes, data.memo, textNumber, texts.memo);
    keep(step, commit(changes));
}

void deleteQuest(const QuestData& data, std::string_view number, EditStep* step) {
    std::vector<ListChange> changes{data.table.deleteChange(number)};
    for (TextStore* store : {&data.content, &data.reward, &data.memo})
        changes.push_back(store->textChange(number, {}));
    if (data.aside.range(number).second > 0)
        changes.push_back(data.aside.takeBackChange(number));
    if (!data.chains.needs(fourDigitNumber(number)).empty())
        changes.push_back(data.chains.needsChange(number, {})); // what it needed goes with it
    keep(step, commit(changes));
}

void setQuestAside(const QuestData& data, std::string_view number, bool aside, std::string_view date,
                   EditStep* step) {
    requireKnownQuest(
        data.table, number,
        QStringLiteral("クエスト %1 が見つからないため、%2できません")
            .arg(toUi(number), aside ? QStringLiteral("見送りに") : QStringLiteral("見送りを解除")));
    if (data.aside.holds(number) == aside)
        return;
    std::vector<ListChange> changes{aside ? data.aside.setAsideChange(number, date)
                                          : data.aside.takeBackChange(number)};
    keep(step, commit(changes));
}

QString cleanField(const QString& text) {
    QString cleaned;
    cleaned.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char(','))
            cleaned += QChar(0xFF64); // "､", 0xA4 in code page 932
        else if (c != QLatin1Char(' ') && c != QChar(0x3000))
            cleaned += c;
    }
    return cleaned;
}

std::string encodeTyped(const QString& text, const QString& what) {
    QString unmappable;
    auto bytes = fromUi(text, &unmappable);
    if (!bytes)
        throw KorvaneError(
            QStringLiteral("「%1」には保存できない文字が含まれています: %2").arg(what, unmappable));
    return std::move(*bytes);
}

std::vector<std::string> encodeTextLines(const QStringList& lines, const QString& what) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        appendStoredText(encodeTyped(line, what), out);
    if (out.size() > kMaxTextLines)
        throw KorvaneError(QStringLiteral("「%1」は %2 行までしか保存できません（%3 行あります）")
                               .arg(what)
                               .arg(kMaxTextLines)
                               .arg(out.size()));
    return out;
}

QString modifyQuestion(const QString& nation, const QString& area, const QString& name) {
    return nation + QStringLiteral("~") + area + QStringLiteral("【") + name +
           QStringLiteral("】の内容・報酬・メモの内容を変更します");
}

QString deleteQuestion(const QString& nation, const QString& area, const QString& name) {
    return nation + QStringLiteral("~") + area + QStringLiteral("【") + name +
           QStringLiteral("】削除しても良いですか");
}

} // namespace korvane
