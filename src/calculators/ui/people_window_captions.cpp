// Language texts of this window, in the order of the language file.
#include "calculators/ui/people_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    {519, "TForm13", "", W},
    {520, "TForm13", "GroupBox1", T},
    {521, "TForm13", "Label1", T},
    {522, "TForm13", "Label2", T},
    {523, "TForm13", "Label3", T},
    {524, "TForm13", "Label4", T},
    {525, "TForm13", "GroupBox2", T},
    {526, "TForm13", "Label5", T},
    {527, "TForm13", "Label6", T},
    {528, "TForm13", "Label22", T},
    {529, "TForm13", "Label7", T},
    {530, "TForm13", "Button1", T},
    {531, "TForm13", "BitBtn1", T},
    {532, "TForm13", "ComboBox1", I},
    {533, "TForm13", "ComboBox1", I},
    {534, "TForm13", "ComboBox1", I},
    {535, "TForm13", "ComboBox1", I},
    {536, "TForm13", "ComboBox1", I},
    {537, "TForm13", "ComboBox1", I},
    {538, "TForm13", "ComboBox1", I},
    {539, "TForm13", "ComboBox1", I},
    {540, "TForm13", "ComboBox1", I},
};

}  // namespace

std::span<const CaptionRow> PeopleWindowCaptionRows() { return kRows; }

}  // namespace orvanta
