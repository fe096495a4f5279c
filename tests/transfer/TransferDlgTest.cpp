// The USB Download and Upload dialogs against the receiver simulator: what reaches the
// receiver, the files left on the PC, every failure message, and the document's two
// USB commands.
#include "FixtureBuilder.h"
#include "TestSupport.h"
#include "TransferTestSupport.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "seams/ModalDialog.h"
#include "shell/UsbCommands.h"
#include "transfer/ReceiverBackups.h"
#include "transfer/TransferRuns.h"
#include "transfer/TransferSteps.h"
#include "transfer/UsbDownloadDlg.h"
#include "transfer/UsbUploadDlg.h"
#include "usblib/UsbRecords.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <sys/mount.h>
#include <unistd.h>

#include <array>
#include <functional>
#include <memory>

using Tweak = std::function<void(SimulatorOptions&)>;
Q_DECLARE_METATYPE(Tweak)

namespace {

QList<int> ProgressValues(const QSignalSpy& spy) {
    QList<int> values;
    for (const QList<QVariant>& args : spy) {
        values << args.at(0).toInt();
    }
    return values;
}

QStringList ChunkLengths(const CTestReceiver& receiver, uint32_t code) {
    QStringList chunks;
    for (const QString& line : receiver.Requests(QStringLiteral("control code=%1 dir=write length=6").arg(code))) {
        chunks << line.section(QStringLiteral("chunk="), 1);
    }
    return chunks;
}

const QString kNotConnected = QStringLiteral("USB is not connected. Try again!");
const QString kConfirm = QStringLiteral("If you download this DB file, then the existing DB in the STB will be "
                                        "deleted. is deleted. Are you sure to continue?");

} // namespace

class TransferDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void downloadSendsTheOpenWorkingCopyByteForByte();
    void downloadOfAChosenFileGoesInChunksUnderEditDbDat();
    void downloadOfAnEmptyFileIsRefused();
    void downloadNoAtTheConfirmationSendsNothing();
    void downloadWithoutAFileSendsNothing();
    void downloadFailures_data();
    void downloadFailures();
    void whileAWorkerRunsTheDialogCannotBeLeft();
    void downloadReadBackOutcomes_data();
    void downloadReadBackOutcomes();
    void aFileThatGrowsWhileSentSendsTheAnnouncedBytes();
    void aDeviceFolderOthersCanWriteIsNamed();

    void uploadTakesTheFirstFreeNameOfTheSeries();
    void uploadGoesInChunksIntoAnEmptyDbDat();
    void uploadOfASizeOfZeroEndsAtOnce();
    void uploadFailures_data();
    void uploadFailures();
    void aWriteTheDiskRefusesStopsTheUpload();
    void uploadRefusesAPathThatDoesNotFitTheBuffer();
    void uploadBrowseAndTheCheckBoxSetTheFolder();
    void uploadTakesATypedFolderAndCreatesItWhenAsked();

    void documentOpensAnUploadedFileAndShowsTheChannels();
    void documentDoesNotOpenAPartlyUploadedFile();

private:
    // A download dialog that sends `file`, chosen with File(&F) (no database open);
    // `bare`: without the backup and the read-back around the receiver's exchange.
    std::unique_ptr<CUsbDownloadDlg> DownloadOf(const QString& file, bool bare = false);
    std::unique_ptr<CUsbUploadDlg> UploadInto(const QString& folder);

    std::unique_ptr<CTestReceiver> m_receiver;
    std::array<char, kUploadPathSize> m_result{};
};

void TransferDlgTest::init() {
    testsupport::ResetEnvironment();
    testsupport::CloseDbDirect();
    m_receiver = std::make_unique<CTestReceiver>();
    m_result.fill('\0');
}

void TransferDlgTest::cleanup() {
    m_receiver.reset();
    testsupport::CloseDbDirect();
}

std::unique_ptr<CUsbDownloadDlg> TransferDlgTest::DownloadOf(const QString& file, bool bare) {
    auto dlg = std::make_unique<CUsbDownloadDlg>(nullptr, QString());
    FileChooser::QueueFileName(file);
    dlg->findChild<QPushButton*>(QStringLiteral("fileButton"))->click();
    dlg->findChild<QCheckBox*>(QStringLiteral("backupCheckBox"))->setChecked(!bare);
    dlg->findChild<QCheckBox*>(QStringLiteral("readBackCheckBox"))->setChecked(!bare);
    return dlg;
}

std::unique_ptr<CUsbUploadDlg> TransferDlgTest::UploadInto(const QString& folder) {
    auto dlg = std::make_unique<CUsbUploadDlg>(nullptr, m_result);
    FileChooser::QueueFileName(folder);
    dlg->findChild<QPushButton*>(QStringLiteral("browseButton"))->click();
    return dlg;
}

// ---- download ----------------------------------------------------------------

