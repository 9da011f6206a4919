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
public:
    // lookLater: looks again in a while (a box is on the screen); lookAtFolder: the folder's look,
    // when the folder went from under the announcement. guard: the one error path.
    struct Hooks {
        std::function<void()> lookLater;
        std::function<void()> lookAtFolder;
        std::function<void(const std::function<void()>&)> guard;
    };
    OtherPcsPrompts(StatusBar* status, Hooks hooks, QObject* parent);

    // The checklist's folder from now on: the PCs the player opened it beside are known already.
    void watch(Checklist* checklist);
    // Looks at the other PCs' announcements now.
    void look();

private:
    void refresh();

    StatusBar* status_;
    Hooks hooks_;
    Checklist* checklist_ = nullptr;
    QTimer* Timer3 = nullptr; // refreshes this PC's announcement
    std::set<QString> seen_;  // their announcements, as at the last look
};

} // namespace korvane
