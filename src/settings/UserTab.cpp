#include "UserTab.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QVBoxLayout>

CUserTab::CUserTab(QWidget* parent) : CSettingPage(parent) {
    setObjectName(QStringLiteral("userTab"));
    auto* grid = new QGridLayout;
    AddRow(grid, 0, QCoreApplication::translate("UserTab", "Aspect Ratio "),
           NewList("aspectRatioList",
                   {{QT_TRANSLATE_NOOP("SettingPage", "4 : 3 PS"), 0},
                    {"16 : 9", 1},
                    {QT_TRANSLATE_NOOP("SettingPage", "4 : 3 LB"), 2}},
                   &OptionRecord::aspect_ratio, this));
    // The receiver counts the banner's time-out in seconds, from 2 to 10.
    std::vector<ListItem> seconds;
    static const char* const kSeconds[] = {
        QT_TRANSLATE_NOOP("SettingPage", "2 seconds"), QT_TRANSLATE_NOOP("SettingPage", "3 seconds"),
        QT_TRANSLATE_NOOP("SettingPage", "4 seconds"), QT_TRANSLATE_NOOP("SettingPage", "5 seconds"),
        QT_TRANSLATE_NOOP("SettingPage", "6 seconds"), QT_TRANSLATE_NOOP("SettingPage", "7 seconds"),
        QT_TRANSLATE_NOOP("SettingPage", "8 seconds"), QT_TRANSLATE_NOOP("SettingPage", "9 seconds"),
        QT_TRANSLATE_NOOP("SettingPage", "10 seconds")};
    for (uint16_t i = 0; i < std::size(kSeconds); ++i) {
        seconds.push_back({kSeconds[i], static_cast<uint16_t>(i + 2)});
    }
    AddRow(grid, 1, QCoreApplication::translate("UserTab", "Banner Time Out (Seconds)"),
           NewList("bannerTimeoutList", seconds, &OptionRecord::banner_timeout, this));
    AddRow(grid, 2, QCoreApplication::translate("UserTab", "Banner Type"),
           NewList("bannerTypeList",
                   {{QT_TRANSLATE_NOOP("SettingPage", "Normal"), 0}, {QT_TRANSLATE_NOOP("SettingPage", "Simple"), 1}},
                   &OptionRecord::banner_type, this));
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(NewCheckBox(QCoreApplication::translate("UserTab", "Subtitle "), "subtitleCheckBox",
                                  &OptionRecord::subtitle, this));
    layout->addWidget(NewCheckBox(QCoreApplication::translate("UserTab", "Timeshift"), "timeshiftCheckBox",
                                  &OptionRecord::timeshift, this));
    layout->addStretch();
}
