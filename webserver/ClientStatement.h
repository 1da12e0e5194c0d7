#pragma once
// One statement of the client's SQL, compiled under the confinement rules and stopped when it
// runs longer than the limit (a cross join of big tables must not hold a worker forever).
#include "webserver/Confinement.h"
#include "webserver/Database.h"

#include <chrono>
#include <string>

struct sqlite3_stmt;

namespace webserver {

struct SqlLimits {
    std::size_t maxStatementBytes = 64 * 1024;
    std::chrono::milliseconds maxDuration{4000}; // below the client's 5 s read time-out
    long long maxRows = 10000;
};

class ClientStatement {
public:
    // Throws sql::SqlError (refused or invalid) or DatabaseBusy.
    ClientStatement(Connection& c, const std::string& sqliteText, const Confinement& rules, const SqlLimits& limits);
    ~ClientStatement();
    ClientStatement(const ClientStatement&) = delete;
    ClientStatement& operator=(const ClientStatement&) = delete;

    sqlite3_stmt* handle() const { return m_stmt; }
    // True while a row is available; throws sql::SqlError or DatabaseBusy.
    bool step();

private:
    static int overtime(void* self);
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    const SqlLimits& m_limits;
    std::chrono::steady_clock::time_point m_deadline;
};

} // namespace webserver
