#pragma once
// CSplitterView: the channel container shown in the editing area. It holds the
// channel list, the favourite list and the favourite group tree side by side in a
// splitter of its own, and owns the three panes.
#include "document/CloseCommand.h"
#include "document/DocView.h"

#include <QWidget>

class CFavGrpView;
class CFavListView;
class COrvaneView;
class QSplitter;

class CSplitterView : public QWidget, public CDocView, public CCloseCommand {
    Q_OBJECT
public:
    explicit CSplitterView(COrvaneDoc* doc, QWidget* parent = nullptr);

    // File > Close while the container is shown: the panes show nothing afterwards.
    void OnFileClose() override;

    COrvaneView* ChannelView() const { return m_channels; }
    CFavListView* FavListView() const { return m_favList; }
    CFavGrpView* FavGrpView() const { return m_favGroups; }
    QSplitter* Splitter() const { return m_splitter; }

    static constexpr int kChannelPaneWidth = 650;
    static constexpr int kFavListPaneWidth = 120;
    static constexpr int kFavPaneMinimumWidth = 100;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void InitialUpdatePanes();

    QSplitter* m_splitter;
    bool m_sized = false;
    COrvaneView* m_channels;
    CFavListView* m_favList;
    CFavGrpView* m_favGroups;
};
