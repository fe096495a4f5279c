#pragma once
// CLNBView: the LNB page. Two tuners of 20 switch slots each are edited in memory
// (connection mode, slot count, per-slot settings, copy of tuner 1 to tuner 2) and
// written to the database as a whole when "SAVE" is pressed.
#include "LnbSlots.h"
#include "document/CloseCommand.h"
#include "document/DocView.h"
#include "seams/PendingEdits.h"

#include <QWidget>

class CRecordListCtrl;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CLNBView : public QWidget, public CDocView, public CEditCommands, public CCloseCommand, public CPendingEdits {
    Q_OBJECT
public:
    explicit CLNBView(COrvaneDoc* doc, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // The page has no Add: its slots are fixed, the switch type sets how many are used.
    bool Handles(EditCmd cmd) const override;
    bool CanRun(EditCmd cmd) const override;
    void OnEditEdit() override;
    void OnEditDelete() override;
    void OnFileClose() override;

    // Slot edits not yet stored with "SAVE".
    bool HasPendingEdits() const override { return m_unsaved && g_db != nullptr; }
    bool SavePendingEdits() override;
    void DiscardPendingEdits() override { OnInitialUpdate(); }

    CRecordListCtrl* List() const { return m_list; }
    int CurrentTuner() const { return m_tuner; }

private:
    QWidget* BuildSettingGroup();
    QWidget* BuildSwitchTypeLine();
    void ShowTuner(int tuner);
    void ShowRow(int row);
    void ChooseTuner(int tuner);
    void ChooseConnection(uint8_t connection);
    void ShowConnection(int connection);
    void OnCopyTuner();
    void OnSwitchTypeEdited(const QString& text);
    void StepSwitchType(int step);
    void SetRowCount(int count);
    void OnSave();
    bool Save();
    void ShowContextMenu(const QPoint& pos);
    // A value set back to the stored one leaves nothing unsaved.
    void Changed() {
        ++m_changes;
        m_unsaved = !m_slots.SameAs(m_stored);
    }

    CChannelDB m_db;
    CLnbSlots m_slots;
    CLnbSlots m_stored; // as loaded or last saved
    int16_t m_tuner = 0;
    // Changes since the view was made; "SAVE" writes only when there were any.
    int m_changes = 0;
    // Changes since the slots were last loaded or saved.
    bool m_unsaved = false;
    bool m_firstDisplay = true;

    QRadioButton* m_separated = nullptr;
    QRadioButton* m_loopThru = nullptr;
    QPushButton* m_tuner1 = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_tuner2 = nullptr;
    QLabel* m_shownTuner = nullptr; // which tuner's slots the list shows
    QLineEdit* m_switchType = nullptr;
    CRecordListCtrl* m_list = nullptr;
    QPushButton* m_save = nullptr;
};
