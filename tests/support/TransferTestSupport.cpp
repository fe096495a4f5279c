#include "TransferTestSupport.h"

#include "FixtureBuilder.h"
#include "seams/MessageBox.h"
#include "transfer/TransferDlg.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <sqlite3.h>

#include <cstdlib>

CTestReceiver::CTestReceiver() {
    QDir(m_dir.path()).mkpath(QStringLiteral("receiver"));
    QDir(m_dir.path()).mkpath(QStringLiteral("pc"));
    fixtures::WriteDemoDb(DbPath().toStdString());
    ::setenv("KIVRA_DEVICE_DIR", QFile::encodeName(m_dir.filePath(QStringLiteral("devices"))).constData(), 1);
    ::setenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))).constData(), 1);
}

CTestReceiver::~CTestReceiver() {
    m_simulator.reset();
    ::unsetenv("KIVRA_DEVICE_DIR");
}

SimulatorOptions CTestReceiver::Options() const {
    SimulatorOptions options;
    options.baseDir = m_dir.filePath(QStringLiteral("devices")).toStdString();
    options.dbPath = DbPath().toStdString();
    options.logPath = m_dir.filePath(QStringLiteral("simulator.log")).toStdString();
    return options;
}

bool CTestReceiver::Plug(const SimulatorOptions& options) {
    m_simulator.reset();
    m_simulator = std::make_unique<CSimulatorThread>(options);
    return m_simulator->Started();
}

QString CTestReceiver::DbPath() const {
    return m_dir.filePath(QStringLiteral("receiver/db.dat"));
}

QString CTestReceiver::PcPath(const QString& name) const {
    return m_dir.filePath(QStringLiteral("pc/") + name);
}

QStringList CTestReceiver::Requests(const QString& prefix) const {
    QStringList lines;
    const QString log = QString::fromUtf8(ReadFileBytes(m_dir.filePath(QStringLiteral("simulator.log"))));
    for (const QString& line : log.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("ready")) && line.startsWith(prefix)) {
            lines << line;
        }
    }
    return lines;
}

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

void WriteDbOfSize(const QString& path, qint64 size) {
    // A sound database in small pages, padded: SQLite reads only the pages its header
    // counts, so the file passes the checks made before sending.
    fixtures::WriteEmptyDb(path.toStdString());
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "PRAGMA page_size = 512; VACUUM", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    QVERIFY(QFileInfo(path).size() <= size);
    QVERIFY(QFile::resize(path, size));
}

void StartAndWait(CTransferDlg& dlg) {
    auto* start = dlg.findChild<QPushButton*>(QStringLiteral("startButton"));
    QVERIFY(start != nullptr && start->isEnabled());
    start->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.IsTransferring(), 30000);
}

QString ResultLine(const CTransferDlg& dlg) {
    const auto* label = dlg.findChild<QLabel*>(QStringLiteral("resultLabel"));
    return label->isHidden() ? QString() : label->text();
}

QStringList StepNames(const CTransferDlg& dlg) {
    QStringList names; // each line reads "  0.12 s  name: what happened"
    for (const QString& line :
         dlg.findChild<QPlainTextEdit*>(QStringLiteral("stepLogEdit"))->toPlainText().split('\n')) {
        names << line.section(QStringLiteral(" s  "), 1).section(QLatin1Char(':'), 0, 0);
    }
    return names;
}

void CloseAtEnd(CTransferDlg& dlg) {
    // Once a transfer has ended, Close is all the dialog offers.
    QVERIFY(dlg.ShowsResult() && dlg.findChild<QPushButton*>(QStringLiteral("startButton"))->isHidden());
    auto* close = dlg.findChild<QPushButton*>(QStringLiteral("closeButton"));
    QVERIFY(close->isVisibleTo(&dlg) && close->isEnabled());
    close->click();
}
