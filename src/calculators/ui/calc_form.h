// Shared pieces of the calculator windows: labelled input and result rows,
// the texts of core failures and of numbers that do not parse, and a picture
// drawn from an SVG of the data folder.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <string>

#include "calculators/calc_result.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QSvgRenderer;

namespace orvanta::calcui {

// Caption of the calculators' message boxes.
inline const QString kInfoCaption = QStringLiteral("ORVANTA info");

// One row of a grid: label, edit, unit. The label is named `label_name`
// when given (it takes a language text then). Returns the edit.
QLineEdit* AddRow(QGridLayout* grid, int row, const char* edit_name, const QString& label,
                  const QString& unit, const QString& text = {}, const char* label_name = nullptr,
                  QLabel** label_out = nullptr);
// The same row with a read-only result edit.
QLineEdit* AddResultRow(QGridLayout* grid, int row, const char* edit_name, const QString& label,
                        const QString& unit, const char* label_name = nullptr);

// A label that shows the tool tip of `edit` (its language text) whenever the
// language changes; used where the form describes a field only by its hint.
void LabelFollowsHint(QLabel* label, QLineEdit* edit);

// The message of a refused computation in the active language.
QString FailureText(const calculators::CalcFailure& failure);
// The message for a typed text that is not a number.
QString InvalidNumberText(const QString& typed);
// Whether the Polish texts are in use (the windows' own, or "PL" ticked).
bool PolishTexts();

// A core-formatted number as shown.
inline QString Shown(const std::string& s) { return QString::fromStdString(s); }

// An edit read as a number: nullopt for an empty edit; sets *bad (and leaves
// the result nullopt) for a text that is not a number.
std::optional<double> ReadOptional(const QLineEdit* edit, bool* bad);

// A picture of data/calc/<stem>.svg (the first of `stems` that exists);
// an empty frame when none does.
class SvgPicture : public QWidget {
 public:
  SvgPicture(const QStringList& stems, QWidget* parent = nullptr);
  // Shows the first of `stems` that exists instead (e.g. after a language
  // change); keeps the picture when none does. Returns whether one was loaded.
  bool Load(const QStringList& stems);
  bool loaded() const;
  QString source() const { return source_; }  // the file shown
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* renderer_ = nullptr;
  QString source_;
};

}  // namespace orvanta::calcui
