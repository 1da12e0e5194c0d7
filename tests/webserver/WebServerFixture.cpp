#include "WebServerFixture.h"

#include "platform/Win1252.h"
#include "webserver/DemoLoader.h"

#include <sqlite3.h>

#include <functional>
#include <random>

namespace webserver::test {

void WebServerTest::SetUp() {
    std::random_device rd;
    m_dir = std::filesystem::temp_directory_path() / ("garvex-ws-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_dir);
    m_dbPath = (m_dir / "demo.db").string();
    m_photos = (m_dir / "photos").string();
    demo::DemoOptions demo;
    demo.dbPath = m_dbPath;
    demo.photosDir = m_photos;
    demo.vehiclesPerDealership = 40;
    demo.customersPerDealership = 30;
    demo::createDemo(demo);
    ServerOptions options;
    options.dbPath = m_dbPath;
    options.photosDir = m_photos;
    options.threads = 8;
    adjust(options);
    m_port = m_server.start(options);
    m_http = std::make_unique<httplib::Client>("127.0.0.1", m_port);
    m_http->set_read_timeout(10, 0);
}

void WebServerTest::TearDown() {
    m_http.reset();
    m_server.stop();
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::string escapedAsClient(const std::string& address) {
    std::string out;
    for (char c : address) {
        if (c == ' ') out += "%20";
        else if (c == '#') out += "%23";
        else out += c;
    }
    return out;
}

std::string WebServerTest::getRaw(const std::string& script, const std::string& queryText, const std::string& idClient) {
    const std::string address = "/garvex/" + script + "?XMLC_OutputFormat=XML&" + queryText + "&idClient=" + idClient;
    // The client's texts travel as Windows-1252 bytes; this file is UTF-8.
    const QByteArray bytes = platform::toWin1252(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
    auto res = m_http->Get(escapedAsClient(bytes.toStdString()));
    if (!res) {
        ADD_FAILURE() << "no answer to " << address;
        return {};
    }
    return res->body;
}

server::TXml reader(const std::string& answer) {
    server::TXml xml;
    xml.Document = platform::fromWin1252(QByteArrayView(answer.data(), static_cast<qsizetype>(answer.size())));
    return xml;
}

server::TXml WebServerTest::get(const std::string& script, const std::string& queryText, const std::string& idClient) {
    return reader(getRaw(script, queryText, idClient));
}

server::TXml WebServerTest::query(const std::string& sql, const std::string& maxRows) {
    return get("AxQuery", "SQL=" + sql + (maxRows.empty() ? "" : "&MaxRows=" + maxRows));
}
server::TXml WebServerTest::update(const std::string& sql) { return get("AxUpdate", "SQLExecute=" + sql); }
server::TXml WebServerTest::insert(const std::string& sql) { return get("AxInsert", "SQLExecute=" + sql); }

std::string WebServerTest::scalar(const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(m_dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW &&
        sqlite3_column_text(stmt, 0))
        out = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    else if (!stmt)
        ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

std::string WebServerTest::fingerprint() {
    std::string all;
    for (const char* table : {"tVehicles", "tClients", "tActions", "TVehiclesKundor", "[tVO - Frevo]",
                              "[tVO - Liens Images]", "ListRubrics", "ListModels", "ListVersions", "Users", "UserGroups"}) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(m_dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, (std::string("SELECT * FROM ") + table + " ORDER BY rowid").c_str(), -1, &stmt, nullptr);
        all += table;
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const auto* t = sqlite3_column_text(stmt, c);
                all += t ? reinterpret_cast<const char*>(t) : "<null>";
                all += '|';
            }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
    }
    return std::to_string(all.size()) + ":" + std::to_string(std::hash<std::string>{}(all));
}

QString child(const server::TXml& xml, const QString& section, const QString& name) {
    server::TXml c = xml;
    server::XmlSelect(c, section);
    QString value;
    server::XmlGet(c, name, value);
    return value;
}

int itemCount(const server::TXml& xml, const QString& list, const QString& item) {
    server::TXml c = xml;
    server::XmlSelect(c, list);
    int n = 0;
    while (server::XmlNext(c, item) != 0) ++n;
    return n;
}

QString warning(const server::TXml& xml) {
    server::TXml c = xml;
    server::XmlSelect(c, QStringLiteral("LogItems"));
    QString out;
    while (server::XmlNext(c, QStringLiteral("LogItem")) != 0) out += c.Item + QStringLiteral(" - ");
    return out;
}

} // namespace webserver::test
