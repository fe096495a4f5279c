#pragma once
// CDocView: what every view of the document shares. A view joins the document when
// it is built and leaves it when destroyed; the document calls OnUpdate on every
// view but the sender, in joining order. Hint 0: the database contents changed;
// any other hint: the favourite group that became current (-1 for none).
#include <QString>

#include "seams/EditCommands.h"

class COrvaneDoc;

class CDocView {
public:
    explicit CDocView(COrvaneDoc* doc);
    virtual ~CDocView();
    CDocView(const CDocView&) = delete;
    CDocView& operator=(const CDocView&) = delete;

    COrvaneDoc* GetDocument() const { return m_doc; }

    // Loads the view's lists from the database (or empties them without one).
    virtual void OnInitialUpdate() {}
    virtual void OnUpdate(CDocView* sender, int hint);

private:
    COrvaneDoc* m_doc;
};
