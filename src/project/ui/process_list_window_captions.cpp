// The process list ("TForm32"): which language text goes into which of its controls.
#include "project/ui/process_list_window.h"

namespace orvanta {
namespace {

using namespace caption_kinds;

constexpr CaptionRow kTForm32Rows[] = {
    // TForm32
    {1026, "TForm32", "", W},
    {1027, "TForm32", "Label1", T},
    {1028, "TForm32", "Label2", T},
    {1029, "TForm32", "Label3", T},
    {1030, "TForm32", "Label4", T},
    {1031, "TForm32", "Label7", T},
    {1032, "TForm32", "Label9", T},
    {1033, "TForm32", "Label11", T},
    {1034, "TForm32", "Label12", T},
    {1035, "TForm32", "Label14", T},
    {1036, "TForm32", "Label5", T},
    {1037, "TForm32", "Button1", T},
    {1038, "TForm32", "Button3", T},
    {1039, "TForm32", "Button4", T},
    {1040, "TForm32", "Button2", T},
    {1041, "TForm32", "BitBtn1", T},
    {1042, "TForm32", "Definiujprzemin1", T},
    {1043, "TForm32", "Edytujprzemian1", T},
    {1044, "TForm32", "Usuprzemian1", T},
};

}  // namespace

std::span<const CaptionRow> ProcessListWindowCaptionRows() { return kTForm32Rows; }

}  // namespace orvanta
