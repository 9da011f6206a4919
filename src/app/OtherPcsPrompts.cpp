#include "OtherPcsPrompts.h"

#include "ErrorBox.h"
#include "Startup.h"

#include <QApplication>
#include <QFileInfo>

namespace korvane {

OtherPcsPrompts::OtherPcsPrompts(StatusBar* status, Guard guard, QObject* parent)
    : QObject(parent), status_(status), guard_(std::move(guard)), Timer3(new QTimer(this)) {
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(kAnnouncementRefreshSeconds * 1000);
    connect(Timer3, &QTimer::timeout, this, [this] { guard_([this] { refresh(); }); });
}

void OtherPcsPrompts::watch(Checklist* checklist) {
    checklist_ = checklist;
    seen_ = checklist_->claim() ? checklist_->claim()->accepted : std::set<QString>{};
    if (checklist_->claim()) {
        guard_([this] { look(); });
        Timer3->start();
    } else {
        Timer3->stop();
    }
}

// The announcement is refreshed, so that the other PCs know this one still has the folder.
void OtherPcsPrompts::refresh() {
    if (!checklist_->folderStillThere())
        return emit folderGone();
    checklist_->announce();
    look();
}

// A PC that opens the folder while this one has it (both opened it within the sync tool's delay,
// say) is said once in a box, and in the status bar while it has it.
void OtherPcsPrompts::look() {
    QStringList names, arrived;
    std::set<QString> files;
    for (const OtherPc& other : checklist_->otherPcs()) {
        names << (other.name.isEmpty() ? QFileInfo(other.file).fileName() : other.name);
        files.insert(other.file);
        if (!seen_.contains(other.file))
            arrived << describeOtherPc(other);
    }
    status_->showOtherPcs(names);
    if (!arrived.isEmpty() && QApplication::activeModalWidget())
        return emit lookLaterAsked(); // said once the box on screen is answered
    seen_ = files;
    if (arrived.isEmpty())
        return;
    arrived << QString()
            << QStringLiteral("同じデータを二つの Korvane で同時に開くと、互いの編集を上書きします。"
                              "どちらか一方を閉じてください。");
    showWarningBox(arrived.join(QLatin1Char('\n')), QStringLiteral("OtherPcArrived"));
}

} // namespace korvane
