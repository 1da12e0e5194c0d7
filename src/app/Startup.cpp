// Start-up, parameters, the splash, the first load and the reload message.
#include "AxGarvex.h"
#include "app/IniStore.h"
#include "app/Parameters.h"
#include "platform/Hints.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "server/Requests.h"
#include "server/TagReader.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>

namespace app {

namespace {
constexpr QStringView kOptions = u"Options";
}

void TAxGarvex::ActiveFormCreate() {
    State.Trace.TraceOn = false;
    State.ParamCount = 0;
    // "." as decimal separator for every number conversion; dates go through the platform's
    // "dd/mm/yyyy" helpers.
    QLocale::setDefault(QLocale::c());
    startupDebugLines();
    QDir(platform::AppDataDir()).mkdir(QStringLiteral("Garvex"));

    // What a second start needs to find this one, and what runs here.
    platform::IniFile ini(GetIniFileName());
    ini.WriteString(kOptions, u"FirstApplicationHandle", QString::number(QCoreApplication::applicationPid()));
    ini.WriteString(kOptions, u"FirstFormHandle", QString::number(winId()));
    ini.WriteString(kOptions, u"Application", QCoreApplication::applicationFilePath());
    ini.WriteString(kOptions, u"Version", ProgramVersion());
    OnStart();
}

void TAxGarvex::ActiveFormActivate() {
    startupDebugLines();
}

bool TAxGarvex::OnStart() {
    State.Trace.TraceOn = false;
    State.Trace.TempDir = platform::TempDir();
    State.IniFileName = GetIniFileName();
    const platform::IniFile ini(State.IniFileName);
    if (const QString why = CheckIniFile(State.IniFileName); !why.isEmpty()) SetWarningLine(why);

    State.Trace.TraceOn = TraceSwitch(ini.ReadString(kOptions, u"Trace", QStringLiteral("0")));
    if (const QString dir = ini.ReadString(kOptions, u"TraceRepTemp"); !dir.isEmpty())
        State.Trace.TempDir = dir;

    const QString typeVO = ini.ReadString(kOptions, u"idTypeVO");
    const std::optional<int> idTypeVO = ZeroPrefixedInteger(typeVO);
    if (!idTypeVO) {
        SetWarningLine(QStringLiteral("Paramètre idTypeVO incorrect (« ") + typeVO +
                       QStringLiteral(" ») : les paramètres n'ont pas été lus"));
        Dialogs.MessageBox(u'\'' + (u'0' + typeVO) +
                               QStringLiteral("' n'est pas une valeur entière correcte"),
                           windowTitle(), platform::MsgButtons::Ok, platform::MsgIcon::Error);
        return false;
    }
    State.idTypeVO = *idTypeVO;

    for (int i = 0; i < 12; ++i)
        SetParameter(Param(i), ini.ReadString(kOptions, QString::fromLatin1(ParameterKeys[i].key)));
    ShowSplash();
    return true;
}

void TAxGarvex::SetParameter(Param p, const QString& value) {
    switch (p) {
    case Param::HttpRoot:
        LbHttpRoot->setText(value);
        break;
    case Param::BaseHRef:
        LbBaseHRef->setText(value);
        break;
    case Param::idTVO:
        SetIdTVO(value);
        break;
    case Param::idClient:
        SetIdClient(value);
        break;
    default:
        break;
    }
    State.Parameter(p) = value;
    ++State.ParamCount;
    WriteTrace(QString::fromLatin1(ParameterKeys[int(p)].trace));
}

void TAxGarvex::SetIdTVO(const QString& value) {
    State.idTVO = value;
    LbIdTVO->setText(value);
}

void TAxGarvex::SetIdClient(const QString& value) {
    State.idClient = value;
    LbIDCustomer->setText(value);
}

void TAxGarvex::ShowSplash() {
    Dialogs.SetCursor(platform::Cursor::Hourglass);
    PanelSplash->raise();
    LbSplash->setText(QStringLiteral("Garvex - Version ") + ProgramVersion().replace(u'.', u','));
    const bool ownLogo = State.UserConcession == u"MERISCA";
    ImageSplash->setVisible(ownLogo);
    LbConcession->setVisible(!ownLogo);
    if (!ownLogo) LbConcession->setText(State.UserConcession);
    Panel1->hide();
    PanelSplash->show();
    // Painted at once: letting the event loop run here would let the timer start the first load
    // in the middle of start-up.
    if (isVisible()) PanelSplash->repaint();
}

void TAxGarvex::FirstLoad() {
    WriteTrace(QStringLiteral("on TimerOK : "));
    QString folder = platform::IniFile(State.IniFileName).ReadString(kOptions, u"OCXFolder");
    if (folder.isEmpty()) folder = DefaultComponentFolder();
    State.InstalledVersion = InstalledVersionOf(folder, State.OCXName);
    LbVersion->setText(QStringLiteral("TAxGarvex-") + State.InstalledVersion + u'-');
    applyProxy();
    if (State.InstalledVersion != State.OCXVersion) {
        QPalette p = LbVersion->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        LbVersion->setPalette(p);
    }
    Http().UpdateParams(State.BaseHRef, State.UserConcession);
    UpdateView(true);
    m_hints = std::make_unique<platform::HintFilter>([this](const QString& hint) { GestionHints(hint); });
}

void TAxGarvex::applyProxy() {
    State.ProxyAddress = ProxyFromEnvironment();
    if (State.ProxyAddress.isEmpty()) return;
    QString fields = State.ProxyAddress;
    fields.replace(u':', u';');
    const QString host = server::GetListField(fields, 1);
    bool isNumber = false;
    int port = server::GetListField(fields, 2).toInt(&isNumber);
    if (!isNumber || port <= 0 || port > 65535) port = 80;
    Http().SetProxy(host, port);
    const QString shown = host + QStringLiteral(" - ") + QString::number(port) + QStringLiteral(" - ");
    WriteTrace(QStringLiteral("Connexion Proxy : ") + shown);
    LbDebugInfo1->setText(shown);
    LbVersion->setText(LbVersion->text() + State.ProxyAddress + u'-');
}

void TAxGarvex::OnMsgActualize() {
    // A reload in the middle of a request would start requests inside it: it waits for the tick
    // after the request has ended.
    if (m_pumpDepth > 0) {
        m_actualizePending = true;
        return;
    }
    m_actualizePending = false;
    if (!OnStart()) return;
    Http().DropConnection();
    Http().UpdateParams(State.BaseHRef, State.UserConcession);
    UpdateView(true);
}

} // namespace app
