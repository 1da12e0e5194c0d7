#include "Descriptors.h"

#include "platform/AsciiCase.h"
#include "platform/DelphiNumbers.h"

#include <QtMath>
#include <array>

namespace record {
namespace {

constexpr int kMaxXmlTag = 200;

int twips(const QString& holder) {
    return qRound(platform::StrToIntDef(holder, 20) / 15.0);
}

struct Key {
    QString name;
    QString DescriptorKeys::*holder;
};

// The keys of a page descriptor come first: page setup reads only those.
constexpr int kPageKeys = 6;
const std::array<Key, 17>& allKeys() {
    static const std::array<Key, 17> keys = {{{QStringLiteral("vInfo"), &DescriptorKeys::vInfo},
                                              {QStringLiteral("descInfo"), &DescriptorKeys::descInfo},
                                              {QStringLiteral("idNum"), &DescriptorKeys::idNum},
                                              {QStringLiteral("txtInfo"), &DescriptorKeys::txtInfo},
                                              {QStringLiteral("tag"), &DescriptorKeys::tag},
                                              {QStringLiteral("defval"), &DescriptorKeys::defval},
                                              {QStringLiteral("width"), &DescriptorKeys::width},
                                              {QStringLiteral("left"), &DescriptorKeys::left},
                                              {QStringLiteral("top"), &DescriptorKeys::top},
                                              {QStringLiteral("length"), &DescriptorKeys::length},
                                              {QStringLiteral("tInfo"), &DescriptorKeys::tInfo},
                                              {QStringLiteral("tControl"), &DescriptorKeys::tControl},
                                              {QStringLiteral("height"), &DescriptorKeys::height},
                                              {QStringLiteral("color"), &DescriptorKeys::color},
                                              {QStringLiteral("notNull"), &DescriptorKeys::notNull},
                                              {QStringLiteral("enabled"), &DescriptorKeys::enabled},
                                              {QStringLiteral("fieldInfo"), &DescriptorKeys::fieldInfo}}};
    return keys;
}

} // namespace

void DescriptorKeys::Read(const server::TXml& item) {
    for (const Key& k : allKeys())
        server::XmlGet(item, k.name, this->*k.holder);
}

void DescriptorKeys::ReadPage(const server::TXml& item) {
    for (int i = 0; i < kPageKeys; ++i)
        server::XmlGet(item, allKeys()[i].name, this->*allKeys()[i].holder);
}

void DescriptorKeys::ReadField(const server::TXml& item) {
    vInfo.clear();
    Read(item);
}

FieldGeometry GeometryOf(const DescriptorKeys& keys) {
    return {twips(keys.width), twips(keys.left), twips(keys.top) - 35, std::max(twips(keys.height), 18)};
}

int IntegerKey(const QString& holder) {
    return platform::StrToIntDef(holder, 0);
}

int CaptionLeft(int left, int tControl) {
    if (CaptionAbove(tControl)) return left;
    if (left < 94) return 5;
    return left <= 400 ? left - 48 : left - 22;
}

bool CaptionAbove(int tControl) {
    return tControl == 110 || tControl == 120;
}

QString DecodeCaption(QString text) {
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
}

ListDefinition ListDefinitionOf(const QString& fieldName, const QString& fieldInfo) {
    ListDefinition d{fieldName, fieldInfo.isEmpty() ? fieldName : fieldInfo, {}};
    d.RubricTable = d.ListKey;
    const qsizetype semicolon = d.ListKey.indexOf(u';');
    if (semicolon >= 0) {
        d.ListName = d.ListKey.mid(semicolon + 1, kMaxXmlTag);
        d.ListKey = d.RubricTable = d.ListKey.left(semicolon);
    } else if (d.ListKey.startsWith(QStringLiteral("LIST"), Qt::CaseInsensitive)) {
        d.ListKey = fieldName;
    }
    return d;
}

TsDesc FieldDescriptorOf(const DescriptorKeys& keys) {
    TsDesc d;
    d.FieldName = keys.vInfo;
    const qsizetype semicolon = keys.vInfo.indexOf(u';');
    if (semicolon >= 0) {
        d.FieldName = keys.vInfo.left(semicolon);
        d.XmlTag = keys.vInfo.mid(semicolon + 1, kMaxXmlTag);
    }
    d.txtInfo = DecodeCaption(keys.txtInfo);
    const ListDefinition list = ListDefinitionOf(d.FieldName, keys.fieldInfo);
    d.ListName = list.ListName;
    d.ListKey = list.ListKey;
    d.RubricTable = list.RubricTable;
    d.defval = keys.defval;
    d.notNull = platform::asciiUpper(keys.notNull) == u"TRUE";
    d.tInfo = IntegerKey(keys.tInfo);
    d.tControl = IntegerKey(keys.tControl);
    d.RightsTag = u';' + platform::asciiUpper(keys.tag) + u';';
    d.FontColor = IntegerKey(keys.color);
    d.Width = GeometryOf(keys).Width;
    return d;
}

bool VisibleFor(int enabled, bool right) {
    return right ? enabled != 3 : enabled != 2;
}

std::optional<PageDescriptor> FindPageDescriptor(const server::TXml& XmlStruct, const QString& kind, int page,
                                                 DescriptorKeys& keys, int* scanned) {
    server::TXml items = XmlStruct;
    server::XmlSelect(items, QStringLiteral("axStructS"));
    const QString number = QString::number(page);
    while (server::XmlNext(items, QStringLiteral("axStruct")) != 0) {
        keys.ReadPage(items);
        if (scanned) ++*scanned;
        if (keys.descInfo == kind && keys.idNum == number)
            return PageDescriptor{keys.txtInfo, keys.vInfo, keys.tag, keys.defval};
    }
    return std::nullopt;
}

} // namespace record
