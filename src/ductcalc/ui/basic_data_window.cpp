#include "ductcalc/ui/basic_data_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "ductcalc/ui/duct_run.h"
#include "psychro/number_text.h"

namespace orvanta {

QString DuctText(int n, const char* own) {
  const QString t = Text(n);
  return t.isEmpty() ? QString::fromUtf8(own) : t;
}

BasicDataWindow::BasicDataWindow(DuctRun& run, QWidget* parent) : QDialog(parent), run_(run) {
  RegisterCaptionRows(BasicDataWindowCaptionRows());
  setObjectName("TForm12");
  setWindowTitle("Dane podstawowe obliczeń");
  auto* box = new QGroupBox("USTAWIENIA OBLICZEŃ", this);
  box->setObjectName("GroupBox1");
  auto* form = new QFormLayout(box);
  auto edit = [&](const char* name, const char* label_name, const char* label, const char* unit, const char* text) {
    auto* e = new QLineEdit(QString::fromUtf8(text), box);
    e->setObjectName(name);
    auto* l = new QLabel(QString::fromUtf8(label), box);
    l->setObjectName(label_name);
    auto* row = new QHBoxLayout;
    row->addWidget(e);
    row->addWidget(new QLabel(QString::fromUtf8(unit), box));
    form->addRow(l, row);
    return e;
  };
  temperature_edit_ = edit("Edit1", "Label1", "Temperatura powietrza", "t [°C]", "20");
  humidity_edit_ = edit("Edit2", "Label2", "Wilgotność względna powietrza", "φ [%]", "50");
  pressure_edit_ = edit("Edit3", "Label3", "Ciśnienie atmosferyczne", "pb [Pa]", "101300");
  density_edit_ = edit("Edit4", "Label4", "Gęstość powietrza", "ρ [kg/m3]", "");
  viscosity_edit_ = edit("Edit5", "Label5", "Lepkość kinematyczna powietrza", "ν [m2/s]", "");
  density_edit_->setReadOnly(true);
  viscosity_edit_->setReadOnly(true);
  status_label_ = new QLabel(box);
  status_label_->setObjectName("StatusLabel");
  form->addRow(status_label_);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    if (Recompute()) accept();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(ok, 0, Qt::AlignRight);
  for (QLineEdit* e : {temperature_edit_, humidity_edit_, pressure_edit_})
    connect(e, &QLineEdit::textChanged, this, [this] { Recompute(); });
  ApplyLanguageTexts(this);
  Recompute();
}

bool BasicDataWindow::Recompute() {
  const QString t = temperature_edit_->text().trimmed();
  if (t.isEmpty() || t == "-" || humidity_edit_->text().trimmed().isEmpty() ||
      pressure_edit_->text().trimmed().isEmpty()) {
    status_label_->setText("Give the temperature, the humidity and the pressure.");
    return false;
  }
  const auto tv = ParseTypedNumber(t);
  const auto phi = ParseTypedNumber(humidity_edit_->text());
  const auto pb = ParseTypedNumber(pressure_edit_->text());
  std::optional<BasicAirData> air;
  if (tv && phi && pb && *phi >= 0 && *phi <= 100) air = BasicData(*tv, *phi, *pb);
  if (!air) {
    density_edit_->clear();
    viscosity_edit_->clear();
    status_label_->setText(
        "No air has this state: the temperature, humidity (0 … 100 %) and pressure must be numbers of real "
        "air. The calculation keeps the density and viscosity it had.");
    return false;
  }
  run_.air = *air;
  density_edit_->setText(UiNumberText(air->rho));
  viscosity_edit_->setText(QString::fromStdString(NumberText(air->nu, UiDecimalSeparator())));
  status_label_->clear();
  return true;
}

void BasicDataWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Recompute();
}

}  // namespace orvanta
