// The point data dialog ("TForm29"): which language text goes into which of its controls.
#include "project/ui/point_data_dialog.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm29
    {973, "TForm29", "", W},
    {974, "TForm29", "GroupBox1", T},
    {975, "TForm29", "Label1", T},
    {976, "TForm29", "Label2", T},
    {977, "TForm29", "GroupBox4", T},
    {978, "TForm29", "RadioButton5", T},
    {979, "TForm29", "RadioButton2", T},
    {980, "TForm29", "RadioButton1", T},
    {981, "TForm29", "RadioButton6", T},
    {982, "TForm29", "CheckBox1", T},
    {983, "TForm29", "CheckBox2", T},
    {984, "TForm29", "BitBtn2", T},
    {985, "TForm29", "Edit1", H},
    {986, "TForm29", "Edit11", H},
    {987, "TForm29", "Edit3", H},
    {988, "TForm29", "Edit2", H},
    {989, "TForm29", "Edit6", H},
    {990, "TForm29", "Edit4", H},
    {991, "TForm29", "Edit5", H},
    {992, "TForm29", "Edit7", H},
    {993, "TForm29", "Edit8", H},
    {994, "TForm29", "Edit9", H},
    {995, "TForm29", "Edit10", H},
    {996, "TForm29", "CheckBox1", H},
    {997, "TForm29", "CheckBox2", H},
    {1302, "TForm29", "CheckBox3", T},
    {1302, "TForm29", "GroupBox3", T},
    {1303, "TForm29", "Button2", T},
    {1304, "TForm29", "Label4", T},
    {1305, "TForm29", "RadioButton8", T},
    {1305, "TForm29", "RadioButton9", T},
};

}  // namespace

std::span<const CaptionRow> PointDataDialogCaptionRows() { return kRows; }

}  // namespace orvanta
