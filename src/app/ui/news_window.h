// "CO NOWEGO": what changed in this version, shown at start-up while the
// stored switch CB16 asks for it.
#pragma once

#include <QDialog>

class QCheckBox;

namespace orvanta {

class NewsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit NewsWindow(QWidget* parent = nullptr);
  void SetShowAtStart(bool show);
  bool show_at_start() const;

  // Whether a start-up news window may be shown at all: not on the offscreen
  // or minimal platforms and not when ORVANTA_NO_NEWS is set (automated runs).
  static bool StartupNewsAllowed();

 private:
  QCheckBox* show_at_start_;
};

}  // namespace orvanta
