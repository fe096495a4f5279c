#pragma once
// CAddChannelsDlg: the Add Channels from Another File window. It lists the channels of
// another receiver file that the open file does not hold, with their satellite,
// transponder and provider; the user narrows the list with the filter, selects
// channels (Select All takes every one shown) and may give the number the first of
// them takes (blank: after the last channel). OK with nothing selected tells the user
// and stays open.
#include "match/ChannelMerge.h"

#include <QDialog>

#include <vector>

class CTextRowsModel;
class QLineEdit;
class QTableView;

class CAddChannelsDlg : public QDialog {
    Q_OBJECT
public:
    // `fresh`: indices into other's channels, the ones to offer.
    CAddChannelsDlg(QWidget* parent, const QString& otherPath, const match::MergeFile& other,
                    const std::vector<size_t>& fresh);

    // The selected channels (indices into the other file's channels) in the shown order.
    std::vector<size_t> Picks() const;
    // The number given, 0 for after the last channel.
    int FirstNumber() const;

    void accept() override;

private:
    void Filter(const QString& text);

    QLineEdit* m_filter = nullptr;
    QLineEdit* m_number = nullptr;
    QTableView* m_view = nullptr;
    CTextRowsModel* m_model = nullptr;
};
