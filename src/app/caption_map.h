// Which language text goes into which property of which window component.
// Each window owns its rows (plain data beside the window) and registers
// them here when it is built; the language layer of the user interface
// walks what is registered.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace orvanta {

enum class CaptionKind {
  Text,    // caption or text of a label, button, group box, menu item …
  Hint,    // tool tip
  Window,  // the window's own title
  Item,    // one entry of a combo box, list box or memo, added in entry order
};

// Shorthands for the kinds in the windows' caption tables.
namespace caption_kinds {
inline constexpr CaptionKind T = CaptionKind::Text;
inline constexpr CaptionKind H = CaptionKind::Hint;
inline constexpr CaptionKind W = CaptionKind::Window;
inline constexpr CaptionKind I = CaptionKind::Item;
}  // namespace caption_kinds

struct CaptionRow {
  int entry;              // language text number
  const char* window;     // window objectName ("TForm26")
  const char* component;  // component objectName ("CheckBox1"); empty for Window
  CaptionKind kind;
};

// Adds a block of rows (each window's rows contiguous). Registering the same
// block again changes nothing, so a window may register in its constructor.
void RegisterCaptionRows(std::span<const CaptionRow> rows);
// Every registered row, blocks in registration order.
std::vector<CaptionRow> CaptionRows();
// The rows of one window, in table order (empty when none are registered).
std::span<const CaptionRow> CaptionRowsOf(std::string_view window);

}  // namespace orvanta
