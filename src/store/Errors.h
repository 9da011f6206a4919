#pragma once
// The one kind of error a handler raises. Its text is what the error box shows; nothing below the
// window catches it except where a quiet end is the intended behaviour.

#include <QString>
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

namespace errors {
KorvaneError cannotOpen(const QString& path);        // "ファイル %s は開けません"
KorvaneError cannotCreate(const QString& path);      // "ファイル %s を作成できません"
KorvaneError notInteger(std::string_view cp932Text); // "'%s' は整数ではありません"
KorvaneError indexOutOfRange(long long index); // "リストのインデックスが範囲を超えています (%d)"
KorvaneError cannotWrite(const QString& path); // "%s に書き込めません"
KorvaneError notLoaded(const QString& path);   // a list that did not load is never written back
} // namespace errors

} // namespace korvane
