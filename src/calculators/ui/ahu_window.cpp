#include "calculators/ui/ahu_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/fit_to_screen.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/shared_commands.h"
#include "app/ui/kit/window_picture.h"
#include "app/ui/kit/workbench.h"
#include "calculators/ahu/unit_report.h"
#include "calculators/calc_result.h"
#include "calculators/climate/climate_year.h"
#include "calculators/ui/calc_form.h"
#include "project/safe_file.h"

namespace orvanta {

namespace {

constexpr int kTextDrawPoint = 161;
constexpr int kTextDrawPointEnd = 225;
constexpr int kTextWinterCase = 226;
constexpr int kTextSummerCase = 227;
constexpr int kVideoLinkLine = 2;

const char* const kInputStyle = "QLineEdit { color: #007a00; }";
const char* const kComputedStyle = "QLineEdit { color: #c00000; }";

QString Shown(double v, int decimals) {
  if (!std::isfinite(v)) return {};
  return QString::fromStdString(calculators::ShownNumber(v, decimals, UiDecimalSeparator()));
}

// A section picture drawn from its SVG; an empty frame of the same size when
// the drawing is missing.
QLabel* MakePicture(QWidget* parent, const QString& name, const QString& file, int w, int h) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFixedSize(w, h);
  QPixmap pixmap(w, h);
  pixmap.fill(Qt::white);
  QSvgRenderer svg(DataPath("calc/" + file + ".svg"));
  QPainter painter(&pixmap);
  if (svg.isValid()) {
    svg.render(&painter, QRectF(0, 0, w, h));
  } else {
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, w - 1, h - 1);
  }
  painter.end();
  label->setPixmap(pixmap);
  return label;
}

struct MenuZone {
  const char* object_name;
  const char* caption;
  const char* t;
  const char* phi;
};

constexpr MenuZone kWinterZones[] = {
    {"STREFAKLIMATYCZNAI1", "STREFA KLIMATYCZNA  I      [te=-16; fi=100%]", "-16", "100"},
    {"STREFAKLIMATYCZNAII1", "STREFA KLIMATYCZNA  II     [te=-18; fi=100%]", "-18", "100"},
    {"STREFAKLIMATYCZNAIII1", "STREFA KLIMATYCZNA  III    [te=-20; fi=100%]", "-20", "100"},
    {"STREFAKLIMATYCZNAIV1", "STREFA KLIMATYCZNA  IV    [te=-22; fi=100%]", "-22", "100"},
    {"STREFAKLIMATYCZNAV1", "STREFA KLIMATYCZNA  V     [te=-24; fi=100%]", "-24", "100"},
};
constexpr MenuZone kSummerZones[] = {
    {"STREFAKLIMATYCZNAIte16fi1001", "STREFA KLIMATYCZNA  I      [te=+28; fi=52%]", "28", "52"},
    {"STREFAKLIMATYCZNAIte28fi521", "STREFA KLIMATYCZNA  II     [te=+30; fi=45%]", "30", "45"},
};

bool NumberBeingTyped(const QString& text) {
  static const QStringList kStarts = {"", "-", "+", ".", ",", "-.", "-,", "+.", "+,"};
  return kStarts.contains(text.trimmed());
}

// Outputs emptied when a number cannot be used (all but Edit6, Edit63, Edit64).
const char* const kOutputEdits[] = {
    "Edit1",  "Edit3",  "Edit5",  "Edit7",  "Edit8",  "Edit9",  "Edit10", "Edit28", "Edit48",
    "Edit12", "Edit13", "Edit14", "Edit15", "Edit37", "Edit27", "Edit49", "Edit52", "Edit53",
    "Edit54", "Edit55", "Edit56", "Edit62", "Edit18", "Edit19", "Edit20", "Edit21", "Edit38",
    "Edit24", "Edit26", "Edit58", "Edit29", "Edit30", "Edit31", "Edit32", "Edit33", "Edit39"};

}  // namespace

// ---- the window ----

QLineEdit* AhuWindow::AddEdit(const QString& name, const QString& text, bool input) {
  auto* e = new QLineEdit(text, this);
  e->setObjectName(name);
  e->setFixedWidth(78);
  SetComputed(e, !input);
  edits_.insert(name, e);
  return e;
}

void AhuWindow::SetComputed(QLineEdit* e, bool computed) {
  e->setReadOnly(computed);
  e->setStyleSheet(computed ? kComputedStyle : kInputStyle);
}

// A group of rows "edit + unit", a row caption beside the edit or, in the
// narrow columns of the chain, above it; the edits' long names are their hints.
QGroupBox* AhuWindow::MakeGroup(const QString& name, const QString& caption,
                                std::initializer_list<std::pair<const char*, const char*>> rows,
                                bool labels_above) {
  auto* group = new QGroupBox(caption, this);
  group->setObjectName(name);
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(3);
  int row = 0;
  // Row captions of the chain (language texts 131 … 136), by the edit they describe.
  static const QHash<QString, std::pair<const char*, const char*>> kRowLabels = {
      {"Edit2", {"Label141", "TEMPERATURA"}},  {"Edit7", {"Label104", "TEMPERATURA"}},
      {"Edit12", {"Label105", "TEMPERATURA"}}, {"Edit50", {"Label106", "TEMPERATURA"}},
      {"Edit51", {"Label80", "TEMPERATURA"}},  {"Edit17", {"Label107", "TEMPERATURA"}},
      {"Edit6", {"Label108", "TEMPERATURA"}},  {"Edit23", {"Label109", "TEMPERATURA"}},
      {"Edit30", {"Label48", "TEMPERATURA"}},  {"Edit3", {"Label110", "ZAWARTOŚĆ WILGOCI"}},
      {"Edit4", {"Label111", "WILGOTNOŚĆ WZGLĘDNA"}}, {"Edit5", {"Label49", "GĘSTOŚĆ"}},
      {"Edit21", {"Label112", "MOC"}},        {"Edit16", {"Label51", "ILOŚĆ POWIETRZA"}},
  };
  for (const auto& [edit_name, unit] : rows) {
    QLineEdit* e = edits_.value(edit_name);
    e->setParent(group);
    const auto caption = kRowLabels.find(edit_name);
    if (caption != kRowLabels.end()) {
      auto* l = new QLabel(QString::fromUtf8(caption->second), group);
      l->setObjectName(caption->first);
      if (labels_above)
        grid->addWidget(l, row++, 0, 1, 2);
      else
        grid->addWidget(l, row, 0);
    }
    const int column = labels_above ? 0 : 1;
    grid->addWidget(e, row, column);
    grid->addWidget(new QLabel(QString::fromUtf8(unit), group), row, column + 1);
    ++row;
  }
  grid->setRowStretch(row, 1);
  groups_.insert(name, group);
  return group;
}

