// The process-point dialog ("TForm40"): from a loaded inlet point, an air
// flow and one characteristic of the treatment, the outlet state and the
// load; "DRAW PROCESS" adds the outlet point and the process. One window for
// the eight kinds of treatment, set by Open(kind).
#pragma once

#include <QDialog>
#include <optional>
#include <span>

#include "app/caption_map.h"
#include "project/treatment.h"
#include "psychro/air.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

std::span<const CaptionRow> TreatmentWindowCaptionRows();

class Workbench;

class TreatmentWindow : public QDialog {
  Q_OBJECT
 public:
  TreatmentWindow(Workbench& workbench, QWidget* parent = nullptr);

  // Sets the kind, the captions and unit labels, empties the input and
  // result fields (the inlet point, flow and outlet name stay).
  void Prepare(TreatmentKind kind);
  // Prepare and show modally.
  int Open(TreatmentKind kind);
  TreatmentKind kind() const { return kind_; }

  // "LOAD POINT" with a name already chosen: the inlet becomes a copy of
  // that point. false when the project has no such point.
  bool LoadInlet(const QString& name);
  // "CALCULATE": the outlet and the load, or a message; nothing is stored.
  // The result of a successful calculation, nullopt otherwise.
  std::optional<TreatmentResult> Calculate();
  // "DRAW PROCESS": calculates, then adds the outlet point and the process.
  void Draw();
  // Empties every typed and result field that depends on the unit system.
  void ClearInputs();
  // The inlet belonged to a project that is gone (New, Open).
  void ForgetInlet();

 signals:
  void projectChanged();

 private:
  void ChooseInlet();
  void DefineNewInlet();
  void ShowInlet();
  void WayChosen();
  void CoilWayChosen();
  void ApplyUnitLabels();
  void ShowFailure(const TreatmentFailure& f);
  std::optional<TreatmentOutcome> Compute(const TreatmentInlet& in);

  Workbench& workbench_;
  TreatmentKind kind_ = TreatmentKind::Heating;
  std::optional<AirState> inlet_;
  QLineEdit *inlet_name_, *inlet_t_, *inlet_phi_, *air_flow_, *outlet_name_;
  QLineEdit *input1_, *result1_, *input2_, *result2_;
  QLineEdit *coil_bypass_, *shr_, *coil_shr_;
  QLineEdit *outlet_t_, *outlet_phi_;
  QRadioButton *way1_, *way2_, *by_shr_, *by_coil_;
  QGroupBox *shr_group_, *coil_group_;
  QLabel *inlet_t_unit_, *air_flow_unit_, *outlet_t_unit_, *coil_unit_, *coil_shr_unit_;
  QLabel *symbol_in1_, *unit_in1_, *symbol_res1_, *unit_res1_, *symbol_in2_, *unit_in2_, *symbol_res2_,
      *unit_res2_;
};

}  // namespace orvanta
