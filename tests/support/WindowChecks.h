#pragma once
// Checks over a shown widget tree that hold in every language: no caption is cut, and
// the keyboard reaches every control. Each returns what fails, one line per widget
// ("ClassName objectName: 'text' needs 120 px, has 96"), empty when all is well, so a
// test can run them over any window, page or dialog and name what it found.
#include <QStringList>

class QWidget;

namespace windowchecks {

// The labels, check boxes, radio buttons, push and tool buttons, group box titles,
// tabs and list header captions under `root` (itself included) that their widget
// cannot show whole: the text's width by the widget's font against the room the
// widget gives it. Hidden widgets and word-wrapped or rich-text labels are left out.
QStringList CutTexts(const QWidget* root);

// The controls of `window` that take the focus by Tab (shown, enabled, with a Tab
// focus policy) but are not reached when Tab is pressed again and again from the
// first one; also a control that keeps Tab for itself. `window` must be shown and
// active.
QStringList UnreachableByTab(QWidget* window);

} // namespace windowchecks
