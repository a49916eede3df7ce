// The process list ("LISTA PRZEMIAN", TForm32): every process with its
// points, loads and flow, the line switch of each, selection shown on the
// chart, and the export of the table with all points to a text file.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <span>
#include <string>

#include "app/caption_map.h"

class QAction;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace orvanta {

// The caption rows of "TForm32" (in its _captions.cpp).
std::span<const CaptionRow> ProcessListWindowCaptionRows();

class ProcessDialog;
class Workbench;

class ProcessListWindow : public QDialog {
  Q_OBJECT
 public:
  ProcessListWindow(Workbench& workbench, ProcessDialog* process_dialog, QWidget* parent = nullptr);

  // "DODAJ PUNKT" and "DODAJ EPSYLON" open windows of their own.
  void SetAddPoint(std::function<void()> f) { add_point_ = std::move(f); }
  void SetAddCoefficient(std::function<void()> f) { add_coefficient_ = std::move(f); }

  // Refills the list, redraws the chart and shows the list modally.
  int Open();
  // Fills the rows from the project in the unit system and language shown.
  void Refill();
  // The 0-based selected process, -1 for none.
  int selected() const { return selected_; }
  void Select(int row);

  void AddProcess();
  void EditSelected();
  void DeleteSelected();
  // Asks for a file and writes the table with all points there; false when
  // cancelled or not written (the user is told why).
  bool Export();
  // The export text as it would be written now.
  std::string ExportText() const;

  void done(int result) override;

 private:
  void ApplyHeadings();
  void ItemChanged(QTableWidgetItem* item);
  void ShowSelection(int previous);

  Workbench& workbench_;
  ProcessDialog* process_dialog_;
  std::function<void()> add_point_, add_coefficient_;
  QTableWidget* table_;  // StringGrid1
  int selected_ = -1;
  bool filling_ = false;
};

}  // namespace orvanta
