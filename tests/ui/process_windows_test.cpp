// The process dialog (TForm30), the process list (TForm32) and the
// direction-coefficient dialog and list (TForm3, TForm2), opened from the
// real main window's commands and driven through their objectNames.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "app/settings_store.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/main_window.h"
#include "chart/geometry.h"
#include "project/process_list.h"
#include "project/direction_coefficient.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101300;

// A point of density exactly 1.2 kg/m3, as in the worked examples of the loads.
ChartPoint PointWithRho(const char* name, double t, double x) {
  ChartPoint p;
  p.name = name;
  p.state = StateFromTX(kPb, t, x);
  p.state.rho = 1.2;
  return p;
}

class ProcessWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
    window_->resize(1400, 900);
    window_->show();
    for (int k = 0; k < 3; ++k) QApplication::processEvents();
    SetExternalOpener([this](const QUrl& url) {
      opened_.push_back(url);
      return true;
    });
    messages_.Clear();
  }
  void TearDown() override {
    SetFileDialogResponder(nullptr);
    SetExternalOpener(nullptr);
    window_->project().set_modified(false);
    window_->close();
  }

  template <typename T>
  T* Find(QWidget* in, const char* name) {
    T* found = in->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QWidget* Form(const char* name) { return Find<QWidget>(window_.get(), name); }
  void Type(QWidget* in, const char* name, const QString& text) {
    QLineEdit* e = Find<QLineEdit>(in, name);
    e->setText(text);
    emit e->textEdited(text);
  }
  QString Shown(QWidget* in, const char* name) { return Find<QLineEdit>(in, name)->text(); }
  void Click(QWidget* in, const char* name) { Find<QAbstractButton>(in, name)->click(); }

  // Runs `drive` once the modal window that `open` shows is up. `drive`
  // must close it; should it not, the window is closed here.
  void WhileOpen(const char* form, const std::function<void()>& open, const std::function<void(QWidget*)>& drive) {
    QWidget* w = Form(form);
    QTimer::singleShot(0, [w, drive] {
      drive(w);
      if (w->isVisible()) static_cast<QDialog*>(w)->reject();
    });
    open();
  }
  void Trigger(const char* command) {
    QAction* a = window_->Command(command);
    ASSERT_NE(a, nullptr) << command;
    EXPECT_TRUE(a->isEnabled()) << command;
    a->trigger();
  }
  // Chooses `point` in the points list that `button` of `dialog` opens.
  void ChoosePoint(QWidget* dialog, const char* button, const char* point) {
    QWidget* list = Form("TForm31");
    QTimer::singleShot(0, [this, list, point] {
      auto* names = Find<QListWidget>(list, "ListBox1");
      const auto found = names->findItems(point, Qt::MatchExactly);
      EXPECT_EQ(found.size(), 1) << point;
      if (!found.isEmpty()) names->setCurrentItem(found[0]);
      Click(list, "BitBtn1");
    });
    Click(dialog, button);
  }
  // The rows of a list window, each cell's text, and "[x]" or "[ ]" before
  // the text of a checkable cell.
  static std::vector<QStringList> Rows(QWidget* list) {
    auto* table = list->findChild<QTableWidget*>("StringGrid1");
    std::vector<QStringList> rows;
    for (int r = 0; table && r < table->rowCount(); ++r) {
      QStringList row;
      for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* item = table->item(r, c);
        QString text = item ? item->text() : QString();
        if (item && item->data(Qt::CheckStateRole).isValid())
          text = (item->checkState() == Qt::Checked ? "[x] " : "[ ] ") + text;
        row << text;
      }
      rows.push_back(row);
    }
    return rows;
  }
  void AddPoints() {
    ChartProject& project = window_->project();
    ASSERT_TRUE(project.AddPoint(PointWithRho("A", 20, 0.007)));
    ASSERT_TRUE(project.AddPoint(PointWithRho("B", 30, 0.007)));
    ASSERT_TRUE(project.AddPoint(PointWithRho("C", 20, 0.009)));
    window_->FullRedraw();
  }
  // The colour of the chart where the line of process k has its middle.
  QColor MiddleOfProcess(int k) {
    const ChartProject& project = window_->project();
    const ChartPoint& a = project.point(project.FindPoint(project.process(k).start_point));
    const ChartPoint& b = project.point(project.FindPoint(project.process(k).end_point));
    const QImage& image = window_->chart_image();
    const chart::ChartGeometry g(window_->settings().chart, image.width(), image.height());
    const chart::PixelPoint pa = g.MapToChart(a.state.t, a.state.x), pb = g.MapToChart(b.state.t, b.state.x);
    return image.pixelColor((pa.x + pb.x) / 2, (pa.y + pb.y) / 2);
  }

  RecordingResponder messages_;
  QTemporaryDir dir_;
  std::vector<QUrl> opened_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(ProcessWindowsTest, EveryProcessAndCoefficientCommandIsConnected) {
  for (const char* name : {"Definiujprzemian1", "DodajPrzemian1", "Listaprzemian1", "Lis1", "Wspkierunkowyprzemiany1",
                           "Dodajwspczynnikkierunkowy1"}) {
    EXPECT_TRUE(window_->CommandConnected(name)) << name;
  }
  // "Definiuj współczynnik" waits for a point; the list buttons follow their menu items.
  EXPECT_FALSE(window_->Command("Wspkierunkowyprzemiany1")->isEnabled());
  AddPoints();
  EXPECT_TRUE(window_->Command("Wspkierunkowyprzemiany1")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(window_.get(), "Button1")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(window_.get(), "Button2")->isEnabled());
}

