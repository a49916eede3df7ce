// "Sprawdź aktualizację": compares the installed version with the newest one
// named in the file "wersja.txt" beside the link files.
#pragma once

#include <QDialog>

class QLabel;

namespace orvanta {

class UpdateCheckWindow : public QDialog {
  Q_OBJECT
 public:
  explicit UpdateCheckWindow(QWidget* parent = nullptr);
  // Fetches the version file and shows the outcome; returns the text shown.
  QString Check();

 private:
  QLabel* result_;
};

}  // namespace orvanta
