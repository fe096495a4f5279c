#pragma once
// The "Edit Channel" dialog: creates one channel or changes a stored one (name,
// service id, provider, PIDs, flags, TV or radio, and the transponder picked in the
// Select NIT dialog). It stores the channel itself when OK is pressed; a failed store
// is reported to the user and leaves the dialog open with nothing changed, so OK
// always means the channel is stored.
//
//     CEditChannelDlg dlg(chId, this);          // chId, or -1 for a new channel
//     if (ModalDialog::Exec(dlg) == QDialog::Accepted) {
//         const int id = dlg.ChannelId();       // the new id for a new channel
//         const ChannelRecord& stored = dlg.Channel();
//     }
#include "db/ChannelDB.h"
#include "seams/DialogFields.h"

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CEditChannelDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEditChannelDlg(int chId, QWidget* parent = nullptr);

    // After OK: the channel's id (for a new channel the one just assigned) and the
    // record as stored. Before OK a new channel's id is -1.
    int ChannelId() const { return m_chId; }
    const ChannelRecord& Channel() const { return m_record; }

private:
    // Why a store did not happen; each has its own message.
    enum class StoreFault { None, NoFreeId, Provider, Channel };

    QGroupBox* BuildSettingGroup();
    QGroupBox* BuildServiceGroup();
    QGroupBox* BuildFlagGroup();
    void LoadChannel();
    void ShowSatelliteName();
    void OnNitInfo();
    void OnOk();
    void FillRecord(ChannelRecord& record) const;
    StoreFault Store(ChannelRecord& record, int newId);
    StoreFault StoreRows(ChannelRecord& record, int newId);
    StoreFault FindOrCreateProvider(int32_t& sdtId);
    void TellFault(StoreFault fault);
    bool IsNew() const { return m_chId == -1; }

    int m_chId;
    ChannelRecord m_record{};
    // The transponder chosen in the Select NIT dialog; the record's own pair follows
    // the clicks in that dialog even when it is cancelled.
    int32_t m_satId = -1;
    int32_t m_nitId = -1;
    // An existing channel whose row could not be read is never written back.
    bool m_rowRead = false;
    QString m_providerShown;
    char m_nameAtOpen[sizeof(ChannelRecord::name)] = {};
    CChannelDB m_db;

    QLineEdit* m_satNameEdit = nullptr;
    QPushButton* m_nitInfoButton = nullptr;
    QLineEdit* m_chNameEdit = nullptr;
    QLineEdit* m_chNoEdit = nullptr;
    QLineEdit* m_serviceIdEdit = nullptr;
    QLineEdit* m_providerEdit = nullptr;
    QLineEdit* m_videoPidEdit = nullptr;
    QLineEdit* m_audioPidEdit = nullptr;
    QLineEdit* m_pcrPidEdit = nullptr;
    QLineEdit* m_pmtPidEdit = nullptr;
    dialogfields::CRequiredFields m_required;
    dialogfields::CNumberFields m_numbers;
    QCheckBox* m_lockedCheckBox = nullptr;
    QCheckBox* m_scrambledCheckBox = nullptr;
    QCheckBox* m_hideCheckBox = nullptr;
    QRadioButton* m_tvRadioButton = nullptr;
    QRadioButton* m_radioRadioButton = nullptr;
    QButtonGroup* m_mediaGroup = nullptr;
};
