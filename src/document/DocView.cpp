#include "document/DocView.h"

#include "document/OrvaneDoc.h"

CDocView::CDocView(COrvaneDoc* doc) : m_doc(doc) {
    if (m_doc != nullptr) {
        m_doc->AddView(this);
    }
}

CDocView::~CDocView() {
    if (m_doc != nullptr) {
        m_doc->RemoveView(this);
    }
}

void CDocView::OnUpdate(CDocView*, int) {}
