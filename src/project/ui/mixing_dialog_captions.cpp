// The mixing-point dialog ("TForm10"): which language text goes into which of its controls.
#include "project/ui/mixing_dialog.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm10
    {460, "TForm10", "", W},
    {461, "TForm10", "Label9", T},
    {462, "TForm10", "GroupBox2", T},
    {463, "TForm10", "Button2", T},
    {464, "TForm10", "Label5", T},
    {465, "TForm10", "GroupBox3", T},
    {466, "TForm10", "Button3", T},
    {467, "TForm10", "Label1", T},
    {468, "TForm10", "GroupBox4", T},
    {469, "TForm10", "BitBtn1", T},
};

}  // namespace

std::span<const CaptionRow> MixingDialogCaptionRows() { return kRows; }

}  // namespace orvanta
