#pragma once
// The "Edit NIT" dialog: creates one transponder of a satellite or changes a stored
// one (frequency in MHz, symbol rate, polarity, FEC). It stores the transponder
// itself when OK passes its checks; a store that fails is reported and keeps the
// dialog open, so OK always means the row is stored.
//
//     CEditNitDlg dlg(this, nitId, satId);      // nitId 0 for a new transponder
//     if (ModalDialog::Exec(dlg) == QDialog::Accepted) {
//         const int id = dlg.NitId();           // the new id for a new transponder
//     }
#include "db/ChannelDB.h"
#include "seams/DialogFields.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLineEdit;

class CEditNitDlg : public QDialog {
    Q_OBJECT
public:
    CEditNitDlg(QWidget* parent, int nitId, int satId);

    // After OK: the transponder's id (for a new one the id just assigned).
    int NitId() const { return m_nitId; }

private:
    void LoadTransponder();
    void OnOk();
    bool Store();

    int m_nitId;
    int m_satId;
    NitRecord m_record{};
    // An existing transponder whose row could not be read is never written back.
    bool m_rowRead = false;
    CChannelDB m_db;

    QLineEdit* m_frequencyEdit = nullptr;
    QLineEdit* m_symbolRateEdit = nullptr;
    QComboBox* m_polarityCombo = nullptr;
    QComboBox* m_fecCombo = nullptr;
    dialogfields::CRequiredFields m_required;
    dialogfields::CNumberFields m_numbers;
};
