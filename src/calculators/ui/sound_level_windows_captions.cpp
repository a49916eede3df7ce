// Language texts of these two windows, in the order of the language file.
#include "calculators/ui/sound_level_windows.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kSumRows[] = {
    {1059, "TForm34", "", W},
    {1059, "TForm34", "GroupBox3", T},
    {1060, "TForm34", "Label1", T},
    {1061, "TForm34", "Label13", T},
    {1062, "TForm34", "Label10", T},
    {1063, "TForm34", "Button1", T},
    {1064, "TForm34", "BitBtn1", T},
};

constexpr CaptionRow kDistanceRows[] = {
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
};

}  // namespace

std::span<const CaptionRow> SoundSumWindowCaptionRows() { return kSumRows; }
std::span<const CaptionRow> LevelAtDistanceWindowCaptionRows() { return kDistanceRows; }

}  // namespace orvanta
