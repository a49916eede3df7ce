// The air-handling unit calculator in the real main window: opened from the
// menu and the toolbar, a winter and a summer case driven through the
// objectNames with every output compared with the unit computation, the
// results window, and the transfer of the unit onto the chart.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app/settings_store.h"
#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/main_window.h"
#include "calculators/calc_result.h"
#include "calculators/climate/climate_year.h"
#include "calculators/ui/ahu_window.h"
#include "chart/ui/chart_export.h"
#include "english_texts.h"

namespace orvanta {
namespace {

class AhuWindowTest : public ::testing::Test {
 protected:
  AhuWindowTest() : main_(std::make_unique<MemoryStore>()) {
    unit_ = main_.findChild<AhuWindow*>("TForm14");
  }
  QLineEdit* Edit(const char* name) { return unit_->findChild<QLineEdit*>(name); }
  void Type(const char* name, const QString& text) { Edit(name)->setText(text); }
  template <class T>
  T* Child(const char* name) {
    return unit_->findChild<T*>(name);
  }
  void Trigger(const char* action) { unit_->findChild<QAction*>(action)->trigger(); }
  static QString Shown(double v, int decimals) {
    return QString::fromStdString(calculators::ShownNumber(v, decimals, UiDecimalSeparator()));
  }
  // A decimal written with '.' as the window shows it.
  static QString Dec(QString s) { return s.replace('.', QChar(UiDecimalSeparator())); }

