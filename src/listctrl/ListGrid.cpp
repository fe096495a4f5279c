#include "ListGrid.h"

#include <algorithm>

std::vector<GridLine> ComputeGridLines(const GridGeometry& g) {
    std::vector<GridLine> lines;
    if (g.perPage <= 0) {
        return lines;
    }
    const int h = g.headerHeight;
    const int visible = std::max(0, std::min(g.perPage, g.rowCount - g.firstVisible));
    const int rowHeight = (g.clientHeight - h) / g.perPage;
    const bool endsOnPage = g.rowCount <= g.firstVisible + visible;
    const int bottom =
        (endsOnPage || visible * rowHeight == g.clientHeight - h) ? h + visible * rowHeight : g.clientHeight;

    auto add = [&lines](QPoint from, QPoint to) {
        if (from != to) {
            lines.push_back({from, to});
        }
    };
    int x = -g.scrollX;
    for (const int width : g.columnWidths) {
        x += width;
        if (x >= g.clientWidth) {
            break;
        }
        add({x - 1, h + 2}, {x - 1, bottom + 2});
    }
    if (bottom != h) {
        add({1, h + 2}, {1, bottom + 2});
        add({1, bottom + 2}, {x, bottom + 2});
    }
    if (g.rowCount > 0 && bottom != h) {
        add({1, h + 1}, {x, h + 1});
    }
    return lines;
}
