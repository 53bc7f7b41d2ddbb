// Windows-1252 to Unicode and back, for the ANSI text functions.
#include "gdi_text_codepage.h"

#include <array>

namespace gdi {

namespace {

// 0x80..0x9F, the only range where Windows-1252 differs from Latin-1
// (bestfit1252.txt of the Unicode consortium's Windows mappings).
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};
static_assert(kHighControls.size() == 0xA0 - 0x80);

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The byte for a Unicode character, or '?' when Windows-1252 has none.
char UnicodeToCp1252(uint32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == code) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at text[pos]; malformed bytes decode as
// themselves so that nothing is lost or read past the end.
uint32_t DecodeUtf8(const std::string& text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (pos + length > text.size()) length = 1;
    uint32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return lead;
        }
        code = (code << 6) | (byte(pos + i) & 0x3F);
    }
    pos += length;
    return code;
}

} // namespace

uint32_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

std::string Utf8ToCp1252(const std::string& utf8) {
    std::string out;
    for (size_t pos = 0; pos < utf8.size();)
        out += UnicodeToCp1252(DecodeUtf8(utf8, pos));
    return out;
}

std::string Cp1252ToUtf8(const std::string& bytes) {
    std::string out;
    for (unsigned char byte : bytes)
        AppendUtf8(out, Cp1252ToUnicode(byte));
    return out;
}

} // namespace gdi