  // Every output edit against the unit computation of the same inputs.
  void ExpectOutputsOf(const UnitInputs& in) {
    const UnitStates s = ComputeUnit(in);
    ASSERT_TRUE(s.ok());
    const std::pair<const char*, QString> expected[] = {
        {"Edit1", Shown(s.v_outdoor, 2)},          {"Edit3", Shown(s.cz.x, 5)},
        {"Edit5", Shown(s.cz.rho, 3)},             {"Edit7", Shown(s.rot.t, 2)},
        {"Edit8", Shown(s.rot.x, 5)},              {"Edit9", Shown(s.rot.phi * 100, 2)},
        {"Edit10", Shown(s.rot.rho, 3)},           {"Edit28", Shown(s.recovery_sensible, 1)},
        {"Edit48", Shown(s.recovery_total, 1)},    {"Edit12", Shown(s.rec.t, 2)},
        {"Edit13", Shown(s.rec.x, 5)},             {"Edit14", Shown(s.rec.phi * 100, 2)},
        {"Edit15", Shown(s.rec.rho, 3)},           {"Edit37", Shown(s.v_recirc, 2)},
        {"Edit27", Shown(s.mixing_sensible, 1)},   {"Edit49", Shown(s.mixing_total, 1)},
        {"Edit55", Shown(s.cooling_total, 2)},     {"Edit56", Shown(s.cooling_sensible, 2)},
        {"Edit18", Shown(s.n.x, 5)},               {"Edit19", Shown(s.n.phi * 100, 2)},
        {"Edit20", Shown(s.n.rho, 3)},             {"Edit21", Shown(s.heater_power, 2)},
        {"Edit38", Shown(s.steam, 2)},             {"Edit24", Shown(s.w.x, 5)},
        {"Edit26", Shown(s.w.rho, 3)},             {"Edit29", Shown(s.v_discharge, 2)},
        {"Edit30", Shown(s.wy.t, 2)},              {"Edit31", Shown(s.wy.x, 5)},
        {"Edit32", Shown(s.wy.phi * 100, 2)},      {"Edit33", Shown(s.wy.rho, 3)},
        {"Edit39", Shown(s.discharge_condensate, 2)},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(Edit(name)->text(), text) << name;
    if (s.cooler_computed) {
      EXPECT_EQ(Edit("Edit52")->text(), Shown(s.ch.x, 5));
      EXPECT_EQ(Edit("Edit53")->text(), Shown(s.ch.phi * 100, 2));
      EXPECT_EQ(Edit("Edit54")->text(), Shown(s.ch.rho, 3));
      EXPECT_EQ(Edit("Edit62")->text(), Shown(s.cooler_condensate, 1));
    }
  }

  // The texts of the main window's points tree, top level.
  QStringList TreePoints() {
    QStringList names;
    auto* tree = main_.findChild<QTreeWidget*>("TreeView1");
    for (int i = 0; i < tree->topLevelItemCount(); ++i) names << tree->topLevelItem(i)->text(0);
    return names;
  }
  QStringList ProjectPoints() {
    QStringList names;
    for (int i = 0; i < main_.project().point_count(); ++i)
      names << QString::fromStdString(main_.project().point(i).name);
    return names;
  }
  QStringList ProjectProcesses() {
    QStringList names;
    for (int i = 0; i < main_.project().process_count(); ++i)
      names << QString::fromStdString(main_.project().process(i).name);
    return names;
  }

  // Summer zone I, recovery 60 %, recirculation 30 %, cooler 12 °C / 6 °C.
  void SummerUnit() {
    Trigger("STREFAKLIMATYCZNAIte16fi1001");
    Type("Edit34", "60");
    Type("Edit35", "40");
    Type("Edit36", "30");
    Type("Edit50", "12");
    Type("Edit51", "6");
    ASSERT_FALSE(Edit("Edit52")->text().isEmpty());
  }

  RecordingResponder messages_;
  MainWindow main_;
  AhuWindow* unit_ = nullptr;
};

TEST_F(AhuWindowTest, OpensFromTheMenuAndTheToolbarButton) {
  ASSERT_NE(unit_, nullptr);
  QAction* menu_item = main_.findChild<QAction*>("Kalkulatorcentralwentylacyjnych1");
  ASSERT_NE(menu_item, nullptr);
  EXPECT_TRUE(menu_item->isEnabled());
  QAbstractButton* toolbar_button = nullptr;
  for (QAbstractButton* b : main_.findChildren<QAbstractButton*>("BitBtn5"))
    if (b->window() == &main_) toolbar_button = b;
  ASSERT_NE(toolbar_button, nullptr);
  EXPECT_EQ(toolbar_button->text(), "K.C.W.");
  const std::function<void()> openers[] = {[&] { menu_item->trigger(); }, [&] { toolbar_button->click(); }};
  for (const auto& open : openers) {
    QString opened;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal) opened = modal->objectName() + " " + modal->windowTitle();
      if (modal) static_cast<QDialog*>(modal)->reject();
    });
    open();
    EXPECT_EQ(opened.toStdString(), ("TForm14 " + Text(122)).toStdString());
  }
  // "Z.C.W" and "Z.C.L" open the heat-gain windows, "K.Z.E" the energy calculator.
  for (auto [button, form] : {std::pair{"BitBtn1", "TForm11"}, std::pair{"BitBtn4", "TForm13"},
                              std::pair{"BitBtn5", "TForm21"}}) {
    ASSERT_TRUE(Child<QPushButton>(button)->isEnabled()) << button;
    QString shown;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal) shown = modal->objectName();
      if (modal) static_cast<QDialog*>(modal)->reject();
    });
    Child<QPushButton>(button)->click();
    EXPECT_EQ(shown.toStdString(), form) << button;
  }
}

TEST_F(AhuWindowTest, StartsEmptyUntilTheOutdoorStateIsGiven) {
  // The outdoor edits are empty at the start: nothing is computed.
  EXPECT_EQ(Edit("Edit2")->text(), "");
  EXPECT_EQ(Edit("Edit1")->text(), "");
  EXPECT_EQ(Edit("Edit21")->text(), "");
  EXPECT_EQ(Child<QComboBox>("ComboBox2")->currentText().toStdString(), Text(229).toStdString());
  EXPECT_FALSE(Child<QComboBox>("ComboBox2")->isEnabled());
  // A typed word empties the outputs again, no message.
  Trigger("STREFAKLIMATYCZNAIII1");
  EXPECT_NE(Edit("Edit1")->text(), "");
  Type("Edit23", "abc");
  EXPECT_EQ(Edit("Edit1")->text(), "");
  EXPECT_EQ(Edit("Edit24")->text(), "");
  EXPECT_TRUE(messages_.shown().empty());
}

