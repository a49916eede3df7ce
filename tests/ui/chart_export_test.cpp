// Headless chart export: every picture format, the size and layout options,
// refusal of damaged projects and bad options without writing anything.
#include "chart/ui/chart_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "app/settings_store.h"
#include "app/ui/kit/qsettings_store.h"
#include "chart/renderer.h"
#include "app/ui/kit/window_picture.h"
#include "chart/ui/qt_canvas.h"
#include "project/project_file.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101300;

ChartProject ExampleProject() {
  ChartProject p;
  auto add_point = [&](const char* name, double t, double x) {
    ChartPoint pt;
    pt.name = name;
    pt.state = StateFromTX(kPb, t, x);
    EXPECT_TRUE(p.AddPoint(pt));
  };
  add_point("ZEW", 32, 0.012);
  add_point("POM", 24, 0.009);
  add_point("CHL", 14, 0.0085);
  AirProcess heat;
  heat.name = "ZEW-CHL";
  heat.start_point = "ZEW";
  heat.end_point = "CHL";
  heat.air_flow = 2000;
  EXPECT_TRUE(p.AddProcess(heat));
  return p;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

class ChartExport : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // No stored settings: the export draws with the first-run values.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("settings"));
    project_path_ = dir_.filePath("example.ovt");
    const ProjectFileResult w = WriteProjectFile(project_path_.toStdString(), ExampleProject());
    ASSERT_TRUE(w.ok()) << w.Message();
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
  QString project_path_;
};

TEST_F(ChartExport, WritesEveryFormatByExtension) {
  struct Case {
    const char* name;
    QByteArray magic;
  };
  const Case cases[] = {{"c.png", "\x89PNG"}, {"c.bmp", "BM"},      {"c.jpg", "\xFF\xD8\xFF"},
                        {"c.JPEG", "\xFF\xD8\xFF"}, {"c.pdf", "%PDF"}, {"c.svg", ""}};
  for (const Case& k : cases) {
    const QString out = Path(k.name);
    EXPECT_EQ(RunChartExport({"--export", out, "--size", "400x300", project_path_}), 0) << k.name;
    const QByteArray bytes = ReadAll(out);
    ASSERT_FALSE(bytes.isEmpty()) << k.name;
    if (!k.magic.isEmpty()) {
      EXPECT_TRUE(bytes.startsWith(k.magic)) << k.name;
    }
  }
  const QByteArray svg = ReadAll(Path("c.svg"));
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("ZEW-CHL"));  // the process table's text is real text
  QSvgRenderer renderer(Path("c.svg"));
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 400, 300));
  EXPECT_TRUE(svg.contains("width=\"105.833mm\""));  // 400 px at 96 dpi
  // Drawn back, the SVG shows the axis where the bitmap has it.
  QImage back(400, 300, QImage::Format_RGB32);
  back.fill(Qt::white);
  {
    QPainter p(&back);
    renderer.render(&p);
  }
  EXPECT_LT(qGray(back.pixel(200, 280)), 160);
  const QByteArray pdf = ReadAll(Path("c.pdf"));
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 400.000000 300.000000]"));  // one pixel, one point
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  const QImage bmp(Path("c.bmp"));
  EXPECT_EQ(bmp.size(), QSize(400, 300));
  EXPECT_EQ(ReadAll(Path("c.bmp")).at(28), 24);  // bits per pixel
}

TEST_F(ChartExport, JpegIsBaselineQuality100With24BitColour) {
  const QString out = Path("chart.jpg");
  ASSERT_EQ(RunChartExport({"--export=" + out, project_path_}), 0);
  const QByteArray j = ReadAll(out);
  // Baseline frame header SOF0 with 8-bit samples, 1000 x 1600, 3 components.
  const int sof = j.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(sof, 0);
  EXPECT_EQ(j.indexOf(QByteArray("\xFF\xC2", 2)), -1);  // not progressive
  EXPECT_EQ(static_cast<unsigned char>(j[sof + 4]), 8);
  EXPECT_EQ((static_cast<unsigned char>(j[sof + 5]) << 8) | static_cast<unsigned char>(j[sof + 6]), 1000);
  EXPECT_EQ((static_cast<unsigned char>(j[sof + 7]) << 8) | static_cast<unsigned char>(j[sof + 8]), 1600);
  EXPECT_EQ(static_cast<unsigned char>(j[sof + 9]), 3);
  // Quality 100: every quantisation step is 1.
  const int dqt = j.indexOf(QByteArray("\xFF\xDB", 2));
  ASSERT_GT(dqt, 0);
  for (int k = 0; k < 64; ++k) EXPECT_EQ(static_cast<unsigned char>(j[dqt + 5 + k]), 1);
  EXPECT_EQ(QImage(out).size(), QSize(1600, 1000));
}

