#include "chart/ui/point_commands.h"

#include <QAction>
#include <QLabel>
#include <QTreeWidget>

#include "app/ui/chart_view.h"
#include "app/ui/main_window.h"
#include "chart/geometry.h"
#include "chart/ui/chart_interaction.h"
#include "chart/ui/points_tree.h"
#include "project/ui/library_window.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/point_definition_dialog.h"
#include "project/ui/points_list_window.h"

namespace orvanta {

PointCommands::PointCommands(MainWindow* window) : QObject(window), window_(window) {
  setObjectName("PointCommands");
  ChartProject* project = &window->project();
  ChartSettings* settings = &window->settings().chart;
  points_list_ = new PointsListWindow(project, window);
  definition_ = new PointDefinitionDialog(project, window);
  data_ = new PointDataDialog(project, settings, points_list_, window);
  library_ = new LibraryWindow(project, window);
  interaction_ = new ChartInteraction(project, settings, this);
  interaction_->SetView(window->chart_view());
  interaction_->SetDialogs(definition_, data_);

  std::array<QLabel*, kReadoutFieldCount> labels{};
  const std::array<const char*, kReadoutFieldCount> label_names{"Label2",  "Label4",  "Label10", "Label13", "Label16",
                                                                "Label25", "Label26", "Label27", "Label28"};
  for (int k = 0; k < kReadoutFieldCount; ++k) labels[k] = window->findChild<QLabel*>(label_names[k]);
  interaction_->SetReadoutLabels(labels);

  auto redraw = [window] { window->FullRedraw(); };
  connect(interaction_, &ChartInteraction::projectChanged, window, redraw);
  connect(library_, &LibraryWindow::projectChanged, window, redraw);
  connect(window, &MainWindow::Redrawn, this, &PointCommands::AfterRedraw);
  connect(window, &MainWindow::ProjectReplaced, this, [this] {
    data_->PrepareAdd(true);
    interaction_->SelectPoint(-1);
  });

  if (auto* tree = window->findChild<QTreeWidget*>("TreeView1")) {
    connect(tree, &QTreeWidget::itemClicked, interaction_, &ChartInteraction::TreeClicked);
    connect(tree, &QTreeWidget::itemDoubleClicked, interaction_, &ChartInteraction::TreeDoubleClicked);
  }
  auto* handle = window->findChild<QWidget*>("Image3");
  auto* panel = window->findChild<QWidget*>("GroupBox3");
  if (handle && panel) {
    panel_drag_ = new PanelDragHandle(handle, panel, window->chart_view(), window->findChild<QWidget*>("Image2"));
    connect(panel_drag_, &PanelDragHandle::panelMoved, this, [window](QPoint p) {
      window->settings().xg = p.x();
      window->settings().yg = p.y();
    });
  }

  window->SetCommandHandler("DODAJPUNKTDOWOLNY1", [this] { AddFreePoint(true); });
  for (const char* name : {"Dodajpunkt2", "Dodajpunkt3", "DodajPunkt4"}) {
    window->SetCommandHandler(name, [this] { AddFreePoint(false); });
  }
  for (const char* name : {"Edytujpunkt1", "Edytujpunkt2"}) {
    window->SetCommandHandler(name, [this] { interaction_->EditSelectedPoint(); });
  }
  for (const char* name : {"Usupunkt1", "Usupunkt2"}) {
    window->SetCommandHandler(name, [this] { interaction_->DeleteSelectedPoint(); });
  }
  for (const char* name : {"Zapami1", "Zapamitajpunktwbibliotece1"}) {
    window->SetCommandHandler(name, [this] { StoreSelectedPointInLibrary(); });
  }
  for (const char* name : {"Wczytajpunktzbiblioteki1", "Wczytajpunktzbiblioteki2"}) {
    window->SetCommandHandler(name, [this] { OpenLibrary(); });
  }
  window->SetCommandHandler("Eksportujwartocipunktwdoplikutxt1", [this] { ExportPoints(); });
  if (QAction* edit_on_chart = window->Command("Edytujpunkt2")) interaction_->SetPointActions({edit_on_chart});
  // "Dodaj współczynnik kierunkowy" of the chart's pop-up menu is usable only
  // over a point, and only once the coefficient window is connected to it.
  connect(interaction_, &ChartInteraction::overPointChanged, this, [window](bool over) {
    const QString name = "Dodajwspczynnikkierunkowy1";
    if (QAction* add_coefficient = window->Command(name)) {
      add_coefficient->setEnabled(over && window->CommandConnected(name));
    }
  });
}

void PointCommands::AfterRedraw() {
  const QImage& image = window_->chart_image();
  if (!image.isNull()) {
    interaction_->SetGeometry(chart::ChartGeometry(window_->settings().chart, image.width(), image.height()));
  }
  if (auto* tree = window_->findChild<QTreeWidget*>("TreeView1")) {
    FillPointsTree(tree, window_->project(), window_->settings().chart.units);
  }
  points_list_->Refill();
}

void PointCommands::AddFreePoint(bool clear_inputs) { data_->ExecAdd(clear_inputs); }

void PointCommands::StoreSelectedPointInLibrary() {
  const int k = interaction_->selected_point();
  if (k < 0) return;
  StorePointInLibrary(window_, window_->project().point(k));
}

void PointCommands::OpenLibrary() { library_->Open(); }

void PointCommands::ExportPoints() {
  if (auto* tree = window_->findChild<QTreeWidget*>("TreeView1")) ExportPointValues(window_, tree);
}

}  // namespace orvanta
