#include "SelectNitDlg.h"

#include "db/RecordBlock.h"
#include "listctrl/RowFormat.h"
#include "seams/DbProblems.h"
#include "seams/MessageBox.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char* const kSelectTpMessage = QT_TRANSLATE_NOOP("SelectNitDlg", "Select TP Information in the list.");

// "11778 / 27500 / H": MHz by integer division, symbol rate, polarisation.
QString TpLineText(const NitRecord& nit) {
    return QStringLiteral("%1 / %2 / %3")
        .arg(nit.frequency / 1000)
        .arg(nit.symbol_rate)
        .arg(nit.pol != 0 ? QLatin1Char('H') : QLatin1Char('V'));
}

void AddLine(QListWidget* list, const QString& text, int32_t value) {
    auto* item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, value);
}

int32_t LineValue(const QListWidget* list, int row) {
    return list->item(row)->data(Qt::UserRole).toInt();
}

// The value of the selected line, if one is selected.
bool SelectedValue(const QListWidget* list, int32_t& value) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        return false;
    }
    value = selected.first()->data(Qt::UserRole).toInt();
    return true;
}

// Makes the line holding `value` current, or none; returns whether there was one.
bool SelectLine(QListWidget* list, int32_t value) {
    for (int row = 0; row < list->count(); ++row) {
        if (LineValue(list, row) == value) {
            list->setCurrentRow(row);
            return true;
        }
    }
    list->setCurrentRow(-1);
    return false;
}

QListWidget* NewList(const char* objectName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(objectName));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QGroupBox* NewGroup(const QString& title, const char* objectName, QWidget* content, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(objectName));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

} // namespace

CSelectNitDlg::CSelectNitDlg(int32_t& satId, int32_t& nitId, QWidget* parent)
    : QDialog(parent), m_satId(satId), m_nitId(nitId) {
    setObjectName(QStringLiteral("selectNitDialog"));
    setWindowTitle(QCoreApplication::translate("SelectNitDlg", "Select NIT"));
    BuildControls();
    FillSatellites();
    FillTransponders();
    // Connected only now: the lines selected while filling are not user choices. The
    // selection, not the current line, is followed: a list taking the focus makes its
    // first line current without anyone choosing it.
    connect(m_satList, &QListWidget::itemSelectionChanged, this, &CSelectNitDlg::OnSatelliteChanged);
    connect(m_tpList, &QListWidget::itemSelectionChanged, this, &CSelectNitDlg::OnTransponderChanged);
}

void CSelectNitDlg::BuildControls() {
    m_satList = NewList("satelliteList", this);
    m_tpList = NewList("tpList", this);
    auto* okButton = new QPushButton(QCoreApplication::translate("SelectNitDlg", "OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QCoreApplication::translate("SelectNitDlg", "Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(okButton, &QPushButton::clicked, this, &CSelectNitDlg::OnOk);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* lists = new QHBoxLayout;
    lists->addWidget(
        NewGroup(QCoreApplication::translate("SelectNitDlg", "&Satellites"), "satellitesGroupBox", m_satList, this), 1);
    lists->addWidget(
        NewGroup(QCoreApplication::translate("SelectNitDlg", "&TP List"), "tpListGroupBox", m_tpList, this), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    setTabOrder(m_satList, m_tpList);
    setTabOrder(m_tpList, okButton);
    setTabOrder(okButton, cancelButton);
    resize(440, 320);
}

void CSelectNitDlg::FillSatellites() {
    RecordBlock<SatRecord> sats;
    TellIfReadFailed(this, sats.Read(m_db, &CChannelDB::GetSatList));
    for (const SatRecord& sat : sats) {
        AddLine(m_satList, FieldText(sat.name), sat.sat_id);
    }
    SelectLine(m_satList, m_satId);
}

void CSelectNitDlg::FillTransponders() {
    const QSignalBlocker blocker(m_tpList);
    m_tpList->clear();
    RecordBlock<NitRecord> nits;
    TellIfReadFailed(this, nits.Read(m_db, &CChannelDB::GetNitListBySat, m_satId));
    for (const NitRecord& nit : nits) {
        AddLine(m_tpList, TpLineText(nit), nit.nit_id);
    }
    if (!SelectLine(m_tpList, m_nitId)) {
        m_nitId = -1;
    }
}

void CSelectNitDlg::OnSatelliteChanged() {
    if (SelectedValue(m_satList, m_satId)) {
        FillTransponders();
    }
}

void CSelectNitDlg::OnTransponderChanged() {
    SelectedValue(m_tpList, m_nitId);
}

void CSelectNitDlg::OnOk() {
    if (m_nitId == -1) {
        MessageBox::Show(this, QCoreApplication::translate("SelectNitDlg", kSelectTpMessage), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Exclamation);
        return;
    }
    accept();
}
