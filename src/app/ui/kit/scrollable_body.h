// Windows larger than a small screen: their controls sit in a frameless
// scroll area, and the window opens at its full size when the screen has
// room, at the screen's size with scroll bars when it has not.
#pragma once

class QDialog;
class QWidget;

namespace orvanta {

// The widget to build the window's layout on (`new QVBoxLayout(body)`),
// inside a scroll area that fills `window`. Call once, in the constructor.
QWidget* ScrollableBody(QDialog* window);

}  // namespace orvanta
