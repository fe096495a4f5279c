// Files the editor did not write: each one opens and every view shows it (the
// channel container, a click on each satellite, the LNB page), or it is refused
// with its message; the user's file is byte for byte what it was.
#include "HostileFiles.h"
#include "TestSupport.h"
#include "app/MainFrame.h"
#include "app/OrvaneApp.h"
#include "app/OrvaneDoc.h"
#include "db/ChannelDB.h"
#include "listctrl/RecordListCtrl.h"
#include "satellites/NITView.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using fixtures::HostileFile;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kLayoutRefusal =
    QStringLiteral("The DB does not have the receiver's table layout, so it is not opened.\n");
const QString kRevisionRefusal = QStringLiteral("Invalid DB Version file. It must use $Revision: 1.9 $");
const QString kReadFailure = QStringLiteral("The list could not be read from the DB: ");

// A bound Unix socket at `path`, closed with the object.
class SocketFile {
public:
    bool Bind(const QString& path) {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (m_fd < 0 || static_cast<size_t>(name.size()) >= sizeof address.sun_path) {
            return false;
        }
        std::copy(name.begin(), name.end(), address.sun_path);
        return ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~SocketFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }

private:
    int m_fd = -1;
};

// Paths that are no regular file.
enum class Special { None, Fifo, Folder, Socket, Device, Unreadable };

} // namespace

class HostileFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { COrvaneApp::SelectSettingsStore(); }
    void init();
    void cleanup();

    void opensOrRefuses_data();
    void opensOrRefuses();
    void refusesWhatIsNoRegularFile_data();
    void refusesWhatIsNoRegularFile();

private:
    // Shows every view of the open file and returns the messages they gave.
    QStringList VisitEveryView();
    CMainFrame* Frame() const { return m_app->MainFrame(); }

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneApp> m_app;
};

void HostileFileTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance({}, false));
}

void HostileFileTest::cleanup() {
    m_app.reset();
    testsupport::CloseDbDirect();
    m_folder.reset();
}

QStringList HostileFileTest::VisitEveryView() {
    Frame()->SwitchView(CMainFrame::kChannelContainer);
    Frame()->SwitchView(CMainFrame::kSatelliteView);
    auto* satView = qobject_cast<CNITView*>(Frame()->EditingView());
    if (satView != nullptr) {
        CRecordListCtrl* sats = satView->SatList();
        for (int row = 0; row < sats->RowCount(); ++row) {
            sats->clearSelection();
            sats->SetRowSelected(row, true);
            emit sats->clicked(sats->model()->index(row, 0));
        }
    }
    Frame()->SwitchView(CMainFrame::kLnbView);
    Frame()->SwitchView(CMainFrame::kChannelContainer);
    return MessageBox::TakeShownTexts();
}

void HostileFileTest::opensOrRefuses_data() {
    QTest::addColumn<int>("index");
    const std::vector<HostileFile> files = fixtures::HostileFiles();
    for (size_t i = 0; i < files.size(); ++i) {
        QTest::newRow(files[i].name.c_str()) << static_cast<int>(i);
    }
}

void HostileFileTest::opensOrRefuses() {
    QFETCH(int, index);
    const HostileFile file = fixtures::HostileFiles()[static_cast<size_t>(index)];
    const QString path = m_folder->Path(QStringLiteral("hostile.dat"));
    fixtures::WriteHostileFile(file, path.toStdString());
    const QByteArray before = ReadAll(path);

    const bool opened = m_app->Document()->OpenDocumentFile(path);
    const QStringList shown = opened ? VisitEveryView() : MessageBox::TakeShownTexts();
    switch (file.outcome) {
    case HostileFile::Outcome::Opens:
        QVERIFY(opened);
        QCOMPARE(shown, QStringList());
        break;
    case HostileFile::Outcome::OpensUnreadable:
        QVERIFY(opened);
        QVERIFY(!shown.isEmpty());
        for (const QString& text : shown) {
            QVERIFY2(text.startsWith(kReadFailure), qPrintable(text));
        }
        break;
    case HostileFile::Outcome::RefusedLayout:
        QVERIFY(!opened);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(kLayoutRefusal + QString::fromStdString(file.refusal)), qPrintable(shown[0]));
        break;
    case HostileFile::Outcome::RefusedRevision:
        QVERIFY(!opened);
        QCOMPARE(shown, QStringList{kRevisionRefusal});
        break;
    }
    QCOMPARE(g_db != nullptr, opened);
    m_app->Document()->OnNewDocument();
    QCOMPARE(ReadAll(path), before);
}

void HostileFileTest::refusesWhatIsNoRegularFile_data() {
    QTest::addColumn<int>("special");
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO") << int(Special::Fifo) << QStringLiteral("a named pipe");
    QTest::newRow("a folder") << int(Special::Folder) << QStringLiteral("a folder");
    QTest::newRow("a socket") << int(Special::Socket) << QStringLiteral("a socket");
    QTest::newRow("a device") << int(Special::Device) << QStringLiteral("a device");
    QTest::newRow("an unreadable file") << int(Special::Unreadable) << QString();
}

void HostileFileTest::refusesWhatIsNoRegularFile() {
    QFETCH(int, special);
    QFETCH(QString, kind);
    QString path = m_folder->Path(QStringLiteral("special.dat"));
    SocketFile socket;
    switch (Special(special)) {
    case Special::Fifo:
        // Opening a FIFO for reading waits for a writer: the editor hung here.
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    case Special::Folder:
        QVERIFY(QDir().mkpath(path));
        break;
    case Special::Socket:
        QVERIFY(socket.Bind(path));
        break;
    case Special::Device:
        path = QStringLiteral("/dev/zero");
        break;
    case Special::Unreadable:
        if (::geteuid() == 0) {
            QSKIP("root reads every file");
        }
        m_folder->Write(QStringLiteral("demo"), QStringLiteral("special.dat"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        break;
    case Special::None:
        break;
    }
    QVERIFY(!m_app->Document()->OpenDocumentFile(path));
    const QString expected = kind.isEmpty()
                                 ? QStringLiteral("Failed to open document.")
                                 : QStringLiteral("%1 is %2, not a DB file, so it is not opened.").arg(path, kind);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{expected});
    QVERIFY(g_db == nullptr);
    QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
}

QTEST_MAIN(HostileFileTest)
#include "HostileFileTest.moc"
