#pragma once
// CCompareFileDlg: the Compare with File window. Against a chosen receiver file it
// lists the open file's channels that file lacks (added), the channels it holds and
// the open file does not (removed), and the matched ones the open file numbers or
// names otherwise (moved, renamed), each with the rule that matched it; the counts
// at the top, a filter by kind, sortable columns. Its two commands end the window
// with their result code; the caller runs them (CCrossFileTools).
#include "match/ChannelCompare.h"

#include <QDialog>

class CTextRowsModel;
class QComboBox;
class QLabel;
class QTableView;

class CCompareFileDlg : public QDialog {
    Q_OBJECT
public:
    // Results beyond Accepted and Rejected.
    enum Result { ApplyOrder = 2, AddNewToGroup = 3 };

    // `chosen` is the file chosen (the first of the comparison), `open` the open one.
    CCompareFileDlg(QWidget* parent, const QString& chosenPath, const match::ChannelSet& chosen,
                    const match::ChannelSet& open, const match::Comparison& comparison);

    // The counts line, as `orvane-cli diff` ends its report.
    QString CountsText() const;

private:
    void ShowKind(int comboIndex);

    QLabel* m_counts = nullptr;
    QComboBox* m_kind = nullptr;
    QTableView* m_view = nullptr;
    CTextRowsModel* m_model = nullptr;
};
