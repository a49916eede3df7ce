// The duct sheet ("TForm15"): which language text goes into which of its controls.
#include "ductcalc/ui/duct_sheet_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm15
    {545, "TForm15", "", W},
    {546, "TForm15", "Label4", T},
    {547, "TForm15", "Label1", T},
    {548, "TForm15", "Label5", T},
    {549, "TForm15", "Label10", T},
    {550, "TForm15", "Label13", T},
    {551, "TForm15", "Label16", T},
    {551, "TForm15", "Label33", T},
    {552, "TForm15", "Label8", T},
    {553, "TForm15", "Label3", T},
    {554, "TForm15", "Label15", T},
    {555, "TForm15", "Label19", T},
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
    {578, "TForm15", "ListBox1", H},
    {579, "TForm15", "ListBox2", H},
    {580, "TForm15", "ListBox3", H},
    {581, "TForm15", "ListBox4", H},
    {582, "TForm15", "ListBox5", H},
    {583, "TForm15", "ListBox6", H},
    {584, "TForm15", "ListBox7", H},
    {585, "TForm15", "ListBox8", H},
    {586, "TForm15", "ListBox9", H},
    {587, "TForm15", "ListBox11", H},
    {588, "TForm15", "ListBox10", H},
    {589, "TForm15", "SpeedButton1", H},
    {590, "TForm15", "SpeedButton2", H},
    {593, "TForm15", "Danepodstawoweoblicze1", T},
    {594, "TForm15", "Label22", T},
    {594, "TForm15", "Label24", T},
    {594, "TForm15", "Label26", T},
    {594, "TForm15", "Label28", T},
    {595, "TForm15", "Label34", T},
    {1209, "TForm15", "SpeedButton2", T},
    {1210, "TForm15", "SpeedButton4", T},
    {1211, "TForm15", "SpeedButton3", T},
    {1212, "TForm15", "Label55", T},
    {1235, "TForm15", "SpeedButton5", T},
    {1240, "TForm15", "Label37", T},
};

}  // namespace

std::span<const CaptionRow> DuctSheetWindowCaptionRows() { return kRows; }

}  // namespace orvanta
