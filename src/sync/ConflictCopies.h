#pragma once
// The conflict copies a sync tool left beside the data files: when two PCs changed a file before
// the tool brought them together, it keeps one version and renames the other. Only a regular file
// of the data folder, of the folder's owner, with no other name, is a copy (a link, symbolic or
// hard, could be any file of the PC), and one larger than any data file of a full set is refused
// unread.

#include "platform/Platform.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace korvane {

struct ConflictCopy {
    QString path;     // the copy
    QString dataFile; // the data file it is another version of: "クエスト.csv", …
    QString tool;     // "Syncthing", "Nextcloud", "Dropbox"
    QDateTime made;   // as its name says, or its modification time
    // The file as it was when it was found and checked; a read that finds another file there checks
    // it again.
    std::optional<platform::FileFacts> checked;
    bool operator==(const ConflictCopy&) const = default;
};

// No data file of a full set (9999 quests) comes near this size.
constexpr long long kLargestCopyBytes = 64LL << 20;

struct FoundCopies {
    std::vector<ConflictCopy> copies; // oldest first
    QStringList refused;              // a message for each copy that is not read, naming it
};

// The copy that name is, in folder, when it is a conflict copy of one of the four data files, of
// the quests set aside or of the journal.
std::optional<ConflictCopy> conflictCopyNamed(const QString& folder, const QString& name);

// Unchecked, the copies are named but not looked at: readConflictCopy checks each before it reads
// it, so that very many are checked and read on every core at once.
enum class CopyCheck { Now, AtRead };
FoundCopies findConflictCopies(const QString& folder, CopyCheck check = CopyCheck::Now);

// Why the file at path, named as a conflict copy in folder, is not read as one; empty when it is.
// checked, when given, receives the facts the check was made on.
QString refusalOfCopy(const QString& path, const QString& folder,
                      std::optional<platform::FileFacts>* checked = nullptr);
// The same with the folder's facts read already.
QString refusalOfCopy(const QString& path, const std::optional<platform::FileFacts>& folderFacts,
                      std::optional<platform::FileFacts>* checked);

} // namespace korvane
