#include "calculators/ui/acoustic_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "calculators/ui/calc_form.h"
#include "calculators/ui/sound_level_windows.h"
#include "ductcalc/fitting_acoustics.h"

namespace orvanta {

using namespace calculators;

namespace {

constexpr int kVideoLinkLine = 5;
// Every band grid has its row captions in column 0, the bands in 1 … 8 and a
// total in 9; the same widths keep the columns of all groups in line.
constexpr int kCaptionWidth = 270;
constexpr int kBandWidth = 62;

const char* const kPressureFields[kOctaveBands] = {"Edit43", "Edit44", "Edit45", "Edit46",
                                                   "Edit47", "Edit48", "Edit49", "Edit50"};

QGridLayout* BandGrid(QGroupBox* group) {
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(4);
  grid->setColumnMinimumWidth(0, kCaptionWidth);
  for (int c = 1; c <= kOctaveBands + 1; ++c) grid->setColumnMinimumWidth(c, kBandWidth);
  grid->setColumnStretch(kOctaveBands + 2, 1);
  return grid;
}

// The header of a band grid: the frequencies and, when given, the total's head.
void BandHeader(QGridLayout* grid, int row, QLabel* caption, const QString& total = {}) {
  QWidget* parent = grid->parentWidget();
  if (caption) grid->addWidget(caption, row, 0);
  for (int b = 0; b < kOctaveBands; ++b)
    grid->addWidget(new QLabel(QString::number(kOctaveBandHz[b]), parent), row, b + 1, Qt::AlignCenter);
  if (!total.isEmpty()) grid->addWidget(new QLabel(total, parent), row, kOctaveBands + 1, Qt::AlignCenter);
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

void MakeReadOnly(QLineEdit* edit) {
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::ClickFocus);
  edit->setStyleSheet("QLineEdit { background: palette(window); }");
}

}  // namespace

// ---- Pomoc ----

AcousticHelpWindow::AcousticHelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm23");
  setModal(true);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setMinimumSize(640, 300);
  picture_ = new calcui::SvgPicture({"kierunkowosc"}, this);
  picture_->setObjectName("Image1");
  picture_->setMinimumSize(640, 230);
  close_ = new QPushButton(this);
  close_->setObjectName("BitBtn1");
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo_, 1);
  layout->addWidget(picture_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close_);
  layout->addLayout(buttons);
  ShowOwnTexts();
  connect(LanguageEvents::Instance(), &LanguageEvents::languageChanged, this, [this] { ShowOwnTexts(); });
  ShowText();
}

void AcousticHelpWindow::ShowOwnTexts() {
  const bool polish = calcui::PolishTexts();
  setWindowTitle(polish ? "Pomoc" : "Help");
  close_->setText(polish ? "Zamknij" : "Close");
  picture_->Load(polish ? QStringList{"kierunkowosc"} : QStringList{"kierunkowosc_en", "kierunkowosc"});
  QStringList lines;
  for (const std::string& line : AbsorptionHelpLines(polish)) lines << QString::fromStdString(line);
  memo_->setPlainText(lines.join('\n'));
}

void AcousticHelpWindow::ShowText() {
  picture_->hide();
  memo_->show();
  adjustSize();
}

void AcousticHelpWindow::ShowPicture() {
  memo_->hide();
  picture_->show();
  adjustSize();
}

// ---- KALKULATOR AKUSTYCZNY ----

