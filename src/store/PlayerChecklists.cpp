#include "PlayerChecklists.h"

#include "DataFiles.h"
#include "Errors.h"
#include "LineFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <set>

namespace korvane {
namespace {

// One folder, however it is spelled ("d", "d/.", a link to it, another Unicode form): its canonical
// path while it exists.
QString normal(const QString& folder) {
    const QString canonical = QFileInfo(folderInAnyForm(folder)).canonicalFilePath();
    return canonical.isEmpty() ? folderInAnyForm(folder) : canonical;
}

} // namespace

QString folderInAnyForm(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo::exists(path))
        return path;
    // From the root down, each name as the folder above holds it, in whatever form it was written.
    const QStringList names = path.split(QLatin1Char('/'));
    QString found = names.front(); // "" on POSIX, "C:" on Windows
    for (qsizetype i = 1; i < names.size(); ++i) {
        const QString wanted = names[i].normalized(QString::NormalizationForm_C);
        QString next = found + QLatin1Char('/') + names[i];
        if (!QFileInfo::exists(next)) {
            const QDir above(found.isEmpty() || found.endsWith(QLatin1Char(':')) ? found + QLatin1Char('/')
                                                                                 : found);
            const QStringList entries =
                above.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            const auto twin = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
                return entry.normalized(QString::NormalizationForm_C) == wanted;
            });
            if (twin == entries.end()) // not there in any form: the rest as it will be made
                return found + QLatin1Char('/') +
                       names.mid(i).join(QLatin1Char('/')).normalized(QString::NormalizationForm_C);
            next = found + QLatin1Char('/') + *twin;
        }
        found = next;
    }
    return found;
}

QString sameFolder(const QString& folder) {
    return normal(folder);
}

PlayerChecklists PlayerChecklists::read(const UserFolders& user) {
    PlayerChecklists list;
    if (user.configHome.isEmpty())
        return list;
    QSettings settings(user.checklistsFile(), QSettings::IniFormat);
    list.lastOpened = settings.value(QStringLiteral("Checklists/last")).toString();
    list.sampleGiven = settings.value(QStringLiteral("Checklists/sampleGiven")).toBool();
    list.leftProgramFolder = settings.value(QStringLiteral("Checklists/leftProgramFolder")).toString();
    // The count is the file's word: a damaged or hostile file must not keep the start waiting.
    const int count = settings.beginReadArray(QStringLiteral("Characters"));
    std::set<QString> folders;
    for (int i = 0; i < std::min(count, kMostCharacters); ++i) {
        settings.setArrayIndex(i);
        const QString name = settings.value(QStringLiteral("name")).toString();
        const QString folder = settings.value(QStringLiteral("folder")).toString();
        if (name.trimmed().isEmpty() || !QDir::isAbsolutePath(folder) ||
            !folders.insert(normal(folder)).second)
            ++list.skipped; // no entry, or a folder listed already under another spelling
        else
            list.entries.push_back({name, normal(folder)});
    }
    list.skipped += std::max(0, count - kMostCharacters);
    settings.endArray();
    return list;
}

void PlayerChecklists::write(const UserFolders& user) const {
    if (user.configHome.isEmpty())
        return;
    if (!QDir().mkpath(user.settingsFolder()))
        throw errors::cannotWrite(user.checklistsFile());
    QSettings settings(user.checklistsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Checklists/last"), lastOpened);
    settings.setValue(QStringLiteral("Checklists/sampleGiven"), sampleGiven);
    if (!leftProgramFolder.isEmpty())
        settings.setValue(QStringLiteral("Checklists/leftProgramFolder"), leftProgramFolder);
    settings.remove(QStringLiteral("Characters"));
    settings.beginWriteArray(QStringLiteral("Characters"), static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        settings.setArrayIndex(static_cast<int>(i));
        settings.setValue(QStringLiteral("name"), entries[i].name);
        settings.setValue(QStringLiteral("folder"), entries[i].folder);
    }
    settings.endArray();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw errors::cannotWrite(user.checklistsFile());
}

const ChecklistEntry* PlayerChecklists::find(const QString& folder) const {
    const QString wanted = normal(folder);
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const ChecklistEntry& entry) { return normal(entry.folder) == wanted; });
    return it == entries.end() ? nullptr : &*it;
}

