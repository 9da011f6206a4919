// The main window's hold on its data files: reading them, and reading them again when another
// program changed them. Korvane never writes over such a change; it offers to read the files anew.

#include "TForm1.h"

#include "ErrorBox.h"
#include "editing/ConfirmBox.h"
#include "store/Errors.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <numeric>

namespace korvane {

// Reads the four files into the lists, and lists the table in the grid in file order; the files that
// do not exist.
QStringList TForm1::loadData() {
    QStringList missing;
    std::vector<QuestRecord> rows;
    const auto listRows = [&] {
        std::vector<std::size_t> lines(rows.size());
        std::iota(lines.begin(), lines.end(), std::size_t{0});
        StringGrid1->setRows(std::move(lines));
    };
    try {
        if (!QuestList.load(rows))
            missing << QuestList.path();
    } catch (...) {
        listRows(); // what loaded before the failure is shown
        throw;
    }
    fitGridColumns(rows);
    listRows();
    updateStatusBar();
    for (TextStore* store : {&ContentStore, &RewardStore, &MemoStore})
        if (!store->load())
            missing << store->path();
    declinedReload_.clear();
    return missing;
}

void TForm1::offerReload(const QStringList& changed, bool editRefused) {
    history_->clear(); // its steps no longer fit the files
    QStringList lines;
    for (const QString& path : changed)
        lines << QStringLiteral("ファイル %1 は Korvane の外で変更されています。")
                     .arg(QDir::toNativeSeparators(path));
    // A refused edit cannot be saved until the files are read again: its typing goes with a yes.
    const bool typed = !unsavedQuestion(Discards::Everything).isEmpty();
    if (editRefused)
        lines << QStringLiteral("この編集はどのファイルにも保存していません。");
    lines << QStringLiteral("Korvane はその変更を上書きしません。ファイルを読み込み直しますか？");
    if (editRefused && typed)
        lines << QStringLiteral("（保存していない入力は破棄します）");
    if (confirm(lines.join(QLatin1Char('\n')), this)) {
        bool settled = editRefused;
        if (!settled)
            runHandler([&] { settled = settleTyping(Discards::Everything); });
        if (settled)
            return reloadData();
    }
    declinedReload_.clear();
    for (StoredList* list : dataLists())
        declinedReload_.push_back(FileStamp::take(list->path()));
}

// Reads every file again and redraws the window under the same filters, on the same quest when it
// is still there.
void TForm1::reloadData() {
    history_->clear();
    const std::string shown = shown_.number;
    closeEditPane();
    QStringList missing;
    try {
        missing = loadData();
    } catch (...) {
        Label1->setText(kRedisplayMarker);
        StringGrid1SelectCell(1, StringGrid1->Row());
        throw;
    }
    showAsFilesAre(shown);
    if (!missing.isEmpty())
        throw errors::missing(missing);
}

// Coming back to the window, the player sees the files as they are: looked at once the activation
// has settled (a file watch can miss a change on some file systems).
void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && folderSettles_)
        folderSettles_->start(0);
}

} // namespace korvane
