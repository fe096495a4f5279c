#include "ChannelFindBar.h"

#include "db/RecordBlock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* NewArrow(Qt::ArrowType arrow, const char* name, const char* tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setToolTip(QCoreApplication::translate("ChannelFindBar", tip));
    button->setAutoRaise(true);
    return button;
}

} // namespace

CChannelFindBar::CChannelFindBar(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)),
      m_previous(NewArrow(Qt::UpArrow, "findPreviousButton",
                          QT_TRANSLATE_NOOP("ChannelFindBar", "Previous match (Shift+F3)"), this)),
      m_next(NewArrow(Qt::DownArrow, "findNextButton", QT_TRANSLATE_NOOP("ChannelFindBar", "Next match (F3)"), this)),
      m_count(new QLabel(this)), m_note(new QLabel(this)) {
    setObjectName(QStringLiteral("channelFindBar"));
    setAutoFillBackground(true);
    m_edit->setObjectName(QStringLiteral("findEdit"));
    m_edit->setPlaceholderText(QCoreApplication::translate("ChannelFindBar", "Name, provider, service id or MHz"));
    m_edit->setClearButtonEnabled(true);
    m_count->setObjectName(QStringLiteral("findCountLabel"));
    m_note->setObjectName(QStringLiteral("findNoteLabel"));
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("closeFindButton"));
    close->setText(QStringLiteral("\u00d7")); // notr: a sign, the same in every language
    close->setToolTip(QCoreApplication::translate("ChannelFindBar", "Close the find bar (Esc)"));
    close->setAutoRaise(true);

    auto* findLabel = new QLabel(QCoreApplication::translate("ChannelFindBar", "F&ind:"), this);
    findLabel->setBuddy(m_edit);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(m_edit, 1);
    findRow->addWidget(m_previous);
    findRow->addWidget(m_next);
    findRow->addWidget(m_count);
    findRow->addWidget(m_note);
    findRow->addStretch();
    findRow->addWidget(close);

    // The menu bar's titles (File, Edit, View, Tools, Format, Language, Help) keep their
    // letters: a box named by one of them could only be reached by a click.
    // The filters take two rows, so the bar fits a narrow channel pane with every
    // caption whole; the view keeps the pane at least as wide as the bar needs.
    m_filterRow = new QWidget(this);
    auto* filterRows = new QVBoxLayout(m_filterRow);
    filterRows->setContentsMargins(0, 0, 0, 0);
    filterRows->setSpacing(2);
    auto* kindRow = new QHBoxLayout;
    auto* flagRow = new QHBoxLayout;
    filterRows->addLayout(kindRow);
    filterRows->addLayout(flagRow);
    m_onlyMatches = AddFilterBox(kindRow, QT_TRANSLATE_NOOP("ChannelFindBar", "Only &matches"), "onlyMatchesCheckBox");
    m_tv = AddFilterBox(kindRow, QT_TRANSLATE_NOOP("ChannelFindBar", "TV"), "tvFilterCheckBox");
    m_radio = AddFilterBox(kindRow, QT_TRANSLATE_NOOP("ChannelFindBar", "&Radio"), "radioFilterCheckBox");
    m_satellite = new QComboBox(m_filterRow);
    m_satellite->setObjectName(QStringLiteral("satelliteFilterCombo"));
    m_satellite->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_satellite->addItem(QCoreApplication::translate("ChannelFindBar", "Any satellite"), -1);
    kindRow->addWidget(m_satellite);
    kindRow->addStretch();
    m_locked = AddFilterBox(flagRow, QT_TRANSLATE_NOOP("ChannelFindBar", "Loc&ked"), "lockedFilterCheckBox");
    m_hidden = AddFilterBox(flagRow, QT_TRANSLATE_NOOP("ChannelFindBar", "Hi&dden"), "hiddenFilterCheckBox");
    m_scrambled = AddFilterBox(flagRow, QT_TRANSLATE_NOOP("ChannelFindBar", "&Scrambled"), "scrambledFilterCheckBox");
    m_notInFavourites = AddFilterBox(flagRow, QT_TRANSLATE_NOOP("ChannelFindBar", "&Not in a favourite group"),
                                     "noFavouriteFilterCheckBox");
    flagRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addLayout(findRow);
    layout->addWidget(m_filterRow);

    connect(m_edit, &QLineEdit::textChanged, this, &CChannelFindBar::textChanged);
    connect(m_edit, &QLineEdit::returnPressed, this, &CChannelFindBar::nextWanted);
    connect(m_next, &QToolButton::clicked, this, &CChannelFindBar::nextWanted);
    connect(m_previous, &QToolButton::clicked, this, &CChannelFindBar::previousWanted);
    connect(close, &QToolButton::clicked, this, &CChannelFindBar::closeWanted);
    connect(m_satellite, &QComboBox::currentIndexChanged, this, &CChannelFindBar::filterChanged);
}

