#include "ductcalc/ui/duct_sheet_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/fit_to_screen.h"
#include "app/ui/kit/hand_overs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/report_data_window.h"
#include "app/ui/kit/ui_texts.h"
#include "ductcalc/acoustic_run.h"
#include "ductcalc/duct_document.h"
#include "ductcalc/fitting_catalogue.h"
#include "ductcalc/ui/basic_data_window.h"
#include "ductcalc/ui/duct_export.h"
#include "ductcalc/ui/duct_run.h"
#include "ductcalc/ui/fitting_palette.h"
#include "ductcalc/ui/fitting_window.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

const char* const kFilter = "Hydraulic and acoustics calculations file (*.moh)";
// Line of the video link file with the sheet's instruction.
constexpr int kVideoLinkLine = 3;

struct ColumnHead {
  int text;         // language text of the upper line (0: none)
  const char* own;  // its Polish text
  const char* unit;
  int hint;         // language text of the hint (0: none)
};
// The form's caption labels over the columns, in column order ("" for none).
// They hold the language texts; the table's header shows them.
const char* const kHeadLabels[kSheetColumns] = {
    "Label1", "Label3", "Label4", "Label5", "Label8", "Label16", "Label33", "Label22", "Label24",
    "Label26", "Label28", "Label34", "", "Label10", "Label19", "Label15", "Label13", "Label37",
    "", "", "", "", "", "", "", ""};
// In the order of kSheetColumnLayout.
const ColumnHead kHeads[kSheetColumns] = {
    {547, "Lp", "", 578},           {553, "Nazwa kształtki", "", 579}, {546, "Przepływ", "Vc [m3/h]", 580},
    {548, "Prędkosc", "wc [m/s]", 581}, {552, "Długos", "L [mm]", 582}, {551, "Średnica", "φ1 [mm]", 583},
    {551, "Średnica", "φ2 [mm]", 583}, {594, "Wymiar", "A [mm]", 0},  {594, "Wymiar", "B [mm]", 0},
    {594, "Wymiar", "C [mm]", 0},     {594, "Wymiar", "D [mm]", 0},  {595, "Kąt", "α, β [o]", 0},
    {0, "", "ζ [-]", 584},            {549, "Strata liniowa", "dpl [Pa]", 585},
    {555, "Strata miejscowa", "dpm [Pa]", 586}, {554, "Strata +", "dpp [Pa]", 587},
    {550, "Strata całkowita", "dpc [Pa]", 588}, {1240, "Weight", "m [kg]", 0},
    {0, "63", "[Hz]", 0},   {0, "125", "[Hz]", 0},  {0, "250", "[Hz]", 0},  {0, "500", "[Hz]", 0},
    {0, "1000", "[Hz]", 0}, {0, "2000", "[Hz]", 0}, {0, "4000", "[Hz]", 0}, {0, "8000", "[Hz]", 0},
};

}  // namespace

