#include "project/ui/treatment_ui_common.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "project/ui/point_dialog_common.h"
#include "psychro/number_text.h"

namespace orvanta {

QLineEdit* NamedEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMinimumWidth(80);
  return e;
}

QString ShownNumber(double v, int decimals) {
  return QString::fromStdString(NumberText(RoundTo(v, -decimals), UiDecimalSeparator()));
}

QString InletMissingText() {
  return PolishTicked() ? QString::fromUtf8("Wczytaj najpierw punkt początkowy.")
                        : QString("Load the inlet point first.");
}

QString PointWithoutProcessText(const QString& point_name) {
  return PolishTicked() ? QString::fromUtf8("Punkt %1 został dodany bez przemiany.").arg(point_name)
                        : QString("The point %1 was added without a process.").arg(point_name);
}

void ReportDrawRefusal(QWidget* parent, const DrawOutcome& out, const QString& outlet_name) {
  QString text;
  if (out.text) {
    text = Text(out.text);
  } else if (out.edit.error == EditError::PointTableFull) {
    ShowPointsFull(parent);
    return;
  } else if (out.edit.error == EditError::ProcessTableFull) {
    text = PolishTicked() ? QString("Projekt może zawierać najwyżej %1 przemian.").arg(ChartProject::kProcessSlots)
                          : QString("A project holds at most %1 processes.").arg(ChartProject::kProcessSlots);
  } else {
    text = QString::fromStdString(out.edit.Message());
  }
  if (out.point_added && !out.process_added) text += "\n" + PointWithoutProcessText(outlet_name);
  Messages::Info(parent, "ORVANTA INFO", text);
}

}  // namespace orvanta
