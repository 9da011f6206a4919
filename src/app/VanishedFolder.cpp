#include "VanishedFolder.h"

#include "ErrorBox.h"
#include "store/PlayerChecklists.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace korvane {

std::optional<QString> placeVanishedChecklist(Checklist& checklist, const FolderLook& look, QWidget* parent) {
    QString gone = QStringLiteral("データのフォルダ %1 ").arg(QDir::toNativeSeparators(checklist.folder()));
    if (look.folderThere) {
        QStringList names;
        for (std::size_t i = 0; i < look.now.size(); ++i)
            if (!look.now[i].exists() && checklist.lists()[i]->fileExists())
                names << QFileInfo(checklist.lists()[i]->path()).fileName();
        gone += QStringLiteral("の %1 ").arg(names.join(QStringLiteral("、")));
    }
    for (;;) {
        QMessageBox box(
            QMessageBox::Warning, kApplicationTitle,
            gone + QStringLiteral("がなくなりました（削除されたか、名前が変わったか、移されました）。\n"
                                  "チェックリストは Korvane が覚えています。書き出す先を選んでください。"
                                  "選ぶまで、どのファイルにも書き込みません。"),
            QMessageBox::NoButton, parent);
        box.setObjectName(QStringLiteral("FolderGone"));
        box.setTextFormat(Qt::PlainText);
        QPushButton* back = box.addButton(QStringLiteral("元の場所に書き戻す"), QMessageBox::AcceptRole);
        QPushButton* other =
            box.addButton(QStringLiteral("別のフォルダに書き出す…"), QMessageBox::ActionRole);
        QPushButton* quit = box.addButton(QStringLiteral("閉じる"), QMessageBox::RejectRole);
        box.setDefaultButton(back);
        box.setEscapeButton(quit);
        box.exec();
        QString target;
        if (box.clickedButton() == back)
            target = folderInAnyForm(checklist.folder()); // renamed to another Unicode form: there
        else if (box.clickedButton() == other)
            target = QFileDialog::getExistingDirectory(
                parent, QStringLiteral("チェックリストを書き出すフォルダ"), QDir::homePath(),
                QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        else
            return std::nullopt;
        bool written = false;
        if (!target.isEmpty())
            runHandler([&] {
                checklist.writeTo(target);
                written = true;
            });
        if (written)
            return target;
    }
}

} // namespace korvane
