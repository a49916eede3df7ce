// The fitting window ("TForm17"): which language text goes into which of its controls.
#include "ductcalc/ui/fitting_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm17
    {623, "TForm17", "GroupBox1", T},
    {624, "TForm17", "RadioButton3", T},
    {625, "TForm17", "RadioButton4", T},
    {626, "TForm17", "CheckBox1", T},
    {629, "TForm17", "Label6", T},
    {630, "TForm17", "Label7", T},
    {631, "TForm17", "Label1", T},
    {632, "TForm17", "Label22", T},
    {632, "TForm17", "Label24", T},
    {633, "TForm17", "Label2", T},
    {634, "TForm17", "Label3", T},
    {635, "TForm17", "Label33", T},
    {635, "TForm17", "Label34", T},
    {636, "TForm17", "Label32", T},
    {637, "TForm17", "Label11", T},
    {638, "TForm17", "Label12", T},
    {639, "TForm17", "Label13", T},
    {640, "TForm17", "Label20", T},
    {640, "TForm17", "Label21", T},
    {641, "TForm17", "Label10", T},
    {642, "TForm17", "Label4", T},
    {643, "TForm17", "Label35", T},
    {644, "TForm17", "Label5", T},
    {645, "TForm17", "Label18", T},
    {646, "TForm17", "RadioButton1", T},
    {647, "TForm17", "RadioButton2", T},
    {648, "TForm17", "Label8", T},
    {649, "TForm17", "BitBtn1", T},
    {650, "TForm17", "BitBtn2", T},
    {651, "TForm17", "ComboBox10", T},
    {651, "TForm17", "ComboBox10", I},
    {652, "TForm17", "ComboBox10", I},
    {653, "TForm17", "ComboBox10", I},
    {654, "TForm17", "ComboBox10", I},
    {656, "TForm17", "ComboBox11", T},
    {656, "TForm17", "ComboBox11", I},
    {657, "TForm17", "ComboBox11", I},
    {658, "TForm17", "ComboBox12", T},
    {658, "TForm17", "ComboBox12", I},
    {659, "TForm17", "ComboBox12", I},
    {660, "TForm17", "ComboBox13", T},
    {660, "TForm17", "ComboBox13", I},
    {661, "TForm17", "ComboBox13", I},
    {666, "TForm17", "Button1", T},
    {671, "TForm17", "Edit6", H},
    {723, "TForm17", "ComboBox3", I},
    {723, "TForm17", "ComboBox3", T},
    {724, "TForm17", "ComboBox3", I},
    {725, "TForm17", "ComboBox3", I},
    {1213, "TForm17", "Label68", T},
    {1215, "TForm17", "Label50", T},
    {1216, "TForm17", "Label49", T},
    {1217, "TForm17", "Label28", T},
    {1218, "TForm17", "ComboBox14", I},
    {1219, "TForm17", "ComboBox14", I},
    {1220, "TForm17", "ComboBox14", I},
    {1221, "TForm17", "Label38", T},
    {1222, "TForm17", "Label39", T},
    {1223, "TForm17", "Label40", T},
    {1224, "TForm17", "Label41", T},
    {1225, "TForm17", "Label17", T},
    {1226, "TForm17", "Label59", T},
};

}  // namespace

std::span<const CaptionRow> FittingWindowCaptionRows() { return kRows; }

}  // namespace orvanta
