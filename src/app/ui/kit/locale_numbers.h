// Numbers as the user reads and types them: the locale's decimal separator,
// the one parser of typed numbers, and the three ways a window treats a
// number that does not parse.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace orvanta {

// The decimal separator of the user's locale ('.' when it is not one ASCII character).
char UiDecimalSeparator();
// A number "as text" with that separator.
QString UiNumberText(double v);
// A typed number: the locale's separator (a '.' is accepted as well),
// surrounding blanks allowed; nullopt when it is not a finite number.
std::optional<double> ParseTypedNumber(const QString& text);

// What a window does with a number that does not parse.
struct BadNumberPolicy {
  enum class Kind {
    Ignore,        // the input is skipped, nothing else happens
    ClearResults,  // the window's results are emptied
    Report,        // a message box says so
  };
  Kind kind = Kind::Ignore;
  std::function<void()> clear_results;  // for ClearResults
  QWidget* parent = nullptr;            // for Report
  QString caption;                      // for Report
  QString message;                      // for Report

  static BadNumberPolicy Ignore() { return {}; }
  static BadNumberPolicy ClearResults(std::function<void()> clear);
  static BadNumberPolicy Report(QWidget* parent, const QString& caption, const QString& message);
};

// Parses `text`; when it does not parse, applies `policy` and returns nullopt.
std::optional<double> ReadTypedNumber(const QString& text, const BadNumberPolicy& policy);
std::optional<double> ReadTypedNumber(const QLineEdit* edit, const BadNumberPolicy& policy);

}  // namespace orvanta
