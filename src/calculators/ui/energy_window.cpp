#include "calculators/ui/energy_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/fit_to_screen.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/report_data_window.h"
#include "app/ui/kit/window_picture.h"
#include "app/ui/kit/workbench.h"
#include "calculators/energy/energy_handover.h"
#include "calculators/energy/energy_report.h"
#include "calculators/ui/calc_form.h"
#include "calculators/ui/energy_report_file.h"
#include "calculators/ui/energy_year_chart.h"

namespace orvanta {

namespace {

const QString kCaption = QStringLiteral("ORVANTA");
const QString kInfoCaption = QStringLiteral("ORVANTA INFO");
constexpr int kReportKind = 21;
constexpr int kVideoLinkLine = 4;
constexpr int kTextChooseCity = 229;  // "WYBIERZ MIASTO"

char Sep() { return UiDecimalSeparator(); }
QString Num(double v, int decimals) {
  return QString::fromStdString(calculators::ShownNumber(v, decimals, Sep()));
}

QLabel* ValueLabel(const char* name, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setMinimumWidth(80);
  l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // one line high beside a wrapped caption
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setFrameShape(QFrame::StyledPanel);
  l->setFrameShadow(QFrame::Sunken);
  l->setStyleSheet("QLabel { background: white; padding: 1px 4px; }");
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

std::optional<int> WholeNumber(const QString& text) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  return ok ? std::optional<int>(v) : std::nullopt;
}

}  // namespace

// ---- the window ----------------------------------------------------------------

// A caption label that shows the hint (language text) of `w`.
void EnergyWindow::CaptionFollowsHint(QLabel* caption, QWidget* w) { hint_captions_.emplace_back(caption, w); }

void EnergyWindow::RefreshCaptions() {
  const bool pl = calcui::PolishTexts();
  // The exhaust flow has no text of its own in the language files.
  edits_["Edit30"]->setToolTip(pl ? "STRUMIEŃ WYWIEWU" : "EXHAUST AIR FLOW");
  for (auto [caption, w] : hint_captions_)
    if (!w->toolTip().isEmpty()) caption->setText(w->toolTip());
  // The texts this window adds to the form: the city list's caption and the months.
  choose_city_->setText(Text(kTextChooseCity));
  labels_["unit:Label151"]->setText(pl ? "kg/rok" : "kg/year");
  for (int k = 2; k <= 7; ++k)
    if (auto* copy = findChild<QPushButton*>(QString("Button%1").arg(k)))
      copy->setToolTip(pl ? "Kopiuj godziny pracy na następny dzień" : "Copy the operating hours to the next day");
  QStringList heads;
  for (int m = 1; m <= 12; ++m) heads << QString::number(m);
  heads << (pl ? "ROK" : "YEAR");
  months_->setHorizontalHeaderLabels(heads);
  months_->setVerticalHeaderLabels(
      pl ? QStringList{"godziny pracy [h]", "ogrzewanie [kWh]", "chłodzenie [kWh]", "nawilżanie [kWh]",
                       "wentylatory [kWh]", "woda [m³]", "koszt [PLN]"}
         : QStringList{"operating hours [h]", "heating [kWh]", "cooling [kWh]", "humidification [kWh]",
                       "fans [kWh]", "water [m³]", "cost [PLN]"});
  months_->setToolTip(pl ? "Wyniki roku w podziale na miesiące" : "The year's results month by month");
  chart_->update();
}

void EnergyWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The year chart is not cleared on opening: it belongs to the results,
  // which stay until the next calculation.
  RefreshCaptions();
}

QLineEdit* EnergyWindow::AddInput(QGridLayout* grid, int row, const char* edit_name, const char* symbol,
                                  const char* unit, double value, const char* updown) {
  QWidget* parent = grid->parentWidget();
  auto* caption = new QLabel(parent);
  caption->setWordWrap(true);
  caption->setMinimumWidth(180);
  auto* edit = new QLineEdit(UiNumberText(value), parent);
  edit->setObjectName(edit_name);
  edit->setFixedWidth(70);
  edit->setAlignment(Qt::AlignRight);
  caption->setBuddy(edit);
  grid->addWidget(caption, row, 0);
  grid->addWidget(new QLabel(QString::fromUtf8(symbol), parent), row, 1);
  grid->addWidget(edit, row, 2);
  if (updown) {
    auto* u = new UpDown(0, 100, int(value), parent);
    u->setObjectName(updown);
    updowns_[updown] = u;
    grid->addWidget(u, row, 3);
    // The edit and its up-down mirror each other.
    u->clicked = [edit, u] { edit->setText(QString::number(u->position())); };
    connect(edit, &QLineEdit::textChanged, this, [u](const QString& t) {
      if (const auto v = WholeNumber(t)) u->setPosition(*v);
    });
  }
  grid->addWidget(new QLabel(QString::fromUtf8(unit), parent), row, 4);
  edits_[edit_name] = edit;
  labels_[QString("caption:") + edit_name] = caption;
  CaptionFollowsHint(caption, edit);
  return edit;
}

