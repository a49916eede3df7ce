// The pressure-loss sheet's spreadsheet exports in the real main window: the
// sheet opened from its menu item, a calculation opened, SpeedButton2 /
// SpeedButton4 / the menu item through the report-data window, the report
// written to the temporary folder, opened, and read back.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/settings_store.h"
#include "app/spreadsheet/workbook.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/report_data_window.h"
#include "app/ui/main_window.h"
#include "ductcalc/duct_document.h"
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

// Fills TForm38 the first time it shows and presses OK; closes it when it
// comes back after the report.
void AnswerReportWindow(const QString& title, const QString& investor, const QString& designer) {
  auto* timer = new QTimer;
  auto round = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [=] {
    auto* window = qobject_cast<ReportDataWindow*>(QApplication::activeModalWidget());
    if (!window || window->objectName() != "TForm38") return;
    if ((*round)++ == 0) {
      window->findChild<QLineEdit*>("Edit1")->setText(title);
      window->findChild<QLineEdit*>("Edit2")->setText(investor);
      window->findChild<QLineEdit*>("Edit3")->setText(designer);
      window->set_pause_ms(0);
      window->findChild<QPushButton*>("Button1")->click();
    } else {
      window->reject();
      timer->deleteLater();
    }
  });
  timer->start(10);
}

FittingRecord Fitting(const char* name, const char* dpc, const char* mass, const char* band63) {
  FittingRecord r = NewResetRecord();
  r.Text(FittingField::Name) = name;
  r.Text(FittingField::Kind) = "1";
  r.Text(FittingField::FlowMain) = "900";
  r.Text(FittingField::Diameter1) = "250";
  r.Text(FittingField::Length) = "3000";
  r.Text(FittingField::Zeta) = "0";
  r.Text(FittingField::FrictionLoss) = dpc;
  r.Text(FittingField::LocalLoss) = "0";
  r.Text(FittingField::TotalLoss) = dpc;
  r.Text(FittingField::Mass) = mass;
  r.Text(FittingField::Band1First) = band63;
  return r;
}

class DuctExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    ASSERT_TRUE(files_.isValid());
    old_tmpdir_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp_.path().toLocal8Bit());
    SetExternalOpener([this](const QUrl& url) {
      opened_.push_back(url.toLocalFile());
      return opener_answer_;
    });
    window_ = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
    sheet_ = window_->findChild<DuctSheetWindow*>("TForm15");
    ASSERT_NE(sheet_, nullptr);
    messages_.Clear();
  }
  void TearDown() override {
    SetFileDialogResponder(nullptr);
    SetExternalOpener(nullptr);
    window_.reset();
    qputenv("TMPDIR", old_tmpdir_);
  }

  // A saved calculation of three straight ducts; the texts use both decimal
  // separators, as files from different machines do.
  QString ThreeDuctsFile() {
    DuctDocument doc;
    EXPECT_TRUE(doc.Append(Fitting("Prostka okrągła", "1,25", "4,5", "-0,9")).ok());
    EXPECT_TRUE(doc.Append(Fitting("Prostka okrągła", "2.5", "9", "-1.8")).ok());
    EXPECT_TRUE(doc.Append(Fitting("Prostka okrągła", "0,75", "2,7", "-0,5")).ok());
    const QString path = files_.filePath("biuro.moh");
    EXPECT_TRUE(doc.Save(QFile::encodeName(path).toStdString()).ok());
    return path;
  }

  // Opens the sheet from the main window's menu and runs `inside` while it is shown.
  void InSheet(std::function<void(QWidget*)> inside) {
    QAction* menu = window_->findChild<QAction*>("Kalkulatorstratcinienia1");
    ASSERT_NE(menu, nullptr);
    bool ran = false;
    WhenShown("TForm15", [&](QWidget* sheet) {
      inside(sheet);
      ran = true;
      sheet->findChild<QPushButton*>("BitBtn2")->click();
    });
    menu->trigger();
    EXPECT_TRUE(ran);
  }

  QStringList Reports(const char* prefix) const {
    return QDir(temp_.path()).entryList({QString(prefix) + "*.xlsx"}, QDir::Files, QDir::Name);
  }
  std::unique_ptr<xlsx::Workbook> Read(const QString& name) const {
    std::string error;
    auto wb = xlsx::Workbook::Open(QFile::encodeName(QDir(temp_.path()).filePath(name)).toStdString(), error);
    EXPECT_TRUE(wb) << error;
    return wb;
  }
  QString Total(int n) const {
    return sheet_->findChild<QLineEdit*>(QString("Edit%1").arg(n), Qt::FindDirectChildrenOnly)->text();
  }

  QTemporaryDir temp_, files_;
  QByteArray old_tmpdir_;
  std::vector<QString> opened_;
  bool opener_answer_ = true;
  RecordingResponder messages_;
  std::unique_ptr<MainWindow> window_;
  DuctSheetWindow* sheet_ = nullptr;
};

