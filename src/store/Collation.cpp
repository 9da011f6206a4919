#include "Collation.h"

#include "Cp932.h"
#include "Numbers.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <unicode/ustring.h>
#include <vector>

namespace korvane {
namespace {

// Case is ignored by folding first; the tertiary strength then still tells kana from kana of the
// other type and full width from half width, as the locale's own case-insensitive compare does.
const UChar* folded(std::string_view bytes, std::vector<UChar>& buffer, int32_t& length) {
    const std::u16string wide = cp932::decode(bytes);
    buffer.resize(wide.size() * 3 + 1);
    UErrorCode status = U_ZERO_ERROR;
    length = u_strFoldCase(buffer.data(), static_cast<int32_t>(buffer.size()),
                           reinterpret_cast<const UChar*>(wide.data()), static_cast<int32_t>(wide.size()),
                           U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status))
        throw std::runtime_error("case folding failed");
    return buffer.data();
}

} // namespace

Collation::Collation(const std::string& localeName) {
    UErrorCode status = U_ZERO_ERROR;
    collator_ = ucol_open(localeName.c_str(), &status);
    if (U_FAILURE(status))
        throw std::runtime_error("no collation for locale " + localeName);
    ucol_setStrength(collator_, UCOL_TERTIARY);
}

Collation::~Collation() {
    ucol_close(collator_);
}

std::string Collation::localeFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value)
            continue;
        std::string locale(value);
        locale.resize(std::min(locale.size(), locale.find_first_of(".@")));
        if (locale == "C" || locale == "POSIX")
            return {};
        return locale;
    }
#ifdef _WIN32
    return uloc_getDefault(); // the user's own locale, as Windows names it
#else
    return {};
#endif
}

const Collation& Collation::user() {
    static const Collation instance(localeFromEnvironment());
    return instance;
}

bool Collation::lineBeforeKey(std::string_view line, std::string_view key) const {
    if (!key.empty() && line.size() >= key.size() && allDigits(key) && allDigits(line.substr(0, key.size())))
        return line.substr(0, key.size()) < key;
    return less(line, key);
}

int Collation::compare(std::string_view a, std::string_view b) const {
    // Lines that differ first inside a leading run of ASCII digits (quest numbers, line indices)
    // are ordered by that digit in every collation; this decides almost every comparison of a sort.
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < n && a[i] == b[i] && isDigit(a[i]))
        ++i;
    if (i < n && isDigit(a[i]) && isDigit(b[i]))
        return a[i] < b[i] ? -1 : 1;
    if (a == b)
        return 0;

    thread_local std::vector<UChar> bufferA, bufferB;
    int32_t lengthA = 0, lengthB = 0;
    const UChar* fa = folded(a, bufferA, lengthA);
    const UChar* fb = folded(b, bufferB, lengthB);
    switch (ucol_strcoll(collator_, fa, lengthA, fb, lengthB)) {
    case UCOL_LESS:
        return -1;
    case UCOL_GREATER:
        return 1;
    default:
        return 0;
    }
}

} // namespace korvane