AhuWindow::AhuWindow(Workbench& workbench, QWidget* parent) : QDialog(parent), workbench_(workbench) {
  setObjectName("TForm14");
  RegisterCaptionRows(AhuWindowCaptionRows());
  setWindowTitle("CENTRALE WENTYLACYJNE");
  setModal(true);

  // Inputs (green) and outputs (red) with their first texts.
  struct EditDef {
    const char* name;
    const char* text;
    bool input;
  };
  const EditDef defs[] = {
      {"Edit16", "1000", true}, {"Edit22", "1000", true}, {"Edit17", "20", true}, {"Edit23", "20", true},
      {"Edit25", "40", true},   {"Edit2", "", true},      {"Edit4", "", true},    {"Edit34", "0", true},
      {"Edit35", "0", true},    {"Edit36", "0", true},    {"Edit50", "", true},   {"Edit51", "", true},
      {"Edit59", "", true},     {"Edit60", "", true},     {"Edit40", "Z", true},  {"Edit41", "R", true},
      {"Edit42", "M", true},    {"Edit11", "CH", true},   {"Edit43", "N+", true}, {"Edit44", "W", true},
      {"Edit61", "P", true},    {"Edit45", "Wy", true},   {"Edit57", "Np", true},
  };
  for (const EditDef& d : defs) AddEdit(d.name, QString::fromUtf8(d.text), d.input);
  for (const char* n : kOutputEdits) AddEdit(n, "", false);
  for (const char* n : {"Edit6", "Edit63", "Edit64"}) AddEdit(n, "", false);
  edits_["Edit63"]->hide();
  edits_["Edit64"]->hide();
  for (const char* n : {"Edit40", "Edit41", "Edit42", "Edit11", "Edit43", "Edit44", "Edit61", "Edit45", "Edit57"})
    edits_[n]->setMaxLength(10);

  auto* heading = new QLabel("UNIWERSALNY DOBÓR CENTRALI KLIMATYZACYJNEJ", this);
  heading->setObjectName("Label50");
  QFont hf = heading->font();
  hf.setBold(true);
  hf.setPointSizeF(hf.pointSizeF() * 1.3);
  heading->setFont(hf);

  // Section switches.
  auto check = [this](const char* name, const char* text, bool on) {
    auto* c = new QCheckBox(QString::fromUtf8(text), this);
    c->setObjectName(name);
    c->setChecked(on);
    return c;
  };
  recovery_ = check("CheckBox1", "REKUPERATOR", true);
  mixing_ = check("CheckBox2", "KOMORA MIESZANIA", true);
  cooler_ = check("CheckBox13", "CHŁODNICA POWIETRZA", true);
  heater_ = check("CheckBox3", "NAGRZEWNICA POWIETRZA", true);
  humidifier_ = check("CheckBox4", "NAWILŻACZ PAROWY/ZYSKI WILGOCI", true);

  // Groups of the sections.
  QGroupBox* outdoor = MakeGroup("GroupBox1", "CZERPNIA",
                                 {{"Edit2", "°C"}, {"Edit4", "%"}, {"Edit3", "kg/kg"}, {"Edit5", "kg/m³"},
                                  {"Edit1", "m³/h"}, {"Edit40", ""}}, true);
  QGroupBox* recovery = MakeGroup("GroupBox3", "REKUPERATOR",
                                  {{"Edit7", "°C"}, {"Edit8", "kg/kg"}, {"Edit9", "%"}, {"Edit10", "kg/m³"},
                                   {"Edit34", "% ηt"}, {"Edit35", "% ηx"}, {"Edit28", "kW"}, {"Edit48", "kW"},
                                   {"Edit41", ""}}, true);
  QGroupBox* mixing = MakeGroup("GroupBox4", "KOMORA MIESZANIA",
                                {{"Edit12", "°C"}, {"Edit13", "kg/kg"}, {"Edit14", "%"}, {"Edit15", "kg/m³"},
                                 {"Edit36", "%"}, {"Edit37", "m³/h"}, {"Edit27", "kW"}, {"Edit49", "kW"},
                                 {"Edit42", ""}}, true);
  QGroupBox* cooler = MakeGroup("GroupBox5", "CHŁODNICA POWIETRZA",
                                {{"Edit50", "°C"}, {"Edit51", "°C ts"}, {"Edit52", "kg/kg"}, {"Edit53", "%"},
                                 {"Edit54", "kg/m³"}, {"Edit55", "kW"}, {"Edit56", "kW"}, {"Edit62", "kg/h"},
                                 {"Edit11", ""}}, true);
  QGroupBox* heater = MakeGroup("GroupBox6", "NAGRZEWNICA POWIETRZA",
                                {{"Edit17", "°C"}, {"Edit18", "kg/kg"}, {"Edit19", "%"}, {"Edit20", "kg/m³"},
                                 {"Edit21", "kW"}}, true);
  QGroupBox* humid = MakeGroup("GroupBox10", "NAWILŻACZ PAROWY/ZYSKI WILGOCI", {{"Edit38", "kg/h"}, {"Edit57", ""}});
  QGroupBox* supply = MakeGroup("GroupBox7", "NAWIEW", {{"Edit16", "m³/h"}, {"Edit6", "°C"}, {"Edit43", ""}}, true);
  QGroupBox* exhaust = MakeGroup("GroupBox9", "WYWIEW",
                                 {{"Edit22", "m³/h"}, {"Edit23", "°C"}, {"Edit24", "kg/kg"}, {"Edit25", "%"},
                                  {"Edit26", "kg/m³"}, {"Edit58", "kJ/kg"}, {"Edit44", ""}, {"Edit61", ""}});
  QGroupBox* discharge = MakeGroup("GroupBox11", "WYRZUT",
                                   {{"Edit29", "m³/h"}, {"Edit30", "°C"}, {"Edit31", "kg/kg"}, {"Edit32", "%"},
                                    {"Edit33", "kg/m³"}, {"Edit39", "l/h"}, {"Edit45", ""}});
  QGroupBox* gains = MakeGroup("GroupBox12", "ZYSKI W POMIESZCZENIU", {{"Edit59", "kW"}, {"Edit60", "kg/h"}});
  edits_["Edit59"]->setToolTip("OBLICZENIOWE ZYSKI CIEPŁA CAŁKOWITEGO ZBĘDNEGO");
  edits_["Edit60"]->setToolTip("OBLICZENIOWE ZYSKI WILGOCI ZBĘDNEJ");
  {
    auto* g = static_cast<QGridLayout*>(gains->layout());
    auto* l1 = new QLabel("ZYSKI CIEPŁA CAŁKOWITEGO", gains);
    l1->setObjectName("Label139");
    auto* l2 = new QLabel("ZYSKI WILGOCI", gains);
    l2->setObjectName("Label140");
    g->addWidget(l1, 0, 0);
    g->addWidget(l2, 1, 0);
    auto_flow_ = new QCheckBox("Automatycznie wyznacz", gains);
    auto_flow_->setObjectName("CheckBox15");
    auto_flow_->setChecked(true);
    g->addWidget(auto_flow_, 2, 0, 1, 3);
  }
  gains->hide();

  // Exhaust mode, position, design case.
  auto* exhaust_params = new QGroupBox("PARAMETRY WYWIEWU", this);
  exhaust_params->setObjectName("RadioGroup1");
  user_mode_ = new QRadioButton("Narzucony przez użytkownika", exhaust_params);
  user_mode_->setObjectName("RadioButton3");
  user_mode_->setChecked(true);
  balance_mode_ = new QRadioButton("Wyznaczony z bilansu", exhaust_params);
  balance_mode_->setObjectName("RadioButton4");
  exhaust_position_ = new QComboBox(exhaust_params);
  exhaust_position_->setObjectName("ComboBox1");
  exhaust_position_->addItems({"Wywiew dołem", "Wywiew górą"});
  {
    auto* v = new QVBoxLayout(exhaust_params);
    v->addWidget(user_mode_);
    v->addWidget(balance_mode_);
    v->addWidget(exhaust_position_);
  }

  auto* design = new QGroupBox("OBLICZENIA DLA", this);
  design->setObjectName("GroupBox8");
  winter_ = new QRadioButton("ZIMA", design);
  winter_->setObjectName("RadioButton1");
  summer_ = new QRadioButton("LATO", design);
  summer_->setObjectName("RadioButton2");
  cities_ = new QComboBox(design);
  cities_->setObjectName("ComboBox2");
  cities_->setEditable(true);  // shows "WYBIERZ MIASTO" until a city is chosen
  for (std::string_view c : kClimateCities) cities_->addItem(QString::fromUtf8(c.data(), int(c.size())));
  cities_->setCurrentIndex(-1);
  cities_->setEditText("WYBIERZ MIASTO");
  cities_->lineEdit()->setReadOnly(true);
  cities_->setEnabled(false);
  {
    auto* v = new QGridLayout(design);
    v->addWidget(winter_, 0, 0);
    v->addWidget(summer_, 0, 1);
    v->addWidget(cities_, 0, 2);
    v->setColumnStretch(2, 1);
  }

  // Climate menus.
  winter_menu_ = new QMenu(this);
  winter_menu_->setObjectName("PopupMenu1");
  summer_menu_ = new QMenu(this);
  summer_menu_->setObjectName("PopupMenu2");
  auto add_zones = [this](QMenu* menu, std::span<const MenuZone> zones, bool winter, const char* city_item) {
    for (const MenuZone& z : zones) {
      QAction* a = menu->addAction(QString::fromUtf8(z.caption));
      a->setObjectName(z.object_name);
      connect(a, &QAction::triggered, this, [this, a, z, winter] {
        ChooseClimateZone(winter, a->text(), QString::fromUtf8(z.t), QString::fromUtf8(z.phi));
      });
    }
    QAction* by_city = menu->addAction("WG. MIASTA");
    by_city->setObjectName(city_item);
    connect(by_city, &QAction::triggered, this, [this] { cities_->setEnabled(true); });
  };
  add_zones(winter_menu_, kWinterZones, true, "WGMIASTA1");
  add_zones(summer_menu_, kSummerZones, false, "WGMIASTA2");

  // Drawing switches.
  draw_outdoor_ = check("CheckBox5", "", true);
  draw_recovery_ = check("CheckBox7", "", true);
  draw_mixing_ = check("CheckBox8", "", true);
  draw_cooler_ = check("CheckBox14", "", true);
  draw_supply_ = check("CheckBox9", "", true);
  draw_exhaust_ = check("CheckBox10", "", true);
  draw_discharge_ = check("CheckBox6", "", true);
  draw_points_ = check("CheckBox11", "RYSUJ PUNKTY", true);
  draw_processes_ = check("CheckBox12", "RYSUJ PRZEMIANY", true);
  const std::pair<const char*, QCheckBox*> name_boxes[] = {
      {"Edit40", draw_outdoor_}, {"Edit41", draw_recovery_}, {"Edit42", draw_mixing_}, {"Edit11", draw_cooler_},
      {"Edit43", draw_supply_},  {"Edit44", draw_exhaust_},  {"Edit45", draw_discharge_}};
  for (const auto& [edit_name, box] : name_boxes) {
    QLineEdit* e = edits_[edit_name];
    QCheckBox* b = box;
    UpdateDrawCaption(b, e->text());
    connect(e, &QLineEdit::textChanged, this, [this, b](const QString& t) { UpdateDrawCaption(b, t); });
    // The caption is made of language texts: it follows a language loaded
    // after the window was built (the program builds its windows first).
    connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, b,
            [this, b, e] { UpdateDrawCaption(b, e->text()); });
  }
  auto* drawing = new QGroupBox(this);
  drawing->setObjectName("GroupBox2");
  {
    auto* v = new QVBoxLayout(drawing);
    v->setSpacing(1);
    for (QCheckBox* b : {draw_outdoor_, draw_recovery_, draw_mixing_, draw_cooler_, draw_supply_, draw_exhaust_,
                         draw_discharge_, draw_points_, draw_processes_}) {
      b->setParent(drawing);
      v->addWidget(b);
    }
  }
  draw_discharge_->setEnabled(false);  // the discharge point is not transferred

  // Colour legend: green = typed by the user, red = computed.
  auto* legend_in = new QLineEdit(this);
  legend_in->setObjectName("Edit46");
  legend_in->setReadOnly(true);
  legend_in->setFixedSize(40, 18);
  legend_in->setStyleSheet("QLineEdit { background: #007a00; }");
  auto* legend_out = new QLineEdit(this);
  legend_out->setObjectName("Edit47");
  legend_out->setReadOnly(true);
  legend_out->setFixedSize(40, 18);
  legend_out->setStyleSheet("QLineEdit { background: #c00000; }");

  // Buttons.
  auto button = [this](const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* compute = button("Button1", "Oblicz");
  compute->hide();  // every input recomputes; the button is kept for its name
  QPushButton* results = button("Button2", "Wyniki");
  QPushButton* close = button("BitBtn2", "Zamknij");
  QPushButton* transfer = button("BitBtn3", "RYSUJ NA WYKRESIE");
  QPushButton* water = button("BitBtn1", "Z.C.W");
  QPushButton* people = button("BitBtn4", "Z.C.L");
  QPushButton* energy = button("BitBtn5", "K.Z.E");
  QPushButton* picture = button("BitBtn14", "POBIERZ");
  QPushButton* export_button = button("SpeedButton1", "Export");
  QPushButton* help = MakeHelpLinkButton(this, "SpeedButton2", "Instrukcja", HelpLinkPair::Videos, kVideoLinkLine);
  // The module connects the heat-gain and energy buttons to their windows.
  water->setEnabled(false);
  people->setEnabled(false);
  water->setToolTip("Zyski ciepła od powierzchni wody");
  people->setToolTip("Zyski ciepła od ludzi");
  energy->setToolTip("Przekaż dane do kalkulatora zużycia energii");

  // Layout: heading, switches, pictures, section groups, the lower row.
  auto* top = new QVBoxLayout(ScrollableBody(this));
  // The design case sits beside the heading: its caption grows with the
  // chosen climate zone and has the room there.
  auto* head = new QHBoxLayout;
  auto* heading_and_switches = new QVBoxLayout;
  heading_and_switches->addWidget(heading, 0, Qt::AlignHCenter);
  auto* switches = new QHBoxLayout;
  for (QCheckBox* c : {recovery_, mixing_, cooler_, heater_, humidifier_}) switches->addWidget(c);
  switches->addStretch();
  heading_and_switches->addLayout(switches);
  head->addLayout(heading_and_switches, 1);
  head->addWidget(design, 0, Qt::AlignTop);
  top->addLayout(head);
  auto* chain = new QGridLayout;
  chain->setHorizontalSpacing(4);
  BuildPictures(chain);
  int col = 0;
  for (QGroupBox* g : {outdoor, recovery, mixing, cooler, heater, humid, supply}) {
    chain->addWidget(g, 2, col++, Qt::AlignTop);
  }
  top->addLayout(chain);
  auto* lower = new QHBoxLayout;
  lower->addWidget(exhaust, 0, Qt::AlignTop);
  lower->addWidget(discharge, 0, Qt::AlignTop);
  auto* modes = new QVBoxLayout;
  modes->addWidget(exhaust_params);
  modes->addWidget(gains);
  modes->addStretch();
  lower->addLayout(modes);
  lower->addWidget(drawing, 0, Qt::AlignTop);
  auto* side = new QGridLayout;
  side->addWidget(transfer, 0, 0, 1, 2);
  side->addWidget(results, 1, 0);
  side->addWidget(picture, 1, 1);
  side->addWidget(water, 2, 0);
  side->addWidget(people, 2, 1);
  side->addWidget(energy, 3, 0);
  side->addWidget(export_button, 3, 1);
  side->addWidget(help, 4, 0);
  side->addWidget(close, 4, 1);
  // The boxes alone do not say which colour is which: a word beside each.
  auto* legend_in_text = new QLabel(this);
  legend_in_text->setObjectName("LegendInputText");
  auto* legend_out_text = new QLabel(this);
  legend_out_text->setObjectName("LegendComputedText");
  const auto legend_texts = [legend_in, legend_out, legend_in_text, legend_out_text] {
    const bool polish = calcui::PolishTexts();
    legend_in_text->setText(polish ? "wpisane" : "typed");
    legend_out_text->setText(polish ? "obliczone" : "computed");
    legend_in->setToolTip(polish ? "Wartość podana przez użytkownika" : "Value given by the user");
    legend_out->setToolTip(polish ? "Wartość obliczona" : "Computed value");
  };
  legend_texts();
  connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, this, legend_texts);
  for (auto [box, text, column] : {std::tuple{legend_in, legend_in_text, 0}, std::tuple{legend_out, legend_out_text, 1}}) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(box);
    row->addWidget(text);
    row->addStretch();
    side->addLayout(row, 5, column);
  }
  side->setRowStretch(6, 1);
  lower->addLayout(side);
  lower->addStretch(1);  // the groups keep their width on a wide screen
  top->addLayout(lower);

  results_ = new AhuResultsWindow(this);

  // Every input recomputes.
  for (const char* n : {"Edit2", "Edit4", "Edit16", "Edit17", "Edit22", "Edit23", "Edit25", "Edit35", "Edit50",
                        "Edit51", "Edit59", "Edit60"})
    connect(edits_[n], &QLineEdit::textChanged, this, [this] { Compute(); });
  for (const char* n : {"Edit34", "Edit36"}) {
    QLineEdit* e = edits_[n];
    connect(e, &QLineEdit::textChanged, this, [this, e, n] {
      const std::optional<double> v = ParseTypedNumber(e->text());
      // A word typed into an efficiency or the recirculation is said at once;
      // an empty box or a lone sign or separator is a number being typed.
      if (!v && !NumberBeingTyped(e->text()))
        Messages::Warning(this, calcui::kInfoCaption, calcui::InvalidNumberText(e->text()));
      if (v && *v > 100) e->setText("100");
      if (QString(n) == "Edit34" && v) draw_recovery_->setChecked(*v != 0);
      Compute();
    });
  }
  for (const char* n : {"Edit17", "Edit34", "Edit35", "Edit36"}) edits_[n]->installEventFilter(this);

  connect(recovery_, &QCheckBox::toggled, this, [this](bool on) {
    if (!on) {
      remembered_eta_t_ = edits_["Edit34"]->text();
      remembered_eta_x_ = edits_["Edit35"]->text();
      edits_["Edit34"]->setText("0");
      edits_["Edit35"]->setText("0");
    } else {
      edits_["Edit34"]->setText(remembered_eta_t_);
      edits_["Edit35"]->setText(remembered_eta_x_);
    }
    UpdateSections();
    Compute();
  });
  connect(mixing_, &QCheckBox::toggled, this, [this](bool on) {
    if (!on) {
      remembered_r_ = edits_["Edit36"]->text();
      edits_["Edit36"]->setText("0");
    } else {
      edits_["Edit36"]->setText(remembered_r_);
    }
    UpdateSections();
    Compute();
  });
  connect(cooler_, &QCheckBox::toggled, this, [this] {
    UpdateSections();
    Compute();
  });
  connect(heater_, &QCheckBox::toggled, this, [this](bool on) {
    if (!on) {
      remembered_tn_ = edits_["Edit17"]->text();
      edits_["Edit17"]->setText(edits_["Edit12"]->text());
    } else {
      edits_["Edit17"]->setText(remembered_tn_);
    }
    SetComputed(edits_["Edit17"], !on);
    UpdateSections();
    Compute();
  });
  connect(humidifier_, &QCheckBox::toggled, this, [this](bool on) {
    QLineEdit* phi = edits_["Edit25"];
    if (!on) {
      remembered_phi_w_ = phi->text();
    } else {
      phi->setText(remembered_phi_w_);
    }
    SetComputed(phi, !on || balance_mode_->isChecked());
    SetComputed(edits_["Edit22"], balance_mode_->isChecked() || !on);
    UpdateSections();
    Compute();
  });
  connect(draw_points_, &QCheckBox::toggled, this, [this](bool on) {
    if (!on) draw_processes_->setChecked(false);
    draw_processes_->setEnabled(on);
  });
  connect(balance_mode_, &QRadioButton::clicked, this, [this] { SetUserMode(false); });
  connect(user_mode_, &QRadioButton::clicked, this, [this] { SetUserMode(true); });
  connect(auto_flow_, &QCheckBox::toggled, this, [this] { Compute(); });
  auto pop = [](QMenu* menu) {
    // 50 pixels left of and 20 above the cursor.
    menu->popup(QCursor::pos() - QPoint(50, 20));
  };
  connect(winter_, &QRadioButton::clicked, this, [this, pop] { pop(winter_menu_); });
  connect(summer_, &QRadioButton::clicked, this, [this, pop] { pop(summer_menu_); });
  connect(cities_, &QComboBox::activated, this, [this](int index) { LoadCity(cities_->itemText(index)); });
  connect(results, &QPushButton::clicked, this, &AhuWindow::ShowResults);
  connect(export_button, &QPushButton::clicked, this, &AhuWindow::ExportReport);
  connect(transfer, &QPushButton::clicked, this, &AhuWindow::TransferToChart);
  connect(compute, &QPushButton::clicked, this, &AhuWindow::Compute);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(picture, &QPushButton::clicked, this, [this] { OfferWindowPicture(this, "KCW"); });

  UpdateSections();
  ApplyLanguageTexts(this);
  // The language texts leave the exhaust position with nothing selected (the
  // combo's own text is its first item): keep the user's choice selected.
  connect(exhaust_position_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) exhaust_at_top_ = index == 1;
  });
  const auto keep_exhaust_position = [this] { exhaust_position_->setCurrentIndex(exhaust_at_top_ ? 1 : 0); };
  keep_exhaust_position();
  connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, this, keep_exhaust_position);
  Compute();
}

