// The main window: construction and the full redraw.
#include "app/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>

#include "app/ui/chart_settings_window.h"
#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/fit_to_screen.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/project_history.h"
#include "app/ui/kit/qsettings_store.h"
#include "app/ui/kit/ui_texts.h"
#include "app/ui/modules.h"
#include "app/ui/news_window.h"
#include "chart/geometry.h"
#include "chart/renderer.h"
#include "chart/ui/chart_view.h"
#include "chart/ui/qt_canvas.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

QCursor CursorFromPicture(const QString& relative, const QCursor& fallback) {
  const QString path = DataPath(relative);
  if (!QFile::exists(path)) return fallback;
  QPixmap pixmap(path);
  return pixmap.isNull() ? fallback : QCursor(pixmap);
}

void SetSampleColour(QLabel* sample, Rgb c) {
  sample->setAutoFillBackground(true);
  QPalette pal = sample->palette();
  pal.setColor(QPalette::Window, QColor(c.r, c.g, c.b));
  sample->setPalette(pal);
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<KeyValueStore> store, QWidget* parent)
    : QMainWindow(parent), store_(std::move(store)) {
  if (!store_) store_ = std::make_unique<QSettingsStore>();
  setObjectName("TForm25");
  RegisterCaptionRows(MainWindowCaptionRows());
  setWindowTitle("ORVANTA");
  QApplication::setApplicationDisplayName(QString());

  auto* central = new QWidget(this);
  central->setObjectName("ClientArea");
  setCentralWidget(central);
  central->installEventFilter(this);

  BuildMenus();
  chart_view_ = new ChartView(central);
  chart_view_->setToolTip("Naciśnij w dowolnym miejscu aby zdefiniować punkt");
  BuildToolbars(central);
  BuildPointPanel(central);
  BuildZoomButtons(central);

  settings_window_ = new ChartSettingsWindow(settings_, this);

  ConnectCommands();
  connect(this, &MainWindow::Redrawn, &events_, &WorkbenchEvents::redrawn);
  connect(this, &MainWindow::ProjectReplaced, &events_, &WorkbenchEvents::projectReplaced);
  connect(this, &MainWindow::UnitSystemChanged, &events_, &WorkbenchEvents::unitSystemChanged);
  RegisterModules(*this);  // the subsystems' windows and commands
  ResizeWithinScreen(this, {1280, 860});
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::Command(const QString& object_name) const { return commands_.value(object_name, nullptr); }

void MainWindow::SetCommandHandler(const QString& object_name, std::function<void()> handler) {
  QAction* a = Command(object_name);
  if (!a) return;
  connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  command_available_[object_name] = true;
  a->setEnabled(object_name != "Wspkierunkowyprzemiany1" || project_.point_count() > 0);
}

QWidget* MainWindow::Part(const QString& object_name) {
  if (object_name == QLatin1String("Image1")) return chart_view_;
  return findChild<QWidget*>(object_name);
}

int MainWindow::Register(CommandId id, const QStringList& object_names, std::function<void()> handler) {
  return Register(id, object_names, [handler = std::move(handler)](const std::any&) { handler(); });
}

int MainWindow::Register(CommandId id, const QStringList& object_names,
                         std::function<void(const std::any&)> handler) {
  auto shared = std::make_shared<std::function<void(const std::any&)>>(std::move(handler));
  registered_[std::string(id.name)] = [shared](const std::any& payload) { (*shared)(payload); };
  int bound = 0;
  for (const QString& name : object_names) {
    if (!Command(name)) continue;
    SetCommandHandler(name, [shared] { (*shared)(std::any{}); });
    ++bound;
  }
  return bound;
}

bool MainWindow::Run(CommandId id) { return Run(id, std::any{}); }

bool MainWindow::Run(CommandId id, const std::any& payload) {
  const auto it = registered_.find(std::string(id.name));
  if (it == registered_.end()) return false;
  it->second(payload);
  return true;
}

const QImage& MainWindow::chart_image() const { return chart_view_->image(); }

// ---- Full redraw -----------------------------------------------------------

void MainWindow::LoadSettingsOnce() {
  if (settings_loaded_) return;
  settings_loaded_ = true;
  loading_settings_ = true;
  WriteDefaultSettings(*store_);
  settings_ = LoadSettings(*store_);
  // The stored language; the caption table refills the comfort-zone list, so
  // the stored zone is selected afterwards.
  settings_.language = LoadStoredLanguage(settings_.language, this);
  SyncLanguageTicks();
  ApplySettingsToControls();
  loading_settings_ = false;
}

void MainWindow::ApplySettingsToControls() {
  const QSignalBlocker b1(comfort_combo_), b2(layout_combo_), b3(units_combo_), b4(pressure_spin_);
  layout_combo_->setCurrentIndex(settings_.chart.layout == ChartLayout::Carrier ? 1 : 0);
  units_combo_->setCurrentIndex(settings_.chart.units == UnitSystem::IP ? 1 : 0);
  const int zone = settings_.chart.comfort_zone;
  comfort_combo_->setCurrentIndex(zone >= 0 && zone < comfort_combo_->count() ? zone : 0);
  pressure_spin_->setValue(static_cast<int>(Rnd(settings_.chart.pb / 100)));
  SyncComfortTicks();
}

// The controls are what the chart follows; the settings mirror them.
void MainWindow::ReadControlsIntoSettings() {
  settings_.chart.layout = layout_combo_->currentIndex() == 1 ? ChartLayout::Carrier : ChartLayout::Mollier;
  settings_.chart.units = units_combo_->currentIndex() == 1 ? UnitSystem::IP : UnitSystem::SI;
  settings_.chart.comfort_zone = std::max(0, comfort_combo_->currentIndex());
  settings_.chart.polish_labels = PolishTicked();
  settings_.chart.polish_texts = PolishTicked();
  settings_.language = ActiveLanguageNumber();
}

void MainWindow::ApplyUnitTexts() {
  const bool ip = settings_.chart.units == UnitSystem::IP;
  auto set = [this](const char* name, const QString& text) {
    if (QLabel* l = labels_.value(name)) l->setText(text);
  };
  set("Label7", ip ? "gr/lb" : "g/kg");
  for (const char* n : {"Label6", "Label32", "Label34"}) set(n, ip ? "F" : "C");
  set("Label12", ip ? "lb/ft3" : "kg/m3");
  set("Label9", ip ? "btu/lb" : "kJ/kg");
  for (const char* n : {"Label29", "Label30"}) set(n, ip ? "inHg" : "Pa");
  set("Label3", ip ? "DB=" : "DBT =");
  set("Label1", ip ? "W =" : "X =");
  set("Label8", "h =");
  // φ and ρ as Greek letters in SI (the letters themselves; no symbol font needed).
  set("Label14", ip ? "RH=" : QString::fromUtf8("\u03c6 ="));
  set("Label11", ip ? "d =" : QString::fromUtf8("\u03c1 ="));
  set("Label21", ip ? "vp=" : "vp =");
  set("Label22", ip ? "vd=" : "vd =");
  set("Label23", ip ? "DP=" : "DPT =");
  set("Label24", ip ? "WB=" : "WBT =");
  set("Label44", Text(72) + (ip ? " [lb/ft3]" : " [kg/m3]"));
  set("Label42", Text(73) + (ip ? " [Btu/lb]" : " [kJ/kg]"));
}

void MainWindow::ApplyVisibility() {
  const ChartSettings& c = settings_.chart;
  calculators_bar_->setVisible(c.show_calculators_bar);
  balance_bar_->setVisible(c.show_balance_bar);
  comfort_bar_->setVisible(c.show_comfort_bar);
  logo_label_->setVisible(c.show_logo);
  legend_panel_->setVisible(c.show_legend);
  pressure_panel_->setVisible(c.show_legend);
  close_button_->setVisible(c.show_legend);
  points_title_->setVisible(c.show_points_panel);
  points_tree_->setVisible(c.show_points_panel);
  process_list_button_->setVisible(c.show_points_panel);
  coefficient_list_button_->setVisible(c.show_points_panel);
  readout_panel_->setVisible(c.show_readout);
}

void MainWindow::PlaceControls() {
  QWidget* central = centralWidget();
  const int cw = central->width(), ch = central->height();
  top_bar_->setGeometry(44, 2, std::max(0, cw - 48), 56);
  chart_view_->setGeometry(10, 60, std::max(1, cw - 20), std::max(1, ch - 60));
  const int wimg = chart_view_->width(), himg = chart_view_->height();

  point_panel_->adjustSize();
  const bool mollier = settings_.chart.layout == ChartLayout::Mollier;
  if (mollier) {
    point_panel_->move(wimg - 30 - point_panel_->width(), himg - 30 - point_panel_->height());
  } else {
    point_panel_->move(50, 230);
  }
  logo_label_->move(point_panel_->x() + 200, point_panel_->y() - 120);

  // T+/T- at the ends of the temperature axis, X+/X- at the ends of the
  // moisture axis, in either layout.
  const QPoint mollier_pos[] = {{0, 10}, {0, 28}, {cw - 40, ch - 18}, {40, ch - 18}, {0, ch - 38}, {0, ch - 20}};
  const QPoint carrier_pos[] = {{cw - 40, ch - 32}, {cw - 40, ch - 18}, {0, 10}, {0, ch - 18}, {30, ch - 32}, {30, ch - 18}};
  for (int k = 0; k < 6; ++k) {
    zoom_buttons_[k]->move(mollier ? mollier_pos[k] : carrier_pos[k]);
    zoom_buttons_[k]->raise();
  }
  point_panel_->raise();
  logo_label_->raise();
  top_bar_->raise();
}

void MainWindow::RenderChartImage() {
  const int wimg = chart_view_->width(), himg = chart_view_->height();
  QImage image(wimg, himg, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    chart::QtCanvas canvas(painter);
    chart::RenderOptions options;
    options.decimal_separator = UiDecimalSeparator();
    options.carrier_table_reference = point_panel_->geometry().bottom() + 1;
    options.load_texts = &load_texts_;
    options.flow_as_mass = settings_.chart.flow_as_mass;
    ChartSettings chart = settings_.chart;
    chart.range = chart::SanitizedRange(chart.range);
    chart::RenderChart(canvas, chart, project_, wimg, himg, options);
  }
  chart_view_->SetImage(std::move(image));
}

void MainWindow::UpdateCaption() {
  QString title = Text(105);
  if (title.isEmpty()) title = "ORVANTA";
  setWindowTitle(title + CaptionSuffix());
}

QString MainWindow::CaptionSuffix() const {
  if (project_.file_name().empty()) return " - " + UiText(UiTextId::UntitledFile);
  return " - " + QString::fromStdString(project_.file_name());
}

void MainWindow::FullRedraw() {
  if (redrawing_) return;
  redrawing_ = true;
  redraw_pending_ = false;
  const bool first = !first_redraw_done_;
  first_redraw_done_ = true;

  // Cursors: cursor 1 over the chart, cursor 2 over a point.
  chart_view_->SetCursors(CursorFromPicture("cursors/orv.png", QCursor(Qt::CrossCursor)),
                      CursorFromPicture("cursors/orv2.png", QCursor(Qt::PointingHandCursor)));

  // Settings: the first-run values when there are none; read once per run.
  WriteDefaultSettings(*store_);
  LoadSettingsOnce();
  ReadControlsIntoSettings();

  // Pressure panel.
  const chart::PressurePanel pressure = chart::PressurePanelTexts(
      settings_.chart.pb, settings_.chart.units, Text(1232).toStdString(), UiDecimalSeparator());
  labels_.value("Label18")->setText(QString::fromStdString(pressure.value));
  labels_.value("Label19")->setText(QString::fromStdString(pressure.unit));
  labels_.value("Label38")->setText(QString::fromStdString(pressure.altitude));

  ApplyUnitTexts();
  SetSampleColour(labels_.value("Label47"), settings_.chart.humidity_color);
  SetSampleColour(labels_.value("Label45"), settings_.chart.density_color);
  SetSampleColour(labels_.value("Label43"), settings_.chart.enthalpy_color);
  ApplyVisibility();
  PlaceControls();
  project_.RefreshDependentPoints();  // drawing itself never changes the project
  // An edit that its window did not name is still one step of undo.
  if (history_->HasUnrecordedChange()) history_->Record(UiText(UiTextId::EditGeneral));
  RenderChartImage();

  if (QAction* a = Command("Wspkierunkowyprzemiany1"))
    a->setEnabled(command_available_.value("Wspkierunkowyprzemiany1") && project_.point_count() > 0);
  UpdateCaption();
  UpdateUndoActions();
  redrawing_ = false;
  emit Redrawn();

  if (isVisible()) MaximizeOnce();
  if (first) QTimer::singleShot(0, this, [this] { ShowStartupNews(); });
}

void MainWindow::ShowStartupNews() {
  if (news_checked_) return;
  news_checked_ = true;
  if (!settings_.chart.news_at_start || !NewsWindow::StartupNewsAllowed()) return;
  NewsWindow news(this);
  news.SetShowAtStart(true);
  news.exec();
  if (!news.show_at_start()) {
    settings_.chart.news_at_start = false;
    SaveSettings(*store_, settings_);
    store_->Flush();
  }
}

// ---- Events -----------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize) {
    // The chart bitmap is as large as Image1: a new size is a new chart.
    if (!redraw_pending_ && settings_loaded_) {
      redraw_pending_ = true;
      QTimer::singleShot(0, this, [this] {
        if (redraw_pending_) FullRedraw();
      });
    }
  } else if (watched == logo_label_ && event->type() == QEvent::MouseButtonRelease) {
    OpenWebSite();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!first_redraw_done_ || redraw_pending_ || chart_view_->image().isNull()) FullRedraw();
  MaximizeOnce();
}

// The window opens maximised after its first redraw; on the offscreen and
// minimal platforms (tests, batch runs) it keeps the size it was given.
void MainWindow::MaximizeOnce() {
  if (maximized_once_) return;
  maximized_once_ = true;
  const QString platform = QGuiApplication::platformName();
  if (platform == "offscreen" || platform == "minimal") return;
  if (QScreen* s = screen()) setGeometry(s->availableGeometry());  // also without a window manager
  setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized) && settings_loaded_)
    FullRedraw();
}

}  // namespace orvanta
