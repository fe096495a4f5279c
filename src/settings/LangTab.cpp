#include "LangTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

// The receiver's languages; a language field holds the index into this list.
std::vector<CSettingPage::ListItem> Languages() {
    static const char* const kLanguages[] = {"English", "Russian", "French",   "Italian", "Dutch",
                                             "German",  "Danish",  "Arabic",   "Greek",   "Turkish",
                                             "Spanish", "Swedish", "Norwegian"};
    std::vector<CSettingPage::ListItem> items;
    for (uint16_t i = 0; i < std::size(kLanguages); ++i) {
        items.push_back({kLanguages[i], i});
    }
    return items;
}

} // namespace

CLangTab::CLangTab(QWidget* parent) : CSettingPage(parent) {
    setObjectName(QStringLiteral("langTab"));
    auto* group = new QGroupBox(QStringLiteral("Select Languge"), this);
    group->setObjectName(QStringLiteral("selectLanguageGroupBox"));
    auto* grid = new QGridLayout(group);
    const std::vector<ListItem> languages = Languages();
    AddRow(grid, 0, QStringLiteral("Menu Language "),
           NewList("menuLanguageList", languages, &OptionRecord::menu_language, group));
    AddRow(grid, 1, QStringLiteral("Audio Language "),
           NewList("audioLanguageList", languages, &OptionRecord::audio_language, group));
    AddRow(grid, 2, QStringLiteral("Subtitle Language :"),
           NewList("subtitleLanguageList", languages, &OptionRecord::subtitle_language, group));
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}
