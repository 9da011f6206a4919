#include "LookUp.h"

#include "store/Errors.h"
#include "store/SjisChars.h"
#include "store/UiText.h"

#include <array>

namespace korvane {
namespace {

struct Placeholder {
    std::string_view text;
    enum Kind { Number, Utf8, EucJp, Sjis } kind;
};
constexpr std::array<Placeholder, 4> kPlaceholders{{{"{no}", Placeholder::Number},
                                                    {"{name}", Placeholder::Utf8},
                                                    {"{name:euc-jp}", Placeholder::EucJp},
                                                    {"{name:sjis}", Placeholder::Sjis}}};

void percentEncode(std::string_view bytes, std::string& out) {
    constexpr std::string_view hex = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0x0F];
        }
    }
}

// The JIS row and cell of a double-byte character, or 0 for one beyond JIS X 0208 and NEC row 13.
unsigned jisOf(unsigned char lead, unsigned char trail) {
    if (!((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEA)) || trail < 0x40 ||
        trail == 0x7F || trail > 0xFC)
        return 0;
    unsigned row = (lead - (lead <= 0x9F ? 0x71u : 0xB1u)) * 2 + 1;
    unsigned cell = 0;
    if (trail >= 0x9F) {
        ++row;
        cell = trail - 0x7Eu;
    } else {
        cell = trail - (trail >= 0x80 ? 0x20u : 0x1Fu);
    }
    return row << 8 | cell;
}

const Placeholder* placeholderAt(std::string_view address, std::size_t pos) {
    for (const Placeholder& placeholder : kPlaceholders)
        if (address.substr(pos, placeholder.text.size()) == placeholder.text)
            return &placeholder;
    return nullptr;
}

// Characters, not bytes: a double-byte character's trail byte may be '{'.
std::size_t charAt(std::string_view address, std::size_t pos) {
    return std::min(sjis::charLength(address, pos), address.size() - pos);
}

} // namespace

bool isLookUpAddress(std::string_view address) {
    for (std::size_t pos = 0; pos < address.size(); pos += charAt(address, pos))
        if (placeholderAt(address, pos))
            return true;
    return false;
}

std::optional<std::string> sjisToEucJp(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size() + sjis.size() / 2);
    for (std::size_t pos = 0; pos < sjis.size();) {
        const auto lead = static_cast<unsigned char>(sjis[pos]);
        if (lead < 0x80) {
            out += sjis[pos++];
        } else if (lead >= 0xA1 && lead <= 0xDF) { // half-width katakana
            out += '\x8E';
            out += sjis[pos++];
        } else {
            if (pos + 1 >= sjis.size())
                return std::nullopt;
            const unsigned jis = jisOf(lead, static_cast<unsigned char>(sjis[pos + 1]));
            if (jis == 0)
                return std::nullopt;
            out += static_cast<char>((jis >> 8) | 0x80);
            out += static_cast<char>((jis & 0xFF) | 0x80);
            pos += 2;
        }
    }
    return out;
}

QString lookUpAddress(std::string_view address, std::string_view number, std::string_view name) {
    std::string out;
    for (std::size_t pos = 0; pos < address.size();) {
        const Placeholder* found = placeholderAt(address, pos);
        if (!found) {
            const std::size_t length = charAt(address, pos);
            out.append(address.substr(pos, length));
            pos += length;
            continue;
        }
        switch (found->kind) {
        case Placeholder::Number:
            percentEncode(number, out);
            break;
        case Placeholder::Utf8:
            percentEncode(toUi(name).toUtf8().toStdString(), out);
            break;
        case Placeholder::Sjis:
            percentEncode(name, out);
            break;
        case Placeholder::EucJp: {
            const std::optional<std::string> euc = sjisToEucJp(name);
            if (!euc)
                throw KorvaneError(
                    QStringLiteral("クエスト名「%1」には EUC-JP で表せない文字があります").arg(toUi(name)));
            percentEncode(*euc, out);
            break;
        }
        }
        pos += found->text.size();
    }
    return toUi(out);
}

} // namespace korvane
