#include "calculators/ui/air_balance_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/ui/kit/fit_to_screen.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "calculators/ui/calc_form.h"

namespace orvanta {

using namespace calculators;

namespace {

constexpr int kFlatCountEdits[kFlatRoomCount] = {3, 10, 11, 12, 13, 14, 15};

// A typed count: nullopt for an empty edit or a text that is not a whole number.
std::optional<int> CountOf(const QString& text, bool* bad) {
  if (text.trimmed().isEmpty()) return std::nullopt;
  auto v = ParseTypedNumber(text);
  if (!v || *v != std::floor(*v) || std::abs(*v) > 1e9) {
    if (bad) *bad = true;
    return std::nullopt;
  }
  return static_cast<int>(*v);
}

QPushButton* ComputeButton(QWidget* parent, const char* name) {
  auto* b = new QPushButton("Oblicz", parent);
  b->setObjectName(name);
  return b;
}

}  // namespace

AirBalanceWindow::AirBalanceWindow(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(AirBalanceWindowCaptionRows());
  setObjectName("TForm7");
  setWindowTitle("Kalkulator bilansu powietrza");
  setModal(true);

  // Method.
  auto* methods = new QGroupBox("Wybierz sposób określania ilości powietrza wentylacyjnego", this);
  methods->setObjectName("GroupBox1");
  auto* methods_box = new QVBoxLayout(methods);
  by_occupants_ = new QRadioButton(
      "Na podstawie ilości osób użytkujących dane pomieszczenie (ilości higieniczne)", methods);
  by_occupants_->setObjectName("RadioButton1");
  by_air_changes_ = new QRadioButton(
      "Na podstawie zalecanej ilośći wymian powietrza wentylacyjnego dla danego typu pomieszeń", methods);
  by_air_changes_->setObjectName("RadioButton2");
  by_standard_ = new QRadioButton(
      "Wymogi dotyczące ilości powietrza wentylacyjnego stawiane przez Polską Normę PN-83/B-03430", methods);
  by_standard_->setObjectName("RadioButton6");
  for (QRadioButton* r : {by_occupants_, by_air_changes_, by_standard_}) methods_box->addWidget(r);
  by_air_changes_->setChecked(true);

  // Occupants.
  occupants_group_ = new QGroupBox("Ilość osób", this);
  occupants_group_->setObjectName("GroupBox2");
  auto* occ = new QGridLayout(occupants_group_);
  auto* mode_label = new QLabel("Rodzaj użytkowników", occupants_group_);
  mode_label->setObjectName("Label3");
  occupant_mode_ = new QComboBox(occupants_group_);
  occupant_mode_->setObjectName("ComboBox1");
  for (const char* t : kOccupantModeTexts) occupant_mode_->addItem(QString::fromUtf8(t));
  auto* count_label = new QLabel("Liczba osób", occupants_group_);
  count_label->setObjectName("Label4");
  occ->addWidget(mode_label, 0, 0);
  occ->addWidget(occupant_mode_, 0, 1);
  occ->addWidget(count_label, 1, 1);
  non_smokers_ = calcui::AddRow(occ, 2, "Edit1", "Niepalące", {}, {}, "Label1", &non_smokers_label_);
  smokers_ = calcui::AddRow(occ, 3, "Edit2", "Palące", {}, {}, "Label2", &smokers_label_);
  auto* occ_compute = ComputeButton(occupants_group_, "Button1");
  occ->addWidget(occ_compute, 4, 1);
  occ->setRowStretch(5, 1);

  // Air changes.
  air_changes_group_ = new QGroupBox("Ilość wymian powietrza", this);
  air_changes_group_->setObjectName("GroupBox3");
  auto* ac = new QGridLayout(air_changes_group_);
  auto* room_type = new QGroupBox("Typ pomieszczenia", air_changes_group_);
  room_type->setObjectName("GroupBox5");
  auto* room_box = new QVBoxLayout(room_type);
  industrial_ = new QRadioButton("Pomieszczenia przemysłowe", room_type);
  industrial_->setObjectName("RadioButton4");
  public_ = new QRadioButton("Obiekty użyteczności publicznej", room_type);
  public_->setObjectName("RadioButton5");
  industrial_->setChecked(true);
  auto* list_buttons = new QHBoxLayout;
  list_buttons->addWidget(industrial_);
  list_buttons->addWidget(public_);
  room_box->addLayout(list_buttons);
  industrial_list_ = new QListWidget(room_type);
  industrial_list_->setObjectName("ListBox1");
  for (const RoomType& t : kIndustrialRooms) industrial_list_->addItem(QString::fromUtf8(t.polish));
  public_list_ = new QListWidget(room_type);
  public_list_->setObjectName("ListBox2");
  for (const RoomType& t : kPublicRooms) public_list_->addItem(QString::fromUtf8(t.polish));
  for (QListWidget* l : {industrial_list_, public_list_}) l->setMinimumHeight(150);
  room_box->addWidget(industrial_list_);
  room_box->addWidget(public_list_);
  ac->addWidget(room_type, 0, 0, 1, 3);
  length_ = calcui::AddRow(ac, 1, "Edit4", "Długość pomieszczenia L [m]", {}, {}, "Label7");
  width_ = calcui::AddRow(ac, 2, "Edit5", "Szerokość pomieszczenia W [m]", {}, {}, "Label8");
  height_ = calcui::AddRow(ac, 3, "Edit6", "Wysokość pomieszczenia H [m]", {}, {}, "Label9");
  auto* ac_compute = ComputeButton(air_changes_group_, "Button3");
  ac->addWidget(ac_compute, 4, 1);

  // PN-83/B-03430.
  standard_group_ = new QGroupBox("Wybierz warianty, które najlepiej opisują twoje mieszkanie:", this);
  standard_group_->setObjectName("GroupBox7");
  auto* st = new QGridLayout(standard_group_);
  auto* kind_label = new QLabel("Rodzaj pomieszczenia", standard_group_);
  kind_label->setObjectName("Label5");
  auto* rooms_label = new QLabel("Ilość pomieszczeń", standard_group_);
  rooms_label->setObjectName("Label6");
  st->addWidget(kind_label, 0, 0);
  st->addWidget(rooms_label, 0, 1);
  for (int k = 0; k < kFlatRoomCount; ++k) {
    auto* tick = new QCheckBox(QString::fromUtf8(kFlatRooms[k].polish), standard_group_);
    tick->setObjectName(QString("CheckBox%1").arg(k + 1));
    auto* count = new QLineEdit(standard_group_);
    count->setObjectName(QString("Edit%1").arg(kFlatCountEdits[k]));
    count->setEnabled(false);
    count->setMaximumWidth(80);
    st->addWidget(tick, k + 1, 0);
    st->addWidget(count, k + 1, 1);
    flat_ticks_[k] = tick;
    flat_counts_[k] = count;
    connect(tick, &QCheckBox::toggled, this, [this, k](bool on) {
      counts_.SetTicked(k, on);
      flat_counts_[k]->setEnabled(on);
      if (!on) flat_counts_[k]->clear();
    });
    connect(count, &QLineEdit::textChanged, this, [this, k](const QString& text) {
      if (!counts_.Ticked(k)) return;
      bool bad = false;
      const auto n = CountOf(text, &bad);
      if (!bad) counts_.CountTyped(k, n);  // an empty edit keeps the last count
    });
  }
  auto* st_compute = ComputeButton(standard_group_, "Button5");
  st->addWidget(st_compute, kFlatRoomCount + 1, 1);

  // Results.
  auto* results = new QGroupBox("Wynik", this);
  results->setObjectName("GroupBox6");
  auto* res = new QGridLayout(results);
  vmin_ = calcui::AddResultRow(res, 0, "Edit7", "Minimalna obliczona wydajność wentylatora", "m³/h");
  vmax_ = calcui::AddResultRow(res, 1, "Edit8", "Maksymalna obliczona wydajność wentylatora", "m³/h");
  vmid_ = calcui::AddResultRow(res, 2, "Edit9", "Uśredniona wydajność wentylatora", "m³/h");

  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn2");
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  // The three input groups share one place.
  auto* groups = new QGridLayout;
  groups->addWidget(occupants_group_, 0, 0);
  groups->addWidget(air_changes_group_, 0, 0);
  groups->addWidget(standard_group_, 0, 0);
  auto* layout = new QVBoxLayout(ScrollableBody(this));
  layout->addWidget(methods);
  layout->addLayout(groups, 1);
  layout->addWidget(results);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(close);
  layout->addLayout(bottom);

  for (QRadioButton* r : {by_occupants_, by_air_changes_, by_standard_})
    connect(r, &QRadioButton::toggled, this, &AirBalanceWindow::ShowMethod);
  connect(industrial_, &QRadioButton::toggled, this, &AirBalanceWindow::ShowRoomList);
  connect(occupant_mode_, &QComboBox::currentIndexChanged, this, &AirBalanceWindow::ShowOccupantEdits);
  connect(occ_compute, &QPushButton::clicked, this, &AirBalanceWindow::ComputeFromOccupants);
  connect(ac_compute, &QPushButton::clicked, this, &AirBalanceWindow::ComputeFromAirChanges);
  connect(st_compute, &QPushButton::clicked, this, &AirBalanceWindow::ComputeFromFlat);

  ShowMethod();
  ShowOccupantEdits();
  ShowRoomList();
  ApplyLanguageTexts(this);
}

void AirBalanceWindow::ShowMethod() {
  occupants_group_->setVisible(by_occupants_->isChecked());
  air_changes_group_->setVisible(by_air_changes_->isChecked());
  standard_group_->setVisible(by_standard_->isChecked());
}

void AirBalanceWindow::ShowOccupantEdits() {
  const int mode = occupant_mode_->currentIndex();
  const bool non = mode != 1, smoking = mode != 0;
  non_smokers_label_->setVisible(non);
  non_smokers_->setVisible(non);
  smokers_label_->setVisible(smoking);
  smokers_->setVisible(smoking);
}

void AirBalanceWindow::ShowRoomList() {
  industrial_list_->setVisible(industrial_->isChecked());
  public_list_->setVisible(!industrial_->isChecked());
}

void AirBalanceWindow::Show(const CalcResult<AirFlows>& r) {
  if (!r.ok()) {
    Refuse(r.failure());
    return;
  }
  const AirFlowTexts t = AirFlowShownTexts(r.value(), UiDecimalSeparator());
  vmin_->setText(calcui::Shown(t.vmin));
  vmax_->setText(calcui::Shown(t.vmax));
  vmid_->setText(calcui::Shown(t.vmid));
}

void AirBalanceWindow::Refuse(const CalcFailure& failure) {
  MessageRequest request;
  request.caption = calcui::kInfoCaption;
  request.text = calcui::FailureText(failure);
  request.buttons = QMessageBox::Ok | QMessageBox::Cancel;
  Messages::Show(this, request);
}

// A non-empty text that is not a number: says so and stops the computation.
bool AirBalanceWindow::ReportBad(const QLineEdit* edit) {
  Messages::Warning(this, calcui::kInfoCaption, calcui::InvalidNumberText(edit->text()));
  return true;
}

void AirBalanceWindow::ComputeFromOccupants() {
  const auto mode = static_cast<OccupantMode>(std::max(0, occupant_mode_->currentIndex()));
  std::optional<int> non, smoking;
  bool bad = false;
  if (mode != OccupantMode::kSmokers) {
    non = CountOf(non_smokers_->text(), &bad);
    if (bad) return void(ReportBad(non_smokers_));
  }
  if (mode != OccupantMode::kNonSmokers) {
    smoking = CountOf(smokers_->text(), &bad);
    if (bad) return void(ReportBad(smokers_));
  }
  Show(AirFlowFromOccupants(mode, non, smoking));
}

void AirBalanceWindow::ComputeFromAirChanges() {
  const bool industrial = industrial_->isChecked();
  QListWidget* list = industrial ? industrial_list_ : public_list_;
  std::optional<int> room;
  if (list->currentItem() && list->currentItem()->isSelected()) room = list->currentRow();
  bool bad = false;
  const auto l = calcui::ReadOptional(length_, &bad);
  if (bad) return void(ReportBad(length_));
  const auto w = calcui::ReadOptional(width_, &bad);
  if (bad) return void(ReportBad(width_));
  const auto h = calcui::ReadOptional(height_, &bad);
  if (bad) return void(ReportBad(height_));
  Show(AirFlowFromAirChanges(industrial ? RoomList::kIndustrial : RoomList::kPublic, room, l, w, h));
}

void AirBalanceWindow::ComputeFromFlat() {
  for (int k = 0; k < kFlatRoomCount; ++k) {
    if (!flat_ticks_[k]->isChecked()) continue;
    bool bad = false;
    CountOf(flat_counts_[k]->text(), &bad);
    if (bad) return void(ReportBad(flat_counts_[k]));
  }
  Show(AirFlowFromFlatRequirements(counts_.Counts()));
}

}  // namespace orvanta
