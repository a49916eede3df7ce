// What the duct calculator's windows share for the whole run of the program:
// the calculation document, the basic air data, the loss tables read so far,
// the running total the sheet shows and which fitting is being edited.
#pragma once

#include <QString>
#include <optional>

#include "ductcalc/basic_data.h"
#include "ductcalc/duct_document.h"
#include "ductcalc/loss_table.h"

namespace orvanta {

struct DuctRun {
  explicit DuctRun(std::filesystem::path table_folder) : tables(std::move(table_folder)) {}

  DuctDocument document;
  BasicAirData air{1.197, 1.5e-5};
  LossTableStore tables;
  QString total_text = "0";      // the sheet's Edit1, the running total
  double last_total = 0;         // the last total computed
  std::optional<int> editing;    // the fitting being edited (edit mode)
  int scroll_position = 0;
  bool modified = false;         // changed since the last New, Open or Save
  QString path;                  // the file last opened or saved
};

// Language text n, or the window's own (Polish) text while no language is loaded.
QString DuctText(int n, const char* own);

}  // namespace orvanta