TEST_F(DuctExportTest, BothExportsOfAnOpenedCalculationAreWrittenOpenedAndReadBack) {
  const QString moh = ThreeDuctsFile();
  SetFileDialogResponder([&](const FileDialogRequest&) { return moh; });
  const QDateTime before = QDateTime::currentDateTime();
  InSheet([&](QWidget* sheet) {
    sheet->findChild<QAction*>("Otwrzobliczenia1")->trigger();
    ASSERT_EQ(sheet_->run().document.Count(), 3);
    auto* hydraulic = sheet->findChild<QPushButton*>("SpeedButton2");
    auto* acoustic = sheet->findChild<QPushButton*>("SpeedButton4");
    ASSERT_TRUE(hydraulic->isEnabled());
    ASSERT_TRUE(acoustic->isEnabled());
    EXPECT_EQ(hydraulic->text(), Text(1209));
    EXPECT_EQ(acoustic->text(), Text(1210));
    AnswerReportWindow("Biurowiec B", "Miasto Nowe", "J. Kowal");
    hydraulic->click();
    AnswerReportWindow("Biurowiec B", "Miasto Nowe", "J. Kowal");
    acoustic->click();
  });
  EXPECT_EQ(Total(1), "4.5");
  EXPECT_EQ(Total(2), "16.2");
  EXPECT_EQ(Total(3), "-3.2");

  const QStringList dp = Reports("dp_calculations-");
  const QStringList db = Reports("db_calculations-");
  ASSERT_EQ(dp.size(), 1);
  ASSERT_EQ(db.size(), 1);
  const QRegularExpression stamp("^d[pb]_calculations-\\d\\d-\\d\\d-\\d{4} \\d\\d-\\d\\d-\\d\\d\\.xlsx$");
  EXPECT_TRUE(stamp.match(dp[0]).hasMatch()) << dp[0].toStdString();
  EXPECT_TRUE(stamp.match(db[0]).hasMatch()) << db[0].toStdString();
  ASSERT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_[0], QDir(temp_.path()).filePath(dp[0]));
  EXPECT_EQ(opened_[1], QDir(temp_.path()).filePath(db[0]));
  // Only the two "please wait" boxes.
  ASSERT_EQ(messages_.shown().size(), 2u);
  for (const MessageRequest& m : messages_.shown()) {
    EXPECT_EQ(m.caption, "ORVANTA INFO");
    EXPECT_EQ(m.text, Text(1231));
  }

  auto wb = Read(dp[0]);
  ASSERT_TRUE(wb);
  const xlsx::Worksheet& s = wb->Sheet(1);
  EXPECT_EQ(s.CellText(2, 1), "Calculation file:");  // the English template
  EXPECT_EQ(s.CellText(2, 2), QDir::toNativeSeparators(moh).toStdString());
  EXPECT_EQ(s.CellText(3, 2), "Biurowiec B");
  EXPECT_EQ(s.CellText(5, 2), "Miasto Nowe");
  EXPECT_EQ(s.CellText(6, 2), "J. Kowal");
  const QDate d = before.date();
  const double day = xlsx::DateSerial({d.year(), d.month(), d.day(), 0, 0, 0});
  ASSERT_TRUE(s.CellNumber(4, 2).has_value());
  EXPECT_GE(*s.CellNumber(4, 2), day);
  EXPECT_LT(*s.CellNumber(4, 2), day + 2);
  // The basic data as the basic-data window shows them (20 °C, 50 %, 101300 Pa).
  EXPECT_EQ(s.CellNumber(7, 2), 101300);
  EXPECT_EQ(s.CellNumber(7, 11), 20);
  EXPECT_EQ(s.CellNumber(7, 14), 50);
  EXPECT_GT(s.CellNumber(7, 4).value_or(0), 1.1);
  EXPECT_GT(s.CellNumber(7, 8).value_or(0), 1e-5);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.CellNumber(11 + i, 1), i);
    EXPECT_EQ(s.CellText(11 + i, 2), "Prostka okrągła");
    EXPECT_EQ(s.CellNumber(11 + i, 3), 900);
    EXPECT_EQ(s.CellNumber(11 + i, 9), 250);
  }
  EXPECT_EQ(s.CellNumber(11, 15), 1.25);
  EXPECT_EQ(s.CellNumber(12, 15), 2.5);
  EXPECT_EQ(s.CellNumber(13, 16), 2.7);
  EXPECT_EQ(s.CellText(14, 1), "");
  EXPECT_EQ(s.CellNumber(14, 15), 4.5);   // Edit1
  EXPECT_EQ(s.CellNumber(14, 16), 16.2);  // Edit2

  auto ab = Read(db[0]);
  ASSERT_TRUE(ab);
  const xlsx::Worksheet& a = ab->Sheet(1);
  EXPECT_EQ(a.CellText(3, 2), "Biurowiec B");
  EXPECT_EQ(a.CellNumber(10, 3), -0.9);
  EXPECT_EQ(a.CellNumber(11, 3), -1.8);
  EXPECT_EQ(a.CellNumber(12, 3), -0.5);
  EXPECT_EQ(a.CellNumber(13, 3), -3.2);  // Edit3
  EXPECT_EQ(a.CellNumber(13, 4), 0);     // Edit4
  EXPECT_EQ(a.CellText(14, 3), "");
}

