// Language texts of this window, in the order of the language file.
#include "calculators/ui/pool_hall_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    {674, "TForm18", "", W},
    {675, "TForm18", "GroupBox1", T},
    {676, "TForm18", "GroupBox2", T},
    {677, "TForm18", "Label1", T},
    {678, "TForm18", "ComboBox1", T},
    {678, "TForm18", "ComboBox1", I},
    {679, "TForm18", "ComboBox1", I},
    {680, "TForm18", "ComboBox1", I},
    {681, "TForm18", "ComboBox1", I},
    {682, "TForm18", "Label34", T},
    {683, "TForm18", "Label2", T},
    {684, "TForm18", "Label4", T},
    {685, "TForm18", "Label37", T},
    {686, "TForm18", "Label52", T},
    {687, "TForm18", "Label56", T},
    {688, "TForm18", "Label57", T},
    {689, "TForm18", "Label62", T},
    {690, "TForm18", "GroupBox3", T},
    {691, "TForm18", "CheckBox1", T},
    {692, "TForm18", "CheckBox2", T},
    {693, "TForm18", "CheckBox3", T},
    {694, "TForm18", "CheckBox4", T},
    {695, "TForm18", "CheckBox5", T},
    {696, "TForm18", "CheckBox6", T},
    {697, "TForm18", "CheckBox7", T},
    {698, "TForm18", "CheckBox8", T},
    {699, "TForm18", "CheckBox9", T},
    {700, "TForm18", "CheckBox10", T},
    {701, "TForm18", "GroupBox4", T},
    {702, "TForm18", "Label24", T},
    {703, "TForm18", "Label25", T},
    {704, "TForm18", "GroupBox6", T},
    {705, "TForm18", "Label31", T},
    {706, "TForm18", "Label32", T},
    {707, "TForm18", "GroupBox5", T},
    {708, "TForm18", "Label64", T},
    {709, "TForm18", "Label66", T},
    {710, "TForm18", "Label11", T},
    {711, "TForm18", "Label13", T},
    {712, "TForm18", "Label33", T},
    {713, "TForm18", "Label38", T},
    {714, "TForm18", "Label39", T},
    {715, "TForm18", "Label40", T},
    {716, "TForm18", "Label41", T},
    {717, "TForm18", "Label42", T},
    {718, "TForm18", "Label68", T},
    {719, "TForm18", "Label60", T},
    {719, "TForm18", "Label61", T},
    {720, "TForm18", "Button1", T},
    {721, "TForm18", "Button2", T},
    {722, "TForm18", "BitBtn1", T},
};

}  // namespace

std::span<const CaptionRow> PoolHallWindowCaptionRows() { return kRows; }

}  // namespace orvanta