void TransferDlgTest::downloadSendsTheOpenWorkingCopyByteForByte() {
    QVERIFY(m_receiver->Plug());
    const QString file = m_receiver->PcPath(QStringLiteral("mine.dat"));
    fixtures::WriteLargeDb(file.toStdString(), 300);
    COrvaneDoc doc;
    QVERIFY(doc.OpenDocumentFile(file));
    // A change made so far travels with the working copy.
    QCOMPARE(sqlite3_exec(g_db, "UPDATE SATInfo SET Name = 'Changed' WHERE SAT_ID = 1", nullptr, nullptr, nullptr),
             SQLITE_OK);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    ModalDialog::QueueScript([](QDialog& dialog) {
        auto& dlg = static_cast<CUsbDownloadDlg&>(dialog);
        QVERIFY(!dlg.findChild<QCheckBox*>(QStringLiteral("downloadFromFileCheckBox"))->isChecked());
        QVERIFY(!dlg.findChild<QGroupBox*>(QStringLiteral("localFileGroupBox"))->isEnabled());
        StartAndWait(dlg);
        CloseAtEnd(static_cast<CTransferDlg&>(dlg));
    });
    UsbCommands::UsbDownload(doc);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{kConfirm});
    QCOMPARE(ReadFileBytes(m_receiver->DbPath()), ReadFileBytes(doc.WorkPath()));
    QVERIFY(ReadFileBytes(doc.WorkPath()) != ReadFileBytes(file));
    QCOMPARE(m_receiver->Requests(QStringLiteral("install")).size(), 1);
}

void TransferDlgTest::downloadOfAChosenFileGoesInChunksUnderEditDbDat() {
    QVERIFY(m_receiver->Plug());
    const QString file = m_receiver->PcPath(QStringLiteral("anything.dat"));
    WriteDbOfSize(file, 20000);
    auto dlg = DownloadOf(file, true);
    QVERIFY(dlg->findChild<QCheckBox*>(QStringLiteral("downloadFromFileCheckBox"))->isChecked());
    QVERIFY(dlg->findChild<QGroupBox*>(QStringLiteral("localFileGroupBox"))->isEnabled());
    QCOMPARE(dlg->findChild<QLineEdit*>(QStringLiteral("filePathEdit"))->text(), file);
    const QList<FileChooser::Asked> asked = FileChooser::TakeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].suggestedOrFilter, QStringLiteral("DB File(*.dat);;All Files(*.*)"));

    QSignalSpy progress(dlg->findChild<QProgressBar*>(QStringLiteral("progressBar")), &QProgressBar::valueChanged);
    QSignalSpy finished(dlg.get(), &QDialog::finished);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    StartAndWait(*dlg);
    // The dialog stays with its result until the user closes it.
    QCOMPARE(finished.size(), 0);
    QVERIFY2(ResultLine(*dlg).startsWith(QStringLiteral("Sent 20,000 bytes in ")), qPrintable(ResultLine(*dlg)));
    QCOMPARE(StepNames(*dlg), (QStringList{"probe", "size", "announcement", "sent"}));
    CloseAtEnd(*dlg);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), int(QDialog::Accepted));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{kConfirm});
    QCOMPARE(ProgressValues(progress), (QList<int>{40, 81, 100}));
    QCOMPARE(ChunkLengths(*m_receiver, kRequestChunkToReceiver), (QStringList{"8192", "8192", "3616"}));
    QCOMPARE(m_receiver->Requests(QStringLiteral("control code=0 ")).size(), 1);
    QVERIFY(m_receiver->Requests(QStringLiteral("control code=0 "))[0].contains("name=edit_db.dat size=20000"));
    QCOMPARE(ReadFileBytes(m_receiver->DbPath()), ReadFileBytes(file));
}

void TransferDlgTest::downloadOfAnEmptyFileIsRefused() {
    // An empty file is no database: it was announced with size 0 and called a success.
    QVERIFY(m_receiver->Plug());
    const QByteArray before = ReadFileBytes(m_receiver->DbPath());
    const QString file = m_receiver->PcPath(QStringLiteral("empty.dat"));
    WriteFileBytes(file, {});
    auto dlg = DownloadOf(file, true);
    QSignalSpy finished(dlg.get(), &QDialog::finished);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    StartAndWait(*dlg);
    QCOMPARE(finished.size(), 0);
    const QStringList shown = MessageBox::TakeShownTexts();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1].section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("The file %1 is not sent: the schema revision is not $Revision: 1.9 $.").arg(file));
    QVERIFY(m_receiver->Requests(QStringLiteral("control code=0 ")).isEmpty());
    QCOMPARE(ReadFileBytes(m_receiver->DbPath()), before);
}

void TransferDlgTest::downloadNoAtTheConfirmationSendsNothing() {
    QVERIFY(m_receiver->Plug());
    auto dlg = DownloadOf(m_receiver->PcPath(QStringLiteral("other.dat")));
    WriteDbOfSize(dlg->FilePath(), 20000);
    MessageBox::QueueAnswer(MessageBox::Answer::No);
    StartAndWait(*dlg);
    const QList<MessageBox::Shown> shown = MessageBox::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, kConfirm);
    // The receiver was probed before the question, and nothing else.
    QCOMPARE(m_receiver->Requests(QStringLiteral("control")).size(), 1);
    QVERIFY(m_receiver->Requests(QStringLiteral("control"))[0].startsWith("control code=1138 "));
    QVERIFY(dlg->isEnabled() && dlg->result() == 0);
}

