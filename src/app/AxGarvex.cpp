#include "AxGarvex.h"

#include "app/FormTable.h"
#include "photos/TFrmBlur.h"
#include "platform/Controls.h"
#include "platform/FormBuilder.h"
#include "platform/Hints.h"
#include "server/Requests.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

namespace app {

using platform::Require;

TAxGarvex::TAxGarvex(platform::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), Dialogs(dialogs), m_http(std::make_unique<server::Requests>(*this)) {
    setObjectName(QStringLiteral("AxGarvex"));
    setWindowTitle(QStringLiteral("Saisie des Fiches Garvex & Kundor"));
    buildForm();
    styleForm();
    FrmBlur = new photos::TFrmBlur(this);
    FrmBlur->hide();
    Timer1 = new QTimer(this);
    Timer1->setInterval(TimerInterval);
    connect(Timer1, &QTimer::timeout, this, &TAxGarvex::Timer1Timer);
    Timer1->start();
    ActiveFormCreate();
}

TAxGarvex::~TAxGarvex() = default;

void TAxGarvex::buildForm() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("FormClient"));
    setCentralWidget(client);
    platform::BuildControls(client, MainFormTable());
    setFixedSize(FormWidth, FormHeight);

    PanelWarning = Require<QFrame>(client, "PanelWarning");
    xcInfoNVO = Require<QLineEdit>(client, "xcInfoNVO");
    xcInfoTitre = Require<QLineEdit>(client, "xcInfoTitre");
    xcIdentity = Require<QLineEdit>(client, "xcIdentity");
    xcInfoField1 = Require<QLineEdit>(client, "xcInfoField1");
    xcInfoField2 = Require<QLineEdit>(client, "xcInfoField2");
    xcInfoField3 = Require<QLineEdit>(client, "xcInfoField3");
    JvXPBtnActualize = Require<QPushButton>(client, "JvXPBtnActualize");
    JvXPBtnSave = Require<QPushButton>(client, "JvXPBtnSave");
    JvXPBtnNewVO = Require<QPushButton>(client, "JvXPBtnNewVO");
    JvXPBtnSuppr = Require<QPushButton>(client, "JvXPBtnSuppr");
    JvXPBtnSweep = Require<QPushButton>(client, "JvXPBtnSweep");
    JvXPBtnPrint = Require<QPushButton>(client, "JvXPBtnPrint");
    JvXPBtnSearch = Require<QPushButton>(client, "JvXPBtnSearch");
    JvXPNext = Require<QPushButton>(client, "JvXPNext");
    JvXPPrev = Require<QPushButton>(client, "JvXPPrev");
    Tabs = Require<QTabWidget>(client, "Tabs");
    for (int i = 0; i < 9; ++i)
        Sheets[i] = Tabs->widget(i);
    Panel1 = Require<QFrame>(client, "Panel1");
    PanelSplash = Require<QFrame>(client, "PanelSplash");
    Shape1 = Require<QFrame>(client, "Shape1");
    ImageSplash = Require<QLabel>(client, "ImageSplash");
    LbSplash = Require<QLabel>(client, "LbSplash");
    LbConcession = Require<QLabel>(client, "LbConcession");
    LbDebugInfo0 = Require<QLabel>(client, "LbDebugInfo0");
    LbDebugInfo1 = Require<QLabel>(client, "LbDebugInfo1");
    LbDebugInfo2 = Require<QLabel>(client, "LbDebugInfo2");
    LbDebugInfo3 = Require<QLabel>(client, "LbDebugInfo3");
    LbHttpRoot = Require<QLabel>(client, "LbHttpRoot");
    LbBaseHRef = Require<QLabel>(client, "LbBaseHRef");
    LbIdTVO = Require<QLabel>(client, "LbIdTVO");
    LbIDCustomer = Require<QLabel>(client, "LbIDCustomer");
    LbVersion = Require<QLabel>(client, "LbVersion");
    LbInfoTimer = Require<QLabel>(client, "LbInfoTimer");
}

namespace {

// The dealership logo shown on the splash for its own staff.
QPixmap dealershipLogo(QSize size) {
    QPixmap logo(size);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 110));
    p.drawRoundedRect(logo.rect().adjusted(2, 2, -2, -2), 18, 18);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(size.height() / 3);
    f.setBold(true);
    f.setLetterSpacing(QFont::PercentageSpacing, 115);
    p.setFont(f);
    p.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("MERISCA"));
    return logo;
}

