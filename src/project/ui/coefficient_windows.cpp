#include "project/ui/coefficient_windows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/workbench.h"
#include "project/direction_coefficient.h"
#include "project/ui/point_dialog_common.h"
#include "psychro/number_text.h"
#include "psychro/units.h"

namespace orvanta {
namespace {

QLineEdit* NewEdit(QWidget* parent, const char* name, bool read_only = false) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setReadOnly(read_only);
  return e;
}

QString Shown(double v) { return QString::fromStdString(NumberText(v, UiDecimalSeparator())); }

}  // namespace

// ---- TForm3 ------------------------------------------------------------------

CoefficientDialog::CoefficientDialog(Workbench& workbench, QWidget* parent) : QDialog(parent), workbench_(workbench) {
  setObjectName("TForm3");
  RegisterCaptionRows(CoefficientDialogCaptionRows());
  setWindowTitle("DEFINICJA WSPÓŁCZYNNIKA KIERUNKOWEGO");
  setModal(true);

  name_ = NewEdit(this, "Edit1");
  name_->setMaxLength(20);
  value_ = NewEdit(this, "Edit2");
  point_ = NewEdit(this, "Edit3", true);
  auto* load_point = new QPushButton("WCZYTAJ PUNKT", this);
  load_point->setObjectName("Button2");
  load_point->setAutoDefault(false);
  draw_line_ = new QCheckBox("RYSUJ LINIĘ NA WYKRESIE", this);
  draw_line_->setObjectName("CheckBox1");
  draw_line_->setChecked(true);
  heat_gain_ = NewEdit(this, "Edit4");
  moisture_per_hour_ = NewEdit(this, "Edit6");
  moisture_per_second_ = NewEdit(this, "Edit5", true);
  value_unit_ = NamedLabel(this, "Label4", "kJ/kg");
  heat_unit_ = NamedLabel(this, "Label5", "kW");
  per_hour_unit_ = NamedLabel(this, "Label6", "kg/h    =");
  per_second_unit_ = NamedLabel(this, "Label7", "kg/s");

  auto* grid = new QGridLayout;
  grid->addWidget(NamedLabel(this, "Label1", "NAZWA WSPÓŁCZYNNIKA"), 0, 0);
  grid->addWidget(name_, 0, 1, 1, 4);
  grid->addWidget(NamedLabel(this, "Label8", "ZYSKI CIEPŁA CAŁKOWITEGO"), 1, 0);
  grid->addWidget(heat_gain_, 1, 1);
  grid->addWidget(heat_unit_, 1, 2);
  grid->addWidget(NamedLabel(this, "Label9", "ZYSKI WILGOCI "), 2, 0);
  grid->addWidget(moisture_per_hour_, 2, 1);
  grid->addWidget(per_hour_unit_, 2, 2);
  grid->addWidget(moisture_per_second_, 2, 3);
  grid->addWidget(per_second_unit_, 2, 4);
  grid->addWidget(NamedLabel(this, "Label2", "WARTOŚĆ"), 3, 0);
  grid->addWidget(value_, 3, 1);
  grid->addWidget(value_unit_, 3, 2);
  grid->addWidget(NamedLabel(this, "Label3", "PUNKT PRZECIĘCIA"), 4, 0);
  grid->addWidget(point_, 4, 1);
  grid->addWidget(load_point, 4, 2, 1, 3);
  grid->addWidget(draw_line_, 5, 0, 1, 5);

  const DialogButtons buttons = MakeDialogButtons(this, "Button1", "OK", "BitBtn1", "ANULUJ");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buttons.accept, &QPushButton::clicked, this, &CoefficientDialog::accept);
  connect(buttons.cancel, &QPushButton::clicked, this, &CoefficientDialog::reject);
  connect(load_point, &QPushButton::clicked, this, [this] {
    if (!choose_point_) return;
    if (const auto name = choose_point_()) point_->setText(*name);
  });
  connect(moisture_per_hour_, &QLineEdit::textEdited, this, &CoefficientDialog::MoisturePerHourTyped);
  connect(heat_gain_, &QLineEdit::textEdited, this, &CoefficientDialog::GainsChanged);
  connect(value_, &QLineEdit::textEdited, this, &CoefficientDialog::ValueTyped);

  PrepareAdd();
  if (ActiveLanguageNumber() != 0) ApplyLanguageTexts(this);
}

