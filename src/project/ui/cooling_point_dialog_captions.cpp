// The cooling-point dialog ("TForm9"): which language text goes into which of its controls.
#include "project/ui/cooling_point_dialog.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm9
    {450, "TForm9", "", W},
    {451, "TForm9", "Label9", T},
    {452, "TForm9", "Button2", T},
    {453, "TForm9", "Button3", T},
    {454, "TForm9", "Label5", T},
    {455, "TForm9", "GroupBox2", T},
    {456, "TForm9", "BitBtn1", T},
};

}  // namespace

std::span<const CaptionRow> CoolingPointDialogCaptionRows() { return kRows; }

}  // namespace orvanta
