// What a first-time user meets in the real main window: the point a delete
// acts on, names taken twice, choices kept over a language switch, the
// readout after a unit switch, clicks above saturation, quick drags, the
// settings window's limits, unsaved changes, links without a browser, and
// the English texts of the shell.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>

#include "app/ui/chart_settings_window.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/news_window.h"
#include "chart/readout.h"
#include "support/main_window_driver.h"

namespace orvanta {
namespace {

class FirstUse : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadLanguage(2));
    d = std::make_unique<test::MainWindowDriver>();
    messages.Clear();
  }
  void TearDown() override {
    SetFileDialogResponder(nullptr);
    SetExternalOpener(nullptr);
    d.reset();
  }
  ChartProject& project() { return d->window().project(); }
  void TwoPoints() {
    d->ClickNewPoint(d->PixelOf(30, 0.012), "Zewn");
    d->ClickNewPoint(d->PixelOf(20, 0.007), "Pom");
    ASSERT_EQ(project().point_count(), 2);
  }

  RecordingResponder messages{QMessageBox::Ok};
  std::unique_ptr<test::MainWindowDriver> d;
};

// Fault: right-click on empty chart deleted the point last hovered unseen.
TEST_F(FirstUse, DeleteItemNamesThePointItActsOnAndAsksWhenAProcessUsesIt) {
  QAction* remove = d->window().Command("Usupunkt2");
  ASSERT_NE(remove, nullptr);
  EXPECT_FALSE(remove->isEnabled());  // nothing selected yet
  EXPECT_EQ(remove->text(), "Delete point");
  TwoPoints();
  ASSERT_TRUE(project().AddProcess({"Zewn-Pom", "Zewn", "Pom", true, 1000}));
  d->window().RequestFullRedraw();
  d->MoveTo(d->PixelOfPoint("Zewn"));
  d->MoveTo(d->PixelOf(10, 0.002));  // away again: the item keeps naming Zewn
  EXPECT_TRUE(remove->isEnabled());
  EXPECT_EQ(remove->text(), "Delete point Zewn");
  EXPECT_EQ(d->window().Command("Usupunkt1")->text(), "Delete point Zewn");

  messages.Answer(QMessageBox::No);
  remove->trigger();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA INFO");
  EXPECT_EQ(messages.shown()[0].text, "Point Zewn is used by: Zewn-Pom. Delete it anyway? (This can be undone.)");
  EXPECT_EQ(project().point_count(), 2);  // No keeps it
  EXPECT_EQ(project().process(0).start_point, "Zewn");

  // A point nothing uses goes without a question.
  d->MoveTo(d->PixelOf(15, 0.004));
  d->ClickNewPoint(d->PixelOf(15, 0.004), "Solo");
  d->MoveTo(d->PixelOfPoint("Solo"));
  messages.Clear();
  remove->trigger();
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(project().FindPoint("Solo"), -1);
  EXPECT_EQ(remove->text(), "Delete point");
  EXPECT_FALSE(remove->isEnabled());
}

// Fault: renaming a point to another point's name turned "A-B" into A->A.
TEST_F(FirstUse, EditDialogRefusesAnotherPointsNameButKeepsItsOwn) {
  TwoPoints();
  d->MoveTo(d->PixelOfPoint("Pom"));
  d->modal.Next([](QWidget* w) { test::NamePoint(w, "Zewn"); });  // taken: refused, stays open
  d->modal.Next([](QWidget* w) {
    ASSERT_EQ(w->objectName(), "TForm29");
    test::NamePoint(w, "Pom");  // its own name: accepted
  });
  d->window().Command("Edytujpunkt2")->trigger();
  ASSERT_EQ(d->modal.shown, (QStringList{"TForm27", "TForm27", "TForm29", "TForm29"}));
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_EQ(messages.shown()[0].text, Text(1000));
  EXPECT_EQ(project().point(0).name, "Zewn");
  EXPECT_EQ(project().point(1).name, "Pom");
}

