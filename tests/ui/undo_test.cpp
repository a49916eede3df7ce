// Undo and redo in the real main window: every kind of edit, the item texts
// the user reads, the modified flag, New and Open, the step limit.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/project_history.h"
#include "project/project_file.h"
#include "support/main_window_driver.h"

namespace orvanta {
namespace {

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLanguage(2));  // English, as an English user reads the items
    d = std::make_unique<test::MainWindowDriver>();
    messages.Clear();
  }
  void TearDown() override {
    SetFileDialogResponder(nullptr);
    d.reset();
  }
  QAction* Undo() { return d->window().Command("Cofnij1"); }
  QAction* Redo() { return d->window().Command("Ponow1"); }
  ChartProject& project() { return d->window().project(); }
  // Two points joined by a process, added through clicks on the chart.
  void TwoPointsAndProcess() {
    d->ClickNewPoint(d->PixelOf(30, 0.012), "A");
    d->ClickNewPoint(d->PixelOf(20, 0.007), "B");
    ASSERT_EQ(project().point_count(), 2);
    AirProcess pr;
    pr.name = "A-B";
    pr.start_point = "A";
    pr.end_point = "B";
    ASSERT_TRUE(project().AddProcess(pr));
    d->window().RecordEdit("add process A-B");
    d->window().RequestFullRedraw();
  }

  RecordingResponder messages{QMessageBox::Yes};
  std::unique_ptr<test::MainWindowDriver> d;
};

