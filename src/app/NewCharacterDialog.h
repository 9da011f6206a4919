#pragma once
// "新しいキャラクター": the character's name, the folder of its checklist (beside the current one
// unless the player picks another) and what it starts with. Returns the choice; the window makes it.

#include "editing/Characters.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace korvane {

class NewCharacterDialog : public QDialog {
    Q_OBJECT
public:
    NewCharacterDialog(const QString& currentFolder, QWidget* parent);

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
