#include "project/ui/treatment_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/workbench.h"
#include "project/treatment_draw.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/point_dialog_common.h"
#include "project/ui/points_list_window.h"
#include "project/ui/treatment_ui_common.h"
#include "psychro/units.h"

namespace orvanta {

namespace {

QString Fixed(double v, int decimals) { return ShownNumber(v, decimals); }

int DecimalsOf(TreatmentQuantity q) { return q == TreatmentQuantity::Percent ? 1 : 2; }

}  // namespace

TreatmentWindow::TreatmentWindow(Workbench& workbench, QWidget* parent) : QDialog(parent), workbench_(workbench) {
  setObjectName("TForm40");
  RegisterCaptionRows(TreatmentWindowCaptionRows());
  setModal(true);
  setWindowTitle(QString::fromUtf8("OGRZEWANIE POWIETRZA"));

  // Inlet point A.
  auto* inlet_box = new QGroupBox(QString::fromUtf8("PUNKT WLOTOWY A"), this);
  inlet_box->setObjectName("GroupBox2");
  auto* ig = new QGridLayout(inlet_box);
  inlet_name_ = NamedEdit(inlet_box, "Edit1");
  inlet_name_->setReadOnly(true);
  auto* load = NamedButton(inlet_box, "Button1", "WCZYTAJ PUNKT");
  auto* define = NamedButton(inlet_box, "Button2", "DEFINIUJ NOWY");
  inlet_t_ = NamedEdit(inlet_box, "Edit2");
  inlet_phi_ = NamedEdit(inlet_box, "Edit3");
  inlet_t_->setReadOnly(true);
  inlet_phi_->setReadOnly(true);
  inlet_t_unit_ = NamedLabel(inlet_box, "Label5", "oC");
  ig->addWidget(inlet_name_, 0, 0, 1, 2);
  ig->addWidget(load, 0, 2, 1, 2);
  ig->addWidget(define, 0, 4, 1, 2);
  ig->addWidget(NamedLabel(inlet_box, "Label2", "t"), 1, 0);
  ig->addWidget(inlet_t_, 1, 1);
  ig->addWidget(inlet_t_unit_, 1, 2);
  ig->addWidget(NamedLabel(inlet_box, "Label3", "RH"), 1, 3);
  ig->addWidget(inlet_phi_, 1, 4);
  ig->addWidget(NamedLabel(inlet_box, "Label4", "%"), 1, 5);

  // Air flow and the outlet name.
  auto* flow_row = new QGridLayout;
  air_flow_ = NamedEdit(this, "Edit4");
  air_flow_unit_ = NamedLabel(this, "Label7", "m3/h");
  outlet_name_ = NamedEdit(this, "Edit9");
  outlet_name_->setMaxLength(ChartPoint::kNameCapacity);
  flow_row->addWidget(NamedLabel(this, "Label1", QString::fromUtf8("PRZEPŁYW POWIETRZA")), 0, 0);
  flow_row->addWidget(air_flow_, 0, 1);
  flow_row->addWidget(air_flow_unit_, 0, 2);
  flow_row->addWidget(NamedLabel(this, "Label21", "NAZWA PUNKTU WYLOTOWEGO"), 1, 0);
  flow_row->addWidget(outlet_name_, 1, 1);
  air_flow_->setText("1000");
  outlet_name_->setText("2");

  // The two ways of giving the outlet.
  auto* way_box = new QGroupBox("PARAMETRY PROCESU", this);
  way_box->setObjectName("GroupBox4");
  auto* wg = new QGridLayout(way_box);
  way1_ = NamedRadio(way_box, "RadioButton1", "");
  way2_ = NamedRadio(way_box, "RadioButton2", "");
  symbol_in1_ = NamedLabel(way_box, "Label8", "");
  input1_ = NamedEdit(way_box, "Edit5");
  unit_in1_ = NamedLabel(way_box, "Label9", "");
  symbol_res1_ = NamedLabel(way_box, "Label10", "");
  result1_ = NamedEdit(way_box, "Edit6");
  unit_res1_ = NamedLabel(way_box, "Label11", "");
  symbol_in2_ = NamedLabel(way_box, "Label12", "");
  input2_ = NamedEdit(way_box, "Edit7");
  unit_in2_ = NamedLabel(way_box, "Label13", "");
  symbol_res2_ = NamedLabel(way_box, "Label14", "");
  result2_ = NamedEdit(way_box, "Edit8");
  unit_res2_ = NamedLabel(way_box, "Label15", "");
  result1_->setReadOnly(true);
  result2_->setReadOnly(true);
  wg->addWidget(way1_, 0, 0, 1, 6);
  wg->addWidget(symbol_in1_, 1, 0);
  wg->addWidget(input1_, 1, 1);
  wg->addWidget(unit_in1_, 1, 2);
  wg->addWidget(symbol_res1_, 1, 3);
  wg->addWidget(result1_, 1, 4);
  wg->addWidget(unit_res1_, 1, 5);
  wg->addWidget(way2_, 2, 0, 1, 6);
  wg->addWidget(symbol_in2_, 3, 0);
  wg->addWidget(input2_, 3, 1);
  wg->addWidget(unit_in2_, 3, 2);
  wg->addWidget(symbol_res2_, 3, 3);
  wg->addWidget(result2_, 3, 4);
  wg->addWidget(unit_res2_, 3, 5);

  // Coil surface temperature for cooling with a bypass factor.
  coil_group_ = new QGroupBox(this);
  coil_group_->setObjectName("GroupBox6");
  auto* cg = new QHBoxLayout(coil_group_);
  coil_bypass_ = NamedEdit(coil_group_, "Edit14");
  coil_unit_ = NamedLabel(coil_group_, "Label22", "oC");
  cg->addWidget(NamedLabel(coil_group_, "Label24", QString::fromUtf8("TEMPERATURA POWIERZCHNI CHŁODNICY tscc")));
  cg->addWidget(coil_bypass_);
  cg->addWidget(coil_unit_);

  // SHR or coil temperature for cooling with SHR and condensing dehumidification.
  shr_group_ = new QGroupBox(this);
  shr_group_->setObjectName("GroupBox5");
  auto* sg = new QGridLayout(shr_group_);
  by_shr_ = NamedRadio(shr_group_, "RadioButton3", "SHR");
  by_coil_ = NamedRadio(shr_group_, "RadioButton4", "tscc");
  shr_ = NamedEdit(shr_group_, "Edit12");
  coil_shr_ = NamedEdit(shr_group_, "Edit13");
  coil_shr_unit_ = NamedLabel(shr_group_, "Label26", "oC");
  shr_->setText("75");
  sg->addWidget(by_shr_, 0, 0);
  sg->addWidget(shr_, 0, 1);
  sg->addWidget(NamedLabel(shr_group_, "Label25", "%"), 0, 2);
  sg->addWidget(by_coil_, 1, 0);
  sg->addWidget(coil_shr_, 1, 1);
  sg->addWidget(coil_shr_unit_, 1, 2);

  // Results.
  auto* results = new QGroupBox("WYNIKI", this);
  results->setObjectName("GroupBox3");
  auto* rg = new QGridLayout(results);
  outlet_t_ = NamedEdit(results, "Edit11");
  outlet_phi_ = NamedEdit(results, "Edit10");
  outlet_t_->setReadOnly(true);
  outlet_phi_->setReadOnly(true);
  outlet_t_unit_ = NamedLabel(results, "Label18", "oC");
  rg->addWidget(NamedLabel(results, "Label17", "t2"), 0, 0);
  rg->addWidget(outlet_t_, 0, 1);
  rg->addWidget(outlet_t_unit_, 0, 2);
  rg->addWidget(NamedLabel(results, "Label19", "RH2"), 1, 0);
  rg->addWidget(outlet_phi_, 1, 1);
  rg->addWidget(NamedLabel(results, "Label20", "%"), 1, 2);
  // A second air-flow caption of the form, not shown in this layout.
  NamedLabel(results, "Label16", QString::fromUtf8("PRZEPŁYW POWIETRZA"))->hide();

  auto* calculate = NamedButton(this, "Button3", "OBLICZ");
  auto* draw = NamedButton(this, "Button4", "RYSUJ PRZEMIANĘ");
  auto* close = NamedButton(this, "BitBtn1", "ZAMKNIJ");
  calculate->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(calculate);
  buttons->addWidget(draw);
  buttons->addStretch(1);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(inlet_box);
  layout->addLayout(flow_row);
  layout->addWidget(way_box);
  layout->addWidget(coil_group_);
  layout->addWidget(shr_group_);
  layout->addWidget(results);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(load, &QPushButton::clicked, this, &TreatmentWindow::ChooseInlet);
  connect(define, &QPushButton::clicked, this, &TreatmentWindow::DefineNewInlet);
  connect(way1_, &QRadioButton::clicked, this, &TreatmentWindow::WayChosen);
  connect(way2_, &QRadioButton::clicked, this, &TreatmentWindow::WayChosen);
  connect(by_shr_, &QRadioButton::clicked, this, &TreatmentWindow::CoilWayChosen);
  connect(by_coil_, &QRadioButton::clicked, this, &TreatmentWindow::CoilWayChosen);
  connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });
  connect(draw, &QPushButton::clicked, this, &TreatmentWindow::Draw);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  way1_->setChecked(true);
  by_shr_->setChecked(true);
  WayChosen();
  CoilWayChosen();
  ApplyLanguageTexts(this);
  Prepare(TreatmentKind::Heating);
}

