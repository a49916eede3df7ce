// The fittings palette "KSZTAŁTKI" (TForm16): 24 picture buttons, round
// elements above, rectangular ones below. A click chooses the kind.
#pragma once

#include <QDialog>
#include <optional>
#include <span>

#include "app/caption_map.h"
#include "ductcalc/fitting_catalogue.h"

namespace orvanta {

std::span<const CaptionRow> FittingPaletteCaptionRows();

// The picture of a kind's stem, drawn into a size (an empty, framed square
// when the file is missing or does not render).
QPixmap FittingPicturePixmap(const QString& stem, QSize size, qreal device_pixel_ratio);

class FittingPalette : public QDialog {
  Q_OBJECT
 public:
  explicit FittingPalette(QWidget* parent);
  // Shows the palette modally; the kind clicked, nothing when cancelled.
  std::optional<FittingKind> Choose();

 private:
  std::optional<FittingKind> chosen_;
};

}  // namespace orvanta
