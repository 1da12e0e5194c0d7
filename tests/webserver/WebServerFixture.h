#pragma once
// A demo dealership in a temporary folder, served on an ephemeral loopback port, and a small HTTP
// client that sends what the client program sends and reads answers with its tag reader.
#include "server/TagReader.h"
#include "webserver/Server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QString>
#include <filesystem>
#include <map>
#include <ostream>
#include <memory>
#include <string>

// Readable failure messages for the reader's texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace webserver::test {

class WebServerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Options given before the server starts (SetUp starts it with these defaults).
    virtual void adjust(ServerOptions&) {}

    // GET base + script + "?XMLC_OutputFormat=XML&" + query + "&idClient=" + idClient, escaped as
    // the client escapes (blank -> %20, # -> %23, nothing else); the answer as the client reads it.
    server::TXml get(const std::string& script, const std::string& query, const std::string& idClient = "");
    std::string getRaw(const std::string& script, const std::string& query, const std::string& idClient = "");
    // AxQuery / AxUpdate / AxInsert with a statement written in the client's dialect.
    server::TXml query(const std::string& sql, const std::string& maxRows = "");
    server::TXml update(const std::string& sql);
    server::TXml insert(const std::string& sql);

    // Direct reads of the database file, to check what a script did.
    std::string scalar(const std::string& sql);
    // A digest of every client table, to check that a refused statement changed nothing.
    std::string fingerprint();

    std::filesystem::path m_dir;
    std::string m_dbPath;
    std::string m_photos;
    Server m_server;
    int m_port = 0;
    std::unique_ptr<httplib::Client> m_http;
};

// The reader's helpers: one child of the first element `section`; the items of a list.
QString child(const server::TXml& xml, const QString& section, const QString& name);
int itemCount(const server::TXml& xml, const QString& list, const QString& item);
// The LogItem texts of an answer joined by " - ", as the client's warning line shows them.
QString warning(const server::TXml& xml);
server::TXml reader(const std::string& windows1252Answer);
std::string escapedAsClient(const std::string& address);

} // namespace webserver::test
