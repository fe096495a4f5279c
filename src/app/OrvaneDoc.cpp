#include "OrvaneDoc.h"

#include "DocView.h"

COrvaneDoc::COrvaneDoc(QObject* parent) : QObject(parent) {}
COrvaneDoc::~COrvaneDoc() = default;

void COrvaneDoc::AddView(CDocView* view) {
    m_views.append(view);
}

void COrvaneDoc::RemoveView(CDocView* view) {
    m_views.removeAll(view);
}

void COrvaneDoc::UpdateAllViews(CDocView* sender, int hint) {
    const QList<CDocView*> views = m_views;
    for (CDocView* view : views) {
        if (view != sender && m_views.contains(view)) {
            view->OnUpdate(sender, hint);
        }
    }
}
