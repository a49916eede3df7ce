#include "project/ui/points_list_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/language.h"
#include "project/chart_project.h"

namespace orvanta {

PointsListWindow::PointsListWindow(const ChartProject* project, QWidget* parent)
    : QDialog(parent), project_(project) {
  setObjectName("TForm31");
  setWindowTitle("LISTA PUNKTÓW");
  setModal(true);
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  choose_button_ = new QPushButton("WCZYTAJ PUNKT", this);
  choose_button_->setObjectName("BitBtn1");
  choose_button_->setDefault(true);
  auto* cancel = new QPushButton("ANULUJ", this);
  cancel->setObjectName("BitBtn2");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(choose_button_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(260, 320);

  connect(choose_button_, &QPushButton::clicked, this, &PointsListWindow::ChooseSelected);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    list_->setCurrentItem(item);
    ChooseSelected();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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