EnergyWindow::EnergyWindow(Workbench& workbench, QWidget* parent) : QDialog(parent), workbench_(workbench) {
  RegisterCaptionRows(EnergyWindowCaptionRows());
  setObjectName("TForm21");
  setWindowTitle("KALKULATOR ZUŻYCIA ENERGII PRZEZ CENTRALĘ WENTYLACYJNĄ");
  setModal(true);
  const EnergyInputs d;

  // ---- DANE ----
  auto* data = new QGroupBox("DANE", this);
  data->setObjectName("GroupBox1");
  auto* g = new QGridLayout(data);
  g->setVerticalSpacing(3);
  g->setColumnStretch(0, 1);
  int row = 0;
  AddInput(g, row++, "Edit1", "Vn", "m³/h", d.v_supply);
  AddInput(g, row++, "Edit30", "Vw", "m³/h", d.v_exhaust);
  AddInput(g, row++, "Edit27", "rec", "%", d.rec, "UpDown11");
  QLineEdit* fresh = AddInput(g, row++, "Edit28", "Vśw", "m³/h", d.v_fresh());
  fresh->setReadOnly(true);
  fresh->setFocusPolicy(Qt::ClickFocus);
  fresh->setStyleSheet("QLineEdit { background: palette(window); }");
  AddInput(g, row++, "Edit2", "tnz", "°C", d.t_supply_winter);
  AddInput(g, row++, "Edit22", "tko", "°C", d.t_heating_end);
  AddInput(g, row++, "Edit14", "φz", "%", d.phi_room_winter);
  AddInput(g, row++, "Edit7", "ηtz", "%", d.eta_t_winter, "UpDown5");
  AddInput(g, row++, "Edit8", "tnl", "°C", d.t_supply_summer);
  AddInput(g, row++, "Edit23", "tść", "°C", d.t_coil_surface);
  AddInput(g, row++, "Edit9", "tpch", "°C", d.t_cooling_start);
  AddInput(g, row++, "Edit13", "til", "°C", d.t_room_summer);
  AddInput(g, row++, "Edit29", "φl", "%", d.phi_room_summer);
  AddInput(g, row++, "Edit12", "ηtl", "%", d.eta_t_summer, "UpDown6");
  AddInput(g, row++, "Edit15", "ηx", "%", d.eta_x, "UpDown7");
  AddInput(g, row++, "Edit24", "tcha", "°C", d.t_adiabatic_start);
  AddInput(g, row++, "Edit25", "ηa", "%", d.eta_adiabatic, "UpDown8");
  AddInput(g, row++, "Edit17", "Δpn", "Pa", d.dp_supply);
  AddInput(g, row++, "Edit18", "ηn", "%", d.eta_supply_fan, "UpDown9");
  AddInput(g, row++, "Edit20", "Δpw", "Pa", d.dp_exhaust);
  AddInput(g, row++, "Edit21", "ηw", "%", d.eta_exhaust_fan, "UpDown10");
  AddInput(g, row++, "Edit10", "Cg", "PLN/kWh", d.price_heat);
  AddInput(g, row++, "Edit11", "Cch", "PLN/kWh", d.price_cool);
  AddInput(g, row++, "Edit16", "Cnp", "PLN/kWh", d.price_humid);
  AddInput(g, row++, "Edit19", "Cwent", "PLN/kWh", d.price_fan);
  AddInput(g, row++, "Edit26", "CH2O", "PLN/m³", d.price_water);
  edits_["Edit26"]->setText(QString("5") + QChar(Sep()) + "0");
  labels_["caption:Edit1"]->setObjectName("Label15");

  // ---- sections ----
  auto* sections = new QGroupBox("SEKCJE CENTRALI", this);
  sections->setObjectName("GroupBox4");
  auto* sl = new QGridLayout(sections);
  const std::pair<const char*, const char*> switches[6] = {
      {"CheckBox15", "Nagrzewnica"},         {"CheckBox16", "Chłodnica"},
      {"CheckBox17", "Nawilżacz"},           {"CheckBox20", "Chłodnica adiabatyczna"},
      {"CheckBox18", "Wentylator nawiewny"}, {"CheckBox19", "Wentylator wywiewny"}};
  for (int k = 0; k < 6; ++k) {
    sections_[k] = new QCheckBox(QString::fromUtf8(switches[k].second), sections);
    sections_[k]->setObjectName(switches[k].first);
    sections_[k]->setChecked(true);
    sl->addWidget(sections_[k], k / 2, k % 2);
    connect(sections_[k], &QCheckBox::toggled, this, [this] { UpdateSections(); });
  }
  // The steam goes into heated air: switching the humidifier on switches the heater on.
  connect(sections_[2], &QCheckBox::toggled, this, [this](bool on) {
    if (on) sections_[0]->setChecked(true);
  });

  // ---- the period ----
  auto* period = new QGridLayout;
  period->addWidget(NamedLabel("Label1", "DZIEŃ", this), 0, 1, 1, 2, Qt::AlignHCenter);
  period->addWidget(NamedLabel("Label2", "MIESIĄC", this), 0, 3, 1, 2, Qt::AlignHCenter);
  period->addWidget(NamedLabel("Label11", "START OBLICZEŃ", this), 1, 0);
  period->addWidget(NamedLabel("Label12", "STOP OBLICZEŃ", this), 2, 0);
  const char* date_edits[4] = {"Edit3", "Edit4", "Edit5", "Edit6"};
  const char* date_updowns[4] = {"UpDown1", "UpDown2", "UpDown3", "UpDown4"};
  const int date_values[4] = {d.start.day, d.start.month, d.stop.day, d.stop.month};
  for (int k = 0; k < 4; ++k) {
    auto* e = new QLineEdit(QString::fromStdString(TwoDigitText(date_values[k])), this);
    e->setObjectName(date_edits[k]);
    e->setFixedWidth(40);
    e->setAlignment(Qt::AlignRight);
    auto* u = new UpDown(1, k % 2 ? 12 : 31, date_values[k], this);
    u->setObjectName(date_updowns[k]);
    edits_[date_edits[k]] = e;
    updowns_[date_updowns[k]] = u;
    u->clicked = [this, k] { StepDate(k); };
    connect(e, &QLineEdit::textChanged, this, [u](const QString& t) {
      if (const auto v = WholeNumber(t)) u->setPosition(*v);
    });
    period->addWidget(e, 1 + k / 2, 1 + 2 * (k % 2));
    period->addWidget(u, 1 + k / 2, 2 + 2 * (k % 2));
  }
  period->setColumnStretch(5, 1);

  // ---- city and commands ----
  city_ = new QComboBox(this);
  city_->setObjectName("ComboBox1");
  for (std::string_view c : kClimateCities) city_->addItem(QString::fromUtf8(c.data(), int(c.size())));
  city_->setCurrentIndex(-1);
  city_->setPlaceholderText(QString::fromUtf8(kEnergyNoCityChoice.data(), int(kEnergyNoCityChoice.size())));
  city_->setMaxVisibleItems(20);
  city_->setMinimumWidth(170);
  auto* compute = new QPushButton("OBLICZENIA", this);
  compute->setObjectName("Button1");
  compute->setDefault(true);
  auto* picture = new QPushButton("POBIERZ WYKRES", this);
  picture->setObjectName("BitBtn14");
  auto* export_button = new QPushButton("Eksportuj wyniki", this);
  export_button->setObjectName("BitBtn2");
  QPushButton* help = MakeHelpLinkButton(this, "BitBtn3", "Instrukcja", HelpLinkPair::Videos, kVideoLinkLine);
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  close->setAutoDefault(false);

  // ---- timetable ----
  auto* timetable = new QGroupBox("Harmonogram pracy tygodniowej centrali wentylacyjnej", this);
  timetable->setObjectName("GroupBox2");
  auto* tl = new QGridLayout(timetable);
  tl->setHorizontalSpacing(2);
  tl->setVerticalSpacing(2);
  QFont compact = timetable->font();
  compact.setPointSizeF(compact.pointSizeF() * 0.9);
  BuildTimetable(tl, compact);

  // ---- results ----
  auto* results = new QGroupBox("WYNIKI", this);
  results->setObjectName("GroupBox3");
  auto* rl = new QGridLayout(results);
  rl->setVerticalSpacing(3);
  struct ResultRow {
    const char* value;
    const char* unit;
    const char* cost;
  };
  const ResultRow result_rows[] = {{"Label71", "kWh", "Label79"},  {"Label72", "kWh", "Label80"},
                                   {"Label95", "kWh", "Label96"},  {"Label110", "kWh", "Label111"},
                                   {"Label136", "m³", "Label137"}, {"Label151", "kg/rok", nullptr}};
  row = 0;
  for (const ResultRow& r : result_rows) {
    QLabel* value = ValueLabel(r.value, results);
    auto* caption = new QLabel(results);
    caption->setWordWrap(true);
    labels_[r.value] = value;
    labels_[QString("caption:") + r.value] = caption;
    labels_[QString("unit:") + r.value] = new QLabel(QString::fromUtf8(r.unit), results);
    rl->addWidget(caption, row, 0);
    rl->addWidget(value, row, 1);
    rl->addWidget(labels_[QString("unit:") + r.value], row, 2);
    CaptionFollowsHint(caption, value);
    if (r.cost) {
      QLabel* cost = ValueLabel(r.cost, results);
      auto* cost_caption = new QLabel(results);
      cost_caption->setWordWrap(true);
      labels_[r.cost] = cost;
      labels_[QString("caption:") + r.cost] = cost_caption;
      labels_[QString("unit:") + r.cost] = new QLabel("PLN", results);
      rl->addWidget(cost_caption, row, 3);
      rl->addWidget(cost, row, 4);
      rl->addWidget(labels_[QString("unit:") + r.cost], row, 5);
      CaptionFollowsHint(cost_caption, cost);
    }
    ++row;
  }
  rl->addWidget(NamedLabel("Label57", "KOSZT CAŁKOWITY", results), row, 3);
  labels_["Label106"] = ValueLabel("Label106", results);
  QFont bold = labels_["Label106"]->font();
  bold.setBold(true);
  labels_["Label106"]->setFont(bold);
  rl->addWidget(labels_["Label106"], row, 4);
  rl->addWidget(new QLabel("PLN", results), row, 5);
  rl->setColumnStretch(0, 1);
  rl->setColumnStretch(3, 1);
  rl->setRowStretch(row + 1, 1);  // spare height below the rows, not inside them

  // ---- the year chart, its statistics, the readout, the months ----
  auto* chart_box = new QGroupBox(this);
  auto* cl = new QVBoxLayout(chart_box);
  // The city and the year's statistics in two rows: the highest hour above
  // the lowest, the mean beside the highest.
  auto* chart_head = new QGridLayout;
  chart_head->setHorizontalSpacing(4);
  chart_head->setVerticalSpacing(0);
  chart_head->addWidget(NamedLabel("Label165", "DLA MIASTA:", chart_box), 0, 0);
  city_caption_ = NamedLabel("Label166", "", chart_box);
  city_caption_->setFont(bold);
  chart_head->addWidget(city_caption_, 0, 1, 2, 1, Qt::AlignLeft | Qt::AlignTop);
  chart_head->setColumnMinimumWidth(1, QFontMetrics(bold).horizontalAdvance("GORZOW WIELKOPOLSKI") + 16);
  const std::tuple<const char*, const char*, const char*> stats[] = {
      {"Label23", "tmax", "°C"},   {"Label35", "φ(tmax)", "%"}, {"Label45", "imax", "kJ/kg"},
      {"Label24", "tmin", "°C"},   {"Label36", "φ(tmin)", "%"}, {"Label46", "imin", "kJ/kg"},
      {"Label30", "tśr", "°C"}};
  int stat = 0;
  for (const auto& [name, symbol, unit] : stats) {
    const int r = stat < 3 ? 0 : (stat < 6 ? 1 : 0);
    const int c = 2 + 3 * (stat < 6 ? stat % 3 : 3);
    ++stat;
    chart_head->addWidget(new QLabel(QString::fromUtf8(symbol) + " =", chart_box), r, c, Qt::AlignRight);
    labels_[name] = NamedLabel(name, "", chart_box);
    labels_[name]->setMinimumWidth(fontMetrics().horizontalAdvance("-88,8"));
    labels_[name]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    chart_head->addWidget(labels_[name], r, c + 1);
    auto* u = new QLabel(QString::fromUtf8(unit), chart_box);
    u->setMinimumWidth(fontMetrics().horizontalAdvance("kJ/kg") + 10);
    chart_head->addWidget(u, r, c + 2);
  }
  chart_head->setColumnStretch(2 + 3 * 4, 1);
  cl->addLayout(chart_head);
  chart_ = new YearChartView(chart_box);
  chart_->hovered = [this](int hour) { ShowHour(hour); };
  cl->addWidget(chart_, 1);
  auto* readout = new QGridLayout;
  readout->setHorizontalSpacing(6);
  const std::tuple<const char*, const char*, const char*, const char*> hover[] = {
      {"Label167", "GODZINA", "Label5", ""},
      {"Label168", "TEMPERATURA", "Label6", "°C"},
      {"Label169", "WILGOTNOŚĆ WZGLĘDNA", "Label54", "%"},
      {"Label170", "ENERGIA NA OGRZEWANIE", "Label61", "kWh"},
      {"Label171", "ENERGIA CHŁODNICZA", "Label64", "kWh"},
      {"Label178", "ENERGIA DO NAWILŻANIA", "Label129", "kWh"},
      {"Label179", "WODA DO CHŁODNICY ADIABATYCZNEJ", "Label134", "kg/h"}};
  int col = 0;
  for (const auto& [caption, text, value, unit] : hover) {
    auto* c = NamedLabel(caption, QString::fromUtf8(text), chart_box);
    c->setWordWrap(true);
    c->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    auto* v = ValueLabel(value, chart_box);
    v->setMinimumWidth(70);
    v->setMaximumWidth(120);
    labels_[caption] = c;
    labels_[value] = v;
    labels_[QString("unit:") + value] = new QLabel(QString::fromUtf8(unit), chart_box);
    readout->addWidget(c, 0, col, 1, 2);
    readout->addWidget(v, 1, col);
    readout->addWidget(labels_[QString("unit:") + value], 1, col + 1);
    readout->setColumnStretch(col, 1);
    col += 2;
  }
  cl->addLayout(readout);
  months_ = new QTableWidget(7, 13, chart_box);
  months_->setObjectName("MonthlyTable");
  months_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  months_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  months_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  months_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  months_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  months_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  months_->setFixedHeight(months_->horizontalHeader()->sizeHint().height() + 7 * (fontMetrics().height() + 4) + 4);
  QFont small = months_->font();
  small.setPointSizeF(small.pointSizeF() * 0.92);
  months_->setFont(small);
  cl->addWidget(months_);

  // ---- layout ----
  auto* top = new QHBoxLayout(ScrollableBody(this));
  auto* left = new QVBoxLayout;
  left->addWidget(data);
  left->addStretch();
  top->addLayout(left);
  // The right column: the commands beside the results, the timetable below
  // them, then the year chart — narrow enough for a 1366-pixel screen.
  auto* right = new QVBoxLayout;
  auto* upper = new QHBoxLayout;
  auto* controls = new QVBoxLayout;
  auto* city_row = new QHBoxLayout;
  choose_city_ = new QLabel(this);
  choose_city_->setBuddy(city_);
  city_row->addWidget(choose_city_);
  city_row->addWidget(city_, 1);
  controls->addLayout(city_row);
  controls->addWidget(sections);
  controls->addLayout(period);
  auto* buttons = new QGridLayout;
  buttons->addWidget(compute, 0, 0);
  buttons->addWidget(picture, 0, 1);
  buttons->addWidget(export_button, 1, 0);
  buttons->addWidget(help, 1, 1);
  buttons->addWidget(close, 2, 1);
  controls->addLayout(buttons);
  controls->addStretch();
  upper->addLayout(controls);
  upper->addWidget(results, 1);
  right->addLayout(upper);
  right->addWidget(timetable);
  right->addWidget(chart_box, 1);
  top->addLayout(right, 1);

  // ---- behaviour ----
  connect(edits_["Edit1"], &QLineEdit::textChanged, this, [this] { UpdateFreshAir(); });
  connect(edits_["Edit27"], &QLineEdit::textChanged, this, [this] { RecirculationChanged(); });
  connect(city_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    city_caption_->setText(city_->currentText());
    Compute();
  });
  connect(compute, &QPushButton::clicked, this, &EnergyWindow::Compute);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(export_button, &QPushButton::clicked, this, &EnergyWindow::ExportResults);
  connect(picture, &QPushButton::clicked, this, [this] { OfferWindowPicture(this, "KZE"); });

  UpdateSections();
  ClearResults();
  chart_->SetData({nullptr, nullptr, d.sections, -1});
  ApplyLanguageTexts(this);
  RefreshCaptions();
  connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, this, [this] {
    RefreshCaptions();
    // The language puts "Wybierz" back into the city list; the city chosen stays.
    if (city_->currentIndex() < 0 && !city_caption_->text().isEmpty()) {
      const QSignalBlocker quiet(city_);
      city_->setCurrentText(city_caption_->text());
    }
  });
}

