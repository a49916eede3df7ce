// The mouse on the chart and the points tree, driven through the
// interaction controller with the real dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app/settings_store.h"
#include "chart/ui/chart_view.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/main_window.h"
#include "app/ui/kit/messages.h"
#include "chart/ui/chart_interaction.h"
#include "chart/ui/point_commands.h"
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

TEST_F(ChartInteractionTest, TheFlowChoiceOfTheNewPointDialogStaysAndDrivesTheProcessTable) {
  EXPECT_FALSE(settings.flow_as_mass);
  // "Masa powietrza" chosen, then the dialog cancelled: the choice stays.
  modal.Next([](QWidget* w) {
    w->findChild<QRadioButton*>("RadioButton9")->click();
    static_cast<QDialog*>(w)->reject();
  });
  interaction.MouseMoved({250, 200}, Qt::NoButton);
  interaction.Clicked({250, 200});
  EXPECT_TRUE(settings.flow_as_mass);
  EXPECT_EQ(redraws, 1) << "the process table's flow column changes";
  EXPECT_EQ(project.point_count(), 0);
  // The next opening shows mass chosen, and the point is added as usual.
  bool mass_shown = false;
  modal.Next([&mass_shown](QWidget* w) {
    mass_shown = w->findChild<QRadioButton*>("RadioButton9")->isChecked();
    Accept(w, "P1");
  });
  interaction.MouseMoved({260, 210}, Qt::NoButton);
  interaction.Clicked({260, 210});
  EXPECT_TRUE(mass_shown);
  EXPECT_TRUE(settings.flow_as_mass);
  ASSERT_EQ(project.point_count(), 1);
}

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
  const QPoint px(250, 200);  // below the saturation curve: air exists there
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
  ClickNewPoint({300, 220}, "A");
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
  ClickNewPoint({300, 220}, "A");
  ChartPoint tied = project.point(0);
  tied.label_position = LabelPosition::Left;
  tied.description = "room";
  ASSERT_TRUE(project.ReplacePoint(0, tied, "A"));
  redraws = 0;

  interaction.MousePressed(PixelOf(0), Qt::LeftButton);
  interaction.MouseMoved(PixelOf(0) + QPoint(1, 0), Qt::LeftButton);
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
  interaction.MousePressed(PixelOf(0), Qt::LeftButton);
  interaction.MouseMoved(PixelOf(0), Qt::LeftButton);
  interaction.SetGeometry(geometry);
  EXPECT_FALSE(interaction.dragging());
}

TEST_F(ChartInteractionTest, OnlyAPressOnThePointStartsADrag) {
  ClickNewPoint({300, 220}, "A");
  const AirState before = project.point(0).state;
  redraws = 0;
  // Pressed elsewhere and swept across the point: no drag.
  interaction.MousePressed({300, 300}, Qt::LeftButton);
  interaction.MouseMoved(PixelOf(0), Qt::LeftButton);
  EXPECT_FALSE(interaction.dragging());
  interaction.MouseReleased({450, 300}, Qt::LeftButton);

  // Released outside the chart: the drag ends and nothing moves.
  interaction.MousePressed(PixelOf(0), Qt::LeftButton);
  interaction.MouseMoved(PixelOf(0), Qt::LeftButton);
  ASSERT_TRUE(interaction.dragging());
  interaction.MouseReleased({kWimg + 20, 300}, Qt::LeftButton);
  EXPECT_FALSE(interaction.dragging());
  EXPECT_EQ(project.point(0).state, before);

  // Released inside its own hit area: it goes to the release pixel itself.
  const QPoint near = PixelOf(0) + QPoint(2, 1);
  interaction.MousePressed(PixelOf(0), Qt::LeftButton);
  interaction.MouseMoved(near, Qt::LeftButton);
  interaction.MouseReleased(near, Qt::LeftButton);
  interaction.Clicked(near);
  const chart::TX tx = geometry.MapFromChart(near.x(), near.y());
  EXPECT_EQ(project.point(0).state, StateFromTX(settings.pb, tx.t, tx.x));
  EXPECT_EQ(modal.shown.size(), 1);
  EXPECT_EQ(redraws, 1);
}

