#include "project/chart_project.h"

#include <cmath>

#include "project/cp1250.h"
#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {

ChartPoint FitToCapacity(ChartPoint p) {
  p.name = FitText(p.name, ChartPoint::kNameCapacity);
  p.description = FitText(p.description, ChartPoint::kDescriptionCapacity);
  p.process_name = FitText(p.process_name, ChartPoint::kProcessNameCapacity);
  p.coefficient_name = FitText(p.coefficient_name, ChartPoint::kCoefficientNameCapacity);
  return p;
}

AirProcess FitToCapacity(AirProcess p) {
  p.name = FitText(p.name, AirProcess::kNameCapacity);
  p.start_point = FitText(p.start_point, AirProcess::kPointNameCapacity);
  p.end_point = FitText(p.end_point, AirProcess::kPointNameCapacity);
  return p;
}

DirectionCoefficient FitToCapacity(DirectionCoefficient c) {
  c.name = FitText(c.name, DirectionCoefficient::kNameCapacity);
  c.point_name = FitText(c.point_name, DirectionCoefficient::kPointNameCapacity);
  c.heat_gain = FitText(c.heat_gain, DirectionCoefficient::kGainCapacity);
  c.moisture_gain = FitText(c.moisture_gain, DirectionCoefficient::kGainCapacity);
  return c;
}

AirFlowLink FitToCapacity(AirFlowLink link) {
  link.process_name = FitText(link.process_name, AirFlowLink::kProcessNameCapacity);
  link.coefficient_name = FitText(link.coefficient_name, AirFlowLink::kCoefficientNameCapacity);
  return link;
}

std::string EditResult::Message() const {
  switch (error) {
    case EditError::None:
      return {};
    case EditError::PointTableFull:
      return "The project already holds 50 points, the most it can keep. Delete a point first.";
    case EditError::ProcessTableFull:
      return "The project already holds 20 processes, the most it can keep. Delete a process first.";
    case EditError::CoefficientTableFull:
      return "The project already holds 19 direction coefficients, the most it can keep. "
             "Delete a coefficient first.";
    case EditError::EmptyName:
      return "The name must not be empty.";
    case EditError::DuplicatePointName:
      return "A point of this name already exists.";
    case EditError::NoSuchItem:
      return "The item no longer exists.";
  }
  return {};
}

ChartPoint ChartProject::EmptyPointSlot() {
  ChartPoint p;
  p.label_position = LabelPosition::None;
  return p;
}

AirProcess ChartProject::EmptyProcessSlot() {
  AirProcess p;
  p.draw_line = false;
  return p;
}

DirectionCoefficient ChartProject::EmptyCoefficientSlot() {
  DirectionCoefficient c;
  c.draw_line = false;
  return c;
}

ChartProject::ChartProject() {
  points_.fill(EmptyPointSlot());
  processes_.fill(EmptyProcessSlot());
  coefficients_.fill(EmptyCoefficientSlot());
}

void ChartProject::SetAirFlowLink(AirFlowLink link) {
  link_ = FitToCapacity(std::move(link));
  modified_ = true;
}

namespace {

// The slot tables share their bookkeeping: used slots 0..count-1, no gaps.
template <typename Item, std::size_t N>
EditResult AppendSlot(std::array<Item, N>& slots, int& count, int limit, Item item, EditError full) {
  if (count >= limit) return {full};
  item = FitToCapacity(std::move(item));
  if (item.name.empty()) return {EditError::EmptyName};
  slots[count++] = std::move(item);
  return {};
}

template <typename Item, std::size_t N>
EditResult OverwriteSlot(std::array<Item, N>& slots, int count, int index, Item item) {
  if (index < 0 || index >= count) return {EditError::NoSuchItem};
  item = FitToCapacity(std::move(item));
  if (item.name.empty()) return {EditError::EmptyName};
  slots[index] = std::move(item);
  return {};
}

// Moves the slots after `index` down by one and empties the last used slot.
template <typename Item, std::size_t N>
void RemoveSlot(std::array<Item, N>& slots, int& count, int index, Item empty) {
  for (int k = index; k + 1 < count; ++k) slots[k] = std::move(slots[k + 1]);
  slots[--count] = std::move(empty);
}

}  // namespace

