#include "BulkCommands.h"

#include "OrvaneView.h"
#include "ReplaceNamesDlg.h"
#include "db/ChannelDB.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "listctrl/ListColumns.h"
#include "listctrl/RecordListCtrl.h"
#include "listctrl/RecordListModel.h"
#include "seams/BusyProgress.h"
#include "seams/DbProblems.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "seams/WaitCursor.h"

#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPointer>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

struct CmdInfo {
    CBulkCommands::Cmd cmd;
    const char* text;
    const char* step; // the undo step's name, counted; null where the command names its own
    const char* name;
    CChannelDB::ChannelFlag flag;
    bool on;
};

constexpr CmdInfo kCmds[] = {
    {CBulkCommands::Cmd::Lock, QT_TRANSLATE_NOOP("BulkCommands", "Loc&k"),
     QT_TRANSLATE_N_NOOP("BulkCommands", "Lock %n channel(s)"), "actionBulkLock", CChannelDB::ChannelFlag::Lock, true},
    {CBulkCommands::Cmd::Unlock, QT_TRANSLATE_NOOP("BulkCommands", "U&nlock"),
     QT_TRANSLATE_N_NOOP("BulkCommands", "Unlock %n channel(s)"), "actionBulkUnlock", CChannelDB::ChannelFlag::Lock,
     false},
    {CBulkCommands::Cmd::Hide, QT_TRANSLATE_NOOP("BulkCommands", "&Hide"),
     QT_TRANSLATE_N_NOOP("BulkCommands", "Hide %n channel(s)"), "actionBulkHide", CChannelDB::ChannelFlag::Hide, true},
    {CBulkCommands::Cmd::Unhide, QT_TRANSLATE_NOOP("BulkCommands", "Un&hide"),
     QT_TRANSLATE_N_NOOP("BulkCommands", "Unhide %n channel(s)"), "actionBulkUnhide", CChannelDB::ChannelFlag::Hide,
     false},
    {CBulkCommands::Cmd::MoveToTop,
     QT_TRANSLATE_NOOP("BulkCommands", "Move to &Top"),
     nullptr,
     "actionBulkMoveTop",
     {},
     false},
    {CBulkCommands::Cmd::MoveToBottom,
     QT_TRANSLATE_NOOP("BulkCommands", "Move to &Bottom"),
     nullptr,
     "actionBulkMoveBottom",
     {},
     false},
    {CBulkCommands::Cmd::MoveToNumber,
     QT_TRANSLATE_NOOP("BulkCommands", "Move to N&umber\u2026"),
     nullptr,
     "actionBulkMoveNumber",
     {},
     false},
    {CBulkCommands::Cmd::ReplaceInNames,
     QT_TRANSLATE_NOOP("BulkCommands", "Replace in &Names\u2026"),
     nullptr,
     "actionBulkReplaceNames",
     {},
     false},
    {CBulkCommands::Cmd::RenumberFrom,
     QT_TRANSLATE_NOOP("BulkCommands", "&Renumber Selection From\u2026"),
     nullptr,
     "actionBulkRenumberFrom",
     {},
     false},
};

bool IsMove(CBulkCommands::Cmd cmd) {
    return cmd >= CBulkCommands::Cmd::MoveToTop && cmd <= CBulkCommands::Cmd::MoveToNumber;
}

// The last number the receiver accepts for a channel.
constexpr int kLastChannelNumber = 19999;
const char* const kExceedMessage = QT_TRANSLATE_NOOP("BulkCommands", "exceed valid number!");

// Items carry their command in this property: a Cmd, or kGroupItem with the group id.
const char* const kCmdProperty = "bulkCmd";
const char* const kGroupProperty = "bulkGroup";
constexpr int kGroupItem = 100;

// A counted undo step name: "Lock %n channel(s)" as "Lock 3 channels".
QString Counted(const char* text, qsizetype count) {
    return QCoreApplication::translate("BulkCommands", text, nullptr, static_cast<int>(count));
}

// The Flag cell's letters L, S, H in their fixed order, with `letter` set or cleared.
QString WithFlag(const QString& flags, QChar letter, bool on) {
    QString out;
    for (const QChar c : {QChar(u'L'), QChar(u'S'), QChar(u'H')}) {
        if (c == letter ? on : flags.contains(c)) {
            out += c;
        }
    }
    return out;
}

