#include "chart/ui/points_tree.h"

#include <QDir>
#include <QSaveFile>
#include <QTreeWidget>

#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/messages.h"
#include "chart/point_values_text.h"
#include "chart/readout.h"
#include "project/chart_project.h"
#include "project/ui/point_dialog_common.h"

namespace orvanta {
namespace {

void AppendItemText(const QTreeWidgetItem* item, int level, QString& text) {
  text += QString(level, '\t') + item->text(0) + "\r\n";
  for (int k = 0; k < item->childCount(); ++k) AppendItemText(item->child(k), level + 1, text);
}

}  // namespace

void FillPointsTree(QTreeWidget* tree, const ChartProject& project, UnitSystem units) {
  tree->clear();
  const char sep = UiDecimalSeparator();
  QList<QTreeWidgetItem*> nodes;
  for (int k = 0; k < project.point_count(); ++k) {
    const ChartPoint& p = project.point(k);
    auto* node = new QTreeWidgetItem(QStringList{QString::fromStdString(p.name)});
    for (const std::string& line : PointTreeChildLines(p.state, units, sep)) {
      node->addChild(new QTreeWidgetItem(QStringList{QString::fromStdString(line)}));
    }
    nodes << node;
  }
  tree->addTopLevelItems(nodes);
}

QString PointsTreeText(const QTreeWidget* tree) {
  QString text;
  for (int k = 0; k < tree->topLevelItemCount(); ++k) AppendItemText(tree->topLevelItem(k), 0, text);
  return text;
}

bool WritePointValuesText(const ChartProject& project, UnitSystem units, const QString& path, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  const std::string text = PointValuesText(project, units, UiDecimalSeparator());
  file.write(text.data(), static_cast<qint64>(text.size()));
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

bool ExportPointValues(QWidget* parent, const ChartProject& project, UnitSystem units) {
  const QString path =
      ChooseFile(parent, {FileDialogKind::Save, QDir::currentPath(), QString(), "Pliki *.txt (*.txt)", "txt"});
  if (path.isEmpty()) return false;
  QString error;
  if (!WritePointValuesText(project, units, path, &error)) {
    Messages::Warning(parent, "ORVANTA", path + "\n" + error);
    return false;
  }
  return true;
}

}  // namespace orvanta