void EnergyWindow::BuildTimetable(QGridLayout* grid, const QFont& font) {
  QWidget* parent = grid->parentWidget();
  const char* day_names[7] = {"PONIEDZIAŁEK", "WTOREK", "ŚRODA", "CZWARTEK", "PIĄTEK", "SOBOTA", "NIEDZIELA"};
  for (int k = 0; k < 7; ++k) {
    days_[k] = new QCheckBox(QString::fromUtf8(day_names[k]), parent);
    days_[k]->setObjectName(QString("CheckBox%1").arg(k + 1));
    all_hours_[k] = new QCheckBox("zaznacz/odznacz", parent);
    all_hours_[k]->setObjectName(QString("CheckBox%1").arg(k + 8));
    hours_[k] = new QListWidget(parent);
    hours_[k]->setObjectName(QString("CheckListBox%1").arg(k + 1));
    for (int h = 0; h < 24; ++h) {
      auto* item = new QListWidgetItem(QString("%1:00").arg(h, 2, 10, QChar('0')), hours_[k]);
      item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
      item->setCheckState(Qt::Unchecked);
    }
    hours_[k]->setMinimumWidth(82);
    for (QWidget* w : {static_cast<QWidget*>(days_[k]), static_cast<QWidget*>(all_hours_[k]),
                       static_cast<QWidget*>(hours_[k])})
      w->setFont(font);
    hours_[k]->setUniformItemSizes(true);
    // Twelve whole rows show; the list scrolls to the other twelve.
    hours_[k]->setFixedHeight(12 * hours_[k]->sizeHintForRow(0) + 2 * hours_[k]->frameWidth());
    grid->addWidget(days_[k], 0, 2 * k);
    grid->addWidget(all_hours_[k], 1, 2 * k);
    grid->addWidget(hours_[k], 2, 2 * k);
    grid->setColumnStretch(2 * k, 1);
    connect(days_[k], &QCheckBox::toggled, this, [this, k](bool on) {
      hours_[k]->setEnabled(on);
      all_hours_[k]->setEnabled(on);
    });
    connect(all_hours_[k], &QCheckBox::toggled, this, [this, k](bool on) {
      for (int h = 0; h < 24; ++h) hours_[k]->item(h)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    });
    hours_[k]->setEnabled(false);
    all_hours_[k]->setEnabled(false);
    if (k < 6) {
      auto* copy = new QPushButton("KOPIUJ-->", parent);
      copy->setObjectName(QString("Button%1").arg(k + 2));
      copy->setAutoDefault(false);
      copy->setFont(font);
      grid->addWidget(copy, 3, 2 * k, 1, 3, Qt::AlignHCenter);
      connect(copy, &QPushButton::clicked, this, [this, k] {
        WeeklyTimetable t = Timetable();
        t.CopyToNextDay(k);
        for (int h = 0; h < 24; ++h)
          hours_[k + 1]->item(h)->setCheckState(t.hours[k + 1][h] ? Qt::Checked : Qt::Unchecked);
      });
    }
  }
}

