#include "app/ui/update_check_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/help_links.h"
#include "app/ui/about_box.h"
#include "app/ui/kit/help_links.h"

namespace orvanta {

UpdateCheckWindow::UpdateCheckWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm6");
  setWindowTitle(tr("ORVANTA - update"));
  auto* layout = new QVBoxLayout(this);
  auto* installed = new QLabel(tr("Installed version: %1").arg(AboutBox::VersionText()), this);
  installed->setObjectName("Label1");
  result_ = new QLabel(this);
  result_->setObjectName("Label2");
  result_->setWordWrap(true);
  result_->setTextInteractionFlags(Qt::TextBrowserInteraction);
  connect(result_, &QLabel::linkActivated, this, [](const QString& link) { OpenExternally(QUrl(link)); });
  auto* check = new QPushButton(tr("Check now"), this);
  check->setObjectName("Button1");
  connect(check, &QPushButton::clicked, this, [this] { Check(); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(installed);
  layout->addWidget(check);
  layout->addWidget(result_);
  layout->addWidget(buttons);
  setMinimumWidth(380);
}

QString UpdateCheckWindow::Check() {
  const QUrl url(QString::fromStdString(HelpLinkUrl(HelpLinkBase().toStdString(), "wersja.txt")));
  QByteArray body;
  bool no_connection = false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool arrived = FetchSmallFile(url, &body, &no_connection, 10000);
  QApplication::restoreOverrideCursor();
  const std::string newest = arrived ? HelpLinkLine(std::string_view(body.constData(), body.size()), 1) : "";
  QString text;
  if (!arrived || QString::fromStdString(newest).trimmed().isEmpty()) {
    text = tr("The newest version could not be found out (%1). Please try again later.")
               .arg(no_connection ? tr("no connection") : url.toString());
  } else if (CompareVersions(newest, AboutBox::VersionText().toStdString()) > 0) {
    text = tr("Version %1 is available. <a href=\"%2\">Download page</a>")
               .arg(QString::fromStdString(newest).trimmed().toHtmlEscaped(), ProgramWebSite().toHtmlEscaped());
  } else {
    text = tr("This is the newest version.");
  }
  result_->setText(text);
  return text;
}

}  // namespace orvanta
