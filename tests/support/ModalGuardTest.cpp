// The modal-window guard failing tests on purpose: the probe opens windows outside
// the seams in a child process, so this suite stays green while the child's fails.
#include <QProcess>
#include <QtTest>

class ModalGuardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eachWindowFailsItsTestByName_data();
    void eachWindowFailsItsTestByName();
    void theSeamsPass();

private:
    // The child's output, one entry per test function line ("FAIL!  : ..." etc.).
    QString m_output;
};

void ModalGuardTest::initTestCase() {
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral(MODAL_GUARD_PROBE_PATH), {});
    QVERIFY(child.waitForStarted());
    // A hang is what the guard prevents: the child must end by itself, long before
    // ctest would stop it.
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        QFAIL("the probe still ran after 60 s: a window outside the seams was left open");
    }
    m_output = QString::fromUtf8(child.readAll());
    // Qt Test exits with the number of failed functions.
    QCOMPARE(child.exitCode(), 4);
}

void ModalGuardTest::eachWindowFailsItsTestByName_data() {
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("window");
    QTest::newRow("message box") << "messageBoxOutsideTheSeam"
                                 << "QMessageBox \"Probe box\" saying \"Nobody scripted this box\"";
    QTest::newRow("exec") << "dialogExecOutsideTheSeam"
                          << "QDialog \"Probe dialog\" saying \"Nobody scripted this dialog\"";
    QTest::newRow("exec of a shown dialog") << "execOfAShownDialog"
                                            << "QDialog \"Probe dialog\" saying \"Nobody scripted this dialog\"";
    QTest::newRow("file chooser") << "fileChooserOutsideTheSeam"
                                  << "QFileDialog \"Probe chooser\"";
}

void ModalGuardTest::eachWindowFailsItsTestByName() {
    QFETCH(QString, function);
    QFETCH(QString, window);
    const QString failLine = QStringLiteral("FAIL!  : ModalGuardProbe::%1()").arg(function);
    const qsizetype at = m_output.indexOf(failLine);
    QVERIFY2(at >= 0, qPrintable(m_output));
    const QString failure = m_output.mid(at, m_output.indexOf(QLatin1Char('\n'), at) - at);
    QVERIFY2(failure.contains(QStringLiteral("A window opened outside the test seams: ") + window),
             qPrintable(failure));
}

void ModalGuardTest::theSeamsPass() {
    QVERIFY2(m_output.contains(QStringLiteral("PASS   : ModalGuardProbe::seamsAndPlainWindowsPass()")),
             qPrintable(m_output));
}

QTEST_GUILESS_MAIN(ModalGuardTest)
#include "ModalGuardTest.moc"
