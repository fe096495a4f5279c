#pragma once
// A Yes/No question whose safe answer is No: No is the default button, so Enter or a
// hasty click on the default does not say Yes. Scripted like every other box; the
// record shows Buttons::YesNo.
#include "seams/MessageBox.h"

namespace MessageBox {

bool AskDefaultNo(QWidget* parent, const QString& text);

} // namespace MessageBox
