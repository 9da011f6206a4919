// The main window's keys.

#include "TForm1.h"

#include "ErrorBox.h"
#include "browser/AreaLists.h"
#include "store/UiText.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

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

void TForm1::setUpKeys() {
    const auto key = [this](const QKeySequence& keys, QWidget* scope, auto&& act) {
        auto* shortcut = new QShortcut(keys, scope);
        if (scope != this)
            shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, act] { guarded(act); });
    };
    key(QKeySequence::Find, this, [this] { searches_->focusContentSearch(); });
    key(QKeySequence::Save, this, [this] {
        if (texts_->memoTyped() && view_.pane == ViewState::Pane::View)
            Button2Click();
    });
    // In a text box that can be typed in, the keys undo and redo its typing; elsewhere, the edits.
    key(QKeySequence::Undo, this, [this] {
        if (!typingTakesKey(false))
            stepThroughHistory(true);
    });
    for (const QKeySequence& redo :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        key(redo, this, [this] {
            if (!typingTakesKey(true))
                stepThroughHistory(false);
        });
    key(QKeySequence::Cancel, ScrollBox2, [this] { Button7Click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_M), this, [this] {
        if (view_.pane == ViewState::Pane::View && !view_.questOnShow.empty())
            Button25Click();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this, [this] { characters_->step(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this, [this] { characters_->step(-1); });
}

void TForm1::showAsRemembered() {
    placement_->show();
}

} // namespace korvane
