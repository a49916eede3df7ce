#include "app/settings_store.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "psychro/number_text.h"

namespace orvanta {
namespace {

// The standard colours first, then the other names; the first name of a
// value is the one written.
constexpr NamedColor kColorNames[] = {
    {"clBlack", 0x000000},     {"clMaroon", 0x000080},  {"clGreen", 0x008000},  {"clOlive", 0x008080},
    {"clNavy", 0x800000},      {"clPurple", 0x800080},  {"clTeal", 0x808000},   {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},      {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},   {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    // Accepted when reading only (aliases of the above).
    {"clLtGray", 0xC0C0C0},    {"clDkGray", 0x808080},
};
constexpr int kWritableNames = 20;

struct ColorValue {
  const char* name;
  Rgb first_run;
  Rgb fallback;
  Rgb ChartSettings::*field;
};
const ColorValue kColorValues[] = {
    {"CBOX1", colors::kRed, colors::kRed, &ChartSettings::humidity_color},
    {"CBOX2", colors::kGreen, colors::kGreen, &ChartSettings::density_color},
    {"CBOX3", colors::kBlue, colors::kBlue, &ChartSettings::enthalpy_color},
    {"CBOX4", colors::kNavy, colors::kNavy, &ChartSettings::point_color},
    {"CBOX5", colors::kRed, colors::kNavy, &ChartSettings::process_color},
    {"CBOX6", colors::kFuchsia, colors::kPurple, &ChartSettings::coefficient_color},
};

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

std::optional<long long> ParseInteger(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty()) return std::nullopt;
  const char* first = t.data();
  if (*first == '+') ++first;
  long long v = 0;
  auto [ptr, ec] = std::from_chars(first, t.data() + t.size(), v);
  if (ec != std::errc() || ptr != t.data() + t.size()) return std::nullopt;
  return v;
}

// Integer value: the first-run value when the name is missing (a store that
// lost a key must not switch anything off), the fallback for an empty or
// non-numeric text.
long long IntegerValue(const KeyValueStore& store, const char* name, long long first_run, long long fallback) {
  const auto text = store.Get(name);
  if (!text) return first_run;
  return ParseInteger(*text).value_or(fallback);
}

long long IntegerValue(const KeyValueStore& store, const char* name, long long fallback) {
  return IntegerValue(store, name, fallback, fallback);
}

// A check box or radio button: ticked only by exactly "1"; a missing one has
// its first-run state.
bool FlagValue(const KeyValueStore& store, const std::string& name, bool first_run) {
  const auto text = store.Get(name);
  return text ? *text == "1" : first_run;
}

std::string Flag(bool b) { return b ? "1" : "0"; }

std::string CheckBoxName(int i) { return "CB" + std::to_string(i + 1); }
std::string RadioName(int i) { return "RB" + std::to_string(i + 1); }

}  // namespace

std::optional<std::string> MemoryStore::Get(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

int RadioIndexOf(LabelPosition p) {
  switch (p) {
    case LabelPosition::Bottom: return 0;
    case LabelPosition::Right: return 1;
    case LabelPosition::Top: return 2;
    case LabelPosition::Left: return 3;
    case LabelPosition::None: break;
  }
  return -1;
}

LabelPosition LabelPositionOfRadio(int index) {
  switch (index) {
    case 0: return LabelPosition::Bottom;
    case 1: return LabelPosition::Right;
    case 2: return LabelPosition::Top;
    case 3: return LabelPosition::Left;
    default: return LabelPosition::None;
  }
}

void SelectLabelRadio(AppSettings& s, int index) {
  for (int i = 0; i < 4; ++i) s.label_radio[static_cast<size_t>(i)] = i == index;
  s.chart.default_label = LabelPositionOfRadio(index);
}

double PressureFromText(const std::string& text) {
  const auto v = ParseNumber(text, ',');
  if (!v) return kDefaultPressure;
  return std::clamp(*v, kMinPressure, kMaxPressure);
}

std::span<const NamedColor> StandardColors() { return std::span<const NamedColor>(kColorNames, 16); }

std::string ColorToName(Rgb c) {
  const std::uint32_t bgr = BgrFromRgb(c);
  for (int i = 0; i < kWritableNames; ++i)
    if (kColorNames[i].bgr == bgr) return kColorNames[i].name;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(bgr));
  return buffer;
}

std::optional<Rgb> ColorFromName(const std::string& raw) {
  const std::string text = Trim(raw);
  for (const NamedColor& n : kColorNames) {
    const std::string_view name = n.name;
    if (text.size() == name.size() &&
        std::equal(text.begin(), text.end(), name.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        }))
      return RgbFromBgr(n.bgr);
  }
  std::uint32_t value = 0;
  std::string_view digits = text;
  int base = 10;
  if (digits.starts_with('$')) {
    digits.remove_prefix(1);
    base = 16;
  } else if (digits.starts_with("0x") || digits.starts_with("0X")) {
    digits.remove_prefix(2);
    base = 16;
  }
  if (digits.empty()) return std::nullopt;
  auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
  // Only plain colours; system-colour numbers (high byte set) are not colours here.
  if (value > 0xFFFFFF) return std::nullopt;
  return RgbFromBgr(value);
}

