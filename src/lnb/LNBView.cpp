#include "LNBView.h"

#include "EditLnbDlg.h"
#include "db/UndoHistory.h"
#include "listctrl/ListColumns.h"
#include "listctrl/ListKeyFilter.h"
#include "listctrl/RecordListCtrl.h"
#include "listctrl/RowFormat.h"
#include "seams/DbProblems.h"
#include "seams/EditPopupMenu.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMaxSwitchType = CLnbSlots::kSlots;

template <typename Button> Button* NewButton(const char* text, const char* objectName, QWidget* parent) {
    auto* button = new Button(QCoreApplication::translate("LNBView", text), parent);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

QToolButton* NewArrowButton(Qt::ArrowType arrow, const char* objectName, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

// The switch type as typed: the number, or -1 for an empty text. Digits only reach
// the edit, so a text too long for an int is simply above the range.
int SwitchTypeNumber(const QString& text) {
    if (text.isEmpty()) {
        return -1;
    }
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? number : kMaxSwitchType + 1;
}

} // namespace

CLNBView::CLNBView(COrvaneDoc* doc, QWidget* parent) : QWidget(parent), CDocView(doc) {
    setObjectName(QStringLiteral("lnbView"));
    m_separated = NewButton<QRadioButton>(QT_TRANSLATE_NOOP("LNBView", "Seperated"), "separatedRadioButton", this);
    m_loopThru = NewButton<QRadioButton>(QT_TRANSLATE_NOOP("LNBView", "Loop Thru"), "loopThruRadioButton", this);
    // The view decides which one is checked, also when no database is open.
    m_separated->setAutoExclusive(false);
    m_loopThru->setAutoExclusive(false);
    auto* connectionLine = new QHBoxLayout;
    auto* connectionLabel = new QLabel(QCoreApplication::translate("LNBView", "Connection :"), this);
    connectionLabel->setObjectName(QStringLiteral("connectionLabel"));
    connectionLine->addWidget(connectionLabel);
    connectionLine->addWidget(m_separated);
    connectionLine->addWidget(m_loopThru);
    connectionLine->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(connectionLine);
    layout->addWidget(BuildSettingGroup(), 1);

    connect(m_separated, &QRadioButton::clicked, this, [this] { ChooseConnection(0); });
    connect(m_loopThru, &QRadioButton::clicked, this, [this] { ChooseConnection(1); });
    connect(m_tuner1, &QPushButton::clicked, this, [this] { ChooseTuner(0); });
    connect(m_tuner2, &QPushButton::clicked, this, [this] { ChooseTuner(1); });
    connect(m_copy, &QPushButton::clicked, this, &CLNBView::OnCopyTuner);
    connect(m_save, &QPushButton::clicked, this, &CLNBView::OnSave);
    connect(m_switchType, &QLineEdit::textEdited, this, &CLNBView::OnSwitchTypeEdited);
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { OnEditEdit(); });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowContextMenu(m_list->viewport()->mapToGlobal(pos)); });
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowContextMenu(mapToGlobal(pos)); });
}

