#include "Widgets.h"

#include "DelphiDate.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace platform {

TMemo::TMemo(QWidget* parent, bool oneLine) : QPlainTextEdit(parent), m_oneLine(oneLine) {
    setTabChangesFocus(true);
    if (!oneLine) return;
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(1);
}

QString TMemo::Text() const {
    QString text = toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void TMemo::SetText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (plain != toPlainText()) setPlainText(plain);
}

void TMemo::keyPressEvent(QKeyEvent* event) {
    if (m_oneLine && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

TDatePicker::TDatePicker(QWidget* parent) : QLineEdit(parent), m_button(new QToolButton(this)) {
    setInputMask(QStringLiteral("99/99/9999;_"));
    m_button->setCursor(Qt::ArrowCursor);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setToolTip(QStringLiteral("Calendrier"));
    connect(m_button, &QToolButton::clicked, this, &TDatePicker::ShowCalendar);
}

void TDatePicker::SetText(const QString& text) {
    setText(text == EmptyText ? QString() : text);
}

void TDatePicker::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const int side = height() - 4;
    m_button->setGeometry(width() - side - 2, 2, side, side);
    setTextMargins(0, 0, side, 0);
}

void TDatePicker::ShowCalendar() {
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setLocale(QLocale(QLocale::French, QLocale::France));
        m_calendar->setFirstDayOfWeek(Qt::Monday);
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate date) {
            m_calendar->hide();
            setText(date.toString(QStringLiteral("dd/MM/yyyy")));
            setFocus();
        });
    }
    const QDate shown = QDate::fromString(displayText(), QStringLiteral("dd/MM/yyyy"));
    m_calendar->setSelectedDate(shown.isValid() ? shown : ToQDateTime(Date()).date());
    m_calendar->adjustSize();
    m_calendar->move(mapToGlobal(QPoint(0, height())));
    m_calendar->show();
}

TNumberEdit::TNumberEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[-+]?[0-9 ]*[.,]?[0-9]*$")), this));
}

} // namespace platform
