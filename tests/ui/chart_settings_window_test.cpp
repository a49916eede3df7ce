#include "app/ui/chart_settings_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <vector>

#include "app/language_texts.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/qsettings_store.h"

namespace orvanta {
namespace {

template <typename T>
T* Child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

AppSettings FirstRunSettings() {
  MemoryStore store;
  WriteDefaultSettings(store);
  return LoadSettings(store);
}

TEST(ChartSettingsWindow, HasTheNamedControlsWithTheirLimits) {
  AppSettings s = FirstRunSettings();
  ChartSettingsWindow w(s);
  EXPECT_EQ(w.objectName(), "TForm26");
  for (int i = 1; i <= 19; ++i) {
    auto* box = w.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(i));
    ASSERT_NE(box, nullptr) << i;
    EXPECT_EQ(box->isVisibleTo(&w), i != 19) << i;  // the high-DPI switch is stored only
    EXPECT_TRUE(box->isChecked()) << i;
  }
  for (int i = 1; i <= 4; ++i) EXPECT_NE(w.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(i)), nullptr);
  for (int i = 1; i <= 6; ++i) EXPECT_NE(w.findChild<ColorBox*>(QStringLiteral("ColorBox%1").arg(i)), nullptr);
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}) Child<QLineEdit>(w, name);
  EXPECT_EQ(Child<QPushButton>(w, "Button1")->text(), "WCZYTAJ");
  EXPECT_EQ(Child<QPushButton>(w, "BitBtn2")->text(), "ANULUJ");

  auto* down = Child<QSpinBox>(w, "UpDown1");
  EXPECT_EQ(down->minimum(), -60);
  EXPECT_EQ(down->maximum(), -5);
  EXPECT_EQ(down->singleStep(), 5);
  auto* up = Child<QSpinBox>(w, "UpDown2");
  EXPECT_EQ(up->minimum(), 0);
  EXPECT_EQ(up->maximum(), 200);
  auto* x = Child<QSpinBox>(w, "UpDown3");
  EXPECT_EQ(x->minimum(), 5);
  EXPECT_EQ(x->maximum(), 200);
  EXPECT_TRUE(Child<QLineEdit>(w, "Edit3")->isReadOnly());
}

TEST(ChartSettingsWindow, ShowsTheCurrentSettingsWhenActivated) {
  AppSettings s = FirstRunSettings();
  ChartSettingsWindow w(s);
  s.chart.range = {-45, 55, 30};  // changed by the zoom commands meanwhile
  s.chart.pb = 95000;
  w.show();
  EXPECT_EQ(Child<QLineEdit>(w, "Edit1")->text(), "95000");
  EXPECT_EQ(Child<QLineEdit>(w, "Edit3")->text(), "-45");
  EXPECT_EQ(Child<QLineEdit>(w, "Edit4")->text(), "55");
  EXPECT_EQ(Child<QLineEdit>(w, "Edit5")->text(), "30");
  EXPECT_EQ(Child<QLineEdit>(w, "Edit2")->text(), "15");
  EXPECT_TRUE(Child<QRadioButton>(w, "RadioButton2")->isChecked());
  EXPECT_EQ(Child<ColorBox>(w, "ColorBox4")->Color(), colors::kNavy);
  EXPECT_EQ(Child<ColorBox>(w, "ColorBox6")->Color(), colors::kFuchsia);
}

TEST(ChartSettingsWindow, CancelRestoresTheColourAndEverythingElse) {
  AppSettings s = FirstRunSettings();
  ChartSettingsWindow w(s);
  w.show();
  auto* points = Child<ColorBox>(w, "ColorBox4");
  points->SetColor(colors::kRed);
  Child<QCheckBox>(w, "CheckBox3")->setChecked(false);
  Child<QRadioButton>(w, "RadioButton4")->setChecked(true);
  Child<QSpinBox>(w, "UpDown2")->setValue(80);
  Child<QLineEdit>(w, "Edit1")->setText("90000");
  Child<QPushButton>(w, "BitBtn2")->click();

  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(points->Color(), colors::kNavy);
  EXPECT_TRUE(Child<QCheckBox>(w, "CheckBox3")->isChecked());
  EXPECT_TRUE(Child<QRadioButton>(w, "RadioButton2")->isChecked());
  EXPECT_EQ(Child<QSpinBox>(w, "UpDown2")->value(), 40);
  EXPECT_EQ(Child<QLineEdit>(w, "Edit1")->text(), "101300");
  EXPECT_EQ(s.chart.point_color, colors::kNavy);
  EXPECT_EQ(s.chart.range.torg_up, 40);
}