void CoefficientDialog::ApplyUnitTexts() {
  const bool ip = workbench_.units() == UnitSystem::IP;
  value_unit_->setText(ip ? "Btu/lb" : "kJ/kg");
  heat_unit_->setText(ip ? "Btu/h" : "kW");
  per_hour_unit_->setText(ip ? "lb/h    =" : "kg/h    =");
  per_second_unit_->setText(ip ? "lb/s" : "kg/s");
}

void CoefficientDialog::PrepareAdd(const QString& point) {
  edit_index_ = -1;
  epsilon_.reset();
  for (QLineEdit* e : {name_, value_, point_, heat_gain_, moisture_per_hour_, moisture_per_second_}) e->clear();
  point_->setText(point);
  draw_line_->setChecked(true);
  ApplyUnitTexts();
  name_->setFocus();
}

void CoefficientDialog::PrepareEdit(int index) {
  PrepareAdd();
  const ChartProject& project = workbench_.project();
  if (index < 0 || index >= project.coefficient_count()) return;
  edit_index_ = index;
  const DirectionCoefficient& c = project.coefficient(index);
  const bool ip = workbench_.units() == UnitSystem::IP;
  const char sep = UiDecimalSeparator();
  name_->setText(QString::fromStdString(c.name));
  epsilon_ = c.epsilon;
  value_->setText(Shown(Rnd(ip ? EnthalpyToIP(c.epsilon) : c.epsilon)));
  point_->setText(QString::fromStdString(c.point_name));
  draw_line_->setChecked(c.draw_line);
  if (const auto q = ParseNumber(c.heat_gain, sep)) {
    heat_gain_->setText(ip ? Shown(RoundTo(HeatFlowToIP(*q), -2)) : QString::fromStdString(c.heat_gain));
  }
  if (const auto w = ParseNumber(c.moisture_gain, sep)) {
    const double shown = ip ? MassToIP(*w) : *w;
    moisture_per_second_->setText(ip ? Shown(RoundTo(shown, -10)) : QString::fromStdString(c.moisture_gain));
    moisture_per_hour_->setText(Shown(MoistureGainPerHour(shown)));
  }
}

int CoefficientDialog::ExecAdd(const QString& point) {
  PrepareAdd(point);
  return exec();
}

int CoefficientDialog::ExecEdit(int index) {
  PrepareEdit(index);
  return exec();
}

void CoefficientDialog::MoisturePerHourTyped() {
  const auto w = ParseTypedNumber(moisture_per_hour_->text());
  if (!w) return;  // not a number: nothing changes
  moisture_per_second_->setText(Shown(MoistureGainPerSecond(*w)));
  GainsChanged();
}

void CoefficientDialog::GainsChanged() {
  const auto q = ParseTypedNumber(heat_gain_->text());
  const auto w = ParseTypedNumber(moisture_per_second_->text());
  if (!q || !w) return;
  const UnitSystem units = workbench_.units();
  const auto eps = EpsilonFromGains(*q, *w, units);
  if (!eps) return;  // no moisture gain: the value stays as it is
  epsilon_ = *eps;
  value_->setText(Shown(units == UnitSystem::IP ? Rnd(EnthalpyToIP(*eps)) : *eps));
}

void CoefficientDialog::ValueTyped() {
  // A coefficient given by its value has no gains.
  for (QLineEdit* e : {heat_gain_, moisture_per_hour_, moisture_per_second_}) e->clear();
  const auto v = ParseTypedNumber(value_->text());
  if (!v) {
    epsilon_.reset();
    return;
  }
  epsilon_ = workbench_.units() == UnitSystem::IP ? EnthalpyToSI(*v) : *v;
}

void CoefficientDialog::accept() {
  if (StoreFromFields()) QDialog::accept();
}

