// The point definition dialog (TForm27), the point data dialog (TForm29) and
// the points list (TForm31), driven through their controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "english_texts.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/point_definition_dialog.h"
#include "project/ui/points_list_window.h"
#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101300;

template <typename T>
T* Child(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

void Type(QWidget* w, const char* name, const QString& text) {
  QLineEdit* e = Child<QLineEdit>(w, name);
  e->setText(text);
  emit e->textEdited(text);
}

QString Shown(QWidget* w, const char* name) { return Child<QLineEdit>(w, name)->text(); }

ChartPoint Point(const char* name, double t, double x) {
  ChartPoint p;
  p.name = name;
  p.state = StateFromTX(kPb, t, x);
  return p;
}

class PointDataDialogTest : public ::testing::Test {
 protected:
  PointDataDialogTest() : list(&project), dialog(&project, &settings, &list) {}
  ChartProject project;
  ChartSettings settings;
  RecordingResponder messages;
  PointsListWindow list;
  PointDataDialog dialog;
};

TEST_F(PointDataDialogTest, WorkedExampleTwentyDegreesAndMoisture) {
  dialog.PrepareAdd(true);
  Type(&dialog, "Edit3", "20");
  Type(&dialog, "Edit2", "7.26");
  EXPECT_EQ(Shown(&dialog, "Edit6"), "50.01");
  EXPECT_EQ(Shown(&dialog, "Edit4"), "38.52");
  EXPECT_EQ(Shown(&dialog, "Edit10"), "13.73");
  EXPECT_EQ(Shown(&dialog, "Edit9"), "9.3");
  EXPECT_EQ(Shown(&dialog, "Edit2"), "7.26");  // the typed field keeps its text
  // Up-down positions follow the typed values in hundredths.
  EXPECT_EQ(Child<QSpinBox>(&dialog, "UpDown2")->value(), 2000);
  EXPECT_EQ(Child<QSpinBox>(&dialog, "UpDown1")->value(), 726);
  Child<QSpinBox>(&dialog, "UpDown2")->stepBy(1);
  EXPECT_EQ(Shown(&dialog, "Edit3"), "20.01");
}

TEST_F(PointDataDialogTest, WorkedExamplesOfGuardsAndSaturation) {
  dialog.PrepareAdd(true);
  Type(&dialog, "Edit3", "20");
  Type(&dialog, "Edit2", "-1");
  const QString for_minus_one = Shown(&dialog, "Edit6");
  Type(&dialog, "Edit2", "0.1");
  EXPECT_EQ(Shown(&dialog, "Edit6"), for_minus_one);
  Type(&dialog, "Edit2", "0");
  EXPECT_EQ(Shown(&dialog, "Edit6"), "0");
  EXPECT_EQ(Shown(&dialog, "Edit9"), "-39.9");

  Child<QRadioButton>(&dialog, "RadioButton4")->click();  // phi is given
  EXPECT_TRUE(Child<QLineEdit>(&dialog, "Edit6")->isEnabled());
  EXPECT_FALSE(Child<QLineEdit>(&dialog, "Edit2")->isEnabled());
  Type(&dialog, "Edit6", "120");
  EXPECT_EQ(Shown(&dialog, "Edit6"), "120");
  const double x = MoistureContent(kPb, SaturationPressure(20), 1.2);
  EXPECT_EQ(Shown(&dialog, "Edit2"), QString::fromStdString(NumberText(RoundTo(1000 * x, -2))));

  // Something that is not a number leaves every field as it was.
  const QString before = Shown(&dialog, "Edit4");
  Type(&dialog, "Edit3", "2x");
  EXPECT_EQ(Shown(&dialog, "Edit4"), before);
}

TEST_F(PointDataDialogTest, InchPoundEnthalpyExample) {
  settings.units = UnitSystem::IP;
  dialog.PrepareAdd(true);
  EXPECT_EQ(Child<QRadioButton>(&dialog, "RadioButton3")->text(), "X");
  EXPECT_EQ(Child<QRadioButton>(&dialog, "RadioButton4")->text(), QString::fromUtf8("\u03C6"));
  EXPECT_EQ(Child<QRadioButton>(&dialog, "RadioButton7")->text(), "h");
  Child<QRadioButton>(&dialog, "RadioButton7")->click();  // h is given
  Type(&dialog, "Edit3", "68");
  Type(&dialog, "Edit4", "16.56");
  const AirState si = StateFromTEnthalpy(kPb, 20, 16.56 / 0.42992);
  EXPECT_EQ(Shown(&dialog, "Edit2"), QString::fromStdString(NumberText(RoundTo(7000 * si.x, -2))));
  EXPECT_EQ(Shown(&dialog, "Edit6"), "50");
  EXPECT_EQ(Shown(&dialog, "Edit7"), QString::fromStdString(NumberText(RoundTo(si.pp / 3386.389, -4))));

  Type(&dialog, "Edit1", "P1");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(project.point_count(), 1);
  EXPECT_NEAR(project.point(0).state.t, 20, 1e-9);
  EXPECT_NEAR(project.point(0).state.x, si.x, 2e-6);  // gr/lb shown with two decimals
  EXPECT_NEAR(project.point(0).state.i, 16.56 / 0.42992, 1e-9);
}

TEST_F(PointDataDialogTest, OkStoresThePointAndWidensTheRange) {
  settings.range = {-30, 40, 20};
  dialog.PrepareAdd(true);
  int redraws = 0;
  QObject::connect(&dialog, &PointDataDialog::projectChanged, [&] { ++redraws; });
  Type(&dialog, "Edit1", "ZEW");
  Type(&dialog, "Edit11", "outdoor air");
  Type(&dialog, "Edit3", "43");
  Type(&dialog, "Edit2", "22.5");
  Child<QRadioButton>(&dialog, "RadioButton5")->click();  // label above
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_TRUE(messages.shown().empty());
  ASSERT_EQ(project.point_count(), 1);
  const ChartPoint& p = project.point(0);
  EXPECT_EQ(p.name, "ZEW");
  EXPECT_EQ(p.description, "outdoor air");
  EXPECT_DOUBLE_EQ(p.state.t, 43);
  EXPECT_DOUBLE_EQ(p.state.x, 0.0225);
  EXPECT_EQ(p.label_position, LabelPosition::Top);
  EXPECT_TRUE(project.modified());
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(settings.range.torg_up, 45);
  EXPECT_EQ(settings.range.xorg, 25);
  EXPECT_EQ(settings.range.torg_down, -30);
}

TEST_F(PointDataDialogTest, OkRefusalsInTheirOrder) {
  ASSERT_TRUE(project.AddPoint(Point("A", 20, 0.008)));
  dialog.PrepareAdd(true);
  Type(&dialog, "Edit1", "A");
  Type(&dialog, "Edit3", "20");
  Type(&dialog, "Edit2", "-1");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, PolishTicked() ? "NIEPRAWIDŁOWE DANE WEJŚCIOWE" : "INCORRECT INPUT DATA");

  messages.Clear();
  Type(&dialog, "Edit2", "250");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA");
  EXPECT_EQ(messages.shown()[0].text, Text(998));
  EXPECT_EQ(messages.shown()[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(settings.range.xorg, 200);  // widened before the check, within its limit

  messages.Clear();
  Type(&dialog, "Edit2", "8");
  Type(&dialog, "Edit3", "250");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, Text(999));

  messages.Clear();
  Type(&dialog, "Edit3", "20");
  Child<QPushButton>(&dialog, "BitBtn1")->click();  // duplicate name
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA INFO");
  EXPECT_EQ(messages.shown()[0].text, Text(1000));
  EXPECT_EQ(project.point_count(), 1);
  EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(PointDataDialogTest, EmptyFieldsMakeOkDoNothingAndANamelessPointIsRefusedLast) {
  settings.range = {-30, 40, 20};
  dialog.PrepareAdd(true);
  Type(&dialog, "Edit1", "N");
  Type(&dialog, "Edit3", "20");  // no moisture typed: Edit2 and Edit4 stay empty
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(project.point_count(), 0);
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  // Negative input is reported before anything else, also without a name.
  Type(&dialog, "Edit1", "");
  Type(&dialog, "Edit3", "50");
  Type(&dialog, "Edit2", "-1");
  Child<QLineEdit>(&dialog, "Edit2")->setText("-1");  // as if shown after the guard
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, PolishTicked() ? "NIEPRAWIDŁOWE DANE WEJŚCIOWE" : "INCORRECT INPUT DATA");
  EXPECT_EQ(settings.range.torg_up, 40);  // refused before the range is widened

  // A complete point without a name: the range is widened first, then the refusal.
  messages.Clear();
  Type(&dialog, "Edit2", "5");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA INFO");
  EXPECT_EQ(settings.range.torg_up, 50);
  EXPECT_EQ(project.point_count(), 0);
}

TEST_F(PointDataDialogTest, EditModeRenamesIntoProcessesAndRefusesATakenName) {
  ASSERT_TRUE(project.AddPoint(Point("A", 20, 0.008)));
  ASSERT_TRUE(project.AddPoint(Point("B", 30, 0.010)));
  ASSERT_TRUE(project.AddProcess({"A-B", "A", "B", true, 500}));
  dialog.PrepareEdit(0);
  EXPECT_EQ(Shown(&dialog, "Edit1"), "A");
  EXPECT_EQ(Shown(&dialog, "Edit3"), "20");
  EXPECT_EQ(Shown(&dialog, "Edit2"), "8");
  EXPECT_EQ(Shown(&dialog, "Edit7"),
            QString::fromStdString(NumberText(RoundTo(project.point(0).state.pp, -2))));
  Type(&dialog, "Edit1", "A2");
  Type(&dialog, "Edit3", "22");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(project.point(0).name, "A2");
  EXPECT_DOUBLE_EQ(project.point(0).state.t, 22);
  EXPECT_EQ(project.process(0).start_point, "A2");

  // Another point's name would leave process "A2-B" joining A2 to A2.
  dialog.PrepareEdit(1);
  Type(&dialog, "Edit1", "A2");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, Text(1000));
  EXPECT_EQ(project.point(1).name, "B");
  EXPECT_EQ(project.process(0).end_point, "B");
}

