// The document's life: opening through a working copy, refusing foreign files,
// saving where the user expects, the save prompt and the recent-file list.
#include "FixtureBuilder.h"
#include "TestSupport.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "seams/ModalDialog.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(MessageBox::Answer)

using fixtures::FixtureDb;
using fixtures::SchemaOptions;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Name of satellite 1 as stored in the file at `path`, read with a connection of its
// own on a private copy so that no journal beside the file takes part.
QString StoredSatName(const QString& path) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.dat"));
    QFile::copy(path, copy);
    sqlite3* db = nullptr;
    sqlite3_open(copy.toUtf8().constData(), &db);
    dbutil::ResultTable table;
    table.Run(db, "SELECT Name FROM SATInfo WHERE SAT_ID = 1");
    const QString name = table.Rows() > 0 ? QString::fromUtf8(table.Value(0, 0)) : QString();
    sqlite3_close(db);
    return name;
}

QString WriteOneSatDb(const QString& path, const QString& satName) {
    FixtureDb db(path.toStdString());
    db.AddSat(1, satName.toStdString(), 192, 1);
    return path;
}

void RenameSat(const char* name) {
    char* sql = sqlite3_mprintf("UPDATE SATInfo SET Name = '%q' WHERE SAT_ID = 1", name);
    QCOMPARE(sqlite3_exec(g_db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_free(sql);
    g_dbModified = 1;
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { COrvaneApp::SelectSettingsStore(); }
    void init();
    void cleanup();

    void titleFollowsTheDocument();
    void openMakesAByteCopyAndLeavesTheFileUntouched();
    void refusesForeignFiles_data();
    void refusesForeignFiles();
    void missingFileKeepsThePreviousOneOpen();
    void saveAsThenPromptAndSaveWriteWhereExpected();
    void exitWithChangesAsksOnce();
    void savePromptAnswers_data();
    void savePromptAnswers();
    void recentFileListKeepsFourAcrossRuns();
    void failedWorkingCopyRefusesTheFile();
    void failedSaveKeepsTheChangesMarked();
    void refusedFileNeverOverwritesThePreviousFile();
    void staleJournalDoesNotRollTheFreshCopyBack();
    void saveCarriesEveryChangeOfAWalFile();
    void saveRefusedWhileATransactionIsOpen();
    void aboutBox();

private:
    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneApp> m_app;
    COrvaneDoc* Doc() const { return m_app->Document(); }
    QString Path(const QString& name) const { return m_folder->Path(name); }
};

void DocumentTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance({}, false));
}

void DocumentTest::cleanup() {
    m_app.reset();
    testsupport::CloseDbDirect();
    m_folder.reset();
}

void DocumentTest::titleFollowsTheDocument() {
    QCOMPARE(m_app->MainFrame()->windowTitle(), QStringLiteral("Melvex400 Orvane 1.0 - Untitled"));
    const QString path = m_folder->Write(QStringLiteral("demo"), QStringLiteral("db.dat"));
    QVERIFY(Doc()->OpenDocumentFile(path));
    QCOMPARE(m_app->MainFrame()->windowTitle(), QStringLiteral("Melvex400 Orvane 1.0 - db.dat"));
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
}

void DocumentTest::openMakesAByteCopyAndLeavesTheFileUntouched() {
    const QString path = WriteOneSatDb(Path(QStringLiteral("db.dat")), QStringLiteral("Astra"));
    WriteBytes(path + QStringLiteral(".bak"), "an old working copy that must be replaced");
    const QByteArray original = ReadAll(path);

    QVERIFY(Doc()->OpenDocumentFile(path));
    QVERIFY(g_db != nullptr);
    QCOMPARE(Doc()->WorkPath(), path + QStringLiteral(".bak"));
    QCOMPARE(ReadAll(path + QStringLiteral(".bak")), original);

    RenameSat("Hotbird");
    QCOMPARE(ReadAll(path), original);
    Doc()->FileSave();
    QCOMPARE(StoredSatName(path), QStringLiteral("Hotbird"));
    QCOMPARE(g_dbModified, int16_t(0));

    // Another program renames the satellite after that save: Save asks, No keeps its file.
    sqlite3* outside = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &outside), SQLITE_OK);
    QCOMPARE(sqlite3_exec(outside, "UPDATE SATInfo SET Name = 'Outside'", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(outside);
    const QByteArray changed = ReadAll(path);
    RenameSat("Mine");
    MessageBox::QueueAnswer(MessageBox::Answer::No);
    Doc()->FileSave();
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{path + QStringLiteral(" was changed by another program since you opened it. Replace it with "
                                               "your version?\nChoose No to keep it and use Save As instead.")});
    QCOMPARE(ReadAll(path), changed);
    QCOMPARE(g_dbModified, int16_t(1));
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    Doc()->FileSave();
    QCOMPARE(StoredSatName(path), QStringLiteral("Mine"));
}

