#include "LocalLock.h"

#include "store/Errors.h"

namespace korvane {

std::variant<LocalLock, LocalLock::Holder> LocalLock::take(const QString& folder) {
    platform::FolderLock lock;
    switch (lock.take(folder)) {
    case platform::FolderLock::Taken::Yes:
        return LocalLock(std::move(lock));
    case platform::FolderLock::Taken::HeldElsewhere:
        return platform::FolderLock::holder(folder);
    case platform::FolderLock::Taken::Failed:
        break;
    }
    throw errors::cannotOpen(folder);
}

} // namespace korvane
