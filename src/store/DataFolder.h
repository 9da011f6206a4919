#pragma once
// Which folder holds the data and the settings: the folder given to the program, the program's own
// folder (a copy beside its data, the per-user install), or, for a program installed where it
// cannot write (a package's /usr/bin), a folder in the user's home filled from the sample set.

#include <QString>
#include <optional>

namespace korvane {

struct DataPlace {
    QString dataFolder;
    QString settingsFile;
    bool userFolder = false; // the folder in the user's home, made and filled on the first start
};

// programFile: the executable's path. folderArgument: `korvane FOLDER`. userDataHome: the user's
// data home (${XDG_DATA_HOME:-~/.local/share}).
DataPlace chooseDataPlace(const QString& programFile, const std::optional<QString>& folderArgument,
                          const QString& userDataHome);

// Where an installed program's sample set is: <prefix>/share/korvane/sample beside <prefix>/bin.
QString installedSampleFolder(const QString& programFile);

// Makes the folder if it is missing and, when it holds none of the four data files, copies the sample
// set in (each file that is not there yet). Throws cannotCreate when the folder cannot be made.
void prepareUserFolder(const QString& folder, const QString& sampleFolder);

} // namespace korvane
