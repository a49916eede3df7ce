// Undo and redo of the chart project. The project is small (one file image
// is 15 kB), so every step keeps the whole content before and after it; a
// step is what changed between two recordings. The history keeps 100 steps,
// starts over at New and Open, and follows the saved state: undoing back to
// what was last saved clears the project's modified flag.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "project/chart_project.h"

class QUndoStack;

namespace orvanta {

class ProjectHistory : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSteps = 100;

  // `restored` runs after an undo or redo has put a content back (the main
  // window takes the pressure and redraws there).
  ProjectHistory(ChartProject& project, std::function<void()> restored, QObject* parent = nullptr);
  ~ProjectHistory() override;

  // The name of a step that nobody named (an edit found at undo or save).
  void set_general_name(std::function<QString()> name) { general_name_ = std::move(name); }

  // The project's content now is the start: no steps, and it is the saved state.
  void Reset();
  // Records what changed since the last recording as one step named `name`
  // ("move point B"). Returns false when nothing changed (no step).
  bool Record(const QString& name);
  // The project's content now is what its file holds.
  void MarkSaved();
  // Whether the content differs from the last recording.
  bool HasUnrecordedChange() const;

  bool CanUndo() const;
  bool CanRedo() const;
  QString UndoName() const;  // the name of the step Undo would take back, or empty
  QString RedoName() const;
  int steps() const;
  void Undo();
  void Redo();

 signals:
  // After every change of the history (a step recorded, undone, redone, reset).
  void changed();

 private:
  friend class HistoryStep;
  void Restore(const ChartProject& content);

  ChartProject& project_;
  std::function<void()> restored_;
  std::function<QString()> general_name_;
  std::unique_ptr<QUndoStack> stack_;
  std::unique_ptr<ChartProject> recorded_;  // the content at the last recording
};

}  // namespace orvanta
