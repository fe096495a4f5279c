#include "FavPanes.h"

#include "FixtureBuilder.h"
#include "SqlHelpers.h"
#include "TestSupport.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "favourites/FavGroupTree.h"
#include "favourites/FavGrpView.h"
#include "favourites/FavListView.h"
#include "listctrl/RecordListCtrl.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QtTest>

#include <string>

namespace favtest {

void WriteFavFixture(const QString& path) {
    fixtures::FixtureDb db(path.toStdString());
    db.AddSat(1, "Astra 19.2E", 192, 1);
    db.AddNit(1, 1, 11778000, 27500, 3, 1);
    db.AddProvider(1, "ARD");
    const char* const names[] = {"Das Erste", "ZDF", "Arte", "3sat", "Kika"};
    db.Begin();
    for (int id = 1; id <= 5; ++id) {
        db.AddChannel({.chId = id, .name = names[id - 1], .nitId = 1, .satId = 1, .sdtId = 1, .order = id});
    }
    for (int id = 101; id <= 140; ++id) {
        db.AddChannel(
            {.chId = id, .name = "Chan " + std::to_string(id), .nitId = 1, .satId = 1, .sdtId = 1, .order = id});
    }
    db.AddFavGroup(1, "Sport", 1);
    db.AddFavGroup(2, "News", 2);
    db.AddFavGroup(3, "Kids", 3);
    db.AddFavGroup(4, "Many", 4);
    for (int id = 1; id <= 4; ++id) {
        db.AddFavEntry(1, id, names[id - 1], id, id);
    }
    db.AddFavEntry(2, 5, "Das Erste", 5, 1);
    db.AddFavEntry(3, 6, "Kika", 6, 5);
    for (int ch = 101; ch <= 140; ++ch) {
        db.AddFavEntry(4, ch - 94, "Chan " + std::to_string(ch), ch - 94, ch);
    }
    db.Commit();
}

CFavPanes::CFavPanes() : m_doc(std::make_unique<COrvaneDoc>()), m_window(std::make_unique<QWidget>()) {
    // Within the offscreen screen (800 x 600), where the widget under the pointer
    // is looked up.
    m_window->setGeometry(10, 10, 760, 400);
    auto* layout = new QHBoxLayout(m_window.get());
    // Joining the document in container order: channel list, favourite list, tree.
    m_channels = new COrvaneView(m_doc.get());
    m_list = new CFavListView(m_doc.get());
    m_groups = new CFavGrpView(m_doc.get());
    layout->addWidget(m_channels, 3);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_groups, 1);
    m_window->show();
    // Active, so that window shortcuts are live as for the user.
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get())) {
        qWarning("window not active");
    }
}

CFavPanes::~CFavPanes() {
    m_window.reset();
    m_doc.reset();
    testsupport::CloseDbDirect();
}

bool CFavPanes::Open(const QString& path) {
    m_path = path;
    if (!testsupport::OpenDbDirect(path)) {
        return false;
    }
    m_doc->InitialUpdateAllViews();
    return true;
}

bool CFavPanes::OpenFavFixture() {
    const QString path = m_folder.Path(QStringLiteral("fav.dat"));
    WriteFavFixture(path);
    return Open(path);
}

bool CFavPanes::Reopen() {
    testsupport::CloseDbDirect();
    return Open(m_path);
}

void CFavPanes::Close() {
    testsupport::CloseDbDirect();
    m_doc->InitialUpdateAllViews();
}

QTreeWidgetItem* CFavPanes::Item(int index) const {
    QTreeWidgetItem* root = m_groups->Tree()->Root();
    if (root == nullptr) {
        return nullptr;
    }
    return index < 0 ? root : root->child(index);
}

QPoint CFavPanes::ItemCentre(int index) const {
    return m_groups->Tree()->visualItemRect(Item(index)).center();
}

QStringList CFavPanes::GroupLabels() const {
    QStringList labels;
    QTreeWidgetItem* root = m_groups->Tree()->Root();
    for (int i = 0; root != nullptr && i < root->childCount(); ++i) {
        labels << root->child(i)->text(0);
    }
    return labels;
}

QStringList CFavPanes::EntryNames() const {
    QStringList names;
    for (int row = 0; row < m_list->List()->RowCount(); ++row) {
        names << m_list->List()->CellText(row, 0);
    }
    return names;
}

namespace {

QStringList Column(const QString& sql) {
    QStringList values;
    for (const std::string& value : testsql::QueryColumn(sql.toStdString())) {
        values << QString::fromStdString(value);
    }
    return values;
}

} // namespace

QStringList StoredGroups() {
    return Column(QStringLiteral("SELECT name FROM FAVGRPInfo ORDER BY FAVGRP_Seq"));
}

QStringList StoredEntries(int groupId) {
    return Column(
        QStringLiteral("SELECT Name FROM FAVListInfo WHERE favgrp_id = %1 ORDER BY favlist_seq").arg(groupId));
}

} // namespace favtest
