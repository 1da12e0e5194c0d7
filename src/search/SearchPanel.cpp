#include "SearchPanel.h"

#include "app/AxGarvex.h"
#include "app/IniStore.h"
#include "lists/ReferenceLists.h"
#include "platform/Controls.h"
#include "record/RecordModel.h"
#include "search/SearchGrid.h"
#include "server/Requests.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <span>

namespace search {
namespace {

using platform::Require;

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

TSearchPanel::TSearchPanel(app::TAxGarvex& form) : F(form) {
    QFrame* panel = form.Panel1;
    platform::BuildControls(panel, SearchPanelTable());
    TSLbNVO = Require<QLabel>(panel, "TSLbNVO");
    TSLbImmat = Require<QLabel>(panel, "TSLbImmat");
    TSLbClient = Require<QLabel>(panel, "TSLbClient");
    TSLbTelephone = Require<QLabel>(panel, "TSLbTelephone");
    TSLbMobile = Require<QLabel>(panel, "TSLbMobile");
    TSNVO = Require<QPushButton>(panel, "TSNVO");
    TSImmat = Require<QPushButton>(panel, "TSImmat");
    TSClient = Require<QPushButton>(panel, "TSClient");
    TSTelephone = Require<QPushButton>(panel, "TSTelephone");
    TSMobile = Require<QPushButton>(panel, "TSMobile");
    ncbSearch = Require<QLineEdit>(panel, "ncbSearch");
    LbSearch = Require<QLabel>(panel, "LbSearch");
    ncbSite = Require<QComboBox>(panel, "ncbSite");
    ncbLbSite = Require<QLabel>(panel, "ncbLbSite");
    ncbTypeVO = Require<QComboBox>(panel, "ncbTypeVO");
    ncbLbTypeVO = Require<QLabel>(panel, "ncbLbTypeVO");
    ncbLabel = Require<QLabel>(panel, "ncbLabel");
    ncbInfoSearch = Require<QLabel>(panel, "ncbInfoSearch");
    JvXPBtnSearchPlus = Require<QPushButton>(panel, "JvXPBtnSearchPlus");
    ngSearch = Require<QTableWidget>(panel, "ngSearch");

    QPalette background = panel->palette();
    background.setColor(QPalette::Window, QColor(236, 241, 250));
    panel->setPalette(background);
    panel->setFrameShape(QFrame::Box);
    ncbSearch->setMaxLength(50);
    ncbSite->setEditable(true);
    ncbInfoSearch->hide();
    JvXPBtnSearchPlus->hide();
    SetUpSearchGrid(ngSearch);
    ngSearch->setMouseTracking(true);

    // At first N°VO is the chosen kind: its button is the one enabled.
    ActiveSearchLabel = TSLbNVO;
    setTextColour(TSLbNVO, Qt::blue);
    for (QPushButton* b : {TSImmat, TSClient, TSTelephone, TSMobile})
        b->setEnabled(false);
    for (QLabel* label : {TSLbNVO, TSLbImmat, TSLbClient, TSLbTelephone, TSLbMobile, LbSearch}) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
    for (QPushButton* b : {TSNVO, TSImmat, TSClient, TSTelephone, TSMobile}) {
        b->setIcon(b->style()->standardIcon(QStyle::SP_DialogApplyButton)); // greyed on the kinds not chosen
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this] { ncbSearch->setFocus(); }); // TSVClick
    }

    platform::SetOnChange(ncbSearch, [this](QWidget*) { // ncbSearchChange
        PresetSearch = false;
        F.State.SearchCountdown = 4;
    });
    for (QComboBox* box : {ncbSite, ncbTypeVO})
        platform::SetOnChange(box, [this](QWidget*) { // ncbSiteChange, ncbTypeVOChange
            PresetSearch = false;
            F.State.SearchCountdown = 2;
        });
    connect(JvXPBtnSearchPlus, &QPushButton::clicked, this, [this] { HttpGetSearchInfo(50); });
    connect(ngSearch, &QTableWidget::cellClicked, this,
            [this](int row, int column) { ngSearchCellClick(column, row); });
    connect(ngSearch, &QTableWidget::cellEntered, this, [this](int row, int) { ngSearchMouseMove(row); });
    connect(F.JvXPBtnSearch, &QPushButton::clicked, this, &TSearchPanel::JvXPBtnSearchClick);
    connect(F.JvXPNext, &QPushButton::clicked, this, &TSearchPanel::JvXPNextClick);
    connect(F.JvXPPrev, &QPushButton::clicked, this, &TSearchPanel::JvXPPrevClick);
    F.HttpGetSearchInfo = [this](int extraRows) { HttpGetSearchInfo(extraRows); };
}

TSearchPanel::~TSearchPanel() {
    F.HttpGetSearchInfo = {};
    for (QWidget* control : std::initializer_list<QWidget*>{ncbSearch, ncbSite, ncbTypeVO})
        platform::SetOnChange(control, {});
}

