#pragma once
// CDocView: what every view of the document shares. A view joins the document when
// it is built and leaves it when destroyed; the document calls OnUpdate on every
// view but the sender, in joining order. Hint 0: the database contents changed;
// any other hint: the favourite group that became current (-1 for none).
#include <QString>

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

// The Edit menu's commands, which reach whichever editing view is active.
class CEditCommands {
public:
    virtual ~CEditCommands() = default;
    virtual void OnEditAdd() {}
    // A view without an Add command greys the Edit menu's item.
    virtual bool HandlesAdd() const { return true; }
    virtual void OnEditEdit() {}
    virtual void OnEditDelete() {}
    // Only the channel list renumbers; the toolbar button follows this.
    virtual bool CanRenumber() const { return false; }
    // Why a view that renumbers cannot do it now (the toolbar button's tooltip).
    virtual QString RenumberOffReason() const { return {}; }
    virtual void OnRenumber() {}
};
