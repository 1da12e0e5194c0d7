// SaveChanges: the mandatory fields, one pending grid row, the active page's statement and the
// fixed cost of a used vehicle, each request only after the one before it.
#include "Commands.h"
#include "app/AxGarvex.h"
#include "platform/Controls.h"
#include "platform/DelphiDate.h"
#include "platform/DelphiNumbers.h"
#include "platform/Widgets.h"
#include "record/ChangeTracker.h"
#include "record/FixedCosts.h"
#include "server/Requests.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

namespace record {
namespace {

// The text a user sees as typed: an untouched date mask is no text.
QString typedText(const QWidget* control) {
    const QString text = platform::ControlText(control);
    return text == platform::TDatePicker::EmptyText ? QString() : text;
}

} // namespace

QWidget* TRecordCommands::control(int sheet, const char* name) const {
    return F.Sheets[sheet]->findChild<QWidget*>(QString::fromLatin1(name));
}

void TRecordCommands::focus(QWidget* control) {
    if (!control) return;
    // The field must be seen to be filled in: its sheet comes to the front, as a program's own
    // page change (no save is asked, the content is loaded as for any tab change).
    for (int sheet = 0; sheet < 9; ++sheet) {
        if (!F.Sheets[sheet]->isAncestorOf(control)) continue;
        if (F.Tabs->currentIndex() != sheet) F.Tabs->setCurrentIndex(sheet);
        break;
    }
    control->setFocus(Qt::OtherFocusReason);
}

bool TRecordCommands::missing(QWidget* control) {
    if (!control || !typedText(control).isEmpty()) return false;
    focus(control);
    return true;
}

bool TRecordCommands::checkVehicle() {
    const QString label = KindLabel(F.State.RecordKind);
    const int sheet = label == u"VD" ? 1 : label == u"VN" ? 2 : 0;
    const char* prefix = sheet == 1 ? "cVD" : sheet == 2 ? "cVN" : "c";
    const auto named = [&](const char* name) {
        return control(sheet, (QByteArray(prefix) + name).constData());
    };

    if (QWidget* number = named("NVO")) {
        int value = 0;
        if (!platform::TryStrToInt(typedText(number), value) || value == 0) {
            focus(number);
            return false;
        }
    }
    if (missing(named("Site")) || missing(named("InfoMarque"))) return false;
    if (sheet == 2 && (missing(named("InfoModele")) || missing(named("InfoTypeVersion")))) return false;
    if (sheet == 0) {
        QWidget* ordered = named("DateOrdre");
        if (ordered && !typedText(ordered).isEmpty() && missing(named("Destination"))) return false;
        QWidget* entered = named("DateEntree");
        QWidget* registered = named("MEC");
        if (entered && registered && !typedText(entered).isEmpty() && !typedText(registered).isEmpty()) {
            // A text that is no date stands for now, so a half-typed date cannot slip through.
            const platform::TDateTime now = platform::Now();
            if (platform::StrToDateDef(typedText(registered), now) >
                platform::StrToDateDef(typedText(entered), now)) {
                focus(registered);
                return false;
            }
        }
    }
    return true;
}

int TRecordCommands::vehicleRows() const {
    const app::FormState& s = F.State;
    int rows = s.FlagNewVehicle ? 1 : 0;
    if (s.FlagNewEnreg) return rows; // a new customer lists no vehicle
    server::TXml vehicles = s.XmlCustomer;
    server::XmlSelect(vehicles, QStringLiteral("TVehS"));
    while (server::XmlNext(vehicles, QStringLiteral("TVeh")) != 0)
        ++rows;
    return rows;
}

std::optional<bool> TRecordCommands::checkCustomer() {
    const app::FormState& s = F.State;
    const int sheet = F.Tabs->currentIndex();
    if (sheet == 6) {
        for (const char* name : {"aSite", "aidCom", "aCliNom"})
            if (missing(control(6, name))) return s.FlagNewEnreg;
        if (s.FlagNewAction && Grids.CheckNewAction && !Grids.CheckNewAction()) return s.FlagNewEnreg;
    }
    if (sheet == 7 && vehicleRows() > 0) {
        if (platform::StrToIntDef(s.idClient, 0) <= 0) return s.FlagNewVehicle;
        for (const char* name : {"vInfoMarque", "vInfoModele"})
            if (missing(control(7, name))) return s.FlagNewVehicle;
    }
    return std::nullopt;
}

bool TRecordCommands::execute(bool insert, const QString& statement, const char* file) {
    if (m_hourglass) F.Dialogs.SetCursor(platform::Cursor::Hourglass);
    const QString url = F.State.BaseHRef +
                        (insert ? QStringLiteral("AxInsert") : QStringLiteral("AxUpdate")) +
                        QStringLiteral("?XMLC_OutputFormat=XML&SQLExecute=") + statement;
    return F.Http().HttpExecute(url, F.TempDir() + u'/' + QString::fromLatin1(file));
}

bool TRecordCommands::sendCostRow() {
    std::vector<TsLine>& rows = F.State.FrevoRows;
    for (int line = 1; line < int(rows.size()); ++line) {
        if (rows[line].PendingSql.isEmpty()) continue;
        if (execute(F.State.FlagNewFrevo, rows[line].PendingSql, "XmlAXSQLFrevo.xml"))
            for (int c = 1; c <= 8; ++c)
                rows[line].Desc[c].OrigValue = rows[line].Desc[c].CurValue;
        if (Grids.TestFrevoUpdate) Grids.TestFrevoUpdate(line);
        return true;
    }
    return false;
}

bool TRecordCommands::sendPage() {
    app::FormState& s = F.State;
    const int sheet = F.Tabs->currentIndex();
    if (sheet < 0 || sheet > 8) return false;
    const int page = sheet + 1;
    TsPage& p = s.Pages[page];
    if (p.PendingSql.isEmpty()) return false;
    const bool insert = s.FlagNewEnreg || (s.FlagNewVehicle && sheet == 7);
    if (!execute(insert, p.PendingSql, "XmlAXSQLVO.xml")) return true;
    if (insert) {
        QString newId;
        if (const auto answer = server::LoadTextFile(F.TempDir() + QStringLiteral("/XmlAXSQLVO.xml"))) {
            s.XmlRecord = server::TXml(*answer);
            server::XmlSelect(s.XmlRecord, QStringLiteral("OutParams"));
            server::XmlGet(s.XmlRecord, QStringLiteral("NewID"), newId);
        }
        if (s.idClient == u"-1" || s.idClient == u"-2")
            F.SetIdClient(newId);
        else
            F.SetIdTVO(newId);
        s.FlagNewEnreg = false;
        s.FlagNewVehicle = false;
        JvXPBtnActualizeClick();
    } else {
        for (TsDesc& desc : p.Descs)
            desc.OrigValue = desc.CurValue;
    }
    m_changes.TestPageUpdate(page);
    return true;
}

void TRecordCommands::sendFixedCosts() {
    app::FormState& s = F.State;
    // Only a vehicle already stored: while a new record's insert has not gone through, the record
    // answer still describes the vehicle shown before it.
    if (KindLabel(s.RecordKind) != u"VO" || s.idTVO.isEmpty() || s.FlagNewEnreg) return;
    const QString statement = FixedCostStatement(s.XmlRecord, s.XmlEquip, typedText(control(0, "cSite")),
                                                 typedText(control(0, "cDestination")), GetIdVO(false));
    if (statement.isEmpty()) return;
    if (execute(true, statement, "XmlAXSQLFrevo.xml")) F.UpdateView(false);
}

bool TRecordCommands::SaveChanges() {
    app::FormState& s = F.State;
    const bool defaultCursor = F.Dialogs.CurrentCursor() == platform::Cursor::Default;
    m_hourglass = defaultCursor;
    bool sent = false;
    if (KindLabel(s.RecordKind) != u"CL") {
        F.WriteTrace(QStringLiteral("contrôle info véhicule ") + s.idTVO);
        if (!checkVehicle()) return s.FlagNewEnreg;
        sent = sendCostRow();
    } else {
        if (const std::optional<bool> stop = checkCustomer()) return *stop;
        if (Grids.ActionSaveStep) {
            const ActionStep step = Grids.ActionSaveStep();
            if (step == ActionStep::Stopped) return s.FlagNewEnreg;
            sent = step == ActionStep::Sent;
        }
    }
    F.WriteTrace(QStringLiteral("Save Changes -1-"));
    sent = sendPage() || sent;
    F.WriteTrace(QStringLiteral("Save Changes -2-"));
    sendFixedCosts();
    F.WriteTrace(QStringLiteral("Save Changes -1-"));
    m_hourglass = false;
    const bool failed = !F.WarningLine().isEmpty();
    if (defaultCursor || failed) F.Dialogs.SetCursor(platform::Cursor::Default);
    return !sent || !failed;
}

} // namespace record
