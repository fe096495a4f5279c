#pragma once
// The dialogs of printing: what to print (the list as shown or one favourite group),
// in which layout and orientation; and the preview, which paints only the page it
// shows, so that its first page of a long list is there at once.
#include "ListPrintSheet.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace print {

struct PrintChoice {
    int groupId = -1; // -1: the channel list as shown
    QString groupName;
    Layout layout = Layout::Table;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// A4 with the margins every printed list gets.
QPageLayout PageLayoutFor(QPageLayout::Orientation orientation);

class CPrintOptionsDlg : public QDialog {
    Q_OBJECT
public:
    CPrintOptionsDlg(const std::vector<GroupChoice>& groups, const PrintChoice& initial, QWidget* parent = nullptr);
    PrintChoice Choice() const;

private:
    std::vector<GroupChoice> m_groups;
    QComboBox* m_what;
    QComboBox* m_layout;
    QComboBox* m_orientation;
};

class CPageView;

class CPrintPreviewDlg : public QDialog {
    Q_OBJECT
public:
    CPrintPreviewDlg(PrintSheet sheet, const PrintChoice& choice, QWidget* parent = nullptr);
    ~CPrintPreviewDlg() override;

    int PageCount() const;
    int CurrentPage() const { return m_page; }
    void ShowPage(int index);

signals:
    // The user asked to print what the preview shows.
    void printWanted();

private:
    PrintSheet m_sheet;
    std::unique_ptr<CPageLayout> m_layout;
    CPageView* m_view;
    QLabel* m_pageLabel;
    QPushButton* m_previous;
    QPushButton* m_next;
    int m_page = 0;
};

} // namespace print
