// The coefficient dialog ("TForm3") and list ("TForm2"): which language text goes into which of its controls.
#include "project/ui/coefficient_windows.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kTForm3Rows[] = {
    // TForm3
    {261, "TForm3", "", W},
    {262, "TForm3", "Label1", T},
    {263, "TForm3", "Label8", T},
    {264, "TForm3", "Label9", T},
    {265, "TForm3", "Label2", T},
    {266, "TForm3", "CheckBox1", T},
    {267, "TForm3", "Button2", T},
    {268, "TForm3", "BitBtn1", T},
    {269, "TForm3", "Label3", T},
};

constexpr CaptionRow kTForm2Rows[] = {
    // TForm2
    {246, "TForm2", "", W},
    {247, "TForm2", "GroupBox1", T},
    {248, "TForm2", "Label2", T},
    {249, "TForm2", "Label3", T},
    {250, "TForm2", "Label4", T},
    {251, "TForm2", "Label6", T},
    {252, "TForm2", "Button1", T},
    {253, "TForm2", "Button2", T},
    {254, "TForm2", "Button3", T},
    {255, "TForm2", "BitBtn1", T},
};

}  // namespace

std::span<const CaptionRow> CoefficientDialogCaptionRows() { return kTForm3Rows; }
std::span<const CaptionRow> CoefficientListWindowCaptionRows() { return kTForm2Rows; }

}  // namespace orvanta
