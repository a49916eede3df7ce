// The main window's commands: project files, zoom, layout, units, comfort
// zone, pressure, language, settings, help and close.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>
#include <QStandardPaths>
#include <QTreeWidget>

#include "app/ui/about_box.h"
#include "app/ui/chart_settings_window.h"
#include "chart/ui/chart_view.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/help_window.h"
#include "app/ui/kit/language.h"
#include "app/ui/main_window.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/project_history.h"
#include "app/ui/kit/shared_commands.h"
#include "app/ui/kit/ui_texts.h"
#include "app/ui/update_check_window.h"
#include "chart/geometry.h"
#include "chart/range_widening.h"
#include "project/project_file.h"
#include "psychro/number_text.h"

#ifdef ORVANTA_HAS_DUCTCALC_UI
#include "ductcalc/ui/ductcalc_module.h"
#endif

namespace orvanta {
namespace {

constexpr char kInfo[] = "ORVANTA INFO";

// Comfort-zone menu items by ComboBox1 index 1..5.
const char* const kZoneItems[] = {nullptr, "wgASHRAE1997lato1", "wgASHRAE1997zima1", "wgDINEN137792004lato1",
                                  "wgDINEN137792004zima1", "wgDIN19461"};

QString DocumentsFolder() {
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return docs.isEmpty() ? QDir::homePath() : docs;
}

// The file dialogs start in the documents folder; the program's current
// folder is put back when the command ends.
class CurrentFolderKeeper {
 public:
  CurrentFolderKeeper() : folder_(QDir::currentPath()) {}
  ~CurrentFolderKeeper() { QDir::setCurrent(folder_); }

 private:
  QString folder_;
};

}  // namespace

void MainWindow::ConnectCommands() {
  auto on = [this](const char* name, auto slot) { SetCommandHandler(name, [this, slot] { (this->*slot)(); }); };
  Register(kNewProject, {"Nowy1"}, [this] { NewProject(); });
  SetCommandHandler("Otwrz1", [this] { OpenProject(); });
  SetCommandHandler("Za", [this] { SaveProject(); });
  SetCommandHandler("Zapisz1", [this] { SaveProjectAs(); });
  SetCommandHandler("Zakocz1", [this] { close(); });
  on("Ustawienia1", &MainWindow::ShowChartSettings);

  // Range zoom: menu "Widok...", the menu-bar items and the buttons at the axis ends.
  SetCommandHandler("Rozmiaroryginalny1", [this] { ZoomDefault(); });
  SetCommandHandler("Defaultsize1", [this] { ZoomDefault(); });
  SetCommandHandler("XXX1", [this] { Zoom(chart::ZoomXPlus); });
  SetCommandHandler("Xplus1", [this] { Zoom(chart::ZoomXPlus); });
  SetCommandHandler("XXX2", [this] { Zoom(chart::ZoomXMinus); });
  SetCommandHandler("Xminus1", [this] { Zoom(chart::ZoomXMinus); });
  SetCommandHandler("ttt1", [this] { Zoom(chart::ZoomTPlus); });
  SetCommandHandler("Tplus1", [this] { Zoom(chart::ZoomTPlus); });
  SetCommandHandler("ttt2", [this] { Zoom(chart::ZoomTMinus); });
  SetCommandHandler("Tminus1", [this] { Zoom(chart::ZoomTMinus); });
  std::optional<ChartRange> (*const button_zoom[])(ChartRange) = {chart::ZoomTPlus,   chart::ZoomTMinus,
                                                                  chart::ZoomXPlus,   chart::ZoomXMinus,
                                                                  chart::ZoomTDownPlus, chart::ZoomTDownMinus};
  for (int k = 0; k < 6; ++k) {
    auto zoom = button_zoom[k];
    connect(zoom_buttons_[k], &QPushButton::clicked, this, [this, zoom] { Zoom(zoom); });
  }

  // Comfort zone: the box and the menu items stay in step.
  connect(comfort_combo_, &QComboBox::currentIndexChanged, this, &MainWindow::OnComfortComboChanged);
  for (int zone = 1; zone <= 5; ++zone)
    SetCommandHandler(kZoneItems[zone], [this, zone] { OnComfortMenuItem(zone); });

  connect(layout_combo_, &QComboBox::currentIndexChanged, this, [this] { FullRedraw(); });
  connect(units_combo_, &QComboBox::currentIndexChanged, this, [this] {
    FullRedraw();
    emit UnitSystemChanged(settings_.chart.units);
  });
  connect(pressure_spin_, &QSpinBox::valueChanged, this, &MainWindow::OnPressureChanged);

  for (QAction* a : language_menu_->actions()) {
    const int number = a->data().toInt();
    SetCommandHandler(a->objectName(), [this, number] { OnLanguageItem(number); });
  }
  language_menu_->setToolTipsVisible(true);
  SyncLanguageItems();
  connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, this, [this] { OnLanguageChanged(); });

