#include "CompareFileDlg.h"

#include "TextRowsModel.h"
#include "match/ChannelCsv.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Number(const ChannelRecord& channel) {
    return QString::number(channel.ch_order);
}

} // namespace

CCompareFileDlg::CCompareFileDlg(QWidget* parent, const QString& chosenPath, const match::ChannelSet& chosen,
                                 const match::ChannelSet& open, const match::Comparison& comparison)
    : QDialog(parent) {
    setWindowTitle(tr("Compare with %1").arg(chosenPath));
    auto* layout = new QVBoxLayout(this);
    m_counts = new QLabel(tr("%1 added, %2 removed, %3 moved, %4 renamed")
                              .arg(comparison.counts[0])
                              .arg(comparison.counts[1])
                              .arg(comparison.counts[2])
                              .arg(comparison.counts[3]),
                          this);
    m_counts->setObjectName(QStringLiteral("countsLabel"));
    auto* top = new QHBoxLayout;
    top->addWidget(m_counts, 1);
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("kindFilterCombo"));
    m_kind->addItems({tr("All changes"), tr("Added"), tr("Removed"), tr("Moved"), tr("Renamed")});
    top->addWidget(m_kind);
    layout->addLayout(top);

    m_model = new CTextRowsModel(
        {tr("Change"), tr("No"), tr("Name"), tr("New No"), tr("New Name"), tr("Rule"), tr("Satellite")},
        {false, true, false, true, false, false, false}, this);
    // The kinds in the window's words; the rules are the matching core's own names.
    const QString kinds[match::kChangeKindCount] = {tr("added"), tr("removed"), tr("moved"), tr("renamed")};
    std::vector<CTextRowsModel::Row> rows;
    rows.reserve(comparison.changes.size());
    for (const match::ChannelChange& change : comparison.changes) {
        const match::ChannelItem* before =
            change.from >= 0 ? &chosen.channels[static_cast<size_t>(change.from)] : nullptr;
        const match::ChannelItem* after = change.to >= 0 ? &open.channels[static_cast<size_t>(change.to)] : nullptr;
        const match::ChannelItem& shown = after != nullptr ? *after : *before;
        rows.push_back(
            {{kinds[static_cast<size_t>(change.kind)], before != nullptr ? Number(before->record) : QString(),
              before != nullptr ? Text(match::NameText(before->record.name)) : QString(),
              after != nullptr ? Number(after->record) : QString(),
              after != nullptr ? Text(match::NameText(after->record.name)) : QString(),
              change.hasRule ? QString::fromLatin1(match::RuleName(change.rule)) : QString(), Text(shown.satName)},
             static_cast<int>(change.kind)});
    }
    m_model->SetRows(std::move(rows));
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("changesView"));
    m_view->setModel(m_model);
    // In the report's order until a column is clicked.
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    // Fixed row heights: measuring 20,000 rows would take longer than reading both files.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_view);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &CCompareFileDlg::ShowKind);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* order = buttons->addButton(tr("Apply &Order from This File"), QDialogButtonBox::ActionRole);
    order->setObjectName(QStringLiteral("applyOrderButton"));
    connect(order, &QPushButton::clicked, this, [this] { done(ApplyOrder); });
    QPushButton* group = buttons->addButton(tr("Add &New Channels to Group…"), QDialogButtonBox::ActionRole);
    group->setObjectName(QStringLiteral("addToGroupButton"));
    group->setEnabled(comparison.counts[static_cast<size_t>(match::ChangeKind::Added)] > 0);
    connect(group, &QPushButton::clicked, this, [this] { done(AddNewToGroup); });
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 520);
}

QString CCompareFileDlg::CountsText() const {
    return m_counts->text();
}

void CCompareFileDlg::ShowKind(int comboIndex) {
    if (comboIndex <= 0) {
        m_model->SetFilter({});
        return;
    }
    const int kind = comboIndex - 1;
    m_model->SetFilter([kind](const CTextRowsModel::Row& row) { return row.tag == kind; });
}
