// Printing: the PDF of orvane-cli holds every channel name that `list` shows; the
// table's columns stay on the paper; File > Export as PDF prints the list as shown
// (sort, hidden rows and columns) or one favourite group; the preview pages and prints.
#include "ChannelFixture.h"
#include "TestSupport.h"
#include "channels/OrvaneView.h"
#include "cli/OrvaneCli.h"
#include "listctrl/RecordListCtrl.h"
#include "print/PageLayout.h"
#include "seams/ModalDialog.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <numeric>
#include <sstream>

namespace {

// What a program printed on stdout; fails the test when it does not exit with 0.
QByteArray Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForFinished(60000);
    const QByteArray err = process.readAllStandardError();
    if (!done || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), err.constData());
        return QByteArrayLiteral("<failed>");
    }
    return process.readAllStandardOutput();
}

QString PdfText(const QString& pdf) {
    return QString::fromUtf8(Output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { COrvaneApp::SelectSettingsStore(); }
    void init();
    void cleanup();
    void cliPdfHoldsEveryListedName_data();
    void cliPdfHoldsEveryListedName();
    void cliPdfKeepsTheBytesOfItsName();
    void namesOfAnyScriptReachThePdf_data();
    void namesOfAnyScriptReachThePdf();
    void columnsStayOnThePaper_data();
    void columnsStayOnThePaper();
    void exportPrintsWhatWasChosen_data();
    void exportPrintsWhatWasChosen();
    void exportNeverReplacesTheOpenFile();
    void previewPagesAndPrints();

private:
    void NeedPdfToText();
    void Start(const QString& path);
    CRecordListCtrl* List() const {
        return qobject_cast<CSplitterView*>(m_app->MainFrame()->EditingView())->ChannelView()->List();
    }

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneApp> m_app;
};

void PrintTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
}

void PrintTest::cleanup() {
    m_app.reset();
    testsupport::CloseDbDirect();
    m_folder.reset();
}

void PrintTest::NeedPdfToText() {
    // CI installs poppler-utils; a developer's machine may lack it.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
}

void PrintTest::Start(const QString& path) {
    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance({path}, false));
    m_app->MainFrame()->resize(1200, 800);
    m_app->MainFrame()->show();
    MessageBox::TakeShown();
}

void PrintTest::cliPdfHoldsEveryListedName_data() {
    QTest::addColumn<QStringList>("options");
    QTest::newRow("table") << QStringList();
    QTest::newRow("landscape") << QStringList{QStringLiteral("--landscape")};
    QTest::newRow("card") << QStringList{QStringLiteral("--card")};
}

