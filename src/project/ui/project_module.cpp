#include "project/ui/project_module.h"

#include <QWidget>

#include "app/ui/kit/shared_commands.h"
#include "app/ui/kit/ui_texts.h"
#include "app/ui/kit/workbench.h"
#include "project/ui/coefficient_windows.h"
#include "project/ui/library_window.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/points_list_window.h"
#include "project/ui/process_dialog.h"
#include "project/ui/process_list_window.h"
#include "project/ui/treatment_commands.h"

namespace orvanta {

namespace {
inline constexpr CommandId kOpenLibrary{"OpenPointsLibrary"};

// ---- Processes and direction coefficients ---------------------------------
inline constexpr CommandId kDefineProcess{"DefineProcess"};
inline constexpr CommandId kOpenProcessList{"OpenProcessList"};
inline constexpr CommandId kDefineCoefficient{"DefineCoefficient"};
inline constexpr CommandId kOpenCoefficientList{"OpenCoefficientList"};

// The points list and the point data dialog are built by the chart's point
// commands (after this module); they are looked up when first needed.
std::optional<QString> ChoosePoint(Workbench& workbench) {
  if (auto* list = qobject_cast<PointsListWindow*>(workbench.Part("TForm31"))) {
    list->Refill();
    return list->ChoosePoint();
  }
  return std::nullopt;
}

void AddFreePoint(Workbench& workbench) {
  if (auto* data = qobject_cast<PointDataDialog*>(workbench.Part("TForm29"))) data->ExecAdd(true);
}

void RegisterProcessWindows(Workbench& workbench) {
  QWidget* parent = workbench.dialog_parent();
  auto* process = new ProcessDialog(workbench, parent);
  auto* process_list = new ProcessListWindow(workbench, process, parent);
  auto* coefficient = new CoefficientDialog(workbench, parent);
  auto* coefficient_list = new CoefficientListWindow(workbench, coefficient, parent);
  auto chooser = [&workbench] { return ChoosePoint(workbench); };
  process->SetPointChooser(chooser);
  coefficient->SetPointChooser(chooser);
  auto redraw = [&workbench] { workbench.RequestFullRedraw(); };
  QObject::connect(process, &ProcessDialog::projectChanged, process, redraw);
  QObject::connect(coefficient, &CoefficientDialog::projectChanged, coefficient, redraw);
  process_list->SetAddPoint([&workbench] { AddFreePoint(workbench); });
  process_list->SetAddCoefficient([coefficient] { coefficient->ExecAdd(); });
  coefficient_list->SetAddPoint([&workbench] { AddFreePoint(workbench); });
  coefficient_list->SetAddProcess([process] { process->ExecAdd(); });
  // New and Open: nothing of the old project stays selected in the lists.
  QObject::connect(&workbench.events(), &WorkbenchEvents::projectReplaced, process_list, [&workbench] {
    workbench.settings().chart.selected_process = -1;
    workbench.settings().chart.previous_selected_process = -1;
  });

  CommandRegistry& commands = workbench.commands();
  commands.Register(kDefineProcess, {"Definiujprzemian1", "DodajPrzemian1"}, [process] { process->ExecAdd(); });
  commands.Register(kOpenProcessList, {"Listaprzemian1"}, [process_list] { process_list->Open(); });
  commands.Register(kDefineCoefficient, {"Wspkierunkowyprzemiany1", "Dodajwspczynnikkierunkowy1"},
                    [coefficient] { coefficient->ExecAdd(); });
  commands.Register(kOpenCoefficientList, {"Lis1"}, [coefficient_list] { coefficient_list->Open(); });

  // Run by the air-handling unit calculator before it draws its flows (m³/h):
  // the process dialog, the list it drives, the point-definition window and
  // the chart's process table show volume again.
  commands.Register(kShowFlowsAsVolume, {}, [process, &workbench] {
    process->ChooseVolumeFlow();
    workbench.settings().chart.flow_as_mass = false;
  });
}
}  // namespace

LibraryWindow* RegisterProjectModule(Workbench& workbench) {
  auto* library = new LibraryWindow(&workbench.project(), workbench.dialog_parent());
  QObject::connect(library, &LibraryWindow::projectChanged, library, [&workbench] {
    workbench.RecordEdit(UiText(UiTextId::LibraryInsert));
    workbench.RequestFullRedraw();
  });
  workbench.commands().Register(kOpenLibrary, {"Wczytajpunktzbiblioteki1", "Wczytajpunktzbiblioteki2"},
                                [library] { library->Open(); });
  RegisterProcessWindows(workbench);

  // ---- Air treatments and mixing (TForm40, TForm9, TForm39, TForm10) ----
  new TreatmentCommands(workbench);
  // ---- end of air treatments and mixing ----
  return library;
}

}  // namespace orvanta