void AhuWindow::BuildPictures(QGridLayout* grid) {
  // Top row: the supply deck; bottom row: the exhaust deck. Two-deck
  // sections (intake/discharge end, recovery, mixing) span both rows.
  grid->addWidget(MakePicture(this, "Image1", "centrala_czerpnia", 120, 100), 0, 0);
  grid->addWidget(MakePicture(this, "Image8", "centrala_wyrzutnia", 120, 100), 1, 0);
  struct TwoDeck {
    const char* on_name;
    const char* on_file;
    const char* off_top;
    const char* off_bottom;
    int col;
  };
  for (const TwoDeck& d : {TwoDeck{"Image2", "centrala_rekuperator", "Image11", "Image17", 1},
                           TwoDeck{"Image3", "centrala_komora_mieszania", "Image13", "Image16", 2}}) {
    QLabel* on = MakePicture(this, d.on_name, d.on_file, 120, 200);
    pictures_.insert(d.on_name, on);
    grid->addWidget(on, 0, d.col, 2, 1);
    QLabel* top = MakePicture(this, d.off_top, "centrala_obejscie_nawiew", 120, 100);
    QLabel* bottom = MakePicture(this, d.off_bottom, "centrala_obejscie_wywiew", 120, 100);
    pictures_.insert(d.off_top, top);
    pictures_.insert(d.off_bottom, bottom);
    grid->addWidget(top, 0, d.col);
    grid->addWidget(bottom, 1, d.col);
  }
  struct OneDeck {
    const char* on_name;
    const char* on_file;
    const char* off_top;
    const char* bottom;
    int col;
  };
  for (const OneDeck& d : {OneDeck{"Image4", "centrala_chlodnica", "Image12", "Image15", 3},
                           OneDeck{"Image5", "centrala_nagrzewnica", "Image10", "Image14", 4}}) {
    QLabel* on = MakePicture(this, d.on_name, d.on_file, 120, 100);
    QLabel* off = MakePicture(this, d.off_top, "centrala_obejscie_nawiew", 120, 100);
    pictures_.insert(d.on_name, on);
    pictures_.insert(d.off_top, off);
    grid->addWidget(on, 0, d.col);
    grid->addWidget(off, 0, d.col);
    grid->addWidget(MakePicture(this, d.bottom, "centrala_obejscie_wywiew", 120, 100), 1, d.col);
  }
  QLabel* humid = MakePicture(this, "Image9", "centrala_nawilzacz", 120, 100);
  pictures_.insert("Image9", humid);
  grid->addWidget(humid, 0, 5);
  QLabel* humid_off = MakePicture(this, "Image18", "centrala_obejscie_nawiew", 120, 100);
  pictures_.insert("Image18", humid_off);
  grid->addWidget(humid_off, 0, 5);
  grid->addWidget(MakePicture(this, "Image19", "centrala_obejscie_wywiew", 120, 100), 1, 5);
  grid->addWidget(MakePicture(this, "Image6", "centrala_nawiew", 120, 100), 0, 6);
  grid->addWidget(MakePicture(this, "Image7", "centrala_wywiew", 120, 100), 1, 6);
}

