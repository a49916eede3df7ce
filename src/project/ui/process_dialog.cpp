#include "project/ui/process_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/workbench.h"
#include "project/process_list.h"
#include "project/ui/point_dialog_common.h"
#include "psychro/number_text.h"
#include "psychro/units.h"

namespace orvanta {
namespace {

QLineEdit* NewEdit(QWidget* parent, const char* name, bool read_only = false) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setReadOnly(read_only);
  return e;
}

QString OneDecimal(double v) { return QString::fromStdString(NumberText(RoundTo(v, -1), UiDecimalSeparator())); }

}  // namespace

ProcessDialog::ProcessDialog(Workbench& workbench, QWidget* parent) : QDialog(parent), workbench_(workbench) {
  setObjectName("TForm30");
  RegisterCaptionRows(ProcessDialogCaptionRows());
  setWindowTitle("DEFINICJA PRZEMIANY POWIETRZA");
  setModal(true);

  auto* grid = new QGridLayout;
  name_ = NewEdit(this, "Edit1");
  name_->setMaxLength(AirProcess::kNameCapacity);
  grid->addWidget(NamedLabel(this, "Label1", "NAZWA PRZEMIANY"), 0, 0);
  grid->addWidget(name_, 0, 1, 1, 3);

  auto* load_start = new QPushButton("WCZYTAJ 1 PUNKT...", this);
  load_start->setObjectName("Button2");
  load_start->setAutoDefault(false);
  auto* load_end = new QPushButton("WCZYTAJ 2 PUNKT ...", this);
  load_end->setObjectName("Button3");
  load_end->setAutoDefault(false);
  start_ = NewEdit(this, "Edit2", true);
  end_ = NewEdit(this, "Edit3", true);
  start_enthalpy_ = NamedLabel(this, "Label2", "");
  end_enthalpy_ = NamedLabel(this, "Label3", "");
  enthalpy_unit_ = NamedLabel(this, "Label7", "kJ/kg");
  grid->addWidget(NamedLabel(this, "Label5", "ENTALPIA"), 1, 2);
  grid->addWidget(enthalpy_unit_, 1, 3);
  grid->addWidget(load_start, 2, 0);
  grid->addWidget(start_, 2, 1);
  grid->addWidget(start_enthalpy_, 2, 2, 1, 2);
  grid->addWidget(load_end, 3, 0);
  grid->addWidget(end_, 3, 1);
  grid->addWidget(end_enthalpy_, 3, 2, 1, 2);

  auto* flow_box = new QGroupBox(this);
  auto* fg = new QGridLayout(flow_box);
  by_volume_ = new QRadioButton("OBJĘTOŚĆ POWIETRZA", flow_box);
  by_volume_->setObjectName("RadioButton1");
  by_mass_ = new QRadioButton("MASA POWIETRZA", flow_box);
  by_mass_->setObjectName("RadioButton2");
  by_volume_->setChecked(true);
  volume_si_ = NewEdit(flow_box, "Edit4");
  mass_si_ = NewEdit(flow_box, "Edit5");
  volume_ip_ = NewEdit(flow_box, "Edit6");
  mass_ip_ = NewEdit(flow_box, "Edit7");
  fg->addWidget(by_volume_, 0, 0, 1, 4);
  fg->addWidget(NamedLabel(flow_box, "Label4", "STRUMIEŃ OBJĘTOŚCI"), 1, 0);
  fg->addWidget(volume_si_, 1, 1);
  fg->addWidget(new QLabel("m3/h", flow_box), 1, 2);
  fg->addWidget(volume_ip_, 1, 3);
  fg->addWidget(new QLabel("cfm", flow_box), 1, 4);
  fg->addWidget(by_mass_, 2, 0, 1, 4);
  fg->addWidget(NamedLabel(flow_box, "Label6", "STRUMIEŃ MASY"), 3, 0);
  fg->addWidget(mass_si_, 3, 1);
  fg->addWidget(new QLabel("kg/h", flow_box), 3, 2);
  fg->addWidget(mass_ip_, 3, 3);
  fg->addWidget(new QLabel("lb/h", flow_box), 3, 4);

  draw_line_ = new QCheckBox("RYSUJ LINIĘ POMIĘDZY PUNKTAMI", this);
  draw_line_->setObjectName("CheckBox1");
  draw_line_->setChecked(true);
  link_ = new QCheckBox("AUTOMATYCZNIE WYZNACZ ILOŚĆ POWIETRZA WZGLĘDEM", this);
  link_->setObjectName("CheckBox2");
  link_->setToolTip(
      "Ilość powietrza zostanie wyznaczona z zysków ciepła współczynnika kierunkowego i przypisana wszystkim "
      "przemianom");
  coefficients_ = new QComboBox(this);
  coefficients_->setObjectName("ComboBox1");

  const DialogButtons buttons = MakeDialogButtons(this, "Button1", "OK", "BitBtn1", "ANULUJ");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(flow_box);
  layout->addWidget(draw_line_);
  layout->addWidget(link_);
  layout->addWidget(coefficients_);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buttons.accept, &QPushButton::clicked, this, &ProcessDialog::accept);
  connect(buttons.cancel, &QPushButton::clicked, this, &ProcessDialog::reject);
  connect(load_start, &QPushButton::clicked, this, [this] { ChoosePoint(start_); });
  connect(load_end, &QPushButton::clicked, this, [this] { ChoosePoint(end_); });
  for (QRadioButton* b : {by_volume_, by_mass_}) connect(b, &QRadioButton::clicked, this, &ProcessDialog::EnableFlowFields);
  for (QLineEdit* e : {volume_si_, mass_si_, volume_ip_, mass_ip_}) {
    connect(e, &QLineEdit::textEdited, this, [this, e] { FlowTyped(e); });
  }
  connect(link_, &QCheckBox::clicked, this, &ProcessDialog::LinkClicked);
  connect(coefficients_, &QComboBox::activated, this, &ProcessDialog::CoefficientChosen);

  PrepareAdd();
  if (ActiveLanguageNumber() != 0) ApplyLanguageTexts(this);
}

