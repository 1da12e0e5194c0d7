#pragma once
// The tokens of the Access-style SQL the client writes. Every byte of the statement is either part
// of a token or refused, so nothing the translator does not understand reaches the database.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace webserver::sql {

// A statement the server refuses; what() is the French message the client shows.
struct SqlError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Tok {
    Word,        // keyword or plain identifier, as written
    Name,        // [bracketed name], without the brackets
    String,      // 'text' or "text", unescaped
    Number,
    Date,        // #mm/dd/yyyy#, held as the ISO date yyyy-mm-dd
    Placeholder, // :NewID or :NewIDbis, held as written after ":"
    Symbol,
};

struct Token {
    Tok kind;
    std::string text;
    bool is(Tok k, std::string_view upperText) const;
};

// `decodeClientEscapes`: the statement did not travel in a query string, so the "%22" style
// escapes the client puts into its quoted texts are still there and are decoded here.
std::vector<Token> tokenize(std::string_view sql, bool decodeClientEscapes);

} // namespace webserver::sql
