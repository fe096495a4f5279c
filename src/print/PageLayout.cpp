#include "PageLayout.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace print {

namespace {

constexpr double kCellPad = 4;    // each side of a table cell
constexpr double kHeaderGap = 6;  // below the header lines
constexpr double kCardGap = 24;   // between the Card's two columns
constexpr double kTextSize = 8;   // the table's type
constexpr double kTitleSize = 12; // the file name
constexpr double kCardSize = 20;  // the Card's large type
constexpr double kLineFactor = 1.5;
constexpr double kNameShare = 0.4; // of the page width, at most, for the name column
const QColor kShade(238, 238, 238);

QFont MakeFont(double size, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    // Unhinted metrics scale: what is measured here is what a printer at any
    // resolution draws.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double LineHeight(const CTextFace& face) {
    return face.Font().pixelSize() * kLineFactor;
}

// Where a text of `width` starts in a box from `left` of `boxWidth`.
double TextLeft(Qt::Alignment alignment, double left, double boxWidth, double width) {
    if (alignment & Qt::AlignRight) {
        return left + boxWidth - width;
    }
    if (alignment & Qt::AlignHCenter) {
        return left + (boxWidth - width) / 2;
    }
    return left;
}

// The baseline of a line of `font` centred in a band from `top` of `height`.
double Baseline(const CTextFace& face, double top, double height) {
    const QFontMetricsF& metrics = face.Metrics();
    return top + (height - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
}

// `text` in a box of `boxWidth`, cut with "..." when its `width` does not fit.
void DrawFitted(QPainter& painter, const CTextFace& face, const QString& text, double width, Qt::Alignment alignment,
                double left, double boxWidth, double baseline) {
    if (width <= boxWidth) {
        face.Draw(painter, QPointF(TextLeft(alignment, left, boxWidth, width), baseline), text);
        return;
    }
    face.Draw(painter, QPointF(left, baseline), face.Metrics().elidedText(text, Qt::ElideRight, boxWidth));
}

} // namespace

CPageLayout::CPageLayout(const PrintSheet& sheet, Layout layout, QSizeF page)
    : m_sheet(sheet), m_layout(layout), m_page(page), m_title(MakeFont(kTitleSize, true)),
      m_text(MakeFont(kTextSize, false)), m_bold(MakeFont(kTextSize, true)), m_card(MakeFont(kCardSize, false)) {
    m_rowHeight = LineHeight(m_layout == Layout::Card ? m_card : m_text);
    const double footer = LineHeight(m_text) + kHeaderGap;
    const double body = m_page.height() - BodyTop() - footer;
    m_rowsPerPage = std::max(1, static_cast<int>(std::floor(body / m_rowHeight)));
    const qsizetype perPage = m_layout == Layout::Card ? 2 * qsizetype(m_rowsPerPage) : m_rowsPerPage;
    m_pageCount = std::max<qsizetype>(1, (qsizetype(m_sheet.rows.size()) + perPage - 1) / perPage);
    if (m_layout == Layout::Table) {
        FitTableColumns();
        return;
    }
    // The Card: the widest number, then the name in the rest of the column.
    const CTextFace& metrics = m_card;
    double number = 0;
    for (const QStringList& row : m_sheet.rows) {
        number = std::max(number, metrics.Width(row.value(m_sheet.numberColumn)));
    }
    const double column = std::max(0.0, (m_page.width() - kCardGap) / 2);
    number = std::min(number + 2 * kCellPad, column / 2);
    m_widths = {number, column - number};
}

double CPageLayout::BodyTop() const {
    double top = LineHeight(m_title) + LineHeight(m_text) + kHeaderGap;
    if (m_layout == Layout::Table) {
        top += LineHeight(m_bold);
    }
    return top;
}

// Each column wants its widest text; when they do not all fit, the narrow ones keep
// theirs and the wide ones share what is left alike, their long texts cut.
void CPageLayout::FitTableColumns() {
    const size_t columns = m_sheet.columns.size();
    std::vector<double> wanted(columns, 0);
    const CTextFace& bold = m_bold;
    for (size_t c = 0; c < columns; ++c) {
        wanted[c] = bold.Width(m_sheet.columns[c].caption);
    }
    const CTextFace& metrics = m_text;
    m_cellWidths.assign(m_sheet.rows.size() * columns, 0);
    for (size_t r = 0; r < m_sheet.rows.size(); ++r) {
        const QStringList& row = m_sheet.rows[r];
        for (size_t c = 0; c < columns && c < size_t(row.size()); ++c) {
            const double width = metrics.Width(row[qsizetype(c)]);
            m_cellWidths[r * columns + c] = static_cast<float>(width);
            wanted[c] = std::max(wanted[c], width);
        }
    }
    std::vector<size_t> order(columns);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&wanted](size_t a, size_t b) { return wanted[a] < wanted[b]; });
    m_widths.assign(columns, 0);
    double left = m_page.width();
    size_t remaining = columns;
    // The names are what a list is printed for: theirs is fitted first, up to a share
    // that leaves the other columns room.
    const auto name = size_t(m_sheet.nameColumn);
    if (name < columns && columns > 1) {
        m_widths[name] = std::min(std::ceil(wanted[name]) + 2 * kCellPad, left * kNameShare);
        left -= m_widths[name];
        --remaining;
        std::erase(order, name);
    }
    for (const size_t c : order) {
        const double share = std::max(0.0, left / double(remaining));
        m_widths[c] = std::min(std::ceil(wanted[c]) + 2 * kCellPad, share);
        left -= m_widths[c];
        --remaining;
    }
}

