#include "app/ui/about_box.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/help_links.h"

namespace orvanta {

QString AboutBox::VersionText() { return QStringLiteral(ORVANTA_VERSION_TEXT); }

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm1");
  setWindowTitle("ORVANTA");
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("<h2>ORVANTA</h2>"), this);
  title->setObjectName("ProductName");
  auto* version = new QLabel(tr("Version %1").arg(VersionText()), this);
  version->setObjectName("Version");
  auto* text = new QLabel(
      tr("Psychrometric chart and HVAC calculators for designers of heating, ventilation and "
         "air-conditioning systems.\n\n"
         "Licence: single-user licence. You may install and use this copy of the program for your own "
         "design work; redistribution of the program or of its data files needs the maker's consent. "
         "The program is provided as is, without any warranty; check its results before you rely on them.\n\n"
         "Built with Qt %1.")
          .arg(QString::fromLatin1(qVersion())),
      this);
  text->setObjectName("Licence");
  text->setWordWrap(true);
  auto* site = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(ProgramWebSite().toHtmlEscaped()), this);
  site->setObjectName("WebSite");
  site->setTextInteractionFlags(Qt::TextBrowserInteraction);
  connect(site, &QLabel::linkActivated, this, [](const QString& link) { OpenExternally(QUrl(link)); });
  auto* data = new QLabel(tr("Data files: %1").arg(QDir::toNativeSeparators(DataDir())), this);
  data->setObjectName("DataFolder");
  data->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  for (QWidget* w : {static_cast<QWidget*>(title), static_cast<QWidget*>(version), static_cast<QWidget*>(text),
                     static_cast<QWidget*>(site), static_cast<QWidget*>(data), static_cast<QWidget*>(buttons)})
    layout->addWidget(w);
  setMinimumWidth(420);
}

}  // namespace orvanta