QWidget* CLNBView::BuildSettingGroup() {
    auto* group = new QGroupBox(QCoreApplication::translate("LNBView", "LNB Setting"), this);
    group->setObjectName(QStringLiteral("lnbSettingGroupBox"));
    m_tuner1 = NewButton<QPushButton>(QT_TRANSLATE_NOOP("LNBView", "Tuner1"), "tuner1Button", group);
    m_copy = NewButton<QPushButton>("=>", "copyTunerButton", group);
    m_tuner2 = NewButton<QPushButton>(QT_TRANSLATE_NOOP("LNBView", "Tuner2"), "tuner2Button", group);
    m_copy->setToolTip(tr("Copy Tuner1's LNB settings to Tuner2"));
    // Laid out with its text from the start: the page shows at once, before any posted layout pass.
    m_shownTuner = new QLabel(tr("Showing Tuner%1").arg(1), group);
    m_shownTuner->setObjectName(QStringLiteral("shownTunerLabel"));
    m_list = new CRecordListCtrl(group);
    m_list->setObjectName(QStringLiteral("lnbList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    InstallEditKeys(
        m_list, [this] { OnEditEdit(); }, [this] { OnEditDelete(); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    m_save = NewButton<QPushButton>(QT_TRANSLATE_NOOP("LNBView", "SAVE"), "saveButton", group);

    auto* tuners = new QHBoxLayout;
    tuners->addWidget(m_tuner1);
    tuners->addWidget(m_copy);
    tuners->addWidget(m_tuner2);
    tuners->addSpacing(12);
    tuners->addWidget(m_shownTuner);
    tuners->addSpacing(24);
    tuners->addWidget(BuildSwitchTypeLine());
    tuners->addStretch();
    auto* saveLine = new QHBoxLayout;
    saveLine->addStretch();
    saveLine->addWidget(m_save);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(tuners);
    layout->addWidget(m_list, 1);
    layout->addLayout(saveLine);
    return group;
}

QWidget* CLNBView::BuildSwitchTypeLine() {
    auto* line = new QWidget(this);
    line->setObjectName(QStringLiteral("switchTypeWidget"));
    auto* label = new QLabel(QCoreApplication::translate("LNBView", "Switch Type :"), line);
    label->setObjectName(QStringLiteral("switchTypeLabel"));
    m_switchType = new QLineEdit(line);
    m_switchType->setObjectName(QStringLiteral("switchTypeEdit"));
    m_switchType->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), line));
    m_switchType->setMaximumWidth(48);
    // The spin control: steps the number within 0 to 20 as typing would.
    QToolButton* up = NewArrowButton(Qt::UpArrow, "switchTypeUpButton", line);
    QToolButton* down = NewArrowButton(Qt::DownArrow, "switchTypeDownButton", line);
    connect(up, &QToolButton::clicked, this, [this] { StepSwitchType(1); });
    connect(down, &QToolButton::clicked, this, [this] { StepSwitchType(-1); });
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_switchType);
    layout->addWidget(up);
    layout->addWidget(down);
    return line;
}

// Document updates. Every initial update reloads the slots from the database.

void CLNBView::OnInitialUpdate() {
    m_separated->setChecked(false);
    m_loopThru->setChecked(false);
    m_list->DeleteAllRows();
    if (m_firstDisplay) {
        m_list->InsertColumns(kLnbList);
        m_firstDisplay = false;
    }
    m_tuner = 0;
    m_unsaved = false;
    m_slots.Clear();
    if (g_db != nullptr) {
        TellIfReadFailed(this, m_slots.Load(m_db));
    }
    m_stored = m_slots;
    ShowConnection(m_slots.LoadedConnection());
    ShowTuner(0);
}

void CLNBView::ShowConnection(int connection) {
    m_separated->setChecked(connection == 0);
    m_loopThru->setChecked(connection > 0);
    m_tuner2->setEnabled(connection == 0);
}

void CLNBView::ShowTuner(int tuner) {
    m_list->DeleteAllRows();
    for (int slot = 0; slot < m_slots.RowCount(tuner); ++slot) {
        m_list->AddLnbRow(slot, m_slots.Slot(tuner, slot));
    }
    m_switchType->setText(QString::number(m_slots.RowCount(tuner)));
    m_shownTuner->setText(tr("Showing Tuner%1").arg(tuner + 1));
}

void CLNBView::ShowRow(int row) {
    const LnbRecord& slot = m_slots.Slot(m_tuner, row);
    SatRecord sat{};
    if (slot.present != 0) {
        m_db.GetSatInfo(slot.sat_id, sat);
    }
    m_list->SetRowTexts(row, LnbRowTexts(row, slot, FieldText(sat.name)).ToList());
}

// Tuners and connection.

void CLNBView::ChooseTuner(int tuner) {
    if (g_db == nullptr) {
        return;
    }
    m_tuner = static_cast<int16_t>(tuner);
    ShowTuner(tuner);
}

void CLNBView::ChooseConnection(uint8_t connection) {
    if (g_db == nullptr) {
        ShowConnection(-1);
        return;
    }
    ShowConnection(connection);
    m_slots.SetConnection(connection);
    Changed();
}

void CLNBView::OnCopyTuner() {
    m_slots.CopyFirstToSecond();
    Changed();
    // A shown tuner 2 would otherwise keep rows that no longer match its slots.
    if (m_tuner == 1) {
        ShowTuner(1);
    }
}

// Switch type: the number of slots in use on the current tuner.

