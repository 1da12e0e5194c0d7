#include "VersionText.h"

#include "platform/AsciiCase.h"

namespace lists {

QString UpdateVersionPart(const QString& version, QString& last, const QString& loaded, const QString& chosen,
                          bool atEnd) {
    if (chosen.isEmpty()) return version;
    if (last.isEmpty()) last = loaded.isEmpty() ? chosen : loaded;
    const QString upperChosen = platform::asciiUpper(chosen);
    QString result;
    const qsizetype at = platform::asciiUpper(version).indexOf(platform::asciiUpper(last));
    if (at < 0)
        result = atEnd ? version.trimmed() + u' ' + upperChosen : upperChosen + u' ' + version.trimmed();
    else
        result = QString(version).replace(at, last.size(), upperChosen);
    last = chosen;
    return result;
}

} // namespace lists
