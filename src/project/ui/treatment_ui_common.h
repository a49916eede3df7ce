// Pieces the treatment and mixing dialogs share: named controls, numbers as
// shown, and the messages of "DRAW PROCESS".
#pragma once

#include <QString>

#include "project/treatment_draw.h"
#include "project/ui/point_dialog_common.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace orvanta {

QLineEdit* NamedEdit(QWidget* parent, const char* name);

// v rounded to `decimals` (ties to even) and written as text with the
// locale's separator.
QString ShownNumber(double v, int decimals);

// No inlet point loaded yet.
QString InletMissingText();
// The outlet point was stored but its process was not.
QString PointWithoutProcessText(const QString& point_name);

// The box for a "DRAW PROCESS" that did not add both the point and the
// process (caption "ORVANTA INFO"); a point stored without its process is
// named in the text.
void ReportDrawRefusal(QWidget* parent, const DrawOutcome& out, const QString& outlet_name);

}  // namespace orvanta
