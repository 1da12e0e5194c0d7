#include "platform/DelphiDate.h"
#include "record/Descriptors.h"
#include "record/FieldValue.h"
#include "record/RecordKind.h"
#include "record/Rights.h"

#include <gtest/gtest.h>
#include "support/QtPrinters.h"

using namespace record;

namespace {

server::TXml item(const QString& body) {
    server::TXml x;
    x.Item = body;
    return x;
}

} // namespace

TEST(RecordKind, FollowsTheCustomerIdThenTypeVOThenStatutVD) {
    const struct {
        const char *idClient, *typeVO, *statutVD;
        int idTypeVO;
        QString kind;
        const char* typeStored;
    } cases[] = {
        {"12", "1", "", 1, KindCL, ""}, {"0", "1", "", 1, KindCL, ""},    {"", "1", "X", 3, KindVO, "1"},
        {"", "", "", 1, KindVO, "1"},   {"", "", "", 2, KindVN, "2"},    {"", "", "", 3, KindVN, "2"},
        {"", "2", "X", 3, KindVD, "2"}, {"", "2", "X", 2, KindVN, "2"},  {"", "2", "", 3, KindVN, "2"},
        {"", "3", "X", 3, KindVD, "3"},
    };
    for (const auto& c : cases) {
        const KindChoice k = ChooseRecordKind(c.idClient, c.typeVO, c.statutVD, c.idTypeVO);
        EXPECT_EQ(k.RecordKind, c.kind) << c.idClient << "/" << c.typeVO << "/" << c.statutVD << "/" << c.idTypeVO;
        EXPECT_EQ(k.RecordTable, c.kind == KindCL ? "TVC" : "tVO");
        EXPECT_EQ(k.RecordTypeVO, c.typeStored);
    }
    EXPECT_EQ(KindLabel(KindVD), "VD");
    for (const char* id : {"", "abc", "0", "-1", "-2"}) EXPECT_TRUE(IsNewRecordId(id)) << id;
    EXPECT_FALSE(IsNewRecordId("15"));
}

TEST(Rights, GroupsCountWithoutTheirUserPrefix) {
    server::TXml record;
    record.Document = "<d><GNames><GName>user_Compta</GName><GName>COMPTA2</GName><GName>USER_</GName>"
                      "</GNames><tVO><a>1</a></tVO></d>";
    server::XmlSelect(record, "tVO");
    EXPECT_TRUE(GetDataRights(record, true, ";SVO;COMPTA;"));
    EXPECT_FALSE(GetDataRights(record, true, ";KUNDOR;"));
    EXPECT_FALSE(GetDataRights(record, true, ";COMPTA2X;"));
    EXPECT_TRUE(GetDataRights(record, true, ";;")); // an empty tag: only the group "USER_"
    EXPECT_FALSE(GetDataRights(record, false, ";COMPTA;"));
    EXPECT_EQ(record.Item, "<a>1</a>"); // the record cursor is not moved
}

TEST(Descriptors, GeometryInTwipsInheritsMissingKeys) {
    DescriptorKeys keys;
    keys.ReadField(item("<vInfo>A</vInfo>"));
    EXPECT_EQ(GeometryOf(keys).Width, 1); // 20 twips while nothing was read
    keys.ReadField(item("<vInfo>B</vInfo><width>1200</width><left>1410</left><top>600</top><height>200</height>"));
    FieldGeometry g = GeometryOf(keys);
    EXPECT_EQ(g.Width, 80);
    EXPECT_EQ(g.Left, 94);
    EXPECT_EQ(g.Top, 5);
    EXPECT_EQ(g.Height, 18);
    keys.ReadField(item("<vInfo>C</vInfo><width>22</width>"));
    EXPECT_EQ(GeometryOf(keys).Width, 1);
    EXPECT_EQ(GeometryOf(keys).Left, 94); // inherited from B
    EXPECT_EQ(keys.vInfo, "C");
    keys.ReadField(item("<width>23</width><height>x</height>"));
    EXPECT_EQ(GeometryOf(keys).Width, 2);
    EXPECT_EQ(GeometryOf(keys).Height, 18);
    EXPECT_EQ(keys.vInfo, ""); // a field name is never inherited
}

TEST(Descriptors, CaptionsStandLeftOfOrAboveTheirControl) {
    const struct {
        int left, tControl, caption;
    } cases[] = {{93, 109, 5}, {94, 109, 46}, {400, 111, 352}, {401, 109, 379}, {30, 110, 30}, {500, 120, 500}};
    for (const auto& c : cases) EXPECT_EQ(CaptionLeft(c.left, c.tControl), c.caption) << c.left << " " << c.tControl;
    EXPECT_TRUE(CaptionAbove(110));
    EXPECT_FALSE(CaptionAbove(111));
    // "&amp;" goes first, so an escaped "&lt;" ends as "<".
    EXPECT_EQ(DecodeCaption("a &amp;lt; b &lt; &gt;"), "a < b < >");
}

