#include "Errors.h"

#include "UiText.h"

#include <QDir>
#include <QFileInfo>

namespace korvane {

KorvaneError::KorvaneError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

namespace {
QString namesOf(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    return names.join(QStringLiteral("、"));
}
} // namespace

FileChangedError::FileChangedError(const QString& path)
    : KorvaneError(
          QStringLiteral(
              "ファイル %1 は Korvane の外で変更されています。この編集はどのファイルにも保存していません")
              .arg(QDir::toNativeSeparators(path))),
      path_(path) {}

PartlySavedError::PartlySavedError(const KorvaneError& cause, const QStringList& saved,
                                   const QStringList& unsaved)
    : KorvaneError(cause.message() +
                   QStringLiteral("\nこの編集は %1 に保存しましたが、%2 には保存していません")
                       .arg(namesOf(saved), namesOf(unsaved))),
      saved_(saved) {}

namespace errors {

KorvaneError cannotOpen(const QString& path) {
    return KorvaneError(QStringLiteral("ファイル %1 は開けません").arg(QDir::toNativeSeparators(path)));
}

KorvaneError notRegular(const QString& path) {
    return KorvaneError(QStringLiteral("ファイル %1 は通常のファイルではないため、開けません")
                            .arg(QDir::toNativeSeparators(path)));
}

KorvaneError changedOutside(const QString& path) {
    return KorvaneError(QStringLiteral("ファイル %1 は Korvane の外で変更されたため、書き込んでいません")
                            .arg(QDir::toNativeSeparators(path)));
}

KorvaneError cannotCreate(const QString& path) {
    return KorvaneError(QStringLiteral("ファイル %1 を作成できません").arg(QDir::toNativeSeparators(path)));
}

KorvaneError heldByAnother(const QString& path, bool denied) {
    const QString shown = QDir::toNativeSeparators(path);
    const QString why =
        denied
            ? QStringLiteral("ファイル %1 への書き込みが拒否されました（ほかのプログラムが使っているか、"
                             "書き込みが許されていません）。")
                  .arg(shown)
            : QStringLiteral("ファイル %1 は、ほかのプログラム（同期ツールやウイルス対策ソフトなど）が開いた"
                             "ままのため、書き込めませんでした。")
                  .arg(shown);
    return KorvaneError(why +
                        QStringLiteral("ファイルは前の内容のままで、何も失われていません。少し待ってから、"
                                       "もう一度操作してください"));
}

KorvaneError cannotCreateFolder(const QString& path) {
    return KorvaneError(QStringLiteral("フォルダ %1 を作成できません").arg(QDir::toNativeSeparators(path)));
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

KorvaneError missing(const QStringList& paths) {
    QStringList lines;
    for (const QString& path : paths)
        lines << cannotOpen(path).message();
    return KorvaneError(lines.join(QLatin1Char('\n')));
}

KorvaneError notLoaded(const QString& path) {
    return KorvaneError(QStringLiteral("ファイル %1 は起動時に読み込めなかったため、書き込みません")
                            .arg(QDir::toNativeSeparators(path)));
}

} // namespace errors
} // namespace korvane
