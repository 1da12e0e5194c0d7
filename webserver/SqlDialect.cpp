#include "webserver/SqlDialect.h"

#include "webserver/Text.h"

namespace webserver::sql {
namespace {

std::string quoteString(std::string_view text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + '\'';
}

bool isSymbol(const Token& t, std::string_view s) { return t.kind == Tok::Symbol && t.text == s; }

// The index of the ")" that closes the "(" at `open`, or tokens.size().
std::size_t closingParen(const std::vector<Token>& tokens, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < tokens.size(); ++i) {
        if (isSymbol(tokens[i], "(")) ++depth;
        else if (isSymbol(tokens[i], ")") && --depth == 0) return i;
    }
    return tokens.size();
}

// The comma-separated items of the parenthesised list opening at `open`, as [begin, end) ranges.
std::vector<std::pair<std::size_t, std::size_t>> listItems(const std::vector<Token>& tokens, std::size_t open,
                                                           std::size_t close) {
    std::vector<std::pair<std::size_t, std::size_t>> items;
    int depth = 0;
    std::size_t begin = open + 1;
    for (std::size_t i = open + 1; i < close; ++i) {
        if (isSymbol(tokens[i], "(")) ++depth;
        else if (isSymbol(tokens[i], ")")) --depth;
        else if (depth == 0 && isSymbol(tokens[i], ",")) {
            items.emplace_back(begin, i);
            begin = i + 1;
        }
    }
    items.emplace_back(begin, close);
    return items;
}

std::string tableAfter(const std::vector<Token>& tokens, std::size_t i) {
    if (i < tokens.size() && (tokens[i].kind == Tok::Word || tokens[i].kind == Tok::Name)) return tokens[i].text;
    throw SqlError("Nom de table attendu après " + (i > 0 ? tokens[i - 1].text : std::string("l'instruction")));
}

// Maps each :NewID / :NewIDbis of "INSERT INTO t (columns) VALUES (values)" to its column.
std::vector<NewIdSlot> insertSlots(const std::vector<Token>& tokens) {
    std::vector<NewIdSlot> slots;
    std::size_t colOpen = 3;
    if (colOpen >= tokens.size() || !isSymbol(tokens[colOpen], "(")) return slots;
    const std::size_t colClose = closingParen(tokens, colOpen);
    std::size_t valOpen = colClose + 1;
    if (valOpen < tokens.size() && tokens[valOpen].is(Tok::Word, "VALUES")) ++valOpen;
    else return slots;
    if (valOpen >= tokens.size() || !isSymbol(tokens[valOpen], "(")) return slots;
    const auto columns = listItems(tokens, colOpen, colClose);
    const auto values = listItems(tokens, valOpen, closingParen(tokens, valOpen));
    for (std::size_t k = 0; k < values.size() && k < columns.size(); ++k) {
        const auto [b, e] = values[k];
        const auto [cb, ce] = columns[k];
        if (e - b == 1 && tokens[b].kind == Tok::Placeholder && ce - cb == 1)
            slots.push_back({tokens[b].text, tokens[cb].text});
    }
    return slots;
}

} // namespace

std::string quoteName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

const char* kindName(StatementKind kind) {
    switch (kind) {
    case StatementKind::Select: return "SELECT";
    case StatementKind::Insert: return "INSERT";
    case StatementKind::Update: return "UPDATE";
    case StatementKind::Delete: return "DELETE";
    }
    return "";
}

