#pragma once
// CSettingPage: the common part of the settings dialog's pages. Each list and check
// box of a page edits one 16-bit field of g_option: the page shows the fields the
// first time it is shown (and again on Refresh), and every change the user makes is
// stored into g_option at once. The dialog owns the pages; g_option lives for the run.
#include "db/DbRecords.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;

// The option record the settings dialog edits; loaded from the working row each time
// the dialog opens.
extern OptionRecord g_option;

class CSettingPage : public QWidget {
    Q_OBJECT
public:
    // A list item and the value it stores into its field.
    struct ListItem {
        const char* text;
        uint16_t value;
    };
    using Field = uint16_t OptionRecord::*;

    // Shows g_option again on a page already set up; a page not yet shown sets itself
    // up from g_option when it is.
    void Refresh();
    bool IsInitialized() const { return m_bInitialized; }

protected:
    explicit CSettingPage(QWidget* parent);
    void showEvent(QShowEvent* event) override;

    // A drop-down list whose items (unsorted, in the order given) store their values.
    QComboBox* NewList(const char* objectName, const std::vector<ListItem>& items, Field field, QWidget* parent);
    QCheckBox* NewCheckBox(const QString& caption, const char* objectName, Field field, QWidget* parent);
    // Puts `caption` and `list` into row `row` of `grid`.
    static void AddRow(QGridLayout* grid, int row, const QString& caption, QComboBox* list);

private:
    void ShowValues();

    struct ListField {
        QComboBox* list;
        Field field;
    };
    struct CheckField {
        QCheckBox* box;
        Field field;
    };
    std::vector<ListField> m_lists;
    std::vector<CheckField> m_checks;
    bool m_bInitialized = false;
};
