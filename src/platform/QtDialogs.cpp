#include "QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace platform {

MsgAnswer QtDialogs::MessageBox(const QString& text, const QString& caption, MsgButtons buttons,
                                MsgIcon icon) {
    const QMessageBox::Icon qtIcon = icon == MsgIcon::Error         ? QMessageBox::Critical
                                     : icon == MsgIcon::Information ? QMessageBox::Information
                                                                    : QMessageBox::Warning;
    const bool yesNo = buttons == MsgButtons::YesNo;
    QMessageBox box(qtIcon, caption, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    m_owner);
    if (yesNo) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
        box.setDefaultButton(QMessageBox::No);
    }
    // A busy cursor must not hide that the box waits for an answer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (busy) QApplication::restoreOverrideCursor();
    if (!yesNo) return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void QtDialogs::SetCursor(Cursor cursor) {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (cursor == Cursor::Hourglass) QApplication::setOverrideCursor(Qt::WaitCursor);
}

Cursor QtDialogs::CurrentCursor() const {
    const QCursor* c = QApplication::overrideCursor();
    return c && c->shape() == Qt::WaitCursor ? Cursor::Hourglass : Cursor::Default;
}

bool QtDialogs::CtrlHeld() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool QtDialogs::OpenBrowser(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

QString QtDialogs::PickFolder(const QString& caption, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(m_owner, caption, startFolder);
}

} // namespace platform
