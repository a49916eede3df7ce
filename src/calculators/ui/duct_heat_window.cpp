#include "calculators/ui/duct_heat_window.h"

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
#include "calculators/duct_heat/duct_heat.h"
#include "calculators/ui/calc_form.h"

namespace orvanta {

using namespace calculators;

QStringList SchemePictureStems() { return {"schemat_kanalu"}; }

namespace {
struct Field {
  const char* edit;
  const char* symbol;
  const char* caption;  // the Polish hint, with its unit
};
constexpr Field kInputs[14] = {
    {"Edit1", "ti", "Temperatura powietrza w kanale (na wlocie) [°C]"},
    {"Edit11", "φi", "Wilgotność względna powietrza w kanale [%]"},
    {"Edit2", "te", "Temperatura powietrza na zewnątrz kanału [°C]"},
    {"Edit12", "φe", "Wilgotność względna powietrza na zewnątrz kanału [%]"},
    {"Edit3", "V", "Strumień powietrza [m3/h]"},
    {"Edit4", "λ1", "Współczynnik przewodzenia ciepła ścianki kanału [W/mK]"},
    {"Edit5", "δ1", "Grubość ścianki kanału [mm]"},
    {"Edit6", "λ2", "Współczynnik przewodzenia ciepła izolacji [W/mK]"},
    {"Edit7", "δ2", "Grubość izolacji [mm]"},
    {"Edit13", "pb", "Ciśnienie atmosferyczne [Pa]"},
    {"Edit22", "we", "Prędkość powietrza na zewnątrz wzdłuż kanału [m/s]"},
    {"Edit8", "L", "Długość kanału [m]"},
    {"Edit9", "d", "Średnica (przewód okrągły) lub bok A (przewód prostokątny) [mm]"},
    {"Edit10", "B", "Bok B (przewód prostokątny) [mm]"},
};
constexpr Field kResults[8] = {
    {"Edit14", "tk", "Temperatura powietrza na wylocie [°C]"},
    {"Edit15", "αi", "Współczynnik przejmowania ciepła wewnątrz [W/m2K]"},
    {"Edit16", "αe", "Współczynnik przejmowania ciepła na zewnątrz [W/m2K]"},
    {"Edit17", "U", "Współczynnik przenikania ciepła ścianki [W/m2K]"},
    {"Edit18", "Q", "Strata (-) lub zysk (+) ciepła powietrza [W]"},
    {"Edit19", "wi", "Prędkość powietrza w kanale [m/s]"},
    {"Edit20", "ρ", "Gęstość powietrza [kg/m3]"},
    {"Edit21", "tr", "Temperatura punktu rosy powietrza w kanale [°C]"},
};

QLineEdit* HintRow(QGridLayout* grid, int row, const Field& f, bool result, QLabel** symbol_out = nullptr,
                   QLabel** caption_out = nullptr) {
  QWidget* parent = grid->parentWidget();
  auto* caption = new QLabel(QString::fromUtf8(f.caption), parent);
  auto* symbol = new QLabel(QString::fromUtf8(f.symbol), parent);
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(f.edit);
  edit->setToolTip(QString::fromUtf8(f.caption));
  edit->setMinimumWidth(90);
  edit->setMaximumWidth(120);
  if (result) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setStyleSheet("QLineEdit { background: palette(window); }");
  }
  grid->addWidget(caption, row, 0);
  grid->addWidget(symbol, row, 1);
  grid->addWidget(edit, row, 2);
  calcui::LabelFollowsHint(caption, edit);
  if (symbol_out) *symbol_out = symbol;
  if (caption_out) *caption_out = caption;
  return edit;
}
}  // namespace