DuctSheetWindow::DuctSheetWindow(QWidget* parent)
    : QDialog(parent), run_(std::make_unique<DuctRun>(DataPath("calc").toStdString())) {
  RegisterCaptionRows(DuctSheetWindowCaptionRows());
  setObjectName("TForm15");
  setWindowTitle(QString::fromUtf8("Kalkulator strat ciśnienia - bez nazwy.moh"));

  auto action = [this](const char* name, const char* text, QKeySequence keys, auto slot) {
    auto* a = new QAction(QString::fromUtf8(text), this);
    a->setObjectName(name);
    if (!keys.isEmpty()) a->setShortcut(keys);
    connect(a, &QAction::triggered, this, slot);
    addAction(a);
    return a;
  };
  auto* bar = new QMenuBar(this);
  bar->setObjectName("MainMenu1");
  QMenu* file = bar->addMenu(QString::fromUtf8("Plik"));
  file->menuAction()->setObjectName("Plik1");
  file->addAction(action("Noweobliczenia1", "Nowe obliczenia", QKeySequence("Ctrl+N"), [this] {
    if (MaySetRunAside()) New();
  }));
  file->addAction(action("Otwrzobliczenia1", "Otwórz obliczenia", QKeySequence("Ctrl+O"), [this] { Open(); }));
  file->addAction(action("Zapiszobliczenia1", "Zapisz obliczenia", QKeySequence("Ctrl+S"), [this] { Save(); }));
  file->addSeparator();
  file->addAction(action("Zamknij1", "Zamknij", QKeySequence("Ctrl+X"), [this] { reject(); }));
  QMenu* options = bar->addMenu(QString::fromUtf8("Opcje"));
  options->menuAction()->setObjectName("Opcje1");
  options->addAction(action("Danepodstawoweoblicze1", "Dane podstawowe obliczeń", {}, [this] { basic_data_->exec(); }));
  options->addAction(action("Dodajksztatk2", "Dodaj kształtkę", {}, [this] { AddFitting(); }));
  options->addAction(action("Edytujksztatk1", "Edytuj kształtkę", {}, [this] { EditFitting(); }));
  options->addAction(action("Usuksztatk2", "Usuń kształtkę", {}, [this] { DeleteFitting(); }));
  options->addAction(action("EkspodtdanychdoExcela1", "Eksport danych do Excela", {},
                            [this] { Export(DuctExport::kHydraulic); }));
  QMenu* help = bar->addMenu(QString::fromUtf8("Pomoc"));
  help->menuAction()->setObjectName("Pomoc1");
  QAction* help_action = action("Pomocprogramu1", "Pomoc programu", QKeySequence(Qt::Key_F1), [] {});
  help_action->setEnabled(false);
  help->addAction(help_action);

  auto* popup = new QMenu(this);
  popup->setObjectName("PopupMenu1");
  popup->addAction(action("Waciwociksztatki1", "Właściwości kształtki", {}, [this] { EditFitting(); }));
  popup->addAction(action("Usuksztatk1", "Usuń kształtkę", {}, [this] { DeleteFitting(); }));
  popup->addAction(action("Dodajksztatk1", "Dodaj kształtkę", {}, [this] { AddFitting(); }));

  table_ = new QTableWidget(kSheetRows, kSheetColumns, this);
  table_->setObjectName("SheetTable");
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(20);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  // Holders of the column captions and hints the language layer fills.
  for (int c = 0; c < kSheetColumns; ++c) {
    const ColumnHead& h = kHeads[c];
    if (kHeadLabels[c][0]) {
      auto* holder = new QLabel(h.text ? DuctText(h.text, h.own) : QString::fromUtf8(h.own), this);
      holder->setObjectName(kHeadLabels[c]);
      holder->hide();
    }
    auto* hint = new QLabel(this);
    hint->setObjectName(kSheetColumnLayout[c].list_box);
    hint->setToolTip(h.hint ? Text(h.hint) : QString());
    hint->hide();
  }
  UpdateHeaders();
  // Wide enough for the header texts; the name column for the longest kind name.
  table_->resizeColumnsToContents();
  for (int c = 0; c < kSheetColumns; ++c)
    table_->setColumnWidth(c, c == 1 ? 250 : std::clamp(table_->columnWidth(c) + 6, 44, 100));
  table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() + kSheetRows * 20 +
                         table_->horizontalScrollBar()->sizeHint().height() + 2 * table_->frameWidth());
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { EditFitting(); });
  connect(table_, &QTableWidget::customContextMenuRequested, this,
          [this, popup](const QPoint& p) { popup->popup(table_->viewport()->mapToGlobal(p)); });
  scroll_bar_ = new QScrollBar(Qt::Vertical, this);
  scroll_bar_->setObjectName("ScrollBar1");
  scroll_bar_->setRange(0, 0);
  connect(scroll_bar_, &QScrollBar::valueChanged, this, [this](int v) {
    run_->scroll_position = v;
    Refresh();
  });

  auto* totals = new QHBoxLayout;
  const char* total_names[] = {"Σ dpc [Pa]", "Σ m [kg]", "63", "125", "250", "500", "1000", "2000", "4000", "8000"};
  for (int i = 0; i < 10; ++i) {
    if (i == 2) {
      auto* bands = new QLabel(QString::fromUtf8("Hałas w poszczególnych oktawach [dB]:"), this);
      bands->setObjectName("Label55");
      totals->addWidget(bands);
    }
    totals->addWidget(new QLabel(QString::fromUtf8(total_names[i]), this));
    totals_[i] = new QLineEdit(this);
    totals_[i]->setObjectName(QString("Edit%1").arg(i + 1));
    totals_[i]->setReadOnly(true);
    totals_[i]->setMaximumWidth(i < 2 ? 80 : 56);
    totals->addWidget(totals_[i]);
  }
  totals->addStretch();
  totals_[0]->setText("0");

  auto* group = new QGroupBox(QString::fromUtf8("Opcje"), this);
  group->setObjectName("GroupBox1");
  auto* buttons = new QHBoxLayout(group);
  auto button = [&](const char* name, const char* text, auto slot) {
    auto* b = new QPushButton(QString::fromUtf8(text), group);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
    return b;
  };
  button("SpeedButton1", "Dodaj kształtkę", [this] { AddFitting(); });
  button("BitBtn1", "Dane podstawowe obliczeń", [this] { basic_data_->exec(); });
  button("SpeedButton2", "Eksport do Excel obliczeń hydraulicznych", [this] { Export(DuctExport::kHydraulic); });
  button("SpeedButton4", "Eksport do Excel obliczeń akustycznych", [this] { Export(DuctExport::kAcoustic); });
  // Enabled while the acoustic calculator's command is registered.
  hand_over_ = button("SpeedButton3", "Copy results and calculate noise in the room",
                      [this] { HandOverToAcousticCalculator(); });
  hand_over_->setEnabled(false);
  buttons->addWidget(MakeHelpLinkButton(group, "SpeedButton5", "Instrukcja", HelpLinkPair::Videos, kVideoLinkLine));
  buttons->addStretch();
  button("BitBtn2", "Zamknij", [this] { reject(); });

  auto* sheet = new QHBoxLayout;
  sheet->setSpacing(0);
  sheet->addWidget(table_, 1);
  sheet->addWidget(scroll_bar_);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
  layout->addLayout(sheet, 1);
  layout->addLayout(totals);
  layout->addWidget(group);
  ResizeWithinScreen(this, {1400, 640});

  basic_data_ = new BasicDataWindow(*run_, this);
  palette_ = new FittingPalette(this);
  fitting_window_ = new FittingWindow(*run_, this);
  ApplyLanguageTexts(this);
  UpdateCaption();
  Refresh();
}