TEST_F(ChartInteractionTest, DoubleClickOnAPointEditsItWithoutTheNewPointDialog) {
  ClickNewPoint({300, 220}, "A");
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
  ClickNewPoint({300, 220}, "A");
  interaction.MouseMoved({200, 200}, Qt::NoButton);
  const AirState frozen = interaction.cursor_state();
  modal.Next([](QWidget* w) { Accept(w, "B"); });
  interaction.MouseMoved(PixelOf(0), Qt::NoButton);
  interaction.Clicked(PixelOf(0));
  ASSERT_EQ(project.point_count(), 2);
  EXPECT_EQ(project.point(1).state, frozen);
}

TEST_F(ChartInteractionTest, AClickOnAPointKeepsItsStateWhileWaitingForASecondClick) {
  ClickNewPoint({300, 220}, "A");
  interaction.MouseMoved({200, 200}, Qt::NoButton);
  const AirState frozen = interaction.cursor_state();
  interaction.set_double_click_interval(30);
  interaction.MouseMoved(PixelOf(0), Qt::NoButton);
  interaction.Clicked(PixelOf(0));  // may be the first half of a double-click
  interaction.MouseMoved({600, 150}, Qt::NoButton);  // the mouse moves on meanwhile
  ASSERT_NE(interaction.cursor_state(), frozen);
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      answer.stop();
      Accept(w, "B");
    }
  });
  answer.start(5);
  QElapsedTimer waited;
  waited.start();
  while (project.point_count() < 2 && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 10);
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
  ClickNewPoint({300, 220}, "A");
  modal.Next([](QWidget* w) {
    w->findChild<QRadioButton*>("RadioButton2")->click();
    auto* flow = w->findChild<QLineEdit*>("Edit3");
    flow->setText("800");
    emit flow->textEdited("800");
    Accept(w, "B");
  });
  interaction.Clicked({450, 160});
  ASSERT_EQ(project.point_count(), 2);
  ASSERT_EQ(project.process_count(), 1);
  EXPECT_EQ(project.process(0).name, "A - B");
  EXPECT_EQ(project.process(0).start_point, "A");
  EXPECT_EQ(project.process(0).end_point, "B");
  EXPECT_DOUBLE_EQ(project.process(0).air_flow, 800);
}

TEST_F(ChartInteractionTest, TreeSelectsEditsAndDeletes) {
  ClickNewPoint({300, 220}, "A");
  ClickNewPoint({450, 160}, "B");
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
  // The export writes exactly what the tree shows.
  ASSERT_TRUE(WritePointValuesText(project, UnitSystem::IP, path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()), ip);
  QString error;
  EXPECT_FALSE(WritePointValuesText(project, UnitSystem::IP, dir.filePath("missing/points.txt"), &error));
  EXPECT_FALSE(error.isEmpty());
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

TEST(PointsTree, ExportPointValuesAsksForATextFileInTheCurrentFolder) {
  ChartProject project;
  ChartPoint p;
  p.name = "A";
  p.state = StateFromTX(101300, 22, 0.009);
  ASSERT_TRUE(project.AddPoint(p));
  QTreeWidget tree;
  FillPointsTree(&tree, project, UnitSystem::SI);
  QTemporaryDir dir;
  const QString path = dir.filePath("values.txt");
  const QString folder_before = QDir::currentPath();
  std::vector<FileDialogRequest> asked;
  QString answer;
  SetFileDialogResponder([&](const FileDialogRequest& r) {
    asked.push_back(r);
    return answer;
  });
  RecordingResponder messages;

  EXPECT_FALSE(ExportPointValues(nullptr, project, UnitSystem::SI));  // cancelled: nothing written
  EXPECT_FALSE(QFile::exists(path));
  answer = path;
  EXPECT_TRUE(ExportPointValues(nullptr, project, UnitSystem::SI));
  SetFileDialogResponder(nullptr);

  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].kind, FileDialogKind::Save);
  EXPECT_EQ(asked[1].folder, folder_before);
  EXPECT_TRUE(asked[1].filter.startsWith("Pliki *.txt"));
  EXPECT_EQ(asked[1].default_suffix, "txt");
  EXPECT_EQ(QDir::currentPath(), folder_before);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(file.readAll()), PointsTreeText(&tree));
  EXPECT_TRUE(messages.shown().empty());
}

