#pragma once
// File > Close belongs to the view shown in the editing area: each editing view
// implements CCloseCommand, and CloseDatabaseInViews holds the steps they share.
#include <functional>

class COrvaneDoc;

class CCloseCommand {
public:
    virtual ~CCloseCommand() = default;
    virtual void OnFileClose() = 0;
};

// Ends the editing of the open file: offers to save pending changes, closes the
// database, lets `emptyViews` reload the views (they then show nothing), and leaves a
// new, empty document titled "No Title". When the user's Yes to the save prompt fails,
// nothing is closed.
void CloseDatabaseInViews(COrvaneDoc& doc, const std::function<void()>& emptyViews);
