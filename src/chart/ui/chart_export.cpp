#include "chart/ui/chart_export.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>
#include <optional>

#include "app/settings_store.h"
#include "app/ui/kit/qsettings_store.h"
#include "chart/geometry.h"
#include "chart/png_writer.h"
#include "chart/range_widening.h"
#include "chart/renderer.h"
#include "app/ui/kit/window_picture.h"
#include "chart/ui/qt_canvas.h"
#include "project/project_file.h"

namespace orvanta {

namespace {

constexpr int kDefaultWidth = 1600, kDefaultHeight = 1000;
constexpr int kMinSide = 100, kMaxSide = 8000;

void Print(FILE* stream, const QString& text) {
  std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
  std::fflush(stream);
}

QString Usage() { return CommandLineUsage(); }

void Render(QPaintDevice& device, const ChartSettings& settings, const ChartProject& project, int width, int height) {
  QPainter painter(&device);
  chart::QtCanvas canvas(painter);
  chart::RenderChart(canvas, settings, project, width, height);
}

// The chart as PNG through the fixed-filter encoder: the same pixels as any
// PNG writer, at a fraction of the time of an adaptive filter search.
bool SavePng(const QImage& image, const QString& path, QString* error) {
  const QImage rgb32 = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  PngPicture picture;
  picture.width = rgb32.width();
  picture.height = rgb32.height();
  picture.pixels = rgb32.constBits();
  picture.stride = static_cast<std::size_t>(rgb32.bytesPerLine());
  picture.layout = PngPixels::kBgrx32;
  const PngResult png = EncodePng(picture);
  if (!png.error.empty()) {
    if (error) *error = "the picture could not be encoded: " + QString::fromStdString(png.error);
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  const auto size = static_cast<qint64>(png.bytes.size());
  if (file.write(reinterpret_cast<const char*>(png.bytes.data()), size) != size) {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

bool Commit(QSaveFile& file, QString* error) {
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

ChartSettings LoadChartSettingsForExport() {
  // The user's stored chart settings, read as the main window's first redraw
  // reads them; before the first run has written any, the first-run values.
  // Nothing is written: an export leaves the settings as they are.
  const QSettingsStore store;
  if (!store.Exists()) return ChartSettings{};
  ChartSettings settings = LoadSettings(store).chart;
  settings.range = chart::SanitizedRange(settings.range);
  return settings;
}

PictureFormat PictureFormatOf(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == "png") return PictureFormat::Png;
  if (ext == "bmp") return PictureFormat::Bmp;
  if (ext == "jpg" || ext == "jpeg") return PictureFormat::Jpeg;
  if (ext == "svg") return PictureFormat::Svg;
  if (ext == "pdf") return PictureFormat::Pdf;
  return PictureFormat::Unknown;
}

bool WriteChartPicture(const QString& path, const ChartSettings& settings, const ChartProject& project, int width,
                       int height, QString* error) {
  const PictureFormat format = PictureFormatOf(path);
  if (format == PictureFormat::Unknown) {
    if (error) *error = "unknown picture format (use .png, .bmp, .jpg, .jpeg, .svg or .pdf)";
    return false;
  }
  if (format == PictureFormat::Png || format == PictureFormat::Bmp || format == PictureFormat::Jpeg) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
      if (error) *error = "not enough memory for the picture";
      return false;
    }
    image.fill(Qt::white);
    Render(image, settings, project, width, height);
    if (format == PictureFormat::Jpeg) return SaveJpeg(image, path, error);
    if (format == PictureFormat::Png) return SavePng(image, path, error);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      if (error) *error = file.errorString();
      return false;
    }
    const bool written = image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP");
    if (!written) {
      file.cancelWriting();
      if (error) *error = "the picture could not be encoded";
      return false;
    }
    return Commit(file, error);
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  if (format == PictureFormat::Svg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(96);  // one chart pixel is one CSS pixel
    svg.setTitle("ORVANTA");
    Render(svg, settings, project, width, height);
  } else {
    // One pixel of the chart is one point of the page.
    QPdfWriter pdf(&file);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle("ORVANTA");
    Render(pdf, settings, project, width, height);
  }
  return Commit(file, error);
}

QString CommandLineUsage() {
  return QString(
             "usage: orvanta [project.ovt]\n"
             "       orvanta --export FILE [--layout mollier|carrier] [--units si|ip] [--size WxH] [project.ovt]\n"
             "       orvanta --help | -h | --version\n"
             "\n"
             "  project.ovt          the chart project to open (or to draw with --export)\n"
             "  --export FILE        draw the chart into FILE without a window; FILE ends in\n"
             "                       .png, .bmp, .jpg, .jpeg, .svg or .pdf\n"
             "  --layout L           with --export: mollier or carrier (default: the stored settings)\n"
             "  --units U            with --export: si or ip (default: the stored settings)\n"
             "  --size WxH           with --export: the picture in pixels, each side %1 to %2\n"
             "                       (default %3x%4)\n"
             "  -h, --help           print this text and exit\n"
             "  --version            print the program's version and exit\n"
             "Every option also takes its value as --option=VALUE.")
      .arg(kMinSide)
      .arg(kMaxSide)
      .arg(kDefaultWidth)
      .arg(kDefaultHeight);
}

int RunChartExport(const QStringList& args) {
  std::vector<std::string> raw;
  raw.reserve(static_cast<std::size_t>(args.size()));
  for (const QString& a : args) raw.push_back(QFile::encodeName(a).toStdString());
  return RunChartExportBytes(raw);
}

int RunChartExportBytes(const std::vector<std::string>& raw_args) {
  // Options are plain ASCII; the project path stays as its bytes.
  std::optional<QString> out_path, layout_text, units_text, size_text;
  std::optional<std::string> project_path;
  const int count = static_cast<int>(raw_args.size());
  for (int i = 0; i < count; ++i) {
    QString a = QFile::decodeName(QByteArray::fromStdString(raw_args[static_cast<std::size_t>(i)]));
    QString value;
    const int eq = a.indexOf('=');
    const bool is_option = a.startsWith("--") || (a.startsWith('-') && a.size() > 1);
    if (is_option && eq > 0) {
      value = a.mid(eq + 1);
      a = a.left(eq);
    }
    auto take = [&](std::optional<QString>& into) {
      if (eq < 0) {
        if (i + 1 >= count) return false;
        value = QFile::decodeName(QByteArray::fromStdString(raw_args[static_cast<std::size_t>(++i)]));
      }
      if (value.isEmpty()) return false;
      into = value;
      return true;
    };
    bool ok = true;
    if (a == "--export") ok = take(out_path);
    else if (a == "--layout") ok = take(layout_text);
    else if (a == "--units") ok = take(units_text);
    else if (a == "--size") ok = take(size_text);
    else if (is_option) {
      Print(stderr, "orvanta: unknown option " + a + "\n" + Usage());
      return 2;
    } else if (raw_args[static_cast<std::size_t>(i)].empty()) {
      Print(stderr, "orvanta: the project file name is empty\n" + Usage());
      return 2;
    } else if (!project_path) project_path = raw_args[static_cast<std::size_t>(i)];
    else {
      Print(stderr, "orvanta: more than one project file given\n" + Usage());
      return 2;
    }
    if (!ok) {
      Print(stderr, "orvanta: " + a + " needs a value\n" + Usage());
      return 2;
    }
  }
  if (!out_path) {
    Print(stderr, "orvanta: --export needs a picture file name\n" + Usage());
    return 2;
  }
  if (PictureFormatOf(*out_path) == PictureFormat::Unknown) {
    Print(stderr, "orvanta: cannot tell the picture format of \"" + *out_path + "\"\n" + Usage());
    return 2;
  }

  ChartSettings settings = LoadChartSettingsForExport();
  if (layout_text) {
    const QString l = layout_text->toLower();
    if (l == "mollier") settings.layout = ChartLayout::Mollier;
    else if (l == "carrier") settings.layout = ChartLayout::Carrier;
    else {
      Print(stderr, "orvanta: --layout must be mollier or carrier, not \"" + *layout_text + "\"");
      return 2;
    }
  }
  if (units_text) {
    const QString u = units_text->toLower();
    if (u == "si") settings.units = UnitSystem::SI;
    else if (u == "ip") settings.units = UnitSystem::IP;
    else {
      Print(stderr, "orvanta: --units must be si or ip, not \"" + *units_text + "\"");
      return 2;
    }
  }
  int width = kDefaultWidth, height = kDefaultHeight;
  if (size_text) {
    static const QRegularExpression re("^(\\d{1,6})[xX](\\d{1,6})$");
    const QRegularExpressionMatch m = re.match(*size_text);
    if (m.hasMatch()) {
      width = m.captured(1).toInt();
      height = m.captured(2).toInt();
    }
    if (!m.hasMatch() || width < kMinSide || height < kMinSide || width > kMaxSide || height > kMaxSide) {
      Print(stderr, QString("orvanta: --size must be WIDTHxHEIGHT, each from %1 to %2 pixels, not \"%3\"")
                        .arg(kMinSide)
                        .arg(kMaxSide)
                        .arg(*size_text));
      return 2;
    }
  }

  ChartProject project;
  if (project_path) {
    const ProjectFileResult read = ReadProjectFile(*project_path, project);
    if (!read.ok()) {
      Print(stderr, "orvanta: cannot open the project \"" + QFile::decodeName(QByteArray::fromStdString(*project_path)) +
                        "\": " + QString::fromStdString(read.Message()) + "\nNo picture was written.");
      return 1;
    }
    if (!read.notice.empty()) Print(stderr, "orvanta: " + QString::fromStdString(read.notice));
    // As when the project is opened: the chart takes the file's pressure
    // and its ranges widen to contain every point.
    settings.pb = read.pb;
    settings.range = WidenRangeForProject(settings.range, project);
  }
  // As in the full redraw: dependent points first, then the drawing.
  project.RefreshDependentPoints();

  QString error;
  if (!WriteChartPicture(*out_path, settings, project, width, height, &error)) {
    Print(stderr, "orvanta: cannot write \"" + *out_path + "\": " + error);
    return 1;
  }
  Print(stdout, QString("orvanta: wrote %1 (%2x%3)").arg(*out_path).arg(width).arg(height));
  return 0;
}

}  // namespace orvanta
