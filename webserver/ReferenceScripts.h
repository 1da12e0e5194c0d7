#pragma once
// AxInfoStruct and AxInfoEquip: the two reference documents the client caches, the structure
// descriptors and the pick lists of a dealership.
#include "webserver/ClientSql.h"
#include "webserver/Database.h"

#include <string>
#include <string_view>

namespace webserver {

std::string runAxInfoStruct(Database& db, std::string_view concession);
// `whereClause` ("Where (RubricItem='..') or ...") filters ListRubrics, confined to that table.
std::string runAxInfoEquip(Database& db, std::string_view concession, std::string_view whereClause,
                           const SqlLimits& limits);

} // namespace webserver
