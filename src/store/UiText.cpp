#include "UiText.h"

#include "Cp932.h"

#include <QList>

namespace korvane {

QString toUi(std::string_view cp932) {
    const std::u16string wide = cp932::decode(cp932);
    return QString(reinterpret_cast<const QChar*>(wide.data()), static_cast<qsizetype>(wide.size()));
}

std::optional<std::string> fromUi(const QString& text, QString* unmappable) {
    std::u16string bad;
    const std::u16string_view wide(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size()));
    auto bytes = cp932::encode(wide, &bad);
    if (unmappable)
        *unmappable = QString(reinterpret_cast<const QChar*>(bad.data()), static_cast<qsizetype>(bad.size()));
    return bytes;
}

std::string fromUiLossy(const QString& text) {
    QString unmappable;
    if (auto bytes = fromUi(text, &unmappable))
        return *bytes;
    QString shown = text;
    for (const uint c : unmappable.toUcs4())
        shown.replace(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1), QStringLiteral("?"));
    return fromUi(shown).value_or(std::string());
}

} // namespace korvane
