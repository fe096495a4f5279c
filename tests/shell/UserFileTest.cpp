// The user's file on disk as the window shows it: journals and WAL files beside it,
// symbolic links, a second editor, failed saves that must keep the window and the
// changes, read-only targets. The save under injected faults and kills is tried on the
// file layer alone (tests/userfile).
#include "FixtureBuilder.h"
#include "TestSupport.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "seams/NativeNames.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"
#include "userfile/AtomicFileCopy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

using filecopy::Step;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A receiver file with satellite 1 named `name`, padded to several copy blocks so that
// a save makes more than one write.
QString WriteDb(const QString& path, const char* name) {
    fixtures::FixtureDb db(path.toStdString());
    db.AddSat(1, name, 192, 1);
    db.Exec("CREATE TABLE Padding(x); INSERT INTO Padding WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
            "FROM n WHERE i < 200) SELECT randomblob(1000) FROM n;");
    return path;
}

// What an SQLite reader of `path` sees of satellite 1, journals and WAL included; a
// file that fails the integrity check reads as "<corrupt>".
QString SatNameAsSqliteReads(const QString& path) {
    sqlite3* db = nullptr;
    QString name = QStringLiteral("<unreadable>");
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        dbutil::ResultTable check;
        dbutil::ResultTable table;
        if (check.Run(db, "PRAGMA integrity_check") != SQLITE_OK || check.Rows() != 1 ||
            QByteArray(check.Value(0, 0)) != "ok") {
            name = QStringLiteral("<corrupt>");
        } else if (table.Run(db, "SELECT Name FROM SATInfo WHERE SAT_ID = 1") == SQLITE_OK && table.Rows() == 1) {
            name = QString::fromUtf8(table.Value(0, 0));
        }
    }
    sqlite3_close(db);
    return name;
}

// The same for a byte copy of the file alone, as a copy that ignores its neighbours sees it.
QString SatNameOfFileAlone(const QString& path) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("alone.dat"));
    QFile::copy(path, copy);
    return SatNameAsSqliteReads(copy);
}

// Runs save_child with `arguments` to its end.
bool RunChild(const QStringList& arguments) {
    QProcess child;
    child.start(QStringLiteral(SAVE_CHILD_PATH), arguments);
    return child.waitForFinished(30000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

// A save_child that holds something until it is released or killed.
class CHoldingChild {
public:
    CHoldingChild(const QStringList& arguments) {
        m_child.start(QStringLiteral(SAVE_CHILD_PATH), arguments);
        m_ready = m_child.waitForReadyRead(10000);
    }
    ~CHoldingChild() { Kill(); }
    bool Ready() const { return m_ready; }
    void Release() {
        m_child.closeWriteChannel();
        m_child.waitForFinished(10000);
    }
    void Kill() {
        m_child.kill();
        m_child.waitForFinished(10000);
    }

private:
    QProcess m_child;
    bool m_ready = false;
};

// The shown texts with their variable tails cut: the first line of each.
QStringList FirstLines(const QStringList& texts) {
    QStringList lines;
    for (const QString& text : texts) {
        lines << text.section(QLatin1Char('\n'), 0, 0);
    }
    return lines;
}

} // namespace

class UserFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { COrvaneApp::SelectSettingsStore(); }
    void init();
    void cleanup();

    void openReadsWhatSqliteReads_data();
    void openReadsWhatSqliteReads();
    void saveSettlesTheTargetsJournal_data();
    void saveSettlesTheTargetsJournal();
    void saveWritesThroughLinks();
    void secondEditorIsRefused();
    void failedYesSaveKeepsTheWindowAndTheChanges_data();
    void failedYesSaveKeepsTheWindowAndTheChanges();
    void incompleteCheckpointIsReported();
    void readOnlyTargetIsNamedBeforeSaveAs();
    void failedSaveAsIsToldAndKeepsTheChanges();

private:
    void OpenAndRename(const QString& path, const char* name);
    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneApp> m_app;
    COrvaneDoc* Doc() const { return m_app->Document(); }
    QString Path(const QString& name) const { return m_folder->Path(name); }
};

