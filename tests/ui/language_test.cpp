#include "app/ui/kit/data_dir.h"
#include "calculators/ui/acoustic_window.h"
#include "calculators/ui/sound_level_windows.h"
#include "ductcalc/ui/basic_data_window.h"
#include "ductcalc/ui/duct_run.h"
#include "ductcalc/ui/duct_sheet_window.h"
#include "ductcalc/ui/fitting_palette.h"
#include "ductcalc/ui/fitting_window.h"
#include "app/ui/kit/language.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "app/caption_map.h"
#include "app/ui/kit/report_data_window.h"
#include "support/caption_list.h"
#include "app/language_texts.h"
#include "app/settings_store.h"
#include "app/ui/chart_settings_window.h"
#include "app/ui/main_window.h"
#include "app/ui/kit/messages.h"
#include "project/chart_project.h"
#include "project/ui/library_window.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/point_definition_dialog.h"
#include "project/ui/points_list_window.h"
#include "project/ui/coefficient_windows.h"
#include "project/ui/process_dialog.h"
#include "project/ui/process_list_window.h"
#include "project/mixing.h"
#include "project/ui/cooling_point_dialog.h"
#include "project/ui/mixing_dialog.h"
#include "project/ui/shr_cooling_dialog.h"
#include "project/ui/treatment_window.h"
#include "ui/support/test_workbench.h"
#include "calculators/ui/air_balance_window.h"
#include "calculators/ui/duct_heat_window.h"
#include "calculators/ui/people_window.h"
#include "calculators/ui/pool_hall_window.h"
#include "calculators/ui/regulating_window.h"
#include "calculators/ui/water_surface_window.h"

namespace orvanta {
namespace {

// Points the data folder at the delivered files for the duration of a test.
class DeliveredData : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("ORVANTA_DATA_DIR", QByteArray(ORVANTA_DATA_SOURCE_DIR));
    // Stand-ins below play the main window, with its caption rows.
    RegisterCaptionRows(MainWindowCaptionRows());
  }
};

using LanguageMenu = DeliveredData;
using LanguageSwitch = DeliveredData;

TEST_F(LanguageMenu, OffersTheTwentyOneLanguages) {
  const auto entries = LanguageMenuEntries();
  ASSERT_EQ(entries.size(), 21u);
  EXPECT_EQ(entries.front().caption, "PL");
  EXPECT_EQ(entries[1].caption, "EN");
  EXPECT_EQ(entries.back().caption, "TR");
  EXPECT_EQ(entries.back().number, 21);
  EXPECT_TRUE(LanguageFilePath(2).endsWith("lng/en.lng"));
  EXPECT_TRUE(LanguageFilePath(0).isEmpty());
}

TEST_F(LanguageMenu, MissingFileIsReportedAndChangesNothing) {
  RecordingResponder messages;
  AppSettings s;
  ChartSettingsWindow w(s);
  ASSERT_TRUE(LoadLanguage(2));
  const QString title = w.windowTitle();
  const QString first = Text(2);
  int changed = 0;
  const auto connection =
      QObject::connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, [&](int) { ++changed; });

  ASSERT_FALSE(QFile::exists(LanguageFilePath(3)));  // "DE" is not delivered
  EXPECT_FALSE(LoadLanguage(3));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "THE FILE WITH THE CHOSEN LANGUAGE IS NOT FOUND");
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA INFO");
  EXPECT_EQ(ActiveLanguageNumber(), 2);
  EXPECT_EQ(Text(2), first);
  EXPECT_EQ(w.windowTitle(), title);
  EXPECT_EQ(changed, 0);
  QObject::disconnect(connection);
}

