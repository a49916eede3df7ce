#include "app/ui/chart_settings_window.h"

#include <QCheckBox>
#include <QColor>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/ui_texts.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

constexpr int kCustomRole = Qt::UserRole + 1;

QIcon Swatch(Rgb c) {
  QPixmap p(16, 12);
  p.fill(QColor(c.r, c.g, c.b));
  return QIcon(p);
}

unsigned PackRgb(Rgb c) { return BgrFromRgb(c); }

const char* const kCheckCaptions[19] = {
    "RYSUJ IZOLINIĘ WILGOTNOŚCI",
    "RYSUJ IZOLINIĘ GĘSTOŚCI",
    "RYSUJ IZENTALPY",
    "POKAŻ LOGO",
    "POKAŻ LEGENDĘ",
    "POKAŻ OKNO DEFINICJI PUNKTÓW",
    "POKAŻ OKNO BIEŻĄCYCH PARAMETRÓW POW.",
    "RYSUJ GROTY PRZEMIAN POWIETRZA",
    "t",
    "X",
    "F",
    "i",
    "r",
    "POKAŻ PASEK KALKULATORÓW",
    "POKAŻ PASEK BILANSU CIEPLNO-WILG.",
    "POKAŻ PRZY STARCIE OKNO \"CO NOWEGO\"",
    "POKAZUJ NA WYKRESIE LISTĘ PRZEMIAN",
    "POKAŻ PASEK POLA KOMFORTU",
    "Skalowanie wysokiej rozdzielczości DPI Win 8.1, 10",
};

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

QGroupBox* NamedGroup(const char* name, const QString& title, QWidget* parent) {
  auto* g = new QGroupBox(title, parent);
  g->setObjectName(QString::fromLatin1(name));
  return g;
}

}  // namespace

// ---- ColorBox ---------------------------------------------------------------

ColorBox::ColorBox(QWidget* parent) : QComboBox(parent) {
  for (const NamedColor& c : StandardColors())
    addItem(Swatch(RgbFromBgr(c.bgr)), QString::fromLatin1(c.name + 2), static_cast<unsigned>(c.bgr));  // "Red"
  addItem(QStringLiteral("…"), QVariant());  // another colour from the colour dialog
  setItemData(count() - 1, true, kCustomRole);
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (!itemData(index, kCustomRole).toBool()) return;
    const Rgb old = Color();
    const QColor chosen = QColorDialog::getColor(QColor(old.r, old.g, old.b), this);
    SetColor(chosen.isValid() ? Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                                    static_cast<std::uint8_t>(chosen.blue())}
                              : old);
  });
}

Rgb ColorBox::Color() const {
  const QVariant v = currentData();
  if (!v.isValid()) return colors::kBlack;
  return RgbFromBgr(v.toUInt());
}

void ColorBox::SetColor(Rgb c) {
  int index = findData(PackRgb(c));
  if (index < 0) {
    // A colour without a name goes before the "…" entry.
    index = count() - 1;
    insertItem(index, Swatch(c), QString::fromStdString(ColorToName(c)), PackRgb(c));
  }
  setCurrentIndex(index);
}

// ---- UpDownBox --------------------------------------------------------------

UpDownBox::UpDownBox(const QString& name, const QString& edit_name, QWidget* parent) : QSpinBox(parent) {
  setObjectName(name);
  lineEdit()->setObjectName(edit_name);
  lineEdit()->setReadOnly(true);
  setSingleStep(kRangeStep);
}

// ---- ChartSettingsWindow ----------------------------------------------------

