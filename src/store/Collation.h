#pragma once
// The one comparator of the program: whole lines compared as text, case-insensitively, in the
// collation of the user's locale. Every sort and every look-up goes through it, so that a binary
// search always agrees with the order the list was sorted in.

#include <memory>
#include <string>
#include <string_view>

struct UCollator;

namespace korvane {

class Collation {
public:
    // An ICU locale name such as "ja_JP"; empty for the root collation.
    explicit Collation(const std::string& localeName);
    ~Collation();
    Collation(const Collation&) = delete;
    Collation& operator=(const Collation&) = delete;

    // Built once, from LC_ALL, LC_COLLATE or LANG (root collation for C and POSIX).
    static const Collation& user();
    static std::string localeFromEnvironment();

    // <0, 0, >0. Arguments are code page 932 bytes.
    int compare(std::string_view a, std::string_view b) const;
    bool less(std::string_view a, std::string_view b) const { return compare(a, b) < 0; }

    // less(line, key), for the look-ups: when key is all digits and line begins with as many
    // digits, those digits alone decide, as they would in the collation (a line that begins with
    // the key is never less than it).
    bool lineBeforeKey(std::string_view line, std::string_view key) const;

private:
    UCollator* collator_;
};

} // namespace korvane