// Winter, zone III: tcz = -20 °C, 100 %; all sections on; recovery 60 % / 50 %,
// recirculation 20 %, no cooler temperatures. Hand check of the room state at
// pb = 101300 Pa: ps(20) = 610.5·exp(17.269·20/257.3) = 2336.9 Pa,
// xw = 0.622·0.4·2336.9/(101300 − 934.8) = 0.00579 kg/kg;
// ρw = (101300/(462·293.15))·(1 + 0.00579)/(0.00579 + 0.622) = 1.198 kg/m³.
TEST_F(AhuWindowTest, WinterCaseThroughTheWindow) {
  Child<QRadioButton>("RadioButton1")->click();
  Trigger("STREFAKLIMATYCZNAIII1");
  EXPECT_EQ(Edit("Edit2")->text(), "-20");
  EXPECT_EQ(Edit("Edit4")->text(), "100");
  EXPECT_EQ(Child<QGroupBox>("GroupBox8")->title(),
            Text(226) + Text(219));
  Type("Edit34", "60");
  Type("Edit35", "50");
  Type("Edit36", "20");

  UnitInputs in;
  in.pb = main_.settings().chart.pb;
  in.t_outdoor = -20;
  in.phi_outdoor = 1;
  in.eta_t = 0.6;
  in.eta_x = 0.5;
  in.r = 0.2;
  ExpectOutputsOf(in);
  EXPECT_EQ(Edit("Edit24")->text(), Dec("0.00579"));
  EXPECT_EQ(Edit("Edit26")->text(), Dec("1.198"));
  // Every field by hand at pb = 101300 Pa. Vrec = 200, Vfs = Vex = 800,
  // ρs* = ρ(20, xw) = ρw. Outdoor: xcz = 0.622·125.4/(101300 − 125.4) = 0.00077,
  // ρcz = 1.392, Vcz = 800·ρs*/ρcz = 688.75. Recovery: trot = −20 + 0.6·(20·800 + 20·800)/800 = 4,
  // k = ηx (equal flows): xrot = 0.5·(xcz + xw) = 0.00328, φ = 65.36 %, ρ = 1.269;
  // Vcz/3600·1.005·ρcz·24 = 6.4 kW, with irot − icz 8.1 kW. Mixing by mass
  // (200·ρw, 800·ρs*): trec = (200·20 + 800·4)/1000 = 7.2; xrec = (800·xrot + 200·xw)/1000
  // = 0.00378, φ = 60.31 %, ρ = 1.255; 200/3600·1.005·ρw·(20 − 4) = 1.1 kW, total 1.5 kW.
  // Supply at 20 °C with xrec: φ = 26.2 %, ρn = 1.2; heater Vcz/3600·1.005·ρcz·16 +
  // 200/3600·1.005·ρn·0 = 4.28 kW; steam 1000·ρn·(xw − xn) = 2.41 kg/h.
  // Discharge: twy = −20 + 0.4·40 = −4, xwy = xcz + 0.5·(xw − xcz) above x″(−4) = 0.0028:
  // 100 %, ρ = 1.308, Vwy = 800·ρw/ρwy = 733.18, condensate (xwy − x″)·800·ρwy = 0.5.
  const std::pair<const char*, const char*> by_hand[] = {
      {"Edit1", "688.75"},  {"Edit3", "0.00077"},  {"Edit5", "1.392"},   {"Edit7", "4"},
      {"Edit8", "0.00328"}, {"Edit9", "65.36"},    {"Edit10", "1.269"},  {"Edit28", "6.4"},
      {"Edit48", "8.1"},    {"Edit12", "7.2"},     {"Edit13", "0.00378"}, {"Edit14", "60.31"},
      {"Edit15", "1.255"},  {"Edit37", "200"},     {"Edit27", "1.1"},    {"Edit49", "1.5"},
      {"Edit18", "0.00378"}, {"Edit19", "26.2"},   {"Edit20", "1.2"},    {"Edit21", "4.28"},
      {"Edit38", "2.41"},   {"Edit29", "733.18"},  {"Edit30", "-4"},     {"Edit31", "0.0028"},
      {"Edit32", "100"},    {"Edit33", "1.308"},   {"Edit39", "0.5"},
  };
  ASSERT_EQ(main_.settings().chart.pb, 101300);
  for (const auto& [name, text] : by_hand) EXPECT_EQ(Edit(name)->text(), Dec(text)) << name;
  // No cooler temperatures: the cooler shows 0 kW and the supply keeps xrec.
  EXPECT_EQ(Edit("Edit55")->text(), "0");
  EXPECT_EQ(Edit("Edit56")->text(), "0");
  EXPECT_EQ(Edit("Edit18")->text(), Edit("Edit13")->text());
  EXPECT_EQ(Edit("Edit6")->text(), "20");
  // A heater and a steam demand in winter.
  EXPECT_GT(ParseTypedNumber(Edit("Edit21")->text()).value(), 0);
  EXPECT_GT(ParseTypedNumber(Edit("Edit38")->text()).value(), 0);

  // "WYNIKI" copies the section powers.
  QStringList results;
  QTimer::singleShot(0, [&] {
    QWidget* w = QApplication::activeModalWidget();
    ASSERT_NE(w, nullptr);
    results << w->objectName();
    for (const char* e : {"Edit1", "Edit3", "Edit5", "Edit9", "Edit10", "Edit11"})
      results << w->findChild<QLineEdit*>(e)->text();
    w->findChild<QPushButton*>("BitBtn1")->click();
  });
  Child<QPushButton>("Button2")->click();
  EXPECT_EQ(results, (QStringList{"TForm20", "60", Edit("Edit28")->text(), "20", "0", Edit("Edit21")->text(),
                                  Edit("Edit38")->text()}));

  // Switching recovery off zeroes its efficiencies; back on restores them.
  Child<QCheckBox>("CheckBox1")->setChecked(false);
  EXPECT_EQ(Edit("Edit34")->text(), "0");
  EXPECT_FALSE(Child<QGroupBox>("GroupBox3")->isVisibleTo(unit_));
  Child<QCheckBox>("CheckBox1")->setChecked(true);
  EXPECT_EQ(Edit("Edit34")->text(), "60");
  EXPECT_EQ(Edit("Edit35")->text(), "50");
  // Above 100 % is taken as 100.
  Type("Edit36", "150");
  EXPECT_EQ(Edit("Edit36")->text(), "100");
}