DuctSheetWindow::~DuctSheetWindow() = default;

void DuctSheetWindow::ConnectAcousticHandOver(CommandRegistry* commands) {
  commands_ = commands;
  hand_over_->setEnabled(commands_ && commands_->IsRegistered(kAcousticFromDuctRun));
}

void DuctSheetWindow::HandOverToAcousticCalculator() {
  if (!commands_) return;
  const AcousticTransfer transfer = TransferToAcousticCalculator(AcousticRunData(run_->document));
  commands_->Run(kAcousticFromDuctRun, std::any(transfer));
}

void DuctSheetWindow::UpdateHeaders() {
  for (int c = 0; c < kSheetColumns; ++c) {
    const ColumnHead& h = kHeads[c];
    QString top = QString::fromUtf8(h.own);
    if (kHeadLabels[c][0])
      if (auto* holder = findChild<QLabel*>(kHeadLabels[c], Qt::FindDirectChildrenOnly)) top = holder->text();
    // Long captions take two lines, so the loss columns stay narrow.
    if (c != 1 && top.size() > 10 && top.contains(' ')) top[top.indexOf(QChar(' '))] = '\n';
    auto* item = new QTableWidgetItem(h.unit[0] ? top + "\n" + QString::fromUtf8(h.unit) : top);
    if (auto* hint = findChild<QLabel*>(kSheetColumnLayout[c].list_box, Qt::FindDirectChildrenOnly))
      item->setToolTip(hint->toolTip());
    table_->setHorizontalHeaderItem(c, item);
  }
}

void DuctSheetWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  UpdateHeaders();
  UpdateCaption();
  ConnectAcousticHandOver(commands_);
  folder_ = QDir::currentPath();
  basic_data_->Recompute();
}