bool TSearchPanel::eventFilter(QObject* watched, QEvent* event) {
    // The labels take the press, so that the release comes back to them: that is their click.
    if (event->type() == QEvent::MouseButtonPress) return true;
    if (event->type() != QEvent::MouseButtonRelease) return false;
    if (watched == LbSearch) { // LbSearchClick
        ExactSearch = !ExactSearch;
        F.State.SearchCountdown = 1;
        return true;
    }
    const std::pair<QLabel*, QPushButton*> kinds[] = {{TSLbNVO, TSNVO},
                                                      {TSLbImmat, TSImmat},
                                                      {TSLbClient, TSClient},
                                                      {TSLbTelephone, TSTelephone},
                                                      {TSLbMobile, TSMobile}};
    for (const auto& [label, button] : kinds)
        if (watched == label) {
            BtnActivate(label, button);
            return true;
        }
    return false;
}

bool TSearchPanel::customerRecord() const {
    return F.State.RecordKind == record::KindCL;
}

void TSearchPanel::JvXPBtnSearchClick() {
    if (ncbTypeVO->count() == 0 || ncbInfoSearch->text() != F.State.RecordKind) prepare();
    QWidget* panel = F.Panel1;
    const QPushButton* button = F.JvXPBtnSearch;
    panel->move(panel->x(), button->y() + qRound(button->height() * 2 / 3.0));
    panel->raise();
    panel->setHidden(!panel->isHidden());
    if (F.Dialogs.CtrlHeld() && !panel->isHidden()) {
        if (!PresetSearch) F.State.SearchCountdown = 2;
        ncbSearch->clear();
        PresetSearch = true;
    }
}

void TSearchPanel::prepare() {
    ncbInfoSearch->setText(F.State.RecordKind);
    fillList(ncbTypeVO, QStringLiteral("TVTypeVO"), app::GetTagRegistry(QStringLiteral("svTypeVO")));
    fillList(ncbSite, QStringLiteral("Site"), app::GetTagRegistry(QStringLiteral("svSite")));
    ncbLabel->clear();
    JvXPBtnSearchPlus->hide();
    F.State.SearchCountdown = 10;
    const bool customer = customerRecord();
    ncbSearch->setText(app::GetTagRegistry(customer ? QStringLiteral("svText2") : QStringLiteral("svText1")));
    placeKinds(customer);
    const QString remembered =
        app::GetTagRegistry(customer ? QStringLiteral("svOpt2") : QStringLiteral("svOpt1"));
    const std::pair<const char*, std::pair<QLabel*, QPushButton*>> choices[] = {
        {"1", {TSLbImmat, TSImmat}},        {"2", {TSLbClient, TSClient}}, {"3", {TSLbNVO, TSNVO}},
        {"4", {TSLbImmat, TSImmat}},        {"5", {TSLbClient, TSClient}}, {"6", {TSLbMobile, TSMobile}},
        {"7", {TSLbTelephone, TSTelephone}}};
    for (const auto& [option, kind] : choices)
        if (remembered == QLatin1String(option) && (option[0] >= '4') == customer)
            BtnActivate(kind.first, kind.second);
}

void TSearchPanel::placeKinds(bool customer) {
    const std::pair<QLabel*, QPushButton*> vehicleKinds[] = {
        {TSLbNVO, TSNVO}, {TSLbImmat, TSImmat}, {TSLbClient, TSClient}};
    const std::pair<QLabel*, QPushButton*> customerKinds[] = {
        {TSLbImmat, TSImmat}, {TSLbClient, TSClient}, {TSLbMobile, TSMobile}, {TSLbTelephone, TSTelephone}};
    for (QWidget* w :
         std::initializer_list<QWidget*>{TSLbNVO, TSNVO, TSLbImmat, TSImmat, TSLbClient, TSClient,
                                         TSLbTelephone, TSTelephone, TSLbMobile, TSMobile})
        w->hide();
    int left = 10;
    for (const auto& [label, button] :
         customer ? std::span<const std::pair<QLabel*, QPushButton*>>(customerKinds)
                  : std::span<const std::pair<QLabel*, QPushButton*>>(vehicleKinds)) {
        label->move(left, label->y());
        button->move(left, button->y());
        label->show();
        button->show();
        left += 72;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{ncbSite, ncbLbSite, ncbTypeVO, ncbLbTypeVO})
        w->setVisible(!customer);
}

void TSearchPanel::fillList(QComboBox* box, const QString& type, const QString& remembered) {
    const auto items = lists::LoadInfoNxList(F.State.XmlEquip, type, F.State.CurrentSite);
    if (!items) return;
    box->clear();
    {
        const QSignalBlocker quiet(box);
        box->addItems(*items);
        box->setCurrentIndex(-1);
    }
    box->setCurrentIndex(items->lastIndexOf(remembered));
}

void TSearchPanel::BtnActivate(QLabel* label, QPushButton* button) {
    if (ActiveSearchLabel && ActiveSearchLabel != label) setTextColour(ActiveSearchLabel, Qt::black);
    setTextColour(label, Qt::blue);
    ActiveSearchLabel = label;
    for (QPushButton* b : {TSNVO, TSImmat, TSClient, TSTelephone, TSMobile})
        b->setEnabled(b == button);
    if (!F.Panel1->isHidden()) ncbSearch->setFocus();
}