TEST(PointPanelDrag, HandlePlacesThePanelAtTheCursorAndTheLogoFollows) {
  QWidget window;
  window.resize(1000, 800);
  QWidget chart(&window);
  chart.setGeometry(10, 20, kWimg, kHimg);
  QWidget panel(&window);
  panel.setGeometry(600, 400, 250, 200);
  QWidget handle(&panel);
  handle.setGeometry(0, 0, 41, 12);  // half of 41 is 20.5, rounded to even: 20
  QWidget logo(&window);
  PanelDragHandle drag(&handle, &panel, &chart, &logo);
  QPoint moved_to(-1, -1);
  QObject::connect(&drag, &PanelDragHandle::panelMoved, [&](QPoint p) { moved_to = p; });

  // Without the button nothing moves and the handle shows the crosshair.
  QMouseEvent hover(QEvent::MouseMove, QPointF(5, 5), QPointF(chart.mapToGlobal(QPoint(300, 200))), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&handle, &hover);
  EXPECT_EQ(panel.pos(), QPoint(600, 400));
  EXPECT_EQ(handle.cursor().shape(), Qt::CrossCursor);

  // With the left button held: left edge at cursor x - 20, top at cursor y - 68,
  // the cursor taken in the chart's coordinates; the logo at (+200, -120).
  QMouseEvent held(QEvent::MouseMove, QPointF(5, 5), QPointF(chart.mapToGlobal(QPoint(300, 200))), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&handle, &held);
  EXPECT_EQ(panel.pos(), QPoint(280, 132));
  EXPECT_EQ(logo.pos(), QPoint(480, 12));
  EXPECT_EQ(moved_to, QPoint(280, 132));
  EXPECT_EQ(drag.last_position(), QPoint(280, 132));
  EXPECT_EQ(handle.cursor().shape(), Qt::SizeAllCursor);

  handle.setFixedWidth(43);  // 21.5 rounds to 22
  QMouseEvent wider(QEvent::MouseMove, QPointF(5, 5), QPointF(chart.mapToGlobal(QPoint(100, 90))), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&handle, &wider);
  EXPECT_EQ(panel.pos(), QPoint(78, 22));
}

