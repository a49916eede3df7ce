// The direction coefficients: the definition dialog ("DEFINICJA
// WSPÓŁCZYNNIKA KIERUNKOWEGO", TForm3), epsilon typed or following from the
// heat and moisture gains, and the list ("WSPÓŁCZYNNIKI KIERUNKOWE
// PRZEMIAN", TForm2) with the line switch of each.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <span>

#include "app/caption_map.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace orvanta {

// The caption rows of "TForm3" and "TForm2" (in their _captions.cpp).
std::span<const CaptionRow> CoefficientDialogCaptionRows();
std::span<const CaptionRow> CoefficientListWindowCaptionRows();

class Workbench;

class CoefficientDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CoefficientDialog(Workbench& workbench, QWidget* parent = nullptr);

  void SetPointChooser(std::function<std::optional<QString>()> chooser) { choose_point_ = std::move(chooser); }

  // Add mode; `point` (may be empty) is preset as the intersection point.
  void PrepareAdd(const QString& point = {});
  void PrepareEdit(int index);
  int ExecAdd(const QString& point = {});
  int ExecEdit(int index);
  bool edit_mode() const { return edit_index_ >= 0; }

  void accept() override;
  void done(int result) override;

 signals:
  void projectChanged();

 private:
  void ApplyUnitTexts();
  void MoisturePerHourTyped();
  void GainsChanged();
  void ValueTyped();
  bool StoreFromFields();

  Workbench& workbench_;
  std::function<std::optional<QString>()> choose_point_;
  int edit_index_ = -1;
  // Epsilon [kJ/kg] as typed or computed (Edit2 shows it in the unit system).
  std::optional<double> epsilon_;

  QLineEdit* name_;                // Edit1
  QLineEdit* value_;               // Edit2
  QLineEdit* point_;               // Edit3
  QCheckBox* draw_line_;           // CheckBox1
  QLineEdit* heat_gain_;           // Edit4
  QLineEdit* moisture_per_hour_;   // Edit6
  QLineEdit* moisture_per_second_; // Edit5
  QLabel* value_unit_;
  QLabel* heat_unit_;
  QLabel* per_hour_unit_;
  QLabel* per_second_unit_;
};

class CoefficientListWindow : public QDialog {
  Q_OBJECT
 public:
  CoefficientListWindow(Workbench& workbench, CoefficientDialog* dialog, QWidget* parent = nullptr);

  void SetAddPoint(std::function<void()> f) { add_point_ = std::move(f); }
  void SetAddProcess(std::function<void()> f) { add_process_ = std::move(f); }

  int Open();
  void Refill();
  int selected() const { return selected_; }
  void Select(int row);
  void AddCoefficient();
  void EditSelected();
  void DeleteSelected();

 private:
  void ItemChanged(QTableWidgetItem* item);

  Workbench& workbench_;
  CoefficientDialog* dialog_;
  std::function<void()> add_point_, add_process_;
  QTableWidget* table_;  // StringGrid1
  int selected_ = -1;
  bool filling_ = false;
};

}  // namespace orvanta
