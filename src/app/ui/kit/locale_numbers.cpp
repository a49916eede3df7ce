#include "app/ui/kit/locale_numbers.h"

#include <QLineEdit>
#include <QLocale>

#include "app/ui/kit/messages.h"
#include "psychro/number_text.h"

namespace orvanta {

char UiDecimalSeparator() {
  const QString sep = QLocale().decimalPoint();
  return sep.size() == 1 && sep.at(0).unicode() < 128 ? sep.at(0).toLatin1() : '.';
}

QString UiNumberText(double v) { return QString::fromStdString(NumberText(v, UiDecimalSeparator())); }

std::optional<double> ParseTypedNumber(const QString& text) {
  return ParseNumber(text.toStdString(), UiDecimalSeparator());
}

BadNumberPolicy BadNumberPolicy::ClearResults(std::function<void()> clear) {
  BadNumberPolicy p;
  p.kind = Kind::ClearResults;
  p.clear_results = std::move(clear);
  return p;
}

BadNumberPolicy BadNumberPolicy::Report(QWidget* parent, const QString& caption, const QString& message) {
  BadNumberPolicy p;
  p.kind = Kind::Report;
  p.parent = parent;
  p.caption = caption;
  p.message = message;
  return p;
}

std::optional<double> ReadTypedNumber(const QString& text, const BadNumberPolicy& policy) {
  if (auto v = ParseTypedNumber(text)) return v;
  switch (policy.kind) {
    case BadNumberPolicy::Kind::Ignore:
      break;
    case BadNumberPolicy::Kind::ClearResults:
      if (policy.clear_results) policy.clear_results();
      break;
    case BadNumberPolicy::Kind::Report:
      Messages::Info(policy.parent, policy.caption, policy.message);
      break;
  }
  return std::nullopt;
}

std::optional<double> ReadTypedNumber(const QLineEdit* edit, const BadNumberPolicy& policy) {
  return ReadTypedNumber(edit ? edit->text() : QString(), policy);
}

}  // namespace orvanta
