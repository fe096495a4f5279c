#include "AddChannelsDlg.h"

#include "TextRowsModel.h"
#include "match/ChannelCsv.h"
#include "seams/MessageBox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CAddChannelsDlg::CAddChannelsDlg(QWidget* parent, const QString& otherPath, const match::MergeFile& other,
                                 const std::vector<size_t>& fresh)
    : QDialog(parent) {
    setWindowTitle(tr("Add Channels from Another File"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("%n channel(s) of %1 are not in this file:", nullptr, static_cast<int>(fresh.size())).arg(otherPath), this);
    intro->setObjectName(QStringLiteral("introLabel"));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("filterEdit"));
    m_filter->setPlaceholderText(tr("Filter by name, satellite or provider"));
    m_filter->setClearButtonEnabled(true);
    layout->addWidget(m_filter);

    m_model = new CTextRowsModel({tr("No"), tr("Name"), tr("Kind"), tr("Satellite"), tr("Transponder"), tr("Provider")},
                                 {true, false, false, false, false, false}, this);
    std::vector<CTextRowsModel::Row> rows;
    rows.reserve(fresh.size());
    for (const size_t i : fresh) {
        const match::ChannelItem& item = other.set.channels[i];
        const QString transponder = item.frequency != 0
                                        ? Text(match::FrequencyText(item.frequency) + " " +
                                               match::PolarityText(item.pol) + " " + std::to_string(item.symbolRate))
                                        : QString();
        rows.push_back({{QString::number(item.record.ch_order), Text(match::NameText(item.record.name)),
                         Text(match::KindText(item.record.media_mode)),
                         Text(item.satName + " (" + match::PositionText(item.satKnown, item.satPosition) + ")"),
                         transponder, Text(match::NameText(item.provider.c_str()))},
                        static_cast<int>(i)});
    }
    m_model->SetRows(std::move(rows));
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("channelsView"));
    m_view->setModel(m_model);
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_view);
    connect(m_filter, &QLineEdit::textChanged, this, &CAddChannelsDlg::Filter);

    auto* form = new QFormLayout;
    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("numberEdit"));
    m_number->setValidator(new QIntValidator(1, 99999, m_number));
    m_number->setPlaceholderText(tr("after the last channel"));
    form->addRow(tr("&Number from:"), m_number);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* all = buttons->addButton(tr("Select &All"), QDialogButtonBox::ActionRole);
    all->setObjectName(QStringLiteral("selectAllButton"));
    connect(all, &QPushButton::clicked, m_view, &QTableView::selectAll);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CAddChannelsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 520);
}

void CAddChannelsDlg::Filter(const QString& text) {
    m_view->clearSelection();
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) {
        m_model->SetFilter({});
        return;
    }
    // Name, satellite and provider: the columns a user looks for.
    m_model->SetFilter([wanted](const CTextRowsModel::Row& row) {
        for (const int column : {1, 3, 5}) {
            if (row.cells.at(column).contains(wanted, Qt::CaseInsensitive)) {
                return true;
            }
        }
        return false;
    });
}

std::vector<size_t> CAddChannelsDlg::Picks() const {
    QList<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows()) {
        rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    std::vector<size_t> picks;
    for (const int row : rows) {
        picks.push_back(static_cast<size_t>(m_model->Tag(row)));
    }
    return picks;
}

int CAddChannelsDlg::FirstNumber() const {
    return m_number->hasAcceptableInput() ? m_number->text().toInt() : 0;
}

void CAddChannelsDlg::accept() {
    if (m_view->selectionModel()->selectedRows().isEmpty()) {
        MessageBox::Tell(this, tr("Select the channels to add."));
        return;
    }
    if (!m_number->text().trimmed().isEmpty() && !m_number->hasAcceptableInput()) {
        MessageBox::Tell(this, tr("Give a channel number from 1 to 99999, or leave it blank."));
        m_number->setFocus();
        return;
    }
    QDialog::accept();
}
