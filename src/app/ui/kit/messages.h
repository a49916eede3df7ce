// One place through which every window shows a message box. Tests install a
// responder that records each box and answers it, so no test ever blocks.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace orvanta {

struct MessageRequest {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::Information;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
};

class Messages {
 public:
  using Responder = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

  // Shows the box modally (or asks the installed responder) and returns the
  // button pressed.
  static QMessageBox::StandardButton Show(QWidget* parent, const MessageRequest& request);
  static QMessageBox::StandardButton Info(QWidget* parent, const QString& caption, const QString& text);
  static QMessageBox::StandardButton Warning(QWidget* parent, const QString& caption, const QString& text);
  // Yes / No (optionally Cancel) question.
  static QMessageBox::StandardButton Question(QWidget* parent, const QString& caption, const QString& text,
                                              bool with_cancel = false);

  // Replaces the real boxes (nullptr restores them).
  static void SetResponder(Responder responder);
};

// Test helper: records every box and answers with a queue of buttons (then
// with a default answer).
class RecordingResponder {
 public:
  explicit RecordingResponder(QMessageBox::StandardButton default_answer = QMessageBox::Ok);
  ~RecordingResponder();
  RecordingResponder(const RecordingResponder&) = delete;
  RecordingResponder& operator=(const RecordingResponder&) = delete;

  void Answer(QMessageBox::StandardButton b) { answers_.push_back(b); }
  const std::vector<MessageRequest>& shown() const { return shown_; }
  void Clear() { shown_.clear(); }

 private:
  std::vector<MessageRequest> shown_;
  std::vector<QMessageBox::StandardButton> answers_;
  QMessageBox::StandardButton default_answer_;
};

}  // namespace orvanta