void AhuWindow::UpdateSections() {
  const auto show = [this](const char* on_picture, std::initializer_list<const char*> off_pictures,
                           const char* group, bool on) {
    pictures_[on_picture]->setVisible(on);
    for (const char* p : off_pictures) pictures_[p]->setVisible(!on);
    groups_[group]->setVisible(on);
  };
  show("Image2", {"Image11", "Image17"}, "GroupBox3", recovery_->isChecked());
  show("Image3", {"Image13", "Image16"}, "GroupBox4", mixing_->isChecked());
  show("Image4", {"Image12"}, "GroupBox5", cooler_->isChecked());
  show("Image5", {"Image10"}, "GroupBox6", heater_->isChecked());
  show("Image9", {"Image18"}, "GroupBox10", humidifier_->isChecked());
}

void AhuWindow::UpdateDrawCaption(QCheckBox* box, const QString& name) {
  box->setText(Text(kTextDrawPoint) + " \"" + name + Text(kTextDrawPointEnd));
}

void AhuWindow::SetUserMode(bool user) {
  groups_["GroupBox12"]->setVisible(!user);
  SetComputed(edits_["Edit25"], !user || !humidifier_->isChecked());
  SetComputed(edits_["Edit16"], !user);
  SetComputed(edits_["Edit22"], !user || !humidifier_->isChecked());
  if (user) edits_["Edit58"]->clear();
  Compute();
  if (!user) auto_flow_->setChecked(true);
}

