// The chart leaving the program, driven through the real main window's
// commands: picture files, printing to PDF, the clipboard, the image-editor
// files, the points' text file and the spreadsheet report through TForm38.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include "app/settings_store.h"
#include "app/spreadsheet/workbook.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/report_data_window.h"
#include "app/ui/main_window.h"
#include "chart/ui/chart_output.h"
#include "chart/ui/points_tree.h"
#include "psychro/state.h"
#include "ui/english_texts.h"

namespace orvanta {
namespace {

ChartPoint PointAt(const std::string& name, double pb, double t, double x) {
  ChartPoint p;
  p.name = name;
  p.state = StateFromTX(pb, t, x);
  return p;
}

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// To look at what the commands wrote: ORVANTA_KEEP_OUTPUT=<folder> keeps a copy.
void Keep(const QString& path) {
  const QString folder = qEnvironmentVariable("ORVANTA_KEEP_OUTPUT");
  if (folder.isEmpty()) return;
  const QString copy = QDir(folder).filePath(QFileInfo(path).fileName());
  QFile::remove(copy);
  QFile::copy(path, copy);
}

class ChartOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    // The temporary folder of the program (orvN.jpg, reports) is this one.
    old_tmpdir_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp_.path().toLocal8Bit());
    SetExternalOpener([this](const QUrl& url) {
      opened_.push_back(url.toLocalFile());
      return opener_answer_;
    });
    window_ = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
    window_->resize(1400, 900);
    window_->show();
    for (int k = 0; k < 3; ++k) QApplication::processEvents();
    messages_.Clear();
  }
  void TearDown() override {
    SetFileDialogResponder(nullptr);
    SetPrintDialogResponder(nullptr);
    SetExternalOpener(nullptr);
    if (window_) {
      window_->project().set_modified(false);
      window_->close();
    }
    window_.reset();
    qputenv("TMPDIR", old_tmpdir_);
  }
  // Two points and, when asked, a heating process between them.
  void MakeProject(bool with_process) {
    ChartProject& p = window_->project();
    const double pb = window_->settings().chart.pb;
    ASSERT_TRUE(p.AddPoint(PointAt("ZEW", pb, 5, 0.004)));
    ASSERT_TRUE(p.AddPoint(PointAt("NAW", pb, 22, 0.004)));
    if (with_process) {
      AirProcess heat;
      heat.name = "GRZ";
      heat.start_point = "ZEW";
      heat.end_point = "NAW";
      heat.air_flow = 3000;
      ASSERT_TRUE(p.AddProcess(heat));
    }
    window_->FullRedraw();
  }
  void Trigger(const char* name) {
    QAction* action = window_->Command(name);
    ASSERT_NE(action, nullptr) << name;
    ASSERT_TRUE(action->isEnabled()) << name;
    action->trigger();
  }
  QString SaveAnswering(const QString& path) {
    SetFileDialogResponder([&, path](const FileDialogRequest& r) {
      asked_.push_back(r);
      return path;
    });
    Trigger("Zapiszjakoobraz1");
    return path;
  }

  QTemporaryDir temp_, out_;
  QByteArray old_tmpdir_;
  std::vector<QString> opened_;
  bool opener_answer_ = true;
  std::vector<FileDialogRequest> asked_;
  RecordingResponder messages_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(ChartOutputTest, EveryOutputCommandIsEnabled) {
  for (const char* name : {"Zapiszjakoobraz1", "Ustawieniawydruku1", "Drukuj1", "KOPIUJDOSCHOWKA1",
                           "OTWRZIEDYTUJWPAINT1", "Eksportujwartocipunktwdoplikutxt1", "BitBtn16Click"}) {
    ASSERT_NE(window_->Command(name), nullptr) << name;
    EXPECT_TRUE(window_->Command(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(window_->findChild<QAbstractButton*>("BitBtn16")->isEnabled());
}

TEST_F(ChartOutputTest, SavesTheChartBitmapAsBmpPngAndSvg) {
  MakeProject(true);
  const QImage chart = Rgb(window_->chart_image());
  ASSERT_FALSE(chart.isNull());
  const QString folder = QDir::currentPath();

  const QString bmp = SaveAnswering(out_.filePath("chart.bmp"));
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].kind, FileDialogKind::Save);
  EXPECT_TRUE(asked_[0].filter.startsWith("Pliki graficzne (*.bmp)"));
  EXPECT_TRUE(asked_[0].filter.contains("*.png") && asked_[0].filter.contains("*.svg"));
  EXPECT_EQ(asked_[0].default_suffix, "bmp");
  QFile bmp_file(bmp);
  ASSERT_TRUE(bmp_file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(bmp_file.read(2) == "BM");
  EXPECT_EQ(Rgb(QImage(bmp, "BMP")), chart);

  const QString png = SaveAnswering(out_.filePath("chart.png"));
  EXPECT_EQ(Rgb(QImage(png, "PNG")), chart);

  // A typed .jpg name gets a JPEG, not a BMP under that name.
  const QString jpg = SaveAnswering(out_.filePath("chart.jpg"));
  QFile jpg_file(jpg);
  ASSERT_TRUE(jpg_file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(jpg_file.read(3) == "\xFF\xD8\xFF");
  EXPECT_EQ(QImage(jpg, "JPG").size(), chart.size());

  const QString svg = SaveAnswering(out_.filePath("chart.svg"));
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(chart.size())));

  // Cancelled: nothing is written, nothing said; the folder is as it was.
  SaveAnswering(QString());
  EXPECT_EQ(QDir(out_.path()).entryList(QDir::Files).size(), 4);
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(QDir::currentPath(), folder);

  // A folder that does not exist: the message names the file.
  const QString bad = SaveAnswering(out_.filePath("missing/chart.bmp"));
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA INFO");
  EXPECT_TRUE(messages_.shown()[0].text.contains(bad));
}

TEST_F(ChartOutputTest, WithoutAProcessTheSavedPictureCarriesTheTitleStampNearTheLogo) {
  MakeProject(false);
  const QImage chart = Rgb(window_->chart_image());
  const QString stamped = SaveAnswering(out_.filePath("stamp.png"));
  Keep(stamped);
  const QImage saved = Rgb(QImage(stamped, "PNG"));
  ASSERT_EQ(saved.size(), chart.size());
  QWidget* logo = window_->findChild<QWidget*>("Image2");
  QWidget* view = window_->findChild<QWidget*>("Image1");
  const QPoint at = view->mapFrom(window_.get(), logo->mapTo(window_.get(), QPoint(0, 0)));
  // The stamp's two lines: 20 px text at the logo's height, the pressure
  // 25 px below; whole on the picture even with the logo near its edge.
  int changed = 0, outside = 0;
  QRect drawn;
  for (int y = 0; y < chart.height(); ++y)
    for (int x = 0; x < chart.width(); ++x)
      if (saved.pixel(x, y) != chart.pixel(x, y)) {
        ++changed;
        drawn |= QRect(x, y, 1, 1);
        if (y < at.y() || y >= at.y() + 60) ++outside;
      }
  EXPECT_GT(changed, 100);
  EXPECT_EQ(outside, 0);
  EXPECT_LE(drawn.left(), at.x());
  EXPECT_LT(drawn.right(), chart.width() - 2);
  EXPECT_GT(drawn.height(), 35);  // both lines
  // The chart on screen keeps no stamp.
  EXPECT_EQ(Rgb(window_->chart_image()), chart);
}

TEST(PrintedChartRect, FitsKeepingProportionsAtTenElevenths) {
  // Wider than the page: the fitted size is the page width.
  EXPECT_EQ(PrintedChartRect({1000, 500}, {4000, 6000}), QRect(250, 250, 3636, 1818));
  // Taller than the page: the page height.
  EXPECT_EQ(PrintedChartRect({500, 1000}, {6000, 4000}), QRect(250, 250, 1818, 3636));
  // A coarse page: the margin shrinks so the picture stays on the page.
  const QRect small = PrintedChartRect({1000, 500}, {1000, 1400});
  EXPECT_EQ(small.size(), QSize(909, 455));
  EXPECT_EQ(small.topLeft(), QPoint(45, 250));
  EXPECT_TRUE(PrintedChartRect({0, 10}, {100, 100}).isEmpty());
}

TEST(PrintedChartRect, ThePictureFillsTheRectangleAndNothingElse) {
  QImage picture(300, 200, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QImage page(3000, 4000, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  const QRect target = PaintFittedChart(painter, page.size(), picture);
  painter.end();
  EXPECT_EQ(target, QRect(250, 250, 2727, 1818));
  int wrong = 0;
  for (int y = 0; y < page.height(); y += 7)
    for (int x = 0; x < page.width(); x += 7)
      if ((page.pixel(x, y) == QColor(Qt::red).rgb()) != target.contains(x, y)) ++wrong;
  EXPECT_EQ(wrong, 0);
}

TEST_F(ChartOutputTest, PrintsToAPdfFileWithoutAPrinter) {
  MakeProject(true);
  const QSize chart = window_->chart_image().size();
  const QString pdf = out_.filePath("chart.pdf");
  std::vector<PrintDialogKind> dialogs;
  SetPrintDialogResponder([&](QPrinter& printer, PrintDialogKind kind) {
    dialogs.push_back(kind);
    if (kind == PrintDialogKind::PageSetup) {
      printer.setPageSize(QPageSize(QPageSize::A4));
      printer.setPageOrientation(QPageLayout::Landscape);
      return true;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  });
  Trigger("Ustawieniawydruku1");
  Trigger("Drukuj1");
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0], PrintDialogKind::PageSetup);
  EXPECT_EQ(dialogs[1], PrintDialogKind::Print);
  EXPECT_TRUE(messages_.shown().empty());
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  // A4 landscape, in whole points, as the page setup chose.
  const QRegularExpressionMatch box =
      QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(QString::fromLatin1(bytes));
  ASSERT_TRUE(box.hasMatch());
  EXPECT_NEAR(box.captured(1).toDouble(), 841.89, 0.5);
  EXPECT_NEAR(box.captured(2).toDouble(), 595.28, 0.5);
  Keep(pdf);
  // The chart went in whole, as one picture of the bitmap's size.
  EXPECT_TRUE(bytes.contains(QString("/Width %1").arg(chart.width()).toLatin1()));
  EXPECT_TRUE(bytes.contains(QString("/Height %1").arg(chart.height()).toLatin1()));

  // Cancelling the print dialog prints nothing.
  QFile::remove(pdf);
  SetPrintDialogResponder([](QPrinter&, PrintDialogKind) { return false; });
  Trigger("Drukuj1");
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ChartOutputTest, TheClipboardHoldsTheChartBitmapNotTheScreen) {
  MakeProject(true);
  QGuiApplication::clipboard()->clear();
  Trigger("KOPIUJDOSCHOWKA1");
  EXPECT_EQ(Rgb(QGuiApplication::clipboard()->image()), Rgb(window_->chart_image()));
}

TEST_F(ChartOutputTest, ImageEditorFilesAreOrv1ThenOrv2InTheTemporaryFolder) {
  MakeProject(true);
  const QString first = QDir(temp_.path()).filePath("orv1.jpg");
  const QString second = QDir(temp_.path()).filePath("orv2.jpg");
  Trigger("OTWRZIEDYTUJWPAINT1");
  ASSERT_EQ(messages_.shown().size(), 1u);
  const MessageRequest& ask = messages_.shown()[0];
  EXPECT_EQ(ask.caption, "ORVANTA INFO");
  EXPECT_EQ(ask.text, "The picture has been saved in the file " + first + ". Open it in the image editor?");
  EXPECT_EQ(ask.buttons, QMessageBox::Ok | QMessageBox::Cancel);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], first);
  const QImage jpeg(first, "JPG");
  EXPECT_EQ(jpeg.size(), window_->chart_image().size());

  // Cancel: the file is written, nothing is opened.
  messages_.Answer(QMessageBox::Cancel);
  Trigger("OTWRZIEDYTUJWPAINT1");
  EXPECT_TRUE(QFile::exists(second));
  EXPECT_EQ(opened_.size(), 1u);
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_TRUE(messages_.shown()[1].text.contains("orv2.jpg"));
}

