#include "FavGrpView.h"

#include "FavGroupTree.h"
#include "FavImages.h"
#include "db/RecordBlock.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "listctrl/RowFormat.h"
#include "seams/DbProblems.h"
#include "seams/EditPopupMenu.h"
#include "seams/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTreeWidgetItem>

#include <algorithm>

namespace {

const char* const kRootLabel = QT_TRANSLATE_NOOP("FavGrpView", "Favorites");
// The receiver creates nothing itself: a new group is stored under this name at
// once and renamed when the user has typed its name.
const char* const kNewGroupLabel = "New";
const char* const kDeleteQuestion =
    QT_TRANSLATE_NOOP("FavGrpView", "Do you want to remove this favorite group from DB?");
// The view's border lies outside the pane.
constexpr int kHiddenBorder = 2;

// UTF-8 of `text` cut on a character boundary to what a group name record holds,
// so that what the tree shows is what is stored.
QByteArray StoredName(const QString& text) {
    QByteArray bytes = text.toUtf8();
    qsizetype end = std::min<qsizetype>(bytes.size(), CFavGroupTree::kMaxLabelLength);
    while (end < bytes.size() && end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) {
        --end;
    }
    bytes.truncate(end);
    return bytes;
}

// A database change as one unit: the layer's group steps are several statements,
// and a failure half way would leave a group parked or entries without a group.
template <typename Step> bool StoreAtomically(CChannelDB& db, Step step) {
    if (db.BeginTransaction() != 0) {
        return false;
    }
    if (step() != 0 || db.CommitTransaction() != 0) {
        CChannelDB::Rollback();
        return false;
    }
    return true;
}

} // namespace

CFavGrpView::CFavGrpView(COrvaneDoc* doc, QWidget* parent)
    : QWidget(parent), CDocView(doc), m_tree(new CFavGroupTree(this)),
      m_images(std::make_unique<favimages::CImageList>()),
      m_dragger(
          nullptr, [this](const QPoint& globalPos) { DragMove(globalPos); },
          [this](const QPoint& globalPos) { DragRelease(globalPos); }) {
    setObjectName(QStringLiteral("favGrpView"));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CFavGrpView::NotifySelection);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CFavGrpView::ShowContextMenu);
    connect(m_tree, &CFavGroupTree::LabelEdited, this, &CFavGrpView::StoreLabel);
    connect(m_tree, &CFavGroupTree::DeleteKeyPressed, this, &CFavGrpView::OnEditDelete);
    connect(m_tree, &CFavGroupTree::EditKeyPressed, this, &CFavGrpView::OnEditEdit);
    connect(m_tree, &CFavGroupTree::SelectedRootPressed, this, &CFavGrpView::ToggleRoot);
    connect(m_tree, &CFavGroupTree::BeginDrag, this, &CFavGrpView::BeginDrag);
}

CFavGrpView::~CFavGrpView() {
    EndDrag();
}

int CFavGrpView::ImageOf(const QTreeWidgetItem* item) {
    return item == nullptr ? -1 : item->data(0, CFavGroupTree::kImageRole).toInt();
}

int CFavGrpView::GroupIdOf(const QTreeWidgetItem* item) {
    return item == nullptr ? -1 : item->data(0, CFavGroupTree::kGroupIdRole).toInt();
}

// Loading.

void CFavGrpView::OnInitialUpdate() {
    EndDrag();
    m_dropTarget = nullptr;
    m_quiet = true;
    m_tree->clear();
    m_quiet = false;
    if (g_db == nullptr) {
        return;
    }
    QTreeWidgetItem* root =
        AddItem(nullptr, QCoreApplication::translate("FavGrpView", kRootLabel), 0, favimages::kRootOpen);
    if (!LoadGroups(root)) {
        return;
    }
    root->setExpanded(true);
    if (root->childCount() > 0) {
        SelectItem(root->child(0));
    } else {
        Notify(-1);
    }
}

bool CFavGrpView::LoadGroups(QTreeWidgetItem* root) {
    RecordBlock<FavGroupRecord> groups;
    if (TellIfReadFailed(this, groups.Read(m_db, &CChannelDB::GetFavGroupList))) {
        return false;
    }
    for (const FavGroupRecord& group : groups) {
        AddItem(root, FieldText(group.name), group.favgrp_id, favimages::kGroup);
    }
    return true;
}

