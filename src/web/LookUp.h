#pragma once
// Looking a quest up: an address of the list that holds "{no}" or "{name}" opens with the quest on
// show put in. The name goes percent-encoded in UTF-8, or in the encoding its placeholder names
// ("{name:euc-jp}", "{name:sjis}"), as many Japanese game wikis still expect.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Whether the address (code page 932, as the list stores it) holds a placeholder.
bool isLookUpAddress(std::string_view address);

// The address with the quest put in: number and name as the quest table stores them. Throws
// "クエスト名「%1」には EUC-JP で表せない文字があります" when "{name:euc-jp}" meets a character
// beyond it.
QString lookUpAddress(std::string_view address, std::string_view number, std::string_view name);

// A code page 932 text in EUC-JP: the characters of JIS X 0208 with NEC's row 13 and the
// half-width katakana, as Japanese wikis read them ("〜" is A1 C1). Nothing when it holds any other.
std::optional<std::string> sjisToEucJp(std::string_view sjis);

} // namespace korvane
