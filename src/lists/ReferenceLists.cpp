#include "ReferenceLists.h"

#include "platform/AsciiCase.h"
#include "platform/DelphiNumbers.h"

namespace lists {
namespace {

using server::TXml;

const QString kCodeSeparator = QStringLiteral(" : ");

QString child(const TXml& cursor, const QString& tag) {
    QString v;
    if (!tag.isEmpty()) server::XmlGet(cursor, tag, v);
    return v;
}

// Calls visit(item) for each item of the first run of items whose key satisfies inGroup; false
// when no item does. Items of the group that stand after the run are not seen.
template <class InGroup, class Visit>
bool walkRun(const TXml& XmlEquip, const ListSource& s, InGroup inGroup, Visit visit) {
    TXml list = XmlEquip;
    server::XmlSelect(list, s.Item + u'S');
    bool inRun = false;
    while (server::XmlNext(list, s.Item) != 0) {
        const bool member = inGroup(child(list, s.KeyTag));
        if (!member && inRun) break;
        if (!member) continue;
        inRun = true;
        visit(list);
    }
    return inRun;
}

ListSource parsOf(const QString& type) {
    return {QStringLiteral("Pars"), QStringLiteral("type"), QStringLiteral("text"),
            platform::asciiUpper(type)};
}

} // namespace

QString DecodeItemText(QString text, bool cr) {
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    if (cr) text.replace(QStringLiteral("&cr;"), QStringLiteral("\r\n"));
    return text;
}

QString ItemCode(const QString& text) {
    const QString upper = platform::asciiUpper(text);
    const qsizetype cut = upper.indexOf(kCodeSeparator);
    return cut < 0 ? upper : upper.left(cut);
}

std::optional<QStringList> LoadInfoNxList(const TXml& XmlEquip, const QString& type,
                                          const QString& CurrentSite, bool crInTexts) {
    QStringList items;
    if (type == u"InfoCom") {
        TXml staff = XmlEquip;
        server::XmlSelect(staff, QStringLiteral("InfoComS"));
        while (server::XmlNext(staff, QStringLiteral("InfoCom")) != 0) {
            const QString sites = platform::asciiUpper(child(staff, QStringLiteral("Site")));
            if (!CurrentSite.isEmpty() && sites.contains(CurrentSite))
                items << child(staff, QStringLiteral("cNom"));
        }
        return items;
    }
    const ListSource pars = parsOf(type);
    const bool found = walkRun(
        XmlEquip, pars, [&](const QString& key) { return platform::asciiUpper(key) == pars.Group; },
        [&](const TXml& item) { items << DecodeItemText(child(item, pars.TextTag), crInTexts); });
    if (!found) return std::nullopt;
    return items;
}

QString StaffName(const TXml& XmlEquip, const QString& idCom) {
    TXml staff = XmlEquip;
    server::XmlSelect(staff, QStringLiteral("InfoComS"));
    while (server::XmlNext(staff, QStringLiteral("InfoCom")) != 0)
        if (child(staff, QStringLiteral("idCom")) == idCom) return child(staff, QStringLiteral("cNom"));
    return {};
}

QString GetInfoComboBoxIdCom(const TXml& XmlEquip, const QString& type, const QString& text) {
    if (type == u"InfoCom") {
        TXml staff = XmlEquip;
        server::XmlSelect(staff, QStringLiteral("InfoComS"));
        while (server::XmlNext(staff, QStringLiteral("InfoCom")) != 0)
            if (child(staff, QStringLiteral("cNom")) == text) return child(staff, QStringLiteral("idCom"));
        return QStringLiteral("0");
    }
    QString listType = platform::asciiUpper(type);
    listType.replace(QStringLiteral("SUJETRELANCE"), QStringLiteral("SUJETACTION"));
    const ListSource pars = parsOf(listType);
    int position = 0, found = 0;
    walkRun(
        XmlEquip, pars, [&](const QString& key) { return platform::asciiUpper(key) == pars.Group; },
        [&](const TXml& item) {
            ++position;
            if (found == 0 && DecodeItemText(child(item, pars.TextTag)) == text) found = position;
        });
    return QString::number(found);
}

IndexChoice IndexChoiceOf(const QString& fieldName, int tControl, int tInfo, const QString& value) {
    IndexChoice c;
    if (tControl == 112) {
        int position = 0;
        const bool set = platform::TryStrToInt(value, position) && position != 0;
        c.IndexMode = true;
        c.IndexValue = fieldName == u"ModeTVA" && !set ? 1 : platform::StrToIntDef(value, 1);
    }
    if (tInfo == 3) {
        c.BooleanList = tControl != 112;
        c.IndexMode = true;
        c.IndexValue = platform::asciiUpper(value) == u"TRUE" ? 2 : 1;
    }
    return c;
}

ComboFill FillComboList(const TXml& XmlEquip, const ListSource& source, const QString& V, bool IndexMode,
                        int IndexValue, int tControl) {
    ComboFill fill;
    const QString wantedCode = platform::asciiUpper(V);
    int match = 0;
    walkRun(
        XmlEquip, source, [&](const QString& key) { return platform::asciiUpper(key) == source.Group; },
        [&](const TXml& item) {
            QString text = DecodeItemText(child(item, source.TextTag));
            const int position = static_cast<int>(fill.Items.size());
            if (position == 0) {
                fill.EmptyFirst = text == u".." || text.isEmpty();
                if (text == u"..") text.clear();
            }
            // Positions stored for lists with an empty first item count that item as 0.
            const int wanted = fill.EmptyFirst ? IndexValue : IndexValue - 1;
            fill.Items << text;
            if (ItemCode(text) == wantedCode || (IndexMode && position == wanted)) match = position + 1;
        });
    if (match > 0) {
        fill.Selected = match - 1;
    } else if (tControl != 112) {
        // A stored value that is not (or no longer) in the list stays visible and unchanged.
        fill.Items << V;
        fill.Selected = static_cast<int>(fill.Items.size()) - 1;
    }
    return fill;
}

std::optional<QStringList> DependentList(const TXml& XmlEquip, const ListSource& source, const QString& key) {
    const QString wanted = key.trimmed();
    if (wanted.isEmpty()) return std::nullopt;
    QStringList items;
    const bool found = walkRun(
        XmlEquip, source, [&](const QString& k) { return platform::asciiUpper(k.trimmed()) == wanted; },
        [&](const TXml& item) { items << child(item, source.TextTag); });
    if (!found) return std::nullopt;
    return items;
}

QString ComboValue(const TXml& XmlEquip, const ComboState& box, bool IndexMode, const QString& ListKey,
                   bool EmptyFirst, int tInfo) {
    QString value;
    if (IndexMode && platform::asciiUpper(ListKey) != u"IDCOM")
        value = QString::number(EmptyFirst ? box.Selected : box.Selected + 1);
    else if (IndexMode)
        value = GetInfoComboBoxIdCom(XmlEquip, QStringLiteral("InfoCom"), box.Text);
    else
        value = box.Text;
    if (tInfo == 3) value = value == u"1" ? QStringLiteral("False") : QStringLiteral("True");
    const qsizetype cut = value.indexOf(kCodeSeparator);
    return cut < 0 ? value : value.left(cut);
}

bool ListOnlyAccepts(const QStringList& items, const QString& text) {
    return text.isEmpty() || items.contains(text, Qt::CaseInsensitive);
}

} // namespace lists
