// The points list ("LISTA PUNKTÓW", TForm31): the picker through which every
// dialog chooses an existing point of the project by name.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <span>

#include "app/caption_map.h"

class QListWidget;

namespace orvanta {

// The caption rows of "TForm31" (in its _captions.cpp).
std::span<const CaptionRow> PointsListWindowCaptionRows();

class ChartProject;

class PointsListWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PointsListWindow(const ChartProject* project, QWidget* parent = nullptr);

  void SetProject(const ChartProject* project) { project_ = project; }
  // Fills the list with the point names in slot order (done at every redraw
  // and before each choice).
  void Refill();
  // Shows the list modally; the chosen name, or nullopt when the list was
  // closed without a choice.
  std::optional<QString> ChoosePoint();

  // The name chosen by the last ChoosePoint.
  const std::optional<QString>& chosen() const { return chosen_; }

 private:
  void ChooseSelected();

  const ChartProject* project_;
  QListWidget* list_;
  std::optional<QString> chosen_;
};

}  // namespace orvanta
