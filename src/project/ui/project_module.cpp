#include "project/ui/project_module.h"

#include "app/ui/kit/workbench.h"
#include "project/ui/library_window.h"
#include "project/ui/treatment_commands.h"

namespace orvanta {

namespace {
inline constexpr CommandId kOpenLibrary{"OpenPointsLibrary"};
}

LibraryWindow* RegisterProjectModule(Workbench& workbench) {
  auto* library = new LibraryWindow(&workbench.project(), workbench.dialog_parent());
  QObject::connect(library, &LibraryWindow::projectChanged, library, [&workbench] { workbench.RequestFullRedraw(); });
  workbench.commands().Register(kOpenLibrary, {"Wczytajpunktzbiblioteki1", "Wczytajpunktzbiblioteki2"},
                                [library] { library->Open(); });

  // ---- Air treatments and mixing (TForm40, TForm9, TForm39, TForm10) ----
  new TreatmentCommands(workbench);
  // ---- end of air treatments and mixing ----
  return library;
}

}  // namespace orvanta
