// The program's main window ("TForm25"): the chart of humid air, the panel of
// defined points with the readout, legend and pressure, the toolbars and the
// menus. It owns the one open project and the settings of the run, and every
// change ends with FullRedraw().
#pragma once

#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "app/caption_map.h"
#include "app/settings_store.h"
#include "app/ui/kit/workbench.h"
#include "project/chart_project.h"
#include "project/process_loads.h"

class QAction;
class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSpinBox;
class QToolButton;
class QTreeWidget;
class QFrame;

namespace orvanta {

// The caption rows of "TForm25" (in its _captions.cpp).
std::span<const CaptionRow> MainWindowCaptionRows();

class ChartView;
class ChartSettingsWindow;
class ProjectHistory;

class MainWindow : public QMainWindow, public Workbench, public CommandRegistry {
  Q_OBJECT
 public:
  // The settings live in `store`; without one, in the user's settings.
  explicit MainWindow(std::unique_ptr<KeyValueStore> store = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Workbench.
  ChartProject& project() override { return project_; }
  AppSettings& settings() override { return settings_; }
  int language() const override { return settings_.language; }
  void RequestFullRedraw() override { FullRedraw(); }
  void RecordEdit(const QString& name) override;
  void ShowNotice(const QString& text) override;
  CommandRegistry& commands() override { return *this; }
  WorkbenchEvents& events() override { return events_; }
  QWidget* dialog_parent() override { return this; }
  QWidget* Part(const QString& object_name) override;

  // CommandRegistry.
  int Register(CommandId id, const QStringList& object_names, std::function<void()> handler) override;
  bool IsRegistered(CommandId id) const override { return registered_.count(std::string(id.name)) > 0; }
  bool IsConnected(const QString& object_name) const override { return CommandConnected(object_name); }
  QAction* Action(const QString& object_name) const override { return Command(object_name); }
  bool Run(CommandId id) override;
  int Register(CommandId id, const QStringList& object_names, std::function<void(const std::any&)> handler) override;
  bool Run(CommandId id, const std::any& payload) override;

  ChartView* chart_view() { return chart_view_; }
  // Undo and redo of the project (Edit menu, pop-up menus, Ctrl+Z, Ctrl+Y).
  ProjectHistory& history() { return *history_; }

  // Reads the settings (first call of a run only), writes the first-run
  // values when there are none, redraws the chart in the current layout and
  // units, places and shows the controls, and sets the caption.
  void FullRedraw();

  // The start-up project (first command-line argument): opened like "Otwórz..."
  // without the dialog, so the chart shows it at the project's own pressure.
  // Returns false (project empty, message shown) when the file is unreadable.
  // `native` is the path as the system gave it (command-line bytes, which
  // need not be valid UTF-8); empty: the path's own encoding.
  bool OpenStartupProject(const QString& path, const std::string& native = {});

  // The project commands. Each returns whether it completed (false: refused,
  // cancelled or failed; the project is then as it was).
  bool NewProject();
  bool OpenProject();
  bool OpenProjectFile(const QString& path, const std::string& native = {});
  bool SaveProject();
  bool SaveProjectAs();

  // The menu item, button action or pop-up item with that objectName
  // ("Nowy1", "DODAJPUNKTDOWOLNY1" …), or nullptr.
  QAction* Command(const QString& object_name) const;
  // Connects a command whose window comes later and enables it. Commands
  // without a handler stay disabled. "Wspkierunkowyprzemiany1" is, besides,
  // enabled only while at least one point exists.
  void SetCommandHandler(const QString& object_name, std::function<void()> handler);
  // Whether SetCommandHandler connected that command.
  bool CommandConnected(const QString& object_name) const { return command_available_.value(object_name); }

  // The window caption: language text 105, " - " and the project path, or
  // " - beznazwy.ovt" for an unsaved project.
  QString CaptionSuffix() const;

  // The chart picture of the last redraw (Wimg x Himg).
  const QImage& chart_image() const;
  // The process loads as the last redraw's process table showed them.
  const ProcessLoadTexts& process_load_texts() const { return load_texts_; }

 signals:
  // After every full redraw (the points tree and lists refill here).
  void Redrawn();
  // After New and Open: the dialogs that keep inputs of the old project
  // (mixing definitions, point and process fields) empty them.
  void ProjectReplaced();
  // After the unit-system box changed (and the redraw): the point data window
  // relabels itself, the heating window empties its inputs.
  void UnitSystemChanged(UnitSystem units);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Construction (main_window_build.cpp).
  void BuildMenus();
  void BuildToolbars(QWidget* central);
  void BuildPointPanel(QWidget* central);
  void BuildZoomButtons(QWidget* central);
  QAction* AddCommand(QMenu* menu, const QString& object_name, const QString& text,
                      const QKeySequence& shortcut = {});
  QAction* NewCommand(const QString& object_name, const QString& text);
  void BindButton(QAbstractButton* button, QAction* action);
  QToolButton* ToolButton(QWidget* parent, const QString& object_name, const QString& text, QAction* action);

  // Redraw steps (main_window.cpp).
  void LoadSettingsOnce();
  void ApplySettingsToControls();
  void ReadControlsIntoSettings();
  void ApplyUnitTexts();
  void ApplyVisibility();
  void PlaceControls();
  void RenderChartImage();
  void UpdateCaption();
  void ShowStartupNews();
  void MaximizeOnce();

  // Commands (main_window_commands.cpp).
  void ConnectCommands();
  void Zoom(std::optional<ChartRange> (*zoom)(ChartRange));
  void ZoomDefault();
  void OnComfortComboChanged(int index);
  void OnComfortMenuItem(int zone_index);
  void SyncComfortTicks();
  void OnPressureChanged(int hpa);
  void OnLanguageItem(int number);
  void SyncLanguageTicks();
  void SyncLanguageItems();
  void OnLanguageChanged();
  void ShowChartSettings();
  void OnSettingsAccepted(double pb);
  void OnCloseButton();
  bool AskToKeepChanges(const QString& question);  // false: the command must stop
  void ApplyProjectPressure(double pb);
  void OpenWebSite();
  void OpenManual();
  // Undo (undo.cpp of the main window).
  void BuildUndo(QMenu* edit_menu);
  void UpdateUndoActions();
  void AfterHistoryRestore();
  void StartHistory();  // New, Open: the project as it is now is where undo stops

  std::unique_ptr<KeyValueStore> store_;
  AppSettings settings_;
  ChartProject project_;
  bool settings_loaded_ = false;
  bool loading_settings_ = false;
  bool first_redraw_done_ = false;
  bool maximized_once_ = false;
  bool news_checked_ = false;
  bool redrawing_ = false;
  bool closing_confirmed_ = false;
  bool redraw_pending_ = false;
  bool switching_language_ = false;

  std::unique_ptr<ProjectHistory> history_;
  QAction* undo_action_ = nullptr;  // Cofnij1
  QAction* redo_action_ = nullptr;  // Ponow1

  ProcessLoadTexts load_texts_;  // of the last drawn process table (for the report)

  WorkbenchEvents events_;
  std::map<std::string, std::function<void(const std::any&)>> registered_;  // by CommandId name
  QHash<QString, QAction*> commands_;
  QHash<QString, bool> command_available_;

  // Controls, by what they are; their objectNames are the form's names.
  ChartView* chart_view_ = nullptr;  // Image1
  QLabel* logo_label_ = nullptr;     // Image2
  QPixmap logo_;
  ChartSettingsWindow* settings_window_ = nullptr;

  QGroupBox* calculators_bar_ = nullptr;  // GroupBox1
  QGroupBox* balance_bar_ = nullptr;      // GroupBox2: heat and moisture balance
  QGroupBox* comfort_bar_ = nullptr;      // GroupBox4
  QGroupBox* layout_box_ = nullptr;       // GroupBox5
  QGroupBox* units_box_ = nullptr;        // GroupBox6
  QComboBox* comfort_combo_ = nullptr;    // ComboBox1
  QComboBox* layout_combo_ = nullptr;     // ComboBox2
  QComboBox* units_combo_ = nullptr;      // ComboBox3
  QWidget* top_bar_ = nullptr;

  QGroupBox* point_panel_ = nullptr;                // GroupBox3
  QLabel* points_title_ = nullptr;                  // Label41
  QTreeWidget* points_tree_ = nullptr;              // TreeView1
  QPushButton* process_list_button_ = nullptr;      // Button1
  QPushButton* coefficient_list_button_ = nullptr;  // Button2
  QFrame* legend_panel_ = nullptr;                  // Panel1
  QFrame* pressure_panel_ = nullptr;                // Panel2
  QFrame* readout_panel_ = nullptr;                 // Panel3
  QSpinBox* pressure_spin_ = nullptr;               // UpDown1
  QPushButton* close_button_ = nullptr;             // BitBtn1
  QHash<QString, QLabel*> labels_;                  // Label1 … Label50 by name

  std::array<QPushButton*, 6> zoom_buttons_{};  // Button4 … Button9
  QMenu* point_menu_ = nullptr;    // PopupMenu1
  QMenu* chart_menu_ = nullptr;    // PopupMenu2
  QMenu* picture_menu_ = nullptr;  // PopupMenu4
  QMenu* language_menu_ = nullptr;
};

}  // namespace orvanta
