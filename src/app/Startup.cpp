#include "Startup.h"

#include "ErrorBox.h"
#include "store/DataFolder.h"
#include "store/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace korvane {
namespace {

QString lockQuestion(const QString& folder, const LockHolder& holder) {
    const QString since = holder.since.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    const QString who =
        holder.thisPc
            ? QStringLiteral("この PC の Korvane（プロセス %1）が %2 から").arg(holder.pid).arg(since)
            : QStringLiteral("別の PC「%1」の Korvane が %2 から").arg(holder.host, since);
    return who + QStringLiteral("このフォルダを開いています。\n%1\n\n"
                                "同じデータを二つの Korvane で同時に開くと、互いの編集を上書きします。"
                                "その Korvane を先に閉じてください。\n"
                                "その Korvane がもう動いていない（PC の電源が切れた、落ちた）ときだけ、"
                                "「開く」でこのフォルダを引き継いでください。")
                     .arg(QDir::toNativeSeparators(folder));
}

} // namespace

std::optional<AppPaths> dataPaths(const QStringList& arguments, const QString& programFile) {
    std::optional<QString> folder;
    if (arguments.size() >= 2) {
        folder = arguments[1];
        if (!QFileInfo(*folder).isDir()) {
            showErrorBox(
                QStringLiteral("データのフォルダ %1 がありません").arg(QDir::toNativeSeparators(*folder)));
            return std::nullopt;
        }
    }
    const DataPlace place = chooseDataPlace(
        programFile, folder, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (place.userFolder) {
        try {
            prepareUserFolder(place.dataFolder, installedSampleFolder(programFile));
        } catch (const KorvaneError& error) {
            showErrorBox(error.message());
            return std::nullopt;
        }
    }
    return AppPaths{place.dataFolder, place.settingsFile};
}

std::optional<FolderLock> claimDataFolder(const QString& folder) {
    FolderLock claim = lockDataFolder(folder);
    if (!claim.heldBy)
        return claim;
    QMessageBox box(QMessageBox::Warning, kApplicationTitle, lockQuestion(folder, *claim.heldBy),
                    QMessageBox::NoButton);
    box.setObjectName(QStringLiteral("LockQuestion"));
    box.setTextFormat(Qt::PlainText); // a PC's name and a path: text, never markup
    QPushButton* open = box.addButton(QStringLiteral("開く"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(QStringLiteral("終了"), QMessageBox::RejectRole);
    box.setDefaultButton(quit);
    box.setEscapeButton(quit);
    box.exec();
    if (box.clickedButton() != open)
        return std::nullopt;
    return takeOverDataFolder(folder);
}

} // namespace korvane
