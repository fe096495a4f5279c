#include "NITView.h"

CNITView::CNITView(COrvaneDoc* doc, QWidget* parent) : QWidget(parent), CDocView(doc) {
    setObjectName(QStringLiteral("nitView"));
}

void CNITView::OnFileClose() {
    CloseDatabaseInViews(*GetDocument(), [this] { OnInitialUpdate(); });
}
