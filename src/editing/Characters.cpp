#include "Characters.h"
#include "store/Quest.h"

#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/Journal.h"
#include "store/LineFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvane {
namespace {

// What a character did: the offered and completed flags.
std::string withProgressCleared(const std::string& line) {
    QuestRecord record = splitQuestRecord(line);
    if (record[kNumber].empty() || (record[kOffered] == "0" && record[kCompleted] == "0"))
        return line;                 // byte for byte: nothing of it is a character's
    record[kOffered].assign(1, '0'); // (not = "0", which gcc 12 at -O3 reports as an overlapping copy)
    record[kCompleted].assign(1, '0');
    return joinCommaText(toFields(record));
}

} // namespace

void makeCharacterChecklist(Checklist& from, const QString& folder, NewCharacter how) {
    for (const QString& name : files::kDataFiles)
        if (QFileInfo::exists(files::inFolder(folder, name)))
            throw KorvaneError(QStringLiteral("フォルダ %1 にはすでにチェックリスト（%2）があります")
                                   .arg(QDir::toNativeSeparators(folder), name));
    if (!QDir().mkpath(folder))
        throw errors::cannotCreateFolder(folder);
    Lines table = from.QuestList().lines().lines();
    if (how == NewCharacter::Fresh)
        for (std::string& line : table)
            line = withProgressCleared(line);
    writeLines(files::inFolder(folder, files::kQuestTable), table);
    writeLines(files::inFolder(folder, files::kContent), from.ContentStore().lines().lines());
    writeLines(files::inFolder(folder, files::kReward), from.RewardStore().lines().lines());
    writeLines(files::inFolder(folder, files::kMemo),
               how == NewCharacter::Fresh ? Lines{} : from.MemoStore().lines().lines());
    // What each quest needs is the data set's, as the table is.
    if (!from.Chains().lines().empty())
        writeLines(files::inFolder(folder, files::kChains), from.Chains().lines().lines());
    // What a character set aside is the character's own, as its progress is.
    if (how == NewCharacter::FullCopy && !from.SetAside().lines().empty())
        writeLines(files::inFolder(folder, files::kSetAside), from.SetAside().lines().lines());
    const QString favourites = files::inFolder(from.folder(), files::kUrlList);
    if (QFileInfo(favourites).isFile() && !QFile::copy(favourites, files::inFolder(folder, files::kUrlList)))
        throw errors::cannotCreate(files::inFolder(folder, files::kUrlList));
}

void OtherCharacters::setCharacters(std::vector<ChecklistEntry> others) {
    std::vector<Other> kept;
    for (ChecklistEntry& entry : others) {
        const auto known = std::find_if(others_.begin(), others_.end(), [&](const Other& other) {
            return other.entry.folder == entry.folder;
        });
        if (known != others_.end()) {
            known->entry = std::move(entry);
            kept.push_back(std::move(*known));
        } else {
            kept.push_back({std::move(entry), nullptr, FileStamp::unknown(), nullptr});
        }
    }
    others_ = std::move(kept);
}

// A stat a look: the table is read again only when its file is another than the one read.
void OtherCharacters::refresh(Other& other) {
    const QString path = files::inFolder(other.entry.folder, files::kQuestTable);
    const FileStamp now = FileStamp::identity(path);
    if (other.table && now.sameState(other.read))
        return;
    other.read = now;
    auto table = std::make_unique<QuestTable>(path);
    try {
        if (table->load()) {
            other.table = std::move(table);
            return;
        }
    } catch (const KorvaneError&) {
        // a table that cannot be read shows no progress
    }
    other.table.reset();
}

std::vector<OtherCharacters::Progress> OtherCharacters::progressOf(std::string_view number) {
    std::vector<Progress> out;
    for (Other& other : others_) {
        refresh(other);
        Progress progress{other.entry.name};
        if (other.table) {
            if (const auto line = other.table->find(number)) {
                const QuestShape& shape = other.table->shapes()[*line];
                progress.hasQuest = true;
                progress.offered = shape.has(kOffered) && flagSet(shape.flag(kOffered));
                progress.completed = shape.has(kCompleted) && flagSet(shape.flag(kCompleted));
            }
        }
        out.push_back(std::move(progress));
    }
    return out;
}

std::vector<OtherCharacters::Tables> OtherCharacters::tables() {
    std::vector<Tables> out;
    for (Other& other : others_) {
        refresh(other);
        const QString path = files::inFolder(other.entry.folder, files::kSetAside);
        if (const FileStamp now = FileStamp::identity(path);
            !other.aside || !now.sameState(other.asideRead)) {
            other.asideRead = now;
            other.aside = std::make_unique<SetAsideList>(path);
            try {
                other.aside->load();
            } catch (const KorvaneError&) {
                other.aside = std::make_unique<SetAsideList>(path); // unreadable: nothing set aside
            }
        }
        if (other.table)
            out.push_back({other.entry.name, other.table.get(), other.aside.get(),
                           files::inFolder(other.entry.folder, kJournalFile)});
    }
    return out;
}

} // namespace korvane
