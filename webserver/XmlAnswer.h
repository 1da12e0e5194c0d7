#pragma once
// The answers of the scripts: flat XML read back by the client's tag reader, which knows no XML
// syntax. Values are escaped (&, <, >) and their line breaks written "&cr;"; the text is built in
// UTF-8 and sent as Windows-1252, declared ISO-8859-1 as the client expects.
#include <string>
#include <string_view>
#include <vector>

namespace webserver {

class XmlAnswer {
public:
    // A fragment has no XML declaration; it is meant to be appended to a document.
    explicit XmlAnswer(bool fragment = false);

    void open(std::string_view name);
    // An opening tag with attributes, written name="value" with no blanks around "=".
    void open(std::string_view name, const std::vector<std::pair<std::string, std::string>>& attributes);
    void close(std::string_view name);
    // <name>escaped value</name>
    void value(std::string_view name, std::string_view text);
    void append(const XmlAnswer& fragment) { m_text += fragment.m_text; }

    // The finished document in Windows-1252.
    std::string bytes() const;

private:
    std::string m_text;
};

// Element names come from column aliases; anything the tag reader could trip on becomes "_".
std::string xmlName(std::string_view name);
// & < > escaped, CR LF / CR / LF written "&cr;", NUL dropped (the client's file reader stops at it).
std::string escapeXmlText(std::string_view text);

// <document><LogItems><LogItem>message</LogItem>...</LogItems></document>: the server's refusal.
std::string logItemsAnswer(const std::vector<std::string>& messages);
// The busy marker the client retries on, with a French explanation.
std::string waitTimeoutAnswer();

} // namespace webserver