TEST_F(ChartOutputTest, TextExportOfOnePointIsTenLines) {
  ChartProject& p = window_->project();
  ASSERT_TRUE(p.AddPoint(PointAt("P1", window_->settings().chart.pb, 20, 0.008)));
  window_->FullRedraw();
  const QString path = out_.filePath("points.txt");
  SetFileDialogResponder([&](const FileDialogRequest& r) {
    asked_.push_back(r);
    return path;
  });
  Trigger("Eksportujwartocipunktwdoplikutxt1");
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].default_suffix, "txt");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  QStringList lines = text.split("\r\n");
  ASSERT_EQ(lines.takeLast(), "");  // the last line ends too
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines[0], "P1");
  for (int k = 1; k < 10; ++k) {
    EXPECT_TRUE(lines[k].startsWith('\t')) << lines[k].toStdString();
    EXPECT_FALSE(lines[k].startsWith("\t\t")) << lines[k].toStdString();
  }
  // The same lines the points tree shows.
  EXPECT_EQ(text, PointsTreeText(window_->findChild<QTreeWidget*>("TreeView1")));
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

TEST_F(ChartOutputTest, ReportThroughTForm38IsWrittenToTheTemporaryFolderAndOpened) {
  MakeProject(true);
  AnswerReportWindow("Hala sportowa", "Gmina Nowe", "J. Kowal");
  window_->findChild<QAbstractButton*>("BitBtn16")->click();

  const QStringList reports = QDir(temp_.path()).entryList({"ORVANTA_RAPORT-*.xlsx"}, QDir::Files);
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(QRegularExpression("^ORVANTA_RAPORT-\\d\\d-\\d\\d-\\d{4} \\d\\d-\\d\\d-\\d\\d\\.xlsx$")
                  .match(reports[0])
                  .hasMatch())
      << reports[0].toStdString();
  const QString path = QDir(temp_.path()).filePath(reports[0]);
  Keep(path);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], path);
  // Only the "please wait" box; no word of a missing spreadsheet program.
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA INFO");
  EXPECT_EQ(messages_.shown()[0].text, Text(1231));

  std::string error;
  auto workbook = xlsx::Workbook::Open(QFile::encodeName(path).toStdString(), error);
  ASSERT_TRUE(workbook) << error;
  const xlsx::Worksheet& sheet = workbook->Sheet(1);
  EXPECT_EQ(sheet.CellText(4, 3), "Hala sportowa");
  EXPECT_EQ(sheet.CellText(6, 3), "Gmina Nowe");
  EXPECT_EQ(sheet.CellText(7, 3), "J. Kowal");
  EXPECT_EQ(sheet.CellText(14, 3), "ZEW");
  EXPECT_EQ(sheet.CellText(15, 3), "NAW");
  EXPECT_EQ(sheet.CellText(22, 3), "GRZ");  // two point rows: the process rows start at 22
  ASSERT_EQ(sheet.Pictures().size(), 1u);
}

