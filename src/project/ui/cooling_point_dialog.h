// The cooling-point dialog with a bypass factor ("TForm9", always SI): the
// state between the air entering a coil (point 1) and the coil state
// (point 2) for a bypass factor, added as a new point.
#pragma once

#include <QDialog>
#include <optional>
#include <span>

#include "app/caption_map.h"
#include "psychro/air.h"

class QLineEdit;

namespace orvanta {

std::span<const CaptionRow> CoolingPointDialogCaptionRows();

class Workbench;

class CoolingPointDialog : public QDialog {
  Q_OBJECT
 public:
  CoolingPointDialog(Workbench& workbench, QWidget* parent = nullptr);

  // Point 1 or 2 by name; false when the project has no such point.
  bool LoadPoint(int which, const QString& name);
  // Recomputes Edit5 (t) and Edit6 (x in g/kg); empties them when an input
  // is missing or not a number.
  void Recompute();
  // OK: the checks, then the point is added and the dialog closes.
  void accept() override;
  // Empties every field (New and Open).
  void Clear();

 signals:
  void projectChanged();

 private:
  void ChoosePoint(int which);
  std::optional<AirState> PointState(const QLineEdit* name) const;

  Workbench& workbench_;
  QLineEdit *name_, *point1_, *point2_, *bypass_, *t_, *x_;
};

}  // namespace orvanta
