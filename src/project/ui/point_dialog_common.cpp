#include "project/ui/point_dialog_common.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "project/chart_project.h"
#include "psychro/number_text.h"

namespace orvanta {

QGroupBox* MakeLabelPositionGroup(QWidget* parent, const QString& group_name,
                                  const std::array<const char*, 4>& button_names, QButtonGroup** group) {
  static constexpr std::array<const char*, 4> kCaptions{"DÓŁ", "PRAWA", "GÓRA", "LEWA"};
  static constexpr std::array<LabelPosition, 4> kPositions{LabelPosition::Bottom, LabelPosition::Right,
                                                           LabelPosition::Top, LabelPosition::Left};
  auto* box = new QGroupBox(QString::fromUtf8("POŁOŻENIE OPISU PUNKTU"), parent);
  box->setObjectName(group_name);
  auto* layout = new QHBoxLayout(box);
  *group = new QButtonGroup(box);
  for (int k = 0; k < 4; ++k) {
    auto* b = new QRadioButton(QString::fromUtf8(kCaptions[k]), box);
    b->setObjectName(button_names[k]);
    layout->addWidget(b);
    (*group)->addButton(b, static_cast<int>(kPositions[k]));
  }
  return box;
}

void SelectLabelPosition(QButtonGroup* group, LabelPosition p) {
  if (QAbstractButton* b = group->button(static_cast<int>(p))) {
    b->setChecked(true);
  } else if (QAbstractButton* right = group->button(static_cast<int>(LabelPosition::Right))) {
    right->setChecked(true);
  }
}

LabelPosition ChosenLabelPosition(const QButtonGroup* group) {
  const int id = group->checkedId();
  return id < 0 ? LabelPosition::Right : static_cast<LabelPosition>(id);
}

DialogButtons MakeDialogButtons(QWidget* parent, const char* accept_name, const QString& accept_text,
                                const char* cancel_name, const QString& cancel_text) {
  DialogButtons b;
  b.accept = new QPushButton(accept_text, parent);
  b.accept->setObjectName(accept_name);
  b.accept->setDefault(true);
  b.cancel = new QPushButton(cancel_text, parent);
  b.cancel->setObjectName(cancel_name);
  b.cancel->setAutoDefault(false);
  b.row = new QHBoxLayout;
  b.row->addStretch();
  b.row->addWidget(b.accept);
  b.row->addWidget(b.cancel);
  return b;
}

void ShowPointInfo(QWidget* parent, const QString& text) { Messages::Info(parent, "ORVANTA INFO", text); }

void ShowLanguageText(QWidget* parent, int text_number) { ShowPointInfo(parent, Text(text_number)); }

void ShowIncorrectInput(QWidget* parent) {
  ShowPointInfo(parent, PolishTicked() ? "NIEPRAWIDŁOWE DANE WEJŚCIOWE" : "INCORRECT INPUT DATA");
}

void ShowPointNameMissing(QWidget* parent) {
  ShowPointInfo(parent, PolishTicked() ? QString::fromUtf8("Podaj nazwę punktu.") : QString("Enter the point name."));
}

void ShowPointsFull(QWidget* parent) {
  ShowPointInfo(parent, PolishTicked()
                            ? QString("Projekt może zawierać najwyżej %1 punktów.").arg(ChartProject::kPointSlots)
                            : QString("A project can hold at most %1 points.").arg(ChartProject::kPointSlots));
}

void ShowProcessesFull(QWidget* parent) {
  ShowPointInfo(parent,
                PolishTicked() ? QString("Projekt może zawierać najwyżej %1 przemian.").arg(ChartProject::kProcessSlots)
                               : QString("A project can hold at most %1 processes.").arg(ChartProject::kProcessSlots));
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

QRadioButton* NamedRadio(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QRadioButton(text, parent);
  b->setObjectName(name);
  return b;
}

}  // namespace orvanta