void PlayerChecklists::opened(const QString& folder) {
    lastOpened = normal(folder);
    if (find(folder))
        return;
    // A character opened first: its main checklist is the list's first all the same.
    if (const QString main = mainFolderOf(folder); entries.empty() && main != lastOpened)
        entries.push_back({QStringLiteral("メイン"), main});
    // The list's first checklist is the player's main character; one opened later is named after
    // its folder until the player names it.
    const QString base = entries.empty() ? QStringLiteral("メイン") : QDir(lastOpened).dirName();
    QString name = base;
    for (int n = 2;
         std::any_of(entries.begin(), entries.end(), [&](const ChecklistEntry& e) { return e.name == name; });
         ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    entries.push_back({name, lastOpened});
}

void PlayerChecklists::requireFreeName(const QString& name, const QString& folder) const {
    if (name.trimmed().isEmpty())
        throw KorvaneError(QStringLiteral("キャラクターの名前を入れてください"));
    for (const ChecklistEntry& entry : entries)
        if (entry.name == name && normal(entry.folder) != normal(folder))
            throw KorvaneError(QStringLiteral("「%1」という名前のキャラクターはもうあります").arg(name));
}

void PlayerChecklists::add(const QString& name, const QString& folder) {
    requireFreeName(name, folder);
    if (const ChecklistEntry* listed = find(folder))
        throw KorvaneError(QStringLiteral("フォルダ %1 は「%2」のチェックリストとして一覧にあります")
                               .arg(QDir::toNativeSeparators(folder), listed->name));
    entries.push_back({name.trimmed(), normal(folder)});
}

void PlayerChecklists::rename(const QString& folder, const QString& name) {
    requireFreeName(name, folder);
    for (ChecklistEntry& entry : entries)
        if (normal(entry.folder) == normal(folder))
            entry.name = name.trimmed();
}

void PlayerChecklists::moveTo(const QString& folder, const QString& to) {
    if (const ChecklistEntry* listed = find(to); listed && normal(to) != normal(folder))
        throw KorvaneError(QStringLiteral("フォルダ %1 は「%2」のチェックリストとして一覧にあります")
                               .arg(QDir::toNativeSeparators(to), listed->name));
    for (ChecklistEntry& entry : entries)
        if (normal(entry.folder) == normal(folder))
            entry.folder = normal(to);
    if (normal(lastOpened) == normal(folder))
        lastOpened = normal(to);
}

void PlayerChecklists::remove(const QString& folder) {
    std::erase_if(entries,
                  [&](const ChecklistEntry& entry) { return normal(entry.folder) == normal(folder); });
}

void PlayerChecklists::findCharacters() {
    if (entries.empty())
        return;
    const QString main = normal(entries.front().folder);
    std::erase_if(entries, [&](ChecklistEntry& entry) {
        if (!isCharacterIn(main, entry.folder))
            return false;
        if (!QFileInfo(entry.folder).isDir())
            return true; // removed, or renamed, on another PC
        const std::optional<CharacterName> kept = keptCharacterName(entry.folder);
        if (kept && !kept->name.isEmpty())
            entry.name = kept->name;
        return kept && kept->takenOff;
    });
    const QDir characters(main + QLatin1Char('/') + QString::fromUtf16(kCharactersFolder));
    for (const QString& entry : characters.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = normal(characters.filePath(entry));
        if (find(folder) || !QFileInfo(files::inFolder(folder, files::kQuestTable)).isFile())
            continue;
        const std::optional<CharacterName> kept = keptCharacterName(folder);
        if (kept && kept->takenOff)
            continue;
        const QString base = kept && !kept->name.isEmpty() ? kept->name : entry;
        QString name = base;
        for (int n = 2; std::any_of(entries.begin(), entries.end(),
                                    [&](const ChecklistEntry& e) { return e.name == name; });
             ++n)
            name = QStringLiteral("%1 (%2)").arg(base).arg(n);
        entries.push_back({name, folder});
    }
}

bool isCharacterIn(const QString& mainFolder, const QString& folder) {
    const QString characters = normal(mainFolder) + QLatin1Char('/') + QString::fromUtf16(kCharactersFolder);
    return normal(QFileInfo(normal(folder)).absolutePath()) == normal(characters);
}

QString mainFolderOf(const QString& folder) {
    const QDir above = QFileInfo(normal(folder)).dir();
    const QString main = QFileInfo(above.absolutePath()).absolutePath();
    if (above.dirName() == QString::fromUtf16(kCharactersFolder) &&
        QFileInfo(files::inFolder(main, files::kQuestTable)).isFile())
        return normal(main);
    return normal(folder);
}

std::optional<CharacterName> keptCharacterName(const QString& folder) {
    const QString path = QDir(folder).filePath(QString::fromUtf16(kCharacterNameFile));
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    try {
        const Lines lines = readLines(path);
        CharacterName kept;
        if (!lines.empty())
            kept.name = QString::fromUtf8(lines[0]).trimmed().left(100);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const QString flag = QString::fromUtf8(lines[i]).trimmed();
            kept.takenOff |= flag == QStringLiteral("外した");
            kept.ownFavourites |= flag == QStringLiteral("自分のお気に入り");
        }
        return kept;
    } catch (const KorvaneError&) {
        return std::nullopt; // a file that cannot be read names nothing
    }
}

void keepCharacterName(const QString& folder, const CharacterName& name) {
    Lines lines{name.name.trimmed().toStdString()};
    if (name.takenOff) // second, where an older Korvane looks for it
        lines.push_back(QStringLiteral("外した").toStdString());
    if (name.ownFavourites)
        lines.push_back(QStringLiteral("自分のお気に入り").toStdString());
    writeLines(QDir(folder).filePath(QString::fromUtf16(kCharacterNameFile)), lines);
}

QString favouritesOf(const QString& mainFolder, const QString& folder) {
    const std::optional<CharacterName> kept =
        isCharacterIn(mainFolder, folder) ? keptCharacterName(folder) : std::nullopt;
    return files::inFolder(kept && kept->ownFavourites ? folder : mainFolder, files::kUrlList);
}

QString characterFolder(const QString& mainFolder, const QString& name) {
    // What a file system refuses in a folder's name becomes "_".
    // One Unicode form on every system: a sync tool renames a name in another form, or refuses it.
    QString safe = name.trimmed().normalized(QString::NormalizationForm_C);
    for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
        safe.replace(c, QLatin1Char('_'));
    if (safe.isEmpty() || safe == QStringLiteral(".") || safe == QStringLiteral(".."))
        safe = QStringLiteral("_");
    return QDir::cleanPath(QFileInfo(mainFolder).absoluteFilePath() + QLatin1Char('/') +
                           QString::fromUtf16(kCharactersFolder) + QLatin1Char('/') + safe);
}

} // namespace korvane
