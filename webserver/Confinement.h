#pragma once
// What the client's SQL may touch, enforced by SQLite's authorizer while the statement is
// compiled: the kinds of statement a script allows, on the client's tables only, with a short list
// of harmless functions. PRAGMA, ATTACH, DDL, transactions and the server's own tables (users,
// groups, descriptors...) are out of reach.
#include "webserver/SqlDialect.h"

#include <set>
#include <string>

struct sqlite3;

namespace webserver {

struct Confinement {
    std::set<sql::StatementKind> kinds;
    // Lower-case names of the tables the statement may read and write; the client's tables when empty.
    std::set<std::string> tables;
};

// The tables the client's statements work on.
const std::set<std::string>& clientTables();

// Installs the authorizer on `db` for the life of the guard; `refusal()` tells what it refused.
class ConfinementGuard {
public:
    ConfinementGuard(sqlite3* db, const Confinement& rules);
    ~ConfinementGuard();
    ConfinementGuard(const ConfinementGuard&) = delete;
    ConfinementGuard& operator=(const ConfinementGuard&) = delete;

    const std::string& refusal() const { return m_refusal; }

private:
    friend int authorize(void*, int, const char*, const char*, const char*, const char*);
    sqlite3* m_db;
    const Confinement& m_rules;
    std::string m_refusal;
};

} // namespace webserver
