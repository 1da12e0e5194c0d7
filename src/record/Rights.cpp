#include "Rights.h"

#include "platform/AsciiCase.h"

namespace record {

bool GetDataRights(const server::TXml& XmlRecord, bool RecordInScope, const QString& groups) {
    if (!RecordInScope) return false;
    server::TXml names = XmlRecord;
    server::XmlSelect(names, QStringLiteral("GNames"));
    while (server::XmlNext(names, QStringLiteral("GName")) != 0) {
        QString group = platform::asciiUpper(names.Item);
        group.remove(QStringLiteral("USER_"), Qt::CaseInsensitive);
        if (groups.contains(u';' + group + u';')) return true;
    }
    return false;
}

bool FieldRight(const RecordState& state, int page, const QString& RightsTag) {
    if (page == 8 && state.VehicleCount == 0) return false;
    return GetDataRights(state.XmlRecord, state.RecordInScope, RightsTag);
}

} // namespace record
