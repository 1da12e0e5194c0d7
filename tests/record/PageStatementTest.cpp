#include "platform/DelphiDate.h"
#include "record/PageStatement.h"

#include <gtest/gtest.h>
#include "support/QtPrinters.h"

using namespace record;

namespace {

// A control only marks a descriptor as saved; the statement never reads it.
QWidget* const kControl = reinterpret_cast<QWidget*>(0x1);

TsDesc field(const char* name, int tInfo, const QString& orig, const QString& cur, bool control = true) {
    TsDesc d;
    d.FieldName = name;
    d.tInfo = tInfo;
    d.OrigValue = orig;
    d.CurValue = cur;
    d.ValueControl = control ? kControl : nullptr;
    d.RightsTag = ";SVO;";
    return d;
}

struct PageStatementTest : ::testing::Test {
    void SetUp() override {
        platform::SetClock([] { return QDateTime(QDate(2009, 12, 31), QTime(10, 0)); });
        pages[0].TableName = "T";
    }
    void TearDown() override { platform::SetClock({}); }
    TsPages pages;
};

} // namespace

TEST_F(PageStatementTest, UpdatesTheChangedFieldsKeyedByTheLeadingKeys) {
    pages[1].Descs = {field("idTVO", 4, "1234", "1234", false), field("PrixVente", 5, "1000.00", "1250.50"),
                      field("Nom", 2, "A", "A"), field("Later", 4, "9", "9", false)};
    EXPECT_EQ(BuildPageStatement(pages, {1, false, "VO", "1", "", "7", "MER"}),
              "Update T set PrixVente=1250.50 where (idTVO=1234)");

    pages[1].Descs[1].CurValue = "1000.00"; // changed back: nothing to save
    EXPECT_EQ(BuildPageStatement(pages, {1, false, "VO", "1", "", "7", "MER"}), "");

    pages[1].Descs = {field("Immat", 2, "", "", false), field("Site", 2, "LENS", "O'NEIL & fils"),
                      field("DateLivraison", 1, "01/02/2009", "")};
    EXPECT_EQ(BuildPageStatement(pages, {1, false, "VO", "1", "", "7", "MER"}),
              "Update T set Site='O''NEIL %26 fils',DateLivraison=NULL where (isNull(Immat))");
    pages[1].Descs[0].OrigValue = "AB 123";
    EXPECT_EQ(BuildPageStatement(pages, {1, false, "VO", "1", "", "7", "MER"}),
              "Update T set Site='O''NEIL %26 fils',DateLivraison=NULL where (Immat='AB 123')");
}

TEST_F(PageStatementTest, SkipsFieldsThatAreNeverWritten) {
    TsDesc readOnly = field("Prix", 5, "1.00", "2.00");
    readOnly.RightsTag = ";COMPTA;READONLY;";
    TsDesc viaTag = field("Nom", 2, "a", "b");
    viaTag.XmlTag = "NomAffiche";
    pages[1].Descs = {field("id", 4, "1", "1", false), readOnly, viaTag, field("PrixFDM", 5, "1.00", "2.00"),
                      field("FrevoTotal", 5, "0.00", ""), field("frevoFixe", 5, "0.00", "12.5")};
    EXPECT_EQ(BuildPageStatement(pages, {1, false, "VO", "1", "", "7", "MER"}),
              "Update T set frevoFixe=12.5 where (id=1)");
}

TEST_F(PageStatementTest, InsertsNewRecordsWithTheServersIdentifiers) {
    pages[0].TableName = "tVO Stock";
    pages[1].Descs = {field("NVO", 4, "", "12"), field("DateEntree", 1, "", "31/12/2009")};
    EXPECT_EQ(BuildPageStatement(pages, {1, true, "VO", "1", "", "7", "MER"}),
              "Insert into [tVO Stock] (NVO,DateEntree, idTVO, TypeVO, idVO, idOwner, Concession) Values "
              "(12,#12/31/2009#, :NewID, 1, :NewIDbis,7, 'MER')");

    pages[0].TableName = "T";
    pages[7].Descs = {field("CliNom", 2, "", "Dupont")};
    EXPECT_EQ(BuildPageStatement(pages, {7, true, "CL", "", "-2", "7", "MER"}),
              "Insert into T (CliNom, idClient, DateCreation, idOwner, Concession) Values ('Dupont', :NewID, "
              "#12/31/2009#,7, 'MER')");

    pages[8].Descs = {field("InfoMarque", 2, "", "ALBA")};
    EXPECT_EQ(BuildPageStatement(pages, {8, true, "CL", "", "80", "7", "MER"}),
              "Insert into TVehiclesKundor (InfoMarque, idClient, idTVO, NVO, idOwner, Concession) Values "
              "('ALBA',80, :NewID, :NewIDbis,7, 'MER')");
}
