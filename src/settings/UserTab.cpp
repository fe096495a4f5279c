#include "UserTab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

CUserTab::CUserTab(QWidget* parent) : CSettingPage(parent) {
    setObjectName(QStringLiteral("userTab"));
    auto* grid = new QGridLayout;
    AddRow(grid, 0, QStringLiteral("Aspect Ratio "),
           NewList("aspectRatioList", {{"4 : 3 PS", 0}, {"16 : 9", 1}, {"4 : 3 LB", 2}}, &OptionRecord::aspect_ratio,
                   this));
    // The receiver counts the banner's time-out in seconds, from 2 to 10.
    std::vector<ListItem> seconds;
    static const char* const kSeconds[] = {"2 seconds", "3 seconds", "4 seconds", "5 seconds", "6 seconds",
                                           "7 seconds", "8 seconds", "9 seconds", "10 seconds"};
    for (uint16_t i = 0; i < std::size(kSeconds); ++i) {
        seconds.push_back({kSeconds[i], static_cast<uint16_t>(i + 2)});
    }
    AddRow(grid, 1, QStringLiteral("Banner Time Out (Seconds)"),
           NewList("bannerTimeoutList", seconds, &OptionRecord::banner_timeout, this));
    AddRow(grid, 2, QStringLiteral("Banner Type"),
           NewList("bannerTypeList", {{"Normal", 0}, {"Simple", 1}}, &OptionRecord::banner_type, this));
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(NewCheckBox(QStringLiteral("Subtitle "), "subtitleCheckBox", &OptionRecord::subtitle, this));
    layout->addWidget(NewCheckBox(QStringLiteral("Timeshift"), "timeshiftCheckBox", &OptionRecord::timeshift, this));
    layout->addStretch();
}
