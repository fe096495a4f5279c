#pragma once
// File > Print…, Print Preview… and Export as PDF… of the channel list: each asks
// what to print (the list as shown or one favourite group), the layout and the
// orientation, then prints through the system's print dialog, shows the preview, or
// writes the PDF the user names. On while a file is open and the channel list is shown.
#include <QObject>
#include <QString>

#include <functional>

#include "PrintDialogs.h"

class COrvaneDoc;
class CRecordListCtrl;
class QAction;
class QMenu;
class QWidget;

class CPrintCommands : public QObject {
    Q_OBJECT
public:
    using ListSource = std::function<CRecordListCtrl*()>;
    CPrintCommands(COrvaneDoc* doc, ListSource list, QWidget* window);

    // Print…, Print Preview… and Export as PDF…, then a separator; their states
    // follow the menu's opening.
    void AddActions(QMenu* menu);
    void UpdateActions();

    void Print();
    void Preview();
    void ExportPdf();

private:
    // Asks what to print; false on Cancel or when there is nothing to print.
    bool Ask(print::PrintChoice& choice);
    print::PrintSheet Sheet(const print::PrintChoice& choice) const;
    void PrintOnPrinter(const print::PrintChoice& choice);
    QString FileName() const;

    COrvaneDoc* m_doc;
    ListSource m_list;
    QWidget* m_window;
    QList<QAction*> m_actions;
    print::PrintChoice m_last; // the choices come back as the user left them
};
