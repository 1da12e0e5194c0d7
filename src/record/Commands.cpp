// The record buttons: reload, save, new record with its site preset, delete and the sweep.
#include "Commands.h"

#include "app/AxGarvex.h"
#include "platform/AsciiCase.h"
#include "platform/Controls.h"
#include "record/ChangeTracker.h"
#include "record/Layout.h"
#include "record/RecordKind.h"
#include "record/TabSwitch.h"
#include "server/Requests.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace record {
namespace {

const QString kDeleteCaption = QStringLiteral("Confirmation de Suppression");

QString sectionValue(server::TXml& record, const char* section, const char* name) {
    server::XmlSelect(record, QString::fromLatin1(section));
    return server::XmlValue(record, QString::fromLatin1(name));
}

} // namespace

TRecordCommands::TRecordCommands(app::TAxGarvex& form, TChangeTracker& changes, TLayout& layout,
                                 TTabSwitch& tabSwitch)
    : QObject(&form), F(form), m_changes(changes), m_layout(layout), m_tabSwitch(tabSwitch) {
    connect(form.JvXPBtnActualize, &QPushButton::clicked, this, [this] { JvXPBtnActualizeClick(); });
    connect(form.JvXPBtnSave, &QPushButton::clicked, this, [this] { JvXPBtnSaveClick(); });
    connect(form.JvXPBtnNewVO, &QPushButton::clicked, this, [this] { JvXPBtnNewVOClick(); });
    connect(form.JvXPBtnSuppr, &QPushButton::clicked, this, [this] { JvXPBtnSupprClick(); });
    connect(form.JvXPBtnSweep, &QPushButton::clicked, this, [this] { JvXPBtnSweepClick(); });
}

void TRecordCommands::JvXPBtnActualizeClick() {
    app::FormState& s = F.State;
    F.ShowSplash();
    if (!s.idTVO.isEmpty()) {
        F.Http().DropConnection();
        F.Http().HttpExecute(InfoVOAddress(s.BaseHRef, s.idTVO, s.idUser),
                             F.TempDir() + QStringLiteral("/XmlVO.xml"));
    }
    if (!s.idClient.isEmpty()) {
        F.Http().DropConnection();
        F.Http().HttpExecute(InfoCLAddress(s.BaseHRef, s.idUser), F.TempDir() + QStringLiteral("/XmlCL.xml"));
    }
    // Whatever it was before, the record on screen is now the stored one.
    s.FlagNewEnreg = false;
    s.FlagNewVehicle = false;
    m_layout.UpdateTabDesc(false, true);
    m_tabSwitch.TabsChange();
}

void TRecordCommands::JvXPBtnSaveClick() {
    if (F.JvXPBtnSave->isEnabled()) SaveChanges();
}

void TRecordCommands::JvXPBtnNewVOClick() {
    if (!SaveChanges()) return;
    startNewRecord();
}

void TRecordCommands::startNewRecord() {
    app::FormState& s = F.State;
    s.FlagNewEnreg = true;
    const QString caption = F.JvXPBtnNewVO->text();
    {
        // The program's own choice of page: no save is asked and no content loaded.
        const QSignalBlocker quiet(F.Tabs);
        if (caption == u"VO") {
            F.Tabs->setCurrentIndex(0);
        } else if (caption == u"VD") {
            F.Tabs->setCurrentIndex(1);
        } else if (caption == u"VN") {
            F.Tabs->setCurrentIndex(2);
        } else if (caption == u"CL") {
            F.SetIdClient(QStringLiteral("-2"));
            F.Tabs->setCurrentIndex(6);
            if (Grids.EmptyCustomerGrids) Grids.EmptyCustomerGrids();
        }
    }
    s.RecordFrevo.clear();
    m_layout.UpdateTabDesc(false, true);
    presetSite();
}

