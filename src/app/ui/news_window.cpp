#include "app/ui/news_window.h"

#include "app/ui/kit/ui_texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/ui/about_box.h"

namespace orvanta {

NewsWindow::NewsWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm19");
  setWindowTitle(UiText(UiTextId::NewsTitle));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QTextBrowser(this);
  text->setObjectName("Memo1");
  text->setOpenExternalLinks(false);
  text->setHtml(tr("<h3>ORVANTA %1</h3>"
                   "<ul>"
                   "<li>The chart of humid air in the Mollier and the Carrier layout, in SI or inch-pound units.</li>"
                   "<li>Projects open with their own barometric pressure, also when given on the command line.</li>"
                   "<li>The chart can be exported without a window: <tt>orvanta --export chart.png project.ovt</tt> "
                   "(PNG, BMP, JPEG, SVG or PDF).</li>"
                   "</ul>"
                   "<p>This window can be switched off below; it is shown again when the box is ticked "
                   "in a later start.</p>")
                    .arg(AboutBox::VersionText()));
  show_at_start_ = new QCheckBox(tr("Show this window at start-up"), this);
  show_at_start_->setObjectName("CheckBox1");
  show_at_start_->setChecked(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(text);
  layout->addWidget(show_at_start_);
  layout->addWidget(buttons);
  resize(520, 360);
}

void NewsWindow::SetShowAtStart(bool show) { show_at_start_->setChecked(show); }
bool NewsWindow::show_at_start() const { return show_at_start_->isChecked(); }

bool NewsWindow::StartupNewsAllowed() {
  if (!qEnvironmentVariableIsEmpty("ORVANTA_NO_NEWS")) return false;
  const QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

}  // namespace orvanta
