#include "LangTab.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

// The receiver's languages; a language field holds the index into this list.
std::vector<CSettingPage::ListItem> Languages() {
    static const char* const kLanguages[] = {
        QT_TRANSLATE_NOOP("SettingPage", "English"),  QT_TRANSLATE_NOOP("SettingPage", "Russian"),
        QT_TRANSLATE_NOOP("SettingPage", "French"),   QT_TRANSLATE_NOOP("SettingPage", "Italian"),
        QT_TRANSLATE_NOOP("SettingPage", "Dutch"),    QT_TRANSLATE_NOOP("SettingPage", "German"),
        QT_TRANSLATE_NOOP("SettingPage", "Danish"),   QT_TRANSLATE_NOOP("SettingPage", "Arabic"),
        QT_TRANSLATE_NOOP("SettingPage", "Greek"),    QT_TRANSLATE_NOOP("SettingPage", "Turkish"),
        QT_TRANSLATE_NOOP("SettingPage", "Spanish"),  QT_TRANSLATE_NOOP("SettingPage", "Swedish"),
        QT_TRANSLATE_NOOP("SettingPage", "Norwegian")};
    std::vector<CSettingPage::ListItem> items;
    for (uint16_t i = 0; i < std::size(kLanguages); ++i) {
        items.push_back({kLanguages[i], i});
    }
    return items;
}

} // namespace

CLangTab::CLangTab(QWidget* parent) : CSettingPage(parent) {
    setObjectName(QStringLiteral("langTab"));
    auto* group = new QGroupBox(QCoreApplication::translate("LangTab", "Select Languge"), this);
    group->setObjectName(QStringLiteral("selectLanguageGroupBox"));
    auto* grid = new QGridLayout(group);
    const std::vector<ListItem> languages = Languages();
    AddRow(grid, 0, QCoreApplication::translate("LangTab", "Menu Language "),
           NewList("menuLanguageList", languages, &OptionRecord::menu_language, group));
    AddRow(grid, 1, QCoreApplication::translate("LangTab", "Audio Language "),
           NewList("audioLanguageList", languages, &OptionRecord::audio_language, group));
    AddRow(grid, 2, QCoreApplication::translate("LangTab", "Subtitle Language :"),
           NewList("subtitleLanguageList", languages, &OptionRecord::subtitle_language, group));
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}
