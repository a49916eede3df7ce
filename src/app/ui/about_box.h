// "O programie": name, version, licence and where the program keeps its data.
#pragma once

#include <QDialog>

namespace orvanta {

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
  static QString VersionText();
};

}  // namespace orvanta
