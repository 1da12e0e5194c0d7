// AxQuery, AxUpdate and AxInsert with the statements the client writes.
#include "WebServerFixture.h"

#include "server/SqlLiterals.h"

#include <sqlite3.h>

#include <QSet>
#include <thread>

namespace webserver::test {
namespace {

using server::TXml;

class ClientSql : public WebServerTest {};

QString newId(const TXml& xml) { return child(xml, "OutParams", "NewID"); }

TEST_F(ClientSql, InsertsFillNewIdAndNewIdBisWithFreshIdentifiers) {
    // Page 1 of a new used vehicle, as the record form writes it.
    const TXml vo = insert("Insert into tVehicles (NVO, Site, DateEntree, PrixVente, idTVO, TypeVO, idVO, idOwner, "
                           "Concession) Values (31000, 'LILLE', #03/15/2026#, 1250.50, :NewID, 1, :NewIDbis, 1000001, 'MER')");
    ASSERT_EQ(warning(vo), "");
    const std::string id = newId(vo).toStdString();
    EXPECT_EQ(scalar("SELECT idTVO FROM tVehicles WHERE NVO=31000"), id);
    EXPECT_EQ(scalar("SELECT idVO > (SELECT max(idVO) FROM tVehicles WHERE NVO<>31000) FROM tVehicles WHERE NVO=31000"), "1");
    EXPECT_EQ(scalar("SELECT DateEntree || ' ' || PrixVente FROM tVehicles WHERE NVO=31000"), "2026-03-15 1250.5");
    const TXml read = get("AxInfoVO", "idTVO=" + id + "&UserID=1000001");
    EXPECT_EQ(child(read, "tVO", "DateEntree"), "15/03/2026");
    EXPECT_EQ(child(read, "tVO", "PrixVente"), "1250.50");

    // A deleted customer's number is never handed out again: its actions would come back with it.
    const std::string insertCustomer = "Insert into tClients (CliNom, idClient, DateCreation, idOwner, Concession) "
                                       "Values ('NOUVEAU', :NewID, #11/30/2026#, 1000003, 'MER')";
    const std::string first = newId(insert(insertCustomer)).toStdString();
    ASSERT_EQ(warning(update("Delete * From [tClients] where idClient=" + first)), "");
    const std::string second = newId(insert(insertCustomer)).toStdString();
    EXPECT_GT(std::stoll(second), std::stoll(first));

    // A cost line and an action, keyed on their own identifiers.
    const TXml cost = insert("Insert into [tVO - Frevo] (DateFrevo, TypeFrevo, MontantHT, idVO, idFrevo ) Values "
                             "(#11/30/2026#,'fixe', 150.00, 41001, :NewID) ");
    EXPECT_EQ(scalar("SELECT MontantHT = 150 FROM [tVO - Frevo] WHERE idFrevo=" + newId(cost).toStdString()), "1");
    const TXml action = insert("Insert into tActions (DateAction,TypeAction,CommentaireAction, idClient, idAction ) "
                               "Values (#11/30/2026#,2,'Rappel', " + second + ", :NewID)");
    EXPECT_EQ(scalar("SELECT idClient FROM tActions WHERE idAction=" + newId(action).toStdString()), second);
}

TEST_F(ClientSql, StatementsOfTheClientRunAsWritten) {
    const std::string idVO = scalar("SELECT idVO FROM tVehicles v WHERE EXISTS (SELECT 1 FROM [tVO - Liens Images] i "
                                    "WHERE i.idVO=v.idVO) AND EXISTS (SELECT 1 FROM [tVO - Frevo] f WHERE f.idVO=v.idVO) LIMIT 1");
    // A vehicle's deletion, in the client's order.
    for (const std::string table : {"[tVO - Liens Images]", "[tVO - Frevo]", "[tVehicles]"})
        EXPECT_EQ(warning(update("Delete * From " + table + " where idVO=" + idVO)), "");
    EXPECT_EQ(scalar("SELECT count(*) FROM tVehicles WHERE idVO=" + idVO), "0");
    EXPECT_EQ(scalar("SELECT count(*) FROM [tVO - Frevo] WHERE idVO=" + idVO), "0");

    // The sweep of cancelled orders without a buyer.
    ASSERT_NE(scalar("SELECT count(*) FROM tVehicles WHERE TypeVO=2 AND Acheteur IS NULL AND DateAnnulation IS NOT NULL"), "0");
    EXPECT_EQ(warning(update("DELETE * FROM tVehicles WHERE (((TypeVO)=2) AND ((Acheteur) Is Null) AND ((DateAnnulation) Is Not Null));")), "");
    EXPECT_EQ(scalar("SELECT count(*) FROM tVehicles WHERE TypeVO=2 AND Acheteur IS NULL AND DateAnnulation IS NOT NULL"), "0");

    // Reference-list maintenance, a customer vehicle, an image link and the default photo.
    const QString text = server::QuoteSqlText("l'AUTO & Cie");
    EXPECT_EQ(warning(update("Insert into ListRubrics (RubricType, RubricIndex, RubricItem, RubricText) Values ('InfoCouleur', 0, '..' ," + text.toStdString() + ")")), "");
    EXPECT_EQ(scalar("SELECT count(*) FROM ListRubrics WHERE RubricText='l''AUTO & Cie'"), "1");
    EXPECT_EQ(warning(update("Delete * From ListRubrics where RubricType='InfoCouleur' and RubricText=" + text.toStdString())), "");
    EXPECT_EQ(scalar("SELECT count(*) FROM ListRubrics WHERE RubricText='l''AUTO & Cie'"), "0");
    const TXml kundor = insert("Insert into TVehiclesKundor (InfoMarque, InfoModele, idClient, idTVO, NVO, idOwner, "
                               "Concession) Values ('VELDA', 'VALO',12, :NewID, :NewIDbis,1000003, 'MER')");
    EXPECT_EQ(warning(update("Delete * From tVehiclesKundor where idTVo=" + newId(kundor).toStdString())), "");
    const TXml link = insert("INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, DateImage) VALUES "
                             "(:NewID, 41002, 5, 'M0041002-05', '2010-05-20 14:03:07')");
    EXPECT_EQ(warning(link), "");
    EXPECT_EQ(warning(update("Update tVehicles set NomImage='M0041002-05' where idVO=41002")), "");
    EXPECT_EQ(warning(update("Update tVehicles set NomImage=NULL where idVO=41002")), "");

    // The search and the duplicate count of the search panel.
    const TXml found = query("SELECT -1 AS TypeVO, idClient AS VO_ID, idClient AS VO_NO, CliMobile, [CliCP], [CliVille], "
                             "[CliAdresse1], [CliAdresse2], [CliNom], [CliPrenom], CliTelDom, Site AS VO_SITE, Concession, "
                             "idOwner FROM TClients Where (Concession='MER') and ((CliNom like '%25DUP%25')) ORDER BY "
                             "CliNom, CliPreNom, idClient desc", "50");
    EXPECT_EQ(warning(found), "");
    EXPECT_EQ(child(found, "AXQuery", "CliNom"), "DUPONT");
    const TXml count = query("select count(idClient) as cpt from tClients group by CliNom, CliPrenom having "
                             "(CliNom='DUPONT') and (CliPreNom='" + child(found, "AXQuery", "CliPrenom").toUpper().toStdString() + "')");
    EXPECT_NE(child(count, "AXQuery", "cpt"), "");
    const TXml none = query("select count(idClient) as cpt from tClients group by CliNom having (CliNom='PERSONNE')");
    EXPECT_EQ(itemCount(none, "AXQueryS", "AXQuery"), 0);
}

TEST_F(ClientSql, AccessConstructsSelectWhatTheirMeaningSays) {
    // Each statement of the client's dialect, over HTTP, against the count SQLite gives directly.
    struct Case {
        const char* access;
        const char* sqlite;
    } cases[] = {
        {"select idTVO from TVehicles where (false)", "SELECT count(*) FROM tVehicles WHERE 0"},
        {"select idTVO from tvehicles where DateEntree >= #01/01/2026#", "SELECT count(*) FROM tVehicles WHERE DateEntree >= '2026-01-01'"},
        {"select idClient from [tClients] where isNull(CliTelDom)", "SELECT count(*) FROM tClients WHERE CliTelDom IS NULL"},
        {"select idClient from tClients where not isnull(CliTelDom)", "SELECT count(*) FROM tClients WHERE CliTelDom IS NOT NULL"},
        {"select idTVO from TVehicles where ((Acheteur) Is Null) and ((TypeVO)=2)", "SELECT count(*) FROM tVehicles WHERE Acheteur IS NULL AND TypeVO=2"},
        {"select idClient from TCLIENTS where CliNom like '%25dup%25'", "SELECT count(*) FROM tClients WHERE CliNom LIKE '%DUP%'"},
        {"select idClient from tClients where CliNom = 'dupont'", "SELECT count(*) FROM tClients WHERE upper(CliNom) = 'DUPONT'"},
        {"select idVO from [tVO - Frevo] where TypeFrevo='interne' and DateFrevo<#12/31/2026#",
         "SELECT count(*) FROM [tVO - Frevo] WHERE TypeFrevo='interne' AND DateFrevo<'2026-12-31'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.access);
        const TXml xml = query(c.access);
        EXPECT_EQ(warning(xml), "");
        QString rows;
        server::XmlAttr(xml, "RowCount", rows);
        EXPECT_EQ(rows.toStdString(), scalar(c.sqlite));
    }
    const TXml joined = query("select CliNom %26 ' ' %26 CliPrenom as Nom from tClients where idClient=1"); // "&" escaped in the address
    EXPECT_EQ(child(joined, "AXQuery", "Nom").toStdString(), scalar("SELECT CliNom || ' ' || CliPrenom FROM tClients WHERE idClient=1"));
}

TEST_F(ClientSql, RowCountEofAndMaxRows) {
    const int customers = std::stoi(scalar("SELECT count(*) FROM tClients WHERE Concession='MER'"));
    const std::string sql = "SELECT idClient AS VO_ID, DateCreation FROM TClients Where (Concession='MER') ORDER BY idClient";
    struct Case {
        std::string maxRows;
        int rows;
        const char* eof;
    } cases[] = {{"5", 5, "0"}, {std::to_string(customers), customers, "True"}, {"1000", customers, "True"}, {"0", 0, "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maxRows);
        const TXml xml = query(sql, c.maxRows);
        QString rows, eof;
        server::XmlAttr(xml, "RowCount", rows);
        server::XmlAttr(xml, "EOF", eof);
        EXPECT_EQ(rows, QString::number(c.rows));
        EXPECT_EQ(eof, c.eof);
        EXPECT_EQ(itemCount(xml, "AXQueryS", "AXQuery"), c.rows);
    }
    const TXml dated = query(sql, "1");
    EXPECT_TRUE(child(dated, "AXQuery", "DateCreation").contains('/'));
    EXPECT_TRUE(warning(query(sql, "dix")).contains("MaxRows"));
}

TEST_F(ClientSql, TextsKeepTheirCharactersBothWays) {
    const std::string id = scalar("SELECT min(idClient) FROM tClients");
    // "+" travels unescaped in the client's address and must not become a blank.
    const QString observed = QStringLiteral("Œuvre \"spéciale\" : 2+2 = 4 € <vite> & bien");
    const std::string literal = server::QuoteSqlText(observed).toStdString();
    ASSERT_EQ(warning(update("Update tClients set CliObservations=" + literal + " where (idClient=" + id + ")")), "");
    EXPECT_EQ(QString::fromStdString(scalar("SELECT CliObservations FROM tClients WHERE idClient=" + id)), observed);
    const TXml back = query("select CliObservations from tClients where idClient=" + id);
    QString value = child(back, "AXQuery", "CliObservations");
    value.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    EXPECT_EQ(value, observed);
}

TEST_F(ClientSql, TwoClientsWritingAtOnceLoseNothing) {
    const std::string id = scalar("SELECT min(idClient) FROM tClients");
    constexpr int kEach = 30;
    std::vector<QString> ids[2];
    std::thread writers[2];
    for (int w = 0; w < 2; ++w)
        writers[w] = std::thread([&, w] {
            httplib::Client http("127.0.0.1", m_port);
            for (int i = 0; i < kEach; ++i) {
                const std::string sql = "Insert into tActions (DateAction,CommentaireAction, idClient, idAction ) Values "
                                        "(#11/30/2026#,'client" + std::to_string(w) + "', " + id + ", :NewID)";
                auto res = http.Get(escapedAsClient("/AxInsert?XMLC_OutputFormat=XML&SQLExecute=" + sql + "&idClient="));
                ids[w].push_back(res ? newId(reader(res->body)) : QString());
                auto upd = http.Get(escapedAsClient("/AxUpdate?XMLC_OutputFormat=XML&SQLExecute=Update tClients set CliNbEnfants=" +
                                                    std::to_string(i) + " where (idClient=" + id + ")&idClient="));
                EXPECT_TRUE(upd && warning(reader(upd->body)).isEmpty());
            }
        });
    for (auto& t : writers) t.join();
    QSet<QString> unique;
    for (const auto& list : ids)
        for (const auto& v : list) {
            EXPECT_FALSE(v.isEmpty());
            unique.insert(v);
        }
    EXPECT_EQ(unique.size(), 2 * kEach);
    EXPECT_EQ(scalar("SELECT count(*) FROM tActions WHERE CommentaireAction LIKE 'client_'"), std::to_string(2 * kEach));
}

class BusyDatabase : public WebServerTest {
    void adjust(ServerOptions& o) override { o.busyTimeout = std::chrono::milliseconds(100); }
};

TEST_F(BusyDatabase, ALockedDatabaseAnswersTheMarkerTheClientRetriesOn) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(m_dbPath.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    const std::string statement = "Update tClients set CliNom='ATTENTE' where (idClient=1)";
    const std::string busy = getRaw("AxUpdate", "SQLExecute=" + statement);
    EXPECT_NE(QString::fromStdString(busy).toUpper().indexOf("WAIT_TIMEOUT"), -1) << busy;
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(scalar("SELECT count(*) FROM tClients WHERE CliNom='ATTENTE'"), "0");
    EXPECT_EQ(warning(update(statement)), "");
    EXPECT_EQ(scalar("SELECT count(*) FROM tClients WHERE CliNom='ATTENTE'"), "1");
}

} // namespace
} // namespace webserver::test
