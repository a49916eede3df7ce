// The points list ("TForm31"): which language text goes into which of its controls.
#include "project/ui/points_list_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm31
    {1020, "TForm31", "", W},
    {1021, "TForm31", "BitBtn1", T},
    {1022, "TForm31", "BitBtn2", T},
};

}  // namespace

std::span<const CaptionRow> PointsListWindowCaptionRows() { return kRows; }

}  // namespace orvanta
