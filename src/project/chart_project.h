// The chart project: named air states (points), processes joining them,
// direction-coefficient lines, the air-flow link and the chart pressure.
// Texts are UTF-8 in memory; capacities count characters (one byte each in
// the Windows-1250 file image) and longer texts are cut to them.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "project/label_position.h"
#include "psychro/air.h"

namespace orvanta {

struct ChartPoint {
  static constexpr int kNameCapacity = 10;
  static constexpr int kDescriptionCapacity = 30;
  static constexpr int kProcessNameCapacity = 20;
  static constexpr int kCoefficientNameCapacity = 20;
  std::string name{};
  std::string description{};
  AirState state{};
  bool on_process = false;
  std::string process_name{};  // capacity 20
  bool on_coefficient = false;
  std::string coefficient_name{};  // capacity 20
  LabelPosition label_position = LabelPosition::Right;
  bool Used() const { return !name.empty(); }
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// The largest air flow a process carries [m3/h]: far beyond any plant, and
// whole numbers below it stay exact in a double and in 64-bit integers.
inline constexpr double kMaxAirFlow = 1e9;

struct AirProcess {
  static constexpr int kNameCapacity = 20;
  static constexpr int kPointNameCapacity = 10;
  std::string name{};         // capacity 20
  std::string start_point{};  // capacity 10
  std::string end_point{};    // capacity 10
  bool draw_line = true;
  double air_flow = 0;  // [m3/h]
  bool Used() const { return !name.empty(); }
  friend bool operator==(const AirProcess&, const AirProcess&) = default;
};

struct DirectionCoefficient {
  static constexpr int kNameCapacity = 20;
  static constexpr int kPointNameCapacity = 10;
  static constexpr int kGainCapacity = 10;
  std::string name{};  // capacity 20
  double epsilon = 0;  // [kJ/kg]
  std::string point_name{};  // capacity 10
  bool draw_line = true;
  std::string heat_gain{};      // Q as typed [kW], capacity 10
  std::string moisture_gain{};  // W as typed [kg/s], capacity 10
  bool Used() const { return !name.empty(); }
  friend bool operator==(const DirectionCoefficient&, const DirectionCoefficient&) = default;
};

struct AirFlowLink {
  // In memory the names keep the capacities of what they name; the file
  // keeps 20 characters of the process name and 10 of the coefficient name.
  static constexpr int kProcessNameCapacity = 20;
  static constexpr int kCoefficientNameCapacity = 20;
  static constexpr int kFileCoefficientNameCapacity = 10;
  std::string process_name{};      // the file keeps 20 characters
  std::string coefficient_name{};  // the file keeps 10 characters
  bool enabled = false;
  friend bool operator==(const AirFlowLink&, const AirFlowLink&) = default;
};

// Texts cut to their capacities (characters), characters that Windows-1250
// cannot hold replaced by '?': the item as it survives saving. Add* and
// Replace* apply these themselves.
ChartPoint FitToCapacity(ChartPoint p);
AirProcess FitToCapacity(AirProcess p);
DirectionCoefficient FitToCapacity(DirectionCoefficient c);
AirFlowLink FitToCapacity(AirFlowLink link);

// Why a change was refused.
enum class EditError {
  None,
  PointTableFull,        // 50 points
  ProcessTableFull,      // 20 processes
  CoefficientTableFull,  // 19 coefficients (the 20th file slot holds the link)
  EmptyName,             // an item without a name would leave a gap in the slots
  DuplicatePointName,    // AddPoint only; dialogs check first with their own texts
  NoSuchItem,            // Replace* with an index outside the used slots
};

struct [[nodiscard]] EditResult {
  EditError error = EditError::None;
  operator bool() const { return error == EditError::None; }  // NOLINT: used as a success flag
  // Text for a message box; empty on success.
  std::string Message() const;
};

// Slots numbered from 0 here (the user-visible numbers are 1-based).
class ChartProject {
 public:
  ChartProject();

  static constexpr int kPointSlots = 50;
  static constexpr int kProcessSlots = 20;
  static constexpr int kCoefficientSlots = 20;
  static constexpr int kMaxCoefficients = 19;  // the 20th file slot holds the link

  // Read access. Indices are 0-based slots; used slots are 0..count-1.
  const ChartPoint& point(int index) const { return points_[index]; }
  const AirProcess& process(int index) const { return processes_[index]; }
  const DirectionCoefficient& coefficient(int index) const { return coefficients_[index]; }
  int point_count() const { return point_count_; }
  int process_count() const { return process_count_; }
  int coefficient_count() const { return coefficient_count_; }
  const AirFlowLink& air_flow_link() const { return link_; }
  double pb() const { return pb_; }
  bool modified() const { return modified_; }
  const std::string& file_name() const { return file_name_; }

  void set_pb(double pb) { pb_ = pb; }
  void set_modified(bool m) { modified_ = m; }
  void set_file_name(std::string f) { file_name_ = std::move(f); }
  void SetAirFlowLink(AirFlowLink link);

  // Changes. Each successful one sets modified. Add*/Replace* fit the texts
  // to their capacities and refuse (changing nothing, result false) when the
  // table is full (50 points, 20 processes, 19 coefficients), the name is
  // empty, a point name is taken (AddPoint only) or the index is not a used
  // slot. Delete* with an index outside the used slots do nothing.
  EditResult AddPoint(ChartPoint p);
  EditResult ReplacePoint(int index, ChartPoint p, const std::string& old_name);
  void DeletePoint(int index);
  EditResult AddProcess(AirProcess p);
  EditResult ReplaceProcess(int index, AirProcess p);
  void DeleteProcess(int index);
  EditResult AddCoefficient(DirectionCoefficient c);
  EditResult ReplaceCoefficient(int index, DirectionCoefficient c);
  void DeleteCoefficient(int index);

  // First used slot with that name, or -1.
  int FindPoint(std::string_view name) const;
  int FindProcess(std::string_view name) const;
  int FindCoefficient(std::string_view name) const;

  // Before every redraw: mixing hook, points tied to processes, points tied
  // to coefficients, then the air-flow link. Does not set modified.
  void RefreshDependentPoints();
  // StateFromTX for every used point at pb (after Open, after a pb change).
  void RefreshAllPoints();
  // The New command: empty slots, counts 0, link cleared, modified false; pb kept.
  void Clear();

  // The mixing refresh attaches here (first step of RefreshDependentPoints).
  void SetMixingRefresh(std::function<void(ChartProject&)> hook) { mixing_refresh_ = std::move(hook); }

  // Points, processes, coefficients, counts, pb and link of `other`; this
  // project's mixing hook, modified flag and file name stay.
  void AssignContent(const ChartProject& other);
  // Same points, processes, coefficients, counts, pb and link.
  bool ContentEquals(const ChartProject& other) const;

  // What an emptied slot holds (zeros, empty texts, no label position).
  static ChartPoint EmptyPointSlot();
  static AirProcess EmptyProcessSlot();
  static DirectionCoefficient EmptyCoefficientSlot();

 private:
  friend class ProjectFileAccess;  // builds projects from file images

  std::array<ChartPoint, kPointSlots> points_{};
  std::array<AirProcess, kProcessSlots> processes_{};
  std::array<DirectionCoefficient, kCoefficientSlots> coefficients_{};
  int point_count_ = 0, process_count_ = 0, coefficient_count_ = 0;
  double pb_ = 101300;
  AirFlowLink link_;
  bool modified_ = false;
  std::string file_name_;
  std::function<void(ChartProject&)> mixing_refresh_;
};

}  // namespace orvanta
