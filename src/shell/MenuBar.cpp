#include "shell/MenuBar.h"

#include "db/ChannelDB.h"
#include "seams/AppMessages.h"
#include "seams/MessageBox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

// The bar was laid out in dialog units of the receiver editor's form font
// (one unit: 7/4 pixels across, 2 pixels down).
int DluX(int units) {
    return (units * 7 + 2) / 4;
}
int DluY(int units) {
    return units * 2;
}

constexpr int kButtonLeft = 9;
constexpr int kButtonWidth = 39;
constexpr int kButtonHeight = 28;
constexpr int kLabelLeft = 2;
constexpr int kLabelWidth = 49;
constexpr int kLabelHeight = 9;
// The caption sits this far below the top of its button.
constexpr int kLabelOffset = 31;
constexpr int kFormHeight = 206;

struct Entry {
    const char* name;    // object name stem
    const char* caption; // label below the button
    const char* picture; // resource path
    int top;             // button top, in dialog units
};

constexpr Entry kEntries[CMenuBar::kButtonCount] = {
    {"channelEdit", QT_TRANSLATE_NOOP("MenuBar", "Channel Edit"), ":/icons/nav_channel.svg", 7},
    {"nitEdit", QT_TRANSLATE_NOOP("MenuBar", "NIT Edit"), ":/icons/nav_nit.svg", 54},
    {"lnbEdit", QT_TRANSLATE_NOOP("MenuBar", "LNB Edit"), ":/icons/nav_lnb.svg", 101},
    {"setting", QT_TRANSLATE_NOOP("MenuBar", "Setting"), ":/icons/nav_setting.svg", 148},
};

QPushButton* AddButton(QWidget* bar, const Entry& entry) {
    auto* button = new QPushButton(bar);
    button->setObjectName(QString::fromLatin1(entry.name) + QStringLiteral("Button"));
    button->setGeometry(DluX(kButtonLeft), DluY(entry.top), DluX(kButtonWidth), DluY(kButtonHeight));
    button->setIconSize(button->size() - QSize(8, 8));
    button->setAccessibleName(QCoreApplication::translate("MenuBar", entry.caption));
    // A click leaves the keyboard focus in the editing view, so its keys keep working.
    button->setFocusPolicy(Qt::NoFocus);

    auto* label = new QLabel(QCoreApplication::translate("MenuBar", entry.caption), bar);
    label->setObjectName(QString::fromLatin1(entry.name) + QStringLiteral("Label"));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(DluX(kLabelLeft), DluY(entry.top + kLabelOffset), DluX(kLabelWidth), DluY(kLabelHeight));
    label->setAutoFillBackground(true);
    return button;
}

} // namespace

CMenuBar::CMenuBar(COrvaneDoc* doc, QWidget* parent) : QWidget(parent), CDocView(doc) {
    setObjectName(QStringLiteral("menuBarView"));
    setFixedWidth(kWidth);
    setMinimumHeight(DluY(kFormHeight));
    // One palette for the bar, its buttons and its labels: children inherit it.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) {
        colours.setColor(role, BackgroundColour());
    }
    setPalette(colours);
    setAutoFillBackground(true);

    for (int i = 0; i < kButtonCount; ++i) {
        m_buttons[i] = AddButton(this, kEntries[i]);
    }
    for (int i = 0; i < 3; ++i) {
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { RequestView(i); });
    }
    connect(m_buttons[3], &QPushButton::clicked, this, &CMenuBar::settingWanted);
}

void CMenuBar::OnInitialUpdate() {
    // Every new document runs the initial updates again; the pictures load once.
    if (!m_bLoadPictures) {
        return;
    }
    for (int i = 0; i < kButtonCount; ++i) {
        m_buttons[i]->setIcon(QIcon(QString::fromLatin1(kEntries[i].picture)));
    }
    m_bLoadPictures = false;
}

void CMenuBar::RequestView(int viewType) {
    // The LNB view edits its slots in memory and has nothing to show without a file.
    if (viewType == 2 && g_db == nullptr) {
        MessageBox::Tell(this, NoDbMessage());
        return;
    }
    emit switchViewWanted(viewType);
}
