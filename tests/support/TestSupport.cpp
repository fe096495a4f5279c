#include "TestSupport.h"

#include "FixtureBuilder.h"
#include "ModalGuard.h"
#include "app/ModalDialog.h"
#include "app/PopupMenu.h"
#include "db/ChannelDB.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace testsupport {

void ResetEnvironment() {
    InstallModalGuard();
    QStandardPaths::setTestModeEnabled(true);
    MessageBox::SetScripted(true);
    FileChooser::SetScripted(true);
    ModalDialog::SetScripted(true);
    PopupMenu::SetScripted(true);
    QSettings().clear();
}

FixtureFolder::FixtureFolder() = default;

QString FixtureFolder::Path(const QString& name) const {
    return m_dir.filePath(name);
}

QString FixtureFolder::Write(const QString& kind, const QString& name) {
    const QString path = Path(name);
    const std::string file = path.toStdString();
    if (kind == QLatin1String("demo")) {
        fixtures::WriteDemoDb(file);
    } else if (kind == QLatin1String("large")) {
        fixtures::WriteLargeDb(file);
    } else {
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
