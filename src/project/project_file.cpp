#include "project/project_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "project/binary_record.h"
#include "project/safe_file.h"
#include "psychro/state.h"

namespace orvanta {

using namespace record;

// Builds projects slot by slot, bypassing the checks of Add* (a file may
// hold what the dialogs would refuse, e.g. two points renamed alike).
class ProjectFileAccess {
 public:
  static ChartPoint& Point(ChartProject& p, int k) { return p.points_[k]; }
  static AirProcess& Process(ChartProject& p, int k) { return p.processes_[k]; }
  static DirectionCoefficient& Coefficient(ChartProject& p, int k) { return p.coefficients_[k]; }
  static void SetCounts(ChartProject& p, int points, int processes, int coefficients) {
    p.point_count_ = points, p.process_count_ = processes, p.coefficient_count_ = coefficients;
  }
  static void SetLink(ChartProject& p, AirFlowLink link) { p.link_ = std::move(link); }
};

namespace {

// Point record fields.
constexpr std::size_t kPtName = 0, kPtDescription = 11, kPtState = 48, kPtOnProcess = 120,
                      kPtProcessName = 121, kPtOnCoefficient = 142, kPtCoefficientName = 143,
                      kPtLabel = 164;
// Process record fields.
constexpr std::size_t kPrName = 0, kPrStart = 21, kPrEnd = 32, kPrDrawLine = 43, kPrAirFlow = 48;
// Coefficient record fields.
constexpr std::size_t kCoName = 0, kCoEpsilon = 24, kCoPoint = 32, kCoDrawLine = 43, kCoHeatGain = 44,
                      kCoMoistureGain = 55;
// Link fields within coefficient slot 20 (over name, pointName, drawLine).
constexpr std::size_t kLinkProcess = 0, kLinkCoefficient = 32, kLinkEnabled = 43;

constexpr int kLabelCapacity = 2;

// Offsets within the older 168-byte point record: four bytes of padding
// follow the last field. In a current-layout record the label position sits
// there, so they tell a current file cut to the older length.
constexpr std::size_t kOlderPointPadding = 164, kOlderPointPaddingSize = 4;

std::string_view LabelCode(LabelPosition p) {
  switch (p) {
    case LabelPosition::Bottom: return "_D";
    case LabelPosition::Right: return "_P";
    case LabelPosition::Top: return "_G";
    case LabelPosition::Left: return "_L";
    case LabelPosition::None: return "";
  }
  return "";
}

LabelPosition LabelFromCode(std::string_view code) {
  if (code.empty()) return LabelPosition::None;
  if (code == "_D") return LabelPosition::Bottom;
  if (code == "_G") return LabelPosition::Top;
  if (code == "_L") return LabelPosition::Left;
  return LabelPosition::Right;  // "_P" and anything unknown: the default side
}

double WrittenPressure(double pb) { return std::isfinite(pb) && pb > 0 ? pb : kStandardPressure; }

std::array<double AirState::*, 9> StateFields() {
  return {&AirState::x, &AirState::t, &AirState::phi, &AirState::i, &AirState::rho,
          &AirState::pp, &AirState::pa, &AirState::tw, &AirState::td};
}

// Collects the first damage found; later checks are skipped once one is set.
struct Damage {
  std::string what;
  explicit operator bool() const { return !what.empty(); }
};

template <typename T>
T Need(std::optional<T> v, Damage& d, const std::string& field) {
  if (!v && !d) d.what = field;
  return v ? std::move(*v) : T{};
}

// A number as a message shows it.
std::string Shown(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", v);
  return text;
}

// Values a file holds must pass the limits of typed values; empty when they do.
std::string PointValueProblem(double t, double x, const std::string& where) {
  if (!std::isfinite(t)) return where + ": the temperature is not a number";
  if (!std::isfinite(x)) return where + ": the moisture content is not a number";
  if (t < kMinFileTemperature || t > kMaxFileTemperature) {
    return where + ": the temperature " + Shown(t) + " °C is outside -60 to 200 °C";
  }
  if (x < 0 || x > kMaxFileMoisture) {
    return where + ": the moisture content " + Shown(x * 1000) + " g/kg is outside 0 to 200 g/kg";
  }
  return {};
}

std::string AirFlowProblem(double v, const std::string& where) {
  if (!std::isfinite(v)) return where + ": the air flow is not a number";
  if (v < 0 || v > kMaxAirFlow) return where + ": the air flow " + Shown(v) + " m3/h is outside 0 to 1e9 m3/h";
  return {};
}

// Decodes the common part of a point record (both layouts). Returns nullopt
// for an unused slot or damage (then d is set).
std::optional<ChartPoint> DecodePoint(ConstBytes rec, bool older, Damage& d, const std::string& where) {
  const std::optional<std::string> name = GetShortString(rec, kPtName, ChartPoint::kNameCapacity);
  if (!name) {
    d.what = where + ": the name is longer than 10 characters";
    return std::nullopt;
  }
  if (name->empty()) return std::nullopt;
  ChartPoint p;
  p.name = *name;
  p.description = Need(GetShortString(rec, kPtDescription, ChartPoint::kDescriptionCapacity), d,
                       where + ": the description");
  const auto fields = StateFields();
  for (std::size_t k = 0; k < fields.size(); ++k) p.state.*fields[k] = GetDouble(rec, kPtState + 8 * k);
  p.on_process = Need(GetBool(rec, kPtOnProcess), d, where + ": the process tie");
  p.process_name =
      Need(GetShortString(rec, kPtProcessName, ChartPoint::kProcessNameCapacity), d, where + ": the process name");
  p.coefficient_name = Need(GetShortString(rec, kPtCoefficientName, ChartPoint::kCoefficientNameCapacity), d,
                            where + ": the coefficient name");
  if (older) {
    p.on_coefficient = false;
    p.label_position = LabelPosition::Right;
  } else {
    p.on_coefficient = Need(GetBool(rec, kPtOnCoefficient), d, where + ": the coefficient tie");
    p.label_position =
        LabelFromCode(Need(GetShortString(rec, kPtLabel, kLabelCapacity), d, where + ": the label position"));
  }
  if (!d) d.what = PointValueProblem(p.state.t, p.state.x, where);
  if (!d && older &&
      std::any_of(rec.begin() + kOlderPointPadding, rec.begin() + kOlderPointPadding + kOlderPointPaddingSize,
                  [](std::uint8_t b) { return b != 0; })) {
    d.what = where + ": it holds a label position, so this is a current-layout project file cut short at " +
             std::to_string(kOlderProjectFileSize) + " bytes";
  }
  if (d) return std::nullopt;
  return p;
}

std::optional<AirProcess> DecodeProcess(ConstBytes rec, Damage& d, const std::string& where) {
  const std::optional<std::string> name = GetShortString(rec, kPrName, AirProcess::kNameCapacity);
  if (!name) {
    d.what = where + ": the name is longer than 20 characters";
    return std::nullopt;
  }
  if (name->empty()) return std::nullopt;
  AirProcess p;
  p.name = *name;
  p.start_point = Need(GetShortString(rec, kPrStart, AirProcess::kPointNameCapacity), d, where + ": the start point");
  p.end_point = Need(GetShortString(rec, kPrEnd, AirProcess::kPointNameCapacity), d, where + ": the end point");
  p.draw_line = Need(GetBool(rec, kPrDrawLine), d, where + ": the line switch");
  p.air_flow = GetDouble(rec, kPrAirFlow);
  if (!d) d.what = AirFlowProblem(p.air_flow, where);
  if (d) return std::nullopt;
  return p;
}

std::optional<DirectionCoefficient> DecodeCoefficient(ConstBytes rec, Damage& d, const std::string& where) {
  const std::optional<std::string> name = GetShortString(rec, kCoName, DirectionCoefficient::kNameCapacity);
  if (!name) {
    d.what = where + ": the name is longer than 20 characters";
    return std::nullopt;
  }
  if (name->empty()) return std::nullopt;
  DirectionCoefficient c;
  c.name = *name;
  c.epsilon = GetDouble(rec, kCoEpsilon);
  c.point_name =
      Need(GetShortString(rec, kCoPoint, DirectionCoefficient::kPointNameCapacity), d, where + ": the point name");
  c.draw_line = Need(GetBool(rec, kCoDrawLine), d, where + ": the line switch");
  c.heat_gain =
      Need(GetShortString(rec, kCoHeatGain, DirectionCoefficient::kGainCapacity), d, where + ": the heat gain");
  c.moisture_gain = Need(GetShortString(rec, kCoMoistureGain, DirectionCoefficient::kGainCapacity), d,
                         where + ": the moisture gain");
  if (!d && !std::isfinite(c.epsilon)) d.what = where + ": the coefficient is not a number";
  if (d) return std::nullopt;
  return c;
}

void EncodeProcess(const AirProcess& p, Bytes rec) {
  PutShortString(rec, kPrName, AirProcess::kNameCapacity, p.name);
  PutShortString(rec, kPrStart, AirProcess::kPointNameCapacity, p.start_point);
  PutShortString(rec, kPrEnd, AirProcess::kPointNameCapacity, p.end_point);
  PutBool(rec, kPrDrawLine, p.draw_line);
  PutDouble(rec, kPrAirFlow, p.air_flow);
}

void EncodeCoefficient(const DirectionCoefficient& c, Bytes rec) {
  PutShortString(rec, kCoName, DirectionCoefficient::kNameCapacity, c.name);
  PutDouble(rec, kCoEpsilon, c.epsilon);
  PutShortString(rec, kCoPoint, DirectionCoefficient::kPointNameCapacity, c.point_name);
  PutBool(rec, kCoDrawLine, c.draw_line);
  PutShortString(rec, kCoHeatGain, DirectionCoefficient::kGainCapacity, c.heat_gain);
  PutShortString(rec, kCoMoistureGain, DirectionCoefficient::kGainCapacity, c.moisture_gain);
}

std::string Ordinal(const char* item, int k) { return std::string(item) + " " + std::to_string(k + 1); }

// The flows every process gets from the link as it stands (nullopt when the
// link gives none), computed on a copy.
std::optional<double> LinkedFlow(const ChartProject& project, const AirFlowLink& link) {
  if (project.process_count() == 0) return std::nullopt;
  ChartProject copy;
  copy.AssignContent(project);
  ProjectFileAccess::SetLink(copy, link);
  for (int k = 0; k < copy.process_count(); ++k) ProjectFileAccess::Process(copy, k).air_flow = -1;
  copy.RefreshDependentPoints();
  const double v = copy.process(0).air_flow;
  return v < 0 ? std::nullopt : std::optional<double>(v);
}

bool FlowsAre(const ChartProject& project, double v) {
  for (int k = 0; k < project.process_count(); ++k) {
    if (project.process(k).air_flow != v) return false;
  }
  return true;
}

// The file keeps 10 characters of the link's coefficient name; a longer name
// is found again by those characters. When several coefficients share them,
// the one whose link reproduces the saved flows is taken; when that does not
// decide, the first is taken and the returned notice says so.
std::string ResolveLinkCoefficient(const ChartProject& loaded, AirFlowLink& link) {
  // A shorter stored name is a whole name: found exactly or not at all.
  if (static_cast<int>(Utf8CharacterCount(link.coefficient_name)) != AirFlowLink::kFileCoefficientNameCapacity) {
    return {};
  }
  std::vector<std::string> candidates;
  for (int k = 0; k < loaded.coefficient_count(); ++k) {
    const std::string& name = loaded.coefficient(k).name;
    if (FitText(name, AirFlowLink::kFileCoefficientNameCapacity) == link.coefficient_name) candidates.push_back(name);
  }
  if (candidates.empty()) return {};
  // A name of exactly ten characters comes first, as it always did.
  std::stable_partition(candidates.begin(), candidates.end(),
                        [&](const std::string& name) { return name == link.coefficient_name; });
  if (candidates.size() == 1 || !link.enabled) {
    // A switched-off link changes no flow; the first match is as good as any.
    link.coefficient_name = candidates.front();
    return {};
  }
  std::vector<std::string> reproducing;
  for (const std::string& name : candidates) {
    AirFlowLink trial = link;
    trial.coefficient_name = name;
    const std::optional<double> v = LinkedFlow(loaded, trial);
    if (v && FlowsAre(loaded, *v)) reproducing.push_back(name);
  }
  if (reproducing.size() == 1) {
    link.coefficient_name = reproducing.front();
    return {};
  }
  const std::string& taken = reproducing.empty() ? candidates.front() : reproducing.front();
  link.coefficient_name = taken;
  return "The air-flow link names its coefficient by the first " +
         std::to_string(AirFlowLink::kFileCoefficientNameCapacity) + " characters, which " +
         std::to_string(candidates.size()) + " coefficients share; it was tied to \"" + taken +
         "\". Check the air flows of the processes.";
}

}  // namespace

std::string LinkPrefixConflict(const ChartProject& project, int index, std::string_view new_name) {
  const AirFlowLink& link = project.air_flow_link();
  const int linked = project.FindCoefficient(link.coefficient_name);
  if (link.coefficient_name.empty() || linked < 0) return {};
  constexpr int kKept = AirFlowLink::kFileCoefficientNameCapacity;
  const std::string prefix = FitText(new_name, kKept);
  auto longer_than_kept = [](std::string_view name) { return Utf8CharacterCount(name) > kKept; };
  // Reopening finds the link's coefficient by the kept characters alone when
  // its name is longer than they are; another name sharing them is then mistaken for it.
  bool clash = false;
  if (index == linked) {
    for (int k = 0; k < project.coefficient_count(); ++k) {
      if (k != linked && FitText(project.coefficient(k).name, kKept) == prefix) clash = longer_than_kept(new_name);
    }
  } else {
    clash = FitText(link.coefficient_name, kKept) == prefix && longer_than_kept(link.coefficient_name);
  }
  if (!clash) return {};
  const std::string& linked_name = index == linked ? std::string(new_name) : link.coefficient_name;
  return "The air-flow link uses the coefficient \"" + linked_name + "\". A project file keeps only the first " +
         std::to_string(kKept) + " characters of its name, so another coefficient whose name starts with \"" +
         prefix + "\" could be taken for it when the project is opened again. Choose a name that differs within its "
         "first " + std::to_string(kKept) + " characters";
}

void EncodePointRecord(const ChartPoint& p, std::span<std::uint8_t> rec) {
  CheckRange(rec.size(), 0, kPointRecordSize);
  std::fill(rec.begin(), rec.begin() + kPointRecordSize, std::uint8_t{0});
  PutShortString(rec, kPtName, ChartPoint::kNameCapacity, p.name);
  PutShortString(rec, kPtDescription, ChartPoint::kDescriptionCapacity, p.description);
  const auto fields = StateFields();
  for (std::size_t k = 0; k < fields.size(); ++k) PutDouble(rec, kPtState + 8 * k, p.state.*fields[k]);
  PutBool(rec, kPtOnProcess, p.on_process);
  PutShortString(rec, kPtProcessName, ChartPoint::kProcessNameCapacity, p.process_name);
  PutBool(rec, kPtOnCoefficient, p.on_coefficient);
  PutShortString(rec, kPtCoefficientName, ChartPoint::kCoefficientNameCapacity, p.coefficient_name);
  PutShortString(rec, kPtLabel, kLabelCapacity, LabelCode(p.label_position));
  // The reserved texts, bytes and doubles (167..255) stay 0.
}

std::optional<ChartPoint> DecodePointRecord(std::span<const std::uint8_t> record, std::string* damage) {
  if (damage) damage->clear();
  if (record.size() < kPointRecordSize) {
    if (damage) *damage = "the record is shorter than 256 bytes";
    return std::nullopt;
  }
  Damage d;
  std::optional<ChartPoint> p = DecodePoint(record.first(kPointRecordSize), false, d, "the point");
  if (damage) *damage = d.what;
  return p;
}

std::vector<std::uint8_t> ProjectImage(const ChartProject& project) {
  std::vector<std::uint8_t> image(kProjectFileSize, 0);
  const Bytes all(image);
  for (int k = 0; k < project.point_count(); ++k) {
    EncodePointRecord(project.point(k), all.subspan(k * kPointRecordSize, kPointRecordSize));
  }
  for (int k = 0; k < project.process_count(); ++k) {
    EncodeProcess(project.process(k), all.subspan(kProcessTableOffset + k * kProcessRecordSize, kProcessRecordSize));
  }
  // At most 19 coefficients live in a project; slot 20 is the link's.
  const int coefficients = std::min(project.coefficient_count(), ChartProject::kMaxCoefficients);
  for (int k = 0; k < coefficients; ++k) {
    EncodeCoefficient(project.coefficient(k),
                      all.subspan(kCoefficientTableOffset + k * kCoefficientRecordSize, kCoefficientRecordSize));
  }
  const Bytes link = all.subspan(kAirFlowLinkOffset, kCoefficientRecordSize);
  const AirFlowLink& l = project.air_flow_link();
  PutShortString(link, kLinkProcess, AirFlowLink::kProcessNameCapacity, l.process_name);
  PutShortString(link, kLinkCoefficient, AirFlowLink::kFileCoefficientNameCapacity, l.coefficient_name);
  PutBool(link, kLinkEnabled, l.enabled);
  PutDouble(all, kPressureOffset, WrittenPressure(project.pb()));
  return image;
}

ProjectFileResult ProjectFromImage(std::span<const std::uint8_t> image, ChartProject& out,
                                   const ProjectReadOptions& options) {
  ProjectFileResult result;
  bool older = false;
  if (image.size() == kOlderProjectFileSize) {
    older = true;
  } else if (image.size() != kProjectFileSize) {
    result.error = ProjectFileError::WrongSize;
    result.detail = "the file has " + std::to_string(image.size()) + " bytes";
    return result;
  }
  result.layout = older ? ProjectFileLayout::Older : ProjectFileLayout::Current;
  const std::size_t point_size = older ? kOlderPointRecordSize : kPointRecordSize;
  const std::size_t process_offset = older ? kOlderProcessTableOffset : kProcessTableOffset;
  const std::size_t coefficient_offset = older ? kOlderCoefficientTableOffset : kCoefficientTableOffset;
  const std::size_t pressure_offset = older ? kOlderPressureOffset : kPressureOffset;

  ChartProject loaded;
  Damage d;
  // Each table counts its leading used slots; whatever follows the first
  // unused slot is not part of the project.
  int points = 0;
  for (; points < ChartProject::kPointSlots; ++points) {
    auto p = DecodePoint(image.subspan(points * point_size, point_size), older, d, Ordinal("point", points));
    if (!p) break;
    ProjectFileAccess::Point(loaded, points) = std::move(*p);
  }
  int processes = 0;
  for (; !d && processes < ChartProject::kProcessSlots; ++processes) {
    auto p = DecodeProcess(image.subspan(process_offset + processes * kProcessRecordSize, kProcessRecordSize), d,
                           Ordinal("process", processes));
    if (!p) break;
    ProjectFileAccess::Process(loaded, processes) = std::move(*p);
  }
  int coefficients = 0;
  for (; !d && coefficients < ChartProject::kMaxCoefficients; ++coefficients) {
    auto c = DecodeCoefficient(
        image.subspan(coefficient_offset + coefficients * kCoefficientRecordSize, kCoefficientRecordSize), d,
        Ordinal("direction coefficient", coefficients));
    if (!c) break;
    ProjectFileAccess::Coefficient(loaded, coefficients) = std::move(*c);
  }

  AirFlowLink link;
  if (!d) {
    const ConstBytes slot20 = image.subspan(coefficient_offset + 19 * kCoefficientRecordSize, kCoefficientRecordSize);
    link.process_name =
        Need(GetShortString(slot20, kLinkProcess, AirFlowLink::kProcessNameCapacity), d, "the air-flow link's process");
    link.coefficient_name = Need(GetShortString(slot20, kLinkCoefficient, AirFlowLink::kFileCoefficientNameCapacity),
                                 d, "the air-flow link's coefficient");
    link.enabled = Need(GetBool(slot20, kLinkEnabled), d, "the air-flow link's switch");
  }

  double pb = GetDouble(image, pressure_offset);
  if (!d && !(pb == 0 || (pb >= kMinFilePressure && pb <= kMaxFilePressure))) {
    d.what = std::isfinite(pb) ? "the pressure " + Shown(pb / 100) + " hPa is outside 800 to 1200 hPa"
                               : std::string("the pressure is not a number");
  }
  // The program never writes a file of zeros (an empty project still gets
  // its pressure): such a file is a damaged or unwritten one.
  if (!d && std::all_of(image.begin(), image.end(), [](std::uint8_t b) { return b == 0; })) {
    d.what = "it holds only zero bytes (no pressure, no points)";
  }
  if (d) {
    result.error = ProjectFileError::Damaged;
    result.detail = d.what;
    return result;
  }
  if (pb == 0) pb = kStandardPressure;  // what saving a pressure of 0 writes

  ProjectFileAccess::SetCounts(loaded, points, processes, coefficients);
  loaded.set_pb(pb);
  for (int k = 0; k < points; ++k) {
    ChartPoint& p = ProjectFileAccess::Point(loaded, k);
    if (options.refresh_points || !IsFinite(p.state)) p.state = StateFromTX(pb, p.state.t, p.state.x);
    if (!IsFinite(p.state)) {
      result.error = ProjectFileError::Damaged;
      result.detail = Ordinal("point", k) + ": its air state cannot be computed";
      return result;
    }
  }
  result.notice = ResolveLinkCoefficient(loaded, link);
  ProjectFileAccess::SetLink(loaded, std::move(link));

  out.AssignContent(loaded);
  out.set_modified(false);
  result.pb = pb;
  return result;
}

ProjectFileResult ReadProjectFile(const std::string& path, ChartProject& out, const ProjectReadOptions& options) {
  ProjectFileResult result;
  const FileReadResult file = ReadFileBytes(path, kProjectFileSize);
  if (!file.exists) {
    result.error = ProjectFileError::NotFound;
    result.detail = path;
    return result;
  }
  if (!file.ok) {
    result.error = ProjectFileError::CannotRead;
    result.detail = file.error;
    return result;
  }
  if (file.longer) {
    result.error = ProjectFileError::WrongSize;
    result.detail = "the file has more than " + std::to_string(kProjectFileSize) + " bytes";
    return result;
  }
  result = ProjectFromImage(file.bytes, out, options);
  if (result.ok()) out.set_file_name(path);
  return result;
}

ProjectFileResult WriteProjectFile(const std::string& path, const ChartProject& project) {
  ProjectFileResult result;
  const std::vector<std::uint8_t> image = ProjectImage(project);
  result.pb = WrittenPressure(project.pb());
  // Never write a file that would be refused on opening (e.g. a point a
  // process dialog put beyond 200 °C): the old file stays, the user is told why.
  ChartProject check;
  const ProjectFileResult readable = ProjectFromImage(image, check, {.refresh_points = false});
  if (!readable.ok()) {
    result.error = ProjectFileError::CannotWrite;
    result.detail = readable.detail + " (a file holding it could not be opened again)";
    return result;
  }
  const std::string error = WriteFileReplacing(path, image);
  if (!error.empty()) {
    result.error = ProjectFileError::CannotWrite;
    result.detail = error;
  }
  return result;
}

std::string ProjectFileResult::Message() const {
  std::string text;
  switch (error) {
    case ProjectFileError::None:
      return {};
    case ProjectFileError::NotFound:
      text = "The project file does not exist";
      break;
    case ProjectFileError::CannotRead:
      text = "The project file cannot be read";
      break;
    case ProjectFileError::WrongSize:
      text = "This is not a project file (a project file has 15368 bytes, or 10968 in the older layout)";
      break;
    case ProjectFileError::Damaged:
      text = "The project file is damaged and was not opened";
      break;
    case ProjectFileError::CannotWrite:
      text = "The project could not be saved; the file on disk is unchanged";
      break;
  }
  if (!detail.empty()) text += ": " + detail;
  return text + ".";
}

}  // namespace orvanta