TEST_F(ProcessWindowsTest, DefineProcessesSeeTheirLoadsSelectThemAndExport) {
  AddPoints();
  // Heating A -> B typed as a volume flow; the other flow views follow.
  WhileOpen("TForm30", [&] { Trigger("Definiujprzemian1"); }, [&](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), Text(1003));
    EXPECT_TRUE(Find<QCheckBox>(d, "CheckBox1")->isChecked());
    Type(d, "Edit1", "HEAT");
    ChoosePoint(d, "Button2", "A");
    ChoosePoint(d, "Button3", "B");
    EXPECT_EQ(Shown(d, "Edit2"), "A");
    EXPECT_EQ(Shown(d, "Edit3"), "B");
    Type(d, "Edit4", "1000");
    EXPECT_EQ(Shown(d, "Edit5"), "1200");
    EXPECT_EQ(Shown(d, "Edit6"), "588.6");
    EXPECT_EQ(Shown(d, "Edit7"), "2645.5");
    // A non-number changes nothing of the derived fields.
    Type(d, "Edit4", "1000x");
    EXPECT_EQ(Shown(d, "Edit5"), "1200");
    Type(d, "Edit4", "1000");
    Click(d, "Button1");
    EXPECT_FALSE(d->isVisible());
  });
  ASSERT_EQ(window_->project().process_count(), 1);
  EXPECT_DOUBLE_EQ(window_->project().process(0).air_flow, 1000);
  EXPECT_TRUE(window_->project().modified());

  // Humidification A -> C from the chart's pop-up, typed as a mass flow.
  WhileOpen("TForm30", [&] { Trigger("DodajPrzemian1"); }, [&](QWidget* d) {
    Type(d, "Edit1", "HUM");
    ChoosePoint(d, "Button2", "A");
    ChoosePoint(d, "Button3", "C");
    EXPECT_FALSE(Find<QLineEdit>(d, "Edit5")->isEnabled());
    Click(d, "RadioButton2");
    EXPECT_TRUE(Find<QLineEdit>(d, "Edit5")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(d, "Edit4")->isEnabled());
    Type(d, "Edit5", "1200");
    EXPECT_EQ(Shown(d, "Edit4"), "1000");
    Click(d, "RadioButton1");
    Click(d, "Button1");
  });
  ASSERT_EQ(window_->project().process_count(), 2);

  const QString path = dir_.filePath("processes.txt");
  WhileOpen("TForm32", [&] { Trigger("Listaprzemian1"); }, [&](QWidget* list) {
    EXPECT_EQ(Find<QLabel>(list, "Label4")->text(), "TOT. HEAT");
    EXPECT_EQ(Find<QLabel>(list, "Label7")->text(), " SEN. HEAT");
    EXPECT_EQ(Find<QLabel>(list, "Label12")->text(), "[kW]");
    EXPECT_EQ(Find<QLabel>(list, "Label14")->text(), "[kg/h]");
    EXPECT_EQ(Find<QLabel>(list, "Label15")->text(), "V [m3/h]");
    const auto rows = Rows(list);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QStringList{"HEAT", "A", "B", "3.33", "3.33", "0", "1000", "[x] line"}));
    EXPECT_EQ(rows[1][0], "HUM");
    EXPECT_EQ(rows[1][5], "2.4");
    EXPECT_EQ(rows[1][4], "0");  // same temperature: no sensible heat

    // Selection: yellow on the chart, the one chosen before navy.
    auto* table = Find<QTableWidget>(list, "StringGrid1");
    table->setCurrentCell(0, 0);
    EXPECT_EQ(MiddleOfProcess(0), QColor(255, 255, 0));
    table->setCurrentCell(1, 0);
    EXPECT_EQ(MiddleOfProcess(1), QColor(255, 255, 0));
    EXPECT_EQ(MiddleOfProcess(0), QColor(0, 0, 128));

    // The line switch of a row hides the process line.
    table->item(0, 7)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(window_->project().process(0).draw_line);
    EXPECT_NE(MiddleOfProcess(0), QColor(255, 255, 0));
    EXPECT_NE(MiddleOfProcess(0), QColor(0, 0, 128));
    table->item(0, 7)->setCheckState(Qt::Checked);
    EXPECT_TRUE(window_->project().process(0).draw_line);

    SetFileDialogResponder([&](const FileDialogRequest& r) {
      EXPECT_EQ(r.kind, FileDialogKind::Save);
      EXPECT_EQ(r.default_suffix, "txt");
      return path;
    });
    Click(list, "Button2");
    Click(list, "BitBtn1");
  });
  // Closing the list gives the chart its own colours back.
  EXPECT_NE(MiddleOfProcess(1), QColor(255, 255, 0));

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  ASSERT_GT(lines.size(), 12);
  EXPECT_EQ(lines[2], "   " + window_->windowTitle());
  EXPECT_EQ(lines[4], "   Pb= 1013hPa");
  EXPECT_EQ(lines[6], "   LISTA PRZEMIAN");
  auto col = [](const QString& s, int w) { return s.size() < w ? s.leftJustified(w + 1) : s; };
  EXPECT_EQ(lines[10], "     " + col("HEAT", 24) + col("A", 7) + col("B", 8) + col("1000", 9) + col("3.33", 21) +
                           col("3.33", 20) + col("0", 10));
  EXPECT_TRUE(lines.contains("   ZDEFINIOWANE PUNKTY"));
  EXPECT_TRUE(lines.contains("     A"));
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], QUrl::fromLocalFile(path));
}

