#include "project/ui/point_data_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "chart/range_widening.h"
#include "project/ui/point_dialog_common.h"
#include "project/ui/points_list_window.h"
#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr int kTextDuplicateName = 1000;
constexpr int kTextNoProcess = 1001;
constexpr int kTextNoCoefficient = 1052;

enum Row { kRowT, kRowX, kRowPhi, kRowI, kRowRho, kRowPp, kRowPa, kRowTd, kRowTw, kRowFlow };

QLineEdit* NewEdit(QWidget* parent, const char* name, const char* hint, bool read_only = false) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setToolTip(QString::fromUtf8(hint));
  e->setReadOnly(read_only);
  return e;
}

QSpinBox* NewUpDown(QWidget* parent, const char* name, int min_hundredths, int max_hundredths) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(min_hundredths, max_hundredths);
  s->setSingleStep(1);
  s->setFixedWidth(20);  // only the arrows show; the value is in its field
  s->setFocusPolicy(Qt::NoFocus);
  return s;
}

std::optional<double> Read(const QLineEdit* e) { return ParseNumber(e->text().toStdString(), UiDecimalSeparator()); }

}  // namespace

PointDataDialog::PointDataDialog(ChartProject* project, ChartSettings* settings, PointsListWindow* points_list,
                                 QWidget* parent)
    : QDialog(parent), project_(project), settings_(settings), points_list_(points_list) {
  setObjectName("TForm29");
  RegisterCaptionRows(PointDataDialogCaptionRows());
  setWindowTitle("DANE PUNKTU");
  setModal(true);

  auto* frame = new QGroupBox("PUNKT DOWOLNY", this);
  frame->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(frame);

  auto* name_label = new QLabel("NAZWA", frame);
  name_label->setObjectName("Label1");
  name_ = NewEdit(frame, "Edit1", "NAZWA PUNKTU");
  name_->setMaxLength(ChartPoint::kNameCapacity);
  auto* description_label = new QLabel("OPIS", frame);
  description_label->setObjectName("Label2");
  description_ = NewEdit(frame, "Edit11", "OPIS PUNKTU");
  description_->setMaxLength(ChartPoint::kDescriptionCapacity);
  grid->addWidget(name_label, 0, 0);
  grid->addWidget(name_, 0, 1, 1, 3);
  grid->addWidget(description_label, 1, 0);
  grid->addWidget(description_, 1, 1, 1, 3);

  t_ = NewEdit(frame, "Edit3", "TEMPERATURA POWIETRZA");
  x_ = NewEdit(frame, "Edit2", "BEZWZGLĘDNA ZAWARTOŚĆ WILGOCI");
  phi_ = NewEdit(frame, "Edit6", "WILGOTNOŚĆ WZGLĘDNA");
  i_ = NewEdit(frame, "Edit4", "ENTALPIA POWIETRZA");
  rho_ = NewEdit(frame, "Edit5", "GĘSTOŚĆ POWIETRZA", true);
  pp_ = NewEdit(frame, "Edit7", "CIŚNIENIE CZĄSTKOWE PARY WODNEJ", true);
  pa_ = NewEdit(frame, "Edit8", "CIŚNIENIE CZĄSTKOWE POWIETRZA SUCHEGO", true);
  td_ = NewEdit(frame, "Edit9", "TEMPERATURA PUNKTU ROSY", true);
  tw_ = NewEdit(frame, "Edit10", "TEMPERATURA TERMOMETRU MOKREGO", true);
  t_up_down_ = NewUpDown(frame, "UpDown2", -4000, 8000);
  x_up_down_ = NewUpDown(frame, "UpDown1", 0, 10000);
  phi_up_down_ = NewUpDown(frame, "UpDown3", 0, 10000);

  given_x_ = new QRadioButton("X", frame);
  given_x_->setObjectName("RadioButton3");
  given_phi_ = new QRadioButton(QString::fromUtf8("\u03C6"), frame);
  given_phi_->setObjectName("RadioButton4");
  given_i_ = new QRadioButton("h", frame);
  given_i_->setObjectName("RadioButton7");
  auto* given_group = new QButtonGroup(this);
  for (QRadioButton* b : {given_x_, given_phi_, given_i_}) given_group->addButton(b);

  const std::array<QLineEdit*, 9> fields{t_, x_, phi_, i_, rho_, pp_, pa_, td_, tw_};
  for (int row = kRowT; row <= kRowFlow; ++row) {
    quantity_labels_[row] = new QLabel(frame);
    unit_labels_[row] = new QLabel(frame);
  }
  for (int row = kRowT; row <= kRowTw; ++row) {
    const int r = row + 2;
    if (row == kRowX) {
      grid->addWidget(given_x_, r, 0);
    } else if (row == kRowPhi) {
      grid->addWidget(given_phi_, r, 0);
    } else if (row == kRowI) {
      grid->addWidget(given_i_, r, 0);
    } else {
      grid->addWidget(quantity_labels_[row], r, 0);
    }
    grid->addWidget(fields[row], r, 1);
    if (row == kRowT) grid->addWidget(t_up_down_, r, 2);
    if (row == kRowX) grid->addWidget(x_up_down_, r, 2);
    if (row == kRowPhi) grid->addWidget(phi_up_down_, r, 2);
    grid->addWidget(unit_labels_[row], r, 3);
  }

  process_tie_ = new QCheckBox("Zaczep punkt na lini przemiany", this);
  process_tie_->setObjectName("CheckBox1");
  process_combo_ = new QComboBox(this);
  process_combo_->setObjectName("ComboBox1");
  coefficient_tie_ = new QCheckBox("Zaczep punkt na lini wsp. kierunowego", this);
  coefficient_tie_->setObjectName("CheckBox2");
  coefficient_combo_ = new QComboBox(this);
  coefficient_combo_->setObjectName("ComboBox2");

  auto* label_box = MakeLabelPositionGroup(this, "GroupBox4",
                                           {"RadioButton1", "RadioButton2", "RadioButton5", "RadioButton6"}, &labels_);

  create_process_ = new QCheckBox("UTWÓRZ PRZEMIANĘ", this);
  create_process_->setObjectName("CheckBox3");
  process_group_ = new QGroupBox("UTWÓRZ PRZEMIANĘ", this);
  process_group_->setObjectName("GroupBox3");
  auto* pg = new QGridLayout(process_group_);
  auto* load_point = new QPushButton("WCZYTAJ PUNKT", process_group_);
  load_point->setObjectName("Button2");
  load_point->setAutoDefault(false);
  other_point_ = NewEdit(process_group_, "Edit12", "", true);
  auto* flow_label = new QLabel("STRUMIEŃ POWIETRZA", process_group_);
  flow_label->setObjectName("Label4");
  air_flow_ = NewEdit(process_group_, "Edit13", "");
  air_flow_unit_ = unit_labels_[kRowFlow];
  air_flow_unit_->setParent(process_group_);
  from_this_ = new QRadioButton(process_group_);
  from_this_->setObjectName("RadioButton8");
  to_this_ = new QRadioButton(process_group_);
  to_this_->setObjectName("RadioButton9");
  pg->addWidget(load_point, 0, 0);
  pg->addWidget(other_point_, 0, 1, 1, 2);
  pg->addWidget(flow_label, 1, 0);
  pg->addWidget(air_flow_, 1, 1);
  pg->addWidget(air_flow_unit_, 1, 2);
  pg->addWidget(from_this_, 2, 0, 1, 3);
  pg->addWidget(to_this_, 3, 0, 1, 3);

  const DialogButtons buttons = MakeDialogButtons(this, "BitBtn1", "OK", "BitBtn2", "ANULUJ");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(process_tie_);
  layout->addWidget(process_combo_);
  layout->addWidget(coefficient_tie_);
  layout->addWidget(coefficient_combo_);
  layout->addWidget(label_box);
  layout->addWidget(create_process_);
  layout->addWidget(process_group_);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buttons.accept, &QPushButton::clicked, this, &PointDataDialog::accept);
  connect(buttons.cancel, &QPushButton::clicked, this, &PointDataDialog::reject);
  for (QLineEdit* e : {t_, x_, phi_, i_}) {
    connect(e, &QLineEdit::textEdited, this, [this, e] { FieldEdited(e); });
  }
  connect(t_up_down_, &QSpinBox::valueChanged, this, [this] { UpDownMoved(t_up_down_, t_); });
  connect(x_up_down_, &QSpinBox::valueChanged, this, [this] { UpDownMoved(x_up_down_, x_); });
  connect(phi_up_down_, &QSpinBox::valueChanged, this, [this] { UpDownMoved(phi_up_down_, phi_); });
  for (QRadioButton* b : {given_x_, given_phi_, given_i_}) {
    connect(b, &QRadioButton::clicked, this, &PointDataDialog::GivenChosen);
  }
  for (QCheckBox* tie : {process_tie_, coefficient_tie_}) {
    connect(tie, &QCheckBox::clicked, this, [this, tie](bool checked) { TieClicked(tie, checked); });
  }
  connect(process_combo_, &QComboBox::activated, this, &PointDataDialog::Recompute);
  connect(coefficient_combo_, &QComboBox::activated, this, &PointDataDialog::Recompute);
  connect(create_process_, &QCheckBox::toggled, process_group_, &QWidget::setVisible);
  connect(load_point, &QPushButton::clicked, this, &PointDataDialog::ChooseOtherPoint);
  connect(name_, &QLineEdit::textChanged, this, &PointDataDialog::UpdateDirectionCaptions);
  connect(other_point_, &QLineEdit::textChanged, this, &PointDataDialog::UpdateDirectionCaptions);

  PrepareCommon();
  if (ActiveLanguageNumber() != 0) ApplyLanguageTexts(this);
}

