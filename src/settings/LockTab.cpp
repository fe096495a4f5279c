#include "LockTab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

CLockTab::CLockTab(QWidget* parent) : CSettingPage(parent) {
    setObjectName(QStringLiteral("lockTab"));
    auto* grid = new QGridLayout;
    // The items store the age itself; 0 switches the control off.
    AddRow(grid, 0, QStringLiteral("Maturity Control "),
           NewList("maturityList",
                   {{"Off", 0},
                    {"5 Years", 5},
                    {"8 Years", 8},
                    {"10 Years", 10},
                    {"13 Years", 13},
                    {"15 Years", 15},
                    {"18 Years", 18}},
                   &OptionRecord::maturity_age, this));
    grid->setColumnStretch(1, 1);

    auto* group = new QGroupBox(QStringLiteral("Lock Items"), this);
    group->setObjectName(QStringLiteral("lockItemsGroupBox"));
    auto* items = new QVBoxLayout(group);
    items->addWidget(
        NewCheckBox(QStringLiteral("System Lock"), "systemLockCheckBox", &OptionRecord::system_lock, group));
    items->addWidget(
        NewCheckBox(QStringLiteral("Channel Lock"), "channelLockCheckBox", &OptionRecord::channel_lock, group));
    items->addWidget(
        NewCheckBox(QStringLiteral("Hide Channel"), "hideChannelCheckBox", &OptionRecord::hide_channel, group));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(group);
    layout->addStretch();
}
