// Language texts of this window, in the order of the language file.
#include "calculators/ui/regulating_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    {425, "TForm8", "", W},
    {426, "TForm8", "Label1", T},
    {427, "TForm8", "Label3", T},
    {428, "TForm8", "Label19", T},
    {429, "TForm8", "GroupBox1", T},
    {430, "TForm8", "RadioButton4", T},
    {431, "TForm8", "RadioButton5", T},
    {432, "TForm8", "Label5", T},
    {433, "TForm8", "Label15", T},
    {434, "TForm8", "Label7", T},
    {435, "TForm8", "GroupBox2", T},
    {436, "TForm8", "RadioButton1", T},
    {437, "TForm8", "RadioButton2", T},
    {438, "TForm8", "Button1", T},
    {440, "TForm8", "BitBtn2", T},
    {441, "TForm8", "Label9", T},
    {442, "TForm8", "Label16", T},
    {443, "TForm8", "Label10", T},
    {444, "TForm8", "Label17", T},
};

}  // namespace

std::span<const CaptionRow> RegulatingWindowCaptionRows() { return kRows; }

}  // namespace orvanta
