#include "LockTab.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

CLockTab::CLockTab(QWidget* parent) : CSettingPage(parent) {
    setObjectName(QStringLiteral("lockTab"));
    auto* grid = new QGridLayout;
    // The items store the age itself; 0 switches the control off.
    AddRow(grid, 0, QCoreApplication::translate("LockTab", "Maturity Control "),
           NewList("maturityList",
                   {{QT_TRANSLATE_NOOP("SettingPage", "Off"), 0},
                    {QT_TRANSLATE_NOOP("SettingPage", "5 Years"), 5},
                    {QT_TRANSLATE_NOOP("SettingPage", "8 Years"), 8},
                    {QT_TRANSLATE_NOOP("SettingPage", "10 Years"), 10},
                    {QT_TRANSLATE_NOOP("SettingPage", "13 Years"), 13},
                    {QT_TRANSLATE_NOOP("SettingPage", "15 Years"), 15},
                    {QT_TRANSLATE_NOOP("SettingPage", "18 Years"), 18}},
                   &OptionRecord::maturity_age, this));
    grid->setColumnStretch(1, 1);

    auto* group = new QGroupBox(QCoreApplication::translate("LockTab", "Lock Items"), this);
    group->setObjectName(QStringLiteral("lockItemsGroupBox"));
    auto* items = new QVBoxLayout(group);
    items->addWidget(NewCheckBox(QCoreApplication::translate("LockTab", "System Lock"), "systemLockCheckBox",
                                 &OptionRecord::system_lock, group));
    items->addWidget(NewCheckBox(QCoreApplication::translate("LockTab", "Channel Lock"), "channelLockCheckBox",
                                 &OptionRecord::channel_lock, group));
    items->addWidget(NewCheckBox(QCoreApplication::translate("LockTab", "Hide Channel"), "hideChannelCheckBox",
                                 &OptionRecord::hide_channel, group));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(group);
    layout->addStretch();
}
