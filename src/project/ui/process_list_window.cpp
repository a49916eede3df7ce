#include "project/ui/process_list_window.h"

#include <QAction>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <array>

#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/workbench.h"
#include "chart/readout.h"
#include "project/process_list.h"
#include "project/ui/point_dialog_common.h"
#include "project/safe_file.h"
#include "project/ui/process_dialog.h"

namespace orvanta {
namespace {

enum Column { kName, kPoint1, kPoint2, kTotal, kSensible, kMoisture, kFlow, kLine, kColumns };
constexpr std::array<int, kColumns> kWidths{170, 80, 80, 110, 110, 100, 100, 60};

QLabel* Heading(QWidget* parent, const char* name, const QString& text, int width) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setFixedWidth(width);
  return l;
}

}  // namespace

ProcessListWindow::ProcessListWindow(Workbench& workbench, ProcessDialog* process_dialog, QWidget* parent)
    : QDialog(parent), workbench_(workbench), process_dialog_(process_dialog) {
  setObjectName("TForm32");
  RegisterCaptionRows(ProcessListWindowCaptionRows());
  setWindowTitle("LISTA PRZEMIAN");
  setModal(true);

  auto* headings = new QGridLayout;
  headings->setHorizontalSpacing(0);
  headings->setContentsMargins(2, 0, 0, 0);
  headings->addWidget(Heading(this, "Label1", "NAZWA PRZEMIANY", kWidths[kName]), 0, kName);
  headings->addWidget(Heading(this, "Label2", "PUNKT 1", kWidths[kPoint1]), 0, kPoint1);
  headings->addWidget(Heading(this, "Label3", "PUNKT 2", kWidths[kPoint2]), 0, kPoint2);
  headings->addWidget(Heading(this, "Label4", "CIEPŁO CAŁK.", kWidths[kTotal]), 0, kTotal);
  headings->addWidget(Heading(this, "Label7", "CIEPŁO JAWN.", kWidths[kSensible]), 0, kSensible);
  headings->addWidget(Heading(this, "Label9", "WILGOĆ", kWidths[kMoisture]), 0, kMoisture);
  headings->addWidget(Heading(this, "Label11", "PRZEPŁYW", kWidths[kFlow]), 0, kFlow);
  headings->addWidget(Heading(this, "Label5", "LINIA", kWidths[kLine]), 0, kLine);
  headings->addWidget(Heading(this, "Label12", "[kW]", kWidths[kTotal]), 1, kTotal);
  headings->addWidget(Heading(this, "Label13", "[kW]", kWidths[kSensible]), 1, kSensible);
  headings->addWidget(Heading(this, "Label14", "[kg/h]", kWidths[kMoisture]), 1, kMoisture);
  headings->addWidget(Heading(this, "Label15", "V [m3/h]", kWidths[kFlow]), 1, kFlow);
  headings->setColumnStretch(kColumns, 1);

  table_ = new QTableWidget(0, kColumns, this);
  table_->setObjectName("StringGrid1");
  table_->horizontalHeader()->setVisible(false);
  table_->verticalHeader()->setVisible(false);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  int total_width = 4;
  for (int c = 0; c < kColumns; ++c) {
    table_->setColumnWidth(c, kWidths[c]);
    total_width += kWidths[c];
  }
  table_->setMinimumSize(total_width + 20, 300);

  auto* popup = new QMenu(this);
  popup->setObjectName("PopupMenu1");
  auto* add_action = popup->addAction("Definiuj przeminę...");
  add_action->setObjectName("Definiujprzemin1");
  auto* edit_action = popup->addAction("Edytuj  przemianę...");
  edit_action->setObjectName("Edytujprzemian1");
  auto* delete_action = popup->addAction("Usuń przemianę...");
  delete_action->setObjectName("Usuprzemian1");

  auto button = [this](const char* name, const QString& text) { return NamedButton(this, name, text); };
  QPushButton* define = button("Button1", "DEFINIUJ PRZEMIANĘ");
  QPushButton* add_point = button("Button3", "DODAJ PUNKT");
  QPushButton* add_epsilon = button("Button4", "DODAJ EPSYLON");
  QPushButton* export_button = button("Button2", "EKSPORTUJ PRZEMIANY");
  QPushButton* close_button = button("BitBtn1", "ZAMKNIJ");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {define, add_point, add_epsilon, export_button}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(close_button);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(headings);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);

  connect(define, &QPushButton::clicked, this, &ProcessListWindow::AddProcess);
  connect(add_action, &QAction::triggered, this, &ProcessListWindow::AddProcess);
  connect(edit_action, &QAction::triggered, this, &ProcessListWindow::EditSelected);
  connect(delete_action, &QAction::triggered, this, &ProcessListWindow::DeleteSelected);
  connect(add_point, &QPushButton::clicked, this, [this] {
    if (add_point_) add_point_();
    Refill();
  });
  connect(add_epsilon, &QPushButton::clicked, this, [this] {
    if (add_coefficient_) add_coefficient_();
    Refill();
  });
  connect(export_button, &QPushButton::clicked, this, &ProcessListWindow::Export);
  connect(close_button, &QPushButton::clicked, this, &ProcessListWindow::accept);
  connect(table_, &QTableWidget::customContextMenuRequested, this, [this, popup, edit_action, delete_action](QPoint pos) {
    const bool on_row = selected_ >= 0;
    edit_action->setEnabled(on_row);
    delete_action->setEnabled(on_row);
    popup->popup(table_->viewport()->mapToGlobal(pos));
  });
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) { Select(row); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
    Select(row);
    EditSelected();
  });
  connect(table_, &QTableWidget::itemChanged, this, &ProcessListWindow::ItemChanged);

  if (ActiveLanguageNumber() != 0) ApplyLanguageTexts(this);
}

