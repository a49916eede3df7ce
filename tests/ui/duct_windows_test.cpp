// The duct calculator's windows in the real main window: the sheet opened
// from its menu item, fittings added through the palette and the fitting
// window, the result columns and totals, files saved, reopened, refused.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/settings_store.h"
#include "app/ui/kit/ui_texts.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/main_window.h"
#include "ductcalc/moh_file.h"
#include "ductcalc/ui/duct_run.h"
#include "ductcalc/ui/duct_sheet_window.h"
#include "english_texts.h"

namespace orvanta {
namespace {

// Runs `fn` on the modal window `name` as soon as it is shown.
void WhenShown(const QString& name, std::function<void(QWidget*)> fn) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, name, fn] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || w->objectName() != name) return;
    timer->stop();
    timer->deleteLater();
    fn(w);
  });
  timer->start();
}

template <typename T>
T* Child(QWidget* w, const char* name) {
  T* c = w->findChild<T*>(name, Qt::FindDirectChildrenOnly);
  if (!c) c = w->findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

void SetCombo(QWidget* w, const char* name, const QString& text) { Child<QComboBox>(w, name)->setEditText(text); }
void SetEdit(QWidget* w, const char* name, const QString& text) { Child<QLineEdit>(w, name)->setText(text); }

class DuctWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    window_ = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
    sheet_ = window_->findChild<DuctSheetWindow*>("TForm15");
    ASSERT_NE(sheet_, nullptr);
    SetFileDialogResponder([this](const FileDialogRequest&) { return next_file_; });
  }
  void TearDown() override { SetFileDialogResponder(nullptr); }

  // Adds a fitting through the palette button and the fitting window.
  void Add(const char* palette_button, std::function<void(QWidget*)> fill, bool expect_stored = true) {
    bool stored = false;
    WhenShown("TForm16", [&](QWidget* palette) {
      WhenShown("TForm17", [&](QWidget* f) {
        fill(f);
        Child<QPushButton>(f, "BitBtn1")->click();
        stored = !f->isVisible();
        if (f->isVisible()) Child<QPushButton>(f, "BitBtn2")->click();
      });
      Child<QToolButton>(palette, palette_button)->click();
    });
    sheet_->AddFitting();
    EXPECT_EQ(stored, expect_stored) << palette_button;
  }
  QString Cell(int row, int column) const {
    auto* t = sheet_->findChild<QTableWidget*>("SheetTable");
    return t->item(row, column) ? t->item(row, column)->text() : QString();
  }
  QString Total(int n) const {
    return sheet_->findChild<QLineEdit*>(QString("Edit%1").arg(n), Qt::FindDirectChildrenOnly)->text();
  }
  void SelectRow(int row) { sheet_->findChild<QTableWidget*>("SheetTable")->selectRow(row); }

  static void StraightDuct(QWidget* f) {
    SetCombo(f, "ComboBox1", "100");
    SetEdit(f, "Edit2", "100");
  }

  RecordingResponder messages_{QMessageBox::No};
  QTemporaryDir dir_;
  QString next_file_;
  std::unique_ptr<MainWindow> window_;
  DuctSheetWindow* sheet_ = nullptr;
};

