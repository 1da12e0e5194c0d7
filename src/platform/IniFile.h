#pragma once
// A Windows-style INI file: section and key names compared ignoring case, values kept raw (all
// that follows "="), a missing file or key giving the default, and a write that rewrites only the
// line of its key. The file is Windows-1252 text with CR LF line ends.
#include <QString>
#include <QStringList>

namespace platform {

class IniFile {
public:
    explicit IniFile(QString fileName);

    const QString& fileName() const { return m_fileName; }
    // False when the file exists but could not be read.
    bool readable() const { return m_readable; }

    QString ReadString(QStringView section, QStringView key, const QString& fallback = {}) const;
    // Reads a decimal or "$"/"0x" hexadecimal integer; anything else gives the default.
    int ReadInteger(QStringView section, QStringView key, int fallback) const;
    // Writes to disk at once; false (and nothing changed on disk) when the file cannot be written
    // or could not be read.
    bool WriteString(QStringView section, QStringView key, const QString& value);

private:
    struct Place {
        qsizetype sectionLine = -1; // line of the "[section]" header
        qsizetype endLine = -1;     // one past the last line belonging to the section
        qsizetype keyLine = -1;
    };
    Place find(QStringView section, QStringView key) const;

    QString m_fileName;
    QStringList m_lines;
    bool m_readable = true;
};

} // namespace platform
