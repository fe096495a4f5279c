#include "EditLnbDlg.h"

#include "db/RecordBlock.h"
#include "listctrl/RowFormat.h"
#include "seams/DbProblems.h"
#include "seams/DialogFields.h"
#include "seams/MessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kUniversalLnb = 2;
// The local oscillator of a Ku band LNB, and the high band one of a universal LNB.
constexpr uint16_t kKuLowMHz = 9750;
constexpr uint16_t kKuHighMHz = 10600;
constexpr uint16_t kCBandMHz = 5150;
constexpr qsizetype kHighBandChars = 9;

// "%d/H" or "%d/V" of the frequency in MHz.
QString TpItemText(const NitRecord& nit) {
    return QStringLiteral("%1/%2").arg(nit.frequency / 1000).arg(nit.pol != 0 ? QLatin1Char('H') : QLatin1Char('V'));
}

// The item carrying `value`, -1 for none.
int ItemOf(const QComboBox* combo, int value) {
    return combo->findData(value);
}

// The leading decimal integer of `text`, read the way the C library's atoi reads it
// (leading blanks skipped, an optional sign, the digits up to the first other
// character; 0 when there are none); false when it is outside the 16 bits of a
// stored frequency.
bool LeadingFrequency(const QString& text, uint16_t& value) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        ++i;
    }
    qint64 number = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        number = number * 10 + (text[i].unicode() - u'0');
        if (number > 0xFFFF) {
            return false;
        }
    }
    if (negative && number != 0) {
        return false;
    }
    value = static_cast<uint16_t>(number);
    return true;
}

} // namespace

CEditLnbDlg::CEditLnbDlg(LnbRecord* record, QWidget* parent) : QDialog(parent), m_record(record), m_opened(*record) {
    setObjectName(QStringLiteral("editLnbDialog"));
    setWindowTitle(QCoreApplication::translate("EditLnbDlg", "Edit LNB"));
    BuildControls();
    m_localFreq2->hide();
    FillSatellites();
    if (m_record->present != 0) {
        LoadRecord();
    }
    connect(m_satellite, &QComboBox::currentIndexChanged, this, [this] { OnSatelliteChanged(); });
    connect(m_lnbType, &QComboBox::currentIndexChanged, this, &CEditLnbDlg::OnLnbTypeChanged);
    connect(m_ok, &QPushButton::clicked, this, &CEditLnbDlg::OnOk);
}

void CEditLnbDlg::BuildControls() {
    using dialogfields::NewCombo;
    m_satellite = NewCombo("satelliteComboBox", {}, this);
    m_lnbType = NewCombo("lnbTypeComboBox", {"C_LNB", "KU_LNB", "UNIV_LNB"}, this);
    m_localFreq = dialogfields::NewEdit("localFreqEdit", dialogfields::kFrequencyLimit, this);
    m_localFreq2 = dialogfields::NewEdit("localFreq2Edit", dialogfields::kFrequencyLimit, this);
    m_diseqc10 = NewCombo("diseqc10ComboBox",
                          {QCoreApplication::translate("EditLnbDlg", "NONE"), "A", "B", "C", "D",
                           QCoreApplication::translate("EditLnbDlg", "mini A"),
                           QCoreApplication::translate("EditLnbDlg", "mini B")},
                          this);
    m_diseqc11 =
        NewCombo("diseqc11ComboBox", {QCoreApplication::translate("EditLnbDlg", "NONE"), "A", "B", "C", "D"}, this);
    m_tone =
        NewCombo("tone22kComboBox",
                 {QCoreApplication::translate("EditLnbDlg", "OFF"), QCoreApplication::translate("EditLnbDlg", "ON"),
                  QCoreApplication::translate("EditLnbDlg", "AUTO")},
                 this);
    m_tpFreq = NewCombo("tpFreqComboBox", {}, this);
    const dialogfields::Buttons okCancel = dialogfields::NewButtons(this);
    m_ok = okCancel.ok;
    m_cancel = okCancel.cancel;
    m_required.Add(m_localFreq);
    m_numbers.AddWhole(m_localFreq, QCoreApplication::translate("EditLnbDlg", "Local Freq"), 0, 0xFFFF);
    // The high band edit of a universal LNB counts up to its ninth character.
    m_numbers.AddWhole(m_localFreq2, tr("Local Freq (high band)"), 0, 0xFFFF, kHighBandChars);
    m_numbers.CheckOnlyWhileShown(m_localFreq2); // only a universal LNB has one
    for (QComboBox* combo : {m_satellite, m_lnbType, m_diseqc10, m_diseqc11, m_tone, m_tpFreq}) {
        m_required.Add(combo);
    }

    auto* freqs = new QHBoxLayout;
    freqs->addWidget(m_localFreq);
    freqs->addWidget(m_localFreq2);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("EditLnbDlg", "Satellite :"), m_satellite);
    form->addRow(QCoreApplication::translate("EditLnbDlg", "LNB Type :"), m_lnbType);
    form->addRow(QCoreApplication::translate("EditLnbDlg", "Local Freq :"), freqs);
    form->addRow(QCoreApplication::translate("EditLnbDlg", "DiSEqC 1.0 :"), m_diseqc10);
    form->addRow(QCoreApplication::translate("EditLnbDlg", "DiSEqC 1.1 :"), m_diseqc11);
    form->addRow(QCoreApplication::translate("EditLnbDlg", "22 khz :"), m_tone);
    form->addRow(QCoreApplication::translate("EditLnbDlg", "TP Freq :"), m_tpFreq);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void CEditLnbDlg::FillSatellites() {
    RecordBlock<SatRecord> sats;
    TellIfReadFailed(this, sats.Read(m_db, &CChannelDB::GetSatList));
    for (const SatRecord& sat : sats) {
        m_satellite->addItem(FieldText(sat.name), sat.sat_id);
    }
    m_satellite->setCurrentIndex(-1);
}