ChartSettingsWindow::ChartSettingsWindow(AppSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("TForm26"));
  RegisterCaptionRows(ChartSettingsWindowCaptionRows());
  setWindowTitle(QStringLiteral("USTAWIENIA WYKREU"));
  setModal(true);

  // Pressure and ranges.
  auto* range_group = NamedGroup("GroupBox3", QStringLiteral("ZAKRES WYKRESU"), this);
  pressure_edit_ = new QLineEdit(QStringLiteral("101300"), range_group);
  pressure_edit_->setObjectName(QStringLiteral("Edit1"));
  torg_down_ = new UpDownBox(QStringLiteral("UpDown1"), QStringLiteral("Edit3"), range_group);
  torg_down_->setRange(kTorgDownMin, kTorgDownSettingsMax);
  torg_down_->setToolTip(QStringLiteral("MINIMUM -40 ST. CELSJUSZA"));
  torg_up_ = new UpDownBox(QStringLiteral("UpDown2"), QStringLiteral("Edit4"), range_group);
  torg_up_->setRange(kTorgUpMin, kTorgUpMax);
  torg_up_->setToolTip(QStringLiteral("MAKSIMUM +80 ST. CELSJUSZA"));
  xorg_ = new UpDownBox(QStringLiteral("UpDown3"), QStringLiteral("Edit5"), range_group);
  xorg_->setRange(kXorgMin, kXorgMax);
  xorg_->setToolTip(QStringLiteral("MAKSIMUM 100 g/kg"));
  auto* range_grid = new QGridLayout(range_group);
  range_grid->addWidget(NamedLabel("Label1", QStringLiteral("CIŚNIENIE BAROMETRYCZNE [Pa]"), range_group), 0, 0);
  range_grid->addWidget(pressure_edit_, 0, 1);
  range_grid->addWidget(NamedLabel("Label3", QStringLiteral("TEMPERATURA MINIMALNA [°C]"), range_group), 1, 0);
  range_grid->addWidget(torg_down_, 1, 1);
  range_grid->addWidget(NamedLabel("Label5", QStringLiteral("TEMPERATURA MAKSYMALNA [°C]"), range_group), 2, 0);
  range_grid->addWidget(torg_up_, 2, 1);
  range_grid->addWidget(NamedLabel("Label4", QStringLiteral("MAKS. ZAWARTOŚĆ WILGOCI [g/kg]"), range_group), 3, 0);
  range_grid->addWidget(xorg_, 3, 1);

  for (int i = 0; i < 19; ++i) {
    check_[static_cast<size_t>(i)] = new QCheckBox(QString::fromUtf8(kCheckCaptions[i]), this);
    check_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
  }
  auto check = [this](int n) { return check_[static_cast<size_t>(n - 1)]; };
  check(19)->setToolTip(QString::fromUtf8("Wysokość okna definicji punktu dla ekranów o dużej rozdzielczości"));
  // Stored but not offered (no high-DPI switch is needed here). The start-up
  // news box is offered: it is the only way to have the news shown again.
  check(19)->setVisible(false);

  auto* isolines = NamedGroup("GroupBox1", QStringLiteral("IZOLINIE"), this);
  auto* isolines_layout = new QVBoxLayout(isolines);
  for (int n : {1, 2, 3}) isolines_layout->addWidget(check(n));

  auto* view = NamedGroup("GroupBox2", QStringLiteral("WIDOK"), this);
  auto* view_layout = new QVBoxLayout(view);
  auto* logo_row = new QHBoxLayout;
  logo_row->addWidget(check(4));
  auto* load_logo = new QPushButton(QStringLiteral("WCZYTAJ"), view);
  load_logo->setObjectName(QStringLiteral("Button1"));
  logo_row->addWidget(load_logo);
  logo_row->addStretch();
  view_layout->addLayout(logo_row);
  for (int n : {5, 6, 7, 8, 14, 15, 18, 17, 16, 19}) view_layout->addWidget(check(n));

  auto* label_parts = NamedGroup("GroupBox5", QStringLiteral("PRZY NAZWIE PUNKTU RYSUJ"), this);
  auto* parts_layout = new QHBoxLayout(label_parts);
  for (int n : {9, 10, 11, 12, 13}) parts_layout->addWidget(check(n));

  // Default label position with its preview.
  auto* position = NamedGroup("GroupBox4", QStringLiteral("DOMYŚLNE POŁOŻENIE OPISU PUNKTU"), this);
  const char* const radio_captions[4] = {"DÓŁ", "PRAWA", "GÓRA", "LEWA"};
  auto* position_layout = new QHBoxLayout(position);
  auto* radios = new QVBoxLayout;
  for (int i = 0; i < 4; ++i) {
    radio_[static_cast<size_t>(i)] = new QRadioButton(QString::fromUtf8(radio_captions[i]), position);
    radio_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
    radios->addWidget(radio_[static_cast<size_t>(i)]);
    connect(radio_[static_cast<size_t>(i)], &QRadioButton::toggled, this, &ChartSettingsWindow::MoveLabelPreview);
  }
  position_layout->addLayout(radios);
  auto* preview_area = new QWidget(position);
  preview_area->setObjectName(QStringLiteral("PreviewArea"));
  preview_area->setFixedSize(90, 70);
  marker_ = NamedLabel("LabelMarker", QStringLiteral("o"), preview_area);
  marker_->move(40, 26);
  preview_ = NamedLabel("LabelPreview", QStringLiteral("P1"), preview_area);
  position_layout->addWidget(preview_area);

  // Colours and label font.
  auto* appearance = NamedGroup("GroupBox6", QStringLiteral("KOLORY I CZCIONKA"), this);
  auto* appearance_grid = new QGridLayout(appearance);
  const std::pair<const char*, const char*> color_labels[6] = {
      {"Label13", "IZOLINIE WILGOTNOŚCI"}, {"Label14", "IZOLINIE GĘSTOŚCI"}, {"Label15", "IZENTALPY"},
      {"Label17", "PUNKTY"},               {"Label18", "PRZEMIANY"},          {"Label19", "WSPÓŁCZYNNIKI KIERUNKOWE"},
  };
  for (int i = 0; i < 6; ++i) {
    color_[static_cast<size_t>(i)] = new ColorBox(appearance);
    color_[static_cast<size_t>(i)]->setObjectName(QStringLiteral("ColorBox%1").arg(i + 1));
    appearance_grid->addWidget(NamedLabel(color_labels[i].first, QString::fromUtf8(color_labels[i].second), appearance),
                               i, 0);
    appearance_grid->addWidget(color_[static_cast<size_t>(i)], i, 1);
  }
  font_edit_ = new QLineEdit(QStringLiteral("15"), appearance);
  font_edit_->setObjectName(QStringLiteral("Edit2"));
  font_edit_->setValidator(new QIntValidator(1, 200, font_edit_));
  appearance_grid->addWidget(NamedLabel("Label16", QStringLiteral("WYSOKOŚĆ CZCIONKI OPISU PUNKTÓW"), appearance), 6, 0);
  appearance_grid->addWidget(font_edit_, 6, 1);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("BitBtn1"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("ANULUJ"), this);
  cancel_->setObjectName(QStringLiteral("BitBtn2"));

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(range_group);
  left->addWidget(isolines);
  left->addWidget(label_parts);
  left->addWidget(position);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(view);
  right->addWidget(appearance);
  right->addStretch();
  columns->addLayout(left);
  columns->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* root = new QVBoxLayout(this);
  root->addLayout(columns);
  root->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &ChartSettingsWindow::OnOk);
  connect(cancel_, &QPushButton::clicked, this, &ChartSettingsWindow::OnCancel);
  connect(load_logo, &QPushButton::clicked, this, &ChartSettingsWindow::OnChooseLogo);

  LoadControls(settings_);
  ApplyLanguageTexts(this);
}

