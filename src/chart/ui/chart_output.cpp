#include "chart/ui/chart_output.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QUrl>
#include <QWidget>
#include <algorithm>

#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/report_data_window.h"
#include "app/ui/kit/window_picture.h"
#include "app/ui/kit/workbench.h"
#include "chart/geometry.h"
#include "chart/png_writer.h"
#include "chart/renderer.h"
#include "chart/ui/chart_view.h"
#include "chart/ui/qt_canvas.h"
#include "psychro/number_text.h"

namespace orvanta {

namespace {

constexpr int kChartReportKind = 25;
const QString kInfo = QStringLiteral("ORVANTA INFO");

PrintDialogResponder& PrintResponder() {
  static PrintDialogResponder responder;
  return responder;
}

bool AskPrintDialog(QPrinter& printer, PrintDialogKind kind, QWidget* parent) {
  if (PrintResponder()) return PrintResponder()(printer, kind);
  if (kind == PrintDialogKind::PageSetup) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  }
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

void SetPrintDialogResponder(PrintDialogResponder responder) { PrintResponder() = std::move(responder); }

QRect PrintedChartRect(QSize bitmap, QSize page) {
  if (bitmap.isEmpty() || page.isEmpty()) return {};
  const double bw = bitmap.width(), bh = bitmap.height(), pw = page.width(), ph = page.height();
  double fw, fh;
  if (bw / bh > pw / ph) {
    fw = pw;
    fh = bh * pw / bw;
  } else {
    fw = bw * ph / bh;
    fh = ph;
  }
  const int w = static_cast<int>(Rnd(100 * fw / 110)), h = static_cast<int>(Rnd(100 * fh / 110));
  // A 250-pixel margin is about 1 cm at the usual printer resolutions; on a
  // coarse page it would push the picture over the right or bottom edge.
  auto corner = [](int page_side, int side) { return 250 + side <= page_side ? 250 : (page_side - side) / 2; };
  const int x = corner(page.width(), w), y = corner(page.height(), h);
  return {x, y, w, h};
}

QRect PaintFittedChart(QPainter& painter, QSize page, const QImage& picture) {
  const QRect target = PrintedChartRect(picture.size(), page);
  if (!target.isEmpty()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, picture);
  }
  return target;
}

void DrawTitleStamp(QPainter& painter, QPoint logo, const QString& title, double pb, char decimal_separator) {
  painter.save();
  QFont font = painter.font();
  font.setPixelSize(20);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics = painter.fontMetrics();
  const QString pressure = "pb = " + QString::fromStdString(NumberText(pb / 100, decimal_separator)) + " hPa";
  // The logo may sit near the right or bottom edge: the stamp moves in just
  // far enough to be read whole.
  QPoint at = logo;
  if (const QPaintDevice* device = painter.device()) {
    const int width = std::max(metrics.horizontalAdvance(title), 20 + metrics.horizontalAdvance(pressure));
    const int height = 25 + metrics.height();
    at.setX(std::max(0, std::min(at.x(), device->width() - width - 4)));
    at.setY(std::max(0, std::min(at.y(), device->height() - height - 4)));
  }
  painter.drawText(at.x(), at.y() + metrics.ascent(), title);
  painter.drawText(at.x() + 20, at.y() + 25 + metrics.ascent(), pressure);
  painter.restore();
}

ChartOutput::ChartOutput(Workbench& workbench)
    : QObject(workbench.dialog_parent()), workbench_(workbench), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName("ChartOutput");
  CommandRegistry& commands = workbench.commands();
  commands.Register(CommandId{"SaveChartPicture"}, {"Zapiszjakoobraz1"}, [this] { SaveChartPicture(); });
  commands.Register(CommandId{"PrintSetup"}, {"Ustawieniawydruku1"}, [this] { PageSetup(); });
  commands.Register(CommandId{"PrintChart"}, {"Drukuj1"}, [this] { PrintChart(); });
  commands.Register(CommandId{"CopyChartToClipboard"}, {"KOPIUJDOSCHOWKA1"}, [this] { CopyChartToClipboard(); });
  commands.Register(CommandId{"OpenChartInImageEditor"}, {"OTWRZIEDYTUJWPAINT1"},
                    [this] { OpenChartInImageEditor(); });
  commands.Register(CommandId{"CreateChartReport"}, {"BitBtn16Click"}, [this] { CreateReport(); });
}