void AhuWindow::RememberValues() {
  if (heater_->isChecked()) remembered_tn_ = edits_["Edit17"]->text();
  if (recovery_->isChecked()) {
    remembered_eta_t_ = edits_["Edit34"]->text();
    remembered_eta_x_ = edits_["Edit35"]->text();
  }
  if (mixing_->isChecked()) remembered_r_ = edits_["Edit36"]->text();
}

void AhuWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RememberValues();
  Compute();
}

bool AhuWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) RememberValues();
  return QDialog::eventFilter(watched, event);
}

bool AhuWindow::section_on(int check_box) const {
  switch (check_box) {
    case 1: return recovery_->isChecked();
    case 2: return mixing_->isChecked();
    case 13: return cooler_->isChecked();
    case 3: return heater_->isChecked();
    case 4: return humidifier_->isChecked();
    default: return false;
  }
}

bool AhuWindow::ReadInputs(UnitInputs& in) const {
  auto read = [this](const char* name, double& out) {
    const std::optional<double> v = ParseTypedNumber(edits_[name]->text());
    if (!v) return false;
    out = *v;
    return true;
  };
  in = UnitInputs{};
  in.pb = workbench_.pressure();
  in.sections = {recovery_->isChecked(), mixing_->isChecked(), cooler_->isChecked(), heater_->isChecked(),
                 humidifier_->isChecked()};
  in.mode = balance_mode_->isChecked() ? ExhaustMode::Balance : ExhaustMode::User;
  in.auto_flow = auto_flow_->isChecked();
  double eta_t, eta_x, r, phi_out, phi_room;
  if (!read("Edit34", eta_t) || !read("Edit35", eta_x) || !read("Edit36", r) || !read("Edit2", in.t_outdoor) ||
      !read("Edit4", phi_out) || !read("Edit16", in.v_supply) || !read("Edit17", in.t_supply) ||
      !read("Edit23", in.t_room) || !read("Edit22", in.v_exhaust) || !read("Edit25", phi_room))
    return false;
  in.eta_t = eta_t / 100;
  in.eta_x = eta_x / 100;
  in.r = r / 100;
  in.phi_outdoor = phi_out / 100;
  in.phi_room = phi_room / 100;
  if (in.mode == ExhaustMode::Balance && (!read("Edit59", in.q_gains) || !read("Edit60", in.w_gains)))
    return false;
  // The cooler computes only when both of its temperatures are given; a typed
  // text that is not a number empties the outputs like any other input.
  for (const auto& [name, target] : {std::pair{"Edit50", &in.t_cooler_out}, std::pair{"Edit51", &in.t_cooler_surface}}) {
    if (edits_[name]->text().trimmed().isEmpty()) continue;
    double v;
    if (!read(name, v)) return false;
    *target = v;
  }
  return true;
}