DuctHeatWindow::DuctHeatWindow(SchemeWindow* scheme, QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(DuctHeatWindowCaptionRows());
  setObjectName("TForm24");
  setWindowTitle("KALKULATOR STRAT/ZYSKÓW CIEPŁA W KANALE WENYLACYJNYM");
  setModal(true);

  const DuctHeatInput d;
  const double defaults[14] = {d.inside_t, d.inside_rh, d.outside_t, d.outside_rh, d.flow,
                               d.wall_lambda, d.wall_mm, d.insulation_lambda, d.insulation_mm, d.pressure,
                               d.outside_speed, d.length, d.side_a_mm, d.side_b_mm};
  auto* general = new QGroupBox("DANE WEJŚCIOWE OGÓLNE", this);
  general->setObjectName("GroupBox1");
  auto* general_grid = new QGridLayout(general);
  for (int k = 0; k < 11; ++k) inputs_[k] = HintRow(general_grid, k, kInputs[k], false);

  auto* geometry = new QGroupBox("GEOMETRIA PRZEWODU", this);
  geometry->setObjectName("GroupBox2");
  auto* geometry_grid = new QGridLayout(geometry);
  round_ = new QRadioButton("Przwód okągły", geometry);
  round_->setObjectName("RadioButton1");
  rectangular_ = new QRadioButton("Przewód prostokątny", geometry);
  rectangular_->setObjectName("RadioButton2");
  round_->setChecked(true);
  auto* shapes = new QHBoxLayout;
  shapes->addWidget(round_);
  shapes->addWidget(rectangular_);
  shapes->addStretch();
  geometry_grid->addLayout(shapes, 0, 0, 1, 3);
  inputs_[11] = HintRow(geometry_grid, 1, kInputs[11], false);
  inputs_[12] = HintRow(geometry_grid, 2, kInputs[12], false, &side_a_symbol_);
  inputs_[13] = HintRow(geometry_grid, 3, kInputs[13], false, &side_b_symbol_, &side_b_caption_);
  for (int k = 0; k < 14; ++k) inputs_[k]->setText(UiNumberText(defaults[k]));

  auto* results = new QGroupBox("WYNIK OBLICZEŃ", this);
  results->setObjectName("GroupBox3");
  auto* results_grid = new QGridLayout(results);
  for (int k = 0; k < 8; ++k) results_[k] = HintRow(results_grid, k, kResults[k], true);

  auto* compute = new QPushButton("Oblicz", this);
  compute->setObjectName("Button1");
  auto* scheme_button = new QPushButton("Schemat obliczeniowy", this);
  scheme_button->setObjectName("Button2");
  scheme_button->setEnabled(scheme != nullptr);
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  connect(compute, &QPushButton::clicked, this, &DuctHeatWindow::Compute);
  if (scheme) connect(scheme_button, &QPushButton::clicked, scheme, [scheme] { scheme->exec(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(rectangular_, &QRadioButton::toggled, this, &DuctHeatWindow::ShowGeometry);

  auto* left = new QVBoxLayout;
  left->addWidget(general);
  left->addWidget(geometry);
  auto* right = new QVBoxLayout;
  right->addWidget(results);
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(scheme_button);
  buttons->addStretch();
  buttons->addWidget(compute);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  ShowGeometry();
  ApplyLanguageTexts(this);
}

void DuctHeatWindow::ShowGeometry() {
  const bool rectangular = rectangular_->isChecked();
  side_a_symbol_->setText(rectangular ? "A" : "d");
  for (QWidget* w : {static_cast<QWidget*>(side_b_symbol_), static_cast<QWidget*>(side_b_caption_),
                     static_cast<QWidget*>(inputs_[13])})
    w->setVisible(rectangular);
}

void DuctHeatWindow::Compute() {
  double v[14];
  for (int k = 0; k < 14; ++k) {
    if (k == 13 && !rectangular_->isChecked()) {
      v[k] = DuctHeatInput{}.side_b_mm;  // not used by a round duct
      continue;
    }
    const auto n = ParseTypedNumber(inputs_[k]->text());
    if (!n) {
      // The results keep their last values.
      Messages::Warning(this, calcui::kInfoCaption, calcui::InvalidNumberText(inputs_[k]->text()));
      inputs_[k]->setFocus();
      return;
    }
    v[k] = *n;
  }
  DuctHeatInput in;
  double* fields[14] = {&in.inside_t, &in.inside_rh, &in.outside_t, &in.outside_rh, &in.flow,
                        &in.wall_lambda, &in.wall_mm, &in.insulation_lambda, &in.insulation_mm, &in.pressure,
                        &in.outside_speed, &in.length, &in.side_a_mm, &in.side_b_mm};
  for (int k = 0; k < 14; ++k) *fields[k] = v[k];
  in.shape = rectangular_->isChecked() ? DuctShape::kRectangular : DuctShape::kRound;
  const CalcResult<DuctHeatResult> r = ComputeDuctHeat(in);
  if (!r.ok()) {
    Messages::Info(this, calcui::kInfoCaption, calcui::FailureText(r.failure()));
    return;
  }
  const DuctHeatTexts t = DuctHeatShownTexts(r.value(), UiDecimalSeparator());
  const std::string* shown[8] = {&t.tk, &t.alpha_i, &t.alpha_e, &t.u, &t.q, &t.velocity, &t.rho, &t.dew_point};
  for (int k = 0; k < 8; ++k) results_[k]->setText(calcui::Shown(*shown[k]));
}

SchemeWindow::SchemeWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm33");
  setWindowTitle("Schemat obliczeniowy");
  setModal(true);
  auto* picture = new calcui::SvgPicture(SchemePictureStems(), this);
  picture->setObjectName("Image1");
  picture->setMinimumSize(560, 360);
  picture_ = picture;
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
}

bool SchemeWindow::picture_loaded() const { return static_cast<calcui::SvgPicture*>(picture_)->loaded(); }

}  // namespace orvanta
