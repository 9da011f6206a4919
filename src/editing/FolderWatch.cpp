#include "FolderWatch.h"

namespace korvane {

WatchStep WatchPolicy::next(const FolderLook& look) {
    if (!look.folderThere)
        return WatchStep::FolderGone;
    if (!look.idle)
        return WatchStep::LookLater;
    // A sync tool settling a conflict renames our file away before it moves theirs in.
    if (look.fileMissing && ++missingLooks_ < kMissingLooks)
        return WatchStep::LookLater;
    missingLooks_ = 0;
    if (look.changed.isEmpty())
        return WatchStep::OfferCopies;
    if (look.now == declined_)
        return WatchStep::KeepDeclined;
    return WatchStep::ReadAgain;
}

} // namespace korvane
