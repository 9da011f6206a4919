#include "Errors.h"

#include "UiText.h"

#include <QDir>

namespace korvane {

KorvaneError::KorvaneError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

namespace errors {

KorvaneError cannotOpen(const QString& path) {
    return KorvaneError(QStringLiteral("ファイル %1 は開けません").arg(QDir::toNativeSeparators(path)));
}

KorvaneError cannotCreate(const QString& path) {
    return KorvaneError(QStringLiteral("ファイル %1 を作成できません").arg(QDir::toNativeSeparators(path)));
}

KorvaneError notInteger(std::string_view cp932Text) {
    return KorvaneError(QStringLiteral("'%1' は整数ではありません").arg(toUi(cp932Text)));
}

KorvaneError indexOutOfRange(long long index) {
    return KorvaneError(QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
}

KorvaneError cannotWrite(const QString& path) {
    return KorvaneError(QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path)));
}

KorvaneError notLoaded(const QString& path) {
    return KorvaneError(QStringLiteral("ファイル %1 は起動時に読み込めなかったため、書き込みません")
                            .arg(QDir::toNativeSeparators(path)));
}

} // namespace errors
} // namespace korvane
