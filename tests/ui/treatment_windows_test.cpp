// The air-treatment windows in the real main window: the process-point
// dialog (TForm40) from its eight speed buttons, the cooling-point dialog
// (TForm9) and the mixing-point dialog (TForm10) from their menu items, the
// SHR cooling dialog (TForm39) from its command; each driven by objectNames
// from loading a point to the new point in the tree, the process in the
// project and its row in the chart's process table, in SI and IP.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>
#include <functional>

#include "app/settings_store.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/main_window.h"
#include "english_texts.h"
#include "project/mixing.h"
#include "project/treatment.h"
#include "project/ui/treatment_commands.h"
#include "psychro/air.h"
#include "psychro/number_text.h"
#include "psychro/state.h"
#include "psychro/units.h"

namespace orvanta {
namespace {

QString Shown(double v, int decimals) { return QString::fromStdString(NumberText(RoundTo(v, -decimals))); }

class TreatmentWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
    window_->resize(1400, 900);
    window_->show();
    for (int k = 0; k < 3; ++k) QApplication::processEvents();
    pb_ = window_->settings().chart.pb;
    AddPoint("1", 20, 0.0073);
    messages_.Clear();
  }
  void TearDown() override {
    window_->project().set_modified(false);
    window_->close();
  }

  void AddPoint(const char* name, double t, double x) {
    ChartPoint p;
    p.name = name;
    p.state = StateFromTX(pb_, t, x);
    ASSERT_TRUE(window_->project().AddPoint(p));
    window_->FullRedraw();
  }
  const ChartPoint* PointNamed(const char* name) {
    const int k = window_->project().FindPoint(name);
    return k < 0 ? nullptr : &window_->project().point(k);
  }
  const AirProcess* ProcessNamed(const char* name) {
    const int k = window_->project().FindProcess(name);
    return k < 0 ? nullptr : &window_->project().process(k);
  }
  bool TreeHas(const QString& name) {
    auto* tree = window_->findChild<QTreeWidget*>("TreeView1");
    return !tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).isEmpty();
  }
  void SetUnits(UnitSystem u) {
    window_->findChild<QComboBox*>("ComboBox3")->setCurrentIndex(u == UnitSystem::IP ? 1 : 0);
    QApplication::processEvents();
  }

  // Triggers a command of the main window and drives the modal window it
  // opens; the window is closed afterwards if the drive left it open.
  void Drive(const char* action, const char* form, const std::function<void(QDialog*)>& drive) {
    auto* dialog = window_->findChild<QDialog*>(form);
    ASSERT_NE(dialog, nullptr) << form;
    bool ran = false;
    QTimer::singleShot(0, [&] {
      ran = true;
      EXPECT_TRUE(dialog->isVisible()) << form;
      drive(dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    QAction* a = window_->Command(action);
    ASSERT_NE(a, nullptr) << action;
    EXPECT_TRUE(a->isEnabled()) << action;
    a->trigger();
    EXPECT_TRUE(ran) << action;
  }
  // The next points list (TForm31) picks `name`.
  void PickFromList(const QString& name) {
    QTimer::singleShot(0, [this, name] {
      auto* list = window_->findChild<QDialog*>("TForm31");
      auto* names = list->findChild<QListWidget*>("ListBox1");
      const auto found = names->findItems(name, Qt::MatchExactly);
      ASSERT_FALSE(found.isEmpty()) << name.toStdString();
      emit names->itemDoubleClicked(found.first());
    });
  }
  template <class T = QLineEdit>
  static T* W(QDialog* d, const char* name) {
    T* c = d->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  static void Type(QDialog* d, const char* name, const QString& text) {
    QLineEdit* e = W(d, name);
    e->setText(text);
    emit e->textEdited(text);
  }
  static QString Text(QDialog* d, const char* name) { return W(d, name)->text(); }
  static void Click(QDialog* d, const char* name) { W<QAbstractButton>(d, name)->click(); }
  QString LastMessage() const { return messages_.shown().empty() ? QString() : messages_.shown().back().text; }
  static void NoNonFinite(QDialog* d) {
    for (QLineEdit* e : d->findChildren<QLineEdit*>()) {
      EXPECT_FALSE(e->text().contains("nan", Qt::CaseInsensitive)) << e->objectName().toStdString();
      EXPECT_FALSE(e->text().contains("inf", Qt::CaseInsensitive)) << e->objectName().toStdString();
    }
  }
  static void Grab(QDialog* d, const char* file) { d->grab().save(QString("/tmp/pa/") + file); }

  RecordingResponder messages_;
  std::unique_ptr<MainWindow> window_;
  double pb_ = 101325;
};

// ---- TForm40 --------------------------------------------------------------

TEST_F(TreatmentWindowsTest, HeatingWalkThroughInSi) {
  const AirState a = PointNamed("1")->state;
  const double q = 1000.0 / 3600 * a.rho * 1.005 * (30 - 20);
  Drive("SpeedButton2Click", "TForm40", [&](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), "AIR HEATING");
    EXPECT_EQ(W<QRadioButton>(d, "RadioButton1")->text(), "t given, Qh calculated");
    EXPECT_EQ(W<QRadioButton>(d, "RadioButton2")->text(), "Qh given, t calculated");
    EXPECT_EQ(W<QLabel>(d, "Label8")->text(), "t2");
    EXPECT_EQ(W<QLabel>(d, "Label9")->text(), "oC");
    EXPECT_EQ(W<QLabel>(d, "Label10")->text(), "Qh-->");
    EXPECT_EQ(W<QLabel>(d, "Label11")->text(), "kW");
    EXPECT_EQ(W<QLabel>(d, "Label7")->text(), "m3/h");
    EXPECT_FALSE(W<QGroupBox>(d, "GroupBox5")->isVisible());
    EXPECT_FALSE(W<QGroupBox>(d, "GroupBox6")->isVisible());
    EXPECT_EQ(Text(d, "Edit4"), "1000");
    EXPECT_EQ(Text(d, "Edit9"), "2");
    PickFromList("1");
    Click(d, "Button1");
    EXPECT_EQ(Text(d, "Edit1"), "1");
    EXPECT_EQ(Text(d, "Edit2"), "20");
    EXPECT_EQ(Text(d, "Edit3"), Shown(a.phi * 100, 2));
    Type(d, "Edit5", "30");
    Click(d, "Button3");
    EXPECT_EQ(Text(d, "Edit6"), Shown(q, 2));
    EXPECT_EQ(Text(d, "Edit11"), "30");
    const double phi2 = RelativeHumidity(pb_, SaturationPressure(30), a.x);
    EXPECT_EQ(Text(d, "Edit10"), Shown(phi2 * 100, 1));
    EXPECT_LT(phi2, a.phi);
    Grab(d, "tform40_heating_si.png");
    Click(d, "Button4");
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_TRUE(messages_.shown().empty()) << LastMessage().toStdString();
  const ChartPoint* p2 = PointNamed("2");
  ASSERT_NE(p2, nullptr);
  EXPECT_DOUBLE_EQ(p2->state.t, 30);
  EXPECT_DOUBLE_EQ(p2->state.x, a.x);
  EXPECT_EQ(p2->label_position, LabelPosition::Top);
  const AirProcess* process = ProcessNamed("1-2");
  ASSERT_NE(process, nullptr);
  EXPECT_EQ(process->start_point, "1");
  EXPECT_EQ(process->end_point, "2");
  EXPECT_TRUE(process->draw_line);
  EXPECT_DOUBLE_EQ(process->air_flow, 1000);
  EXPECT_TRUE(window_->project().modified());
  EXPECT_TRUE(TreeHas("2"));
  ASSERT_EQ(window_->process_load_texts().size(), 1u);
  EXPECT_NEAR(std::stod(window_->process_load_texts()[0].total), q, 0.05);
}

TEST_F(TreatmentWindowsTest, HeatingByLoadInIpConvertsAtTheEdge) {
  SetUnits(UnitSystem::IP);
  const AirState a = PointNamed("1")->state;
  const double v = VolumeFlowToSI(1000);
  const double q = HeatFlowToSI(20000);
  const double t2 = q / (v * a.rho / 3600 * 1.005) + a.t;
  Drive("SpeedButton2Click", "TForm40", [&](QDialog* d) {
    EXPECT_EQ(W<QLabel>(d, "Label7")->text(), "cfm");
    EXPECT_EQ(W<QLabel>(d, "Label13")->text(), "BTU/h");
    EXPECT_EQ(W<QLabel>(d, "Label15")->text(), "oF");
    EXPECT_EQ(W<QLabel>(d, "Label5")->text(), "oF");
    PickFromList("1");
    Click(d, "Button1");
    EXPECT_EQ(Text(d, "Edit2"), "68");
    W<QRadioButton>(d, "RadioButton2")->click();
    EXPECT_FALSE(W(d, "Edit5")->isEnabled());
    Type(d, "Edit7", "20000");
    Click(d, "Button3");
    EXPECT_EQ(Text(d, "Edit8"), Shown(TemperatureToIP(t2), 2));
    EXPECT_EQ(Text(d, "Edit11"), Shown(TemperatureToIP(t2), 2));
    Grab(d, "tform40_heating_ip.png");
    Click(d, "Button4");
  });
  const ChartPoint* p2 = PointNamed("2");
  ASSERT_NE(p2, nullptr);
  EXPECT_NEAR(p2->state.t, t2, 1e-9);
  ASSERT_NE(ProcessNamed("1-2"), nullptr);
  EXPECT_NEAR(ProcessNamed("1-2")->air_flow, v, 1e-9);
  EXPECT_TRUE(TreeHas("2"));
  EXPECT_EQ(window_->process_load_texts().size(), 1u);
}

TEST_F(TreatmentWindowsTest, EveryKindSetsItsCaptionsAndGroups) {
  const struct {
    const char* action;
    TreatmentKind kind;
  } kButtons[] = {{"SpeedButton2Click", TreatmentKind::Heating},
                  {"SpeedButton3Click", TreatmentKind::CoolingShr},
                  {"SpeedButton4Click", TreatmentKind::CoolingBypass},
                  {"SpeedButton5Click", TreatmentKind::AdiabaticCooling},
                  {"SpeedButton7Click", TreatmentKind::WaterHumidification},
                  {"SpeedButton8Click", TreatmentKind::SteamHumidification},
                  {"SpeedButton9Click", TreatmentKind::DesiccantDehumidification},
                  {"SpeedButton10Click", TreatmentKind::CondensingDehumidification}};
  for (const auto& b : kButtons) {
    const TreatmentCaptions& c = CaptionsOf(b.kind);
    Drive(b.action, "TForm40", [&](QDialog* d) {
      // Each hint names what its button opens.
      EXPECT_EQ(d->windowTitle(), orvanta::Text(c.window_caption)) << b.action;
      EXPECT_EQ(W<QRadioButton>(d, "RadioButton1")->text(), orvanta::Text(c.radio1)) << b.action;
      EXPECT_EQ(W<QGroupBox>(d, "GroupBox5")->isVisible(), c.group == TreatmentGroup::Shr) << b.action;
      EXPECT_EQ(W<QGroupBox>(d, "GroupBox6")->isVisible(), c.group == TreatmentGroup::CoilTemperature) << b.action;
      EXPECT_EQ(W<QLabel>(d, "Label8")->text(), c.input1.symbol) << b.action;
      EXPECT_EQ(W<QLabel>(d, "Label14")->text(), c.result2.symbol) << b.action;
      for (const char* e : {"Edit5", "Edit6", "Edit7", "Edit8", "Edit10", "Edit11"})
        EXPECT_TRUE(Text(d, e).isEmpty()) << b.action << " " << e;
      if (b.kind == TreatmentKind::CoolingShr) Grab(d, "tform40_shr.png");
      if (b.kind == TreatmentKind::CoolingBypass) Grab(d, "tform40_bypass.png");
      Type(d, "Edit5", "1");  // emptied by the next opening
    });
    const QString hint = window_->findChild<QWidget*>(QString(b.action).remove("Click"))->toolTip();
    EXPECT_TRUE(hint.contains("POINT/")) << b.action << " " << hint.toStdString();
  }
}

TEST_F(TreatmentWindowsTest, KindsGiveTheWorkedResults) {
  const AirState a = PointNamed("1")->state;
  Drive("SpeedButton5Click", "TForm40", [&](QDialog* d) {
    PickFromList("1");
    Click(d, "Button1");
    // Adiabatic cooling down to the wet bulb is 100 % efficient.
    Type(d, "Edit5", UiNumberText(a.tw));
    Click(d, "Button3");
    EXPECT_EQ(Text(d, "Edit6"), "100");
    // A temperature below the wet bulb is refused, with tw after the text.
    Type(d, "Edit5", UiNumberText(a.tw - 1));
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(), orvanta::Text(1263) + Shown(a.tw, 2));
    EXPECT_TRUE(Text(d, "Edit6").isEmpty());
    EXPECT_TRUE(Text(d, "Edit11").isEmpty());
  });
  Drive("SpeedButton4Click", "TForm40", [&](QDialog* d) {
    PickFromList("1");
    Click(d, "Button1");
    Type(d, "Edit14", "6");
    Type(d, "Edit5", "0");  // BF 0: the saturated coil state
    Click(d, "Button3");
    EXPECT_EQ(Text(d, "Edit6"), "6");
    EXPECT_EQ(Text(d, "Edit10"), "100");
    Type(d, "Edit5", "100");  // BF 100 %: the air unchanged
    Click(d, "Button3");
    EXPECT_EQ(Text(d, "Edit6"), "20");
    EXPECT_EQ(Text(d, "Edit10"), Shown(a.phi * 100, 1));
  });
  Drive("SpeedButton8Click", "TForm40", [&](QDialog* d) {
    PickFromList("1");
    Click(d, "Button1");
    Type(d, "Edit5", "3");  // 3 kg/h of steam
    Click(d, "Button3");
    const double x2 = a.x + 3 / (a.rho * 1000);
    const double t2 = (a.i + 2685 * (x2 - a.x) - 2501 * x2) / (1.84 * x2 + 1.005);
    EXPECT_EQ(Text(d, "Edit11"), Shown(t2, 2));
    EXPECT_GT(t2, a.t);
    EXPECT_LT(t2, a.t + 1);
  });
  EXPECT_EQ(messages_.shown().size(), 1u);
}

TEST_F(TreatmentWindowsTest, RefusalsShowTheirMessageAndKeepEverything) {
  const bool polish = false;
  Drive("SpeedButton3Click", "TForm40", [&](QDialog* d) {
    Type(d, "Edit5", "10");
    Click(d, "Button3");  // nothing loaded yet
    EXPECT_EQ(LastMessage(), "Load the inlet point first.");
    PickFromList("1");
    Click(d, "Button1");
    messages_.Clear();
    Type(d, "Edit5", "abc");  // not a number: no change, no message
    Click(d, "Button3");
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_EQ(Text(d, "Edit5"), "abc");
    Type(d, "Edit5", "10");
    Type(d, "Edit4", "");
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(), orvanta::Text(1262));
    Type(d, "Edit4", "0");
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(),
              QString::fromStdString(TreatmentMessageText(TreatmentMessage::AirFlowNotPositive, polish)));
    Type(d, "Edit4", "-500");
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(),
              QString::fromStdString(TreatmentMessageText(TreatmentMessage::AirFlowNotPositive, polish)));
    Type(d, "Edit4", "1000");
    Type(d, "Edit12", "120");
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(), orvanta::Text(1245));
    Type(d, "Edit12", "0");
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(), QString::fromStdString(TreatmentMessageText(TreatmentMessage::ShrNotPositive, polish)));
    // An SHR line that meets saturation before 0 °C.
    Type(d, "Edit12", "30");
    Type(d, "Edit5", "0");
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(), orvanta::Text(1270));
    NoNonFinite(d);
    // A refused "DRAW PROCESS" adds nothing.
    const int points = window_->project().point_count();
    Click(d, "Button4");
    EXPECT_EQ(window_->project().point_count(), points);
    EXPECT_TRUE(d->isVisible());
  });
  Drive("SpeedButton4Click", "TForm40", [&](QDialog* d) {
    PickFromList("1");
    Click(d, "Button1");
    Type(d, "Edit14", "25");  // coil above the 20 °C inlet
    Type(d, "Edit5", "20");
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(), QString::fromStdString(TreatmentMessageText(TreatmentMessage::CoilAboveInlet, polish)));
    NoNonFinite(d);
  });
  Drive("SpeedButton7Click", "TForm40", [&](QDialog* d) {
    PickFromList("1");
    Click(d, "Button1");
    Type(d, "Edit5", "500");  // far more water than the air can take
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(), orvanta::Text(1264));
    NoNonFinite(d);
  });
  EXPECT_EQ(window_->project().point_count(), 1);
}

