// The points library: storing points from the project and bringing them
// back through the library window (TForm5).
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "english_texts.h"
#include "project/ui/library_window.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

ChartPoint Point(const char* name, double t, double x) {
  ChartPoint p;
  p.name = name;
  p.description = std::string("desc ") + name;
  p.state = StateFromTX(101300, t, x);
  p.label_position = LabelPosition::Bottom;
  return p;
}

class LibraryTest : public ::testing::Test {
 protected:
  LibraryTest() : path(dir.filePath("biblioteka.dbx")), window(&project) { window.set_library_path(path); }
  QListWidget* List() { return window.findChild<QListWidget*>("ListBox1"); }
  QStringList Names() {
    QStringList names;
    for (int k = 0; k < List()->count(); ++k) names << List()->item(k)->text();
    return names;
  }
  QTemporaryDir dir;
  QString path;
  ChartProject project;
  RecordingResponder messages;
  LibraryWindow window;
};

TEST_F(LibraryTest, StoringCreatesAndAppendsRecords) {
  EXPECT_TRUE(StorePointInLibrary(nullptr, Point("A", 20, 0.008), path));
  EXPECT_EQ(QFileInfo(path).size(), 256);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA");
  EXPECT_EQ(messages.shown()[0].text, Text(118));
  EXPECT_TRUE(ActiveLanguageNumber() == 0 || !Text(118).isEmpty());
  EXPECT_TRUE(StorePointInLibrary(nullptr, Point("B", 25, 0.009), path));
  EXPECT_TRUE(StorePointInLibrary(nullptr, Point("A", 30, 0.010), path));  // names may repeat
  EXPECT_EQ(QFileInfo(path).size(), 768);
  window.Reload();
  EXPECT_EQ(Names(), (QStringList{"A", "B", "A"}));
}

TEST_F(LibraryTest, RoundTripThroughTheWindow) {
  const ChartPoint stored = Point("LIB1", 24, 0.0095);
  ASSERT_TRUE(StorePointInLibrary(nullptr, stored, path));
  int redraws = 0;
  QObject::connect(&window, &LibraryWindow::projectChanged, [&] { ++redraws; });
  window.Reload();
  ASSERT_EQ(Names(), QStringList{"LIB1"});
  window.findChild<QPushButton*>("Button1")->click();  // nothing selected: nothing happens
  EXPECT_EQ(project.point_count(), 0);
  List()->setCurrentRow(0);
  window.findChild<QPushButton*>("Button1")->click();
  ASSERT_EQ(project.point_count(), 1);
  EXPECT_EQ(project.point(0), stored);
  EXPECT_TRUE(project.modified());
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(window.result(), QDialog::Accepted);

  // A second time the name is taken: language text 312 and nothing added.
  messages.Clear();
  window.Reload();
  List()->setCurrentRow(0);
  emit List()->itemDoubleClicked(List()->item(0));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA");
  EXPECT_EQ(messages.shown()[0].text, Text(312));
  EXPECT_EQ(project.point_count(), 1);
}

TEST_F(LibraryTest, DeleteAndClear) {
  for (const char* n : {"A", "B", "C"}) ASSERT_TRUE(StorePointInLibrary(nullptr, Point(n, 20, 0.008), path));
  window.Reload();
  List()->setCurrentRow(1);
  window.findChild<QAction*>("Usupunktzbiblioteki1")->trigger();
  EXPECT_EQ(Names(), (QStringList{"A", "C"}));
  EXPECT_EQ(QFileInfo(path).size(), 512);

  messages.Clear();
  messages.Answer(QMessageBox::No);
  window.findChild<QAction*>("Wyczybaz1")->trigger();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA INFO");
  EXPECT_EQ(messages.shown()[0].text, Text(313));
  EXPECT_EQ(QFileInfo(path).size(), 512);
  EXPECT_EQ(Names().size(), 2);

  messages.Answer(QMessageBox::Yes);
  window.findChild<QAction*>("Wyczybaz1")->trigger();
  EXPECT_TRUE(QFileInfo::exists(path));
  EXPECT_EQ(QFileInfo(path).size(), 0);
  EXPECT_TRUE(Names().isEmpty());

  // An empty file opens with an empty list and no message.
  messages.Clear();
  window.Reload();
  EXPECT_TRUE(Names().isEmpty());
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LibraryTest, MissingFileIsReported) {
  window.Reload();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA");
  EXPECT_EQ(messages.shown()[0].text, Text(311));
  EXPECT_TRUE(Names().isEmpty());
  EXPECT_EQ(window.objectName(), "TForm5");
}

TEST(LibraryPath, LivesInTheUsersDataFolder) {
  const QString path = PointsLibraryPath();
  EXPECT_TRUE(path.endsWith("/biblioteka.dbx"));
  EXPECT_TRUE(QFileInfo(QFileInfo(path).absolutePath()).isDir());
}

}  // namespace
}  // namespace orvanta