bool ProcessDialog::flow_as_mass() const { return by_mass_->isChecked(); }

void ProcessDialog::ChooseVolumeFlow() {
  by_volume_->setChecked(true);
  EnableFlowFields();
}

void ProcessDialog::ApplyUnitTexts() {
  enthalpy_unit_->setText(workbench_.units() == UnitSystem::IP ? "BTU/lb" : "kJ/kg");
}

void ProcessDialog::EnableFlowFields() {
  const bool ip = workbench_.units() == UnitSystem::IP;
  const bool mass = by_mass_->isChecked();
  const bool linked = link_->isChecked();
  volume_si_->setEnabled(!ip && !mass && !linked);
  mass_si_->setEnabled(!ip && mass && !linked);
  volume_ip_->setEnabled(ip && !mass && !linked);
  mass_ip_->setEnabled(ip && mass && !linked);
}

void ProcessDialog::PrepareCommon() {
  ApplyUnitTexts();
  {
    const QSignalBlocker block(coefficients_);
    coefficients_->clear();
    const ChartProject& project = workbench_.project();
    for (int k = 0; k < project.coefficient_count(); ++k) {
      coefficients_->addItem(QString::fromStdString(project.coefficient(k).name));
    }
    coefficients_->setCurrentIndex(-1);
  }
  link_->setChecked(false);
  coefficients_->setEnabled(false);
}

void ProcessDialog::PrepareAdd() {
  edit_index_ = -1;
  for (QLineEdit* e : {name_, start_, end_, volume_si_, mass_si_, volume_ip_, mass_ip_}) e->clear();
  volume_m3h_.reset();
  typed_ = nullptr;
  draw_line_->setChecked(true);
  PrepareCommon();
  PointsChanged();
  EnableFlowFields();
  name_->setFocus();
}

