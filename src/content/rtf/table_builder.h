#pragma once

#include <optional>
#include <vector>

#include "content/rtf/document.h"

namespace velocarta::rtf {

// One cell's definition in a row (\cellx and the cell properties before it).
struct CellDefinition {
    int rightEdge = 0;
    bool mergeFirst = false;
    bool merged = false;
    bool verticalMergeFirst = false;
    bool verticalMerged = false;
    std::optional<Rgb> background;
};

// The row definition that \trowd starts. It may come before or after the row's cells, so
// the reader applies it when the row ends.
struct RowDefinition {
    int leftEdge = 0;
    std::vector<CellDefinition> cells;
    CellDefinition next;  // properties of the cell whose \cellx has not come yet

    void reset() { *this = RowDefinition{}; }
};

// Collects one table (of one nesting level) cell by cell and row by row.
class TableBuilder {
  public:
    RowDefinition definition;

    // The blocks of the cell being read.
    std::vector<Block>& blocks() { return cellBlocks_; }
    bool cellHasBlocks() const { return !cellBlocks_.empty(); }
    bool rowHasCells() const { return !rowCells_.empty(); }
    bool empty() const { return rows_.empty() && rowCells_.empty() && cellBlocks_.empty(); }

    void endCell();
    void endRow();
    // Ends what is open and lays the rows out on one grid of columns.
    Table finish();

  private:
    struct PendingRow {
        std::vector<std::vector<Block>> cells;
        RowDefinition definition;
    };

    std::vector<PendingRow> rows_;
    std::vector<std::vector<Block>> rowCells_;
    std::vector<Block> cellBlocks_;
};

}  // namespace velocarta::rtf