// Columns: 0 Lp, 1 name, 2 Vc, 3 wc, 4 L, 5 φ1, 12 ζ, 13 dpl, 14 dpm, 15 dpp, 16 dpc, 17 m.
TEST_F(DuctWindowsTest, MenuOpensTheSheetAndAStraightDuctGivesTheWorkedValues) {
  QAction* menu = window_->findChild<QAction*>("Kalkulatorstratcinienia1");
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(menu->isEnabled());
  WhenShown("TForm15", [&](QWidget* sheet) {
    EXPECT_EQ(sheet, sheet_);
    EXPECT_EQ(sheet->windowTitle(), Text(545) + " - " + UiText(UiTextId::UntitledDuctFile));  // "untitled.moh" in English
    Add("SpeedButton1", StraightDuct);
    Child<QPushButton>(sheet, "BitBtn2")->click();
  });
  menu->trigger();
  // φ100, 100 m³/h, L 2000 (the default length), k 0.15, ρ 1.197, ν 1.5e-5:
  // w1 = 100·4/(3.1415·0.01·3600) = 3.537 m/s, λ = 0.0281, dpl = 4.21 Pa.
  EXPECT_EQ(Cell(0, 0), "0");
  EXPECT_EQ(Cell(0, 1), Text(601));
  EXPECT_EQ(Cell(0, 2), "100");
  EXPECT_EQ(Cell(0, 3), "3.537");
  EXPECT_EQ(Cell(0, 4), "2000");
  EXPECT_EQ(Cell(0, 13), "4.21");
  EXPECT_EQ(Cell(0, 14), "0");
  EXPECT_EQ(Cell(0, 16), "4.21");
  EXPECT_EQ(Total(1), "4.21");
  EXPECT_EQ(Cell(1, 0), "");
  // The sheet keeps its run after closing.
  EXPECT_EQ(sheet_->run().document.Count(), 1);
}

// A grille opens with its additional ζ chosen: one of the two "additional"
// choices at a time, and the typed one enabled; the other radio buttons of
// the window keep their own choice.
TEST_F(DuctWindowsTest, AdditionalResistanceOrZetaIsOneChoice) {
  Add("SpeedButton17", [](QWidget* f) {
    auto* pressure = Child<QRadioButton>(f, "RadioButton1");
    auto* zeta = Child<QRadioButton>(f, "RadioButton2");
    EXPECT_TRUE(zeta->isChecked());
    EXPECT_FALSE(pressure->isChecked());
    EXPECT_TRUE(Child<QLineEdit>(f, "Edit10")->isEnabled());
    EXPECT_FALSE(Child<QLineEdit>(f, "Edit7")->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>(f, "RadioButton3")->isChecked() ||
                Child<QRadioButton>(f, "RadioButton4")->isChecked());
    pressure->click();
    EXPECT_FALSE(zeta->isChecked());
    EXPECT_TRUE(Child<QLineEdit>(f, "Edit7")->isEnabled());
    StraightDuct(f);
  });
}