void PointDataDialog::ApplyUnitTexts() {
  const bool ip = settings_->units == UnitSystem::IP;
  static constexpr std::array<const char*, 10> kSi{"DBT", "X", "\u03C6", "h", "\u03C1", "vp", "vd", "DPT", "WBT", ""};
  static constexpr std::array<const char*, 10> kIp{"DB", "W", "RH", "h", "d", "vp", "vd", "DP", "WB", ""};
  static constexpr std::array<const char*, 10> kSiUnits{"C",  "g/kg", "%", "kJ/kg", "kg/m3",
                                                        "Pa", "Pa",   "C", "C",     "m3/h"};
  static constexpr std::array<const char*, 10> kIpUnits{"F",     "gr/lb", "%", "BTU/lb", "lb/ft3",
                                                        "in.Hg", "in.Hg", "F", "F",      "cfm"};
  for (int row = kRowT; row <= kRowFlow; ++row) {
    quantity_labels_[row]->setText(QString::fromUtf8(ip ? kIp[row] : kSi[row]));
    unit_labels_[row]->setText(ip ? kIpUnits[row] : kSiUnits[row]);
  }
  // The choice of the given quantity keeps its captions in both unit systems.
  given_x_->setText("X");
  given_phi_->setText(QString::fromUtf8("\u03C6"));
  given_i_->setText("h");
}

