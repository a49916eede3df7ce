// The energy-consumption calculator in the real main window: opened from the
// menu and the toolbar, a year of WARSZAWA with office hours checked against
// the yearly figures and the core's texts, the failures as messages, the
// section switches, the timetable buttons, the up-downs, the hover readout,
// the unit calculator's hand-over and the export through the report window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <functional>

#include "app/settings_store.h"
#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/report_data_window.h"
#include "app/ui/main_window.h"
#include "calculators/climate/climate_year.h"
#include "calculators/energy/energy.h"
#include "calculators/ui/ahu_window.h"
#include "calculators/ui/energy_window.h"
#include "calculators/ui/energy_report_file.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

class EnergyWindowTest : public ::testing::Test {
 protected:
  EnergyWindowTest() : main_(std::make_unique<MemoryStore>()) {
    LoadLanguage(1);  // the Polish language file, as the main window loads at start-up
    energy_ = main_.findChild<EnergyWindow*>("TForm21");
  }
  template <class T>
  T* Child(const char* name) {
    T* c = energy_->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QLineEdit* Edit(const char* name) { return Child<QLineEdit>(name); }
  std::string Shown(const char* label) { return Child<QLabel>(label)->text().toStdString(); }
  std::string EditText(const char* name) { return Edit(name)->text().toStdString(); }
  QCheckBox* Box(int n) { return Child<QCheckBox>(QString("CheckBox%1").arg(n).toLatin1().constData()); }
  QListWidget* Hours(int day) { return Child<QListWidget>(QString("CheckListBox%1").arg(day).toLatin1().constData()); }
  void ClickArrow(const char* updown, bool up, int times = 1) {
    QWidget* u = Child<QWidget>(updown);
    for (int k = 0; k < times; ++k) u->findChild<QToolButton*>(up ? "Up" : "Down")->click();
  }
  // A decimal written with ',' as the window shows it.
  static std::string Dec(std::string s) {
    for (char& c : s)
      if (c == ',') c = UiDecimalSeparator();
    return s;
  }
  // Monday to Friday, 07:00 … 18:00.
  void OfficeHours() {
    for (int day = 1; day <= 5; ++day) {
      Box(day)->setChecked(true);
      for (int h = 7; h <= 18; ++h) Hours(day)->item(h)->setCheckState(Qt::Checked);
    }
  }
  void ChooseCity(const QString& city) { Child<QComboBox>("ComboBox1")->setCurrentText(city); }
  std::vector<QString> Texts() {
    std::vector<QString> out;
    for (const MessageRequest& m : messages_.shown()) out.push_back(m.caption + ": " + m.text);
    return out;
  }

  RecordingResponder messages_;
  MainWindow main_;
  EnergyWindow* energy_ = nullptr;
};

TEST_F(EnergyWindowTest, OpensFromTheMenuAndTheToolbarButton) {
  ASSERT_NE(energy_, nullptr);
  QAction* menu_item = main_.findChild<QAction*>("Kalkulatorzuyciaenergii1");
  ASSERT_NE(menu_item, nullptr);
  EXPECT_TRUE(menu_item->isEnabled());
  QAbstractButton* toolbar_button = nullptr;
  for (QAbstractButton* b : main_.findChildren<QAbstractButton*>("BitBtn9"))
    if (b->window() == &main_) toolbar_button = b;
  ASSERT_NE(toolbar_button, nullptr);
  EXPECT_EQ(toolbar_button->text(), "K.Z.E.");
  EXPECT_TRUE(toolbar_button->isEnabled());
  const std::function<void()> openers[] = {[&] { menu_item->trigger(); }, [&] { toolbar_button->click(); }};
  for (const auto& open : openers) {
    QString opened;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal) opened = modal->objectName() + " " + modal->windowTitle();
      if (modal) static_cast<QDialog*>(modal)->reject();
    });
    open();
    EXPECT_EQ(opened.toStdString(), ("TForm21 " + Text(759)).toStdString());
  }
  // The hint of an input is its caption.
  EXPECT_EQ(Child<QLabel>("Label15")->text(), Text(768));
  EXPECT_EQ(Edit("Edit23")->toolTip(), Text(775));
  EXPECT_EQ(EditText("Edit23"), Dec("9,5"));
  EXPECT_EQ(EditText("Edit26"), Dec("5,0"));
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(EnergyWindowTest, WarszawaOfficeHoursGiveTheYearlyFigures) {
  OfficeHours();
  ChooseCity("WARSZAWA");  // choosing the city computes
  EXPECT_TRUE(messages_.shown().empty()) << Texts().front().toStdString();
  EXPECT_EQ(Shown("Label166"), "WARSZAWA");
  // 52 weeks of 5·12 hours and the remaining day (Monday's column).
  EXPECT_EQ(energy_->results().operating.size(), 3132u);
  EXPECT_EQ(Shown("Label71"), Dec("1887,9"));
  EXPECT_EQ(Shown("Label72"), Dec("3503,3"));
  EXPECT_EQ(Shown("Label95"), Dec("2760,7"));
  EXPECT_EQ(Shown("Label110"), Dec("2275,4"));
  EXPECT_EQ(Shown("Label136"), Dec("2,6"));
  EXPECT_EQ(Shown("Label106"), Dec("4237,1"));
  // Every label as the core writes the same calculation.
  EnergyInputs in;
  WeeklyTimetable tt;
  for (int d = 0; d < 5; ++d) {
    tt.day_on[d] = true;
    for (int h = 7; h <= 18; ++h) tt.hours[d][h] = true;
  }
  const EnergyResults r = ComputeEnergyForCity(DataDir().toStdString(), "WARSZAWA", in, tt);
  ASSERT_TRUE(r.ok());
  const EnergyResultTexts t = ResultTexts(r, UiDecimalSeparator());
  const std::pair<const char*, std::string> expected[] = {
      {"Label71", t.heat},       {"Label79", t.cost_heat},   {"Label72", t.cool},        {"Label80", t.cost_cool},
      {"Label95", t.humid},      {"Label96", t.cost_humid},  {"Label110", t.fans},       {"Label111", t.cost_fans},
      {"Label136", t.water_m3},  {"Label137", t.cost_water}, {"Label151", t.condensate}, {"Label106", t.total}};
  for (const auto& [label, text] : expected) EXPECT_EQ(Shown(label), text) << label;
  const ClimateStatisticsTexts st = StatisticsTexts(r.statistics, UiDecimalSeparator());
  EXPECT_EQ(Shown("Label23"), st.t_max);
  EXPECT_EQ(Shown("Label24"), st.t_min);
  EXPECT_EQ(Shown("Label30"), st.t_mean);
  EXPECT_EQ(Shown("Label45"), st.i_max);
  EXPECT_EQ(Shown("Label46"), st.i_min);
  // The months add up to the year in the table's last column.
  auto* months = energy_->findChild<QTableWidget*>("MonthlyTable");
  ASSERT_NE(months, nullptr);
  EXPECT_EQ(months->item(0, 12)->text(), "3132");
  EXPECT_EQ(months->item(1, 12)->text().toStdString(), t.heat);
  int hours = 0;
  for (int m = 0; m < 12; ++m) hours += months->item(0, m)->text().toInt();
  EXPECT_EQ(hours, 3132);
  EXPECT_EQ(months->item(0, 0)->text(), "276");  // January: 23 days in Monday … Friday columns, 12 hours each

  // The window and its year chart, looked at.
  energy_->resize(1560, 980);
  energy_->show();
  QApplication::processEvents();
  QDir().mkpath("/tmp/energywin");
  EXPECT_TRUE(energy_->grab().save("/tmp/energywin/energy_window_warszawa.png"));
  EXPECT_TRUE(energy_->ChartImage().save("/tmp/energywin/year_chart_warszawa.png"));
  energy_->hide();

  const auto caption_of = [&](const char* name) {
    for (QLabel* l : energy_->findChildren<QLabel*>())
      if (l->buddy() == Child<QWidget>(name)) return l->text().toStdString();
    return std::string("(no caption)");
  };
  EXPECT_EQ(caption_of("Edit30"), "STRUMIEŃ WYWIEWU");
  EXPECT_EQ(caption_of("ComboBox1"), "WYBIERZ MIASTO");

  // Another language: the captions follow, the chosen city and the results stay.
  ASSERT_TRUE(LoadLanguage(2));
  EXPECT_EQ(Child<QComboBox>("ComboBox1")->currentText(), "WARSZAWA");
  EXPECT_EQ(Child<QLabel>("Label15")->text(), Text(768));
  EXPECT_EQ(Child<QLabel>("Label57")->text(), Text(810));
  EXPECT_EQ(Shown("Label71"), Dec("1887,9"));
  EXPECT_EQ(months->verticalHeaderItem(1)->text(), "heating [kWh]");
  // No Polish word is left among the captions and units.
  EXPECT_EQ(caption_of("Edit30"), "EXHAUST AIR FLOW");
  EXPECT_EQ(caption_of("ComboBox1"), Text(229).toStdString());
  EXPECT_EQ(Text(229), "CHOOSE A CITY");
  QStringList results_units;
  for (QLabel* l : Child<QWidget>("GroupBox3")->findChildren<QLabel*>())
    if (l->text().startsWith("kg")) results_units << l->text();
  EXPECT_EQ(results_units.join(" ").toStdString(), "kg/year");
  EXPECT_EQ(Child<QWidget>("Button2")->toolTip(), "Copy the operating hours to the next day");
  messages_.Clear();
  Child<QPushButton>("Button1")->click();
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(Shown("Label106"), Dec("4237,1"));
}

