#include "EditNitDlg.h"

#include "seams/DialogFields.h"
#include "seams/MessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace {

const char* const kStoreFailedMessage =
    QT_TRANSLATE_NOOP("EditNitDlg", "The TP could not be stored in the DB.\nNothing has been changed.");

constexpr int kKHzPerMHz = 1000;

int32_t LeadingInt(const QLineEdit* edit) {
    return dbutil::ReadInt(edit->text().toUtf8().constData());
}

} // namespace

CEditNitDlg::CEditNitDlg(QWidget* parent, int nitId, int satId) : QDialog(parent), m_nitId(nitId), m_satId(satId) {
    setObjectName(QStringLiteral("editNitDialog"));
    setWindowTitle(QCoreApplication::translate("EditNitDlg", "Edit NIT"));

    auto* group = new QGroupBox(QCoreApplication::translate("EditNitDlg", "TP information"), this);
    group->setObjectName(QStringLiteral("tpInfoGroupBox"));
    m_frequencyEdit = dialogfields::NewEdit("frequencyEdit", 0, group);
    m_symbolRateEdit = dialogfields::NewEdit("symbolRateEdit", 0, group);
    m_polarityCombo = dialogfields::NewCombo("polarityCombo",
                                             {QCoreApplication::translate("EditNitDlg", "Vertical"),
                                              QCoreApplication::translate("EditNitDlg", "Horizontal")},
                                             group);
    m_fecCombo = dialogfields::NewCombo("fecCombo",
                                        {QStringLiteral("1/2"), QStringLiteral("2/3"), QStringLiteral("3/4"),
                                         QStringLiteral("5/6"), QStringLiteral("7/8")},
                                        group);
    m_required.Add(m_frequencyEdit);
    m_required.Add(m_symbolRateEdit);
    m_required.Add(m_polarityCombo);
    m_required.Add(m_fecCombo);
    // The frequency is stored in kHz in 32 bits.
    m_numbers.AddWhole(m_frequencyEdit, QCoreApplication::translate("EditNitDlg", "Freq [MHz]"), 0,
                       std::numeric_limits<int32_t>::max() / kKHzPerMHz);
    m_numbers.AddWhole(m_symbolRateEdit, QCoreApplication::translate("EditNitDlg", "Symbolrate"), 0,
                       std::numeric_limits<int32_t>::max());
    auto* grid = new QGridLayout(group);
    dialogfields::AddRow(grid, 0, 0, QCoreApplication::translate("EditNitDlg", "Freq [MHz] :"), m_frequencyEdit);
    dialogfields::AddRow(grid, 1, 0, QCoreApplication::translate("EditNitDlg", "Symbolrate :"), m_symbolRateEdit);
    dialogfields::AddRow(grid, 2, 0, QCoreApplication::translate("EditNitDlg", "Polarity :"), m_polarityCombo);
    dialogfields::AddRow(grid, 3, 0, QCoreApplication::translate("EditNitDlg", "FEC :"), m_fecCombo);

    const dialogfields::Buttons buttons = dialogfields::NewButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, &CEditNitDlg::OnOk);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(row);

    LoadTransponder();
}

void CEditNitDlg::LoadTransponder() {
    if (m_nitId == 0) {
        return;
    }
    m_rowRead = m_db.GetNitInfo(m_nitId, m_record) > 0;
    if (!m_rowRead) {
        return;
    }
    m_frequencyEdit->setText(QString::number(m_record.frequency / kKHzPerMHz));
    m_symbolRateEdit->setText(QString::number(m_record.symbol_rate));
    m_polarityCombo->setCurrentIndex(m_record.pol);
    m_fecCombo->setCurrentIndex(m_record.fec - 1);
    m_numbers.RememberShown();
}

void CEditNitDlg::OnOk() {
    // An unchosen list would store polarity -1 and FEC 0, which the receiver cannot
    // tune to, so both lists count as fields that must be filled.
    if (!m_required.Check(this) || !m_numbers.Check(this)) {
        return;
    }
    // Unsigned, so a frequency too large for the column wraps instead of overflowing.
    m_record.frequency =
        static_cast<int32_t>(static_cast<uint32_t>(LeadingInt(m_frequencyEdit)) * uint32_t{kKHzPerMHz});
    m_record.symbol_rate = LeadingInt(m_symbolRateEdit);
    m_record.fec = m_fecCombo->currentIndex() + 1;
    m_record.pol = m_polarityCombo->currentIndex();
    m_record.sat_id = m_satId;
    if (!Store()) {
        MessageBox::Tell(this, QCoreApplication::translate("EditNitDlg", kStoreFailedMessage));
        return;
    }
    accept();
}

bool CEditNitDlg::Store() {
    if (m_nitId != 0) {
        // drift and the stream ids go back as they were read.
        return m_rowRead && m_db.UpdateNitInfo(m_nitId, m_record) == 0;
    }
    NitRecord record = m_record;
    if (m_db.InsertNitInfo(record) != 0) {
        return false;
    }
    m_record = record;
    m_nitId = record.nit_id;
    return true;
}
