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
    { // the preview is let go before the import writes: a full one is a few megabytes
        ImportDialog preview(folder, previewImport(questData(), *theirs), this);
        if (preview.exec() != QDialog::Accepted)
            return;
        leftOut = preview.leftOut();
    }
    const std::string shown = shown_.number;
    showingStored([&] { applyImport(questData(), *theirs, leftOut); },
                  [&] {
                      closeEditPane();
                      std::vector<QuestRecord> rows; // the import may bring nations the columns must fit
                      for (const std::string& line : QuestList.lines().lines())
                          rows.push_back(splitQuestRecord(line));
                      fitGridColumns(rows);
                      RefillQuestGrid();
                      showQuest(shown);
                  });
}

} // namespace korvane