void AhuWindow::ClearOutputs() {
  for (const char* n : kOutputEdits) edits_[n]->clear();
}

void AhuWindow::Compute() {
  if (busy_) return;
  busy_ = true;
  UnitInputs in;
  if (!ReadInputs(in)) {
    states_.status = UnitStatus::Empty;
    ClearOutputs();
    busy_ = false;
    return;
  }
  UnitStates s = ComputeUnit(in, states_);
  if (s.status == UnitStatus::RoomMoistureNotPositive) {
    states_.status = s.status;
    Messages::Info(this, "ORVANTA info", Text(s.text()));
    busy_ = false;
    return;
  }
  states_ = s;
  inputs_ = s.settled;
  if (s.status == UnitStatus::Empty) {
    ClearOutputs();
  } else {
    WriteBack();
    ShowOutputs();
    if (s.status == UnitStatus::NotSettled)
      Messages::Warning(this, "ORVANTA info", QString::fromStdString(s.Message()));
  }
  busy_ = false;
}

// The values the computation wrote into its own inputs, as the edits show them.
void AhuWindow::WriteBack() {
  const UnitInputs& st = states_.settled;
  auto put = [this](const char* name, const QString& text) {
    if (!text.isEmpty() && edits_[name]->text() != text) edits_[name]->setText(text);
  };
  if (!heater_->isChecked()) put("Edit17", Shown(st.t_supply, 2));
  if (balance_mode_->isChecked()) {
    put("Edit25", Shown(st.phi_room * 100, 2));
    if (auto_flow_->isChecked()) {
      put("Edit16", Shown(st.v_supply, 0));
      put("Edit22", Shown(st.v_exhaust, 0));
    }
  } else if (!humidifier_->isChecked()) {
    put("Edit25", Shown(st.phi_room * 100, 1));
  }
}

