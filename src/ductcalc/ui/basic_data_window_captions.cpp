// The basic-data window ("TForm12"): which language text goes into which of its controls.
#include "ductcalc/ui/basic_data_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    {509, "TForm12", "", W},
    {510, "TForm12", "GroupBox1", T},
    {511, "TForm12", "Label1", T},
    {512, "TForm12", "Label2", T},
    {513, "TForm12", "Label3", T},
    {514, "TForm12", "Label4", T},
    {515, "TForm12", "Label5", T},
};

}  // namespace

std::span<const CaptionRow> BasicDataWindowCaptionRows() { return kRows; }

}  // namespace orvanta