void EnergyWindow::UpdateFreshAir() {
  const auto vn = ParseTypedNumber(edits_["Edit1"]->text());
  const RecirculationEdit rec = ParseRecirculation(edits_["Edit27"]->text().toStdString());
  if (!vn || !rec.ok) return;
  edits_["Edit28"]->setText(QString::fromStdString(FreshAirText(*vn, rec.value, Sep())));
}

void EnergyWindow::RecirculationChanged() {
  QLineEdit* e = edits_["Edit27"];
  // An emptied edit is being retyped: nothing to say yet.
  if (e->text().trimmed().isEmpty()) return;
  const RecirculationEdit rec = ParseRecirculation(e->text().toStdString());
  if (!rec.ok) {
    Messages::Info(this, calcui::kInfoCaption, Text(kTextEnergyRecirculation));
    return;
  }
  if (rec.replaced) {
    e->setText("100");  // runs this again with 100
    return;
  }
  updowns_["UpDown11"]->setPosition(rec.value);
  UpdateFreshAir();
}

void EnergyWindow::StepDate(int which) {
  const int first = which < 2 ? 0 : 2;
  DayMonth d{updowns_[QString("UpDown%1").arg(first + 1)]->position(), updowns_[QString("UpDown%1").arg(first + 2)]->position()};
  d = ClampDate(d);
  updowns_[QString("UpDown%1").arg(first + 1)]->setPosition(d.day);
  updowns_[QString("UpDown%1").arg(first + 2)]->setPosition(d.month);
  edits_[QString("Edit%1").arg(first + 3)]->setText(QString::fromStdString(TwoDigitText(d.day)));
  edits_[QString("Edit%1").arg(first + 4)]->setText(QString::fromStdString(TwoDigitText(d.month)));
}

