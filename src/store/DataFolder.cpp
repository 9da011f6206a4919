#include "DataFolder.h"

#include "DataFiles.h"
#include "Errors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace korvane {
namespace {

bool holdsData(const QString& folder) {
    return std::any_of(std::begin(files::kDataFiles), std::end(files::kDataFiles),
                       [&](const QString& name) { return QFileInfo::exists(files::inFolder(folder, name)); });
}

#ifndef _WIN32
// An absolute folder the variable names, or the home's folder below it.
QString userFolder(const char* variable, const char* belowHome) {
    const QString named = qEnvironmentVariable(variable);
    if (!named.isEmpty() && QDir::isAbsolutePath(named))
        return QDir::cleanPath(named);
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty() && QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QLatin1Char('/') + QLatin1String(belowHome));
    return {};
}
#endif

} // namespace

// Windows keeps a program's data and settings of a user in one folder, %APPDATA%\Korvane.
#ifdef _WIN32
const QString kOwnFolder = QStringLiteral("Korvane");
#else
const QString kOwnFolder = QStringLiteral("korvane");
#endif

UserFolders UserFolders::fromEnvironment() {
#ifdef _WIN32
    const QString appData = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    return {appData, appData, QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"))};
#else
    return {userFolder("XDG_DATA_HOME", ".local/share"), userFolder("XDG_CONFIG_HOME", ".config"),
            userFolder("XDG_STATE_HOME", ".local/state")};
#endif
}

QString UserFolders::checklistsFile() const {
    return QDir(settingsFolder()).filePath(QStringLiteral("checklists.ini"));
}

QString UserFolders::stateFolder() const {
    return stateHome.isEmpty() ? QString() : QDir(stateHome).filePath(kOwnFolder);
}

QString UserFolders::settingsFolder() const {
    return configHome.isEmpty() ? QString() : QDir(configHome).filePath(kOwnFolder);
}

namespace {
QString versionsGroup(const QString& folder) {
    return QStringLiteral("Written-") +
           QString::fromLatin1(QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex());
}
} // namespace

QMap<QString, QString> readWrittenVersions(const UserFolders& user, const QString& folder) {
    QMap<QString, QString> versions;
    if (user.configHome.isEmpty())
        return versions;
    QSettings settings(user.checklistsFile(), QSettings::IniFormat);
    settings.beginGroup(versionsGroup(folder));
    for (const QString& name : files::kDataFiles)
        if (const QString text = settings.value(name).toString(); !text.isEmpty())
            versions[name] = text;
    return versions;
}

void writeWrittenVersions(const UserFolders& user, const QString& folder,
                          const QMap<QString, QString>& versions) {
    if (user.configHome.isEmpty() || versions.isEmpty())
        return;
    QDir().mkpath(user.settingsFolder());
    QSettings settings(user.checklistsFile(), QSettings::IniFormat);
    settings.beginGroup(versionsGroup(folder));
    for (auto it = versions.begin(); it != versions.end(); ++it)
        settings.setValue(it.key(), it.value());
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw errors::cannotWrite(user.checklistsFile());
}

QString userDataFolder(const UserFolders& user) {
    return QDir(user.dataHome).filePath(kOwnFolder);
}

QString installedSampleFolder(const QString& programFile) {
    return QDir::cleanPath(QFileInfo(programFile).absolutePath() +
                           QStringLiteral("/../share/korvane/sample"));
}

DataPlace chooseDataPlace(const QString& programFile, const std::optional<QString>& folderArgument,
                          const QString& lastOpened, const UserFolders& user,
                          const QString& leftProgramFolder) {
    const QString programFolder = QFileInfo(programFile).absolutePath();
    // An installed program: its folder is the system's (root can write /usr/bin too), or one the
    // user cannot write ("Program Files"). A checklist it holds there is only the sample set.
    const bool writable = QFileInfo(programFolder).isWritable();
    const bool besideData = holdsData(programFolder);
    const bool installed =
        besideData ? !writable : QFileInfo(installedSampleFolder(programFile)).isDir() || !writable;
    DataPlace place;
    place.sampleFolder = besideData ? programFolder : installedSampleFolder(programFile);
    if (folderArgument)
        place.dataFolder = QFileInfo(*folderArgument).absoluteFilePath();
    else if (besideData && !installed &&
             !(QFileInfo(lastOpened).isDir() && !leftProgramFolder.isEmpty() &&
               QFileInfo(leftProgramFolder).canonicalFilePath() ==
                   QFileInfo(programFolder).canonicalFilePath()))
        place.dataFolder = programFolder;
    else if (!lastOpened.isEmpty() && QFileInfo(lastOpened).isDir())
        place.dataFolder = lastOpened;
    else if (installed) {
        if (user.dataHome.isEmpty())
            throw KorvaneError(QStringLiteral("ユーザーのフォルダが分かりません（HOME も XDG_DATA_HOME "
                                              "も設定されていません）。データのフォルダを指定してください"));
        place.dataFolder = userDataFolder(user);
        place.userFolder = true;
    } else
        place.dataFolder = programFolder;
    if (!installed)
        place.settingsFile = programFile + QStringLiteral(".ini");
    else if (!user.configHome.isEmpty())
        place.settingsFile = QDir(user.settingsFolder()).filePath(QStringLiteral("korvane.ini"));
    else if (!user.dataHome.isEmpty())
        place.settingsFile = QDir(userDataFolder(user)).filePath(QStringLiteral("korvane.ini"));
    return place;
}

bool prepareUserFolder(const QString& folder, const QString& sampleFolder, bool sampleGiven) {
    const bool firstStart = !sampleGiven && !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder))
        throw errors::cannotCreateFolder(folder);
    if (!firstStart || holdsData(folder))
        return false;
    const QDir sample(sampleFolder);
    for (const QString& name : sample.entryList(QDir::Files)) {
        const QString target = files::inFolder(folder, name);
        if (!QFileInfo::exists(target) && !QFile::copy(sample.filePath(name), target))
            throw errors::cannotCreate(target);
    }
    return true;
}

} // namespace korvane
