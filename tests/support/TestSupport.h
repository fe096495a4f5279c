#pragma once
// Helpers every GUI test uses: a temporary folder with fresh fixture files, fresh
// per-test settings, scripted message boxes and file choosers, and named actions.
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"

#include <QString>
#include <QTemporaryDir>

class CRecordListCtrl;
class QPoint;
class QWidget;

namespace testsupport {

// Puts settings into test mode, scripts every message box, file chooser, dialog and
// popup menu, makes sure the modal-window guard is on, and empties the settings store. Call from initTestCase() and
// init().
void ResetEnvironment();

// A fresh temporary folder holding fixture files made on demand.
class FixtureFolder {
public:
    FixtureFolder();
    QString Path(const QString& name) const;
    // Writes the fixture set `kind` (fixtures::WriteFixtureSet; an unknown kind writes
    // "empty") under `name` and returns its path.
    QString Write(const QString& kind, const QString& name);

private:
    QTemporaryDir m_dir;
};

// Opens g_db on `path` directly (closing any open one), for tests of views without a
// document open step.
bool OpenDbDirect(const QString& path);
void CloseDbDirect();

// testsql's direct SQL on g_db (SqlHelpers.h) for Qt texts. Exec: false on failure.
// QueryInt: the first value, -999 when there is no row.
bool Exec(const QString& sql);
int QueryInt(const QString& sql);
QString QueryText(const QString& sql);

// The hand-made drags as the user makes them: a press at `start` of `viewport` and
// moves past the drag distance; StartRowDrag presses on `row` of `list`; then a move
// to `point` of `widget` and the release there.
void PressAndStartDrag(QWidget* viewport, const QPoint& start);
void StartRowDrag(CRecordListCtrl* list, int row);
void MoveAndRelease(QWidget* widget, const QPoint& point);

// Triggers the enabled action named `name` under `root`; false when it is missing
// or disabled.
bool TriggerAction(QWidget* root, const QString& name);

} // namespace testsupport