// Summer, zone II (30 °C, 45 %): recovery 50 % / 0 %, recirculation 20 %, cooler
// to 14 °C on an 8 °C surface, reheat to 18 °C, room 24 °C / 50 %. By hand at
// pb = 101300 Pa: xw = 0.00929, ρs* = ρ(18, xw) = 1.20403; xcz = 0.01194, ρcz = 1.155,
// Vcz = 800·ρs*/ρcz = 834.28. Outdoor above the room: trot = 30 − 6·0.5 = 27, xrot = xcz;
// Vcz/3600·1.005·ρcz·(27 − 30) = −0.8 kW. Mixing (200·ρw with 834.28·ρcz):
// trec = 26.41, xrec = (800·xcz + 200·xw)/1000 = 0.01141. Cooler: x″(8) = 0.006654,
// xch = x″ + (14 − 8)/(26.41 − 8)·(xrec − x″) = 0.0082; m = 1000·ρs*:
// m/3600·(irec − ich) = 6.97 kW, m/3600·1.005·(26.41 − 14) = 4.17 kW,
// m·(xrec − xch) = 3.9 kg/h. Reheat 1000/3600·ρ(18, xch)·1.005·4 = 1.35 kW;
// room moisture 1000·1.205·(xw − xch) = 1.31 kg/h. Discharge: twy = 30 − 0.5·6 = 27, xwy = xw.
TEST_F(AhuWindowTest, SummerZoneCaseThroughTheWindow) {
  Child<QRadioButton>("RadioButton2")->click();
  Trigger("STREFAKLIMATYCZNAIte28fi521");
  EXPECT_EQ(Edit("Edit2")->text(), "30");
  EXPECT_EQ(Edit("Edit4")->text(), "45");
  EXPECT_EQ(Child<QGroupBox>("GroupBox8")->title(), Text(227) + Text(223));
  for (auto [name, text] : {std::pair{"Edit34", "50"}, {"Edit35", "0"}, {"Edit36", "20"}, {"Edit17", "18"},
                            {"Edit23", "24"}, {"Edit25", "50"}, {"Edit50", "14"}, {"Edit51", "8"}})
    Type(name, text);
  const std::pair<const char*, const char*> by_hand[] = {
      {"Edit1", "834.28"}, {"Edit3", "0.01194"}, {"Edit5", "1.155"}, {"Edit7", "27"},
      {"Edit8", "0.01194"}, {"Edit9", "53.55"}, {"Edit10", "1.166"}, {"Edit28", "-0.8"},
      {"Edit48", "-0.8"}, {"Edit12", "26.41"}, {"Edit13", "0.01141"}, {"Edit14", "53.03"},
      {"Edit15", "1.169"}, {"Edit37", "200"}, {"Edit27", "-0.2"}, {"Edit49", "-0.6"},
      {"Edit52", "0.0082"}, {"Edit53", "82.54"}, {"Edit54", "1.222"}, {"Edit55", "6.97"},
      {"Edit56", "4.17"}, {"Edit62", "3.9"}, {"Edit18", "0.0082"}, {"Edit19", "63.93"},
      {"Edit20", "1.205"}, {"Edit21", "1.35"}, {"Edit38", "1.31"}, {"Edit24", "0.00929"},
      {"Edit26", "1.18"}, {"Edit29", "808.08"}, {"Edit30", "27"}, {"Edit31", "0.00929"},
      {"Edit32", "41.85"}, {"Edit33", "1.168"}, {"Edit39", "0"},
  };
  ASSERT_EQ(main_.settings().chart.pb, 101300);
  for (const auto& [name, text] : by_hand) EXPECT_EQ(Edit(name)->text(), Dec(text)) << name;
  EXPECT_EQ(Edit("Edit6")->text(), "18");
  EXPECT_TRUE(messages_.shown().empty());
}