EditResult ChartProject::AddPoint(ChartPoint p) {
  const std::string name = FitText(p.name, ChartPoint::kNameCapacity);
  if (point_count_ < kPointSlots && !name.empty() && FindPoint(name) >= 0) return {EditError::DuplicatePointName};
  const EditResult r = AppendSlot(points_, point_count_, kPointSlots, std::move(p), EditError::PointTableFull);
  if (r) modified_ = true;
  return r;
}

EditResult ChartProject::ReplacePoint(int index, ChartPoint p, const std::string& old_name) {
  p = FitToCapacity(std::move(p));
  const std::string new_name = p.name;
  const EditResult r = OverwriteSlot(points_, point_count_, index, std::move(p));
  if (!r) return r;
  if (new_name != old_name) {
    for (int k = 0; k < process_count_; ++k) {
      if (processes_[k].start_point == old_name) processes_[k].start_point = new_name;
      if (processes_[k].end_point == old_name) processes_[k].end_point = new_name;
    }
    for (int k = 0; k < coefficient_count_; ++k) {
      if (coefficients_[k].point_name == old_name) coefficients_[k].point_name = new_name;
    }
  }
  modified_ = true;
  return r;
}

void ChartProject::DeletePoint(int index) {
  if (index < 0 || index >= point_count_) return;
  const std::string name = points_[index].name;
  for (int k = 0; k < process_count_; ++k) {
    AirProcess& pr = processes_[k];
    if (pr.start_point == name) pr.start_point.clear(), pr.draw_line = false;
    if (pr.end_point == name) pr.end_point.clear(), pr.draw_line = false;
  }
  for (int k = 0; k < coefficient_count_; ++k) {
    DirectionCoefficient& c = coefficients_[k];
    if (c.point_name == name) c.point_name.clear(), c.draw_line = false;
  }
  RemoveSlot(points_, point_count_, index, EmptyPointSlot());
  modified_ = true;
}

EditResult ChartProject::AddProcess(AirProcess p) {
  const EditResult r = AppendSlot(processes_, process_count_, kProcessSlots, std::move(p), EditError::ProcessTableFull);
  if (r) modified_ = true;
  return r;
}

EditResult ChartProject::ReplaceProcess(int index, AirProcess p) {
  const EditResult r = OverwriteSlot(processes_, process_count_, index, std::move(p));
  if (r) modified_ = true;
  return r;
}

void ChartProject::DeleteProcess(int index) {
  if (index < 0 || index >= process_count_) return;
  const std::string name = processes_[index].name;
  if (link_.process_name == name) link_ = AirFlowLink{};
  for (int k = 0; k < point_count_; ++k) {
    if (points_[k].process_name == name) points_[k].on_process = false, points_[k].process_name.clear();
  }
  RemoveSlot(processes_, process_count_, index, EmptyProcessSlot());
  modified_ = true;
}

EditResult ChartProject::AddCoefficient(DirectionCoefficient c) {
  const EditResult r =
      AppendSlot(coefficients_, coefficient_count_, kMaxCoefficients, std::move(c), EditError::CoefficientTableFull);
  if (r) modified_ = true;
  return r;
}

EditResult ChartProject::ReplaceCoefficient(int index, DirectionCoefficient c) {
  const EditResult r = OverwriteSlot(coefficients_, coefficient_count_, index, std::move(c));
  if (r) modified_ = true;
  return r;
}

void ChartProject::DeleteCoefficient(int index) {
  if (index < 0 || index >= coefficient_count_) return;
  const std::string name = coefficients_[index].name;
  if (link_.coefficient_name == name) link_ = AirFlowLink{};
  for (int k = 0; k < point_count_; ++k) {
    if (points_[k].coefficient_name == name) points_[k].on_coefficient = false, points_[k].coefficient_name.clear();
  }
  RemoveSlot(coefficients_, coefficient_count_, index, EmptyCoefficientSlot());
  modified_ = true;
}

int ChartProject::FindPoint(std::string_view name) const {
  for (int k = 0; k < point_count_; ++k) {
    if (points_[k].name == name) return k;
  }
  return -1;
}

int ChartProject::FindProcess(std::string_view name) const {
  for (int k = 0; k < process_count_; ++k) {
    if (processes_[k].name == name) return k;
  }
  return -1;
}

int ChartProject::FindCoefficient(std::string_view name) const {
  for (int k = 0; k < coefficient_count_; ++k) {
    if (coefficients_[k].name == name) return k;
  }
  return -1;
}