void EnergyWindow::UpdateSections() {
  const auto on = [this](int k) { return sections_[k]->isChecked(); };
  const bool heater = on(0), cooler = on(1), humid = on(2), adiabatic = on(3), supply = on(4), exhaust = on(5);
  auto enable = [this](std::initializer_list<const char*> names, bool state) {
    for (const char* n : names) {
      if (edits_.contains(n)) edits_[n]->setEnabled(state);
      if (updowns_.contains(n)) updowns_[n]->setEnabled(state);
    }
  };
  enable({"Edit2", "Edit7", "Edit22", "Edit10", "UpDown5"}, heater);
  enable({"Edit8", "Edit23", "Edit9", "Edit11", "Edit12", "Edit13", "UpDown6", "Edit29"}, cooler);
  enable({"Edit14", "Edit16"}, humid);
  enable({"Edit15", "UpDown7"}, cooler || humid);
  enable({"Edit17", "Edit18", "UpDown9"}, supply);
  enable({"Edit20", "Edit21", "UpDown10"}, exhaust);
  enable({"Edit19"}, supply || exhaust);
  enable({"Edit24", "Edit25", "Edit26", "UpDown8"}, adiabatic);
  auto show = [this](std::initializer_list<const char*> names, bool state) {
    for (const char* n : names)
      for (const QString& key : {QString(n), QString("caption:") + n, QString("unit:") + n})
        if (labels_.contains(key)) labels_[key]->setVisible(state);
  };
  show({"Label71", "Label79", "Label61", "Label170"}, heater);
  show({"Label72", "Label80", "Label151", "Label64", "Label171"}, cooler);
  show({"Label95", "Label96", "Label129", "Label178"}, humid);
  show({"Label110", "Label111"}, supply || exhaust);
  show({"Label136", "Label137", "Label134", "Label179"}, adiabatic);
}