TEST_F(PointDataDialogTest, TiesToAProcessLine) {
  dialog.PrepareAdd(true);
  Child<QCheckBox>(&dialog, "CheckBox1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, Text(1001));
  EXPECT_FALSE(Child<QCheckBox>(&dialog, "CheckBox1")->isChecked());
  Child<QCheckBox>(&dialog, "CheckBox2")->click();
  EXPECT_EQ(messages.shown().back().text, Text(1052));

  ASSERT_TRUE(project.AddPoint(Point("A", 20, 0.006)));
  ASSERT_TRUE(project.AddPoint(Point("B", 30, 0.010)));
  ASSERT_TRUE(project.AddProcess({"A-B", "A", "B", true, 500}));
  messages.Clear();
  dialog.PrepareAdd(true);
  Child<QCheckBox>(&dialog, "CheckBox1")->click();
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_FALSE(Child<QLineEdit>(&dialog, "Edit2")->isEnabled());
  QComboBox* processes = Child<QComboBox>(&dialog, "ComboBox1");
  ASSERT_EQ(processes->count(), 1);
  processes->setCurrentIndex(0);
  emit processes->activated(0);
  Type(&dialog, "Edit3", "25");
  EXPECT_EQ(Shown(&dialog, "Edit2"), "8");
  Type(&dialog, "Edit3", "40");  // beyond the segment: x and phi stay
  EXPECT_EQ(Shown(&dialog, "Edit2"), "8");

  Type(&dialog, "Edit3", "25");
  Type(&dialog, "Edit1", "M");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(project.point_count(), 3);
  EXPECT_TRUE(project.point(2).on_process);
  EXPECT_EQ(project.point(2).process_name, "A-B");
  // Closing leaves no tie behind.
  EXPECT_FALSE(Child<QCheckBox>(&dialog, "CheckBox1")->isChecked());
  EXPECT_TRUE(Child<QLineEdit>(&dialog, "Edit2")->isEnabled());
}

TEST_F(PointDataDialogTest, CreatesAProcessInEitherDirection) {
  ASSERT_TRUE(project.AddPoint(Point("A", 20, 0.006)));
  dialog.PrepareAdd(true);
  Type(&dialog, "Edit1", "B");
  Type(&dialog, "Edit3", "30");
  Type(&dialog, "Edit2", "6");
  Child<QCheckBox>(&dialog, "CheckBox3")->click();
  Child<QPushButton>(&dialog, "BitBtn1")->click();  // no other point yet
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "WYBIERZ DRUGI PUNKT PRZEMIANY");
  EXPECT_EQ(project.point_count(), 1);  // nothing stored

  // The points list gives the other point.
  QTimer::singleShot(0, [this] {
    Child<QListWidget>(&list, "ListBox1")->setCurrentRow(0);
    Child<QPushButton>(&list, "BitBtn1")->click();
  });
  Child<QPushButton>(&dialog, "Button2")->click();
  EXPECT_EQ(Shown(&dialog, "Edit12"), "A");
  EXPECT_EQ(Child<QRadioButton>(&dialog, "RadioButton8")->text(), "PROCESS B--->A");
  EXPECT_EQ(Child<QRadioButton>(&dialog, "RadioButton9")->text(), "PROCESS A--->B");
  Child<QRadioButton>(&dialog, "RadioButton9")->click();
  Type(&dialog, "Edit13", "1200");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(project.process_count(), 1);
  EXPECT_EQ(project.process(0).name, "A-B");
  EXPECT_EQ(project.process(0).start_point, "A");
  EXPECT_EQ(project.process(0).end_point, "B");
  EXPECT_DOUBLE_EQ(project.process(0).air_flow, 1200);
  EXPECT_TRUE(project.process(0).draw_line);
}

