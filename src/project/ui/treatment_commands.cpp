#include "project/ui/treatment_commands.h"

#include "project/ui/cooling_point_dialog.h"
#include "project/ui/mixing_dialog.h"
#include "project/ui/shr_cooling_dialog.h"
#include "project/ui/treatment_window.h"

namespace orvanta {

namespace {
inline constexpr CommandId kAddMixingPoint{"AddMixingPoint"};
inline constexpr CommandId kAddCoolingPoint{"AddCoolingPoint"};

// The speed buttons of the main window, in the order of their hints.
struct TreatmentButton {
  CommandId id;
  const char* action;
  TreatmentKind kind;
};
constexpr TreatmentButton kTreatmentButtons[] = {
    {{"AddHeating"}, "SpeedButton2Click", TreatmentKind::Heating},
    {{"AddCoolingShr"}, "SpeedButton3Click", TreatmentKind::CoolingShr},
    {{"AddCoolingBypass"}, "SpeedButton4Click", TreatmentKind::CoolingBypass},
    {{"AddAdiabaticCooling"}, "SpeedButton5Click", TreatmentKind::AdiabaticCooling},
    {{"AddWaterHumidification"}, "SpeedButton7Click", TreatmentKind::WaterHumidification},
    {{"AddSteamHumidification"}, "SpeedButton8Click", TreatmentKind::SteamHumidification},
    {{"AddDesiccantDehumidification"}, "SpeedButton9Click", TreatmentKind::DesiccantDehumidification},
    {{"AddCondensingDehumidification"}, "SpeedButton10Click", TreatmentKind::CondensingDehumidification},
};
}  // namespace

TreatmentCommands::TreatmentCommands(Workbench& workbench)
    : QObject(workbench.dialog_parent()), workbench_(workbench) {
  setObjectName("TreatmentCommands");
  QWidget* window = workbench.dialog_parent();
  // Attached once: New and Open keep the project object and its hook.
  definitions_.AttachTo(workbench.project());
  treatment_ = new TreatmentWindow(workbench, window);
  cooling_ = new CoolingPointDialog(workbench, window);
  shr_ = new ShrCoolingDialog(workbench, window);
  mixing_ = new MixingDialog(workbench, definitions_, window);

  WorkbenchEvents* events = &workbench.events();
  connect(events, &WorkbenchEvents::projectReplaced, this, [this] {
    definitions_.Clear();
    cooling_->Clear();
    shr_->Clear();
    mixing_->Clear();
    treatment_->ClearInputs();
    treatment_->ForgetInlet();
  });
  connect(events, &WorkbenchEvents::unitSystemChanged, this, [this] { treatment_->ClearInputs(); });

  CommandRegistry& commands = workbench.commands();
  for (const TreatmentButton& b : kTreatmentButtons) {
    const TreatmentKind kind = b.kind;
    commands.Register(b.id, {b.action}, [this, kind] { treatment_->Open(kind); });
  }
  commands.Register(kAddMixingPoint,
                    {"SpeedButton6Click", "DEFINIUJPUNKTMIESZANIA1", "Definiujpunktmieszania2",
                     "Definiujpunktmieszania3", "Dodajpunktmieszania1"},
                    [this] { mixing_->Open(); });
  commands.Register(kAddCoolingPoint,
                    {"DEFINIUJPUNKTCHODZENIA1", "Definiujpunktchodzenia2", "Definiujpunktchodzenia3",
                     "Definiujpunktchodzenia4"},
                    [this] { cooling_->exec(); });
  commands.Register(kOpenShrCooling, {}, [this] { shr_->exec(); });
}

}  // namespace orvanta
