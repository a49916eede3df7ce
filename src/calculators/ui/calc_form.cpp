#include "calculators/ui/calc_form.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>

#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"

namespace orvanta::calcui {

QLineEdit* AddRow(QGridLayout* grid, int row, const char* edit_name, const QString& label, const QString& unit,
                  const QString& text, const char* label_name, QLabel** label_out) {
  QWidget* parent = grid->parentWidget();
  auto* caption = new QLabel(label, parent);
  if (label_name) caption->setObjectName(label_name);
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(edit_name);
  edit->setMinimumWidth(90);
  edit->setMaximumWidth(140);
  caption->setBuddy(edit);
  grid->addWidget(caption, row, 0);
  grid->addWidget(edit, row, 1);
  if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, parent), row, 2);
  if (label_out) *label_out = caption;
  return edit;
}

QLineEdit* AddResultRow(QGridLayout* grid, int row, const char* edit_name, const QString& label, const QString& unit,
                        const char* label_name) {
  QLineEdit* edit = AddRow(grid, row, edit_name, label, unit, {}, label_name);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::ClickFocus);
  edit->setStyleSheet("QLineEdit { background: palette(window); }");
  return edit;
}

void LabelFollowsHint(QLabel* label, QLineEdit* edit) {
  auto update = [label, edit] {
    if (!edit->toolTip().isEmpty()) label->setText(edit->toolTip());
  };
  QObject::connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, label, update);
  update();
}

bool PolishTexts() { return ActiveLanguageNumber() == 0 || PolishTicked(); }

QString FailureText(const calculators::CalcFailure& failure) {
  if (failure.text > 0 && !Text(failure.text).isEmpty()) return Text(failure.text);
  const std::string& own = PolishTexts() || failure.english.empty() ? failure.polish : failure.english;
  if (!own.empty()) return QString::fromStdString(own);
  return QString::fromStdString(failure.english);
}

QString InvalidNumberText(const QString& typed) {
  return PolishTexts() ? QString("'%1' nie jest poprawną liczbą.").arg(typed)
                       : QString("'%1' is not a valid number.").arg(typed);
}

std::optional<double> ReadOptional(const QLineEdit* edit, bool* bad) {
  const QString text = edit->text().trimmed();
  if (text.isEmpty()) return std::nullopt;
  auto v = ParseTypedNumber(text);
  if (!v) *bad = true;
  return v;
}

SvgPicture::SvgPicture(const QStringList& stems, QWidget* parent) : QWidget(parent) {
  Load(stems);
  setMinimumSize(200, 140);
}

bool SvgPicture::Load(const QStringList& stems) {
  for (const QString& stem : stems) {
    const QString path = DataPath("calc/" + stem + ".svg");
    if (path == source_) return true;
    if (!QFile::exists(path)) continue;
    auto* renderer = new QSvgRenderer(path, this);
    if (renderer->isValid()) {
      delete renderer_;
      renderer_ = renderer;
      source_ = path;
      update();
      return true;
    }
    delete renderer;
  }
  return false;
}

bool SvgPicture::loaded() const { return renderer_ != nullptr; }

QSize SvgPicture::sizeHint() const { return {300, 200}; }

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QColor(160, 160, 160));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!renderer_) return;
  // Keep the drawing's proportions inside the frame.
  QSizeF size = renderer_->viewBoxF().size();
  if (size.isEmpty()) size = renderer_->defaultSize();
  QRectF target = QRectF(rect()).adjusted(4, 4, -4, -4);
  if (!size.isEmpty()) {
    QSizeF fitted = size.scaled(target.size(), Qt::KeepAspectRatio);
    target = QRectF(target.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
  }
  renderer_->render(&painter, target);
}

}  // namespace orvanta::calcui
