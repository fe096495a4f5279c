#include "SettingPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

OptionRecord g_option{};

CSettingPage::CSettingPage(QWidget* parent) : QWidget(parent) {}

void CSettingPage::showEvent(QShowEvent* event) {
    if (!m_bInitialized) {
        ShowValues();
        m_bInitialized = true;
    }
    QWidget::showEvent(event);
}

void CSettingPage::Refresh() {
    if (m_bInitialized) {
        ShowValues();
    }
}

// Showing a value is not a change: the signals that store changes stay quiet. A value
// no item stands for leaves its list without a selection, and stays stored as it was.
void CSettingPage::ShowValues() {
    for (const ListField& item : m_lists) {
        const QSignalBlocker quiet(item.list);
        item.list->setCurrentIndex(item.list->findData(int(g_option.*item.field)));
    }
    for (const CheckField& item : m_checks) {
        const QSignalBlocker quiet(item.box);
        item.box->setChecked(g_option.*item.field != 0);
    }
}

QComboBox* CSettingPage::NewList(const char* objectName, const std::vector<ListItem>& items, Field field,
                                 QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(objectName));
    for (const ListItem& item : items) {
        list->addItem(QCoreApplication::translate("SettingPage", item.text), int(item.value));
    }
    connect(list, &QComboBox::currentIndexChanged, this, [list, field](int index) {
        if (index >= 0) {
            g_option.*field = static_cast<uint16_t>(list->itemData(index).toInt());
        }
    });
    m_lists.push_back({list, field});
    return list;
}

QCheckBox* CSettingPage::NewCheckBox(const QString& caption, const char* objectName, Field field, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(objectName));
    connect(box, &QCheckBox::toggled, this, [field](bool checked) { g_option.*field = checked ? 1 : 0; });
    m_checks.push_back({box, field});
    return box;
}

void CSettingPage::AddRow(QGridLayout* grid, int row, const QString& caption, QComboBox* list) {
    auto* label = new QLabel(caption, list->parentWidget());
    label->setObjectName(list->objectName().replace(QLatin1String("List"), QLatin1String("Label")));
    label->setBuddy(list);
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1);
}
