#pragma once
// Translation of the client's Access-style SQL into SQLite's SQL, token by token.
#include "webserver/SqlTokenizer.h"

#include <string>
#include <string_view>
#include <vector>

namespace webserver::sql {

enum class StatementKind { Select, Insert, Update, Delete };

// Where an INSERT puts :NewID or :NewIDbis: the column the server fills with a new identifier.
struct NewIdSlot {
    std::string placeholder; // "NewID" or "NewIDbis", also the SQLite parameter name after ":"
    std::string column;
};

struct Statement {
    StatementKind kind;
    std::string sql;   // SQLite text, UTF-8
    std::string table; // the table written by INSERT, UPDATE or DELETE
    std::vector<NewIdSlot> newIds;
};

// Throws SqlError with a French message for anything outside the dialect: several statements,
// an unknown statement kind, an UPDATE or DELETE without a condition, a malformed date...
Statement translate(std::string_view accessSql, bool decodeClientEscapes);

const char* kindName(StatementKind kind);
// A table or column name as a SQLite quoted identifier.
std::string quoteName(std::string_view name);

} // namespace webserver::sql