QString ChartSettingsWindow::PressureText(double pb) const {
  return UiNumberText(static_cast<double>(Rnd(pb)));
}

void ChartSettingsWindow::LoadControls(const AppSettings& s) {
  const ChartSettings& c = s.chart;
  pressure_edit_->setText(PressureText(c.pb));
  torg_down_->setValue(c.range.torg_down);
  torg_up_->setValue(c.range.torg_up);
  xorg_->setValue(c.range.xorg);
  for (size_t i = 0; i < check_.size(); ++i) check_[i]->setChecked(c.*kCheckBoxFlags[i]);
  // Radio buttons may all be off; take them out of the exclusive group to
  // clear them.
  for (size_t i = 0; i < radio_.size(); ++i) radio_[i]->setAutoExclusive(false);
  for (size_t i = 0; i < radio_.size(); ++i) radio_[i]->setChecked(s.label_radio[i]);
  for (size_t i = 0; i < radio_.size(); ++i) radio_[i]->setAutoExclusive(true);
  color_[0]->SetColor(c.humidity_color);
  color_[1]->SetColor(c.density_color);
  color_[2]->SetColor(c.enthalpy_color);
  color_[3]->SetColor(c.point_color);
  color_[4]->SetColor(c.process_color);
  color_[5]->SetColor(c.coefficient_color);
  font_edit_->setText(QString::number(c.label_font_height));
  MoveLabelPreview();
}

