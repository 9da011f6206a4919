// The main window's keys.

#include "TForm1.h"

#include "Appearance.h"
#include "ErrorBox.h"
#include "KeysDialog.h"
#include "browser/AreaLists.h"
#include "store/UiText.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace korvane {
namespace {

// Whether the focus is in a text box that can be typed in, which then undoes or redoes its typing.
bool typingTakesKey(bool redo) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus); line && !line->isReadOnly()) {
        redo ? line->redo() : line->undo();
        return true;
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(focus); text && !text->isReadOnly()) {
        redo ? text->redo() : text->undo();
        return true;
    }
    return false;
}

} // namespace

// Every key is an action of the window with its words, so that the list of keys (F1) is made from
// the actions themselves. A window's action takes its key wherever the focus is in the window.
void TForm1::setUpKeys() {
    const auto key = [this](const char* name, const QString& words, const QList<QKeySequence>& keys,
                            auto&& act, QWidget* scope = nullptr) {
        auto* action = new QAction(words, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(scope ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut);
        (scope ? scope : this)->addAction(action);
        connect(action, &QAction::triggered, this, [this, act] { guarded(act); });
    };
    key("FindContent", QStringLiteral("内容を検索する"), {QKeySequence::Find},
        [this] { searches_->focusContentSearch(); });
    key("SaveMemo", QStringLiteral("メモを保存する"), {QKeySequence::Save}, [this] {
        if (texts_->memoTyped() && view_.pane == ViewState::Pane::View)
            Button2Click();
    });
    // In a text box that can be typed in, the keys undo and redo its typing; elsewhere, the edits.
    key("Undo", QStringLiteral("元に戻す（入力中の欄ではその入力）"), {QKeySequence::Undo}, [this] {
        if (!typingTakesKey(false))
            stepThroughHistory(true);
    });
    key("Redo", QStringLiteral("やり直す（入力中の欄ではその入力）"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, [this] {
            if (!typingTakesKey(true))
                stepThroughHistory(false);
        });
    key(
        "CancelEdit", QStringLiteral("新しいクエスト・修正をやめる"), {QKeySequence::Cancel},
        [this] { Button7Click(); }, ScrollBox2);
    key("SetAside", QStringLiteral("表示中のクエストを見送りにする／解除する"),
        {QKeySequence(Qt::CTRL | Qt::Key_M)}, [this] {
            if (view_.pane == ViewState::Pane::View && !view_.questOnShow.empty())
                Button25Click();
        });
    key("NextCharacter", QStringLiteral("次のキャラクターに切り替える"),
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, [this] { characters_->step(1); });
    key("PreviousCharacter", QStringLiteral("前のキャラクターに切り替える"),
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp)}, [this] { characters_->step(-1); });
    key("Quit", QStringLiteral("終了する（閉じるボタンと同じ）"), {QKeySequence(Qt::CTRL | Qt::Key_Q)},
        [this] { close(); });
    key("KeyList", QStringLiteral("キーの一覧と使い方"), {QKeySequence(Qt::Key_F1)}, [this] {
        QList<QAction*> keyed;
        for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
            if (!action->shortcuts().isEmpty())
                keyed << action;
        KeysDialog dialog(keyed, installedGuide(), keptShadeChoice(), this);
        dialog.exec();
        if (dialog.shadeChoice() != keptShadeChoice())
            useShadeChoice(*qApp, dialog.shadeChoice());
    });
}

void TForm1::showAsRemembered() {
    placement_->show();
}

} // namespace korvane