void TransferDlgTest::downloadWithoutAFileSendsNothing() {
    QVERIFY(m_receiver->Plug());
    const QString file = m_receiver->PcPath(QStringLiteral("open.dat"));
    fixtures::WriteDemoDb(file.toStdString());
    QVERIFY(testsupport::OpenDbDirect(file));
    CUsbDownloadDlg dlg(nullptr, file);
    // Regression: checked with no file chosen went on to open an empty path after the question.
    dlg.findChild<QCheckBox*>(QStringLiteral("downloadFromFileCheckBox"))->click();
    QVERIFY(dlg.FromFile());
    QVERIFY(dlg.findChild<QGroupBox*>(QStringLiteral("localFileGroupBox"))->isEnabled());
    StartAndWait(dlg);
    testsupport::CloseDbDirect();
    CUsbDownloadDlg nothingOpen(nullptr, QString());
    StartAndWait(nothingOpen);
    const QString message = QStringLiteral("Please open or select your DB file first.");
    QCOMPARE(MessageBox::TakeShownTexts(), (QStringList{message, message}));
    QCOMPARE(m_receiver->Requests(), QStringList());
}

void TransferDlgTest::downloadFailures_data() {
    QTest::addColumn<Tweak>("tweak");
    QTest::addColumn<QString>("fileBecomes"); // "": stays, "gone", "folder"
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("ends");
    QTest::newRow("unplugged") << Tweak([](SimulatorOptions& o) { o.unplugged = true; }) << QString() << kNotConnected
                               << false;
    QTest::newRow("probe refused") << Tweak([](SimulatorOptions& o) { o.refusedCodes = {kRequestFirmware}; })
                                   << QString() << kNotConnected << false;
    QTest::newRow("announcement refused")
        << Tweak([](SimulatorOptions& o) { o.refusedCodes = {kRequestAnnounceDownload}; }) << QString() << kNotConnected
        << false;
    QTest::newRow("file gone") << Tweak([](SimulatorOptions&) {}) << QStringLiteral("gone")
                               << QStringLiteral("File Opened failed!") << false;
    QTest::newRow("unplugged after the announcement")
        << Tweak([](SimulatorOptions& o) { o.unplugAfter = kRequestAnnounceDownload; }) << QString()
        << QStringLiteral("Open driver failed! Can't write to PIPE03.") << false;
    QTest::newRow("device busy") << Tweak([](SimulatorOptions& o) { o.busyWhilePipeOpen = true; }) << QString()
                                 << QStringLiteral("Open device handle failed! Can't write to PIPE03.") << false;
    QTest::newRow("chunk request refused")
        << Tweak([](SimulatorOptions& o) { o.refusedCodes = {kRequestChunkToReceiver}; }) << QString()
        << QStringLiteral("Requesting data transfer on PIPE03 failed!") << true;
    QTest::newRow("pipe fails") << Tweak([](SimulatorOptions& o) { o.failPipeAfter = 8192; }) << QString()
                                << QStringLiteral("Writing PIPE03 failed!") << true;
    // A folder was announced with its own size and sent as a database.
    QTest::newRow("file became a folder") << Tweak([](SimulatorOptions&) {}) << QStringLiteral("folder")
                                          << QStringLiteral("File Opened failed!") << false;
    // A short write was counted as the whole chunk, and the send reported success.
    QTest::newRow("short pipe write") << Tweak([](SimulatorOptions& o) { o.shortWrites = true; }) << QString()
                                      << QStringLiteral("Writing PIPE03 failed!") << true;
}

void TransferDlgTest::downloadFailures() {
    QFETCH(Tweak, tweak);
    QFETCH(QString, fileBecomes);
    QFETCH(QString, message);
    QFETCH(bool, ends);
    SimulatorOptions options = m_receiver->Options();
    tweak(options);
    QVERIFY(m_receiver->Plug(options));
    const QByteArray before = ReadFileBytes(m_receiver->DbPath());
    const QString file = m_receiver->PcPath(QStringLiteral("send.dat"));
    WriteDbOfSize(file, 20000);
    auto dlg = DownloadOf(file, true);
    if (!fileBecomes.isEmpty()) {
        QVERIFY(QFile::remove(file));
    }
    if (fileBecomes == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(file));
    }
    QSignalSpy finished(dlg.get(), &QDialog::finished);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    StartAndWait(*dlg);
    // The receiver is probed before the question; each message is followed by what to do next.
    const bool asked = !options.unplugged && !options.refusedCodes.contains(kRequestFirmware);
    QStringList firstLines;
    for (const MessageBox::Shown& box : MessageBox::TakeShown()) {
        firstLines << box.text.section(QLatin1Char('\n'), 0, 0);
        // Enter on the question must not replace the receiver's list.
        QCOMPARE(box.defaultNo, box.text == kConfirm);
    }
    QCOMPARE(firstLines, asked ? (QStringList{kConfirm, message}) : QStringList{message});
    QCOMPARE(dlg->ShowsResult(), ends);
    if (ends) {
        QCOMPARE(ResultLine(*dlg).section(QLatin1Char('\n'), 0, 0), message);
        CloseAtEnd(*dlg);
    }
    QCOMPARE(finished.size(), ends ? 1 : 0);
    if (!ends) {
        QVERIFY(dlg->findChild<QPushButton*>(QStringLiteral("startButton"))->isEnabled());
        QVERIFY(dlg->findChild<QPushButton*>(QStringLiteral("cancelButton"))->isEnabled());
    }
    QCOMPARE(ReadFileBytes(m_receiver->DbPath()), before);
    QCOMPARE(m_receiver->Requests(QStringLiteral("recover pipe=PIPE03")).size(),
             options.failPipeAfter || options.shortWrites ? 1 : 0);
}

