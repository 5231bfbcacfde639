#include "setup/modOperationGrid.h"

#include <algorithm>

namespace
{

// The lowest edge of a column's boxes.
int boxesBottom(std::size_t column)
{
    int bottom = 0;
    for (const GridRow &row : GridRows) {
        if (HasBox(column, row))
            bottom = std::max(bottom, row.top + row.height);
    }
    return bottom;
}

} // namespace

bool HasBox(std::size_t column, const GridRow &row)
{
    return !row.kind || Operations[column].flag(*row.kind);
}

QString GridBoxName(std::size_t column, const GridRow &row)
{
    QString name = QStringLiteral("chk") + QLatin1String(Operations[column].name);
    if (row.kind)
        name += QLatin1String(ResultKindName(*row.kind));
    return name;
}

bool &GridSetting(std::size_t column, const GridRow &row)
{
    const Operation &operation = Operations[column];
    return row.kind ? *operation.flag(*row.kind) : *operation.included;
}

QString GridHeadingName(std::size_t column)
{
    return QStringLiteral("Label%1").arg(column + 6);
}

QString GridRuleName(std::size_t column)
{
    return QStringLiteral("Line%1").arg(column + 1);
}

int GridRuleBottom(std::size_t column)
{
    return std::max(boxesBottom(column - 1), boxesBottom(column)) + 50;
}

std::vector<GridCell> GridTabOrder()
{
    // The Include boxes from the last column to the first; then each column's kinds, the last
    // column first, a quotient's form ahead of its sign and a zero between positive and negative.
    static constexpr ResultKind kindOrder[] = {ResultKind::Fraction, ResultKind::Whole,
                                               ResultKind::Positive, ResultKind::Zero,
                                               ResultKind::Negative};
    auto rowOf = [](std::optional<ResultKind> kind) {
        return std::size_t(std::find_if(std::begin(GridRows), std::end(GridRows),
                                        [kind](const GridRow &row) { return row.kind == kind; }) -
                           std::begin(GridRows));
    };
    std::vector<GridCell> order;
    for (std::size_t column = std::size(GridColumns); column-- > 0;)
        order.push_back({column, rowOf(std::nullopt)});
    for (std::size_t column = std::size(GridColumns); column-- > 0;) {
        for (const ResultKind kind : kindOrder) {
            if (HasBox(column, GridRows[rowOf(kind)]))
                order.push_back({column, rowOf(kind)});
        }
    }
    return order;
}

std::vector<GridCell> GridReadingOrder()
{
    // Column by column, each from its heading down.
    std::vector<GridCell> order;
    for (std::size_t column = 0; column < std::size(GridColumns); ++column) {
        order.push_back({column, std::nullopt});
        for (std::size_t row = 0; row < std::size(GridRows); ++row) {
            if (HasBox(column, GridRows[row]))
                order.push_back({column, row});
        }
    }
    return order;
}
