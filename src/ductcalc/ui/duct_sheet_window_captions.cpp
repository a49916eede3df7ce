// The duct sheet ("TForm15"): which language text goes into which of its controls.
#include "ductcalc/ui/duct_sheet_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm15
    {545, "TForm15", "", W},
    {556, "TForm15", "GroupBox1", T},
    {557, "TForm15", "SpeedButton1", T},
    {558, "TForm15", "SpeedButton2", T},
    {559, "TForm15", "BitBtn1", T},
    {560, "TForm15", "BitBtn2", T},
    {563, "TForm15", "Plik1", T},
    {564, "TForm15", "Noweobliczenia1", T},
    {565, "TForm15", "Otwrzobliczenia1", T},
    {566, "TForm15", "Zapiszobliczenia1", T},
    {567, "TForm15", "Zamknij1", T},
    {568, "TForm15", "Opcje1", T},
    {569, "TForm15", "Edytujksztatk1", T},
    {570, "TForm15", "Usuksztatk2", T},
    {571, "TForm15", "Dodajksztatk2", T},
    {572, "TForm15", "EkspodtdanychdoExcela1", T},
    {573, "TForm15", "Pomoc1", T},
    {574, "TForm15", "Pomocprogramu1", T},
    {575, "TForm15", "Waciwociksztatki1", T},
    {576, "TForm15", "Usuksztatk1", T},
    {577, "TForm15", "Dodajksztatk1", T},
    {589, "TForm15", "SpeedButton1", H},
    {590, "TForm15", "SpeedButton2", H},
    {593, "TForm15", "Danepodstawoweoblicze1", T},
    {1209, "TForm15", "SpeedButton2", T},
    {1210, "TForm15", "SpeedButton4", T},
    {1211, "TForm15", "SpeedButton3", T},
    {1235, "TForm15", "SpeedButton5", T},
};

}  // namespace

std::span<const CaptionRow> DuctSheetWindowCaptionRows() { return kRows; }

}  // namespace orvanta