ChartOutput::~ChartOutput() = default;

QPoint ChartOutput::LogoPosition() const {
  QWidget* view = workbench_.Part("Image1");
  QWidget* logo = workbench_.Part("Image2");
  if (!view || !logo) return {};
  return view->mapFrom(view->window(), logo->mapTo(logo->window(), QPoint(0, 0)));
}

QImage ChartOutput::ChartPicture(bool with_stamp) const {
  auto* view = qobject_cast<ChartView*>(workbench_.Part("Image1"));
  if (!view) return {};
  QImage picture = view->image().copy();
  if (with_stamp && !picture.isNull() && workbench_.project().process_count() == 0) {
    QPainter painter(&picture);
    DrawTitleStamp(painter, LogoPosition(), Text(75), workbench_.pressure(), UiDecimalSeparator());
  }
  return picture;
}

bool ChartOutput::WriteSvg(const QString& path, QString* error) const {
  auto* view = qobject_cast<ChartView*>(workbench_.Part("Image1"));
  const QSize size = view ? view->image().size() : QSize();
  if (size.isEmpty()) {
    *error = "The chart has not been drawn yet.";
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *error = file.errorString();
    return false;
  }
  {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle("ORVANTA");
    QPainter painter(&svg);
    chart::QtCanvas canvas(painter);
    chart::RenderOptions options;
    options.decimal_separator = UiDecimalSeparator();
    options.flow_as_mass = workbench_.settings().chart.flow_as_mass;
    if (QWidget* panel = workbench_.Part("GroupBox3")) options.carrier_table_reference = panel->geometry().bottom() + 1;
    ProcessLoadTexts loads;  // the chart's own buffer is left as the last redraw made it
    options.load_texts = &loads;
    ChartSettings chart = workbench_.settings().chart;
    chart.range = chart::SanitizedRange(chart.range);
    chart::RenderChart(canvas, chart, workbench_.project(), size.width(), size.height(), options);
    if (workbench_.project().process_count() == 0) {
      DrawTitleStamp(painter, LogoPosition(), Text(75), workbench_.pressure(), UiDecimalSeparator());
    }
  }
  if (!file.commit()) {
    *error = file.errorString();
    return false;
  }
  return true;
}

bool ChartOutput::SaveChartPicture() {
  QWidget* parent = workbench_.dialog_parent();
  const QString folder = QDir::currentPath();
  const QString path = ChooseFile(parent, {FileDialogKind::Save, folder, QString(),
                                           "Pliki graficzne (*.bmp);;Pliki PNG (*.png);;Pliki SVG (*.svg)", "bmp"});
  QDir::setCurrent(folder);
  if (path.isEmpty()) return false;
  const QString ext = QFileInfo(path).suffix().toLower();
  QString error;
  bool written = false;
  if (ext == "svg") {
    written = WriteSvg(path, &error);
  } else {
    const QImage picture = ChartPicture(true);
    if (picture.isNull()) {
      error = "The chart has not been drawn yet.";
    } else if (ext == "png") {
      const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
      const PngResult png = EncodePng({rgb.width(), rgb.height(), rgb.constBits(),
                                       static_cast<std::size_t>(rgb.bytesPerLine()), PngPixels::kRgb24});
      if (!png.error.empty()) error = QString::fromStdString(png.error);
      else
        written = WriteBytes(path, QByteArray(reinterpret_cast<const char*>(png.bytes.data()),
                                              static_cast<qsizetype>(png.bytes.size())),
                             &error);
    } else if (ext == "jpg" || ext == "jpeg") {
      written = SaveJpeg(picture, path, &error);
    } else {
      // Any other name is written as BMP, the format the dialog offers first.
      QSaveFile file(path);
      if (!file.open(QIODevice::WriteOnly)) error = file.errorString();
      else if (!picture.convertToFormat(QImage::Format_RGB888).save(&file, "BMP")) {
        file.cancelWriting();
        error = "the picture could not be encoded";
      } else if (!file.commit()) error = file.errorString();
      else written = true;
    }
  }
  if (!written) Messages::Warning(parent, kInfo, "The picture could not be saved to " + path + ":\n" + error);
  return written;
}

