#include "app/ui/kit/window_picture.h"

#include <QDir>
#include <QHash>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"

#include <QSaveFile>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace orvanta {

namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// The library's default handler ends the process; come back here instead.
void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

}  // namespace

QByteArray EncodeJpeg(const QImage& image, QString* error) {
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
    SetError(error, "empty picture");
    return {};
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  // Volatile so that the values survive the long jump.
  volatile bool created = false;
  if (setjmp(err.jump)) {
    if (created) jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    SetError(error, QString::fromLocal8Bit(err.message));
    return {};
  }
  jpeg_create_compress(&cinfo);
  created = true;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);  // baseline: no progressive mode is requested
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  std::free(buffer);
  return bytes;
}

bool SaveJpeg(const QImage& image, const QString& path, QString* error) {
  const QByteArray bytes = EncodeJpeg(image, error);
  if (bytes.isEmpty()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    SetError(error, file.errorString());
    return false;
  }
  return true;
}

QImage GrabWindow(QWidget* window) {
  if (!window) return {};
  return window->grab().toImage();
}

bool SaveWindowPicture(QWidget* window, const QString& path, QString* error) {
  const QImage image = GrabWindow(window);
  if (image.isNull()) {
    if (error) *error = QStringLiteral("The window has no picture.");
    return false;
  }
  return SaveJpeg(image, path, error);
}

bool OfferPicture(QWidget* parent, const QImage& picture, const QString& path) {
  const QString caption = QStringLiteral("ORVANTA INFO");
  QString error;
  if (!SaveJpeg(picture, path, &error)) {
    Messages::Warning(parent, caption, "The picture could not be saved to " + QDir::toNativeSeparators(path) +
                                           ":\n" + error);
    return false;
  }
  MessageRequest ask;
  ask.caption = caption;
  ask.text = Text(1193) + QDir::toNativeSeparators(path) + Text(1194);
  ask.icon = QMessageBox::Question;
  ask.buttons = QMessageBox::Ok | QMessageBox::Cancel;
  ask.default_button = QMessageBox::Ok;
  if (Messages::Show(parent, ask) != QMessageBox::Ok) return true;
  if (!OpenExternally(QUrl::fromLocalFile(path)))
    Messages::Info(parent, caption, "No application to open pictures was found. The picture is in the file " +
                                        QDir::toNativeSeparators(path) + ".");
  return true;
}

bool OfferWindowPicture(QWidget* window, const QString& prefix) {
  static QHash<QString, int> counters;
  const int n = ++counters[prefix];
  const QString path = QDir(QDir::tempPath()).filePath(prefix + QString::number(n) + ".jpg");
  return OfferPicture(window, GrabWindow(window), path);
}

bool SaveAndOpenWindowPicture(QWidget* window, const QString& path) {
  QString error;
  if (!SaveWindowPicture(window, path, &error)) {
    Messages::Info(window, QStringLiteral("ORVANTA INFO"), error);
    return false;
  }
  OpenExternally(QUrl::fromLocalFile(path));
  return true;
}

}  // namespace orvanta
