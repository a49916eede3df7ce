// Windows on small screens. A window larger than its screen keeps its
// controls in a frameless scroll area and opens at its full size when the
// screen has room, at the screen's size with scroll bars when it has not.
#pragma once

#include <QSize>

class QDialog;
class QWidget;

namespace orvanta {

// The widget to build the window's layout on (`new QVBoxLayout(body)`),
// inside a scroll area that fills `window`. Call once, in the constructor.
QWidget* ScrollableBody(QDialog* window);

// Resizes `window` to `size`, or less where its screen's free area (less
// the frame the window manager adds) is smaller.
void ResizeWithinScreen(QWidget* window, QSize size);

}  // namespace orvanta