TEST_F(DuctWindowsTest, KindsSavedRenewedReopenedEditedAndDeleted) {
  Add("SpeedButton1", StraightDuct);
  Add("SpeedButton3", [](QWidget* f) {  // round bend 90°, R/D 1
    SetCombo(f, "ComboBox1", "100");
    SetEdit(f, "Edit2", "100");
  });
  Add("SpeedButton9", [](QWidget* f) {  // rectangular duct 100 × 100, L 1500
    SetCombo(f, "ComboBox8", "100");
    SetCombo(f, "ComboBox9", "100");
    SetEdit(f, "Edit2", "360");
  });
  ASSERT_EQ(sheet_->run().document.Count(), 3);
  EXPECT_EQ(Cell(2, 3), "10");  // 360 / (0.1·0.1·3600)
  EXPECT_EQ(Cell(2, 4), "1500");
  const double sum = Cell(0, 16).toDouble() + Cell(1, 16).toDouble() + Cell(2, 16).toDouble();
  EXPECT_NEAR(Total(1).toDouble(), sum, 0.011);
  EXPECT_GT(Cell(1, 12).toDouble(), 0);  // the bend has a local loss

  next_file_ = dir_.filePath("run.moh");
  ASSERT_TRUE(sheet_->Save());
  EXPECT_EQ(QFileInfo(next_file_).size(), 3 * 844);
  EXPECT_EQ(sheet_->windowTitle(), Text(545) + " - " + next_file_);
  const int questions = static_cast<int>(messages_.shown().size());
  sheet_->New();
  EXPECT_EQ(sheet_->run().document.Count(), 0);
  EXPECT_EQ(Total(1), "0");
  EXPECT_EQ(Cell(0, 0), "");
  ASSERT_TRUE(sheet_->Open());
  EXPECT_EQ(static_cast<int>(messages_.shown().size()), questions);  // saved: nothing to ask
  ASSERT_EQ(sheet_->run().document.Count(), 3);
  EXPECT_EQ(Cell(0, 3), "3.537");
  EXPECT_NEAR(Total(1).toDouble(), sum, 0.011);

  // Edit the first: 200 m³/h doubles the velocity; the total replaces its dpc.
  const double old_dpc = Cell(0, 16).toDouble();
  SelectRow(0);
  WhenShown("TForm17", [](QWidget* f) {
    EXPECT_EQ(Child<QComboBox>(f, "ComboBox1")->currentText(), "100");
    EXPECT_EQ(Child<QLineEdit>(f, "Edit2")->text(), "100");
    EXPECT_EQ(Child<QPushButton>(f, "BitBtn1")->text(), Text(669));
    SetEdit(f, "Edit2", "200");
    Child<QPushButton>(f, "BitBtn1")->click();
  });
  sheet_->EditFitting();
  EXPECT_EQ(sheet_->run().document.Count(), 3);
  EXPECT_EQ(Cell(0, 3), "7.074");
  EXPECT_EQ(Cell(0, 0), "0");
  EXPECT_NEAR(Total(1).toDouble(), sum - old_dpc + Cell(0, 16).toDouble(), 0.011);

  // Delete the first: the others move up, renumbered.
  const QString second_name = Cell(1, 1);
  SelectRow(0);
  sheet_->DeleteFitting();
  EXPECT_EQ(sheet_->run().document.Count(), 2);
  EXPECT_EQ(Cell(0, 0), "0");
  EXPECT_EQ(Cell(1, 0), "1");
  EXPECT_EQ(Cell(0, 1), second_name);
  EXPECT_NEAR(Total(1).toDouble(), Cell(0, 16).toDouble() + Cell(1, 16).toDouble(), 0.011);

  // Unsaved now: New asks, Cancel keeps the run.
  messages_.Answer(QMessageBox::Cancel);
  WhenShown("TForm15", [](QWidget* s) {
    s->findChild<QAction*>("Noweobliczenia1")->trigger();
    s->findChild<QAction*>("Zamknij1")->trigger();  // Ctrl+X closes like BitBtn2
  });
  sheet_->exec();
  EXPECT_EQ(messages_.shown().back().text,
            "The pressure-loss calculation has changes that are not saved. Save them first?");
  EXPECT_EQ(sheet_->run().document.Count(), 2);
  EXPECT_FALSE(sheet_->isVisible());
}

TEST_F(DuctWindowsTest, RefusalsKeepTheWindowOpenAndStoreNothing) {
  Add("SpeedButton1", [](QWidget* f) {
    SetCombo(f, "ComboBox1", "100");
    SetEdit(f, "Edit2", "0");
  }, false);
  EXPECT_EQ(messages_.shown().back().caption, "ORVANTA info");
  EXPECT_EQ(messages_.shown().back().text, Text(664));
  Add("SpeedButton1", [](QWidget* f) {
    SetCombo(f, "ComboBox1", "1x0");
    SetEdit(f, "Edit2", "100");
  }, false);
  EXPECT_EQ(messages_.shown().back().text, QString::fromUtf8("\"φ1\" is not a number. Correct it and confirm again."));
  Add("SpeedButton1", [](QWidget* f) {
    SetCombo(f, "ComboBox1", "0");
    SetEdit(f, "Edit2", "100");
  }, false);
  EXPECT_EQ(sheet_->run().document.Count(), 0);
  // Edit and Delete without a selection do nothing.
  sheet_->EditFitting();
  sheet_->DeleteFitting();
  EXPECT_EQ(sheet_->run().document.Count(), 0);
}

