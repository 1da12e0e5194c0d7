#include "webserver/SqlTokenizer.h"

#include "webserver/Text.h"

#include <cctype>
#include <cstdio>

namespace webserver::sql {
namespace {

bool isWordStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }
bool isWordChar(unsigned char c) { return isWordStart(c) || std::isdigit(c); }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::string position(std::size_t at) { return " (position " + std::to_string(at + 1) + ")"; }

// The escapes QuoteSqlText writes for the query string, in the order it writes them.
std::string decodeQuoteEscapes(std::string text) {
    static constexpr std::pair<std::string_view, std::string_view> kEscapes[] = {
        {"%22", "\""}, {"%26", "&"}, {"%3C", "<"}, {"%3E", ">"}, {"%0D%0A", "\r\n"}};
    for (const auto& [from, to] : kEscapes)
        for (auto p = text.find(from); p != std::string::npos; p = text.find(from, p + to.size()))
            text.replace(p, from.size(), to);
    return text;
}

// "m/d/yyyy" with an optional " h:m[:s]" -> "yyyy-mm-dd[ hh:mm:ss]"; empty when not a real date.
std::string isoFromAccessDate(std::string_view text) {
    int month = 0, day = 0, year = 0, h = -1, mi = 0, s = 0, consumed = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%2d/%2d/%4d%n", &month, &day, &year, &consumed) != 3) return {};
    std::string_view rest = std::string_view(copy).substr(consumed);
    if (!rest.empty()) {
        int used = 0;
        const std::string tail(rest);
        const int n = std::sscanf(tail.c_str(), " %2d:%2d%n:%2d%n", &h, &mi, &used, &s, &used);
        if (n < 2 || static_cast<std::size_t>(used) != tail.size() || h > 23 || mi > 59 || s > 59) return {};
    }
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (year < 1000 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1] ||
        (month == 2 && day == 29 && !leap))
        return {};
    char buf[64];
    if (h < 0) std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    else std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, h, mi, s);
    return buf;
}

} // namespace

bool Token::is(Tok k, std::string_view upperText) const {
    return kind == k && asciiUpper(text) == upperText;
}

std::vector<Token> tokenize(std::string_view sql, bool decodeClientEscapes) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    const auto quoted = [&](char quote) {
        const std::size_t start = i++;
        std::string text;
        for (;;) {
            if (i >= sql.size()) throw SqlError("Texte entre guillemets non terminé" + position(start));
            if (sql[i] == quote) {
                if (i + 1 < sql.size() && sql[i + 1] == quote) {
                    text += quote;
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            if (sql[i] == '\0') throw SqlError("Caractère nul dans un texte de l'instruction" + position(i));
            text += sql[i++];
        }
        tokens.push_back({Tok::String, decodeClientEscapes ? decodeQuoteEscapes(std::move(text)) : std::move(text)});
    };
    while (i < sql.size()) {
        const auto c = static_cast<unsigned char>(sql[i]);
        if (isBlank(sql[i])) {
            ++i;
        } else if (isWordStart(c)) {
            const std::size_t start = i;
            while (i < sql.size() && isWordChar(static_cast<unsigned char>(sql[i]))) ++i;
            tokens.push_back({Tok::Word, std::string(sql.substr(start, i - start))});
        } else if (std::isdigit(c) || (c == '.' && i + 1 < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i + 1])))) {
            const std::size_t start = i;
            while (i < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i]))) ++i;
            if (i < sql.size() && sql[i] == '.') {
                ++i;
                while (i < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i]))) ++i;
            }
            if (i < sql.size() && (sql[i] == 'e' || sql[i] == 'E')) {
                std::size_t j = i + 1;
                if (j < sql.size() && (sql[j] == '+' || sql[j] == '-')) ++j;
                if (j < sql.size() && std::isdigit(static_cast<unsigned char>(sql[j]))) {
                    i = j;
                    while (i < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i]))) ++i;
                }
            }
            if (i < sql.size() && isWordStart(static_cast<unsigned char>(sql[i])))
                throw SqlError("Nombre mal formé" + position(start));
            tokens.push_back({Tok::Number, std::string(sql.substr(start, i - start))});
        } else if (c == '\'' || c == '"') {
            quoted(static_cast<char>(c));
        } else if (c == '[') {
            const auto end = sql.find(']', i + 1);
            if (end == std::string_view::npos) throw SqlError("Nom entre crochets non terminé" + position(i));
            const auto name = sql.substr(i + 1, end - i - 1);
            if (name.empty() || name.find('\0') != std::string_view::npos || name.find('[') != std::string_view::npos)
                throw SqlError("Nom entre crochets invalide" + position(i));
            tokens.push_back({Tok::Name, std::string(name)});
            i = end + 1;
        } else if (c == '#') {
            const auto end = sql.find('#', i + 1);
            if (end == std::string_view::npos) throw SqlError("Date #...# non terminée" + position(i));
            const auto raw = sql.substr(i + 1, end - i - 1);
            std::string iso = isoFromAccessDate(raw);
            if (iso.empty()) throw SqlError("Date invalide : #" + std::string(raw) + "#" + position(i));
            tokens.push_back({Tok::Date, std::move(iso)});
            i = end + 1;
        } else if (c == ':') {
            const std::size_t start = ++i;
            while (i < sql.size() && isWordChar(static_cast<unsigned char>(sql[i]))) ++i;
            const std::string name(sql.substr(start, i - start));
            if (asciiUpper(name) != "NEWID" && asciiUpper(name) != "NEWIDBIS")
                throw SqlError("Paramètre inconnu : \":" + name + "\" (seuls :NewID et :NewIDbis sont acceptés)" + position(start - 1));
            tokens.push_back({Tok::Placeholder, asciiUpper(name) == "NEWID" ? "NewID" : "NewIDbis"});
        } else {
            static constexpr std::string_view kPairs[] = {"<>", "<=", ">=", "!="};
            static constexpr std::string_view kSingles = "(),;.*=<>+-/&%";
            const auto two = sql.substr(i, 2);
            bool matched = false;
            for (auto p : kPairs)
                if (two == p) {
                    tokens.push_back({Tok::Symbol, std::string(p)});
                    i += 2;
                    matched = true;
                    break;
                }
            if (matched) continue;
            if (kSingles.find(static_cast<char>(c)) == std::string_view::npos || c == '\0') {
                char code[8];
                std::snprintf(code, sizeof code, "0x%02X", c);
                throw SqlError(std::string("Caractère non autorisé dans l'instruction SQL : ") + code + position(i));
            }
            tokens.push_back({Tok::Symbol, std::string(1, static_cast<char>(c))});
            ++i;
        }
    }
    return tokens;
}

} // namespace webserver::sql
