#pragma once
// The design-time form as data: one row per named control, turned into widgets by BuildControls.
// Places and sizes are pixels inside the parent.
#include <span>

class QWidget;

namespace platform {

enum class ControlKind {
    Panel, // plain container, may carry a background colour
    Label,
    Edit,
    OneLineMemo, // TMemo in one-line mode
    Memo,        // TMemo
    Date,        // TDatePicker
    Number,      // TNumberEdit
    Combo,
    ListBox, // multi-select list
    Button,
    PageControl, // QTabWidget
    Sheet,       // a page of the PageControl named as parent; caption = tab text
    Image,       // picture label, scaled to its size
    Shape,       // plain filled rectangle
    Grid,        // QTableWidget: read-only, whole rows selected, no row header
};

struct ControlRow {
    ControlKind kind;
    const char* name;
    const char* parent; // "" for the root the table is built into
    int left, top, width, height;
    const char* caption = ""; // UTF-8
    const char* hint = "";    // UTF-8, "short|long"
};

// Creates the controls of the table in order (a parent comes before its children) and returns
// nothing: the code that uses a control finds it by name. A parent missing from the tree is an
// error in the table and stops the program.
void BuildControls(QWidget* root, std::span<const ControlRow> rows);

// The named descendant of root, of the expected class; stops the program when it is missing.
QWidget* RequireControl(QWidget* root, const char* name, const char* className);
template <class T> T* Require(QWidget* root, const char* name) {
    return static_cast<T*>(RequireControl(root, name, T::staticMetaObject.className()));
}

} // namespace platform
