// The caption rows the windows own and register are, together, exactly the
// full caption list of the user interface.
#include "app/caption_map.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings_store.h"
#include "app/ui/chart_settings_window.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/report_data_window.h"
#include "app/ui/main_window.h"
#include "project/chart_project.h"
#include "project/ui/library_window.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/point_definition_dialog.h"
#include "project/ui/points_list_window.h"
#include "support/caption_list.h"

namespace orvanta {
namespace {

using RowKey = std::tuple<int, std::string, std::string, CaptionKind>;
RowKey Key(const CaptionRow& r) { return {r.entry, r.window, r.component, r.kind}; }

// Every window there is, built once, so that each has registered its rows
// (the main window registers the modules and the rows still to come).
class CaptionMap : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    responder_ = new RecordingResponder;
    main_ = new MainWindow(std::make_unique<MemoryStore>());
    settings_window_ = new ChartSettingsWindow(settings_);
    report_ = new ReportDataWindow;
  }
  static void TearDownTestSuite() {
    delete report_;
    delete settings_window_;
    delete main_;
    delete responder_;
  }
  static inline RecordingResponder* responder_ = nullptr;
  static inline AppSettings settings_;
  static inline MainWindow* main_ = nullptr;
  static inline ChartSettingsWindow* settings_window_ = nullptr;
  static inline ReportDataWindow* report_ = nullptr;
};

TEST_F(CaptionMap, TheWindowsRowsTogetherAreTheFullListRowForRow) {
  std::multiset<RowKey> registered, expected;
  for (const CaptionRow& r : CaptionRows()) registered.insert(Key(r));
  for (const CaptionRow& r : test::kCaptionList) expected.insert(Key(r));
  EXPECT_EQ(registered.size(), expected.size());
  std::vector<RowKey> missing, extra;
  std::set_difference(expected.begin(), expected.end(), registered.begin(), registered.end(), std::back_inserter(missing));
  std::set_difference(registered.begin(), registered.end(), expected.begin(), expected.end(), std::back_inserter(extra));
  EXPECT_TRUE(missing.empty()) << "first missing row: entry " << std::get<0>(missing.front()) << " of "
                               << std::get<1>(missing.front()) << "." << std::get<2>(missing.front());
  EXPECT_TRUE(extra.empty()) << "first unexpected row: entry " << std::get<0>(extra.front()) << " of "
                             << std::get<1>(extra.front()) << "." << std::get<2>(extra.front());

  // Each window's rows in the list's order (item lists fill in that order).
  std::map<std::string, std::vector<RowKey>> per_window;
  for (const CaptionRow& r : test::kCaptionList) per_window[r.window].push_back(Key(r));
  for (const auto& [window, rows] : per_window) {
    std::vector<RowKey> got;
    for (const CaptionRow& r : CaptionRowsOf(window)) got.push_back(Key(r));
    EXPECT_EQ(got, rows) << window;
  }
}

TEST_F(CaptionMap, RegisteringAWindowsRowsTwiceAddsNothing) {
  const size_t before = CaptionRows().size();
  RegisterCaptionRows(PointDataDialogCaptionRows());
  RegisterCaptionRows(MainWindowCaptionRows());
  EXPECT_EQ(CaptionRows().size(), before);
}

TEST_F(CaptionMap, CoversTheWindowsAndEntriesOfTheUserInterface) {
  const auto rows = CaptionRows();
  EXPECT_EQ(rows.size(), 992u);
  std::set<int> entries;
  std::set<std::string> windows;
  for (const CaptionRow& r : rows) {
    EXPECT_GE(r.entry, 2);
    EXPECT_LE(r.entry, 1316);
    EXPECT_EQ(r.kind == CaptionKind::Window, std::string(r.component).empty()) << r.entry;
    entries.insert(r.entry);
    windows.insert(r.window);
  }
  EXPECT_EQ(entries.size(), 901u);
  EXPECT_EQ(windows.size(), 31u);
}

TEST_F(CaptionMap, RowsOfOneWindow) {
  const auto rows = CaptionRowsOf("TForm26");
  ASSERT_EQ(rows.size(), 39u);
  EXPECT_EQ(rows.front().entry, 906);
  EXPECT_EQ(rows.front().kind, CaptionKind::Window);
  EXPECT_EQ(rows.back().entry, 944);
  EXPECT_STREQ(rows.back().component, "BitBtn2");
  EXPECT_TRUE(CaptionRowsOf("TForm99").empty());

  // The comfort-zone box: its text and six items, in entry order.
  int items = 0;
  for (const CaptionRow& r : CaptionRowsOf("TForm25")) {
    if (std::string(r.component) == "ComboBox1" && r.kind == CaptionKind::Item) {
      EXPECT_EQ(r.entry, 1117 + items++);
    }
  }
  EXPECT_EQ(items, 6);
}

TEST_F(CaptionMap, RowsPerWindowAndTellingRowsOfTheMainWindow) {
  const std::map<std::string, size_t> per_window = {
      {"TForm25", 151}, {"TForm14", 120}, {"TForm21", 87}, {"TForm7", 77},  {"TForm17", 62}, {"TForm15", 57},
      {"TForm18", 51},  {"TForm26", 39},  {"TForm24", 31}, {"TForm29", 31}, {"TForm16", 28}, {"TForm22", 28},
      {"TForm11", 27},  {"TForm13", 22},  {"TForm8", 19},  {"TForm32", 19}, {"TForm20", 18}, {"TForm27", 17},
      {"TForm30", 13},  {"TForm40", 12},  {"TForm2", 10},  {"TForm10", 10}, {"TForm35", 10}, {"TForm3", 9},
      {"TForm39", 9},   {"TForm5", 7},    {"TForm9", 7},   {"TForm12", 7},  {"TForm34", 7},  {"TForm38", 4},
      {"TForm31", 3},
  };
  for (const auto& [window, count] : per_window) EXPECT_EQ(CaptionRowsOf(window).size(), count) << window;

  auto has = [](int entry, const char* component, CaptionKind kind) {
    for (const CaptionRow& r : CaptionRowsOf("TForm25"))
      if (r.entry == entry && std::string(r.component) == component && r.kind == kind) return true;
    return false;
  };
  EXPECT_TRUE(has(2, "PLIK1", CaptionKind::Text));
  EXPECT_TRUE(has(5, "Za", CaptionKind::Text));
  EXPECT_TRUE(has(10, "Zakocz1", CaptionKind::Text));
  for (const char* free_point : {"DODAJPUNKTDOWOLNY1", "DodajPunkt4", "Dodajpunkt2", "Dodajpunkt3"})
    EXPECT_TRUE(has(23, free_point, CaptionKind::Text)) << free_point;
  EXPECT_TRUE(has(35, "BitBtn2", CaptionKind::Hint));
  EXPECT_TRUE(has(42, "Kalkulatorstratzyskwciepawkanale1", CaptionKind::Text));
  EXPECT_TRUE(has(101, "Image1", CaptionKind::Hint));
  // The two cooling buttons take their hints crosswise.
  EXPECT_TRUE(has(1276, "SpeedButton4", CaptionKind::Hint));
  EXPECT_TRUE(has(1277, "SpeedButton3", CaptionKind::Hint));
  EXPECT_TRUE(has(1283, "SpeedButton10", CaptionKind::Hint));
}

}  // namespace
}  // namespace orvanta
