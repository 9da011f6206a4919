#pragma once
// The view pane of the detail view: the quest on show, its progress boxes and the buttons that
// act on it. It shows what it is given and says what the player asked for; it keeps no quest.

#include "store/Quest.h"
#include "widgets/FlagBox.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <array>
#include <optional>

namespace korvane {

class QuestView : public QScrollArea {
    Q_OBJECT
public:
    explicit QuestView(QWidget* parent = nullptr);

    // The quest's fields and boxes; none: nothing (the title row), every field empty.
    void showQuest(const std::optional<Quest>& quest);
    // The boxes as the file holds the quest's progress.
    void showFlags(const Quest& quest);
    // Whether the player's click left the box ticked.
    bool ticked(QuestField flag) const;
    void showOthersProgress(const QString& text) { Label23->setText(text); }
    void showDates(const QString& text) { Label24->setText(text); }
    // Whether the quest is set aside: since when, as stored; empty when it is not.
    void showSetAside(const QString& since);
    // メモの修正 is offered while the memo holds typing not saved.
    void offerMemoSave(bool offered) { Button2->setVisible(offered); }

signals:
    // CheckBox1–3 changed: by MouseUp, or by a key or a screen reader.
    void flagChanged(QuestField flag, bool byMouse);
    void memoSaveAsked();                               // Button2
    void modifyAsked();                                 // Button8
    void deleteAsked();                                 // Button3
    void lookUpAsked();                                 // Button17
    void setAsideAsked();                               // Button25: set aside, or taken back
    void questShown(const std::optional<Quest>& quest); // the quest now on show, or none

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void addFields(QWidget* pane);

    std::array<QLabel*, kQuestFieldCount> values_{}; // the number and each text (Label14, Label1–5)
    std::array<FlagBox*, kQuestFieldCount> boxes_{}; // each flag (CheckBox1–3)
    QLabel* Label23 = nullptr;                       // the other characters' progress of the quest
    QLabel* Label24 = nullptr; // when the quest was offered and completed, as the journal tells
    QPushButton* Button2 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button17 = nullptr; // 調べる: the quest looked up on the web
    QPushButton* Button25 = nullptr; // 見送り: down while the quest is set aside
};

} // namespace korvane
