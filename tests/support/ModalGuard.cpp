#include "ModalGuard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>

namespace testsupport {

namespace {

// Set on a dialog once its test has been failed, until it hides again.
constexpr char kReported[] = "modalGuardReported";
// A dialog shown before the guard saw it, or made modal while already visible,
// is still found by a scan of the top-level windows this often.
constexpr int kScanIntervalMs = 100;

// The seams record message boxes and file choosers without ever showing one, and
// show their scripted dialogs without a modal loop.
bool OutsideTheSeams(const QDialog& dialog) {
    return qobject_cast<const QMessageBox*>(&dialog) != nullptr ||
           qobject_cast<const QFileDialog*>(&dialog) != nullptr || dialog.windowModality() != Qt::NonModal;
}

QString TextOf(const QDialog& dialog) {
    if (const auto* box = qobject_cast<const QMessageBox*>(&dialog)) {
        return box->text();
    }
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    return texts.join(QStringLiteral(" | "));
}

class CModalGuard : public QObject {
public:
    explicit CModalGuard(QObject* parent) : QObject(parent) {
        connect(&m_scan, &QTimer::timeout, this, &CModalGuard::ScanWindows);
        m_scan.start(kScanIntervalMs);
        parent->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog != nullptr && dialog->isWindow()) {
                if (event->type() == QEvent::Show) {
                    Check(*dialog);
                } else {
                    dialog->setProperty(kReported, QVariant());
                }
            }
        }
        return false;
    }

private:
    void ScanWindows() {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(window); dialog != nullptr && dialog->isVisible()) {
                Check(*dialog);
            }
        }
    }

    static void Check(QDialog& dialog) {
        if (!OutsideTheSeams(dialog) || dialog.property(kReported).toBool()) {
            return;
        }
        dialog.setProperty(kReported, true);
        const QString message =
            QStringLiteral("A window opened outside the test seams: %1 \"%2\" saying \"%3\". "
                           "It has been closed; run dialogs through ModalDialog::Exec "
                           "(scripted with ModalDialog::QueueScript), MessageBox and FileChooser.")
                .arg(QString::fromLatin1(dialog.metaObject()->className()), dialog.windowTitle(), TextOf(dialog));
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
        // Closed from the window's own modal loop, which runs only after show() returns.
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(QDialog::Rejected); });
    }

    QTimer m_scan;
};

} // namespace

void InstallModalGuard() {
    static QPointer<CModalGuard> guard;
    if (guard == nullptr && QCoreApplication::instance() != nullptr) {
        guard = new CModalGuard(QCoreApplication::instance());
    }
}

} // namespace testsupport
