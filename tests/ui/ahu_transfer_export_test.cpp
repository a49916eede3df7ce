// The air-handling unit calculator in the real main window: "RYSUJ NA
// WYKRESIE" starts a new project first (asking about unsaved changes) and puts
// the process windows back on volume flows; "Export" writes the last
// computation as a text report; a winter and a summer design case of one city
// end to end, drawn on the chart.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/settings_store.h"
#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/ui_texts.h"
#include "app/ui/main_window.h"
#include "calculators/ahu/unit_report.h"
#include "calculators/calc_result.h"
#include "calculators/climate/climate_year.h"
#include "calculators/ui/ahu_window.h"
#include "calculators/ui/calc_form.h"
#include "chart/ui/chart_export.h"
#include "project/project_file.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

class AhuTransferTest : public ::testing::Test {
 protected:
  AhuTransferTest() : main_(std::make_unique<MemoryStore>()) {
    unit_ = main_.findChild<AhuWindow*>("TForm14");
    main_.RequestFullRedraw();  // settings and language loaded, as after start-up
  }
  ~AhuTransferTest() override { SetFileDialogResponder(nullptr); }

  QLineEdit* Edit(const char* name) { return unit_->findChild<QLineEdit*>(name); }
  void Type(const char* name, const QString& text) { Edit(name)->setText(text); }
  template <class T>
  T* Child(const char* name) {
    return unit_->findChild<T*>(name);
  }
  void Trigger(const char* action) { unit_->findChild<QAction*>(action)->trigger(); }
  QStringList ProjectPoints() {
    QStringList names;
    for (int i = 0; i < main_.project().point_count(); ++i)
      names << QString::fromStdString(main_.project().point(i).name);
    return names;
  }
  // A project with one point of the user's, not saved yet.
  void UserPointNotSaved() {
    ChartPoint a;
    a.name = "A";
    a.state = StateFromTX(main_.settings().chart.pb, 22, 0.008);
    ASSERT_TRUE(main_.project().AddPoint(a));
    main_.project().set_modified(true);
  }
  // Winter, zone III (−20 °C, 100 %), recovery 60 %, recirculation 20 %.
  void WinterUnit() {
    Child<QRadioButton>("RadioButton1")->click();
    Trigger("STREFAKLIMATYCZNAIII1");
    Type("Edit34", "60");
    Type("Edit35", "50");
    Type("Edit36", "20");
    ASSERT_FALSE(Edit("Edit21")->text().isEmpty());
  }
  // The design hour of WARSZAWA for a season, chosen through the city list.
  void City(bool winter) {
    Child<QRadioButton>(winter ? "RadioButton1" : "RadioButton2")->click();
    Trigger(winter ? "WGMIASTA1" : "WGMIASTA2");
    auto* cities = Child<QComboBox>("ComboBox2");
    const int warsaw = cities->findText("WARSZAWA");
    ASSERT_GE(warsaw, 0);
    cities->setCurrentIndex(warsaw);
    emit cities->activated(warsaw);
  }
  std::vector<std::string> Questions() {
    std::vector<std::string> texts;
    for (const MessageRequest& m : messages_.shown()) texts.push_back((m.caption + "|" + m.text).toStdString());
    return texts;
  }
  static std::string SaveFirst() { return ("ORVANTA INFO|" + UiText(UiTextId::SaveFirst)).toStdString(); }
  static QString ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "(cannot read " + path + ")";
    return QString::fromUtf8(f.readAll());
  }

  RecordingResponder messages_;
  MainWindow main_;
  AhuWindow* unit_ = nullptr;
  QTemporaryDir dir_;
};

// ---- New before the transfer ----

TEST_F(AhuTransferTest, UnsavedProjectAskedAndCancelledKeepsItsPointsAndGetsTheUnit) {
  UserPointNotSaved();
  WinterUnit();
  messages_.Answer(QMessageBox::Cancel);
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_EQ(Questions(), std::vector<std::string>{SaveFirst()});
  EXPECT_EQ(ProjectPoints(), (QStringList{"A", "Z", "R", "M", "N+", "W=P"}));
  EXPECT_TRUE(main_.project().modified());
  EXPECT_FALSE(unit_->isVisible());
}

