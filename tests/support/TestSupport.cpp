#include "TestSupport.h"

#include "FixtureBuilder.h"
#include "ModalGuard.h"
#include "SqlHelpers.h"
#include "db/ChannelDB.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/BusyProgress.h"
#include "seams/ModalDialog.h"
#include "seams/PopupMenu.h"
#include "shell/Translations.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

namespace testsupport {

void ResetEnvironment() {
    InstallModalGuard();
    QStandardPaths::setTestModeEnabled(true);
    MessageBox::SetScripted(true);
    FileChooser::SetScripted(true);
    ModalDialog::SetScripted(true);
    PopupMenu::SetScripted(true);
    CBusyProgress::SetDelayMs(1000);
    CBusyProgress::TakeShownCounts();
    QSettings().clear();
    if (translations::Current() == QLatin1String("en")) {
        translations::Install(QStringLiteral("en")); // the English plural forms users see
    }
}

FixtureFolder::FixtureFolder() = default;

QString FixtureFolder::Path(const QString& name) const {
    return m_dir.filePath(name);
}

QString FixtureFolder::Write(const QString& kind, const QString& name) {
    const QString path = Path(name);
    const std::string file = path.toStdString();
    if (!fixtures::WriteFixtureSet(kind.toStdString(), file)) {
        fixtures::WriteEmptyDb(file);
    }
    return path;
}

bool OpenDbDirect(const QString& path) {
    CloseDbDirect();
    return sqlite3_open(path.toUtf8().constData(), &g_db) == SQLITE_OK;
}

void CloseDbDirect() {
    if (g_db != nullptr) {
        sqlite3_close(g_db);
        g_db = nullptr;
    }
    g_dbModified = 0;
}

bool Exec(const QString& sql) {
    return testsql::Exec(sql.toStdString());
}

int QueryInt(const QString& sql) {
    return testsql::QueryInt(sql.toStdString());
}

QString QueryText(const QString& sql) {
    return QString::fromStdString(testsql::QueryText(sql.toStdString()));
}

void PressAndStartDrag(QWidget* viewport, const QPoint& start) {
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    // The first move beyond the drag distance arms the list's drag, the next starts it.
    QTest::mouseMove(viewport, start + QPoint(0, QApplication::startDragDistance() + 1));
    QTest::mouseMove(viewport, start + QPoint(0, QApplication::startDragDistance() + 2));
}

void StartRowDrag(CRecordListCtrl* list, int row) {
    PressAndStartDrag(list->viewport(), QPoint(40, list->RowBounds(row).center().y()));
}

void MoveAndRelease(QWidget* widget, const QPoint& point) {
    QTest::mouseMove(widget, point);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
}

bool TriggerAction(QWidget* root, const QString& name) {
    auto* action = root->findChild<QAction*>(name);
    if (action == nullptr || !action->isEnabled()) {
        return false;
    }
    action->trigger();
    QApplication::processEvents();
    return true;
}

} // namespace testsupport
