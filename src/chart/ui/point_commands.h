// The point windows and the chart interaction put into the main window: the
// mouse on the chart and on the points tree, the point commands of the menus
// and pop-up menus, the points tree refill at every redraw, the drag of the
// point panel. Created once, by the chart module.
#pragma once

#include <QObject>

namespace orvanta {

class ChartInteraction;
class PointDataDialog;
class PointDefinitionDialog;
class PointsListWindow;
class PanelDragHandle;
class Workbench;

class PointCommands : public QObject {
  Q_OBJECT
 public:
  // Builds the windows (children of the workbench's window, found by their
  // form names "TForm27", "TForm29", "TForm31") and connects everything.
  explicit PointCommands(Workbench& workbench);

  ChartInteraction* interaction() const { return interaction_; }
  PointDefinitionDialog* definition_dialog() const { return definition_; }
  PointDataDialog* data_dialog() const { return data_; }
  PointsListWindow* points_list() const { return points_list_; }

  // "Dodaj punkt dowolny": the point data dialog in add mode.
  void AddFreePoint(bool clear_inputs);
  // "Zapamiętaj punkt w bibliotece" for the selected point.
  void StoreSelectedPointInLibrary();
  // "Eksportuj wartości punktów do pliku *.txt".
  void ExportPoints();

 private:
  void AfterRedraw();

  Workbench& workbench_;
  ChartInteraction* interaction_;
  PointDefinitionDialog* definition_;
  PointDataDialog* data_;
  PointsListWindow* points_list_;
  PanelDragHandle* panel_drag_ = nullptr;
};

}  // namespace orvanta
