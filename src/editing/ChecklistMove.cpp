#include "ChecklistMove.h"

#include "platform/Platform.h"
#include "store/Backups.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/Journal.h"
#include "store/PlayerChecklists.h"
#include "sync/ConflictNames.h"
#include "sync/KnownVersions.h"
#include "sync/LocalLock.h"
#include "sync/Presence.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace korvane {
namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool within(const QString& folder, const QString& above) {
    return folder == above || folder.startsWith(above + QLatin1Char('/'));
}

// The folders of the checklist: the main one and each of its characters'.
QStringList foldersOf(const QString& main) {
    QStringList folders{main};
    const QDir characters(QDir(main).filePath(QString::fromUtf16(kCharactersFolder)));
    for (const QString& name : characters.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        folders << characters.filePath(name);
    return folders;
}

bool isEmptyFolder(const QString& path) {
    return QFileInfo(path).isDir() &&
           QDir(path)
               .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
               .isEmpty();
}

// A file made anew at target with its modification time, durable; a link stays a link.
void copyEntry(const QFileInfo& entry, const QString& target) {
    if (entry.isSymLink()) {
        if (!QFile::link(entry.symLinkTarget(), target))
            throw errors::cannotCreate(target);
        return;
    }
    if (!entry.isFile())
        throw errors::notRegular(entry.filePath()); // a pipe would never end the copy
    if (!QFile::copy(entry.filePath(), target))
        throw errors::cannotCreate(target);
    QFile copied(target);
    if (copied.open(QIODevice::ReadWrite))
        copied.setFileTime(entry.lastModified(), QFileDevice::FileModificationTime);
    copied.close();
    platform::syncFile(target);
}

// Every file and folder of from made anew under to, with its modification time, durable before
// anything relies on it. Throws naming what could not be copied.
void copyTree(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        throw errors::cannotCreateFolder(to);
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir() && !entry.isSymLink()) {
            copyTree(entry.filePath(), target);
            continue;
        }
        copyEntry(entry, target);
    }
    platform::syncFolder(to);
}

// What this PC keeps of a folder elsewhere, named by its path, carried to its new path.
void carryKept(const UserFolders& user, const QString& from, const QString& to) {
    const QString known = KnownVersions::of(user, from).folder();
    if (!known.isEmpty() && QFileInfo(known).isDir()) {
        const QString knownTo = KnownVersions::of(user, to).folder();
        QDir(knownTo).removeRecursively();
        QDir().mkpath(QFileInfo(knownTo).absolutePath());
        QDir().rename(known, knownTo); // without them the next merge has no common version: no loss
    }
    if (const QMap<QString, QString> written = readWrittenVersions(user, from); !written.isEmpty())
        writeWrittenVersions(user, to, written);
}

// The names in a folder that also holds the program (a copy beside its data, the per-user
// install) that are the checklist's: its files, its folders and what Korvane and sync tools leave
// beside them. The program and its settings stay.
QStringList checklistEntries(const QString& main) {
    static const QStringList kept{files::kQuestTable,
                                  files::kContent,
                                  files::kReward,
                                  files::kMemo,
                                  files::kUrlList,
                                  files::kSetAside,
                                  files::kChains,
                                  kJournalFile,
                                  kBackupFolder,
                                  QString::fromUtf16(kCharactersFolder),
                                  QString::fromUtf16(kCharacterNameFile)};
    QStringList names;
    for (const QString& name :
         QDir(main).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (kept.contains(name) || conflictNameOf(name) || name.startsWith(QStringLiteral(".korvane-")))
            names << name;
    return names;
}

// A hidden name beside target, for a copy being made.
QString buildingBeside(const QString& target) {
    return QDir(QFileInfo(target).absolutePath())
        .filePath(QStringLiteral(".%1.korvane-moving").arg(QFileInfo(target).fileName()));
}

// names of from copied whole into a folder beside target, then renamed into place: target never
// holds half. Throws with nothing left at target (an empty folder that was there is there again).
void copyInPlace(const QString& from, const QStringList& names, const QString& target, bool wasEmpty) {
    const QString building = buildingBeside(target);
    QDir(building).removeRecursively();
    try {
        if (!QDir().mkpath(building))
            throw errors::cannotCreateFolder(building);
        for (const QString& name : names) {
            const QFileInfo entry(QDir(from).filePath(name));
            if (entry.isDir() && !entry.isSymLink())
                copyTree(entry.filePath(), QDir(building).filePath(name));
            else
                copyEntry(entry, QDir(building).filePath(name));
        }
        platform::syncFolder(building);
        if (wasEmpty)
            QDir().rmdir(target);
        if (!QDir().rename(building, target))
            throw errors::cannotCreateFolder(target);
    } catch (...) {
        QDir(building).removeRecursively();
        if (wasEmpty)
            QDir().mkdir(target);
        throw;
    }
    platform::syncFolder(QFileInfo(target).absolutePath());
}

// The whole folder: one rename on one disk. The old folder goes under another name before it is
// removed: never half a checklist where one was. What could not be removed is returned.
QString moveFolder(const QString& main, const QString& target, bool wasEmpty) {
    if (wasEmpty)
        QDir().rmdir(target); // a rename puts a folder only where none is
    if (QDir().rename(main, target))
        return {};
    if (wasEmpty)
        QDir().mkdir(target);
    copyInPlace(main,
                QDir(main).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                target, wasEmpty);
    const QString gone = main + QStringLiteral(".korvane-moved");
    if (!QDir().rename(main, gone) || !QDir(gone).removeRecursively())
        return QFileInfo::exists(gone) ? gone : main;
    return {};
}

// The checklist's names only, the folder staying: each renamed on one disk, all put back when one
// cannot be; else copied in place, then set aside and removed.
QString moveEntries(const QString& main, const QStringList& names, const QString& target, bool wasEmpty) {
    if (QDir().mkpath(target)) {
        QStringList done;
        for (const QString& name : names) {
            if (!QDir().rename(QDir(main).filePath(name), QDir(target).filePath(name)))
                break;
            done << name;
        }
        if (done.size() == names.size())
            return {};
        for (const QString& name : done)
            QDir().rename(QDir(target).filePath(name), QDir(main).filePath(name));
        if (!wasEmpty)
            QDir().rmdir(target);
    }
    copyInPlace(main, names, target, wasEmpty);
    const QString gone = QDir(main).filePath(QStringLiteral(".korvane-moved"));
    QDir().mkdir(gone);
    QStringList left;
    for (const QString& name : names)
        if (!QDir().rename(QDir(main).filePath(name), QDir(gone).filePath(name)))
            left << QDir(main).filePath(name);
    QDir(gone).removeRecursively();
    return left.join(QStringLiteral("、"));
}

} // namespace