TEST_F(EnergyWindowTest, ChartPictureIsSavedAndOffered) {
  std::vector<QUrl> opened;
  SetExternalOpener([&](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  OfficeHours();
  ChooseCity("WARSZAWA");
  energy_->show();
  QApplication::processEvents();
  messages_.Clear();
  Child<QPushButton>("BitBtn14")->click();
  energy_->hide();
  SetExternalOpener(nullptr);
  ASSERT_GE(messages_.shown().size(), 1u);
  const QString text = messages_.shown()[0].text;
  EXPECT_TRUE(text.startsWith(Text(1193))) << text.toStdString();
  EXPECT_TRUE(text.endsWith(Text(1194))) << text.toStdString();
  ASSERT_EQ(opened.size(), 1u);
  const QString path = opened[0].toLocalFile();
  EXPECT_TRUE(QFileInfo(path).fileName().startsWith("KZE")) << path.toStdString();
  EXPECT_TRUE(path.endsWith(".jpg"));
  const QImage picture(path);
  EXPECT_EQ(picture.size(), energy_->size());
  QFile::remove(path);
}

// The chart draws several hours in one pixel column: the highest hour of each
// curve must still reach its height, in its colour.
TEST(YearChartPicture, EveryCurveReachesItsHighestHour) {
  const ClimateYear year = LoadClimateYear(DataDir().toStdString(), "WARSZAWA");
  ASSERT_TRUE(year.ok());
  EnergyInputs in;
  WeeklyTimetable tt;
  for (int d = 0; d < 7; ++d) {
    tt.day_on[d] = true;
    for (int h = 0; h < 24; ++h) tt.hours[d][h] = true;
  }
  const EnergyResults r = ComputeEnergy(in, tt, year.hours);
  ASSERT_TRUE(r.ok());
  QImage image(1260, 500, QImage::Format_RGB32);
  QPainter p(&image);
  PaintYearChart(p, image.rect(), {&year.hours, &r, in.sections, -1});
  const QRect plot = YearChartPlot(image.rect(), QFontMetrics(p.font()));
  p.end();
  const YearChartScale s = YearChart(r, year.hours, plot.height());
  ASSERT_GT(s.ke, 0);
  const double mid = plot.top() + plot.height() / 2.0;
  struct Curve {
    const std::vector<double>* values;
    std::function<bool(QColor)> colour;
    const char* name;
  };
  const Curve curves[] = {
      {&r.heating, [](QColor c) { return c.red() > c.green() + 80 && c.red() > c.blue() + 80; }, "heating"},
      {&r.cooling, [](QColor c) { return c.blue() > c.red() + 80 && c.blue() > c.green() + 60; }, "cooling"},
      {&r.humidification, [](QColor c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 60; }, "humid"}};
  for (const Curve& c : curves) {
    const auto peak = std::max_element(c.values->begin(), c.values->end()) - c.values->begin();
    const int x = plot.left() + YearChartX(int(peak), plot.width());
    const int y = int(std::lround(mid - (*c.values)[peak] * s.ke));
    bool found = false;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -2; dy <= 2; ++dy) found = found || c.colour(QColor(image.pixel(x + dx, y + dy)));
    EXPECT_TRUE(found) << c.name << " at hour " << peak;
  }
}

TEST_F(EnergyWindowTest, FailuresAreSaidAndKeepThePreviousResults) {
  // No city yet: said before the inputs are read, so also with an input
  // that is not a number.
  Edit("Edit2")->setText("x");
  Child<QPushButton>("Button1")->click();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA");
  EXPECT_EQ(messages_.shown()[0].text, Text(1191));
  Edit("Edit2")->setText("20");
  // No hour ticked: the chart's statistics are there, no results.
  messages_.Clear();
  ChooseCity("KRAKOW");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, Text(1189));
  EXPECT_FALSE(Shown("Label23").empty());
  EXPECT_EQ(Shown("Label106"), "");
  // Only "23:00" of a day is enough.
  messages_.Clear();
  Box(3)->setChecked(true);
  Hours(3)->item(23)->setCheckState(Qt::Checked);
  Child<QPushButton>("Button1")->click();
  EXPECT_TRUE(messages_.shown().empty());
  const std::string total = Shown("Label106");
  EXPECT_NE(total, "");
  EXPECT_EQ(energy_->results().operating.size(), 52u);
  // Stop date before the start date.
  Edit("Edit3")->setText("10");
  Edit("Edit4")->setText("05");
  Edit("Edit5")->setText("01");
  Edit("Edit6")->setText("05");
  Child<QPushButton>("Button1")->click();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, Text(823));
  EXPECT_EQ(Shown("Label106"), total);
  Edit("Edit3")->setText("01");
  Edit("Edit4")->setText("01");
  Edit("Edit5")->setText("31");
  Edit("Edit6")->setText("12");
  // All sections off: said before the inputs are read.
  messages_.Clear();
  for (int n : {15, 16, 17, 18, 19, 20}) Box(n)->setChecked(false);
  Edit("Edit17")->setText("");
  Child<QPushButton>("Button1")->click();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, Text(1192));
  EXPECT_EQ(Shown("Label106"), total);
  Edit("Edit17")->setText("1000");
  Box(18)->setChecked(true);
  // A non-number ends the calculation silently.
  messages_.Clear();
  Edit("Edit17")->setText("abc");
  Child<QPushButton>("Button1")->click();
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(Shown("Label106"), total);
  Edit("Edit17")->setText("1000");
  // A city whose file is missing (a data folder without climate files).
  QTemporaryDir empty;
  ASSERT_TRUE(QDir(empty.path()).mkpath("KLIMAT"));
  const QByteArray data_dir = qgetenv("ORVANTA_DATA_DIR");
  qputenv("ORVANTA_DATA_DIR", empty.path().toLocal8Bit());
  ChooseCity("GDANSK");
  if (data_dir.isEmpty()) qunsetenv("ORVANTA_DATA_DIR");
  else qputenv("ORVANTA_DATA_DIR", data_dir);
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA");
  EXPECT_EQ(messages_.shown()[0].text, Text(822));
  EXPECT_EQ(Shown("Label106"), total);
}