  // Help, web site, update.
  SetCommandHandler("Oprogramie1", [this] {
    AboutBox about(this);
    about.exec();
  });
  SetCommandHandler("Pomoc2", [this] { OpenManual(); });
  SetCommandHandler("Stronawwwprogramu1", [this] { OpenWebSite(); });
  SetCommandHandler("Sprawdaktualizacj1", [this] {
    UpdateCheckWindow window(this);
    window.exec();
  });
  SetCommandHandler("BitBtn12Click",
                    [this] { OpenHelpLink(HelpLinkPair::Knowledge, 1, PolishTicked(), this); });
  SetCommandHandler("BitBtn15Click", [this] { OpenHelpLink(HelpLinkPair::Videos, 1, PolishTicked(), this); });
  SetCommandHandler("BitBtn14Click", [this] {
    QWidget* button = findChild<QWidget*>("BitBtn14");
    picture_menu_->popup(button->mapToGlobal(QPoint(0, button->height())));
  });

  connect(close_button_, &QPushButton::clicked, this, &MainWindow::OnCloseButton);
  connect(chart_view_, &ChartView::ContextMenuRequested, this, [this](QPoint global) { chart_menu_->popup(global); });
  connect(settings_window_, &ChartSettingsWindow::settingsAccepted, this, &MainWindow::OnSettingsAccepted);
  connect(settings_window_, &ChartSettingsWindow::redrawRequested, this, [this] { FullRedraw(); });
  connect(settings_window_, &ChartSettingsWindow::logoChosen, this, [this](const QString& path) {
    QPixmap picture(path);
    if (picture.isNull()) return;
    logo_ = picture.scaled(100, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    logo_label_->setPixmap(logo_);
    logo_label_->adjustSize();
  });
}

// ---- Zoom, comfort zone, pressure -----------------------------------------

void MainWindow::Zoom(std::optional<ChartRange> (*zoom)(ChartRange)) {
  const std::optional<ChartRange> range = zoom(settings_.chart.range);
  if (!range) return;  // would leave no temperature span: the range stays
  settings_.chart.range = *range;
  FullRedraw();
}

void MainWindow::ZoomDefault() {
  settings_.chart.range = chart::DefaultRange();
  FullRedraw();
}

void MainWindow::SyncComfortTicks() {
  const int index = comfort_combo_->currentIndex();
  for (int zone = 1; zone <= 5; ++zone)
    if (QAction* a = Command(kZoneItems[zone])) a->setChecked(zone == index);
}

void MainWindow::OnComfortComboChanged(int) {
  if (switching_language_) return;  // the list is being refilled; its choice comes back after
  SyncComfortTicks();
  FullRedraw();
}

// A menu item selects its zone in the box; choosing the ticked one again
// hides the zone.
void MainWindow::OnComfortMenuItem(int zone_index) {
  const int index = comfort_combo_->currentIndex() == zone_index ? 0 : zone_index;
  if (comfort_combo_->currentIndex() == index) {
    SyncComfortTicks();
    return;
  }
  comfort_combo_->setCurrentIndex(index);  // ticks and redraws through the box
}

void MainWindow::OnPressureChanged(int hpa) {
  const double pb = hpa * 100.0;
  if (pb == settings_.chart.pb) return;
  settings_.chart.pb = pb;
  project_.set_pb(pb);
  project_.RefreshAllPoints();
  // The points now hold other states than the saved file: a change to keep.
  if (project_.point_count() > 0) project_.set_modified(true);
  RecordEdit(UiText(UiTextId::ChangePressure));
  FullRedraw();
}

void MainWindow::ApplyProjectPressure(double pb) {
  settings_.chart.pb = pb;
  const QSignalBlocker block(pressure_spin_);
  pressure_spin_->setValue(static_cast<int>(Rnd(pb / 100)));
}

// ---- Language ---------------------------------------------------------------

// A language whose file is not installed is shown, disabled, with a tooltip
// saying why, rather than offered and then refused.
void MainWindow::SyncLanguageItems() {
  for (QAction* a : language_menu_->actions()) {
    const bool present = QFileInfo::exists(LanguageFilePath(a->data().toInt()));
    a->setEnabled(present);
    a->setToolTip(present ? a->text() : UiText(UiTextId::LanguageFileMissing));
  }
}

void MainWindow::SyncLanguageTicks() {
  const int active = ActiveLanguageNumber();
  for (QAction* a : language_menu_->actions()) a->setChecked(a->data().toInt() == active);
}

// A loaded language reaches OnLanguageChanged through the language events.
// A language switch changes texts only: every box keeps its choice.
void MainWindow::OnLanguageItem(int number) {
  const int zone = comfort_combo_->currentIndex();
  const int layout = layout_combo_->currentIndex(), units = units_combo_->currentIndex();
  switching_language_ = true;
  const bool loaded = LoadLanguage(number, this);
  switching_language_ = false;
  {
    const QSignalBlocker b1(comfort_combo_), b2(layout_combo_), b3(units_combo_);
    comfort_combo_->setCurrentIndex(zone);
    layout_combo_->setCurrentIndex(layout);
    units_combo_->setCurrentIndex(units);
  }
  SyncComfortTicks();
  if (!loaded) {
    SyncLanguageTicks();  // the previous language stays ticked
    return;
  }
  if (settings_loaded_ && !loading_settings_) FullRedraw();
}

void MainWindow::OnLanguageChanged() {
  SyncLanguageTicks();
  settings_.language = ActiveLanguageNumber();
  // The caption table refilled the comfort-zone list with nothing selected;
  // a switch from the menu puts the choice back and redraws itself.
  SyncComfortTicks();
  UpdateUndoActions();
  SyncLanguageItems();
  if (settings_loaded_ && !loading_settings_ && !switching_language_) FullRedraw();
}

// ---- Settings window ------------------------------------------------------

void MainWindow::ShowChartSettings() {
  ReadControlsIntoSettings();
  settings_window_->exec();
}

void MainWindow::OnSettingsAccepted(double pb) {
  ApplyProjectPressure(pb);
  if (project_.pb() != pb) {
    project_.set_pb(pb);
    project_.RefreshAllPoints();
    if (project_.point_count() > 0) project_.set_modified(true);
    RecordEdit(UiText(UiTextId::ChangePressure));
  }
  FullRedraw();
}

// ---- Project files --------------------------------------------------------

// Unsaved changes: Yes saves first (the command goes on only when the save
// succeeded), No goes on without saving, Cancel stops and changes nothing.
bool MainWindow::AskToKeepChanges(const QString& question) {
  if (!project_.modified()) return true;
  const QMessageBox::StandardButton answer = Messages::Question(this, kInfo, question, true);
  if (answer == QMessageBox::Yes) return SaveProject();
  return answer == QMessageBox::No;
}

bool MainWindow::NewProject() {
  if (!AskToKeepChanges(UiText(UiTextId::SaveFirst))) return false;
  project_.Clear();
  project_.set_file_name({});
  project_.set_pb(settings_.chart.pb);
  emit ProjectReplaced();
  StartHistory();
  FullRedraw();
  return true;
}

bool MainWindow::OpenProject() {
  if (!AskToKeepChanges(UiText(UiTextId::SaveFirst))) return false;
  QString path;
  {
    CurrentFolderKeeper keep;
    path = ChooseFile(this, {FileDialogKind::Open, DocumentsFolder(), "*.ovt", UiText(UiTextId::FileFilter), "ovt"});
  }
  if (path.isEmpty()) return false;
  return OpenProjectFile(path);
}

// Reads the whole file first; a file that cannot be read leaves the open
// project as it was.
bool MainWindow::OpenProjectFile(const QString& path, const std::string& native) {
  const std::string file = native.empty() ? QDir::toNativeSeparators(path).toStdString() : native;
  const ProjectFileResult result = ReadProjectFile(file, project_);
  if (!result.ok()) {
    Messages::Warning(this, "ORVANTA", QString::fromStdString(result.Message()));
    return false;
  }
  emit ProjectReplaced();
  // Saving goes back to the same bytes the file was opened by.
  project_.set_file_name(native.empty() ? QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString()
                                        : std::filesystem::absolute(native).string());
  // The chart takes the project's pressure, and its ranges grow to show every point.
  ApplyProjectPressure(result.pb);
  project_.set_pb(result.pb);
  settings_.chart.range = WidenRangeForProject(settings_.chart.range, project_);
  project_.set_modified(false);
  StartHistory();
  FullRedraw();
  // What the reader had to decide for itself (the air-flow link's coefficient) is said.
  if (!result.notice.empty()) Messages::Info(this, kInfo, QString::fromStdString(result.notice));
  return true;
}

bool MainWindow::OpenStartupProject(const QString& path, const std::string& native) {
  if (path == "*.ovt") return false;
#ifdef ORVANTA_HAS_DUCTCALC_UI
  // A duct calculation file opens the duct calculator with it.
  if (path.endsWith(".moh", Qt::CaseInsensitive)) {
    LoadSettingsOnce();
    FullRedraw();
    return OpenDuctCalculationAtStartup(path);
  }
#endif
  // The stored settings come first so that the project's pressure and the
  // widened range are what the first redraw shows.
  LoadSettingsOnce();
  const bool ok = OpenProjectFile(path, native);
  if (!ok) FullRedraw();
  return ok;
}

bool MainWindow::SaveProject() {
  if (project_.file_name().empty()) return SaveProjectAs();
  project_.set_pb(settings_.chart.pb > 0 ? settings_.chart.pb : kStandardPressure);
  const ProjectFileResult result = WriteProjectFile(project_.file_name(), project_);
  if (!result.ok()) {
    Messages::Warning(this, "ORVANTA", QString::fromStdString(result.Message()));
    return false;
  }
  project_.set_modified(false);
  history_->MarkSaved();
  UpdateCaption();
  return true;
}

bool MainWindow::SaveProjectAs() {
  QString path;
  {
    CurrentFolderKeeper keep;
    QString proposed = project_.file_name().empty() ? UiText(UiTextId::UntitledFile)
                                                    : QFileInfo(QString::fromStdString(project_.file_name())).fileName();
    path = ChooseFile(this, {FileDialogKind::Save, DocumentsFolder(), proposed, UiText(UiTextId::FileFilter), "ovt"});
  }
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += ".ovt";
  path = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  project_.set_pb(settings_.chart.pb);
  const ProjectFileResult result = WriteProjectFile(path.toStdString(), project_);
  if (!result.ok()) {
    Messages::Warning(this, "ORVANTA", QString::fromStdString(result.Message()));
    return false;
  }
  project_.set_file_name(path.toStdString());
  project_.set_modified(false);
  history_->MarkSaved();
  ReadControlsIntoSettings();
  SaveSettings(*store_, settings_);
  store_->Flush();
  UpdateCaption();
  return true;
}

// ---- Help ---------------------------------------------------------------

void MainWindow::OpenWebSite() {
  const QString site = ProgramWebSite();
  if (!OpenExternally(QUrl(site))) Messages::Info(this, kInfo, UiText(UiTextId::NoBrowser).arg(site));
}

void MainWindow::OpenManual() {
  const QString manual = HelpWindow::ManualPath();
  if (!manual.isEmpty() && OpenExternally(QUrl::fromLocalFile(manual))) return;
  HelpWindow help(this);
  help.exec();
}

// ---- Close ----------------------------------------------------------------

void MainWindow::OnCloseButton() {
  if (Messages::Question(this, kInfo, Text(1124)) == QMessageBox::No) return;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  ReadControlsIntoSettings();
  SaveSettings(*store_, settings_);
  store_->Flush();
  if (!AskToKeepChanges(Text(117))) {
    // Cancelled, or the save was cancelled or failed: the window stays, nothing is lost.
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace orvanta
