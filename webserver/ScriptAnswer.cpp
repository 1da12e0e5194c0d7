#include "webserver/ScriptAnswer.h"

namespace webserver {

void writeRows(XmlAnswer& xml, Query& q, std::string_view list, std::string_view item) {
    xml.open(list);
    while (q.step()) {
        xml.open(item);
        for (int c = 0; c < q.columns(); ++c) xml.value(q.name(c), q.text(c));
        xml.close(item);
    }
    xml.close(list);
}

std::string singleValueAnswer(std::string_view section, std::string_view name, std::string_view value) {
    XmlAnswer xml;
    xml.open("document");
    xml.open(section);
    xml.value(name, value);
    xml.close(section);
    xml.close("document");
    return xml.bytes();
}

} // namespace webserver