void TransferDlgTest::aDeviceFolderOthersCanWriteIsNamed() {
    // Regression: a device folder any local user could write was used without a word.
    QVERIFY(m_receiver->Plug());
    const QString folder = QFile::decodeName(qgetenv("KIVRA_DEVICE_DIR"));
    QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7777)));
    const QString file = m_receiver->PcPath(QStringLiteral("send.dat"));
    WriteDbOfSize(file, 20000);
    auto download = DownloadOf(file);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    StartAndWait(*download);
    auto upload = UploadInto(m_receiver->PcPath(QString()));
    StartAndWait(*upload);
    const QString named =
        QStringLiteral("The receiver's device folder %1 can be written by other users, so it is not used.").arg(folder);
    QCOMPARE(MessageBox::TakeShownTexts(), (QStringList{named, named}));
    QCOMPARE(m_receiver->Requests(), QStringList());
}

void TransferDlgTest::whileAWorkerRunsTheDialogCannotBeLeft() {
    SimulatorOptions options = m_receiver->Options();
    options.chunkDelayMs = 20;
    QVERIFY(m_receiver->Plug(options));
    const QString file = m_receiver->PcPath(QStringLiteral("send.dat"));
    WriteDbOfSize(file, 20000);
    auto dlg = DownloadOf(file);
    dlg->show();
    QSignalSpy finished(dlg.get(), &QDialog::finished);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    auto* start = dlg->findChild<QPushButton*>(QStringLiteral("startButton"));
    auto* cancel = dlg->findChild<QPushButton*>(QStringLiteral("cancelButton"));
    // Until the user-interface thread hears of the end, the worker is running.
    start->click();
    QVERIFY(dlg->IsTransferring());
    // Cancel stays live: it asks whether to stop, and No lets the transfer go on.
    QVERIFY(!start->isEnabled() && cancel->isEnabled());
    QVERIFY(!dlg->findChild<QCheckBox*>(QStringLiteral("downloadFromFileCheckBox"))->isEnabled());
    QVERIFY(!dlg->findChild<QPushButton*>(QStringLiteral("fileButton"))->isEnabled());
    dlg->reject();
    QVERIFY(!dlg->close());
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    QVERIFY(dlg->isVisible());
    QCOMPARE(finished.size(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!dlg->IsTransferring(), 30000);
    QTest::keyClick(dlg.get(), Qt::Key_Escape); // acknowledges the end: no question
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), int(QDialog::Accepted));
    QCOMPARE(ReadFileBytes(m_receiver->DbPath()), ReadFileBytes(file));
    const QString stop = QStringLiteral("Stop the transfer after the current chunk?");
    QCOMPARE(MessageBox::TakeShownTexts(), (QStringList{kConfirm, stop, stop, stop}));
}

void TransferDlgTest::downloadReadBackOutcomes_data() {
    QTest::addColumn<Tweak>("tweak");
    QTest::addColumn<bool>("stop");    // the user stops the download once its chunks flow
    QTest::addColumn<QString>("said"); // the end of the result line, or the first line of the message
    QTest::newRow("identical") << Tweak([](SimulatorOptions&) {}) << false << QStringLiteral("read back: identical");
    QTest::newRow("rewritten") << Tweak([](SimulatorOptions& o) { o.rewriteOnInstall = true; }) << false
                               << QStringLiteral("read back: same rows in every table");
    QTest::newRow("row changed") << Tweak([](SimulatorOptions& o) { o.changeRowOnInstall = "SATInfo"; }) << false
                                 << QStringLiteral("The receiver's list is not what was sent: differs in table "
                                                   "SATInfo, row 1: the row holds other values.");
    QTest::newRow("no database") << Tweak([](SimulatorOptions& o) { o.garbleOnInstall = true; }) << false
                                 << QStringLiteral("The receiver's list is not what was sent: not comparable: "
                                                   "the list read back from the receiver does not open as a "
                                                   "database.");
    QTest::newRow("link dropped") << Tweak([](SimulatorOptions& o) { o.dropLinkAfter = 20000; }) << false
                                  << QStringLiteral("Writing PIPE03 failed!");
    QTest::newRow("stopped") << Tweak([](SimulatorOptions& o) { o.chunkDelayMs = 100; }) << true
                             << QStringLiteral("The download was stopped after");
}