void CLNBView::OnSwitchTypeEdited(const QString& text) {
    if (m_firstDisplay) {
        return;
    }
    int number = SwitchTypeNumber(text);
    if (number < 0) {
        MessageBox::Tell(this, QCoreApplication::translate("LNBView", "Please enter an integer."));
        number = m_slots.RowCount(m_tuner);
    } else if (number > kMaxSwitchType) {
        MessageBox::Tell(this, QCoreApplication::translate("LNBView", "Please enter an integer between %1 and %2.")
                                   .arg(0)
                                   .arg(kMaxSwitchType));
    }
    SetRowCount(std::clamp(number, 0, kMaxSwitchType));
}

void CLNBView::StepSwitchType(int step) {
    if (m_firstDisplay) {
        return;
    }
    SetRowCount(std::clamp(m_slots.RowCount(m_tuner) + step, 0, kMaxSwitchType));
}

void CLNBView::SetRowCount(int count) {
    m_slots.SetRowCount(m_tuner, count);
    Changed();
    while (m_list->RowCount() > count) {
        m_list->DeleteRow(m_list->RowCount() - 1);
    }
    // Slots keep their data, so raising the number again brings earlier rows back.
    for (int slot = m_list->RowCount(); slot < count; ++slot) {
        m_list->AddLnbRow(slot, m_slots.Slot(m_tuner, slot));
    }
    const QString shown = QString::number(count);
    if (m_switchType->text() != shown) {
        m_switchType->setText(shown);
    }
}

// Editing slots.

void CLNBView::OnEditEdit() {
    const int row = m_list->FirstSelectedRow();
    if (row < 0) {
        return;
    }
    m_list->SetRowSelected(row, true);
    m_list->setCurrentIndex(m_list->Model()->index(row, 0));
    m_list->setFocus();
    LnbRecord working = m_slots.Slot(m_tuner, row);
    working.tuner_id = static_cast<uint8_t>(m_tuner);
    CEditLnbDlg dlg(&working, this);
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    m_slots.Slot(m_tuner, row) = working;
    ShowRow(row);
    Changed();
}

void CLNBView::OnEditDelete() {
    const QList<int> rows = m_list->SelectedRows();
    // Nothing is selected: nothing to ask about and nothing changes.
    if (rows.isEmpty()) {
        return;
    }
    if (!MessageBox::AskYesNo(this, QCoreApplication::translate("LNBView", "Do you want to remove this item from DB?"),
                              MessageBox::Icon::Question)) {
        return;
    }
    for (const int row : rows) {
        m_slots.ClearSlot(m_tuner, row);
        ShowRow(row);
        m_list->SetRowSelected(row, false);
    }
    Changed();
}

// Saving: the stored rows are replaced as a whole, or kept as they were.

void CLNBView::OnSave() {
    if (g_db != nullptr) {
        Save();
    }
}

bool CLNBView::SavePendingEdits() {
    return g_db == nullptr || Save();
}

bool CLNBView::Save() {
    if (m_changes != 0) {
        // Slots filled after the mode was chosen still carry the empty slot's 0.
        if (m_separated->isChecked() || m_loopThru->isChecked()) {
            m_slots.SetConnection(m_loopThru->isChecked() ? 1 : 0);
        }
        CUndoStep step(QCoreApplication::translate("LNBView", "Save LNB settings").toStdString());
        // Every stored row is written again from its slot, which has cut what it cannot hold.
        if (TellIfDoesNotFit(this, m_db.CheckLnbRowsFit())) {
            return false;
        }
        if (!m_slots.Save(m_db)) {
            MessageBox::Tell(this, QCoreApplication::translate(
                                       "LNBView", "The LNB settings could not be saved; the stored ones are kept."));
            return false;
        }
    }
    m_unsaved = false;
    m_stored = m_slots;
    g_dbModified = 1;
    return true;
}

// Keys, mouse and commands.

void CLNBView::ShowContextMenu(const QPoint& globalPos) {
    editmenu::Run(this, globalPos, *this);
}

bool CLNBView::Handles(EditCmd cmd) const {
    return cmd == EditCmd::Edit || cmd == EditCmd::Delete;
}

bool CLNBView::CanRun(EditCmd cmd) const {
    return Handles(cmd) && g_db != nullptr;
}

void CLNBView::OnFileClose() {
    CloseDatabaseInViews(*GetDocument(), [this] { OnInitialUpdate(); });
}
