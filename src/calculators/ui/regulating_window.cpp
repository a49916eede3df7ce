#include "calculators/ui/regulating_window.h"

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
#include "calculators/ui/calc_form.h"

namespace orvanta {

using namespace calculators;

QStringList OrificePictureStems() { return {"kryza"}; }
QStringList DamperPictureStems() { return {"przepustnica"}; }

namespace {
QLabel* Named(const char* name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}
}  // namespace

RegulatingWindow::RegulatingWindow(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(RegulatingWindowCaptionRows());
  setObjectName("TForm8");
  setWindowTitle("Dobór elementów regulacyjnych");
  setModal(true);

  auto* input_box = new QWidget(this);
  auto* inputs = new QGridLayout(input_box);
  inputs->setContentsMargins(0, 0, 0, 0);
  pressure_ = calcui::AddRow(inputs, 0, "Edit1", "Podaj cisnienie do zdławienia", "Pa", {}, "Label1");
  flow_ = calcui::AddRow(inputs, 1, "Edit2", "Podaj przepływ w regulowanym obiegu", "m³/h", {}, "Label3");
  density_ = calcui::AddRow(inputs, 2, "Edit5", "Gęstość powietrza", "kg/m³",
                            UiNumberText(kDefaultRegulatingDensity), "Label19");

  auto* section = new QGroupBox("  Przekrój kanału wentylacyjnego", this);
  section->setObjectName("GroupBox2");
  auto* section_grid = new QGridLayout(section);
  round_ = new QRadioButton("Okrągły", section);
  round_->setObjectName("RadioButton4");
  rectangular_ = new QRadioButton("Prostokątny", section);
  rectangular_->setObjectName("RadioButton5");
  round_->setChecked(true);
  section_grid->addWidget(round_, 0, 0);
  section_grid->addWidget(rectangular_, 0, 1);
  diameter_label_ = Named("Label5", "Podaj srednicę przewodu", section);
  side_a_label_ = Named("Label15", "Podaj wymiar boku A", section);
  side_b_label_ = Named("Label7", "Podaj wymiar boku B", section);
  side_a_ = new QLineEdit(section);
  side_a_->setObjectName("Edit3");
  side_b_ = new QLineEdit(section);
  side_b_->setObjectName("Edit4");
  for (QLineEdit* e : {side_a_, side_b_}) e->setMaximumWidth(140);
  section_grid->addWidget(diameter_label_, 1, 0);
  section_grid->addWidget(side_a_label_, 1, 0);
  section_grid->addWidget(side_a_, 1, 1);
  section_grid->addWidget(new QLabel("mm", section), 1, 2);
  section_grid->addWidget(side_b_label_, 2, 0);
  section_grid->addWidget(side_b_, 2, 1);
  auto* b_unit = new QLabel("mm", section);
  section_grid->addWidget(b_unit, 2, 2);
  connect(rectangular_, &QRadioButton::toggled, b_unit, &QWidget::setVisible);
  b_unit->hide();

  auto* element = new QGroupBox("Element regulacyjny", this);
  element->setObjectName("GroupBox1");
  auto* element_box = new QVBoxLayout(element);
  orifice_ = new QRadioButton("Kryza osiowosymetryczna", element);
  orifice_->setObjectName("RadioButton1");
  damper_ = new QRadioButton("Przepustnica jednopłaszczyznowa", element);
  damper_->setObjectName("RadioButton2");
  orifice_->setChecked(true);
  element_box->addWidget(orifice_);
  element_box->addWidget(damper_);
  orifice_picture_ = new calcui::SvgPicture(OrificePictureStems(), element);
  orifice_picture_->setObjectName("Image1");
  damper_picture_ = new calcui::SvgPicture(DamperPictureStems(), element);
  damper_picture_->setObjectName("Image2");
  element_box->addWidget(orifice_picture_, 1);
  element_box->addWidget(damper_picture_, 1);

  auto* results = new QGridLayout;
  diameter_caption_ = Named("Label9", "Srednica kryzy wynosi", this);
  side_a_caption_ = Named("Label17", "Dlugosc boku A kryzy wynosi", this);
  angle_caption_ = Named("Label10", "Kąt otwarcia przepustnicy", this);
  side_b_caption_ = Named("Label16", "Dlugosc boku B kryzy wynosi", this);
  first_ = Named("Label11", {}, this);
  first_unit_ = Named("Label13", "mm", this);
  second_ = Named("Label12", {}, this);
  second_unit_ = Named("Label14", "mm", this);
  for (QLabel* l : {first_, second_}) {
    l->setMinimumWidth(60);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setStyleSheet("QLabel { font-weight: bold; }");
  }
  results->addWidget(diameter_caption_, 0, 0);
  results->addWidget(side_a_caption_, 0, 0);
  results->addWidget(angle_caption_, 0, 0);
  results->addWidget(first_, 0, 1);
  results->addWidget(first_unit_, 0, 2);
  results->addWidget(side_b_caption_, 1, 0);
  results->addWidget(second_, 1, 1);
  results->addWidget(second_unit_, 1, 2);
  results->setColumnStretch(3, 1);

  auto* compute = new QPushButton("Oblicz", this);
  compute->setObjectName("Button1");
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn2");
  connect(compute, &QPushButton::clicked, this, &RegulatingWindow::Compute);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(input_box);
  left->addWidget(section);
  left->addLayout(results);
  left->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(element, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(compute);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  for (QRadioButton* r : {round_, rectangular_, orifice_, damper_})
    connect(r, &QRadioButton::toggled, this, &RegulatingWindow::ShowChoice);
  ShowChoice();
  ApplyLanguageTexts(this);
}

void RegulatingWindow::ShowChoice() {
  const bool round = round_->isChecked(), orifice = orifice_->isChecked();
  first_->clear();
  second_->clear();
  diameter_label_->setVisible(round);
  side_a_label_->setVisible(!round);
  side_b_label_->setVisible(!round);
  side_b_->setVisible(!round);
  orifice_picture_->setVisible(orifice);
  damper_picture_->setVisible(!orifice);
  diameter_caption_->setVisible(orifice && round);
  side_a_caption_->setVisible(orifice && !round);
  side_b_caption_->setVisible(orifice && !round);
  angle_caption_->setVisible(!orifice);
  first_unit_->setText(orifice ? "mm" : "deg");
  second_->setVisible(orifice && !round);
  second_unit_->setVisible(orifice && !round);
}

void RegulatingWindow::Compute() {
  bool bad = false;
  QLineEdit* bad_edit = nullptr;
  auto read = [&](QLineEdit* e) {
    const bool before = bad;
    auto v = calcui::ReadOptional(e, &bad);
    if (bad && !before) bad_edit = e;
    return v;
  };
  RegulatingInput in;
  in.pressure = read(pressure_);
  in.flow = read(flow_);
  const auto density = read(density_);
  in.section = round_->isChecked() ? DuctSection::kRound : DuctSection::kRectangular;
  in.side_a_mm = read(side_a_);
  if (in.section == DuctSection::kRectangular) in.side_b_mm = read(side_b_);
  in.element = orifice_->isChecked() ? RegulatingElement::kOrifice : RegulatingElement::kDamper;
  if (bad) {
    Messages::Warning(this, calcui::kInfoCaption, calcui::InvalidNumberText(bad_edit->text()));
    return;
  }
  if (!density) {
    // An emptied density is not silently replaced: the user is told what is missing.
    Messages::Info(this, calcui::kInfoCaption,
                   calcui::PolishTexts() ? "Podaj gęstość powietrza." : "Enter the air density.");
    return;
  }
  in.density = *density;
  const CalcResult<RegulatingResult> r = ComputeRegulatingElement(in);
  if (!r.ok()) {
    Messages::Info(this, calcui::kInfoCaption, calcui::FailureText(r.failure()));
    return;
  }
  const RegulatingTexts t = RegulatingShownTexts(r.value());
  first_->setText(calcui::Shown(t.first));
  second_->setText(calcui::Shown(t.second));
}

}  // namespace orvanta
