#pragma once
// What every script answer shares: the frame that turns a failure into LogItems (or the busy
// marker), and the writing of result rows as a list.
#include "webserver/Database.h"
#include "webserver/SqlTokenizer.h"
#include "webserver/XmlAnswer.h"

#include <string>
#include <string_view>

namespace webserver {

// The answer `body` builds, or LogItems with the French reason it failed, or the WAIT_TIMEOUT
// marker when the database stayed locked.
template <typename Body> std::string answering(Body&& body) {
    try {
        return body();
    } catch (const DatabaseBusy&) {
        return waitTimeoutAnswer();
    } catch (const sql::SqlError& e) {
        return logItemsAnswer({e.what()});
    } catch (const DatabaseError& e) {
        return logItemsAnswer({e.what()});
    }
}

// The rows of `q` as <list><item>one child per column</item>...</list>.
void writeRows(XmlAnswer& xml, Query& q, std::string_view list, std::string_view item);

// <document><section><name>value</name></section></document>
std::string singleValueAnswer(std::string_view section, std::string_view name, std::string_view value);

} // namespace webserver
