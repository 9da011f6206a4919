#include "Draft.h"

#include "store/Errors.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace korvane {
namespace {

const QByteArray kHeader = "Korvane draft\n";
constexpr qint64 kLargestDraft = 4 << 20; // far past any memo or pane
// The kinds as the file names them, in DraftKind's order: the words drafts were always kept with.
const QByteArray kKindWords[] = {"メモ", "新規クエスト", "クエストの修正"};

// The folder by its canonical path, so that every spelling of it keeps one draft.
QString folderKey(const QString& folder) {
    const QString canonical = QDir(folder).canonicalPath();
    const QString path = canonical.isEmpty() ? QDir(folder).absolutePath() : canonical;
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

QString draftKindText(DraftKind kind) {
    return QString::fromUtf8(kKindWords[static_cast<std::size_t>(kind)]);
}

QString draftPath(const UserFolders& user, const QString& folder) {
    return QDir(QDir(user.settingsFolder()).filePath(QStringLiteral("drafts")))
        .filePath(QStringLiteral("draft-%1.txt").arg(folderKey(folder)));
}

void keepDraft(const UserFolders& user, const Draft& draft) {
    const QString path = draftPath(user, draft.folder);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray bytes = kHeader + "folder=" + QDir(draft.folder).absolutePath().toUtf8() +
                             "\nquest=" + QByteArray::fromStdString(draft.number) +
                             "\nwhat=" + kKindWords[static_cast<std::size_t>(draft.kind)] + "\n\n" +
                             draft.text.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw errors::cannotCreate(path);
}

std::optional<Draft> draftOf(const UserFolders& user, const QString& folder) {
    QFile file(draftPath(user, folder));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestDraft)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const qsizetype end = bytes.indexOf("\n\n");
    if (!bytes.startsWith(kHeader) || end < 0)
        return std::nullopt;
    Draft draft{folder, {}, DraftKind::Memo, QString::fromUtf8(bytes.mid(end + 2))};
    bool kindRead = false;
    for (const QByteArray& line : bytes.left(end).split('\n')) {
        if (line.startsWith("quest="))
            draft.number = line.mid(6).toStdString();
        else if (const auto* kind = std::find(std::begin(kKindWords), std::end(kKindWords), line.mid(5));
                 line.startsWith("what=") && kind != std::end(kKindWords)) {
            draft.kind = static_cast<DraftKind>(kind - std::begin(kKindWords));
            kindRead = true;
        }
    }
    if (!kindRead)
        return std::nullopt; // not a draft this program wrote
    return draft;
}

QString setDraftAside(const UserFolders& user, const QString& folder) {
    const QString path = draftPath(user, folder);
    const QString aside = path.chopped(4) +
                          QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMdd-HHmmss")) +
                          QStringLiteral(".txt");
    QFile::rename(path, aside);
    return aside;
}

std::optional<Draft> takeDraft(const UserFolders& user, const QString& folder) {
    std::optional<Draft> draft = draftOf(user, folder);
    if (draft)
        QFile::remove(draftPath(user, folder));
    return draft;
}

void KeptDraft::keep(const UserFolders& user, std::optional<Draft> typed) {
    if (typed == kept_)
        return;
    if (!typed)
        return drop(user);
    keepDraft(user, *typed);
    kept_ = std::move(typed);
}

void KeptDraft::drop(const UserFolders& user) {
    if (kept_)
        QFile::remove(draftPath(user, kept_->folder));
    kept_.reset();
}

} // namespace korvane