TEST_F(LanguageSwitch, AppliesToALiveWindowAndSwitchesBack) {
  RecordingResponder messages;
  AppSettings s;
  ChartSettingsWindow w(s);
  int changed = 0;
  const auto connection =
      QObject::connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, [&](int) { ++changed; });
  auto* cb1 = w.findChild<QCheckBox*>("CheckBox1");
  auto* cancel = w.findChild<QPushButton*>("BitBtn2");
  auto* hidden_hint = w.findChild<QCheckBox*>("CheckBox19");
  ASSERT_TRUE(cb1 && cancel && hidden_hint);

  ASSERT_TRUE(LoadLanguage(1));
  EXPECT_TRUE(PolishTicked());
  EXPECT_EQ(cb1->text(), "RYSUJ IZOLINIĘ WILGOTNOŚCI");
  EXPECT_EQ(cancel->text(), "ANULUJ");
  EXPECT_EQ(w.windowTitle(), Text(906));
  const QString polish_title = w.windowTitle();
  const QString polish_hint = hidden_hint->toolTip();
  EXPECT_FALSE(polish_hint.isEmpty());

  ASSERT_TRUE(LoadLanguage(2));
  EXPECT_FALSE(PolishTicked());
  EXPECT_EQ(cancel->text(), "CANCEL");
  EXPECT_NE(cb1->text(), "RYSUJ IZOLINIĘ WILGOTNOŚCI");
  EXPECT_EQ(cb1->text(), Text(913));
  EXPECT_NE(w.windowTitle(), polish_title);
  EXPECT_NE(hidden_hint->toolTip(), polish_hint);

  ASSERT_TRUE(LoadLanguage(1));
  EXPECT_EQ(cb1->text(), "RYSUJ IZOLINIĘ WILGOTNOŚCI");
  EXPECT_EQ(w.windowTitle(), polish_title);
  EXPECT_EQ(hidden_hint->toolTip(), polish_hint);
  EXPECT_EQ(changed, 3);
  QObject::disconnect(connection);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LanguageSwitch, ListsAreRefilledInEntryOrderWithNothingSelected) {
  // A stand-in for the main window with its comfort-zone box and a menu item.
  QWidget main;
  main.setObjectName("TForm25");
  auto* zone = new QComboBox(&main);
  zone->setObjectName("ComboBox1");
  zone->addItems({"a", "b", "c", "d", "e", "f"});
  zone->setCurrentIndex(5);
  auto* file_menu = new QAction("Plik...", &main);
  file_menu->setObjectName("PLIK1");

  ASSERT_TRUE(LoadLanguage(2));
  ApplyLanguageTexts(&main);
  ASSERT_EQ(zone->count(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(zone->itemText(i), Text(1117 + i)) << i;
  EXPECT_EQ(zone->currentIndex(), -1);
  EXPECT_EQ(zone->placeholderText(), Text(1117));
  EXPECT_EQ(file_menu->text(), Text(2));

  zone->setCurrentIndex(2);
  ASSERT_TRUE(LoadLanguage(1));
  ApplyLanguageTexts(&main);
  EXPECT_EQ(zone->count(), 6);
  EXPECT_EQ(zone->itemText(0), Text(1117));
  EXPECT_EQ(zone->currentIndex(), -1);
  EXPECT_EQ(file_menu->text(), "Plik...");
}

TEST_F(LanguageSwitch, WindowsBuiltLaterTakeTheTextsWhenShown) {
  ASSERT_TRUE(LoadLanguage(2));
  RegisterCaptionRows(PeopleWindowCaptionRows());  // the rows the people window brings
  QDialog people;  // a window that did not exist at the language change
  people.setObjectName("TForm13");
  auto* activity = new QComboBox(&people);
  activity->setObjectName("ComboBox1");
  activity->addItems({"a", "b", "c"});
  activity->setCurrentIndex(1);
  auto* calculate = new QPushButton("Oblicz", &people);
  calculate->setObjectName("Button1");
  EXPECT_EQ(calculate->text(), "Oblicz");

  people.show();
  EXPECT_EQ(people.windowTitle(), Text(519));
  EXPECT_EQ(calculate->text(), Text(530));
  ASSERT_EQ(activity->count(), 9);
  EXPECT_EQ(activity->itemText(8), Text(540));
  EXPECT_EQ(activity->currentIndex(), 1);  // no own text: the choice stays

  // Shown again without a language change: nothing is reapplied.
  people.hide();
  calculate->setText("changed by the window");
  people.show();
  EXPECT_EQ(calculate->text(), "changed by the window");

  // A language change while it is open reaches it directly.
  ASSERT_TRUE(LoadLanguage(1));
  EXPECT_EQ(calculate->text(), "Oblicz");
  EXPECT_EQ(activity->itemText(0), "Odpoczynek w postawie siedzącej");
  EXPECT_EQ(activity->currentIndex(), 1);
}

TEST_F(LanguageSwitch, ShortFileKeepsTheEarlierTextsOfTheEntriesItDoesNotReach) {
  RecordingResponder messages;
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath("lng"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANTA_DATA_SOURCE_DIR "/lng/en.lng"), dir.filePath("lng/en.lng")));
  QFile de(dir.filePath("lng/de.lng"));
  ASSERT_TRUE(de.open(QIODevice::WriteOnly));
  de.write("\r\nDatei...\r\n");  // two lines
  de.close();
  qputenv("ORVANTA_DATA_DIR", dir.path().toLocal8Bit());

  ASSERT_TRUE(LoadLanguage(2));
  const QString english_new = Text(3);
  ASSERT_TRUE(LoadLanguage(3));
  EXPECT_EQ(Text(2), "Datei...");
  EXPECT_EQ(Text(3), english_new);
  EXPECT_EQ(ActiveLanguageNumber(), 3);
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LanguageSwitch, StoredLanguageAtStartUp) {
  RecordingResponder messages;
  ASSERT_TRUE(LoadLanguage(2));
  EXPECT_EQ(LoadStoredLanguage(0), 0);   // outside 1..21: nothing loaded
  EXPECT_EQ(LoadStoredLanguage(22), 0);
  EXPECT_EQ(ActiveLanguageNumber(), 2);
  EXPECT_TRUE(messages.shown().empty());

  // A stored language without its file: reported, Polish texts instead.
  EXPECT_EQ(LoadStoredLanguage(5), 1);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "THE FILE WITH THE CHOSEN LANGUAGE IS NOT FOUND");  // English was active
  EXPECT_EQ(ActiveLanguageNumber(), 1);
  EXPECT_EQ(Text(10), "Zakończ");
}