TEST_F(DuctExportTest, AnEmptyNeverSavedSheetExportsFromTheMenuItemWithAnEmptyFileCell) {
  opener_answer_ = false;  // no application: the message says where the report is
  InSheet([&](QWidget* sheet) {
    QAction* item = sheet->findChild<QAction*>("EkspodtdanychdoExcela1");
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    AnswerReportWindow("", "", "");
    item->trigger();
  });
  const QStringList dp = Reports("dp_calculations-");
  ASSERT_EQ(dp.size(), 1);
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[1].text, "The report has been written to the file " +
                                           QDir::toNativeSeparators(QDir(temp_.path()).filePath(dp[0])) +
                                           ". No application to open it was found.");
  auto wb = Read(dp[0]);
  ASSERT_TRUE(wb);
  const xlsx::Worksheet& s = wb->Sheet(1);
  EXPECT_EQ(s.CellText(2, 2), "");
  EXPECT_EQ(s.CellText(11, 1), "");
  EXPECT_EQ(s.CellNumber(11, 15), 0);  // Edit1 shows "0"
  EXPECT_EQ(s.CellText(12, 15), "");
}

TEST_F(DuctExportTest, WithoutATemplateTheExportStopsBeforeTForm38AndNamesIt) {
  QTemporaryDir data;
  qputenv("ORVANTA_DATA_DIR", data.path().toLocal8Bit());
  bool asked = false;
  InSheet([&](QWidget* sheet) {
    QTimer guard;  // TForm38 must not open; close it if it does
    QObject::connect(&guard, &QTimer::timeout, [&] {
      QWidget* w = QApplication::activeModalWidget();
      if (w && w->objectName() == "TForm38") {
        asked = true;
        static_cast<QDialog*>(w)->reject();
      }
    });
    guard.start(10);
    sheet->findChild<QPushButton*>("SpeedButton4")->click();
  });
  qunsetenv("ORVANTA_DATA_DIR");
  EXPECT_FALSE(asked);
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA INFO");
  const QString expected = QDir(data.path()).filePath("calc/calculationsDBEN.xlsx");
  EXPECT_TRUE(messages_.shown()[0].text.startsWith("Excel is not insalled\n\n" + expected))
      << messages_.shown()[0].text.toStdString();
  EXPECT_TRUE(Reports("db_calculations-").isEmpty());
  EXPECT_TRUE(opened_.empty());
}

TEST_F(DuctExportTest, TheInstructionButtonIsAHelpLink) {
  auto* button = sheet_->findChild<QPushButton*>("SpeedButton5");
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isEnabled());
  EXPECT_EQ(button->text(), Text(1235));
  // A look at the button row with the exports enabled.
  sheet_->show();
  QApplication::processEvents();
  sheet_->grab().save("/tmp/duct_export_sheet.png");
  sheet_->hide();
}

}  // namespace
}  // namespace orvanta
