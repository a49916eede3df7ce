// Which language text goes into which property of which window component.
// Plain data; the language layer of the user interface walks it.
#pragma once

#include <span>
#include <string_view>

namespace orvanta {

enum class CaptionKind {
  Text,    // caption or text of a label, button, group box, menu item …
  Hint,    // tool tip
  Window,  // the window's own title
  Item,    // one entry of a combo box, list box or memo, added in entry order
};

struct CaptionRow {
  int entry;              // language text number
  const char* window;     // window objectName ("TForm26")
  const char* component;  // component objectName ("CheckBox1"); empty for Window
  CaptionKind kind;
};

std::span<const CaptionRow> CaptionRows();
// The rows of one window, in table order.
std::span<const CaptionRow> CaptionRowsOf(std::string_view window);

}  // namespace orvanta