// Summer from a city: the design hour of the city's year, ranked by enthalpy.
TEST_F(AhuWindowTest, SummerCaseFromACity) {
  Trigger("STREFAKLIMATYCZNAIII1");  // a winter zone first: the caption must not keep it
  Child<QRadioButton>("RadioButton2")->click();
  Trigger("WGMIASTA2");
  auto* cities = Child<QComboBox>("ComboBox2");
  ASSERT_TRUE(cities->isEnabled());
  const int warsaw = cities->findText("WARSZAWA");
  ASSERT_GE(warsaw, 0);
  cities->setCurrentIndex(warsaw);
  emit cities->activated(warsaw);
  const ClimateYear year = LoadClimateYear(DataDir().toStdString(), "WARSZAWA");
  ASSERT_TRUE(year.ok());
  const DesignHour hour = SelectDesignHour(year.hours, DesignSeason::Summer, main_.settings().chart.pb);
  EXPECT_EQ(Edit("Edit2")->text(), UiNumberText(hour.t));
  EXPECT_EQ(Edit("Edit4")->text(), UiNumberText(hour.rh));
  EXPECT_EQ(Child<QGroupBox>("GroupBox8")->title(), Text(227) + "WARSZAWA");
  EXPECT_GT(hour.t, 20);
  Type("Edit34", "50");
  Type("Edit35", "0");
  Type("Edit50", "13");
  Type("Edit51", "7");
  Type("Edit17", "18");

  UnitInputs in;
  in.pb = main_.settings().chart.pb;
  in.t_outdoor = hour.t;
  in.phi_outdoor = hour.rh / 100;
  in.eta_t = 0.5;
  in.t_cooler_out = 13;
  in.t_cooler_surface = 7;
  in.t_supply = 18;
  ExpectOutputsOf(in);
  EXPECT_NE(Edit("Edit52")->text(), "");
  EXPECT_GT(ParseTypedNumber(Edit("Edit55")->text()).value(), 0);
  EXPECT_TRUE(messages_.shown().empty());
  // A picture of the window for a look at its layout.
  unit_->adjustSize();
  EXPECT_TRUE(unit_->grab().save(QDir::temp().filePath("ahu_window_summer.png")));
}