TEST_F(AhuTransferTest, UnsavedProjectAnsweredNoIsReplacedByTheUnit) {
  UserPointNotSaved();
  WinterUnit();
  messages_.Answer(QMessageBox::No);
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_EQ(Questions(), std::vector<std::string>{SaveFirst()});
  EXPECT_EQ(ProjectPoints(), (QStringList{"Z", "R", "M", "N+", "W=P"}));
  EXPECT_EQ(main_.project().file_name(), "");
  EXPECT_TRUE(main_.project().modified());
}

TEST_F(AhuTransferTest, UnsavedProjectAnsweredYesIsSavedFirstThenReplaced) {
  UserPointNotSaved();
  WinterUnit();
  const QString path = dir_.filePath("before.ovt");
  SetFileDialogResponder([&](const FileDialogRequest& r) { return r.kind == FileDialogKind::Save ? path : QString(); });
  messages_.Answer(QMessageBox::Yes);
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_EQ(Questions(), std::vector<std::string>{SaveFirst()});
  EXPECT_EQ(ProjectPoints(), (QStringList{"Z", "R", "M", "N+", "W=P"}));
  // The user's point is in the saved file.
  ChartProject saved;
  ASSERT_TRUE(ReadProjectFile(path.toStdString(), saved).ok());
  ASSERT_EQ(saved.point_count(), 1);
  EXPECT_EQ(saved.point(0).name, "A");
}

TEST_F(AhuTransferTest, SavedProjectIsReplacedWithoutAQuestion) {
  UserPointNotSaved();
  main_.project().set_modified(false);
  WinterUnit();
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(ProjectPoints(), (QStringList{"Z", "R", "M", "N+", "W=P"}));
}

// The process dialog keeps its flow choice for the process list; after the
// transfer both show volume again, the flows being m³/h.
TEST_F(AhuTransferTest, ProcessWindowsShowVolumeFlowsAfterTheTransfer) {
  auto* process_dialog = main_.findChild<QDialog*>("TForm30");
  ASSERT_NE(process_dialog, nullptr);
  auto* by_mass = process_dialog->findChild<QRadioButton*>("RadioButton2");
  auto* by_volume = process_dialog->findChild<QRadioButton*>("RadioButton1");
  by_mass->click();
  ASSERT_TRUE(by_mass->isChecked());
  main_.settings().chart.flow_as_mass = true;  // the point-definition window's "Masa powietrza"
  WinterUnit();
  Child<QPushButton>("BitBtn3")->click();
  EXPECT_TRUE(by_volume->isChecked());
  EXPECT_FALSE(main_.settings().chart.flow_as_mass) << "the chart's process table shows V again";
  EXPECT_TRUE(process_dialog->findChild<QLineEdit*>("Edit4")->isEnabled());  // m³/h is typed

  QString heading;
  QTimer::singleShot(0, [&] {
    QWidget* list = QApplication::activeModalWidget();
    ASSERT_NE(list, nullptr);
    heading = list->objectName() + " " + list->findChild<QLabel*>("Label15")->text();
    static_cast<QDialog*>(list)->reject();
  });
  main_.findChild<QAction*>("Listaprzemian1")->trigger();
  EXPECT_EQ(heading.toStdString(), "TForm32 V [m3/h]");
}

// ---- Export ----

