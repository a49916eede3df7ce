#include "chart/ui/chart_interaction.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTreeWidgetItem>

#include "app/ui/kit/messages.h"
#include "app/ui/kit/ui_texts.h"
#include "chart/ui/chart_view.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/point_definition_dialog.h"
#include "project/ui/point_dialog_common.h"
#include "psychro/number_text.h"
#include "psychro/air.h"
#include "psychro/state.h"

namespace orvanta {

ChartInteraction::ChartInteraction(ChartProject* project, ChartSettings* settings, QObject* parent)
    : QObject(parent),
      project_(project),
      settings_(settings),
      double_click_interval_(QApplication::styleHints()->mouseDoubleClickInterval()) {
  pending_click_.setSingleShot(true);
  connect(&pending_click_, &QTimer::timeout, this, &ChartInteraction::DefineNewPoint);
}

void ChartInteraction::SetView(ChartView* view) {
  view_ = view;
  connect(view, &ChartView::MouseMoved, this, &ChartInteraction::MouseMoved);
  connect(view, &ChartView::MousePressed, this, &ChartInteraction::MousePressed);
  connect(view, &ChartView::MouseReleased, this, &ChartInteraction::MouseReleased);
  connect(view, &ChartView::Clicked, this, &ChartInteraction::Clicked);
  connect(view, &ChartView::DoubleClicked, this, &ChartInteraction::DoubleClicked);
}

void ChartInteraction::SetGeometry(const chart::ChartGeometry& geometry) {
  geometry_ = geometry;
  dragging_ = false;
  pressed_point_ = -1;
}

void ChartInteraction::SetReadoutLabels(const std::array<QLabel*, kReadoutFieldCount>& labels) { labels_ = labels; }

void ChartInteraction::SetPointActions(const QList<QAction*>& actions) {
  point_actions_ = actions;
  for (QAction* a : point_actions_) a->setEnabled(over_point_);
}

void ChartInteraction::SetDialogs(PointDefinitionDialog* definition, PointDataDialog* data) {
  definition_dialog_ = definition;
  if (data_dialog_) disconnect(data_dialog_, nullptr, this, nullptr);
  data_dialog_ = data;
  if (data_dialog_) {
    connect(data_dialog_, &PointDataDialog::projectChanged, this, [this] {
      const bool edit = data_dialog_->edit_mode() && ValidIndex(selected_);
      const int k = edit ? selected_ : project_->point_count() - 1;
      const QString point = ValidIndex(k) ? QString::fromStdString(project_->point(k).name) : QString();
      Edited(UiText(edit ? UiTextId::EditPoint : UiTextId::AddPoint) + " " + point);
    });
  }
}

void ChartInteraction::Edited(const QString& verb_and_point) {
  emit projectEdited(verb_and_point.trimmed());
  emit projectChanged();
}

void ChartInteraction::SetSelectedPointActions(const QList<QPair<QAction*, int>>& actions) {
  selected_point_actions_ = actions;
  UpdateSelectedPointActions();
}

void ChartInteraction::UpdateSelectedPointActions() {
  static const char kDesign[] = "orvantaDesignText";
  const int k = selected_point();
  for (const auto& [action, text] : selected_point_actions_) {
    if (!action->property(kDesign).isValid()) action->setProperty(kDesign, action->text());
    const QString base = TextOr(text, action->property(kDesign).toString());
    action->setText(k >= 0 ? base + " " + QString::fromStdString(project_->point(k).name) : base);
    action->setEnabled(k >= 0);
  }
}

int ChartInteraction::hovered_point() const { return ValidIndex(hovered_) ? hovered_ : -1; }
int ChartInteraction::selected_point() const { return ValidIndex(selected_) ? selected_ : -1; }

void ChartInteraction::SetOverPoint(bool over) {
  over_point_ = over;
  if (view_) view_->SetOverPoint(over);
  for (QAction* a : point_actions_) a->setEnabled(over);
  emit overPointChanged(over);
}

void ChartInteraction::UpdateAt(QPoint pos, Qt::MouseButtons buttons) {
  if (!geometry_) return;
  const chart::TX tx = geometry_->MapFromChart(pos.x(), pos.y());
  const double x = GuardChartMoisture(tx.x);
  const int hit = PointAt(*project_, tx.t, x);
  if (hit >= 0) {
    // Over a point the readout keeps the last state computed away from it.
    hovered_ = hit;
    if (selected_ != hit) {
      selected_ = hit;
      UpdateSelectedPointActions();
    }
    SetOverPoint(true);
    if ((buttons & Qt::LeftButton) && hit == pressed_point_) {
      dragging_ = true;
      drag_point_ = hit;
    }
    return;
  }
  SetOverPoint(false);
  // A press on a point that moved beyond the drag distance is a drag, however
  // quickly the mouse left the point's hit area.
  if ((buttons & Qt::LeftButton) && ValidIndex(pressed_point_) && !dragging_ &&
      (pos - press_pos_).manhattanLength() >= QApplication::startDragDistance()) {
    dragging_ = true;
    drag_point_ = pressed_point_;
  }
  cursor_state_ = CursorState(settings_->pb, tx.t, x);
  has_cursor_state_ = true;
  RefreshReadout();
}

void ChartInteraction::RefreshReadout() {
  if (!has_cursor_state_) return;
  const ReadoutTexts texts = CursorReadoutTexts(cursor_state_, settings_->units, UiDecimalSeparator());
  for (int k = 0; k < kReadoutFieldCount; ++k) {
    if (labels_[k]) labels_[k]->setText(QString::fromStdString(texts[k]));
  }
}

std::optional<AirState> ChartInteraction::StateAt(QPoint pos) const {
  if (!geometry_) return std::nullopt;
  const chart::TX tx = geometry_->MapFromChart(pos.x(), pos.y());
  return CursorState(settings_->pb, tx.t, tx.x);
}

void ChartInteraction::MouseMoved(QPoint pos, Qt::MouseButtons buttons) { UpdateAt(pos, buttons); }

void ChartInteraction::MousePressed(QPoint pos, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  UpdateAt(pos, Qt::NoButton);
  pressed_point_ = over_point_ ? hovered_ : -1;
  press_pos_ = pos;
}

void ChartInteraction::MouseReleased(QPoint pos, Qt::MouseButton button) {
  if (button != Qt::LeftButton || !geometry_) return;
  const bool inside = pos.x() >= 0 && pos.y() >= 0 && pos.x() < geometry_->wimg() && pos.y() < geometry_->himg();
  if (!inside) dragging_ = false;
  pressed_point_ = -1;
}

void ChartInteraction::Clicked(QPoint pos) {
  // The release that ends a double-click is no click of its own.
  if (since_double_click_.isValid() && since_double_click_.elapsed() <= double_click_interval_) return;
  project_->set_modified(true);
  if (!geometry_) return;
  const int dragged = dragging_ ? drag_point_ : -1;
  UpdateAt(pos, Qt::NoButton);
  if (dragging_) {
    dragging_ = false;
    // The point goes where the button was released, also when that is
    // still inside its own hit area or over another point.
    if (ValidIndex(dragged)) {
      ChartPoint moved = project_->point(dragged);
      moved.state = *StateAt(pos);
      if (project_->ReplacePoint(dragged, moved, moved.name))
        Edited(UiText(UiTextId::MovePoint) + " " + QString::fromStdString(moved.name));
    }
    return;
  }
  if (!over_point_) {
    // Above the saturation curve there is no air: nothing to define.
    const chart::TX tx = geometry_->MapFromChart(pos.x(), pos.y());
    const double saturated = MoistureContent(settings_->pb, SaturationPressure(tx.t), 1.0);
    if (tx.x > saturated * (1 + 1e-9)) {
      emit notice(UiText(UiTextId::AboveSaturation));
      return;
    }
  }
  if (over_point_ && double_click_interval_ > 0) {
    // It may be the first half of a double-click on the point. The new
    // point is defined where this click was, even if the mouse moves on.
    pending_state_ = cursor_state_;
    pending_click_.start(double_click_interval_);
    return;
  }
  DefineNewPoint();
}

void ChartInteraction::DoubleClicked(QPoint pos) {
  const bool was_pending = pending_click_.isActive();
  pending_click_.stop();
  UpdateAt(pos, Qt::NoButton);
  if (!over_point_) {
    if (was_pending) DefineNewPoint();
    pending_state_.reset();
    return;
  }
  pending_state_.reset();
  since_double_click_.start();
  EditPoint(hovered_point());
  since_double_click_.start();
}

void ChartInteraction::DefineNewPoint() {
  const AirState state = pending_state_.value_or(cursor_state_);
  pending_state_.reset();
  if (!definition_dialog_) return;
  if (project_->point_count() >= ChartProject::kPointSlots) {
    ShowPointsFull(definition_dialog_->parentWidget());
    return;
  }
  definition_dialog_->Prepare(settings_->default_label, settings_->units);
  definition_dialog_->SetFlowAsMass(settings_->flow_as_mass);
  const int answer = definition_dialog_->exec();
  if (settings_->flow_as_mass != definition_dialog_->flow_as_mass()) {
    // The process table's flow column follows the choice, OK or not.
    settings_->flow_as_mass = definition_dialog_->flow_as_mass();
    if (answer != QDialog::Accepted) emit projectChanged();  // redraw only: nothing was edited
  }
  if (answer != QDialog::Accepted) return;
  const std::string name = definition_dialog_->point_name().toStdString();
  if (name.empty()) return;
  ChartPoint p;
  p.name = name;
  p.state = state;
  p.label_position = definition_dialog_->label_position();
  const EditResult added = project_->AddPoint(p);
  if (!added) {
    ShowPointInfo(definition_dialog_->parentWidget(), QString::fromStdString(added.Message()));
    return;
  }
  if (const auto process = definition_dialog_->process()) {
    // The point stays; a process the project cannot take is reported.
    const EditResult joined = project_->AddProcess(*process);
    if (!joined) ShowPointInfo(definition_dialog_->parentWidget(), QString::fromStdString(joined.Message()));
  }
  Edited(UiText(UiTextId::AddPoint) + " " + QString::fromStdString(p.name));
}

void ChartInteraction::TreeClicked(QTreeWidgetItem* item) {
  if (!item || item->parent()) return;
  const int k = project_->FindPoint(item->text(0).toStdString());
  if (k >= 0) selected_ = k;
  UpdateSelectedPointActions();
}

void ChartInteraction::TreeDoubleClicked(QTreeWidgetItem* item) {
  if (over_point_) {
    EditPoint(hovered_point());
    return;
  }
  if (!item) return;
  if (item->parent()) item = item->parent();
  EditPoint(project_->FindPoint(item->text(0).toStdString()));
}

void ChartInteraction::EditSelectedPoint() { EditPoint(selected_point()); }

void ChartInteraction::EditPoint(int index) {
  if (!data_dialog_ || !ValidIndex(index)) return;
  selected_ = index;
  data_dialog_->ExecEdit(index);
}

void ChartInteraction::DeleteSelectedPoint() {
  const int k = selected_point();
  if (k < 0) return;
  const std::string name = project_->point(k).name;
  // What would be left without its point: processes, coefficients, tied points.
  QStringList users;
  for (int j = 0; j < project_->process_count(); ++j) {
    const AirProcess& pr = project_->process(j);
    if (pr.start_point == name || pr.end_point == name) users << QString::fromStdString(pr.name);
  }
  for (int j = 0; j < project_->coefficient_count(); ++j) {
    if (project_->coefficient(j).point_name == name) users << QString::fromStdString(project_->coefficient(j).name);
  }
  if (!users.isEmpty()) {
    const QString question = UiText(UiTextId::DeleteUsedPoint).arg(QString::fromStdString(name), users.join(", "));
    QWidget* parent = definition_dialog_ ? definition_dialog_->parentWidget() : nullptr;
    if (Messages::Question(parent, "ORVANTA INFO", question) != QMessageBox::Yes) return;
  }
  project_->DeletePoint(k);
  selected_ = -1;
  hovered_ = -1;
  UpdateSelectedPointActions();
  Edited(UiText(UiTextId::DeletePoint) + " " + QString::fromStdString(name));
}

PanelDragHandle::PanelDragHandle(QWidget* handle, QWidget* panel, QWidget* chart, QWidget* logo)
    : QObject(handle), handle_(handle), panel_(panel), chart_(chart), logo_(logo) {
  handle_->setMouseTracking(true);
  handle_->setCursor(Qt::CrossCursor);
  handle_->installEventFilter(this);
}

bool PanelDragHandle::eventFilter(QObject* watched, QEvent* event) {
  if (watched != handle_) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    handle_->setCursor(Qt::SizeAllCursor);
  } else if (event->type() == QEvent::MouseButtonRelease) {
    handle_->setCursor(Qt::CrossCursor);
  } else if (event->type() == QEvent::MouseMove) {
    auto* e = static_cast<QMouseEvent*>(event);
    if (!(e->buttons() & Qt::LeftButton)) {
      handle_->setCursor(Qt::CrossCursor);
      return false;
    }
    handle_->setCursor(Qt::SizeAllCursor);
    const QPoint global = e->globalPosition().toPoint();
    const QPoint cursor = chart_ ? chart_->mapFromGlobal(global) : panel_->parentWidget()->mapFromGlobal(global);
    const QPoint top_left(cursor.x() - static_cast<int>(Rnd(handle_->width() / 2.0)), cursor.y() - 68);
    panel_->move(top_left);
    if (logo_) logo_->move(top_left + QPoint(200, -120));
    last_position_ = top_left;
    emit panelMoved(top_left);
  }
  return false;
}

}  // namespace orvanta
