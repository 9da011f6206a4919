#pragma once
// Which PCs have a synced data folder open. No file is written by two PCs, so a sync tool never
// has to choose between two versions of one: each PC announces itself with a file of its own in
// the folder, ".korvane-<installation id>.pc", holding its name and since when, refreshed while
// Korvane runs and removed when it closes. Whether an announcement is live is told by when it last
// changed here, on this PC's clock (a sync tool renames each new version into place), never by the
// time another PC wrote into it: one not changed for a while was left by a PC that was switched off
// or crashed, and no longer counts. The lock an older Korvane left
// (".korvane.lock") is honoured too, but never removed or replaced: it is not this program's.

#include "LocalLock.h"

#include <memory>

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <set>
#include <vector>

namespace korvane {

inline const QString kLegacyLockName = QStringLiteral(".korvane.lock");

struct UserFolders;

// An older Korvane's lock that this PC has written the folder past (a save of this PC's after the
// lock last changed, as the user's settings remember it) is left by a program that no longer has
// the folder: removed, and true. Nothing is asked.
bool removeOutwrittenLegacyLock(const QString& folder, const UserFolders& user);

// Refreshed this often while Korvane runs; counted while refreshed within kAnnouncementFresh.
constexpr int kAnnouncementRefreshSeconds = 60;
constexpr int kAnnouncementFreshSeconds = 300;

// This PC as its announcement names it.
struct ThisPc {
    // This installation's own id, made at random once and kept in the user's settings: PCs made from
    // one disk image, or two users of one PC, are each a PC of their own. Names its announcement.
    QString id;
    QString name; // the PC's name, as the other PCs show it
    static ThisPc here();
    static ThisPc here(const UserFolders& user);
};

QString announcementName(const QString& pcId);

// Another PC that has the folder open, as its announcement or an older Korvane's lock says.
struct OtherPc {
    QString file;    // the announcement or the lock
    QString pcId;    // empty for a lock
    QString name;    // the PC's name; empty when the file could not be read
    QDateTime since; // when it opened the folder, by its clock; invalid when unknown
    QString problem; // why the file could not be read; empty when it was
    bool legacyLock = false;
    QDateTime seen; // when its file last changed here, by this PC's clock
    bool operator==(const OtherPc&) const = default;
};

// The other PCs that have folder open now (now: this PC's clock): fresh announcements, an older Korvane's
// lock (of another PC, or of a process of this PC that still runs), and such files that cannot be read, which
// may be either.
std::vector<OtherPc> otherPcsIn(const QString& folder, const ThisPc& me,
                                const QDateTime& now = QDateTime::currentDateTimeUtc());

// This PC's announcement in a folder.
class Announcement {
public:
    Announcement(const QString& folder, ThisPc me);
    Announcement(Announcement&& other) noexcept;
    Announcement& operator=(Announcement&&) = delete;
    // Removed when it was written and not removed yet; quietly, as a program that ends cannot say.
    ~Announcement();

    // Writes or refreshes it; throws an error naming the file when it cannot be written.
    void write(const QDateTime& now = QDateTime::currentDateTimeUtc());
    // Removes it when it was written; throws an error naming the file when it cannot be removed.
    void remove();
    // The sync tools' conflict copies of this announcement and of an older Korvane's lock: Korvane's
    // own bookkeeping, never the player's data. The ones that could not be removed.
    QStringList removeConflictCopies() const;

    const QString& path() const { return path_; }
    // The folder was renamed (its file went with it).
    void renamed(const QString& folder);
    const QDateTime& since() const { return since_; }
    const ThisPc& me() const { return me_; }

private:
    QString folder_, path_;
    ThisPc me_;
    QDateTime since_;
    bool written_ = false;
};

// What a copy of Korvane holds of its data folder while it runs: this PC's lock, and its
// announcement to the other PCs.
// A folder this copy of Korvane keeps: this PC's lock of it and this PC's announcement in it.
struct FolderClaim {
    LocalLock lock;
    Announcement announcement;
    std::set<QString> accepted = {}; // others' files the player opened the folder beside: said once

    // The one way to claim a folder: its lock taken, its announcement not written yet. The holder
    // when another copy on this PC has it. Throws what LocalLock::take throws.
    static std::variant<std::unique_ptr<FolderClaim>, LocalLock::Holder> take(const QString& folder,
                                                                              const ThisPc& me);
};

} // namespace korvane
