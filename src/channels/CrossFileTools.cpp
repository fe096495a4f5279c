#include "CrossFileTools.h"

#include "AddChannelsDlg.h"
#include "ChangeListDlg.h"
#include "ChannelTools.h"
#include "CompareFileDlg.h"
#include "db/RecordBlock.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "match/ChannelCompare.h"
#include "match/ChannelMerge.h"
#include "seams/AppMessages.h"
#include "seams/DbProblems.h"
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "seams/WaitCursor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QMenu>
#include <QPushButton>

namespace {

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList Lines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) {
        list << Text(line);
    }
    return list;
}

// Picks one of the open file's favourite groups: its id, or 0 when cancelled.
class CPickGroupDlg : public QDialog {
public:
    CPickGroupDlg(QWidget* parent, const std::vector<FavGroupRecord>& groups) : QDialog(parent) {
        setWindowTitle(QCoreApplication::translate("CCrossFileTools", "Add New Channels to Group"));
        auto* form = new QFormLayout(this);
        m_groups = new QComboBox(this);
        m_groups->setObjectName(QStringLiteral("groupCombo"));
        for (const FavGroupRecord& group : groups) {
            m_groups->addItem(QString::fromUtf8(group.name), static_cast<int>(group.favgrp_id));
        }
        form->addRow(QCoreApplication::translate("CCrossFileTools", "&Group:"), m_groups);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
        buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        form->addRow(buttons);
    }
    int GroupId() const { return m_groups->currentData().toInt(); }
    QString GroupName() const { return m_groups->currentText(); }

private:
    QComboBox* m_groups;
};

} // namespace

CCrossFileTools::CCrossFileTools(COrvaneDoc* doc, CChannelTools* channelTools, FileCheck check, QWidget* parent)
    : QObject(parent), m_doc(doc), m_channelTools(channelTools), m_check(std::move(check)) {}

void CCrossFileTools::AddActions(QMenu* menu) {
    QAction* compare = menu->addAction(tr("&Compare with File…"));
    compare->setObjectName(QStringLiteral("actionToolsCompareFile"));
    connect(compare, &QAction::triggered, this, &CCrossFileTools::OnCompareWithFile);
    QAction* add = menu->addAction(tr("&Add Channels from Another File…"));
    add->setObjectName(QStringLiteral("actionToolsAddChannels"));
    connect(add, &QAction::triggered, this, &CCrossFileTools::OnAddChannels);
}

QWidget* CCrossFileTools::Parent() const {
    return qobject_cast<QWidget*>(parent());
}

QString CCrossFileTools::Choose(const QString& caption) const {
    if (g_db == nullptr) {
        MessageBox::Tell(Parent(), QString::fromLatin1(kNoDbMessage));
        return {};
    }
    return FileChooser::GetOpenFileName(Parent(), caption, FileChooser::DbFileFilter());
}

bool CCrossFileTools::ReadChosen(const QString& path, const std::function<int(CChannelDB&)>& read) const {
    if (g_db == nullptr) {
        MessageBox::Tell(Parent(), QString::fromLatin1(kNoDbMessage));
        return false;
    }
    std::vector<std::string> problems;
    std::string error;
    bool done = false;
    {
        CWaitCursor wait;
        done = match::ReadCheckedFileWith(Native(path), m_check, read, problems, error);
    }
    if (!problems.empty()) {
        MessageBox::Tell(Parent(), tr("%1 fails the receiver's checks and was not used; nothing was changed.\n%2")
                                       .arg(path, Lines(problems).join(QLatin1Char('\n'))));
        return false;
    }
    if (!done) {
        MessageBox::Tell(Parent(), tr("%1 could not be read.\n%2").arg(path, Text(error)));
    }
    return done;
}

void CCrossFileTools::OnCompareWithFile() {
    const QString path = Choose(tr("Compare with File"));
    if (!path.isEmpty()) {
        CompareWith(path);
    }
}

void CCrossFileTools::OnAddChannels() {
    const QString path = Choose(tr("Add Channels from Another File"));
    if (!path.isEmpty()) {
        AddChannelsFrom(path);
    }
}

