// The point definition dialog ("DEFINICJA PUNKTU", TForm27), opened by a
// click on the chart: the new point's name and label position, and
// optionally a process from an existing point to the new one.
#pragma once

#include <QDialog>
#include <optional>
#include <span>

#include "app/caption_map.h"
#include "project/chart_project.h"
#include "psychro/units.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace orvanta {

// The caption rows of "TForm27" (in its _captions.cpp).
std::span<const CaptionRow> PointDefinitionDialogCaptionRows();

class PointDefinitionDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PointDefinitionDialog(const ChartProject* project, QWidget* parent = nullptr);

  // Resets the dialog for a new point: name empty, "define only the point"
  // chosen, the process group hidden, the label position preset, the flow
  // fields enabled for the unit system.
  void Prepare(LabelPosition label, UnitSystem units);
  // The flow choice: "Masa powietrza" (true) or "Objętość powietrza". It
  // stays as the user left it from one opening to the next.
  bool flow_as_mass() const;
  void SetFlowAsMass(bool mass);

  // After the dialog was accepted:
  QString point_name() const;
  LabelPosition label_position() const;
  // The process to add together with the point (it ends at the new point),
  // when one of the process options was chosen; its start point is the one
  // chosen when OK was pressed.
  std::optional<AirProcess> process() const;

  void accept() override;

 private:
  enum Option { kPointOnly = 0, kWithLastPoint = 1, kWithAnyPoint = 2 };
  int option() const;
  void OptionChosen(int id);
  QString OtherPointName() const;
  void PresetProcessName();
  void FlowEdited();
  void ShowFlows(double volume, double mass, QLineEdit* typed);
  double LastPointDensity() const;

  const ChartProject* project_;
  UnitSystem units_ = UnitSystem::SI;
  QLineEdit* name_edit_;
  QButtonGroup* options_;
  QButtonGroup* labels_;
  QGroupBox* process_group_;
  QLineEdit* process_name_edit_;
  QComboBox* point_combo_;
  QRadioButton* by_volume_;
  QRadioButton* by_mass_;
  QLineEdit* volume_si_;
  QLineEdit* mass_si_;
  QLineEdit* volume_ip_;
  QLineEdit* mass_ip_;
  double volume_ = 0;  // [m3/h], as typed or derived
  bool volume_given_ = false;
  QString other_point_;  // the process's start point, as it was at OK
};

}  // namespace orvanta
