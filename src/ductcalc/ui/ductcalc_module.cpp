#include "ductcalc/ui/ductcalc_module.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTimer>

#include "app/ui/kit/workbench.h"
#include "ductcalc/ui/duct_run.h"
#include "ductcalc/ui/duct_sheet_window.h"

namespace orvanta {

namespace {
inline constexpr CommandId kOpenDuctCalculator{"OpenDuctCalculator"};
QPointer<DuctSheetWindow> g_sheet;

// Asks before the program closes with an unsaved calculation.
class CloseGuard : public QObject {
 public:
  CloseGuard(DuctSheetWindow* sheet, QObject* parent) : QObject(parent), sheet_(sheet) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && watched == parent() && sheet_ && !sheet_->MaySetRunAside()) {
      event->ignore();
      return true;
    }
    return false;
  }

 private:
  QPointer<DuctSheetWindow> sheet_;
};
}  // namespace

DuctSheetWindow* RegisterDuctcalcModule(Workbench& workbench) {
  QWidget* parent = workbench.dialog_parent();
  auto* sheet = new DuctSheetWindow(parent);
  g_sheet = sheet;
  parent->installEventFilter(new CloseGuard(sheet, parent));
  workbench.commands().Register(kOpenDuctCalculator, {"Kalkulatorstratcinienia1"}, [sheet] { sheet->exec(); });
  sheet->ConnectAcousticHandOver(&workbench.commands());
  return sheet;
}

bool OpenDuctCalculationAtStartup(const QString& path) {
  if (!path.endsWith(".moh", Qt::CaseInsensitive) || !g_sheet) return false;
  QPointer<DuctSheetWindow> sheet = g_sheet;
  if (!sheet->OpenPath(path)) return true;  // refused with its message; nothing else opens it
  QTimer::singleShot(0, sheet, [sheet] {
    if (sheet) sheet->exec();
  });
  return true;
}

}  // namespace orvanta
