#pragma once
// The three panes of the channel container side by side on one document, opened
// directly on a fixture file, and the favourite fixture itself: what the favourite
// pane tests share.
#include "TestSupport.h"

#include <QString>
#include <QTreeWidgetItem>
#include <QWidget>

#include <memory>

class CFavGrpView;
class CFavListView;
class COrvaneDoc;
class COrvaneView;

namespace favtest {

// Channels 1 "Das Erste", 2 "ZDF", 3 "Arte", 4 "3sat", 5 "Kika" and 101..140
// "Chan 101".. (channel-list order by id). Groups in user order: 1 "Sport" (entries
// 1..4 for channels 1..4), 2 "News" (entry 5, channel 1), 3 "Kids" (entry 6,
// channel 5), 4 "Many" (entries 7..46 for channels 101..140).
void WriteFavFixture(const QString& path);

class CFavPanes {
public:
    CFavPanes();
    ~CFavPanes();

    // Opens g_db on `path` and runs every pane's initial update in container order.
    bool Open(const QString& path);
    // Writes the favourite fixture into the panes' own folder and opens it.
    bool OpenFavFixture();
    testsupport::FixtureFolder& Folder() { return m_folder; }
    bool Reopen();
    void Close();

    COrvaneView* Channels() const { return m_channels; }
    CFavListView* List() const { return m_list; }
    CFavGrpView* Groups() const { return m_groups; }
    QWidget* Window() const { return m_window.get(); }

    // Tree items: -1 the root, else the group at that place.
    QTreeWidgetItem* Item(int index) const;
    QPoint ItemCentre(int index) const;
    QStringList GroupLabels() const;
    QStringList EntryNames() const;

private:
    std::unique_ptr<COrvaneDoc> m_doc;
    std::unique_ptr<QWidget> m_window;
    COrvaneView* m_channels = nullptr;
    CFavListView* m_list = nullptr;
    CFavGrpView* m_groups = nullptr;
    QString m_path;
    testsupport::FixtureFolder m_folder;
};

// Group names in stored order, and a group's entry names in stored order.
QStringList StoredGroups();
QStringList StoredEntries(int groupId);
using testsupport::Exec;
using testsupport::MoveAndRelease;
using testsupport::PressAndStartDrag;
using testsupport::QueryInt;

} // namespace favtest
