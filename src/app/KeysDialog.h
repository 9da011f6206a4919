#pragma once
// The list of the window's keys (F1), made from the window's actions themselves, so that it cannot
// go stale, with a link to the player's guide where it is installed.

#include <QDialog>
#include <QList>

class QAction;

namespace korvane {

class KeysDialog : public QDialog {
    Q_OBJECT
public:
    // actions: every action of the window that has a key; guide: the guide's path, empty when none.
    KeysDialog(const QList<QAction*>& actions, const QString& guide, QWidget* parent);
};

// The player's guide as this installation holds it: beside the program (a zip or the Windows
// installer), in the system's documentation (the Debian package), or beside the build folder of a
// source tree (scripts/run); empty when there is none.
QString installedGuide();

} // namespace korvane