TEST_F(ProcessWindowsTest, ProcessDialogRefusalsAndTheFlowFromACoefficient) {
  AddPoints();
  WhileOpen("TForm30", [&] { Trigger("Definiujprzemian1"); }, [&](QWidget* d) {
    Click(d, "Button1");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA INFO");
    EXPECT_EQ(messages_.shown()[0].text, Text(kTextProcessNameEmpty));
    Type(d, "Edit1", "P");
    Click(d, "Button1");
    EXPECT_EQ(messages_.shown().back().text, Text(kTextProcessStartEmpty));
    ChoosePoint(d, "Button2", "A");
    Click(d, "Button1");
    EXPECT_EQ(messages_.shown().back().text, Text(kTextProcessEndEmpty));
    ChoosePoint(d, "Button3", "B");
    Click(d, "Button1");
    EXPECT_EQ(messages_.shown().back().text, Text(kTextProcessFlowEmpty));
    Type(d, "Edit4", "-5");
    Click(d, "Button1");
    EXPECT_EQ(messages_.shown().size(), 5u);  // a negative flow is refused too
    EXPECT_TRUE(d->isVisible());
    // No coefficient yet: the link is refused and unticked.
    Click(d, "CheckBox2");
    EXPECT_EQ(messages_.shown().back().text, Text(kTextNoCoefficients));
    EXPECT_FALSE(Find<QCheckBox>(d, "CheckBox2")->isChecked());
  });
  EXPECT_EQ(window_->project().process_count(), 0);

  ChartProject& project = window_->project();
  DirectionCoefficient typed;  // a value without gains
  typed.name = "TYPED";
  typed.epsilon = 3000;
  typed.point_name = "A";
  ASSERT_TRUE(project.AddCoefficient(typed));
  DirectionCoefficient room;
  room.name = "ROOM";
  room.epsilon = 5000;
  room.point_name = "A";
  room.heat_gain = "10";
  room.moisture_gain = "0.002";
  ASSERT_TRUE(project.AddCoefficient(room));
  ASSERT_TRUE(project.AddProcess({"OTHER", "A", "C", true, 300}));

  messages_.Clear();
  WhileOpen("TForm30", [&] { Trigger("Definiujprzemian1"); }, [&](QWidget* d) {
    Type(d, "Edit1", "SUPPLY");
    Click(d, "CheckBox2");  // without both points
    EXPECT_EQ(messages_.shown().back().text, Text(kTextLinkNeedsPoints));
    ChoosePoint(d, "Button2", "A");
    ChoosePoint(d, "Button3", "B");
    Click(d, "CheckBox2");
    EXPECT_TRUE(Find<QCheckBox>(d, "CheckBox2")->isChecked());
    auto* combo = Find<QComboBox>(d, "ComboBox1");
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    EXPECT_EQ(messages_.shown().back().text, Text(kTextCoefficientWithoutGain));
    EXPECT_FALSE(Find<QCheckBox>(d, "CheckBox2")->isChecked());
    Click(d, "CheckBox2");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    const AirState& a = project.point(0).state;
    const AirState& b = project.point(1).state;
    const double expected = *AirFlowFromHeatGain(10, a, b, false);
    EXPECT_EQ(Shown(d, "Edit4"), QString::number(expected));
    Click(d, "Button1");
    EXPECT_FALSE(d->isVisible());
  });
  ASSERT_EQ(project.process_count(), 2);
  const AirFlowLink& link = project.air_flow_link();
  EXPECT_TRUE(link.enabled);
  EXPECT_EQ(link.process_name, "SUPPLY");
  EXPECT_EQ(link.coefficient_name, "ROOM");
  // The flow goes to every process.
  EXPECT_DOUBLE_EQ(project.process(0).air_flow, project.process(1).air_flow);

  // Editing the linked process shows its link; unticking it frees the link.
  WhileOpen("TForm32", [&] { Trigger("Listaprzemian1"); }, [&](QWidget* list) {
    auto* table = Find<QTableWidget>(list, "StringGrid1");
    WhileOpen("TForm30", [&] { emit table->cellDoubleClicked(1, 0); }, [&](QWidget* d) {
      EXPECT_EQ(Shown(d, "Edit1"), "SUPPLY");
      EXPECT_EQ(Shown(d, "Edit4"), QString::number(project.process(1).air_flow));
      EXPECT_FALSE(Shown(d, "Edit5").isEmpty());
      EXPECT_TRUE(Find<QCheckBox>(d, "CheckBox2")->isChecked());
      EXPECT_EQ(Find<QComboBox>(d, "ComboBox1")->currentText(), "ROOM");
      Click(d, "CheckBox2");
      Click(d, "Button1");
    });
    Click(list, "BitBtn1");
  });
  EXPECT_FALSE(project.air_flow_link().enabled);
  EXPECT_EQ(project.process(1).name, "SUPPLY");
}