AcousticWindow::AcousticWindow(QWidget* parent) : QDialog(parent) {
  RegisterCaptionRows(AcousticWindowCaptionRows());
  setObjectName("TForm22");
  setWindowTitle("KALKULATOR AKUSTYCZNY");
  setModal(true);
  const char sep = UiDecimalSeparator();
  const RoomNoiseTexts defaults = DefaultRoomNoiseTexts(sep);
  const auto& fields = RoomNoiseFields();
  auto edit = [&](const char* name, QWidget* parent_widget) {
    auto* e = new QLineEdit(parent_widget);
    e->setObjectName(name);
    e->setFixedWidth(kBandWidth);
    edits_[name] = e;
    return e;
  };
  // Text of a field as a fresh window shows it.
  auto default_text = [&](const char* name) {
    for (size_t i = 0; i < fields.size(); ++i)
      if (QLatin1String(fields[i].object_name) == QLatin1String(name)) return QString::fromStdString(defaults[i]);
    return QString();
  };

  // The room.
  auto* room = new QGroupBox(QString::fromUtf8("PARAMETRY OPISUJĄCE POMIESZCZENIE"), this);
  room->setObjectName("GroupBox2");
  auto* room_grid = new QGridLayout(room);
  struct RoomRow {
    const char* label;
    int text;
    const char* own;
    const char* field;
  };
  const RoomRow room_rows[] = {{"Label35", 838, "Długość pomieszczenia L [m]", "Edit52"},
                               {"Label36", 839, "Szerokość pomieszczenia W [m]", "Edit53"},
                               {"Label37", 840, "Wysokość pomieszczenia H [m]", "Edit54"},
                               {"Label41", 841, "Odległość od źródła dźwięku r [m]", "Edit55"},
                               {"Label38", 842, "Współczynnik pochłaniania dźwięku α", "ComboBox1"},
                               {"Label39", 843, "Współczynnik kierunkowości Q", "ComboBox2"}};
  for (int k = 0; k < 6; ++k) {
    const RoomRow& r = room_rows[k];
    QLabel* label = NamedLabel(r.label, QString::fromUtf8(r.own), room);
    row_labels_[r.text] = label;
    room_grid->addWidget(label, k, 0);
    if (k < 4) {
      QLineEdit* e = edit(r.field, room);
      e->setFixedWidth(90);
      e->setText(default_text(r.field));
      room_grid->addWidget(e, k, 1);
    }
  }
  alpha_ = new QComboBox(room);
  alpha_->setObjectName("ComboBox1");
  for (const std::string& item : AbsorptionItems(sep)) alpha_->addItem(QString::fromStdString(item));
  q_ = new QComboBox(room);
  q_->setObjectName("ComboBox2");
  for (const std::string& item : DirectivityItems()) q_->addItem(QString::fromStdString(item));
  for (QComboBox* box : {alpha_, q_}) {
    // Other values may be typed; they are checked by "Oblicz".
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCurrentIndex(0);
    box->setFixedWidth(90);
  }
  room_grid->addWidget(alpha_, 4, 1);
  room_grid->addWidget(q_, 5, 1);
  help_ = new AcousticHelpWindow(this);
  for (auto [name, row] : {std::pair{"Button3", 4}, std::pair{"Button4", 5}}) {
    auto* ask = new QPushButton("?", room);
    ask->setObjectName(name);
    ask->setFixedWidth(28);
    room_grid->addWidget(ask, row, 2);
    connect(ask, &QPushButton::clicked, this, [this, row] {
      if (row == 4)
        help_->ShowText();
      else
        help_->ShowPicture();
      help_->exec();
    });
  }
  room_grid->setColumnStretch(3, 1);

  // The source.
  auto* source = new QGroupBox(QString::fromUtf8("PARAMETRY OPISUJĄCE ŹRÓDŁO HAŁASU"), this);
  source->setObjectName("GroupBox3");
  QGridLayout* source_grid = BandGrid(source);
  BandHeader(source_grid, 0, NamedLabel("Label1", QString::fromUtf8("Częstotliwość [Hz]"), source), "Σ");
  lw_ = new QRadioButton(QString::fromUtf8("Poziom mocy akustycznej Lw, [dB]"), source);
  lw_->setObjectName("RadioButton1");
  lwa_ = new QRadioButton(QString::fromUtf8("Poziom mocy akustycznej Lwa, [dB(A)]"), source);
  lwa_->setObjectName("RadioButton2");
  auto* weighting = new QButtonGroup(this);
  weighting->addButton(lw_);
  weighting->addButton(lwa_);
  lw_->setChecked(true);
  auto* radios = new QVBoxLayout;
  radios->addWidget(lw_);
  radios->addWidget(lwa_);
  source_grid->addLayout(radios, 1, 0);
  for (int b = 0; b < kOctaveBands; ++b) {
    const char* name = fields[6 + b].object_name;
    edit(name, source)->setText(default_text(name));
    source_grid->addWidget(edits_[name], 1, b + 1);
  }
  MakeReadOnly(edit("Edit9", source));
  source_grid->addWidget(edits_["Edit9"], 1, kOctaveBands + 1);

  // Silencer and ducts, then the terminal: rows of band fields.
  auto band_row = [&](QGridLayout* grid, int row, int first_field, QLabel* label) {
    grid->addWidget(label, row, 0);
    for (int b = 0; b < kOctaveBands; ++b) {
      const char* name = fields[first_field + b].object_name;
      edit(name, grid->parentWidget())->setText(default_text(name));
      grid->addWidget(edits_[name], row, b + 1);
    }
  };
  auto* elements = new QGroupBox(QString::fromUtf8("PARAMETRY OPISUJĄCE ELEMENTY TŁUMIĄCE"), this);
  elements->setObjectName("GroupBox4");
  QGridLayout* element_grid = BandGrid(elements);
  BandHeader(element_grid, 0, NamedLabel("Label52", QString::fromUtf8("Częstotliwość [Hz]"), elements));
  const RoomRow element_rows[] = {{"Label11", 849, "tłumiennosc tłumika [dB]", nullptr},
                                  {"Label21", 850, "szumy tłumika [dB]", nullptr},
                                  {"Label22", 851, "tłumiennosc kanałów [dB]", nullptr},
                                  {"Label23", 852, "szumy kanałów [dB]", nullptr}};
  for (int k = 0; k < 4; ++k) {
    QLabel* label = NamedLabel(element_rows[k].label, QString::fromUtf8(element_rows[k].own), elements);
    row_labels_[element_rows[k].text] = label;
    band_row(element_grid, k + 1, 6 + (k + 1) * kOctaveBands, label);
  }
  auto* terminal = new QGroupBox(QString::fromUtf8("POZIOM MOCY AKUSTYCZNEJ NAWIEWNIKA/WYWIEWNIKA"), this);
  terminal->setObjectName("GroupBox6");
  QGridLayout* terminal_grid = BandGrid(terminal);
  terminal_label_ = NamedLabel("Label62", "Sound power lewel [dB(A)]", terminal);
  band_row(terminal_grid, 0, 6 + 5 * kOctaveBands, terminal_label_);

  // Results.
  auto* results = new QGroupBox("WYNIKI", this);
  results->setObjectName("GroupBox5");
  QGridLayout* result_grid = BandGrid(results);
  BandHeader(result_grid, 0, nullptr, "Σ");
  result_grid->addWidget(NamedLabel("Label20", "Lw(A) [dB(A)]", results), 1, 0);
  result_grid->addWidget(NamedLabel("Label63", "Lp(A)=f(r)", results), 2, 0);
  for (int b = 0; b <= kOctaveBands; ++b) {
    QLineEdit* power = edit(b < kOctaveBands ? kRoomPowerFields[b] : "Edit42", results);
    QLineEdit* pressure = edit(b < kOctaveBands ? kPressureFields[b] : "Edit51", results);
    MakeReadOnly(power);
    MakeReadOnly(pressure);
    result_grid->addWidget(power, 1, b + 1);
    result_grid->addWidget(pressure, 2, b + 1);
  }

  // Commands.
  sum_ = new SoundSumWindow(this);
  distance_ = new LevelAtDistanceWindow(this);
  auto* compute = new QPushButton("Oblicz", this);
  compute->setObjectName("Button5");
  compute->setDefault(true);
  auto* sum = new QPushButton(QString::fromUtf8("Sumowanie źródeł dzwięku"), this);
  sum->setObjectName("Button1");
  auto* at_distance = new QPushButton(QString::fromUtf8("Poziom hałasu w odległosci"), this);
  at_distance->setObjectName("Button2");
  QPushButton* guide = MakeHelpLinkButton(this, "SpeedButton2", "Instrukcja", HelpLinkPair::Videos, kVideoLinkLine);
  auto* close = new QPushButton("Zamknij", this);
  close->setObjectName("BitBtn1");
  connect(compute, &QPushButton::clicked, this, [this] { Compute(); });
  connect(sum, &QPushButton::clicked, sum_, [this] { sum_->exec(); });
  connect(at_distance, &QPushButton::clicked, distance_, [this] { distance_->exec(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(compute);
  buttons->addWidget(sum);
  buttons->addWidget(at_distance);
  buttons->addWidget(guide);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(room);
  layout->addWidget(source);
  layout->addWidget(elements);
  layout->addWidget(terminal);
  layout->addWidget(results);
  layout->addLayout(buttons);
  ApplyLanguageTexts(this);
}

void AcousticWindow::ClearResults() {
  edits_["Edit9"]->clear();
  for (int b = 0; b < kOctaveBands; ++b) {
    edits_[kRoomPowerFields[b]]->clear();
    edits_[kPressureFields[b]]->clear();
  }
  edits_["Edit42"]->clear();
  edits_["Edit51"]->clear();
}

QString AcousticWindow::FieldLabel(const AcousticField& field) const {
  if (field.label_text == 0) return terminal_label_->text();
  const auto it = row_labels_.find(field.label_text);
  if (it != row_labels_.end()) return it->second->text();
  // The source row is labelled by the weighting chosen.
  return (lw_->isChecked() ? lw_ : lwa_)->text();
}

bool AcousticWindow::Compute() {
  const char sep = UiDecimalSeparator();
  RoomNoiseTexts texts;
  for (const AcousticField& f : RoomNoiseFields()) {
    const QString name = QLatin1String(f.object_name);
    const QString text = name == "ComboBox1"   ? alpha_->currentText()
                         : name == "ComboBox2" ? q_->currentText()
                                               : edits_.at(f.object_name)->text();
    texts.push_back(text.toStdString());
  }
  const RoomNoiseReading reading = ReadRoomNoiseFields(
      texts, lw_->isChecked() ? SourceWeighting::kLw : SourceWeighting::kLwA, previous_, sep);
  previous_ = reading.input;
  if (reading.fault) {
    const int hz = reading.fault->band >= 0 ? kOctaveBandHz[reading.fault->band] : 0;
    Messages::Warning(this, calcui::kInfoCaption,
                      calcui::FailureText(NotANumberFailure(FieldLabel(*reading.fault).toStdString(), hz)));
    return false;
  }
  const CalcResult<RoomNoiseResult> result = ComputeRoomNoise(reading.input);
  if (!result.ok()) {
    ClearResults();
    Messages::Warning(this, calcui::kInfoCaption, calcui::FailureText(result.failure()));
    return false;
  }
  const RoomNoiseShown shown = RoomNoiseShownTexts(result.value(), sep);
  edits_["Edit9"]->setText(calcui::Shown(shown.source_total));
  for (int b = 0; b < kOctaveBands; ++b) {
    edits_[kRoomPowerFields[b]]->setText(calcui::Shown(shown.room_power[b]));
    edits_[kPressureFields[b]]->setText(calcui::Shown(shown.room_pressure[b]));
  }
  edits_["Edit42"]->setText(calcui::Shown(shown.room_power_total));
  edits_["Edit51"]->setText(calcui::Shown(shown.room_pressure_total));
  return true;
}

void AcousticWindow::Fill(const AcousticTransfer& transfer) {
  const AcousticTransferFields fields = AcousticTransferFieldTexts(transfer, UiDecimalSeparator());
  for (const AcousticFieldText& f : fields.fields)
    if (const auto it = edits_.find(f.object_name); it != edits_.end()) it->second->setText(QString::fromStdString(f.text));
  if (fields.radio == "RadioButton1") lw_->setChecked(true);
  if (fields.radio == "RadioButton2") lwa_->setChecked(true);
  // Results of the earlier inputs would read as those of the run.
  ClearResults();
}

}  // namespace orvanta
