#include "Startup.h"

#include "ErrorBox.h"
#include "platform/Platform.h"
#include "store/Backups.h"
#include "store/Errors.h"
#include "store/FileStamp.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSysInfo>
#include <cstdio>

namespace korvane {
namespace {

QString sinceText(const QDateTime& since) {
    return since.isValid()
               ? since.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm")) + QStringLiteral(" から")
               : QString();
}

} // namespace

std::optional<std::unique_ptr<FolderClaim>> claimLike(const FolderClaim* now, const QString& folder) {
    if (!now)
        return std::unique_ptr<FolderClaim>();
    std::unique_ptr<FolderClaim> claim = claimDataFolder(folder, now->announcement.me());
    if (!claim)
        return std::nullopt;
    return claim;
}

QString describeOtherPc(const OtherPc& other) {
    const QString file = QDir::toNativeSeparators(other.file);
    if (!other.problem.isEmpty())
        return QStringLiteral("Korvane が開いていることを示すファイル %1 は%2。どの PC の Korvane "
                              "が開いているか分かりません。")
            .arg(file, other.problem);
    if (other.legacyLock)
        return QStringLiteral("PC「%1」の以前の版の Korvane が %2このフォルダを開いています（%3）。")
            .arg(other.name, sinceText(other.since), file);
    QString said = QStringLiteral("別の PC「%1」の Korvane が %2このフォルダを開いています。")
                       .arg(other.name, sinceText(other.since));
    if (other.seen.isValid()) // the other PC's clock may be wrong; this one's is what the player reads
        said += QStringLiteral("最後に届いたのは %1 です（この PC の時計で）。")
                    .arg(other.seen.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
    if (other.name == QSysInfo::machineHostName())
        said += QStringLiteral("この PC と同じ名前の別の PC です（ID %1）。").arg(other.pcId.left(8));
    return said;
}

namespace {

// Said, and the copy ends: never a second window on one folder of this PC.
void sayHeldHere(const QString& folder, const LocalLock::Holder& holder) {
    const QString who = holder.pid == 0 ? QStringLiteral("この PC の別の Korvane")
                        : holder.user.isEmpty()
                            ? QStringLiteral("この PC の Korvane（プロセス %1）").arg(holder.pid)
                            : QStringLiteral("この PC のユーザー %1 の Korvane（プロセス %2）")
                                  .arg(holder.user)
                                  .arg(holder.pid);
    showWarningBox(
        QStringLiteral(
            "%1がこのフォルダを開いています。\n%2\n\n"
            "そのウィンドウを使ってください。同じフォルダを二つの Korvane で開くことはできません。")
            .arg(who, QDir::toNativeSeparators(folder)),
        QStringLiteral("HeldHere"));
}

// An older Korvane's lock the player opened the folder beside. It is gone for good once this PC
// wrote the folder after it came (that Korvane no longer has it); the player is told once
// otherwise how to remove it. True when it was removed.
enum class Answer { Open, Quit, LookAgain };

Answer askAboutOthers(const QString& question) {
    QMessageBox box(QMessageBox::Warning, kApplicationTitle, question, QMessageBox::NoButton);
    box.setObjectName(QStringLiteral("LockQuestion"));
    box.setTextFormat(Qt::PlainText); // a PC's name and a path: text, never markup
    QPushButton* open = box.addButton(QStringLiteral("開く"), QMessageBox::AcceptRole);
    QPushButton* again = box.addButton(QStringLiteral("もう一度見る"), QMessageBox::ActionRole);
    QPushButton* quit = box.addButton(QStringLiteral("終了"), QMessageBox::RejectRole);
    box.setDefaultButton(again);
    box.setEscapeButton(quit);
    box.exec();
    return box.clickedButton() == open    ? Answer::Open
           : box.clickedButton() == again ? Answer::LookAgain
                                          : Answer::Quit;
}

} // namespace

std::optional<DataPlace> dataPaths(const std::optional<QString>& folder, const QString& programFile,
                                   const UserFolders& user) {
    if (folder && !QFileInfo(*folder).isDir()) {
        showErrorBox(
            QStringLiteral("データのフォルダ %1 がありません").arg(QDir::toNativeSeparators(*folder)));
        return std::nullopt;
    }
    try {
        PlayerChecklists remembered = PlayerChecklists::read(user);
        DataPlace place =
            chooseDataPlace(programFile, folder, remembered.lastOpened, user, remembered.leftProgramFolder);
        // A program beside its data never started before (the per-user install's sample set) asks too.
        const QString programFolder = QFileInfo(programFile).absolutePath();
        if (!folder && !place.userFolder && place.dataFolder == programFolder && !remembered.sampleGiven &&
            remembered.entries.empty() && remembered.lastOpened.isEmpty() &&
            !QFileInfo::exists(QDir(programFolder).filePath(kBackupFolder))) {
            place.firstStart = true;
            remembered.sampleGiven = true;
            remembered.write(user);
        }
        if (place.userFolder) {
            place.firstStart =
                prepareUserFolder(place.dataFolder, place.sampleFolder, remembered.sampleGiven);
            if (!remembered.sampleGiven) {
                remembered.sampleGiven = true;
                remembered.write(user);
            }
        }
        return place;
    } catch (const KorvaneError& error) {
        showErrorBox(error.message());
        return std::nullopt;
    }
}

void rememberOpened(const QString& folder, const UserFolders& user) {
    try {
        PlayerChecklists remembered = PlayerChecklists::read(user);
        const PlayerChecklists before = remembered;
        // The sample set the player began with and never saved in is no character beside a
        // checklist opened since: that one is the player's main checklist.
        const QString sample = user.dataHome.isEmpty() ? QString() : sameFolder(userDataFolder(user));
        if (remembered.entries.size() == 1 && sameFolder(remembered.entries.front().folder) == sample &&
            sameFolder(mainFolderOf(folder)) != sample &&
            !QFileInfo::exists(QDir(sample).filePath(kBackupFolder)) &&
            readWrittenVersions(user, sample).isEmpty())
            remembered.entries.clear();
        remembered.opened(folder);
        if (remembered.lastOpened != before.lastOpened || remembered.entries != before.entries)
            remembered.write(user);
    } catch (const KorvaneError& error) {
        std::fprintf(stderr, "korvane: %s\n", qUtf8Printable(error.message()));
    }
}

void rememberLeftAtFirstStart(const QString& folder, const UserFolders& user) {
    runHandler([&] {
        PlayerChecklists remembered = PlayerChecklists::read(user);
        remembered.leftProgramFolder = sameFolder(folder);
        remembered.write(user);
    });
}

QString otherPcsQuestion(const QString& folder, const std::vector<OtherPc>& others) {
    if (others.empty())
        return {};
    QStringList lines;
    for (const OtherPc& other : others)
        lines << describeOtherPc(other);
    lines << QDir::toNativeSeparators(folder) << QString()
          << QStringLiteral("同じデータを二つの Korvane で同時に開くと、互いの編集を上書きします。"
                            "その Korvane を先に閉じ、同期が済んでから「もう一度見る」を押してください。\n"
                            "その Korvane がもう動いていない（PC の電源が切れた、落ちた）ときだけ、"
                            "「開く」で開いてください。");
    return lines.join(QLatin1Char('\n'));
}

std::unique_ptr<FolderClaim> claimDataFolder(const QString& folder, const ThisPc& me) {
    std::unique_ptr<FolderClaim> claim;
    try {
        auto taken = FolderClaim::take(folder, me);
        if (auto* holder = std::get_if<LocalLock::Holder>(&taken)) {
            sayHeldHere(folder, *holder);
            return nullptr;
        }
        claim = std::get<std::unique_ptr<FolderClaim>>(std::move(taken));
    } catch (const KorvaneError& error) {
        showErrorBox(error.message());
        return nullptr;
    }
    // An older Korvane's lock that this PC has saved past is no question: it is left behind.
    removeOutwrittenLegacyLock(folder, UserFolders::fromEnvironment());
    std::vector<OtherPc> others;
    for (;;) {
        others = otherPcsIn(folder, me);
        const QString question = otherPcsQuestion(folder, others);
        if (question.isEmpty())
            break;
        const Answer answer = askAboutOthers(question);
        if (answer == Answer::Quit)
            return nullptr;
        if (answer == Answer::Open)
            break;
    }
    // Chosen to open: asked no more while it is open; an older Korvane's lock goes once this PC
    // has saved here (at close, or at the next start), with nothing to delete by hand.
    for (const OtherPc& other : others)
        claim->accepted.insert(other.file);
    runHandler([&] { claim->announcement.write(); });
    if (const QStringList left = claim->announcement.removeConflictCopies(); !left.isEmpty()) {
        QStringList lines;
        for (const QString& path : left)
            lines << QStringLiteral("ファイル %1 を削除できません").arg(QDir::toNativeSeparators(path));
        showErrorBox(lines.join(QLatin1Char('\n')));
    }
    return claim;
}

} // namespace korvane
