#include "FirstStart.h"

#include "ErrorBox.h"
#include "store/DataFiles.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace korvane {
namespace {

bool holdsChecklist(const QString& folder) {
    return QFileInfo::exists(files::inFolder(folder, files::kQuestTable));
}

} // namespace

QString askHowToBegin(QWidget* parent) {
    while (!parent || parent->isVisible()) {
        QMessageBox box(
            QMessageBox::Question, kApplicationTitle,
            QStringLiteral(
                "Korvane をこの PC ではじめて使います。いま開いているのは、この PC に入っていたチェックリスト"
                "（はじめはサンプルのクエスト一覧）です。\n\n"
                "ほかの PC で使っているチェックリストを同期しているとき（Syncthing "
                "などで）は、同期しているフォルダを開いてください。次からもそのチェック"
                "リストを開きます。"),
            QMessageBox::NoButton, parent);
        box.setObjectName(QStringLiteral("FirstStart"));
        box.setTextFormat(Qt::PlainText);
        QPushButton* sample = box.addButton(QStringLiteral("このまま始める"), QMessageBox::AcceptRole);
        QPushButton* open =
            box.addButton(QStringLiteral("同期しているチェックリストを開く…"), QMessageBox::ActionRole);
        sample->setObjectName(QStringLiteral("BeginWithSample"));
        open->setObjectName(QStringLiteral("OpenSynced"));
        box.setDefaultButton(sample);
        box.setEscapeButton(sample);
        box.exec();
        if (box.clickedButton() != open)
            return {};
        const QString folder = QFileDialog::getExistingDirectory(
            parent, QStringLiteral("チェックリストのフォルダ（クエスト.csv のあるフォルダ）"),
            QDir::homePath(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (folder.isEmpty())
            continue;
        if (holdsChecklist(folder))
            return QFileInfo(folder).absoluteFilePath();
        showErrorBox(
            QStringLiteral(
                "フォルダ %1 に %2 がありません。同期しているチェックリストのフォルダを選んでください")
                .arg(QDir::toNativeSeparators(folder), files::kQuestTable));
    }
    return {};
}

} // namespace korvane