void ProcessDialog::PrepareEdit(int index) {
  PrepareAdd();
  const ChartProject& project = workbench_.project();
  if (index < 0 || index >= project.process_count()) return;
  edit_index_ = index;
  const AirProcess& p = project.process(index);
  name_->setText(QString::fromStdString(p.name));
  start_->setText(QString::fromStdString(p.start_point));
  end_->setText(QString::fromStdString(p.end_point));
  draw_line_->setChecked(p.draw_line);
  volume_m3h_ = p.air_flow;
  typed_ = nullptr;  // all four fields show the stored flow
  const AirFlowLink& link = project.air_flow_link();
  if (link.enabled && link.process_name == p.name) {
    link_->setChecked(true);
    coefficients_->setEnabled(true);
    coefficients_->setCurrentIndex(coefficients_->findText(QString::fromStdString(link.coefficient_name)));
  }
  PointsChanged();
  EnableFlowFields();
}

int ProcessDialog::ExecAdd() {
  PrepareAdd();
  return exec();
}

int ProcessDialog::ExecEdit(int index) {
  PrepareEdit(index);
  return exec();
}

std::optional<AirState> ProcessDialog::StateOf(const QLineEdit* field) const {
  const ChartProject& project = workbench_.project();
  const int k = project.FindPoint(field->text().toStdString());
  if (field->text().isEmpty() || k < 0) return std::nullopt;
  return project.point(k).state;
}

void ProcessDialog::ChoosePoint(QLineEdit* field) {
  if (!choose_point_) return;
  if (const auto name = choose_point_()) {
    field->setText(*name);
    PointsChanged();
  }
}

void ProcessDialog::PointsChanged() {
  const bool ip = workbench_.units() == UnitSystem::IP;
  for (auto [field, label] : {std::pair{start_, start_enthalpy_}, {end_, end_enthalpy_}}) {
    const auto s = StateOf(field);
    label->setText(s ? QString::fromStdString(NumberText(RoundTo(ip ? EnthalpyToIP(s->i) : s->i, -2),
                                                         UiDecimalSeparator()))
                     : QString());
  }
  if (link_->isChecked() && coefficients_->currentIndex() >= 0) {
    FlowFromCoefficient(false);
  } else if (typed_) {
    FlowTyped(typed_);
  } else {
    ShowFlows();
  }
}

void ProcessDialog::FlowTyped(QLineEdit* field) {
  typed_ = field;
  const auto v = ParseTypedNumber(field->text());
  if (!v) return;  // not a number: the other fields stay as they are
  const auto start = StateOf(start_);
  std::optional<FlowViews> views;
  if (start) {
    const double rho = start->rho;
    if (field == volume_si_) views = FlowViewsFromVolume(*v, rho);
    if (field == mass_si_) views = FlowViewsFromMass(*v, rho);
    if (field == volume_ip_) views = FlowViewsFromCfm(*v, rho);
    if (field == mass_ip_) views = FlowViewsFromLbPerHour(*v, rho);
  }
  if (views) {
    volume_m3h_ = views->volume_m3h;
  } else if (field == volume_si_) {
    volume_m3h_ = *v;  // the stored flow itself needs no density
  } else if (field == volume_ip_) {
    volume_m3h_ = VolumeFlowToSI(*v);
  } else {
    return;  // a mass flow needs the start point's density
  }
  ShowFlows();
}

void ProcessDialog::ShowFlows() {
  if (!volume_m3h_) return;
  const auto start = StateOf(start_);
  const auto views = start ? FlowViewsFromVolume(*volume_m3h_, start->rho) : std::nullopt;
  if (typed_ != volume_si_) volume_si_->setText(OneDecimal(*volume_m3h_));
  if (!views) return;
  if (typed_ != mass_si_) mass_si_->setText(OneDecimal(views->mass_kg_h));
  if (typed_ != volume_ip_) volume_ip_->setText(OneDecimal(views->volume_cfm));
  if (typed_ != mass_ip_) mass_ip_->setText(OneDecimal(views->mass_lb_h));
}

void ProcessDialog::LinkClicked(bool checked) {
  const ChartProject& project = workbench_.project();
  if (checked && project.coefficient_count() == 0) {
    ShowLanguageText(this, kTextNoCoefficients);
    link_->setChecked(false);
  } else if (checked && (!StateOf(start_) || !StateOf(end_))) {
    ShowLanguageText(this, kTextLinkNeedsPoints);
    link_->setChecked(false);
  }
  coefficients_->setEnabled(link_->isChecked());
  if (!link_->isChecked()) coefficients_->setCurrentIndex(-1);
  EnableFlowFields();
}

