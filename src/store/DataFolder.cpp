#include "DataFolder.h"

#include "DataFiles.h"
#include "Errors.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace korvane {
namespace {

bool holdsData(const QString& folder) {
    return std::any_of(std::begin(files::kDataFiles), std::end(files::kDataFiles),
                       [&](const QString& name) { return QFileInfo::exists(files::inFolder(folder, name)); });
}

} // namespace

QString installedSampleFolder(const QString& programFile) {
    return QDir::cleanPath(QFileInfo(programFile).absolutePath() +
                           QStringLiteral("/../share/korvane/sample"));
}

DataPlace chooseDataPlace(const QString& programFile, const std::optional<QString>& folderArgument,
                          const QString& userDataHome) {
    const QString programFolder = QFileInfo(programFile).absolutePath();
    // An installed program: its folder is the system's (root can write /usr/bin too), or one the
    // user cannot write, and holds no checklist of its own.
    const bool installed =
        !holdsData(programFolder) &&
        (QFileInfo(installedSampleFolder(programFile)).isDir() || !QFileInfo(programFolder).isWritable());
    DataPlace place;
    if (folderArgument)
        place.dataFolder = QFileInfo(*folderArgument).absoluteFilePath();
    else if (installed)
        place = {QDir::cleanPath(userDataHome + QStringLiteral("/korvane")), {}, true};
    else
        place.dataFolder = programFolder;
    place.settingsFile = installed ? files::inFolder(place.dataFolder, QStringLiteral("korvane.ini"))
                                   : programFile + QStringLiteral(".ini");
    return place;
}

void prepareUserFolder(const QString& folder, const QString& sampleFolder) {
    if (!QDir().mkpath(folder))
        throw errors::cannotCreate(folder);
    if (holdsData(folder))
        return;
    const QDir sample(sampleFolder);
    for (const QString& name : sample.entryList(QDir::Files)) {
        const QString target = files::inFolder(folder, name);
        if (!QFileInfo::exists(target) && !QFile::copy(sample.filePath(name), target))
            throw errors::cannotCreate(target);
    }
}

} // namespace korvane
