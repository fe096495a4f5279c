#include "FavListView.h"

CFavListView::CFavListView(COrvaneDoc* doc, QWidget* parent) : QWidget(parent), CDocView(doc) {
    setObjectName("favListView");
}