void TransferDlgTest::downloadReadBackOutcomes() {
    QFETCH(Tweak, tweak);
    QFETCH(bool, stop);
    QFETCH(QString, said);
    SimulatorOptions options = m_receiver->Options();
    tweak(options);
    QVERIFY(m_receiver->Plug(options));
    const QByteArray original = ReadFileBytes(m_receiver->DbPath());
    const QString file = m_receiver->PcPath(QStringLiteral("send.dat"));
    fixtures::WriteLargeDb(file.toStdString(), 300);
    auto dlg = DownloadOf(file);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    const bool fails = stop || options.dropLinkAfter;
    if (!stop) {
        MessageBox::QueueAnswer(MessageBox::Answer::Ok);  // the failure's message
        MessageBox::QueueAnswer(MessageBox::Answer::Yes); // send the backup when offered
        StartAndWait(*dlg);
    } else {
        dlg->findChild<QPushButton*>(QStringLiteral("startButton"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!m_receiver->Requests(QStringLiteral("control code=1 ")).isEmpty(), 30000);
        MessageBox::QueueAnswer(MessageBox::Answer::Yes); // stop
        MessageBox::QueueAnswer(MessageBox::Answer::Ok);  // the message that it stopped
        MessageBox::QueueAnswer(MessageBox::Answer::Yes); // send the backup
        dlg->reject();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->IsTransferring(), 30000);
    }
    const QStringList shown = MessageBox::TakeShownTexts();
    const std::vector<transfer::ReceiverBackup> backups = transfer::ListBackups(transfer::DefaultBackupFolder());
    QCOMPARE(backups.size(), std::size_t(1));
    QCOMPARE(ReadFileBytes(QString::fromStdString(backups[0].path)), original);
    if (fails) {
        // The backup, offered and sent, gives the receiver its own list back byte for byte.
        QVERIFY(shown.last().startsWith(QStringLiteral("The receiver may hold an incomplete list.")));
        QVERIFY(shown.at(shown.size() - 2).startsWith(said));
        QCOMPARE(ReadFileBytes(m_receiver->DbPath()), original);
        QVERIFY2(dlg->LastReport().result.endsWith(QStringLiteral("read back: identical")),
                 qPrintable(dlg->LastReport().result + dlg->LastReport().steps.join(QLatin1Char(';'))));
        QVERIFY2(ResultLine(*dlg).endsWith(QStringLiteral("read back: identical")), qPrintable(ResultLine(*dlg)));
    } else if (said.startsWith(QStringLiteral("read back"))) {
        QCOMPARE(shown, QStringList{kConfirm});
        QVERIFY2(dlg->LastReport().result.contains(said), qPrintable(dlg->LastReport().result));
        QVERIFY2(ResultLine(*dlg).contains(said), qPrintable(ResultLine(*dlg)));
    } else {
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].section(QLatin1Char('\n'), 0, 0), said);
    }
}

// The receiver is told the size first; bytes the file gained since are not sent.
void TransferDlgTest::aFileThatGrowsWhileSentSendsTheAnnouncedBytes() {
    QVERIFY(m_receiver->Plug());
    const QString file = m_receiver->PcPath(QStringLiteral("send.dat"));
    WriteDbOfSize(file, 20000);
    const QByteArray announced = ReadFileBytes(file);
    const transfer::DownloadReport report =
        transfer::RunDownload({transfer::Native(file), 20000, false, {}, false}, [&](uint64_t done, uint64_t) {
            if (done == kMaxChunkLength) {
                WriteFileBytes(file, announced + QByteArray(10000, 'x'));
            }
        });
    QVERIFY2(report.sent, qPrintable(report.messages.join(QLatin1Char('\n'))));
    QCOMPARE(ChunkLengths(*m_receiver, kRequestChunkToReceiver), (QStringList{"8192", "8192", "3616"}));
    QCOMPARE(ReadFileBytes(m_receiver->DbPath()), announced);
}

// ---- upload --------------------------------------------------------------------

void TransferDlgTest::uploadTakesTheFirstFreeNameOfTheSeries() {
    QVERIFY(m_receiver->Plug());
    const QString folder = m_receiver->PcPath(QString());
    WriteFileBytes(folder + "db.dat", "full");
    WriteFileBytes(folder + "db1.dat", "full");
    auto dlg = UploadInto(folder);
    // Cleared: the transfer completes, the dialog ends with Cancel and hands on nothing.
    dlg->findChild<QCheckBox*>(QStringLiteral("openUploadCheckBox"))->click();
    QSignalSpy finished(dlg.get(), &QDialog::finished);
    StartAndWait(*dlg);
    QVERIFY(ResultLine(*dlg).startsWith("Received ") && ResultLine(*dlg).endsWith(" s into " + dlg->FullPath()));
    CloseAtEnd(*dlg);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
    QCOMPARE(QFileInfo(dlg->FullPath()).fileName(), QStringLiteral("db2.dat"));
    QCOMPARE(ReadFileBytes(folder + "db2.dat"), ReadFileBytes(m_receiver->DbPath()));
    QCOMPARE(ReadFileBytes(folder + "db.dat"), QByteArray("full"));
    QVERIFY(m_receiver->Requests(QStringLiteral("control code=3 "))[0].contains(
        QStringLiteral("name=db.dat size=%1").arg(QFileInfo(m_receiver->DbPath()).size())));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), int(QDialog::Rejected));
    QCOMPARE(m_result[0], '\0');
}

