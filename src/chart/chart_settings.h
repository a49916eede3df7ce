// Everything the chart renderer reads besides the project: ranges, layout,
// units, switches, colours, label font. The renderer reads only this struct;
// the settings store fills it and the settings window edits it.
#pragma once

#include <array>
#include <string>

#include "chart/color.h"
#include "project/label_position.h"
#include "psychro/units.h"

namespace orvanta {

enum class ChartLayout { Mollier = 0, Carrier = 1 };

// Limits of the range values. The settings window keeps the lower end at
// -5 at most; the zoom buttons may take it to 0.
inline constexpr int kRangeStep = 5;
inline constexpr int kTorgDownMin = -60, kTorgDownMax = 0, kTorgDownSettingsMax = -5;
inline constexpr int kTorgUpMin = 0, kTorgUpMax = 200;
inline constexpr int kXorgMin = 5, kXorgMax = 200;

struct ChartRange {
  int torg_down = -30;  // lower temperature end [°C], -60..0
  int torg_up = 40;     // upper temperature end [°C], 0..200
  int xorg = 20;        // upper moisture end [g/kg], 5..200
  friend bool operator==(const ChartRange&, const ChartRange&) = default;
};

struct ChartSettings {
  double pb = 101300;  // chart pressure [Pa]
  ChartRange range;
  ChartLayout layout = ChartLayout::Mollier;
  UnitSystem units = UnitSystem::SI;
  int comfort_zone = 5;  // 0 none, 1..5 (see comfort zones); first run: 5, DIN 1946
  // The first run's language is English (number 2), so both start false.
  bool polish_labels = false;  // comfort-zone labels in Polish (language "PL" ticked)
  bool polish_texts = false;   // process-table title and headings in Polish

  // Check boxes CB1..CB19 of the settings window; index 0 is CB1.
  std::array<bool, 19> cb{true, true, true, true, true, true, true, true, true, true,
                          true, true, true, true, true, true, true, true, true};
  bool DrawRelativeHumidityLines() const { return cb[0]; }
  bool DrawDensityLines() const { return cb[1]; }
  bool DrawIsenthalps() const { return cb[2]; }
  bool DrawArrowheads() const { return cb[7]; }
  bool LabelT() const { return cb[8]; }
  bool LabelX() const { return cb[9]; }
  bool LabelPhi() const { return cb[10]; }
  bool LabelH() const { return cb[11]; }
  bool LabelRho() const { return cb[12]; }
  bool ShowProcessTable() const { return cb[16]; }

  LabelPosition default_label = LabelPosition::Right;  // RB1..RB4

  Rgb humidity_color = colors::kRed;        // CBOX1
  Rgb density_color = colors::kGreen;       // CBOX2
  Rgb enthalpy_color = colors::kBlue;       // CBOX3
  Rgb point_color = colors::kNavy;          // CBOX4
  Rgb process_color = colors::kRed;         // CBOX5
  Rgb coefficient_color = colors::kFuchsia; // CBOX6

  int label_font_height = 15;  // "EDIT"
};

}  // namespace orvanta
