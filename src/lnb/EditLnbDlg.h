#pragma once
// CEditLnbDlg: edits one LNB slot of the LNB view: the satellite of the switch
// entry, LNB type and local frequencies, DiSEqC 1.0 / 1.1 ports, 22 kHz tone and
// reference transponder. The caller's record changes only when OK is accepted; the
// dialog writes nothing to the database.
#include "db/ChannelDB.h"
#include "seams/DialogFields.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

class CEditLnbDlg : public QDialog {
    Q_OBJECT
public:
    CEditLnbDlg(LnbRecord* record, QWidget* parent = nullptr);

private:
    void BuildControls();
    void FillSatellites();
    void FillTransponders(int32_t satId);
    void LoadRecord();
    void OnSatelliteChanged();
    void OnLnbTypeChanged(int type);
    void OnOk();
    bool FrequenciesFit(uint16_t& freq1, uint16_t& freq2);

    LnbRecord* m_record;
    // The record as it was when the dialog opened: the proposed frequencies follow it.
    const LnbRecord m_opened;
    CChannelDB m_db;

    QComboBox* m_satellite = nullptr;
    QComboBox* m_lnbType = nullptr;
    QLineEdit* m_localFreq = nullptr;
    QLineEdit* m_localFreq2 = nullptr;
    QComboBox* m_diseqc10 = nullptr;
    QComboBox* m_diseqc11 = nullptr;
    QComboBox* m_tone = nullptr;
    QComboBox* m_tpFreq = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    dialogfields::CRequiredFields m_required;
    dialogfields::CNumberFields m_numbers;
};
