// The report-data window ("TForm38"): which language text goes into which of its controls.
#include "app/ui/kit/report_data_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm38
    {1228, "TForm38", "Label1", T},
    {1229, "TForm38", "Label2", T},
    {1230, "TForm38", "Label3", T},
    {1241, "TForm38", "", W},
};

}  // namespace

std::span<const CaptionRow> ReportDataWindowCaptionRows() { return kRows; }

}  // namespace orvanta
