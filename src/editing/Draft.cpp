#include "Draft.h"

#include "store/Errors.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace korvane {
namespace {

const QByteArray kHeader = "Korvane draft\n";
constexpr qint64 kLargestDraft = 4 << 20; // far past any memo or pane

// The folder by its canonical path, so that every spelling of it keeps one draft.
QString folderKey(const QString& folder) {
    const QString canonical = QDir(folder).canonicalPath();
    const QString path = canonical.isEmpty() ? QDir(folder).absolutePath() : canonical;
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

QString draftPath(const UserFolders& user, const QString& folder) {
    return QDir(QDir(user.settingsFolder()).filePath(QStringLiteral("drafts")))
        .filePath(QStringLiteral("draft-%1.txt").arg(folderKey(folder)));
}

void keepDraft(const UserFolders& user, const Draft& draft) {
    const QString path = draftPath(user, draft.folder);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray bytes = kHeader + "folder=" + QDir(draft.folder).absolutePath().toUtf8() +
                             "\nquest=" + QByteArray::fromStdString(draft.number) +
                             "\nwhat=" + draft.what.toUtf8() + "\n\n" + draft.text.toUtf8();
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
    Draft draft{folder, {}, {}, QString::fromUtf8(bytes.mid(end + 2))};
    for (const QByteArray& line : bytes.left(end).split('\n')) {
        if (line.startsWith("quest="))
            draft.number = line.mid(6).toStdString();
        else if (line.startsWith("what="))
            draft.what = QString::fromUtf8(line.mid(5));
    }
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

} // namespace korvane