void DuctSheetWindow::UpdateCaption() {
  const QString base = DuctText(kTextSheetCaption, "Kalkulator strat ciśnienia");
  setWindowTitle(base + " - " + (run_->path.isEmpty() ? UiText(UiTextId::UntitledDuctFile) : run_->path));
}

void DuctSheetWindow::Refresh() {
  const auto rows = SheetRows(run_->document, run_->scroll_position);
  const int selected = table_->currentRow();
  table_->clearContents();
  for (int r = 0; r < kSheetRows; ++r)
    for (int c = 0; c < kSheetColumns; ++c)
      table_->setItem(r, c, new QTableWidgetItem(QString::fromStdString(rows[r][c])));
  if (selected >= 0) table_->selectRow(selected);
}

void DuctSheetWindow::ShowTotals(double band_step) {
  const TotalsTexts t = FormatTotals(run_->document.Totals(), band_step, UiDecimalSeparator());
  totals_[0]->setText(QString::fromStdString(t.total_loss));
  totals_[1]->setText(QString::fromStdString(t.mass));
  for (int b = 0; b < kOctaveBands; ++b) totals_[2 + b]->setText(QString::fromStdString(t.bands[b]));
  run_->total_text = totals_[0]->text();
  run_->last_total = run_->document.Totals().total_loss;
}

std::optional<int> DuctSheetWindow::Selected() const {
  const auto ranges = table_->selectedRanges();
  const int row = ranges.isEmpty() ? -1 : ranges.first().topRow();
  return SelectedFitting(run_->document, run_->scroll_position, row);
}

void DuctSheetWindow::New() {
  run_->document.New();
  run_->modified = false;
  scroll_bar_->setRange(0, 0);
  table_->clearSelection();
  Refresh();
  for (QLineEdit* e : totals_) e->clear();
  totals_[0]->setText("0");
  run_->total_text = "0";
  run_->last_total = 0;
}

bool DuctSheetWindow::MaySetRunAside() {
  if (!run_->modified) return true;
  const auto answer = Messages::Question(
      this, "ORVANTA", "The pressure-loss calculation has changes that are not saved. Save them first?", true);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Yes) return Save();
  return true;
}

bool DuctSheetWindow::Open() {
  if (!MaySetRunAside()) return false;
  const QString path = ChooseFile(this, {FileDialogKind::Open, folder_, "*.moh", kFilter, "moh"});
  if (path.isEmpty()) return false;
  return OpenPath(path);
}

bool DuctSheetWindow::OpenPath(const QString& path) {
  const MohFileResult result = run_->document.Open(path.toStdString(), UiDecimalSeparator());
  if (!result.ok()) {
    Messages::Warning(this, "ORVANTA", QString::fromStdString(result.Message()));
    return false;
  }
  run_->path = path;
  run_->modified = false;
  run_->scroll_position = 0;
  scroll_bar_->setRange(0, run_->document.Count());
  scroll_bar_->setValue(0);
  Refresh();
  ShowTotals(0.01);
  UpdateCaption();
  return true;
}

bool DuctSheetWindow::Save() {
  const QString path = ChooseFile(this, {FileDialogKind::Save, folder_, QFileInfo(run_->path).fileName(), kFilter, "moh"});
  if (path.isEmpty()) return false;
  const MohFileResult result = run_->document.Save(path.toStdString());
  if (!result.ok()) {
    Messages::Warning(this, "ORVANTA", QString::fromStdString(result.Message()));
    return false;
  }
  run_->path = path;
  run_->modified = false;
  UpdateCaption();
  return true;
}

void DuctSheetWindow::AddFitting() {
  if (run_->document.Count() >= kMaxFittings) {
    Messages::Info(this, "ORVANTA info",
                   QString("The calculation already holds %1 fittings, the most one file can hold.").arg(kMaxFittings));
    return;
  }
  const auto kind = palette_->Choose();
  if (!kind) return;
  run_->editing.reset();
  const int index = run_->document.Count();
  if (!fitting_window_->Open(*kind)) return;
  scroll_bar_->setMaximum(index);
  Refresh();
  totals_[0]->setText(run_->total_text);
  const TotalsTexts t = FormatTotals(run_->document.Totals(), 0.1, UiDecimalSeparator());
  totals_[1]->setText(QString::fromStdString(t.mass));
  for (int b = 0; b < kOctaveBands; ++b) totals_[2 + b]->setText(QString::fromStdString(t.bands[b]));
}