void PrintTest::cliPdfHoldsEveryListedName() {
    NeedPdfToText();
    QFETCH(QStringList, options);
    const QString demo = m_folder->Path(QStringLiteral("demo.dat"));
    const QString pdf = m_folder->Path(QStringLiteral("out.pdf"));
    Output(QStringLiteral(ORVANE_FIXTURE_PATH), {QStringLiteral("demo"), demo});
    const QJsonArray listed = QJsonDocument::fromJson(Output(QStringLiteral(ORVANE_CLI_PATH),
                                                             {QStringLiteral("list"), demo, QStringLiteral("--format"),
                                                              QStringLiteral("json")}))
                                  .array();
    QVERIFY(listed.size() > 100);
    // Run as a user would, with no display at all.
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(ORVANE_CLI_PATH),
              QStringList{QStringLiteral("print"), demo, QStringLiteral("--pdf"), pdf} + options);
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    const QString text = PdfText(pdf);
    QStringList missing;
    for (const QJsonValue& channel : listed) {
        const QString name = channel.toObject().value(QStringLiteral("name")).toString();
        if (!text.contains(name)) {
            missing << name;
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

// Run here, where print has the graphical start-up it needs: a PDF name that is no
// UTF-8 is written under its own bytes.
void PrintTest::cliPdfKeepsTheBytesOfItsName() {
    const QString demo = m_folder->Path(QStringLiteral("demo.dat"));
    Output(QStringLiteral(ORVANE_FIXTURE_PATH), {QStringLiteral("demo"), demo});
    const std::string pdf = QFile::encodeName(demo).toStdString() + "\xe9.pdf";
    const std::vector<std::string> raw{"orvane-cli", "print", QFile::encodeName(demo).toStdString(), "--pdf=" + pdf};
    std::ostringstream sink;
    cli::Streams io{sink, sink};
    QCOMPARE(
        cli::Run({QStringLiteral("orvane-cli"), QStringLiteral("print"), demo, QString::fromLocal8Bit("--pdf=" + pdf)},
                 io, raw),
        cli::kExitOk);
    QVERIFY(std::filesystem::is_regular_file(pdf));
}

// Latin-1 names take the glyph table, others Qt's full text layout; both must print
// text that a reader of the PDF finds again.
void PrintTest::namesOfAnyScriptReachThePdf_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("layout");
    QTest::newRow("Latin-1, table") << QStringLiteral("Télé Café Zürich") << 0;
    QTest::newRow("Cyrillic, table") << QStringLiteral("Первый канал") << 0;
    QTest::newRow("Greek, card") << QStringLiteral("ΕΡΤ Ειδήσεις") << 1;
    QTest::newRow("mixed, card") << QStringLiteral("Kanal Ü Россия 24") << 1;
}

void PrintTest::namesOfAnyScriptReachThePdf() {
    NeedPdfToText();
    QFETCH(QString, name);
    QFETCH(int, layout);
    print::PrintSheet sheet;
    sheet.columns = {{QStringLiteral("No"), Qt::AlignRight}, {QStringLiteral("Service"), Qt::AlignLeft}};
    sheet.rows = {{QStringLiteral("1"), QStringLiteral("Das Erste")}, {QStringLiteral("2"), name}};
    const QString pdf = m_folder->Path(QStringLiteral("names.pdf"));
    QString error;
    QVERIFY2(print::WritePdf(pdf, sheet, layout == 1 ? print::Layout::Card : print::Layout::Table,
                             QPageLayout::Portrait, error),
             qPrintable(error));
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(name), qPrintable(text));
}

void PrintTest::columnsStayOnThePaper_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("textLength");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("few short columns") << 3 << 8 << false;
    QTest::newRow("fourteen long columns, portrait") << 14 << 40 << false;
    QTest::newRow("fourteen long columns, landscape") << 14 << 40 << true;
    QTest::newRow("one very long column") << 1 << 300 << false;
}

void PrintTest::columnsStayOnThePaper() {
    QFETCH(int, columns);
    QFETCH(int, textLength);
    QFETCH(bool, landscape);
    print::PrintSheet sheet;
    for (int c = 0; c < columns; ++c) {
        sheet.columns.push_back({QStringLiteral("Column %1").arg(c), Qt::AlignLeft});
    }
    for (int r = 0; r < 50; ++r) {
        QStringList row{QString::number(r + 1)};
        while (row.size() < columns) {
            row << QString(textLength, QLatin1Char('W'));
        }
        sheet.rows.push_back(row);
    }
    const QSizeF page = landscape ? QSizeF(800, 500) : QSizeF(500, 780);
    const print::CPageLayout layout(sheet, print::Layout::Table, page);
    const std::vector<double>& widths = layout.ColumnWidths();
    QCOMPARE(widths.size(), size_t(columns));
    QVERIFY(std::accumulate(widths.begin(), widths.end(), 0.0) <= page.width() + 1e-6);
    QVERIFY(std::all_of(widths.begin(), widths.end(), [](double w) { return w > 0; }));
    // The short number column keeps all of its text while long columns are cut.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(8);
    QVERIFY(widths[0] >= QFontMetricsF(font).horizontalAdvance(QStringLiteral("50")));
    // Every row has a place, and no page is left empty.
    QVERIFY(layout.PageCount() * layout.RowsPerPage() >= 50);
    QVERIFY((layout.PageCount() - 1) * layout.RowsPerPage() < 50);
}

