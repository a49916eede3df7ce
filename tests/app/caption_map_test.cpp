#include "app/caption_map.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace orvanta {
namespace {

TEST(CaptionMap, CoversTheWindowsAndEntriesOfTheUserInterface) {
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

TEST(CaptionMap, RowsOfOneWindow) {
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

TEST(CaptionMap, RowsPerWindowAndTellingRowsOfTheMainWindow) {
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
