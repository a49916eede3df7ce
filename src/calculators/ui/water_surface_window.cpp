#include "calculators/ui/water_surface_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/kit/fit_to_screen.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "calculators/heat_gains/water_surface.h"
#include "calculators/ui/calc_form.h"

namespace orvanta {

using namespace calculators;

namespace {
struct Field {
  const char* symbol;
  const char* caption;  // the Polish hint of the field, with its unit
};
constexpr Field kInputs[6] = {
    {"F", "Powierzchnia lustra wody [m2]"},
    {"ti", "Temperatura powietrza w pomieszczeniu [°C]"},
    {"fi", "Wilgotność względna powietrza w pomieszczeniu [%]"},
    {"po", "Ciśnienie atmosferyczne [Pa]"},
    {"tw", "Temperatura wody [°C]"},
    {"w", "Prędkość powietrza nad lustrem wody [m/s]"},
};
constexpr Field kResults[16] = {
    {"tmo", "Temperatura termometru mokrego powietrza w pomieszczeniu [°C]"},
    {"tpc", "Temperatura powierzchni cieczy [°C]"},
    {"tr", "Temperatura punktu rosy powietrza w pomieszczeniu [°C]"},
    {"ps(tpc)", "Ciśnienie nasycenia nad powierzchnią wody [Pa]"},
    {"ps(ti)", "Ciśnienie nasycenia powietrza w pomieszczeniu [Pa]"},
    {"pg", "Ciśnienie cząstkowe powietrza suchego w pomieszczeniu [Pa]"},
    {"α", "Współczynnik przejmowania ciepła [W/m2K]"},
    {"σ", "Współczynnik ruchu grawitacyjnego powietrza [-]"},
    {"β", "Współczynnik wymiany masy przy parowaniu [kg/(s·Pa·m2)]"},
    {"mp", "Ilość odparowującej wody [kg/s]"},
    {"X", "Zawartość wilgoci w powietrzu w pomieszczeniu [g/kg]"},
    {"i", "Entalpia powietrza w pomieszczeniu [kJ/kg]"},
    {"ρ", "Gęstość powietrza w pomieszczeniu [kg/m3]"},
    {"Qs", "Zyski ciepła jawnego od powierzchni wody [W]"},
    {"Qm", "Zyski ciepła utajonego od powierzchni wody [W]"},
    {"Qc", "Całkowite zyski ciepła [W]"},
};

// A row whose label shows the field's language hint and its symbol.
QLineEdit* HintRow(QGridLayout* grid, int row, const QString& edit_name, const Field& f, bool result) {
  QWidget* parent = grid->parentWidget();
  auto* symbol = new QLabel(QString::fromUtf8(f.symbol), parent);
  auto* caption = new QLabel(QString::fromUtf8(f.caption), parent);
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(edit_name);
  edit->setToolTip(QString::fromUtf8(f.caption));
  edit->setMinimumWidth(130);
  if (result) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setStyleSheet("QLineEdit { background: palette(window); }");
  }
  grid->addWidget(caption, row, 0);
  grid->addWidget(symbol, row, 1);
  grid->addWidget(edit, row, 2);
  calcui::LabelFollowsHint(caption, edit);
  return edit;
}
}  // namespace

WaterSurfaceWindow::WaterSurfaceWindow(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(WaterSurfaceWindowCaptionRows());
  setObjectName("TForm11");
  setWindowTitle("ZYSKI OD POW. WODY");
  setModal(true);

  auto* data = new QGroupBox("DANE OBLICZENIOWE", this);
  data->setObjectName("GroupBox1");
  auto* data_grid = new QGridLayout(data);
  for (int k = 0; k < 6; ++k) inputs_[k] = HintRow(data_grid, k, QString("Edit%1").arg(k + 1), kInputs[k], false);
  inputs_[3]->setText(UiNumberText(kDefaultWaterSurfacePressure));

  auto* results = new QGroupBox("WYNIKI", this);
  results->setObjectName("GroupBox2");
  auto* results_grid = new QGridLayout(results);
  for (int k = 0; k < 16; ++k)
    results_[k] = HintRow(results_grid, k, QString("Edit%1").arg(k + 7), kResults[k], true);

  status_ = new QLabel(this);
  status_->setObjectName("WaterStatus");
  status_->setWordWrap(true);
  status_->setStyleSheet("QLabel { color: #b00000; }");

  auto* compute = new QPushButton("OBLICZ", this);
  compute->setObjectName("Button1");
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  connect(compute, &QPushButton::clicked, this, &WaterSurfaceWindow::Compute);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(ScrollableBody(this));
  layout->addWidget(data);
  layout->addWidget(results);
  layout->addWidget(status_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(compute);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  ApplyLanguageTexts(this);
}

void WaterSurfaceWindow::ClearResults(const QString& reason) {
  for (QLineEdit* e : results_) e->clear();
  status_->setText(reason);
}

void WaterSurfaceWindow::Compute() {
  double v[6];
  for (int k = 0; k < 6; ++k) {
    const auto n = ParseTypedNumber(inputs_[k]->text());
    if (!n) {
      // Nothing is computed from a field that holds no number.
      ClearResults(inputs_[k]->text().trimmed().isEmpty()
                       ? (calcui::PolishTexts() ? QString("Pole „%1” jest puste.") : QString("The field \"%1\" is empty."))
                             .arg(inputs_[k]->toolTip())
                       : calcui::InvalidNumberText(inputs_[k]->text()));
      return;
    }
    v[k] = *n;
  }
  WaterSurfaceInput in;
  in.area = v[0];
  in.room_t = v[1];
  in.room_rh = v[2];
  in.pressure = v[3];
  in.water_t = v[4];
  in.air_speed = v[5];
  const CalcResult<WaterSurfaceResult> r = ComputeWaterSurfaceGains(in);
  if (!r.ok()) {
    ClearResults(calcui::FailureText(r.failure()));
    return;
  }
  const WaterSurfaceTexts t = WaterSurfaceShownTexts(r.value(), UiDecimalSeparator());
  const std::string* shown[16] = {&t.tmo, &t.tpc, &t.tr, &t.ps_tpc, &t.ps_ti, &t.pg, &t.alpha, &t.sigma,
                                  &t.beta, &t.mp, &t.x, &t.i, &t.rho, &t.qs, &t.qm, &t.qc};
  for (int k = 0; k < 16; ++k) results_[k]->setText(calcui::Shown(*shown[k]));
  status_->clear();
}

}  // namespace orvanta
