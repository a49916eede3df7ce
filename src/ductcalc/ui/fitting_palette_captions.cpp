// The fittings palette ("TForm16"): which language text goes into which of its controls.
#include "ductcalc/ui/fitting_palette.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm16
    {599, "TForm16", "", W},
    {600, "TForm16", "GroupBox1", T},
    {601, "TForm16", "SpeedButton1", H},
    {602, "TForm16", "SpeedButton3", H},
    {603, "TForm16", "SpeedButton4", H},
    {604, "TForm16", "SpeedButton5", H},
    {605, "TForm16", "SpeedButton6", H},
    {606, "TForm16", "SpeedButton7", H},
    {607, "TForm16", "SpeedButton8", H},
    {608, "TForm16", "SpeedButton2", H},
    {609, "TForm16", "SpeedButton17", H},
    {610, "TForm16", "SpeedButton9", H},
    {611, "TForm16", "SpeedButton10", H},
    {612, "TForm16", "SpeedButton11", H},
    {613, "TForm16", "SpeedButton12", H},
    {614, "TForm16", "SpeedButton13", H},
    {615, "TForm16", "SpeedButton14", H},
    {616, "TForm16", "SpeedButton15", H},
    {617, "TForm16", "SpeedButton16", H},
    {618, "TForm16", "SpeedButton18", H},
    {619, "TForm16", "BitBtn1", T},
    {620, "TForm16", "BitBtn2", T},
    {621, "TForm16", "SpeedButton20", H},
    {622, "TForm16", "SpeedButton19", H},
    {1236, "TForm16", "SpeedButton21", H},
    {1237, "TForm16", "SpeedButton22", H},
    {1238, "TForm16", "SpeedButton23", H},
    {1239, "TForm16", "SpeedButton24", H},
};

}  // namespace

std::span<const CaptionRow> FittingPaletteCaptionRows() { return kRows; }

}  // namespace orvanta
