#pragma once
// AxInfoVO and AxInfoCL: one record with the user's identity, groups and date limits, and the
// lists that hang on the record (costs, photos, reservations; actions and owned vehicles).
#include "webserver/Database.h"

#include <string>
#include <string_view>

namespace webserver {

std::string runAxInfoVO(Database& db, std::string_view idTVO, std::string_view userId, std::string_view idClient);
std::string runAxInfoCL(Database& db, std::string_view userId, std::string_view idClient);

} // namespace webserver
