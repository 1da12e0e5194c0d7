#pragma once
// The panel's design-time controls and its result grid: columns, captions and sort marks by search
// kind, the images of the rows, and rows filled from their cells.
#include "platform/FormBuilder.h"
#include "search/SearchQuery.h"

#include <span>
#include <vector>

class QTableWidget;

namespace search {

std::span<const platform::ControlRow> SearchPanelTable();

using SearchRow = std::array<QString, SearchColumns>;

// Column widths, the hidden identifier column and the header that sorts on a click.
void SetUpSearchGrid(QTableWidget* grid);
// Captions of a search kind, the column marked as sorted, and whether the order column sorts by date.
void SetSearchColumns(QTableWidget* grid, int option);
// Replaces the rows; the text of resultColumn is drawn in blue.
void FillSearchGrid(QTableWidget* grid, const std::vector<SearchRow>& rows, int resultColumn);
// The cell's text; the image index for column ngsImage; empty outside the grid.
QString SearchCell(const QTableWidget* grid, int row, int column);

} // namespace search
