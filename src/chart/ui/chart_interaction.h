// The mouse on the chart and the points tree: the readout of the air under
// the cursor, the point under the cursor (hovered and selected), a click
// that defines a point, press-move-release that moves one, a double-click
// that edits one; the tree's click and double-click; the point commands of
// the pop-up menus; the drag of the point panel by its handle.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <array>
#include <optional>

#include "chart/chart_settings.h"
#include "chart/geometry.h"
#include "chart/readout.h"
#include "project/chart_project.h"

class QAction;
class QLabel;
class QTreeWidgetItem;
class QWidget;

namespace orvanta {

class ChartView;
class PointDataDialog;
class PointDefinitionDialog;

class ChartInteraction : public QObject {
  Q_OBJECT
 public:
  ChartInteraction(ChartProject* project, ChartSettings* settings, QObject* parent = nullptr);

  // Connects the view's mouse signals; the view shows cursor 2 while the
  // cursor is over a point.
  void SetView(ChartView* view);
  // The geometry of the chart as last drawn; called by every redraw, which
  // also ends a drag in progress.
  void SetGeometry(const chart::ChartGeometry& geometry);
  // Readout labels in ReadoutField order (Label2, Label4, Label10, Label13,
  // Label16, Label25, Label26, Label27, Label28); null entries are skipped.
  void SetReadoutLabels(const std::array<QLabel*, kReadoutFieldCount>& labels);
  // Items enabled only while the cursor is over a point ("Edytuj punkt",
  // "Dodaj współczynnik kierunkowy" of the chart's pop-up menu).
  void SetPointActions(const QList<QAction*>& actions);
  void SetDialogs(PointDefinitionDialog* definition, PointDataDialog* data);
  // Time within which a second click on a point makes a double-click; the
  // new-point dialog for a click on a point waits that long.
  void set_double_click_interval(int ms) { double_click_interval_ = ms; }

  // Mouse on the chart, in image pixels. A point is dragged when the left
  // button was pressed on it and the mouse moves with the button held; the
  // release (a click) puts it at the state of the release pixel. A release
  // outside the chart ends the drag without moving anything.
  void MouseMoved(QPoint pos, Qt::MouseButtons buttons);
  void MousePressed(QPoint pos, Qt::MouseButton button);
  void MouseReleased(QPoint pos, Qt::MouseButton button);
  void Clicked(QPoint pos);
  void DoubleClicked(QPoint pos);

  // Points tree.
  void TreeClicked(QTreeWidgetItem* item);
  void TreeDoubleClicked(QTreeWidgetItem* item);

  // Point commands of the pop-up menus, on the selected point. Deleting a
  // point that processes or coefficients use asks first.
  void EditSelectedPoint();
  void DeleteSelectedPoint();
  // The items that act on the selected point ("Usuń punkt", "Edytuj punkt")
  // name it: "Usuń punkt Zewn"; without one they are disabled.
  void SetSelectedPointActions(const QList<QPair<QAction*, int>>& actions);
  void UpdateSelectedPointActions();
  // Writes the readout again from the last cursor state, in the units now
  // chosen (after a unit switch the panel must not wait for the mouse).
  void RefreshReadout();
  // Opens the point data dialog in edit mode for slot `index`.
  void EditPoint(int index);

  // 0-based slots, -1 for none (a slot no longer used counts as none).
  int hovered_point() const;
  int selected_point() const;
  void SelectPoint(int index) { selected_ = index; }
  bool over_point() const { return over_point_; }
  bool dragging() const { return dragging_; }
  const AirState& cursor_state() const { return cursor_state_; }

 signals:
  // Points or processes changed; the main window redraws.
  void projectChanged();
  // Just before projectChanged: what the user did ("move point B"), for undo.
  void projectEdited(const QString& name);
  // A click that did nothing says why (the status line shows it).
  void notice(const QString& text);
  // After every mouse move over the chart: whether the cursor is over a point.
  void overPointChanged(bool over);

 private:
  void UpdateAt(QPoint pos, Qt::MouseButtons buttons);
  std::optional<AirState> StateAt(QPoint pos) const;
  void SetOverPoint(bool over);
  void DefineNewPoint();
  void Edited(const QString& verb_and_point);
  bool ValidIndex(int index) const { return index >= 0 && index < project_->point_count(); }

  ChartProject* project_;
  ChartSettings* settings_;
  ChartView* view_ = nullptr;
  std::optional<chart::ChartGeometry> geometry_;
  std::array<QLabel*, kReadoutFieldCount> labels_{};
  QList<QAction*> point_actions_;
  PointDefinitionDialog* definition_dialog_ = nullptr;
  PointDataDialog* data_dialog_ = nullptr;

  AirState cursor_state_{};
  bool has_cursor_state_ = false;
  int hovered_ = -1;
  int selected_ = -1;
  bool over_point_ = false;
  bool dragging_ = false;
  int pressed_point_ = -1;  // the point under the left button's press
  int drag_point_ = -1;     // the point being dragged
  QPoint press_pos_;        // where the left button went down
  QList<QPair<QAction*, int>> selected_point_actions_;  // item and its language text

  int double_click_interval_;
  QTimer pending_click_;     // a click on a point waiting for a second one
  std::optional<AirState> pending_state_;  // the cursor state of that click
  QElapsedTimer since_double_click_;
};

// Lets the point panel be dragged by its handle (Image3): while the left
// button is held the panel is placed with its left edge at the cursor x
// minus half the handle width and its top 68 px above the cursor (in the
// chart's coordinates), and the logo follows 200 px right and 120 px above
// the panel. The next redraw puts the panel back in its place.
class PanelDragHandle : public QObject {
  Q_OBJECT
 public:
  PanelDragHandle(QWidget* handle, QWidget* panel, QWidget* chart, QWidget* logo = nullptr);

  QPoint last_position() const { return last_position_; }

 signals:
  void panelMoved(QPoint top_left);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* handle_;
  QWidget* panel_;
  QWidget* chart_;
  QWidget* logo_;
  QPoint last_position_;
};

}  // namespace orvanta
