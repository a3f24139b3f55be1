#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace vh {

// The outer rectangle of `size` centred on `screen`, the fraction discarded.
QRect CentredOuterRect(QSize size, const QRect& screen);

// Places a hidden top-level window so that its outer rectangle, the window
// manager's frame included, is `outer`, and fixes its size there.
void PlaceOuterRect(QWidget& window, const QRect& outer);

}  // namespace vh
