#pragma once
// CStatusCounts: the status bar pane with the live counts of the open file: channels,
// TV and radio channels (of them the ones shown, while a filter is on), and the name
// and entries of the current favourite group. It is a view
// of the document, so it hears of opens, closes and the group tree's selection, and
// the main window refreshes it after every stored command and view switch.
#include "db/ChannelDB.h"
#include "document/DocView.h"

#include <QLabel>

class CStatusCounts : public QLabel, public CDocView {
    Q_OBJECT
public:
    explicit CStatusCounts(COrvaneDoc* doc, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(CDocView* sender, int hint) override;

    // Reads the counts again when the window is next idle: one command asks several
    // times (the views' update, the history's change, the shown count), and counting
    // 20,000 channels once per asking showed in the time of a Lock of 5,000.
    void Refresh();
    // The group tree went away with its view: no group is current until a new one says so.
    void ForgetGroup();
    // Channels the list shows while a filter hides some; -1 when none is hidden by one.
    void SetShown(int shown);

private:
    void RefreshNow();
    QString GroupName();

    CChannelDB m_db;
    int m_groupId = -1;
    int m_shown = -1;
    bool m_refreshQueued = false;
};
