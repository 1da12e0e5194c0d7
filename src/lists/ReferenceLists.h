#pragma once
// Reading the reference-lists document (XmlEquip.xml): sections of items, groups read as one
// consecutive run, staff by site, coded items, and what a combo box shows and stores.
#include "server/TagReader.h"

#include <QStringList>
#include <optional>

namespace lists {

// "&amp;", "&lt;", "&gt;" decoded, in that order; with cr also "&cr;" as CR LF after them.
QString DecodeItemText(QString text, bool cr = false);
// The part of an item text compared and stored: upper case, cut before the first " : ".
QString ItemCode(const QString& text);

// The "Pars" list of a type, or the staff of CurrentSite for the type "InfoCom". Empty optional
// when the type has no item: the target list is then left as it was.
std::optional<QStringList> LoadInfoNxList(const server::TXml& XmlEquip, const QString& type,
                                          const QString& CurrentSite, bool crInTexts = false);

// The name of a staff id ("" when unknown), and back: the id of a staff name ("0" when unknown),
// or for any other type the 1-based position of a text in its "Pars" list ("SujetRelance" uses
// the "SujetAction" list).
QString StaffName(const server::TXml& XmlEquip, const QString& idCom);
QString GetInfoComboBoxIdCom(const server::TXml& XmlEquip, const QString& type, const QString& text);

// How a combo finds its stored value: by code, or by position (tControl 112, booleans). An unset
// or zero VAT mode stands for the first mode; booleans use the "BOOLEAN" list unless the field
// names a position list of its own.
struct IndexChoice {
    bool IndexMode = false;
    int IndexValue = 1;
    bool BooleanList = false;
};
IndexChoice IndexChoiceOf(const QString& fieldName, int tControl, int tInfo, const QString& value);

// What a descriptor combo shows after FillComboList.
struct ComboFill {
    QStringList Items;
    int Selected = -1;
    bool EmptyFirst = false;
};
struct ListSource {
    QString Item;   // item element; the section is Item + "S"
    QString KeyTag; // empty: the whole section is one run
    QString TextTag;
    QString Group; // upper case
};
// Fills from the run of the group and selects the stored value V (its code, or with IndexMode
// the wanted position). A value missing from a text list is added at the end and selected; a
// position list (tControl 112) then selects nothing.
ComboFill FillComboList(const server::TXml& XmlEquip, const ListSource& source, const QString& V,
                        bool IndexMode, int IndexValue, int tControl);

// The new list of a dependent box after a make or model change: the undecoded item texts of the
// first run whose trimmed, upper-cased key is `key` (trimmed). Empty optional when the key is
// empty or has no run: the dependent box then keeps its list.
std::optional<QStringList> DependentList(const server::TXml& XmlEquip, const ListSource& source,
                                         const QString& key);

// The value a combo stores from what it shows.
struct ComboState {
    QStringList Items;
    int Selected = -1;
    QString Text;
};
QString ComboValue(const server::TXml& XmlEquip, const ComboState& box, bool IndexMode,
                   const QString& ListKey, bool EmptyFirst, int tInfo);
// A list-only box accepts an empty text or one of its items, letter case aside.
bool ListOnlyAccepts(const QStringList& items, const QString& text);

} // namespace lists
