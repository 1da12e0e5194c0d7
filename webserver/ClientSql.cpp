#include "webserver/ClientSql.h"

#include "webserver/Confinement.h"
#include "webserver/ScriptAnswer.h"
#include "webserver/SqlDialect.h"
#include "webserver/Text.h"
#include "webserver/XmlAnswer.h"

#include <sqlite3.h>

#include <charconv>

namespace webserver {
namespace {

using sql::SqlError;
using sql::StatementKind;

sql::Statement translated(std::string_view sqlBytes, bool fromForm, const SqlLimits& limits,
                          std::initializer_list<StatementKind> allowed, const char* script) {
    if (sqlBytes.empty()) throw SqlError("Aucune instruction SQL reçue");
    if (sqlBytes.size() > limits.maxStatementBytes)
        throw SqlError("Instruction SQL trop longue (" + std::to_string(sqlBytes.size()) + " octets, limite " +
                       std::to_string(limits.maxStatementBytes) + ")");
    sql::Statement st = sql::translate(utf8FromWin1252(sqlBytes), fromForm);
    for (auto k : allowed)
        if (k == st.kind) return st;
    std::string names;
    for (auto k : allowed) names += std::string(names.empty() ? "" : ", ") + sql::kindName(k);
    throw SqlError(std::string(script) + " n'accepte que les instructions " + names + " (reçu : " +
                   sql::kindName(st.kind) + ")");
}

// A new identifier for table.column: above every value the column holds and every value ever
// handed out for it. Runs inside the write transaction.
long long nextId(Connection& c, const std::string& table, const std::string& column) {
    long long top = 0;
    {
        auto q = c.query("SELECT max(" + sql::quoteName(column) + ") FROM " + sql::quoteName(table));
        if (q.step()) top = q.integer(0);
    }
    const std::string key = asciiUpper(table), col = asciiUpper(column);
    {
        auto q = c.query("SELECT LastValue FROM IdSequences WHERE TableName=? AND ColumnName=?");
        q.bind(1, key).bind(2, col);
        if (q.step()) top = std::max(top, q.integer(0));
    }
    auto q = c.query("INSERT OR REPLACE INTO IdSequences (TableName, ColumnName, LastValue) VALUES (?, ?, ?)");
    q.bind(1, key).bind(2, col).bind(3, top + 1);
    q.step();
    return top + 1;
}

struct WriteResult {
    long long changes = 0;
    long long newId = 0;
};

// Runs an INSERT, UPDATE or DELETE in a transaction of its own, with its new identifiers filled.
WriteResult write(Database& db, const sql::Statement& st, const Confinement& rules, const SqlLimits& limits,
                  const std::function<void()>& beforeCommit) {
    auto conn = db.acquire();
    Transaction tx(*conn);
    WriteResult result;
    {
        ClientStatement stmt(*conn, st.sql, rules, limits);
        for (const auto& slot : st.newIds) {
            const long long id = nextId(*conn, st.table, slot.column);
            const int index = sqlite3_bind_parameter_index(stmt.handle(), (":" + slot.placeholder).c_str());
            sqlite3_bind_int64(stmt.handle(), index, id);
            if (slot.placeholder == "NewID") result.newId = id;
        }
        while (stmt.step()) {
        }
        result.changes = sqlite3_changes(conn->handle());
        if (st.newIds.empty() && st.kind == StatementKind::Insert) result.newId = sqlite3_last_insert_rowid(conn->handle());
    }
    if (beforeCommit) beforeCommit();
    tx.commit();
    return result;
}

} // namespace

std::string runAxQuery(Database& db, std::string_view sqlText, bool fromForm, std::string_view maxRowsText,
                       const SqlLimits& limits) {
    return answering([&] {
        long long maxRows = limits.maxRows;
        if (!maxRowsText.empty()) {
            long long n = 0;
            const auto res = std::from_chars(maxRowsText.data(), maxRowsText.data() + maxRowsText.size(), n);
            if (res.ec != std::errc() || res.ptr != maxRowsText.data() + maxRowsText.size() || n < 0)
                throw SqlError("MaxRows doit être un nombre entier positif (reçu : " +
                               utf8FromWin1252(maxRowsText) + ")");
            maxRows = std::min(n, limits.maxRows);
        }
        const sql::Statement st = translated(sqlText, fromForm, limits, {StatementKind::Select}, "AxQuery");
        auto conn = db.acquire();
        ClientStatement stmt(*conn, st.sql, Confinement{{StatementKind::Select}, {}}, limits);
        if (!sqlite3_stmt_readonly(stmt.handle())) throw SqlError("AxQuery n'accepte que les lectures");

        const int columns = sqlite3_column_count(stmt.handle());
        std::vector<std::string> names;
        for (int c = 0; c < columns; ++c) names.push_back(xmlName(sqlite3_column_name(stmt.handle(), c)));
        XmlAnswer rows(true);
        long long count = 0;
        bool more = false;
        while (stmt.step()) {
            if (count == maxRows) {
                more = true;
                break;
            }
            rows.open("AXQuery");
            for (int c = 0; c < columns; ++c) rows.value(names[c], formatColumn(stmt.handle(), c));
            rows.close("AXQuery");
            ++count;
        }
        XmlAnswer xml;
        xml.open("document");
        xml.open("AXQueryS", {{"RowCount", std::to_string(count)}, {"EOF", more ? "0" : "True"}});
        xml.append(rows); // built apart, since RowCount and EOF lead the list
        xml.close("AXQueryS");
        xml.close("document");
        return xml.bytes();
    });
}

std::string runAxUpdate(Database& db, std::string_view sqlText, bool fromForm, const SqlLimits& limits) {
    return answering([&] {
        const std::initializer_list<StatementKind> kinds = {StatementKind::Insert, StatementKind::Update,
                                                                   StatementKind::Delete};
        const sql::Statement st = translated(sqlText, fromForm, limits, kinds, "AxUpdate");
        const WriteResult r = write(db, st, Confinement{kinds, {}}, limits, {});
        return singleValueAnswer("Result", "RowsAffected", std::to_string(r.changes));
    });
}

std::string runAxInsert(Database& db, std::string_view sqlText, bool fromForm, const SqlLimits& limits,
                        const std::function<void()>& beforeCommit) {
    return answering([&] {
        const sql::Statement st = translated(sqlText, fromForm, limits, {StatementKind::Insert}, "AxInsert");
        const WriteResult r = write(db, st, Confinement{{StatementKind::Insert}, {}}, limits, beforeCommit);
        return singleValueAnswer("OutParams", "NewID", std::to_string(r.newId));
    });
}

} // namespace webserver
