// Caption rows of the windows not built yet, grouped by window. A window
// that is built takes its group into its own <window>_captions.cpp and
// registers it in its constructor; the group is then deleted here.
#include "app/ui/captions_to_come.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm22
    {836, "TForm22", "", W},
    {837, "TForm22", "GroupBox2", T},
    {838, "TForm22", "Label35", T},
    {839, "TForm22", "Label36", T},
    {840, "TForm22", "Label37", T},
    {841, "TForm22", "Label41", T},
    {842, "TForm22", "Label38", T},
    {843, "TForm22", "Label39", T},
    {844, "TForm22", "GroupBox3", T},
    {845, "TForm22", "RadioButton1", T},
    {846, "TForm22", "RadioButton2", T},
    {847, "TForm22", "Label1", T},
    {847, "TForm22", "Label52", T},
    {848, "TForm22", "GroupBox4", T},
    {849, "TForm22", "Label11", T},
    {850, "TForm22", "Label21", T},
    {851, "TForm22", "Label22", T},
    {852, "TForm22", "Label23", T},
    {853, "TForm22", "GroupBox5", T},
    {854, "TForm22", "Label20", T},
    {855, "TForm22", "Button5", T},
    {856, "TForm22", "BitBtn1", T},
    {857, "TForm22", "Button1", T},
    {858, "TForm22", "Button2", T},
    {1235, "TForm22", "SpeedButton2", T},
    {1242, "TForm22", "GroupBox6", T},
    {1243, "TForm22", "Label62", T},
    {1244, "TForm22", "Label63", T},
    // TForm35
    {1069, "TForm35", "", W},
    {1069, "TForm35", "GroupBox1", T},
    {1069, "TForm35", "Label10", T},
    {1070, "TForm35", "Label12", T},
    {1070, "TForm35", "Label2", T},
    {1071, "TForm35", "Label5", T},
    {1072, "TForm35", "Label1", T},
    {1073, "TForm35", "Label7", T},
    {1074, "TForm35", "Button1", T},
    {1076, "TForm35", "Label11", T},
    // TForm34
    {1059, "TForm34", "", W},
    {1059, "TForm34", "GroupBox3", T},
    {1060, "TForm34", "Label1", T},
    {1061, "TForm34", "Label13", T},
    {1062, "TForm34", "Label10", T},
    {1063, "TForm34", "Button1", T},
    {1064, "TForm34", "BitBtn1", T},
};

}  // namespace

std::span<const CaptionRow> CaptionRowsStillToCome() { return kRows; }

}  // namespace orvanta
