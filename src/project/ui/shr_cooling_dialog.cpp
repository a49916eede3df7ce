#include "project/ui/shr_cooling_dialog.h"

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
#include "psychro/number_text.h"

namespace orvanta {

ShrCoolingDialog::ShrCoolingDialog(Workbench& workbench, QWidget* parent) : QDialog(parent), workbench_(workbench) {
  setObjectName("TForm39");
  RegisterCaptionRows(ShrCoolingDialogCaptionRows());
  setModal(true);
  setWindowTitle("COOLING POINTS USING SHR FACTOR");

  auto* point_box = new QGroupBox("POINT 1", this);
  point_box->setObjectName("GroupBox1");
  auto* pg = new QGridLayout(point_box);
  name1_ = NamedEdit(point_box, "Edit1");
  name1_->setReadOnly(true);
  t1_ = NamedEdit(point_box, "Edit2");
  phi1_ = NamedEdit(point_box, "Edit3");
  t1_->setReadOnly(true);
  phi1_->setReadOnly(true);
  auto* load = NamedButton(point_box, "Button1", "LOAD POINT");
  auto* define = NamedButton(point_box, "Button2", "DEFINE NEW");
  pg->addWidget(name1_, 0, 0, 1, 2);
  pg->addWidget(load, 0, 2, 1, 2);
  pg->addWidget(define, 0, 4, 1, 2);
  pg->addWidget(NamedLabel(point_box, "Label1", "t1"), 1, 0);
  pg->addWidget(t1_, 1, 1);
  pg->addWidget(NamedLabel(point_box, "Label2", "oC"), 1, 2);
  pg->addWidget(NamedLabel(point_box, "Label3", "RH1"), 1, 3);
  pg->addWidget(phi1_, 1, 4);
  pg->addWidget(NamedLabel(point_box, "Label4", "%"), 1, 5);

  auto* cooling = new QGroupBox("COOLING PARAMETERS", this);
  cooling->setObjectName("GroupBox2");
  auto* cg = new QGridLayout(cooling);
  by_temperature_ = NamedRadio(cooling, "RadioButton3", "DBT 2");
  by_humidity_ = NamedRadio(cooling, "RadioButton4", "RH2");
  target_t_ = NamedEdit(cooling, "Edit7");
  target_phi_ = NamedEdit(cooling, "Edit13");
  shr_ = NamedEdit(cooling, "Edit5");
  new_name_ = NamedEdit(cooling, "Edit4");
  new_name_->setMaxLength(ChartPoint::kNameCapacity);
  target_t_->setText(UiNumberText(9.5));
  target_phi_->setText("98");
  shr_->setText("75");
  new_name_->setText("2");
  cg->addWidget(by_temperature_, 0, 0);
  cg->addWidget(target_t_, 0, 1);
  cg->addWidget(NamedLabel(cooling, "Label5", "oC"), 0, 2);
  cg->addWidget(by_humidity_, 1, 0);
  cg->addWidget(target_phi_, 1, 1);
  cg->addWidget(NamedLabel(cooling, "Label6", "%"), 1, 2);
  cg->addWidget(NamedLabel(cooling, "Label8", "SHR"), 2, 0);
  cg->addWidget(shr_, 2, 1);
  cg->addWidget(NamedLabel(cooling, "Label9", "%"), 2, 2);
  cg->addWidget(NamedLabel(cooling, "Label11", "NAME OF POINT 2"), 3, 0);
  cg->addWidget(new_name_, 3, 1);

  auto* flow_box = new QGroupBox(this);
  flow_box->setObjectName("GroupBox4");
  auto* fg = new QGridLayout(flow_box);
  flow_given_ = NamedRadio(flow_box, "RadioButton1", "V given, Qc calculated");
  load_way_ = NamedRadio(flow_box, "RadioButton2", "Qt given, V calculated");
  flow_ = NamedEdit(flow_box, "Edit6");
  load_ = NamedEdit(flow_box, "Edit8");
  load_given_ = NamedEdit(flow_box, "Edit9");
  flow_found_ = NamedEdit(flow_box, "Edit10");
  load_->setReadOnly(true);
  flow_found_->setReadOnly(true);
  flow_->setText("1000");
  fg->addWidget(flow_given_, 0, 0, 1, 6);
  fg->addWidget(NamedLabel(flow_box, "Label7", "AIR FLOW"), 1, 0);
  fg->addWidget(flow_, 1, 1);
  fg->addWidget(NamedLabel(flow_box, "Label12", "m3/h"), 1, 2);
  fg->addWidget(NamedLabel(flow_box, "Label13", "Qc-->"), 1, 3);
  fg->addWidget(load_, 1, 4);
  fg->addWidget(NamedLabel(flow_box, "Label14", "kW"), 1, 5);
  fg->addWidget(load_way_, 2, 0, 1, 6);
  fg->addWidget(NamedLabel(flow_box, "Label15", "Qt"), 3, 0);
  fg->addWidget(load_given_, 3, 1);
  fg->addWidget(NamedLabel(flow_box, "Label16", "kW"), 3, 2);
  fg->addWidget(NamedLabel(flow_box, "Label10", "AIR FLOW"), 3, 3);
  fg->addWidget(flow_found_, 3, 4);
  fg->addWidget(NamedLabel(flow_box, "Label17", "m3/h"), 3, 5);

  auto* results = new QGroupBox("RESULTS", this);
  results->setObjectName("GroupBox3");
  auto* rg = new QGridLayout(results);
  t2_ = NamedEdit(results, "Edit11");
  phi2_ = NamedEdit(results, "Edit12");
  t2_->setReadOnly(true);
  phi2_->setReadOnly(true);
  rg->addWidget(NamedLabel(results, "Label18", "t2"), 0, 0);
  rg->addWidget(t2_, 0, 1);
  rg->addWidget(NamedLabel(results, "Label19", "oC"), 0, 2);
  rg->addWidget(NamedLabel(results, "Label20", "RH2"), 1, 0);
  rg->addWidget(phi2_, 1, 1);
  rg->addWidget(NamedLabel(results, "Label21", "%"), 1, 2);

  auto* calculate = NamedButton(this, "BitBtn1", "CALCULATE");
  auto* draw = NamedButton(this, "BitBtn3", "DRAW PROCES");
  auto* close = NamedButton(this, "BitBtn2", "CLOSE");
  calculate->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(calculate);
  buttons->addWidget(draw);
  buttons->addStretch(1);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(point_box);
  layout->addWidget(cooling);
  layout->addWidget(flow_box);
  layout->addWidget(results);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(load, &QPushButton::clicked, this, &ShrCoolingDialog::ChoosePoint);
  connect(define, &QPushButton::clicked, this, &ShrCoolingDialog::DefineNew);
  connect(by_temperature_, &QRadioButton::clicked, this, &ShrCoolingDialog::TargetChosen);
  connect(by_humidity_, &QRadioButton::clicked, this, &ShrCoolingDialog::TargetChosen);
  connect(flow_given_, &QRadioButton::clicked, this, &ShrCoolingDialog::FlowWayChosen);
  connect(load_way_, &QRadioButton::clicked, this, &ShrCoolingDialog::FlowWayChosen);
  for (QLineEdit* e : {target_t_, target_phi_, shr_, flow_, load_given_, new_name_})
    connect(e, &QLineEdit::textChanged, this, [this] { Invalidate(); });
  connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });
  connect(draw, &QPushButton::clicked, this, &ShrCoolingDialog::Draw);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  by_temperature_->setChecked(true);
  flow_given_->setChecked(true);
  TargetChosen();
  FlowWayChosen();
  ApplyLanguageTexts(this);
}

