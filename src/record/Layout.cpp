#include "Layout.h"

#include "app/AxGarvex.h"
#include "platform/AsciiCase.h"
#include "platform/Controls.h"
#include "platform/DelphiDate.h"
#include "platform/DelphiNumbers.h"
#include "platform/FormBuilder.h"
#include "platform/Widgets.h"
#include "record/ChangeTracker.h"
#include "record/FieldValue.h"
#include "record/Header.h"
#include "record/RecordKind.h"
#include "record/Rights.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace record {

using platform::asciiUpper;
using server::TXml;

namespace {

QString flagText(bool flag) {
    return flag ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace

TLayout::TLayout(app::TAxGarvex& form, THeader& header, TChangeTracker& changes)
    : F(form), m_header(header), m_changes(changes) {
    using platform::Require;
    QWidget* const* sheets = form.Sheets;
    m_panelCompta = Require<QFrame>(sheets[2], "PanelCompta");
    m_newVehicle = Require<QAbstractButton>(sheets[7], "JvXPBtnNewVehicle");
    m_marginSheet = Require<QAbstractButton>(sheets[0], "czFeuilleMarge");
    m_cNVO = Require<QWidget>(sheets[0], "cNVO");
    m_cSite = Require<QWidget>(sheets[0], "cSite");
    m_cVDNVO = Require<QWidget>(sheets[1], "cVDNVO");
    m_cVDSite = Require<QWidget>(sheets[1], "cVDSite");
    m_cVNNVO = Require<QWidget>(sheets[2], "cVNNVO");
    m_cVNSite = Require<QWidget>(sheets[2], "cVNSite");
}

app::FormState& TLayout::state() {
    return F.State;
}

void TLayout::trace(const QString& text) {
    F.WriteTrace(text);
}

bool TLayout::FieldRight(int page, const TsDesc& desc) {
    return record::FieldRight(F.State, page, desc.RightsTag);
}

void TLayout::UpdateTabDesc(bool ReloadFiles, bool SetupPages) {
    app::FormState& s = state();
    trace(QStringLiteral("dans UpdateTabDesc : 1"));
    m_itemsScanned = 0;
    QLocale::setDefault(QLocale::c());
    F.Panel1->hide();
    s.XmlRecord = TXml{};

    const QString temp = F.TempDir() + u'/';
    if (!s.idClient.isEmpty() && s.idClient != u"-1") {
        if (const auto text = server::LoadTextFile(temp + QStringLiteral("XmlCL.xml"))) {
            s.XmlCustomer = TXml(*text);
            s.XmlRecord = s.XmlCustomer;
        }
    } else if (const auto text = server::LoadTextFile(temp + QStringLiteral("XmlVO.xml"))) {
        s.XmlRecord = TXml(*text);
    }
    if (ReloadFiles) {
        for (auto [file, cursor] : {std::pair{QStringLiteral("XmlEquip.xml"), &s.XmlEquip},
                                    std::pair{QStringLiteral("XmlStruct.xml"), &s.XmlStruct}}) {
            const auto text = server::LoadTextFile(temp + file);
            if (!text) throw MissingFile(temp + file);
            *cursor = TXml(*text);
        }
        s.FirstTab = 0;
    }

    trace(QStringLiteral("dans UpdateTabDesc : 2"));
    if (Lists.BeginLayoutPass) Lists.BeginLayoutPass();
    readRecordValues();
    if (SetupPages) setupPages();
    for (int page = 0; page <= 9; ++page)
        refreshPage(page);
    DescriptorKeys keys; // one set for the field descriptors of every page of this pass
    for (int page = 0; page <= 9; ++page)
        firstLayout(page, keys);

    if (s.idClient == u"-1") s.FlagNewEnreg = F.xcInfoNVO->text().isEmpty();
    trace(QStringLiteral("UpdateTabDesc FlagNewEnreg -> ") + flagText(s.FlagNewEnreg) +
          QStringLiteral(" - ") + F.xcInfoNVO->text() + QStringLiteral(" - ") + s.idClient);

    if (F.xcIdentity->isHidden()) {
        m_header.setInfoTitre();
        m_header.setInfoNVO();
        enableNumberAndSite();
    }
    m_header.setInfoField1();
    m_header.setInfoField2();
    m_header.setInfoField3();
    F.PanelSplash->hide();
    F.Dialogs.SetCursor(platform::Cursor::Default);
    if (Lists.LayoutPassDone) Lists.LayoutPassDone();
}

// A vehicle that has a photo keeps its number and site. Without a photo they keep what their
// rights gave them: enabling them here would open them to users without the right.
void TLayout::enableNumberAndSite() {
    const QString& kind = state().RecordKind;
    const bool noPhoto = m_photoName.isEmpty();
    const std::pair<QWidget*, QWidget*> fields = kind == KindVO   ? std::pair{m_cNVO, m_cSite}
                                                 : kind == KindVD ? std::pair{m_cVDNVO, m_cVDSite}
                                                 : kind == KindVN ? std::pair{m_cVNNVO, m_cVNSite}
                                                                  : std::pair<QWidget*, QWidget*>{};
    if (!fields.first) return;
    if (!noPhoto) {
        fields.first->setEnabled(false);
        fields.second->setEnabled(false);
    }
    if (kind == KindVO) m_marginSheet->setEnabled(true);
}

void TLayout::readRecordValues() {
    app::FormState& s = state();
    TXml& record = s.XmlRecord;

    server::XmlSelect(record, QStringLiteral("User"));
    s.UserConcession = server::XmlValue(record, "UserConcession");
    s.UserSite = server::XmlValue(record, "UserSite");
    s.UserName = server::XmlValue(record, "Name_");
    s.UserUS1 = server::XmlValue(record, "US1");

    server::XmlSelect(record, QStringLiteral("OptDates"));
    if (s.LimiteDateDeb == 0) {
        const auto date = [&](const char* name) {
            return platform::StrToDateDef(server::XmlValue(record, name), 0);
        };
        s.LimiteDateDeb = date("Opt_LimiteDateDeb");
        s.LimiteDateDebFrevo = date("Opt_LimiteDateDebFrevo");
        s.LimiteDateDebKundor = date("Opt_LimiteDateDebKundor");
        s.LimiteDateVerrouVNVO = date("Opt_LimiteDateVerrouVNVO");
        s.ServerNow = date("Now");
        s.LimiteDateFin = s.ServerNow;
        if (s.LimiteDateDeb > s.LimiteDateFin || s.LimiteDateDebFrevo > s.LimiteDateFin ||
            s.LimiteDateDebKundor > s.LimiteDateFin)
            s.LimiteDateDeb = s.LimiteDateFin = s.LimiteDateDebFrevo = s.LimiteDateDebKundor =
                s.LimiteDateVerrouVNVO = 0;
    }

    TXml section = record;
    server::XmlSelect(section, QStringLiteral("tVO"));
    const KindChoice kind = ChooseRecordKind(s.idClient, server::XmlValue(section, "TypeVO"),
                                             server::XmlValue(section, "StatutVD"), s.idTypeVO);
    s.RecordKind = kind.RecordKind;
    s.RecordTable = kind.RecordTable;
    if (s.RecordKind != KindCL) s.RecordTypeVO = kind.RecordTypeVO;
    server::XmlSelect(record, s.RecordTable);

    const bool customer = s.RecordKind == KindCL;
    F.JvXPBtnNewVO->setText(KindLabel(s.RecordKind));
    if (s.RecordKind == KindVD)
        SetHeaderColors(7756236, 0);
    else
        SetHeaderColors(15745088, customer ? -1 : 0);
    F.xcIdentity->setVisible(customer);

    s.RecordFrevo = server::XmlValue(record, "Frevo");
    m_concession = server::XmlValue(record, "Concession");
    const QString id = RecordIdOf(record);
    if (!id.isEmpty()) F.SetIdTVO(id);

    const QString label = KindLabel(s.RecordKind);
    m_newVehicle->setEnabled(customer && platform::StrToIntDef(s.idClient, 0) > 0);
    F.JvXPBtnPrint->setEnabled((label != u"VN" && !id.isEmpty()) || customer);

    m_valueCursor = record;
    trace(QStringLiteral("on UpdateTabDesc : ") + QString::number(s.idTypeVO) + QStringLiteral(" - ") +
          s.idTVO);
    trace(QStringLiteral("dans UpdateTabDesc : 3"));

    s.CurrentSite = asciiUpper(server::XmlValue(record, "Site"));
    s.RecordOwner = asciiUpper(server::XmlValue(record, "idOwner"));

    s.RecordInScope = s.UserSite == u"#" ||
                      (!s.CurrentSite.isEmpty() && asciiUpper(s.UserSite).contains(s.CurrentSite)) ||
                      s.RecordOwner == s.idUser;
    s.LockByDate = false;
    s.RecordEditable = s.RecordInScope || customer || s.FlagNewEnreg;
    m_photoName.clear();
    if (!customer && s.RecordInScope && !s.FlagNewEnreg) {
        const platform::TDateTime delivered =
            platform::StrToDateDef(server::XmlValue(record, "DateLivraison"), 0);
        if (delivered != 0 && delivered < s.LimiteDateVerrouVNVO) {
            s.LockByDate = true;
            s.RecordEditable = false;
        }
        s.RecordInScope = s.RecordEditable;
        m_photoName = server::XmlValue(record, "NomImage");
    }
    if (s.FlagNewEnreg) s.RecordInScope = true;

    s.RightCompta = GetDataRights(record, s.RecordInScope, QStringLiteral(";COMPTA;"));
    s.RightKundor = GetDataRights(record, s.RecordInScope, QStringLiteral(";KUNDOR;"));
    s.RightSuperAdmin = GetDataRights(record, s.RecordInScope, QStringLiteral(";SUPERADMINS;"));

    if (m_concession != s.UserConcession && !s.FlagNewEnreg) {
        s.XmlRecord = TXml{};
        s.XmlCustomer = TXml{};
        m_valueCursor = TXml{};
    }
}

void TLayout::setupPages() {
    app::FormState& s = state();
    const QSignalBlocker quiet(F.Tabs); // choosing the first tab here is no user's tab change
    DescriptorKeys keys;
    for (int page = 0; page <= 9; ++page) {
        trace(QStringLiteral("dans UpdateTabDesc : 4"));
        TsPage& p = s.Pages[page];
        p.ContentLoaded = false;
        const std::optional<PageDescriptor> found =
            FindPageDescriptor(s.XmlStruct, s.RecordKind, page, keys, &m_itemsScanned);
        if (!found) {
            if (page >= 1) F.Tabs->setTabVisible(page - 1, false);
            p.Present = false;
            continue;
        }
        if (page >= 1) {
            trace(QStringLiteral("Ajout desc Onglet : ") + QString::number(page));
            p.Sheet = F.Sheets[page - 1];
            F.Tabs->setTabText(page - 1, found->Caption);
            F.Tabs->setTabVisible(page - 1, true);
        }
        p.PageIndex = page - 1;
        p.FieldGroup = found->FieldGroup;
        p.TableName = found->TableName;
        p.ControlPrefix = found->ControlPrefix;
        p.Present = true;
        if (s.FirstTab == 0) {
            s.FirstTab = page;
            F.Tabs->setCurrentIndex(s.FirstTab - 1);
        }
    }
}

void TLayout::selectValueSource(int page) {
    app::FormState& s = state();
    if (page == 8) {
        m_valueCursor = s.XmlCustomer;
        server::XmlSelect(m_valueCursor, QStringLiteral("TVehS"));
        s.VehicleCount = 0;
        if (server::XmlNext(m_valueCursor, QStringLiteral("TVeh")) != 0) {
            s.VehicleCount = 1;
            for (int i = 0; i < s.VehicleIndex; ++i) {
                TXml next = m_valueCursor;
                if (server::XmlNext(next, QStringLiteral("TVeh")) == 0) break;
                m_valueCursor = next;
            }
        }
        if (s.VehicleIndex == -1) s.VehicleCount = -1;
    } else if (page == 9) {
        m_valueCursor = s.XmlRecord;
        server::XmlSelect(m_valueCursor, s.RecordTable);
    }
}

void TLayout::refreshPage(int page) {
    app::FormState& s = state();
    selectValueSource(page);
    TsPage& p = s.Pages[page];
    trace(QStringLiteral("Trait. desc Onglet : ") + QString::number(page) + u' ' + flagText(p.Present) +
          u' ' + flagText(p.LaidOut));
    if (!p.Present || !p.LaidOut) return;
    trace(QStringLiteral("p2 Traitement desc Onglet : ") + QString::number(page));
    s.FlagLoading = true;
    const bool isNew = s.FlagNewEnreg || (page == 8 && s.FlagNewVehicle);
    for (int index = 0; index < int(p.Descs.size()); ++index) {
        trace(QStringLiteral("p3 Ajout desc Onglet : ") + QString::number(page) + QStringLiteral(" - ") +
              QString::number(index));
        TsDesc& desc = p.Descs[index];
        LoadFieldValue(desc, m_valueCursor, isNew);
        if (desc.Width != 0) {
            if (desc.tControl == 110 && desc.ListBox)
                BindListBox(desc.ListBox, page, index);
            else if ((desc.tControl == 111 || desc.tControl == 112) && desc.Combo)
                comboEvents(desc.Combo, page, index);
            else if (desc.tControl == 109 && desc.ValueControl)
                BindEdit(desc.ValueControl, page, index);
        }
        styleCaption(desc);
    }
    s.FlagLoading = false;
    m_changes.TestPageUpdate(page);
}

void TLayout::firstLayout(int page, DescriptorKeys& keys) {
    app::FormState& s = state();
    TsPage& p = s.Pages[page];
    trace(QStringLiteral("premier Ajout desc Onglet : ") + QString::number(page) + u' ' +
          flagText(p.Present) + u' ' + flagText(p.LaidOut));
    if (page == 8) {
        m_valueCursor = s.XmlCustomer;
        server::XmlSelect(m_valueCursor, QStringLiteral("TVeh"));
    } else if (page == 9) {
        m_valueCursor = s.XmlRecord;
        server::XmlSelect(m_valueCursor, s.RecordTable);
    }
    if (!p.Present || p.LaidOut) return;

    s.FlagLoading = true;
    trace(QStringLiteral("p2 Ajout desc Onglet : ") + p.FieldGroup);
    const bool isNew = s.FlagNewEnreg || (page == 8 && s.FlagNewVehicle);
    TXml items = s.XmlStruct;
    server::XmlSelect(items, QStringLiteral("axStructS"));
    int index = 0;
    while (server::XmlNext(items, QStringLiteral("axStruct")) != 0) {
        keys.ReadField(items);
        ++m_itemsScanned;
        if (keys.descInfo != p.FieldGroup) continue;
        if (int(p.Descs.size()) < index + 1) p.Descs.resize(index + 1);
        TsDesc& desc = p.Descs[index];
        desc = FieldDescriptorOf(keys);
        if (keys.fieldInfo.contains(u';'))
            trace(QStringLiteral("info rubrique : ") + p.FieldGroup + desc.FieldName + keys.fieldInfo);
        trace(QStringLiteral("z2 Ajout desc Onglet : ") + p.FieldGroup + QStringLiteral(" - ") +
              desc.FieldName);
        const bool visible =
            VisibleFor(IntegerKey(keys.enabled), GetDataRights(s.XmlRecord, s.RecordInScope, desc.RightsTag));
        LoadFieldValue(desc, m_valueCursor, isNew);
        m_keys = &keys;
        bindOrCreate(page, index, keys, visible);
        m_keys = nullptr;
        styleCaption(p.Descs[index]);
        p.Descs[index].Placed = true;
        ++index;
    }
    s.FlagLoading = false;
    m_changes.TestPageUpdate(page);
    p.LaidOut = true;
}

void TLayout::SetHeaderColors(Colour background, Colour text) {
    // -1 is no colour of its own: the header's text keeps the window's text colour.
    const QColor textColour =
        text == -1 ? F.palette().color(QPalette::WindowText) : platform::ColorFromBgr(text);
    for (QLineEdit* edit :
         {F.xcInfoTitre, F.xcIdentity, F.xcInfoNVO, F.xcInfoField1, F.xcInfoField2, F.xcInfoField3}) {
        edit->setEnabled(false);
        platform::SetDisabledColors(edit, platform::ColorFromBgr(background), textColour);
        edit->clear();
    }
}

} // namespace record