void PointDataDialog::PrepareCommon() {
  ApplyUnitTexts();
  old_name_ = name_->text().toStdString();
  given_x_->setChecked(true);
  x_->setEnabled(true);
  x_up_down_->setEnabled(true);
  phi_->setEnabled(false);
  phi_up_down_->setEnabled(false);
  i_->setEnabled(false);
  process_combo_->setEnabled(process_tie_->isChecked());
  coefficient_combo_->setEnabled(coefficient_tie_->isChecked());
  create_process_->setChecked(false);
  process_group_->setVisible(false);
  other_point_->clear();
  air_flow_->setText("0");
  from_this_->setChecked(true);
  UpdateDirectionCaptions();
}

void PointDataDialog::PrepareAdd(bool clear_inputs) {
  edit_index_ = -1;
  if (clear_inputs) {
    for (QLineEdit* e : {name_, description_, x_, t_, i_, rho_, phi_, pp_, pa_, td_, tw_}) e->clear();
    SelectLabelPosition(labels_, settings_->default_label);
  }
  {
    const QSignalBlocker block_process(process_combo_);
    const QSignalBlocker block_coefficient(coefficient_combo_);
    process_combo_->clear();
    coefficient_combo_->clear();
    for (int k = 0; k < project_->process_count(); ++k) {
      process_combo_->addItem(QString::fromStdString(project_->process(k).name));
    }
    for (int k = 0; k < project_->coefficient_count(); ++k) {
      coefficient_combo_->addItem(QString::fromStdString(project_->coefficient(k).name));
    }
    process_combo_->setCurrentIndex(-1);
    coefficient_combo_->setCurrentIndex(-1);
  }
  process_tie_->setChecked(false);
  coefficient_tie_->setChecked(false);
  x_->setEnabled(true);
  PrepareCommon();
  name_->setFocus();
}