TEST_F(ChartExport, DefaultSizeLayoutsAndUnitsDrawDifferentCharts) {
  QImage pictures[4];
  int n = 0;
  for (const char* layout : {"mollier", "carrier"})
    for (const char* units : {"si", "ip"}) {
      const QString out = Path(QString("%1-%2.png").arg(layout, units));
      ASSERT_EQ(RunChartExport({"--export", out, "--layout", layout, "--units", units, project_path_}), 0);
      pictures[n] = QImage(out);
      EXPECT_EQ(pictures[n].size(), QSize(1600, 1000));
      ++n;
    }
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) EXPECT_NE(pictures[a], pictures[b]) << a << " " << b;
}

TEST_F(ChartExport, PixelsLandWhereTheFormulasSay) {
  const QString out = Path("pixels.png");
  ASSERT_EQ(RunChartExport({"--export", out, "--size", "800x600", project_path_}), 0);
  const QImage img = QImage(out).convertToFormat(QImage::Format_RGB32);
  // Horizontal axis at y = Himg - 20 from x = 20, black; background white.
  EXPECT_EQ(img.pixelColor(400, 580), QColor(Qt::black));
  EXPECT_EQ(img.pixelColor(20, 300), QColor(Qt::black));  // vertical axis
  // A point marker of the point colour (navy) around POM, 5 px from its centre.
  ChartSettings s = LoadChartSettingsForExport();
  s.range = {-30, 40, 20};
  const chart::ChartGeometry g(s, 800, 600);
  const ChartProject p = ExampleProject();
  const chart::PixelPoint zew = g.MapToChart(p.point(1).state.t, p.point(1).state.x);
  bool navy = false;
  for (int dx = -6; dx <= 6; ++dx)
    for (int dy = -6; dy <= 6; ++dy)
      if (img.pixelColor(zew.x + dx, zew.y + dy) == QColor(0, 0, 128)) navy = true;
  EXPECT_TRUE(navy);
  EXPECT_EQ(img.pixelColor(zew.x, zew.y), QColor(Qt::white));  // the marker is filled white
}

TEST_F(ChartExport, DamagedOrMissingProjectIsRefusedAndNothingIsWritten) {
  const QString damaged = Path("damaged.ovt");
  {
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1234, '\x07'));
  }
  const QString out = Path("never.png");
  EXPECT_NE(RunChartExport({"--export", out, damaged}), 0);
  EXPECT_FALSE(QFile::exists(out));
  EXPECT_NE(RunChartExport({"--export", out, Path("missing.ovt")}), 0);
  EXPECT_FALSE(QFile::exists(out));

  // An existing picture stays as it was.
  const QString keep = Path("keep.png");
  ASSERT_EQ(RunChartExport({"--export", keep, "--size", "200x200"}), 0);
  const QByteArray before = ReadAll(keep);
  EXPECT_NE(RunChartExport({"--export", keep, damaged}), 0);
  EXPECT_EQ(ReadAll(keep), before);
}

TEST_F(ChartExport, BadOptionsAreRefused) {
  const QString out = Path("bad.png");
  EXPECT_EQ(RunChartExport({"--export", Path("chart.gif")}), 2);
  EXPECT_EQ(RunChartExport({"--export", out, "--size", "12x12"}), 2);
  EXPECT_EQ(RunChartExport({"--export", out, "--size", "big"}), 2);
  EXPECT_EQ(RunChartExport({"--export", out, "--layout", "polar"}), 2);
  EXPECT_EQ(RunChartExport({"--export", out, "--units", "cgs"}), 2);
  EXPECT_EQ(RunChartExport({"--export", out, "--colour", "red"}), 2);
  EXPECT_EQ(RunChartExport({"--export"}), 2);
  EXPECT_EQ(RunChartExport({"--export", out, "--size"}), 2);  // an option without its value
  EXPECT_EQ(RunChartExport({"--export", out, "--size", "0x0"}), 2);
  EXPECT_EQ(RunChartExport({"--export", out, project_path_, project_path_}), 2);
  EXPECT_FALSE(QFile::exists(out));
  EXPECT_FALSE(QFile::exists(Path("chart.gif")));
}

TEST_F(ChartExport, UnwritableTargetIsAFailure) {
  EXPECT_EQ(RunChartExport({"--export", Path("no/such/folder/c.png"), project_path_}), 1);
  EXPECT_EQ(RunChartExport({"--export", Path("no/such/folder/c.jpg"), project_path_}), 1);
  EXPECT_EQ(RunChartExport({"--export", Path("no/such/folder/c.pdf"), project_path_}), 1);
}

