// The air-handling unit calculator window "CENTRALE WENTYLACYJNE": the chain
// of sections as pictures and groups of edits, the design-case climate menus
// and city list, the results window and the transfer onto the chart.
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <span>

#include "app/caption_map.h"
#include "calculators/ahu/chart_transfer.h"
#include "calculators/ahu/unit.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace orvanta {

class Workbench;
class AhuWindow;

std::span<const CaptionRow> AhuWindowCaptionRows();
std::span<const CaptionRow> AhuResultsWindowCaptionRows();

// "WYNIKI": the section powers of the last computation, copied from the
// calculator's edits for every section that is on.
class AhuResultsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AhuResultsWindow(QWidget* parent);
  // Empties the eleven boxes and copies the calculator's texts.
  void Fill(const AhuWindow& unit);
};

class AhuWindow : public QDialog {
  Q_OBJECT
 public:
  AhuWindow(Workbench& workbench, QWidget* parent);

  // Button1Click: reads the edits, computes the unit, shows the results.
  void Compute();
  // BitBtn3Click: the unit as points, processes and the coefficient on the chart.
  void TransferToChart();
  // Button2Click.
  void ShowResults();
  // SpeedButton1 "Export": the last computation as a text report, to a file the user names.
  void ExportReport();
  // ComboBox2Change: the design hour of the chosen city.
  void LoadCity(const QString& city);
  // A climate menu item: the outdoor state and the group caption.
  void ChooseClimateZone(bool winter, const QString& caption, const QString& t, const QString& phi);

  QLineEdit* edit(const QString& name) const { return edits_.value(name); }
  const UnitStates& states() const { return states_; }
  const UnitInputs& inputs() const { return inputs_; }
  bool section_on(int check_box) const;
  QMenu* winter_menu() const { return winter_menu_; }
  QMenu* summer_menu() const { return summer_menu_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* AddEdit(const QString& name, const QString& text, bool input);
  QGroupBox* MakeGroup(const QString& name, const QString& caption,
                       std::initializer_list<std::pair<const char*, const char*>> rows,
                       bool labels_above = false);
  void BuildPictures(QGridLayout* grid);
  void RememberValues();
  void ClearOutputs();
  void ShowOutputs();
  void WriteBack();
  void SetComputed(QLineEdit* e, bool computed);
  void UpdateSections();
  void UpdateDrawCaption(QCheckBox* box, const QString& name);
  void SetUserMode(bool user);
  bool ReadInputs(UnitInputs& in) const;

  Workbench& workbench_;
  QHash<QString, QLineEdit*> edits_;
  QHash<QString, QLabel*> pictures_;
  QHash<QString, QGroupBox*> groups_;
  QCheckBox *recovery_, *mixing_, *cooler_, *heater_, *humidifier_;
  QCheckBox *draw_outdoor_, *draw_recovery_, *draw_mixing_, *draw_cooler_, *draw_supply_,
      *draw_exhaust_, *draw_discharge_, *draw_points_, *draw_processes_, *auto_flow_;
  QRadioButton *user_mode_, *balance_mode_, *winter_, *summer_;
  QComboBox *exhaust_position_, *cities_;
  QMenu *winter_menu_, *summer_menu_;
  AhuResultsWindow* results_;
  UnitInputs inputs_;
  UnitStates states_;
  bool busy_ = false;
  bool exhaust_at_top_ = false;  // "Wywiew górą" chosen
  QString remembered_tn_ = "20", remembered_eta_t_ = "0", remembered_eta_x_ = "0",
          remembered_r_ = "0", remembered_phi_w_ = "40";
};

// Builds the calculator and registers "Kalkulator central wentylacyjnych"
// and the toolbar button "K.C.W.".
AhuWindow* RegisterAhuWindow(Workbench& workbench);

}  // namespace orvanta
