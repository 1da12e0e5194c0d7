#pragma once
// The schema and the demo dealership's data files, built into the program (see EmbedFiles.cmake).
#include <map>
#include <string_view>

namespace webserver {

// File name (without folder) -> contents.
const std::map<std::string_view, std::string_view>& embeddedFiles();

} // namespace webserver