void DuctSheetWindow::EditFitting() {
  const auto index = Selected();
  if (!index) return;
  const auto kind = FittingKindFromText(run_->document.Record(*index).Text(FittingField::Kind));
  if (!kind) return;
  run_->editing = *index;
  if (!fitting_window_->Open(*kind)) return;
  Refresh();
  totals_[0]->setText(run_->total_text);
  const TotalsTexts t = FormatTotals(run_->document.Totals(), 0.1, UiDecimalSeparator());
  totals_[1]->setText(QString::fromStdString(t.mass));
  for (int b = 0; b < kOctaveBands; ++b) totals_[2 + b]->setText(QString::fromStdString(t.bands[b]));
}

void DuctSheetWindow::DeleteFitting() {
  const auto index = Selected();
  if (!index) return;
  if (!run_->document.Delete(*index)) return;
  run_->modified = true;
  Refresh();
  ShowTotals(0.01);
}

// ---- Spreadsheet exports ----

ReportDataWindow* DuctSheetWindow::ReportWindow() {
  // One report-data window serves every report of the program (it keeps what
  // was typed); it lives with the main window when there is one.
  QWidget* host = parentWidget() ? parentWidget()->window() : this;
  auto* window = host->findChild<ReportDataWindow*>("TForm38");
  if (!window) window = new ReportDataWindow(host);
  for (auto [kind, export_kind] : {std::pair{kHydraulicExportKind, DuctExport::kHydraulic},
                                   std::pair{kAcousticExportKind, DuctExport::kAcoustic}}) {
    window->RegisterReport(kind, [this, export_kind](const ReportData& data) { WriteExport(export_kind, data); });
  }
  return window;
}

void DuctSheetWindow::Export(DuctExport kind) {
  // The exports are written by the program itself: what they need is a template that opens.
  const QString problem = DuctReportTemplateProblem(kind, PolishTicked());
  if (!problem.isEmpty()) {
    Messages::Info(this, "ORVANTA INFO", "Excel is not insalled\n\n" + problem);
    return;
  }
  ReportWindow()->Ask(kind == DuctExport::kHydraulic ? kHydraulicExportKind : kAcousticExportKind);
}

bool DuctSheetWindow::WriteExport(DuctExport kind, const ReportData& data) {
  DuctReportHeader header;
  header.moh_path = QDir::toNativeSeparators(run_->path).toStdString();
  header.title = data.project_title.toStdString();
  header.investor = data.investor.toStdString();
  header.designer = data.designer.toStdString();
  header.now = SheetDateTime(QDateTime::currentDateTime());
  auto basic = [this](const char* name) {
    auto* edit = basic_data_->findChild<QLineEdit*>(name);
    return edit ? edit->text().toStdString() : std::string();
  };
  header.t = basic("Edit1");
  header.phi = basic("Edit2");
  header.pb = basic("Edit3");
  header.rho = basic("Edit4");
  header.nu = basic("Edit5");
  header.total_loss = totals_[0]->text().toStdString();
  header.total_mass = totals_[1]->text().toStdString();
  for (int b = 0; b < kOctaveBands; ++b) header.band_totals[b] = totals_[2 + b]->text().toStdString();

  const DuctExportOutcome outcome =
      WriteDuctReportFile(kind, PolishTicked(), run_->document, header, QDir::tempPath());
  if (!outcome.written) {
    Messages::Warning(this, "ORVANTA INFO", outcome.message);
    return false;
  }
  if (!OpenExternally(QUrl::fromLocalFile(outcome.report_path))) {
    Messages::Info(this, "ORVANTA INFO", "The report has been written to the file " +
                                             QDir::toNativeSeparators(outcome.report_path) +
                                             ". No application to open it was found.");
  }
  return true;
}

}  // namespace orvanta