// The texts the main window builds itself follow the language at the redraw
// that ends a switch: the altitude prefix, the legend and the chart name.
TEST_F(LanguageSwitch, MainWindowOwnTextsFollowTheLanguage) {
  RecordingResponder messages;
  MainWindow w(std::make_unique<MemoryStore>());
  w.resize(1200, 800);
  w.show();
  QApplication::processEvents();
  auto label = [&](const char* name) { return w.findChild<QLabel*>(name)->text(); };

  w.Command("Polski1")->trigger();
  EXPECT_TRUE(label("Label38").startsWith(QString::fromUtf8("Wysokość n.p.m.: "))) << label("Label38").toStdString();
  EXPECT_TRUE(label("Label38").endsWith(" m"));
  EXPECT_EQ(label("Label44"), QString::fromUtf8("gęstość [kg/m3]"));
  EXPECT_EQ(label("Label42"), "entalpia [kJ/kg]");
  EXPECT_EQ(label("Label49"), "WYKRES MOLLIERA");
  EXPECT_EQ(w.findChild<QPushButton*>("BitBtn1")->text(), "      ZAMKNIJ");
  EXPECT_EQ(w.windowTitle(), "ORVANTA - beznazwy.ovt");

  w.Command("Angielski1")->trigger();
  EXPECT_TRUE(label("Label38").startsWith("Altitude above sea level: ")) << label("Label38").toStdString();
  EXPECT_EQ(label("Label44"), "density [kg/m3]");
  EXPECT_EQ(label("Label42"), "enthalpy [kJ/kg]");
  EXPECT_EQ(label("Label49"), "MOLLIER CHART");
  EXPECT_TRUE(messages.shown().empty());
  w.close();
}

