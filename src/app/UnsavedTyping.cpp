#include "UnsavedTyping.h"

#include "store/UiText.h"

namespace korvane {

QString unsavedQuestion(const ViewState& view, const QuestEditor& editor, const TextPanes& texts,
                        Discards what) {
    if (view.pane != ViewState::Pane::View) {
        if (!texts.anyTyped() && !(what == Discards::Everything && editor.fieldsTyped()))
            return {};
        return view.pane == ViewState::Pane::NewQuest
                   ? QStringLiteral("新しいクエスト %1 の入力は保存していません。追加しますか？")
                         .arg(toUi(view.paneNumber))
                   : QStringLiteral("クエスト %1 の修正は保存していません。保存しますか？")
                         .arg(toUi(view.paneNumber));
    }
    if (!texts.memoTyped() || view.questOnShow.empty())
        return {};
    return QStringLiteral("クエスト %1 のメモは保存していません。保存しますか？").arg(toUi(view.questOnShow));
}

std::optional<Draft> typedDraft(const ViewState& view, const QString& folder, const QuestEditor& editor,
                                const TextPanes& texts) {
    if (unsavedQuestion(view, editor, texts, Discards::Everything).isEmpty())
        return std::nullopt;
    if (view.pane == ViewState::Pane::View)
        return Draft{folder, view.questOnShow, DraftKind::Memo, texts.plainText(QuestText::Memo)};
    QStringList typed{editor.fields().join(QLatin1Char('\n'))};
    for (const QuestText which : kQuestTexts)
        typed << texts.plainText(which);
    return Draft{folder, view.paneNumber,
                 view.pane == ViewState::Pane::NewQuest ? DraftKind::NewQuest : DraftKind::QuestChange,
                 typed.join(QStringLiteral("\n\n"))};
}

bool playerBusy(const ViewState& view, const QuestEditor& editor, const TextPanes& texts) {
    return view.handling > 0 || view.pane != ViewState::Pane::View ||
           !unsavedQuestion(view, editor, texts, Discards::Everything).isEmpty();
}

} // namespace korvane
