#pragma once
// CLNBView: the LNB page. Two tuners of 20 switch slots each are edited in memory
// (connection mode, slot count, per-slot settings, copy of tuner 1 to tuner 2) and
// written to the database as a whole when "SAVE" is pressed.
#include "LnbSlots.h"
#include "app/CloseCommand.h"
#include "app/DocView.h"

#include <QWidget>

class CRecordListCtrl;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CLNBView : public QWidget, public CDocView, public CEditCommands, public CCloseCommand {
    Q_OBJECT
public:
    explicit CLNBView(COrvaneDoc* doc, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnEditEdit() override;
    void OnEditDelete() override;
    void OnFileClose() override;

    CRecordListCtrl* List() const { return m_list; }
    int CurrentTuner() const { return m_tuner; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    void ShowContextMenu(const QPoint& pos);
    void Changed() { ++m_changes; }

    CChannelDB m_db;
    CLnbSlots m_slots;
    int16_t m_tuner = 0;
    int m_changes = 0;
    bool m_firstDisplay = true;

    QRadioButton* m_separated = nullptr;
    QRadioButton* m_loopThru = nullptr;
    QPushButton* m_tuner1 = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_tuner2 = nullptr;
    QLineEdit* m_switchType = nullptr;
    CRecordListCtrl* m_list = nullptr;
    QPushButton* m_save = nullptr;
};