TEST_F(EnergyWindowTest, SwitchesEnableTheirInputsAndShowTheirResults) {
  Box(15)->setChecked(false);
  EXPECT_FALSE(Edit("Edit2")->isEnabled());
  EXPECT_FALSE(Child<QWidget>("UpDown5")->isEnabled());
  Box(17)->setChecked(false);
  EXPECT_FALSE(Edit("Edit14")->isEnabled());
  EXPECT_TRUE(Edit("Edit15")->isEnabled());  // the cooler still uses the moisture recovery
  Box(16)->setChecked(false);
  EXPECT_FALSE(Edit("Edit15")->isEnabled());
  EXPECT_FALSE(Edit("Edit29")->isEnabled());
  // "Nawilżacz" ticks "Nagrzewnica".
  Box(17)->setChecked(true);
  EXPECT_TRUE(Box(15)->isChecked());
  EXPECT_TRUE(Edit("Edit2")->isEnabled());
  EXPECT_TRUE(Edit("Edit15")->isEnabled());
  // The fan price follows either fan.
  Box(18)->setChecked(false);
  EXPECT_TRUE(Edit("Edit19")->isEnabled());
  Box(19)->setChecked(false);
  EXPECT_FALSE(Edit("Edit19")->isEnabled());
  EXPECT_FALSE(Edit("Edit17")->isEnabled());
  Box(20)->setChecked(false);
  EXPECT_FALSE(Edit("Edit26")->isEnabled());
  // Switched-off sections show no result and no readout.
  energy_->show();
  QApplication::processEvents();
  EXPECT_FALSE(Child<QLabel>("Label110")->isVisible());
  EXPECT_FALSE(Child<QLabel>("Label151")->isVisible());
  EXPECT_FALSE(Child<QLabel>("Label134")->isVisible());
  EXPECT_TRUE(Child<QLabel>("Label71")->isVisible());
  EXPECT_TRUE(Child<QLabel>("Label129")->isVisible());
  energy_->hide();
  // A heater that is off counts nothing in the year.
  Box(18)->setChecked(true);
  OfficeHours();
  Box(17)->setChecked(false);
  Box(15)->setChecked(false);
  ChooseCity("WARSZAWA");
  EXPECT_EQ(Shown("Label71"), Dec("0"));
}

