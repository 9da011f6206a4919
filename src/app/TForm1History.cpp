// The main window's history: every edit is a step that 元に戻す undoes and やり直し redoes, written
// back through the same safe path as the edit itself.

#include "TForm1.h"

#include "EditCommand.h"
#include "store/UiText.h"

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

// Named by what the edit did and its quest: "オファー 0004", "取り込み (12 件)".
void TForm1::record(EditStep step, const QString& what, const std::string& number) {
    if (step.changesNothing())
        return;
    const QString name = what.contains(QLatin1Char('(')) ? what : what + QLatin1Char(' ') + toUi(number);
    history_->push(new EditCommand(std::move(step), number, name));
    sayInStatusBar(
        QStringLiteral("%1 を保存しました").arg(name)); // the last action's word, not an older one's
}

void TForm1::Button14Click() {
    stepThroughHistory(true);
}

void TForm1::Button15Click() {
    stepThroughHistory(false);
}

// Writes the step back before the history moves: a refused one (a file changed by another program)
// writes nothing, and then, as after a step that stopped part-way, the history no longer fits the
// files and is emptied.
void TForm1::stepThroughHistory(bool back) {
    if (!(back ? history_->canUndo() : history_->canRedo()) || !settleTyping(Discards::Everything))
        return;
    const auto* command =
        static_cast<const EditCommand*>(history_->command(history_->index() - (back ? 1 : 0)));
    const std::string number = command->number();
    try {
        applyStep(command->step());
    } catch (const FileChangedError&) {
        history_->clear();
        throw;
    } catch (const KorvaneError&) {
        history_->clear();
        showStep(number, nullptr);
        throw;
    }
    back ? history_->undo() : history_->redo();
    showStep(number, &command->step());
    // A merged conflict copy an undo brings back is offered again.
    for (const EditStep::Move& move : command->step().moves) {
        offeredCopies_.erase(move.from);
        offeredCopies_.erase(move.to);
    }
    sayInStatusBar((back ? QStringLiteral("元に戻しました: %1") : QStringLiteral("やり直しました: %1"))
                       .arg(command->text()));
}

// The window as the files now are, under the same filters (or the same search), with the step's
// quest on show, listed even where the filter would hide it. A step that changed lines in place (a
// tick, a memo, a modification) redraws what it changed, as the edit itself did.
void TForm1::showStep(const std::string& number, const EditStep* step) {
    closeEditPane();
    if (step && changedInPlace(*step)) {
        for (const EditStep::Part& part : step->parts)
            if (part.list == &QuestList)
                for (const LineRange& range : part.ranges)
                    StringGrid1->linesChanged(range.first, range.count);
        updateStatusBar();
        const std::optional<std::size_t> line = QuestList.find(number);
        if (line && shown_.number == number && StringGrid1->LineAt(StringGrid1->Row()) == line)
            return redrawShownQuest(*step);
    } else if (lastSearchBox_) {
        showSearch(lastSearchBox_, *lastSearchFile_, lastSearchText_);
    } else {
        RefillQuestGrid();
    }
    const std::optional<std::size_t> line = QuestList.find(number);
    std::vector<std::size_t> lines = StringGrid1->Lines();
    if (line && std::find(lines.begin(), lines.end(), *line) == lines.end()) {
        std::erase(lines, GridModel::kNoLine);
        lines.insert(std::upper_bound(lines.begin(), lines.end(), *line), *line);
        StringGrid1->setRows(std::move(lines));
        updateStatusBar();
    }
    showQuest(number);
}

// Whether no list's lines moved: each range holds as many lines as it replaced.
bool TForm1::changedInPlace(const EditStep& step) const {
    for (const EditStep::Part& part : step.parts)
        for (const LineRange& range : part.ranges)
            if (range.count != range.insert.size())
                return false;
    return true;
}

// The quest on show, with what the step changed of it shown anew: its fields and boxes, and each
// text whose store the step wrote.
void TForm1::redrawShownQuest(const EditStep& step) {
    const QuestRecord record = shownRecord();
    for (const auto& [label, field] : {std::pair{Label1, kNation},
                                       {Label2, kArea},
                                       {Label3, kName},
                                       {Label4, kPlace},
                                       {Label5, kCondition}})
        label->setText(toUi(record[field]));
    CheckBox1->setChecked(record[kOffered] == "1");
    CheckBox2->setChecked(record[kCompleted] == "1");
    CheckBox3->setChecked(record[kRepeatable] == "1");
    for (const EditStep::Part& part : step.parts) {
        if (part.list == &ContentStore) {
            RichEdit1->setLines(ContentStore.readText(shown_.number));
            RichEdit1->scrollToFirstLine();
        } else if (part.list == &RewardStore) {
            Memo2->setLines(RewardStore.readText(shown_.number));
        } else if (part.list == &MemoStore) {
            Memo3->setLines(MemoStore.readText(shown_.number));
            Button2->setVisible(false);
        }
    }
}

// In a text box that can be typed in, the keys undo and redo its typing; elsewhere, the edits.
void TForm1::undoKey() {
    if (!typingTakesKey(false))
        Button14Click();
}

void TForm1::redoKey() {
    if (!typingTakesKey(true))
        Button15Click();
}

std::size_t TForm1::historyBytes() const {
    std::size_t total = 0;
    for (int i = 0; i < history_->count(); ++i)
        total += static_cast<const EditCommand*>(history_->command(i))->step().bytes();
    return total;
}

void TForm1::historyChanged() {
    const auto tip = [](const QString& action, const QString& step, const QString& key) {
        return step.isEmpty() ? QStringLiteral("%1 (%2)").arg(action, key)
                              : QStringLiteral("%1: %2 (%3)").arg(action, step, key);
    };
    Button14->setEnabled(history_->canUndo());
    Button14->setToolTip(tip(QStringLiteral("元に戻す"), history_->undoText(), QStringLiteral("Ctrl+Z")));
    Button15->setEnabled(history_->canRedo());
    Button15->setToolTip(tip(QStringLiteral("やり直し"), history_->redoText(), QStringLiteral("Ctrl+Y")));
}

} // namespace korvane