Statement translate(std::string_view accessSql, bool decodeClientEscapes) {
    std::vector<Token> tokens = tokenize(accessSql, decodeClientEscapes);
    while (!tokens.empty() && isSymbol(tokens.back(), ";")) tokens.pop_back();
    if (tokens.empty()) throw SqlError("Instruction SQL vide");
    for (const auto& t : tokens)
        if (isSymbol(t, ";")) throw SqlError("Une seule instruction SQL par requête est acceptée");

    Statement st{};
    const std::string first = tokens[0].kind == Tok::Word ? asciiUpper(tokens[0].text) : tokens[0].text;
    if (first == "SELECT") st.kind = StatementKind::Select;
    else if (first == "INSERT") st.kind = StatementKind::Insert;
    else if (first == "UPDATE") st.kind = StatementKind::Update;
    else if (first == "DELETE") st.kind = StatementKind::Delete;
    else throw SqlError("Instruction non autorisée : " + tokens[0].text);

    // Access writes "Delete * From t"; SQLite knows only "DELETE FROM t".
    if (st.kind == StatementKind::Delete && tokens.size() > 1 && isSymbol(tokens[1], "*"))
        tokens.erase(tokens.begin() + 1);

    switch (st.kind) {
    case StatementKind::Insert:
        if (tokens.size() < 2 || !tokens[1].is(Tok::Word, "INTO")) throw SqlError("INSERT INTO attendu");
        st.table = tableAfter(tokens, 2);
        st.newIds = insertSlots(tokens);
        break;
    case StatementKind::Update: st.table = tableAfter(tokens, 1); break;
    case StatementKind::Delete:
        if (tokens.size() < 2 || !tokens[1].is(Tok::Word, "FROM")) throw SqlError("DELETE FROM attendu");
        st.table = tableAfter(tokens, 2);
        break;
    case StatementKind::Select: break;
    }

    std::size_t placeholders = 0;
    for (const auto& t : tokens) placeholders += t.kind == Tok::Placeholder;
    if (placeholders != st.newIds.size())
        throw SqlError("Les paramètres :NewID et :NewIDbis ne sont acceptés que comme valeurs d'une "
                       "instruction INSERT INTO table (colonnes) VALUES (valeurs)");

    // Builds the SQLite text; `closers` holds what each open parenthesis ends with.
    std::string out;
    std::vector<std::string> closers;
    bool whereAtTop = false, conditionAtTop = false;
    const auto emit = [&out](std::string_view piece) {
        if (!out.empty()) out += ' ';
        out += piece;
    };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (closers.empty() && whereAtTop) conditionAtTop = true;
        switch (t.kind) {
        case Tok::Word: {
            const std::string up = asciiUpper(t.text);
            if (up == "ISNULL" && i + 1 < tokens.size() && isSymbol(tokens[i + 1], "(")) {
                emit("( (");
                closers.push_back(") IS NULL )");
                ++i; // the "(" is part of what was just written
            } else if (up == "TRUE") {
                emit("1");
            } else if (up == "FALSE") {
                emit("0");
            } else {
                if (up == "WHERE" && closers.empty()) whereAtTop = true;
                emit(t.text);
            }
            break;
        }
        case Tok::Name: emit(quoteName(t.text)); break;
        case Tok::String: emit(quoteString(t.text)); break;
        case Tok::Date: emit(quoteString(t.text)); break;
        case Tok::Number: emit(t.text); break;
        case Tok::Placeholder: emit(":" + t.text); break;
        case Tok::Symbol:
            if (t.text == "(") {
                emit("(");
                closers.emplace_back(")");
            } else if (t.text == ")") {
                if (closers.empty()) throw SqlError("Parenthèse fermante sans ouvrante");
                emit(closers.back());
                closers.pop_back();
            } else if (t.text == "&") {
                emit("||"); // Access joins texts with "&"
            } else {
                emit(t.text);
            }
            break;
        }
    }
    if (!closers.empty()) throw SqlError("Parenthèse ouvrante sans fermante");
    if ((st.kind == StatementKind::Update || st.kind == StatementKind::Delete) && !conditionAtTop)
        throw SqlError(std::string("Instruction ") + kindName(st.kind) +
                       " sans condition refusée : elle toucherait toutes les lignes de la table");
    st.sql = std::move(out);
    return st;
}

} // namespace webserver::sql