// Fault: a language switch hid the comfort zone and stored that.
TEST_F(FirstUse, LanguageSwitchKeepsEveryChoice) {
  auto* zone = d->Find<QComboBox>("ComboBox1");
  auto* layout = d->Find<QComboBox>("ComboBox2");
  auto* units = d->Find<QComboBox>("ComboBox3");
  zone->setCurrentIndex(2);
  layout->setCurrentIndex(1);
  units->setCurrentIndex(1);
  const QString english_zone = zone->currentText();
  d->window().Command("Polski1")->trigger();
  EXPECT_EQ(zone->currentIndex(), 2);
  EXPECT_NE(zone->currentText(), english_zone);  // the texts did change
  EXPECT_EQ(layout->currentIndex(), 1);
  EXPECT_EQ(units->currentIndex(), 1);
  EXPECT_EQ(d->window().settings().chart.comfort_zone, 2);
  EXPECT_TRUE(d->window().Command("wgASHRAE1997zima1")->isChecked());
  d->window().Command("Angielski1")->trigger();
  EXPECT_EQ(zone->currentIndex(), 2);
  EXPECT_EQ(zone->currentText(), english_zone);
}

// Fault: after a unit switch the readout kept the old numbers until the mouse moved.
TEST_F(FirstUse, ReadoutShowsTheNewUnitsAtOnce) {
  const QPoint px = d->PixelOf(20, 0.010);
  d->MoveTo(px);
  auto* moisture = d->Find<QLabel>("Label2");
  auto* temperature = d->Find<QLabel>("Label4");
  const chart::TX tx = d->Geometry().MapFromChart(px.x(), px.y());
  const AirState state = CursorState(d->window().pressure(), tx.t, tx.x);
  const ReadoutTexts si = CursorReadoutTexts(state, UnitSystem::SI);
  ASSERT_EQ(moisture->text().toStdString(), si[kReadoutX]);
  d->Find<QComboBox>("ComboBox3")->setCurrentIndex(1);
  const ReadoutTexts ip = CursorReadoutTexts(state, UnitSystem::IP);
  EXPECT_EQ(moisture->text().toStdString(), ip[kReadoutX]);
  EXPECT_EQ(temperature->text().toStdString(), ip[kReadoutT]);
  EXPECT_NE(ip[kReadoutT], si[kReadoutT]);
}

// Fault: a click above the saturation curve silently did nothing.
TEST_F(FirstUse, ClickAboveSaturationSaysWhyInTheStatusLine) {
  const QPoint px = d->PixelOf(5, 0.015);  // far above saturation at 5 °C (5.4 g/kg)
  d->modal.Next(test::CancelDialog);
  d->Click(px);
  QApplication::processEvents();
  EXPECT_EQ(d->modal.shown, QStringList{"(none)"});  // no dialog, no box
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(project().point_count(), 0);
  EXPECT_EQ(d->window().statusBar()->currentMessage(),
            "Above the saturation curve there is no air state - no point was created.");
}

// Fault: a quick press-move-release on a point made a new point.
TEST_F(FirstUse, QuickDragMovesThePoint) {
  TwoPoints();
  const QPoint to = d->PixelOf(26, 0.006);
  d->modal.Next(test::CancelDialog);  // would catch a wrongly opened new-point dialog
  d->Drag(d->PixelOfPoint("Pom"), to, 1);  // one move event, far beyond the hit area
  QApplication::processEvents();
  EXPECT_EQ(d->modal.shown.back(), "(none)");
  ASSERT_EQ(project().point_count(), 2);
  const chart::TX tx = d->Geometry().MapFromChart(to.x(), to.y());
  EXPECT_NEAR(project().point(1).state.t, tx.t, 1e-9);
  EXPECT_NEAR(project().point(1).state.x, tx.x, 1e-12);
  EXPECT_EQ(project().point(1).name, "Pom");
}

TEST_F(FirstUse, PressAndReleaseOnAPointWithoutMovingIsAClick) {
  TwoPoints();
  const QPoint at = d->PixelOfPoint("Pom");
  const AirState before = project().point(1).state;
  d->modal.Next(test::CancelDialog);
  d->Drag(at, at, 0);
  EXPECT_EQ(d->modal.shown.back(), "TForm27");  // the click's new-point dialog, cancelled
  EXPECT_EQ(project().point(1).state, before);
}

