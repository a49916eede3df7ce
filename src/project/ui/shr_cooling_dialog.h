// The SHR cooling dialog ("TForm39", always SI): from point 1 along the
// sensible-heat-ratio line to a target temperature or relative humidity,
// with the cooling load for an air flow or the air flow for a load.
#pragma once

#include <QDialog>
#include <optional>
#include <span>

#include "app/caption_map.h"
#include "project/treatment.h"
#include "psychro/air.h"

class QLineEdit;
class QRadioButton;

namespace orvanta {

std::span<const CaptionRow> ShrCoolingDialogCaptionRows();

class Workbench;

class ShrCoolingDialog : public QDialog {
  Q_OBJECT
 public:
  ShrCoolingDialog(Workbench& workbench, QWidget* parent = nullptr);

  bool LoadPoint(const QString& name);
  // "CALCULATE": the outlet and the load or flow; false with a message (or
  // quietly for a field that is not a number).
  bool Calculate();
  // "DRAW PROCES": the last calculation, as long as no field changed since;
  // otherwise it calculates first.
  void Draw();
  void Clear();

 signals:
  void projectChanged();

 private:
  void ChoosePoint();
  void DefineNew();
  void TargetChosen();
  void FlowWayChosen();
  void Invalidate() { last_.reset(); }

  Workbench& workbench_;
  std::optional<AirState> p1_;
  struct Last {
    TreatmentResult result;
    double air_flow;  // [m3/h]
  };
  std::optional<Last> last_;
  QLineEdit *name1_, *t1_, *phi1_, *new_name_, *shr_, *target_t_, *target_phi_;
  QLineEdit *flow_, *load_, *load_given_, *flow_found_, *t2_, *phi2_;
  QRadioButton *by_temperature_, *by_humidity_, *flow_given_, *load_way_;
};

}  // namespace orvanta