void ProcessListWindow::ApplyHeadings() {
  const bool mass = process_dialog_ && process_dialog_->flow_as_mass();
  const ProcessListHeadings h = ListHeadings(workbench_.settings().chart.polish_texts, workbench_.units(),
                                             mass ? FlowShownAs::Mass : FlowShownAs::Volume);
  auto set = [this](const char* name, const std::string& text) {
    if (auto* l = findChild<QLabel*>(name)) l->setText(QString::fromStdString(text));
  };
  set("Label4", h.total);
  set("Label7", h.sensible);
  set("Label9", h.moisture);
  set("Label12", h.heat_unit);
  set("Label13", h.heat_unit);
  set("Label14", h.moisture_unit);
  set("Label15", h.flow);
}

void ProcessListWindow::Refill() {
  ApplyHeadings();
  const bool mass = process_dialog_ && process_dialog_->flow_as_mass();
  const ProcessListHeadings h = ListHeadings(workbench_.settings().chart.polish_texts, workbench_.units(),
                                             mass ? FlowShownAs::Mass : FlowShownAs::Volume);
  const std::vector<ProcessListRow> rows = ProcessListRows(
      workbench_.project(), workbench_.units(), mass ? FlowShownAs::Mass : FlowShownAs::Volume, UiDecimalSeparator());
  filling_ = true;
  const int keep = selected_;
  table_->clearContents();
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const ProcessListRow& row = rows[r];
    const std::array<const std::string*, 7> texts{&row.name,     &row.point1,   &row.point2, &row.total,
                                                  &row.sensible, &row.moisture, &row.flow};
    for (int c = 0; c < 7; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(*texts[c]));
      if (c >= kTotal) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
    auto* line = new QTableWidgetItem(QString::fromStdString(h.line_item));
    line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    line->setCheckState(row.draw_line ? Qt::Checked : Qt::Unchecked);
    table_->setItem(r, kLine, line);
  }
  selected_ = keep < table_->rowCount() ? keep : -1;
  if (selected_ >= 0) table_->selectRow(selected_);
  filling_ = false;
}

