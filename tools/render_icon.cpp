// Renders the program icon (an SVG) to square PNG files of the given sizes:
//   orvanta_render_icon icon.svg out_dir 16 24 32 48 64 128 256
// writes out_dir/<size>/orvanta.png.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s icon.svg out_dir size...\n", argv[0]);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "%s: not a readable SVG picture\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  for (int a = 3; a < argc; ++a) {
    const int size = std::atoi(argv[a]);
    if (size < 1 || size > 4096) {
      std::fprintf(stderr, "%s: not an icon size\n", argv[a]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString dir = QString::number(size);
    if (!out.mkpath(dir) || !image.save(out.filePath(dir + "/orvanta.png"), "PNG")) {
      std::fprintf(stderr, "cannot write %s/%d/orvanta.png\n", argv[2], size);
      return 1;
    }
  }
  return 0;
}