void DocumentTest::refusesForeignFiles_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("revision");
    QTest::addColumn<int>("rows");
    QTest::newRow("not a database") << 0 << QString() << 0;
    QTest::newRow("no options table") << 1 << QString() << 0;
    QTest::newRow("no revision row") << 2 << QStringLiteral("$Revision: 1.9 $") << 0;
    QTest::newRow("revision row twice") << 2 << QStringLiteral("$Revision: 1.9 $") << 2;
    QTest::newRow("another revision") << 2 << QStringLiteral("$Revision: 2.0 $") << 1;
    QTest::newRow("differs in case") << 2 << QStringLiteral("$REVISION: 1.9 $") << 1;
    QTest::newRow("differs in spacing") << 2 << QStringLiteral("$Revision:1.9 $") << 1;
}

void DocumentTest::refusesForeignFiles() {
    QFETCH(int, kind);
    QFETCH(QString, revision);
    QFETCH(int, rows);
    const QString path = Path(QStringLiteral("foreign.dat"));
    if (kind == 0) {
        WriteBytes(path, QByteArray("This is a plain text file, not a receiver database.\n").repeated(20));
    } else {
        SchemaOptions schema;
        schema.withOptionsTable = kind == 2;
        schema.revision = revision.toStdString();
        schema.revisionRows = rows;
        FixtureDb db(path.toStdString(), schema);
    }
    QVERIFY(!Doc()->OpenDocumentFile(path));
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("Invalid DB Version file. It must use $Revision: 1.9 $")});
    QVERIFY(g_db == nullptr);
    QCOMPARE(m_app->MainFrame()->windowTitle(), QStringLiteral("Melvex400 Orvane 1.0 - Untitled"));
}

void DocumentTest::missingFileKeepsThePreviousOneOpen() {
    const QString path = m_folder->Write(QStringLiteral("demo"), QStringLiteral("a.dat"));
    QVERIFY(Doc()->OpenDocumentFile(path));
    sqlite3* before = g_db;
    const QString missing = Path(QStringLiteral("gone.dat"));
    QVERIFY(!Doc()->OpenDocumentFile(missing));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{missing + QStringLiteral(" was not found.")});
    QCOMPARE(g_db, before);
    QCOMPARE(Doc()->GetTitle(), QStringLiteral("a.dat"));
}

void DocumentTest::saveAsThenPromptAndSaveWriteWhereExpected() {
    const QString a = WriteOneSatDb(Path(QStringLiteral("a.dat")), QStringLiteral("Astra"));
    const QString b = Path(QStringLiteral("b.dat"));
    QVERIFY(Doc()->OpenDocumentFile(a));

    RenameSat("First");
    FileChooser::QueueFileName(b);
    Doc()->FileSaveAs();
    QCOMPARE(Doc()->GetTitle(), QStringLiteral("b.dat"));
    QCOMPARE(StoredSatName(b), QStringLiteral("First"));
    QCOMPARE(StoredSatName(a), QStringLiteral("Astra"));

    // The prompt copies back to the file first opened.
    RenameSat("Second");
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    Doc()->SaveModified();
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("Do you want to save the changed DB contents?")});
    QCOMPARE(StoredSatName(a), QStringLiteral("Second"));
    QCOMPARE(StoredSatName(b), QStringLiteral("First"));

    // A plain Save goes to the name chosen last.
    RenameSat("Third");
    Doc()->FileSave();
    QCOMPARE(StoredSatName(b), QStringLiteral("Third"));
    QCOMPARE(StoredSatName(a), QStringLiteral("Second"));
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
}

void DocumentTest::exitWithChangesAsksOnce() {
    const QString path = WriteOneSatDb(Path(QStringLiteral("a.dat")), QStringLiteral("Astra"));
    QVERIFY(Doc()->OpenDocumentFile(path));
    RenameSat("Changed");
    MessageBox::QueueAnswer(MessageBox::Answer::No);
    QVERIFY(m_app->MainFrame()->close());
    const auto shown = MessageBox::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Do you want to save the changed DB contents?"));
    QCOMPARE(shown[0].caption, QStringLiteral("Melvex400 Orvane 1.0"));
    QVERIFY(shown[0].buttons == MessageBox::Buttons::YesNoCancel);
    QCOMPARE(StoredSatName(path), QStringLiteral("Astra"));
}