QString movedFolder(const QString& folder, const QString& main, const QString& to) {
    return within(folder, main) ? to + folder.mid(main.size()) : folder;
}

QString moveTargetOf(const QString& main, const QString& chosen) {
    const QString folder = folderInAnyForm(chosen);
    if (!QFileInfo::exists(folder) || isEmptyFolder(folder))
        return folder;
    return QDir(folder).filePath(QFileInfo(main).fileName());
}

QString moveRefusal(const QString& main, const QString& to) {
    const QString target = QFileInfo(folderInAnyForm(to)).absoluteFilePath();
    const QString canonicalTo = QFileInfo(QFileInfo(target).absolutePath()).canonicalFilePath() +
                                QLatin1Char('/') + QFileInfo(target).fileName();
    if (within(canonicalTo, main) || within(main, canonicalTo))
        return QStringLiteral("チェックリストのフォルダ %1 を、それ自身の中や上には移せません")
            .arg(shown(main));
    if (QFileInfo::exists(target) && !isEmptyFolder(target))
        return QStringLiteral("%1 はもうあります。空のフォルダか、まだないフォルダを選んでください")
            .arg(shown(target));
    const ThisPc me = ThisPc::here();
    for (const QString& folder : foldersOf(main))
        if (const std::vector<OtherPc> others = otherPcsIn(folder, me); !others.empty())
            return QStringLiteral("PC「%1」の Korvane がフォルダ %2 を開いています。閉じてから移してください")
                .arg(others.front().name, shown(folder));
    return {};
}

ChecklistMoved moveChecklist(const QString& main, const QString& to, const UserFolders& user,
                             const QString& programFolder) {
    if (const QString refusal = moveRefusal(main, to); !refusal.isEmpty())
        throw KorvaneError(refusal);
    // Held for the move, so that no Korvane of this PC opens a folder of it meanwhile.
    std::vector<LocalLock> held;
    const QStringList folders = foldersOf(main);
    for (const QString& folder : folders) {
        auto lock = LocalLock::take(folder);
        if (!std::holds_alternative<LocalLock>(lock))
            throw KorvaneError(
                QStringLiteral(
                    "この PC の別の Korvane がフォルダ %1 を開いています。閉じてから移してください")
                    .arg(shown(folder)));
        held.push_back(std::get<LocalLock>(std::move(lock)));
    }
    const QString target = folderInAnyForm(to);
    // The list as it will be, told while the old folders are there to be named by.
    PlayerChecklists list = PlayerChecklists::read(user);
    for (ChecklistEntry& entry : list.entries)
        if (const QString folder = sameFolder(entry.folder); within(folder, main))
            entry.folder = movedFolder(folder, main, target);
    if (!list.lastOpened.isEmpty() && within(sameFolder(list.lastOpened), main))
        list.lastOpened = movedFolder(sameFolder(list.lastOpened), main, target);
    const bool wasEmpty = isEmptyFolder(target);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw errors::cannotCreateFolder(QFileInfo(target).absolutePath());
    ChecklistMoved moved{target, {}};
    if (!programFolder.isEmpty() && sameFolder(programFolder) == main)
        moved.left = moveEntries(main, checklistEntries(main), target, wasEmpty);
    else
        moved.left = moveFolder(main, target, wasEmpty);
    held.clear();
    for (const QString& folder : folders)
        carryKept(user, folder, movedFolder(folder, main, target));
    list.write(user);
    return moved;
}

} // namespace korvane