void UserFileTest::init() {
    testsupport::ResetEnvironment();
    filecopy::ResetSteps();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance({}, false));
}

void UserFileTest::cleanup() {
    filecopy::ResetSteps();
    g_dbModified = 0; // a test that left changes must not hold the next one's window
    m_app.reset();
    testsupport::CloseDbDirect();
    m_folder.reset();
}

void UserFileTest::OpenAndRename(const QString& path, const char* name) {
    QVERIFY(Doc()->OpenDocumentFile(path));
    char* sql = sqlite3_mprintf("UPDATE SATInfo SET Name = '%q' WHERE SAT_ID = 1", name);
    QCOMPARE(sqlite3_exec(g_db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_free(sql);
    g_dbModified = 1;
}

void UserFileTest::openReadsWhatSqliteReads_data() {
    QTest::addColumn<QString>("childMode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hot journal of a writer that died") << QStringLiteral("hot-journal") << QStringLiteral("Astra");
    QTest::newRow("committed change only in the WAL") << QStringLiteral("wal") << QStringLiteral("InWal");
    QTest::newRow("a name that is no UTF-8, given on the command line") << QString() << QStringLiteral("Astra");
}

void UserFileTest::openReadsWhatSqliteReads() {
    // Regression: the working copy was a byte copy of the file alone, missing its journal or WAL.
    QFETCH(QString, childMode);
    QFETCH(QString, expected);
    const QString path = WriteDb(Path(QStringLiteral("db.dat")), "Astra");
    if (childMode.isEmpty()) {
        // As text the name would be another file's; the editor is started on its bytes.
        const std::string raw = QFile::encodeName(Path(QStringLiteral("x"))).toStdString() + "\xe9.dat";
        QCOMPARE(::rename(QFile::encodeName(path).constData(), raw.c_str()), 0);
        const QString shown = QFile::decodeName(QByteArray::fromStdString(raw));
        m_app.reset();
        m_app = std::make_unique<COrvaneApp>();
        QVERIFY(m_app->InitInstance({shown}, false, nativenames::RawArguments({shown}, {"orvane", raw})));
        QCOMPARE(SatNameOfFileAlone(Doc()->WorkPath()), expected);
        QCOMPARE(sqlite3_exec(g_db, "UPDATE SATInfo SET Name = 'Edited' WHERE SAT_ID = 1", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        g_dbModified = 1;
        Doc()->FileSave();
        QVERIFY(MessageBox::TakeShownTexts().isEmpty());
        QCOMPARE(::link(raw.c_str(), QFile::encodeName(Path(QStringLiteral("back.dat"))).constData()), 0);
        QCOMPARE(SatNameAsSqliteReads(Path(QStringLiteral("back.dat"))), QStringLiteral("Edited"));
        return;
    }
    QVERIFY(RunChild({childMode, path, QStringLiteral("InWal")}));
    QVERIFY(SatNameOfFileAlone(path) != expected); // the file alone tells another story

    QVERIFY(Doc()->OpenDocumentFile(path));
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QCOMPARE(SatNameOfFileAlone(Doc()->WorkPath()), expected);
    QCOMPARE(SatNameAsSqliteReads(path), expected);
}

void UserFileTest::saveSettlesTheTargetsJournal_data() {
    QTest::addColumn<QString>("childMode");
    QTest::newRow("hot journal") << QStringLiteral("hot-journal");
    QTest::newRow("WAL") << QStringLiteral("wal");
}

void UserFileTest::saveSettlesTheTargetsJournal() {
    // Regression: a stale journal or WAL of the target was applied over the saved file.
    QFETCH(QString, childMode);
    const QString path = WriteDb(Path(QStringLiteral("db.dat")), "Astra");
    const QString other = WriteDb(Path(QStringLiteral("other.dat")), "Other");
    OpenAndRename(path, "Edited");
    QVERIFY(RunChild({childMode, other, QStringLiteral("Stale")}));

    FileChooser::QueueFileName(other);
    Doc()->FileSaveAs();
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QCOMPARE(SatNameAsSqliteReads(other), QStringLiteral("Edited"));
    QVERIFY(!QFile::exists(other + QStringLiteral("-journal")));
    QVERIFY(!QFile::exists(other + QStringLiteral("-wal")));
    QCOMPARE(g_dbModified, int16_t(0));

    // A non-database beside a WAL cannot be settled: the file is refused, not copied stale.
    const QString text = Path(QStringLiteral("text.dat"));
    QVERIFY(WriteBytes(text, QByteArray("not a database\n").repeated(300)));
    QVERIFY(WriteBytes(text + QStringLiteral("-journal"), QByteArray(4096, 'j')));
    QVERIFY(!Doc()->OpenDocumentFile(text));
    QCOMPARE(FirstLines(MessageBox::TakeShownTexts()),
             QStringList{text + QStringLiteral(" cannot be read the way SQLite reads it, so it is not opened.")});
    QCOMPARE(Doc()->GetTitle(), QStringLiteral("other.dat"));
}

void UserFileTest::saveWritesThroughLinks() {
    // Regression: Save replaced the link by a regular file and left the linked file stale.
    QVERIFY(QDir(Path(QString())).mkdir(QStringLiteral("real")));
    const QString real = WriteDb(Path(QStringLiteral("real/db.dat")), "Astra");
    const QString otherReal = WriteDb(Path(QStringLiteral("real/other.dat")), "Other");
    const QString link = Path(QStringLiteral("db.dat"));
    const QString otherLink = Path(QStringLiteral("other.dat"));
    QVERIFY(QFile::link(QStringLiteral("real/db.dat"), link));
    QVERIFY(QFile::link(otherReal, otherLink));

    OpenAndRename(link, "Saved");
    Doc()->FileSave();
    QCOMPARE(sqlite3_exec(g_db, "UPDATE SATInfo SET Name = 'SavedAs' WHERE SAT_ID = 1", nullptr, nullptr, nullptr),
             SQLITE_OK);
    FileChooser::QueueFileName(otherLink);
    Doc()->FileSaveAs();

    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo(otherLink).isSymLink());
    QCOMPARE(SatNameAsSqliteReads(real), QStringLiteral("Saved"));
    QCOMPARE(SatNameAsSqliteReads(otherReal), QStringLiteral("SavedAs"));
    // The replace happened in the linked file's folder and left nothing behind but the
    // locks of the files this window saves to, which keep other links to them out.
    QCOMPARE(QDir(Path(QStringLiteral("real"))).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("db.dat"), QStringLiteral("db.dat.bak.lock"), QStringLiteral("other.dat"),
                          QStringLiteral("other.dat.bak.lock")}));
}

void UserFileTest::secondEditorIsRefused() {
    // Regression: a second editor re-made the working copy under the first one's unsaved edits.
    const QString a = WriteDb(Path(QStringLiteral("a.dat")), "Astra");
    const QString b = WriteDb(Path(QStringLiteral("b.dat")), "Other");
    QVERIFY(WriteBytes(a + QStringLiteral(".bak"), "the other window's unsaved working copy"));
    QVERIFY(Doc()->OpenDocumentFile(b));
    const QStringList refusal{
        QStringLiteral("Another window has %1 open. Close it there before opening it here.").arg(a)};
    {
        CHoldingChild other({QStringLiteral("lock"), a + QStringLiteral(".bak.lock")});
        QVERIFY(other.Ready());
        QVERIFY(!Doc()->OpenDocumentFile(a));
        QCOMPARE(MessageBox::TakeShownTexts(), refusal);
        QCOMPARE(ReadAll(a + QStringLiteral(".bak")), QByteArray("the other window's unsaved working copy"));
        QCOMPARE(Doc()->GetTitle(), QStringLiteral("b.dat"));
        QVERIFY(g_db != nullptr);
        // The lock of an editor that died is taken over.
        other.Kill();
    }
    QVERIFY(Doc()->OpenDocumentFile(a));
    QVERIFY(Doc()->OpenDocumentFile(a)); // this window's own file opens again

    // A second window of this very process is refused as well, until the first lets go.
    auto second = std::make_unique<COrvaneDoc>();
    QVERIFY(!second->OnOpenDocument(a));
    QCOMPARE(MessageBox::TakeShownTexts(), refusal);
    // Nor through a link from another folder, which has a working copy of its own.
    const QString link = Path(QStringLiteral("links/a.dat"));
    QVERIFY(QDir().mkpath(QFileInfo(link).path()) && QFile::link(a, link));
    QVERIFY(!second->OnOpenDocument(link));
    QCOMPARE(
        MessageBox::TakeShownTexts(),
        QStringList{QStringLiteral("Another window has %1 open. Close it there before opening it here.").arg(link)});
    Doc()->FileNew();
    QVERIFY(second->OnOpenDocument(link));
    QVERIFY(!Doc()->OnOpenDocument(a)); // and the other way round
    MessageBox::TakeShownTexts();
    // Save As over it would be replaced again by that window's next save.
    QVERIFY(Doc()->OpenDocumentFile(b));
    const QByteArray held = ReadAll(a);
    FileChooser::QueueFileName(a);
    Doc()->FileSaveAs();
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("Another window has %1 open. Close it there before saving over it.").arg(a)});
    QCOMPARE(ReadAll(a), held);
    second->FileNew(); // once that window lets go, the Save As goes through
    FileChooser::QueueFileName(a);
    Doc()->FileSaveAs();
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QCOMPARE(SatNameAsSqliteReads(a), QStringLiteral("Other"));
    QVERIFY(!second->OnOpenDocument(a)); // this window's Save writes there now
    QCOMPARE(MessageBox::TakeShownTexts(), refusal);
}