TEST_F(ProcessWindowsTest, CoefficientFromTheGainsAndItsList) {
  AddPoints();
  WhileOpen("TForm3", [&] { Trigger("Wspkierunkowyprzemiany1"); }, [&](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), Text(261));
    Type(d, "Edit1", "ROOM");
    Type(d, "Edit4", "10");
    Type(d, "Edit6", "7.2");
    EXPECT_EQ(Shown(d, "Edit5"), "0.002");
    EXPECT_EQ(Shown(d, "Edit2"), "5000");
    // No moisture gain: the value stays; a non-number changes nothing.
    Type(d, "Edit6", "0");
    EXPECT_EQ(Shown(d, "Edit5"), "0");
    EXPECT_EQ(Shown(d, "Edit2"), "5000");
    Type(d, "Edit6", "abc");
    EXPECT_EQ(Shown(d, "Edit5"), "0");
    Type(d, "Edit6", "7.2");
    EXPECT_EQ(Shown(d, "Edit2"), "5000");
    Click(d, "Button1");
    EXPECT_EQ(messages_.shown().back().text, Text(kTextCoefficientPointEmpty));
    ChoosePoint(d, "Button2", "A");
    Click(d, "Button1");
    EXPECT_FALSE(d->isVisible());
  });
  ChartProject& project = window_->project();
  ASSERT_EQ(project.coefficient_count(), 1);
  EXPECT_DOUBLE_EQ(project.coefficient(0).epsilon, 5000);
  EXPECT_EQ(project.coefficient(0).heat_gain, "10");
  EXPECT_EQ(project.coefficient(0).moisture_gain, "0.002");
  EXPECT_EQ(project.coefficient(0).point_name, "A");

  WhileOpen("TForm2", [&] { Trigger("Lis1"); }, [&](QWidget* list) {
    auto rows = Rows(list);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (QStringList{"ROOM", "5000", "A", "[x] line"}));
    // Edit: typing a value drops the gains.
    auto* table = Find<QTableWidget>(list, "StringGrid1");
    WhileOpen("TForm3", [&] { emit table->cellDoubleClicked(0, 0); }, [&](QWidget* d) {
      EXPECT_EQ(Shown(d, "Edit6"), "7.2");
      EXPECT_EQ(Shown(d, "Edit2"), "5000");
      Type(d, "Edit2", "4200.5");
      EXPECT_EQ(Shown(d, "Edit4"), "");
      EXPECT_EQ(Shown(d, "Edit5"), "");
      Click(d, "Button1");
    });
    rows = Rows(list);
    EXPECT_EQ(rows[0], (QStringList{"ROOM", "4200.5", "A", "[x] line"}));
    table->item(0, 3)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(project.coefficient(0).draw_line);
    Click(list, "BitBtn1");
  });
  EXPECT_TRUE(project.coefficient(0).heat_gain.empty());
  EXPECT_TRUE(project.coefficient(0).moisture_gain.empty());
}