TEST_F(ChartOutputTest, WithNoApplicationForTheReportTheMessageNamesTheFile) {
  MakeProject(false);
  opener_answer_ = false;
  AnswerReportWindow("T", "I", "D");
  Trigger("BitBtn16Click");
  const QStringList reports = QDir(temp_.path()).entryList({"ORVANTA_RAPORT-*.xlsx"}, QDir::Files);
  ASSERT_EQ(reports.size(), 1);
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[1].text, "The report has been written to the file " +
                                           QDir(temp_.path()).filePath(reports[0]) +
                                           ". No application to open it was found.");
}

TEST_F(ChartOutputTest, WithoutATemplateTheReportStopsBeforeTForm38AndNamesIt) {
  MakeProject(true);
  QTemporaryDir data;
  qputenv("ORVANTA_DATA_DIR", data.path().toLocal8Bit());
  bool asked = false;
  QTimer guard;  // TForm38 must not open; close it if it does
  QObject::connect(&guard, &QTimer::timeout, [&] {
    if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      asked = true;
      w->reject();
    }
  });
  guard.start(10);
  Trigger("BitBtn16Click");
  qunsetenv("ORVANTA_DATA_DIR");
  EXPECT_FALSE(asked);
  ASSERT_EQ(messages_.shown().size(), 1u);
  const QString expected_template = QDir(data.path()).filePath("calc/DefaultRaportSIEN.xlsx");
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA INFO");
  EXPECT_TRUE(messages_.shown()[0].text.startsWith("Excel is not insalled\n\n" + expected_template))
      << messages_.shown()[0].text.toStdString();
  EXPECT_TRUE(QDir(temp_.path()).entryList({"ORVANTA_RAPORT-*"}, QDir::Files).isEmpty());
  EXPECT_TRUE(opened_.empty());
}

TEST(ChartReportTemplate, AMissingOrDamagedTemplateIsNamed) {
  for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP})
    for (bool polish : {false, true})
      EXPECT_EQ(ChartReportTemplateProblem(ChartReportTemplatePath(units, polish)), "");
  QTemporaryDir dir;
  const QString missing = dir.filePath("none.xlsx");
  EXPECT_TRUE(ChartReportTemplateProblem(missing).contains(missing));
  const QString damaged = dir.filePath("damaged.xlsx");
  QFile f(damaged);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("PK\x03\x04 not really a workbook");
  f.close();
  EXPECT_TRUE(ChartReportTemplateProblem(damaged).contains(damaged));
}

}  // namespace
}  // namespace orvanta