QString FailedText(const QString& what, int rc) {
    return QCoreApplication::translate("BulkCommands", "%1 failed (sqlite3 error %2); nothing was changed.")
        .arg(what)
        .arg(-rc);
}

} // namespace

CBulkCommands::CBulkCommands(COrvaneView* view, COrvaneDoc* doc) : QObject(view), m_view(view), m_doc(doc) {}

bool CBulkCommands::CanAct() const {
    return g_db != nullptr && m_view->List()->FirstSelectedRow() >= 0;
}

bool CBulkCommands::ChosenIds(QList<int>& rows, std::vector<int32_t>& ids) {
    rows = m_view->List()->SelectedRows();
    ids.clear();
    ids.reserve(static_cast<size_t>(rows.size()));
    for (const int row : rows) {
        ids.push_back(m_view->List()->RowId(row));
    }
    CChannelDB db;
    return !rows.isEmpty() && !TellIfDoesNotFit(m_view, db.CheckChannelRowsFit(ids));
}

bool CBulkCommands::CanMove() const {
    return CanAct() && !m_view->Filtered();
}

void CBulkCommands::Run(Cmd cmd) {
    switch (cmd) {
    case Cmd::MoveToTop:
        MoveToNumber(1);
        break;
    case Cmd::MoveToBottom:
        MoveToNumber(m_view->List()->RowCount());
        break;
    case Cmd::MoveToNumber:
        if (const int number = CanMove() ? AskNumber(QCoreApplication::translate("BulkCommands", "Move to Number"),
                                                     QCoreApplication::translate(
                                                         "BulkCommands", "The selected channels take the places from:"),
                                                     m_view->List()->RowCount())
                                         : 0;
            number > 0) {
            MoveToNumber(number);
        }
        break;
    case Cmd::ReplaceInNames:
        ReplaceInNames();
        break;
    case Cmd::RenumberFrom:
        if (const int first =
                CanAct()
                    ? AskNumber(QCoreApplication::translate("BulkCommands", "Renumber Selection From"),
                                QCoreApplication::translate("BulkCommands", "The selected channels are numbered from:"),
                                kLastChannelNumber)
                    : 0;
            first > 0) {
            RenumberFrom(first);
        }
        break;
    default:
        SetFlag(cmd);
        break;
    }
}

void CBulkCommands::SetFlag(Cmd cmd) {
    QList<int> rows;
    std::vector<int32_t> ids;
    if (!CanAct() || !ChosenIds(rows, ids)) {
        return;
    }
    const CmdInfo& info = kCmds[static_cast<int>(cmd)];
    CWaitCursor wait;
    const QString name = Counted(info.step, rows.size());
    CUndoStep step(name.toStdString());
    CChannelDB db;
    if (const int rc = db.SetChannelFlag(ids, info.flag, info.on); rc != 0) {
        MessageBox::Tell(m_view, FailedText(name, rc));
        return;
    }
    const QChar letter = info.flag == CChannelDB::ChannelFlag::Lock ? u'L' : u'H';
    CRecordListCtrl* list = m_view->List();
    list->SetColumnTexts(kChannelFlagColumn, rows,
                         [&](int row) { return WithFlag(list->CellText(row, kChannelFlagColumn), letter, info.on); });
    Stored();
}

void CBulkCommands::AddToGroup(int groupId, const QString& groupName) {
    QList<int> rows;
    std::vector<int32_t> ids;
    if (!CanAct() || !ChosenIds(rows, ids)) {
        return;
    }
    CWaitCursor wait;
    const char* const stepName = QT_TRANSLATE_N_NOOP("BulkCommands", "Add %n channel(s) to %1");
    CUndoStep step(Counted(stepName, rows.size()).arg(groupName).toStdString());
    CChannelDB db;
    int skipped = 0;
    if (const int rc = db.AddFavEntries(ids, groupId, skipped); rc != 0) {
        if (!TellIfDoesNotFit(m_view, rc)) {
            MessageBox::Tell(
                m_view, FailedText(QCoreApplication::translate("BulkCommands", "Adding to \"%1\"").arg(groupName), rc));
        }
        return;
    }
    const qsizetype added = rows.size() - skipped;
    step.SetName(Counted(stepName, added).arg(groupName).toStdString());
    if (added > 0) {
        Stored();
    }
    if (skipped > 0) {
        // One box for the whole command, however many channels the group held.
        MessageBox::Tell(m_view, QCoreApplication::translate(
                                     "BulkCommands", "You already insert same channel!\n%1 of the %2 channels were in "
                                                     "\"%3\" already and were skipped.")
                                     .arg(skipped)
                                     .arg(rows.size())
                                     .arg(groupName));
    }
}

