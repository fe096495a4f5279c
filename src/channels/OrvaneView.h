#pragma once
// COrvaneView: the channel editing screen, one channel list covering the view.
#include "app/DocView.h"
#include "db/ChannelDB.h"

#include <QWidget>

class CRecordListCtrl;

class COrvaneView : public QWidget, public CDocView, public CEditCommands {
    Q_OBJECT
public:
    explicit COrvaneView(COrvaneDoc* doc, QWidget* parent = nullptr);
    ~COrvaneView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CDocView* sender, int hint) override;

    void OnEditAdd() override;
    void OnEditEdit() override;
    void OnEditDelete() override;
    bool CanRenumber() const override { return true; }
    void OnRenumber() override;

    CRecordListCtrl* List() const { return m_list; }
    int CurrentFavGroup() const { return m_favGroupId; }

private:
    CRecordListCtrl* m_list;
    CChannelDB m_db;
    int m_favGroupId = -1;
};
