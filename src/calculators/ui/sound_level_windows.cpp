#include "calculators/ui/sound_level_windows.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "calculators/acoustic/room_noise.h"
#include "calculators/ui/calc_form.h"

namespace orvanta {

using namespace calculators;

SoundSumWindow::SoundSumWindow(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(SoundSumWindowCaptionRows());
  setObjectName("TForm34");
  setWindowTitle(QString::fromUtf8("SUMOWANIE ŹRÓDEŁ HAŁASU"));
  setModal(true);

  auto* group = new QGroupBox(QString::fromUtf8("SUMOWANIE ŹRÓDEŁ HAŁASU"), this);
  group->setObjectName("GroupBox3");
  auto* grid = new QGridLayout(group);
  auto* source_label = new QLabel(QString::fromUtf8("Źródło"), group);
  source_label->setObjectName("Label10");
  auto* level_label = new QLabel(QString::fromUtf8("Poziom mocy akustycznej Lw, [dB] lub [dB(A)]"), group);
  level_label->setObjectName("Label1");
  grid->addWidget(source_label, 0, 0);
  grid->addWidget(level_label, 0, 1, 1, 2);
  for (int k = 0; k < 8; ++k) {
    grid->addWidget(new QLabel(QString("%1").arg(k + 1, 2, 10, QChar('0')), group), k + 1, 0, Qt::AlignCenter);
    levels_[k] = new QLineEdit("0", group);
    levels_[k]->setObjectName(QString("Edit%1").arg(k + 1));
    levels_[k]->setMaximumWidth(110);
    grid->addWidget(levels_[k], k + 1, 1);
  }
  auto* total_label = new QLabel(QString::fromUtf8("Wynikwy poziom hałasu Od wszystkich żródeł"), group);
  total_label->setObjectName("Label13");
  total_label->setWordWrap(true);
  total_ = new QLineEdit(group);
  total_->setObjectName("Edit9");
  total_->setReadOnly(true);
  total_->setMaximumWidth(110);
  total_->setStyleSheet("QLineEdit { background: palette(window); font-weight: bold; }");
  grid->addWidget(total_label, 9, 0, 1, 3);
  grid->addWidget(total_, 10, 1);
  grid->addWidget(new QLabel("dB", group), 10, 2);
  grid->setColumnStretch(2, 1);

  auto* compute = new QPushButton("Oblicz", this);
  compute->setObjectName("Button1");
  compute->setDefault(true);
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  connect(compute, &QPushButton::clicked, this, &SoundSumWindow::Compute);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(compute);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  ApplyLanguageTexts(this);
}

void SoundSumWindow::Compute() {
  std::array<std::string, kOctaveBands> texts;
  for (int k = 0; k < 8; ++k) texts[k] = levels_[k]->text().toStdString();
  const CalcResult<std::string> sum = SumSoundSourcesText(texts, UiDecimalSeparator());
  if (!sum.ok()) {
    Messages::Warning(this, calcui::kInfoCaption, calcui::FailureText(sum.failure()));
    return;
  }
  total_->setText(calcui::Shown(sum.value()));
}

LevelAtDistanceWindow::LevelAtDistanceWindow(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(LevelAtDistanceWindowCaptionRows());
  setObjectName("TForm35");
  const QString title = QString::fromUtf8("Poziom cisnienia akustycznego w odległosci \"R\" od źródła");
  setWindowTitle(title);
  setModal(true);

  auto* group = new QGroupBox(title, this);
  group->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(group);
  // The form repeats the group's caption and the source-power label; they
  // hold those language texts but are not shown twice.
  for (auto [name, text] : {std::pair{"Label10", title}, std::pair{"Label12", QString()}}) {
    auto* spare = new QLabel(text, group);
    spare->setObjectName(name);
    spare->hide();
  }
  power_ = calcui::AddRow(grid, 0, "Edit1", QString::fromUtf8("Poziom mocy akustycznej źródła Lw [dB]"), {}, {},
                          "Label2");
  distance_ = calcui::AddRow(grid, 1, "Edit2", QString::fromUtf8("Odległość od źródła R [m]"), {}, {}, "Label5");
  auto* q_label = new QLabel(QString::fromUtf8("Współczynnik kierunkowości Q"), group);
  q_label->setObjectName("Label1");
  grid->addWidget(q_label, 2, 0);
  auto* q_row = new QHBoxLayout;
  auto* q_group = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    q_[k] = new QRadioButton(QString::number(kDirectivityChoices[k]), group);
    q_[k]->setObjectName(QString("RadioButton%1").arg(k + 1));
    q_group->addButton(q_[k]);
    q_row->addWidget(q_[k]);
    connect(q_[k], &QRadioButton::toggled, this, [this](bool on) {
      if (on) ShowPicture();
    });
  }
  q_row->addStretch();
  grid->addLayout(q_row, 2, 1, 1, 2);
  auto* lp_label = new QLabel(QString::fromUtf8("Poziom ciśnienia akustycznego Lp [dB]"), group);
  lp_label->setObjectName("Label7");
  result_ = new QLabel(group);
  result_->setObjectName("Label9");
  result_->setMinimumWidth(90);
  result_->setFrameShape(QFrame::StyledPanel);
  result_->setStyleSheet("QLabel { font-weight: bold; padding: 2px 4px; }");
  grid->addWidget(lp_label, 3, 0);
  grid->addWidget(result_, 3, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(4, 1);

  auto* picture_box = new QVBoxLayout;
  auto* where = new QLabel(QString::fromUtf8("Położenie źródła dźwięku"), this);
  where->setObjectName("Label11");
  picture_box->addWidget(where);
  for (int k = 0; k < 4; ++k) {
    auto* picture = new calcui::SvgPicture({QString("zrodlo_q%1").arg(kDirectivityChoices[k])}, this);
    picture->setObjectName(QString("Image%1").arg(k + 2));
    picture->setFixedSize(240, 200);
    picture_box->addWidget(picture);
    pictures_[k] = picture;
  }
  picture_box->addStretch();

  auto* compute = new QPushButton("Oblicz", this);
  compute->setObjectName("Button1");
  compute->setDefault(true);
  close_ = new QPushButton(this);
  close_->setObjectName("BitBtn1");
  connect(compute, &QPushButton::clicked, this, &LevelAtDistanceWindow::Compute);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(group, 1);
  top->addLayout(picture_box);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(compute);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  q_[0]->setChecked(true);
  ShowPicture();
  ApplyLanguageTexts(this);
  ShowOwnTexts();
  connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, this, [this] { ShowOwnTexts(); });
}

void LevelAtDistanceWindow::ShowOwnTexts() {
  const bool polish = calcui::PolishTexts();
  close_->setText(polish ? "Zamknij" : "Close");
  for (int k = 0; k < 4; ++k) {
    const QString stem = QString("zrodlo_q%1").arg(kDirectivityChoices[k]);
    pictures_[k]->Load(polish ? QStringList{stem} : QStringList{stem + "_en", stem});
  }
}

void LevelAtDistanceWindow::ShowPicture() {
  for (int k = 0; k < 4; ++k) pictures_[k]->setVisible(q_[k]->isChecked());
}

void LevelAtDistanceWindow::Compute() {
  double q = 1;
  for (int k = 0; k < 4; ++k)
    if (q_[k]->isChecked()) q = kDirectivityChoices[k];
  const CalcResult<std::string> level = LevelAtDistanceText(power_->text().toStdString(), q,
                                                            distance_->text().toStdString(), UiDecimalSeparator());
  if (!level.ok()) {
    Messages::Warning(this, calcui::kInfoCaption, calcui::FailureText(level.failure()));
    return;
  }
  result_->setText(calcui::Shown(level.value()));
}

}  // namespace orvanta
