// The point definition dialog ("TForm27"): which language text goes into which of its controls.
#include "project/ui/point_definition_dialog.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm27
    {951, "TForm27", "", W},
    {952, "TForm27", "GroupBox1", T},
    {953, "TForm27", "Label1", T},
    {954, "TForm27", "RadioButton1", T},
    {955, "TForm27", "RadioButton2", T},
    {956, "TForm27", "RadioButton3", T},
    {957, "TForm27", "GroupBox4", T},
    {958, "TForm27", "RadioButton6", T},
    {959, "TForm27", "RadioButton5", T},
    {960, "TForm27", "RadioButton4", T},
    {961, "TForm27", "RadioButton7", T},
    {962, "TForm27", "GroupBox2", T},
    {963, "TForm27", "Label2", T},
    {964, "TForm27", "Label3", T},
    {965, "TForm27", "RadioButton8", T},
    {966, "TForm27", "RadioButton9", T},
    {967, "TForm27", "BitBtn2", T},
};

}  // namespace

std::span<const CaptionRow> PointDefinitionDialogCaptionRows() { return kRows; }

}  // namespace orvanta
