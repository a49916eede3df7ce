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
#include "app/ui/chart_view.h"
#include "app/ui/data_dir.h"
#include "app/ui/language.h"
#include "app/ui/news_window.h"
#include "app/ui/qsettings_store.h"
#include "chart/geometry.h"
#include "chart/renderer.h"
#include "chart/ui/point_commands.h"
#include "chart/ui/qt_canvas.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

char DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.isEmpty() ? '.' : point.at(0).toLatin1();
}

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
  setWindowTitle("ORVANTA");
  QApplication::setApplicationDisplayName(QString());

  auto* central = new QWidget(this);
  central->setObjectName("ClientArea");
  setCentralWidget(central);
  central->installEventFilter(this);

  BuildMenus();
  image1_ = new ChartView(central);
  image1_->setToolTip("Naciśnij w dowolnym miejscu aby zdefiniować punkt");
  BuildToolbars(central);
  BuildPointPanel(central);
  BuildZoomButtons(central);

  settings_window_ = new ChartSettingsWindow(settings_, this);

  ConnectCommands();
  new PointCommands(this);  // chart mouse, points tree, point windows and commands
  resize(1280, 860);
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

const QImage& MainWindow::chart_image() const { return image1_->image(); }

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
  const QSignalBlocker b1(combo1_), b2(combo2_), b3(combo3_), b4(updown1_);
  combo2_->setCurrentIndex(settings_.chart.layout == ChartLayout::Carrier ? 1 : 0);
  combo3_->setCurrentIndex(settings_.chart.units == UnitSystem::IP ? 1 : 0);
  const int zone = settings_.chart.comfort_zone;
  combo1_->setCurrentIndex(zone >= 0 && zone < combo1_->count() ? zone : 0);
  updown1_->setValue(static_cast<int>(Rnd(settings_.chart.pb / 100)));
  SyncComfortTicks();
}

// The controls are what the chart follows; the settings mirror them.
void MainWindow::ReadControlsIntoSettings() {
  settings_.chart.layout = combo2_->currentIndex() == 1 ? ChartLayout::Carrier : ChartLayout::Mollier;
  settings_.chart.units = combo3_->currentIndex() == 1 ? UnitSystem::IP : UnitSystem::SI;
  settings_.chart.comfort_zone = std::max(0, combo1_->currentIndex());
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
  const auto& cb = settings_.chart.cb;
  groupbox1_->setVisible(cb[13]);
  groupbox2_->setVisible(cb[14]);
  groupbox4_->setVisible(cb[17]);
  image2_->setVisible(cb[3]);
  panel1_->setVisible(cb[4]);
  panel2_->setVisible(cb[4]);
  bitbtn1_->setVisible(cb[4]);
  label41_->setVisible(cb[5]);
  tree_->setVisible(cb[5]);
  button1_->setVisible(cb[5]);
  button2_->setVisible(cb[5]);
  panel3_->setVisible(cb[6]);
}

void MainWindow::PlaceControls() {
  QWidget* central = centralWidget();
  const int cw = central->width(), ch = central->height();
  top_bar_->setGeometry(44, 2, std::max(0, cw - 48), 56);
  image1_->setGeometry(10, 60, std::max(1, cw - 20), std::max(1, ch - 60));
  const int wimg = image1_->width(), himg = image1_->height();

  groupbox3_->adjustSize();
  const bool mollier = settings_.chart.layout == ChartLayout::Mollier;
  if (mollier) {
    groupbox3_->move(wimg - 30 - groupbox3_->width(), himg - 30 - groupbox3_->height());
  } else {
    groupbox3_->move(50, 230);
  }
  image2_->move(groupbox3_->x() + 200, groupbox3_->y() - 120);

  // T+/T- at the ends of the temperature axis, X+/X- at the ends of the
  // moisture axis, in either layout.
  const QPoint mollier_pos[] = {{0, 10}, {0, 28}, {cw - 40, ch - 18}, {40, ch - 18}, {0, ch - 38}, {0, ch - 20}};
  const QPoint carrier_pos[] = {{cw - 40, ch - 32}, {cw - 40, ch - 18}, {0, 10}, {0, ch - 18}, {30, ch - 32}, {30, ch - 18}};
  for (int k = 0; k < 6; ++k) {
    zoom_buttons_[k]->move(mollier ? mollier_pos[k] : carrier_pos[k]);
    zoom_buttons_[k]->raise();
  }
  groupbox3_->raise();
  image2_->raise();
  top_bar_->raise();
}