int ProcessListWindow::Open() {
  selected_ = -1;
  workbench_.settings().chart.selected_process = -1;
  workbench_.settings().chart.previous_selected_process = -1;
  Refill();
  workbench_.RequestFullRedraw();
  return exec();
}

void ProcessListWindow::Select(int row) {
  if (filling_) return;
  if (row < -1 || row >= workbench_.project().process_count()) row = -1;
  if (row == selected_) return;
  const int previous = selected_;
  selected_ = row;
  if (row >= 0 && table_->currentRow() != row) table_->selectRow(row);
  ShowSelection(previous);
}

void ProcessListWindow::ShowSelection(int previous) {
  ChartSettings& chart = workbench_.settings().chart;
  chart.selected_process = selected_;
  chart.previous_selected_process = previous;
  workbench_.RequestFullRedraw();
}

void ProcessListWindow::ItemChanged(QTableWidgetItem* item) {
  if (filling_ || item->column() != kLine) return;
  ChartProject& project = workbench_.project();
  const int k = item->row();
  if (k < 0 || k >= project.process_count()) return;
  AirProcess p = project.process(k);
  const bool on = item->checkState() == Qt::Checked;
  if (p.draw_line == on) return;
  p.draw_line = on;
  if (project.ReplaceProcess(k, p)) {
    project.set_modified(true);
    workbench_.RequestFullRedraw();
  }
}

void ProcessListWindow::AddProcess() {
  if (!process_dialog_) return;
  process_dialog_->ExecAdd();
  Refill();
}

void ProcessListWindow::EditSelected() {
  if (!process_dialog_ || selected_ < 0) return;
  process_dialog_->ExecEdit(selected_);
  Refill();
}

void ProcessListWindow::DeleteSelected() {
  ChartProject& project = workbench_.project();
  if (selected_ < 0 || selected_ >= project.process_count()) return;
  project.DeleteProcess(selected_);
  project.set_modified(true);
  selected_ = -1;
  workbench_.settings().chart.selected_process = -1;
  workbench_.settings().chart.previous_selected_process = -1;
  Refill();
  workbench_.RequestFullRedraw();
}

std::string ProcessListWindow::ExportText() const {
  // The export's headings name SI units, so its rows are SI whatever the chart shows.
  const char sep = UiDecimalSeparator();
  const ChartProject& project = workbench_.project();
  const std::vector<ProcessListRow> rows = ProcessListRows(project, UnitSystem::SI, FlowShownAs::Volume, sep);
  std::vector<std::vector<std::string>> points;
  for (int k = 0; k < project.point_count(); ++k) {
    std::vector<std::string> entry{project.point(k).name};
    for (const std::string& line : PointTreeChildLines(project.point(k).state, UnitSystem::SI, sep)) {
      entry.push_back(line);
    }
    points.push_back(std::move(entry));
  }
  QWidget* main = workbench_.dialog_parent();
  const QString title = main ? main->windowTitle() : QString("ORVANTA");
  return ProcessExportText(title.toStdString(), workbench_.pressure(), rows, points, sep);
}

bool ProcessListWindow::Export() {
  const QString folder = QDir::currentPath();
  const QString path =
      ChooseFile(this, {FileDialogKind::Save, folder, QString(), "Tabela przemian (*.txt)", "txt"});
  QDir::setCurrent(folder);
  if (path.isEmpty()) return false;
  const std::string text = ExportText();
  const std::string error = WriteFileReplacing(
      path.toStdString(), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  if (!error.empty()) {
    Messages::Warning(this, "ORVANTA INFO", path + "\n" + QString::fromStdString(error));
    return false;
  }
  OpenExternally(QUrl::fromLocalFile(path));
  return true;
}

void ProcessListWindow::done(int result) {
  // Closing ends the selection and redraws the chart in its own colours.
  selected_ = -1;
  workbench_.settings().chart.selected_process = -1;
  workbench_.settings().chart.previous_selected_process = -1;
  workbench_.RequestFullRedraw();
  QDialog::done(result);
}

}  // namespace orvanta
