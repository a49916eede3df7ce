// The process dialog ("TForm30"): which language text goes into which of its controls.
#include "project/ui/process_dialog.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kTForm30Rows[] = {
    // TForm30
    {1003, "TForm30", "", W},
    {1004, "TForm30", "Label1", T},
    {1005, "TForm30", "Button2", T},
    {1006, "TForm30", "Button3", T},
    {1007, "TForm30", "RadioButton1", T},
    {1008, "TForm30", "RadioButton2", T},
    {1009, "TForm30", "CheckBox2", T},
    {1010, "TForm30", "Label4", T},
    {1011, "TForm30", "Label6", T},
    {1012, "TForm30", "Label5", T},
    {1013, "TForm30", "CheckBox1", T},
    {1014, "TForm30", "BitBtn1", T},
    {1015, "TForm30", "CheckBox2", H},
};

}  // namespace

std::span<const CaptionRow> ProcessDialogCaptionRows() { return kTForm30Rows; }

}  // namespace orvanta