TEST_F(EnergyWindowTest, TimetableButtonsTickCopyAndEnable) {
  EXPECT_FALSE(Hours(1)->isEnabled());
  EXPECT_FALSE(Box(8)->isEnabled());
  Box(1)->setChecked(true);
  EXPECT_TRUE(Hours(1)->isEnabled());
  EXPECT_TRUE(Box(8)->isEnabled());
  Box(8)->click();  // "zaznacz/odznacz"
  for (int h = 0; h < 24; ++h) EXPECT_EQ(Hours(1)->item(h)->checkState(), Qt::Checked) << h;
  EXPECT_EQ(Hours(1)->item(23)->text(), "23:00");
  Hours(1)->item(3)->setCheckState(Qt::Unchecked);
  Child<QPushButton>("Button2")->click();  // "KOPIUJ-->" Monday to Tuesday
  for (int h = 0; h < 24; ++h) EXPECT_EQ(Hours(2)->item(h)->checkState(), h == 3 ? Qt::Unchecked : Qt::Checked) << h;
  EXPECT_FALSE(Box(2)->isChecked());  // the day itself stays off
  Child<QPushButton>("Button3")->click();  // Tuesday to Wednesday
  EXPECT_EQ(Hours(3)->item(4)->checkState(), Qt::Checked);
  EXPECT_EQ(Hours(4)->item(4)->checkState(), Qt::Unchecked);
  Box(8)->click();
  for (int h = 0; h < 24; ++h) EXPECT_EQ(Hours(1)->item(h)->checkState(), Qt::Unchecked) << h;
  EXPECT_EQ(Child<QPushButton>("Button7")->text(), Text(820));
}

