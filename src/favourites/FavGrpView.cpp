#include "FavGrpView.h"

CFavGrpView::CFavGrpView(COrvaneDoc* doc, QWidget* parent) : QWidget(parent), CDocView(doc) {
    setObjectName("favGrpView");
}