void TRecordCommands::presetSite() {
    app::FormState& s = F.State;
    const QString caption = F.JvXPBtnNewVO->text();
    const auto [sheet, name] = caption == u"VD"   ? std::pair{1, "cVDSite"}
                               : caption == u"VN" ? std::pair{2, "cVNSite"}
                               : caption == u"CL" ? std::pair{6, "aSite"}
                                                  : std::pair{0, "cSite"};
    auto* box = qobject_cast<QComboBox*>(control(sheet, name));
    if (!box) return;
    int chosen = -1;
    const QString us1 = platform::asciiUpper(s.UserUS1);
    if (!us1.isEmpty()) {
        for (int i = 0; i < box->count(); ++i)
            if (platform::asciiUpper(box->itemText(i)) == us1) chosen = i;
    } else if (s.UserSite != u"#") {
        const QString sites = platform::asciiUpper(s.UserSite);
        qsizetype earliest = -1;
        for (int i = 0; i < box->count(); ++i) {
            const QString item = platform::asciiUpper(box->itemText(i));
            // An empty item would be found at the start of any text.
            const qsizetype at = item.isEmpty() ? -1 : sites.indexOf(item);
            if (at >= 0 && (earliest < 0 || at < earliest)) {
                earliest = at;
                chosen = i;
            }
        }
    }
    if (chosen < 0) return;
    {
        const QSignalBlocker quiet(box); // the preset is the program's, not a choice to check
        box->setCurrentIndex(chosen);
    }
    const int tag = platform::Tag(box);
    if (tag == 0) return;
    TsPage& p = s.Pages[PageOfTag(tag)];
    if (IndexOfTag(tag) >= int(p.Descs.size())) return;
    p.Descs[IndexOfTag(tag)].CurValue = platform::asciiUpper(box->itemText(chosen));
    m_changes.TestPageUpdate(PageOfTag(tag));
}

QString TRecordCommands::GetIdVO(bool warn) {
    const QString id = sectionValue(F.State.XmlRecord, "tVO", "idVO");
    if (warn && id.isEmpty())
        F.Dialogs.MessageBox(QStringLiteral("L'identifiant du véhicule demandé n'a pas pu être restitué... "),
                             QStringLiteral("Action Annulée"));
    return id;
}

QString TRecordCommands::GetIdClient(bool warn) {
    const QString id = sectionValue(F.State.XmlRecord, "TVC", "idClient");
    if (warn && id.isEmpty())
        F.Dialogs.MessageBox(QStringLiteral("L'identifiant du client demandé n'a pas pu être restitué... "),
                             QStringLiteral("Action Annulée"));
    return id;
}

bool TRecordCommands::deleteAll(const QStringList& statements) {
    for (const QString& statement : statements) {
        F.LbDebugInfo2->setText(statement);
        if (!execute(false, statement, "XmlAXDelete.xml")) return false;
    }
    return true;
}

void TRecordCommands::JvXPBtnSupprClick() {
    const QString caption = F.JvXPBtnNewVO->text();
    QString question, key;
    QStringList statements;
    if (caption != u"CL") {
        question = QStringLiteral("Veuillez confirmer la suppression du ") + caption + QStringLiteral(" n°") +
                   F.xcInfoNVO->text();
        key = GetIdVO(true);
        statements = {QStringLiteral("Delete * From [tVO - Liens Images] where idVO=") + key,
                      QStringLiteral("Delete * From [tVO - Frevo] where idVO=") + key,
                      QStringLiteral("Delete * From [tVehicles] where idVO=") + key};
    } else {
        question = QStringLiteral("Veuillez confirmer la suppression du client \"") +
                   platform::ControlText(control(6, "aCliNom")) + u' ' +
                   platform::ControlText(control(6, "aCliPrenom")) + u'"';
        key = GetIdClient(true);
        statements = {QStringLiteral("Delete * From [tClients] where idClient=") + key};
    }
    if (key.isEmpty()) return;
    if (F.Dialogs.MessageBox(question, kDeleteCaption, platform::MsgButtons::YesNo) !=
        platform::MsgAnswer::Yes)
        return;
    m_hourglass = false;
    if (!deleteAll(statements)) return;
    F.LbDebugInfo2->clear();
    F.Dialogs.MessageBox(QStringLiteral("Suppression terminée"), QStringLiteral("Fin de Suppression"));
    // What was pending belongs to the record just deleted: nothing of it is saved.
    startNewRecord();
}

void TRecordCommands::JvXPBtnSweepClick() {
    if (F.JvXPBtnNewVO->text() != u"VN") return;
    if (F.Dialogs.MessageBox(QStringLiteral("Veuillez confirmer la suppression des VN annulés sans CTM  "),
                             kDeleteCaption, platform::MsgButtons::YesNo) != platform::MsgAnswer::Yes)
        return;
    m_hourglass = false;
    deleteAll({QStringLiteral("DELETE * FROM tVehicles WHERE (((TypeVO)=2) AND ((Acheteur) Is Null) AND "
                              "((DateAnnulation) Is Not Null));")});
}

} // namespace record