void TreatmentWindow::Prepare(TreatmentKind kind) {
  kind_ = kind;
  const TreatmentCaptions& c = CaptionsOf(kind);
  const QString title = Text(c.window_caption);
  if (!title.isEmpty()) setWindowTitle(title);
  way1_->setText(Text(c.radio1));
  way2_->setText(Text(c.radio2));
  coil_group_->setVisible(c.group == TreatmentGroup::CoilTemperature);
  shr_group_->setVisible(c.group == TreatmentGroup::Shr);
  ApplyUnitLabels();
  for (QLineEdit* e : {input1_, result1_, input2_, result2_, outlet_t_, outlet_phi_}) e->clear();
  adjustSize();
}

int TreatmentWindow::Open(TreatmentKind kind) {
  Prepare(kind);
  ShowInlet();
  return exec();
}

void TreatmentWindow::ApplyUnitLabels() {
  const UnitSystem u = workbench_.units();
  const TreatmentCaptions& c = CaptionsOf(kind_);
  const QString temperature = UnitLabel(TreatmentQuantity::Temperature, u);
  for (QLabel* l : {inlet_t_unit_, outlet_t_unit_, coil_unit_, coil_shr_unit_}) l->setText(temperature);
  air_flow_unit_->setText(AirFlowUnitLabel(u));
  const std::pair<QLabel*, QLabel*> labels[] = {
      {symbol_in1_, unit_in1_}, {symbol_res1_, unit_res1_}, {symbol_in2_, unit_in2_}, {symbol_res2_, unit_res2_}};
  const TreatmentLine lines[] = {c.input1, c.result1, c.input2, c.result2};
  for (int k = 0; k < 4; ++k) {
    labels[k].first->setText(lines[k].symbol);
    labels[k].second->setText(UnitLabel(lines[k].quantity, u));
  }
}

