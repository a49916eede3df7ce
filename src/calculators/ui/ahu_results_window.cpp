// The results window "WYNIKI" of the air-handling unit calculator: the
// powers of its sections as the calculator shows them.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "app/ui/kit/language.h"
#include "calculators/ui/ahu_window.h"

namespace orvanta {

AhuResultsWindow::AhuResultsWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm20");
  RegisterCaptionRows(AhuResultsWindowCaptionRows());
  setWindowTitle("WYNIKI");
  setModal(true);
  auto* top = new QVBoxLayout(this);
  struct Row {
    const char* label;
    const char* text;
    const char* edit;
    const char* unit;
  };
  struct Group {
    const char* name;
    const char* caption;
    std::initializer_list<Row> rows;
  };
  const Group groups[] = {
      {"GroupBox1", "REKUPERATOR",
       {{"Label1", "SPRAWNOŚĆ TEMPERATUROWA", "Edit1", "%"},
        {"Label2", "SPRAWNOŚĆ ODZYSKU WILGOCI", "Edit2", "%"},
        {"Label3", "ODZYSKANA MOC JAWNA", "Edit3", "kW"},
        {"Label4", "ODZYSKANA MOC CAŁKOWITA", "Edit4", "kW"}}},
      {"GroupBox2", "KOMORA MIESZANIA",
       {{"Label5", "STOPIEŃ RECYRKULACJI", "Edit5", "%"},
        {"Label6", "MOC JAWNA", "Edit6", "kW"},
        {"Label7", "MOC CAŁKOWITA", "Edit7", "kW"}}},
      {"GroupBox3", "CHŁODNICA POWIETRZA",
       {{"Label8", "MOC CHŁODNICZA JAWNA", "Edit8", "kW"}, {"Label9", "MOC CHŁODNICZA CAŁKOWITA", "Edit9", "kW"}}},
      {"GroupBox4", "NAGRZEWNICA POWIETRZA", {{"Label10", "MOC CIEPLNA", "Edit10", "kW"}}},
      {"GroupBox5", "NAWILŻACZ POWIETRZA", {{"Label11", "MASA PARY", "Edit11", "kg/h"}}},
  };
  for (const Group& g : groups) {
    auto* box = new QGroupBox(QString::fromUtf8(g.caption), this);
    box->setObjectName(g.name);
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const Row& r : g.rows) {
      auto* label = new QLabel(QString::fromUtf8(r.text), box);
      label->setObjectName(r.label);
      auto* e = new QLineEdit(box);
      e->setObjectName(r.edit);
      e->setReadOnly(true);
      e->setFixedWidth(80);
      grid->addWidget(label, row, 0);
      grid->addWidget(e, row, 1);
      grid->addWidget(new QLabel(QString::fromUtf8(r.unit), box), row, 2);
      ++row;
    }
    top->addWidget(box);
  }
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  top->addWidget(close, 0, Qt::AlignRight);
  ApplyLanguageTexts(this);
}

void AhuResultsWindow::Fill(const AhuWindow& unit) {
  for (QLineEdit* e : findChildren<QLineEdit*>()) e->clear();
  auto copy = [this, &unit](const char* to, const char* from) {
    findChild<QLineEdit*>(to)->setText(unit.edit(from)->text());
  };
  if (unit.section_on(1)) {
    copy("Edit1", "Edit34");
    copy("Edit2", "Edit35");
    copy("Edit3", "Edit28");
    copy("Edit4", "Edit48");
  }
  if (unit.section_on(2)) {
    copy("Edit5", "Edit36");
    copy("Edit6", "Edit27");
    copy("Edit7", "Edit49");
  }
  if (unit.section_on(13)) {
    copy("Edit8", "Edit56");
    copy("Edit9", "Edit55");
  }
  if (unit.section_on(3)) copy("Edit10", "Edit21");
  if (unit.section_on(4)) copy("Edit11", "Edit38");
}

}  // namespace orvanta
