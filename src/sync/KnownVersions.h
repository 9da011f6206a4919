#pragma once
// What this PC itself last read or wrote of each data file of a checklist, kept outside the
// checklist's folder, in the user's state folder, where no sync tool reaches. These are the only
// versions a merge may take as the one both PCs parted from, and the restore point when a file
// arrives cut or empty: the folder's backup/ travels with a synced folder, holds other PCs'
// versions and keeps only the last few, so a run of saves of a cut file would push out every good one.
//
// Each version is a file of its own, named by a sequence number, its count of lines and its size, so
// that a version cut short (a power loss while it was written) is known and never used, and by
// whether it arrived: only a version that was in the folder as the sync tool had it is surely one
// the other PCs had too, where one this PC wrote may never have left it.

#include "store/FileStamp.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvane {

struct UserFolders;

class KnownVersions {
public:
    static constexpr std::size_t kKept = 8;

    struct Version {
        QString path;
        std::uint64_t sequence = 0;
        std::size_t lines = 0;
        std::int64_t size = 0;
        std::int64_t madeNs = 0; // this PC's clock
        bool arrived = false;    // read from the folder as something else put it there, not written here
    };

    // Keeps nothing: no state folder is known.
    KnownVersions() = default;
    // Keeps the versions under folder.
    explicit KnownVersions(QString folder) : folder_(std::move(folder)) {}
    // Those of the checklist in checklistFolder: <state>/known/<a hash of its path>.
    static KnownVersions of(const UserFolders& user, const QString& checklistFolder);

    bool keeps() const { return !folder_.isEmpty(); }
    const QString& folder() const { return folder_; }

    // The whole versions of dataFile, oldest first.
    std::vector<Version> versionsOf(const QString& dataFile) const;
    std::optional<Version> newest(const QString& dataFile) const;

    // Whether the file at dataFile's place is, as stamped now, the newest version this PC knows.
    bool holdsNewest(const QString& dataFile, const FileStamp& now) const;

    // Keeps lines as dataFile's newest version, its file in the folder being as stamped. Lines read
    // (not written) that are the newest version already only take the stamp. source: the data file
    // when it holds exactly the lines, copied by the system rather than written anew. Never throws:
    // a version that cannot be kept leaves those before it (said once on standard error).
    void remember(const QString& dataFile, std::span<const std::string> lines, const FileStamp& stamp,
                  bool written, const QString& source = {});

    // Which versions go so that the newest kKept stay, and never the one with the most lines (the
    // newest of those) nor the newest that arrived (the last one surely shared with the other PCs,
    // however long this PC then worked alone): oldest first in, indexes out.
    static std::vector<std::size_t> toDrop(const std::vector<Version>& versions);

private:
    // highest: the sequence of every name, a version cut short too.
    std::vector<Version> versionsOf(const QString& dataFile, std::uint64_t& highest) const;

    QString folder_;
};

// Whether a file that arrived holding `arrived` lines, where this PC last knew `known`, is too short
// to be believed: empty where there were lines, or fewer than half of ten or more. A sync tool
// delivers cut files; no edit of one sitting removes half of a checklist.
constexpr bool arrivalTooShort(std::size_t known, std::size_t arrived) {
    constexpr std::size_t kFewest = 10;
    return known > 0 && (arrived == 0 || (known >= kFewest && arrived * 2 < known));
}

} // namespace korvane
