// Language texts of this window, in the order of the language file.
#include "calculators/ui/duct_heat_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    {869, "TForm24", "", W},
    {870, "TForm24", "GroupBox2", T},
    {871, "TForm24", "GroupBox1", T},
    {872, "TForm24", "RadioButton1", T},
    {873, "TForm24", "RadioButton2", T},
    {874, "TForm24", "GroupBox3", T},
    {875, "TForm24", "Button1", T},
    {876, "TForm24", "BitBtn1", T},
    {877, "TForm24", "Button2", T},
    {878, "TForm24", "Edit1", H},
    {879, "TForm24", "Edit11", H},
    {880, "TForm24", "Edit2", H},
    {881, "TForm24", "Edit12", H},
    {882, "TForm24", "Edit3", H},
    {883, "TForm24", "Edit4", H},
    {884, "TForm24", "Edit5", H},
    {885, "TForm24", "Edit6", H},
    {886, "TForm24", "Edit7", H},
    {887, "TForm24", "Edit13", H},
    {888, "TForm24", "Edit22", H},
    {889, "TForm24", "Edit8", H},
    {890, "TForm24", "Edit9", H},
    {891, "TForm24", "Edit10", H},
    {892, "TForm24", "Edit14", H},
    {893, "TForm24", "Edit15", H},
    {894, "TForm24", "Edit16", H},
    {895, "TForm24", "Edit17", H},
    {896, "TForm24", "Edit18", H},
    {897, "TForm24", "Edit19", H},
    {898, "TForm24", "Edit20", H},
    {899, "TForm24", "Edit21", H},
};

}  // namespace

std::span<const CaptionRow> DuctHeatWindowCaptionRows() { return kRows; }

}  // namespace orvanta