bool CoefficientDialog::StoreFromFields() {
  ChartProject& project = workbench_.project();
  if (name_->text().isEmpty()) {
    ShowLanguageText(this, kTextCoefficientNameEmpty);
    return false;
  }
  if (value_->text().isEmpty()) {
    ShowLanguageText(this, kTextCoefficientValueEmpty);
    return false;
  }
  if (point_->text().isEmpty()) {
    ShowLanguageText(this, kTextCoefficientPointEmpty);
    return false;
  }
  if (!epsilon_ || !std::isfinite(*epsilon_)) {
    ShowIncorrectInput(this);
    return false;
  }
  const bool ip = workbench_.units() == UnitSystem::IP;
  const char sep = UiDecimalSeparator();
  DirectionCoefficient c;
  if (edit_mode()) c = project.coefficient(edit_index_);
  const std::string old_name = c.name;
  c.name = name_->text().toStdString();
  c.epsilon = *epsilon_;
  c.point_name = point_->text().toStdString();
  c.draw_line = draw_line_->isChecked();
  // The gains are kept in kW and kg/s whatever the unit system shows.
  c.heat_gain.clear();
  c.moisture_gain.clear();
  if (const auto q = ParseTypedNumber(heat_gain_->text())) {
    c.heat_gain = ip ? NumberText(RoundTo(HeatFlowToSI(*q), -4), sep) : heat_gain_->text().toStdString();
  }
  if (const auto w = ParseTypedNumber(moisture_per_second_->text())) {
    c.moisture_gain = ip ? NumberText(RoundTo(MassToSI(*w), -8), sep) : moisture_per_second_->text().toStdString();
  }
  const EditResult stored = edit_mode() ? project.ReplaceCoefficient(edit_index_, c) : project.AddCoefficient(c);
  if (!stored) {
    ShowPointInfo(this, QString::fromStdString(stored.Message()));
    return false;
  }
  if (edit_mode()) {
    // The air-flow link follows a renamed coefficient it named.
    AirFlowLink link = project.air_flow_link();
    if (link.enabled && link.coefficient_name == old_name) {
      link.coefficient_name = FitToCapacity(c).name;
      project.SetAirFlowLink(link);
    }
  }
  project.set_modified(true);
  emit projectChanged();
  return true;
}

void CoefficientDialog::done(int result) {
  for (QLineEdit* e : {name_, value_, point_}) e->clear();
  epsilon_.reset();
  draw_line_->setChecked(true);
  edit_index_ = -1;
  QDialog::done(result);
}

// ---- TForm2 ------------------------------------------------------------------

namespace {
enum ListColumn { kCName, kCValue, kCPoint, kCLine, kCColumns };
constexpr std::array<int, kCColumns> kCWidths{170, 110, 90, 60};
}  // namespace

CoefficientListWindow::CoefficientListWindow(Workbench& workbench, CoefficientDialog* dialog, QWidget* parent)
    : QDialog(parent), workbench_(workbench), dialog_(dialog) {
  setObjectName("TForm2");
  RegisterCaptionRows(CoefficientListWindowCaptionRows());
  setWindowTitle("WSPÓŁCZYNNIKI KIERUNKOWE PRZEMIAN");
  setModal(true);

  auto* group = new QGroupBox("WSPÓŁCZYNNIKI KIERUNKOWE", this);
  group->setObjectName("GroupBox1");
  auto* headings = new QHBoxLayout;
  headings->setSpacing(0);
  headings->setContentsMargins(2, 0, 0, 0);
  const std::array<std::pair<const char*, const char*>, kCColumns> heads{
      {{"Label2", "NAZWA"}, {"Label3", "WARTOŚĆ [kJ/kg]"}, {"Label4", "PUNKT"}, {"Label6", "LINIA"}}};
  for (int c = 0; c < kCColumns; ++c) {
    QLabel* l = NamedLabel(group, heads[c].first, heads[c].second);
    l->setFixedWidth(kCWidths[c]);
    headings->addWidget(l);
  }
  headings->addStretch();
  table_ = new QTableWidget(0, kCColumns, group);
  table_->setObjectName("StringGrid1");
  table_->horizontalHeader()->setVisible(false);
  table_->verticalHeader()->setVisible(false);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  int width = 4;
  for (int c = 0; c < kCColumns; ++c) {
    table_->setColumnWidth(c, kCWidths[c]);
    width += kCWidths[c];
  }
  table_->setMinimumSize(width + 20, 240);
  auto* gl = new QVBoxLayout(group);
  gl->addLayout(headings);
  gl->addWidget(table_, 1);

  auto* popup = new QMenu(this);
  popup->setObjectName("PopupMenu1");
  QAction* edit_action = popup->addAction("Edytuj współczynnik kierunkowy przemiany");
  edit_action->setObjectName("Edytujwspczynnikkierunkowyprzemiany1");
  QAction* delete_action = popup->addAction("Usuń współczynnik kierunkowy przemiany");
  delete_action->setObjectName("Usuwspczynnikkierunkowyprzemiany1");
  QAction* add_action = popup->addAction("Dodaj współczynnik kierunkowy przemiany");
  add_action->setObjectName("Dodajwspczynnikkierunkowyprzemiany1");

  auto button = [this](const char* name, const QString& text) { return NamedButton(this, name, text); };
  QPushButton* add_epsilon = button("Button1", "DODAJ EPSYLON");
  QPushButton* add_point = button("Button2", "DODAJ PUNKT");
  QPushButton* add_process = button("Button3", "DODAJ PRZEMIANĘ");
  QPushButton* close_button = button("BitBtn1", "ZAMKNIJ");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {add_epsilon, add_point, add_process}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(close_button);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group, 1);
  layout->addLayout(buttons);

  connect(add_epsilon, &QPushButton::clicked, this, &CoefficientListWindow::AddCoefficient);
  connect(add_action, &QAction::triggered, this, &CoefficientListWindow::AddCoefficient);
  connect(edit_action, &QAction::triggered, this, &CoefficientListWindow::EditSelected);
  connect(delete_action, &QAction::triggered, this, &CoefficientListWindow::DeleteSelected);
  connect(add_point, &QPushButton::clicked, this, [this] {
    if (add_point_) add_point_();
    Refill();
  });
  connect(add_process, &QPushButton::clicked, this, [this] {
    if (add_process_) add_process_();
    Refill();
  });
  connect(close_button, &QPushButton::clicked, this, &CoefficientListWindow::accept);
  connect(table_, &QTableWidget::customContextMenuRequested, this, [this, popup, edit_action, delete_action](QPoint pos) {
    edit_action->setEnabled(selected_ >= 0);
    delete_action->setEnabled(selected_ >= 0);
    popup->popup(table_->viewport()->mapToGlobal(pos));
  });
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) { Select(row); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
    Select(row);
    EditSelected();
  });
  connect(table_, &QTableWidget::itemChanged, this, &CoefficientListWindow::ItemChanged);

  if (ActiveLanguageNumber() != 0) ApplyLanguageTexts(this);
}

