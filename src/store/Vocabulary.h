#pragma once
// The fixed vocabulary of nations and their areas, as code page 932 bytes.

#include <string>
#include <string_view>
#include <vector>

namespace korvane::vocabulary {

// The seven nations, in the order of the nation boxes.
const std::vector<std::string>& nations();

// "全国": all nations; exists only in the nation filter.
const std::string& allNations();

// "全地域": all areas; the first item of the area filter.
const std::string& allAreas();

// The nation's areas in table order. The nation is matched as a whole text, byte for byte;
// "全国", "ジラート", an empty text or anything else gives none.
std::vector<std::string> areasOf(std::string_view nation);

} // namespace korvane::vocabulary