void MainWindow::RenderChartImage() {
  const int wimg = image1_->width(), himg = image1_->height();
  QImage image(wimg, himg, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    chart::QtCanvas canvas(painter);
    chart::RenderOptions options;
    options.decimal_separator = DecimalSeparator();
    options.carrier_table_reference = groupbox3_->geometry().bottom() + 1;
    options.load_texts = &load_texts_;
    ChartSettings chart = settings_.chart;
    chart.range = chart::SanitizedRange(chart.range);
    chart::RenderChart(canvas, chart, project_, wimg, himg, options);
  }
  image1_->SetImage(std::move(image));
}

void MainWindow::UpdateCaption() {
  QString title = Text(105);
  if (title.isEmpty()) title = "ORVANTA";
  setWindowTitle(title + CaptionSuffix());
}

QString MainWindow::CaptionSuffix() const {
  if (project_.file_name().empty()) return " - beznazwy.ovt";
  return " - " + QString::fromStdString(project_.file_name());
}

void MainWindow::FullRedraw() {
  if (redrawing_) return;
  redrawing_ = true;
  redraw_pending_ = false;
  const bool first = !first_redraw_done_;
  first_redraw_done_ = true;

  // Cursors: cursor 1 over the chart, cursor 2 over a point.
  image1_->SetCursors(CursorFromPicture("cursors/orv.png", QCursor(Qt::CrossCursor)),
                      CursorFromPicture("cursors/orv2.png", QCursor(Qt::PointingHandCursor)));

  // Settings: the first-run values when there are none; read once per run.
  WriteDefaultSettings(*store_);
  LoadSettingsOnce();
  ReadControlsIntoSettings();

  // Pressure panel.
  const chart::PressurePanel pressure = chart::PressurePanelTexts(
      settings_.chart.pb, settings_.chart.units, Text(1232).toStdString(), DecimalSeparator());
  labels_.value("Label18")->setText(QString::fromStdString(pressure.value));
  labels_.value("Label19")->setText(QString::fromStdString(pressure.unit));
  labels_.value("Label38")->setText(QString::fromStdString(pressure.altitude));

  ApplyUnitTexts();
  SetSampleColour(labels_.value("Label47"), settings_.chart.humidity_color);
  SetSampleColour(labels_.value("Label45"), settings_.chart.density_color);
  SetSampleColour(labels_.value("Label43"), settings_.chart.enthalpy_color);
  ApplyVisibility();
  PlaceControls();
  RenderChartImage();

  if (QAction* a = Command("Wspkierunkowyprzemiany1"))
    a->setEnabled(command_available_.value("Wspkierunkowyprzemiany1") && project_.point_count() > 0);
  UpdateCaption();
  redrawing_ = false;
  emit Redrawn();

  if (isVisible()) MaximizeOnce();
  if (first) QTimer::singleShot(0, this, [this] { ShowStartupNews(); });
}

void MainWindow::ShowStartupNews() {
  if (news_checked_) return;
  news_checked_ = true;
  if (!settings_.chart.cb[15] || !NewsWindow::StartupNewsAllowed()) return;
  NewsWindow news(this);
  news.SetShowAtStart(true);
  news.exec();
  if (!news.show_at_start()) {
    settings_.chart.cb[15] = false;
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
  } else if (watched == image2_ && event->type() == QEvent::MouseButtonRelease) {
    OpenWebSite();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!first_redraw_done_ || redraw_pending_ || image1_->image().isNull()) FullRedraw();
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
