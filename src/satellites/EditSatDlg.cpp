#include "EditSatDlg.h"

#include "SatDialogFields.h"
#include "listctrl/RowFormat.h"
#include "seams/DialogFields.h"
#include "seams/MessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

namespace {

const char* const kFillAllMessage = QT_TRANSLATE_NOOP("DialogFields", "Fill the data to the every fields!");
const char* const kRangeMessage = QT_TRANSLATE_NOOP("EditSatDlg", "It's invalid longitude range.");
const char* const kStoreFailedMessage =
    QT_TRANSLATE_NOOP("EditSatDlg", "The satellite could not be stored in the DB.\nNothing has been changed.");

using dialogfields::kNameLimit;
using dialogfields::kPositionLimit;
constexpr int kEastIndex = 0;
constexpr int kWestIndex = 1;

} // namespace

CEditSatDlg::CEditSatDlg(QWidget* parent, int satId) : QDialog(parent), m_satId(satId) {
    setObjectName(QStringLiteral("editSatDialog"));
    setWindowTitle(QCoreApplication::translate("EditSatDlg", "Edit Sattelite"));

    m_nameEdit = dialogfields::NewEdit("nameEdit", kNameLimit, this);
    m_directionCombo = dialogfields::NewCombo(
        "directionCombo",
        {QCoreApplication::translate("EditSatDlg", "EAST"), QCoreApplication::translate("EditSatDlg", "WEST")}, this);
    m_positionEdit = dialogfields::NewEdit("positionEdit", kPositionLimit, this);
    m_required.Add(m_nameEdit);
    m_required.Add(m_positionEdit);
    m_numbers.AddDecimal(m_positionEdit, QCoreApplication::translate("EditSatDlg", "Position"));

    auto* grid = new QGridLayout;
    dialogfields::AddRow(grid, 0, 0, QCoreApplication::translate("EditSatDlg", "Name :"), m_nameEdit);
    dialogfields::AddRow(grid, 1, 0, QCoreApplication::translate("EditSatDlg", "Position :"), m_directionCombo);
    grid->addWidget(m_positionEdit, 1, 2);

    const dialogfields::Buttons buttons = dialogfields::NewButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, &CEditSatDlg::OnOk);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(row);

    LoadSatellite();
}

void CEditSatDlg::LoadSatellite() {
    if (m_satId == 0) {
        return;
    }
    m_rowRead = m_db.GetSatInfo(m_satId, m_record) > 0;
    if (!m_rowRead) {
        return;
    }
    m_nameEdit->setText(FieldText(m_record.name));
    const bool west = m_record.position < 0;
    m_directionCombo->setCurrentIndex(west ? kWestIndex : kEastIndex);
    const int64_t tenths = west ? -int64_t{m_record.position} : int64_t{m_record.position};
    // The receiver's tools show the degrees computed in single precision.
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(static_cast<float>(tenths) * 0.1f));
    m_positionEdit->setText(QString::fromLatin1(text));
    m_numbers.RememberShown();
}

void CEditSatDlg::OnOk() {
    const QString name = m_nameEdit->text();
    const QString position = m_positionEdit->text();
    if (!m_required.Check(this, kFillAllMessage) || !m_numbers.Check(this)) {
        return;
    }
    // Only "EAST" keeps the typed sign; "WEST" and no choice at all both mean west.
    const std::optional<int32_t> tenths =
        satfields::PositionTenths(position, m_directionCombo->currentIndex() == kEastIndex);
    if (!tenths) {
        MessageBox::Tell(this, QCoreApplication::translate("EditSatDlg", kRangeMessage));
        return;
    }
    m_record.position = *tenths;
    // A name the user left as shown keeps its stored bytes (a Latin-1 name among them).
    if (m_satId == 0 || name != FieldText(m_record.name)) {
        dbutil::CopyFixedText(m_record.name, dialogfields::FitUtf8(name, kNameLimit).constData());
    }
    if (!Store()) {
        MessageBox::Tell(this, QCoreApplication::translate("EditSatDlg", kStoreFailedMessage));
        return;
    }
    accept();
}

bool CEditSatDlg::Store() {
    if (m_satId != 0) {
        // The other fields go back as they were read, so only name and position change.
        return m_rowRead && m_db.UpdateSatInfo(m_satId, m_record) == 0;
    }
    SatRecord record = m_record;
    record.sat_id = m_db.GetNewSatId();
    record.sat_seq = m_db.GetNewSatSeq();
    if (record.sat_id <= 0 || record.sat_seq <= 0) {
        return false;
    }
    record.position_org = record.position;
    record.added = 1;
    if (m_db.InsertSatInfo(record) != 0) {
        return false;
    }
    m_record = record;
    m_satId = record.sat_id;
    return true;
}
