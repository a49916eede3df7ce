#include "project/ui/mixing_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/workbench.h"
#include "project/mixing.h"
#include "project/ui/point_dialog_common.h"
#include "project/ui/points_list_window.h"
#include "project/ui/treatment_ui_common.h"
#include "psychro/units.h"

namespace orvanta {

MixingDialog::MixingDialog(Workbench& workbench, MixingDefinitions& definitions, QWidget* parent)
    : QDialog(parent), workbench_(workbench), definitions_(definitions) {
  setObjectName("TForm10");
  RegisterCaptionRows(MixingDialogCaptionRows());
  setModal(true);
  setWindowTitle("PUNKT MIESZANIA");

  name_ = NamedEdit(this, "Edit1");
  name_->setMaxLength(ChartPoint::kNameCapacity);
  auto* name_row = new QHBoxLayout;
  name_row->addWidget(NamedLabel(this, "Label9", "NAZWA PUNKTU MIESZANIA"));
  name_row->addWidget(name_);

  auto stream = [this](const char* box_name, const QString& title, const char* button_name, const QString& button_text,
                       const char* point_name, const char* flow_name, const char* flow_label_name, QLineEdit** point,
                       QLineEdit** flow, QLabel** flow_label) {
    auto* box = new QGroupBox(title, this);
    box->setObjectName(box_name);
    auto* g = new QGridLayout(box);
    auto* load = NamedButton(box, button_name, button_text);
    *point = NamedEdit(box, point_name);
    (*point)->setReadOnly(true);
    *flow = NamedEdit(box, flow_name);
    *flow_label = NamedLabel(box, flow_label_name, QString::fromUtf8("STRUMIEŃ OBJĘTOŚCI [m3/h]"));
    g->addWidget(load, 0, 0);
    g->addWidget(*point, 0, 1);
    g->addWidget(*flow_label, 1, 0);
    g->addWidget(*flow, 1, 1);
    return std::pair{box, load};
  };
  auto [box1, load1] = stream("GroupBox2", QString::fromUtf8("STRUMIEŃ POWIETRZA 1"), "Button2",
                              "WCZYTAJ 1 PUNKT...", "Edit2", "Edit4", "Label1", &point1_, &flow1_, &flow1_label_);
  auto [box2, load2] = stream("GroupBox3", QString::fromUtf8("STRUMIEŃ POWIETRZA 2"), "Button3",
                              "WCZYTAJ 2 PUNKT...", "Edit3", "Edit5", "Label2", &point2_, &flow2_, &flow2_label_);
  // The stream-2 prompt of the form, above its row.
  auto* box2_grid = static_cast<QGridLayout*>(box2->layout());
  QLayoutItem* load_item = box2_grid->itemAtPosition(0, 0);
  QLayoutItem* point_item = box2_grid->itemAtPosition(0, 1);
  QLayoutItem* label_item = box2_grid->itemAtPosition(1, 0);
  QLayoutItem* flow_item = box2_grid->itemAtPosition(1, 1);
  for (QLayoutItem* item : {load_item, point_item, label_item, flow_item}) box2_grid->removeItem(item);
  box2_grid->addWidget(NamedLabel(box2, "Label5", "WCZYTAJ PUNKT STRUMIENIA 2"), 0, 0, 1, 2);
  box2_grid->addItem(load_item, 1, 0);
  box2_grid->addItem(point_item, 1, 1);
  box2_grid->addItem(label_item, 2, 0);
  box2_grid->addItem(flow_item, 2, 1);

  auto* results = new QGroupBox("WYNIK", this);
  results->setObjectName("GroupBox1");
  auto* rg = new QGridLayout(results);
  t_ = NamedEdit(results, "Edit6");
  x_ = NamedEdit(results, "Edit7");
  t_->setReadOnly(true);
  x_->setReadOnly(true);
  t_unit_ = NamedLabel(results, "Label4", "oC");
  x_unit_ = NamedLabel(results, "Label7", "g/kg");
  rg->addWidget(NamedLabel(results, "Label3", "t"), 0, 0);
  rg->addWidget(t_, 0, 1);
  rg->addWidget(t_unit_, 0, 2);
  rg->addWidget(NamedLabel(results, "Label6", "x"), 1, 0);
  rg->addWidget(x_, 1, 1);
  rg->addWidget(x_unit_, 1, 2);

  auto* processes = new QGroupBox("PRZEMIANY", this);
  processes->setObjectName("GroupBox4");
  auto* pl = new QVBoxLayout(processes);
  create_process_ = new QCheckBox("CREATE PROCESS", processes);
  create_process_->setObjectName("CheckBox1");
  pl->addWidget(create_process_);

  const DialogButtons buttons = MakeDialogButtons(this, "BitBtn2", "OK", "BitBtn1", "ANULUJ");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(name_row);
  layout->addWidget(box1);
  layout->addWidget(box2);
  layout->addWidget(results);
  layout->addWidget(processes);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(load1, &QPushButton::clicked, this, [this] { ChooseStream(1); });
  connect(load2, &QPushButton::clicked, this, [this] { ChooseStream(2); });
  for (QLineEdit* e : {flow1_, flow2_}) connect(e, &QLineEdit::textChanged, this, &MixingDialog::Recompute);
  connect(buttons.accept, &QPushButton::clicked, this, &MixingDialog::accept);
  connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
  ApplyLanguageTexts(this);
  // The result box has no text of its own in the table; the cooling-point
  // dialog's "RESULT" fits it.
  if (!Text(455).isEmpty()) results->setTitle(Text(455));
}

int MixingDialog::Open() {
  Clear();
  return exec();
}

void MixingDialog::Clear() {
  for (QLineEdit* e : {name_, point1_, point2_, flow1_, flow2_, t_, x_}) e->clear();
  ApplyUnitTexts();
}

void MixingDialog::ApplyUnitTexts() {
  const bool ip = workbench_.units() == UnitSystem::IP;
  QString flow = flow1_label_->text();
  flow.replace(ip ? "m3/h" : "cfm", ip ? "cfm" : "m3/h");
  flow1_label_->setText(flow);
  flow2_label_->setText(flow);
  t_unit_->setText(ip ? "oF" : "oC");
  x_unit_->setText(ip ? "gr/lb" : "g/kg");
}

std::optional<AirState> MixingDialog::StreamState(const QLineEdit* name) const {
  const int k = workbench_.project().FindPoint(name->text().toStdString());
  if (k < 0) return std::nullopt;
  return workbench_.project().point(k).state;
}

std::optional<double> MixingDialog::Flow(const QLineEdit* edit) const {
  const std::optional<double> typed = ReadTypedNumber(edit, BadNumberPolicy::Ignore());
  if (!typed) return std::nullopt;
  return workbench_.units() == UnitSystem::IP ? VolumeFlowToSI(*typed) : *typed;
}

bool MixingDialog::LoadStream(int which, const QString& name) {
  if (workbench_.project().FindPoint(name.toStdString()) < 0) return false;
  (which == 1 ? point1_ : point2_)->setText(name);
  Recompute();
  return true;
}

void MixingDialog::ChooseStream(int which) {
  auto* list = workbench_.dialog_parent()->findChild<PointsListWindow*>("TForm31");
  if (!list) return;
  if (const std::optional<QString> name = list->ChoosePoint()) LoadStream(which, *name);
}

void MixingDialog::Recompute() {
  const std::optional<AirState> s1 = StreamState(point1_), s2 = StreamState(point2_);
  const std::optional<double> v1 = Flow(flow1_), v2 = Flow(flow2_);
  std::optional<Mixture> m;
  if (s1 && s2 && v1 && v2) m = MixStreams(*s1, *v1, *s2, *v2);
  if (!m) {
    t_->clear();
    x_->clear();
    return;
  }
  const bool ip = workbench_.units() == UnitSystem::IP;
  t_->setText(ShownNumber(ip ? TemperatureToIP(m->t) : m->t, 2));
  x_->setText(ShownNumber(ip ? MoistureToIP(m->x * 1000) : m->x * 1000, 2));
}

void MixingDialog::accept() {
  MixingRequest request;
  request.name = name_->text().trimmed().toStdString();
  request.stream1_point = point1_->text().toStdString();
  request.stream2_point = point2_->text().toStdString();
  request.create_process = create_process_->isChecked();
  // A flow that is typed but not a number is refused as invalid input, not
  // as an empty field.
  for (auto [edit, flow] : {std::pair{flow1_, &request.stream1_flow}, std::pair{flow2_, &request.stream2_flow}}) {
    if (edit->text().trimmed().isEmpty()) continue;
    *flow = Flow(edit);
    if (!*flow) return ShowIncorrectInput(this);
  }
  const MixingOutcome out = AddMixingPoint(workbench_.project(), definitions_, request);
  if (out.point_added) {
    workbench_.RequestFullRedraw();
    emit projectChanged();
  }
  if (out.ok()) {
    QDialog::accept();
    return;
  }
  QString text = out.text ? Text(out.text) : QString::fromStdString(MixingMessageText(out.message, PolishTicked()));
  if (out.point_added && request.create_process && !out.processes_added)
    text += "\n" + PointWithoutProcessText(QString::fromStdString(request.name));
  Messages::Info(this, "ORVANTA INFO", text);
}

}  // namespace orvanta