TEST_F(TreatmentWindowsTest, DrawTwiceIsRefusedAndAPointWithoutProcessIsTold) {
  auto heat_to = [&](const char* t2, const char* outlet) {
    Drive("SpeedButton2Click", "TForm40", [&](QDialog* d) {
      if (Text(d, "Edit1").isEmpty()) {
        PickFromList("1");
        Click(d, "Button1");
      }
      Type(d, "Edit9", outlet);
      Type(d, "Edit5", t2);
      Click(d, "Button4");
    });
  };
  heat_to("30", "2");
  EXPECT_TRUE(messages_.shown().empty());
  heat_to("35", "2");  // the same outlet name again
  EXPECT_EQ(LastMessage(), orvanta::Text(1000));
  EXPECT_EQ(window_->project().point_count(), 2);
  EXPECT_EQ(window_->project().process_count(), 1);
  // A process named "1-3" already joins other points: the point is stored,
  // its process is not, and the user is told so.
  AddPoint("9", 10, 0.005);
  AirProcess other;
  other.name = "1-3";
  other.start_point = "9";
  other.end_point = "1";
  ASSERT_TRUE(window_->project().AddProcess(other));
  messages_.Clear();
  heat_to("40", "3");
  EXPECT_EQ(LastMessage(), orvanta::Text(1258) + "\nThe point 3 was added without a process.");
  EXPECT_NE(PointNamed("3"), nullptr);
  EXPECT_TRUE(TreeHas("3"));
  EXPECT_EQ(ProcessNamed("1-3")->start_point, "9");
}