void ClickOn(QWidget* w, QPoint pos) {
  SendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
  SendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
  SendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

void Type(QWidget* dialog, const char* name, const QString& text) {
  auto* e = dialog->findChild<QLineEdit*>(name);
  ASSERT_NE(e, nullptr) << name;
  e->setText(text);
  emit e->textEdited(text);
}

TEST(MainWindowPoints, PopUpPointItemsFollowTheCursorOverAPoint) {
  RecordingResponder messages;
  MainWindow w(std::make_unique<MemoryStore>());
  if (!w.findChild<PointCommands*>()) new PointCommands(w);
  w.resize(1400, 900);
  w.show();
  for (int k = 0; k < 3; ++k) QApplication::processEvents();
  ChartView* view = w.chart_view();
  ModalAnswers modal;
  modal.Next([](QWidget* d) { Accept(d, "A"); });
  ClickOn(view, {400, 400});
  ASSERT_EQ(w.project().point_count(), 1);
  const chart::ChartGeometry g(w.settings().chart, w.chart_image().width(), w.chart_image().height());
  const auto a = g.MapToChart(w.project().point(0).state.t, w.project().point(0).state.x);
  const QString add_name = "Dodajwspczynnikkierunkowy1";
  QAction* edit = w.Command("Edytujpunkt2");
  QAction* add_coefficient = w.Command(add_name);
  ASSERT_TRUE(edit && add_coefficient);

  if (!w.CommandConnected(add_name)) {
    // Without the coefficient window the item stays disabled even over a point.
    SendMouse(view, QEvent::MouseMove, {a.x, a.y}, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_FALSE(add_coefficient->isEnabled());
    w.SetCommandHandler(add_name, [] {});
  }
  SendMouse(view, QEvent::MouseMove, {a.x + 80, a.y + 80}, Qt::NoButton, Qt::NoButton);
  EXPECT_FALSE(edit->isEnabled());
  EXPECT_FALSE(add_coefficient->isEnabled());
  SendMouse(view, QEvent::MouseMove, {a.x, a.y}, Qt::NoButton, Qt::NoButton);
  EXPECT_TRUE(edit->isEnabled());
  EXPECT_TRUE(add_coefficient->isEnabled());
  w.project().set_modified(false);
}

// What the lead's walk-through does: a small project built by clicking and
// typing alone in the main window, saved, started anew and reopened.
TEST(MainWindowPoints, BuildSaveAndReopenByClickingAndTyping) {
  RecordingResponder messages;
  QTemporaryDir dir;
  const QString path = dir.filePath("walk.ovt");
  SetFileDialogResponder([&](const FileDialogRequest&) { return path; });
  MainWindow w(std::make_unique<MemoryStore>());
  auto* commands = w.findChild<PointCommands*>();
  if (!commands) commands = new PointCommands(w);
  commands->interaction()->set_double_click_interval(0);
  w.resize(1400, 900);
  w.show();
  for (int k = 0; k < 3; ++k) QApplication::processEvents();
  ASSERT_FALSE(w.chart_image().isNull());
  ChartView* view = w.chart_view();
  auto* tree = w.findChild<QTreeWidget*>("TreeView1");
  ASSERT_NE(tree, nullptr);

  // Two points by clicks, the second with a process from the first.
  ModalAnswers modal;
  modal.Next([](QWidget* d) { Accept(d, "A"); });
  ClickOn(view, {400, 400});
  modal.Next([](QWidget* d) {
    d->findChild<QRadioButton*>("RadioButton2")->click();
    Type(d, "Edit3", "1500");
    Accept(d, "B");
  });
  ClickOn(view, {600, 300});
  // A third point by typing its values.
  modal.Next([](QWidget* d) {
    Type(d, "Edit1", "C");
    Type(d, "Edit3", "22");
    Type(d, "Edit2", "9");
    d->findChild<QPushButton*>("BitBtn1")->click();
  });
  w.Command("DODAJPUNKTDOWOLNY1")->trigger();
  EXPECT_EQ(modal.shown, (QStringList{"TForm27", "TForm27", "TForm29"}));
  ASSERT_EQ(w.project().point_count(), 3);
  ASSERT_EQ(w.project().process_count(), 1);
  EXPECT_EQ(w.project().process(0).name, "A - B");
  ASSERT_EQ(tree->topLevelItemCount(), 3);
  EXPECT_EQ(tree->topLevelItem(2)->text(0), "C");
  EXPECT_EQ(tree->topLevelItem(2)->child(0)->text(0), "DBT= 22 C");

  // The readout follows the mouse away from the points.
  SendMouse(view, QEvent::MouseMove, {300, 500}, Qt::NoButton, Qt::NoButton);
  EXPECT_NE(w.findChild<QLabel*>("Label4")->text(), "0");

  // Drag B a little to the right.
  const chart::ChartGeometry g(w.settings().chart, w.chart_image().width(), w.chart_image().height());
  const auto b = g.MapToChart(w.project().point(1).state.t, w.project().point(1).state.x);
  SendMouse(view, QEvent::MouseMove, {b.x, b.y}, Qt::NoButton, Qt::NoButton);
  SendMouse(view, QEvent::MouseButtonPress, {b.x, b.y}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(view, QEvent::MouseMove, {b.x + 1, b.y}, Qt::NoButton, Qt::LeftButton);
  SendMouse(view, QEvent::MouseMove, {b.x + 60, b.y}, Qt::NoButton, Qt::LeftButton);
  SendMouse(view, QEvent::MouseButtonRelease, {b.x + 60, b.y}, Qt::LeftButton, Qt::NoButton);
  const chart::TX moved = g.MapFromChart(b.x + 60, b.y);
  EXPECT_EQ(w.project().point(1).state, StateFromTX(w.settings().chart.pb, moved.t, moved.x));
  EXPECT_EQ(w.project().point_count(), 3);

  ASSERT_TRUE(w.SaveProjectAs());
  const QString tree_text = PointsTreeText(tree);
  const QImage chart = w.chart_image().copy();
  ASSERT_TRUE(w.NewProject());
  EXPECT_EQ(tree->topLevelItemCount(), 0);
  ASSERT_TRUE(w.OpenProjectFile(path));
  EXPECT_EQ(PointsTreeText(tree), tree_text);
  EXPECT_EQ(w.chart_image(), chart);
  EXPECT_EQ(w.project().process(0).start_point, "A");
  SetFileDialogResponder(nullptr);
  w.project().set_modified(false);
}

}  // namespace
}  // namespace orvanta
