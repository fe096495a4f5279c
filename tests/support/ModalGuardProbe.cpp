// Run by test_modal_guard as a child: each of the first four functions opens a
// window outside the seams on purpose and must be failed by the guard, closed, and
// left behind within seconds; the last one stays inside the seams and must pass.
#include "TestSupport.h"
#include "seams/ModalDialog.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A plain dialog with a title and one line of text.
class CProbeDialog : public QDialog {
public:
    CProbeDialog() {
        setWindowTitle(QStringLiteral("Probe dialog"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Nobody scripted this dialog"), this));
    }
};

} // namespace

class ModalGuardProbe : public QObject {
    Q_OBJECT

private slots:
    void init() { testsupport::ResetEnvironment(); }
    void messageBoxOutsideTheSeam() {
        QMessageBox::warning(nullptr, QStringLiteral("Probe box"), QStringLiteral("Nobody scripted this box"));
    }
    void dialogExecOutsideTheSeam() {
        CProbeDialog dialog;
        dialog.exec();
    }
    void execOfAShownDialog() {
        CProbeDialog dialog;
        dialog.show();
        dialog.exec();
    }
    void fileChooserOutsideTheSeam() { QFileDialog::getOpenFileName(nullptr, QStringLiteral("Probe chooser")); }
    void seamsAndPlainWindowsPass() {
        CProbeDialog scripted;
        ModalDialog::QueueScript([](QDialog& dialog) { dialog.accept(); });
        QCOMPARE(ModalDialog::Exec(scripted), int(QDialog::Accepted));
        QCOMPARE(MessageBox::Show(nullptr, QStringLiteral("recorded")), MessageBox::Answer::Ok);
        QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("recorded")});
        CProbeDialog shown;
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QTest::qWait(300);
        QVERIFY(shown.isVisible());
    }
};

QTEST_MAIN(ModalGuardProbe)
#include "ModalGuardProbe.moc"