TEST_F(TreatmentWindowsTest, UnitSwitchAndNewProjectEmptyTheInputs) {
  Drive("SpeedButton2Click", "TForm40", [&](QDialog* d) {
    PickFromList("1");
    Click(d, "Button1");
    Type(d, "Edit5", "30");
    Click(d, "Button3");
  });
  SetUnits(UnitSystem::IP);
  Drive("SpeedButton2Click", "TForm40", [&](QDialog* d) {
    EXPECT_EQ(Text(d, "Edit2"), "68");  // the loaded inlet in °F
    EXPECT_EQ(W<QLabel>(d, "Label9")->text(), "oF");
  });
  window_->project().set_modified(false);
  ASSERT_TRUE(window_->NewProject());
  Drive("SpeedButton2Click", "TForm40", [&](QDialog* d) {
    EXPECT_TRUE(Text(d, "Edit1").isEmpty());  // the old project's inlet is gone
    Type(d, "Edit5", "80");
    Click(d, "Button3");
    EXPECT_EQ(LastMessage(), "Load the inlet point first.");
  });
}

// ---- TForm9 ---------------------------------------------------------------

TEST_F(TreatmentWindowsTest, CoolingPointWalkThrough) {
  AddPoint("C", 8, StateFromTPhi(pb_, 8, 1).x);
  const AirState p1 = PointNamed("1")->state, p2 = PointNamed("C")->state;
  for (const char* item : {"Definiujpunktchodzenia2", "Definiujpunktchodzenia3", "Definiujpunktchodzenia4"})
    EXPECT_TRUE(window_->Command(item)->isEnabled()) << item;
  Drive("DEFINIUJPUNKTCHODZENIA1", "TForm9", [&](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), "COOLING POINT");
    Click(d, "BitBtn2");
    EXPECT_EQ(LastMessage(), orvanta::Text(457));
    Type(d, "Edit1", "1");
    PickFromList("1");
    Click(d, "Button2");
    PickFromList("C");
    Click(d, "Button3");
    Type(d, "Edit4", "0");
    EXPECT_EQ(Text(d, "Edit5"), "8");
    EXPECT_EQ(Text(d, "Edit6"), Shown(p2.x * 1000, 2));
    Type(d, "Edit4", "100");
    EXPECT_EQ(Text(d, "Edit5"), "20");
    Type(d, "Edit4", "25");
    EXPECT_EQ(Text(d, "Edit5"), Shown(8 + 0.25 * 12, 2));
    EXPECT_EQ(Text(d, "Edit6"), Shown((p2.x + 0.25 * (p1.x - p2.x)) * 1000, 2));
    Click(d, "BitBtn2");
    EXPECT_EQ(LastMessage(), orvanta::Text(448));
    Type(d, "Edit1", "K");
    Grab(d, "tform9.png");
    Click(d, "BitBtn2");
    EXPECT_FALSE(d->isVisible());
  });
  const ChartPoint* k = PointNamed("K");
  ASSERT_NE(k, nullptr);
  EXPECT_NEAR(k->state.t, 11, 1e-12);
  EXPECT_TRUE(TreeHas("K"));
  EXPECT_EQ(window_->project().process_count(), 0);
}

