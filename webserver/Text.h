#pragma once
// Text at the wire boundary: the client speaks Windows-1252, the database holds UTF-8.
#include <map>
#include <string>
#include <string_view>

namespace webserver {

// Every byte maps to one character; the five bytes Windows leaves undefined map to the C1
// controls of the same value, so any byte string survives a round trip.
std::string utf8FromWin1252(std::string_view bytes);
// A character the code page cannot hold, or a byte that is no valid UTF-8, becomes "?".
std::string win1252FromUtf8(std::string_view utf8);
bool isValidUtf8(std::string_view text);

// "%xx" decoded once; "+" stays "+" because the client escapes blanks as "%20" and sends "+"
// as it is (a "+" in a saved text must not turn into a blank).
std::string percentDecode(std::string_view text);
// The parameters of a raw query string ("a=1&b=2"), decoded as above; the first of a name wins.
std::map<std::string, std::string> parseQueryString(std::string_view query);

// ASCII-only case change: record values keep their accented letters as they are.
std::string asciiUpper(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);

} // namespace webserver
