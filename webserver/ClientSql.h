#pragma once
// The three scripts that run the client's own SQL: AxQuery (SELECT), AxUpdate (INSERT, UPDATE,
// DELETE) and AxInsert (INSERT with new identifiers). Each answers XML: the rows, the new
// identifier, or LogItems with a French message and nothing changed.
#include "webserver/ClientStatement.h"
#include "webserver/Database.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace webserver {

// `sql` is the statement as received (Windows-1252). `fromForm`: it came in a multipart body,
// where the client's "%22"-style escapes were not decoded by the query string.
std::string runAxQuery(Database& db, std::string_view sql, bool fromForm, std::string_view maxRows,
                       const SqlLimits& limits);
std::string runAxUpdate(Database& db, std::string_view sql, bool fromForm, const SqlLimits& limits);
// `beforeCommit` runs inside the transaction after the INSERT (the photo files are put in place
// there); when it throws a French message, the INSERT is rolled back.
std::string runAxInsert(Database& db, std::string_view sql, bool fromForm, const SqlLimits& limits,
                        const std::function<void()>& beforeCommit = {});

} // namespace webserver
