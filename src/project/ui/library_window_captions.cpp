// The points library window ("TForm5"): which language text goes into which of its controls.
#include "project/ui/library_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kRows[] = {
    // TForm5
    {303, "TForm5", "", W},
    {304, "TForm5", "Plik1", T},
    {305, "TForm5", "Wyczybaz1", T},
    {306, "TForm5", "Zamknij1", T},
    {307, "TForm5", "Usupunktzbiblioteki1", T},
    {308, "TForm5", "Button1", T},
    {309, "TForm5", "BitBtn1", T},
};

}  // namespace

std::span<const CaptionRow> LibraryWindowCaptionRows() { return kRows; }

}  // namespace orvanta
