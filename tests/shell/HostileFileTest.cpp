// Files the editor did not write: each one opens and every view shows it (the
// channel container, a click on each satellite, the LNB page), or it is refused
// with its message; the user's file is byte for byte what it was.
#include "FixtureBuilder.h"
#include "HostileFiles.h"
#include "TableDump.h"
#include "TestSupport.h"
#include "channels/EditChannelDlg.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "listctrl/RecordListCtrl.h"
#include "satellites/EditSatDlg.h"
#include "satellites/NITView.h"
#include "seams/ModalDialog.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"

#include <QLineEdit>
#include <QPushButton>

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
const QString kRowRefusal = QStringLiteral("This row holds a value that the receiver's format does not allow (");
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
    void rowsTheRecordCannotHoldAreLeftUnchanged_data();
    void rowsTheRecordCannotHoldAreLeftUnchanged();
    void latin1NamesKeepTheirBytes_data();
    void latin1NamesKeepTheirBytes();

private:
    // Opens the demo database changed by `sql`.
    void OpenDemoWith(const std::string& sql);
    // Selects the row whose id is `id`; false when the list has none.
    static bool SelectRowWithId(CRecordListCtrl* list, int32_t id);
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
        // Only rows whose ids the receiver's format cannot hold are refused.
        for (const QString& text : shown) {
            QVERIFY2(text.startsWith(kRowRefusal), qPrintable(text));
        }
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
    case HostileFile::Outcome::OpensTold: {
        QVERIFY(opened);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(QString::fromStdString(file.refusal)), qPrintable(shown[0]));
        // The editor's writes must not fire them.
        CChannelDB db;
        QCOMPARE(db.UpdateChannelOrder(2, 77), 0);
        QVERIFY(db.InsertFavGroup("Fresh") > 0);
        dbutil::ResultTable table;
        QCOMPARE(table.Run(g_db, "SELECT (SELECT count(*) FROM SATInfo WHERE Name = 'trigger ran') || '/' || "
                                 "(SELECT count(*) FROM ChannelInfo WHERE ch_id = 2) || '/' || "
                                 "(SELECT count(*) > 0 FROM FAVListInfo)"),
                 SQLITE_OK);
        QCOMPARE(QString::fromUtf8(table.FirstValue()), QStringLiteral("0/1/1"));
        break;
    }
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

void HostileFileTest::OpenDemoWith(const std::string& sql) {
    HostileFile file;
    file.sql = sql;
    const QString path = m_folder->Path(QStringLiteral("db.dat"));
    fixtures::WriteHostileFile(file, path.toStdString());
    QVERIFY(m_app->Document()->OpenDocumentFile(path));
}

bool HostileFileTest::SelectRowWithId(CRecordListCtrl* list, int32_t id) {
    list->clearSelection();
    for (int row = 0; row < list->RowCount(); ++row) {
        if (list->RowId(row) == id) {
            list->SetRowSelected(row, true);
            list->setFocus();
            return true;
        }
    }
    return false;
}

enum class Command { DeleteSatellite, DeleteChannel, EditChannel, Renumber, EditSatellite };

void HostileFileTest::rowsTheRecordCannotHoldAreLeftUnchanged_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("value");
    // Each of these acted on another row, or wrote back a cut value, before.
    QTest::newRow("delete satellite 65537 beside satellite 1")
        << "INSERT INTO SATInfo VALUES (65537, 'Far', 0, 0, 99, 100, 100, 0)" << int(Command::DeleteSatellite) << 65537
        << "SAT_ID 65537";
    QTest::newRow("delete channel -65531 beside channel 5")
        << QString::fromStdString(fixtures::CopyChannelSql(5, -65531, "Alias", 0)) << int(Command::DeleteChannel)
        << -65531 << "ch_id -65531";
    QTest::newRow("edit channel -65531 beside channel 5")
        << QString::fromStdString(fixtures::CopyChannelSql(5, -65531, "Alias", 0)) << int(Command::EditChannel)
        << -65531 << "ch_id -65531";
    QTest::newRow("renumber with tuner_id 70000")
        << "UPDATE ChannelInfo SET tuner_id = 70000 WHERE ch_id = 3" << int(Command::Renumber) << 0 << "tuner_id 70000";
    QTest::newRow("renumber with audio_mode 99999") << "UPDATE ChannelInfo SET audio_mode = 99999 WHERE ch_id = 7"
                                                    << int(Command::Renumber) << 0 << "audio_mode 99999";
    QTest::newRow("edit channel with audio_mode 99999") << "UPDATE ChannelInfo SET audio_mode = 99999 WHERE ch_id = 7"
                                                        << int(Command::EditChannel) << 7 << "audio_mode 99999";
    QTest::newRow("edit channel with a name longer than its field")
        << "UPDATE ChannelInfo SET name = 'Seventeen letters' WHERE ch_id = 7" << int(Command::EditChannel) << 7
        << "name Seventeen letters";
    QTest::newRow("renumber with a 201-byte channel name")
        << "UPDATE ChannelInfo SET name = 'x' || hex(zeroblob(100)) WHERE ch_id = 3" << int(Command::Renumber) << 0
        << "name x" + QString(39, QLatin1Char('0')) + "...";
    QTest::newRow("edit satellite with a position beyond 32 bits")
        << "UPDATE SATInfo SET position_org = 5000000000 WHERE SAT_ID = 2" << int(Command::EditSatellite) << 2
        << "position_org 5000000000";
}

