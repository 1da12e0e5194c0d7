// Loading the record on screen, as far as the shell goes: the record form lays it out.
#include "AxGarvex.h"
#include "record/Rights.h"
#include "server/Requests.h"
#include "server/TagReader.h"

#include <QElapsedTimer>
#include <QLabel>

namespace app {

namespace {

// Whether the record answer grants the super-administrators' group.
bool listsSuperAdmin(const QString& responseFile) {
    const std::optional<QString> text = server::LoadTextFile(responseFile);
    if (!text) return false;
    server::TXml xml;
    xml.Document = *text;
    return record::GetDataRights(xml, true, QStringLiteral(";SUPERADMINS;"));
}

} // namespace

void TAxGarvex::UpdateView(bool ReloadFiles) {
    Q_UNUSED(ReloadFiles);
    QElapsedTimer elapsed;
    elapsed.start();
    const FormState& s = State;
    LbDebugInfo3->setText(u'[' + QString::number(s.ParamCount) + u']' + LbHttpRoot->text() +
                          QStringLiteral(" - ") + s.BaseHRef + QStringLiteral(" - ") + s.idTVO);
    QString recordFile;
    if (s.BaseHRef.isEmpty()) {
        // A fault of the parameter file found earlier says more than this one.
        if (WarningLine().isEmpty())
            SetWarningLine(QStringLiteral("Adresse du serveur (BaseHRef) absente du fichier de paramètres ") +
                           s.IniFileName);
    } else {
        if (!s.idTVO.isEmpty()) {
            const QString url = s.BaseHRef + QStringLiteral("AxInfoVO?XMLC_OutputFormat=XML&idTVO=") +
                                s.idTVO + QStringLiteral("&UserID=") + s.idUser;
            LbDebugInfo1->setText(url);
            recordFile = TempDir() + QStringLiteral("/XmlVO.xml");
            if (!Http().HttpExecute(url, recordFile)) recordFile.clear();
        }
        if (!s.idClient.isEmpty()) {
            const QString url =
                s.BaseHRef + QStringLiteral("AxInfoCL?XMLC_OutputFormat=XML&UserID=") + s.idUser;
            LbDebugInfo1->setText(url);
            recordFile = TempDir() + QStringLiteral("/XmlCL.xml");
            if (!Http().HttpExecute(url, recordFile)) recordFile.clear();
        }
    }
    UpdateHints(!s.idClient.isEmpty());
    ShowDiagnostics(!recordFile.isEmpty() && listsSuperAdmin(recordFile));
    PanelSplash->hide();
    Dialogs.SetCursor(platform::Cursor::Default);
    LbInfoTimer->setText(QString::number(elapsed.elapsed()));
}

} // namespace app
