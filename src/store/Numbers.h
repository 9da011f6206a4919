#pragma once

#include <optional>
#include <string_view>

namespace korvane {

// A decimal integer with an optional sign and nothing else, within 32 bits; as quest numbers and
// search keys are read.
std::optional<int> parseInteger(std::string_view text);

} // namespace korvane
