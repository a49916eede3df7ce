// Contact sheet of the pictures for looking at them: every SVG of a folder
// drawn with the program's own SVG renderer at the fitting window's size, with
// its name, and optionally one picture at 3x to check that it stays crisp.
//
//   g++ -std=c++20 -fPIC contact_sheet.cpp $(pkg-config --cflags --libs Qt6Svg Qt6Gui) -o contact_sheet
//   QT_QPA_PLATFORM=offscreen ./contact_sheet data/calc /tmp/pictures.png
#include <QDir>
#include <algorithm>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: contact_sheet DIR OUT.png [SCALE]\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const double scale = argc > 3 ? QString::fromLocal8Bit(argv[3]).toDouble() : 1.0;
  const QStringList files = dir.entryList({"*.svg"}, QDir::Files, QDir::Name);
  const int cell_w = int(310 * scale), cell_h = int(230 * scale), columns = 4;
  const int rows = (int(files.size()) + columns - 1) / columns;
  QImage sheet(columns * cell_w, std::max(rows, 1) * cell_h, QImage::Format_RGB32);
  sheet.fill(QColor(0xb0, 0xb0, 0xb0));
  QPainter painter(&sheet);
  for (int i = 0; i < files.size(); ++i) {
    QSvgRenderer renderer(dir.filePath(files[i]));
    const QRectF box = renderer.viewBoxF();
    const double k = std::min(300.0 / box.width(), 200.0 / box.height()) * scale;
    const QRectF target((i % columns) * cell_w + 5 * scale, (i / columns) * cell_h + 5 * scale,
                        box.width() * k, box.height() * k);
    painter.fillRect(target, Qt::white);
    if (!renderer.isValid()) std::fprintf(stderr, "%s: not valid\n", qPrintable(files[i]));
    renderer.render(&painter, target);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(target.left(), (i / columns) * cell_h + cell_h - 8 * scale), files[i]);
  }
  painter.end();
  return sheet.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
