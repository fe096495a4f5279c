// Printing the 19,999-channel fixture as the editor does: the channel list as shown
// turned into rows, then the table layout written as a PDF, against a baseline that
// writes the same rows as CSV; and the preview up to its first page painted. Prints
// the page counts, the medians in ms, the ratios and the targets (3 s, 300 ms).
// Run with QT_QPA_PLATFORM=offscreen.
#include "BenchEditor.h"
#include "BenchTiming.h"
#include "FixtureBuilder.h"
#include "print/ListPrintSheet.h"
#include "print/PrintDialogs.h"
#include "seams/MessageBox.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {

using bench::MedianOf;

bool WriteCsv(const QString& path, const print::PrintSheet& sheet) {
    QByteArray text;
    for (const QStringList& row : sheet.rows) {
        text += row.join(QLatin1Char(',')).toUtf8();
        text += '\n';
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

// The process's processor time for `work`: on a machine other programs share, the
// wall time above also counts their turns.
double CpuMs(const std::function<void()>& work) {
    const std::clock_t start = std::clock();
    work();
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
}

const char* Verdict(double ms, double budget) {
    return ms < budget ? "within" : "OVER";
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    COrvaneApp::SelectSettingsStore();
    MessageBox::SetScripted(true);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.dat"));
    fixtures::WriteLargeDb(path.toStdString());
    bench::CBenchEditor editor;
    if (!editor.Open(path)) {
        return 1;
    }
    const CRecordListCtrl& list = *editor.List();
    const QString csv = dir.filePath(QStringLiteral("large.csv"));
    const QString pdf = dir.filePath(QStringLiteral("large.pdf"));
    const auto sheetOf = [&list](print::Layout layout) {
        return print::SheetFromList(list, QStringLiteral("large.dat"), layout);
    };

    bool ok = true;
    const double csvMs = MedianOf(5, [&] { ok = WriteCsv(csv, sheetOf(print::Layout::Table)) && ok; });
    QString error;
    const auto pdfOf = [&](print::Layout layout) {
        return MedianOf(
            3, [&] { ok = print::WritePdf(pdf, sheetOf(layout), layout, QPageLayout::Portrait, error) && ok; });
    };
    const double tableMs = pdfOf(print::Layout::Table);
    const qint64 pdfBytes = QFileInfo(pdf).size();
    const double tableCpuMs = CpuMs([&] {
        ok = print::WritePdf(pdf, sheetOf(print::Layout::Table), print::Layout::Table, QPageLayout::Portrait, error) &&
             ok;
    });
    const double csvCpuMs = CpuMs([&] { ok = WriteCsv(csv, sheetOf(print::Layout::Table)) && ok; });
    const double cardMs = pdfOf(print::Layout::Card);

    int pages = 0;
    const auto preview = [&] {
        print::CPrintPreviewDlg dialog(sheetOf(print::Layout::Table), {}, nullptr);
        dialog.show();
        dialog.findChild<QWidget*>(QStringLiteral("pageView"))->repaint();
        pages = dialog.PageCount();
    };
    const double previewMs = MedianOf(5, preview);
    const double previewCpuMs = CpuMs(preview);
    if (!ok) {
        std::fprintf(stderr, "print_bench: writing failed: %s\n", qPrintable(error));
        return 1;
    }
    const print::PrintSheet tableSheet = sheetOf(print::Layout::Table);
    const int tablePages =
        print::CPageLayout(tableSheet, print::Layout::Table,
                           print::PageLayoutFor(QPageLayout::Portrait).paintRect(QPageLayout::Point).size())
            .PageCount();
    std::printf("%d channels, A4 portrait: table %d pages (%lld bytes)\n", list.RowCount(), tablePages,
                static_cast<long long>(pdfBytes));
    std::printf("baseline: rows as CSV        %8.1f ms\n", csvMs);
    std::printf("PDF, table layout            %8.1f ms  x%.1f of CSV  target 3000 ms: %s\n", tableMs, tableMs / csvMs,
                Verdict(tableMs, 3000));
    std::printf("processor time: PDF %.1f ms, CSV %.1f ms, x%.1f\n", tableCpuMs, csvCpuMs, tableCpuMs / csvCpuMs);
    std::printf("PDF, Channel Card            %8.1f ms  x%.1f of CSV\n", cardMs, cardMs / csvMs);
    std::printf("processor time: preview's first page %.1f ms\n", previewCpuMs);
    std::printf("preview, first page painted  %8.1f ms  x%.1f of CSV  target 300 ms: %s (%d pages)\n", previewMs,
                previewMs / csvMs, Verdict(previewMs, 300), pages);
    return 0;
}
