// The points tree of the main window (TreeView1): one node per point with
// its nine value lines, and its text export.
#pragma once

#include <QString>

#include "psychro/units.h"

class QTreeWidget;
class QWidget;

namespace orvanta {

class ChartProject;

// Clears the tree and adds, for each point in slot order, a top-level node
// with the point name and nine child lines in the unit system.
void FillPointsTree(QTreeWidget* tree, const ChartProject& project, UnitSystem units);

// The tree as text: one node per line in tree order, each line preceded by
// one tab per level below the top; lines end with CR LF.
QString PointsTreeText(const QTreeWidget* tree);

// Writes the points' values (PointValuesText, the same lines the tree shows,
// UTF-8) to `path`, replacing the file only when the whole text was written.
// False with `error` set on failure.
bool WritePointValuesText(const ChartProject& project, UnitSystem units, const QString& path,
                          QString* error = nullptr);

// "Eksportuj wartości punktów do pliku *.txt": asks for a file name (filter
// "Pliki *.txt", default extension "txt") and writes the values there; a
// failure is reported in a message box. False when nothing was written.
bool ExportPointValues(QWidget* parent, const ChartProject& project, UnitSystem units);

}  // namespace orvanta
