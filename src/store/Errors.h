#pragma once
// The kinds of error a handler raises. Its text is what the error box shows; nothing below the
// window catches it except where a quiet end is the intended behaviour.

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <string_view>

namespace korvane {

class KorvaneError : public std::runtime_error {
public:
    explicit KorvaneError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// A data file is no longer what this copy last read or wrote: another program changed it. The
// edit was not written anywhere; the window offers to read the files again.
class FileChangedError : public KorvaneError {
public:
    explicit FileChangedError(const QString& path);
    const QString& path() const { return path_; }

private:
    QString path_;
};

// An edit of several files stopped part-way: the files named saved hold it, the others do not.
class PartlySavedError : public KorvaneError {
public:
    PartlySavedError(const KorvaneError& cause, const QStringList& saved, const QStringList& unsaved);
    const QStringList& saved() const { return saved_; }

private:
    QStringList saved_;
};

namespace errors {
KorvaneError cannotOpen(const QString& path);     // "ファイル %s は開けません"
KorvaneError notRegular(const QString& path);     // a pipe, a device: never read
KorvaneError changedOutside(const QString& path); // found part-way through an edit
KorvaneError cannotCreate(const QString& path);   // "ファイル %s を作成できません"
// Another program held the file through every try of a replace; denied: the system said so.
KorvaneError heldByAnother(const QString& path, bool denied);
KorvaneError cannotCreateFolder(const QString& path); // "フォルダ %s を作成できません"
KorvaneError notInteger(std::string_view cp932Text);  // "'%s' は整数ではありません"
KorvaneError indexOutOfRange(long long index); // "リストのインデックスが範囲を超えています (%d)"
KorvaneError cannotWrite(const QString& path);  // "%s に書き込めません"
KorvaneError notLoaded(const QString& path);    // a list that did not load is never written back
KorvaneError missing(const QStringList& paths); // "ファイル %s は開けません", a line for each
} // namespace errors

} // namespace korvane