TEST_F(EnergyWindowTest, UpDownsMirrorTheirEditsAndKeepDatesValid) {
  ClickArrow("UpDown5", true);
  EXPECT_EQ(EditText("Edit7"), "81");
  Edit("Edit7")->setText("50");
  ClickArrow("UpDown5", false);
  EXPECT_EQ(EditText("Edit7"), "49");
  ClickArrow("UpDown10", true, 40);
  EXPECT_EQ(EditText("Edit21"), "100");
  // Recirculation: the fresh air follows, above 100 becomes 100, a fraction is refused.
  Edit("Edit1")->setText("2000");
  Edit("Edit27")->setText("25");
  EXPECT_EQ(EditText("Edit28"), "1500");
  ClickArrow("UpDown11", true);
  EXPECT_EQ(EditText("Edit27"), "26");
  EXPECT_EQ(EditText("Edit28"), "1480");
  Edit("Edit27")->setText("150");
  EXPECT_EQ(EditText("Edit27"), "100");
  EXPECT_EQ(EditText("Edit28"), "0");
  EXPECT_TRUE(messages_.shown().empty());
  Edit("Edit27")->setText(QString::fromStdString(Dec("2,5")));
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA info");
  EXPECT_EQ(messages_.shown()[0].text, Text(824));
  // Dates: two digits, and a day the month does not have is pulled back.
  ClickArrow("UpDown1", false);  // day 1 stays 1
  EXPECT_EQ(EditText("Edit3"), "01");
  ClickArrow("UpDown3", false, 3);
  EXPECT_EQ(EditText("Edit5"), "28");
  ClickArrow("UpDown3", true, 3);
  EXPECT_EQ(EditText("Edit5"), "31");
  ClickArrow("UpDown4", false, 1);  // November
  EXPECT_EQ(EditText("Edit6"), "11");
  EXPECT_EQ(EditText("Edit5"), "30");
  ClickArrow("UpDown4", false, 9);  // February
  EXPECT_EQ(EditText("Edit6"), "02");
  EXPECT_EQ(EditText("Edit5"), "28");
}

