#pragma once
// A check box that tells the player's changes from the program's. The one place that decides:
// every toggle is the player's (a click, the space bar, a screen reader's Toggle or Press) unless
// the program made it with showTicked; a mouse release that toggles nothing (the right button, a
// press released outside) is the player's too, asking to store the box as it stands.

#include <QCheckBox>

namespace korvane {

class FlagBox : public QCheckBox {
    Q_OBJECT
public:
    FlagBox(const QString& text, QWidget* parent);

    // Shows a state that is not the player's change: nothing is stored.
    void showTicked(bool ticked);

signals:
    // Any mouse button released over the box, after a left click has toggled it.
    void MouseUp();
    // The player's change, by any means, or a mouse release that changed nothing; once each.
    void changedByPlayer(bool byMouse);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool showing_ = false;   // inside showTicked
    bool releasing_ = false; // inside a mouse release, which says so itself
};

} // namespace korvane
