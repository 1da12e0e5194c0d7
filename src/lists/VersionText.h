#pragma once
// The free version text of a vehicle starts with its model and, for new vehicles, ends with its
// type version; a model or type change puts the new one in place of the old.
#include <QString>

namespace lists {

// Puts `chosen` (upper-cased) where `last` stands in the version text, ignoring case; when `last`
// is not in it, the chosen text goes in front (a model) or at the end (a type version). An empty
// `last` starts from `loaded`, the value the record was loaded with, or else the chosen text.
// `last` becomes the chosen text. An empty choice changes nothing.
QString UpdateVersionPart(const QString& version, QString& last, const QString& loaded, const QString& chosen,
                          bool atEnd);

} // namespace lists
