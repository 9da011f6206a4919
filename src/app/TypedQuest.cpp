#include "TypedQuest.h"

namespace korvane {
namespace {

QString captionOf(QuestText which) {
    switch (which) {
    case QuestText::Content:
        return QStringLiteral("内容");
    case QuestText::Reward:
        return QStringLiteral("報酬");
    case QuestText::Memo:
        break;
    }
    return QStringLiteral("メモ");
}

} // namespace

QuestTexts newQuestTexts(const TextPanes& texts) {
    const auto typed = [&](QuestText which) {
        return encodeTextLines(texts.view(which).typedLines(), captionOf(which));
    };
    return {typed(QuestText::Content), typed(QuestText::Reward), typed(QuestText::Memo)};
}

QuestTexts changedTexts(const TextPanes& texts) {
    const auto changed = [&](QuestText which) -> std::optional<std::vector<std::string>> {
        if (!texts.view(which).changedByUser())
            return std::nullopt;
        return encodeTextLines(texts.view(which).typedLines(), captionOf(which));
    };
    return {changed(QuestText::Content), changed(QuestText::Reward), changed(QuestText::Memo)};
}

} // namespace korvane