void DocumentTest::savePromptAnswers_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<MessageBox::Answer>("answer");
    for (const char* command : {"exit", "close", "new", "open"}) {
        QTest::addRow("%s, Yes", command) << command << MessageBox::Answer::Yes;
        QTest::addRow("%s, No", command) << command << MessageBox::Answer::No;
        // What Esc and the box's close button answer.
        QTest::addRow("%s, Cancel", command) << command << MessageBox::Answer::Cancel;
    }
}

void DocumentTest::savePromptAnswers() {
    QFETCH(QString, command);
    QFETCH(MessageBox::Answer, answer);
    const QString path = WriteOneSatDb(Path(QStringLiteral("a.dat")), QStringLiteral("Astra"));
    const QString other = WriteOneSatDb(Path(QStringLiteral("b.dat")), QStringLiteral("Other"));
    QVERIFY(Doc()->OpenDocumentFile(path));
    RenameSat("Changed");
    MessageBox::QueueAnswer(answer);
    bool wentOn = false;
    if (command == QLatin1String("exit")) {
        wentOn = m_app->MainFrame()->close();
    } else if (command == QLatin1String("close")) {
        QVERIFY(testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionFileClose")));
        wentOn = g_db == nullptr;
    } else if (command == QLatin1String("new")) {
        Doc()->FileNew();
        wentOn = g_db == nullptr;
    } else {
        wentOn = Doc()->OpenDocumentFile(other);
    }
    const auto shown = MessageBox::TakeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].buttons == MessageBox::Buttons::YesNoCancel);
    QCOMPARE(wentOn, answer != MessageBox::Answer::Cancel);
    QCOMPARE(StoredSatName(path),
             answer == MessageBox::Answer::Yes ? QStringLiteral("Changed") : QStringLiteral("Astra"));
    if (!wentOn) { // the file stays open with its change still unsaved
        QCOMPARE(Doc()->GetTitle(), QStringLiteral("a.dat"));
        QCOMPARE(g_dbModified, int16_t(1));
    }
}

void DocumentTest::recentFileListKeepsFourAcrossRuns() {
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << WriteOneSatDb(Path(QStringLiteral("f%1.dat").arg(i)), QStringLiteral("S"));
        QVERIFY(Doc()->OpenDocumentFile(paths.last()));
    }
    const QStringList newestFour{paths[4], paths[3], paths[2], paths[1]};
    QCOMPARE(m_app->RecentFiles().Files(), newestFour); // the menu kept a fifth until the next start
    m_app.reset();

    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance({}, false));
    QCOMPARE(m_app->RecentFiles().Files(), newestFour);
    QVERIFY(m_app->MainFrame()->findChild<QAction*>(QStringLiteral("actionRecentFile4")) != nullptr);
    QVERIFY(m_app->MainFrame()->findChild<QAction*>(QStringLiteral("actionRecentFile5")) == nullptr);
    // A recent file opens again from the menu.
    QVERIFY(testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionRecentFile3")));
    QCOMPARE(Doc()->GetTitle(), QStringLiteral("f3.dat"));
    QCOMPARE(m_app->RecentFiles().Files().first(), paths[2]);
}

void DocumentTest::failedWorkingCopyRefusesTheFile() {
    // Regression: a failed copy used to go unnoticed and the old working copy was opened.
    const QString path = WriteOneSatDb(Path(QStringLiteral("a.dat")), QStringLiteral("New"));
    WriteOneSatDb(Path(QStringLiteral("old.dat")), QStringLiteral("Old"));
    QVERIFY(QDir(m_folder->Path(QString())).mkpath(QStringLiteral("a.dat.bak/blocker")));

    QVERIFY(!Doc()->OpenDocumentFile(path));
    const QStringList texts = MessageBox::TakeShownTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].startsWith(QStringLiteral("The working copy ") + path + QStringLiteral(".bak could not be made")),
             qPrintable(texts[0]));
    QVERIFY(g_db == nullptr);
    QVERIFY(Doc()->WorkPath().isEmpty());
}

