#include "DialogDriver.h"

#include "channels/SelectNitDlg.h"
#include "seams/ModalDialog.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace channeltest::driver {

QLineEdit* Edit(QWidget* root, const char* name) {
    return Child<QLineEdit>(root, name);
}

// Characters beyond Latin-1 arrive as the key text that a keyboard layout would
// send, since QTest::keyClicks takes Latin-1 only.
void Type(QWidget* root, const char* name, const QString& text) {
    QLineEdit* edit = Edit(root, name);
    edit->clear();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(edit, ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

void Click(QWidget* root, const char* name) {
    QTest::mouseClick(Child<QAbstractButton>(root, name), Qt::LeftButton);
}

void ClickLine(QListWidget* list, int value) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toInt() == value) {
            list->scrollToItem(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no line with value %1").arg(value)));
}

// Presses "NIT Info" and lets `drive` play the user in the Select NIT dialog it
// runs; a dialog that `drive` leaves open ends as cancelled.
void RunSelectNit(QWidget* editDlg, const std::function<void(CSelectNitDlg*)>& drive) {
    bool driven = false;
    ModalDialog::QueueScript([&](QDialog& dialog) {
        auto* nit = qobject_cast<CSelectNitDlg*>(&dialog);
        QVERIFY(nit != nullptr);
        drive(nit);
        driven = true;
    });
    Click(editDlg, "nitInfoButton");
    QVERIFY(driven);
}

// Chooses satellite `satId` and TP `nitId` and confirms.
void ChooseTp(QWidget* editDlg, int satId, int nitId) {
    RunSelectNit(editDlg, [&](CSelectNitDlg* nit) {
        ClickLine(Child<QListWidget>(nit, "satelliteList"), satId);
        ClickLine(Child<QListWidget>(nit, "tpList"), nitId);
        Click(nit, "okButton");
    });
}

// Fills every typed field of a new channel.
void FillNewChannel(QWidget* dlg, const QString& name, const QString& provider) {
    Type(dlg, "chNameEdit", name);
    Type(dlg, "serviceIdEdit", QStringLiteral("6940"));
    Type(dlg, "providerEdit", provider);
    Type(dlg, "videoPidEdit", QStringLiteral("101"));
    Type(dlg, "audioPidEdit", QStringLiteral("102"));
    Type(dlg, "pcrPidEdit", QStringLiteral("101"));
    Type(dlg, "pmtPidEdit", QStringLiteral("100"));
}

} // namespace channeltest::driver