void PointDataDialog::PrepareEdit(int index) {
  PrepareAdd(false);
  if (index < 0 || index >= project_->point_count()) return;
  edit_index_ = index;
  const ChartPoint& p = project_->point(index);
  const UnitSystem units = settings_->units;
  name_->setText(QString::fromStdString(p.name));
  description_->setText(QString::fromStdString(p.description));
  const char sep = UiDecimalSeparator();
  auto text = [sep](double v) { return QString::fromStdString(NumberText(RoundTo(v, -2), sep)); };
  x_->setText(text(MoistureForDisplay(p.state.x, units)));
  t_->setText(text(TemperatureForDisplay(p.state.t, units)));
  i_->setText(text(EnthalpyForDisplay(p.state.i, units)));
  rho_->setText(text(DensityForDisplay(p.state.rho, units)));
  phi_->setText(text(100 * p.state.phi));
  pp_->setText(text(PressureForDisplay(p.state.pp, units)));
  pa_->setText(text(PressureForDisplay(p.state.pa, units)));
  td_->setText(text(TemperatureForDisplay(p.state.td, units)));
  tw_->setText(text(TemperatureForDisplay(p.state.tw, units)));
  SelectLabelPosition(labels_, p.label_position);
  if (p.on_process) {
    SetTie(process_tie_, true);
    process_combo_->setCurrentIndex(process_combo_->findText(QString::fromStdString(p.process_name)));
  } else if (p.on_coefficient) {
    SetTie(coefficient_tie_, true);
    coefficient_combo_->setCurrentIndex(coefficient_combo_->findText(QString::fromStdString(p.coefficient_name)));
  }
  PrepareCommon();
  if (p.on_process || p.on_coefficient) x_->setEnabled(false);
  for (auto [up_down, field] : {std::pair{t_up_down_, t_}, {x_up_down_, x_}, {phi_up_down_, phi_}}) {
    const QSignalBlocker block(up_down);
    if (const auto v = Read(field)) up_down->setValue(static_cast<int>(Rnd(*v * 100)));
  }
}

int PointDataDialog::ExecAdd(bool clear_inputs) {
  PrepareAdd(clear_inputs);
  return exec();
}

int PointDataDialog::ExecEdit(int index) {
  PrepareEdit(index);
  return exec();
}

GivenQuantity PointDataDialog::given() const {
  if (given_phi_->isChecked()) return GivenQuantity::RelativeHumidity;
  if (given_i_->isChecked()) return GivenQuantity::Enthalpy;
  return GivenQuantity::Moisture;
}

void PointDataDialog::GivenChosen() {
  const GivenQuantity g = given();
  const bool tied = process_tie_->isChecked() || coefficient_tie_->isChecked();
  x_->setEnabled(g == GivenQuantity::Moisture && !tied);
  x_up_down_->setEnabled(g == GivenQuantity::Moisture);
  phi_->setEnabled(g == GivenQuantity::RelativeHumidity);
  phi_up_down_->setEnabled(g == GivenQuantity::RelativeHumidity);
  i_->setEnabled(g == GivenQuantity::Enthalpy);
  Recompute();
}

void PointDataDialog::FieldEdited(QLineEdit* field) {
  QSpinBox* up_down = field == t_ ? t_up_down_ : field == x_ ? x_up_down_ : field == phi_ ? phi_up_down_ : nullptr;
  if (up_down) {
    if (const auto v = Read(field)) {
      const QSignalBlocker block(up_down);
      const double hundredths = *v * 100;
      if (std::isfinite(hundredths) && std::fabs(hundredths) < 1e9) {
        up_down->setValue(static_cast<int>(Rnd(hundredths)));
      }
    }
  }
  Recompute();
}

void PointDataDialog::UpDownMoved(QSpinBox* up_down, QLineEdit* field) {
  field->setText(UiNumberText(up_down->value() / 100.0));
  Recompute();
}

void PointDataDialog::ShowFields(const PointFieldTexts& f, const QLineEdit* keep) {
  const std::array<std::pair<QLineEdit*, const std::string*>, 8> shown{{
      {x_, &f.x}, {phi_, &f.phi}, {i_, &f.i}, {rho_, &f.rho}, {pp_, &f.pp}, {pa_, &f.pa}, {td_, &f.td}, {tw_, &f.tw}}};
  for (auto [edit, text] : shown) {
    if (edit != keep) edit->setText(QString::fromStdString(*text));
  }
  for (auto [up_down, field] : {std::pair{x_up_down_, x_}, {phi_up_down_, phi_}}) {
    if (field == keep) continue;
    const QSignalBlocker block(up_down);
    if (const auto v = Read(field)) up_down->setValue(static_cast<int>(Rnd(*v * 100)));
  }
}

