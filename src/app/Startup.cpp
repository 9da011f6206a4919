#include "Startup.h"

#include "ErrorBox.h"

#include <QDir>

namespace korvane {

std::optional<FolderLock> claimDataFolder(const QString& folder) {
    FolderLock claim = lockDataFolder(folder);
    if (!claim.inUse)
        return claim;
    showErrorBox(QStringLiteral("フォルダ %1 のデータは別の Korvane で開かれています。同じデータを二つの "
                                "Korvane で同時に開くことはできません")
                     .arg(QDir::toNativeSeparators(folder)));
    return std::nullopt;
}

} // namespace korvane
