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
                        conflict->made.isValid() ? conflict->made : QFileInfo(path).lastModified(),
                        std::nullopt};
}

namespace {

// folderFacts: the data folder's, read once for every copy in it; checked receives the copy's.
QString refusalOf(const QString& path, const std::optional<platform::FileFacts>& folderFacts,
                  std::optional<platform::FileFacts>* checked = nullptr) {
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    const auto facts = platform::factsOf(path);
    if (checked)
        *checked = facts;
    if (info.isSymLink() || !facts || !facts->regular)
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

} // namespace

QString refusalOfCopy(const QString& path, const QString& folder,
                      std::optional<platform::FileFacts>* checked) {
    return refusalOf(path, platform::factsOf(folder), checked);
}

QString refusalOfCopy(const QString& path, const std::optional<platform::FileFacts>& folderFacts,
                      std::optional<platform::FileFacts>* checked) {
    return refusalOf(path, folderFacts, checked);
}

FoundCopies findConflictCopies(const QString& folder, CopyCheck check) {
    FoundCopies found;
    const auto folderFacts = platform::factsOf(folder);
    // Unsorted: sorting a folder of very many names by the locale costs more than finding the copies.
    const QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& name : names) {
        std::optional<ConflictCopy> copy = conflictCopyNamed(folder, name);
        if (!copy)
            continue;
        if (check == CopyCheck::AtRead)
            found.copies.push_back(std::move(*copy));
        else if (const QString refusal = refusalOf(copy->path, folderFacts, &copy->checked);
                 !refusal.isEmpty())
            found.refused << refusal;
        else
            found.copies.push_back(std::move(*copy));
    }
    // Oldest first, by a key read once: comparing local times converts each, every time.
    std::vector<std::pair<qint64, std::size_t>> order(found.copies.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = {found.copies[i].made.toMSecsSinceEpoch(), i};
    std::sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first
                                  : found.copies[a.second].path < found.copies[b.second].path;
    });
    std::vector<ConflictCopy> sorted;
    sorted.reserve(order.size());
    for (const auto& [made, i] : order)
        sorted.push_back(std::move(found.copies[i]));
    found.copies = std::move(sorted);
    found.refused.sort();
    return found;
}

} // namespace korvane