void HostileFileTest::rowsTheRecordCannotHoldAreLeftUnchanged() {
    QFETCH(QString, sql);
    QFETCH(int, command);
    QFETCH(int, id);
    QFETCH(QString, value);
    OpenDemoWith(sql.toStdString());
    const std::string before = fixtures::DumpTables(g_db);
    if (Command(command) == Command::DeleteSatellite || Command(command) == Command::EditSatellite) {
        Frame()->SwitchView(CMainFrame::kSatelliteView);
        auto* view = qobject_cast<CNITView*>(Frame()->EditingView());
        QVERIFY(SelectRowWithId(view->SatList(), id));
        MessageBox::QueueAnswer(MessageBox::Answer::Yes);
        QTest::keyClick(view->SatList(), Command(command) == Command::DeleteSatellite ? Qt::Key_Delete : Qt::Key_Space);
    } else {
        Frame()->SwitchView(CMainFrame::kChannelContainer);
        COrvaneView* view = qobject_cast<CSplitterView*>(Frame()->EditingView())->ChannelView();
        QVERIFY(Command(command) == Command::Renumber || SelectRowWithId(view->List(), id));
        MessageBox::QueueAnswer(MessageBox::Answer::Yes);
        if (Command(command) == Command::DeleteChannel) {
            view->OnEditDelete();
        } else if (Command(command) == Command::EditChannel) {
            view->OnEditEdit();
        } else {
            view->OnRenumber();
        }
    }
    QCOMPARE(ModalDialog::TakeRunCount(), 0);
    const QStringList shown = MessageBox::TakeShownTexts();
    QCOMPARE(shown.last(), QStringLiteral("This row holds a value that the receiver's format does not allow (%1). It "
                                          "is left unchanged.")
                               .arg(value));
    QCOMPARE(fixtures::DumpTables(g_db), before);
}

void HostileFileTest::latin1NamesKeepTheirBytes_data() {
    QTest::addColumn<bool>("channel");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("storedHex");
    // An OK that changed another field stored the name back as EF BF BD bytes.
    QTest::newRow("satellite, name left as shown") << false << QString() << "54FC726B736174";
    QTest::newRow("satellite, name typed") << false << QStringLiteral("T\u00FCrksat 2") << "54C3BC726B7361742032";
    QTest::newRow("channel, name left as shown") << true << QString() << "54FC726B736174";
    QTest::newRow("channel, name typed") << true << QStringLiteral("T\u00FCrk") << "54C3BC726B";
}

void HostileFileTest::latin1NamesKeepTheirBytes() {
    QFETCH(bool, channel);
    QFETCH(QString, typedName);
    QFETCH(QString, storedHex);
    OpenDemoWith("UPDATE SATInfo SET Name = CAST(X'54FC726B736174' AS TEXT) WHERE SAT_ID = 1; UPDATE ChannelInfo SET "
                 "name = CAST(X'54FC726B736174' AS TEXT) WHERE ch_id = 5; UPDATE SDTInfo SET provider_name = "
                 "CAST(X'C4FC' AS TEXT)");
    const auto stored = [](const char* sql) {
        dbutil::ResultTable table;
        table.Run(g_db, sql);
        return QString::fromLatin1(table.FirstValue());
    };
    const QString providerBefore = stored("SELECT SDT_ID FROM ChannelInfo WHERE ch_id = 5");
    if (channel) {
        CEditChannelDlg dlg(5, nullptr);
        QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("chNameEdit"))->text(), QStringLiteral("T\u00FCrksat"));
        if (!typedName.isEmpty()) {
            dlg.findChild<QLineEdit*>(QStringLiteral("chNameEdit"))->setText(typedName);
        }
        dlg.findChild<QLineEdit*>(QStringLiteral("videoPidEdit"))->setText(QStringLiteral("777"));
        QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        QCOMPARE(stored("SELECT video_pid FROM ChannelInfo WHERE ch_id = 5"), QStringLiteral("777"));
        QCOMPARE(stored("SELECT hex(name) FROM ChannelInfo WHERE ch_id = 5"), storedHex);
        QCOMPARE(stored("SELECT SDT_ID FROM ChannelInfo WHERE ch_id = 5"), providerBefore);
    } else {
        CEditSatDlg dlg(nullptr, 1);
        QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text(), QStringLiteral("T\u00FCrksat"));
        if (!typedName.isEmpty()) {
            dlg.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(typedName);
        }
        dlg.findChild<QLineEdit*>(QStringLiteral("positionEdit"))->setText(QStringLiteral("13.0"));
        QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        QCOMPARE(stored("SELECT position FROM SATInfo WHERE SAT_ID = 1"), QStringLiteral("130"));
        QCOMPARE(stored("SELECT hex(Name) FROM SATInfo WHERE SAT_ID = 1"), storedHex);
    }
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
}

QTEST_MAIN(HostileFileTest)
#include "HostileFileTest.moc"
