#include "ChannelTools.h"

#include "ChangeListDlg.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "match/ChannelCsv.h"
#include "match/ChannelEdits.h"
#include "seams/AppMessages.h"
#include "seams/DbProblems.h"
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "seams/WaitCursor.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>

namespace {

QString CsvFilter() {
    return QCoreApplication::translate("ChannelTools", "CSV Files (*.csv);;All Files (*.*)");
}

QStringList Lines(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        list << QString::fromStdString(line);
    }
    return list;
}

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

CChannelTools::CChannelTools(COrvaneDoc* doc, QWidget* parent) : QObject(parent), m_doc(doc) {}

void CChannelTools::AddActions(QMenu* menu) {
    menu->addSeparator();
    const struct {
        const char* text;
        const char* name;
        void (CChannelTools::*run)();
    } commands[] = {
        {QT_TRANSLATE_NOOP("ChannelTools", "&Export Channels to CSV…"), "actionToolsExportCsv",
         &CChannelTools::OnExportCsv},
        {QT_TRANSLATE_NOOP("ChannelTools", "&Import Channels from CSV…"), "actionToolsImportCsv",
         &CChannelTools::OnImportCsv},
        {QT_TRANSLATE_NOOP("ChannelTools", "Apply &Order from Reference File…"), "actionToolsApplyOrder",
         &CChannelTools::OnApplyOrder},
        {QT_TRANSLATE_NOOP("ChannelTools", "Find &Duplicate Channels…"), "actionToolsDuplicates",
         &CChannelTools::OnFindDuplicates},
    };
    for (const auto& command : commands) {
        QAction* action = menu->addAction(QCoreApplication::translate("ChannelTools", command.text));
        action->setObjectName(QLatin1String(command.name));
        connect(action, &QAction::triggered, this, command.run);
    }
}

QWidget* CChannelTools::Parent() const {
    return qobject_cast<QWidget*>(parent());
}

// Reads the open file's channels for a command; tells the user when that fails.
bool CChannelTools::ReadSet(CChannelDB& db, match::ChannelSet& set) const {
    if (const int rc = match::ReadChannelSet(db, set); rc != 0) {
        MessageBox::Tell(
            Parent(),
            QCoreApplication::translate("ChannelTools", "The channels could not be read (sqlite3 error %1).").arg(-rc));
        return false;
    }
    return true;
}

bool CChannelTools::HaveDb() const {
    if (g_db == nullptr) {
        MessageBox::Tell(Parent(), NoDbMessage());
        return false;
    }
    return true;
}

void CChannelTools::Changed(int rc, const QString& what) {
    if (TellIfDoesNotFit(Parent(), rc)) {
        return; // rolled back too
    }
    if (rc != 0) {
        // The transaction was rolled back: the database is as it was.
        MessageBox::Tell(
            Parent(), QCoreApplication::translate("ChannelTools", "%1 failed (sqlite3 error %2); nothing was changed.")
                          .arg(what)
                          .arg(-rc));
        return;
    }
    g_dbModified = 1;
    m_doc->InitialUpdateAllViews();
}

void CChannelTools::OnExportCsv() {
    if (!HaveDb()) {
        return;
    }
    const QString suggested = QFileInfo(m_doc->GetPathName()).completeBaseName() + QStringLiteral(".csv");
    const QString path = FileChooser::GetSaveFileName(
        Parent(), QCoreApplication::translate("ChannelTools", "Export Channels to CSV"), suggested, CsvFilter());
    if (path.isEmpty()) {
        return;
    }
    CChannelDB db;
    match::ChannelSet set;
    if (!ReadSet(db, set)) {
        return;
    }
    const std::string text = match::ExportCsv(set);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
        !file.commit()) {
        MessageBox::Tell(
            Parent(),
            QCoreApplication::translate("ChannelTools", "%1 could not be written.\n%2").arg(path, file.errorString()));
        return;
    }
    MessageBox::Show(Parent(),
                     QCoreApplication::translate("ChannelTools", "%1 channels were written to %2.")
                         .arg(set.channels.size())
                         .arg(path),
                     MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}

