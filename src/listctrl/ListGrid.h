#pragma once
// Where the light grid over a record list goes. Pure geometry, in the list's client
// coordinates with the header on top (y = 0 is the top of the header); the control
// paints the lines after the list has painted its rows.
#include <QPoint>

#include <vector>

struct GridGeometry {
    int headerHeight = 0; // H
    int clientHeight = 0; // Hc, header included
    int clientWidth = 0;  // W
    int firstVisible = 0; // t
    int perPage = 0;      // p, rows that fit on the page
    int rowCount = 0;     // n
    int scrollX = 0;      // horizontal scroll position
    std::vector<int> columnWidths;
};

// A line from `from` up to, not including, `to` (the end point is left out, as a
// pen stroke from one point to the next draws it).
struct GridLine {
    QPoint from;
    QPoint to;
};

// The lines to draw; none for an empty list, and none when not one row fits on the
// page, since then there is no row height to lay a grid on.
std::vector<GridLine> ComputeGridLines(const GridGeometry& g);
