#include "RecordForm.h"

#include "app/AxGarvex.h"
#include "platform/AsciiCase.h"
#include "platform/Controls.h"
#include "platform/DelphiNumbers.h"
#include "platform/FormBuilder.h"
#include "record/RecordKind.h"
#include "record/SheetTables.h"
#include "server/Requests.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace record {
namespace {

bool buildControls(app::TAxGarvex& form) {
    for (int i = 0; i < 9; ++i)
        platform::BuildControls(form.Sheets[i], SheetTable(i));
    platform::BuildControls(form.centralWidget(), RecordButtonsTable());
    form.setWindowIcon(QIcon(QStringLiteral(":/record/ICOGARVEX.svg")));
    return true;
}

QString flagText(bool flag) {
    return flag ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

TRecordForm::TRecordForm(app::TAxGarvex& form)
    : QObject(&form), F(form), m_built(buildControls(form)), Header(form), Lock(form), Changes(form, Lock),
      Layout(form, Header, Changes), TabSwitch(form),
      Commands(*new TRecordCommands(form, Changes, Layout, TabSwitch)) {
    using platform::Require;
    JvXPBtnSMS = Require<QPushButton>(form.centralWidget(), "JvXPBtnSMS");
    LbInfoOptions = Require<QLabel>(form.centralWidget(), "LbInfoOptions");
    PanelCompta = Require<QFrame>(form.Sheets[2], "PanelCompta");
    aSite = Require<QWidget>(form.Sheets[6], "aSite");
    aidCom = Require<QWidget>(form.Sheets[6], "aidCom");
    JvXPBtnSMS->hide();
    LbInfoOptions->hide();
    form.OnUpdateView = [this](bool ReloadFiles) { UpdateView(ReloadFiles); };
    TabSwitch.SaveChanges = [this] { return Commands.SaveChanges(); };
}

void TRecordForm::UpdateView(bool ReloadFiles) {
    QElapsedTimer elapsed;
    elapsed.start();
    app::FormState& s = F.State;
    F.LbDebugInfo3->setText(u'[' + QString::number(s.ParamCount) + u']' + F.LbHttpRoot->text() +
                            QStringLiteral(" - ") + s.BaseHRef + QStringLiteral(" - ") + s.idTVO);
    try {
        const auto request = [&](const QString& url, const QString& id, const char* file) {
            F.LbDebugInfo1->setText(url);
            s.FlagNewEnreg = IsNewRecordId(id);
            F.WriteTrace(QStringLiteral("UpdateView FlagNewEnreg -> ") + flagText(s.FlagNewEnreg) +
                         QStringLiteral(" - ") + QString::number(platform::StrToIntDef(id, 0)));
            F.Http().HttpExecute(url, F.TempDir() + u'/' + QString::fromLatin1(file));
        };
        if (s.BaseHRef.isEmpty()) {
            // A fault of the parameter file found earlier says more than this one.
            if (F.WarningLine().isEmpty())
                F.SetWarningLine(
                    QStringLiteral("Adresse du serveur (BaseHRef) absente du fichier de paramètres ") +
                    s.IniFileName);
        } else {
            if (!s.idTVO.isEmpty())
                request(InfoVOAddress(s.BaseHRef, s.idTVO, s.idUser), s.idTVO, "XmlVO.xml");
            if (!s.idClient.isEmpty()) {
                s.FlagNewVehicle = false;
                request(InfoCLAddress(s.BaseHRef, s.idUser), s.idClient, "XmlCL.xml");
            }
        }
        const bool customer = !s.idClient.isEmpty();
        F.UpdateHints(customer);
        Layout.UpdateTabDesc(ReloadFiles, true);
        TabSwitch.GetInfoReservation();
        TabSwitch.TabsChange();

        const QString& kind = s.RecordKind;
        const bool developer =
            s.idUser == DeveloperId || platform::asciiUpper(s.UserName).contains(DeveloperSurname);
        F.JvXPBtnNewVO->setVisible(kind != KindVD);
        F.JvXPBtnSuppr->setVisible(s.RightSuperAdmin || kind == KindCL);
        F.JvXPBtnSweep->setVisible(s.RightSuperAdmin && kind == KindVN);
        PanelCompta->setVisible(s.RightCompta);
        JvXPBtnSMS->setVisible(developer);
        LbInfoOptions->setVisible(kind == KindVD || kind == KindVN);
        F.ShowDiagnostics(s.RightSuperAdmin);
        if (kind == KindCL) {
            // A filled site or salesperson is the super-administrators' to change.
            for (QWidget* w : {aSite, aidCom})
                if (!platform::ControlText(w).isEmpty() && !s.RightSuperAdmin) w->setEnabled(false);
        }
    } catch (const MissingFile& missing) {
        F.WriteTrace(QStringLiteral("UpdateView : fichier absent ") + missing.File);
        if (F.WarningLine().isEmpty())
            F.SetWarningLine(QStringLiteral("Fichier de structure introuvable : ") + missing.File);
        // The splash stays, since nothing could be laid out; the cursor must not look busy for ever.
        F.Dialogs.SetCursor(platform::Cursor::Default);
    }
    F.LbInfoTimer->setVisible(platform::asciiUpper(s.UserName).contains(DeveloperSurname));
    F.LbInfoTimer->setText(QString::number(elapsed.elapsed()));
}

TRecordForm& AttachRecordForm(app::TAxGarvex& form) {
    return *new TRecordForm(form);
}

} // namespace record
