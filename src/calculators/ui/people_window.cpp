#include "calculators/ui/people_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "calculators/heat_gains/people.h"
#include "calculators/ui/calc_form.h"

namespace orvanta {

using namespace calculators;

UpDown::UpDown(int min, int max, int position, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), position_(std::clamp(position, min, max)) {
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  auto* up = new QToolButton(this);
  up->setObjectName("Up");
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setObjectName("Down");
  down->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up, down}) {
    b->setFixedSize(18, 12);
    b->setAutoRepeat(true);
    box->addWidget(b);
  }
  connect(up, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::setPosition(int p) { position_ = std::clamp(p, min_, max_); }

void UpDown::Step(int delta) {
  setPosition(position_ + delta);
  if (clicked) clicked();
}

PeopleWindow::PeopleWindow(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(PeopleWindowCaptionRows());
  setObjectName("TForm13");
  setWindowTitle("Zyski ciepła od ludzi");
  setModal(true);

  auto* data = new QGroupBox("DANE", this);
  data->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(data);
  auto* activity_label = new QLabel("Rodzaj aktywności", data);
  activity_label->setObjectName("Label1");
  activity_ = new QComboBox(data);
  activity_->setObjectName("ComboBox1");
  activity_->setEditable(true);
  activity_->setInsertPolicy(QComboBox::NoInsert);
  for (const Activity& a : kActivities) activity_->addItem(QString::fromUtf8(a.polish));
  activity_->setCurrentIndex(-1);
  activity_->setMinimumWidth(540);
  grid->addWidget(activity_label, 0, 0);
  grid->addWidget(activity_, 0, 1, 1, 3);
  temperature_ = calcui::AddRow(grid, 1, "Edit1", "Temperatura powietrza [°C]", {},
                                UiNumberText(kDefaultPeopleTemperature), "Label2");
  people_ = calcui::AddRow(grid, 2, "Edit2", "Liczba osób", {}, UiNumberText(kDefaultPeopleCount), "Label3");
  simultaneity_ = calcui::AddRow(grid, 3, "Edit3", "Współczynnik jednoczesności", {},
                                 UiNumberText(kDefaultSimultaneity), "Label4");
  temperature_steps_ = new UpDown(150, 290, 200, data);
  temperature_steps_->setObjectName("UpDown1");
  people_steps_ = new UpDown(0, 1000, 1, data);
  people_steps_->setObjectName("UpDown2");
  simultaneity_steps_ = new UpDown(0, 100, 100, data);
  simultaneity_steps_->setObjectName("UpDown3");
  grid->addWidget(temperature_steps_, 1, 2, Qt::AlignLeft);
  grid->addWidget(people_steps_, 2, 2, Qt::AlignLeft);
  grid->addWidget(simultaneity_steps_, 3, 2, Qt::AlignLeft);
  grid->setColumnStretch(3, 1);

  auto* results = new QGroupBox("WYNIKI", this);
  results->setObjectName("GroupBox2");
  auto* res = new QGridLayout(results);
  qc_ = calcui::AddResultRow(res, 0, "Edit4", "CIEPŁO CAŁKOWITE", "W", "Label5");
  qs_ = calcui::AddResultRow(res, 1, "Edit5", "CIEPŁO SUCHE", "W", "Label6");
  qm_ = calcui::AddResultRow(res, 2, "Edit7", "CIEPŁO MOKRE", "W", "Label22");
  w_ = calcui::AddResultRow(res, 3, "Edit6", "WILGOĆ CAŁKOWITA", "kg/h", "Label7");
  res->setColumnStretch(3, 1);

  status_ = new QLabel(this);
  status_->setObjectName("PeopleStatus");
  status_->setWordWrap(true);
  status_->setStyleSheet("QLabel { color: #b00000; }");

  auto* compute = new QPushButton("Oblicz", this);
  compute->setObjectName("Button1");
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  connect(compute, &QPushButton::clicked, this, &PeopleWindow::ComputeAndReport);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(data);
  layout->addWidget(results);
  layout->addWidget(status_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(compute);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  // Edits set their up-downs; up-down clicks write the edits (which compute).
  auto follow = [this](QLineEdit* edit, UpDown* steps, double scale) {
    connect(edit, &QLineEdit::textChanged, this, [this, edit, steps, scale] {
      if (auto v = ParseTypedNumber(edit->text()))
        if (std::abs(*v * scale) < 1e9) steps->setPosition(static_cast<int>(std::nearbyint(*v * scale)));
      ComputeQuietly();
    });
    steps->clicked = [edit, steps, scale] { edit->setText(UiNumberText(steps->position() / scale)); };
  };
  follow(temperature_, temperature_steps_, 10);
  follow(people_, people_steps_, 1);
  follow(simultaneity_, simultaneity_steps_, 100);
  connect(activity_, &QComboBox::currentTextChanged, this, &PeopleWindow::ComputeQuietly);

  // A language change refills the list, which would pick its first item;
  // the choice of the user (or none) is kept instead.
  connect(activity_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (activity_->count() == static_cast<int>(kActivities.size())) chosen_activity_ = index;
  });
  connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, this, [this] {
    activity_->setCurrentIndex(chosen_activity_);
    ComputeQuietly();
  });
  ApplyLanguageTexts(this);
  activity_->setCurrentIndex(-1);
  chosen_activity_ = -1;
  ComputeQuietly();
}

void PeopleWindow::ClearResults() {
  for (QLineEdit* e : {qc_, qs_, qm_, w_}) e->clear();
}

void PeopleWindow::ComputeQuietly() { Compute(false); }

void PeopleWindow::ComputeAndReport() { Compute(true); }

bool PeopleWindow::Compute(bool report) {
  double v[3];
  QLineEdit* edits[3] = {temperature_, people_, simultaneity_};
  for (int k = 0; k < 3; ++k) {
    const auto n = ParseTypedNumber(edits[k]->text());
    if (!n) {
      if (report) Messages::Warning(this, calcui::kInfoCaption, calcui::InvalidNumberText(edits[k]->text()));
      return false;  // skipped until corrected; the last results stay
    }
    v[k] = *n;
  }
  std::vector<std::string> items;
  for (int k = 0; k < activity_->count(); ++k) items.push_back(activity_->itemText(k).toStdString());
  const auto activity = ActivityFromText(activity_->currentText().toStdString(), items);
  CalcResult<PeopleGains> r = activity.ok() ? ComputePeopleGains(activity.value(), v[0], v[1], v[2])
                                            : CalcResult<PeopleGains>(activity.failure());
  if (!r.ok()) {
    ClearResults();
    status_->setText(calcui::FailureText(r.failure()));
    if (report) Messages::Info(this, calcui::kInfoCaption, status_->text());
    return false;
  }
  const PeopleTexts t = PeopleShownTexts(r.value(), UiDecimalSeparator());
  qc_->setText(calcui::Shown(t.qc));
  qs_->setText(calcui::Shown(t.qs));
  qm_->setText(calcui::Shown(t.qm));
  w_->setText(calcui::Shown(t.w));
  status_->clear();
  return true;
}

}  // namespace orvanta
