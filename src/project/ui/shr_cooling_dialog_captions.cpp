// The SHR cooling dialog ("TForm39"): which language text goes into which of its controls.
#include "project/ui/shr_cooling_dialog.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm39
    {1247, "TForm39", "GroupBox1", T},
    {1248, "TForm39", "Label10", T},
    {1248, "TForm39", "Label7", T},
    {1249, "TForm39", "GroupBox2", T},
    {1250, "TForm39", "GroupBox3", T},
    {1251, "TForm39", "BitBtn3", T},
    {1252, "TForm39", "BitBtn1", T},
    {1259, "TForm39", "RadioButton1", T},
    {1260, "TForm39", "RadioButton2", T},
};

}  // namespace

std::span<const CaptionRow> ShrCoolingDialogCaptionRows() { return kRows; }

}  // namespace orvanta
