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

  // The switches of the settings window's check boxes CB1..CB19 (all ticked
  // at first run); kCheckBoxFlags below lists them in box order.
  bool relative_humidity_lines = true;  // CB1  relative-humidity isolines
  bool density_lines = true;            // CB2  density isolines
  bool isenthalps = true;               // CB3  isenthalps
  bool show_logo = true;                // CB4  logo Image2
  bool show_legend = true;              // CB5  legend Panel1, pressure Panel2, close button BitBtn1
  bool show_points_panel = true;        // CB6  Label41, TreeView1, Button1, Button2
  bool show_readout = true;             // CB7  readout Panel3
  bool arrowheads = true;               // CB8  arrowheads on process lines
  bool label_t = true;                  // CB9  point labels: t
  bool label_x = true;                  // CB10 point labels: x
  bool label_phi = true;                // CB11 point labels: phi
  bool label_h = true;                  // CB12 point labels: h
  bool label_rho = true;                // CB13 point labels: rho
  bool show_calculators_bar = true;     // CB14 toolbar GroupBox1
  bool show_balance_bar = true;         // CB15 toolbar GroupBox2
  bool news_at_start = true;            // CB16 "what's new" window at start (box hidden)
  bool process_table = true;            // CB17 process table on the chart
  bool show_comfort_bar = true;         // CB18 toolbar GroupBox4
  bool tall_point_window = true;        // CB19 high-DPI layout of TForm27 (box hidden)

  bool DrawRelativeHumidityLines() const { return relative_humidity_lines; }
  bool DrawDensityLines() const { return density_lines; }
  bool DrawIsenthalps() const { return isenthalps; }
  bool DrawArrowheads() const { return arrowheads; }
  bool LabelT() const { return label_t; }
  bool LabelX() const { return label_x; }
  bool LabelPhi() const { return label_phi; }
  bool LabelH() const { return label_h; }
  bool LabelRho() const { return label_rho; }
  bool ShowProcessTable() const { return process_table; }

  LabelPosition default_label = LabelPosition::Right;  // RB1..RB4

  // The point-definition window's flow choice ("Masa powietrza"), which the
  // process table follows. Kept while the program runs; not stored.
  bool flow_as_mass = false;

  Rgb humidity_color = colors::kRed;        // CBOX1
  Rgb density_color = colors::kGreen;       // CBOX2
  Rgb enthalpy_color = colors::kBlue;       // CBOX3
  Rgb point_color = colors::kNavy;          // CBOX4
  Rgb process_color = colors::kRed;         // CBOX5
  Rgb coefficient_color = colors::kFuchsia; // CBOX6

  int label_font_height = 15;  // "EDIT"

  // The process chosen in the process list (0-based, -1 none) is drawn
  // yellow and the one chosen before it navy. Held for the run only, never
  // stored with the settings.
  int selected_process = -1;
  int previous_selected_process = -1;
};

// The switches in check-box order: kCheckBoxFlags[0] is CB1 (CheckBox1).
inline constexpr std::array<bool ChartSettings::*, 19> kCheckBoxFlags{
    &ChartSettings::relative_humidity_lines, &ChartSettings::density_lines,  &ChartSettings::isenthalps,
    &ChartSettings::show_logo,               &ChartSettings::show_legend,    &ChartSettings::show_points_panel,
    &ChartSettings::show_readout,            &ChartSettings::arrowheads,     &ChartSettings::label_t,
    &ChartSettings::label_x,                 &ChartSettings::label_phi,      &ChartSettings::label_h,
    &ChartSettings::label_rho,               &ChartSettings::show_calculators_bar,
    &ChartSettings::show_balance_bar,        &ChartSettings::news_at_start,  &ChartSettings::process_table,
    &ChartSettings::show_comfort_bar,        &ChartSettings::tall_point_window,
};

}  // namespace orvanta
