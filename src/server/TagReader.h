#pragma once
// The tag reader every answer is read with: literal, case-sensitive, first-occurrence text
// searches, with no knowledge of XML syntax. Texts are held as QString; since each Windows-1252
// byte is one UTF-16 unit, positions equal byte positions. A text ends at its first NUL.
#include <QString>
#include <optional>
#include <utility>

namespace server {

struct TXml {
    TXml() = default;
    // A cursor over a whole answer, nothing selected yet.
    explicit TXml(QString document) : Document(std::move(document)) {}

    QString Document;
    QString Item;
    int Count = 0;

    // The not yet consumed body of the selected element. Held as the selected text and a start
    // offset, so that stepping through a long list does not copy the rest of it at every item.
    QStringView Selection() const { return QStringView(m_selection).mid(m_selectionStart); }
    void SetSelection(QString text) {
        m_selection = std::move(text);
        m_selectionStart = 0;
    }

private:
    friend int XmlNext(TXml& xml, const QString& name);
    QString m_selection;
    qsizetype m_selectionStart = 0;
};

// Selects the body of the first element whose opening tag starts with "<" + name, from its first
// tag on, up to the first "</name>"; empty when any of these is missing.
void XmlSelect(TXml& xml, const QString& name);
// Steps to the next "<name>...</name>" of the selection; the 1-based position of the opening tag
// within the selection before the call, or 0 (nothing changed).
int XmlNext(TXml& xml, const QString& name);
// The raw text of the first "<name>...</name>" inside Item; value untouched when not found.
void XmlGet(const TXml& xml, const QString& name, QString& value);
// The same as a result, empty when not found.
QString XmlValue(const TXml& xml, const QString& name);
// The first name="..." of the whole document, when the value is at most 19 characters.
void XmlAttr(const TXml& xml, const QString& name, QString& value);

// The whole file as Windows-1252 text, up to its first NUL byte, every line (CR LF, lone CR or
// lone LF) ended by CR LF. Empty optional when the file cannot be opened.
std::optional<QString> LoadTextFile(const QString& fileName);
// Field n (1-based) of a ";"-separated text; empty when it does not exist.
QString GetListField(const QString& text, int n);

} // namespace server