TEST_F(AhuWindowTest, MissingCityFileSaysSoAndGivesZero) {
  Child<QRadioButton>("RadioButton1")->click();
  Trigger("WGMIASTA1");
  unit_->LoadCity("NO SUCH CITY");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA");
  EXPECT_EQ(messages_.shown()[0].text, Text(822));
  EXPECT_EQ(Edit("Edit2")->text(), "0");
  EXPECT_EQ(Edit("Edit4")->text(), "0");
}

TEST_F(AhuWindowTest, TransferDrawsSixPointsAndFiveProcessesExhaustAtTheBottom) {
  SummerUnit();
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_EQ(ProjectPoints(), (QStringList{"Z", "R", "M", "CH", "N+", "W=P"}));
  EXPECT_EQ(ProjectProcesses(), (QStringList{"Z-R", "R-M", "M-CH", "CH-N+", "N+-W=P"}));
  EXPECT_EQ(TreePoints(), ProjectPoints());
  EXPECT_EQ(main_.project().coefficient_count(), 0);
  EXPECT_TRUE(main_.project().modified());
  // The exhaust point is the room state of the window.
  const ChartPoint& w = main_.project().point(5);
  EXPECT_EQ(w.description, "WYWIEW");
  EXPECT_EQ(Shown(w.state.x, 5), Edit("Edit24")->text());
  EXPECT_EQ(Shown(main_.project().process(0).air_flow, 2), Edit("Edit1")->text());

  // The chart with the unit on it.
  const QString path = QDir::temp().filePath("ahu_transfer_chart.png");
  QString error;
  EXPECT_TRUE(WriteChartPicture(path, main_.settings().chart, main_.project(), 1200, 800, &error)) << error.toStdString();
}

TEST_F(AhuWindowTest, ExhaustAtTheTopAddsTheRoomPointWithoutAProcess) {
  SummerUnit();
  Child<QComboBox>("ComboBox1")->setCurrentIndex(1);
  EXPECT_EQ(Child<QComboBox>("ComboBox1")->currentText().toStdString(), Text(142).toStdString());
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_EQ(ProjectPoints(), (QStringList{"Z", "R", "M", "CH", "N+", "W", "P"}));
  EXPECT_EQ(ProjectProcesses(), (QStringList{"Z-R", "R-M", "M-CH", "CH-N+", "N+-W"}));
  const ChartPoint& p = main_.project().point(6);
  EXPECT_EQ(p.description, "POMIESZCZENIE");
  // Halfway between the supply N+ and the exhaust W.
  const ChartPoint& n = main_.project().point(4);
  const ChartPoint& w = main_.project().point(5);
  EXPECT_NEAR(p.state.t, 0.5 * (n.state.t + w.state.t), 1e-9);
  EXPECT_NEAR(p.state.x, 0.5 * (n.state.x + w.state.x), 1e-12);
  EXPECT_EQ(TreePoints(), ProjectPoints());
}

TEST_F(AhuWindowTest, NoRecoveryEfficiencyLeavesOutTheRecoveryPoint) {
  SummerUnit();
  Type("Edit34", "0");
  EXPECT_FALSE(Child<QCheckBox>("CheckBox7")->isChecked());
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_EQ(ProjectPoints(), (QStringList{"Z", "M", "CH", "N+", "W=P"}));
  EXPECT_EQ(ProjectProcesses(), (QStringList{"Z-M", "M-CH", "CH-N+", "N+-W=P"}));
}

