#pragma once
// The view pane of the detail view: the quest on show, its progress boxes and the buttons that
// act on it. It shows what it is given and says what the player asked for; it keeps no quest.

#include "store/Quest.h"
#include "widgets/FlagBox.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
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
    void flagClicked(QuestField flag);                  // CheckBox1–3 MouseUp
    void flagToggled(QuestField flag);                  // CheckBox1–3 changed by a key or a screen reader
    void memoSaveAsked();                               // Button2
    void modifyAsked();                                 // Button8
    void deleteAsked();                                 // Button3
    void lookUpAsked();                                 // Button17
    void setAsideAsked();                               // Button25: set aside, or taken back
    void questShown(const std::optional<Quest>& quest); // the quest now on show, or none

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    FlagBox* box(QuestField flag) const;

    QLabel* Label1 = nullptr;  // nation
    QLabel* Label2 = nullptr;  // area
    QLabel* Label3 = nullptr;  // quest name
    QLabel* Label4 = nullptr;  // place
    QLabel* Label5 = nullptr;  // condition
    QLabel* Label14 = nullptr; // quest number
    QLabel* Label23 = nullptr; // the other characters' progress of the quest
    QLabel* Label24 = nullptr; // when the quest was offered and completed, as the journal tells
    FlagBox* CheckBox1 = nullptr;
    FlagBox* CheckBox2 = nullptr;
    FlagBox* CheckBox3 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button17 = nullptr; // 調べる: the quest looked up on the web
    QPushButton* Button25 = nullptr; // 見送り: down while the quest is set aside
};

} // namespace korvane
