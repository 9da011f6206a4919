#include "UrlList.h"

#include "store/CommaText.h"
#include "store/Errors.h"
#include "store/LineList.h"
#include "store/UiText.h"

#include <QFileInfo>
#include <QUrl>

namespace korvane {

Lines readUrlList(const QString& path) {
    return readLines(path);
}

Lines readUrlListToEdit(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink() ? readUrlList(path) : Lines{};
}

void addToUrlList(const QString& path, const std::string& title, const std::string& address) {
    // Only a list that does not exist yet starts empty; one that exists and cannot be read is
    // never replaced, so the add is refused with the read error.
    LineList list;
    list.assign(readUrlListToEdit(path));
    const bool sorted = list.isSorted(); // an order the player chose is kept
    list.append(urlLine(title, address));
    if (sorted)
        list.sort();
    writeLines(path, list.lines(), {.keepBackup = true});
}

void writeUrlList(const QString& path, const Lines& read, const Lines& edited) {
    if (readUrlListToEdit(path) != read)
        throw KorvaneError(QStringLiteral("%1 "
                                          "はほかのプログラムが書き換えたため、お気に入りの編集は保存していま"
                                          "せん。もう一度編集してください")
                               .arg(QFileInfo(path).fileName()));
    writeLines(path, edited, {.keepBackup = true});
}

std::string urlLine(const std::string& title, const std::string& address) {
    return joinCommaText({title, address});
}

std::string urlTitle(const std::string& line) {
    const Fields fields = splitCommaText(line);
    return fields.empty() ? std::string() : fields[0];
}

std::string urlAddress(const std::string& line) {
    const Fields fields = splitCommaText(line);
    if (fields.size() < 2)
        throw errors::indexOutOfRange(1);
    return fields[1];
}

std::string storedAddress(const QString& address) {
    if (auto bytes = fromUi(address))
        return *bytes;
    return QUrl::fromUserInput(address).toString(QUrl::FullyEncoded).toStdString();
}

QUrl urlOfAddress(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid())
        throw KorvaneError(QStringLiteral("アドレス %1 を開けません").arg(address));
    return url;
}

QString unreachableText(const QString& address) {
    QString text = QStringLiteral("ページを開けませんでした: %1").arg(address);
    const QString host = QUrl::fromUserInput(address).host().toLower();
    for (const QString& example : {QStringLiteral("example.com"), QStringLiteral("example.net"),
                                   QStringLiteral("example.org"), QStringLiteral("example.jp")})
        if (host == example || host.endsWith(QLatin1Char('.') + example))
            return text + QStringLiteral("　このアドレスは見本のままです。お気に入りの編集で攻略サイトのアド"
                                         "レスに書き換えてください");
    return text;
}

} // namespace korvane