// Fault: an out-of-range pressure closed the settings and applied the rest.
TEST_F(FirstUse, SettingsStayOpenUntilEveryValueIsWithinItsLimits) {
  auto* settings = d->window().findChild<ChartSettingsWindow*>("TForm26");
  ASSERT_NE(settings, nullptr);
  settings->show();
  auto* pressure = settings->findChild<QLineEdit*>("Edit1");
  auto* isolines = settings->findChild<QCheckBox*>("CheckBox1");
  const bool drawn = d->window().settings().chart.relative_humidity_lines;
  isolines->setChecked(!drawn);
  pressure->setText("5000");
  settings->findChild<QPushButton*>("BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "The pressure must be between 80000 and 120000 Pa.");
  EXPECT_TRUE(settings->isVisible());
  EXPECT_EQ(pressure->text(), "5000");
  EXPECT_EQ(pressure->selectedText(), "5000");
  EXPECT_EQ(d->window().settings().chart.relative_humidity_lines, drawn);  // nothing applied

  messages.Clear();
  pressure->setText("95000");
  settings->findChild<QLineEdit*>("Edit2")->setText("500");
  settings->findChild<QPushButton*>("BitBtn1")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "The value is outside the limits 1 to 200.");
  EXPECT_TRUE(settings->isVisible());

  settings->findChild<QLineEdit*>("Edit2")->setText("12");
  settings->findChild<QPushButton*>("BitBtn1")->click();
  EXPECT_FALSE(settings->isVisible());
  EXPECT_EQ(d->window().settings().chart.pb, 95000);
  EXPECT_EQ(d->window().settings().chart.relative_humidity_lines, !drawn);
}

TEST_F(FirstUse, StartUpNewsCanBeSwitchedBackOnInTheSettings) {
  d->window().settings().chart.news_at_start = false;
  auto* settings = d->window().findChild<ChartSettingsWindow*>("TForm26");
  settings->show();
  auto* news = settings->findChild<QCheckBox*>("CheckBox16");
  ASSERT_NE(news, nullptr);
  EXPECT_TRUE(news->isVisible());  // findable: offered in the window, not only stored
  EXPECT_EQ(news->text(), "SHOW THE \"WHAT'S NEW\" WINDOW AT START");
  EXPECT_FALSE(news->isChecked());
  news->setChecked(true);
  settings->findChild<QPushButton*>("BitBtn1")->click();
  EXPECT_TRUE(d->window().settings().chart.news_at_start);
  NewsWindow window;
  EXPECT_EQ(window.windowTitle(), "WHAT'S NEW");
}

// Fault: closing, New or Open with unsaved changes offered no way back.
TEST_F(FirstUse, UnsavedChangesOfferYesNoCancel) {
  TwoPoints();
  messages.Answer(QMessageBox::Cancel);
  EXPECT_FALSE(d->window().NewProject());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(messages.shown()[0].text, "The project has unsaved changes. Save it first?");
  EXPECT_EQ(project().point_count(), 2);

  messages.Answer(QMessageBox::Cancel);
  QCloseEvent close;
  QApplication::sendEvent(&d->window(), &close);
  EXPECT_FALSE(close.isAccepted());
  EXPECT_EQ(messages.shown().back().text, Text(117));
  EXPECT_EQ(project().point_count(), 2);

  // Yes saves first, then the command goes on.
  QTemporaryDir dir;
  QString proposed, filter;
  SetFileDialogResponder([&](const FileDialogRequest& r) {
    proposed = r.proposed_name;
    filter = r.filter;
    return dir.filePath("first.ovt");
  });
  messages.Answer(QMessageBox::Yes);
  EXPECT_TRUE(d->window().NewProject());
  EXPECT_EQ(proposed, "untitled.ovt");
  EXPECT_EQ(filter, "ORVANTA files (*.ovt)");
  EXPECT_TRUE(QFile::exists(dir.filePath("first.ovt")));
  EXPECT_EQ(project().point_count(), 0);
  EXPECT_TRUE(d->window().windowTitle().endsWith(" - untitled.ovt"));
}

TEST_F(FirstUse, LinksThatNothingCouldOpenSaySo) {
  SetExternalOpener([](const QUrl&) { return false; });
  d->window().Command("Stronawwwprogramu1")->trigger();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            QString("Could not open %1: no web browser or no network connection.").arg(ProgramWebSite()));
}

TEST_F(FirstUse, LanguagesWithoutAFileAreShownDisabledWithATooltip) {
  QAction* german = d->window().Command("Jezyk3");
  ASSERT_NE(german, nullptr);
  EXPECT_FALSE(german->isEnabled());
  EXPECT_EQ(german->toolTip(), "The file of this language is not installed");
  EXPECT_TRUE(d->window().Command("Angielski1")->isEnabled());
  EXPECT_TRUE(d->window().Command("Polski1")->isEnabled());
}

TEST_F(FirstUse, ToolbarAcronymsSayWhatTheyOpen) {
  auto* button = d->Find<QWidget>("BitBtn2");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip(), QString(d->window().Command("Kalkulatorstratcinienia1")->text()).remove('&'));
  EXPECT_FALSE(button->toolTip().isEmpty());
  EXPECT_NE(button->toolTip(), "K.S.C.");
}

}  // namespace
}  // namespace orvanta