void CBulkCommands::Stored() {
    g_dbModified = 1;
    m_doc->UpdateAllViews(m_view, 0);
    // A filter on the flags or the favourites may show other rows now.
    m_view->ApplyFilter();
}

void CBulkCommands::AddItems(QMenu& menu, CBulkCommands* target, bool connectItems) {
    const bool can = target != nullptr && target->CanAct();
    const bool canMove = target != nullptr && target->CanMove();
    const auto add = [&](QMenu& into, const QString& text, const QString& name, int cmd, int group) {
        QAction* action = into.addAction(text);
        action->setObjectName(name);
        action->setProperty(kCmdProperty, cmd);
        action->setProperty(kGroupProperty, group);
        const bool anyRow = target != nullptr && g_db != nullptr && target->m_view->List()->RowCount() > 0;
        action->setEnabled(cmd == kGroupItem                              ? can
                           : IsMove(static_cast<Cmd>(cmd))                ? canMove
                           : static_cast<Cmd>(cmd) == Cmd::ReplaceInNames ? anyRow
                                                                          : can);
        if (connectItems && target != nullptr) {
            QObject::connect(action, &QAction::triggered, target, [target = QPointer<CBulkCommands>(target), action] {
                if (target != nullptr) {
                    target->RunItem(action);
                }
            });
        }
    };
    for (const CmdInfo& info : kCmds) {
        if (info.cmd == Cmd::MoveToTop) {
            menu.addSeparator();
        }
        add(menu, QCoreApplication::translate("BulkCommands", info.text), QLatin1String(info.name),
            static_cast<int>(info.cmd), -1);
    }
    QMenu* groups = menu.addMenu(QCoreApplication::translate("BulkCommands", "Add to &Favourite Group"));
    groups->setObjectName(QStringLiteral("bulkGroupMenu"));
    groups->menuAction()->setObjectName(QStringLiteral("actionBulkAddToGroup"));
    FavGroupRecord* list = nullptr;
    CChannelDB db;
    const int count = g_db != nullptr ? db.GetFavGroupList(&list) : 0;
    const std::unique_ptr<FavGroupRecord[]> block(count > 0 ? list : nullptr);
    for (int i = 0; i < count; ++i) {
        const FavGroupRecord& group = block[static_cast<size_t>(i)];
        // The name is the receiver's text; an ampersand in it is no mnemonic.
        add(*groups, QString::fromUtf8(group.name).replace(QLatin1Char('&'), QLatin1String("&&")),
            QStringLiteral("actionBulkGroup%1").arg(group.favgrp_id), kGroupItem, group.favgrp_id);
    }
    groups->menuAction()->setEnabled(can && count > 0);
}

int CBulkCommands::AskNumber(const QString& title, const QString& label, int highest) {
    QInputDialog dlg(m_view);
    dlg.setObjectName(QStringLiteral("numberDlg"));
    dlg.setWindowTitle(title);
    dlg.setInputMode(QInputDialog::IntInput);
    dlg.setLabelText(label);
    dlg.setIntRange(1, std::max(highest, 1));
    dlg.setIntValue(1);
    return ModalDialog::Exec(dlg) == QDialog::Accepted ? dlg.intValue() : 0;
}

