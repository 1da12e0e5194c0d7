// The cells of one result row read from an AXQuery item: references, images, and elements the
// answer lacks.
#include "search/SearchQuery.h"

#include <gtest/gtest.h>

using namespace search;

namespace {

server::TXml item(const QString& children) {
    server::TXml xml;
    xml.Item = "<AXQuery>" + children + "</AXQuery>";
    return xml;
}

struct RowCase {
    const char* name;
    int option;
    const char* children;
    const char* userSite;
    const char* image;
    const char* reference;
};

} // namespace

TEST(SearchRowCells, ImagesAndReferences) {
    const RowCase cases[] = {
        {"used vehicle of the user's site", VehicleImmat,
         "<TypeVO>1</TypeVO><VO_NO>1234</VO_NO><VO_SITE>LILLE</VO_SITE><Concession>C1</Concession>",
         "LENS;LILLE", "4", "VO-Le-1234"},
        {"new vehicle of another site", VehicleNumber,
         "<TypeVO>2</TypeVO><StatutVD></StatutVD><VO_NO>1234</VO_NO><VO_SITE>LILLE</VO_SITE><Concession>C1</"
         "Concession>",
         "LENS", "3", "VN-Le-1234"},
        {"demonstration vehicle, any site", VehicleBuyer,
         "<TypeVO>2</TypeVO><StatutVD>Démo</StatutVD><VO_NO>1234</VO_NO><VO_SITE>lille</"
         "VO_SITE><Concession>C1</Concession>",
         "#", "4", "VD-le-1234"},
        {"another dealership", VehicleImmat,
         "<TypeVO>1</TypeVO><VO_NO>7</VO_NO><VO_SITE>ARRAS</VO_SITE><Concession>C2</Concession>", "#", "2",
         "VO-As-7"},
        {"a customer's vehicle: no kind prefix", CustomerImmat,
         "<TypeVO>VO</TypeVO><VO_NO>88</VO_NO><VO_SITE>LENS</VO_SITE><Concession>C1</Concession>", "LENS",
         "4", "Ls-88"},
        {"a customer without site matches no site", CustomerName,
         "<VO_NO>5</VO_NO><Concession>C1</Concession>", "LILLE", "3", "-5"},
        {"a one-letter site", CustomerPhone,
         "<VO_NO>5</VO_NO><VO_SITE>X</VO_SITE><Concession>C1</Concession>", "X", "4", "Xx-5"},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto cells = SearchRowCells(item(c.children), c.option, "C1", c.userSite);
        EXPECT_EQ(cells[ngsImage], c.image);
        EXPECT_EQ(cells[ngsInfo1], c.reference);
    }
}

// A missing element leaves its cell empty; it never repeats the cell before it.
TEST(SearchRowCells, MissingElementsGiveEmptyCells) {
    const auto vehicle =
        SearchRowCells(item("<VO_ID>12</VO_ID><VO_ORDRE>02/05/2009</VO_ORDRE><InfoModele>Orla</InfoModele>"
                            "<VO_BUYER>dupont</VO_BUYER>"),
                       VehicleImmat, "C1", "#");
    EXPECT_EQ(vehicle[ngsIndex], "12");
    EXPECT_EQ(vehicle[ngsInfo2], "02/05/2009");
    EXPECT_EQ(vehicle[ngsInfo3], "");
    EXPECT_EQ(vehicle[ngsInfo4], "Orla");
    EXPECT_EQ(vehicle[ngsInfo5], "DUPONT");

    const auto customer = SearchRowCells(
        item("<CliMobile>0612</CliMobile><CliVille>LENS</CliVille><CliAdresse2>Bât. B</CliAdresse2>"
             "<CliNom>o'neil</CliNom><CliPrenom>Sean</CliPrenom>"),
        CustomerMobile, "C1", "#");
    EXPECT_EQ(customer[ngsInfo2], "");
    EXPECT_EQ(customer[ngsInfo3], "0612");
    EXPECT_EQ(customer[ngsInfo4], "LENS - Bât. B");
    EXPECT_EQ(customer[ngsInfo5], "O'NEIL Sean");
}