QTreeWidgetItem* CFavGrpView::AddItem(QTreeWidgetItem* parent, const QString& label, int groupId, int image) {
    auto* item = parent == nullptr ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(parent);
    item->setText(0, label);
    item->setData(0, CFavGroupTree::kGroupIdRole, groupId);
    if (parent != nullptr) {
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    SetImage(item, image);
    return item;
}

void CFavGrpView::SetImage(QTreeWidgetItem* item, int image) {
    item->setData(0, CFavGroupTree::kImageRole, image);
    item->setIcon(0, m_images->Icon(static_cast<favimages::Image>(image)));
}

// Selection and hints.

QTreeWidgetItem* CFavGrpView::SelectedItem() const {
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

bool CFavGrpView::IsGroupItem(const QTreeWidgetItem* item) const {
    return item != nullptr && item->parent() != nullptr && item->parent() == m_tree->Root();
}

void CFavGrpView::SelectItem(QTreeWidgetItem* item) {
    m_tree->setCurrentItem(item);
}

void CFavGrpView::NotifySelection() {
    if (m_quiet) {
        return;
    }
    if (QTreeWidgetItem* item = SelectedItem()) {
        Notify(GroupIdOf(item));
    }
}

void CFavGrpView::Notify(int hint) {
    if (GetDocument() != nullptr) {
        GetDocument()->UpdateAllViews(this, hint);
    }
}

// Commands.

void CFavGrpView::OnEditAdd() {
    QTreeWidgetItem* root = m_tree->Root();
    if (g_db == nullptr || root == nullptr) {
        return;
    }
    // Stored first, so that no item stands for a group the file does not hold.
    CUndoStep step(QCoreApplication::translate("FavGrpView", "Add favourite group").toStdString());
    const int groupId = m_db.InsertFavGroup(kNewGroupLabel);
    if (groupId <= 0) {
        return;
    }
    g_dbModified = 1;
    root->setExpanded(true);
    SetImage(root, favimages::kRootOpen);
    QTreeWidgetItem* item = AddItem(root, QString::fromLatin1(kNewGroupLabel), groupId, favimages::kGroup);
    SelectItem(item);
    m_tree->editItem(item);
}

void CFavGrpView::OnEditEdit() {
    QTreeWidgetItem* item = SelectedItem();
    // The root is no group: its label is not the user's to change.
    if (g_db != nullptr && IsGroupItem(item)) {
        m_tree->editItem(item);
    }
}

void CFavGrpView::StoreLabel(QTreeWidgetItem* item, const QString& text) {
    // A label left as it was changes nothing: no step to undo, nothing unsaved.
    if (g_db == nullptr || !IsGroupItem(item) || text == item->text(0)) {
        return;
    }
    const QByteArray name = StoredName(text);
    CUndoStep step(QCoreApplication::translate("FavGrpView", "Rename favourite group").toStdString());
    // A label the database did not take stays as it was.
    if (m_db.RenameFavGroup(name.constData(), GroupIdOf(item)) != 0) {
        return;
    }
    item->setText(0, QString::fromUtf8(name));
    g_dbModified = 1;
}

void CFavGrpView::OnEditDelete() {
    QTreeWidgetItem* item = SelectedItem();
    // Deleting the root would empty the tree while the file keeps every group.
    if (g_db == nullptr || !IsGroupItem(item)) {
        return;
    }
    if (!MessageBox::AskYesNo(this, QCoreApplication::translate("FavGrpView", kDeleteQuestion),
                              MessageBox::Icon::Question)) {
        return;
    }
    const int32_t groupId = GroupIdOf(item);
    CUndoStep step(QCoreApplication::translate("FavGrpView", "Delete favourite group").toStdString());
    if (!StoreAtomically(m_db, [&] { return m_db.DeleteFavGroup(groupId); })) {
        return;
    }
    g_dbModified = 1;
    if (item == m_dropTarget) {
        SetDropTarget(nullptr);
    }
    m_quiet = true;
    delete item;
    m_tree->clearSelection();
    m_tree->setCurrentItem(nullptr);
    m_quiet = false;
    // No group is current any more: the deleted id must not stay the target of
    // channel drops, which would store entries of a group that no longer exists.
    Notify(-1);
}

void CFavGrpView::ShowContextMenu(const QPoint& treePoint) {
    QTreeWidgetItem* item = m_tree->itemAt(treePoint);
    if (item == nullptr) {
        return;
    }
    SelectItem(item);
    editmenu::Run(this, m_tree->viewport()->mapToGlobal(treePoint), *this);
}

bool CFavGrpView::CanRun(EditCmd cmd) const {
    const bool open = g_db != nullptr;
    switch (cmd) {
    case EditCmd::Add:
        return open;
    case EditCmd::Edit:
    case EditCmd::Delete:
        // The root is no group: it cannot be renamed or deleted.
        return open && IsGroupItem(SelectedItem());
    case EditCmd::Renumber:
        break;
    }
    return false;
}

void CFavGrpView::ToggleRoot() {
    QTreeWidgetItem* root = m_tree->Root();
    if (root == nullptr) {
        return;
    }
    m_tree->setFocus();
    const bool open = !root->isExpanded();
    root->setExpanded(open);
    // The picture follows the root's state, so it stays right after a reload too.
    SetImage(root, open ? favimages::kRootOpen : favimages::kRootClosed);
}

// Drop highlight: the target of a group exchange or of a channel drop.

void CFavGrpView::SetDropTarget(QTreeWidgetItem* item) {
    if (item == m_dropTarget) {
        return;
    }
    if (m_dropTarget != nullptr) {
        m_dropTarget->setBackground(0, QBrush());
        m_dropTarget->setForeground(0, QBrush());
    }
    m_dropTarget = item;
    if (item != nullptr) {
        item->setBackground(0, palette().highlight());
        item->setForeground(0, palette().highlightedText());
    }
}

void CFavGrpView::HighlightDropItemAt(const QPoint& globalPoint) {
    SetDropTarget(m_tree->ItemAtGlobal(globalPoint));
}

void CFavGrpView::ClearDropHighlight() {
    SetDropTarget(nullptr);
}

int CFavGrpView::DropGroupId() const {
    return IsGroupItem(m_dropTarget) ? GroupIdOf(m_dropTarget) : -1;
}

// Exchanging two groups by dragging one onto the other.

bool CFavGrpView::IsOverTree(const QWidget* widget) const {
    return widget != nullptr && (widget == m_tree || m_tree->isAncestorOf(widget));
}

void CFavGrpView::BeginDrag(QTreeWidgetItem* item, const QPoint& globalPos) {
    if (!IsGroupItem(item) || m_dragger.Active()) {
        return;
    }
    m_drag = DragState{item, m_tree->viewport()};
    SetDropTarget(nullptr);
    m_dragger.Begin(m_tree->viewport(), m_tree->viewport()->grab(m_tree->visualItemRect(item)), globalPos);
}

void CFavGrpView::DragMove(const QPoint& globalPos) {
    QWidget* under = QApplication::widgetAt(globalPos);
    if (under != m_drag.window) {
        SetDropTarget(nullptr);
        m_drag.window = under;
    }
    if (IsOverTree(under)) {
        SetDropTarget(m_tree->ItemAtGlobal(globalPos));
    }
}

void CFavGrpView::DragRelease(const QPoint& globalPos) {
    QTreeWidgetItem* dragged = m_drag.dragged;
    EndDrag();
    QTreeWidgetItem* target = IsOverTree(QApplication::widgetAt(globalPos)) ? m_tree->ItemAtGlobal(globalPos) : nullptr;
    SetDropTarget(nullptr);
    if (IsGroupItem(target) && IsGroupItem(dragged) && target != dragged) {
        ExchangeGroups(dragged, target);
    }
}

void CFavGrpView::EndDrag() {
    m_dragger.End();
    m_drag = DragState{};
}

void CFavGrpView::ExchangeGroups(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
    const int draggedId = GroupIdOf(dragged);
    const int targetId = GroupIdOf(target);
    // A swap that fails half way would leave a group parked outside the order; the
    // tree then keeps showing what is stored.
    CUndoStep step(QCoreApplication::translate("FavGrpView", "Move favourite group").toStdString());
    if (!StoreAtomically(m_db, [&] { return m_db.SwapFavGroupSeq(targetId, draggedId); })) {
        return;
    }
    const QString draggedLabel = dragged->text(0);
    dragged->setText(0, target->text(0));
    dragged->setData(0, CFavGroupTree::kGroupIdRole, targetId);
    target->setText(0, draggedLabel);
    target->setData(0, CFavGroupTree::kGroupIdRole, draggedId);
    g_dbModified = 1;
    // The selection stays with its group, which the other views still show.
    QTreeWidgetItem* selected = SelectedItem();
    if (selected == dragged || selected == target) {
        m_quiet = true;
        SelectItem(selected == dragged ? target : dragged);
        m_quiet = false;
    }
}

void CFavGrpView::resizeEvent(QResizeEvent*) {
    m_tree->setGeometry(-kHiddenBorder, -kHiddenBorder, width() + 2 * kHiddenBorder, height() + 2 * kHiddenBorder);
}