void TreatmentWindow::ClearInputs() {
  for (QLineEdit* e : {input1_, result1_, input2_, result2_, outlet_t_, outlet_phi_, coil_bypass_, coil_shr_})
    e->clear();
  // The flow was typed in the other unit system.
  air_flow_->setText("1000");
  ApplyUnitLabels();
  ShowInlet();
}

void TreatmentWindow::ForgetInlet() {
  inlet_.reset();
  inlet_name_->clear();
  ShowInlet();
}

void TreatmentWindow::WayChosen() {
  const bool first = way1_->isChecked();
  input1_->setEnabled(first);
  input2_->setEnabled(!first);
  if (first) {
    for (QLineEdit* e : {result1_, input2_, result2_, outlet_phi_, outlet_t_}) e->clear();
  } else {
    for (QLineEdit* e : {input1_, result1_, result2_, outlet_phi_, outlet_t_}) e->clear();
  }
}

void TreatmentWindow::CoilWayChosen() {
  const bool shr = by_shr_->isChecked();
  (shr ? coil_shr_ : shr_)->clear();
  coil_shr_->setEnabled(!shr);
  shr_->setEnabled(shr);
}

bool TreatmentWindow::LoadInlet(const QString& name) {
  const int k = workbench_.project().FindPoint(name.toStdString());
  if (k < 0) return false;
  inlet_ = workbench_.project().point(k).state;
  inlet_name_->setText(name);
  ShowInlet();
  return true;
}

