// The persistent settings: chart range and appearance, layout, units,
// comfort zone, language. Values are strings under fixed names; the store
// behind them is a key/value interface (the user's settings in the program,
// an in-memory map in tests).
#pragma once

#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "chart/chart_settings.h"

namespace orvanta {

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;
  // Whether any settings have been written before.
  virtual bool Exists() const = 0;
  virtual std::optional<std::string> Get(const std::string& name) const = 0;
  virtual void Set(const std::string& name, const std::string& value) = 0;
  // Makes the written values durable (no-op for memory).
  virtual void Flush() {}
};

class MemoryStore : public KeyValueStore {
 public:
  bool Exists() const override { return !values_.empty(); }
  std::optional<std::string> Get(const std::string& name) const override;
  void Set(const std::string& name, const std::string& value) override { values_[name] = value; }
  const std::map<std::string, std::string>& values() const { return values_; }

 private:
  std::map<std::string, std::string> values_;
};

// Limits of the stored values.
inline constexpr double kMinPressure = 80000;
inline constexpr double kMaxPressure = 120000;
inline constexpr double kDefaultPressure = 101300;

struct AppSettings {
  // Range, layout, units, comfort zone, check boxes, label position,
  // colours and label font height.
  ChartSettings chart;
  // Default label position radio buttons RB1..RB4 (bottom, right, top,
  // left); none may be selected. chart.default_label follows the selected one.
  std::array<bool, 4> label_radio{false, true, false, false};
  int language = 2;  // 1..21; 0 = no language ticked (nothing is saved then)
  int xg = 0, yg = 0;  // last dragged position of the point panel
};

// Which radio button (0..3) a label position is, and back; -1 / None when
// not one of the four.
int RadioIndexOf(LabelPosition p);
LabelPosition LabelPositionOfRadio(int index);
// Sets label_radio and chart.default_label together.
void SelectLabelRadio(AppSettings& s, int index);

// First run: when the store holds nothing yet, writes every value with its
// first-run text. Does nothing otherwise.
void WriteDefaultSettings(KeyValueStore& store);
// Reads every value, with the fallbacks and limits of each; an unreadable
// store gives the defaults of AppSettings.
AppSettings LoadSettings(const KeyValueStore& store);
// Writes every value ("pb" as the whole hectopascal × 100; "JEZYK" only when
// a language is ticked).
void SaveSettings(KeyValueStore& store, const AppSettings& settings);

// Pressure text to a chart pressure: non-numeric → 101300, then clamped to
// 80000..120000.
double PressureFromText(const std::string& text);

// Colours as stored: "clRed" … for the named colours, "$00BBGGRR" for the
// others. Reading also accepts "$hex", "0xhex" and decimal numbers.
std::string ColorToName(Rgb c);
std::optional<Rgb> ColorFromName(const std::string& text);

struct NamedColor {
  const char* name;    // "clRed" …
  std::uint32_t bgr;   // $BBGGRR
};
// The sixteen standard colours in the order a colour list offers them.
std::span<const NamedColor> StandardColors();

}  // namespace orvanta
