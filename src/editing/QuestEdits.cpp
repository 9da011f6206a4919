#include "QuestEdits.h"

#include "store/Errors.h"
#include "store/UiText.h"

namespace korvane {
namespace {

void appendIfAny(TextStore& store, std::string_view number, const std::vector<std::string>& text) {
    if (text.empty())
        return; // an editor without lines leaves its store and its file untouched
    store.appendText(number, text);
    store.lines().sort();
    store.save();
}

void removeAndSave(TextStore& store, std::string_view number) {
    store.removeText(number);
    store.lines().sort();
    store.save();
}

} // namespace

std::string nextQuestNumber(const QuestTable& table) {
    if (table.maxQuestNo() >= kMaxQuestNumber)
        throw KorvaneError(
            QStringLiteral("クエスト番号が %1 に達しているため、新しいクエストは追加できません")
                .arg(kMaxQuestNumber));
    return formatQuestNumber(table.maxQuestNo() + 1);
}

std::size_t requireKnownQuest(QuestTable& table, std::string_view number, const QString& refusal) {
    const auto index = table.find(number);
    if (!index)
        throw KorvaneError(refusal);
    return *index;
}

void saveMemo(QuestData data, std::string_view number, const QStringList& lines) {
    requireKnownQuest(data.table, number, QStringLiteral("メモを保存するクエストが表示されていません"));
    data.memo.replaceText(number, encodeTextLines(lines, QStringLiteral("メモ")));
}

std::string addQuest(QuestData data, QuestRecord record, const QuestTexts& texts) {
    requireLoaded({&data.table});
    if (!texts.content.empty())
        data.content.requireLoaded();
    if (!texts.reward.empty())
        data.reward.requireLoaded();
    if (!texts.memo.empty())
        data.memo.requireLoaded();
    const std::string number = data.table.addQuest(std::move(record));
    data.table.save();
    appendIfAny(data.content, number, texts.content);
    appendIfAny(data.reward, number, texts.reward);
    appendIfAny(data.memo, number, texts.memo);
    return number;
}

void modifyQuest(QuestData data, std::size_t tableIndex, const QuestRecord& record,
                 std::string_view textNumber, const QuestTexts& texts) {
    requireLoaded({&data.table, &data.content, &data.reward, &data.memo});
    data.table.replaceLine(tableIndex, record);
    data.table.save();
    data.content.replaceText(textNumber, texts.content);
    data.reward.replaceText(textNumber, texts.reward);
    data.memo.replaceText(textNumber, texts.memo);
}

void deleteQuest(QuestData data, std::string_view number) {
    requireLoaded({&data.table, &data.content, &data.reward, &data.memo});
    data.table.deleteQuest(number);
    data.table.save();
    removeAndSave(data.content, number);
    removeAndSave(data.reward, number);
    removeAndSave(data.memo, number);
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
    if (lines.size() > static_cast<qsizetype>(kMaxTextLines))
        throw KorvaneError(QStringLiteral("「%1」は %2 行までしか保存できません（%3 行あります）")
                               .arg(what)
                               .arg(kMaxTextLines)
                               .arg(lines.size()));
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        out.push_back(encodeTyped(line, what));
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