// ---- TForm39 --------------------------------------------------------------

TEST_F(TreatmentWindowsTest, ShrCoolingWalkThrough) {
  AddPoint("W", 28, 0.012);
  Drive("DEFINIUJPUNKTCHODZENIA1", "TForm9", [](QDialog*) {});  // the command table is live
  auto* shr = window_->findChild<QDialog*>("TForm39");
  ASSERT_NE(shr, nullptr);
  bool ran = false;
  QTimer::singleShot(0, [&] {
    ran = true;
    QDialog* d = shr;
    EXPECT_EQ(d->windowTitle(), "COOLING POINTS USING SHR FACTOR");
    EXPECT_EQ(W<QRadioButton>(d, "RadioButton1")->text(), "V given, Qc calculated");
    EXPECT_EQ(Text(d, "Edit7"), "9.5");
    PickFromList("W");
    Click(d, "Button1");
    EXPECT_EQ(Text(d, "Edit2"), "28");
    Type(d, "Edit7", "16");
    Click(d, "BitBtn1");
    EXPECT_TRUE(messages_.shown().empty()) << LastMessage().toStdString();
    EXPECT_EQ(Text(d, "Edit11"), "16");
    EXPECT_FALSE(Text(d, "Edit8").isEmpty());
    EXPECT_TRUE(Text(d, "Edit8").startsWith("-"));  // cooling is negative here
    Grab(d, "tform39.png");
    // Too low for the SHR line: its own message.
    Type(d, "Edit7", "0");
    Click(d, "BitBtn1");
    EXPECT_EQ(LastMessage(), QString::fromStdString(ShrDialogTemperatureNotReachedText()));
    Type(d, "Edit5", "120");
    Type(d, "Edit7", "16");
    Click(d, "BitBtn1");
    EXPECT_EQ(LastMessage(), orvanta::Text(1245));
    Type(d, "Edit5", "75");
    Click(d, "BitBtn3");  // draws the calculation the fields show
    EXPECT_FALSE(d->isVisible());
  });
  ASSERT_TRUE(window_->commands().Run(kOpenShrCooling));
  EXPECT_TRUE(ran);
  const ChartPoint* p2 = PointNamed("2");
  ASSERT_NE(p2, nullptr);
  EXPECT_NEAR(p2->state.t, 16, 0.01);
  EXPECT_EQ(p2->label_position, LabelPosition::Bottom);
  ASSERT_NE(ProcessNamed("W-2"), nullptr);
  EXPECT_DOUBLE_EQ(ProcessNamed("W-2")->air_flow, 1000);
  EXPECT_TRUE(TreeHas("2"));
  EXPECT_EQ(window_->process_load_texts().size(), 1u);
}

