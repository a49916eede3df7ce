// Language texts of this window, in the order of the language file.
#include "calculators/ui/water_surface_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    {475, "TForm11", "", W},
    {476, "TForm11", "GroupBox1", T},
    {477, "TForm11", "GroupBox2", T},
    {478, "TForm11", "Button1", T},
    {479, "TForm11", "BitBtn1", T},
    {480, "TForm11", "Edit1", H},
    {481, "TForm11", "Edit2", H},
    {482, "TForm11", "Edit3", H},
    {483, "TForm11", "Edit4", H},
    {484, "TForm11", "Edit5", H},
    {485, "TForm11", "Edit6", H},
    {486, "TForm11", "Edit7", H},
    {487, "TForm11", "Edit8", H},
    {488, "TForm11", "Edit9", H},
    {489, "TForm11", "Edit10", H},
    {490, "TForm11", "Edit11", H},
    {491, "TForm11", "Edit12", H},
    {492, "TForm11", "Edit13", H},
    {493, "TForm11", "Edit14", H},
    {494, "TForm11", "Edit15", H},
    {495, "TForm11", "Edit16", H},
    {496, "TForm11", "Edit17", H},
    {497, "TForm11", "Edit18", H},
    {498, "TForm11", "Edit19", H},
    {499, "TForm11", "Edit20", H},
    {500, "TForm11", "Edit21", H},
    {501, "TForm11", "Edit22", H},
};

}  // namespace

std::span<const CaptionRow> WaterSurfaceWindowCaptionRows() { return kRows; }

}  // namespace orvanta
