#include "Cp932.h"

#include <bit>
#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <stdexcept>

namespace korvane::cp932 {
namespace {

static_assert(std::endian::native == std::endian::little, "UTF-16LE is used as the native char16_t form");

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false with *in at the offending input when it stops early.
    bool run(const char** in, std::size_t* inLeft, char** out, std::size_t* outLeft) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        const std::size_t r = iconv(cd_, const_cast<char**>(in), inLeft, out, outLeft);
        return r != static_cast<std::size_t>(-1);
    }

private:
    iconv_t cd_;
};

Converter& decoder() {
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

} // namespace

std::u16string decode(std::string_view bytes) {
    std::u16string out(bytes.size(), u'\0'); // never more UTF-16 units than bytes
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    char* dst = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * sizeof(char16_t);
    while (inLeft > 0) {
        if (decoder().run(&in, &inLeft, &dst, &outLeft))
            break;
        // Invalid or truncated sequence: show a replacement character and go on behind the byte.
        *reinterpret_cast<char16_t*>(dst) = u'\uFFFD';
        dst += sizeof(char16_t);
        outLeft -= sizeof(char16_t);
        ++in;
        --inLeft;
    }
    out.resize(out.size() - outLeft / sizeof(char16_t));
    return out;
}

std::optional<std::string> encode(std::u16string_view text, std::u16string* unmappable) {
    std::string out(text.size() * 2, '\0'); // at most two bytes per UTF-16 unit
    const char* in = reinterpret_cast<const char*>(text.data());
    std::size_t inLeft = text.size() * sizeof(char16_t);
    char* dst = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (encoder().run(&in, &inLeft, &dst, &outLeft))
            break;
        ok = false;
        const auto* bad = reinterpret_cast<const char16_t*>(in);
        const std::size_t units = isHighSurrogate(*bad) && inLeft >= 4 ? 2 : 1;
        if (unmappable) {
            const std::u16string_view ch(bad, units);
            if (unmappable->find(ch) == std::u16string::npos)
                unmappable->append(ch);
        }
        in += units * sizeof(char16_t);
        inLeft -= units * sizeof(char16_t);
    }
    if (!ok)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::u16string wide;
    {
        thread_local Converter fromUtf8Conv("UTF-16LE", "UTF-8");
        wide.assign(utf8.size(), u'\0');
        const char* in = utf8.data();
        std::size_t inLeft = utf8.size();
        char* dst = reinterpret_cast<char*>(wide.data());
        std::size_t outLeft = wide.size() * sizeof(char16_t);
        if (!fromUtf8Conv.run(&in, &inLeft, &dst, &outLeft))
            std::abort();
        wide.resize(wide.size() - outLeft / sizeof(char16_t));
    }
    auto bytes = encode(wide);
    if (!bytes)
        std::abort();
    return *bytes;
}

} // namespace korvane::cp932
