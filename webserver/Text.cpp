#include "webserver/Text.h"

#include "src/platform/Win1252Table.h"

#include <array>
#include <cstdint>

namespace webserver {
namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char win1252Of(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < platform::kWin1252High.size(); ++i)
        if (platform::kWin1252High[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at text[i]; 0xFFFFFFFF for an invalid one (i then moves one byte).
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto b0 = static_cast<std::uint8_t>(text[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) { ++i; return b0; }
    if ((b0 & 0xE0) == 0xC0) { extra = 1; c = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; c = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; c = b0 & 0x07; }
    else { ++i; return 0xFFFFFFFF; }
    if (i + extra >= text.size()) { ++i; return 0xFFFFFFFF; }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<std::uint8_t>(text[i + k]);
        if ((b & 0xC0) != 0x80) { ++i; return 0xFFFFFFFF; }
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) { ++i; return 0xFFFFFFFF; }
    i += extra + 1;
    return c;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::string utf8FromWin1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        appendUtf8(out, (b >= 0x80 && b < 0xA0) ? platform::kWin1252High[b - 0x80] : char32_t(b));
    }
    return out;
}

std::string win1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, i);
        out += c == 0xFFFFFFFF ? '?' : win1252Of(c);
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();)
        if (nextCodePoint(text, i) == 0xFFFFFFFF) return false;
    return true;
}

std::string percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int hi = hexValue(text[i + 1]), lo = hexValue(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::map<std::string, std::string> parseQueryString(std::string_view query) {
    std::map<std::string, std::string> params;
    while (!query.empty()) {
        const auto amp = query.find('&');
        const auto pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
        if (pair.empty()) continue;
        const auto eq = pair.find('=');
        std::string name = percentDecode(pair.substr(0, eq));
        std::string value = eq == std::string_view::npos ? std::string{} : percentDecode(pair.substr(eq + 1));
        params.emplace(std::move(name), std::move(value));
    }
    return params;
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}

} // namespace webserver
