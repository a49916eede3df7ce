#include "app/ui/kit/messages.h"

#include <QWidget>

namespace orvanta {
namespace {
Messages::Responder& CurrentResponder() {
  static Messages::Responder responder;
  return responder;
}
}  // namespace

QMessageBox::StandardButton Messages::Show(QWidget* parent, const MessageRequest& request) {
  if (CurrentResponder()) return CurrentResponder()(request);
  QMessageBox box(request.icon, request.caption, request.text, request.buttons, parent);
  if (request.default_button != QMessageBox::NoButton) box.setDefaultButton(request.default_button);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton Messages::Info(QWidget* parent, const QString& caption, const QString& text) {
  return Show(parent, {caption, text, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok});
}

QMessageBox::StandardButton Messages::Warning(QWidget* parent, const QString& caption, const QString& text) {
  return Show(parent, {caption, text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok});
}

QMessageBox::StandardButton Messages::Question(QWidget* parent, const QString& caption, const QString& text,
                                               bool with_cancel) {
  QMessageBox::StandardButtons b = QMessageBox::Yes | QMessageBox::No;
  if (with_cancel) b |= QMessageBox::Cancel;
  return Show(parent, {caption, text, QMessageBox::Question, b, QMessageBox::Yes});
}

void Messages::SetResponder(Responder responder) { CurrentResponder() = std::move(responder); }

RecordingResponder::RecordingResponder(QMessageBox::StandardButton default_answer)
    : default_answer_(default_answer) {
  Messages::SetResponder([this](const MessageRequest& r) {
    shown_.push_back(r);
    if (!answers_.empty()) {
      auto b = answers_.front();
      answers_.erase(answers_.begin());
      return b;
    }
    return default_answer_;
  });
}

RecordingResponder::~RecordingResponder() { Messages::SetResponder(nullptr); }

}  // namespace orvanta