void PointDataDialog::Recompute() {
  const UnitSystem units = settings_->units;
  const char sep = UiDecimalSeparator();
  const double pb = settings_->pb;
  const bool on_process = process_tie_->isChecked() && process_combo_->currentIndex() >= 0;
  const bool on_coefficient = coefficient_tie_->isChecked() && coefficient_combo_->currentIndex() >= 0;
  if (on_process || on_coefficient) {
    const auto t = Read(t_);
    if (!t) return;
    const double t_si = TemperatureFromDisplay(*t, units);
    const std::string name =
        (on_process ? process_combo_->currentText() : coefficient_combo_->currentText()).toStdString();
    const auto s = on_process ? StateOnProcessLine(*project_, pb, name, t_si)
                              : StateOnCoefficientLine(*project_, pb, name, t_si);
    if (!s) return;
    ShowFields(FieldTextsForState(*s, units, 2, sep), nullptr);
    return;
  }
  const GivenQuantity g = given();
  QLineEdit* typed = g == GivenQuantity::Moisture ? x_ : g == GivenQuantity::RelativeHumidity ? phi_ : i_;
  const auto s = StateFromTypedValues(pb, units, g, t_->text().toStdString(), typed->text().toStdString(), sep);
  if (!s) return;
  ShowFields(FieldTextsForState(*s, units, 4, sep), typed);
}

void PointDataDialog::SetTie(QCheckBox* tie, bool on) {
  QCheckBox* other = tie == process_tie_ ? coefficient_tie_ : process_tie_;
  QComboBox* combo = tie == process_tie_ ? process_combo_ : coefficient_combo_;
  QComboBox* other_combo = tie == process_tie_ ? coefficient_combo_ : process_combo_;
  tie->setChecked(on);
  combo->setEnabled(on);
  if (on) {
    other->setChecked(false);
    other_combo->setEnabled(false);
    other_combo->setCurrentIndex(-1);
  } else {
    combo->setCurrentIndex(-1);
  }
  x_->setEnabled(!on);
}

void PointDataDialog::TieClicked(QCheckBox* tie, bool checked) {
  const bool processes = tie == process_tie_;
  if (checked && (processes ? project_->process_count() : project_->coefficient_count()) == 0) {
    ShowLanguageText(this, processes ? kTextNoProcess : kTextNoCoefficient);
    tie->setChecked(false);
    return;
  }
  SetTie(tie, checked);
  Recompute();
}

void PointDataDialog::UpdateDirectionCaptions() {
  const QString self = name_->text(), other = other_point_->text();
  from_this_->setText("PROCESS " + self + "--->" + other);
  to_this_->setText("PROCESS " + other + "--->" + self);
}

void PointDataDialog::ChooseOtherPoint() {
  if (!points_list_) return;
  if (const auto name = points_list_->ChoosePoint()) other_point_->setText(*name);
}

PointFieldTexts PointDataDialog::ShownFields() const {
  auto s = [](const QLineEdit* e) { return e->text().toStdString(); };
  return {s(x_), s(t_), s(phi_), s(i_), s(rho_), s(pp_), s(pa_), s(td_), s(tw_)};
}

void PointDataDialog::accept() {
  if (StoreFromFields()) QDialog::accept();
}

