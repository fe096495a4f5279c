#pragma once
// The channel list as the editor shows it, turned into plain rows to print: its shown
// rows in their shown order (sort and filter as they are), its visible columns in
// their on-screen order; or one favourite group's channels in the group's order.
#include "PageLayout.h"

class CRecordListCtrl;

namespace print {

// The favourite groups of the open file, in the user's order, for the choice of what
// to print: ids and names.
struct GroupChoice {
    int id;
    QString name;
};
std::vector<GroupChoice> FavouriteGroups();

// `groupId` -1 prints the list as shown; the Card takes number and name only.
PrintSheet SheetFromList(const CRecordListCtrl& list, const QString& fileName, Layout layout, int groupId = -1,
                         const QString& groupName = QString());

} // namespace print
