#include "LNBView.h"

CLNBView::CLNBView(COrvaneDoc* doc, QWidget* parent) : QWidget(parent), CDocView(doc) {
    setObjectName(QStringLiteral("lnbView"));
}

void CLNBView::OnFileClose() {
    CloseDatabaseInViews(*GetDocument(), [this] { OnInitialUpdate(); });
}
