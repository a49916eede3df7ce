// The air-treatment windows put into the main window: the process-point
// dialog for the eight treatments, the cooling-point and SHR cooling
// dialogs, the mixing-point dialog, and the list of mixing definitions that
// lives as long as the project and is emptied when the project is replaced.
// Created once, by the project module.
#pragma once

#include <QObject>

#include "app/ui/kit/workbench.h"
#include "project/mixing.h"
#include "project/treatment.h"

namespace orvanta {

class CoolingPointDialog;
class MixingDialog;
class ShrCoolingDialog;
class TreatmentWindow;

// The SHR cooling dialog has no menu item of its own; it is reached by this command.
inline constexpr CommandId kOpenShrCooling{"OpenShrCooling"};

class TreatmentCommands : public QObject {
  Q_OBJECT
 public:
  explicit TreatmentCommands(Workbench& workbench);

  TreatmentWindow* treatment_window() const { return treatment_; }
  CoolingPointDialog* cooling_dialog() const { return cooling_; }
  ShrCoolingDialog* shr_dialog() const { return shr_; }
  MixingDialog* mixing_dialog() const { return mixing_; }
  const MixingDefinitions& mixing_definitions() const { return definitions_; }

 private:
  Workbench& workbench_;
  MixingDefinitions definitions_;
  TreatmentWindow* treatment_;
  CoolingPointDialog* cooling_;
  ShrCoolingDialog* shr_;
  MixingDialog* mixing_;
};

}  // namespace orvanta
