#include "app/ui/kit/report_data_window.h"

#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"

namespace orvanta {

ReportDataWindow::ReportDataWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm38");
  RegisterCaptionRows(ReportDataWindowCaptionRows());
  setWindowTitle("Raport data");
  setModal(true);

  auto* root = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  auto add_row = [&](int row, const char* label_name, const char* caption, const char* edit_name) {
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setObjectName(label_name);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(edit_name);
    edit->setMinimumWidth(320);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
  };
  title_edit_ = add_row(0, "Label1", "PROJECT TILTLE:", "Edit1");
  investor_edit_ = add_row(1, "Label2", "INVESTOR:", "Edit2");
  designer_edit_ = add_row(2, "Label3", "DESIGNER:", "Edit3");
  root->addLayout(grid);

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("Button1");
  ok_->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok_);
  root->addLayout(row);
  connect(ok_, &QPushButton::clicked, this, &ReportDataWindow::OnOk);

  ApplyLanguageTexts(this);
}

void ReportDataWindow::RegisterReport(int kind, Report report) { reports_[kind] = std::move(report); }

bool ReportDataWindow::Ask(int kind) {
  if (!HasReport(kind)) return false;
  kind_ = kind;
  // OK hides the window, which ends exec(); the report then runs and the
  // window comes back, until it is closed without OK.
  for (;;) {
    run_pending_ = false;
    exec();
    if (!run_pending_) break;
    if (pause_ms_ > 0) {
      QEventLoop wait;
      QTimer::singleShot(pause_ms_, &wait, &QEventLoop::quit);
      wait.exec();
    }
    reports_[kind_](data());
  }
  return true;
}

ReportData ReportDataWindow::data() const {
  return {title_edit_->text(), investor_edit_->text(), designer_edit_->text()};
}

void ReportDataWindow::OnOk() {
  if (!HasReport(kind_)) {
    accept();
    return;
  }
  Messages::Info(this, QStringLiteral("ORVANTA INFO"), Text(1231));
  run_pending_ = true;
  accept();
}

}  // namespace orvanta
