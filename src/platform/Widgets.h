#pragma once
// The value controls the form needs beyond Qt's plain edit and combo box.
#include <QLineEdit>
#include <QPlainTextEdit>

class QCalendarWidget;
class QToolButton;

namespace platform {

// A memo whose text keeps its line breaks as CR LF. In one-line mode it looks like an edit: no
// scroll bars, no wrapping, Enter inserts nothing.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr, bool oneLine = false);
    QString Text() const;
    void SetText(const QString& text);
    bool OneLine() const { return m_oneLine; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_oneLine;
};

// A "dd/mm/yyyy" edit behind the mask "__/__/____", with a calendar pop-up.
class TDatePicker : public QLineEdit {
    Q_OBJECT
public:
    static constexpr QStringView EmptyText = u"__/__/____";
    explicit TDatePicker(QWidget* parent = nullptr);
    // The shown text: "__/__/____" when empty, "01/__/____" when half typed.
    QString Text() const { return displayText(); }
    void SetText(const QString& text);
    void ShowCalendar();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_button;
    QCalendarWidget* m_calendar = nullptr;
};

// An edit for amounts and counts: right-aligned, digits, blanks, one separator and a sign.
class TNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumberEdit(QWidget* parent = nullptr);
};

} // namespace platform
