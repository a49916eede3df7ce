#include "calculators/ui/pool_hall_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <vector>

#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "calculators/ui/calc_form.h"
#include "project/safe_file.h"

namespace orvanta {

using namespace calculators;
using calcui::AddResultRow;
using calcui::AddRow;

PoolHallWindow::PoolHallWindow(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(PoolHallWindowCaptionRows());
  setObjectName("TForm18");
  setWindowTitle("OBLICZANIE BASENÓW WG. VDI 2089");
  setModal(true);

  auto* data = new QGroupBox("DANE", this);
  data->setObjectName("GroupBox1");
  auto* data_grid = new QGridLayout(data);
  auto* type_label = new QLabel("Rodzaj basenu", data);
  type_label->setObjectName("Label1");
  pool_type_ = new QComboBox(data);
  pool_type_->setObjectName("ComboBox1");
  pool_type_->setEditable(true);
  for (const PoolType& t : kPoolTypes) pool_type_->addItem(QString::fromUtf8(t.polish));
  pool_type_->setCurrentIndex(0);
  data_grid->addWidget(type_label, 0, 0);
  data_grid->addWidget(pool_type_, 0, 1, 1, 2);
  const PoolHallInput d;
  pool_area_ = AddRow(data_grid, 1, "Edit1", "Powierzchnia lustra", "m²", UiNumberText(d.pool_area), "Label34");
  water_t_ = AddRow(data_grid, 2, "Edit2", "Temperatura wody", "°C", UiNumberText(d.water_t), "Label2");
  hall_t_ = AddRow(data_grid, 3, "Edit3", "Temperatura pow. hali", "°C", UiNumberText(d.hall_t), "Label4");
  hall_rh_ = AddRow(data_grid, 4, "Edit4", "Wilgotność wzgl. pow.", "%", UiNumberText(d.hall_rh), "Label37");
  pressure_ = AddRow(data_grid, 5, "Edit5", "Ciśniene atmosferyczne", "Pa", UiNumberText(d.pressure), "Label52");
  supply_t_ = AddRow(data_grid, 6, "Edit28", "Temp. powietrza klimatyzującego", "°C", UiNumberText(d.supply_t), "Label56");
  supply_rh_ = AddRow(data_grid, 7, "Edit29", "Wilgotność pow. klimatyzującego", "%", UiNumberText(d.supply_rh), "Label57");
  air_speed_ = AddRow(data_grid, 8, "Edit18", "Prędkość pow. nad lustrem", "m/s", UiNumberText(d.air_speed), "Label62");

  auto* attractions = new QGroupBox("ATRAKCJE WODNE", this);
  attractions->setObjectName("GroupBox3");
  auto* attraction_grid = new QGridLayout(attractions);
  for (int k = 0; k < kAttractionCount; ++k) {
    const WaterAttraction& a = kWaterAttractions[k];
    auto* tick = new QCheckBox(QString::fromUtf8(a.polish), attractions);
    tick->setObjectName(QString("CheckBox%1").arg(k + 1));
    auto* count = new QLineEdit("0", attractions);
    count->setObjectName(QString("Edit%1").arg(k + 6));
    count->setEnabled(false);
    count->setMaximumWidth(80);
    attraction_grid->addWidget(tick, k, 0);
    attraction_grid->addWidget(count, k, 1);
    attraction_grid->addWidget(new QLabel(QString::fromUtf8(a.unit), attractions), k, 2);
    attraction_ticks_[k] = tick;
    attraction_counts_[k] = count;
    connect(tick, &QCheckBox::toggled, this, [this, k] { AttractionToggled(k); });
    connect(count, &QLineEdit::textChanged, this, &PoolHallWindow::Compute);
  }

  auto* floors = new QGroupBox("MOKRE POSADZKI", this);
  floors->setObjectName("GroupBox4");
  auto* floor_grid = new QGridLayout(floors);
  floor_area_ = AddRow(floor_grid, 0, "Edit16", "Powierzchnia posadzek", "m²", UiNumberText(d.floor_area), "Label24");
  floor_t_ = AddRow(floor_grid, 1, "Edit17", "Temperatura posadzek", "°C", UiNumberText(d.floor_t), "Label25");

  auto* glazing = new QGroupBox("SZKLENIE", this);
  glazing->setObjectName("GroupBox6");
  auto* glazing_grid = new QGridLayout(glazing);
  auto* height_label = new QLabel("Wysokość szklenia", glazing);
  height_label->setObjectName("Label31");
  glazing_height_ = new QComboBox(glazing);
  glazing_height_->setObjectName("ComboBox2");
  glazing_height_->setEditable(true);
  for (const GlazingHeight& h : kGlazingHeights) glazing_height_->addItem(QString::number(h.height));
  glazing_height_->setCurrentIndex(0);
  glazing_height_->setMaximumWidth(140);
  glazing_grid->addWidget(height_label, 0, 0);
  glazing_grid->addWidget(glazing_height_, 0, 1);
  glazing_grid->addWidget(new QLabel("m", glazing), 0, 2);
  glazing_length_ = AddRow(glazing_grid, 1, "Edit19", "Długość szklenia", "m", UiNumberText(d.glazing_length), "Label32");

  auto* results = new QGroupBox("WYNIKI OBLICZEŃ", this);
  results->setObjectName("GroupBox2");
  auto* results_box = new QVBoxLayout(results);
  auto* gains = new QGroupBox("ZYSKI WILGOCI I CIEPŁA", results);
  gains->setObjectName("GroupBox5");
  results_box->addWidget(gains);
  auto* result_grid = new QGridLayout(gains);
  struct Out {
    const char* edit;
    const char* label;
    const char* caption;
    const char* unit;
  };
  const Out outs[] = {{"Edit20", "Label64", "Zyski wilgoci od lustra basenu", "kg/h"},
                      {"Edit21", "Label66", "Zyski wilgoci od atrakcji", "kg/h"},
                      {"Edit22", "Label11", "Zyski wilgoci od mokrych pos.", "kg/h"},
                      {"Edit23", "Label13", "Zyski wilgoci całkowite", "kg/h"},
                      {"Edit24", "Label33", "Ilość powietrza do asymilacji wilgoci", "m³/h"},
                      {"Edit25", "Label38", "Ilość powietrza dla osusz. okien", "m³/h"},
                      {"Edit26", "Label39", "Zyski ciepła mokrego basenu", "kW"},
                      {"Edit27", "Label40", "Zyski ciepła suchego basenu", "kW"},
                      {"Edit30", "Label41", "Zawartość wilgoci w pow. hali", "g/kg"},
                      {"Edit31", "Label42", "Zawartość wilgoci pow. klimatyz.", "g/kg"},
                      {"Edit32", "Label68", "Współczynnik basenu", "g/(m²·h·hPa)"}};
  for (int k = 0; k < 11; ++k)
    results_[k] = AddResultRow(result_grid, k, outs[k].edit, QString::fromUtf8(outs[k].caption),
                               QString::fromUtf8(outs[k].unit), outs[k].label);
  v_marker_ = new QLabel("<--Ilość wymiarująca", gains);
  v_marker_->setObjectName("Label60");
  vo_marker_ = new QLabel("<--Ilość wymiarująca", gains);
  vo_marker_->setObjectName("Label61");
  for (QLabel* marker : {v_marker_, vo_marker_}) {
    marker->setStyleSheet("QLabel { color: #b00000; font-weight: bold; }");
    marker->hide();
  }
  result_grid->addWidget(v_marker_, 4, 3);
  result_grid->addWidget(vo_marker_, 5, 3);
  status_ = new QLabel(results);
  status_->setObjectName("PoolStatus");
  status_->setWordWrap(true);
  status_->setStyleSheet("QLabel { color: #b00000; }");
  results_box->addWidget(status_);
  results_box->addStretch();

  auto* compute = new QPushButton("OBLICZ", this);
  compute->setObjectName("Button1");
  auto* export_button = new QPushButton("EKSPORTUJ WYNIKI", this);
  export_button->setObjectName("Button2");
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  connect(compute, &QPushButton::clicked, this, &PoolHallWindow::Compute);
  connect(export_button, &QPushButton::clicked, this, &PoolHallWindow::ExportReport);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(data);
  left->addWidget(floors);
  left->addWidget(glazing);
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addWidget(attractions);
  middle->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addWidget(results, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(compute);
  buttons->addWidget(export_button);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  for (QLineEdit* e : {pool_area_, water_t_, hall_t_, hall_rh_, pressure_, supply_t_, supply_rh_, air_speed_,
                       floor_area_, floor_t_, glazing_length_})
    connect(e, &QLineEdit::textChanged, this, &PoolHallWindow::Compute);
  connect(pool_type_, &QComboBox::currentTextChanged, this, &PoolHallWindow::Compute);
  connect(glazing_height_, &QComboBox::currentTextChanged, this, &PoolHallWindow::Compute);

  ApplyLanguageTexts(this);
  Compute();
}

void PoolHallWindow::AttractionToggled(int k) {
  const bool on = attraction_ticks_[k]->isChecked();
  attraction_counts_[k]->setEnabled(on);
  if (!on) attraction_counts_[k]->setText(UiNumberText(0));  // computes through the change
  Compute();
}

void PoolHallWindow::ClearResults(const QString& reason) {
  for (QLineEdit* e : results_) e->clear();
  v_marker_->hide();
  vo_marker_->hide();
  status_->setText(reason);
}

void PoolHallWindow::Compute() {
  std::vector<std::string> items;
  for (int k = 0; k < pool_type_->count(); ++k) items.push_back(pool_type_->itemText(k).toStdString());
  pool_type_index_ = PoolTypeForText(pool_type_->currentText().toStdString(), items, pool_type_index_);

  // Empty edits count as 0, an empty pressure as the standard atmosphere.
  QString bad;
  auto read = [&bad](const QString& text, double when_empty) {
    if (text.trimmed().isEmpty()) return when_empty;
    if (auto v = ParseTypedNumber(text)) return *v;
    if (bad.isNull()) bad = text;
    return 0.0;
  };
  PoolHallInput in;
  in.pool_type = pool_type_index_;
  in.pool_area = read(pool_area_->text(), 0);
  in.water_t = read(water_t_->text(), 0);
  in.hall_t = read(hall_t_->text(), 0);
  in.hall_rh = read(hall_rh_->text(), 0);
  in.pressure = read(pressure_->text(), kPoolPressureWhenEmpty);
  in.supply_t = read(supply_t_->text(), 0);
  in.supply_rh = read(supply_rh_->text(), 0);
  in.air_speed = read(air_speed_->text(), 0);
  for (int k = 0; k < kAttractionCount; ++k)
    in.attraction_counts[k] = attraction_ticks_[k]->isChecked() ? read(attraction_counts_[k]->text(), 0) : 0;
  in.floor_area = read(floor_area_->text(), 0);
  in.floor_t = read(floor_t_->text(), 0);
  in.glazing_height = read(glazing_height_->currentText(), 0);
  in.glazing_length = read(glazing_length_->text(), 0);
  if (!bad.isNull()) {
    ClearResults(calcui::InvalidNumberText(bad));
    return;
  }
  const CalcResult<PoolHallResult> r = ComputePoolHall(in);
  if (!r.ok()) {
    ClearResults(calcui::FailureText(r.failure()));
    return;
  }
  const PoolHallTexts t = PoolHallShownTexts(r.value(), UiDecimalSeparator());
  const std::string* shown[] = {&t.wb, &t.wa, &t.wp, &t.wc, &t.v, &t.vo, &t.qm, &t.qs, &t.xi, &t.xk, &t.e};
  for (int k = 0; k < 11; ++k) results_[k]->setText(calcui::Shown(*shown[k]));
  v_marker_->setVisible(r->v_is_design);
  vo_marker_->setVisible(!r->v_is_design);
  status_->clear();
}

PoolHallReportData PoolHallWindow::ReportData() const {
  PoolHallReportData d;
  QWidget* top = parentWidget() ? parentWidget()->window() : nullptr;
  d.title = top ? top->windowTitle().toStdString() : std::string();
  d.pool_type = pool_type_->currentText().toStdString();
  auto s = [](const QLineEdit* e) { return e->text().toStdString(); };
  d.pool_area = s(pool_area_);
  d.water_t = s(water_t_);
  d.hall_t = s(hall_t_);
  d.hall_rh = s(hall_rh_);
  d.pressure = s(pressure_);
  d.supply_t = s(supply_t_);
  d.supply_rh = s(supply_rh_);
  d.air_speed = s(air_speed_);
  for (int k = 0; k < kAttractionCount; ++k)
    if (attraction_ticks_[k]->isChecked()) d.attractions[k] = s(attraction_counts_[k]);
  d.floor_area = s(floor_area_);
  d.floor_t = s(floor_t_);
  d.glazing_height = glazing_height_->currentText().toStdString();
  d.glazing_length = s(glazing_length_);
  std::string* shown[] = {&d.results.wb, &d.results.wa, &d.results.wp, &d.results.wc, &d.results.v, &d.results.vo,
                          &d.results.qm, &d.results.qs, &d.results.xi, &d.results.xk, &d.results.e};
  for (int k = 0; k < 11; ++k) *shown[k] = s(results_[k]);
  return d;
}

void PoolHallWindow::ExportReport() {
  Compute();
  if (results_[0]->text().isEmpty()) {
    // A report without results would say nothing; tell why instead.
    Messages::Info(this, calcui::kInfoCaption, status_->text());
    return;
  }
  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.folder = QDir::currentPath();
  request.filter = "Tabela przemian (*.txt)";
  request.default_suffix = "txt";
  const QString path = ChooseFile(this, request);
  if (path.isEmpty()) return;
  // UTF-8 with CR LF line ends, like the points-tree text export.
  const std::string text = PoolHallReportText(ReportData());
  const std::string error = WriteFileReplacing(
      path.toStdString(), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  const bool polish = calcui::PolishTexts();
  if (!error.empty()) {
    Messages::Warning(this, calcui::kInfoCaption,
                      (polish ? QString("Nie zapisano raportu %1:\n%2") : QString("The report %1 was not saved:\n%2"))
                          .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
    return;
  }
  if (!OpenExternally(QUrl::fromLocalFile(path)))
    Messages::Info(this, calcui::kInfoCaption,
                   (polish ? QString("Raport zapisano w pliku %1, ale nie ma programu, który by go otworzył.")
                           : QString("The report was saved as %1, but no program is set up to open it."))
                       .arg(QDir::toNativeSeparators(path)));
}

}  // namespace orvanta