int TSearchPanel::chosenOption() const {
    if (!customerRecord())
        return TSNVO->isEnabled() ? VehicleNumber : TSImmat->isEnabled() ? VehicleImmat : VehicleBuyer;
    return TSImmat->isEnabled()    ? CustomerImmat
           : TSClient->isEnabled() ? CustomerName
           : TSMobile->isEnabled() ? CustomerMobile
                                   : CustomerPhone;
}

void TSearchPanel::HttpGetSearchInfo(int extraRows) {
    app::FormState& s = F.State;
    QString text = ncbSearch->text();
    text.remove(u'\r').remove(u'\n').remove(u'\t');
    SearchOption = chosenOption();
    if (customerRecord()) {
        app::SetTagRegistry(QStringLiteral("svText2"), text);
        app::SetTagRegistry(QStringLiteral("svOpt2"), QString::number(SearchOption));
    } else {
        app::SetTagRegistry(QStringLiteral("svTypeVO"), ncbTypeVO->currentText());
        app::SetTagRegistry(QStringLiteral("svSite"), ncbSite->currentText());
        app::SetTagRegistry(QStringLiteral("svText1"), text);
        app::SetTagRegistry(QStringLiteral("svOpt1"), QString::number(SearchOption));
    }

    SearchRequest request;
    request.option = SearchOption;
    request.text = text;
    request.site = ncbSite->currentText();
    request.typeIndex = ncbTypeVO->currentIndex();
    request.exact = ExactSearch;
    request.withFirstName = SearchWithFirstName;
    if (const auto* firstName = F.findChild<QWidget*>(QStringLiteral("aCliPrenom")))
        request.firstName = platform::ControlText(firstName);
    request.preset = PresetSearch;
    if (PresetSearch) request.whereClause = app::GetTagRegistry(QStringLiteral("WhereClause"));
    request.userConcession = s.UserConcession;
    SearchResultColumn = ResultColumn(SearchOption);
    LbSearch->setText(ExactSearch ? QStringLiteral("recherche exacte :") : QStringLiteral("à rechercher :"));
    SearchWithFirstName = false;

    if (extraRows == 0) SearchMaxRows = 50;
    SearchMaxRows += extraRows;
    if (!F.Http().HttpExecute(SearchAddress(s.BaseHRef, SearchQuery(request), SearchMaxRows),
                              F.TempDir() + QStringLiteral("/XmlSInf.xml")))
        return;
    fillGrid();
}

void TSearchPanel::fillGrid() {
    const auto answer = server::LoadTextFile(F.TempDir() + QStringLiteral("/XmlSInf.xml"));
    if (!answer) return;
    server::TXml xml(*answer);
    QString rowCount, eof;
    server::XmlAttr(xml, QStringLiteral("RowCount"), rowCount);
    server::XmlAttr(xml, QStringLiteral("EOF"), eof);
    const bool more = eof == u"0";
    JvXPBtnSearchPlus->setVisible(more && SearchOption != VehicleNumber);
    ncbLabel->setText(rowCount + (more ? QStringLiteral(" premiers enregistrements")
                                       : QStringLiteral(" enregistrements trouvés")));

    server::XmlSelect(xml, QStringLiteral("AXQueryS"));
    std::vector<SearchRow> rows;
    while (server::XmlNext(xml, QStringLiteral("AXQuery")) != 0)
        rows.push_back(SearchRowCells(xml, SearchOption, F.State.UserConcession, F.State.UserSite));
    SetSearchColumns(ngSearch, SearchOption);
    FillSearchGrid(ngSearch, rows, SearchResultColumn);
}

QString TSearchPanel::Cell(int row, int column) const {
    return SearchCell(ngSearch, row, column);
}

void TSearchPanel::ngSearchCellClick(int, int row) {
    openRow(row);
}

bool TSearchPanel::openRow(int row) {
    if (row < 0 || row >= ngSearch->rowCount()) return false;
    // What was typed into the record on screen must not be dropped by the reload.
    if (F.JvXPBtnSave->isEnabled() && SaveChanges && !SaveChanges()) return false;
    const QString id = Cell(row, ngsIndex);
    if (customerRecord())
        F.SetIdClient(id);
    else
        F.SetIdTVO(id);
    F.State.FlagNewEnreg = false;
    if (Reload) Reload();
    enableWalk(row);
    return true;
}

void TSearchPanel::enableWalk(int row) {
    F.JvXPNext->setEnabled(row < ngSearch->rowCount() - 1);
    F.JvXPPrev->setEnabled(row > 0);
}

void TSearchPanel::JvXPNextClick() {
    const int row = ngSearch->currentRow() + 1;
    if (openRow(row)) ngSearch->selectRow(row);
}

void TSearchPanel::JvXPPrevClick() {
    const int row = ngSearch->currentRow() - 1;
    if (openRow(row)) ngSearch->selectRow(row);
}

void TSearchPanel::ngSearchMouseMove(int row) {
    ngSearch->setFocus();
    if (row < 0) return;
    ngSearch->selectRow(row);
    enableWalk(row);
}

} // namespace search
