#include "UiText.h"

#include "Cp932.h"

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

} // namespace korvane