// ---- TForm10 --------------------------------------------------------------

TEST_F(TreatmentWindowsTest, MixingWalkThroughFollowsItsStreamsUntilNew) {
  AddPoint("A", 20, 0.008);
  AddPoint("B", 30, 0.012);
  const AirState a = PointNamed("A")->state, b = PointNamed("B")->state;
  // Equal masses: the arithmetic means of t and x.
  const double v2 = 1000 * a.rho / b.rho;
  for (const char* item : {"Definiujpunktmieszania2", "Definiujpunktmieszania3", "Dodajpunktmieszania1",
                           "SpeedButton6Click"})
    EXPECT_TRUE(window_->Command(item)->isEnabled()) << item;
  Drive("DEFINIUJPUNKTMIESZANIA1", "TForm10", [&](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), "MIXING POINT");
    for (const char* e : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"})
      EXPECT_TRUE(Text(d, e).isEmpty()) << e;
    Click(d, "BitBtn2");
    EXPECT_EQ(LastMessage(), orvanta::Text(470));
    Type(d, "Edit1", "M");
    Click(d, "BitBtn2");
    EXPECT_EQ(LastMessage(), orvanta::Text(463));
    PickFromList("A");
    Click(d, "Button2");
    PickFromList("B");
    Click(d, "Button3");
    Click(d, "BitBtn2");
    EXPECT_EQ(LastMessage(), orvanta::Text(471));
    Type(d, "Edit4", "1000");
    Type(d, "Edit5", "x");
    Click(d, "BitBtn2");
    EXPECT_EQ(LastMessage(), "INCORRECT INPUT DATA");
    Type(d, "Edit5", UiNumberText(v2));
    EXPECT_EQ(Text(d, "Edit6"), "25");
    EXPECT_EQ(Text(d, "Edit7"), "10");
    W<QCheckBox>(d, "CheckBox1")->setChecked(true);
    Grab(d, "tform10.png");
    Click(d, "BitBtn2");
    EXPECT_FALSE(d->isVisible());
  });
  const ChartPoint* m = PointNamed("M");
  ASSERT_NE(m, nullptr);
  EXPECT_NEAR(m->state.t, 25, 1e-9);
  EXPECT_EQ(m->label_position, LabelPosition::Right);
  ASSERT_NE(ProcessNamed("A-M"), nullptr);
  ASSERT_NE(ProcessNamed("B-M"), nullptr);
  EXPECT_DOUBLE_EQ(ProcessNamed("A-M")->air_flow, 1000);
  EXPECT_TRUE(TreeHas("M"));
  EXPECT_EQ(window_->process_load_texts().size(), 2u);

  // The mixing point follows an edited stream at the next redraw.
  ChartProject& project = window_->project();
  ChartPoint moved = *PointNamed("B");
  moved.state = StateFromTX(pb_, 40, 0.012);
  ASSERT_TRUE(project.ReplacePoint(project.FindPoint("B"), moved, "B"));
  window_->FullRedraw();
  EXPECT_GT(PointNamed("M")->state.t, 29);
  auto* commands = window_->findChild<TreatmentCommands*>("TreatmentCommands");
  ASSERT_NE(commands, nullptr);
  EXPECT_EQ(commands->mixing_definitions().size(), 1);
  project.set_modified(false);
  ASSERT_TRUE(window_->NewProject());
  EXPECT_EQ(commands->mixing_definitions().size(), 0);
}

