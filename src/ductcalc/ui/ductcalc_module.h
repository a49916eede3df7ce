// The duct pressure-loss calculator's windows and commands.
#pragma once

#include <QString>

namespace orvanta {

class DuctSheetWindow;
class Workbench;

// Builds the sheet (a child of the workbench's window, kept for the whole
// run) and registers "Kalkulator strat ciśnienia". Returns the sheet.
DuctSheetWindow* RegisterDuctcalcModule(Workbench& workbench);

// Opens a ".moh" file given at start-up in the sheet and shows it; false when
// the path is not a calculation file (the caller treats it as a project) or
// no module is registered.
bool OpenDuctCalculationAtStartup(const QString& path);

}  // namespace orvanta
