#pragma once
// "新しいキャラクター": the character's name, the folder of its checklist (in the main character's
// folder unless the player picks another) and what it starts with: the quests alone, or a copy of
// the checklist on show, which it names. Returns the choice; the window makes it.

#include "editing/Characters.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace korvane {

class NewCharacterDialog : public QDialog {
    Q_OBJECT
public:
    NewCharacterDialog(const QString& mainFolder, const QString& shownName, QWidget* parent);

    QString name() const;
    QString folder() const;
    NewCharacter how() const;

private:
    QLineEdit* name_;
    QLineEdit* folder_;
    QRadioButton* fresh_;
    bool folderTyped_ = false;
};

} // namespace korvane