TEST_F(PointDataDialogTest, EnterInAFieldActsAsOk) {
  dialog.PrepareAdd(true);
  Type(&dialog, "Edit1", "E");
  Type(&dialog, "Edit3", "20");
  Type(&dialog, "Edit2", "5");
  QTimer::singleShot(0, [this] {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Child<QLineEdit>(&dialog, "Edit2"), &enter);
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(project.point_count(), 1);
}

TEST_F(PointDataDialogTest, EscapeCancelsWithoutChange) {
  dialog.PrepareAdd(true);
  Type(&dialog, "Edit1", "Q");
  Type(&dialog, "Edit3", "20");
  Type(&dialog, "Edit2", "5");
  QTimer::singleShot(0, [this] {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Child<QLineEdit>(&dialog, "Edit3"), &escape);
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_EQ(project.point_count(), 0);
  EXPECT_FALSE(project.modified());
}

class PointDefinitionTest : public ::testing::Test {
 protected:
  PointDefinitionTest() : dialog(&project) {}
  ChartProject project;
  RecordingResponder messages;
  PointDefinitionDialog dialog;
};

TEST_F(PointDefinitionTest, RefusesADuplicateName) {
  ASSERT_TRUE(project.AddPoint(Point("A", 20, 0.008)));
  dialog.Prepare(LabelPosition::Left, UnitSystem::SI);
  EXPECT_TRUE(Child<QRadioButton>(&dialog, "RadioButton7")->isChecked());
  Type(&dialog, "Edit1", "A");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, Text(448));
  EXPECT_TRUE(ActiveLanguageNumber() == 0 || !Text(448).isEmpty());
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  Type(&dialog, "Edit1", "B");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.point_name(), "B");
  EXPECT_EQ(dialog.label_position(), LabelPosition::Left);
  EXPECT_FALSE(dialog.process());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "Edit1")->maxLength(), 10);
}

