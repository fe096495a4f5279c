#pragma once
// The pictures of the favourite group tree, drawn here on a transparent background:
// the root's round button with a downward double arrow while the root is closed,
// the same button with an upward double arrow while it is open, and overlapping
// squares for a group.
#include <QIcon>

#include <array>

namespace favimages {

// The numbers the tree's items keep, in the order of the receiver editor's strip.
enum Image : int {
    kRootClosed = 0,
    kRootOpen = 1,
    kGroup = 2,
};

inline constexpr int kImageSize = 18;

// The three pictures, drawn when the list is made; the tree's view owns it.
class CImageList {
public:
    CImageList();
    const QIcon& Icon(Image image) const { return m_icons.at(static_cast<size_t>(image)); }

private:
    std::array<QIcon, 3> m_icons;
};

} // namespace favimages
