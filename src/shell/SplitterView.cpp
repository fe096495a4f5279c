#include "shell/SplitterView.h"

#include "channels/OrvaneView.h"
#include "favourites/FavGrpView.h"
#include "favourites/FavListView.h"

#include <QSplitter>

namespace {
// Width of the splitter's frame, kept outside the container's visible area.
constexpr int kHiddenBorder = 2;
} // namespace

CSplitterView::CSplitterView(COrvaneDoc* doc, QWidget* parent)
    : QWidget(parent), CDocView(doc), m_splitter(new QSplitter(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("splitterView"));
    m_splitter->setObjectName(QStringLiteral("channelSplitter"));
    m_splitter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_splitter->setLineWidth(kHiddenBorder);
    m_splitter->setChildrenCollapsible(false);

    // The panes join the document in this order, so updates reach them left to right.
    m_channels = new COrvaneView(doc, m_splitter);
    m_favList = new CFavListView(doc, m_splitter);
    m_favGroups = new CFavGrpView(doc, m_splitter);
    // Room beyond the first sizes goes to the channel list; the favourite panes keep a
    // width that shows their names and can never be dragged away.
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setStretchFactor(2, 0);
    m_favList->setMinimumWidth(kFavPaneMinimumWidth);
    m_favGroups->setMinimumWidth(kFavPaneMinimumWidth);
    m_splitter->setSizes({kChannelPaneWidth, kFavListPaneWidth, QWIDGETSIZE_MAX});

    InitialUpdatePanes();
}

void CSplitterView::InitialUpdatePanes() {
    // The favourite list must be ready before the group tree makes its first
    // selection and tells it which group to show.
    m_channels->OnInitialUpdate();
    m_favList->OnInitialUpdate();
    m_favGroups->OnInitialUpdate();
}

void CSplitterView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_splitter->setGeometry(-kHiddenBorder, -kHiddenBorder, width() + 2 * kHiddenBorder, height() + 2 * kHiddenBorder);
    // The first sizes, once the container has its width, unless the user's are back.
    if (!m_sized && width() > kChannelPaneWidth + kFavListPaneWidth &&
        !m_splitter->property("layoutRestored").toBool()) {
        const int rest =
            m_splitter->contentsRect().width() - kChannelPaneWidth - kFavListPaneWidth - 2 * m_splitter->handleWidth();
        m_splitter->setSizes({kChannelPaneWidth, kFavListPaneWidth, rest});
        m_sized = true;
    }
}

void CSplitterView::OnFileClose() {
    CloseDatabaseInViews(*GetDocument(), [this] { InitialUpdatePanes(); });
}
