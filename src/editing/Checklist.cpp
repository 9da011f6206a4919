#include "Checklist.h"

#include "QuestImport.h"
#include "store/Backups.h"
#include "store/DataFiles.h"
#include "store/Errors.h"
#include "store/LineFile.h"
#include "store/Numbers.h"
#include "store/PlayerChecklists.h"
#include "store/UiText.h"
#include "sync/ConflictNames.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <set>

namespace korvane {

Checklist::Checklist(const QString& folder, std::unique_ptr<FolderClaim> claim)
    : quests_(files::inFolder(folder, files::kQuestTable)),
      contents_(files::inFolder(folder, files::kContent)), rewards_(files::inFolder(folder, files::kReward)),
      memos_(files::inFolder(folder, files::kMemo)), aside_(files::inFolder(folder, files::kSetAside)),
      chains_(files::inFolder(folder, files::kChains)), folder_(folder),
      identity_(FileStamp::identity(folder)), claim_(std::move(claim)),
      journal_(files::inFolder(folder, kJournalFile)),
      known_(KnownVersions::of(UserFolders::fromEnvironment(), folder)), pcName_(ThisPc::here().name) {
    const ThisPc me = ThisPc::here();
    makeBackupsAs(backupTagOf(me.name, me.id));
}

Checklist::~Checklist() = default;

QStringList Checklist::load() {
    flushKnown(); // what this PC wrote last is kept before the files are read again
    // What a save ended part-way left here would otherwise stay, and travel with a synced folder.
    if (claim_ && !std::exchange(swept_, true))
        removeUnfinishedSaves(folder_, {files::kQuestTable, files::kContent, files::kReward, files::kMemo,
                                        files::kSetAside, kJournalFile});
    history_.clear();
    watch_.filesRead();
    QStringList missing;
    if (!quests_.load())
        missing << quests_.path();
    for (TextStore* store : {&contents_, &rewards_, &memos_})
        if (!store->load())
            missing << store->path();
    aside_.load();
    chains_.load();
    rememberKnown();
    return missing;
}

void Checklist::rememberKnown() {
    const std::array<const StoredList*, 5> dataLists{&quests_, &contents_, &rewards_, &memos_, &chains_};
    for (const StoredList* list : dataLists) {
        if (!list->loaded() || !list->stamp().exists())
            continue;
        const QString name = QFileInfo(list->path()).fileName();
        const auto last = knownStamps_.find(name);
        if (last != knownStamps_.end() && last->second.sameState(list->stamp()))
            continue;
        // A version this PC wrote is kept a moment later (flushKnown), off the edit's path; one
        // that arrived at once, before anything can be told against it.
        const bool written = !list->written().empty() && list->written().back().sameState(list->stamp());
        if (written)
            knownPending_.insert(name);
        else if (!known_.holdsNewest(name, list->stamp()))
            known_.remember(name, list->lines().lines(), list->stamp(), false,
                            list->fileHoldsList() ? list->path() : QString());
        knownStamps_[name] = list->stamp();
    }
}

void Checklist::flushKnown() {
    for (const QString& name : std::exchange(knownPending_, {})) {
        const StoredList& list = listOf(name);
        if (list.loaded() && list.stamp().exists())
            known_.remember(name, list.lines().lines(), list.stamp(), true,
                            list.fileHoldsList() ? list.path() : QString());
    }
}

// Only versions that arrived: one this PC wrote may never have reached the other PC, and taken as
// where the two parted it reads the other PC as undoing this PC's own ticks. Without one, the
// merge's rules keep what either PC set.
std::vector<KeptVersion> Checklist::earlierVersions(const QString& dataFile) const {
    std::vector<KeptVersion> versions;
    for (const KnownVersions::Version& version : known_.versionsOf(dataFile))
        if (version.arrived)
            versions.push_back({version.path, version.madeNs});
    return versions;
}

std::vector<ShortArrival> Checklist::shortArrivals() {
    flushKnown();
    std::vector<ShortArrival> arrivals;
    for (const QString& name :
         {files::kQuestTable, files::kContent, files::kReward, files::kMemo, files::kChains}) {
        // What the file system says is enough to tell this PC's newest version: no file is read for it.
        const QString path = files::inFolder(folder_, name);
        const FileStamp now = FileStamp::identity(path);
        if (!now.exists() || known_.holdsNewest(name, now))
            continue;
        const std::optional<KnownVersions::Version> mine = known_.newest(name);
        if (!mine)
            continue;
        std::size_t lines = 0;
        try {
            lines = readLines(path).size();
        } catch (const KorvaneError&) {
            continue; // said when the checklist is read
        }
        if (arrivalTooShort(mine->lines, lines))
            arrivals.push_back({path, mine->lines, lines, now, mine->path});
    }
    return arrivals;
}

void Checklist::takeArrival(const ShortArrival& arrival) {
    FileStamp stamp;
    const Lines lines = readLines(arrival.path, &stamp);
    if (stamp.sameState(arrival.stamp))
        known_.remember(QFileInfo(arrival.path).fileName(), lines, stamp, false);
}

bool Checklist::keepThisPcsVersion(const ShortArrival& arrival) {
    if (!FileStamp::identity(arrival.path).sameState(arrival.stamp))
        return false;
    writeLines(arrival.path, readLines(arrival.knownPath), {.keepBackup = true});
    return true;
}

Checklist::LeftHistory Checklist::leaveHistory() {
    LeftHistory left;
    for (StoredList* list : editableLists()) {
        const QString file = QFileInfo(list->path()).fileName();
        left.files[list] = file;
        left.left[file] = list->stamp();
    }
    left.history = std::move(history_);
    history_.clear();
    return left;
}

void Checklist::resumeHistory(LeftHistory left) {
    for (StoredList* list : editableLists()) {
        const auto was = left.left.find(QFileInfo(list->path()).fileName());
        if (was == left.left.end() ||
            !(was->second == list->stamp() || was->second.sameVersion(list->stamp())))
            return; // a file changed since: the steps no longer fit it
    }
    left.history.rebind([&](const StoredList* old) -> StoredList* {
        const auto file = left.files.find(old);
        if (file == left.files.end())
            return nullptr;
        StoredList& list = listOf(file->second);
        return QFileInfo(list.path()).fileName() == file->second ? &list : nullptr;
    });
    history_ = std::move(left.history);
}

QString Checklist::stepName(const QString& what, const std::string& number) {
    return what.contains(QLatin1Char('(')) ? what : what + QLatin1Char(' ') + toUi(number);
}

StepWrote Checklist::wroteBy(const EditStep& edit) const {
    StepWrote wrote;
    const auto stores = textStores();
    for (const EditStep::Part& part : edit.parts) {
        if (part.list == &quests_)
            wrote.tableLines.insert(wrote.tableLines.end(), part.ranges.begin(), part.ranges.end());
        for (std::size_t i = 0; i < stores.size(); ++i)
            wrote.texts[i] = wrote.texts[i] || part.list == stores[i];
    }
    return wrote;
}

const EditHistory::Step& Checklist::step(bool back) {
    const EditHistory::Step& done = back ? history_.undo() : history_.redo();
    const JournalCause cause = back ? JournalCause::Undo : JournalCause::Redo;
    rememberKnown();
    note(journalEventsOf(done.edit, data(), cause), cause);
    for (const EditStep::Move& move : done.edit.moves) {
        offered_.erase(move.from);
        offered_.erase(move.to);
    }
    return done;
}

FolderLook Checklist::look(bool idle) const {
    FolderLook look;
    look.folderThere = folderStillThere();
    look.idle = idle;
    if (const QString twin = folderInAnyForm(folder_);
        !look.folderThere && twin != folder_ && identity_.sameFile(FileStamp::identity(twin)))
        look.renamedTo = twin;
    if (!look.folderThere || !idle)
        return look;
    for (const StoredList* list : lists()) {
        look.now.push_back(FileStamp::take(list->path()));
        look.fileMissing = look.fileMissing || (list->fileExists() && !look.now.back().exists());
        if (!list->unchangedOnDisk())
            look.changed << list->path();
    }
    return look;
}

void Checklist::applyImport(ImportSet& theirs, const std::set<std::string>& leftOut, const QString& what,
                            const std::string& number) {
    apply(
        what, number,
        [&](QuestData data, EditStep* step) { korvane::applyImport(data, theirs, leftOut, step); },
        JournalCause::Import);
}

void Checklist::note(const std::vector<JournalEvent>& events, JournalCause cause) {
    try {
        // Past every line the file holds now, another PC's that just came too.
        if (!events.empty())
            journal_.refresh();
        journal_.append(events, cause, journalTimeAfter(clock_(), journal_.latestTime()), pcName_);
    } catch (const KorvaneError& error) {
        journalFailure_ = QStringLiteral("記録を書けませんでした: %1").arg(error.message());
    }
}

const Journal& Checklist::journal() {
    journal_.refresh();
    return journal_;
}

QuestDates Checklist::questDates(std::string_view number) {
    const std::uint16_t parsed = questNumberOf(number);
    return parsed != 0 ? korvane::questDates(journal(), parsed) : QuestDates{};
}

bool Checklist::folderStillThere() const {
    return identity_.sameFile(FileStamp::identity(folder_));
}

bool Checklist::writeTo(const QString& folder) {
    flushKnown();
    const bool same = sameFolder(folder) == sameFolder(folder_);
    for (const QString& name : files::kDataFiles)
        if (!same && QFileInfo::exists(files::inFolder(folder, name)))
            throw KorvaneError(
                QStringLiteral("フォルダ %1 にはすでにチェックリスト（%2）があるため、書き出しません")
                    .arg(QDir::toNativeSeparators(folder), name));
    if (!QDir().mkpath(folder))
        throw errors::cannotCreateFolder(folder);
    // The folder this checklist holds already (only its files went) stays claimed as it is.
    std::unique_ptr<FolderClaim> claim;
    if (claim_ && !(same && folderStillThere())) {
        auto taken = FolderClaim::take(folder, claim_->announcement.me());
        if (std::holds_alternative<LocalLock::Holder>(taken))
            throw KorvaneError(QStringLiteral("この PC の別の Korvane がフォルダ %1 を開いています")
                                   .arg(QDir::toNativeSeparators(folder)));
        claim = std::get<std::unique_ptr<FolderClaim>>(std::move(taken));
    }
    // What another PC or a restore put back at the place meanwhile is never written over: this
    // PC's version goes beside it as a conflict copy, merged as any other.
    bool copies = false;
    const QDateTime now = QDateTime::currentDateTime();
    for (StoredList* list : editableLists()) {
        // No file of quests set aside, or of chains, is nothing set aside or chained: none is made.
        const bool optional = list == &aside_ || list == &chains_;
        const bool write = list->loaded() && (!optional || !list->lines().empty());
        const QString name = QFileInfo(list->path()).fileName(), target = files::inFolder(folder, name);
        list->moveTo(target);
        if (!write)
            continue;
        if (!QFileInfo::exists(target)) {
            list->writeWhole();
            continue;
        }
        list->rememberWritten(
            writeLines(files::inFolder(folder, korvaneCopyName(name, now)), list->lines().lines()));
        copies = true;
    }
    journal_.moveTo(files::inFolder(folder, kJournalFile));
    folder_ = QDir(folder).absolutePath();
    identity_ = FileStamp::identity(folder_);
    history_.clear();
    known_ = KnownVersions::of(UserFolders::fromEnvironment(), folder_);
    knownStamps_.clear();
    rememberKnown();
    if (claim) {
        claim_ = std::move(claim);
        claim_->announcement.write();
    }
    if (copies)
        load(); // the files as they were put back; the copies are offered at the next look
    return copies;
}

void Checklist::followRename(const QString& folder) {
    for (StoredList* list : editableLists())
        list->renamedTo(files::inFolder(folder, QFileInfo(list->path()).fileName()));
    journal_.renamedTo(files::inFolder(folder, kJournalFile));
    if (claim_)
        claim_->announcement.renamed(folder);
    folder_ = folder;
    known_ = KnownVersions::of(UserFolders::fromEnvironment(), folder_);
}

std::vector<OtherPc> Checklist::otherPcs() const {
    return claim_ ? otherPcsIn(folder_, claim_->announcement.me()) : std::vector<OtherPc>{};
}

void Checklist::announce() {
    if (claim_)
        claim_->announcement.write();
}

void Checklist::rememberWritten(const UserFolders& user) {
    const QMap<QString, QString> written = readWrittenVersions(user, folder_);
    for (StoredList* list : editableLists())
        if (const auto stamp = FileStamp::fromText(written.value(QFileInfo(list->path()).fileName())))
            list->rememberWritten(*stamp);
}

void Checklist::close(const UserFolders& user) {
    flushKnown();
    if (!claim_)
        return;
    QMap<QString, QString> written;
    for (const StoredList* list : lists())
        if (!list->written().empty())
            written[QFileInfo(list->path()).fileName()] = list->written().back().toText();
    claim_->announcement.remove();
    writeWrittenVersions(user, folder_, written);
    removeOutwrittenLegacyLock(folder_, user); // the player chose to open past it, and saved
}

} // namespace korvane
