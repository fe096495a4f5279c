// Where the grid over a record list goes, computed for geometries the pixel test of
// the list cannot pin down: column edges at and past the right edge, a scrolled
// list, pages that end above or below the client area.
#include "listctrl/ListGrid.h"

#include <QtTest>

namespace {

QStringList Texts(const std::vector<GridLine>& lines) {
    QStringList texts;
    for (const GridLine& line : lines) {
        texts << QStringLiteral("%1,%2 %3,%4").arg(line.from.x()).arg(line.from.y()).arg(line.to.x()).arg(line.to.y());
    }
    return texts;
}

} // namespace

class ListGridTest : public QObject {
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
};

void ListGridTest::lines_data() {
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<int>("firstVisible");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("scrollX");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QStringList>("expected");
    // Header 20 px, client 100 px wide; a page of 5 rows in 100 or 103 px is 20 px a row.
    // Guards against a line drawn on (and a walk going past) a column edge that falls
    // exactly on the list's right edge.
    QTest::newRow("column edge on the right edge")
        << 120 << 0 << 5 << 3 << 0 << QList<int>{40, 60, 30}
        << QStringList{"39,22 39,82", "1,22 1,82", "1,82 100,82", "1,21 100,21"};
    QTest::newRow("column past the right edge")
        << 120 << 0 << 5 << 3 << 0 << QList<int>{40, 70}
        << QStringList{"39,22 39,82", "1,22 1,82", "1,82 110,82", "1,21 110,21"};
    // Guards against the scroll position added instead of taken off.
    QTest::newRow("scrolled to the right")
        << 120 << 0 << 5 << 3 << 30 << QList<int>{40, 60, 50}
        << QStringList{"9,22 9,82", "69,22 69,82", "1,22 1,82", "1,82 120,82", "1,21 120,21"};
    // Guards against the grid stopping at the last whole row while rows go on below.
    QTest::newRow("rows go on below the page")
        << 123 << 2 << 5 << 10 << 0 << QList<int>{40, 30}
        << QStringList{"39,22 39,125", "69,22 69,125", "1,22 1,125", "1,125 70,125", "1,21 70,21"};
    QTest::newRow("last page partly filled")
        << 123 << 5 << 5 << 7 << 0 << QList<int>{40, 30}
        << QStringList{"39,22 39,62", "69,22 69,62", "1,22 1,62", "1,62 70,62", "1,21 70,21"};
    QTest::newRow("empty list") << 120 << 0 << 5 << 0 << 0 << QList<int>{40, 30} << QStringList{};
    QTest::newRow("not one row fits") << 30 << 0 << 0 << 3 << 0 << QList<int>{40, 30} << QStringList{};
}

void ListGridTest::lines() {
    QFETCH(int, clientHeight);
    QFETCH(int, firstVisible);
    QFETCH(int, perPage);
    QFETCH(int, rowCount);
    QFETCH(int, scrollX);
    QFETCH(QList<int>, widths);
    QFETCH(QStringList, expected);
    GridGeometry geometry;
    geometry.headerHeight = 20;
    geometry.clientHeight = clientHeight;
    geometry.clientWidth = 100;
    geometry.firstVisible = firstVisible;
    geometry.perPage = perPage;
    geometry.rowCount = rowCount;
    geometry.scrollX = scrollX;
    geometry.columnWidths.assign(widths.begin(), widths.end());
    QCOMPARE(Texts(ComputeGridLines(geometry)), expected);
}

QTEST_APPLESS_MAIN(ListGridTest)
#include "ListGridTest.moc"
