#pragma once
// The record form's tables: ten pages of field descriptors, each descriptor with its control and
// its loaded and current values, and the rows of the two grids.
#include <QString>
#include <array>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

namespace record {

// Record kinds; characters 3 and 4 are the label the New button shows.
inline const QString KindVO = QStringLiteral("_TVO");
inline const QString KindVD = QStringLiteral("_TVD");
inline const QString KindVN = QStringLiteral("_TVN");
inline const QString KindCL = QStringLiteral("_TCL");
inline QString KindLabel(const QString& kind) { return kind.mid(2, 2); }

// Colours are 0x00BBGGRR values, as the descriptors write them; 0 = none.
using Colour = int;

struct TsDesc {
    int tControl = 0;
    int tInfo = 0;
    QString FieldName;
    QString XmlTag; // record-section child holding the value; empty = FieldName
    QString defval;
    QString OrigValue;
    QString CurValue;
    QString KeyMap; // list boxes: ";"-separated item keys, beginning with ";"
    QString txtInfo;
    QString RubricTable, ListKey, ListName;
    QString RightsTag; // ";" + tag in upper case + ";"
    Colour BackColor = 0;
    Colour FontColor = 0;
    int Width = 0; // pixels
    bool IndexMode = false;
    bool ListOnly = false;
    bool notNull = false;
    QWidget* ValueControl = nullptr;
    QComboBox* Combo = nullptr;
    bool EmptyFirst = false;
    QListWidget* ListBox = nullptr;
    QAbstractButton* Button = nullptr;
    QLabel* CaptionLabel = nullptr;
    bool Placed = false;

    // The child of the record section the value is read from.
    const QString& ValueTag() const { return XmlTag.isEmpty() ? FieldName : XmlTag; }
};

struct TsPage {
    int PageIndex = -1; // index of the page's tab sheet: page number - 1
    QString FieldGroup;
    QString TableName;
    QWidget* Sheet = nullptr;
    std::vector<TsDesc> Descs;
    QString PendingSql;
    QString ControlPrefix;
    bool Present = false;
    bool LaidOut = false;
    bool ContentLoaded = false; // indexed by sheet: Pages[k].ContentLoaded is the flag of sheet k
};

using TsPages = std::array<TsPage, 10>;

// One grid row of ten cells; row 0 of a grid is its column template.
struct TsLine {
    std::array<TsDesc, 10> Desc;
    bool Locked = false;
    int MissingCol = 0;
    QString PendingSql;
};

// A control's descriptor address: (page - 1) * 10000 + index; 0 = none.
inline int DescriptorTag(int page, int index) { return (page - 1) * 10000 + index; }
inline int PageOfTag(int tag) { return tag / 10000 + 1; }
inline int IndexOfTag(int tag) { return tag % 10000; }

} // namespace record
