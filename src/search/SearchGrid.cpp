#include "SearchGrid.h"

#include "platform/DelphiDate.h"

#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <QTableWidget>

namespace search {
namespace {

using K = platform::ControlKind;

// Kind labels with their buttons under them (placed again when the panel is prepared), the text,
// site and type filters, the row count with the "plus" button, and the grid below.
constexpr platform::ControlRow kPanel[] = {
    {K::Label, "TSLbNVO", "", 10, 6, 70, 16, "N°VO"},
    {K::Label, "TSLbImmat", "", 82, 6, 70, 16, "Immatricul."},
    {K::Label, "TSLbClient", "", 154, 6, 70, 16, "Nom Client"},
    {K::Label, "TSLbTelephone", "", 226, 6, 70, 16, "Téléphone"},
    {K::Label, "TSLbMobile", "", 226, 6, 70, 16, "Mobile"},
    {K::Button, "TSNVO", "", 10, 24, 66, 22, "", "recherche par numéro"},
    {K::Button, "TSImmat", "", 82, 24, 66, 22, "", "recherche par immatriculation"},
    {K::Button, "TSClient", "", 154, 24, 66, 22, "", "recherche par nom du client"},
    {K::Button, "TSTelephone", "", 226, 24, 66, 22, "", "recherche par téléphone"},
    {K::Button, "TSMobile", "", 226, 24, 66, 22, "", "recherche par mobile"},
    {K::Label, "LbSearch", "", 310, 6, 200, 16, "à rechercher :",
     "recherche exacte ou non|un clic passe de la recherche exacte à la recherche partielle"},
    {K::Edit, "ncbSearch", "", 310, 24, 200, 22},
    {K::Label, "ncbLbSite", "", 524, 6, 120, 16, "Site :"},
    {K::Combo, "ncbSite", "", 524, 24, 120, 22},
    {K::Label, "ncbLbTypeVO", "", 658, 6, 130, 16, "Type Véhicule :"},
    {K::Combo, "ncbTypeVO", "", 658, 24, 130, 22},
    {K::Label, "ncbLabel", "", 802, 6, 184, 16},
    {K::Button, "JvXPBtnSearchPlus", "", 802, 24, 100, 22, "plus+50enrg.", "50 enregistrements de plus"},
    {K::Label, "ncbInfoSearch", "", 0, 0, 0, 0},
    {K::Grid, "ngSearch", "", 6, 54, 980, 472},
};

constexpr int kImageIndex = Qt::UserRole;
constexpr int kSortKey = Qt::UserRole + 1;
constexpr const char* kOrderByDate = "OrderByDate";

// Sorts by its key when both items carry one (dates, image indexes), by text otherwise.
class SearchItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(kSortKey), b = other.data(kSortKey);
        if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
        return QString::localeAwareCompare(text(), other.text()) < 0;
    }
};

// The window's images of a result row: 2 another dealership, 3 another site, 4 a site of the user.
QIcon rowImage(int index) {
    static const QColor colours[] = {QColor(150, 150, 150), QColor(230, 140, 30), QColor(40, 160, 60)};
    static QIcon images[3];
    if (index < 2 || index > 4) return {};
    QIcon& icon = images[index - 2];
    if (icon.isNull()) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(colours[index - 2].darker(140));
        p.setBrush(colours[index - 2]);
        p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        icon = QIcon(pixmap);
    }
    return icon;
}

} // namespace

std::span<const platform::ControlRow> SearchPanelTable() {
    return kPanel;
}

void SetUpSearchGrid(QTableWidget* grid) {
    grid->setColumnCount(SearchColumns);
    grid->setColumnHidden(ngsIndex, true);
    const int widths[] = {0, 20, 100, 150, 150, 150, 200};
    for (int c = ngsImage; c < SearchColumns; ++c)
        grid->setColumnWidth(c, widths[c]);
    QHeaderView* header = grid->horizontalHeader();
    header->setStretchLastSection(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    grid->verticalHeader()->setDefaultSectionSize(20);
    // The rows come in the server's order; a click on a column header sorts them on the client.
    QObject::connect(header, &QHeaderView::sortIndicatorChanged, grid,
                     [grid](int column, Qt::SortOrder order) { grid->sortItems(column, order); });
}

void SetSearchColumns(QTableWidget* grid, int option) {
    const bool customers = option >= CustomerName;
    grid->setHorizontalHeaderLabels(
        customers ? QStringList{"", "", "Réf.", "Tél.Dom.", "Mobile", "Adresse", "Client"}
                  : QStringList{"", "", "N°VO", "D.Ordre", "Immat.", "Véhicule", "Client"});
    grid->setProperty(kOrderByDate, !customers);
    const int sorted = option == VehicleImmat || option == CustomerImmat || option == CustomerMobile
                           ? ngsInfo3
                       : option == CustomerPhone ? ngsInfo2
                       : option == VehicleNumber ? ngsInfo1
                                                 : ngsInfo5;
    const QSignalBlocker quiet(grid->horizontalHeader()); // marks the order the server used
    grid->horizontalHeader()->setSortIndicator(sorted, Qt::AscendingOrder);
}

void FillSearchGrid(QTableWidget* grid, const std::vector<SearchRow>& rows, int resultColumn) {
    const bool byDate = grid->property(kOrderByDate).toBool();
    grid->setUpdatesEnabled(false);
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid->rowCount(); ++r) {
        const SearchRow& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < SearchColumns; ++c) {
            auto* item = new SearchItem;
            if (c == ngsImage) {
                item->setData(kImageIndex, cells[c].toInt());
                item->setData(kSortKey, cells[c].toInt());
                item->setIcon(rowImage(cells[c].toInt()));
            } else {
                item->setText(cells[c]);
            }
            if (c == ngsInfo2 && byDate)
                item->setData(kSortKey, platform::StrToDateDef(cells[c], platform::kZeroDate));
            if (c == resultColumn) item->setForeground(QColor(0, 0, 255));
            grid->setItem(r, c, item);
        }
    }
    grid->setUpdatesEnabled(true);
}

QString SearchCell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    if (!item) return {};
    return column == ngsImage ? QString::number(item->data(kImageIndex).toInt()) : item->text();
}

} // namespace search