TEST_F(AhuTransferTest, ExportWritesTheLastComputationAsTheWindowShowsIt) {
  ASSERT_TRUE(Child<QPushButton>("SpeedButton1")->isEnabled());
  WinterUnit();
  const QString path = dir_.filePath("unit.txt");
  FileDialogRequest asked;
  SetFileDialogResponder([&](const FileDialogRequest& r) {
    asked = r;
    return path;
  });
  Child<QPushButton>("SpeedButton1")->click();
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(asked.kind, FileDialogKind::Save);
  EXPECT_EQ(asked.default_suffix, "txt");
  EXPECT_TRUE(asked.filter.endsWith("(*.txt)")) << asked.filter.toStdString();

  const QString text = ReadAll(path);
  // The window's own numbers, as it shows them.
  const QString sep = QString(QChar(UiDecimalSeparator()));
  // The report speaks the window's language.
  const bool polish = calcui::PolishTexts();
  auto L = [polish](const char* pl, const char* en) { return QString::fromUtf8(polish ? pl : en); };
  auto row = [&](const QString& label) {
    for (QString line : text.split("\r\n"))
      if (line.startsWith(label)) return line.simplified();
    return QString("(no line ") + label + ")";
  };
  EXPECT_EQ(row(L("Nagrzewnica: moc cieplna", "Air heater: heating power")), L("Nagrzewnica: moc cieplna", "Air heater: heating power") + " " + Edit("Edit21")->text() + " kW");
  EXPECT_EQ(row(L("Nawilżacz: masa pary", "Humidifier: steam")), L("Nawilżacz: masa pary", "Humidifier: steam") + " " + Edit("Edit38")->text() + " kg/h");
  EXPECT_EQ(row(L("Rekuperator: odzyskana moc jawna", "Heat recovery: sensible power recovered")),
            L("Rekuperator: odzyskana moc jawna", "Heat recovery: sensible power recovered") + " " + Edit("Edit28")->text() + " kW");
  EXPECT_EQ(row(L("Wyrzut: kondensat", "Discharge air: condensate")), L("Wyrzut: kondensat", "Discharge air: condensate") + " " + Edit("Edit39")->text() + " l/h");
  EXPECT_EQ(row(L("REKUPERATOR", "HEAT RECOVERY")), L("REKUPERATOR", "HEAT RECOVERY") + " R " + Edit("Edit7")->text() + " " + Edit("Edit8")->text() + " " +
                                    Edit("Edit9")->text() + " " +
                                    QString::fromStdString(calculators::ShownNumber(unit_->states().rot.i, 2,
                                                                                    UiDecimalSeparator())) +
                                    " " + Edit("Edit10")->text());
  EXPECT_EQ(row(L("WYWIEW", "EXHAUST AIR")), L("WYWIEW", "EXHAUST AIR") + " W 20 " + Edit("Edit24")->text() + " 40 " +
                               QString::fromStdString(calculators::ShownNumber(unit_->states().w.i, 2,
                                                                               UiDecimalSeparator())) +
                               " " + Edit("Edit26")->text());
  EXPECT_EQ(text.split("\r\n")[1], Text(226) + Text(219));
  // The whole file is the core's report of the window's last computation.
  UnitReportHeading heading;
  heading.design_case = (Text(226) + Text(219)).toStdString();
  EXPECT_EQ(text.toStdString(), UnitReportText(unit_->inputs(), unit_->states(), heading, UiDecimalSeparator(), polish));
  // The window stays open with its inputs: exporting changes nothing.
  EXPECT_EQ(Edit("Edit34")->text(), "60");
}

TEST_F(AhuTransferTest, ExportNamesTheCityOfTheDesignHour) {
  City(true);
  const QString path = dir_.filePath("city.txt");
  SetFileDialogResponder([&](const FileDialogRequest&) { return path; });
  Child<QPushButton>("SpeedButton1")->click();
  EXPECT_EQ(ReadAll(path).split("\r\n").value(1), Text(226) + "WARSZAWA");
}

