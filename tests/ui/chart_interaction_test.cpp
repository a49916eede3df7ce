// The mouse on the chart and the points tree, driven through the
// interaction controller with the real dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app/ui/messages.h"
#include "chart/ui/chart_interaction.h"
#include "chart/ui/points_tree.h"
#include "project/ui/point_data_dialog.h"
#include "project/ui/point_definition_dialog.h"
#include "project/ui/points_list_window.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr int kWimg = 860, kHimg = 660;

// Runs `answer` on the modal dialog that the next call opens, and records
// which dialogs were shown.
class ModalAnswers {
 public:
  void Next(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [this, answer] {
      QWidget* w = QApplication::activeModalWidget();
      shown.push_back(w ? w->objectName() : QString("(none)"));
      if (w) answer(w);
    });
  }
  QStringList shown;
};

void Accept(QWidget* dialog, const QString& name) {
  auto* edit = dialog->findChild<QLineEdit*>("Edit1");
  ASSERT_NE(edit, nullptr);
  edit->setText(name);
  emit edit->textEdited(name);
  dialog->findChild<QPushButton*>("BitBtn1")->click();
}

class ChartInteractionTest : public ::testing::Test {
 protected:
  ChartInteractionTest()
      : geometry(settings, kWimg, kHimg),
        list(&project),
        definition(&project),
        data(&project, &settings, &list),
        interaction(&project, &settings) {
    settings.default_label = LabelPosition::Top;
    interaction.SetGeometry(geometry);
    interaction.SetDialogs(&definition, &data);
    for (int k = 0; k < kReadoutFieldCount; ++k) labels[k] = new QLabel(&readout_panel);
    interaction.SetReadoutLabels(labels);
    edit_action.setEnabled(false);
    interaction.SetPointActions({&edit_action});
    interaction.set_double_click_interval(0);
    QObject::connect(&interaction, &ChartInteraction::projectChanged, [this] { ++redraws; });
  }

  // Adds a point at a pixel through a click and the new-point dialog.
  void ClickNewPoint(QPoint px, const QString& name) {
    modal.Next([name](QWidget* w) { Accept(w, name); });
    interaction.MouseMoved(px, Qt::NoButton);
    interaction.Clicked(px);
  }
  QPoint PixelOf(int k) const {
    const auto p = geometry.MapToChart(project.point(k).state.t, project.point(k).state.x);
    return {p.x, p.y};
  }
  QStringList ShownReadout() const {
    QStringList texts;
    for (QLabel* l : labels) texts << l->text();
    return texts;
  }

  ChartSettings settings;
  chart::ChartGeometry geometry;
  ChartProject project;
  RecordingResponder messages;
  PointsListWindow list;
  PointDefinitionDialog definition;
  PointDataDialog data;
  ChartInteraction interaction;
  QWidget readout_panel;
  std::array<QLabel*, kReadoutFieldCount> labels{};
  QAction edit_action{"Edytuj punkt"};
  ModalAnswers modal;
  int redraws = 0;
};

TEST_F(ChartInteractionTest, ReadoutShowsTheStateAtThePixel) {
  const QPoint px(300, 250);
  interaction.MouseMoved(px, Qt::NoButton);
  const chart::TX tx = geometry.MapFromChart(px.x(), px.y());
  const ReadoutTexts expected = CursorReadoutTexts(CursorState(settings.pb, tx.t, tx.x), UnitSystem::SI);
  for (int k = 0; k < kReadoutFieldCount; ++k) EXPECT_EQ(labels[k]->text().toStdString(), expected[k]);

  settings.units = UnitSystem::IP;
  interaction.MouseMoved({5, 250}, Qt::NoButton);  // left of the origin: x = 1e-6
  EXPECT_DOUBLE_EQ(interaction.cursor_state().x, 1e-6);
  EXPECT_EQ(labels[kReadoutX]->text(), "0.01");
}

TEST_F(ChartInteractionTest, ClickStoresTheStateMapFromChartGivesForThePixel) {
  const QPoint px(400, 300);
  ClickNewPoint(px, "P1");
  ASSERT_EQ(modal.shown, QStringList{"TForm27"});
  ASSERT_EQ(project.point_count(), 1);
  const chart::TX tx = geometry.MapFromChart(px.x(), px.y());
  const ChartPoint& p = project.point(0);
  EXPECT_EQ(p.name, "P1");
  EXPECT_EQ(p.state, StateFromTX(settings.pb, tx.t, tx.x));
  EXPECT_EQ(p.label_position, LabelPosition::Top);  // preset from the settings
  EXPECT_TRUE(p.description.empty());
  EXPECT_FALSE(p.on_process || p.on_coefficient);
  EXPECT_TRUE(project.modified());
  EXPECT_EQ(redraws, 1);
}

