#include "project/ui/library_window.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "project/points_library.h"
#include "project/ui/point_dialog_common.h"

namespace orvanta {

QString PointsLibraryPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  QDir().mkpath(folder);
  return QDir(folder).filePath(kLibraryFileName);
}

bool StorePointInLibrary(QWidget* parent, const ChartPoint& point, const QString& path) {
  const LibraryResult r = AppendLibraryPoint(path.toStdString(), point);
  if (!r.ok()) {
    Messages::Warning(parent, "ORVANTA", QString::fromStdString(r.Message()));
    return false;
  }
  Messages::Info(parent, "ORVANTA", Text(kTextPointStoredInLibrary));
  return true;
}

LibraryWindow::LibraryWindow(ChartProject* project, QWidget* parent)
    : QDialog(parent), project_(project), path_(PointsLibraryPath()) {
  setObjectName("TForm5");
  RegisterCaptionRows(LibraryWindowCaptionRows());
  setWindowTitle("BIBLIOTEKA PUNKTÓW");
  setModal(true);

  auto* menu_bar = new QMenuBar(this);
  auto* file_menu = menu_bar->addMenu("Plik...");
  file_menu->setObjectName("Plik1");
  QAction* clear = file_menu->addAction("Wyczyść bibliotekę");
  clear->setObjectName("Wyczybaz1");
  QAction* close = file_menu->addAction("Zamknij...");
  close->setObjectName("Zamknij1");

  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* remove = new QAction("Usuń punkt z biblioteki", list_);
  remove->setObjectName("Usupunktzbiblioteki1");
  list_->addAction(remove);

  const DialogButtons buttons = MakeDialogButtons(this, "Button1", "Wczytaj", "BitBtn1", "Anuluj");

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu_bar);
  layout->addWidget(list_);
  layout->addLayout(buttons.row);
  resize(280, 360);

  connect(clear, &QAction::triggered, this, &LibraryWindow::ClearAll);
  connect(close, &QAction::triggered, this, &QDialog::reject);
  connect(remove, &QAction::triggered, this, &LibraryWindow::DeleteSelected);
  connect(buttons.accept, &QPushButton::clicked, this, &LibraryWindow::LoadSelected);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    list_->setCurrentItem(item);
    LoadSelected();
  });
  connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
  if (ActiveLanguageNumber() != 0) ApplyLanguageTexts(this);
}

void LibraryWindow::Reload() {
  list_->clear();
  points_.clear();
  const LibraryContents contents = ReadLibrary(path_.toStdString());
  if (contents.status.error == LibraryError::NotFound) {
    Messages::Info(this, "ORVANTA", Text(kTextLibraryMissing));
    return;
  }
  // A read that fails part-way keeps the names read so far.
  points_ = contents.points;
  for (const ChartPoint& p : points_) list_->addItem(QString::fromStdString(p.name));
}

int LibraryWindow::Open() {
  Reload();
  return exec();
}

void LibraryWindow::LoadSelected() {
  const int k = list_->currentRow();
  if (k < 0 || k >= point_count()) return;
  const ChartPoint& p = points_[k];
  if (project_->FindPoint(p.name) >= 0) {
    Messages::Info(this, "ORVANTA", Text(kTextLibraryPointNameTaken));
    return;
  }
  if (project_->point_count() >= ChartProject::kPointSlots) {
    ShowPointsFull(this);
    return;
  }
  const EditResult added = project_->AddPoint(p);
  if (!added) {
    ShowPointInfo(this, QString::fromStdString(added.Message()));
    return;
  }
  project_->set_modified(true);
  emit projectChanged();
  accept();
}

void LibraryWindow::DeleteSelected() {
  const int k = list_->currentRow();
  if (k < 0 || k >= point_count()) return;
  const LibraryResult r = DeleteLibraryPoint(path_.toStdString(), k);
  if (!r.ok()) Messages::Warning(this, "ORVANTA", QString::fromStdString(r.Message()));
  Reload();
}

void LibraryWindow::ClearAll() {
  if (Messages::Question(this, "ORVANTA INFO", Text(kTextClearLibraryQuestion)) != QMessageBox::Yes) return;
  const LibraryResult r = ClearLibrary(path_.toStdString());
  if (!r.ok()) {
    Messages::Warning(this, "ORVANTA", QString::fromStdString(r.Message()));
    return;
  }
  list_->clear();
  points_.clear();
}

}  // namespace orvanta
