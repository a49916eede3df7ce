#include "project/ui/points_list_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "project/chart_project.h"
#include "project/ui/point_dialog_common.h"

namespace orvanta {

PointsListWindow::PointsListWindow(const ChartProject* project, QWidget* parent)
    : QDialog(parent), project_(project) {
  setObjectName("TForm31");
  RegisterCaptionRows(PointsListWindowCaptionRows());
  setWindowTitle("LISTA PUNKTÓW");
  setModal(true);
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  const DialogButtons buttons = MakeDialogButtons(this, "BitBtn1", "WCZYTAJ PUNKT", "BitBtn2", "ANULUJ");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons.row);
  resize(260, 320);

  connect(buttons.accept, &QPushButton::clicked, this, &PointsListWindow::ChooseSelected);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    list_->setCurrentItem(item);
    ChooseSelected();
  });
  connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
  if (ActiveLanguageNumber() != 0) ApplyLanguageTexts(this);
}

void PointsListWindow::Refill() {
  list_->clear();
  if (!project_) return;
  for (int k = 0; k < project_->point_count(); ++k) {
    list_->addItem(QString::fromStdString(project_->point(k).name));
  }
  if (list_->count() > 0) list_->setCurrentRow(0);
}

std::optional<QString> PointsListWindow::ChoosePoint() {
  chosen_.reset();
  Refill();
  exec();
  return chosen_;
}

void PointsListWindow::ChooseSelected() {
  const QListWidgetItem* item = list_->currentItem();
  if (!item) return;  // nothing selected: the list stays open
  chosen_ = item->text();
  accept();
}

}  // namespace orvanta
