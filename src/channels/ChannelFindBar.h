#pragma once
// CChannelFindBar: the bar below the channel list for finding and filtering. It holds
// the find text with its previous/next arrows, the "n of m" count and a note (wrap
// around, no match), the "Only matches" toggle and the quick filters. It only collects
// what the user wants and shows what COrvaneView tells it; the view does the finding.
#include "ChannelFilter.h"

#include <QCoreApplication>
#include <QWidget>

class CChannelDB;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

class CChannelFindBar : public QWidget {
    Q_OBJECT
public:
    explicit CChannelFindBar(QWidget* parent = nullptr);

    // Shows the bar with its text selected and the focus in it.
    void Open();
    // Empties the query, turns every filter off and clears the count and the note,
    // without signals: another file shows, and nothing of the last one's search counts.
    void Reset();
    QString Text() const;
    ChannelFilterSettings Settings() const;
    // Refills the satellite drop-down; a chosen satellite that is gone falls back to any.
    void LoadSatellites(CChannelDB& db);

    // "n of m" (nothing while the text is empty) and the note beside it.
    void ShowCount(int current, int matches);
    void ShowNote(const QString& note);

    static constexpr const char* kWrappedToTop =
        QT_TRANSLATE_NOOP("ChannelFindBar", "Reached the end, continued from the top");
    static constexpr const char* kWrappedToBottom =
        QT_TRANSLATE_NOOP("ChannelFindBar", "Reached the top, continued from the bottom");
    static constexpr const char* kNoMatch = QT_TRANSLATE_NOOP("ChannelFindBar", "No match");

signals:
    void textChanged(const QString& text);
    void nextWanted();
    void previousWanted();
    void filterChanged();
    void closeWanted();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QCheckBox* AddFilterBox(QBoxLayout* row, const char* text, const char* name);

    QLineEdit* m_edit;
    QToolButton* m_previous;
    QToolButton* m_next;
    QLabel* m_count;
    QLabel* m_note;
    QCheckBox* m_onlyMatches = nullptr;
    QCheckBox* m_tv = nullptr;
    QCheckBox* m_radio = nullptr;
    QCheckBox* m_locked = nullptr;
    QCheckBox* m_hidden = nullptr;
    QCheckBox* m_scrambled = nullptr;
    QCheckBox* m_notInFavourites = nullptr;
    QComboBox* m_satellite = nullptr;
    QWidget* m_filterRow = nullptr;
};
