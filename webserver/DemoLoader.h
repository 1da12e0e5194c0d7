#pragma once
// --init-demo: a new SQLite file with the schema, the demo dealership's reference data (the
// readable files of webserver/demo), generated vehicles and customers, and their photos.
#include <stdexcept>
#include <string>

namespace webserver::demo {

struct DemoError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct DemoOptions {
    std::string dbPath;
    std::string photosDir;
    int vehiclesPerDealership = 120; // of the three kinds
    int customersPerDealership = 120;
    bool photos = true;
};

// Refuses an existing file: demo data is never loaded over a dealership's records.
void createDemo(const DemoOptions& options);

} // namespace webserver::demo
