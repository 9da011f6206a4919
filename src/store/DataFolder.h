#pragma once
// Which folder holds the data and the settings: the folder given to the program, the program's own
// folder when it holds a checklist (a copy beside its data, the per-user install), the checklist the
// player last opened, or a folder in the user's home, filled from the sample set on the user's
// first start only. The settings stay beside the program when it is a copy of its own; an installed
// program keeps them in the user's settings folder, never in a data folder, which may be synced.

#include <QMap>
#include <QString>
#include <optional>

namespace korvane {

// The user's own folders, as the environment names them; empty when it names none.
struct UserFolders {
    QString dataHome;       // $XDG_DATA_HOME, or ~/.local/share
    QString configHome;     // $XDG_CONFIG_HOME, or ~/.config
    QString stateHome = {}; // $XDG_STATE_HOME, or ~/.local/state (%LOCALAPPDATA% on Windows)
    static UserFolders fromEnvironment();
    // Korvane's folder in the user's settings: <configHome>/korvane.
    QString settingsFolder() const;
    // Korvane's folder of what this PC keeps for itself, never synced: <stateHome>/korvane.
    QString stateFolder() const;
    // The file there of the player's checklists and of the versions this PC wrote.
    QString checklistsFile() const;
};

// The version of each data file of a folder this PC wrote last (FileStamp texts, by file name),
// remembered between runs: a sync tool may have renamed one into a conflict copy meanwhile.
QMap<QString, QString> readWrittenVersions(const UserFolders& user, const QString& folder);
void writeWrittenVersions(const UserFolders& user, const QString& folder,
                          const QMap<QString, QString>& versions);

struct DataPlace {
    QString dataFolder;
    QString settingsFile;
    bool userFolder = false;   // the folder in the user's home, made (and filled the first time) at start
    QString sampleFolder = {}; // what fills it the first time
    // It was filled at this start: the player is asked whether to begin with it or with a
    // checklist a sync tool brought from another PC.
    bool firstStart = false;
};

// programFile: the executable's path. folderArgument: `korvane FOLDER`. Throws when the user's
// folder is needed and the environment names no home.
// lastOpened: the checklist the player opened last, as the user's settings remember it;
// leftProgramFolder: the program's folder when the player chose another checklist over the one
// beside the program at the first start.
DataPlace chooseDataPlace(const QString& programFile, const std::optional<QString>& folderArgument,
                          const QString& lastOpened, const UserFolders& user,
                          const QString& leftProgramFolder = {});

// The user's own data folder: <dataHome>/korvane (%APPDATA%\Korvane on Windows).
QString userDataFolder(const UserFolders& user);

// Where an installed program's sample set is: <prefix>/share/korvane/sample beside <prefix>/bin.
QString installedSampleFolder(const QString& programFile);

// Makes the user's folder if it is missing. On the user's first start (the folder was not there and
// the sample set was never given) copies the sample set in; true then. Throws "フォルダ %s を作成
// できません" or "ファイル %s を作成できません".
bool prepareUserFolder(const QString& folder, const QString& sampleFolder, bool sampleGiven);

} // namespace korvane