TEST(ChartSettingsWindow, OkTakesTheValuesAndAValidPressure) {
  RecordingResponder messages;
  AppSettings s = FirstRunSettings();
  ChartSettingsWindow w(s);
  std::vector<double> accepted;
  QObject::connect(&w, &ChartSettingsWindow::settingsAccepted, [&](double pb) { accepted.push_back(pb); });
  w.show();
  Child<QLineEdit>(w, "Edit1")->setText("95000");
  Child<QSpinBox>(w, "UpDown1")->setValue(-20);
  Child<QCheckBox>(w, "CheckBox17")->setChecked(false);
  Child<ColorBox>(w, "ColorBox5")->SetColor(Rgb{1, 2, 3});
  Child<QLineEdit>(w, "Edit2")->setText("20");
  Child<QRadioButton>(w, "RadioButton3")->setChecked(true);
  Child<QPushButton>(w, "BitBtn1")->click();

  EXPECT_TRUE(messages.shown().empty());
  ASSERT_EQ(accepted.size(), 1u);
  EXPECT_EQ(accepted[0], 95000);
  EXPECT_EQ(s.chart.pb, 95000);
  EXPECT_EQ(s.chart.range.torg_down, -20);
  EXPECT_FALSE(s.chart.ShowProcessTable());
  EXPECT_EQ(s.chart.process_color, (Rgb{1, 2, 3}));
  EXPECT_EQ(s.chart.label_font_height, 20);
  EXPECT_EQ(s.chart.default_label, LabelPosition::Top);
  EXPECT_FALSE(w.isVisible());
}

// The window stays open with the refused value selected; nothing is applied.
TEST(ChartSettingsWindow, OkRefusesAPressureOutOfRangeAndKeepsTheWindowOpen) {
  RecordingResponder messages;
  ActiveLanguageTexts().Set(945, "PRESSURE OUT OF RANGE");
  AppSettings s = FirstRunSettings();
  ChartSettingsWindow w(s);
  int accepted = 0, redraw = 0;
  QObject::connect(&w, &ChartSettingsWindow::settingsAccepted, [&](double) { ++accepted; });
  QObject::connect(&w, &ChartSettingsWindow::redrawRequested, [&] { ++redraw; });
  const bool isolines = s.chart.relative_humidity_lines;
  for (const char* bad : {"130000", "79999", "abc", ""}) {
    messages.Clear();
    w.show();
    Child<QCheckBox>(w, "CheckBox1")->setChecked(!isolines);
    Child<QLineEdit>(w, "Edit1")->setText(bad);
    Child<QPushButton>(w, "BitBtn1")->click();
    ASSERT_EQ(messages.shown().size(), 1u) << bad;
    EXPECT_EQ(messages.shown()[0].caption, "ORVANTA");
    EXPECT_EQ(messages.shown()[0].text, "PRESSURE OUT OF RANGE") << bad;
    EXPECT_EQ(Child<QLineEdit>(w, "Edit1")->text(), bad);
    EXPECT_EQ(s.chart.pb, 101300);
    EXPECT_EQ(s.chart.relative_humidity_lines, isolines);
    EXPECT_TRUE(w.isVisible());
    Child<QPushButton>(w, "BitBtn2")->click();  // ANULUJ
    EXPECT_FALSE(w.isVisible());
  }
  EXPECT_EQ(accepted, 0);
  EXPECT_EQ(redraw, 0);

  // The limits themselves are accepted.
  for (const char* good : {"80000", "120000"}) {
    w.show();
    Child<QLineEdit>(w, "Edit1")->setText(good);
    Child<QPushButton>(w, "BitBtn1")->click();
  }
  EXPECT_EQ(accepted, 2);
  EXPECT_EQ(s.chart.pb, 120000);
}

