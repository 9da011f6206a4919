#pragma once
// This PC's announcement in the checklist's folder, refreshed every minute (Timer3), and the other
// PCs that have the folder open: each said once in a box when it arrives, and in the status bar
// while it has the folder.

#include "StatusBar.h"
#include "editing/Checklist.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <set>

namespace korvane {

class OtherPcsPrompts : public QObject {
    Q_OBJECT
public:
    // guard: the one error path, which its own timer's work runs through.
    using Guard = std::function<void(const std::function<void()>&)>;
    OtherPcsPrompts(StatusBar* status, Guard guard, QObject* parent);

    // The checklist's folder from now on: the PCs the player opened it beside are known already.
    void watch(Checklist* checklist);
    // Looks at the other PCs' announcements now.
    void look();

signals:
    // A box is on the screen: another look in a while says what came.
    void lookLaterAsked();
    // The folder went from under the announcement: the folder's own look says where.
    void folderGone();

private:
    void refresh();

    StatusBar* status_;
    Guard guard_;
    Checklist* checklist_ = nullptr;
    QTimer* Timer3 = nullptr; // refreshes this PC's announcement
    std::set<QString> seen_;  // their announcements, as at the last look
};

} // namespace korvane
