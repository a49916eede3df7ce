// The mixing-point dialog ("TForm10"): the mixture of two air streams as a
// new point, optionally with the two processes into it. The definitions it
// creates live in the list it is given.
#pragma once

#include <QDialog>
#include <optional>
#include <span>

#include "app/caption_map.h"
#include "psychro/air.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orvanta {

std::span<const CaptionRow> MixingDialogCaptionRows();

class MixingDefinitions;
class Workbench;

class MixingDialog : public QDialog {
  Q_OBJECT
 public:
  MixingDialog(Workbench& workbench, MixingDefinitions& definitions, QWidget* parent = nullptr);

  // Empties every field, relabels for the unit system and shows modally.
  int Open();
  void Clear();
  bool LoadStream(int which, const QString& name);
  // Edit6/Edit7 from the streams; empty while an input is missing.
  void Recompute();
  void accept() override;

 signals:
  void projectChanged();

 private:
  void ChooseStream(int which);
  void ApplyUnitTexts();
  std::optional<AirState> StreamState(const QLineEdit* name) const;
  // A typed flow in m3/h; nullopt when empty or not a number.
  std::optional<double> Flow(const QLineEdit* edit) const;

  Workbench& workbench_;
  MixingDefinitions& definitions_;
  QLineEdit *name_, *point1_, *point2_, *flow1_, *flow2_, *t_, *x_;
  QLabel *flow1_label_, *flow2_label_, *t_unit_, *x_unit_;
  QCheckBox* create_process_;
};

}  // namespace orvanta
