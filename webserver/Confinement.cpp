#include "webserver/Confinement.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

namespace webserver {
namespace {

std::string lower(const char* text) {
    std::string out = text ? text : "";
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

bool harmlessFunction(const std::string& name) {
    static const std::set<std::string> kAllowed = {
        "count", "sum",   "total",  "avg",    "min",      "max",      "upper",  "lower",   "length",
        "substr", "substring", "trim", "ltrim", "rtrim", "coalesce", "ifnull", "nullif", "iif",
        "abs",   "round", "replace", "instr", "like",     "date",     "datetime", "strftime", "julianday",
        "typeof", "group_concat"};
    return kAllowed.count(name) > 0;
}

} // namespace

const std::set<std::string>& clientTables() {
    static const std::set<std::string> kTables = {
        "tvehicles",    "tclients",    "tactions",   "tvehicleskundor", "tvo - frevo",
        "tvo - liens images", "listrubrics", "listmodels", "listversions"};
    return kTables;
}

int authorize(void* context, int action, const char* a1, const char* a2, const char* database, const char*) {
    auto& guard = *static_cast<ConfinementGuard*>(context);
    const auto& rules = guard.m_rules;
    const auto& tables = rules.tables.empty() ? clientTables() : rules.tables;
    const auto refuse = [&guard](std::string why) {
        if (guard.m_refusal.empty()) guard.m_refusal = std::move(why);
        return SQLITE_DENY;
    };
    const auto tableAllowed = [&](const char* table) {
        // No database name comes with some reads (count(*)); only "main" exists, ATTACH being refused.
        return (database == nullptr || lower(database) == "main") && tables.count(lower(table)) > 0;
    };
    const auto write = [&](sql::StatementKind kind, const char* table) {
        if (!rules.kinds.count(kind))
            return refuse(std::string("Instruction ") + sql::kindName(kind) + " non autorisée par ce script");
        if (!tableAllowed(table)) return refuse(std::string("Table non autorisée : ") + (table ? table : ""));
        return SQLITE_OK;
    };
    switch (action) {
    case SQLITE_SELECT: return SQLITE_OK;
    case SQLITE_READ:
        // SQLite reads with an empty table name for expressions of a view or subquery result.
        if (a1 && *a1 == '\0') return SQLITE_OK;
        return tableAllowed(a1) ? SQLITE_OK : refuse(std::string("Table non autorisée : ") + (a1 ? a1 : ""));
    case SQLITE_INSERT: return write(sql::StatementKind::Insert, a1);
    case SQLITE_UPDATE: return write(sql::StatementKind::Update, a1);
    case SQLITE_DELETE: return write(sql::StatementKind::Delete, a1);
    case SQLITE_FUNCTION:
        return harmlessFunction(lower(a2)) ? SQLITE_OK : refuse(std::string("Fonction non autorisée : ") + (a2 ? a2 : ""));
    case SQLITE_PRAGMA: return refuse("PRAGMA interdit");
    case SQLITE_ATTACH:
    case SQLITE_DETACH: return refuse("ATTACH et DETACH interdits");
    case SQLITE_RECURSIVE: return refuse("Requêtes récursives interdites");
    case SQLITE_TRANSACTION:
    case SQLITE_SAVEPOINT: return refuse("Les transactions sont gérées par le serveur");
    default: return refuse("Opération SQL interdite (code " + std::to_string(action) + ")");
    }
}

ConfinementGuard::ConfinementGuard(sqlite3* db, const Confinement& rules) : m_db(db), m_rules(rules) {
    sqlite3_set_authorizer(m_db, authorize, this);
}

ConfinementGuard::~ConfinementGuard() { sqlite3_set_authorizer(m_db, nullptr, nullptr); }

} // namespace webserver
