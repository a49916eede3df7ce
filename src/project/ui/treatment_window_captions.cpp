// The process-point dialog ("TForm40"): which language text goes into which of its controls.
#include "project/ui/treatment_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm40
    {1306, "TForm40", "GroupBox2", T},
    {1307, "TForm40", "Label1", T},
    {1307, "TForm40", "Label16", T},
    {1308, "TForm40", "Button2", T},
    {1309, "TForm40", "Button1", T},
    {1310, "TForm40", "GroupBox4", T},
    {1311, "TForm40", "Label21", T},
    {1312, "TForm40", "GroupBox3", T},
    {1313, "TForm40", "Button3", T},
    {1314, "TForm40", "Button4", T},
    {1315, "TForm40", "Label24", T},
    {1316, "TForm40", "BitBtn1", T},
};

}  // namespace

std::span<const CaptionRow> TreatmentWindowCaptionRows() { return kRows; }

}  // namespace orvanta
