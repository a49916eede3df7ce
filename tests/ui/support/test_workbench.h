// A workbench for window tests: its own window, project and settings, and a
// command registry over actions the test creates by objectName. Counts the
// redraw requests instead of drawing.
#pragma once

#include <QAction>
#include <QHash>
#include <QWidget>
#include <map>
#include <string>

#include "app/ui/kit/workbench.h"

namespace orvanta::test {

class TestWorkbench : public Workbench, public CommandRegistry {
 public:
  TestWorkbench();

  // A disabled action with that objectName, as the main window's menus have.
  QAction* AddAction(const QString& object_name);

  ChartProject& project() override { return project_; }
  AppSettings& settings() override { return settings_; }
  int language() const override { return 0; }
  void RequestFullRedraw() override;
  CommandRegistry& commands() override { return *this; }
  WorkbenchEvents& events() override { return events_; }
  QWidget* dialog_parent() override { return &window_; }
  QWidget* Part(const QString& object_name) override { return window_.findChild<QWidget*>(object_name); }

  int Register(CommandId id, const QStringList& object_names, std::function<void()> handler) override;
  bool IsRegistered(CommandId id) const override { return handlers_.count(std::string(id.name)) > 0; }
  bool IsConnected(const QString& object_name) const override { return connected_.value(object_name); }
  QAction* Action(const QString& object_name) const override { return actions_.value(object_name); }
  bool Run(CommandId id) override;
  int Register(CommandId id, const QStringList& object_names, std::function<void(const std::any&)> handler) override;
  bool Run(CommandId id, const std::any& payload) override;

  int redraw_requests() const { return redraw_requests_; }
  QWidget& window() { return window_; }

 private:
  QWidget window_;
  ChartProject project_;
  AppSettings settings_;
  WorkbenchEvents events_;
  QHash<QString, QAction*> actions_;
  QHash<QString, bool> connected_;
  std::map<std::string, std::function<void(const std::any&)>> handlers_;
  int redraw_requests_ = 0;
};

}  // namespace orvanta::test