void AhuWindow::ShowOutputs() {
  const UnitStates& s = states_;
  auto set = [this](const char* name, double v, int decimals) { edits_[name]->setText(Shown(v, decimals)); };
  set("Edit1", s.v_outdoor, 2);
  set("Edit3", s.cz.x, 5);
  set("Edit5", s.cz.rho, 3);
  set("Edit7", s.rot.t, 2);
  set("Edit8", s.rot.x, 5);
  set("Edit9", s.rot.phi * 100, 2);
  set("Edit10", s.rot.rho, 3);
  set("Edit28", s.recovery_sensible, 1);
  set("Edit48", s.recovery_total, 1);
  set("Edit63", s.eta_t_corrected * 100, 1);
  set("Edit64", s.eta_x_corrected * 100, 1);
  set("Edit12", s.rec.t, 2);
  set("Edit13", s.rec.x, 5);
  set("Edit14", s.rec.phi * 100, 2);
  set("Edit15", s.rec.rho, 3);
  set("Edit37", s.v_recirc, 2);
  set("Edit27", s.mixing_sensible, 1);
  set("Edit49", s.mixing_total, 1);
  if (s.cooler_computed) {
    set("Edit52", s.ch.x, 5);
    set("Edit53", s.ch.phi * 100, 2);
    set("Edit54", s.ch.rho, 3);
    set("Edit62", s.cooler_condensate, 1);
  } else {
    for (const char* n : {"Edit52", "Edit53", "Edit54", "Edit62"}) edits_[n]->clear();
  }
  set("Edit55", s.cooling_total, 2);
  set("Edit56", s.cooling_sensible, 2);
  set("Edit18", s.n.x, 5);
  set("Edit19", s.n.phi * 100, 2);
  set("Edit20", s.n.rho, 3);
  set("Edit21", s.heater_power, 2);
  set("Edit38", s.steam, 2);
  set("Edit24", s.w.x, 5);
  set("Edit26", s.w.rho, 3);
  if (balance_mode_->isChecked())
    set("Edit58", s.epsilon, 0);
  else
    edits_["Edit58"]->clear();
  set("Edit29", s.v_discharge, 2);
  set("Edit30", s.wy.t, 2);
  set("Edit31", s.wy.x, 5);
  set("Edit32", s.wy.phi * 100, 2);
  set("Edit33", s.wy.rho, 3);
  set("Edit39", s.discharge_condensate, 2);
  // The supply group shows the temperature of the last section before it; a
  // cooler missing its surface temperature cools nothing and is passed over.
  QString shown;
  if (heater_->isChecked())
    shown = edits_["Edit17"]->text();
  else if (s.cooler_computed)
    shown = edits_["Edit50"]->text();
  else if (mixing_->isChecked())
    shown = edits_["Edit12"]->text();
  else if (recovery_->isChecked())
    shown = edits_["Edit7"]->text();
  else
    shown = edits_["Edit2"]->text();
  edits_["Edit6"]->setText(shown);
}