void PrintTest::exportPrintsWhatWasChosen_data() {
    QTest::addColumn<int>("what"); // 0 the list as shown, then the groups in order
    QTest::addColumn<int>("layout");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("inOrder");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("list as shown") << 0 << 0 << QStringList{"db.dat", "3 of 4 channels", "Service", "Page 1 of 1"}
                                   << QStringList{"Arte", "Das Erste", "ZDF"}
                                   << QStringList{"Radio 1", "Receiver Own", "Satellite", "Astra"};
    QTest::newRow("group Sport") << 1 << 0 << QStringList{"Favourite group: Sport", "2 of 4 channels"}
                                 << QStringList{"Das Erste", "ZDF"} << QStringList{"Arte", "Radio 1", "Astra"};
    QTest::newRow("group News as a card") << 2 << 1 << QStringList{"Favourite group: News"} << QStringList{"Das Erste"}
                                          << QStringList{"ZDF", "Arte", "Service", "Astra"};
}

void PrintTest::exportPrintsWhatWasChosen() {
    NeedPdfToText();
    QFETCH(int, what);
    QFETCH(int, layout);
    QFETCH(QStringList, present);
    QFETCH(QStringList, inOrder);
    QFETCH(QStringList, absent);
    const QString path = m_folder->Path(QStringLiteral("db.dat"));
    channeltest::WriteChannelFixture(path);
    Start(path);
    CRecordListCtrl* list = List();
    // Sorted by name, "Radio 1" filtered out, the satellite column hidden.
    emit list->HeaderClicked(kChannelServiceColumn);
    for (int row = 0; row < list->RowCount(); ++row) {
        list->setRowHidden(row, QModelIndex(), list->CellText(row, kChannelServiceColumn) == QLatin1String("Radio 1"));
    }
    list->header()->hideSection(3);
    ModalDialog::QueueScript([what, layout](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("whatCombo"))->setCurrentIndex(what);
        dialog.findChild<QComboBox*>(QStringLiteral("layoutCombo"))->setCurrentIndex(layout);
        dialog.accept();
    });
    const QString pdf = m_folder->Path(QStringLiteral("list.pdf"));
    FileChooser::QueueFileName(pdf);
    QVERIFY(testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionFileExportPdf")));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
    const QString text = PdfText(pdf);
    qsizetype at = 0;
    for (const QString& expected : inOrder) {
        at = text.indexOf(expected, at);
        QVERIFY2(at >= 0, qPrintable(expected + QStringLiteral(" missing or out of order in:\n") + text));
    }
    for (const QString& expected : present) {
        QVERIFY2(text.contains(expected), qPrintable(expected));
    }
    for (const QString& unexpected : absent) {
        QVERIFY2(!text.contains(unexpected), qPrintable(unexpected));
    }
}

void PrintTest::exportNeverReplacesTheOpenFile() {
    const QString path = m_folder->Write(QStringLiteral("demo"), QStringLiteral("db.dat"));
    Start(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ModalDialog::QueueScript([](QDialog& dialog) { dialog.accept(); });
    FileChooser::QueueFileName(path);
    QVERIFY(testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionFileExportPdf")));
    QCOMPARE(MessageBox::TakeShownTexts().size(), 1);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void PrintTest::previewPagesAndPrints() {
    Start(m_folder->Write(QStringLiteral("demo"), QStringLiteral("db.dat")));
    ModalDialog::QueueScript([](QDialog& dialog) { dialog.accept(); });
    QString first;
    QString second;
    ModalDialog::QueueScript([&](QDialog& dialog) {
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("pageLabel"));
        auto* previous = dialog.findChild<QPushButton*>(QStringLiteral("previousButton"));
        first = label->text() + (previous->isEnabled() ? QStringLiteral(" back") : QString());
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("nextButton")), Qt::LeftButton);
        second = label->text() + (previous->isEnabled() ? QStringLiteral(" back") : QString());
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("printButton")), Qt::LeftButton);
    });
    ModalDialog::TakeRunCount();
    QVERIFY(testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionFilePrintPreview")));
    QVERIFY2(first.startsWith(QStringLiteral("Page 1 of ")) && !first.endsWith(QStringLiteral(" back")),
             qPrintable(first));
    QVERIFY2(second.startsWith(QStringLiteral("Page 2 of ")) && second.endsWith(QStringLiteral(" back")),
             qPrintable(second));
    // Print in the preview goes on to the system's print dialog (rejected, unscripted).
    QCOMPARE(ModalDialog::TakeRunCount(), 3);
}

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
