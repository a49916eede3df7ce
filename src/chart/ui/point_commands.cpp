#include "chart/ui/point_commands.h"

#include <QAction>
#include <QLabel>
#include <QTreeWidget>

#include "app/ui/kit/workbench.h"
#include "chart/geometry.h"
#include "chart/ui/chart_interaction.h"
#include "chart/ui/chart_view.h"
#include "chart/ui/points_tree.h"
#include "project/ui/library_window.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/point_definition_dialog.h"
#include "project/ui/points_list_window.h"

namespace orvanta {

namespace {
inline constexpr CommandId kAddFreePoint{"AddFreePoint"};
inline constexpr CommandId kAddPoint{"AddPoint"};
inline constexpr CommandId kEditPoint{"EditSelectedPoint"};
inline constexpr CommandId kDeletePoint{"DeleteSelectedPoint"};
inline constexpr CommandId kStoreInLibrary{"StoreSelectedPointInLibrary"};
inline constexpr CommandId kExportPoints{"ExportPointValues"};
}  // namespace

PointCommands::PointCommands(Workbench& workbench)
    : QObject(workbench.dialog_parent()), workbench_(workbench) {
  setObjectName("PointCommands");
  QWidget* window = workbench.dialog_parent();
  ChartProject* project = &workbench.project();
  ChartSettings* settings = &workbench.settings().chart;
  auto* view = qobject_cast<ChartView*>(workbench.Part("Image1"));
  points_list_ = new PointsListWindow(project, window);
  definition_ = new PointDefinitionDialog(project, window);
  data_ = new PointDataDialog(project, settings, points_list_, window);
  interaction_ = new ChartInteraction(project, settings, this);
  if (view) interaction_->SetView(view);
  interaction_->SetDialogs(definition_, data_);

  std::array<QLabel*, kReadoutFieldCount> labels{};
  const std::array<const char*, kReadoutFieldCount> label_names{"Label2",  "Label4",  "Label10", "Label13", "Label16",
                                                                "Label25", "Label26", "Label27", "Label28"};
  for (int k = 0; k < kReadoutFieldCount; ++k) labels[k] = qobject_cast<QLabel*>(workbench.Part(label_names[k]));
  interaction_->SetReadoutLabels(labels);

  connect(interaction_, &ChartInteraction::projectEdited, this,
          [this](const QString& name) { workbench_.RecordEdit(name); });
  connect(interaction_, &ChartInteraction::projectChanged, this, [this] { workbench_.RequestFullRedraw(); });
  connect(interaction_, &ChartInteraction::notice, this, [this](const QString& text) { workbench_.ShowNotice(text); });
  WorkbenchEvents* events = &workbench.events();
  connect(events, &WorkbenchEvents::redrawn, this, &PointCommands::AfterRedraw);
  connect(events, &WorkbenchEvents::projectReplaced, this, [this] {
    data_->PrepareAdd(true);
    interaction_->SelectPoint(-1);
  });

  if (auto* tree = qobject_cast<QTreeWidget*>(workbench.Part("TreeView1"))) {
    connect(tree, &QTreeWidget::itemClicked, interaction_, &ChartInteraction::TreeClicked);
    connect(tree, &QTreeWidget::itemDoubleClicked, interaction_, &ChartInteraction::TreeDoubleClicked);
  }
  QWidget* handle = workbench.Part("Image3");
  QWidget* panel = workbench.Part("GroupBox3");
  if (handle && panel && view) {
    panel_drag_ = new PanelDragHandle(handle, panel, view, workbench.Part("Image2"));
    connect(panel_drag_, &PanelDragHandle::panelMoved, this, [this](QPoint p) {
      workbench_.settings().xg = p.x();
      workbench_.settings().yg = p.y();
    });
  }

  CommandRegistry& commands = workbench.commands();
  commands.Register(kAddFreePoint, {"DODAJPUNKTDOWOLNY1"}, [this] { AddFreePoint(true); });
  commands.Register(kAddPoint, {"Dodajpunkt2", "Dodajpunkt3", "DodajPunkt4"}, [this] { AddFreePoint(false); });
  commands.Register(kEditPoint, {"Edytujpunkt1", "Edytujpunkt2"}, [this] { interaction_->EditSelectedPoint(); });
  commands.Register(kDeletePoint, {"Usupunkt1", "Usupunkt2"}, [this] { interaction_->DeleteSelectedPoint(); });
  commands.Register(kStoreInLibrary, {"Zapami1", "Zapamitajpunktwbibliotece1"},
                    [this] { StoreSelectedPointInLibrary(); });
  commands.Register(kExportPoints, {"Eksportujwartocipunktwdoplikutxt1"}, [this] { ExportPoints(); });
  if (QAction* edit_on_chart = commands.Action("Edytujpunkt2")) interaction_->SetPointActions({edit_on_chart});
  QList<QPair<QAction*, int>> delete_items;
  for (const char* name : {"Usupunkt1", "Usupunkt2"})
    if (QAction* a = commands.Action(name)) delete_items.append({a, 21});
  interaction_->SetSelectedPointActions(delete_items);
  // "Dodaj współczynnik kierunkowy" of the chart's pop-up menu is usable only
  // over a point, and only once the coefficient window is connected to it.
  connect(interaction_, &ChartInteraction::overPointChanged, this, [this](bool over) {
    const QString name = "Dodajwspczynnikkierunkowy1";
    CommandRegistry& registry = workbench_.commands();
    if (QAction* add_coefficient = registry.Action(name)) add_coefficient->setEnabled(over && registry.IsConnected(name));
  });
}

void PointCommands::AfterRedraw() {
  if (auto* view = qobject_cast<ChartView*>(workbench_.Part("Image1"))) {
    const QImage& image = view->image();
    if (!image.isNull()) {
      interaction_->SetGeometry(chart::ChartGeometry(workbench_.settings().chart, image.width(), image.height()));
    }
  }
  if (auto* tree = qobject_cast<QTreeWidget*>(workbench_.Part("TreeView1"))) {
    FillPointsTree(tree, workbench_.project(), workbench_.units());
  }
  points_list_->Refill();
  interaction_->UpdateSelectedPointActions();  // the language may have renamed them
  interaction_->RefreshReadout();               // in the units now chosen
}

void PointCommands::AddFreePoint(bool clear_inputs) { data_->ExecAdd(clear_inputs); }

void PointCommands::StoreSelectedPointInLibrary() {
  const int k = interaction_->selected_point();
  if (k < 0) return;
  StorePointInLibrary(workbench_.dialog_parent(), workbench_.project().point(k));
}

void PointCommands::ExportPoints() {
  ExportPointValues(workbench_.dialog_parent(), workbench_.project(), workbench_.units());
}

}  // namespace orvanta
