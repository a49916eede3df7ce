// Pieces the point dialogs, the points list and the chart interaction share:
// the label-position buttons, named controls and the
// messages about a full table or invalid input.
#pragma once

#include <QString>
#include <array>

#include "app/ui/kit/locale_numbers.h"
#include "project/label_position.h"

class QButtonGroup;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace orvanta {


// A group box with the four radio buttons "DÓŁ", "PRAWA", "GÓRA", "LEWA"
// (`button_names` in that order), the button ids being the LabelPosition values.
QGroupBox* MakeLabelPositionGroup(QWidget* parent, const QString& group_name,
                                  const std::array<const char*, 4>& button_names, QButtonGroup** group);
void SelectLabelPosition(QButtonGroup* group, LabelPosition p);
// Right when nothing is chosen.
LabelPosition ChosenLabelPosition(const QButtonGroup* group);

// The row of a dialog's accepting button (the default one, for Enter) and
// its cancel button, right-aligned.
struct DialogButtons {
  QPushButton* accept;
  QPushButton* cancel;
  QHBoxLayout* row;
};
DialogButtons MakeDialogButtons(QWidget* parent, const char* accept_name, const QString& accept_text,
                                const char* cancel_name, const QString& cancel_text);

// Controls with their objectName (push buttons do not take Enter).
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text);
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text);
QRadioButton* NamedRadio(QWidget* parent, const char* name, const QString& text);

// Message boxes of the point dialogs (caption "ORVANTA INFO").
void ShowPointInfo(QWidget* parent, const QString& text);
void ShowLanguageText(QWidget* parent, int text_number);
// "NIEPRAWIDŁOWE DANE WEJŚCIOWE" with Polish texts, else "INCORRECT INPUT DATA".
void ShowIncorrectInput(QWidget* parent);
// A point cannot be stored without a name.
void ShowPointNameMissing(QWidget* parent);
// Refusals when the project's tables are full (50 points, 20 processes).
void ShowPointsFull(QWidget* parent);
void ShowProcessesFull(QWidget* parent);

}  // namespace orvanta
