#include "shell/UndoCommands.h"

#include "db/ChannelDB.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "seams/MessageBox.h"
#include "seams/WaitCursor.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QWidget>

namespace {

// A step's name in a menu text: an ampersand of a group or channel name is no mnemonic.
QString MenuName(const std::string& name) {
    return QString::fromStdString(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}

// An item label being typed (a favourite group's name) belongs to the contents being
// left: it is dropped like Esc drops it, rather than stored into the restored file
// while the views reload.
void DropOpenLabelEdit() {
    QWidget* focus = QApplication::focusWidget();
    QWidget* viewport = focus != nullptr ? focus->parentWidget() : nullptr;
    auto* view = viewport != nullptr ? qobject_cast<QAbstractItemView*>(viewport->parentWidget()) : nullptr;
    // An item editor lives on its view's viewport; Esc there closes it without storing.
    if (view != nullptr && view->viewport() == viewport && qobject_cast<QLineEdit*>(focus) != nullptr) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(focus, &escape);
    }
}

} // namespace

CUndoCommands::CUndoCommands(COrvaneDoc* doc, QWidget* dialogParent)
    : QObject(dialogParent), m_doc(doc), m_dialogParent(dialogParent), m_undo(new QAction(this)),
      m_redo(new QAction(this)) {
    m_undo->setObjectName(QStringLiteral("actionEditUndo"));
    m_redo->setObjectName(QStringLiteral("actionEditRedo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_undo, &QAction::triggered, this, &CUndoCommands::Undo);
    connect(m_redo, &QAction::triggered, this, &CUndoCommands::Redo);
    UndoHistory().SetChangeListener([this] {
        UpdateActions();
        emit historyChanged();
    });
    UpdateActions();
}

CUndoCommands::~CUndoCommands() {
    UndoHistory().SetChangeListener(nullptr);
}

void CUndoCommands::UpdateActions() {
    const CUndoHistory& history = UndoHistory();
    const bool open = g_db != nullptr;
    m_undo->setEnabled(open && history.CanUndo());
    m_redo->setEnabled(open && history.CanRedo());
    m_undo->setText(history.CanUndo()
                        ? QCoreApplication::translate("UndoCommands", "&Undo %1").arg(MenuName(history.UndoName()))
                        : QCoreApplication::translate("UndoCommands", "&Undo"));
    m_redo->setText(history.CanRedo()
                        ? QCoreApplication::translate("UndoCommands", "&Redo %1").arg(MenuName(history.RedoName()))
                        : QCoreApplication::translate("UndoCommands", "&Redo"));
}

void CUndoCommands::Undo() {
    Travel(true);
}

void CUndoCommands::Redo() {
    Travel(false);
}

void CUndoCommands::Travel(bool undo) {
    CUndoHistory& history = UndoHistory();
    if (g_db == nullptr || !(undo ? history.CanUndo() : history.CanRedo())) {
        return;
    }
    DropOpenLabelEdit();
    // Slot edits the LNB page holds are lost when it reloads: they are asked about as
    // when the page is left. Stored (Yes), they are the newest step now, which the menu
    // names for the next undo; this undo or redo does not go on over them.
    const uint64_t contents = history.CurrentState();
    if (!m_doc->SettlePendingEdits() || history.CurrentState() != contents) {
        return;
    }
    const QString name = QString::fromStdString(undo ? history.UndoName() : history.RedoName());
    int rc = 0;
    {
        CWaitCursor wait;
        rc = undo ? history.Undo() : history.Redo();
    }
    if (rc != 0) {
        MessageBox::Tell(m_dialogParent, QCoreApplication::translate(
                                             "UndoCommands", "\"%1 %2\" could not be done: the DB is busy or cannot be "
                                                             "written (SQLite error %3).\nThe DB is as it was.")
                                             .arg(undo ? QCoreApplication::translate("UndoCommands", "Undo")
                                                       : QCoreApplication::translate("UndoCommands", "Redo"),
                                                  name)
                                             .arg(-rc));
        return;
    }
    // The file now holds other contents than the views show: they load them afresh.
    g_dbModified = history.AtSavedState() ? 0 : 1;
    m_doc->InitialUpdateAllViews();
    emit restored();
}
