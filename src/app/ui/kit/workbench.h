// What a window or a subsystem's commands may use of the program around
// them. The main window implements it; modules and windows receive it
// instead of the main window, so no window depends on the main window.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <any>
#include <functional>
#include <string_view>

#include "app/settings_store.h"
#include "project/chart_project.h"
#include "psychro/units.h"

class QAction;
class QWidget;

namespace orvanta {

// A command's typed identity. Each module declares its own constants
// (`inline constexpr CommandId kAddFreePoint{"AddFreePoint"};`) so adding a
// command edits only the module that owns it.
struct CommandId {
  std::string_view name;
  friend bool operator==(CommandId a, CommandId b) { return a.name == b.name; }
};

// Connects commands to the menu items, toolbar actions and buttons that
// trigger them (found by their objectName). A menu item the main window
// built stays disabled until a command is registered for it.
class CommandRegistry {
 public:
  virtual ~CommandRegistry() = default;
  // Runs `handler` when any of `object_names` is triggered and enables them.
  // Names the window does not have are skipped. Returns how many were bound.
  virtual int Register(CommandId id, const QStringList& object_names, std::function<void()> handler) = 0;
  // Whether a command is registered under `id`.
  virtual bool IsRegistered(CommandId id) const = 0;
  // Whether the item with that objectName is bound to a registered command.
  virtual bool IsConnected(const QString& object_name) const = 0;
  // The menu item, toolbar or pop-up action with that objectName, or nullptr.
  virtual QAction* Action(const QString& object_name) const = 0;
  // Runs a registered command (false when none is registered under `id`).
  virtual bool Run(CommandId id) = 0;

  // A command that carries data from one module to another (a duct run
  // handed to a calculator). `handler` receives the payload given to
  // Run(id, payload); triggered from a menu item it receives an empty one.
  virtual int Register(CommandId id, const QStringList& object_names,
                       std::function<void(const std::any&)> handler) = 0;
  virtual bool Run(CommandId id, const std::any& payload) = 0;
};

// Events of the program that windows follow.
class WorkbenchEvents : public QObject {
  Q_OBJECT
 signals:
  // After every full redraw (points tree and lists refill here).
  void redrawn();
  // After New and Open: windows that keep inputs of the old project empty them.
  void projectReplaced();
  // After the unit system changed (and the redraw).
  void unitSystemChanged(UnitSystem units);
};

class Workbench {
 public:
  virtual ~Workbench() = default;

  // The one open project.
  virtual ChartProject& project() = 0;
  // The settings of the run (chart range, layout, units, pressure …).
  virtual AppSettings& settings() = 0;
  double pressure() { return settings().chart.pb; }
  UnitSystem units() { return settings().chart.units; }
  // The language number now ticked (0 for none).
  virtual int language() const = 0;

  // Every change ends with this: dependent points, chart, tree and lists.
  virtual void RequestFullRedraw() = 0;

  // Undo: call after an edit of the project, before or after its redraw,
  // with what the user did ("move point B"); Edit › Undo then offers
  // "Undo move point B". An edit nobody names is kept by the next full
  // redraw under a general name. Nothing is recorded when nothing changed.
  virtual void RecordEdit(const QString& name) { (void)name; }
  // A one-line notice in the status line (no box): why a click did nothing.
  virtual void ShowNotice(const QString& text) { (void)text; }

  virtual CommandRegistry& commands() = 0;
  virtual WorkbenchEvents& events() = 0;

  // The window that dialogs and message boxes belong to.
  virtual QWidget* dialog_parent() = 0;
  // A child widget of the main window by objectName (panels and labels the
  // chart module fills); nullptr when there is none.
  virtual QWidget* Part(const QString& object_name) = 0;
};

}  // namespace orvanta
