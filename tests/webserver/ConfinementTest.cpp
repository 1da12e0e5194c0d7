// Hostile or broken statements: each answers LogItems with a French message and changes nothing.
#include "WebServerFixture.h"

namespace webserver::test {
namespace {

using server::TXml;

class Confinement : public WebServerTest {
    void adjust(ServerOptions& o) override { o.limits.maxDuration = std::chrono::milliseconds(300); }
};

TEST_F(Confinement, RefusedStatementsChangeNothing) {
    struct Case {
        const char* script;
        std::string sql;
        const char* message; // part of the French message
    };
    const Case cases[] = {
        {"AxUpdate", "Update tClients set CliNom='X' where (idClient=1); DROP TABLE tClients", "Une seule instruction"},
        {"AxUpdate", "DROP TABLE tClients", "Instruction non autorisée : DROP"},
        {"AxQuery", "PRAGMA table_info(tClients)", "Instruction non autorisée : PRAGMA"},
        {"AxUpdate", "ATTACH DATABASE '/tmp/x.db' AS x", "Instruction non autorisée : ATTACH"},
        {"AxQuery", "select * from tInconnue", "Table inconnue : tInconnue"},
        {"AxQuery", "Update tClients set CliNom='X' where (idClient=1)", "AxQuery n'accepte que les instructions SELECT"},
        {"AxInsert", "Delete * From tClients where idClient=1", "AxInsert n'accepte que les instructions INSERT"},
        {"AxQuery", "select idUser, Name_ from Users", "Table non autorisée : Users"},
        {"AxQuery", "select name from sqlite_master", "Table non autorisée : sqlite_master"},
        {"AxUpdate", "Update Users set Name_='X' where (idUser='1000001')", "Table non autorisée : Users"},
        {"AxUpdate", "Insert into tClients (CliNom) select Name_ from Users", "Table non autorisée : Users"},
        {"AxUpdate", "Update tClients set CliNom='X'", "sans condition"},
        {"AxUpdate", "Delete * From tActions where ", "sans condition"},
        {"AxQuery", "select load_extension('/tmp/x.so')", "Fonction non autorisée : load_extension"},
        {"AxQuery", "with recursive n(i) as (select 1 union all select i+1 from n) select count(*) from n",
         "Instruction non autorisée : with"},
        {"AxQuery", "select count(*) from tClients a, tClients b, tClients c, tClients d, tClients e", "Requête interrompue"},
        {"AxQuery", "select * from tClients where CliNom='x' -- ", "Instruction SQL incomplète"},
        {"AxUpdate", "Update tClients set CliNom=#13/45/2026# where (idClient=1)", "Date invalide"},
        {"AxUpdate", "Update tClients set idClient=(select min(idClient) from tClients) where (idClient=2)", "Contrainte"},
        {"AxUpdate", "", "Aucune instruction"},
        {"AxUpdate", std::string(70000, 'x'), "trop longue"},
    };
    const std::string before = fingerprint();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.script) + ": " + c.sql.substr(0, 80));
        const std::string param = std::string(c.script) == "AxQuery" ? "SQL=" : "SQLExecute=";
        // Long statements exceed an address: they come as a multipart form, which the server also takes.
        const httplib::MultipartFormDataItems form = {{param.substr(0, param.size() - 1), c.sql, "", ""}};
        const TXml xml = c.sql.size() > 4000 ? reader(m_http->Post("/" + std::string(c.script), form)->body)
                                             : get(c.script, param + c.sql);
        EXPECT_TRUE(warning(xml).contains(QString::fromUtf8(c.message))) << warning(xml).toStdString() << xml.Document.left(300).toStdString();
    }
    EXPECT_EQ(fingerprint(), before);
}

TEST_F(Confinement, EveryByteValueIsRefusedOrTakenWithoutHarm) {
    const std::string before = fingerprint();
    for (int b = 0; b < 256; ++b) {
        // The byte, percent-encoded, inside a statement and inside a quoted text.
        char code[4];
        std::snprintf(code, sizeof code, "%%%02X", b);
        for (const std::string& sql : {"Update tClients set CliVille='X' where (idClient=-5)" + std::string(code),
                                      "Update tClients set CliVille='X" + std::string(code) + "' where (idClient=-5)"}) {
            auto res = m_http->Get("/AxUpdate?XMLC_OutputFormat=XML&SQLExecute=" + escapedAsClient(sql) + "&idClient=");
            ASSERT_TRUE(res) << "byte " << b;
            ASSERT_EQ(res->status, 200) << "byte " << b;
            EXPECT_NE(res->body.find("<?xml"), std::string::npos) << "byte " << b;
        }
    }
    EXPECT_EQ(fingerprint(), before) << "idClient -5 does not exist: nothing may change";
}

TEST_F(Confinement, AStatementOfOneMegabyte) {
    const std::string before = fingerprint();
    const std::string huge = "Update tClients set CliObservations='" + std::string(1 << 20, 'a') + "' where (idClient=1)";
    // In an address it is over the limit of a request line; in a form it is over the statement limit.
    auto asGet = m_http->Get("/AxUpdate?XMLC_OutputFormat=XML&SQLExecute=" + escapedAsClient(huge));
    ASSERT_TRUE(asGet);
    EXPECT_TRUE(warning(reader(asGet->body)).contains("Adresse trop longue")) << asGet->status;
    auto asPost = m_http->Post("/AxUpdate", httplib::MultipartFormDataItems{{"SQLExecute", huge, "", ""}});
    ASSERT_TRUE(asPost);
    EXPECT_TRUE(warning(reader(asPost->body)).contains("trop longue")) << asPost->status << asPost->body.substr(0, 300);
    EXPECT_EQ(fingerprint(), before);
    // The server still answers.
    EXPECT_EQ(warning(query("select count(*) as n from tClients")), "");
}

} // namespace
} // namespace webserver::test
