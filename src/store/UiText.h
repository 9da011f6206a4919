#pragma once
// Where stored bytes meet Qt's strings: the one place that turns code page 932 into QString and back.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

QString toUi(std::string_view cp932);

// Nothing when the text holds characters that code page 932 cannot hold; those are put into
// unmappable (each once) when it is given.
std::optional<std::string> fromUi(const QString& text, QString* unmappable = nullptr);

// For text that is only shown again, such as a page title: characters that code page 932 cannot
// hold become "?".
std::string fromUiLossy(const QString& text);

} // namespace korvane
