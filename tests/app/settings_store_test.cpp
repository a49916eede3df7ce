#include "app/settings_store.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(SettingsStore, FirstRunWritesEveryValueOnce) {
  MemoryStore store;
  WriteDefaultSettings(store);
  const auto& v = store.values();
  EXPECT_EQ(v.size(), 4u + 19u + 4u + 6u + 1u + 2u + 4u);
  EXPECT_EQ(v.at("pb"), "101300");
  EXPECT_EQ(v.at("Torgdown"), "-30");
  EXPECT_EQ(v.at("Torgup"), "40");
  EXPECT_EQ(v.at("Xorg"), "20");
  EXPECT_EQ(v.at("CB1"), "1");
  EXPECT_EQ(v.at("CB19"), "1");
  EXPECT_EQ(v.at("RB1"), "0");
  EXPECT_EQ(v.at("RB2"), "1");
  EXPECT_EQ(v.at("CBOX1"), "clRed");
  EXPECT_EQ(v.at("CBOX2"), "clGreen");
  EXPECT_EQ(v.at("CBOX3"), "clBlue");
  EXPECT_EQ(v.at("CBOX4"), "clNavy");
  EXPECT_EQ(v.at("CBOX5"), "clRed");
  EXPECT_EQ(v.at("CBOX6"), "clFuchsia");
  EXPECT_EQ(v.at("EDIT"), "15");
  EXPECT_EQ(v.at("XG"), "0");
  EXPECT_EQ(v.at("UKLAD"), "0");
  EXPECT_EQ(v.at("JEDN"), "0");
  EXPECT_EQ(v.at("POLE KOMFORTU"), "5");
  EXPECT_EQ(v.at("JEZYK"), "2");

  // An existing store is left alone.
  store.Set("pb", "95000");
  WriteDefaultSettings(store);
  EXPECT_EQ(store.values().at("pb"), "95000");
}

TEST(SettingsStore, FirstRunValuesLoadAsTheStartingChart) {
  MemoryStore store;
  WriteDefaultSettings(store);
  const AppSettings s = LoadSettings(store);
  EXPECT_EQ(s.chart.pb, 101300);
  EXPECT_EQ(s.chart.range, (ChartRange{-30, 40, 20}));
  EXPECT_EQ(s.chart.layout, ChartLayout::Mollier);
  EXPECT_EQ(s.chart.units, UnitSystem::SI);
  EXPECT_EQ(s.chart.comfort_zone, 5);
  EXPECT_EQ(s.language, 2);
  EXPECT_FALSE(s.chart.polish_labels);
  for (auto flag : kCheckBoxFlags) EXPECT_TRUE(s.chart.*flag);
  EXPECT_EQ(s.chart.default_label, LabelPosition::Right);
  EXPECT_EQ(s.label_radio, (std::array<bool, 4>{false, true, false, false}));
  EXPECT_EQ(s.chart.point_color, colors::kNavy);
  EXPECT_EQ(s.chart.coefficient_color, colors::kFuchsia);
  EXPECT_EQ(s.chart.label_font_height, 15);
}

TEST(SettingsStore, PressureIsClampedAndDefaulted) {
  auto load_pb = [](const char* text) {
    MemoryStore store;
    WriteDefaultSettings(store);
    if (text) {
      store.Set("pb", text);
    } else {
      store.Set("pb", "");
    }
    return LoadSettings(store).chart.pb;
  };
  EXPECT_EQ(load_pb("70000"), 80000);
  EXPECT_EQ(load_pb("130000"), 120000);
  EXPECT_EQ(load_pb("80000"), 80000);
  EXPECT_EQ(load_pb("120000"), 120000);
  EXPECT_EQ(load_pb("95000"), 95000);
  EXPECT_EQ(load_pb("101325,4"), 101325);  // shown rounded
  EXPECT_EQ(load_pb("abc"), 101300);
  EXPECT_EQ(load_pb(nullptr), 101300);     // empty

  MemoryStore no_pb;
  no_pb.Set("Torgdown", "-20");
  EXPECT_EQ(LoadSettings(no_pb).chart.pb, 101300);
}

