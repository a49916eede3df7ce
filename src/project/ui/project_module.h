// The project's windows and commands that need nothing of the chart: the
// points library window ("Wczytaj punkt z biblioteki"); the process dialog
// and list, the direction-coefficient dialog and list.
#pragma once

namespace orvanta {

class LibraryWindow;
class Workbench;

// Builds the library window (a child of the workbench's window) and
// registers its commands. Returns the window.
LibraryWindow* RegisterProjectModule(Workbench& workbench);

}  // namespace orvanta