TEST(ChartSettingsWindow, RadioButtonsMoveThePreviewLabel) {
  AppSettings s = FirstRunSettings();
  ChartSettingsWindow w(s);
  w.show();
  const QPoint o = Child<QLabel>(w, "LabelMarker")->pos();
  auto* p1 = Child<QLabel>(w, "LabelPreview");
  EXPECT_EQ(p1->text(), "P1");
  EXPECT_EQ(p1->pos(), o + QPoint(16, 3));  // "PRAWA" at first run
  Child<QRadioButton>(w, "RadioButton1")->setChecked(true);
  EXPECT_EQ(p1->pos(), o + QPoint(0, 22));
  Child<QRadioButton>(w, "RadioButton3")->setChecked(true);
  EXPECT_EQ(p1->pos(), o + QPoint(0, -13));
  Child<QRadioButton>(w, "RadioButton4")->setChecked(true);
  EXPECT_EQ(p1->pos(), o + QPoint(-18, 3));
}

TEST(ChartSettingsWindow, LoadButtonHandsTheChosenPictureOn) {
  AppSettings s = FirstRunSettings();
  ChartSettingsWindow w(s);
  QStringList chosen;
  QObject::connect(&w, &ChartSettingsWindow::logoChosen, [&](const QString& path) { chosen << path; });
  QString answer = "/tmp/logo.jpg";
  w.SetLogoChooser([&] { return answer; });
  Child<QPushButton>(w, "Button1")->click();
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0], "/tmp/logo.jpg");
  answer.clear();  // dialog cancelled
  Child<QPushButton>(w, "Button1")->click();
  EXPECT_EQ(chosen.size(), 1);
}

TEST(SettingsPersistence, ValuesSurviveARestartInTheSettingsFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
  {
    // First run of the program: defaults, then the user changes settings.
    QSettingsStore store;
    EXPECT_FALSE(store.Exists());
    WriteDefaultSettings(store);
    AppSettings s = LoadSettings(store);
    ChartSettingsWindow w(s);
    w.show();
    Child<QLineEdit>(w, "Edit1")->setText("101325");
    Child<QSpinBox>(w, "UpDown3")->setValue(35);
    Child<ColorBox>(w, "ColorBox4")->SetColor(colors::kRed);
    Child<QCheckBox>(w, "CheckBox5")->setChecked(false);
    Child<QPushButton>(w, "BitBtn1")->click();
    s.chart.layout = ChartLayout::Carrier;
    s.language = 1;
    SaveSettings(store, s);  // at close
    EXPECT_TRUE(store.Ok());
  }
  // The values are in the file on disk.
  const QString file = QDir(dir.path()).filePath("ORVANTA/SETTINGS.conf");
  ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
  QSettings on_disk(file, QSettings::IniFormat);
  EXPECT_EQ(on_disk.value("pb").toString(), "101300");
  EXPECT_EQ(on_disk.value("CBOX4").toString(), "clRed");
  EXPECT_EQ(on_disk.value("POLE KOMFORTU").toString(), "5");

  // Next run.
  QSettingsStore again;
  ASSERT_TRUE(again.Exists());
  WriteDefaultSettings(again);  // leaves the stored values alone
  const AppSettings back = LoadSettings(again);
  EXPECT_EQ(back.chart.pb, 101300);
  EXPECT_EQ(back.chart.range.xorg, 35);
  EXPECT_EQ(back.chart.point_color, colors::kRed);
  EXPECT_FALSE(back.chart.show_legend);
  EXPECT_EQ(back.chart.layout, ChartLayout::Carrier);
  EXPECT_EQ(back.chart.comfort_zone, 5);
  EXPECT_EQ(back.language, 1);
}

}  // namespace
}  // namespace orvanta
