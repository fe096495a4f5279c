#include "EditChannelDlg.h"

#include "SelectNitDlg.h"
#include "listctrl/RowFormat.h"
#include "seams/DialogFields.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstring>
#include <utility>

namespace {

constexpr qint64 kMaxPid = 8191; // a PID has 13 bits
const char* const kNoFreeIdMessage =
    QT_TRANSLATE_NOOP("EditChannelDlg", "No channel number below 20000 is free.\nThe channel is not added.");
const char* const kProviderFailedMessage =
    QT_TRANSLATE_NOOP("EditChannelDlg", "The provider could not be stored in the DB.\nNothing has been changed.");
const char* const kChannelFailedMessage =
    QT_TRANSLATE_NOOP("EditChannelDlg", "The channel could not be stored in the DB.\nNothing has been changed.");

// The receiver ignores channels numbered 20000 and above.
constexpr int kFirstInvalidChannelId = 20000;

using dialogfields::kNameLimit;
using dialogfields::kProviderLimit;
using dialogfields::kServiceIdLimit;

template <size_t N> void CopyText(char (&buffer)[N], const QString& text) {
    dbutil::CopyFixedText(buffer, dialogfields::FitUtf8(text, N - 1).constData());
}

// Leading digits with an optional sign; anything else gives 0, as the receiver's
// own tools read numbers.
int32_t IntValue(const QLineEdit* edit) {
    return dbutil::ReadInt(edit->text().toUtf8().constData());
}

void ShowInt(QLineEdit* edit, int32_t value) {
    edit->setText(QString::number(value));
}

QCheckBox* NewCheckBox(const QString& caption, const char* objectName, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

QRadioButton* NewRadioButton(const QString& caption, const char* objectName, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

QGroupBox* NewGroup(const QString& title, const char* objectName, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(objectName));
    return group;
}

} // namespace

CEditChannelDlg::CEditChannelDlg(int chId, QWidget* parent) : QDialog(parent), m_chId(chId) {
    setObjectName(QStringLiteral("editChannelDialog"));
    setWindowTitle(QCoreApplication::translate("EditChannelDlg", "Edit Channel"));

    auto* okButton = new QPushButton(QCoreApplication::translate("EditChannelDlg", "OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QCoreApplication::translate("EditChannelDlg", "Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(okButton, &QPushButton::clicked, this, &CEditChannelDlg::OnOk);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSettingGroup());
    layout->addWidget(BuildServiceGroup());
    layout->addWidget(BuildFlagGroup());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const QList<QWidget*> tabChain{
        m_nitInfoButton, m_chNameEdit,    m_serviceIdEdit,    m_providerEdit,   m_videoPidEdit,
        m_audioPidEdit,  m_pcrPidEdit,    m_pmtPidEdit,       m_lockedCheckBox, m_scrambledCheckBox,
        m_hideCheckBox,  m_tvRadioButton, m_radioRadioButton, okButton,         cancelButton};
    for (qsizetype i = 1; i < tabChain.size(); ++i) {
        setTabOrder(tabChain[i - 1], tabChain[i]);
    }
    m_chNameEdit->setFocus();

    LoadChannel();
}

QGroupBox* CEditChannelDlg::BuildSettingGroup() {
    auto* group = NewGroup(QCoreApplication::translate("EditChannelDlg", "Setting"), "settingGroupBox", this);
    m_satNameEdit = dialogfields::NewEdit("satNameEdit", kNameLimit, group);
    m_satNameEdit->setEnabled(false);
    m_nitInfoButton = new QPushButton(QCoreApplication::translate("EditChannelDlg", "N&IT Info"), group);
    m_nitInfoButton->setObjectName(QStringLiteral("nitInfoButton"));
    m_nitInfoButton->setAutoDefault(false);
    connect(m_nitInfoButton, &QPushButton::clicked, this, &CEditChannelDlg::OnNitInfo);

    auto* grid = new QGridLayout(group);
    dialogfields::AddRow(grid, 0, 0, QCoreApplication::translate("EditChannelDlg", "SAT Name :"), m_satNameEdit);
    grid->addWidget(m_nitInfoButton, 0, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* CEditChannelDlg::BuildServiceGroup() {
    auto* group = NewGroup(QCoreApplication::translate("EditChannelDlg", "Service"), "serviceGroupBox", this);
    auto* grid = new QGridLayout(group);
    const auto add = [&](QLineEdit*& edit, const char* name, int limit, int row, int column, const char* caption) {
        edit = dialogfields::NewEdit(name, limit, group);
        dialogfields::AddRow(grid, row, column, QCoreApplication::translate("EditChannelDlg", caption), edit);
    };
    add(m_chNameEdit, "chNameEdit", kNameLimit, 0, 0, QT_TRANSLATE_NOOP("EditChannelDlg", "CH &Name :"));
    add(m_chNoEdit, "chNoEdit", 0, 1, 0, QT_TRANSLATE_NOOP("EditChannelDlg", "CH No :"));
    m_chNoEdit->setEnabled(false);
    add(m_serviceIdEdit, "serviceIdEdit", kServiceIdLimit, 2, 0, QT_TRANSLATE_NOOP("EditChannelDlg", "Service I&D :"));
    add(m_providerEdit, "providerEdit", kProviderLimit, 3, 0, QT_TRANSLATE_NOOP("EditChannelDlg", "&Provider :"));
    add(m_videoPidEdit, "videoPidEdit", 0, 0, 2, QT_TRANSLATE_NOOP("EditChannelDlg", "&V-Pid :"));
    add(m_audioPidEdit, "audioPidEdit", 0, 1, 2, QT_TRANSLATE_NOOP("EditChannelDlg", "&A-Pid :"));
    add(m_pcrPidEdit, "pcrPidEdit", 0, 2, 2, QT_TRANSLATE_NOOP("EditChannelDlg", "P&CR-PID :"));
    add(m_pmtPidEdit, "pmtPidEdit", 0, 3, 2, QT_TRANSLATE_NOOP("EditChannelDlg", "P&MT-Pid :"));
    for (QLineEdit* edit : {m_chNameEdit, m_serviceIdEdit, m_videoPidEdit, m_audioPidEdit, m_pcrPidEdit, m_pmtPidEdit,
                            m_satNameEdit, m_providerEdit}) {
        m_required.Add(edit);
    }
    // A service id has 16 bits, a PID 13.
    m_numbers.AddWhole(m_serviceIdEdit, QCoreApplication::translate("EditChannelDlg", "Service ID"), 0, 0xFFFF);
    for (const auto& [edit, caption] : {std::pair{m_videoPidEdit, QT_TRANSLATE_NOOP("EditChannelDlg", "V-Pid")},
                                        std::pair{m_audioPidEdit, QT_TRANSLATE_NOOP("EditChannelDlg", "A-Pid")},
                                        std::pair{m_pcrPidEdit, QT_TRANSLATE_NOOP("EditChannelDlg", "PCR-PID")},
                                        std::pair{m_pmtPidEdit, QT_TRANSLATE_NOOP("EditChannelDlg", "PMT-Pid")}}) {
        m_numbers.AddWhole(edit, QCoreApplication::translate("EditChannelDlg", caption), 0, kMaxPid);
    }
    m_providerEdit->setMinimumWidth(m_providerEdit->fontMetrics().averageCharWidth() * kProviderLimit);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* CEditChannelDlg::BuildFlagGroup() {
    auto* group = NewGroup(QCoreApplication::translate("EditChannelDlg", "Flag"), "flagGroupBox", this);
    m_lockedCheckBox =
        NewCheckBox(QCoreApplication::translate("EditChannelDlg", "&Locked(L)"), "lockedCheckBox", group);
    m_scrambledCheckBox =
        NewCheckBox(QCoreApplication::translate("EditChannelDlg", "&Scrambled(S)"), "scrambledCheckBox", group);
    m_hideCheckBox = NewCheckBox(QCoreApplication::translate("EditChannelDlg", "&Hide(H)"), "hideCheckBox", group);
    m_tvRadioButton = NewRadioButton(QCoreApplication::translate("EditChannelDlg", "&TV"), "tvRadioButton", group);
    m_radioRadioButton =
        NewRadioButton(QCoreApplication::translate("EditChannelDlg", "&Radio"), "radioRadioButton", group);
    // The ids are the stored media_mode; checkedId() gives -1 when neither is chosen.
    m_mediaGroup = new QButtonGroup(group);
    m_mediaGroup->setObjectName(QStringLiteral("mediaButtonGroup"));
    m_mediaGroup->addButton(m_tvRadioButton, 0);
    m_mediaGroup->addButton(m_radioRadioButton, 1);

    auto* row = new QHBoxLayout(group);
    for (QWidget* widget : {static_cast<QWidget*>(m_lockedCheckBox), static_cast<QWidget*>(m_scrambledCheckBox),
                            static_cast<QWidget*>(m_hideCheckBox)}) {
        row->addWidget(widget);
    }
    row->addSpacing(24);
    row->addWidget(m_tvRadioButton);
    row->addWidget(m_radioRadioButton);
    row->addStretch();
    return group;
}

void CEditChannelDlg::LoadChannel() {
    if (IsNew()) {
        m_record.sat_id = -1;
        m_record.nit_id = -1;
        m_tvRadioButton->setChecked(true);
        return;
    }
    m_rowRead = m_db.GetChannelInfo(m_chId, m_record) > 0;
    m_satId = m_record.sat_id;
    m_nitId = m_record.nit_id;
    std::memcpy(m_nameAtOpen, m_record.name, sizeof m_nameAtOpen);

    m_chNameEdit->setText(FieldText(m_record.name));
    ShowInt(m_chNoEdit, m_record.ch_order);
    ShowInt(m_serviceIdEdit, m_record.pg_id);
    ShowInt(m_videoPidEdit, m_record.video_pid);
    ShowInt(m_audioPidEdit, m_record.audio_pid);
    ShowInt(m_pcrPidEdit, m_record.pcr_pid);
    ShowInt(m_pmtPidEdit, m_record.pmt_pid);
    m_scrambledCheckBox->setChecked(m_record.cas_type != 0);
    m_lockedCheckBox->setChecked(m_record.lock != 0);
    m_hideCheckBox->setChecked(m_record.hide != 0);
    if (QAbstractButton* media = m_mediaGroup->button(m_record.media_mode)) {
        media->setChecked(true);
    }
    ShowSatelliteName();
    ProviderRecord provider{};
    m_db.GetSdtInfo(m_record.sdt_id, provider);
    m_providerEdit->setText(FieldText(provider.provider_name));
    m_providerShown = m_providerEdit->text();
    m_numbers.RememberShown();
}

void CEditChannelDlg::ShowSatelliteName() {
    SatRecord sat{};
    m_db.GetSatInfo(m_satId, sat);
    m_satNameEdit->setText(FieldText(sat.name));
}

void CEditChannelDlg::OnNitInfo() {
    // The dialog moves the record's own pair with every click; the chosen pair
    // follows only an OK.
    CSelectNitDlg dlg(m_record.sat_id, m_record.nit_id, this);
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    m_satId = m_record.sat_id;
    m_nitId = m_record.nit_id;
    ShowSatelliteName();
}

void CEditChannelDlg::FillRecord(ChannelRecord& record) const {
    record.nit_id = m_nitId;
    // A name the user left as shown keeps its stored bytes (a Latin-1 name among them).
    if (m_chNameEdit->text() != FieldText(m_nameAtOpen)) {
        CopyText(record.name, m_chNameEdit->text());
    }
    record.pg_id = IntValue(m_serviceIdEdit);
    record.sat_id = m_satId;
    // The receiver reads any non-zero value as scrambled; 65535 is what it writes.
    record.cas_type = m_scrambledCheckBox->isChecked() ? 65535 : 0;
    record.media_mode = m_mediaGroup->checkedId();
    record.video_pid = IntValue(m_videoPidEdit);
    record.audio_pid = IntValue(m_audioPidEdit);
    record.pcr_pid = IntValue(m_pcrPidEdit);
    record.pmt_pid = IntValue(m_pmtPidEdit);
    record.lock = m_lockedCheckBox->isChecked() ? 1 : 0;
    record.hide = m_hideCheckBox->isChecked() ? 1 : 0;
}

void CEditChannelDlg::OnOk() {
    if (!m_required.Check(this) || !m_numbers.Check(this)) {
        return;
    }
    // A channel that vanished since the list was shown must not be reported as stored.
    if (!IsNew() && !m_rowRead) {
        TellFault(StoreFault::Channel);
        return;
    }
    int newId = -1;
    if (IsNew()) {
        newId = m_db.GetNewChannelId();
        if (newId <= 0 || newId >= kFirstInvalidChannelId) {
            TellFault(newId <= 0 ? StoreFault::Channel : StoreFault::NoFreeId);
            return;
        }
    }
    ChannelRecord record = m_record;
    FillRecord(record);
    if (const StoreFault fault = Store(record, newId); fault != StoreFault::None) {
        TellFault(fault);
        return;
    }
    m_record = record;
    if (IsNew()) {
        m_chId = newId;
    }
    accept();
}

// One transaction, so a failure leaves neither a provider without its channel nor a
// channel whose favourite entries keep the old name; OK can then simply be retried.
CEditChannelDlg::StoreFault CEditChannelDlg::Store(ChannelRecord& record, int newId) {
    if (m_db.BeginTransaction() != 0) {
        return StoreFault::Channel;
    }
    StoreFault fault = StoreRows(record, newId);
    if (fault == StoreFault::None && m_db.CommitTransaction() != 0) {
        fault = StoreFault::Channel;
    }
    if (fault != StoreFault::None) {
        CChannelDB::Rollback();
    }
    return fault;
}

CEditChannelDlg::StoreFault CEditChannelDlg::StoreRows(ChannelRecord& record, int newId) {
    if (const StoreFault fault = FindOrCreateProvider(record.sdt_id); fault != StoreFault::None) {
        return fault;
    }
    if (IsNew()) {
        record.ch_id = newId;
        record.ch_order = newId;
        return m_db.InsertChannelInfo(record) == 0 ? StoreFault::None : StoreFault::Channel;
    }
    if (m_db.UpdateChannelInfo(m_chId, record) != 0) {
        return StoreFault::Channel;
    }
    // Favourite entries carry a copy of the channel's name.
    if (std::strcmp(record.name, m_nameAtOpen) != 0 && m_db.RenameFavEntries(m_chId, record.name) != 0) {
        return StoreFault::Channel;
    }
    return StoreFault::None;
}

CEditChannelDlg::StoreFault CEditChannelDlg::FindOrCreateProvider(int32_t& sdtId) {
    // The provider the user left as shown stays the channel's provider, whatever the
    // bytes of its name.
    if (!IsNew() && m_rowRead && m_providerEdit->text() == m_providerShown) {
        return StoreFault::None;
    }
    // Looked up exactly as it will be stored, so a name cut to the buffer is found
    // again next time instead of being created once more.
    char name[sizeof(ProviderRecord::provider_name)];
    CopyText(name, m_providerEdit->text());
    ProviderRecord provider{};
    const int found = m_db.FindSdtByName(name, provider);
    if (found < 0) {
        return StoreFault::Provider;
    }
    if (found == 0) {
        std::memcpy(provider.provider_name, name, sizeof name);
        provider.sdt_id = m_db.GetNewSdtId();
        if (provider.sdt_id <= 0 || m_db.InsertSdtInfo(provider) != 0) {
            return StoreFault::Provider;
        }
    }
    sdtId = provider.sdt_id;
    return StoreFault::None;
}

void CEditChannelDlg::TellFault(StoreFault fault) {
    const char* text = kChannelFailedMessage;
    if (fault == StoreFault::NoFreeId) {
        text = kNoFreeIdMessage;
    } else if (fault == StoreFault::Provider) {
        text = kProviderFailedMessage;
    }
    MessageBox::Tell(this, QCoreApplication::translate("EditChannelDlg", text));
}