void CChannelTools::OnImportCsv() {
    if (!HaveDb()) {
        return;
    }
    const QString path = FileChooser::GetOpenFileName(
        Parent(), QCoreApplication::translate("ChannelTools", "Import Channels from CSV"), CsvFilter());
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (file.size() > qint64(match::kMaxCsvBytes) || !file.open(QIODevice::ReadOnly)) {
        MessageBox::Tell(
            Parent(), QCoreApplication::translate("ChannelTools", "%1 could not be read as a channel list.").arg(path));
        return;
    }
    const std::string text = file.readAll().toStdString();
    CChannelDB db;
    match::ChannelSet set;
    if (!ReadSet(db, set)) {
        return;
    }
    const match::CsvImportPlan plan = match::PlanCsvImport(text, set);
    if (plan.Refused()) {
        MessageBox::Tell(Parent(),
                         QCoreApplication::translate("ChannelTools", "%1 was not imported; nothing was changed.\n%2")
                             .arg(path, QString::fromStdString(plan.error).trimmed()));
        return;
    }
    if (plan.changes.empty()) {
        MessageBox::Show(Parent(), QCoreApplication::translate("ChannelTools", "%1 changes nothing.").arg(path),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Information);
        return;
    }
    CChangeListDlg dlg(Parent(), QCoreApplication::translate("ChannelTools", "Import Channels from CSV"),
                       QCoreApplication::translate("ChannelTools", "Importing %1 makes these %2 changes:")
                           .arg(path)
                           .arg(plan.changes.size()),
                       Lines(plan.changes), QCoreApplication::translate("ChannelTools", "&Import"));
    if (ModalDialog::Exec(dlg) == QDialog::Accepted) {
        CUndoStep step(QCoreApplication::translate("ChannelTools", "Import channels from CSV").toStdString());
        CWaitCursor wait;
        Changed(match::ApplyCsvImport(db, set, plan), QCoreApplication::translate("ChannelTools", "The import"));
    }
}

void CChannelTools::OnApplyOrder() {
    if (!HaveDb()) {
        return;
    }
    const QString path = FileChooser::GetOpenFileName(
        Parent(), QCoreApplication::translate("ChannelTools", "Apply Order from Reference File"),
        QCoreApplication::translate("ChannelTools", "Reference Lists (*.dat *.csv);;All Files (*.*)"));
    if (!path.isEmpty()) {
        ApplyOrderFrom(path);
    }
}

void CChannelTools::ApplyOrderFrom(const QString& path) {
    match::ReferenceList reference;
    std::string error;
    if (!match::ReadReferenceFile(Native(path), reference, error)) {
        MessageBox::Tell(Parent(), QCoreApplication::translate(
                                       "ChannelTools", "The reference list could not be read; nothing was changed.\n%1")
                                       .arg(QString::fromStdString(error).trimmed()));
        return;
    }
    CChannelDB db;
    match::ChannelSet set;
    if (!ReadSet(db, set)) {
        return;
    }
    const match::OrderPlan plan = match::PlanOrder(reference, set);
    CChangeListDlg dlg(Parent(), QCoreApplication::translate("ChannelTools", "Apply Order from Reference File"),
                       QCoreApplication::translate(
                           "ChannelTools", "Matched channels take the order of %1; unmatched ones follow in their "
                                           "current order.")
                           .arg(path),
                       Lines(match::DescribeOrderPlan(set, plan)),
                       QCoreApplication::translate("ChannelTools", "&Apply"),
                       QCoreApplication::translate("ChannelTools", "Also take the reference's &favourite groups"));
    if (ModalDialog::Exec(dlg) == QDialog::Accepted) {
        CUndoStep step(QCoreApplication::translate("ChannelTools", "Apply order from reference file").toStdString());
        CWaitCursor wait;
        Changed(match::ApplyOrder(db, set, plan, reference, dlg.Checked()),
                QCoreApplication::translate("ChannelTools", "Applying the order"));
    }
}

void CChannelTools::OnFindDuplicates() {
    if (!HaveDb()) {
        return;
    }
    CChannelDB db;
    match::ChannelSet set;
    if (!ReadSet(db, set)) {
        return;
    }
    const std::vector<match::DuplicateSet> sets = match::FindDuplicates(match::IdentitiesOf(set));
    if (sets.empty()) {
        MessageBox::Show(Parent(), QCoreApplication::translate("ChannelTools", "No duplicate channels were found."),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Information);
        return;
    }
    std::vector<std::string> lines;
    size_t extra = 0;
    for (const match::DuplicateSet& duplicates : sets) {
        lines.push_back(match::DescribeDuplicates(set, duplicates));
        extra += duplicates.members.size() - 1;
    }
    CChangeListDlg dlg(Parent(), QCoreApplication::translate("ChannelTools", "Find Duplicate Channels"),
                       QCoreApplication::translate(
                           "ChannelTools", "%1 sets of channels are the same channel. Removing keeps the one in [ ] "
                                           "(a favourite, else the lowest number) of each set.")
                           .arg(sets.size()),
                       Lines(lines), QCoreApplication::translate("ChannelTools", "&Remove Duplicates"));
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    if (!MessageBox::AskYesNo(
            Parent(),
            QCoreApplication::translate("ChannelTools",
                                        "Remove %1 channels with their favourite, schedule and scramble rows?")
                .arg(extra),
            MessageBox::Icon::Question)) {
        return;
    }
    CUndoStep step(QCoreApplication::translate("ChannelTools", "Remove duplicate channels").toStdString());
    CWaitCursor wait;
    Changed(match::RemoveDuplicates(db, set, sets),
            QCoreApplication::translate("ChannelTools", "Removing the duplicates"));
}