void CPageLayout::PaintPage(QPainter& painter, int index) const {
    PaintHeader(painter, index);
    if (m_layout == Layout::Table) {
        PaintTablePage(painter, index);
    } else {
        PaintCardPage(painter, index);
    }
}

void CPageLayout::PaintHeader(QPainter& painter, int index) const {
    const double width = m_page.width();
    painter.setPen(Qt::black);
    painter.setFont(m_title.Font());
    const CTextFace& title = m_title;
    const double titleHeight = LineHeight(m_title);
    const double dateWidth = title.Width(m_sheet.dateText);
    const double nameBox = std::max(0.0, width - dateWidth - 2 * kCellPad);
    DrawFitted(painter, title, m_sheet.fileName, title.Width(m_sheet.fileName), Qt::AlignLeft, 0, nameBox,
               Baseline(title, 0, titleHeight));
    painter.drawText(QPointF(width - dateWidth, Baseline(title, 0, titleHeight)), m_sheet.dateText);

    painter.setFont(m_text.Font());
    const CTextFace& text = m_text;
    const double lineHeight = LineHeight(m_text);
    const double countsWidth = text.Width(m_sheet.counts);
    const double baseline = Baseline(text, titleHeight, lineHeight);
    DrawFitted(painter, text, m_sheet.subject, text.Width(m_sheet.subject), Qt::AlignLeft, 0,
               std::max(0.0, width - countsWidth - 2 * kCellPad), baseline);
    painter.drawText(QPointF(width - countsWidth, baseline), m_sheet.counts);
    const double rule = titleHeight + lineHeight + kHeaderGap / 2;
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));

    const QString number = QCoreApplication::translate("PageLayout", "Page %1 of %2").arg(index + 1).arg(m_pageCount);
    const double footerTop = m_page.height() - lineHeight;
    painter.drawText(QPointF((width - text.Width(number)) / 2, Baseline(text, footerTop, lineHeight)), number);
}