TEST_F(PointDefinitionTest, ProcessOptionsNeedPoints) {
  dialog.Prepare(LabelPosition::Right, UnitSystem::SI);
  Child<QRadioButton>(&dialog, "RadioButton2")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, Text(968));
  EXPECT_TRUE(Child<QRadioButton>(&dialog, "RadioButton1")->isChecked());
}

TEST_F(PointDefinitionTest, ProcessFromTheLastPointWithNamesAndFlows) {
  ASSERT_TRUE(project.AddPoint(Point("A", 20, 0.008)));
  ASSERT_TRUE(project.AddPoint(Point("B", 25, 0.008)));
  dialog.Prepare(LabelPosition::Right, UnitSystem::SI);
  Child<QRadioButton>(&dialog, "RadioButton2")->click();
  Type(&dialog, "Edit1", "C");
  EXPECT_EQ(Shown(&dialog, "Edit2"), "B - C");
  Type(&dialog, "Edit1", "C1");
  EXPECT_EQ(Shown(&dialog, "Edit2"), "B - C1");
  Type(&dialog, "Edit3", "1000");
  const double rho = project.point(1).state.rho;
  EXPECT_EQ(Shown(&dialog, "Edit4"), QString::number(Rnd(1000 * rho)));
  EXPECT_EQ(Shown(&dialog, "Edit5"), "588.58");
  EXPECT_FALSE(Child<QLineEdit>(&dialog, "Edit5")->isEnabled());
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const auto p = dialog.process();
  ASSERT_TRUE(p);
  EXPECT_EQ(p->name, "B - C1");
  EXPECT_EQ(p->start_point, "B");
  EXPECT_EQ(p->end_point, "C1");
  EXPECT_DOUBLE_EQ(p->air_flow, 1000);
}