TEST_F(AhuWindowTest, WithoutDrawingPointsNothingIsAppended) {
  SummerUnit();
  Child<QCheckBox>("CheckBox11")->setChecked(false);
  EXPECT_FALSE(Child<QCheckBox>("CheckBox12")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>("CheckBox12")->isEnabled());
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_EQ(main_.project().point_count(), 0);
  EXPECT_EQ(main_.project().process_count(), 0);
  EXPECT_TRUE(TreePoints().isEmpty());
}

TEST_F(AhuWindowTest, BalanceModeTransfersTheDirectionCoefficient) {
  SummerUnit();
  Child<QRadioButton>("RadioButton4")->click();
  EXPECT_TRUE(Child<QGroupBox>("GroupBox12")->isVisibleTo(unit_));
  EXPECT_TRUE(Edit("Edit16")->isReadOnly());
  Type("Edit59", "5");
  Type("Edit60", "1");
  // ε = Qc·3600/Wc = 18000 kJ/kg.
  EXPECT_EQ(Edit("Edit58")->text(), "18000");
  Child<QPushButton>("BitBtn3")->click();
  ASSERT_EQ(main_.project().coefficient_count(), 1);
  EXPECT_EQ(main_.project().coefficient(0).name, "epsylon");
  EXPECT_EQ(main_.project().coefficient(0).point_name, "N+");
}

TEST_F(AhuWindowTest, PictureOfTheWindowIsSavedAndOffered) {
  messages_.Answer(QMessageBox::Cancel);
  Child<QPushButton>("BitBtn14")->click();
  ASSERT_EQ(messages_.shown().size(), 1u);
  const MessageRequest& q = messages_.shown()[0];
  EXPECT_EQ(q.caption, "ORVANTA INFO");
  ASSERT_TRUE(q.text.startsWith(Text(1193)));
  ASSERT_TRUE(q.text.endsWith(Text(1194)));
  const QString path = q.text.mid(Text(1193).size(), q.text.size() - Text(1193).size() - Text(1194).size());
  EXPECT_TRUE(QFileInfo(path).fileName().startsWith("KCW")) << path.toStdString();
  EXPECT_TRUE(path.endsWith(".jpg"));
  EXPECT_GT(QFileInfo(path).size(), 0) << path.toStdString();
  QFile::remove(path);
}

TEST_F(AhuWindowTest, DrawSwitchCaptionFollowsThePointName) {
  Type("Edit40", "OUT");
  EXPECT_EQ(Child<QCheckBox>("CheckBox5")->text(), Text(161) + " \"OUT" + Text(225));
}

// Without a heater the supply leaves at the temperature of the last section
// that worked: the cooler's outlet only when it computed.
TEST_F(AhuWindowTest, SupplyTemperatureWithoutHeaterIsThatOfTheLastWorkingSection) {
  Trigger("STREFAKLIMATYCZNAIII1");
  Type("Edit36", "20");
  Child<QCheckBox>("CheckBox3")->setChecked(false);
  Type("Edit50", "14");  // no surface temperature: the cooler does nothing
  EXPECT_EQ(Edit("Edit55")->text(), "0");
  EXPECT_EQ(Edit("Edit17")->text(), Edit("Edit12")->text());
  EXPECT_EQ(Edit("Edit6")->text(), Edit("Edit12")->text());
  Type("Edit51", "8");
  EXPECT_EQ(Edit("Edit6")->text(), "14");
  EXPECT_EQ(Edit("Edit17")->text(), "14");
}

