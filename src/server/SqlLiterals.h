#pragma once
// Turning what the user typed into literals of the SQL text carried by a query string.
#include <QString>

namespace server {

// Trimmed, with " & < > escaped as %22 %26 %3C %3E, ' doubled, CR LF as %0D%0A, in single quotes.
QString QuoteSqlText(const QString& text);
// Trimmed, with "," turned into ".".
QString SqlFloatText(const QString& text);
// "#mm/dd/yyyy#" for a "dd/mm/yyyy" date, "NULL" for an empty, unreadable or zero date.
QString SqlDateText(const QString& text);
// "0612345678" -> "06.12.34.56.78", "612345678" -> "612.34.56.78"; the text itself when a group
// is not a number.
QString FormatPhone(const QString& text);

} // namespace server
