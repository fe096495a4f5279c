#pragma once
// The printed pages of a channel list, laid out from plain rows: a table of the given
// columns fitted to the page width, or the Channel Card (number and name only, large
// type, two columns). Every page carries a header (file name, date, what is printed
// and the counts) and its page number. Qt Gui only: the editor prints through it and
// orvane-cli writes its PDF through it without a display.
//
// The layout works in points (1/72 inch) with pixel-sized fonts, so the same page
// comes out alike on a printer, a PDF and the preview, whatever their resolution.
#include "TextFace.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace print {

enum class Layout { Table, Card };

struct PrintColumn {
    QString caption;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// What is printed: the rows in their order, each with one text per column.
struct PrintSheet {
    QString fileName;
    QString dateText;
    QString subject; // "Channel list", "Favourite group: News", ...
    QString counts;  // "120 of 4,000 channels", ...
    std::vector<PrintColumn> columns;
    std::vector<QStringList> rows;
    // The Card's two texts of a row: the number and the name.
    int numberColumn = 0;
    int nameColumn = 1;
};

class CPageLayout {
public:
    // `page` is the printable area in points. The layout reads `sheet` while it paints:
    // the sheet must outlive it.
    CPageLayout(const PrintSheet& sheet, Layout layout, QSizeF page);
    CPageLayout(PrintSheet&& sheet, Layout layout, QSizeF page) = delete;

    int PageCount() const { return m_pageCount; }
    QSizeF PageSize() const { return m_page; }
    // Paints page `index` (0 first) with the painter set to points, origin at the
    // printable area's top-left corner.
    void PaintPage(QPainter& painter, int index) const;
    // The width each table column got (points); the Card's two.
    const std::vector<double>& ColumnWidths() const { return m_widths; }
    int RowsPerPage() const { return m_rowsPerPage; }

private:
    void FitTableColumns();
    void PaintHeader(QPainter& painter, int index) const;
    void PaintTablePage(QPainter& painter, int index) const;
    void PaintCardPage(QPainter& painter, int index) const;
    double BodyTop() const;

    const PrintSheet& m_sheet;
    Layout m_layout;
    QSizeF m_page;
    CTextFace m_title;
    CTextFace m_text;
    CTextFace m_bold;
    CTextFace m_card;
    double m_rowHeight = 0;
    std::vector<double> m_widths;
    // Cell widths as measured, row by row; a cell wider than its column is cut with "...".
    std::vector<float> m_cellWidths;
    int m_rowsPerPage = 1;
    int m_pageCount = 1;
};

// Paints every page of `sheet` on `device` (a printer or a PDF writer), using its page
// layout. False when the device cannot be painted on.
bool PrintSheetOn(QPagedPaintDevice& device, const PrintSheet& sheet, Layout layout);

// Paints `sheet` as a PDF on A4 in the given orientation into `out`, open for writing.
// False when the pages could not be painted.
bool PaintPdf(QIODevice& out, const PrintSheet& sheet, Layout layout, QPageLayout::Orientation orientation);

// Writes `sheet` as a PDF file at `path` in place of any file there, on A4 in the
// given orientation. False with a one-line reason in `error`.
bool WritePdf(const QString& path, const PrintSheet& sheet, Layout layout, QPageLayout::Orientation orientation,
              QString& error);

// The header's date and counts, as both the editor and orvane-cli word them.
QString TodayText();
QString CountsText(qsizetype shown, qsizetype total);

} // namespace print
