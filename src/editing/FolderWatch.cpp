#include "FolderWatch.h"

#include <algorithm>

namespace korvane {

WatchStep WatchPolicy::next(const FolderLook& look) {
    if (!look.folderThere)
        return look.renamedTo.isEmpty() ? WatchStep::FolderGone : WatchStep::FolderRenamed;
    if (!look.idle)
        return WatchStep::LookLater;
    // A sync tool settling a conflict renames our file away before it moves theirs in.
    if (look.fileMissing)
        return ++missingLooks_ < kMissingLooks ? WatchStep::LookLater : WatchStep::FilesGone;
    missingLooks_ = 0;
    if (look.changed.isEmpty())
        return WatchStep::OfferCopies;
    const auto same = [](const FileStamp& a, const FileStamp& b) { return a.sameState(b); };
    if (std::equal(look.now.begin(), look.now.end(), declined_.begin(), declined_.end(), same))
        return WatchStep::KeepDeclined;
    return WatchStep::ReadAgain;
}

} // namespace korvane
