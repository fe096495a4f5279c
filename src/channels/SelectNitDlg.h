#pragma once
// The "Select NIT" dialog: the satellites in the user's order and the transponders of
// the one selected. It works on the caller's satellite id and TP id in place, so the
// caller's pair follows every click, also when the dialog ends with Cancel; it ends
// with OK only when a TP is chosen.
//
//     int32_t satId = record.sat_id, nitId = record.nit_id;
//     CSelectNitDlg dlg(satId, nitId, this);
//     if (ModalDialog::Exec(dlg) == QDialog::Accepted) { /* satId and nitId are the choice */ }
#include "db/ChannelDB.h"

#include <QDialog>

#include <cstdint>

class QListWidget;

class CSelectNitDlg : public QDialog {
    Q_OBJECT
public:
    CSelectNitDlg(int32_t& satId, int32_t& nitId, QWidget* parent = nullptr);

private:
    void BuildControls();
    void FillSatellites();
    // Fills "TP List" for the current satellite and selects the current TP, which
    // becomes -1 when the satellite does not carry it.
    void FillTransponders();
    void OnSatelliteChanged();
    void OnTransponderChanged();
    void OnOk();

    int32_t& m_satId;
    int32_t& m_nitId;
    QListWidget* m_satList = nullptr;
    QListWidget* m_tpList = nullptr;
    CChannelDB m_db;
};