void UserFileTest::failedYesSaveKeepsTheWindowAndTheChanges_data() {
    QTest::addColumn<QString>("leave");
    QTest::newRow("Exit") << QStringLiteral("exit");
    QTest::newRow("Close") << QStringLiteral("close");
    QTest::newRow("Open") << QStringLiteral("open");
    QTest::newRow("New") << QStringLiteral("new");
}

void UserFileTest::failedYesSaveKeepsTheWindowAndTheChanges() {
    // Regression: the window closed (and a later open re-made the working copy) after the Yes-save failed.
    QFETCH(QString, leave);
    const QString path = WriteDb(Path(QStringLiteral("a.dat")), "Astra");
    const QString other = WriteDb(Path(QStringLiteral("b.dat")), "Other");
    OpenAndRename(path, "Unsaved");
    m_app->MainFrame()->show();
    filecopy::ResetSteps();
    filecopy::FailStep(Step::Write, 1, ENOSPC);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    if (leave == QLatin1String("exit")) {
        QVERIFY(!m_app->MainFrame()->close());
    } else if (leave == QLatin1String("close")) {
        QVERIFY(testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionFileClose")));
    } else if (leave == QLatin1String("open")) {
        QVERIFY(!Doc()->OpenDocumentFile(other));
    } else {
        QVERIFY(testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionFileNew")));
    }
    const QStringList shown = MessageBox::TakeShownTexts();
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown[1].startsWith(QStringLiteral("The DB could not be saved to ") + path), qPrintable(shown[1]));
    QVERIFY(shown[1].contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    QVERIFY(m_app->MainFrame()->isVisible());
    QCOMPARE(g_dbModified, int16_t(1));
    QCOMPARE(Doc()->GetTitle(), QStringLiteral("a.dat"));
    QCOMPARE(SatNameOfFileAlone(Doc()->WorkPath()), QStringLiteral("Unsaved"));
    QCOMPARE(SatNameAsSqliteReads(path), QStringLiteral("Astra"));
}

void UserFileTest::incompleteCheckpointIsReported() {
    // Regression: a checkpoint blocked by a reader was ignored and the save lacked the last changes.
    const QString path = WriteDb(Path(QStringLiteral("a.dat")), "Astra");
    QVERIFY(Doc()->OpenDocumentFile(path));
    QCOMPARE(sqlite3_exec(g_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr), SQLITE_OK);
    const QByteArray original = ReadAll(path);
    {
        CHoldingChild reader({QStringLiteral("hold-read"), Doc()->WorkPath()});
        QVERIFY(reader.Ready());
        QCOMPARE(sqlite3_exec(g_db, "UPDATE SATInfo SET Name = 'InWal' WHERE SAT_ID = 1", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        g_dbModified = 1;
        Doc()->FileSave();
        const QStringList shown = MessageBox::TakeShownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(QStringLiteral("The DB could not be saved to ") + path), qPrintable(shown[0]));
        QCOMPARE(ReadAll(path), original);
        QCOMPARE(g_dbModified, int16_t(1));
        reader.Release();
    }
    Doc()->FileSave();
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QCOMPARE(SatNameAsSqliteReads(path), QStringLiteral("InWal"));
}

void UserFileTest::readOnlyTargetIsNamedBeforeSaveAs() {
    // Regression: Ctrl+S on a read-only file went to the chooser without a word (and root replaced it).
    const QString path = WriteDb(Path(QStringLiteral("a.dat")), "Astra");
    OpenAndRename(path, "Edited");
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    const QByteArray original = ReadAll(path);
    FileChooser::QueueFileName(QString()); // the user cancels the chooser
    testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionFileSave"));
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{path + QStringLiteral(" is read-only, so the DB cannot be saved there. Please choose another "
                                               "name.")});
    QCOMPARE(FileChooser::TakeAsked().size(), 1);
    QCOMPARE(ReadAll(path), original);
    QCOMPARE(g_dbModified, int16_t(1));

    // Regression: Save As onto the working copy itself left the connection on a nameless file.
    FileChooser::QueueFileName(Doc()->WorkPath());
    Doc()->FileSaveAs();
    QCOMPARE(FirstLines(MessageBox::TakeShownTexts()),
             QStringList{QStringLiteral("The DB could not be saved to ") + Doc()->WorkPath() + QStringLiteral(".")});
    QCOMPARE(g_dbModified, int16_t(1));

    // Regression: a read-only file gave a read-only working copy that no edit could change.
    MessageBox::QueueAnswer(MessageBox::Answer::No);
    QVERIFY(Doc()->OpenDocumentFile(path));
    QVERIFY(QFileInfo(Doc()->WorkPath()).permissions().testFlag(QFile::WriteOwner));
}

void UserFileTest::failedSaveAsIsToldAndKeepsTheChanges() {
    // The file layer's trials (tests/userfile) prove what a fault leaves on disk; here the
    // window tells it once, with the system's reason, and keeps the changes.
    const QString path = WriteDb(Path(QStringLiteral("a.dat")), "Astra");
    const QString target = WriteDb(Path(QStringLiteral("b.dat")), "Other");
    const QByteArray oldBytes = ReadAll(target);
    OpenAndRename(path, "New");
    filecopy::ResetSteps();
    filecopy::FailStep(Step::Write, 2, ENOSPC);
    FileChooser::QueueFileName(target);
    Doc()->FileSaveAs();
    const QStringList shown = MessageBox::TakeShownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("The DB could not be saved to ") + target), qPrintable(shown[0]));
    QVERIFY2(shown[0].contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(shown[0]));
    QCOMPARE(g_dbModified, int16_t(1));
    QCOMPARE(ReadAll(target), oldBytes);
    QCOMPARE(Doc()->GetTitle(), QStringLiteral("a.dat"));
}

QTEST_MAIN(UserFileTest)
#include "UserFileTest.moc"