void CoefficientListWindow::Refill() {
  const ChartProject& project = workbench_.project();
  const QString line_text = workbench_.settings().chart.polish_texts ? "linia" : "line";
  filling_ = true;
  table_->clearContents();
  table_->setRowCount(project.coefficient_count());
  for (int r = 0; r < project.coefficient_count(); ++r) {
    const DirectionCoefficient& c = project.coefficient(r);
    table_->setItem(r, kCName, new QTableWidgetItem(QString::fromStdString(c.name)));
    auto* value = new QTableWidgetItem(Shown(RoundTo(c.epsilon, -2)));
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(r, kCValue, value);
    table_->setItem(r, kCPoint, new QTableWidgetItem(QString::fromStdString(c.point_name)));
    auto* line = new QTableWidgetItem(line_text);
    line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    line->setCheckState(c.draw_line ? Qt::Checked : Qt::Unchecked);
    table_->setItem(r, kCLine, line);
  }
  if (selected_ >= table_->rowCount()) selected_ = -1;
  if (selected_ >= 0) table_->selectRow(selected_);
  filling_ = false;
}

int CoefficientListWindow::Open() {
  selected_ = -1;
  Refill();
  workbench_.RequestFullRedraw();
  return exec();
}

void CoefficientListWindow::Select(int row) {
  if (filling_) return;
  selected_ = row >= 0 && row < workbench_.project().coefficient_count() ? row : -1;
}

void CoefficientListWindow::ItemChanged(QTableWidgetItem* item) {
  if (filling_ || item->column() != kCLine) return;
  ChartProject& project = workbench_.project();
  const int k = item->row();
  if (k < 0 || k >= project.coefficient_count()) return;
  DirectionCoefficient c = project.coefficient(k);
  const bool on = item->checkState() == Qt::Checked;
  if (c.draw_line == on) return;
  c.draw_line = on;
  if (project.ReplaceCoefficient(k, c)) {
    project.set_modified(true);
    workbench_.RequestFullRedraw();
  }
}

void CoefficientListWindow::AddCoefficient() {
  if (dialog_) dialog_->ExecAdd();
  Refill();
}

void CoefficientListWindow::EditSelected() {
  if (!dialog_ || selected_ < 0) return;
  dialog_->ExecEdit(selected_);
  Refill();
}

void CoefficientListWindow::DeleteSelected() {
  ChartProject& project = workbench_.project();
  if (selected_ < 0 || selected_ >= project.coefficient_count()) return;
  project.DeleteCoefficient(selected_);
  project.set_modified(true);
  selected_ = -1;
  Refill();
  workbench_.RequestFullRedraw();
}

}  // namespace orvanta
