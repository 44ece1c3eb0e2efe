#include "content/rtf/table_builder.h"

#include <algorithm>
#include <utility>

namespace velocarta::rtf {

namespace {

constexpr std::size_t kMaxCellsPerRow = 4096;
// A cell without a \cellx of its own is given this width after the last known edge.
constexpr int kDefaultCellWidth = 1440;
// More distinct cell edges than this (Word allows 63 columns) is no real table: its cells
// are then laid out one grid column each.
constexpr std::size_t kMaxGridEdges = 64;

struct CellPlacement {
    int left = 0;
    int right = 0;
    const CellDefinition* definition = nullptr;
    std::vector<Block> blocks;
};

bool HasText(const std::vector<Block>& blocks) {
    for (const Block& block : blocks) {
        const auto* paragraph = std::get_if<Paragraph>(&block.content);
        if (paragraph == nullptr || !paragraph->content.empty() || !paragraph->listText.empty()) {
            return true;
        }
    }
    return false;
}

// The cells of one row with their edges, horizontal merges resolved.
std::vector<CellPlacement> PlaceRow(std::vector<std::vector<Block>>& cells,
                                    const RowDefinition& definition) {
    static const CellDefinition kNoDefinition;
    std::vector<CellPlacement> placed;
    int edge = definition.leftEdge;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CellDefinition* cell =
            i < definition.cells.size() ? &definition.cells[i] : &kNoDefinition;
        // Edges stay within a few million twips (the reader clamps them, rows have at most
        // kMaxCellsPerRow cells), far from the end of int.
        int right = i < definition.cells.size() ? cell->rightEdge : edge + kDefaultCellWidth;
        right = std::max(right, edge + 1);  // edges must grow, whatever the writer put
        if (cell->merged && !placed.empty()) {
            CellPlacement& owner = placed.back();
            owner.right = right;
            if (HasText(cells[i])) {
                for (Block& block : cells[i]) {
                    owner.blocks.push_back(std::move(block));
                }
            }
        } else {
            placed.push_back({edge, right, cell, std::move(cells[i])});
        }
        edge = right;
    }
    return placed;
}

}  // namespace

void TableBuilder::endCell() {
    if (rowCells_.size() < kMaxCellsPerRow) {
        rowCells_.push_back(std::move(cellBlocks_));
    } else {
        // Word stops at 63 columns; past this many the cells' text joins the last cell.
        for (Block& block : cellBlocks_) {
            rowCells_.back().push_back(std::move(block));
        }
    }
    cellBlocks_.clear();
}

void TableBuilder::endRow() {
    if (!cellBlocks_.empty()) {
        endCell();
    }
    if (rowCells_.empty()) {
        return;
    }
    rows_.push_back({std::move(rowCells_), definition});
    rowCells_.clear();
}

Table TableBuilder::finish() {
    endRow();
    std::vector<std::vector<CellPlacement>> placedRows;
    placedRows.reserve(rows_.size());
    std::vector<int> edges;
    for (PendingRow& row : rows_) {
        placedRows.push_back(PlaceRow(row.cells, row.definition));
        for (const CellPlacement& cell : placedRows.back()) {
            edges.push_back(cell.left);
            edges.push_back(cell.right);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    Table table;
    const bool useGrid = edges.size() <= kMaxGridEdges;
    std::size_t columns = 0;
    if (useGrid && !edges.empty()) {
        table.leftEdge = edges.front();
        table.columnEdges.assign(edges.begin() + 1, edges.end());
        columns = table.columnEdges.size();
    } else {
        for (const auto& row : placedRows) {
            columns = std::max(columns, row.size());
        }
        for (std::size_t i = 0; i < columns; ++i) {
            table.columnEdges.push_back(static_cast<int>(i + 1) * kDefaultCellWidth);
        }
    }
    auto columnOf = [&](int edge) {
        return static_cast<int>(std::lower_bound(edges.begin(), edges.end(), edge) - edges.begin());
    };

    // The cell that owns each grid column in the row above: a vertically merged cell joins
    // it when it covers the same columns.
    struct Owner {
        int row = -1;
        int cell = -1;
    };
    std::vector<Owner> above(columns);
    for (std::size_t r = 0; r < placedRows.size(); ++r) {
        Row row;
        // Sized to this row: rows of one cell under a row of thousands stay cheap.
        std::vector<Owner> current(useGrid ? columns : placedRows[r].size());
        for (std::size_t i = 0; i < placedRows[r].size(); ++i) {
            CellPlacement& placed = placedRows[r][i];
            Cell cell;
            cell.background = placed.definition->background;
            if (useGrid) {
                cell.column = columnOf(placed.left);
                cell.columnSpan = std::max(1, columnOf(placed.right) - cell.column);
            } else {
                cell.column = static_cast<int>(i);
            }
            Owner owner{static_cast<int>(r), static_cast<int>(i)};
            const auto column = static_cast<std::size_t>(cell.column);
            if (placed.definition->verticalMerged && column < above.size() &&
                above[column].row >= 0) {
                Cell& top = table.rows[static_cast<std::size_t>(above[column].row)]
                                .cells[static_cast<std::size_t>(above[column].cell)];
                if (top.column == cell.column && top.columnSpan == cell.columnSpan) {
                    top.rowSpan = static_cast<int>(r) - above[column].row + 1;
                    cell.covered = true;
                    owner = above[column];
                    if (HasText(placed.blocks)) {
                        for (Block& block : placed.blocks) {
                            top.blocks.push_back(std::move(block));
                        }
                        placed.blocks.clear();
                    }
                }
            }
            cell.blocks = std::move(placed.blocks);
            for (int c = cell.column; c < cell.column + cell.columnSpan; ++c) {
                if (static_cast<std::size_t>(c) < current.size()) {
                    current[static_cast<std::size_t>(c)] = owner;
                }
            }
            row.cells.push_back(std::move(cell));
        }
        table.rows.push_back(std::move(row));
        above = std::move(current);
    }
    rows_.clear();
    return table;
}

}  // namespace velocarta::rtf
