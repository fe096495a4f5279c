#pragma once
// CMenuBar: the navigation bar on the left of the main window. Four picture buttons
// with captions below them choose what the editing area shows; the bar lives as long
// as the main window and is a view of the document.
#include "document/DocView.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;

class CMenuBar : public QWidget, public CDocView {
    Q_OBJECT
public:
    explicit CMenuBar(COrvaneDoc* doc, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // What a click on the button of that view does (0 channels, 1 NIT, 2 LNB); the
    // View menu's commands come here too.
    void RequestView(int viewType);

    static constexpr int kWidth = 98;
    static constexpr int kButtonCount = 4;
    static QColor BackgroundColour() { return QColor(222, 215, 206); }

signals:
    // 0 the channel container, 1 satellites and transponders, 2 LNB.
    void switchViewWanted(int viewType);
    void settingWanted();

private:
    QPushButton* m_buttons[kButtonCount] = {};
    bool m_bLoadPictures = true;
};
