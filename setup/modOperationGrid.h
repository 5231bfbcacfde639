#pragma once

#include "model/modOperations.h"

#include <QString>

#include <cstddef>
#include <iterator>
#include <optional>
#include <vector>

// The operation grid of the Setup window, in twips: a column for each row of the operation table,
// with a bold heading and a rule parting it from the column before, and a row of boxes for the
// operation's Include box and for each kind of result. The window builds the grid from these
// tables and the operation table alone.

struct GridColumn {
    int boxLeft;
    int headingLeft;
    int headingWidth;
    int ruleX; // the rule before the column; the first column has none
};

// One column for each operation, in the table's order.
inline constexpr GridColumn GridColumns[] = {
    {5400, 5520, 705, 0},
    {6720, 6705, 990, 6495},
    {8160, 8070, 1140, 7890},
    {9600, 9600, 660, 9360},
};
static_assert(std::size(GridColumns) == std::size(Operations), "every operation has a column");

inline constexpr int GridHeadingTop = 1080;
inline constexpr int GridHeadingHeight = 195;
// The rule under the headings, and where the column rules start.
inline constexpr int GridRuleY = 1380;
inline constexpr int GridRuleLeft = 5280;
inline constexpr int GridRuleRight = 10560;

struct GridRow {
    std::optional<ResultKind> kind; // none: the Include box of the operation
    const char *caption;
    int top;
    int width;
    int height;
};

// Top to bottom. A column has a box in a row of a kind only where its operation has a flag for it.
inline constexpr GridRow GridRows[] = {
    {std::nullopt, QT_TRANSLATE_NOOP("frmSetup", "Include"), 1560, 855, 255},
    {ResultKind::Positive, QT_TRANSLATE_NOOP("frmSetup", "Positive"), 1920, 1000, 255},
    {ResultKind::Negative, QT_TRANSLATE_NOOP("frmSetup", "Negative"), 2160, 1000, 255},
    {ResultKind::Zero, QT_TRANSLATE_NOOP("frmSetup", "Zero"), 2400, 1000, 255},
    {ResultKind::Whole, QT_TRANSLATE_NOOP("frmSetup", "Whole"), 2520, 1000, 195},
    {ResultKind::Fraction, QT_TRANSLATE_NOOP("frmSetup", "Fraction"), 2760, 1000, 195},
};

// The row of the operations' own boxes; every other row is a kind of result.
inline constexpr std::size_t IncludeRow = 0;
static_assert(!GridRows[IncludeRow].kind);

// An Include box's caption once its rule has left the operation included; empty once excluded.
inline constexpr char IncludedCaption[] = QT_TRANSLATE_NOOP("frmSetup", "Included");

// A place in the grid: a column and a row of GridRows, or the column's heading.
struct GridCell {
    std::size_t column;
    std::optional<std::size_t> row; // none: the heading
    bool operator==(const GridCell &) const = default;
};

bool HasBox(std::size_t column, const GridRow &row);

// The drill setting a box shows and writes: gbAdd, gbAddPos.
bool &GridSetting(std::size_t column, const GridRow &row);

// The object names: chkAdd and chkAddPos for the boxes, Label6 to Label9 for the headings and
// Line2 to Line4 for the rules before the columns, along the operation table.
QString GridBoxName(std::size_t column, const GridRow &row);
QString GridHeadingName(std::size_t column);
QString GridRuleName(std::size_t column);

// How far down the rule before a column runs: a little past the lower of its two columns.
int GridRuleBottom(std::size_t column);

// The boxes in the order Tab visits them, and the headings and boxes in the order a screen reader
// reads them.
std::vector<GridCell> GridTabOrder();
std::vector<GridCell> GridReadingOrder();
