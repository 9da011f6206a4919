#pragma once
// The list of the window's keys (F1), made from the window's actions themselves, so that it cannot
// go stale, with a link to the player's guide where it is installed, and the choice of colours
// (自動, 明るい, 暗い), which the window takes after the dialog closes.

#include <QDialog>
#include <QList>

#include "widgets/Colours.h"

class QAction;
class QComboBox;

namespace korvane {

class KeysDialog : public QDialog {
    Q_OBJECT
public:
    // actions: every action of the window that has a key; guide: the guide's path, empty when none.
    KeysDialog(const QList<QAction*>& actions, const QString& guide, ShadeChoice shade, QWidget* parent);
    ShadeChoice shadeChoice() const;

private:
    QComboBox* ComboBox9;
};

// The player's guide as this installation holds it: beside the program (a zip or the Windows
// installer), in the system's documentation (the Debian package), or beside the build folder of a
// source tree (scripts/run); empty when there is none.
QString installedGuide();

} // namespace korvane