TEST_F(EnergyWindowTest, TheReadoutShowsTheHourUnderTheMouse) {
  OfficeHours();
  ChooseCity("WARSZAWA");
  energy_->show();
  QApplication::processEvents();
  YearChartView* chart = energy_->chart();
  const QRect plot = chart->PlotRect();
  ASSERT_GT(plot.width(), 400);
  // Find a summer working hour with cooling to the left of the middle of July.
  const int x = plot.left() + plot.width() * 195 / 365;
  QMouseEvent move(QEvent::MouseMove, QPointF(x, plot.center().y()), chart->mapToGlobal(QPointF(x, plot.center().y())),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(chart, &move);
  const int position = HourUnderMouse(x - plot.left(), plot.width());
  const ClimateYear year = LoadClimateYear(DataDir().toStdString(), "WARSZAWA");
  const EnergyHourTexts t = HourTexts(energy_->results(), year.hours, position, UiDecimalSeparator());
  EXPECT_EQ(Shown("Label5"), t.hour);
  EXPECT_EQ(Shown("Label6"), t.t);
  EXPECT_EQ(Shown("Label54"), t.rh);
  EXPECT_EQ(Shown("Label61"), t.heat);
  EXPECT_EQ(Shown("Label64"), t.cool);
  EXPECT_EQ(Shown("Label129"), t.humid);
  EXPECT_EQ(Shown("Label134"), t.water);
  EXPECT_FALSE(t.hour.empty());
  // The hour shown is the one the chart draws under the mouse: x·8760/width
  // rounded, counted from 1 — the hour record's own number and temperature.
  const int dx = plot.width() / 3;
  const int hour = int(std::floor(dx * 8760.0 / plot.width() + 0.5));
  QMouseEvent third(QEvent::MouseMove, QPointF(plot.left() + dx, plot.center().y()),
                    chart->mapToGlobal(QPointF(plot.left() + dx, plot.center().y())), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(chart, &third);
  EXPECT_EQ(Shown("Label5"), std::to_string(hour));
  EXPECT_EQ(year.hours[hour - 1].hour, hour);
  EXPECT_EQ(Shown("Label6"), NumberText(year.hours[hour - 1].t, UiDecimalSeparator()));
  EXPECT_EQ(chart->HourAt(plot.left()), 0);
  EXPECT_EQ(chart->HourAt(plot.left() - 5), -1);
  energy_->hide();
}

TEST_F(EnergyWindowTest, KzeHandsTheUnitOverAndOpensTheCalculator) {
  auto* unit = main_.findChild<AhuWindow*>("TForm14");
  ASSERT_NE(unit, nullptr);
  auto* kze = unit->findChild<QPushButton*>("BitBtn5");
  ASSERT_TRUE(kze->isEnabled());
  auto close_next = [] {
    QTimer::singleShot(0, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) static_cast<QDialog*>(modal)->reject();
    });
  };
  // Before the unit can compute (no outdoor state yet) the typed values go over.
  unit->edit("Edit16")->setText("3200");
  unit->edit("Edit34")->setText("72");
  close_next();
  kze->click();
  EXPECT_EQ(EditText("Edit1"), "3200");
  EXPECT_EQ(EditText("Edit7"), "72");

  unit->edit("Edit2")->setText("-20");
  unit->edit("Edit4")->setText("100");
  unit->edit("Edit16")->setText("2500");
  unit->edit("Edit17")->setText("22");
  unit->edit("Edit23")->setText("23");
  unit->edit("Edit25")->setText("45");
  unit->edit("Edit34")->setText("65");
  unit->edit("Edit35")->setText("30");
  unit->edit("Edit36")->setText("40");
  unit->edit("Edit50")->setText("15");
  unit->edit("Edit51")->setText("8");
  unit->findChild<QCheckBox*>("CheckBox2")->setChecked(false);  // no mixing
  unit->findChild<QCheckBox*>("CheckBox13")->setChecked(false);  // no cooler
  unit->findChild<QCheckBox*>("CheckBox4")->setChecked(true);
  unit->Compute();
  QString opened;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal) opened = modal->objectName();
    if (modal) static_cast<QDialog*>(modal)->reject();
  });
  kze->click();
  EXPECT_EQ(opened, "TForm21");
  EXPECT_EQ(EditText("Edit1"), "2500");
  EXPECT_EQ(EditText("Edit2"), "22");
  EXPECT_EQ(EditText("Edit8"), "15");
  EXPECT_EQ(EditText("Edit23"), "8");
  EXPECT_EQ(EditText("Edit13"), "23");
  EXPECT_EQ(EditText("Edit7"), "65");
  EXPECT_EQ(EditText("Edit12"), "65");
  EXPECT_EQ(EditText("Edit14"), "45");
  EXPECT_EQ(EditText("Edit29"), "45");
  EXPECT_EQ(EditText("Edit15"), "30");
  EXPECT_EQ(EditText("Edit27"), "0");  // mixing off
  EXPECT_TRUE(Box(15)->isChecked());
  EXPECT_FALSE(Box(16)->isChecked());
  EXPECT_TRUE(Box(17)->isChecked());
  // Recovery off: both efficiencies become 0; mixing on hands its degree over.
  unit->findChild<QCheckBox*>("CheckBox1")->setChecked(false);
  unit->findChild<QCheckBox*>("CheckBox2")->setChecked(true);
  unit->edit("Edit36")->setText("40");
  unit->Compute();
  close_next();
  kze->click();
  EXPECT_EQ(EditText("Edit7"), "0");
  EXPECT_EQ(EditText("Edit12"), "0");
  EXPECT_EQ(EditText("Edit27"), "40");
  EXPECT_EQ(EditText("Edit28"), "1500");
}

