#pragma once
// The edit pane: takes the view pane's place while a quest is entered or modified. It holds what
// the player types and says what the player asked for; the window stores it.

#include "editing/QuestEdits.h"
#include "store/Quest.h"
#include "widgets/DropDown.h"
#include "widgets/FlagBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <array>

namespace korvane {

class QuestEditor : public QScrollArea {
    Q_OBJECT
public:
    explicit QuestEditor(QWidget* parent = nullptr);

    // Empty fields for a new quest under number; the boxes stay as they were.
    void openNew(const std::string& number);
    // The quest's fields and progress, to be modified under number; none: empty fields, the boxes
    // as they were.
    void openModify(const std::string& number, const std::optional<Quest>& quest);
    // 追加 for a new quest, 修正 for a modification.
    void showButtonsFor(bool newQuest);

    // The quest as typed, under number, as it is stored: the one-line fields cleaned first (",",
    // spaces), refused before anything is written when code page 932 cannot hold a character.
    QuestRecord typedRecord(const std::string& number);
    // The one-line fields as they read now, to tell whether the player typed in them.
    QStringList fields() const;
    bool fieldsTyped() const { return fields() != opened_; }
    void forgetTyping() { opened_ = fields(); }

signals:
    void addAsked();                   // Button4
    void modifyAsked();                // Button9
    void cancelAsked();                // Button7
    void flagClicked(QuestField flag); // CheckBox4–6 MouseUp

private:
    void ComboBox3Change();
    void addFields(QWidget* pane);
    void widenEditFields();
    // The field's editor, and what it reads now.
    QWidget* typedIn(QuestField field) const;
    QString typed(QuestField field) const;

    QStringList opened_;                              // the one-line fields as the pane opened
    QLabel* Label6 = nullptr;                         // quest number
    std::array<DropDown*, kQuestFieldCount> chosen_{}; // the texts picked from known values (nation, area)
    std::array<QLineEdit*, kQuestFieldCount> lines_{}; // the texts typed in a line
    std::array<FlagBox*, kQuestFieldCount> boxes_{};   // each flag (CheckBox4–6)
    QPushButton* Button4 = nullptr; // 追加
    QPushButton* Button9 = nullptr; // 修正
    QPushButton* Button7 = nullptr; // 取消
};

} // namespace korvane