void CBulkCommands::RenumberFrom(int first) {
    QList<int> rows;
    std::vector<int32_t> ids;
    if (!CanAct() || !ChosenIds(rows, ids)) {
        return;
    }
    const int count = static_cast<int>(rows.size());
    const int last = first + count - 1;
    if (first < 1 || last > kLastChannelNumber) {
        MessageBox::Tell(m_view, QCoreApplication::translate("BulkCommands", kExceedMessage));
        return;
    }
    CChannelDB db;
    const int clashes = db.CountOrderClashes(ids, first, last);
    if (clashes < 0) {
        MessageBox::Tell(m_view, FailedText(QCoreApplication::translate("BulkCommands", "Renumbering"), clashes));
        return;
    }
    bool makeRoom = false;
    if (clashes > 0) {
        // Nothing is stored before the user has chosen.
        const QString question =
            Counted(QT_TRANSLATE_N_NOOP("BulkCommands",
                                        "%n other channel(s) are already numbered from %1 to %2.\nMove the "
                                        "channels numbered %1 and up by %3 to make room? No cancels."),
                    clashes)
                .arg(first)
                .arg(last)
                .arg(count);
        if (!MessageBox::AskYesNo(m_view, question, MessageBox::Icon::Question)) {
            return;
        }
        const int highest = db.MaxOrderFrom(ids, first);
        if (highest < 0 || highest + count > kLastChannelNumber) {
            MessageBox::Tell(
                m_view, highest < 0 ? FailedText(QCoreApplication::translate("BulkCommands", "Renumbering"), highest)
                                    : QCoreApplication::translate("BulkCommands", kExceedMessage));
            return;
        }
        makeRoom = true;
    }
    CBusyProgress progress(m_view, tr("Renumbering channels"), count);
    CUndoStep step(
        Counted(QT_TRANSLATE_N_NOOP("BulkCommands", "Renumber %n channel(s) from %1"), count).arg(first).toStdString());
    if (const int rc = db.RenumberChannelsFrom(ids, first, makeRoom,
                                               [&](size_t done) { progress.Step(static_cast<qsizetype>(done)); });
        rc != 0) {
        MessageBox::Tell(m_view, FailedText(QCoreApplication::translate("BulkCommands", "Renumbering"), rc));
        return;
    }
    ShowStoredNumbers();
    Stored();
}

void CBulkCommands::ReplaceInNames() {
    CRecordListCtrl* list = m_view->List();
    if (g_db == nullptr || list->RowCount() == 0) {
        return;
    }
    QList<int> rows = list->SelectedRows();
    if (rows.isEmpty()) {
        for (int row = 0; row < list->RowCount(); ++row) {
            if (!list->isRowHidden(row, QModelIndex())) {
                rows.append(row);
            }
        }
    }
    QList<CReplaceNamesDlg::Name> names;
    names.reserve(rows.size());
    for (const int row : rows) {
        names.append({list->RowId(row), list->CellText(row, kChannelServiceColumn)});
    }
    CReplaceNamesDlg dlg(names, m_view);
    if (ModalDialog::Exec(dlg) != QDialog::Accepted || dlg.Changes().isEmpty()) {
        return;
    }
    std::vector<int32_t> ids;
    std::vector<CChannelDB::ChannelName> renamed;
    for (const CReplaceNamesDlg::Change& change : dlg.Changes()) {
        ids.push_back(change.chId);
        renamed.push_back({change.chId, change.newName.toStdString()});
    }
    CChannelDB db;
    if (TellIfDoesNotFit(m_view, db.CheckChannelRowsFit(ids))) {
        return;
    }
    CBusyProgress progress(m_view, tr("Renaming channels"), static_cast<qsizetype>(renamed.size()));
    CUndoStep step(
        Counted(QT_TRANSLATE_N_NOOP("BulkCommands", "Replace in %n name(s)"), static_cast<qsizetype>(renamed.size()))
            .toStdString());
    if (const int rc = db.RenameChannels(renamed, [&](size_t done) { progress.Step(static_cast<qsizetype>(done)); });
        rc != 0) {
        if (!TellIfDoesNotFit(m_view, rc)) {
            MessageBox::Tell(m_view, FailedText(QCoreApplication::translate("BulkCommands", "Replacing in names"), rc));
        }
        return;
    }
    std::unordered_map<int32_t, QString> newNames;
    for (const CReplaceNamesDlg::Change& change : dlg.Changes()) {
        newNames.emplace(change.chId, change.newName);
    }
    QList<int> renamedRows;
    for (const int row : rows) {
        if (newNames.contains(list->RowId(row))) {
            renamedRows.append(row);
        }
    }
    list->SetColumnTexts(kChannelServiceColumn, renamedRows, [&](int row) { return newNames[list->RowId(row)]; });
    Stored();
}

