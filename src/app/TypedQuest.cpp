#include "TypedQuest.h"

#include "browser/TextView.h"

namespace korvane {
namespace {

const char* flagOf(const QCheckBox* box) {
    return box->isChecked() ? "1" : "0";
}

} // namespace

QuestRecord composeRecord(const EditPaneControls& pane, const std::string& number) {
    return {number,
            encodeTyped(pane.ComboBox3->Text(), fieldCaption(kNation)),
            encodeTyped(pane.ComboBox4->Text(), fieldCaption(kArea)),
            encodeTyped(pane.Edit3->text(), fieldCaption(kName)),
            encodeTyped(pane.Edit4->text(), fieldCaption(kPlace)),
            encodeTyped(pane.Edit5->text(), fieldCaption(kCondition)),
            flagOf(pane.CheckBox4),
            flagOf(pane.CheckBox5),
            flagOf(pane.CheckBox6)};
}

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

QStringList paneFields(const EditPaneControls& pane) {
    return {pane.ComboBox3->Text(), pane.ComboBox4->Text(), pane.Edit3->text(), pane.Edit4->text(),
            pane.Edit5->text()};
}

} // namespace korvane