void DocumentTest::failedSaveKeepsTheChangesMarked() {
    const QString path = WriteOneSatDb(Path(QStringLiteral("a.dat")), QStringLiteral("Astra"));
    QVERIFY(Doc()->OpenDocumentFile(path));
    RenameSat("Changed");
    const QString unreachable = Path(QStringLiteral("no/such/folder/b.dat"));
    FileChooser::QueueFileName(unreachable);
    Doc()->FileSaveAs();
    const QStringList texts = MessageBox::TakeShownTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts[0].startsWith(QStringLiteral("The DB could not be saved to ") + unreachable));
    QCOMPARE(g_dbModified, int16_t(1));
    QCOMPARE(Doc()->GetTitle(), QStringLiteral("a.dat"));

    // The prompt's Yes failing keeps the mark too.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path + QStringLiteral("/blocker")));
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    Doc()->SaveModified();
    QCOMPARE(MessageBox::TakeShownTexts().size(), 2);
    QCOMPARE(g_dbModified, int16_t(1));
}

void DocumentTest::refusedFileNeverOverwritesThePreviousFile() {
    const QString a = WriteOneSatDb(Path(QStringLiteral("a.dat")), QStringLiteral("Astra"));
    const QByteArray original = ReadAll(a);
    SchemaOptions schema;
    schema.revision = "$Revision: 1.8 $";
    { FixtureDb bad(Path(QStringLiteral("b.dat")).toStdString(), schema); }
    QVERIFY(Doc()->OpenDocumentFile(a));
    QVERIFY(!Doc()->OpenDocumentFile(Path(QStringLiteral("b.dat"))));
    QCOMPARE(Doc()->GetTitle(), QStringLiteral("a.dat"));
    MessageBox::TakeShownTexts();

    Doc()->FileSave();
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("It has no DB. First open your DB!")});
    QCOMPARE(ReadAll(a), original);
}

void DocumentTest::staleJournalDoesNotRollTheFreshCopyBack() {
    // Build a journal that holds the pages of an older working copy, as a crash
    // during an earlier run would leave it.
    const QString path = Path(QStringLiteral("a.dat"));
    const QString work = path + QStringLiteral(".bak");
    WriteOneSatDb(work, QStringLiteral("Old"));
    {
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(work.toUtf8().constData(), &db), SQLITE_OK);
        sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN; UPDATE SATInfo SET Name='Tmp';", nullptr, nullptr, nullptr);
        const QByteArray journal = ReadAll(work + QStringLiteral("-journal"));
        QVERIFY(!journal.isEmpty());
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        WriteBytes(work + QStringLiteral("-journal"), journal);
    }
    WriteOneSatDb(path, QStringLiteral("New"));

    QVERIFY(Doc()->OpenDocumentFile(path));
    dbutil::ResultTable table;
    QCOMPARE(table.Run(g_db, "SELECT Name FROM SATInfo WHERE SAT_ID = 1"), SQLITE_OK);
    QCOMPARE(QString::fromUtf8(table.Value(0, 0)), QStringLiteral("New"));
}

void DocumentTest::saveCarriesEveryChangeOfAWalFile() {
    const QString path = WriteOneSatDb(Path(QStringLiteral("a.dat")), QStringLiteral("Astra"));
    QVERIFY(Doc()->OpenDocumentFile(path));
    QCOMPARE(sqlite3_exec(g_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr), SQLITE_OK);
    RenameSat("InWal");
    Doc()->FileSave();
    QCOMPARE(StoredSatName(path), QStringLiteral("InWal"));
}

void DocumentTest::saveRefusedWhileATransactionIsOpen() {
    const QString path = WriteOneSatDb(Path(QStringLiteral("a.dat")), QStringLiteral("Astra"));
    QVERIFY(Doc()->OpenDocumentFile(path));
    const QByteArray original = ReadAll(path);
    QCOMPARE(sqlite3_exec(g_db, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK);
    RenameSat("Half");
    Doc()->FileSave();
    QCOMPARE(MessageBox::TakeShownTexts().size(), 1);
    QCOMPARE(ReadAll(path), original);
    QCOMPARE(g_dbModified, int16_t(1));
    sqlite3_exec(g_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void DocumentTest::aboutBox() {
    bool seen = false;
    ModalDialog::QueueScript([&](QDialog& dialog) {
        QCOMPARE(dialog.objectName(), QStringLiteral("aboutDialog"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Orvane"));
        auto* version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"));
        QCOMPARE(version->text(), QStringLiteral("Melvex400 Orvane Version 1.0"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        seen = true;
    });
    QVERIFY(testsupport::TriggerAction(m_app->MainFrame(), QStringLiteral("actionAppAbout")));
    QVERIFY(seen);
}

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