TEST(SettingsStore, MissingValuesReadAsTheirFirstRunValuesBadOnesFallBack) {
  MemoryStore store;
  store.Set("JEZYK", "1");  // the key exists, everything else is missing
  const AppSettings s = LoadSettings(store);
  // A store that lost its keys (or holds one unrelated key) switches nothing
  // off: every missing value is what the first run writes.
  MemoryStore first_run;
  WriteDefaultSettings(first_run);
  const AppSettings f = LoadSettings(first_run);
  EXPECT_EQ(s.chart.range, (ChartRange{-30, 40, 20}));
  for (auto flag : kCheckBoxFlags) EXPECT_TRUE(s.chart.*flag);
  EXPECT_EQ(s.label_radio, (std::array<bool, 4>{false, true, false, false}));
  EXPECT_EQ(s.chart.default_label, f.chart.default_label);
  EXPECT_EQ(s.chart.humidity_color, colors::kRed);
  EXPECT_EQ(s.chart.process_color, colors::kRed);
  EXPECT_EQ(s.chart.coefficient_color, colors::kFuchsia);
  EXPECT_EQ(s.chart.label_font_height, 15);
  EXPECT_EQ(s.chart.comfort_zone, 5);
  EXPECT_EQ(s.chart.pb, f.chart.pb);
  MemoryStore unrelated;
  unrelated.Set("SomethingElse", "42");
  const AppSettings u = LoadSettings(unrelated);
  EXPECT_EQ(u.chart.range, f.chart.range);
  for (auto flag : kCheckBoxFlags) EXPECT_EQ(u.chart.*flag, f.chart.*flag);
  EXPECT_EQ(u.chart.comfort_zone, f.chart.comfort_zone);
  EXPECT_EQ(u.language, f.language);
  EXPECT_EQ(s.language, 1);
  EXPECT_TRUE(s.chart.polish_labels);
  EXPECT_TRUE(s.chart.polish_texts);

  MemoryStore odd;
  WriteDefaultSettings(odd);
  odd.Set("Torgdown", "-90");      // below the arrows' limit
  odd.Set("Torgup", "x");          // not a number
  odd.Set("Xorg", "500");
  odd.Set("CB3", "yes");           // only exactly "1" ticks
  odd.Set("CB4", " 1");
  odd.Set("CBOX4", "clNoSuchColour");
  odd.Set("UKLAD", "1");
  odd.Set("JEDN", "7");
  odd.Set("POLE KOMFORTU", "9");
  odd.Set("JEZYK", "40");
  odd.Set("CBOX5", "");
  odd.Set("CB7", "");
  const AppSettings o = LoadSettings(odd);
  EXPECT_EQ(o.chart.process_color, colors::kNavy);  // present but not a colour
  EXPECT_FALSE(o.chart.*kCheckBoxFlags[6]);          // present but not "1"
  EXPECT_EQ(o.chart.range, (ChartRange{-60, 35, 200}));
  EXPECT_FALSE(o.chart.isenthalps);
  EXPECT_FALSE(o.chart.show_logo);
  EXPECT_TRUE(o.chart.show_legend);
  EXPECT_EQ(o.chart.point_color, colors::kNavy);
  EXPECT_EQ(o.chart.layout, ChartLayout::Carrier);
  EXPECT_EQ(o.chart.units, UnitSystem::SI);
  EXPECT_EQ(o.chart.comfort_zone, 0);
  EXPECT_EQ(o.language, 0);  // nothing ticked
}

TEST(SettingsStore, EmptyStoreGivesTheWindowDefaults) {
  const MemoryStore empty;
  const AppSettings s = LoadSettings(empty);
  EXPECT_EQ(s.chart.pb, 101300);
  EXPECT_EQ(s.chart.range, (ChartRange{-30, 40, 20}));
}