void CCrossFileTools::CompareWith(const QString& path) {
    match::ChannelSet chosen;
    if (!ReadChosen(path, [&chosen](CChannelDB& db) { return match::ReadChannelSet(db, chosen); })) {
        return;
    }
    match::ChannelSet open;
    CChannelDB db;
    int rc = 0;
    {
        CWaitCursor wait;
        rc = match::ReadChannelSet(db, open);
    }
    if (TellIfReadFailed(Parent(), rc)) {
        return;
    }
    const match::Comparison comparison = match::CompareSets(chosen, open);
    CCompareFileDlg dlg(Parent(), path, chosen, open, comparison);
    const int result = ModalDialog::Exec(dlg);
    if (result == CCompareFileDlg::ApplyOrder && m_channelTools != nullptr) {
        m_channelTools->ApplyOrderFrom(path);
    } else if (result == CCompareFileDlg::AddNewToGroup) {
        std::vector<int32_t> ids;
        for (const match::ChannelChange& change : comparison.changes) {
            if (change.kind == match::ChangeKind::Added) {
                ids.push_back(open.channels[static_cast<size_t>(change.to)].record.ch_id);
            }
        }
        AddNewToGroup(ids);
    }
}

void CCrossFileTools::AddNewToGroup(const std::vector<int32_t>& ids) {
    CChannelDB db;
    RecordBlock<FavGroupRecord> groups;
    if (TellIfReadFailed(Parent(), groups.Read(db, &CChannelDB::GetFavGroupList))) {
        return;
    }
    if (groups.Count() == 0) {
        MessageBox::Tell(Parent(), tr("This file has no favourite group to add the channels to."));
        return;
    }
    CPickGroupDlg dlg(Parent(), std::vector<FavGroupRecord>(groups.begin(), groups.end()));
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    CUndoStep step(
        tr("Add %n new channel(s) to %1", nullptr, static_cast<int>(ids.size())).arg(dlg.GroupName()).toStdString());
    int skipped = 0;
    const int rc = db.AddFavEntries(ids, dlg.GroupId(), skipped);
    if (TellIfDoesNotFit(Parent(), rc)) {
        return;
    }
    if (rc != 0) {
        MessageBox::Tell(
            Parent(),
            tr("Adding to \"%1\" failed (sqlite3 error %2); nothing was changed.").arg(dlg.GroupName()).arg(-rc));
        return;
    }
    if (skipped < static_cast<int>(ids.size())) {
        g_dbModified = 1;
        m_doc->InitialUpdateAllViews();
    }
}

void CCrossFileTools::AddChannelsFrom(const QString& path) {
    match::MergeFile other;
    // The checks cover the fit of the file's channels; its satellites and transponders
    // are checked in the read.
    const match::FitChecks checks = m_check ? match::FitChecks::BesideChannels : match::FitChecks::All;
    if (!ReadChosen(path, [&other, checks](CChannelDB& db) { return match::ReadMergeFile(db, other, checks); })) {
        return;
    }
    match::MergeFile current;
    CChannelDB db;
    int rc = 0;
    {
        CWaitCursor wait;
        rc = match::ReadMergeFile(db, current, match::FitChecks::None);
    }
    if (TellIfReadFailed(Parent(), rc)) {
        return;
    }
    const std::vector<size_t> fresh = match::NewChannels(current.set, other.set);
    if (fresh.empty()) {
        MessageBox::Show(Parent(), tr("This file holds every channel of %1.").arg(path), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Information);
        return;
    }
    CAddChannelsDlg pick(Parent(), path, other, fresh);
    if (ModalDialog::Exec(pick) != QDialog::Accepted) {
        return;
    }
    const match::MergePlan plan = match::PlanMerge(current, other, pick.Picks(), pick.FirstNumber());
    if (plan.Clashes()) {
        // Every clash is shown before anything is written; the others go in only when asked.
        if (plan.channels.empty()) {
            MessageBox::Tell(Parent(), tr("None of the chosen channels can be added; nothing was changed.\n%1")
                                           .arg(Lines(plan.clashes).join(QLatin1Char('\n'))));
            return;
        }
        CChangeListDlg clashes(Parent(), tr("Add Channels from Another File"),
                               tr("%n of the chosen channels cannot be added. Add the %1 others?", nullptr,
                                  static_cast<int>(plan.clashes.size()))
                                   .arg(plan.channels.size()),
                               Lines(match::DescribeMerge(other, plan)), tr("&Add the Others"));
        if (ModalDialog::Exec(clashes) != QDialog::Accepted) {
            return;
        }
    }
    CUndoStep step(tr("Add %n channel(s) from %1", nullptr, static_cast<int>(plan.channels.size()))
                       .arg(QFileInfo(path).fileName())
                       .toStdString());
    CWaitCursor wait;
    rc = match::ApplyMerge(db, plan);
    if (TellIfDoesNotFit(Parent(), rc)) {
        return;
    }
    if (rc != 0) {
        MessageBox::Tell(Parent(), tr("Adding the channels failed (sqlite3 error %1); nothing was changed.").arg(-rc));
        return;
    }
    g_dbModified = 1;
    m_doc->InitialUpdateAllViews();
}