// Every row of the caption table names a component of its window. The
// windows that can be built now are checked; the others are listed once
// here and move into `kBuilt` as they are written.
TEST(CaptionTable, EveryRowNamesAComponentOfItsWindow) {
  RecordingResponder messages;
  AppSettings settings;
  ChartProject project;
  PointsListWindow points_list(&project);
  test::TestWorkbench workbench;
  MixingDefinitions mixing;
  DuctRun duct_run(DataPath("calc").toStdString());
  // Main windows that own the calculator windows under test.
  std::vector<std::unique_ptr<MainWindow>> owners;
  const std::map<std::string, std::function<std::unique_ptr<QWidget>()>> kBuilt = {
      {"TForm5", [&] { return std::make_unique<LibraryWindow>(&project); }},
      {"TForm9", [&] { return std::make_unique<CoolingPointDialog>(workbench); }},
      {"TForm10", [&] { return std::make_unique<MixingDialog>(workbench, mixing); }},
      {"TForm39", [&] { return std::make_unique<ShrCoolingDialog>(workbench); }},
      {"TForm40", [&] { return std::make_unique<TreatmentWindow>(workbench); }},
      {"TForm25", [&] { return std::make_unique<MainWindow>(std::make_unique<MemoryStore>()); }},
      {"TForm14", [&]() -> std::unique_ptr<QWidget> {
         auto main = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
         return std::unique_ptr<QWidget>(owners.emplace_back(std::move(main))->findChild<QWidget*>("TForm14"));
       }},
      {"TForm20", [&]() -> std::unique_ptr<QWidget> {
         auto main = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
         return std::unique_ptr<QWidget>(owners.emplace_back(std::move(main))->findChild<QWidget*>("TForm20"));
       }},
      {"TForm21", [&]() -> std::unique_ptr<QWidget> {
         auto main = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
         return std::unique_ptr<QWidget>(owners.emplace_back(std::move(main))->findChild<QWidget*>("TForm21"));
       }},
      {"TForm26", [&] { return std::make_unique<ChartSettingsWindow>(settings); }},
      {"TForm27", [&] { return std::make_unique<PointDefinitionDialog>(&project); }},
      {"TForm29", [&] { return std::make_unique<PointDataDialog>(&project, &settings.chart, &points_list); }},
      {"TForm31", [&] { return std::make_unique<PointsListWindow>(&project); }},
      {"TForm38", [&] { return std::make_unique<ReportDataWindow>(); }},
      {"TForm30", [&] { return std::make_unique<ProcessDialog>(workbench); }},
      {"TForm32", [&] { return std::make_unique<ProcessListWindow>(workbench, nullptr); }},
      {"TForm3", [&] { return std::make_unique<CoefficientDialog>(workbench); }},
      {"TForm2", [&] { return std::make_unique<CoefficientListWindow>(workbench, nullptr); }},
      {"TForm12", [&] { return std::make_unique<BasicDataWindow>(duct_run, nullptr); }},
      {"TForm15", [&] { return std::make_unique<DuctSheetWindow>(nullptr); }},
      {"TForm16", [&] { return std::make_unique<FittingPalette>(nullptr); }},
      {"TForm17", [&] { return std::make_unique<FittingWindow>(duct_run, nullptr); }},
      {"TForm7", [&] { return std::make_unique<AirBalanceWindow>(); }},
      {"TForm8", [&] { return std::make_unique<RegulatingWindow>(); }},
      {"TForm11", [&] { return std::make_unique<WaterSurfaceWindow>(); }},
      {"TForm13", [&] { return std::make_unique<PeopleWindow>(); }},
      {"TForm18", [&] { return std::make_unique<PoolHallWindow>(); }},
      {"TForm24", [&] { return std::make_unique<DuctHeatWindow>(nullptr); }},
      {"TForm22", [&] { return std::make_unique<AcousticWindow>(); }},
      {"TForm34", [&] { return std::make_unique<SoundSumWindow>(); }},
      {"TForm35", [&] { return std::make_unique<LevelAtDistanceWindow>(); }},
  };
  // Every window of the caption list is built and registers its rows.
  for (const auto& entry : kBuilt) entry.second();
  std::set<std::string> windows;
  for (const CaptionRow& r : test::kCaptionList) windows.insert(r.window);
  for (const std::string& w : windows) EXPECT_TRUE(kBuilt.count(w)) << w;
  for (const CaptionRow& r : CaptionRows()) EXPECT_TRUE(windows.count(r.window)) << r.window;

  // The component must be the window's own, not one of a window it owns
  // (the main window owns the settings and point windows).
  auto own = [](QWidget* window, const char* component) {
    for (QObject* o : window->findChildren<QObject*>(QString::fromLatin1(component))) {
      QObject* p = o->parent();
      // Menus are pop-up windows of their own window, so they do not count.
      while (p && p != window && !(p->isWidgetType() && static_cast<QWidget*>(p)->isWindow() && !qobject_cast<QMenu*>(p)))
        p = p->parent();
      if (p == window) return true;
    }
    return false;
  };
  for (const auto& [name, make] : kBuilt) {
    const auto window = make();
    EXPECT_EQ(window->objectName().toStdString(), name);
    for (const CaptionRow& r : CaptionRowsOf(name)) {
      if (r.kind == CaptionKind::Window) continue;
      EXPECT_TRUE(own(window.get(), r.component)) << name << " has no " << r.component << " for entry " << r.entry;
    }
  }
}

}  // namespace
}  // namespace orvanta
