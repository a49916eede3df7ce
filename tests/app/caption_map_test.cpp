#include "app/caption_map.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orvanta