void TransferDlgTest::uploadGoesInChunksIntoAnEmptyDbDat() {
    WriteDbOfSize(m_receiver->DbPath(), 20000);
    QVERIFY(m_receiver->Plug());
    const QString folder = m_receiver->PcPath(QString());
    WriteFileBytes(folder + "db.dat", {});
    auto dlg = UploadInto(folder);
    QSignalSpy progress(dlg->findChild<QProgressBar*>(QStringLiteral("progressBar")), &QProgressBar::valueChanged);
    QSignalSpy finished(dlg.get(), &QDialog::finished);
    StartAndWait(*dlg);
    QCOMPARE(StepNames(*dlg), (QStringList{"probe", "size and announcement", "received"}));
    CloseAtEnd(*dlg);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
    QCOMPARE(ProgressValues(progress), (QList<int>{40, 81, 100}));
    QCOMPARE(ChunkLengths(*m_receiver, kRequestChunkFromReceiver), (QStringList{"8192", "8192", "3616"}));
    QCOMPARE(ReadFileBytes(folder + "db.dat"), ReadFileBytes(m_receiver->DbPath()));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), int(QDialog::Accepted));
    QCOMPARE(QString::fromUtf8(m_result.data()), QDir(folder).filePath("db.dat"));
}

void TransferDlgTest::uploadOfASizeOfZeroEndsAtOnce() {
    WriteFileBytes(m_receiver->DbPath(), {});
    QVERIFY(m_receiver->Plug());
    const QString folder = m_receiver->PcPath(QString());
    auto dlg = UploadInto(folder);
    QSignalSpy finished(dlg.get(), &QDialog::finished);
    StartAndWait(*dlg);
    CloseAtEnd(*dlg);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), int(QDialog::Accepted));
    QVERIFY(ChunkLengths(*m_receiver, kRequestChunkFromReceiver).isEmpty());
    QVERIFY(QFileInfo::exists(folder + "db.dat"));
    QCOMPARE(QFileInfo(folder + "db.dat").size(), 0);
}

void TransferDlgTest::uploadFailures_data() {
    const QString partial = QStringLiteral("The DB file was not received completely: %1 of 20000 bytes arrived. They "
                                           "are kept in %2, which is not opened.");
    QTest::addColumn<Tweak>("tweak");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<qint64>("received"); // bytes in db.dat afterwards, -1 for no file
    QTest::newRow("unplugged") << Tweak([](SimulatorOptions& o) { o.unplugged = true; }) << QStringList{kNotConnected}
                               << false << qint64(-1);
    QTest::newRow("size refused") << Tweak([](SimulatorOptions& o) { o.refusedCodes = {kRequestDatabaseSize}; })
                                  << QStringList{"Can not get file size from STB!"} << false << qint64(0);
    QTest::newRow("announcement refused")
        << Tweak([](SimulatorOptions& o) { o.refusedCodes = {kRequestAnnounceUpload}; }) << QStringList{kNotConnected}
        << false << qint64(0);
    QTest::newRow("unplugged after the announcement")
        << Tweak([](SimulatorOptions& o) { o.unplugAfter = kRequestAnnounceUpload; })
        << QStringList{"Open driver failed! Can't write to PIPE02."} << false << qint64(0);
    QTest::newRow("device busy") << Tweak([](SimulatorOptions& o) { o.busyWhilePipeOpen = true; })
                                 << QStringList{"Open device handle failed! Can't write to PIPE02."} << false
                                 << qint64(0);
    QTest::newRow("chunk request refused")
        << Tweak([](SimulatorOptions& o) { o.refusedCodes = {kRequestChunkFromReceiver}; })
        << QStringList{"Requesting data transfer on PIPE02 failed!", partial.arg(0)} << true << qint64(0);
    QTest::newRow("pipe fails") << Tweak([](SimulatorOptions& o) { o.failPipeAfter = 8192; })
                                << QStringList{"Reading PIPE02 failed!", partial.arg(8192)} << true << qint64(8192);
    // Regression: a read that brought no bytes was asked again without end.
    QTest::newRow("reads bring nothing") << Tweak([](SimulatorOptions& o) { o.zeroReads = true; })
                                         << QStringList{"Reading PIPE02 failed!", partial.arg(0)} << true << qint64(0);
    // A stopped upload leaves no part of the receiver's list on the PC (the slow row is stopped).
    QTest::newRow("stopped") << Tweak([](SimulatorOptions& o) {
        o.chunkDelayMs = 200;
    }) << QStringList{"Stop the transfer after the current chunk?", "The upload was stopped after "}
                             << true << qint64(-1);
}