void ShrCoolingDialog::Clear() {
  p1_.reset();
  for (QLineEdit* e : {name1_, t1_, phi1_, load_, flow_found_, t2_, phi2_}) e->clear();
  Invalidate();
}

void ShrCoolingDialog::TargetChosen() {
  target_t_->setEnabled(by_temperature_->isChecked());
  target_phi_->setEnabled(by_humidity_->isChecked());
  Invalidate();
}

void ShrCoolingDialog::FlowWayChosen() {
  flow_->setEnabled(flow_given_->isChecked());
  load_given_->setEnabled(load_way_->isChecked());
  load_->clear();
  flow_found_->clear();
  Invalidate();
}

bool ShrCoolingDialog::LoadPoint(const QString& name) {
  const int k = workbench_.project().FindPoint(name.toStdString());
  if (k < 0) return false;
  p1_ = workbench_.project().point(k).state;
  name1_->setText(name);
  // Shown unrounded, as stored.
  t1_->setText(UiNumberText(p1_->t));
  phi1_->setText(UiNumberText(p1_->phi * 100));
  Invalidate();
  return true;
}

void ShrCoolingDialog::ChoosePoint() {
  auto* list = workbench_.dialog_parent()->findChild<PointsListWindow*>("TForm31");
  if (!list) return;
  if (const std::optional<QString> name = list->ChoosePoint()) LoadPoint(*name);
}

