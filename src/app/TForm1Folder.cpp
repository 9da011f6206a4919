// The data folder vanishes or moves while Korvane runs (deleted, renamed, a sync tool's folder
// removed): memory then holds the only copy of the checklist. The window stays as it is, and the
// player chooses where it goes: back where it was, into another folder, or nowhere.

#include "TForm1.h"

#include "ErrorBox.h"
#include "Startup.h"
#include "store/DataFiles.h"
#include "store/Errors.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <QPushButton>

namespace korvane {

bool TForm1::folderStillThere() const {
    return folderIdentity_.sameFile(FileStamp::identity(paths_.dataFolder));
}

void TForm1::folderGone() {
    const QString folder = QDir::toNativeSeparators(paths_.dataFolder);
    for (;;) {
        QMessageBox box(
            QMessageBox::Warning, kApplicationTitle,
            QStringLiteral("データのフォルダ %1 がなくなりました（削除されたか、名前が変わったか、"
                           "移されました）。\nチェックリストは Korvane が覚えています。書き出す先を"
                           "選んでください。選ぶまで、どのファイルにも書き込みません。")
                .arg(folder),
            QMessageBox::NoButton, this);
        box.setObjectName(QStringLiteral("FolderGone"));
        box.setTextFormat(Qt::PlainText);
        QPushButton* back = box.addButton(QStringLiteral("元の場所に書き戻す"), QMessageBox::AcceptRole);
        QPushButton* other =
            box.addButton(QStringLiteral("別のフォルダに書き出す…"), QMessageBox::ActionRole);
        QPushButton* quit = box.addButton(QStringLiteral("閉じる"), QMessageBox::RejectRole);
        box.setDefaultButton(back);
        box.setEscapeButton(quit);
        box.exec();
        if (box.clickedButton() == back && writeChecklistTo(paths_.dataFolder))
            return;
        if (box.clickedButton() == other) {
            const QString chosen = QFileDialog::getExistingDirectory(
                this, QStringLiteral("チェックリストを書き出すフォルダ"), QDir::homePath(),
                QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
            if (!chosen.isEmpty() && writeChecklistTo(chosen))
                return;
        }
        if (box.clickedButton() == quit || !box.clickedButton()) {
            folderGoneChosen_ = true;
            close();
            return;
        }
    }
}

// Writes every list that loaded into folder, which then is the data folder: locked and announced as
// at start. A folder that holds a checklist already is not written over.
bool TForm1::writeChecklistTo(const QString& folder) {
    bool written = false;
    runHandler([&] {
        const bool same = QDir(folder).absolutePath() == QDir(paths_.dataFolder).absolutePath();
        for (const QString& name : files::kDataFiles)
            if (!same && QFileInfo::exists(files::inFolder(folder, name)))
                throw KorvaneError(
                    QStringLiteral("フォルダ %1 にはすでにチェックリスト（%2）があるため、書き出しません")
                        .arg(QDir::toNativeSeparators(folder), name));
        if (!QDir().mkpath(folder))
            throw errors::cannotCreateFolder(folder);
        std::unique_ptr<FolderClaim> claim;
        if (claim_) {
            auto taken = LocalLock::take(folder, localLockFolder());
            if (std::holds_alternative<LocalLock::Holder>(taken))
                throw KorvaneError(QStringLiteral("この PC の別の Korvane がフォルダ %1 を開いています")
                                       .arg(QDir::toNativeSeparators(folder)));
            claim.reset(new FolderClaim{std::get<LocalLock>(std::move(taken)),
                                        Announcement(folder, claim_->announcement.me())});
        }
        for (StoredList* list : dataLists()) {
            const bool loaded = list->loaded();
            list->moveTo(files::inFolder(folder, QFileInfo(list->path()).fileName()));
            if (loaded)
                list->writeWhole();
        }
        paths_.dataFolder = QDir(folder).absolutePath();
        folderIdentity_ = FileStamp::identity(paths_.dataFolder);
        history_->clear(); // its steps belong to the files that went
        watcher_->addPath(paths_.dataFolder);
        watchDataFiles();
        Label21->setText(QDir(paths_.dataFolder).dirName());
        Label21->setToolTip(QDir::toNativeSeparators(paths_.dataFolder));
        if (claim) {
            claim_ = std::move(claim);
            claim_->announcement.write();
            rememberOpened(paths_.dataFolder);
        }
        sayInStatusBar(
            QStringLiteral("チェックリストを %1 に書き出しました").arg(QDir::toNativeSeparators(folder)));
        written = true;
    });
    return written;
}

} // namespace korvane