bool EnergyWindow::ReadInputs(EnergyInputs& in) const {
  bool ok = true;
  auto read = [&](const char* name, double& out) {
    const auto v = ReadTypedNumber(edits_[name], BadNumberPolicy::Ignore());
    if (v) out = *v;
    else ok = false;
  };
  read("Edit1", in.v_supply);
  read("Edit30", in.v_exhaust);
  read("Edit2", in.t_supply_winter);
  read("Edit22", in.t_heating_end);
  read("Edit8", in.t_supply_summer);
  read("Edit23", in.t_coil_surface);
  read("Edit9", in.t_cooling_start);
  read("Edit13", in.t_room_summer);
  read("Edit24", in.t_adiabatic_start);
  read("Edit29", in.phi_room_summer);
  read("Edit14", in.phi_room_winter);
  read("Edit7", in.eta_t_winter);
  read("Edit12", in.eta_t_summer);
  read("Edit15", in.eta_x);
  read("Edit25", in.eta_adiabatic);
  read("Edit18", in.eta_supply_fan);
  read("Edit21", in.eta_exhaust_fan);
  read("Edit17", in.dp_supply);
  read("Edit20", in.dp_exhaust);
  read("Edit10", in.price_heat);
  read("Edit11", in.price_cool);
  read("Edit16", in.price_humid);
  read("Edit19", in.price_fan);
  read("Edit26", in.price_water);
  double date[4];
  read("Edit3", date[0]);
  read("Edit4", date[1]);
  read("Edit5", date[2]);
  read("Edit6", date[3]);
  if (!ok) return false;
  in.start = {int(date[0]), int(date[1])};
  in.stop = {int(date[2]), int(date[3])};
  in.sections = {sections_[0]->isChecked(), sections_[1]->isChecked(), sections_[2]->isChecked(),
                 sections_[3]->isChecked(), sections_[4]->isChecked(), sections_[5]->isChecked()};
  return true;
}

