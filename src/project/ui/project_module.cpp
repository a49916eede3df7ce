#include "project/ui/project_module.h"

#include "app/ui/kit/ui_texts.h"
#include "app/ui/kit/workbench.h"
#include "project/ui/library_window.h"

namespace orvanta {

namespace {
inline constexpr CommandId kOpenLibrary{"OpenPointsLibrary"};
}

LibraryWindow* RegisterProjectModule(Workbench& workbench) {
  auto* library = new LibraryWindow(&workbench.project(), workbench.dialog_parent());
  QObject::connect(library, &LibraryWindow::projectChanged, library, [&workbench] {
    workbench.RecordEdit(UiText(UiTextId::LibraryInsert));
    workbench.RequestFullRedraw();
  });
  workbench.commands().Register(kOpenLibrary, {"Wczytajpunktzbiblioteki1", "Wczytajpunktzbiblioteki2"},
                                [library] { library->Open(); });
  return library;
}

}  // namespace orvanta