void TreatmentWindow::ShowInlet() {
  if (!inlet_) {
    inlet_t_->clear();
    inlet_phi_->clear();
    return;
  }
  const UnitSystem u = workbench_.units();
  inlet_t_->setText(Fixed(u == UnitSystem::IP ? TemperatureToIP(inlet_->t) : inlet_->t, 2));
  inlet_phi_->setText(Fixed(inlet_->phi * 100, 2));
}

void TreatmentWindow::ChooseInlet() {
  auto* list = workbench_.dialog_parent()->findChild<PointsListWindow*>("TForm31");
  if (!list) return;
  if (const std::optional<QString> name = list->ChoosePoint()) LoadInlet(*name);
}

// A point defined here is the one the user means to treat: it is loaded.
void TreatmentWindow::DefineNewInlet() {
  auto* data = workbench_.dialog_parent()->findChild<PointDataDialog*>("TForm29");
  if (!data) return;
  const int before = workbench_.project().point_count();
  data->ExecAdd(true);
  const ChartProject& project = workbench_.project();
  if (project.point_count() > before) LoadInlet(QString::fromStdString(project.point(project.point_count() - 1).name));
}

void TreatmentWindow::ShowFailure(const TreatmentFailure& f) {
  QString text = f.text ? Text(f.text) : QString::fromStdString(TreatmentMessageText(f.message, PolishTicked()));
  if (f.appended) {
    const double shown = workbench_.units() == UnitSystem::IP ? TemperatureToIP(*f.appended) : *f.appended;
    text += Fixed(shown, 2);
  }
  Messages::Info(this, "ORVANTA INFO", text);
}

std::optional<TreatmentOutcome> TreatmentWindow::Compute(const TreatmentInlet& in) {
  const UnitSystem u = workbench_.units();
  const TreatmentCaptions& c = CaptionsOf(kind_);
  const bool first = way1_->isChecked();
  // A field that does not hold a number stops the calculation quietly.
  auto read = [u](const QLineEdit* e, TreatmentQuantity q) -> std::optional<double> {
    const std::optional<double> typed = ReadTypedNumber(e, BadNumberPolicy::Ignore());
    if (!typed) return std::nullopt;
    return TypedToTreatmentValue(q, *typed, u);
  };
  const std::optional<double> v =
      first ? read(input1_, c.input1.quantity) : read(input2_, c.input2.quantity);
  if (!v) return std::nullopt;
  const bool coil_line = !by_shr_->isChecked();
  std::optional<double> shr_or_coil;
  if (c.group == TreatmentGroup::Shr) {
    shr_or_coil = coil_line ? read(coil_shr_, TreatmentQuantity::Temperature) : read(shr_, TreatmentQuantity::Percent);
    if (!shr_or_coil) return std::nullopt;
  }
  switch (kind_) {
    case TreatmentKind::Heating:
      return first ? HeatingToTemperature(in, *v) : HeatingByLoad(in, *v);
    case TreatmentKind::CoolingBypass: {
      const std::optional<double> tscc = read(coil_bypass_, TreatmentQuantity::Temperature);
      if (!tscc) return std::nullopt;
      return CoolingWithBypassFactor(in, *tscc, *v);
    }
    case TreatmentKind::CoolingShr:
      if (coil_line) return first ? CoolingCoilToTemperature(in, *shr_or_coil, *v) : CoolingCoilByLoad(in, *shr_or_coil, *v);
      return first ? CoolingShrToTemperature(in, *shr_or_coil, *v) : CoolingShrByLoad(in, *shr_or_coil, *v);
    case TreatmentKind::AdiabaticCooling:
      return first ? AdiabaticToTemperature(in, *v) : AdiabaticByEfficiency(in, *v);
    case TreatmentKind::SteamHumidification:
      return first ? SteamHumidificationByWater(in, *v) : SteamHumidificationToTarget(in, *v);
    case TreatmentKind::WaterHumidification:
      return first ? WaterHumidificationByWater(in, *v) : WaterHumidificationToTarget(in, *v);
    case TreatmentKind::DesiccantDehumidification:
      return first ? DesiccantByWater(in, *v) : DesiccantToTarget(in, *v);
    case TreatmentKind::CondensingDehumidification:
      if (coil_line) return first ? CondensingCoilByWater(in, *shr_or_coil, *v) : CondensingCoilToTarget(in, *shr_or_coil, *v);
      return first ? CondensingShrByWater(in, *shr_or_coil, *v) : CondensingShrToTarget(in, *shr_or_coil, *v);
  }
  return std::nullopt;
}