TEST_F(ChartInteractionTest, CancelledDialogStillMarksTheProjectModified) {
  modal.Next([](QWidget* w) { w->findChild<QPushButton*>("BitBtn2")->click(); });
  interaction.Clicked({200, 200});
  EXPECT_EQ(project.point_count(), 0);
  EXPECT_TRUE(project.modified());
  EXPECT_EQ(redraws, 0);
}

TEST_F(ChartInteractionTest, OverAPointTheReadoutFreezesAndThePointIsSelected) {
  ClickNewPoint({400, 300}, "A");
  const QPoint away(200, 200);
  interaction.MouseMoved(away, Qt::NoButton);
  const QStringList before = ShownReadout();
  EXPECT_FALSE(edit_action.isEnabled());

  interaction.MouseMoved(PixelOf(0) + QPoint(1, 0), Qt::NoButton);
  EXPECT_TRUE(interaction.over_point());
  EXPECT_EQ(interaction.hovered_point(), 0);
  EXPECT_EQ(interaction.selected_point(), 0);
  EXPECT_TRUE(edit_action.isEnabled());
  EXPECT_EQ(ShownReadout(), before);

  interaction.MouseMoved(away + QPoint(50, 0), Qt::NoButton);
  EXPECT_FALSE(interaction.over_point());
  EXPECT_FALSE(edit_action.isEnabled());
  EXPECT_NE(ShownReadout(), before);
}

TEST_F(ChartInteractionTest, DragMovesThePointKeepingNameLabelAndTies) {
  ClickNewPoint({400, 300}, "A");
  ChartPoint tied = project.point(0);
  tied.label_position = LabelPosition::Left;
  tied.description = "room";
  ASSERT_TRUE(project.ReplacePoint(0, tied, "A"));
  redraws = 0;

  interaction.MouseMoved(PixelOf(0), Qt::LeftButton);
  EXPECT_TRUE(interaction.dragging());
  const QPoint release(520, 180);
  interaction.MouseMoved(release, Qt::LeftButton);
  interaction.Clicked(release);
  EXPECT_TRUE(modal.shown.size() == 1);  // no new-point dialog for the drag
  const chart::TX tx = geometry.MapFromChart(release.x(), release.y());
  const ChartPoint& p = project.point(0);
  EXPECT_EQ(project.point_count(), 1);
  EXPECT_EQ(p.name, "A");
  EXPECT_EQ(p.description, "room");
  EXPECT_EQ(p.label_position, LabelPosition::Left);
  EXPECT_EQ(p.state, StateFromTX(settings.pb, tx.t, tx.x));
  EXPECT_FALSE(interaction.dragging());
  EXPECT_EQ(redraws, 1);

  // A redraw ends a drag that had no release.
  interaction.MouseMoved(PixelOf(0), Qt::LeftButton);
  interaction.SetGeometry(geometry);
  EXPECT_FALSE(interaction.dragging());
}

TEST_F(ChartInteractionTest, DoubleClickOnAPointEditsItWithoutTheNewPointDialog) {
  ClickNewPoint({400, 300}, "A");
  interaction.set_double_click_interval(5000);
  const QPoint on_point = PixelOf(0);
  interaction.MouseMoved(on_point, Qt::NoButton);
  interaction.Clicked(on_point);  // first half: waits for a second click
  modal.Next([](QWidget* w) {
    EXPECT_EQ(w->findChild<QLineEdit*>("Edit1")->text(), "A");
    w->findChild<QPushButton*>("BitBtn2")->click();
  });
  interaction.DoubleClicked(on_point);
  interaction.Clicked(on_point);  // the release that ends the double-click
  QApplication::processEvents();
  EXPECT_EQ(modal.shown, (QStringList{"TForm27", "TForm29"}));
  EXPECT_EQ(project.point_count(), 1);
}

TEST_F(ChartInteractionTest, PlainClickOnAPointDefinesANewPointAtTheFrozenState) {
  ClickNewPoint({400, 300}, "A");
  interaction.MouseMoved({200, 200}, Qt::NoButton);
  const AirState frozen = interaction.cursor_state();
  modal.Next([](QWidget* w) { Accept(w, "B"); });
  interaction.MouseMoved(PixelOf(0), Qt::NoButton);
  interaction.Clicked(PixelOf(0));
  ASSERT_EQ(project.point_count(), 2);
  EXPECT_EQ(project.point(1).state, frozen);
}

