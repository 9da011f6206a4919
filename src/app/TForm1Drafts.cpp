// Typing that is not saved survives what would throw it away without a question: files read again
// after an edit was refused, and the system ending the program.

#include "TForm1.h"

#include "UnsavedTyping.h"
#include "store/UiText.h"

#include <QApplication>
#include <QDialog>
#include <QDir>

namespace korvane {

// A memo goes back into the editor over the quest as the files now hold it, still to be saved;
// anything else is kept as a draft, and said where.
void TForm1::putBackTyping(const Draft& draft) {
    showQuest(draft.number);
    if (draft.kind == DraftKind::Memo && view_.pane == ViewState::Pane::View &&
        view_.questOnShow == draft.number) {
        texts_->typeMemo(draft.text); // typed again: Memo3Change offers to save it
        StatusBar1->say(QStringLiteral("クエスト %1 のメモは保存していません。入力はメモ欄に残しています")
                            .arg(toUi(draft.number)));
        return;
    }
    keepDraft(UserFolders::fromEnvironment(), draft);
    const QString aside = setDraftAside(UserFolders::fromEnvironment(), checklist_->folder());
    showWarningBox(
        QStringLiteral("保存していない入力（クエスト %1 の%2）をファイル %3 に残しました。\n\n%4")
            .arg(toUi(draft.number), draftKindText(draft.kind), QDir::toNativeSeparators(aside), draft.text),
        QStringLiteral("DraftKept"));
}

void TForm1::endQuietly() {
    runHandler([this] {
        if (const std::optional<Draft> typed = typedDraft(view_, checklist_->folder(), *ScrollBox2, *texts_))
            keepDraft(UserFolders::fromEnvironment(), *typed);
    });
    endingQuietly_ = true;
    // A question open then is left unanswered: the system asked to end, and a box still on the
    // screen would keep the program running.
    while (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        modal->reject();
        if (modal == QApplication::activeModalWidget())
            break;
    }
    close();
}

} // namespace korvane