TEST_F(UndoTest, EditMenuAndPopUpMenusOfferUndoAndRedoWithTheirKeys) {
  QMenu* edit = d->Find<QMenu>("Edycja1");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->title(), "Edit");
  EXPECT_TRUE(edit->actions().contains(Undo()));
  EXPECT_TRUE(edit->actions().contains(Redo()));
  EXPECT_TRUE(d->Find<QMenu>("PopupMenu2")->actions().contains(Undo()));
  EXPECT_TRUE(d->Find<QMenu>("PopupMenu1")->actions().contains(Redo()));
  EXPECT_EQ(Undo()->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_TRUE(Redo()->shortcuts().contains(QKeySequence("Ctrl+Y")));
  EXPECT_TRUE(Redo()->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
  // Nothing to undo yet.
  EXPECT_EQ(Undo()->text(), "Undo");
  EXPECT_FALSE(Undo()->isEnabled());
  EXPECT_FALSE(Redo()->isEnabled());
}

TEST_F(UndoTest, AddedPointIsTakenBackAndPutBack) {
  d->ClickNewPoint(d->PixelOf(25, 0.010), "Zewn");
  ASSERT_EQ(project().point_count(), 1);
  EXPECT_EQ(Undo()->text(), "Undo add point Zewn");
  Undo()->trigger();
  EXPECT_EQ(project().point_count(), 0);
  EXPECT_EQ(Redo()->text(), "Redo add point Zewn");
  EXPECT_EQ(d->Find<QTreeWidget>("TreeView1")->topLevelItemCount(), 0);  // redrawn
  Redo()->trigger();
  ASSERT_EQ(project().point_count(), 1);
  EXPECT_EQ(project().point(0).name, "Zewn");
  EXPECT_EQ(d->Find<QTreeWidget>("TreeView1")->topLevelItem(0)->text(0), "Zewn");
}

TEST_F(UndoTest, MovedPointGoesBackToWhereItWas) {
  TwoPointsAndProcess();
  const AirState before = project().point(1).state;
  d->Drag(d->PixelOfPoint("B"), d->PixelOf(24, 0.005), 4);
  ASSERT_NE(project().point(1).state, before);
  EXPECT_EQ(Undo()->text(), "Undo move point B");
  Undo()->trigger();
  EXPECT_EQ(project().point(1).state, before);
  EXPECT_EQ(Undo()->text(), "Undo add process A-B");
  Redo()->trigger();
  EXPECT_NE(project().point(1).state, before);
}

TEST_F(UndoTest, DeletedPointComesBackWithTheProcessThatNamesIt) {
  TwoPointsAndProcess();
  d->MoveTo(d->PixelOfPoint("A"));  // A becomes the selected point
  QAction* remove = d->window().Command("Usupunkt2");
  ASSERT_NE(remove, nullptr);
  EXPECT_EQ(remove->text(), "Delete point A");
  messages.Answer(QMessageBox::Yes);
  remove->trigger();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Point A is used by: A-B. Delete it anyway? (This can be undone.)");
  ASSERT_EQ(project().point_count(), 1);
  EXPECT_EQ(project().process(0).start_point, "");
  EXPECT_EQ(Undo()->text(), "Undo delete point A");
  Undo()->trigger();
  ASSERT_EQ(project().point_count(), 2);
  EXPECT_EQ(project().point(0).name, "A");
  EXPECT_EQ(project().process(0).start_point, "A");
}

TEST_F(UndoTest, PressureChangeIsUndoneOnTheControlToo) {
  TwoPointsAndProcess();
  auto* spin = d->Find<QSpinBox>("UpDown1");
  const int hpa = spin->value();
  const AirState before = project().point(0).state;
  spin->setValue(hpa - 100);
  EXPECT_EQ(project().pb(), (hpa - 100) * 100.0);
  EXPECT_EQ(Undo()->text(), "Undo change pressure");
  Undo()->trigger();
  EXPECT_EQ(spin->value(), hpa);
  EXPECT_EQ(d->window().settings().chart.pb, hpa * 100.0);
  EXPECT_EQ(project().point(0).state, before);
}

TEST_F(UndoTest, AnEditAWindowDidNotNameIsStillOneStep) {
  TwoPointsAndProcess();
  ASSERT_TRUE(project().AddProcess({"B-A", "B", "A", true, 500}));
  d->window().RequestFullRedraw();  // as a window that only asks for the redraw
  EXPECT_EQ(Undo()->text(), "Undo change the project");
  Undo()->trigger();
  EXPECT_EQ(project().process_count(), 1);
}

TEST_F(UndoTest, UndoingBackToTheSavedStateClearsTheModifiedFlag) {
  QTemporaryDir dir;
  const QString path = dir.filePath("plant.ovt");
  SetFileDialogResponder([path](const FileDialogRequest&) { return path; });
  TwoPointsAndProcess();
  ASSERT_TRUE(d->window().SaveProjectAs());
  EXPECT_FALSE(project().modified());
  d->Drag(d->PixelOfPoint("A"), d->PixelOf(33, 0.014), 3);
  EXPECT_TRUE(project().modified());
  Undo()->trigger();
  EXPECT_FALSE(project().modified());
  Redo()->trigger();
  EXPECT_TRUE(project().modified());
  // Further back than the save is a change again.
  Undo()->trigger();
  Undo()->trigger();
  EXPECT_TRUE(project().modified());
}

TEST_F(UndoTest, NewAndOpenStartTheHistoryOver) {
  QTemporaryDir dir;
  const QString path = dir.filePath("plant.ovt");
  ChartProject file;
  ChartPoint p;
  p.name = "F";
  p.state = StateFromTX(101300, 22, 0.008);
  ASSERT_TRUE(file.AddPoint(p));
  ASSERT_TRUE(WriteProjectFile(path.toStdString(), file).ok());

  TwoPointsAndProcess();
  messages.Answer(QMessageBox::No);  // unsaved changes: go on without saving
  ASSERT_TRUE(d->window().NewProject());
  EXPECT_FALSE(Undo()->isEnabled());
  EXPECT_EQ(Undo()->text(), "Undo");

  TwoPointsAndProcess();
  messages.Answer(QMessageBox::No);
  SetFileDialogResponder([path](const FileDialogRequest&) { return path; });
  ASSERT_TRUE(d->window().OpenProject());
  EXPECT_FALSE(Undo()->isEnabled());
  EXPECT_FALSE(project().modified());
  ASSERT_EQ(project().point_count(), 1);
  EXPECT_EQ(project().point(0).name, "F");
}

TEST_F(UndoTest, KeepsTheLastHundredSteps) {
  for (int k = 0; k < ProjectHistory::kSteps + 5; ++k) {
    ChartPoint p;
    p.name = "P" + std::to_string(k % 40);
    p.state = StateFromTX(101300, 10 + k % 20, 0.005);
    if (project().point_count() == 40) project().DeletePoint(0);
    ASSERT_TRUE(project().AddPoint(p));
    d->window().RecordEdit(QString("step %1").arg(k));
  }
  EXPECT_EQ(d->window().history().steps(), ProjectHistory::kSteps);
  EXPECT_EQ(Undo()->text(), "Undo step 104");
  // No step is recorded when nothing changed.
  d->window().RecordEdit("nothing");
  EXPECT_EQ(Undo()->text(), "Undo step 104");
}

TEST_F(UndoTest, PolishItemsNameTheEditInPolish) {
  ASSERT_TRUE(LoadLanguage(1));
  d->ClickNewPoint(d->PixelOf(25, 0.010), "Zewn");
  EXPECT_EQ(d->Find<QMenu>("Edycja1")->title(), "Edycja");
  EXPECT_EQ(Undo()->text(), "Cofnij dodaj punkt Zewn");
  Undo()->trigger();
  EXPECT_EQ(Redo()->text(), "Ponów dodaj punkt Zewn");
}

}  // namespace
}  // namespace orvanta
