#pragma once
// CBulkCommands: the channel list's commands on every selected row in sight at once
// (a filter's hidden rows are never touched): Lock, Unlock, Hide, Unhide, Add to
// Favourite Group, and Move to Top, Move to Bottom and Move to Number..., which
// place the rows in their shown order and store the whole list's order as Renumber
// does (off while a filter hides rows, as dragging is), and Renumber Selection
// From..., which numbers the rows from N in their shown order and, when other
// channels hold those numbers, asks whether to move them up to make room. Replace in
// Names... works on the selected rows, or on every row in sight when none is. Each command is one statement over the
// whole choice and one undoable step named by what it did ("Lock 200 channels"); a choice holding a row whose stored
// values the receiver's record cannot carry is refused with nothing written. Afterwards the database is marked changed
// and the views follow.
//
// The Edit menu and the channel list's popup offer the same items (BulkMenu): greyed
// while they cannot act, the groups of the open file in the submenu.
#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class COrvaneDoc;
class COrvaneView;
class QAction;
class QMenu;

class CBulkCommands : public QObject {
    Q_OBJECT
public:
    enum class Cmd { Lock, Unlock, Hide, Unhide, MoveToTop, MoveToBottom, MoveToNumber, RenumberFrom, ReplaceInNames };

    CBulkCommands(COrvaneView* view, COrvaneDoc* doc);

    // An open database and at least one selected row in sight.
    bool CanAct() const;
    bool CanMove() const;
    void Run(Cmd cmd);
    // The selected rows take places `number`, `number` + 1, ... of the list (a number
    // past the end: the end).
    void MoveToNumber(int number);
    // The selected rows get `first`, `first` + 1, ... in their shown order; the other
    // channels keep their numbers unless the user lets them move up to make room.
    void RenumberFrom(int first);
    void ReplaceInNames();
    void AddToGroup(int groupId, const QString& groupName);

    // Adds the items to `menu`. With `connectItems` each item runs its command when
    // triggered (a menu that stays, such as Edit); without, the caller passes the
    // chosen item to RunItem. `target` null: every item greyed.
    static void AddItems(QMenu& menu, CBulkCommands* target, bool connectItems);
    // Runs the command of an item AddItems made; false for any other action.
    bool RunItem(const QAction* item);

private:
    // The ids of the selected rows in sight; refuses (and returns false) when one of
    // them does not fit its record.
    bool ChosenIds(QList<int>& rows, std::vector<int32_t>& ids);
    // After a stored change: the database is changed and the views follow.
    void Stored();
    void SetFlag(Cmd cmd);
    // Asks for a number from 1 to `highest`; 0 when cancelled.
    int AskNumber(const QString& title, const QString& label, int highest);
    // Every row's "No" cell from the stored numbers.
    void ShowStoredNumbers();

    COrvaneView* m_view;
    COrvaneDoc* m_doc;
};

namespace bulkmenu {

// Keeps the bulk items at the end of a menu that stays (the Edit menu), built again
// each time it opens, so the groups and the enabled states are current. `target`
// gives the channel list's commands, null while none is shown.
void Attach(QMenu* menu, std::function<CBulkCommands*()> target);

} // namespace bulkmenu
