#pragma once
// What every window test against the web server starts from: a client's folders in a temporary
// directory (APPDATA and TEMP point into it), the window's clock fixed at 25/12/2009 14:03:22, and
// the server in-process on a loopback port over a SQLite file. The server reports each script
// request it runs, so a test reads what the client sent exactly as it arrived.
#include "platform/DelphiDate.h"
#include "platform/Win1252.h"
#include "webserver/EmbeddedData.h"
#include "webserver/Server.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <sqlite3.h>
#include <string>
#include <utility>
#include <vector>

class FixtureServer {
public:
    using Params = std::map<std::string, std::string>;
    using Keys = std::vector<std::pair<QString, QString>>;

    QTemporaryDir dir;
    webserver::Server web;
    std::string dbPath;

    QString Temp() const { return dir.filePath("temp"); }

    // The folders and the clock; the database file is still to be made.
    void Prepare() {
        qputenv("APPDATA", dir.filePath("appdata").toUtf8());
        qputenv("TEMP", Temp().toUtf8());
        QDir().mkpath(dir.filePath("appdata/Garvex"));
        QDir().mkpath(Temp());
        platform::SetClock([] { return QDateTime(QDate(2009, 12, 25), QTime(14, 3, 22)); });
        dbPath = dir.filePath("fixture.db").toStdString();
    }
    void CreateSchema() const { Sql(std::string(webserver::embeddedFiles().at("schema.sql"))); }
    // On a free port, or on `port` to bring a stopped server back where the client expects it.
    void StartServer(int port = 0) {
        webserver::ServerOptions options;
        options.dbPath = dbPath;
        options.photosDir = dir.filePath("photos").toStdString();
        options.port = port;
        options.onRequest = [this](const std::string& script, const Params& params) {
            const std::lock_guard lock(m_mutex);
            m_requests.emplace_back(script, params);
        };
        web.start(options);
    }
    void Finish() {
        web.stop();
        platform::SetClock({});
        qunsetenv("APPDATA");
        qunsetenv("TEMP");
    }

    // The client's INI file: `keys`, each replaced by its value in `changes` (an empty value removes it).
    void WriteIniFile(Keys keys, const Keys& changes) const {
        for (const auto& [key, value] : changes) {
            std::erase_if(keys, [&](const auto& k) { return k.first == key; });
            if (!value.isEmpty()) keys.emplace_back(key, value);
        }
        QFile f(dir.filePath("appdata/Garvex/TAXGarvex.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Options]\r\n");
        for (const auto& [key, value] : keys)
            f.write(platform::toWin1252(key + '=' + value + "\r\n"));
    }

    // Statements run on the database file.
    void Sql(const std::string& statements) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(dbPath.c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        const int rc = sqlite3_exec(db, statements.c_str(), nullptr, nullptr, &error);
        EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "") << "\n" << statements;
        sqlite3_free(error);
        sqlite3_close(db);
    }
    // The first column of a SELECT on the database file, a null value written `null`.
    QStringList Select(const std::string& query, const QString& null = {}) const {
        QStringList values;
        sqlite3* db = nullptr;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, query.c_str(), -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
                values << (text ? QString::fromUtf8(text) : null);
            }
        EXPECT_NE(st, nullptr) << sqlite3_errmsg(db) << "\n" << query;
        sqlite3_finalize(st);
        sqlite3_close(db);
        return values;
    }

    // The parameters of the requests the server ran for a script, in order.
    std::vector<Params> Requests(const std::string& script) const {
        const std::lock_guard lock(m_mutex);
        std::vector<Params> out;
        for (const auto& [name, params] : m_requests)
            if (name == script) out.push_back(params);
        return out;
    }
    // The same, forgetting them: the next call returns only later requests.
    std::vector<Params> TakeRequests(const std::string& script) {
        const std::lock_guard lock(m_mutex);
        std::vector<Params> out;
        std::erase_if(m_requests, [&](auto& r) {
            if (r.first != script) return false;
            out.push_back(std::move(r.second));
            return true;
        });
        return out;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::pair<std::string, Params>> m_requests;
};