// The program builds its windows before it loads the stored language: the
// drawing switches and the colour legend must take the texts loaded later.
TEST_F(AhuWindowTest, DrawSwitchCaptionsAndLegendFollowALanguageLoadedLater) {
  ASSERT_TRUE(LoadLanguage(1));
  EXPECT_EQ(Child<QCheckBox>("CheckBox5")->text(), "RYSUJ PUNKT \"Z\" NA WYKRESIE");
  EXPECT_EQ(Child<QCheckBox>("CheckBox10")->text(), "RYSUJ PUNKT \"W\" NA WYKRESIE");
  EXPECT_EQ(Child<QLabel>("LegendInputText")->text(), "wpisane");
  EXPECT_EQ(Child<QLabel>("LegendComputedText")->text(), "obliczone");
  ASSERT_TRUE(LoadLanguage(2));
  EXPECT_EQ(Child<QCheckBox>("CheckBox5")->text(), "DRAW POINT \"Z\" ON THE CHART");
  EXPECT_EQ(Child<QCheckBox>("CheckBox9")->text(), "DRAW POINT \"N+\" ON THE CHART");
  EXPECT_EQ(Child<QLabel>("LegendInputText")->text(), "typed");
  EXPECT_EQ(Child<QLabel>("LegendComputedText")->text(), "computed");
  EXPECT_EQ(Child<QLineEdit>("Edit47")->toolTip(), "Computed value");
}

// The exhaust position is a choice, not a caption: it shows "Wywiew dołem"
// selected at the start and keeps "Wywiew górą" through a language change.
TEST_F(AhuWindowTest, ExhaustPositionKeepsItsChoiceThroughALanguageChange) {
  auto* position = Child<QComboBox>("ComboBox1");
  EXPECT_EQ(position->currentIndex(), 0);
  EXPECT_EQ(position->currentText(), "Exhaust at the bottom");
  position->setCurrentIndex(1);
  ASSERT_TRUE(LoadLanguage(1));
  EXPECT_EQ(position->currentIndex(), 1);
  EXPECT_EQ(position->currentText(), "Wywiew górą");
  ASSERT_TRUE(LoadLanguage(2));
  EXPECT_EQ(position->currentText(), "Exhaust at the top");
  SummerUnit();
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_EQ(ProjectPoints(), (QStringList{"Z", "R", "M", "CH", "N+", "W", "P"}));
}

// A word in an efficiency or the recirculation is reported; a box being
// emptied or a sign being typed is not.
TEST_F(AhuWindowTest, WordTypedIntoEfficiencyOrRecirculationIsReported) {
  Trigger("STREFAKLIMATYCZNAIII1");
  ASSERT_NE(Edit("Edit1")->text(), "");
  Type("Edit34", "6o");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA info");
  EXPECT_EQ(messages_.shown()[0].text, "'6o' is not a valid number.");
  EXPECT_EQ(Edit("Edit1")->text(), "");  // nothing computed from it
  Type("Edit34", "");
  Type("Edit36", "-");
  Type("Edit35", "x");  // other inputs only empty the outputs
  EXPECT_EQ(messages_.shown().size(), 1u);
  Type("Edit36", "2O");
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[1].text, "'2O' is not a valid number.");
  Type("Edit34", "60");
  Type("Edit35", "50");
  Type("Edit36", "20");
  EXPECT_NE(Edit("Edit1")->text(), "");
  EXPECT_EQ(messages_.shown().size(), 2u);
}

// On a 1366 pixels wide screen the whole chain, the mode switches and the
// buttons are seen side by side; only the height may need scrolling.
TEST_F(AhuWindowTest, ChainAndButtonsFitTheWidthOfASmallScreen) {
  auto* area = unit_->findChild<QScrollArea*>("ScrollBox1");
  ASSERT_NE(area, nullptr);
  unit_->ensurePolished();
  const int body = area->widget()->minimumSizeHint().width();
  EXPECT_LE(body, 1366 - 40) << body;
  // Also with the longest design-case caption, a climate zone's.
  Trigger("STREFAKLIMATYCZNAIII1");
  area->widget()->layout()->activate();
  EXPECT_LE(area->widget()->minimumSizeHint().width(), 1366 - 40);
  ASSERT_TRUE(LoadLanguage(1));  // the Polish captions are wider
  QApplication::processEvents();
  area->widget()->layout()->activate();
  EXPECT_LE(area->widget()->minimumSizeHint().width(), 1366 - 40);
  ASSERT_TRUE(LoadLanguage(2));
}

}  // namespace
}  // namespace orvanta