WeeklyTimetable EnergyWindow::Timetable() const {
  WeeklyTimetable t;
  for (int k = 0; k < 7; ++k) {
    t.day_on[k] = days_[k]->isChecked();
    for (int h = 0; h < 24; ++h) t.hours[k][h] = hours_[k]->item(h)->checkState() == Qt::Checked;
  }
  return t;
}

const ClimateYear* EnergyWindow::CachedYear(const QString& city) {
  auto it = years_.find(city);
  if (it == years_.end()) {
    ClimateYear y = LoadClimateYear(DataDir().toStdString(), city.toStdString());
    if (!y.ok()) return nullptr;  // not kept: the file may appear or be mended
    it = years_.emplace(city, std::move(y)).first;
  }
  return &it->second;
}

void EnergyWindow::Compute() {
  const QString city = city_->currentIndex() < 0
                           ? QString::fromUtf8(kEnergyNoCityChoice.data(), int(kEnergyNoCityChoice.size()))
                           : city_->currentText();
  // The city and its file come first, then the sections, then the inputs.
  const ClimateYear* year = CachedYear(city);
  if (!year) {
    // The command refuses "Wybierz" and says what is wrong with the file.
    const EnergyResults refused =
        ComputeEnergyForCity(DataDir().toStdString(), city.toStdString(), EnergyInputs{}, WeeklyTimetable{});
    Messages::Info(this, kCaption, calcui::FailureText(refused.failure));
    return;
  }
  if (std::none_of(sections_.begin(), sections_.end(), [](QCheckBox* b) { return b->isChecked(); })) {
    Messages::Info(this, kCaption, Text(kTextEnergyNoSection));
    return;
  }
  EnergyInputs in;
  // A recirculation that is not a whole number is said at once; here it just ends.
  const RecirculationEdit rec = ParseRecirculation(edits_["Edit27"]->text().toStdString());
  // A non-number ends the calculation silently; the results keep their texts.
  if (!ReadInputs(in) || !rec.ok) return;
  in.rec = rec.value;
  const WeeklyTimetable tt = Timetable();
  EnergyResults r = ComputeEnergy(in, tt, year->hours);
  if (!r.has_chart()) {
    Messages::Info(this, kCaption, calcui::FailureText(r.failure));
    return;
  }
  results_ = std::move(r);
  computed_ = results_.ok();
  computed_inputs_ = in;
  computed_city_ = city;
  shown_year_ = year->hours;
  chart_->SetData({&shown_year_, &results_, in.sections, -1});
  const ClimateStatisticsTexts st = StatisticsTexts(results_.statistics, Sep());
  const std::pair<const char*, const std::string*> stats[] = {
      {"Label23", &st.t_max},     {"Label24", &st.t_min},     {"Label30", &st.t_mean}, {"Label35", &st.rh_at_max},
      {"Label36", &st.rh_at_min}, {"Label45", &st.i_max},     {"Label46", &st.i_min}};
  for (const auto& [name, text] : stats) labels_[name]->setText(QString::fromStdString(*text));
  if (!results_.ok()) {
    ClearResults();
    Messages::Info(this, kCaption, calcui::FailureText(results_.failure));
    return;
  }
  ShowResults();
  ShowMonths();
}

void EnergyWindow::ClearResults() {
  for (const char* n : {"Label71", "Label79", "Label72", "Label80", "Label95", "Label96", "Label110", "Label111",
                        "Label136", "Label137", "Label151", "Label106"})
    labels_[n]->clear();
  months_->clearContents();
}

void EnergyWindow::ShowResults() {
  const EnergyResultTexts t = ResultTexts(results_, Sep());
  const std::pair<const char*, const std::string*> shown[] = {
      {"Label71", &t.heat},      {"Label79", &t.cost_heat},   {"Label72", &t.cool},     {"Label80", &t.cost_cool},
      {"Label95", &t.humid},     {"Label96", &t.cost_humid},  {"Label110", &t.fans},    {"Label111", &t.cost_fans},
      {"Label136", &t.water_m3}, {"Label137", &t.cost_water}, {"Label151", &t.condensate}, {"Label106", &t.total}};
  for (const auto& [name, text] : shown) labels_[name]->setText(QString::fromStdString(*text));
}

