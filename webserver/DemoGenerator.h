#pragma once
// The demo dealership's records: vehicles of the three kinds, customers with their follow-up
// actions and owned vehicles, costs, reservations and photos. Deterministic (a fixed seed), built
// from the reference data already loaded (sites, staff, users, lists, makes and models).
#include "webserver/Database.h"
#include "webserver/DemoLoader.h"

namespace webserver::demo {

void generateRecords(Connection& c, const DemoOptions& options);

} // namespace webserver::demo