TEST_F(DuctWindowsTest, DamagedFileIsRefusedAndCommaOrDotFilesOpen) {
  Add("SpeedButton1", StraightDuct);
  const QString damaged = dir_.filePath("damaged.moh");
  {
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100, 'x'));
  }
  EXPECT_FALSE(sheet_->OpenPath(damaged));
  EXPECT_EQ(messages_.shown().back().icon, QMessageBox::Warning);
  EXPECT_EQ(sheet_->run().document.Count(), 1);
  EXPECT_EQ(Cell(0, 3), "3.537");

  // A file written with "," and one with "." give the same totals.
  for (const char* sep : {",", "."}) {
    FittingRecord a = sheet_->run().document.Record(0);
    a.Text(FittingField::TotalLoss) = std::string("1") + sep + "5";
    a.Text(FittingField::Mass) = std::string("2") + sep + "25";
    FittingRecord b = a;
    b.Text(FittingField::TotalLoss) = std::string("2") + sep + "25";
    const std::string path = dir_.filePath(QString("sep%1.moh").arg(sep[0] == ',' ? "comma" : "dot")).toStdString();
    const std::vector<FittingRecord> records{a, b};
    ASSERT_TRUE(WriteMohFile(path, records).ok());
    ASSERT_TRUE(sheet_->OpenPath(QString::fromStdString(path))) << sep;
    EXPECT_EQ(sheet_->run().document.Count(), 2);
    EXPECT_EQ(Total(1), "3.75") << sep;
    EXPECT_EQ(Total(2), "4.5") << sep;
  }
}

TEST_F(DuctWindowsTest, StartUpPathOpensTheCalculatorAndTheScrollBarMovesByRecord) {
  // 30 fittings written by the core, opened as a file given on the command line.
  FittingRecord fitting = NewResetRecord();
  fitting.Text(FittingField::Name) = "ROUND_STRAIGHT_DUCT";
  fitting.Text(FittingField::Kind) = "1";
  fitting.Text(FittingField::TotalLoss) = "1,25";
  std::vector<FittingRecord> records(30, fitting);
  for (int i = 0; i < 30; ++i) records[i].Text(FittingField::Lp) = std::to_string(i);
  const QString path = dir_.filePath("start.moh");
  ASSERT_TRUE(WriteMohFile(path.toStdString(), records).ok());
  bool shown = false;
  WhenShown("TForm15", [&](QWidget* sheet) {
    shown = true;
    Child<QPushButton>(sheet, "BitBtn2")->click();
  });
  ASSERT_TRUE(window_->OpenStartupProject(path));
  for (int i = 0; i < 50 && !shown; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_TRUE(shown);
  EXPECT_EQ(sheet_->run().document.Count(), 30);
  EXPECT_EQ(sheet_->windowTitle(), Text(545) + " - " + path);
  EXPECT_EQ(Total(1), "37.5");

  auto* bar = sheet_->findChild<QScrollBar*>("ScrollBar1");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->maximum(), 30);
  bar->setValue(5);
  EXPECT_EQ(Cell(0, 0), "5");
  EXPECT_EQ(Cell(19, 0), "24");
  bar->setValue(20);
  EXPECT_EQ(Cell(9, 0), "29");
  EXPECT_EQ(Cell(10, 0), "");  // the empty record after the last fitting
  // A click on the first row after scrolling to 5 deletes record 5.
  bar->setValue(5);
  SelectRow(0);
  sheet_->DeleteFitting();
  EXPECT_EQ(sheet_->run().document.Count(), 29);
  EXPECT_EQ(Cell(0, 0), "5");
  EXPECT_EQ(Total(1), "36.25");

  // A damaged start-up file is refused with its message; the run stays.
  const QString damaged = dir_.filePath("broken.moh");
  {
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(845, '\0'));
  }
  messages_.Clear();
  EXPECT_TRUE(window_->OpenStartupProject(damaged));
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(sheet_->run().document.Count(), 29);
}

