#include "project/ui/cooling_point_dialog.h"

#include <QGridLayout>
#include <cmath>
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
#include "project/treatment.h"
#include "project/treatment_draw.h"
#include "project/ui/point_dialog_common.h"
#include "project/ui/points_list_window.h"
#include "project/ui/treatment_ui_common.h"
#include "psychro/state.h"

namespace orvanta {

CoolingPointDialog::CoolingPointDialog(Workbench& workbench, QWidget* parent)
    : QDialog(parent), workbench_(workbench) {
  setObjectName("TForm9");
  RegisterCaptionRows(CoolingPointDialogCaptionRows());
  setModal(true);
  setWindowTitle(QString::fromUtf8("PUNKT CHŁODZENIA"));

  name_ = NamedEdit(this, "Edit1");
  name_->setMaxLength(ChartPoint::kNameCapacity);
  point1_ = NamedEdit(this, "Edit2");
  point2_ = NamedEdit(this, "Edit3");
  point1_->setReadOnly(true);
  point2_->setReadOnly(true);
  bypass_ = NamedEdit(this, "Edit4");
  auto* load1 = NamedButton(this, "Button2", "WCZYTAJ 1 PUNKT...");
  auto* load2 = NamedButton(this, "Button3", "WCZYTAJ 2 PUNKT ...");

  auto* grid = new QGridLayout;
  grid->addWidget(NamedLabel(this, "Label9", "NAZWA NOWEGO PUNKTU"), 0, 0);
  grid->addWidget(name_, 0, 1);
  grid->addWidget(load1, 1, 0);
  grid->addWidget(point1_, 1, 1);
  grid->addWidget(load2, 2, 0);
  grid->addWidget(point2_, 2, 1);
  grid->addWidget(NamedLabel(this, "Label5", QString::fromUtf8("WSPÓŁCZYNNIK BF [%]")), 3, 0);
  grid->addWidget(bypass_, 3, 1);

  auto* result = new QGroupBox("WYNIK", this);
  result->setObjectName("GroupBox2");
  auto* rg = new QGridLayout(result);
  t_ = NamedEdit(result, "Edit5");
  x_ = NamedEdit(result, "Edit6");
  t_->setReadOnly(true);
  x_->setReadOnly(true);
  rg->addWidget(NamedLabel(result, "Label1", "t"), 0, 0);
  rg->addWidget(t_, 0, 1);
  rg->addWidget(NamedLabel(result, "Label2", "oC"), 0, 2);
  rg->addWidget(NamedLabel(result, "Label3", "x"), 1, 0);
  rg->addWidget(x_, 1, 1);
  rg->addWidget(NamedLabel(result, "Label4", "g/kg"), 1, 2);

  const DialogButtons buttons = MakeDialogButtons(this, "BitBtn2", "OK", "BitBtn1", "ANULUJ");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(result);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(load1, &QPushButton::clicked, this, [this] { ChoosePoint(1); });
  connect(load2, &QPushButton::clicked, this, [this] { ChoosePoint(2); });
  connect(bypass_, &QLineEdit::textChanged, this, &CoolingPointDialog::Recompute);
  connect(buttons.accept, &QPushButton::clicked, this, &CoolingPointDialog::accept);
  connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
  ApplyLanguageTexts(this);
}

void CoolingPointDialog::Clear() {
  for (QLineEdit* e : {name_, point1_, point2_, bypass_, t_, x_}) e->clear();
}

std::optional<AirState> CoolingPointDialog::PointState(const QLineEdit* name) const {
  const int k = workbench_.project().FindPoint(name->text().toStdString());
  if (k < 0) return std::nullopt;
  return workbench_.project().point(k).state;
}

bool CoolingPointDialog::LoadPoint(int which, const QString& name) {
  if (workbench_.project().FindPoint(name.toStdString()) < 0) return false;
  (which == 1 ? point1_ : point2_)->setText(name);
  Recompute();
  return true;
}

void CoolingPointDialog::ChoosePoint(int which) {
  auto* list = workbench_.dialog_parent()->findChild<PointsListWindow*>("TForm31");
  if (!list) return;
  if (const std::optional<QString> name = list->ChoosePoint()) LoadPoint(which, *name);
}

void CoolingPointDialog::Recompute() {
  const std::optional<AirState> p1 = PointState(point1_), p2 = PointState(point2_);
  const std::optional<double> bf = ReadTypedNumber(bypass_, BadNumberPolicy::Ignore());
  if (!p1 || !p2 || !bf) {
    t_->clear();
    x_->clear();
    return;
  }
  const BypassMixture m = BypassPoint(*p1, *p2, *bf / 100);
  t_->setText(ShownNumber(m.t, 2));
  x_->setText(ShownNumber(m.x * 1000, 2));
}

void CoolingPointDialog::accept() {
  const QString name = name_->text().trimmed();
  if (name.isEmpty()) return ShowLanguageText(this, 457);
  if (point1_->text().isEmpty()) return ShowLanguageText(this, 452);
  if (point2_->text().isEmpty()) return ShowLanguageText(this, 453);
  if (bypass_->text().trimmed().isEmpty()) return ShowLanguageText(this, 458);
  ChartProject& project = workbench_.project();
  if (project.FindPoint(name.toStdString()) >= 0) return ShowLanguageText(this, 448);
  const std::optional<AirState> p1 = PointState(point1_), p2 = PointState(point2_);
  if (!p1 || !p2) return ShowLanguageText(this, !p1 ? 452 : 453);  // deleted since it was loaded
  const std::optional<double> bf = ReadTypedNumber(bypass_, BadNumberPolicy::Ignore());
  if (!bf) return ShowIncorrectInput(this);
  if (*bf < 0 || *bf > 100) {
    return ShowPointInfo(this, QString::fromStdString(
                                   TreatmentMessageText(TreatmentMessage::BypassFactorOutOfRange, PolishTicked())));
  }
  const BypassMixture m = BypassPoint(*p1, *p2, *bf / 100);
  ChartPoint point;
  point.name = name.toStdString();
  point.state = StateFromTX(workbench_.pressure(), m.t, m.x);
  // Between two states the straight line may cut under the saturation curve (fog).
  if (!(point.state.phi <= 1 + 1e-9) || !std::isfinite(point.state.i)) {
    return ShowPointInfo(this, QString::fromStdString(
                                   TreatmentMessageText(TreatmentMessage::OutletBeyondSaturation, PolishTicked())));
  }
  point.label_position = LabelPosition::Bottom;
  const EditResult added = project.AddPoint(point);
  if (!added) {
    if (added.error == EditError::PointTableFull) return ShowPointsFull(this);
    return ShowPointInfo(this, QString::fromStdString(added.Message()));
  }
  project.set_modified(true);
  workbench_.RequestFullRedraw();
  emit projectChanged();
  QDialog::accept();
}

}  // namespace orvanta
