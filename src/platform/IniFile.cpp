#include "IniFile.h"

#include "Win1252.h"

#include <QFile>
#include <QSaveFile>

namespace platform {
namespace {

QStringView sectionName(QStringView line) {
    const QStringView t = line.trimmed();
    if (!t.startsWith(u'[')) return {};
    const qsizetype close = t.indexOf(u']');
    return close < 0 ? QStringView() : t.mid(1, close - 1).trimmed();
}

bool isSection(QStringView line) {
    return line.trimmed().startsWith(u'[');
}

} // namespace

IniFile::IniFile(QString fileName) : m_fileName(std::move(fileName)) {
    QFile f(m_fileName);
    if (!f.exists()) return;
    if (!f.open(QIODevice::ReadOnly)) {
        m_readable = false;
        return;
    }
    const QString text = fromWin1252(f.readAll());
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            m_lines << text.mid(start, i - start);
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) m_lines << text.mid(start);
}

IniFile::Place IniFile::find(QStringView section, QStringView key) const {
    Place p;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (!isSection(m_lines[i])) continue;
        if (p.sectionLine >= 0) {
            p.endLine = i;
            break;
        }
        if (sectionName(m_lines[i]).compare(section, Qt::CaseInsensitive) == 0) p.sectionLine = i;
    }
    if (p.sectionLine < 0) return p;
    if (p.endLine < 0) p.endLine = m_lines.size();
    for (qsizetype i = p.sectionLine + 1; i < p.endLine; ++i) {
        const QStringView line(m_lines[i]);
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            p.keyLine = i;
            break;
        }
    }
    return p;
}

QString IniFile::ReadString(QStringView section, QStringView key, const QString& fallback) const {
    const Place p = find(section, key);
    if (p.keyLine < 0) return fallback;
    const QString& line = m_lines[p.keyLine];
    return line.mid(line.indexOf(u'=') + 1);
}

int IniFile::ReadInteger(QStringView section, QStringView key, int fallback) const {
    const QString text = ReadString(section, key).trimmed();
    bool ok = false;
    int value;
    if (text.startsWith(u'$'))
        value = text.mid(1).toInt(&ok, 16);
    else if (text.startsWith(u"0x", Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.toInt(&ok, 10);
    return ok ? value : fallback;
}

bool IniFile::WriteString(QStringView section, QStringView key, const QString& value) {
    // Rewriting a file whose lines could not be read would replace them all with this one key.
    if (!m_readable) return false;
    QStringList lines = m_lines;
    const Place p = find(section, key);
    const QString entry = key.toString() + u'=' + value;
    if (p.keyLine >= 0) {
        const QString& old = lines[p.keyLine];
        lines[p.keyLine] = old.left(old.indexOf(u'=') + 1) + value;
    } else if (p.sectionLine >= 0) {
        qsizetype at = p.endLine;
        while (at > p.sectionLine + 1 && lines[at - 1].trimmed().isEmpty())
            --at;
        lines.insert(at, entry);
    } else {
        lines << u'[' + section.toString() + u']' << entry;
    }
    QSaveFile f(m_fileName);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(toWin1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    if (!f.commit()) return false;
    m_lines = std::move(lines);
    m_readable = true;
    return true;
}

} // namespace platform
