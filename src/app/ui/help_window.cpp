#include "app/ui/help_window.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/help_links.h"

namespace orvanta {

QString HelpWindow::ManualPath() {
  for (const QString& candidate : {QDir::current().filePath("Opis.pdf"), DataPath("Opis.pdf")})
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath();
  return {};
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm23");
  setWindowTitle(tr("ORVANTA - help"));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QTextBrowser(this);
  text->setObjectName("Memo1");
  text->setHtml(tr(
      "<h3>Working with the chart</h3>"
      "<ul>"
      "<li>Move the mouse over the chart: the panel of current parameters shows the air state under the cursor.</li>"
      "<li>Click on the chart to define a point there; double-click a point to edit it; press on a point, "
      "move and release to move it.</li>"
      "<li>Processes, mixing and cooling points, direction coefficients: menu <i>Dodaj...</i> and the "
      "buttons of the point toolbar.</li>"
      "<li>Range of the chart: the small buttons at the ends of the axes (T+, T-, X+, X-) or the menu <i>Widok...</i>.</li>"
      "<li>Barometric pressure: the arrows of the pressure panel (800 to 1200 hPa); points keep t and x.</li>"
      "<li>Layout (MOLLIER / CARRIER) and unit system (SI / IMP): the boxes of the toolbar.</li>"
      "</ul>"
      "<h3>Keyboard</h3>"
      "<p>Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Shift+S save as, Ctrl+Shift+O save as picture, "
      "Ctrl+P print, Ctrl+U chart settings, Ctrl+X quit.</p>"));
  auto* manual = new QPushButton(tr("Open the manual (Opis.pdf)"), this);
  manual->setObjectName("Button1");
  manual->setEnabled(!ManualPath().isEmpty());
  connect(manual, &QPushButton::clicked, this, [] {
    const QString path = ManualPath();
    if (!path.isEmpty()) OpenExternally(QUrl::fromLocalFile(path));
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(text);
  layout->addWidget(manual);
  layout->addWidget(buttons);
  resize(560, 420);
}

}  // namespace orvanta
