#include "OrvaneView.h"

#include "listctrl/RecordListCtrl.h"

COrvaneView::COrvaneView(COrvaneDoc* doc, QWidget* parent)
    : QWidget(parent), CDocView(doc), m_list(new CRecordListCtrl(this)) {
    setObjectName("channelView");
    m_list->setObjectName("channelList");
}

COrvaneView::~COrvaneView() = default;

void COrvaneView::OnInitialUpdate() {}
void COrvaneView::OnUpdate(CDocView*, int) {}
void COrvaneView::OnEditAdd() {}
void COrvaneView::OnEditEdit() {}
void COrvaneView::OnEditDelete() {}
void COrvaneView::OnRenumber() {}
