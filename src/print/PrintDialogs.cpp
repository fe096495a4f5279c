#include "PrintDialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace print {

QPageLayout PageLayoutFor(QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

CPrintOptionsDlg::CPrintOptionsDlg(const std::vector<GroupChoice>& groups, const PrintChoice& initial, QWidget* parent)
    : QDialog(parent), m_groups(groups), m_what(new QComboBox(this)), m_layout(new QComboBox(this)),
      m_orientation(new QComboBox(this)) {
    setObjectName(QStringLiteral("printOptionsDlg"));
    setWindowTitle(tr("Print"));
    m_what->setObjectName(QStringLiteral("whatCombo"));
    m_what->addItem(tr("Channel list as shown"));
    for (const GroupChoice& group : m_groups) {
        m_what->addItem(tr("Favourite group: %1").arg(group.name));
        if (group.id == initial.groupId) {
            m_what->setCurrentIndex(m_what->count() - 1);
        }
    }
    m_layout->setObjectName(QStringLiteral("layoutCombo"));
    m_layout->addItems({tr("Table"), tr("Channel Card (number and name, large type)")});
    m_layout->setCurrentIndex(initial.layout == Layout::Card ? 1 : 0);
    m_orientation->setObjectName(QStringLiteral("orientationCombo"));
    m_orientation->addItems({tr("Portrait"), tr("Landscape")});
    m_orientation->setCurrentIndex(initial.orientation == QPageLayout::Landscape ? 1 : 0);

    auto* form = new QFormLayout;
    form->addRow(tr("&Print:"), m_what);
    form->addRow(tr("&Layout:"), m_layout);
    form->addRow(tr("&Orientation:"), m_orientation);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PrintChoice CPrintOptionsDlg::Choice() const {
    PrintChoice choice;
    const int what = m_what->currentIndex() - 1;
    if (what >= 0 && size_t(what) < m_groups.size()) {
        choice.groupId = m_groups[size_t(what)].id;
        choice.groupName = m_groups[size_t(what)].name;
    }
    choice.layout = m_layout->currentIndex() == 1 ? Layout::Card : Layout::Table;
    choice.orientation = m_orientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    return choice;
}

// One page on white paper, scaled to the widget; painted when shown, never ahead.
class CPageView : public QWidget {
public:
    CPageView(const CPageLayout& layout, const QPageLayout& page, QWidget* parent)
        : QWidget(parent), m_layout(layout), m_page(page) {
        setObjectName(QStringLiteral("pageView"));
        setMinimumSize(420, 560);
    }
    void SetPage(int index) {
        m_index = index;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().dark());
        const QSizeF full = m_page.fullRect(QPageLayout::Point).size();
        const double scale = std::min((width() - 16) / full.width(), (height() - 16) / full.height());
        if (scale <= 0) {
            return;
        }
        painter.translate((width() - full.width() * scale) / 2, (height() - full.height() * scale) / 2);
        painter.scale(scale, scale);
        painter.fillRect(QRectF(QPointF(0, 0), full), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate(m_page.paintRect(QPageLayout::Point).topLeft());
        m_layout.PaintPage(painter, m_index);
    }

private:
    const CPageLayout& m_layout;
    QPageLayout m_page;
    int m_index = 0;
};

CPrintPreviewDlg::CPrintPreviewDlg(PrintSheet sheet, const PrintChoice& choice, QWidget* parent)
    : QDialog(parent), m_sheet(std::move(sheet)) {
    setObjectName(QStringLiteral("printPreviewDlg"));
    setWindowTitle(tr("Print Preview"));
    const QPageLayout page = PageLayoutFor(choice.orientation);
    m_layout = std::make_unique<CPageLayout>(m_sheet, choice.layout, page.paintRect(QPageLayout::Point).size());
    m_view = new CPageView(*m_layout, page, this);
    m_previous = new QPushButton(tr("&Previous Page"), this);
    m_previous->setObjectName(QStringLiteral("previousButton"));
    m_next = new QPushButton(tr("&Next Page"), this);
    m_next->setObjectName(QStringLiteral("nextButton"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    auto* print = new QPushButton(tr("&Print…"), this);
    print->setObjectName(QStringLiteral("printButton"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(m_previous, &QPushButton::clicked, this, [this] { ShowPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { ShowPage(m_page + 1); });
    connect(print, &QPushButton::clicked, this, [this] {
        accept();
        emit printWanted();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_previous);
    bar->addWidget(m_pageLabel);
    bar->addWidget(m_next);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    ShowPage(0);
}

CPrintPreviewDlg::~CPrintPreviewDlg() = default;

int CPrintPreviewDlg::PageCount() const {
    return m_layout->PageCount();
}

void CPrintPreviewDlg::ShowPage(int index) {
    m_page = std::clamp(index, 0, PageCount() - 1);
    m_view->SetPage(m_page);
    m_pageLabel->setText(tr("Page %1 of %2").arg(m_page + 1).arg(PageCount()));
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < PageCount());
}

} // namespace print