void TransferDlgTest::uploadFailures() {
    QFETCH(Tweak, tweak);
    QFETCH(QStringList, messages);
    QFETCH(bool, ends);
    QFETCH(qint64, received);
    WriteDbOfSize(m_receiver->DbPath(), 20000);
    SimulatorOptions options = m_receiver->Options();
    tweak(options);
    const bool stop = options.chunkDelayMs > 0;
    QVERIFY(m_receiver->Plug(options));
    const QString folder = m_receiver->PcPath(QString());
    const QString target = QDir(folder).filePath("db.dat");
    for (QString& message : messages) {
        if (message.contains(QLatin1String("%2"))) {
            message = message.arg(target);
        }
    }
    auto dlg = UploadInto(folder);
    QSignalSpy finished(dlg.get(), &QDialog::finished);
    if (!stop) {
        StartAndWait(*dlg);
        QCOMPARE(MessageBox::TakeShownTexts(), messages);
    } else {
        dlg->findChild<QPushButton*>(QStringLiteral("startButton"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!m_receiver->Requests(QStringLiteral("control code=2 ")).isEmpty(), 30000);
        MessageBox::QueueAnswer(MessageBox::Answer::Yes);
        dlg->reject();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->IsTransferring(), 30000);
        const QList<MessageBox::Shown> shown = MessageBox::TakeShown();
        QVERIFY(shown.size() == 2 && shown[0].defaultNo);
        QCOMPARE(shown[0].text, messages[0]);
        QVERIFY2(shown[1].text.startsWith(messages[1]), qPrintable(shown[1].text));
    }
    QCOMPARE(dlg->ShowsResult(), ends);
    if (ends) {
        // The dialog keeps the failure in view until it is closed.
        QVERIFY2(ResultLine(*dlg).startsWith(messages.value(stop ? 1 : 0)), qPrintable(ResultLine(*dlg)));
        CloseAtEnd(*dlg);
    }
    QCOMPARE(finished.size(), ends ? 1 : 0);
    if (ends) {
        // A part of the database is never handed to the document.
        QCOMPARE(finished[0][0].toInt(), int(QDialog::Rejected));
        QCOMPARE(m_result[0], '\0');
    } else {
        QVERIFY(dlg->findChild<QPushButton*>(QStringLiteral("startButton"))->isEnabled());
    }
    QCOMPARE(QFileInfo::exists(target), received >= 0);
    if (received >= 0) {
        QCOMPARE(QFileInfo(target).size(), received);
        QCOMPARE(ReadFileBytes(target), ReadFileBytes(m_receiver->DbPath()).left(received));
    }
    if (options.zeroReads) {
        QCOMPARE(m_receiver->Requests(QStringLiteral("pipe name=PIPE02 op=read")).size(), 3);
        QCOMPARE(m_receiver->Requests(QStringLiteral("recover pipe=PIPE02")).size(), 1);
    }
}

// A write the disk refused was passed over, and the upload went on to report success.
void TransferDlgTest::aWriteTheDiskRefusesStopsTheUpload() {
    WriteDbOfSize(m_receiver->DbPath(), 20000);
    QVERIFY(m_receiver->Plug());
    const QString folder = QDir(m_receiver->PcPath(QString())).filePath(QStringLiteral("small"));
    QVERIFY(QDir().mkpath(folder));
    // Two pages: the file system is full long before the database has arrived.
    if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=8k") != 0) {
        QSKIP("no tmpfs can be mounted here");
    }
    auto dlg = UploadInto(folder);
    StartAndWait(*dlg);
    const QStringList shown = MessageBox::TakeShownTexts();
    ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    const QString target = QDir(folder).filePath(QStringLiteral("db.dat"));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0], QStringLiteral("Writing %1 failed!").arg(target));
    QVERIFY2(shown[1].startsWith(QStringLiteral("The DB file was not received completely")), qPrintable(shown[1]));
    QCOMPARE(m_result[0], '\0');
}

void TransferDlgTest::uploadRefusesAPathThatDoesNotFitTheBuffer() {
    QVERIFY(m_receiver->Plug());
    // A folder that leaves room for "db.dat" in the receiver editor's 256-byte buffer
    // but not for "db1.dat".
    QString folder = m_receiver->PcPath(QString());
    const int room = int(kUploadPathSize) - 1 - int(QFile::encodeName(folder).size()) - int(qstrlen("/db.dat"));
    folder += QString(room, QLatin1Char('f'));
    QVERIFY(QDir().mkpath(folder));
    const QString fits = folder + "/db.dat";
    QCOMPARE(QFile::encodeName(fits).size(), qsizetype(kUploadPathSize - 1));
    WriteFileBytes(fits, "full");
    auto dlg = UploadInto(folder);
    QCOMPARE(dlg->Folder(), folder);
    StartAndWait(*dlg);
    const QString tooLong = folder + "/db1.dat";
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("The path %1 is too long; it must be shorter than 256 bytes.").arg(tooLong)});
    QVERIFY(!QFileInfo::exists(tooLong));
    QVERIFY(m_receiver->Requests(QStringLiteral("control code=6")).isEmpty());
}