TEST_F(ProcessWindowsTest, InchPoundCoefficientIsStoredInSi) {
  AddPoints();
  window_->settings().chart.units = UnitSystem::IP;
  WhileOpen("TForm3", [&] { Trigger("Wspkierunkowyprzemiany1"); }, [&](QWidget* d) {
    EXPECT_EQ(Find<QLabel>(d, "Label5")->text(), "Btu/h");
    EXPECT_EQ(Find<QLabel>(d, "Label7")->text(), "lb/s");
    EXPECT_EQ(Find<QLabel>(d, "Label4")->text(), "Btu/lb");
    Type(d, "Edit1", "IP");
    Type(d, "Edit4", "34120");      // 10 kW
    Type(d, "Edit6", "15.873286");  // 7.2 kg/h
    ChoosePoint(d, "Button2", "A");
    Click(d, "Button1");
  });
  ChartProject& project = window_->project();
  ASSERT_EQ(project.coefficient_count(), 1);
  EXPECT_NEAR(project.coefficient(0).epsilon, 5000, 1);
  EXPECT_EQ(project.coefficient(0).heat_gain, "10");
}

TEST_F(ProcessWindowsTest, ChainOfEveryKindKeepsItsListTextThroughSaveAndOpen) {
  const QString chain = QString::fromLocal8Bit(qgetenv("ORVANTA_DATA_DIR")) + "/examples/chain.ovt";
  ASSERT_TRUE(QFile::exists(chain)) << chain.toStdString();
  ASSERT_TRUE(window_->OpenProjectFile(chain));
  std::vector<QStringList> before;
  WhileOpen("TForm32", [&] { Trigger("Listaprzemian1"); }, [&](QWidget* list) {
    before = Rows(list);
    Click(list, "BitBtn1");
  });
  ASSERT_GE(before.size(), 8u);
  for (const QStringList& row : before) EXPECT_FALSE(row[3].isEmpty()) << row.join('|').toStdString();

  const QString copy = dir_.filePath("chain-copy.ovt");
  SetFileDialogResponder([&](const FileDialogRequest&) { return copy; });
  ASSERT_TRUE(window_->SaveProjectAs());
  window_->project().set_modified(false);
  ASSERT_TRUE(window_->NewProject());
  EXPECT_EQ(window_->project().process_count(), 0);
  ASSERT_TRUE(window_->OpenProjectFile(copy));
  WhileOpen("TForm32", [&] { Trigger("Listaprzemian1"); }, [&](QWidget* list) {
    EXPECT_EQ(Rows(list), before);
    Click(list, "BitBtn1");
  });
}

}  // namespace
}  // namespace orvanta
