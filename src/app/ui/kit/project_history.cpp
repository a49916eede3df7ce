#include "app/ui/kit/project_history.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace orvanta {

// One step: the whole content before and after it.
class HistoryStep : public QUndoCommand {
 public:
  HistoryStep(ProjectHistory& history, const QString& name, const ChartProject& before, const ChartProject& after)
      : QUndoCommand(name), history_(history), before_(before), after_(after) {}

  // The stack runs redo() when the step is pushed; the project already holds
  // the content after it then.
  void redo() override {
    if (first_) {
      first_ = false;
      return;
    }
    history_.Restore(after_);
  }
  void undo() override { history_.Restore(before_); }

 private:
  ProjectHistory& history_;
  ChartProject before_;
  ChartProject after_;
  bool first_ = true;
};

ProjectHistory::ProjectHistory(ChartProject& project, std::function<void()> restored, QObject* parent)
    : QObject(parent),
      project_(project),
      restored_(std::move(restored)),
      stack_(std::make_unique<QUndoStack>()),
      recorded_(std::make_unique<ChartProject>()) {
  stack_->setUndoLimit(kSteps);
  recorded_->AssignContent(project_);
  stack_->setClean();
}

ProjectHistory::~ProjectHistory() {
  // The steps refer back to this history; they go first.
  stack_.reset();
}

void ProjectHistory::Reset() {
  stack_->clear();
  recorded_->AssignContent(project_);
  stack_->setClean();
  emit changed();
}

bool ProjectHistory::HasUnrecordedChange() const { return !project_.ContentEquals(*recorded_); }

bool ProjectHistory::Record(const QString& name) {
  if (!HasUnrecordedChange()) return false;
  ChartProject before;
  before.AssignContent(*recorded_);
  recorded_->AssignContent(project_);
  stack_->push(new HistoryStep(*this, name, before, *recorded_));
  emit changed();
  return true;
}

void ProjectHistory::MarkSaved() {
  // A change saved without being recorded becomes a step of its own first,
  // so that undo can still reach what came before it.
  Record(general_name_ ? general_name_() : QString());
  stack_->setClean();
  emit changed();
}

void ProjectHistory::Restore(const ChartProject& content) {
  project_.AssignContent(content);
  recorded_->AssignContent(content);
}

bool ProjectHistory::CanUndo() const { return stack_->canUndo(); }
bool ProjectHistory::CanRedo() const { return stack_->canRedo(); }
QString ProjectHistory::UndoName() const { return stack_->undoText(); }
QString ProjectHistory::RedoName() const { return stack_->redoText(); }
int ProjectHistory::steps() const { return stack_->count(); }

void ProjectHistory::Undo() {
  // An edit nobody recorded is kept as a step, so undo takes back that one
  // and loses nothing.
  Record(general_name_ ? general_name_() : QString());
  if (!CanUndo()) return;
  stack_->undo();
  project_.set_modified(!stack_->isClean());
  if (restored_) restored_();
  emit changed();
}

void ProjectHistory::Redo() {
  if (!CanRedo()) return;
  if (HasUnrecordedChange()) return;  // an unrecorded edit would be lost; it is recorded at the next redraw
  stack_->redo();
  project_.set_modified(!stack_->isClean());
  if (restored_) restored_();
  emit changed();
}

}  // namespace orvanta
