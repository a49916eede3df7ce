#include "ductcalc/ui/fitting_palette.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/language.h"
#include "ductcalc/ui/duct_run.h"

namespace orvanta {

QPixmap FittingPicturePixmap(const QString& stem, QSize size, qreal dpr) {
  QPixmap pixmap(size * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  const QString path = DataPath("calc/" + stem + ".svg");
  QSvgRenderer renderer;
  if (QFile::exists(path) && renderer.load(path) && renderer.isValid()) {
    QSizeF s = renderer.defaultSize();
    if (s.isEmpty()) s = size;
    s.scale(QSizeF(size), Qt::KeepAspectRatio);
    const QRectF target((size.width() - s.width()) / 2, (size.height() - s.height()) / 2, s.width(), s.height());
    renderer.render(&painter, target);
  } else {
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
  }
  return pixmap;
}

FittingPalette::FittingPalette(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(FittingPaletteCaptionRows());
  setObjectName("TForm16");
  setWindowTitle("KSZTAŁTKI");
  auto* box = new QGroupBox("Wybierz kształtkę", this);
  box->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(box);
  grid->setSpacing(4);
  const QSize icon(64, 64);
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 12; ++col) {
      const FittingKind kind = kPaletteRows[row][col];
      const FittingKindInfo& info = KindInfo(kind);
      auto* button = new QToolButton(box);
      button->setObjectName(info.button);
      button->setToolTip(DuctText(info.name_text, info.name));
      button->setIconSize(icon);
      button->setIcon(QIcon(FittingPicturePixmap(info.picture, icon, devicePixelRatioF())));
      button->setAutoRaise(false);
      connect(button, &QToolButton::clicked, this, [this, kind] {
        chosen_ = kind;
        accept();
      });
      grid->addWidget(button, row, col);
    }
  }
  auto* choose = new QPushButton("WYBIERZ", this);
  choose->setObjectName("BitBtn1");
  choose->setEnabled(false);  // a kind is chosen by its button
  auto* cancel = new QPushButton("ANULUJ", this);
  cancel->setObjectName("BitBtn2");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(choose);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addLayout(buttons);
  ApplyLanguageTexts(this);
}

std::optional<FittingKind> FittingPalette::Choose() {
  chosen_.reset();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return chosen_;
}

}  // namespace orvanta
