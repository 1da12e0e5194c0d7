#pragma once
// Reading the structure descriptors: page descriptors, field descriptors with the keys they
// inherit from earlier items, geometry in twips turned into pixels, and caption places.
#include "record/RecordModel.h"
#include "server/TagReader.h"

#include <optional>

namespace record {

// One holder per descriptor key. A holder keeps its text from item to item during one layout
// pass, so an item that lacks a key takes it from the last earlier item that had it.
// Each place of the pass that reads descriptors (page setup, the field descriptors of the pages)
// has its own set, empty when the pass starts.
struct DescriptorKeys {
    QString vInfo, descInfo, idNum, txtInfo, tag, defval, width, left, top, length, tInfo, tControl, height,
        color, notNull, enabled, fieldInfo;

    // Reads the keys the item has into their holders; the others keep their text.
    void Read(const server::TXml& item);
    // Only the keys of a page descriptor (descInfo, idNum, txtInfo, vInfo, tag, defval).
    void ReadPage(const server::TXml& item);
    // The same for a field descriptor, whose vInfo is never inherited.
    void ReadField(const server::TXml& item);
};

// Places and sizes in pixels: twips / 15 to the nearest integer, 20 twips when a key is missing.
struct FieldGeometry {
    int Width = 0; // 0: no control is created
    int Left = 0;
    int Top = 0;    // less the 35 pixels of the old form's header
    int Height = 0; // at least 18
};
FieldGeometry GeometryOf(const DescriptorKeys& keys);
// An integer key (length, tInfo, tControl, color, enabled, idNum): 0 when missing or not a number.
int IntegerKey(const QString& holder);

// Where a caption label stands: left of the control, or for list boxes (110) and kind 120 at the
// left it is given, above the control.
int CaptionLeft(int left, int tControl);
bool CaptionAbove(int tControl);

// "&amp;", "&lt;", "&gt;" decoded, in that order.
QString DecodeCaption(QString text);

// The list behind a combo or list box, from the field name and the descriptor's fieldInfo.
struct ListDefinition {
    QString ListName, ListKey, RubricTable;
};
ListDefinition ListDefinitionOf(const QString& fieldName, const QString& fieldInfo);

// The field descriptor the holders describe after ReadField. Values, controls and the colours of
// binding are left to the layout.
TsDesc FieldDescriptorOf(const DescriptorKeys& keys);

// Shown or hidden by the descriptor's "enabled" key: 2 shows the field only to users with the
// right, 3 only to users without it.
bool VisibleFor(int enabled, bool right);

// The page descriptor of a kind: the first axStruct item whose descInfo is the kind and whose
// idNum is the page number as decimal text ("01" is not page 1), read through the page-setup
// holders. Empty optional when the kind has no such page.
struct PageDescriptor {
    QString Caption;       // txtInfo
    QString FieldGroup;    // vInfo
    QString TableName;     // tag
    QString ControlPrefix; // defval
};
// `scanned`, when given, is increased by the number of items read.
std::optional<PageDescriptor> FindPageDescriptor(const server::TXml& XmlStruct, const QString& kind, int page,
                                                 DescriptorKeys& keys, int* scanned = nullptr);

} // namespace record