TEST_F(ChartInteractionTest, FiftyFirstPointIsRefused) {
  for (int k = 0; k < ChartProject::kPointSlots; ++k) {
    ChartPoint p;
    p.name = "P" + std::to_string(k);
    p.state = StateFromTX(settings.pb, -25 + k, 0.001);
    ASSERT_TRUE(project.AddPoint(p));
  }
  project.set_modified(false);
  interaction.Clicked({700, 100});
  EXPECT_TRUE(modal.shown.isEmpty());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.contains("50"));
  EXPECT_EQ(project.point_count(), ChartProject::kPointSlots);
  EXPECT_TRUE(project.modified());
}

TEST_F(ChartInteractionTest, NewPointWithAProcessFromTheLastPoint) {
  ClickNewPoint({400, 300}, "A");
  modal.Next([](QWidget* w) {
    w->findChild<QRadioButton*>("RadioButton2")->click();
    auto* flow = w->findChild<QLineEdit*>("Edit3");
    flow->setText("800");
    emit flow->textEdited("800");
    Accept(w, "B");
  });
  interaction.Clicked({500, 250});
  ASSERT_EQ(project.point_count(), 2);
  ASSERT_EQ(project.process_count(), 1);
  EXPECT_EQ(project.process(0).name, "A - B");
  EXPECT_EQ(project.process(0).start_point, "A");
  EXPECT_EQ(project.process(0).end_point, "B");
  EXPECT_DOUBLE_EQ(project.process(0).air_flow, 800);
}

TEST_F(ChartInteractionTest, TreeSelectsEditsAndDeletes) {
  ClickNewPoint({400, 300}, "A");
  ClickNewPoint({500, 250}, "B");
  QTreeWidget tree;
  FillPointsTree(&tree, project, settings.units);
  ASSERT_EQ(tree.topLevelItemCount(), 2);
  interaction.TreeClicked(tree.topLevelItem(1)->child(3));  // a value line selects nothing
  interaction.TreeClicked(tree.topLevelItem(1));
  EXPECT_EQ(interaction.selected_point(), 1);

  modal.Next([](QWidget* w) {
    EXPECT_EQ(w->findChild<QLineEdit*>("Edit1")->text(), "B");
    auto* name = w->findChild<QLineEdit*>("Edit1");
    name->setText("B2");
    w->findChild<QPushButton*>("BitBtn1")->click();
  });
  interaction.TreeDoubleClicked(tree.topLevelItem(1));
  EXPECT_EQ(project.point(1).name, "B2");

  interaction.DeleteSelectedPoint();
  EXPECT_EQ(project.point_count(), 1);
  EXPECT_EQ(project.point(0).name, "A");
  EXPECT_EQ(interaction.selected_point(), -1);
}

TEST(PointsTree, TextInSiAndIpWithATabPerLevel) {
  ChartProject project;
  ChartPoint p;
  p.name = "ZEW";
  p.state = StateFromTX(101300, 20, 0.00726);
  ASSERT_TRUE(project.AddPoint(p));
  QTreeWidget tree;
  FillPointsTree(&tree, project, UnitSystem::SI);
  ASSERT_EQ(tree.topLevelItemCount(), 1);
  ASSERT_EQ(tree.topLevelItem(0)->childCount(), 9);
  const QString si = PointsTreeText(&tree);
  EXPECT_TRUE(si.startsWith("ZEW\r\n\tDBT= 20 C\r\n\tX= 7.26 g/kg\r\n\t\u03C6= 50.01 %\r\n\th= 38.52 kJ/kg\r\n"));
  EXPECT_EQ(si.count("\r\n"), 10);
  EXPECT_EQ(si.count('\t'), 9);

  FillPointsTree(&tree, project, UnitSystem::IP);
  ASSERT_EQ(tree.topLevelItemCount(), 1);  // refilled, not appended
  const QString ip = PointsTreeText(&tree);
  EXPECT_TRUE(ip.startsWith("ZEW\r\n\tDBT= 68 F\r\n\tW= 50.82 gr/lb\r\n\tRH= 50.01 %\r\n\th= 16.56 Btu/lb\r\n\td= "));
  EXPECT_TRUE(ip.contains(" in.Hg\r\n"));

  QTemporaryDir dir;
  const QString path = dir.filePath("points.txt");
  ASSERT_TRUE(WritePointsTreeText(&tree, path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()), ip);
  QString error;
  EXPECT_FALSE(WritePointsTreeText(&tree, dir.filePath("missing/points.txt"), &error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace orvanta