void ChartSettingsWindow::ReadControls(AppSettings& s) const {
  ChartSettings& c = s.chart;
  c.range.torg_down = torg_down_->value();
  c.range.torg_up = torg_up_->value();
  c.range.xorg = xorg_->value();
  for (size_t i = 0; i < check_.size(); ++i) c.*kCheckBoxFlags[i] = check_[i]->isChecked();
  int selected = -1;
  for (size_t i = 0; i < radio_.size(); ++i)
    if (radio_[i]->isChecked()) selected = static_cast<int>(i);
  if (selected >= 0) {
    SelectLabelRadio(s, selected);
  } else {
    s.label_radio = {false, false, false, false};
    c.default_label = LabelPosition::None;
  }
  c.humidity_color = color_[0]->Color();
  c.density_color = color_[1]->Color();
  c.enthalpy_color = color_[2]->Color();
  c.point_color = color_[3]->Color();
  c.process_color = color_[4]->Color();
  c.coefficient_color = color_[5]->Color();
  bool ok = false;
  const int font = font_edit_->text().toInt(&ok);
  if (ok && font >= 1 && font <= 200) c.label_font_height = font;
}

void ChartSettingsWindow::Remember() {
  remembered_ = settings_;
  ReadControls(remembered_);
  remembered_pressure_ = pressure_edit_->text();
}

void ChartSettingsWindow::showEvent(QShowEvent* event) {
  // The main window changes ranges and pressure outside this window; show
  // what the chart uses now, and remember it for "ANULUJ".
  LoadControls(settings_);
  Remember();
  QDialog::showEvent(event);
}

// Nothing is applied until every typed value is within its limits; a
// refused value is named with its limits and stays selected for correction.
void ChartSettingsWindow::OnOk() {
  const auto refuse = [this](QLineEdit* field, const QString& text) {
    Messages::Info(this, QStringLiteral("ORVANTA"), text);
    field->setFocus();
    field->selectAll();
  };
  const auto pb = ParseTypedNumber(pressure_edit_->text());
  if (!pb || *pb < kMinPressure || *pb > kMaxPressure) {
    // Language text 945 names the limits itself.
    refuse(pressure_edit_, TextOr(945, UiText(UiTextId::OutOfLimits)
                                           .arg(UiNumberText(kMinPressure), UiNumberText(kMaxPressure))));
    return;
  }
  bool font_ok = false;
  const int font = font_edit_->text().trimmed().toInt(&font_ok);
  if (!font_ok || font < 1 || font > 200) {
    refuse(font_edit_, UiText(UiTextId::OutOfLimits).arg(1).arg(200));
    return;
  }
  ReadControls(settings_);
  settings_.chart.pb = *pb;
  accept();
  emit settingsAccepted(*pb);
}

void ChartSettingsWindow::OnCancel() {
  LoadControls(remembered_);
  pressure_edit_->setText(remembered_pressure_);
  reject();
}

void ChartSettingsWindow::OnChooseLogo() {
  QString path;
  if (logo_chooser_) {
    path = logo_chooser_();
  } else {
    QFileDialog dialog(this, QString(), QDir::currentPath(), QStringLiteral("Pliki jpg (*.jpg)"));
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(QStringLiteral("*.jpg"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) path = dialog.selectedFiles().first();
  }
  if (!path.isEmpty()) emit logoChosen(path);
}

void ChartSettingsWindow::MoveLabelPreview() {
  const QPoint o = marker_->pos();
  QPoint p = o + QPoint(16, 3);  // right
  if (radio_[0]->isChecked()) p = o + QPoint(0, 22);
  if (radio_[2]->isChecked()) p = o + QPoint(0, -13);
  if (radio_[3]->isChecked()) p = o + QPoint(-18, 3);
  preview_->move(p);
}

}  // namespace orvanta
