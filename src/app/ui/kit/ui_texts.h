// Texts of the editing and first-use features that the windows' own
// (Polish) texts did not cover: undo and redo, the names of edits, notices
// of the chart and of the shell, and the English forms of Polish literals.
// Each is an entry of the language table; before a file is loaded the
// Polish text below shows.
#pragma once

#include <QString>

#include "app/ui/kit/language.h"

namespace orvanta {

enum class UiTextId {
  Undo = 1370,
  Redo = 1371,
  EditMenu = 1372,
  AddPoint = 1373,
  MovePoint = 1374,
  EditPoint = 1375,
  DeletePoint = 1376,
  LibraryInsert = 1377,
  ChangePressure = 1378,
  EditGeneral = 1379,
  DeleteUsedPoint = 1380,  // %1 the point, %2 what uses it
  AboveSaturation = 1381,
  UntitledFile = 1382,
  NewsTitle = 1383,
  FileFilter = 1384,
  LanguageFileMissing = 1385,
  LanguageNotFound = 1386,
  NoBrowser = 1387,  // %1 the address
  OutOfLimits = 1388,  // %1 and %2 the limits
  SaveFirst = 1389,
  UntitledDuctFile = 1390,
};

inline const char* UiTextDesign(UiTextId id) {
  switch (id) {
    case UiTextId::Undo: return "Cofnij";
    case UiTextId::Redo: return "Ponów";
    case UiTextId::EditMenu: return "Edycja";
    case UiTextId::AddPoint: return "dodaj punkt";
    case UiTextId::MovePoint: return "przesuń punkt";
    case UiTextId::EditPoint: return "edytuj punkt";
    case UiTextId::DeletePoint: return "usuń punkt";
    case UiTextId::LibraryInsert: return "wstaw punkt z biblioteki";
    case UiTextId::ChangePressure: return "zmień ciśnienie";
    case UiTextId::EditGeneral: return "zmień projekt";
    case UiTextId::DeleteUsedPoint: return "Punkt %1 jest używany przez: %2. Usunąć go mimo to? (Można to cofnąć.)";
    case UiTextId::AboveSaturation: return "Nad krzywą nasycenia nie ma stanu powietrza - punkt nie został utworzony.";
    case UiTextId::UntitledFile: return "beznazwy.ovt";
    case UiTextId::NewsTitle: return "CO NOWEGO";
    case UiTextId::FileFilter: return "Pliki ORVANTA (*.ovt)";
    case UiTextId::LanguageFileMissing: return "Plik tego języka nie jest zainstalowany";
    case UiTextId::LanguageNotFound: return "THE FILE WITH THE CHOOSEN LANGUAGE IS NOT FOUND";
    case UiTextId::NoBrowser: return "Nie udało się otworzyć %1: brak przeglądarki lub połączenia z siecią.";
    case UiTextId::OutOfLimits: return "Wartość poza zakresem od %1 do %2.";
    case UiTextId::SaveFirst: return "Projekt zawiera niezapisane zmiany. Czy zapisać go najpierw?";
    case UiTextId::UntitledDuctFile: return "bez nazwy.moh";
  }
  return "";
}

inline QString UiText(UiTextId id) { return TextOr(static_cast<int>(id), QString::fromUtf8(UiTextDesign(id))); }

}  // namespace orvanta
