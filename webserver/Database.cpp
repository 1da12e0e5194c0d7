#include "webserver/Database.h"

#include <sqlite3.h>

#include <charconv>
#include <cstdio>
#include <cstring>

namespace webserver {
namespace {

[[noreturn]] void fail(sqlite3* db, int rc, const std::string& what) {
    const std::string detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED)
        throw DatabaseBusy("Base de données occupée : " + detail);
    throw DatabaseError(what + " : " + detail);
}

bool looksLikeIsoDate(std::string_view s) {
    if (s.size() < 10) return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[i] < '0' || s[i] > '9') return false;
    return s[4] == '-' && s[7] == '-' && (s.size() == 10 || s[10] == ' ' || s[10] == 'T');
}

std::string shortestNumber(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

} // namespace

std::string clientDate(std::string_view iso) {
    if (!looksLikeIsoDate(iso)) return std::string(iso);
    std::string out;
    out.append(iso.substr(8, 2)).append("/").append(iso.substr(5, 2)).append("/").append(iso.substr(0, 4));
    return out;
}

std::string formatColumn(sqlite3_stmt* stmt, int column) {
    const int type = sqlite3_column_type(stmt, column);
    if (type == SQLITE_NULL) return {};
    const char* decl = sqlite3_column_decltype(stmt, column);
    const std::string_view declared = decl ? decl : "";
    if (declared == "MONEY" && (type == SQLITE_INTEGER || type == SQLITE_FLOAT)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.2f", sqlite3_column_double(stmt, column));
        return buf;
    }
    if (type == SQLITE_FLOAT) return shortestNumber(sqlite3_column_double(stmt, column));
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    std::string_view text(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
    if (declared == "DATE") return clientDate(text);
    return std::string(text);
}

Query::~Query() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

Query& Query::bind(int index, std::string_view text) {
    const int rc = sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) fail(m_db, rc, "Paramètre refusé");
    return *this;
}

Query& Query::bind(int index, long long number) {
    const int rc = sqlite3_bind_int64(m_stmt, index, number);
    if (rc != SQLITE_OK) fail(m_db, rc, "Paramètre refusé");
    return *this;
}

bool Query::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(m_db, rc, "Erreur de la base de données");
}

int Query::columns() const { return sqlite3_column_count(m_stmt); }
std::string Query::name(int column) const { return sqlite3_column_name(m_stmt, column); }
std::string Query::text(int column) const { return formatColumn(m_stmt, column); }
long long Query::integer(int column) const { return sqlite3_column_int64(m_stmt, column); }

int Query::column(std::string_view name) const {
    for (int c = 0; c < columns(); ++c)
        if (name == sqlite3_column_name(m_stmt, c)) return c;
    return -1;
}

Connection::Connection(const std::string& path, std::chrono::milliseconds busyTimeout) {
    const int rc = sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        std::string detail = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DatabaseError("Impossible d'ouvrir la base " + path + " : " + detail);
    }
    sqlite3_busy_timeout(m_db, static_cast<int>(busyTimeout.count()));
    sqlite3_extended_result_codes(m_db, 1);
    try {
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=NORMAL");
    } catch (...) {
        sqlite3_close(m_db);
        throw;
    }
}

Connection::~Connection() {
    for (auto& [sql, stmt] : m_cache) sqlite3_finalize(stmt);
    sqlite3_close(m_db);
}

Query Connection::query(const std::string& sql) {
    auto it = m_cache.find(sql);
    if (it == m_cache.end()) {
        sqlite3_stmt* stmt = nullptr;
        const int rc = sqlite3_prepare_v3(m_db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                          &stmt, nullptr);
        if (rc != SQLITE_OK) fail(m_db, rc, "Requête interne invalide");
        it = m_cache.emplace(sql, stmt).first;
    }
    return Query(m_db, it->second);
}

void Connection::exec(const std::string& sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const std::string detail = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED)
            throw DatabaseBusy("Base de données occupée : " + detail);
        throw DatabaseError("Erreur de la base de données : " + detail);
    }
}

Database::Database(std::string path, Options options) : m_path(std::move(path)), m_options(options) {
    if (!options.create) {
        // SQLite would create a missing file; a server pointed at a wrong path must say so instead.
        if (std::FILE* f = std::fopen(m_path.c_str(), "rb")) std::fclose(f);
        else throw DatabaseError("Fichier de base introuvable : " + m_path + " (utiliser --init-demo pour en créer un)");
    }
    auto first = std::make_unique<Connection>(m_path, m_options.busyTimeout);
    if (!options.create) {
        auto q = first->query("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='tVehicles'");
        if (!q.step() || q.integer(0) == 0)
            throw DatabaseError("Le fichier " + m_path + " n'est pas une base Garvex (table tVehicles absente)");
    }
    m_idle.push_back(std::move(first));
}

Database::Lease Database::acquire() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_idle.empty()) {
            auto c = std::move(m_idle.back());
            m_idle.pop_back();
            return Lease(*this, std::move(c));
        }
    }
    return Lease(*this, std::make_unique<Connection>(m_path, m_options.busyTimeout));
}

Database::Lease::~Lease() {
    if (!m_conn) return;
    std::lock_guard lock(m_owner.m_mutex);
    m_owner.m_idle.push_back(std::move(m_conn));
}

Transaction::Transaction(Connection& c) : m_conn(c) { m_conn.exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (m_open) sqlite3_exec(m_conn.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    m_conn.exec("COMMIT");
    m_open = false;
}

} // namespace webserver