TEST_F(DuctWindowsTest, A501stFittingIsRefusedWithAMessage) {
  FittingRecord fitting = NewResetRecord();
  fitting.Text(FittingField::Kind) = "1";
  const std::vector<FittingRecord> records(kMaxFittings, fitting);
  const QString path = dir_.filePath("full.moh");
  ASSERT_TRUE(WriteMohFile(path.toStdString(), records).ok());
  ASSERT_TRUE(sheet_->OpenPath(path));
  messages_.Clear();
  sheet_->AddFitting();  // no palette opens: the box tells why
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, "The calculation already holds 500 fittings, the most one file can hold.");
  EXPECT_EQ(sheet_->run().document.Count(), kMaxFittings);
}

TEST_F(DuctWindowsTest, FittingWindowRulesFollowTheInputs) {
  // Round offset φ200: default length 1.5·φ1 = 300 while 2·e ≤ 300, then 2·e.
  WhenShown("TForm16", [](QWidget* palette) {
    WhenShown("TForm17", [](QWidget* f) {
      EXPECT_TRUE(Child<QCheckBox>(f, "CheckBox1")->isChecked());
      SetCombo(f, "ComboBox1", "200");
      EXPECT_EQ(Child<QLineEdit>(f, "Edit1")->text(), "300");
      SetEdit(f, "Edit15", "200");
      EXPECT_EQ(Child<QLineEdit>(f, "Edit1")->text(), "400");
      // PVC: k 0.007 and 1430 kg/m³, k locked; "Inny" unlocks it.
      auto* material = Child<QComboBox>(f, "ComboBox3");
      material->setCurrentIndex(1);
      EXPECT_EQ(Child<QLineEdit>(f, "Edit6")->text(), "0.007");
      EXPECT_EQ(Child<QLineEdit>(f, "Edit13")->text(), "1430");
      EXPECT_TRUE(Child<QLineEdit>(f, "Edit6")->isReadOnly());
      material->setCurrentIndex(2);
      EXPECT_FALSE(Child<QLineEdit>(f, "Edit6")->isReadOnly());
      EXPECT_EQ(Child<QLineEdit>(f, "Edit13")->text(), "1430");
      // Insulation: polyethylene foam 40 kg/m³.
      Child<QComboBox>(f, "ComboBox14")->setCurrentIndex(1);
      EXPECT_EQ(Child<QLineEdit>(f, "Edit14")->text(), "40");
      // Inputs the kind does not use are hidden.
      EXPECT_FALSE(Child<QComboBox>(f, "ComboBox8")->isVisible());
      EXPECT_TRUE(Child<QLineEdit>(f, "Edit15")->isVisible());
      Child<QPushButton>(f, "BitBtn2")->click();
    });
    Child<QToolButton>(palette, "SpeedButton4")->click();
  });
  sheet_->AddFitting();
  // Rectangular duct: wall thickness by the largest side; the velocity and the
  // additional-loss pair follow the flow.
  WhenShown("TForm16", [](QWidget* palette) {
    WhenShown("TForm17", [](QWidget* f) {
      EXPECT_EQ(f->windowTitle(), Text(610));
      SetCombo(f, "ComboBox8", "600");
      SetCombo(f, "ComboBox9", "300");
      EXPECT_EQ(Child<QLineEdit>(f, "Edit11")->text(), "0.88");
      SetCombo(f, "ComboBox8", "1200");
      EXPECT_EQ(Child<QLineEdit>(f, "Edit11")->text(), "1.0");
      SetCombo(f, "ComboBox8", "250");
      SetCombo(f, "ComboBox9", "250");
      EXPECT_EQ(Child<QLineEdit>(f, "Edit11")->text(), "0.63");
      SetEdit(f, "Edit2", "1125");  // 1125 / (0.25·0.25·3600) = 5 m/s
      EXPECT_EQ(Child<QLineEdit>(f, "Edit3")->text(), "5");
      auto* dpp = Child<QLineEdit>(f, "Edit7");
      dpp->setText("10");
      emit dpp->textEdited("10");
      // ζadd = 2·10 / (1.197·25) = 0.668 → 0.67
      EXPECT_EQ(Child<QLineEdit>(f, "Edit10")->text(), "0.67");
      Child<QPushButton>(f, "BitBtn1")->click();
    });
    Child<QToolButton>(palette, "SpeedButton9")->click();
  });
  sheet_->AddFitting();
  ASSERT_EQ(sheet_->run().document.Count(), 1);
  EXPECT_EQ(Cell(0, 12), "0.67");  // ζ of a straight duct is 0: the column shows ζadd
  EXPECT_EQ(Cell(0, 15), "10");
}