bool ChartOutput::PageSetup() { return AskPrintDialog(*printer_, PrintDialogKind::PageSetup, workbench_.dialog_parent()); }

bool ChartOutput::PrintChart() {
  QWidget* parent = workbench_.dialog_parent();
  const QImage picture = ChartPicture(true);
  if (picture.isNull()) return false;
  if (!AskPrintDialog(*printer_, PrintDialogKind::Print, parent)) return false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QPainter painter;
  const bool started = painter.begin(printer_.get());
  if (started) {
    const QRect page = printer_->pageLayout().paintRectPixels(printer_->resolution());
    PaintFittedChart(painter, page.size(), picture);
    painter.end();
  }
  QApplication::restoreOverrideCursor();
  if (!started) {
    const QString target = printer_->outputFileName().isEmpty() ? printer_->printerName() : printer_->outputFileName();
    Messages::Warning(parent, kInfo, "The print job could not be started (" + target + ").");
  }
  return started;
}

bool ChartOutput::CopyChartToClipboard() {
  const QImage picture = ChartPicture(false);
  if (picture.isNull()) return false;
  QGuiApplication::clipboard()->setImage(picture);
  return true;
}

bool ChartOutput::OpenChartInImageEditor() {
  QWidget* parent = workbench_.dialog_parent();
  const QImage picture = ChartPicture(false);
  if (picture.isNull()) return false;
  ++editor_pictures_;
  return OfferPicture(parent, picture, QDir(QDir::tempPath()).filePath(QString("orv%1.jpg").arg(editor_pictures_)));
}

ReportDataWindow* ChartOutput::ReportWindow() {
  // One report-data window serves every report of the program.
  QWidget* parent = workbench_.dialog_parent();
  auto* window = parent->findChild<ReportDataWindow*>("TForm38");
  if (!window) window = new ReportDataWindow(parent);
  if (!window->HasReport(kChartReportKind)) {
    window->RegisterReport(kChartReportKind, [this](const ReportData& data) {
      WriteReport(data.project_title, data.investor, data.designer);
    });
  }
  return window;
}

bool ChartOutput::CreateReport() {
  QWidget* parent = workbench_.dialog_parent();
  // Reports are written by the program itself: what they need is a template
  // that opens.
  const QString problem = ChartReportTemplateProblem(ChartReportTemplatePath(workbench_.units(), PolishTicked()));
  if (!problem.isEmpty()) {
    Messages::Info(parent, kInfo, "Excel is not insalled\n\n" + problem);
    return false;
  }
  return ReportWindow()->Ask(kChartReportKind);
}

bool ChartOutput::WriteReport(const QString& title, const QString& investor, const QString& designer) {
  QWidget* parent = workbench_.dialog_parent();
  ChartReportRequest request;
  request.project = &workbench_.project();
  request.units = workbench_.units();
  request.polish = PolishTicked();
  request.title = title;
  request.investor = investor;
  request.designer = designer;
  request.now = QDateTime::currentDateTime();
  request.picture = ChartPicture(true);
  request.report_folder = QDir::tempPath();
  const ChartReportOutcome outcome = WriteChartReportFile(request);
  if (!outcome.written) {
    Messages::Warning(parent, kInfo, outcome.message);
    return false;
  }
  if (!OpenExternally(QUrl::fromLocalFile(outcome.report_path))) {
    Messages::Info(parent, kInfo, "The report has been written to the file " +
                                      QDir::toNativeSeparators(outcome.report_path) +
                                      ". No application to open it was found.");
  }
  return true;
}

}  // namespace orvanta
