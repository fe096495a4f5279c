#pragma once
// The "Edit Sattelite" dialog: creates one satellite or changes the name and
// position of a stored one. It stores the satellite itself when OK passes its checks;
// a store that fails is reported and keeps the dialog open, so OK always means the
// row is stored.
//
//     CEditSatDlg dlg(satId, this);             // satId, or 0 for a new satellite
//     if (ModalDialog::Exec(dlg) == QDialog::Accepted) {
//         const int id = dlg.SatId();           // the new id for a new satellite
//     }
#include "db/ChannelDB.h"
#include "seams/DialogFields.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLineEdit;

class CEditSatDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEditSatDlg(QWidget* parent, int satId);

    // After OK: the satellite's id (for a new one the id just assigned).
    int SatId() const { return m_satId; }

private:
    void LoadSatellite();
    void OnOk();
    bool Store();

    int m_satId;
    SatRecord m_record{};
    // An existing satellite whose row could not be read is never written back.
    bool m_rowRead = false;
    CChannelDB m_db;

    QLineEdit* m_nameEdit = nullptr;
    QComboBox* m_directionCombo = nullptr;
    QLineEdit* m_positionEdit = nullptr;
    dialogfields::CRequiredFields m_required;
    dialogfields::CNumberFields m_numbers;
};