namespace {

// A tied point is moved only to a state the point dialog would accept; a
// line that leads elsewhere (e.g. below x = 0) leaves the point where it is.
bool AcceptableState(const AirState& s) {
  return IsFinite(s) && s.x >= 0 && StoredPointLimitText(s.t, s.x) == 0;
}

}  // namespace

void ChartProject::RefreshDependentPoints() {
  if (mixing_refresh_) mixing_refresh_(*this);

  // Points on a process line, in slot order (a later point sees the states
  // earlier ones just took). Unresolved names or a failed computation leave
  // the point as it is.
  for (int k = 0; k < point_count_; ++k) {
    ChartPoint& p = points_[k];
    if (!p.on_process) continue;
    const int pr = FindProcess(p.process_name);
    if (pr < 0) continue;
    const int a = FindPoint(processes_[pr].start_point);
    const int b = FindPoint(processes_[pr].end_point);
    if (a < 0 || b < 0) continue;
    const LineMoisture line = MoistureOnProcessLine(p.state.t, points_[a].state, points_[b].state);
    if (!line.ok || !std::isfinite(line.x)) continue;
    const AirState s = StateFromTX(pb_, p.state.t, line.x);
    if (AcceptableState(s)) p.state = s;
  }

  for (int k = 0; k < point_count_; ++k) {
    ChartPoint& p = points_[k];
    if (!p.on_coefficient) continue;
    const int c = FindCoefficient(p.coefficient_name);
    if (c < 0) continue;
    const int p0 = FindPoint(coefficients_[c].point_name);
    if (p0 < 0) continue;
    const double x = MoistureOnDirectionLine(p.state.t, points_[p0].state, coefficients_[c].epsilon);
    if (!std::isfinite(x)) continue;
    const AirState s = StateFromTX(pb_, p.state.t, x);
    if (AcceptableState(s)) p.state = s;
  }

  // The air-flow link: the flow that removes the coefficient's heat gain
  // with the enthalpy difference of the linked process, on every process.
  if (!link_.enabled) return;
  const int pr = FindProcess(link_.process_name);
  const int c = FindCoefficient(link_.coefficient_name);
  if (pr < 0 || c < 0) return;
  const int a = FindPoint(processes_[pr].start_point);
  const int b = FindPoint(processes_[pr].end_point);
  if (a < 0 || b < 0) return;
  // The gain is typed with the locale's separator; ',' and '.' both read.
  const std::optional<double> q = ParseNumber(coefficients_[c].heat_gain, ',');
  if (!q) return;
  const AirState& sa = points_[a].state;
  const AirState& sb = points_[b].state;
  if (sa.i == sb.i) return;
  const double mass_flow = std::fabs(*q / (sa.i - sb.i) * 3600);
  const double volume_flow = mass_flow / sa.rho;
  if (!std::isfinite(volume_flow) || volume_flow > kMaxAirFlow) return;  // no flow a process can carry
  const auto rounded = static_cast<double>(Rnd(volume_flow));
  for (int k = 0; k < process_count_; ++k) processes_[k].air_flow = rounded;
}

void ChartProject::RefreshAllPoints() {
  for (int k = 0; k < point_count_; ++k) {
    const AirState s = StateFromTX(pb_, points_[k].state.t, points_[k].state.x);
    if (IsFinite(s)) points_[k].state = s;
  }
}

void ChartProject::Clear() {
  points_.fill(EmptyPointSlot());
  processes_.fill(EmptyProcessSlot());
  coefficients_.fill(EmptyCoefficientSlot());
  point_count_ = process_count_ = coefficient_count_ = 0;
  link_ = AirFlowLink{};
  modified_ = false;
}

void ChartProject::AssignContent(const ChartProject& other) {
  points_ = other.points_;
  processes_ = other.processes_;
  coefficients_ = other.coefficients_;
  point_count_ = other.point_count_;
  process_count_ = other.process_count_;
  coefficient_count_ = other.coefficient_count_;
  pb_ = other.pb_;
  link_ = other.link_;
}

bool ChartProject::ContentEquals(const ChartProject& other) const {
  return points_ == other.points_ && processes_ == other.processes_ &&
         coefficients_ == other.coefficients_ && point_count_ == other.point_count_ &&
         process_count_ == other.process_count_ && coefficient_count_ == other.coefficient_count_ &&
         pb_ == other.pb_ && link_ == other.link_;
}

}  // namespace orvanta