TEST(SettingsStore, ColourNamesBothWays) {
  EXPECT_EQ(ColorToName(colors::kRed), "clRed");
  EXPECT_EQ(ColorToName(colors::kNavy), "clNavy");
  EXPECT_EQ(ColorToName(colors::kFuchsia), "clFuchsia");
  EXPECT_EQ(ColorToName(colors::kSilver), "clSilver");
  EXPECT_EQ(ColorToName(RgbFromBgr(0xF0CAA6)), "clSkyBlue");
  EXPECT_EQ(ColorToName(Rgb{0x12, 0x34, 0x56}), "$00563412");  // $00BBGGRR

  EXPECT_EQ(ColorFromName("clRed"), colors::kRed);
  EXPECT_EQ(ColorFromName("clnavy"), colors::kNavy);
  EXPECT_EQ(ColorFromName("clLtGray"), colors::kSilver);
  EXPECT_EQ(ColorFromName("$00563412"), (Rgb{0x12, 0x34, 0x56}));
  EXPECT_EQ(ColorFromName("0x0000FF"), colors::kRed);
  EXPECT_EQ(ColorFromName("255"), colors::kRed);
  EXPECT_EQ(ColorFromName(""), std::nullopt);
  EXPECT_EQ(ColorFromName("$"), std::nullopt);
  EXPECT_EQ(ColorFromName("$FF000000"), std::nullopt);  // not a plain colour
  EXPECT_EQ(ColorFromName("red"), std::nullopt);

  for (Rgb c : {colors::kBlack, colors::kWhite, colors::kPurple, Rgb{1, 2, 3}, Rgb{255, 128, 0}})
    EXPECT_EQ(ColorFromName(ColorToName(c)), c);
}

TEST(SettingsStore, SaveAndLoadRoundTrip) {
  AppSettings s;
  s.chart.pb = 101325;  // entered in the settings window
  s.chart.range = {-45, 60, 35};
  s.chart.layout = ChartLayout::Carrier;
  s.chart.units = UnitSystem::IP;
  s.chart.comfort_zone = 3;
  s.chart.show_points_panel = false;
  s.chart.tall_point_window = false;
  SelectLabelRadio(s, 3);
  s.chart.point_color = Rgb{10, 20, 30};
  s.chart.humidity_color = colors::kPurple;
  s.chart.label_font_height = 18;
  s.language = 1;
  s.xg = 120;
  s.yg = 45;

  MemoryStore store;
  SaveSettings(store, s);
  EXPECT_EQ(store.values().at("pb"), "101300");  // whole hectopascals
  EXPECT_EQ(store.values().at("RB4"), "1");
  EXPECT_EQ(store.values().at("RB2"), "0");
  EXPECT_EQ(store.values().at("CB6"), "0");
  EXPECT_EQ(store.values().at("CBOX1"), "clPurple");
  EXPECT_EQ(store.values().at("CBOX4"), "$001E140A");

  const AppSettings back = LoadSettings(store);
  EXPECT_EQ(back.chart.pb, 101300);
  EXPECT_EQ(back.chart.range, s.chart.range);
  EXPECT_EQ(back.chart.layout, ChartLayout::Carrier);
  EXPECT_EQ(back.chart.units, UnitSystem::IP);
  EXPECT_EQ(back.chart.comfort_zone, 3);
  for (size_t k = 0; k < kCheckBoxFlags.size(); ++k) EXPECT_EQ(back.chart.*kCheckBoxFlags[k], s.chart.*kCheckBoxFlags[k]) << "CB" << k + 1;
  EXPECT_EQ(back.chart.default_label, LabelPosition::Left);
  EXPECT_EQ(back.chart.point_color, (Rgb{10, 20, 30}));
  EXPECT_EQ(back.chart.humidity_color, colors::kPurple);
  EXPECT_EQ(back.chart.label_font_height, 18);
  EXPECT_EQ(back.language, 1);
  EXPECT_EQ(back.xg, 120);

  // No language ticked: the stored one stays.
  s.language = 0;
  SaveSettings(store, s);
  EXPECT_EQ(store.values().at("JEZYK"), "1");
}

}  // namespace
}  // namespace orvanta
