#pragma once
// CListSorter: sorts the rows of a CRecordListCtrl by the texts of one column.
// Created on the caller's stack: construct (reads every row's key), Sort once, let
// it go. Numeric keys are the value of the text's leading decimal digits (0 without
// any), text keys compare case-insensitively with only A to Z folded. Rows with
// equal keys keep their previous order, in both directions. Every row keeps its own
// row id throughout: the keys live in the sorter, not in the rows.
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

class CRecordListCtrl;

// Leading decimal digits as a number; 0 when the text starts with no digit. A digit
// run too long for 64 bits stays at the largest value.
int64_t NumericSortKey(QStringView text);
// The text with A to Z folded to lower case; other characters keep their value.
QString TextSortKey(QStringView text);

class CListSorter {
public:
    CListSorter(CRecordListCtrl& list, int column, bool numeric);
    CListSorter(const CListSorter&) = delete;
    CListSorter& operator=(const CListSorter&) = delete;

    void Sort(bool ascending);

private:
    bool Less(int a, int b) const;

    CRecordListCtrl& m_list;
    bool m_numeric;
    std::vector<int64_t> m_numbers;
    std::vector<QString> m_texts;
};