QCheckBox* CChannelFindBar::AddFilterBox(QBoxLayout* row, const char* text, const char* name) {
    auto* box = new QCheckBox(QCoreApplication::translate("ChannelFindBar", text), m_filterRow);
    box->setObjectName(QLatin1String(name));
    row->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &CChannelFindBar::filterChanged);
    return box;
}

void CChannelFindBar::Open() {
    show();
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

void CChannelFindBar::Reset() {
    {
        const QSignalBlocker quietEdit(m_edit);
        const QSignalBlocker quietCombo(m_satellite);
        m_edit->clear();
        for (QCheckBox* box : {m_onlyMatches, m_tv, m_radio, m_locked, m_hidden, m_scrambled, m_notInFavourites}) {
            const QSignalBlocker quietBox(box);
            box->setChecked(false);
        }
        m_satellite->setCurrentIndex(0);
    }
    m_count->clear();
    m_note->clear();
}

QString CChannelFindBar::Text() const {
    return m_edit->text();
}

ChannelFilterSettings CChannelFindBar::Settings() const {
    ChannelFilterSettings settings;
    settings.text = m_edit->text();
    settings.onlyMatches = m_onlyMatches->isChecked();
    settings.tv = m_tv->isChecked();
    settings.radio = m_radio->isChecked();
    settings.locked = m_locked->isChecked();
    settings.hidden = m_hidden->isChecked();
    settings.scrambled = m_scrambled->isChecked();
    settings.notInFavourites = m_notInFavourites->isChecked();
    settings.satId = m_satellite->currentData().toInt();
    return settings;
}

void CChannelFindBar::LoadSatellites(CChannelDB& db) {
    const int chosen = m_satellite->currentData().toInt();
    const QSignalBlocker quiet(m_satellite);
    m_satellite->clear();
    m_satellite->addItem(QCoreApplication::translate("ChannelFindBar", "Any satellite"), -1);
    RecordBlock<SatRecord> sats;
    if (g_db != nullptr) {
        sats.Read(db, &CChannelDB::GetSatList);
    }
    for (const SatRecord& sat : sats) {
        m_satellite->addItem(QString::fromUtf8(sat.name, static_cast<int>(qstrnlen(sat.name, sizeof sat.name))),
                             static_cast<int>(sat.sat_id));
    }
    m_satellite->setCurrentIndex(std::max(0, m_satellite->findData(chosen)));
}

void CChannelFindBar::ShowCount(int current, int matches) {
    m_count->setText(m_edit->text().isEmpty()
                         ? QString()
                         : QCoreApplication::translate("ChannelFindBar", "%1 of %2").arg(current).arg(matches));
}

void CChannelFindBar::ShowNote(const QString& note) {
    m_note->setText(note);
}

void CChannelFindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit closeWanted();
        return;
    }
    QWidget::keyPressEvent(event);
}
