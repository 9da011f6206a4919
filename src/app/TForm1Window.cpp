// The main window's keys, and what it remembers between runs.

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
        if (view_.memoTyped && view_.pane == ViewState::Pane::View)
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
    key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this, [this] { characters_->step(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this, [this] { characters_->step(-1); });
}

// The columns, the grid's width, the web pane's height and the filter as the user left them. A
// filter that no longer fits the data (a nation or area no quest has any more) falls back to all.
void TForm1::restoreWindowState() {
    remembered_ = readWindowState(place_.settingsFile);
    if (!remembered_)
        return;
    StringGrid1->setUserWidths(remembered_->columnWidths);
    if (remembered_->gridWidth > 0) {
        Splitter1->setSizes({remembered_->gridWidth, std::max(width() - remembered_->gridWidth, 1)});
        gridWidthChosen_ = true;
    }
    webHeight_ = remembered_->webHeight;

    // The grid still lists every quest as loaded.
    const auto holds = [this](QuestField field, const std::string& value) {
        for (const std::size_t line : StringGrid1->Lines())
            if (line != GridModel::kNoLine && fieldOf(checklist_->QuestList().lines()[line], field) == value)
                return true;
        return false;
    };
    if (filters_->chooseRemembered(remembered_->nation, remembered_->area, remembered_->progress, holds))
        RefillQuestGrid();
    filterShown_ = filters_->shown();
}

// Until the user drags the handle, the grid shows its columns whole when the window leaves the
// detail view room enough (a maximised window gets its size only after it is shown).
void TForm1::fitGridToWindow() {
    if (gridWidthChosen_)
        return;
    const int total = Splitter1->sizes().value(0) + Splitter1->sizes().value(1);
    const int grid = std::clamp(StringGrid1->wholeWidth(), StringGrid1->minimumWidth(),
                                std::max(StringGrid1->minimumWidth(), total - 640));
    Splitter1->setSizes({grid, std::max(total - grid, 1)});
}

void TForm1::showAsRemembered() {
    if (remembered_ && !remembered_->maximized) {
        setGeometry(remembered_->geometry);
        show();
    } else {
        if (remembered_)
            setGeometry(remembered_->geometry); // where it goes when restored
        showMaximized();
    }
}

void TForm1::saveWindowState() {
    if (place_.settingsFile.isEmpty())
        return; // no home to keep settings in
    WindowState state;
    state.geometry = normalGeometry().isValid() ? normalGeometry() : geometry();
    state.maximized = isMaximized();
    state.columnWidths = StringGrid1->userWidths();
    state.gridWidth = Splitter1->sizes().value(0);
    state.webHeight = view_.webOpen ? Splitter2->sizes().value(1) : webHeight_;
    state.nation = view_.filter.nation.value_or(std::string());
    state.area = view_.filter.area.value_or(std::string());
    state.progress = static_cast<int>(view_.search ? Progress::All : view_.filter.progress);
    writeWindowState(place_.settingsFile, state);
}

} // namespace korvane
