// Mixing of two air streams, the list of mixing points created since the
// project was opened, and the refresh that keeps each mixing point at the
// mixture of its streams before every redraw.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/chart_project.h"
#include "psychro/air.h"

namespace orvanta {

struct MixingDefinition {
  static constexpr int kNameCapacity = 20;
  std::string point_name;     // the mixing point
  std::string stream1_point;  // the point of stream 1
  std::string stream2_point;  // the point of stream 2
  double stream1_flow = 0;    // volume flows as typed [m3/h]
  double stream2_flow = 0;
  friend bool operator==(const MixingDefinition&, const MixingDefinition&) = default;
};

// Mass-weighted means of t and x of two streams given by their states and
// volume flows [m3/h] (each stream's own density). nullopt when the total
// mass flow is not above 0 or a value is not finite.
struct Mixture {
  double t = 0, x = 0;
};
std::optional<Mixture> MixStreams(const AirState& s1, double v1, const AirState& s2, double v2);

// Language texts of the mixing dialog.
constexpr int kTextMixingNameEmpty = 470;
constexpr int kTextMixingStream1Empty = 463;
constexpr int kTextMixingStream2Empty = 464;
constexpr int kTextMixingFlow1Empty = 471;
constexpr int kTextMixingFlow2Empty = 472;
constexpr int kTextMixingNameTaken = 448;
constexpr int kTextMixingProcessExists = 1258;

// Refusals without a language text.
enum class MixingMessage { None, ListFull, FlowNotPositive, NoSuchStreamPoint, ComputationFailed, ProjectFull };
std::string MixingMessageText(MixingMessage message, bool polish);

class MixingDefinitions {
 public:
  static constexpr int kCapacity = 10;
  int size() const { return static_cast<int>(items_.size()); }
  bool full() const { return size() >= kCapacity; }
  const MixingDefinition& at(int i) const { return items_[i]; }
  const std::vector<MixingDefinition>& items() const { return items_; }
  // false (nothing changed) when the list holds 10 definitions.
  bool Add(MixingDefinition d);
  // New and Open empty the list.
  void Clear() { items_.clear(); }
  // Every definition whose three points exist: the mixing point recomputed
  // from the current stream states at the project's pressure, its description
  // emptied and its ties cleared.
  void Refresh(ChartProject& project) const;
  // Installs Refresh as the project's mixing hook. The list must outlive the
  // project's use of the hook.
  void AttachTo(ChartProject& project) const;

 private:
  std::vector<MixingDefinition> items_;
};

// The OK of the mixing dialog: what the user typed, flows in m3/h (nullopt:
// the field is empty).
struct MixingRequest {
  std::string name, stream1_point, stream2_point;
  std::optional<double> stream1_flow, stream2_flow;
  bool create_process = false;
};
struct MixingOutcome {
  int text = 0;  // language text to show, 0 for none
  MixingMessage message = MixingMessage::None;
  bool point_added = false;
  bool processes_added = false;
  // Nothing refused: the point (and the processes, when asked for) are in.
  bool ok() const { return text == 0 && message == MixingMessage::None; }
};
// Adds the mixing point (label "_P") and its definition, and with
// create_process the two processes stream-name. Refusals before the point is
// added change nothing; an existing process name (1258) leaves the point and
// its definition in and adds no process. Sets modified on any change.
MixingOutcome AddMixingPoint(ChartProject& project, MixingDefinitions& list, const MixingRequest& request);

}  // namespace orvanta
