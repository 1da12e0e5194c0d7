#pragma once
// What the search panel sends and how it reads the answer: the SELECT of each search kind, the
// address that carries it, and the cells of one result row. QtCore only.
#include "server/TagReader.h"

#include <QString>
#include <array>

namespace search {

// The seven search kinds (SearchOption): 1 to 3 on vehicle records, 4 to 7 on customer records.
enum SearchKind {
    VehicleImmat = 1,
    VehicleBuyer = 2,
    VehicleNumber = 3,
    CustomerImmat = 4,
    CustomerName = 5,
    CustomerMobile = 6,
    CustomerPhone = 7
};

// Grid columns.
enum SearchColumn { ngsIndex, ngsImage, ngsInfo1, ngsInfo2, ngsInfo3, ngsInfo4, ngsInfo5, SearchColumns };

struct SearchRequest {
    int option = VehicleNumber;
    QString text;       // as typed, without CR, LF or TAB
    QString site;       // text of the site box; vehicle kinds only
    int typeIndex = -1; // selected index of the vehicle-type box; vehicle kinds only
    bool exact = false;
    // Set for a customer-name search that also filters on the open customer's first name.
    bool withFirstName = false;
    QString firstName;
    // Set when the criterion comes from the INI key "WhereClause" instead of the text.
    bool preset = false;
    QString whereClause;
    QString userConcession;
};

// The grid column that shows the searched field.
int ResultColumn(int option);
// The SELECT statement, as the server is to receive it.
QString SearchQuery(const SearchRequest& request);
// BaseHRef + the AxQuery address carrying the statement.
QString SearchAddress(const QString& baseHRef, const QString& query, int maxRows);

// The cells of the result row of the current AXQuery item; column ngsImage holds the image index.
std::array<QString, SearchColumns> SearchRowCells(const server::TXml& row, int option,
                                                  const QString& userConcession, const QString& userSite);

} // namespace search
