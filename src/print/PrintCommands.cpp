#include "PrintCommands.h"

#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "seams/WaitCursor.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

CPrintCommands::CPrintCommands(COrvaneDoc* doc, ListSource list, QWidget* window)
    : QObject(window), m_doc(doc), m_list(std::move(list)), m_window(window) {}

void CPrintCommands::AddActions(QMenu* menu) {
    const struct {
        QString text;
        const char* name;
        QKeySequence shortcut;
        void (CPrintCommands::*run)();
    } commands[] = {
        {tr("&Print…"), "actionFilePrint", QKeySequence(Qt::CTRL | Qt::Key_P), &CPrintCommands::Print},
        {tr("Print Pre&view…"), "actionFilePrintPreview", {}, &CPrintCommands::Preview},
        {tr("&Export as PDF…"), "actionFileExportPdf", {}, &CPrintCommands::ExportPdf},
    };
    for (const auto& command : commands) {
        auto* action = new QAction(command.text, m_window);
        action->setObjectName(QLatin1String(command.name));
        action->setShortcut(command.shortcut);
        connect(action, &QAction::triggered, this, command.run);
        menu->addAction(action);
        m_actions.append(action);
    }
    menu->addSeparator();
    // Opening or closing a file changes the title; the shortcut works without the menu.
    connect(menu, &QMenu::aboutToShow, this, &CPrintCommands::UpdateActions);
    connect(m_doc, &COrvaneDoc::titleChanged, this, &CPrintCommands::UpdateActions);
    UpdateActions();
}

void CPrintCommands::UpdateActions() {
    const bool on = g_db != nullptr && m_list() != nullptr;
    for (QAction* action : m_actions) {
        action->setEnabled(on);
    }
}

QString CPrintCommands::FileName() const {
    return QFileInfo(m_doc->GetPathName()).fileName();
}

bool CPrintCommands::Ask(print::PrintChoice& choice) {
    if (g_db == nullptr || m_list() == nullptr) {
        return false;
    }
    std::vector<print::GroupChoice> groups = print::FavouriteGroups();
    // A group chosen last time may have gone since.
    if (std::none_of(groups.begin(), groups.end(), [this](const auto& g) { return g.id == m_last.groupId; })) {
        m_last.groupId = -1;
    }
    print::CPrintOptionsDlg dialog(groups, m_last, m_window);
    if (ModalDialog::Exec(dialog) != QDialog::Accepted) {
        return false;
    }
    choice = m_last = dialog.Choice();
    return true;
}

print::PrintSheet CPrintCommands::Sheet(const print::PrintChoice& choice) const {
    return print::SheetFromList(*m_list(), FileName(), choice.layout, choice.groupId, choice.groupName);
}

void CPrintCommands::Print() {
    print::PrintChoice choice;
    if (Ask(choice)) {
        PrintOnPrinter(choice);
    }
}

void CPrintCommands::PrintOnPrinter(const print::PrintChoice& choice) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(print::PageLayoutFor(choice.orientation));
    printer.setDocName(FileName());
    QPrintDialog dialog(&printer, m_window);
    if (ModalDialog::Exec(dialog) != QDialog::Accepted) {
        return;
    }
    CWaitCursor wait;
    if (!print::PrintSheetOn(printer, Sheet(choice), choice.layout)) {
        MessageBox::Tell(m_window, tr("The list could not be printed."));
    }
}

void CPrintCommands::Preview() {
    print::PrintChoice choice;
    if (!Ask(choice)) {
        return;
    }
    print::CPrintPreviewDlg dialog(Sheet(choice), choice, m_window);
    bool print = false;
    connect(&dialog, &print::CPrintPreviewDlg::printWanted, this, [&print] { print = true; });
    ModalDialog::Exec(dialog);
    if (print) {
        PrintOnPrinter(choice);
    }
}

void CPrintCommands::ExportPdf() {
    print::PrintChoice choice;
    if (!Ask(choice)) {
        return;
    }
    const QFileInfo source(m_doc->GetPathName());
    const QString suggested = source.dir().filePath(source.completeBaseName() + QStringLiteral(".pdf"));
    const QString path =
        FileChooser::GetSaveFileName(m_window, tr("Export as PDF"), suggested, tr("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    // The PDF never takes the place of the open file or its working copy.
    if (const QFileInfo target(path); target == source || target == QFileInfo(m_doc->WorkPath())) {
        MessageBox::Tell(m_window, tr("%1 is the open channel file; choose another name for the PDF.").arg(path));
        return;
    }
    QString error;
    CWaitCursor wait;
    if (!print::WritePdf(path, Sheet(choice), choice.layout, choice.orientation, error)) {
        MessageBox::Tell(m_window, error);
    }
}