void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

} // namespace

void TAxGarvex::styleForm() {
    platform::SetColors(PanelWarning, QColor(200, 30, 30), Qt::white);
    PanelWarning->hide();

    QFont headerFont = font();
    headerFont.setPointSize(11);
    for (QLineEdit* edit : {xcInfoNVO, xcInfoTitre, xcIdentity, xcInfoField1, xcInfoField2, xcInfoField3}) {
        edit->setEnabled(false);
        edit->setFont(headerFont);
        platform::SetDisabledColors(edit, QColor(246, 246, 246), QColor(20, 20, 20));
    }
    xcIdentity->hide();

    const std::pair<QPushButton*, QStyle::StandardPixmap> glyphs[] = {
        {JvXPBtnActualize, QStyle::SP_BrowserReload},
        {JvXPBtnSave, QStyle::SP_DialogSaveButton},
        {JvXPBtnNewVO, QStyle::SP_FileIcon},
        {JvXPBtnSuppr, QStyle::SP_TrashIcon},
        {JvXPBtnSweep, QStyle::SP_DialogResetButton},
        {JvXPBtnPrint, QStyle::SP_FileDialogDetailedView},
        {JvXPBtnSearch, QStyle::SP_FileDialogContentsView}};
    for (const auto& [button, glyph] : glyphs)
        button->setIcon(style()->standardIcon(glyph));
    for (QPushButton* button : {JvXPBtnActualize, JvXPBtnSave, JvXPBtnNewVO, JvXPBtnSuppr, JvXPBtnSweep,
                                JvXPBtnPrint, JvXPBtnSearch, JvXPNext, JvXPPrev})
        button->setFocusPolicy(Qt::TabFocus);
    JvXPBtnSave->setEnabled(false);
    JvXPBtnSweep->hide();
    JvXPNext->setEnabled(false);
    JvXPPrev->setEnabled(false);

    Panel1->hide();
    platform::SetColors(PanelSplash, Qt::white, QColor(40, 40, 40));
    PanelSplash->setFrameShape(QFrame::StyledPanel);
    ImageSplash->setPixmap(dealershipLogo(ImageSplash->size()));
    QFont big = font();
    big.setPointSize(36);
    big.setBold(true);
    LbConcession->setFont(big);
    LbConcession->setAlignment(Qt::AlignCenter);
    setTextColor(LbConcession, QColor(30, 60, 200));
    QFont splashFont = font();
    splashFont.setPointSize(12);
    LbSplash->setFont(splashFont);
    LbSplash->setAlignment(Qt::AlignCenter);
    platform::SetColors(Shape1, QColor(220, 30, 30), QColor(220, 30, 30));
    Shape1->hide();

    // Server texts may hold markup: the status labels show them as they are.
    for (QLabel* label : {LbDebugInfo0, LbDebugInfo1, LbDebugInfo2, LbDebugInfo3, LbHttpRoot, LbBaseHRef,
                          LbIdTVO, LbIDCustomer, LbVersion, LbInfoTimer, LbSplash, LbConcession})
        label->setTextFormat(Qt::PlainText);
    LbDebugInfo0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextColor(LbDebugInfo0, QColor(200, 0, 0));
    QFont small = font();
    small.setPointSize(8);
    for (QLabel* label : {LbDebugInfo1, LbDebugInfo2, LbDebugInfo3, LbHttpRoot, LbBaseHRef, LbIdTVO,
                          LbIDCustomer, LbVersion, LbInfoTimer}) {
        label->setFont(small);
        setTextColor(label, QColor(70, 70, 70));
    }
    for (QLabel* label : {LbDebugInfo1, LbDebugInfo2, LbDebugInfo3, LbHttpRoot, LbBaseHRef, LbInfoTimer})
        label->hide();
}

void TAxGarvex::ProcessEvents() {
    ++m_pumpDepth;
    // Clicks and keys wait until the request has ended; repaints and timer ticks go on.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    --m_pumpDepth;
}

void TAxGarvex::ActivateFirstWindow() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TAxGarvex::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) ActiveFormActivate();
}

} // namespace app