void CPageLayout::PaintTablePage(QPainter& painter, int index) const {
    const size_t columns = m_sheet.columns.size();
    const double tableWidth = std::accumulate(m_widths.begin(), m_widths.end(), 0.0);
    double top = BodyTop() - LineHeight(m_bold);
    painter.setFont(m_bold.Font());
    const CTextFace& bold = m_bold;
    double left = 0;
    for (size_t c = 0; c < columns; ++c) {
        const PrintColumn& column = m_sheet.columns[c];
        DrawFitted(painter, bold, column.caption, bold.Width(column.caption), column.alignment, left + kCellPad,
                   m_widths[c] - 2 * kCellPad, Baseline(bold, top, m_rowHeight));
        left += m_widths[c];
    }
    top += m_rowHeight;
    painter.drawLine(QPointF(0, top), QPointF(tableWidth, top));

    painter.setFont(m_text.Font());
    const CTextFace& metrics = m_text;
    const size_t first = size_t(index) * size_t(m_rowsPerPage);
    const size_t last = std::min(m_sheet.rows.size(), first + size_t(m_rowsPerPage));
    for (size_t r = first; r < last; ++r, top += m_rowHeight) {
        if ((r - first) % 2 == 1) {
            painter.fillRect(QRectF(0, top, tableWidth, m_rowHeight), kShade);
        }
        const QStringList& row = m_sheet.rows[r];
        const double baseline = Baseline(metrics, top, m_rowHeight);
        left = 0;
        for (size_t c = 0; c < columns && c < size_t(row.size()); ++c) {
            DrawFitted(painter, metrics, row[qsizetype(c)], m_cellWidths[r * columns + c], m_sheet.columns[c].alignment,
                       left + kCellPad, m_widths[c] - 2 * kCellPad, baseline);
            left += m_widths[c];
        }
    }
}

void CPageLayout::PaintCardPage(QPainter& painter, int index) const {
    painter.setFont(m_card.Font());
    const CTextFace& metrics = m_card;
    const size_t perPage = 2 * size_t(m_rowsPerPage);
    const size_t first = size_t(index) * perPage;
    const size_t last = std::min(m_sheet.rows.size(), first + perPage);
    const double top = BodyTop();
    for (size_t r = first; r < last; ++r) {
        const size_t slot = r - first;
        const double left = slot < size_t(m_rowsPerPage) ? 0 : m_widths[0] + m_widths[1] + kCardGap;
        const double y = top + double(slot % size_t(m_rowsPerPage)) * m_rowHeight;
        const double baseline = Baseline(metrics, y, m_rowHeight);
        const QString number = m_sheet.rows[r].value(m_sheet.numberColumn);
        const QString name = m_sheet.rows[r].value(m_sheet.nameColumn);
        DrawFitted(painter, metrics, number, metrics.Width(number), Qt::AlignRight, left, m_widths[0] - 2 * kCellPad,
                   baseline);
        DrawFitted(painter, metrics, name, metrics.Width(name), Qt::AlignLeft, left + m_widths[0], m_widths[1],
                   baseline);
    }
}

bool PrintSheetOn(QPagedPaintDevice& device, const PrintSheet& sheet, Layout layout) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const CPageLayout pages(sheet, layout, device.pageLayout().paintRect(QPageLayout::Point).size());
    const double scaleX = device.logicalDpiX() / 72.0;
    const double scaleY = device.logicalDpiY() / 72.0;
    for (int i = 0; i < pages.PageCount(); ++i) {
        if (i > 0 && !device.newPage()) {
            return false;
        }
        painter.save();
        painter.scale(scaleX, scaleY);
        pages.PaintPage(painter, i);
        painter.restore();
    }
    return painter.end();
}

bool PaintPdf(QIODevice& out, const PrintSheet& sheet, Layout layout, QPageLayout::Orientation orientation) {
    QPdfWriter writer(&out);
    writer.setResolution(72);
    writer.setCreator(QStringLiteral("Orvane"));
    writer.setTitle(sheet.fileName);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    return PrintSheetOn(writer, sheet, layout);
}

bool WritePdf(const QString& path, const PrintSheet& sheet, Layout layout, QPageLayout::Orientation orientation,
              QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QCoreApplication::translate("PageLayout", "%1: cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    const bool painted = PaintPdf(file, sheet, layout, orientation);
    if (!painted || !file.commit()) {
        error = QCoreApplication::translate("PageLayout", "%1: cannot be written: %2")
                    .arg(path, painted ? file.errorString()
                                       : QCoreApplication::translate("PageLayout", "the PDF could not be painted"));
        return false;
    }
    return true;
}

QString TodayText() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString CountsText(qsizetype shown, qsizetype total) {
    if (shown == total) {
        return QCoreApplication::translate("PageLayout", "%1 channels").arg(total);
    }
    return QCoreApplication::translate("PageLayout", "%1 of %2 channels").arg(shown).arg(total);
}

} // namespace print
