// The chart settings window ("TForm26"): which language text goes into which of its controls.
#include "app/ui/chart_settings_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm26
    {906, "TForm26", "", W},
    {907, "TForm26", "GroupBox3", T},
    {908, "TForm26", "Label1", T},
    {909, "TForm26", "Label3", T},
    {910, "TForm26", "Label5", T},
    {911, "TForm26", "Label4", T},
    {912, "TForm26", "GroupBox1", T},
    {913, "TForm26", "CheckBox1", T},
    {914, "TForm26", "CheckBox2", T},
    {915, "TForm26", "CheckBox3", T},
    {916, "TForm26", "GroupBox2", T},
    {917, "TForm26", "CheckBox4", T},
    {918, "TForm26", "Button1", T},
    {919, "TForm26", "CheckBox5", T},
    {920, "TForm26", "CheckBox6", T},
    {921, "TForm26", "CheckBox7", T},
    {922, "TForm26", "CheckBox8", T},
    {923, "TForm26", "CheckBox14", T},
    {924, "TForm26", "CheckBox15", T},
    {925, "TForm26", "CheckBox18", T},
    {926, "TForm26", "CheckBox16", T},
    {927, "TForm26", "CheckBox17", T},
    {928, "TForm26", "CheckBox19", T},
    {929, "TForm26", "CheckBox19", H},
    {930, "TForm26", "GroupBox4", T},
    {931, "TForm26", "RadioButton3", T},
    {932, "TForm26", "RadioButton2", T},
    {933, "TForm26", "RadioButton1", T},
    {934, "TForm26", "RadioButton4", T},
    {935, "TForm26", "GroupBox5", T},
    {936, "TForm26", "GroupBox6", T},
    {937, "TForm26", "Label13", T},
    {938, "TForm26", "Label14", T},
    {939, "TForm26", "Label15", T},
    {940, "TForm26", "Label17", T},
    {941, "TForm26", "Label18", T},
    {942, "TForm26", "Label19", T},
    {943, "TForm26", "Label16", T},
    {944, "TForm26", "BitBtn2", T},
};

}  // namespace

std::span<const CaptionRow> ChartSettingsWindowCaptionRows() { return kRows; }

}  // namespace orvanta