void TransferDlgTest::uploadBrowseAndTheCheckBoxSetTheFolder() {
    QVERIFY(m_receiver->Plug());
    CUsbUploadDlg dlg(nullptr, m_result);
    auto* edit = dlg.findChild<QLineEdit*>(QStringLiteral("folderEdit"));
    auto* browse = dlg.findChild<QPushButton*>(QStringLiteral("browseButton"));
    StartAndWait(dlg);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Please select the folder first."});

    FileChooser::QueueFileName(m_receiver->PcPath(QStringLiteral("absent")));
    browse->click();
    const QList<MessageBox::Shown> shown = MessageBox::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Can not return a path for the selected item!"));
    QCOMPARE(shown[0].caption, QStringLiteral("Error Message"));
    QCOMPARE(shown[0].icon, MessageBox::Icon::Error);
    QVERIFY(dlg.Folder().isEmpty());
    browse->click(); // cancelled
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
    const QList<FileChooser::Asked> asked = FileChooser::TakeAsked();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].caption, QStringLiteral("Selecte the folder to save file."));

    // Typed text counts from the next click on the check box on.
    edit->setText(m_receiver->PcPath(QString()));
    QVERIFY(dlg.Folder().isEmpty());
    dlg.findChild<QCheckBox*>(QStringLiteral("openUploadCheckBox"))->click();
    QCOMPARE(dlg.Folder(), m_receiver->PcPath(QString()));
    WriteFileBytes(m_receiver->PcPath("db.dat"), "full");
    QVERIFY(QDir().mkpath(m_receiver->PcPath("db1.dat")));
    StartAndWait(dlg);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Can't open file."});
}

void TransferDlgTest::uploadTakesATypedFolderAndCreatesItWhenAsked() {
    QVERIFY(m_receiver->Plug());
    CUsbUploadDlg dlg(nullptr, m_result);
    const QString folder = m_receiver->PcPath(QStringLiteral("typed/sub"));
    dlg.findChild<QLineEdit*>(QStringLiteral("folderEdit"))->setText(folder);
    const QString question = QStringLiteral("The folder %1 does not exist. Do you want to create it?").arg(folder);
    StartAndWait(dlg); // No
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{question});
    QVERIFY(!QFileInfo::exists(folder));
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    StartAndWait(dlg);
    QCOMPARE(MessageBox::TakeShownTexts().value(0), question);
    QCOMPARE(dlg.Folder(), folder);
    QCOMPARE(ReadFileBytes(folder + "/db.dat"), ReadFileBytes(m_receiver->DbPath()));
}

// ---- the document --------------------------------------------------------------

void TransferDlgTest::documentOpensAnUploadedFileAndShowsTheChannels() {
    QVERIFY(m_receiver->Plug());
    const QString folder = m_receiver->PcPath(QString());
    COrvaneDoc doc;
    QSignalSpy container(&doc, &COrvaneDoc::channelContainerWanted);
    QSignalSpy recent(&doc, &COrvaneDoc::recentFileUsed);
    FileChooser::QueueFileName(folder);
    ModalDialog::QueueScript([](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("browseButton"))->click();
        StartAndWait(static_cast<CTransferDlg&>(dialog));
        CloseAtEnd(static_cast<CTransferDlg&>(dialog));
    });
    UsbCommands::UsbUpload(doc);
    const QString received = QDir(folder).filePath("db.dat");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
    QCOMPARE(container.size(), 1);
    QCOMPARE(doc.GetPathName(), QFileInfo(received).absoluteFilePath());
    QCOMPARE(recent.size(), 1);
    QVERIFY(g_db != nullptr);
    QCOMPARE(doc.WorkPath(), received + ".bak");
    QCOMPARE(ReadFileBytes(received), ReadFileBytes(m_receiver->DbPath()));
}

void TransferDlgTest::documentDoesNotOpenAPartlyUploadedFile() {
    SimulatorOptions options = m_receiver->Options();
    options.failPipeAfter = 8192;
    QVERIFY(m_receiver->Plug(options));
    const QString folder = m_receiver->PcPath(QString());
    COrvaneDoc doc;
    QSignalSpy container(&doc, &COrvaneDoc::channelContainerWanted);
    FileChooser::QueueFileName(folder);
    ModalDialog::QueueScript([](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("browseButton"))->click();
        StartAndWait(static_cast<CTransferDlg&>(dialog));
        CloseAtEnd(static_cast<CTransferDlg&>(dialog));
    });
    UsbCommands::UsbUpload(doc);
    QCOMPARE(MessageBox::TakeShownTexts().value(0), QStringLiteral("Reading PIPE02 failed!"));
    QCOMPARE(container.size(), 0);
    QVERIFY(g_db == nullptr);
    QVERIFY(doc.GetPathName().isEmpty());
    QCOMPARE(QFileInfo(QDir(folder).filePath("db.dat")).size(), 8192);
}

QTEST_MAIN(TransferDlgTest)
#include "TransferDlgTest.moc"
