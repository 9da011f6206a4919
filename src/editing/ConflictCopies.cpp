#include "ConflictCopies.h"

#include "platform/Platform.h"
#include "store/DataFiles.h"
#include "store/Journal.h"
#include "sync/ConflictNames.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace korvane {

std::optional<ConflictCopy> conflictCopyNamed(const QString& folder, const QString& name) {
    const std::optional<ConflictName> conflict = conflictNameOf(name);
    if (!conflict || (std::find(std::begin(files::kDataFiles), std::end(files::kDataFiles),
                                conflict->original) == std::end(files::kDataFiles) &&
                      conflict->original != kJournalFile && conflict->original != files::kSetAside))
        return std::nullopt;
    const QString path = files::inFolder(folder, name);
    return ConflictCopy{path, conflict->original, conflict->tool,
                        conflict->made.isValid() ? conflict->made : QFileInfo(path).lastModified()};
}

QString refusalOfCopy(const QString& path, const QString& folder) {
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    const auto facts = platform::factsOf(path), folderFacts = platform::factsOf(folder);
    if (info.isSymLink() || !info.isFile() || !facts)
        return QStringLiteral("競合コピーの名前の %1 は通常のファイルではないため、読みません").arg(shown);
    if (facts->links > 1)
        return QStringLiteral(
                   "競合コピーの名前の %1 はほかのファイルと同じもの（ハードリンク）のため、読みません")
            .arg(shown);
    if (folderFacts && facts->owner != folderFacts->owner)
        return QStringLiteral(
                   "競合コピーの名前の %1 はデータのフォルダとは別のユーザーのファイルのため、読みません")
            .arg(shown);
    if (facts->size > kLargestCopyBytes)
        return QStringLiteral(
                   "競合コピー %1 は %2 MB あり、データのファイルとしては大きすぎるため、読みません")
            .arg(shown)
            .arg(facts->size >> 20);
    return {};
}

FoundCopies findConflictCopies(const QString& folder) {
    FoundCopies found;
    const QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        std::optional<ConflictCopy> copy = conflictCopyNamed(folder, name);
        if (!copy)
            continue;
        if (const QString refusal = refusalOfCopy(copy->path, folder); !refusal.isEmpty())
            found.refused << refusal;
        else
            found.copies.push_back(std::move(*copy));
    }
    std::stable_sort(found.copies.begin(), found.copies.end(),
                     [](const ConflictCopy& a, const ConflictCopy& b) { return a.made < b.made; });
    return found;
}

} // namespace korvane