std::optional<TreatmentResult> TreatmentWindow::Calculate() {
  const UnitSystem u = workbench_.units();
  if (air_flow_->text().trimmed().isEmpty()) {
    Messages::Info(this, "ORVANTA INFO", Text(kTextAirFlowEmpty));
    return std::nullopt;
  }
  const std::optional<double> typed_flow = ReadTypedNumber(air_flow_, BadNumberPolicy::Ignore());
  if (!typed_flow) return std::nullopt;
  if (!inlet_) {
    Messages::Info(this, "ORVANTA INFO", InletMissingText());
    return std::nullopt;
  }
  TreatmentInlet in;
  in.a = *inlet_;
  in.pb = workbench_.pressure();
  in.air_flow = u == UnitSystem::IP ? VolumeFlowToSI(*typed_flow) : *typed_flow;

  const std::optional<TreatmentOutcome> outcome = Compute(in);
  if (!outcome) return std::nullopt;
  const bool first = way1_->isChecked();
  QLineEdit* result_field = first ? result1_ : result2_;
  if (!outcome->ok()) {
    for (QLineEdit* e : {result_field, outlet_t_, outlet_phi_}) e->clear();
    ShowFailure(outcome->failure());
    return std::nullopt;
  }
  const TreatmentResult& r = outcome->result();
  const TreatmentCaptions& c = CaptionsOf(kind_);
  const TreatmentQuantity q = first ? c.result1.quantity : c.result2.quantity;
  // The bypass factor's first way shows the outlet temperature, not the load.
  const double value = kind_ == TreatmentKind::CoolingBypass && first ? r.t2 : r.value;
  result_field->setText(Fixed(TreatmentValueToShown(q, value, u), DecimalsOf(q)));
  outlet_t_->setText(Fixed(TreatmentValueToShown(TreatmentQuantity::Temperature, r.t2, u), 2));
  const bool shows_target = !first && (kind_ == TreatmentKind::SteamHumidification ||
                                       kind_ == TreatmentKind::WaterHumidification);
  const double phi_shown = shows_target ? *ReadTypedNumber(input2_, BadNumberPolicy::Ignore()) : r.phi2 * 100;
  outlet_phi_->setText(Fixed(phi_shown, 1));
  return r;
}

void TreatmentWindow::Draw() {
  const std::optional<TreatmentResult> r = Calculate();
  if (!r) return;
  ChartProject& project = workbench_.project();
  const std::string outlet = outlet_name_->text().trimmed().toStdString();
  if (outlet.empty()) {
    ShowPointNameMissing(this);
    return;
  }
  const std::optional<double> typed_flow = ReadTypedNumber(air_flow_, BadNumberPolicy::Ignore());
  const double flow = workbench_.units() == UnitSystem::IP ? VolumeFlowToSI(*typed_flow) : *typed_flow;
  const DrawOutcome out = DrawTreatment(project, inlet_name_->text().toStdString(), outlet, *r, flow,
                                        OutletLabelPosition(kind_));
  if (out.point_added) {
    project.set_modified(true);
    workbench_.RequestFullRedraw();
    emit projectChanged();
  }
  if (out.ok()) {
    accept();
    return;
  }
  ReportDrawRefusal(this, out, QString::fromStdString(outlet));
}

}  // namespace orvanta