TEST_F(EnergyWindowTest, ExportAsksForTheReportDataAndSaysWhyNothingWasWritten) {
  std::vector<QUrl> opened;
  SetExternalOpener([&](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  OfficeHours();
  ChooseCity("WARSZAWA");
  messages_.Clear();
  int shown = 0;
  std::function<void()> answer = [&] {
    auto* data = qobject_cast<ReportDataWindow*>(QApplication::activeModalWidget());
    if (!data) return;
    ++shown;
    data->set_pause_ms(0);
    if (shown == 1) {
      data->findChild<QLineEdit*>("Edit1")->setText("Biurowiec");
      data->findChild<QPushButton*>("Button1")->click();
      QTimer::singleShot(0, answer);  // the window comes back after the report
    } else {
      data->reject();
    }
  };
  QTimer::singleShot(0, answer);
  Child<QPushButton>("BitBtn2")->click();
  SetExternalOpener(nullptr);
  EXPECT_EQ(shown, 2);
  ASSERT_GE(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, Text(1231));
  if (opened.empty()) {
    // Nothing written: the report writer's own message says why.
    ASSERT_EQ(messages_.shown().size(), 2u);
    EXPECT_EQ(messages_.shown()[1].caption, "ORVANTA INFO");
    EXPECT_TRUE(messages_.shown()[1].text.contains("DefaultRaportKZE") ||
                messages_.shown()[1].text.contains("ORVANTA_KZE_RAPORT-"))
        << messages_.shown()[1].text.toStdString();
  } else {
    // Written: the report is opened, nothing else is said.
    EXPECT_EQ(messages_.shown().size(), 1u);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].toLocalFile().contains("ORVANTA_KZE_RAPORT-"));
  }
  // The chart picture of the report.
  const QImage chart = energy_->ChartImage();
  EXPECT_EQ(chart.size(), QSize(1260, 500));
  EXPECT_NE(chart.pixel(630, 250), chart.pixel(2, 2));  // drawn, not blank
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

// On a 1366-pixel screen the whole width shows — all seven days of the
// timetable and every cost — in Polish and in English; only the height
// scrolls.
TEST_F(EnergyWindowTest, TheWholeWidthFitsASmallScreen) {
  auto* area = energy_->findChild<QScrollArea*>("ScrollBox1");
  ASSERT_NE(area, nullptr);
  for (int language : {1, 2}) {
    ASSERT_TRUE(LoadLanguage(language));
    ChooseCity("GORZOW WIELKOPOLSKI");
    QApplication::processEvents();
    const int need = area->widget()->minimumSizeHint().width() + 2 * area->frameWidth() +
                     area->verticalScrollBar()->sizeHint().width();
    EXPECT_LE(need, 1366 - 20) << "language " << language;
  }
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

// The legend wraps rather than run into the energy axis's unit ("kWh, kg"
// above the plot's right edge) or out of the picture, in the window's
// narrowest chart and in the report's picture, in Polish and in English.
TEST(YearChartPicture, TheLegendKeepsClearOfTheAxisUnit) {
  const QFont font;
  const QFontMetrics fm(font);
  for (int language : {1, 2}) {
    ASSERT_TRUE(LoadLanguage(language));
    for (int width : {560, 760, 1260}) {
      const QRect area(0, 0, width, 400);
      const QRect plot = YearChartPlot(area, fm);
      const QRect unit(plot.right() + 4, plot.top() - fm.height() - 2, area.right() - plot.right() - 4, fm.height());
      const std::vector<QRect> boxes = YearChartLegend(area, fm, EnergySections{});
      ASSERT_EQ(boxes.size(), 5u);
      for (size_t k = 0; k < boxes.size(); ++k) {
        const QRect& b = boxes[k];
        EXPECT_FALSE(b.intersects(unit)) << "language " << language << ", width " << width << ", entry " << k;
        EXPECT_TRUE(area.contains(b)) << "language " << language << ", width " << width << ", entry " << k;
        EXPECT_LT(b.bottom(), plot.top()) << "language " << language << ", width " << width << ", entry " << k;
        for (size_t j = 0; j < k; ++j) EXPECT_FALSE(b.intersects(boxes[j])) << "entries " << j << " and " << k;
      }
      // Wide enough, the legend is one row.
      if (width == 1260) EXPECT_EQ(boxes.front().top(), boxes.back().top());
    }
  }
}

}  // namespace
}  // namespace orvanta
