#pragma once
// The behaviour the form code expects from every control, whatever its Qt class: a Tag, one
// change handler that also fires when the program sets the value, one way to read and write the
// value as text, enabled and disabled colours, and hints with a short and a long part.
#include <QColor>
#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Tag: 0 when the control has none.
int Tag(const QWidget* control);
void SetTag(QWidget* control, int tag);

// The control's one change handler. It runs for typed changes and for changes made by the
// program alike; setting a new one replaces the old, an empty function removes it.
using ChangeHandler = std::function<void(QWidget* sender)>;
void SetOnChange(QWidget* control, ChangeHandler handler);
bool HasOnChange(const QWidget* control);
// Leaves a control that already has its own handler alone. True when the handler was attached.
bool AttachOnChangeUnlessOwn(QWidget* control, ChangeHandler handler);

// The text of an edit, memo (line breaks as CR LF), date picker (its mask "__/__/____" when
// empty), number edit, combo box, label or button. Other widgets read as empty and ignore writes.
QString ControlText(const QWidget* control);
void SetControlText(QWidget* control, const QString& text);

// Background and text colours while enabled, and while disabled.
void SetColors(QWidget* control, const QColor& background, const QColor& text);
void SetDisabledColors(QWidget* control, const QColor& background, const QColor& text);

// A colour written 0x00BBGGRR, as the structure descriptors write them.
QColor ColorFromBgr(int value);
// The grey of fields the user may not edit.
QColor InactiveBorderColor();
// A field control's colours: while the user may edit it, its background (0: the control's own)
// and text colour; otherwise the inactive grey.
void SetFieldColors(QWidget* control, bool editable, int backColor, int fontColor);

// "short|long": the tooltip shows the short part, the long part goes to the application's hint
// event. A hint without "|" is both.
void SetHint(QWidget* control, const QString& hint);
QString Hint(const QWidget* control);
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);

} // namespace platform
