#include "ArrivalPrompt.h"

#include "ErrorBox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace korvane {
namespace {

enum class Choice { KeepMine, TakeArrival, LookAtBoth };

Choice ask(const ShortArrival& arrival, QWidget* parent) {
    const QLocale numbers(QLocale::Japanese);
    QMessageBox box(
        QMessageBox::Warning, kApplicationTitle,
        QStringLiteral(
            "%1 が Korvane の外で置き換えられましたが、この PC が最後に読み書きした版より"
            "大幅に短くなっています（同期ツールが途中までしか届けなかったか、空にされたようです）。\n\n"
            "　届いた版: %2 行\n　この PC の版: %3 行\n\n"
            "どちらを使うか選ぶまで、どのファイルにも書き込みません。"
            "この PC の版を残しても、届いた版は backup フォルダに残ります。")
            .arg(QDir::toNativeSeparators(arrival.path), numbers.toString(qulonglong(arrival.arrived)),
                 numbers.toString(qulonglong(arrival.known))),
        QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("ShortArrival"));
    box.setTextFormat(Qt::PlainText);
    QPushButton* keep = box.addButton(QStringLiteral("この PC の版を残す"), QMessageBox::AcceptRole);
    QPushButton* take = box.addButton(QStringLiteral("届いた版を使う"), QMessageBox::DestructiveRole);
    QPushButton* look = box.addButton(QStringLiteral("両方を見る"), QMessageBox::HelpRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(look); // the box stays until the player chooses
    box.exec();
    return box.clickedButton() == keep   ? Choice::KeepMine
           : box.clickedButton() == take ? Choice::TakeArrival
                                         : Choice::LookAtBoth;
}

// This PC's version under the data file's own name beside its versions, so that the system opens
// it with the same program as the arrival.
void openBoth(const ShortArrival& arrival) {
    const QString look =
        QDir(QFileInfo(arrival.knownPath).absolutePath()).filePath(QStringLiteral("この PC の版"));
    const QString mine = QDir(look).filePath(QFileInfo(arrival.path).fileName());
    QDir().mkpath(look);
    QFile::remove(mine);
    if (!QFile::copy(arrival.knownPath, mine))
        throw KorvaneError(
            QStringLiteral("ファイル %1 を作成できません").arg(QDir::toNativeSeparators(mine)));
    QDesktopServices::openUrl(QUrl::fromLocalFile(arrival.path));
    QDesktopServices::openUrl(QUrl::fromLocalFile(mine));
}

} // namespace

void settleShortArrivals(Checklist& checklist, QWidget* parent) {
    for (;;) {
        const std::vector<ShortArrival> arrivals = checklist.shortArrivals();
        if (arrivals.empty())
            return;
        const ShortArrival& arrival = arrivals.front();
        switch (ask(arrival, parent)) {
        case Choice::KeepMine:
            checklist.keepThisPcsVersion(arrival); // changed again meanwhile: asked about anew
            break;
        case Choice::TakeArrival:
            checklist.takeArrival(arrival);
            break;
        case Choice::LookAtBoth:
            runHandler([&] { openBoth(arrival); });
            break;
        }
    }
}

} // namespace korvane