void AhuWindow::ChooseClimateZone(bool winter, const QString& caption, const QString& t, const QString& phi) {
  edits_["Edit2"]->setText(t);
  edits_["Edit4"]->setText(phi);
  cities_->setEnabled(false);
  findChild<QGroupBox*>("GroupBox8")->setTitle(Text(winter ? kTextWinterCase : kTextSummerCase) + caption);
  Compute();
}

void AhuWindow::LoadCity(const QString& city) {
  const ClimateYear year = LoadClimateYear(DataDir().toStdString(), city.toStdString());
  if (year.error == ClimateFileError::Missing) {
    Messages::Info(this, "ORVANTA", Text(year.text()));
    edits_["Edit2"]->setText("0");
    edits_["Edit4"]->setText("0");
    Compute();
    return;
  }
  if (!year.ok()) {
    // A damaged file: say where, keep the outdoor state as it was.
    Messages::Warning(this, "ORVANTA", QString::fromStdString(year.Message()));
    return;
  }
  const DesignHour hour = SelectDesignHour(year.hours, summer_->isChecked() ? DesignSeason::Summer : DesignSeason::Winter,
                                           workbench_.pressure());
  edits_["Edit2"]->setText(UiNumberText(hour.t));
  edits_["Edit4"]->setText(UiNumberText(hour.rh));
  // The caption says what the outdoor state now is, not the zone chosen before.
  findChild<QGroupBox*>("GroupBox8")->setTitle(Text(summer_->isChecked() ? kTextSummerCase : kTextWinterCase) + city);
  Compute();
}

void AhuWindow::ShowResults() {
  Compute();
  results_->Fill(*this);
  results_->exec();
}

void AhuWindow::TransferToChart() {
  Compute();
  if (!states_.ok()) return;  // nothing computed: nothing to draw, the window stays open
  // The window's choices as they were clicked on, before anything else runs.
  ChartTransferOptions o;
  auto name = [this](const char* e) { return edits_[e]->text().left(10).toStdString(); };
  o.name_outdoor = name("Edit40");
  o.name_recovery = name("Edit41");
  o.name_mixing = name("Edit42");
  o.name_cooler = name("Edit11");
  o.name_supply = name("Edit43");
  o.name_exhaust = name("Edit44");
  o.name_room = name("Edit61");
  o.draw_outdoor = draw_outdoor_->isChecked();
  o.draw_recovery = draw_recovery_->isChecked();
  o.draw_mixing = draw_mixing_->isChecked();
  o.draw_cooler = draw_cooler_->isChecked();
  o.draw_supply = draw_supply_->isChecked();
  o.draw_exhaust = draw_exhaust_->isChecked();
  o.draw_points = draw_points_->isChecked();
  o.draw_processes = draw_processes_->isChecked();
  o.exhaust_at_top = exhaust_position_->currentIndex() == 1;
  const UnitInputs inputs = inputs_;
  const UnitStates states = states_;
  // A new project first (it asks about unsaved changes; cancelled, the unit is
  // added to the open project), and the process windows back on volume: every
  // flow goes over in m³/h.
  workbench_.commands().Run(kNewProject);
  workbench_.commands().Run(kShowFlowsAsVolume);
  o.label_position = workbench_.settings().chart.default_label;
  const ChartTransfer transfer = BuildChartTransfer(inputs, states, o);
  if (!transfer.points.empty()) {
    const EditResult r = AppendChartTransfer(workbench_.project(), transfer);
    if (!r) {
      // The open project keeps everything; the calculator stays open with its inputs.
      Messages::Warning(this, "ORVANTA", QString::fromStdString(r.Message()));
      return;
    }
  }
  workbench_.RequestFullRedraw();
  accept();
}

void AhuWindow::ExportReport() {
  Compute();
  const bool polish = calcui::PolishTexts();
  if (!states_.ok()) {
    Messages::Info(this, calcui::kInfoCaption,
                   polish ? QString("Brak wyników do zapisania: podaj stan powietrza zewnętrznego i sprawdź "
                                    "wpisane liczby.")
                          : QString("There are no results to export: give the outdoor air state and check the "
                                    "numbers typed."));
    return;
  }
  UnitReportHeading heading;
  // The design case: the season with the chosen city, or the climate zone's caption.
  const QString season = Text(summer_->isChecked() ? kTextSummerCase : kTextWinterCase);
  const QString title = findChild<QGroupBox*>("GroupBox8")->title();
  if ((winter_->isChecked() || summer_->isChecked()) && cities_->isEnabled() && cities_->currentIndex() >= 0)
    heading.design_case = (season + cities_->currentText()).toStdString();
  else if (title.startsWith(Text(kTextWinterCase)) || title.startsWith(Text(kTextSummerCase)))
    heading.design_case = title.toStdString();
  auto name = [this](const char* e) { return edits_[e]->text().toStdString(); };
  heading.name_outdoor = name("Edit40");
  heading.name_recovery = name("Edit41");
  heading.name_mixing = name("Edit42");
  heading.name_cooler = name("Edit11");
  heading.name_supply = name("Edit43");
  heading.name_exhaust = name("Edit44");
  heading.name_discharge = name("Edit45");

  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.folder = QDir::currentPath();
  request.proposed_name = "centrala.txt";
  request.filter = polish ? "Raport centrali (*.txt)" : "Unit report (*.txt)";
  request.default_suffix = "txt";
  const QString path = ChooseFile(this, request);
  if (path.isEmpty()) return;
  const std::string text = UnitReportText(inputs_, states_, heading, UiDecimalSeparator(), polish);
  const std::string error = WriteFileReplacing(
      QDir::toNativeSeparators(path).toStdString(),
      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  if (!error.empty())
    Messages::Warning(this, calcui::kInfoCaption,
                      (polish ? QString("Nie zapisano raportu %1:\n%2") : QString("The report %1 was not saved:\n%2"))
                          .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
}

}  // namespace orvanta
