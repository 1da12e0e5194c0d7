#include "webserver/XmlAnswer.h"

#include "webserver/Text.h"

namespace webserver {

XmlAnswer::XmlAnswer(bool fragment) {
    if (!fragment) m_text = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n";
}

void XmlAnswer::open(std::string_view name) {
    m_text += '<';
    m_text += name;
    m_text += '>';
}

void XmlAnswer::open(std::string_view name,
                     const std::vector<std::pair<std::string, std::string>>& attributes) {
    m_text += '<';
    m_text += name;
    for (const auto& [key, val] : attributes) {
        m_text += ' ';
        m_text += key;
        m_text += "=\"";
        for (char c : escapeXmlText(val)) m_text += c == '"' ? std::string("&quot;") : std::string(1, c);
        m_text += '"';
    }
    m_text += '>';
}

void XmlAnswer::close(std::string_view name) {
    m_text += "</";
    m_text += name;
    m_text += '>';
}

void XmlAnswer::value(std::string_view name, std::string_view text) {
    open(name);
    m_text += escapeXmlText(text);
    close(name);
}

std::string XmlAnswer::bytes() const { return win1252FromUtf8(m_text); }

std::string xmlName(std::string_view name) {
    std::string out;
    for (char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                        c == '_' || c == '-' || c == '.';
        out += ok ? c : '_';
    }
    if (out.empty() || (out[0] >= '0' && out[0] <= '9') || out[0] == '-' || out[0] == '.')
        out.insert(out.begin(), '_');
    return out;
}

std::string escapeXmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\0': break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "&cr;";
            break;
        case '\n': out += "&cr;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string logItemsAnswer(const std::vector<std::string>& messages) {
    XmlAnswer xml;
    xml.open("document");
    xml.open("LogItems");
    for (const auto& m : messages) xml.value("LogItem", m);
    xml.close("LogItems");
    xml.close("document");
    return xml.bytes();
}

std::string waitTimeoutAnswer() {
    XmlAnswer xml;
    xml.open("document");
    xml.value("Status", "WAIT_TIMEOUT");
    xml.open("LogItems");
    xml.value("LogItem", "Base de données occupée (WAIT_TIMEOUT) : la requête sera renvoyée");
    xml.close("LogItems");
    xml.close("document");
    return xml.bytes();
}

} // namespace webserver