TEST_F(DuctWindowsTest, BasicDataShowDensityAndViscosityAndRefuseImpossibleAir) {
  auto* basic = sheet_->findChild<QWidget*>("TForm12");
  ASSERT_NE(basic, nullptr);
  EXPECT_EQ(Child<QLineEdit>(basic, "Edit4")->text(), "1.197");
  EXPECT_EQ(ParseTypedNumber(Child<QLineEdit>(basic, "Edit5")->text()), 1.5e-5);
  SetEdit(basic, "Edit1", "40");
  const double rho40 = sheet_->run().air.rho;
  EXPECT_LT(rho40, 1.197);
  EXPECT_EQ(Child<QLineEdit>(basic, "Edit4")->text(), UiNumberText(rho40));
  SetEdit(basic, "Edit3", "abc");
  EXPECT_EQ(Child<QLineEdit>(basic, "Edit4")->text(), "");
  EXPECT_EQ(sheet_->run().air.rho, rho40);  // the calculation keeps real air
  EXPECT_FALSE(Child<QLabel>(basic, "StatusLabel")->text().isEmpty());
}

TEST_F(DuctWindowsTest, ClosingTheProgramAsksForAnUnsavedRun) {
  window_->show();
  Add("SpeedButton1", StraightDuct);
  messages_.Clear();
  messages_.Answer(QMessageBox::Cancel);
  EXPECT_FALSE(window_->close());  // the run stays, and so does the program
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(sheet_->run().document.Count(), 1);
  messages_.Answer(QMessageBox::Yes);  // save it: the dialog gives the path
  next_file_ = dir_.filePath("at_close.moh");
  EXPECT_TRUE(window_->close());
  EXPECT_EQ(QFileInfo(next_file_).size(), 844);
}

TEST_F(DuctWindowsTest, PicturesOfThePaletteTheFittingWindowAndTheSheet) {
  WhenShown("TForm16", [](QWidget* p) {
    EXPECT_TRUE(p->grab().save("/tmp/ductwin_palette.png"));
    Child<QPushButton>(p, "BitBtn2")->click();
  });
  sheet_->AddFitting();
  const std::pair<const char*, const char*> kinds[] = {
      {"SpeedButton5", "/tmp/ductwin_fitting_round_tee.png"},
      {"SpeedButton10", "/tmp/ductwin_fitting_rect_bend.png"},
      {"SpeedButton23", "/tmp/ductwin_fitting_round_fan.png"}};
  for (auto [button, file] : kinds) {
    WhenShown("TForm16", [button = button, file = file](QWidget* palette) {
      WhenShown("TForm17", [file](QWidget* f) {
        EXPECT_TRUE(f->grab().save(file));
        Child<QPushButton>(f, "BitBtn2")->click();
      });
      Child<QToolButton>(palette, button)->click();
    });
    sheet_->AddFitting();
  }
  const char* ten[] = {"SpeedButton1", "SpeedButton3", "SpeedButton4", "SpeedButton2", "SpeedButton9",
                       "SpeedButton10", "SpeedButton11", "SpeedButton12", "SpeedButton19", "SpeedButton16"};
  for (const char* b : ten)
    Add(b, [](QWidget* f) {
      SetEdit(f, "Edit2", "500");
      SetEdit(f, "Edit9", "200");
    });
  EXPECT_EQ(sheet_->run().document.Count(), 10);
  sheet_->show();
  EXPECT_TRUE(sheet_->grab().save("/tmp/ductwin_sheet.png"));
  sheet_->hide();
}

}  // namespace
}  // namespace orvanta