TEST_F(PointDefinitionTest, ProcessWithAnyPointChecksItsFields) {
  ASSERT_TRUE(project.AddPoint(Point("A", 20, 0.008)));
  ASSERT_TRUE(project.AddPoint(Point("B", 25, 0.008)));
  dialog.Prepare(LabelPosition::Right, UnitSystem::IP);
  Child<QRadioButton>(&dialog, "RadioButton3")->click();
  QComboBox* points = Child<QComboBox>(&dialog, "ComboBox1");
  EXPECT_EQ(points->currentText(), "A");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_EQ(messages.shown().back().text, "Enter the point name.");  // a process needs both ends
  Type(&dialog, "Edit1", "C");
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_EQ(messages.shown().back().text, Text(971));  // no flow
  points->setCurrentIndex(-1);
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_EQ(messages.shown().back().text, Text(970));  // no start point
  Child<QLineEdit>(&dialog, "Edit2")->clear();
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_EQ(messages.shown().back().text, Text(969));  // no process name
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  points->setCurrentIndex(1);
  EXPECT_EQ(Shown(&dialog, "Edit2"), "B - C");
  Child<QRadioButton>(&dialog, "RadioButton9")->click();  // mass is typed, in lb/h
  Type(&dialog, "Edit6", "2204.623");
  const double rho = project.point(1).state.rho;
  Child<QPushButton>(&dialog, "BitBtn1")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_DOUBLE_EQ(dialog.process()->air_flow, static_cast<double>(Rnd(1000 / rho)));
  EXPECT_EQ(dialog.process()->start_point, "B");
}

TEST(PointsList, ReturnsTheChosenNameOrNothing) {
  ChartProject project;
  ASSERT_TRUE(project.AddPoint(Point("A", 20, 0.008)));
  ASSERT_TRUE(project.AddPoint(Point("B", 25, 0.008)));
  PointsListWindow list(&project);
  EXPECT_EQ(list.objectName(), "TForm31");
  QTimer::singleShot(0, [&] {
    QListWidget* names = Child<QListWidget>(&list, "ListBox1");
    EXPECT_EQ(names->count(), 2);
    emit names->itemDoubleClicked(names->item(1));
  });
  EXPECT_EQ(list.ChoosePoint(), QString("B"));
  QTimer::singleShot(0, [&] { Child<QPushButton>(&list, "BitBtn2")->click(); });
  EXPECT_FALSE(list.ChoosePoint());
}

}  // namespace
}  // namespace orvanta
