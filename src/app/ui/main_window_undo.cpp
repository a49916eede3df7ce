// The main window's undo and redo: the Edit menu, the items of the pop-up
// menus and the recording of every edit of the project.
#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>

#include "app/ui/kit/language.h"
#include "app/ui/kit/project_history.h"
#include "app/ui/main_window.h"
#include "app/ui/kit/ui_texts.h"

namespace orvanta {

void MainWindow::BuildUndo(QMenu* edit_menu) {
  history_ = std::make_unique<ProjectHistory>(project_, [this] { AfterHistoryRestore(); }, this);
  history_->set_general_name([] { return UiText(UiTextId::EditGeneral); });
  undo_action_ = AddCommand(edit_menu, "Cofnij1", UiText(UiTextId::Undo), QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_action_ = AddCommand(edit_menu, "Ponow1", UiText(UiTextId::Redo), QKeySequence(Qt::CTRL | Qt::Key_Y));
  redo_action_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  SetCommandHandler("Cofnij1", [this] { history_->Undo(); });
  SetCommandHandler("Ponow1", [this] { history_->Redo(); });
  connect(history_.get(), &ProjectHistory::changed, this, &MainWindow::UpdateUndoActions);
  UpdateUndoActions();
}

void MainWindow::UpdateUndoActions() {
  if (!undo_action_) return;
  if (auto* menu = findChild<QMenu*>("Edycja1")) menu->setTitle(UiText(UiTextId::EditMenu));
  const auto item = [](UiTextId verb, const QString& name) {
    return name.isEmpty() ? UiText(verb) : UiText(verb) + " " + name;
  };
  undo_action_->setText(item(UiTextId::Undo, history_->UndoName()));
  redo_action_->setText(item(UiTextId::Redo, history_->RedoName()));
  undo_action_->setEnabled(history_->CanUndo() || history_->HasUnrecordedChange());
  redo_action_->setEnabled(history_->CanRedo());
}

void MainWindow::RecordEdit(const QString& name) {
  // The redraw refreshes tied points; the step holds them as drawn.
  project_.RefreshDependentPoints();
  history_->Record(name.isEmpty() ? UiText(UiTextId::EditGeneral) : name);
  UpdateUndoActions();
}

void MainWindow::ShowNotice(const QString& text) {
  statusBar()->setObjectName("StatusBar1");
  statusBar()->showMessage(text, 8000);
}

void MainWindow::StartHistory() {
  project_.RefreshDependentPoints();
  history_->Reset();
}

void MainWindow::AfterHistoryRestore() {
  // The chart follows the pressure of the content put back.
  if (project_.pb() > 0 && project_.pb() != settings_.chart.pb) ApplyProjectPressure(project_.pb());
  FullRedraw();
}

}  // namespace orvanta