bool PointDataDialog::StoreFromFields() {
  const UnitSystem units = settings_->units;
  const std::string name = name_->text().toStdString();
  // Negative moisture or humidity (or text that is no number) is refused;
  // an empty field makes OK do nothing (below).
  const auto x_shown = Read(x_), phi_shown = Read(phi_);
  const bool x_wrong = !x_->text().isEmpty() && (!x_shown || *x_shown < 0);
  const bool phi_wrong = !phi_->text().isEmpty() && (!phi_shown || *phi_shown < 0);
  if (x_wrong || phi_wrong) {
    ShowIncorrectInput(this);
    return false;
  }
  if (process_tie_->isChecked() && process_combo_->currentIndex() < 0) SetTie(process_tie_, false);
  if (coefficient_tie_->isChecked() && coefficient_combo_->currentIndex() < 0) SetTie(coefficient_tie_, false);
  if (x_->text().isEmpty() || t_->text().isEmpty() || i_->text().isEmpty()) return false;
  const auto t_shown = Read(t_);
  if (!t_shown) {
    ShowIncorrectInput(this);
    return false;
  }
  const double t_si = TemperatureFromDisplay(*t_shown, units);
  const double x_si = MoistureFromDisplay(*x_shown, units);
  // The ranges widen to the typed point before the limit, name and table
  // checks below, so a point refused by them may still have widened the
  // ranges (the refusals by sign and by empty fields above come first).
  settings_->range = WidenRangeForPoint(settings_->range, t_si, x_si);
  const int limit_text = units == UnitSystem::IP ? StoredPointLimitTextIP(*t_shown, *x_shown)
                                                 : StoredPointLimitText(t_si, x_si);
  if (limit_text != 0) {
    Messages::Show(this, {"ORVANTA", Text(limit_text), QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel,
                          QMessageBox::Ok});
    return false;
  }
  // Another point with that name (the edited point's own name excepted)
  // would make the processes that name it ambiguous.
  bool taken = false;
  for (int k = 0; k < project_->point_count(); ++k)
    taken = taken || (k != edit_index_ && project_->point(k).name == name);
  if (taken) {
    ShowLanguageText(this, kTextDuplicateName);
    return false;
  }
  // A point without a name would be an unused slot.
  if (name.empty()) {
    ShowPointNameMissing(this);
    return false;
  }
  if (!edit_mode() && project_->point_count() >= ChartProject::kPointSlots) {
    ShowPointsFull(this);
    return false;
  }
  // The process group is checked before anything is stored, so that a
  // refusal leaves the project as it was.
  std::optional<AirProcess> process;
  if (create_process_->isChecked()) {
    const std::string other = other_point_->text().toStdString();
    if (other.empty()) {
      ShowPointInfo(this, QString::fromUtf8("WYBIERZ DRUGI PUNKT PRZEMIANY"));
      return false;
    }
    const auto flow = Read(air_flow_);
    if (!flow) {
      ShowIncorrectInput(this);
      return false;
    }
    if (project_->process_count() >= ChartProject::kProcessSlots) {
      ShowProcessesFull(this);
      return false;
    }
    AirProcess p;
    const bool from_this = from_this_->isChecked();
    p.start_point = from_this ? name : other;
    p.end_point = from_this ? other : name;
    p.name = p.start_point + "-" + p.end_point;
    p.draw_line = true;
    p.air_flow = units == UnitSystem::IP ? VolumeFlowToSI(*flow) : *flow;
    process = p;
  }
  const auto state = StateFromShownFields(ShownFields(), units, UiDecimalSeparator());
  if (!state) {
    ShowIncorrectInput(this);
    return false;
  }
  ChartPoint point;
  point.name = name;
  point.description = description_->text().toStdString();
  point.state = *state;
  point.on_process = process_tie_->isChecked();
  point.process_name = point.on_process ? process_combo_->currentText().toStdString() : std::string();
  point.on_coefficient = coefficient_tie_->isChecked();
  point.coefficient_name = point.on_coefficient ? coefficient_combo_->currentText().toStdString() : std::string();
  point.label_position = ChosenLabelPosition(labels_);
  const EditResult stored =
      edit_mode() ? project_->ReplacePoint(edit_index_, point, old_name_) : project_->AddPoint(point);
  if (!stored) {
    ShowPointInfo(this, QString::fromStdString(stored.Message()));
    return false;
  }
  if (process) {
    // Checked above, so only an unforeseen refusal lands here: the point is
    // kept and the user told that the process was not.
    const EditResult joined = project_->AddProcess(*process);
    if (!joined) ShowPointInfo(this, QString::fromStdString(joined.Message()));
  }
  project_->set_modified(true);
  emit projectChanged();
  return true;
}

void PointDataDialog::done(int result) {
  {
    const QSignalBlocker block_process(process_combo_);
    const QSignalBlocker block_coefficient(coefficient_combo_);
    process_combo_->clear();
    coefficient_combo_->clear();
  }
  process_tie_->setChecked(false);
  coefficient_tie_->setChecked(false);
  process_combo_->setEnabled(false);
  coefficient_combo_->setEnabled(false);
  x_->setEnabled(true);
  QDialog::done(result);
}

}  // namespace orvanta
