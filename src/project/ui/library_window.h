// The points library: storing a project point in "biblioteka.dbx", and the
// library window ("BIBLIOTEKA PUNKTÓW", TForm5) that lists the stored points
// and brings one into the project.
#pragma once

#include <QDialog>
#include <QString>
#include <span>
#include <vector>

#include "app/caption_map.h"
#include "project/chart_project.h"

class QListWidget;

namespace orvanta {

// The caption rows of "TForm5" (in its _captions.cpp).
std::span<const CaptionRow> LibraryWindowCaptionRows();

// The library file in the user's data folder (created when missing).
QString PointsLibraryPath();

// "Zapamiętaj punkt w bibliotece": appends the point to the library and
// confirms with language text 118, or reports why it could not.
bool StorePointInLibrary(QWidget* parent, const ChartPoint& point, const QString& path = PointsLibraryPath());

class LibraryWindow : public QDialog {
  Q_OBJECT
 public:
  explicit LibraryWindow(ChartProject* project, QWidget* parent = nullptr);

  void set_library_path(const QString& path) { path_ = path; }
  const QString& library_path() const { return path_; }

  // Reads the library and lists its names (language text 311 without a file).
  void Reload();
  // Reload, then show modally.
  int Open();

  // "Wczytaj": the selected library point into the project.
  void LoadSelected();
  // "Usuń punkt z biblioteki".
  void DeleteSelected();
  // "Wyczyść bibliotekę", after a Yes to language text 313.
  void ClearAll();

  int point_count() const { return static_cast<int>(points_.size()); }

 signals:
  void projectChanged();

 private:
  ChartProject* project_;
  QString path_;
  QListWidget* list_;
  std::vector<ChartPoint> points_;
};

}  // namespace orvanta