void CBulkCommands::ShowStoredNumbers() {
    CChannelDB db;
    ChannelRecord* channels = nullptr;
    const int count = db.GetChannelList(&channels);
    const std::unique_ptr<ChannelRecord[]> block(count > 0 ? channels : nullptr);
    std::unordered_map<int32_t, int32_t> orders;
    for (int i = 0; i < count; ++i) {
        orders.emplace(block[static_cast<size_t>(i)].ch_id, block[static_cast<size_t>(i)].ch_order);
    }
    CRecordListCtrl* list = m_view->List();
    QList<int> rows;
    for (int row = 0; row < list->RowCount(); ++row) {
        if (orders.contains(list->RowId(row))) {
            rows.append(row);
        }
    }
    list->SetColumnTexts(kChannelNoColumn, rows, [&](int row) { return QString::number(orders[list->RowId(row)]); });
}

void CBulkCommands::MoveToNumber(int number) {
    if (!CanMove()) {
        return;
    }
    CRecordListCtrl* list = m_view->List();
    const QList<int> rows = list->SelectedRows();
    // The block goes before the unselected row that is to follow it.
    std::vector<char> selected(static_cast<size_t>(list->RowCount()), 0);
    for (const int row : rows) {
        selected[static_cast<size_t>(row)] = 1;
    }
    int dropRow = list->RowCount();
    for (int row = 0, before = 0; row < list->RowCount(); ++row) {
        if (selected[static_cast<size_t>(row)] == 0 && before++ == number - 1) {
            dropRow = row;
            break;
        }
    }
    CWaitCursor wait;
    const int count = static_cast<int>(rows.size());
    const int first = std::min(number, list->RowCount() - count + 1);
    const QString name =
        first == 1 ? Counted(QT_TRANSLATE_N_NOOP("BulkCommands", "Move %n channel(s) to the top"), count)
        : first + count - 1 == list->RowCount()
            ? Counted(QT_TRANSLATE_N_NOOP("BulkCommands", "Move %n channel(s) to the bottom"), count)
            : Counted(QT_TRANSLATE_N_NOOP("BulkCommands", "Move %n channel(s) to number %1"), count).arg(first);
    CUndoStep step(name.toStdString());
    list->MoveRowsAsBlock(rows, dropRow);
    if (!m_view->RenumberListedChannels()) {
        // Nothing was stored (the view has said why): the list shows the stored order again.
        list->DeleteAllRows();
        list->FillList(kChannelList);
        m_view->ApplyFilter();
        return;
    }
    // One selection of the whole block: selecting its rows one by one took time in
    // the square of their count.
    list->selectionModel()->select(
        QItemSelection(list->Model()->index(first - 1, 0), list->Model()->index(first - 2 + count, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->EnsureRowVisible(first - 1);
    Stored();
}

bool CBulkCommands::RunItem(const QAction* item) {
    const QVariant cmd = item != nullptr ? item->property(kCmdProperty) : QVariant();
    if (!cmd.isValid()) {
        return false;
    }
    if (cmd.toInt() == kGroupItem) {
        AddToGroup(item->property(kGroupProperty).toInt(),
                   item->text().replace(QLatin1String("&&"), QLatin1String("&")));
    } else {
        Run(static_cast<Cmd>(cmd.toInt()));
    }
    return true;
}

namespace bulkmenu {

void Attach(QMenu* menu, std::function<CBulkCommands*()> target) {
    menu->addSeparator();
    auto holder = std::make_shared<QPointer<QMenu>>();
    const auto refill = [menu, holder, target = std::move(target)] {
        // The last items go with their holder (a deleted action leaves every menu).
        delete holder->data();
        *holder = new QMenu(menu);
        CBulkCommands::AddItems(**holder, target(), true);
        menu->addActions((*holder)->actions());
    };
    // Built now as well, so the menu is whole before it first opens.
    refill();
    QObject::connect(menu, &QMenu::aboutToShow, menu, refill);
}

} // namespace bulkmenu
