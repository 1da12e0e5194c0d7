#pragma once
// The SQLite file: a pool of connections (one per worker at a time), each with its own cache of
// compiled statements, WAL mode and a busy time-out.
#include <chrono>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace webserver {

// A failure of the database itself; what() is a French message.
struct DatabaseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// The database stayed locked by another writer for the whole busy time-out.
struct DatabaseBusy : DatabaseError {
    using DatabaseError::DatabaseError;
};

// One compiled statement in use: bound, stepped, then reset when it goes out of scope.
class Query {
public:
    Query(sqlite3* db, sqlite3_stmt* stmt) : m_db(db), m_stmt(stmt) {}
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& bind(int index, std::string_view text);
    Query& bind(int index, long long number);
    // True while a row is available; throws DatabaseBusy or DatabaseError.
    bool step();
    int columns() const;
    std::string name(int column) const;
    // The value as the client reads it: dates "dd/mm/yyyy", amounts "0.00", "" for NULL.
    std::string text(int column) const;
    long long integer(int column) const;
    // The index of the column named `name`, -1 when the row has none.
    int column(std::string_view name) const;
    sqlite3_stmt* handle() const { return m_stmt; }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
};

class Connection {
public:
    explicit Connection(const std::string& path, std::chrono::milliseconds busyTimeout);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // A cached statement of the server's own SQL.
    Query query(const std::string& sql);
    void exec(const std::string& sql);
    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> m_cache;
};

// The value of column `column` of a row, formatted as the client reads values.
std::string formatColumn(sqlite3_stmt* stmt, int column);
// "yyyy-mm-dd..." -> "dd/mm/yyyy"; other texts unchanged.
std::string clientDate(std::string_view iso);

class Database {
public:
    struct Options {
        std::chrono::milliseconds busyTimeout{2000};
        bool create = false; // a new file is acceptable (demo loading)
    };
    Database(std::string path, Options options);

    class Lease {
    public:
        Lease(Database& owner, std::unique_ptr<Connection> c) : m_owner(owner), m_conn(std::move(c)) {}
        ~Lease();
        Lease(Lease&&) = default;
        Connection* operator->() const { return m_conn.get(); }
        Connection& operator*() const { return *m_conn; }

    private:
        Database& m_owner;
        std::unique_ptr<Connection> m_conn;
    };
    Lease acquire();

private:
    std::string m_path;
    Options m_options;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Connection>> m_idle;
};

class Transaction {
public:
    explicit Transaction(Connection& c); // BEGIN IMMEDIATE; throws DatabaseBusy
    ~Transaction();                      // rolls back unless committed
    void commit();

private:
    Connection& m_conn;
    bool m_open = true;
};

} // namespace webserver
