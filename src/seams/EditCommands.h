#pragma once
// The commands every editing view offers (Add, Edit, Delete, Renumber) from three
// places: the right-click popup (editmenu::Run), the main window's Edit menu and
// Renumber button (CEditDispatcher) and the keys of its lists (CListKeyFilter). One
// table names them; each view says through CEditCommands when it offers them and
// what they do to its records.
#include <QCoreApplication>
#include <QString>

#include <array>

enum class EditCmd { Add, Edit, Delete, Renumber };

struct EditCmdInfo {
    EditCmd cmd;
    const char* popupText; // the editing popup's item
    const char* menuText;  // the main window's item (Renumber: a toolbar button without text)
    // Both are sources of the "EditCommands" translations.
    const char* objectName;
};

inline constexpr std::array<EditCmdInfo, 4> kEditCmds = {{
    {EditCmd::Add, QT_TRANSLATE_NOOP("EditCommands", "Add"), QT_TRANSLATE_NOOP("EditCommands", "&Add"),
     "actionEditAdd"},
    {EditCmd::Edit, QT_TRANSLATE_NOOP("EditCommands", "Edit\tSpace"), QT_TRANSLATE_NOOP("EditCommands", "&Edit\tSpace"),
     "actionEditEdit"},
    {EditCmd::Delete, QT_TRANSLATE_NOOP("EditCommands", "Delete\tDel"),
     QT_TRANSLATE_NOOP("EditCommands", "&Delete\tDel"), "actionEditDelete"},
    {EditCmd::Renumber, QT_TRANSLATE_NOOP("EditCommands", "Renumber"), "", "actionRenumber"},
}};

class CEditCommands {
public:
    virtual ~CEditCommands() = default;
    // Whether the view has the command at all; the Edit menu and the Renumber button
    // follow this while the view is active.
    virtual bool Handles(EditCmd cmd) const { return cmd != EditCmd::Renumber || CanRenumber(); }
    // Whether the popup offers the command now (an open database, a row to act on).
    virtual bool CanRun(EditCmd cmd) const = 0;
    // Runs the command on the view's handler below.
    void Run(EditCmd cmd);

    virtual void OnEditAdd() {}
    virtual void OnEditEdit() {}
    virtual void OnEditDelete() {}
    // Only the channel list renumbers; the toolbar button follows this.
    virtual bool CanRenumber() const { return false; }
    // Why a view that renumbers cannot do it now (the toolbar button's tooltip).
    virtual QString RenumberOffReason() const { return {}; }
    virtual void OnRenumber() {}
};
