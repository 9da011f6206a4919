#include "TypedQuest.h"

#include "browser/TextView.h"

namespace korvane {
QuestTexts newQuestTexts(const TextPaneControls& texts) {
    return {encodeTextLines(texts.RichEdit1->typedLines(), QStringLiteral("内容")),
            encodeTextLines(texts.Memo2->typedLines(), QStringLiteral("報酬")),
            encodeTextLines(texts.Memo3->typedLines(), QStringLiteral("メモ"))};
}

QuestTexts changedTexts(const TextPaneControls& texts) {
    const auto changed = [](const TextView* view,
                            const QString& what) -> std::optional<std::vector<std::string>> {
        if (!view->changedByUser())
            return std::nullopt;
        return encodeTextLines(view->typedLines(), what);
    };
    return {changed(texts.RichEdit1, QStringLiteral("内容")), changed(texts.Memo2, QStringLiteral("報酬")),
            changed(texts.Memo3, QStringLiteral("メモ"))};
}

} // namespace korvane