TEST(Descriptors, ListDefinitionsFromFieldInfo) {
    const struct {
        const char *field, *fieldInfo, *name, *key, *rubric;
    } cases[] = {
        {"InfoCarrosserie", "", "InfoCarrosserie", "InfoCarrosserie", "InfoCarrosserie"},
        {"idVendeur", "IDCOM;InfoCom", "InfoCom", "IDCOM", "IDCOM"},
        {"InfoCouleur", "ListCouleurs", "InfoCouleur", "InfoCouleur", "ListCouleurs"},
        {"Energie", "TypeEnergie", "Energie", "TypeEnergie", "TypeEnergie"},
    };
    for (const auto& c : cases) {
        const ListDefinition d = ListDefinitionOf(c.field, c.fieldInfo);
        EXPECT_EQ(d.ListName, c.name) << c.field;
        EXPECT_EQ(d.ListKey, c.key) << c.field;
        EXPECT_EQ(d.RubricTable, c.rubric) << c.field;
    }
}

TEST(Descriptors, AFieldDescriptorCarriesItsNameTagRightsAndList) {
    DescriptorKeys keys;
    keys.ReadField(item("<vInfo>PrixVente;PrixAffiche</vInfo><txtInfo>Prix &amp; remise</txtInfo>"
                        "<tag>Compta;readonly</tag><tInfo>5</tInfo><tControl>109</tControl><notNull>True</notNull>"
                        "<color>255</color><width>1500</width><defval>0</defval>"));
    const TsDesc d = FieldDescriptorOf(keys);
    EXPECT_EQ(d.FieldName, "PrixVente");
    EXPECT_EQ(d.XmlTag, "PrixAffiche");
    EXPECT_EQ(d.ValueTag(), "PrixAffiche");
    EXPECT_EQ(d.txtInfo, "Prix & remise");
    EXPECT_EQ(d.RightsTag, ";COMPTA;READONLY;");
    EXPECT_TRUE(d.notNull);
    EXPECT_EQ(d.tInfo, 5);
    EXPECT_EQ(d.FontColor, 255);
    EXPECT_EQ(d.Width, 100);
    EXPECT_EQ(d.defval, "0");

    EXPECT_TRUE(VisibleFor(2, true));
    EXPECT_FALSE(VisibleFor(2, false));
    EXPECT_FALSE(VisibleFor(3, true));
    EXPECT_TRUE(VisibleFor(3, false));
    EXPECT_TRUE(VisibleFor(0, false));
}

TEST(Descriptors, APageIsDeclaredByItsKindAndDecimalNumber) {
    server::TXml structure;
    structure.Document = "<d><axStructS>"
                         "<axStruct><descInfo>_TVO</descInfo><idNum>01</idNum><txtInfo>Faux</txtInfo></axStruct>"
                         "<axStruct><descInfo>_TVO</descInfo><idNum>1</idNum><txtInfo>VO</txtInfo>"
                         "<vInfo>gVO1</vInfo><tag>tVehicles</tag><defval>c</defval></axStruct>"
                         "<axStruct><idNum>2</idNum><vInfo>gVO2</vInfo></axStruct>"
                         "</axStructS></d>";
    DescriptorKeys keys;
    const auto one = FindPageDescriptor(structure, KindVO, 1, keys);
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->Caption, "VO");
    EXPECT_EQ(one->FieldGroup, "gVO1");
    EXPECT_EQ(one->TableName, "tVehicles");
    EXPECT_EQ(one->ControlPrefix, "c");
    // The item of page 2 has no descInfo nor caption: it takes them from the item before.
    const auto two = FindPageDescriptor(structure, KindVO, 2, keys);
    ASSERT_TRUE(two.has_value());
    EXPECT_EQ(two->Caption, "VO");
    EXPECT_FALSE(FindPageDescriptor(structure, KindVN, 1, keys).has_value());
}

TEST(FieldValue, ValuesAreMadeReadyForTheirControls) {
    platform::SetClock([] { return QDateTime(QDate(2026, 12, 11), QTime(9, 0)); });
    const server::TXml cursor = item("<Prix> 12 500.5 </Prix><Km>1 200</Km><Note>a &amp;lt; &cr;b</Note>"
                                     "<Bad>12,5</Bad><Date>now</Date><Lib>x &amp; y</Lib>");
    const struct {
        const char* field;
        int tInfo, tControl;
        bool isNew;
        const char* defval;
        const char *orig, *cur;
    } cases[] = {
        {"Prix", 5, 109, false, "", "12500.50", "12500.50"},
        {"Bad", 5, 109, false, "", "0.00", "0.00"},
        {"Km", 4, 109, false, "", "1200", "1200"},
        {"Note", 2, 109, false, "", "a < \r\nb", "a < \r\nb"},
        {"Lib", 2, 111, false, "", "x &amp; y", "x &amp; y"}, // only edits decode
        {"Date", 1, 109, false, "", "11/12/2026", "11/12/2026"},
        {"Missing", 2, 109, false, "", "", ""},
        {"Date", 1, 109, true, "now", "", "11/12/2026"},
        {"Prix", 5, 109, true, "", "", "0.00"},
    };
    for (const auto& c : cases) {
        TsDesc d;
        d.FieldName = c.field;
        d.tInfo = c.tInfo;
        d.tControl = c.tControl;
        d.defval = c.defval;
        LoadFieldValue(d, cursor, c.isNew);
        EXPECT_EQ(d.OrigValue, c.orig) << c.field << c.isNew;
        EXPECT_EQ(d.CurValue, c.cur) << c.field << c.isNew;
    }
    platform::SetClock({});
}