void WriteDefaultSettings(KeyValueStore& store) {
  if (store.Exists()) return;
  store.Set("pb", "101300");
  store.Set("Torgdown", "-30");
  store.Set("Torgup", "40");
  store.Set("Xorg", "20");
  for (int i = 0; i < 19; ++i) store.Set(CheckBoxName(i), "1");
  for (int i = 0; i < 4; ++i) store.Set(RadioName(i), i == 1 ? "1" : "0");
  for (const ColorValue& c : kColorValues) store.Set(c.name, ColorToName(c.first_run));
  store.Set("EDIT", "15");
  store.Set("XG", "0");
  store.Set("YG", "0");
  store.Set("UKLAD", "0");
  store.Set("JEDN", "0");
  store.Set("POLE KOMFORTU", "5");
  store.Set("JEZYK", "2");
  store.Flush();
}

AppSettings LoadSettings(const KeyValueStore& store) {
  AppSettings s;
  if (!store.Exists()) return s;
  ChartSettings& c = s.chart;

  const auto pb = store.Get("pb");
  c.pb = pb ? PressureFromText(*pb) : kDefaultPressure;
  // The settings window shows the rounded value; the chart uses the same.
  c.pb = static_cast<double>(Rnd(c.pb));

  c.range.torg_down =
      static_cast<int>(std::clamp<long long>(IntegerValue(store, "Torgdown", -30), kTorgDownMin, kTorgDownSettingsMax));
  c.range.torg_up = static_cast<int>(std::clamp<long long>(IntegerValue(store, "Torgup", 40, 35), kTorgUpMin, kTorgUpMax));
  c.range.xorg = static_cast<int>(std::clamp<long long>(IntegerValue(store, "Xorg", 20), kXorgMin, kXorgMax));

  for (int i = 0; i < 19; ++i) c.*kCheckBoxFlags[static_cast<size_t>(i)] = FlagValue(store, CheckBoxName(i), true);
  int selected = -1;
  for (int i = 0; i < 4; ++i) {
    s.label_radio[static_cast<size_t>(i)] = FlagValue(store, RadioName(i), i == 1);
    if (s.label_radio[static_cast<size_t>(i)] && selected < 0) selected = i;
  }
  if (selected >= 0) {
    SelectLabelRadio(s, selected);  // one radio button only, as in the window
  } else {
    s.chart.default_label = LabelPosition::None;
  }

  for (const ColorValue& cv : kColorValues) {
    const auto text = store.Get(cv.name);
    c.*cv.field = text ? ColorFromName(*text).value_or(cv.fallback) : cv.first_run;
  }

  const long long font = IntegerValue(store, "EDIT", 15);
  c.label_font_height = font >= 1 && font <= 200 ? static_cast<int>(font) : 15;

  const long long layout = IntegerValue(store, "UKLAD", 0);
  c.layout = layout == 1 ? ChartLayout::Carrier : ChartLayout::Mollier;
  const long long units = IntegerValue(store, "JEDN", 0);
  c.units = units == 1 ? UnitSystem::IP : UnitSystem::SI;
  const long long zone = IntegerValue(store, "POLE KOMFORTU", 5, 0);
  c.comfort_zone = zone >= 0 && zone <= 5 ? static_cast<int>(zone) : 0;

  const long long language = IntegerValue(store, "JEZYK", 2);
  s.language = language >= 1 && language <= 21 ? static_cast<int>(language) : 0;
  c.polish_labels = c.polish_texts = s.language == 1;

  s.xg = static_cast<int>(IntegerValue(store, "XG", 0));
  s.yg = static_cast<int>(IntegerValue(store, "YG", 0));
  return s;
}

void SaveSettings(KeyValueStore& store, const AppSettings& s) {
  const ChartSettings& c = s.chart;
  // The main window keeps the pressure in whole hectopascals.
  const long long hpa = std::clamp<long long>(Rnd(c.pb / 100), 800, 1200);
  store.Set("pb", std::to_string(hpa * 100));
  store.Set("Torgdown", std::to_string(c.range.torg_down));
  store.Set("Torgup", std::to_string(c.range.torg_up));
  store.Set("Xorg", std::to_string(c.range.xorg));
  for (int i = 0; i < 19; ++i) store.Set(CheckBoxName(i), Flag(c.*kCheckBoxFlags[static_cast<size_t>(i)]));
  for (int i = 0; i < 4; ++i) store.Set(RadioName(i), Flag(s.label_radio[static_cast<size_t>(i)]));
  for (const ColorValue& cv : kColorValues) store.Set(cv.name, ColorToName(c.*cv.field));
  store.Set("EDIT", std::to_string(c.label_font_height));
  store.Set("XG", std::to_string(s.xg));
  store.Set("YG", std::to_string(s.yg));
  store.Set("UKLAD", c.layout == ChartLayout::Carrier ? "1" : "0");
  store.Set("JEDN", c.units == UnitSystem::IP ? "1" : "0");
  store.Set("POLE KOMFORTU", std::to_string(c.comfort_zone));
  if (s.language >= 1 && s.language <= 21) store.Set("JEZYK", std::to_string(s.language));
  store.Flush();
}

}  // namespace orvanta