void EnergyWindow::ShowMonths() {
  const std::array<EnergyMonth, 12> m = MonthlyEnergy(results_, computed_inputs_, shown_year_);
  EnergyMonth year;
  for (const EnergyMonth& e : m) {
    year.operating_hours += e.operating_hours;
    year.heat += e.heat;
    year.cool += e.cool;
    year.humid += e.humid;
    year.fans += e.fans;
    year.water_m3 += e.water_m3;
    year.cost += e.cost;
  }
  for (int c = 0; c < 13; ++c) {
    const EnergyMonth& e = c < 12 ? m[c] : year;
    const QString cells[7] = {QString::number(e.operating_hours), Num(e.heat, 1), Num(e.cool, 1), Num(e.humid, 1),
                              Num(e.fans, 1), Num(e.water_m3, 2), Num(e.cost, 1)};
    for (int r = 0; r < 7; ++r) {
      auto* item = new QTableWidgetItem(cells[r]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (c == 12) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
      }
      months_->setItem(r, c, item);
    }
  }
}

void EnergyWindow::ShowHour(int position) {
  if (shown_year_.size() != 8760) return;
  const EnergyHourTexts t = HourTexts(results_, shown_year_, position, Sep());
  const std::pair<const char*, const std::string*> shown[] = {
      {"Label5", &t.hour},  {"Label6", &t.t},     {"Label54", &t.rh},     {"Label61", &t.heat},
      {"Label64", &t.cool}, {"Label129", &t.humid}, {"Label134", &t.water}};
  for (const auto& [name, text] : shown) labels_[name]->setText(QString::fromStdString(*text));
}

QImage EnergyWindow::ChartImage(QSize size) const {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  QFont f = font();
  f.setPixelSize(std::max(11, size.height() / 36));
  p.setFont(f);
  YearChartData data;
  if (shown_year_.size() == 8760) data = {&shown_year_, &results_, computed_inputs_.sections, -1};
  PaintYearChart(p, image.rect(), data);
  return image;
}

void EnergyWindow::TakeOverUnit(const UnitInputs& unit) {
  EnergyInputs current;
  ReadInputs(current);  // what cannot be read is not handed over anyway
  const EnergyInputs in = EnergyInputsFromUnit(unit, current);
  auto put = [this](const char* name, double v) { edits_[name]->setText(UiNumberText(v)); };
  put("Edit1", in.v_supply);
  put("Edit2", in.t_supply_winter);
  if (unit.t_cooler_out) put("Edit8", in.t_supply_summer);
  if (unit.t_cooler_surface) put("Edit23", in.t_coil_surface);
  put("Edit13", in.t_room_summer);
  put("Edit7", in.eta_t_winter);
  put("Edit12", in.eta_t_summer);
  put("Edit14", in.phi_room_winter);
  put("Edit29", in.phi_room_summer);
  put("Edit15", in.eta_x);
  // The recirculation edit takes whole percents only.
  edits_["Edit27"]->setText(QString::number(std::lround(in.rec)));
  sections_[0]->setChecked(in.sections.heater);
  sections_[1]->setChecked(in.sections.cooler);
  sections_[2]->setChecked(in.sections.humidifier);
}

void EnergyWindow::ExportResults() {
  QWidget* parent = workbench_.dialog_parent();
  auto* window = parent->findChild<ReportDataWindow*>("TForm38");
  if (!window) window = new ReportDataWindow(parent);
  if (!window->HasReport(kReportKind))
    window->RegisterReport(kReportKind, [this](const ReportData& data) { WriteReport(data); });
  window->Ask(kReportKind);
}

void EnergyWindow::WriteReport(const ReportData& data) {
  EnergyReportHeader header;
  header.title = data.project_title.toStdString();
  header.investor = data.investor.toStdString();
  header.designer = data.designer.toStdString();
  header.pb = workbench_.pressure();
  header.city = computed_city_.toStdString();
  const QDateTime now = QDateTime::currentDateTime();
  header.now = {now.date().year(), now.date().month(), now.date().day(),
                now.time().hour(), now.time().minute(), now.time().second()};
  EnergyInputs in = computed_inputs_;
  EnergyResults none;
  none.status = EnergyStatus::NoHourTicked;
  if (!computed_) ReadInputs(in);  // no results yet: the inputs as typed, the result row empty
  const EnergyReport report =
      BuildEnergyReport(header, in, computed_ ? results_ : none, workbench_.language() == 1, Sep());
  const EnergyReportOutcome outcome = WriteEnergyReportFile(report, ChartImage());
  if (!outcome.written) {
    Messages::Warning(this, kInfoCaption, outcome.message);
    return;
  }
  if (!OpenExternally(QUrl::fromLocalFile(outcome.report_path)))
    Messages::Info(this, kInfoCaption, "The report has been written to the file " +
                                           QDir::toNativeSeparators(outcome.report_path) +
                                           ". No application to open it was found.");
}

}  // namespace orvanta