TEST_F(AhuTransferTest, ExportCancelledWritesNothingAndFailureIsSaid) {
  WinterUnit();
  // Cancelled: no file, no message.
  SetFileDialogResponder([](const FileDialogRequest&) { return QString(); });
  Child<QPushButton>("SpeedButton1")->click();
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_TRUE(QDir(dir_.path()).isEmpty());
  // A folder that does not exist: said, with the path, nothing left behind.
  const QString path = dir_.filePath("missing/unit.txt");
  SetFileDialogResponder([&](const FileDialogRequest&) { return path; });
  Child<QPushButton>("SpeedButton1")->click();
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA info");
  EXPECT_TRUE(messages_.shown()[0].text.contains(QDir::toNativeSeparators(path))) << messages_.shown()[0].text.toStdString();
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(AhuTransferTest, ExportWithoutAComputationSaysWhyAndAsksForNoFile) {
  // The outdoor edits are empty at the start: nothing to export.
  bool asked = false;
  SetFileDialogResponder([&](const FileDialogRequest&) {
    asked = true;
    return QString();
  });
  Child<QPushButton>("SpeedButton1")->click();
  EXPECT_FALSE(asked);
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA info");
  EXPECT_FALSE(messages_.shown()[0].text.isEmpty());
}

// ---- A winter and a summer design case of one city, end to end ----

// WARSZAWA: the design hour of each season through the city list, the unit
// computed, drawn on the chart, and the chart written as a picture.
TEST_F(AhuTransferTest, WinterAndSummerOfOneCityAreDrawnOnTheChart) {
  const ClimateYear year = LoadClimateYear(DataDir().toStdString(), "WARSZAWA");
  ASSERT_TRUE(year.ok());
  const double pb = main_.settings().chart.pb;
  const QString out = qEnvironmentVariable("ORVANTA_AHU_PICTURES", QDir::tempPath());
  struct Case {
    bool winter;
    const char* picture;
    QStringList points;
  };
  for (const Case& c : {Case{true, "winter.png", {"Z", "R", "M", "N+", "W=P"}},
                        Case{false, "summer.png", {"Z", "R", "M", "CH", "N+", "W=P"}}}) {
    SCOPED_TRACE(c.picture);
    City(c.winter);
    const DesignHour hour = SelectDesignHour(year.hours, c.winter ? DesignSeason::Winter : DesignSeason::Summer, pb);
    ASSERT_EQ(Edit("Edit2")->text(), UiNumberText(hour.t));
    Type("Edit34", "60");
    Type("Edit35", c.winter ? "50" : "0");
    Type("Edit36", "20");
    Type("Edit50", c.winter ? "" : "13");
    Type("Edit51", c.winter ? "" : "7");
    Type("Edit17", c.winter ? "20" : "17");
    // Summer: a 24 °C room, no humidifier (the room takes the supply's moisture).
    Type("Edit23", c.winter ? "20" : "24");
    Child<QCheckBox>("CheckBox4")->setChecked(c.winter);
    ASSERT_FALSE(Edit("Edit21")->text().isEmpty());
    messages_.Answer(QMessageBox::No);  // the first case's project is not kept
    Child<QPushButton>("BitBtn3")->click();
    EXPECT_EQ(ProjectPoints(), c.points);
    const ChartProject& p = main_.project();
    // The outdoor point is the design hour; the supply leaves at tn; in
    // summer the room has the supply's moisture at 24 °C.
    EXPECT_NEAR(p.point(0).state.t, hour.t, 1e-9);
    EXPECT_NEAR(p.point(0).state.phi * 100, hour.rh, 1e-6);
    EXPECT_NEAR(p.point(p.point_count() - 2).state.t, c.winter ? 20 : 17, 1e-9);
    const ChartPoint& room = p.point(p.point_count() - 1);
    if (c.winter) {
      EXPECT_LT(hour.t, -10);
      EXPECT_NEAR(room.state.phi, 0.4, 1e-9);
    } else {
      EXPECT_GT(hour.t, 25);
      EXPECT_NEAR(room.state.t, 24, 1e-9);
      // Through φw written back to 0.1 %: 0.0005·ps(24)·0.622/pb ≈ 1e-5 kg/kg at most.
      EXPECT_NEAR(room.state.x, p.point(p.point_count() - 2).state.x, 1e-5);
    }
    QString error;
    EXPECT_TRUE(WriteChartPicture(QDir(out).filePath(c.picture), main_.settings().chart, p, 1200, 800, &error))
        << error.toStdString();
  }
}

}  // namespace
}  // namespace orvanta
