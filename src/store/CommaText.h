#pragma once
// Comma text: the field syntax of every quest table line and address list line.
// Fields are joined with ","; a field holding a byte of 0x20 or below, a double quote or a comma is
// enclosed in double quotes with inner quotes doubled. On reading, an unquoted space also ends a field.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

using Fields = std::vector<std::string>;

Fields splitCommaText(std::string_view line);

// A line with no double quote and no byte of 0x20 or below (no trail byte of code page 932 is one,
// nor a comma) is its fields between commas: split without a copy, as splitCommaText would split
// it. False, with fields untouched, for any other line, and for an empty one, which has no field.
bool splitPlainFields(std::string_view line, std::vector<std::string_view>& fields);
// The same split, handing each field over as it is read.
void forEachField(std::string_view line, const std::function<void(std::string&&)>& take);
// Fields first to first + count - 1 only, read by the same rule; those before are stepped over
// without a copy and those after are not read. Fewer when the line has fewer.
Fields fieldsFrom(std::string_view line, std::size_t first, std::size_t count);
std::string joinCommaText(const Fields& fields);

} // namespace korvane
