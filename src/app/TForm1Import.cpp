// The main window's import of an updated quest list from another data folder.

#include "TForm1.h"

#include "editing/ImportDialog.h"
#include "editing/QuestImport.h"

#include <QFileDialog>

namespace korvane {

// Asks for the folder, reads it by the start-up rules, shows what would change, and writes only
// when the player takes it; then shows the table under the same filters, on the same quest.
void TForm1::Button13Click() {
    if (!settleTyping(Discards::Everything))
        return;
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("取り込むデータのフォルダ"), QDir::homePath(),
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return;
    const std::unique_ptr<ImportSet> theirs = readImportSet(folder);
    std::set<std::string> leftOut;
    std::size_t taken = 0; // the quests it adds or changes
    {                      // the preview is let go before the import writes: a full one is a few megabytes
        ImportDialog preview(folder, previewImport(questData(), *theirs), this);
        if (preview.exec() != QDialog::Accepted)
            return;
        leftOut = preview.leftOut();
        taken = static_cast<std::size_t>(preview.counts().added + preview.counts().changed) - leftOut.size();
    }
    const std::string shown = shown_.number;
    showingStored(
        [&] {
            EditStep step;
            applyImport(questData(), *theirs, leftOut, &step);
            record(std::move(step), QStringLiteral("取り込み (%1 件)").arg(taken), shown);
        },
        [&] {
            closeEditPane();
            std::vector<QuestRecord> rows; // the import may bring nations the columns must fit
            for (const std::string& line : QuestList.lines().lines())
                rows.push_back(splitQuestRecord(line));
            fitGridColumns(rows);
            showAsFilesAre(shown);
        });
}

} // namespace korvane