void ProcessDialog::CoefficientChosen() { FlowFromCoefficient(true); }

void ProcessDialog::FlowFromCoefficient(bool tell) {
  const ChartProject& project = workbench_.project();
  const int k = project.FindCoefficient(coefficients_->currentText().toStdString());
  const auto a = StateOf(start_), b = StateOf(end_);
  if (k < 0 || !a || !b) return;
  const DirectionCoefficient& c = project.coefficient(k);
  const bool same = start_->text() == end_->text();
  const auto flow = AirFlowFromCoefficient(c, *a, *b, same, UiDecimalSeparator());
  if (!flow) {
    if (!tell) return;
    const auto gain = ParseNumber(c.heat_gain, UiDecimalSeparator());
    if (!gain) {
      ShowLanguageText(this, kTextCoefficientWithoutGain);
      coefficients_->setCurrentIndex(-1);
      link_->setChecked(false);
      coefficients_->setEnabled(false);
      EnableFlowFields();
    } else {
      ShowPointInfo(this, "Punkty przemiany mają tę samą entalpię: zysków ciepła nie da się przenieść tą przemianą.");
    }
    return;
  }
  volume_m3h_ = *flow;
  typed_ = nullptr;
  ShowFlows();
  typed_ = volume_si_;
}

void ProcessDialog::accept() {
  if (StoreFromFields()) QDialog::accept();
}

bool ProcessDialog::StoreFromFields() {
  ChartProject& project = workbench_.project();
  const std::string name = name_->text().toStdString();
  if (name.empty()) {
    ShowLanguageText(this, kTextProcessNameEmpty);
    return false;
  }
  if (start_->text().isEmpty()) {
    ShowLanguageText(this, kTextProcessStartEmpty);
    return false;
  }
  if (end_->text().isEmpty()) {
    ShowLanguageText(this, kTextProcessEndEmpty);
    return false;
  }
  if (volume_si_->text().isEmpty() || !volume_m3h_) {
    ShowLanguageText(this, kTextProcessFlowEmpty);
    return false;
  }
  const double flow = *volume_m3h_;
  if (!std::isfinite(flow) || flow < 0 || flow > kMaxAirFlow) {
    ShowIncorrectInput(this);
    return false;
  }
  if (!edit_mode() && project.process_count() >= ChartProject::kProcessSlots) {
    ShowProcessesFull(this);
    return false;
  }
  const bool linked = link_->isChecked() && coefficients_->currentIndex() >= 0;
  AirProcess p;
  if (edit_mode()) p = project.process(edit_index_);
  const std::string old_name = p.name;
  p.name = name;
  p.start_point = start_->text().toStdString();
  p.end_point = end_->text().toStdString();
  p.draw_line = draw_line_->isChecked();
  p.air_flow = flow;
  const EditResult stored = edit_mode() ? project.ReplaceProcess(edit_index_, p) : project.AddProcess(p);
  if (!stored) {
    ShowPointInfo(this, QString::fromStdString(stored.Message()));
    return false;
  }
  const std::string kept_name = FitToCapacity(p).name;
  AirFlowLink link = project.air_flow_link();
  if (linked) {
    link.enabled = true;
    link.process_name = kept_name;
    link.coefficient_name = coefficients_->currentText().toStdString();
    // The flow that carries the coefficient's gain goes to every process.
    for (int k = 0; k < project.process_count(); ++k) {
      AirProcess other = project.process(k);
      other.air_flow = flow;
      (void)project.ReplaceProcess(k, other);
    }
  } else if (!link.process_name.empty() && (link.process_name == old_name || link.process_name == kept_name)) {
    // This process no longer carries the link.
    link.enabled = false;
    link.process_name.clear();
  }
  project.SetAirFlowLink(link);
  project.set_modified(true);
  emit projectChanged();
  return true;
}

void ProcessDialog::done(int result) {
  for (QLineEdit* e : {name_, start_, end_, volume_si_, mass_si_, volume_ip_, mass_ip_}) e->clear();
  volume_m3h_.reset();
  typed_ = nullptr;
  draw_line_->setChecked(true);
  edit_index_ = -1;
  QDialog::done(result);
}

}  // namespace orvanta