void ShrCoolingDialog::DefineNew() {
  auto* data = workbench_.dialog_parent()->findChild<PointDataDialog*>("TForm29");
  if (!data) return;
  const int before = workbench_.project().point_count();
  data->ExecAdd(true);
  const ChartProject& project = workbench_.project();
  if (project.point_count() > before) LoadPoint(QString::fromStdString(project.point(project.point_count() - 1).name));
}

bool ShrCoolingDialog::Calculate() {
  Invalidate();
  for (QLineEdit* e : {t2_, phi2_, load_, flow_found_}) e->clear();
  if (!p1_) {
    Messages::Info(this, "ORVANTA INFO", InletMissingText());
    return false;
  }
  const auto number = [](const QLineEdit* e) { return ReadTypedNumber(e, BadNumberPolicy::Ignore()); };
  const std::optional<double> shr = number(shr_);
  const bool by_t = by_temperature_->isChecked();
  const std::optional<double> target = number(by_t ? target_t_ : target_phi_);
  const bool v_given = flow_given_->isChecked();
  const std::optional<double> flow_or_load = number(v_given ? flow_ : load_given_);
  if (!shr || !target || !flow_or_load) return false;
  if (v_given && !(*flow_or_load > 0)) {
    Messages::Info(this, "ORVANTA INFO",
                   QString::fromStdString(TreatmentMessageText(TreatmentMessage::AirFlowNotPositive, PolishTicked())));
    return false;
  }
  const TreatmentOutcome out =
      ShrDialogSearch(*p1_, workbench_.pressure(), *shr / 100,
                      by_t ? ShrDialogTarget::Temperature : ShrDialogTarget::RelativeHumidity,
                      by_t ? *target : *target / 100);
  if (!out.ok()) {
    const TreatmentFailure& f = out.failure();
    QString text;
    if (f.message == TreatmentMessage::ShrTemperatureNotReached)
      text = QString::fromStdString(ShrDialogTemperatureNotReachedText());
    else
      text = f.text ? Text(f.text) : QString::fromStdString(TreatmentMessageText(f.message, PolishTicked()));
    Messages::Info(this, "ORVANTA INFO", text);
    return false;
  }
  const TreatmentResult& r = out.result();
  double air_flow = *flow_or_load;
  if (v_given) {
    load_->setText(ShownNumber(ShrDialogLoad(*p1_, r, air_flow), 2));
  } else {
    const std::optional<double> v = ShrDialogAirFlow(*p1_, r, *flow_or_load);
    if (!v) {
      Messages::Info(this, "ORVANTA INFO",
                     QString::fromStdString(TreatmentMessageText(TreatmentMessage::TargetUnreachable, PolishTicked())));
      return false;
    }
    air_flow = *v;
    flow_found_->setText(ShownNumber(air_flow, 2));
  }
  t2_->setText(ShownNumber(r.t2, 2));
  phi2_->setText(ShownNumber(r.phi2 * 100, 1));
  last_ = Last{r, air_flow};
  return true;
}

void ShrCoolingDialog::Draw() {
  if (!last_ && !Calculate()) return;
  const std::string outlet = new_name_->text().trimmed().toStdString();
  if (outlet.empty()) {
    ShowPointNameMissing(this);
    return;
  }
  ChartProject& project = workbench_.project();
  const DrawOutcome out = DrawTreatment(project, name1_->text().toStdString(), outlet, last_->result,
                                        last_->air_flow, OutletLabelPosition(TreatmentKind::CoolingShr));
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
