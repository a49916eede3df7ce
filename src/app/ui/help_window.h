// "Pomoc": the short built-in guide; the full manual (Opis.pdf) opens in the
// desktop's PDF viewer when it is delivered.
#pragma once

#include <QDialog>

namespace orvanta {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // The manual: "Opis.pdf" in the current folder, else in the data folder; empty when absent.
  static QString ManualPath();
};

}  // namespace orvanta
