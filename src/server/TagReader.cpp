#include "TagReader.h"

#include "platform/Win1252.h"

#include <QFile>

namespace server {
namespace {

QStringView upToNul(QStringView text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

// Texts pass through the 8-bit code page: what it cannot hold comes back as "?".
QString narrowed(QStringView text) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            return platform::fromWin1252(platform::toWin1252(text));
    return text.toString();
}

QString tag(QStringView open, const QString& name, QStringView close) {
    return open.toString() + narrowed(upToNul(name)) + close.toString();
}

// Delphi's Copy: a start or count outside the text gives what is left, never an error.
QString copy(QStringView text, qsizetype from, qsizetype count) {
    if (count <= 0 || from >= text.size()) return {};
    return text.mid(from, count).toString();
}

} // namespace

void XmlSelect(TXml& xml, const QString& name) {
    xml.SetSelection({});
    xml.Item.clear();
    xml.Count = 0;
    const QStringView doc = upToNul(xml.Document);
    const qsizetype open = doc.indexOf(tag(u"<", name, u""));
    if (open < 0) return;
    const qsizetype first = doc.indexOf(u'<', open + 1);
    if (first < 0) return;
    const qsizetype close = doc.indexOf(tag(u"</", name, u">"), first);
    if (close < 0) return;
    xml.Item = narrowed(doc.mid(first, close - first));
    xml.SetSelection(xml.Item);
}

int XmlNext(TXml& xml, const QString& name) {
    const QString open = tag(u"<", name, u">");
    const QString close = tag(u"</", name, u">");
    const QStringView sel = xml.Selection();
    const qsizetype p = sel.indexOf(open);
    const qsizetype q = sel.indexOf(close);
    if (p < 0 || q < 0) return 0;
    xml.Item = copy(sel, p + open.size(), q - p - open.size());
    xml.m_selectionStart += q + close.size();
    return static_cast<int>(p + 1);
}

void XmlGet(const TXml& xml, const QString& name, QString& value) {
    const QString open = tag(u"<", name, u">");
    const qsizetype p = xml.Item.indexOf(open);
    const qsizetype q = xml.Item.indexOf(tag(u"</", name, u">"));
    if (p >= 0 && q >= 0 && p < q) value = copy(xml.Item, p + open.size(), q - p - open.size());
}

QString XmlValue(const TXml& xml, const QString& name) {
    QString value;
    XmlGet(xml, name, value);
    return value;
}

void XmlAttr(const TXml& xml, const QString& name, QString& value) {
    const QStringView doc = upToNul(xml.Document);
    const QString key = tag(u"", name, u"=\"");
    const qsizetype p = doc.indexOf(key);
    if (p < 0) return;
    const QStringView rest = doc.mid(p + key.size(), 20);
    const qsizetype quote = rest.indexOf(u'"');
    if (quote >= 0) value = narrowed(rest.left(quote));
}

std::optional<QString> LoadTextFile(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = f.readAll();
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) bytes.truncate(nul);
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 16 + 2);
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        out.append(bytes.constData() + start, i - start).append("\r\n");
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) out.append(bytes.constData() + start, bytes.size() - start).append("\r\n");
    return platform::fromWin1252(out);
}

QString GetListField(const QString& text, int n) {
    QString result;
    int counter = n;
    for (const QChar c : text + u';') {
        if (c == u';')
            --counter;
        else if (counter == 1)
            result += c;
    }
    return result;
}

} // namespace server