void CEditLnbDlg::FillTransponders(int32_t satId) {
    const QSignalBlocker blocker(m_tpFreq);
    m_tpFreq->clear();
    RecordBlock<NitRecord> nits;
    TellIfReadFailed(this, nits.Read(m_db, &CChannelDB::GetNitListBySat, satId));
    for (const NitRecord& nit : nits) {
        m_tpFreq->addItem(TpItemText(nit), nit.nit_id);
    }
    m_tpFreq->setCurrentIndex(ItemOf(m_tpFreq, m_record->nit_id));
}

void CEditLnbDlg::LoadRecord() {
    const LnbRecord& lnb = *m_record;
    m_satellite->setCurrentIndex(ItemOf(m_satellite, lnb.sat_id));
    m_lnbType->setCurrentIndex(lnb.lnb_type < m_lnbType->count() ? lnb.lnb_type : -1);
    m_localFreq->setText(QString::number(lnb.local_freq1));
    if (lnb.lnb_type == kUniversalLnb) {
        m_localFreq2->setText(QString::number(lnb.local_freq2));
        m_localFreq2->show();
    }
    m_diseqc10->setCurrentIndex(lnb.diseqc10_port < m_diseqc10->count() ? lnb.diseqc10_port : -1);
    m_diseqc11->setCurrentIndex(lnb.diseqc11_port < m_diseqc11->count() ? lnb.diseqc11_port : -1);
    m_tone->setCurrentIndex(lnb.tone_22k < m_tone->count() ? lnb.tone_22k : -1);
    FillTransponders(lnb.sat_id);
    m_numbers.RememberShown();
}

void CEditLnbDlg::OnSatelliteChanged() {
    const int index = m_satellite->currentIndex();
    if (index < 0) {
        m_tpFreq->clear();
        return;
    }
    FillTransponders(m_satellite->itemData(index).toInt());
}

void CEditLnbDlg::OnLnbTypeChanged(int type) {
    const uint16_t freq1 = m_opened.local_freq1;
    const uint16_t freq2 = m_opened.local_freq2;
    m_localFreq2->setVisible(type == kUniversalLnb);
    if (type == 0) {
        m_localFreq->setText(QString::number(freq1 >= kKuLowMHz ? kCBandMHz : freq1));
    } else if (type == 1) {
        m_localFreq->setText(QString::number(freq1 < kKuLowMHz ? kKuLowMHz : freq1));
    } else if (type == kUniversalLnb) {
        const bool noHighBand = freq2 < kKuLowMHz;
        m_localFreq->setText(QString::number(noHighBand ? kKuLowMHz : freq1));
        m_localFreq2->setText(QString::number(noHighBand ? kKuHighMHz : freq2));
    }
}

// A typed frequency below 0 or above 65535 MHz is refused rather than stored cut to
// 16 bits, which would hand the receiver a different oscillator than the one typed.
bool CEditLnbDlg::FrequenciesFit(uint16_t& freq1, uint16_t& freq2) {
    const bool universal = m_lnbType->currentIndex() == kUniversalLnb;
    if (LeadingFrequency(m_localFreq->text(), freq1) &&
        (!universal || LeadingFrequency(m_localFreq2->text().left(kHighBandChars), freq2))) {
        if (!universal) {
            freq2 = freq1;
        }
        return true;
    }
    MessageBox::Tell(
        this,
        QCoreApplication::translate("EditLnbDlg", "Please enter an integer between %1 and %2.").arg(0).arg(0xFFFF));
    return false;
}

void CEditLnbDlg::OnOk() {
    if (!m_required.Check(this)) {
        return;
    }
    uint16_t freq1 = 0;
    uint16_t freq2 = 0;
    if (!FrequenciesFit(freq1, freq2) || !m_numbers.Check(this)) {
        return;
    }
    LnbRecord& lnb = *m_record;
    lnb.sat_id = static_cast<uint16_t>(m_satellite->currentData().toInt());
    lnb.lnb_type = static_cast<uint8_t>(m_lnbType->currentIndex());
    lnb.local_freq1 = freq1;
    lnb.local_freq2 = freq2;
    lnb.diseqc10_port = static_cast<uint8_t>(m_diseqc10->currentIndex());
    lnb.diseqc11_port = static_cast<uint8_t>(m_diseqc11->currentIndex());
    lnb.tone_22k = static_cast<uint8_t>(m_tone->currentIndex());
    lnb.nit_id = static_cast<uint16_t>(m_tpFreq->currentData().toInt());
    lnb.present = 1;
    accept();
}
