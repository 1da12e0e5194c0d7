// The client's Access-style SQL and the SQLite text it becomes.
#include "webserver/SqlDialect.h"

#include <gtest/gtest.h>

namespace webserver::sql {
namespace {

struct Case {
    const char* access;
    const char* sqlite;
};

TEST(Dialect, TranslatesEachConstructOfTheClientDialect) {
    const Case cases[] = {
        {"Delete * From [tVO - Frevo] where idVO=12", "Delete From \"tVO - Frevo\" where idVO = 12"},
        {"select * from TVehicles where DateOrdre>#12/31/2009#", "select * from TVehicles where DateOrdre > '2009-12-31'"},
        {"select idClient from tClients where isNull(CliNom)", "select idClient from tClients where ( ( CliNom ) IS NULL )"},
        {"select 1 from T where (not isnull(StatutVD)) and (isnull(Acheteur))",
         "select 1 from T where ( not ( ( StatutVD ) IS NULL ) ) and ( ( ( Acheteur ) IS NULL ) )"},
        {"select 1 from T where (false)", "select 1 from T where ( 0 )"},
        {"select 1 from T where ((Acheteur) Is Null);", "select 1 from T where ( ( Acheteur ) Is Null )"},
        {"select CliNom & ' ' & CliPrenom from tClients where CliNom like '%DUP%'",
         "select CliNom || ' ' || CliPrenom from tClients where CliNom like '%DUP%'"},
        {"Update T set a='l''AUTO \"x\"' where (b=1)", "Update T set a = 'l''AUTO \"x\"' where ( b = 1 )"},
        {"Insert into [tVO - Frevo] (DateFrevo, idVO, idFrevo ) Values (#1/2/2010#, 5, :NewID)",
         "Insert into \"tVO - Frevo\" ( DateFrevo , idVO , idFrevo ) Values ( '2010-01-02' , 5 , :NewID )"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.access);
        EXPECT_EQ(translate(c.access, false).sql, c.sqlite);
    }
}

TEST(Dialect, MapsNewIdPlaceholdersToTheirColumns) {
    const Statement st = translate("Insert into tVehicles (NVO, idTVO, TypeVO, idVO, idOwner, Concession) "
                                   "Values (12, :NewID, 1, :NewIDbis, 1000001, 'MER')",
                                   false);
    ASSERT_EQ(st.newIds.size(), 2u);
    EXPECT_EQ(st.newIds[0].placeholder, "NewID");
    EXPECT_EQ(st.newIds[0].column, "idTVO");
    EXPECT_EQ(st.newIds[1].placeholder, "NewIDbis");
    EXPECT_EQ(st.newIds[1].column, "idVO");
    EXPECT_EQ(st.table, "tVehicles");
}

TEST(Dialect, DecodesTheClientEscapesOnlyWhereTheQueryStringDidNot) {
    // "%22", "%26", "%3C", "%3E" and "%0D%0A" are what QuoteSqlText writes for " & < > and CR LF.
    const char* sql = "Update T set a='%22A%22 %26 %3Cb%3E%0D%0Ac' where (b=1)";
    EXPECT_EQ(translate(sql, true).sql, "Update T set a = '\"A\" & <b>\r\nc' where ( b = 1 )");
    EXPECT_EQ(translate(sql, false).sql, "Update T set a = '%22A%22 %26 %3Cb%3E%0D%0Ac' where ( b = 1 )");
}

TEST(Dialect, RefusesWhatIsOutsideTheDialect) {
    const char* refused[] = {
        "select 1; drop table tClients",        // a second statement
        "DROP TABLE tClients",                  // not a statement kind of the client
        "PRAGMA writable_schema=1",
        "ATTACH DATABASE '/tmp/x' AS x",
        "Update tClients set CliNom='X'",       // every row
        "Update tClients set CliNom='X' where ", // an empty condition
        "Delete * From tClients",
        "select * from T where d=#02/30/2009#", // no such date
        "select * from T where a='open",
        "select * from T where a=?",            // SQLite's own parameters
        "select * from T where a=:other",
        "select * from T where (a=1",
        "Update T set a=:NewID where (b=1)",    // placeholders only as INSERT values
        "",
    };
    for (const char* sql : refused) {
        SCOPED_TRACE(sql);
        EXPECT_THROW(translate(sql, false), SqlError);
    }
}

TEST(Dialect, ControlBytesAreRefusedWithTheirPosition) {
    const std::string sql = std::string("select 1 from T where a=1") + '\0' + "; drop table T";
    try {
        translate(sql, false);
        FAIL() << "a NUL byte must be refused";
    } catch (const SqlError& e) {
        EXPECT_NE(std::string(e.what()).find("0x00"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("position 26"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace webserver::sql