TEST_F(TreatmentWindowsTest, MixingInIpAndTheEleventhDefinition) {
  SetUnits(UnitSystem::IP);
  AddPoint("A", 20, 0.008);
  const AirState a = PointNamed("A")->state;
  Drive("SpeedButton6Click", "TForm10", [&](QDialog* d) {
    EXPECT_TRUE(W<QLabel>(d, "Label1")->text().contains("cfm"));
    Type(d, "Edit1", "M0");
    PickFromList("A");
    Click(d, "Button2");
    PickFromList("1");
    Click(d, "Button3");
    Type(d, "Edit4", "500");
    Type(d, "Edit5", "abc");
    EXPECT_TRUE(Text(d, "Edit6").isEmpty());
    Type(d, "Edit5", "500");
    const AirState one = PointNamed("1")->state;
    const auto mix = MixStreams(a, VolumeFlowToSI(500), one, VolumeFlowToSI(500));
    ASSERT_TRUE(mix);
    EXPECT_EQ(Text(d, "Edit6"), Shown(TemperatureToIP(mix->t), 2));
    EXPECT_EQ(Text(d, "Edit7"), Shown(MoistureToIP(mix->x * 1000), 2));
    W<QCheckBox>(d, "CheckBox1")->setChecked(true);
    Click(d, "BitBtn2");
  });
  ASSERT_NE(ProcessNamed("A-M0"), nullptr);
  EXPECT_NEAR(ProcessNamed("A-M0")->air_flow, VolumeFlowToSI(500), 1e-9);
  for (int k = 1; k <= 10; ++k) {
    const QString name = QString("M%1").arg(k);
    Drive("Dodajpunktmieszania1", "TForm10", [&](QDialog* d) {
      Type(d, "Edit1", name);
      PickFromList("A");
      Click(d, "Button2");
      PickFromList("1");
      Click(d, "Button3");
      Type(d, "Edit4", "100");
      Type(d, "Edit5", "100");
      Click(d, "BitBtn2");
    });
  }
  // Ten definitions fill the list; the eleventh point is refused and not added.
  EXPECT_EQ(LastMessage(), QString::fromStdString(MixingMessageText(MixingMessage::ListFull, false)));
  EXPECT_EQ(PointNamed("M10"), nullptr);
  EXPECT_NE(PointNamed("M9"), nullptr);
}

}  // namespace
}  // namespace orvanta