TEST(ChartExportSettings, StoredSettingsAreUsedAndFirstRunValuesWithoutThem) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
  const ChartSettings first = LoadChartSettingsForExport();
  EXPECT_EQ(first.comfort_zone, 5);  // DIN 1946 on the first run
  EXPECT_FALSE(first.polish_texts);  // language 2, English
  EXPECT_EQ(first.range, (ChartRange{-30, 40, 20}));
  {
    QSettingsStore store;
    WriteDefaultSettings(store);
    store.Set("JEDN", "1");
    store.Set("UKLAD", "1");
    store.Set("POLE KOMFORTU", "2");
    store.Set("JEZYK", "1");
    store.Set("Torgup", "55");
    store.Set("CBOX4", "clRed");
    store.Flush();
  }
  const ChartSettings stored = LoadChartSettingsForExport();
  EXPECT_EQ(stored.units, UnitSystem::IP);
  EXPECT_EQ(stored.layout, ChartLayout::Carrier);
  EXPECT_EQ(stored.comfort_zone, 2);
  EXPECT_TRUE(stored.polish_texts);
  EXPECT_EQ(stored.range.torg_up, 55);
  EXPECT_EQ(stored.point_color, colors::kRed);
  QSettings("ORVANTA", "SETTINGS").clear();
}

TEST(ChartPicture, PointsFarOutsideTheRangeDrawWithoutTrouble) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ChartProject p;
  auto add_point = [&](const char* name, double t, double x) {
    ChartPoint pt;
    pt.name = name;
    pt.state = StateFromTX(kPb, 20, 0.008);
    pt.state.t = t;
    pt.state.x = x;
    EXPECT_TRUE(p.AddPoint(pt));
  };
  add_point("HOT", 1e12, 0.008);
  add_point("WET", 20, 1e9);
  add_point("COLD", -1e12, -1e9);
  add_point("OK", 20, 0.008);
  for (const char* end : {"HOT", "WET", "COLD"}) {
    AirProcess a;
    a.name = std::string("OK-") + end;
    a.start_point = "OK";
    a.end_point = end;
    a.air_flow = 1000;
    EXPECT_TRUE(p.AddProcess(a));
    DirectionCoefficient dc;
    dc.name = std::string("E-") + end;
    dc.point_name = end;
    dc.epsilon = 5000;
    EXPECT_TRUE(p.AddCoefficient(dc));
  }
  ChartSettings s;
  QString error;
  for (const char* name : {"far.png", "far.svg", "far.pdf"}) {
    EXPECT_TRUE(WriteChartPicture(dir.filePath(name), s, p, 800, 600, &error)) << name << error.toStdString();
  }
}

TEST(ChartPicture, AProcessFromAPointToItselfLeavesNoDot) {
  ChartProject p;
  ChartPoint pt;
  pt.name = "A";
  pt.state = StateFromTX(kPb, 20, 0.008);
  ASSERT_TRUE(p.AddPoint(pt));
  AirProcess self;
  self.name = "A-A";
  self.start_point = self.end_point = "A";
  self.air_flow = 1000;
  ASSERT_TRUE(p.AddProcess(self));
  ChartSettings s;
  s.comfort_zone = 0;
  s.arrowheads = false;                     // no arrowheads
  s.process_color = colors::kPurple;  // a colour nothing else uses
  QImage img(800, 600, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter painter(&img);
    chart::QtCanvas canvas(painter);
    chart::RenderChart(canvas, s, p, 800, 600);
  }
  const chart::PixelPoint at = chart::ChartGeometry(s, 800, 600).MapToChart(20, 0.008);
  EXPECT_EQ(img.pixelColor(at.x, at.y), QColor(Qt::white));  // inside the marker
  int purple = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y) == QColor(128, 0, 128)) ++purple;
  EXPECT_EQ(purple, 0);
}

TEST(JpegWriter, EmptyPictureIsAnErrorNotACrash) {
  QString error;
  EXPECT_TRUE(EncodeJpeg(QImage(), &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

// A PNG export goes through the fixed-filter encoder: the file is a PNG that
// decodes to exactly the pixels the chart was drawn with, and a second save
// over it replaces it whole.
TEST(ChartPicturePng, DecodesToTheDrawnPixels) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const ChartProject p = ExampleProject();
  for (ChartLayout layout : {ChartLayout::Mollier, ChartLayout::Carrier}) {
    ChartSettings s;
    s.layout = layout;
    const int w = 640, h = 410;
    QImage drawn(w, h, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
      QPainter painter(&drawn);
      chart::QtCanvas canvas(painter);
      chart::RenderChart(canvas, s, p, w, h);
    }
    const QString path = dir.filePath("c.png");
    QString error;
    ASSERT_TRUE(WriteChartPicture(path, s, p, w, h, &error)) << error.toStdString();
    EXPECT_TRUE(ReadAll(path).startsWith("\x89PNG\r\n\x1a\n"));
    const QImage decoded = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), QSize(w, h));
    int differing = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((decoded.pixel(x, y) & 0xFFFFFF) != (drawn.pixel(x, y) & 0xFFFFFF)) ++differing;
    EXPECT_EQ(differing, 0);
    // The picture is not blank: the chart's lines are in it.
    int inked = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) inked += (decoded.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(inked, 5000);
  }
}

}  // namespace
}  // namespace orvanta
