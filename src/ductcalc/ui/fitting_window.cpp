#include "ductcalc/ui/fitting_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/kit/fit_to_screen.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "ductcalc/fitting_acoustics.h"
#include "ductcalc/fitting_mass.h"
#include "ductcalc/section_losses.h"
#include "ductcalc/ui/duct_run.h"
#include "ductcalc/ui/fitting_palette.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

QString Utf(const char* s) { return QString::fromUtf8(s); }
std::string Std(const QString& s) { return s.toStdString(); }

const char* const kInfoCaption = "ORVANTA info";

}  // namespace

FittingWindow::FittingWindow(DuctRun& run, QWidget* parent) : QDialog(parent), run_(run) {
  RegisterCaptionRows(FittingWindowCaptionRows());
  setObjectName("TForm17");
  BuildControls();
  ApplyLanguageTexts(this);
}

char FittingWindow::Sep() const { return UiDecimalSeparator(); }

QComboBox* FittingWindow::SizeCombo(const char* name, bool main_list) {
  auto* c = new QComboBox(this);
  c->setObjectName(name);
  c->setEditable(true);
  for (const char* s : main_list ? std::span<const char* const>(kMainSizeList) : std::span<const char* const>(kSecondSizeList))
    c->addItem(s);
  return c;
}

void FittingWindow::BuildControls() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(3);
  int row = 0;
  auto label = [this](const char* name, const char* text) {
    auto* l = new QLabel(Utf(text), this);
    l->setObjectName(name);
    return l;
  };
  auto line = [this](const char* name, const char* text = "0") {
    auto* e = new QLineEdit(Utf(text), this);
    e->setObjectName(name);
    return e;
  };
  // A row of the input grid; optional rows are remembered under their input.
  auto add = [&](QWidget* l, QWidget* field, std::uint32_t input = 0, QWidget* extra = nullptr) {
    grid->addWidget(l, row, 0);
    grid->addWidget(field, row, 1);
    if (extra) grid->addWidget(extra, row, 2);
    if (input) optional_rows_[input] = {l, field};
    if (input && extra) optional_rows_[input].append(extra);
    ++row;
  };
  auto symbol_label = [&](const char* name, const char* word, const char* symbol) {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(label(name, word));
    h->addWidget(new QLabel(Utf(symbol), w));
    h->addStretch();
    return w;
  };

  name_edit_ = line("Edit4", "");
  add(label("Label6", "NAZWA"), name_edit_);
  type_edit_ = line("Edit5", "");
  add(label("Label7", "TYP"), type_edit_);
  length_edit_ = line("Edit1");
  default_length_box_ = new QCheckBox(Utf("Domyslna długosc"), this);
  default_length_box_->setObjectName("CheckBox1");
  default_length_box_->setChecked(true);
  add(label("Label1", "Długosc (L)   [mm]"), length_edit_, kInputLength, default_length_box_);
  diameter1_combo_ = SizeCombo("ComboBox1", true);
  add(symbol_label("Label22", "Wymiar", "φ1 [mm]"), diameter1_combo_, kInputDiameter1);
  diameter2_combo_ = SizeCombo("ComboBox2", false);
  add(symbol_label("Label24", "Wymiar", "φ2 [mm]"), diameter2_combo_, kInputDiameter2);
  side_a_combo_ = SizeCombo("ComboBox8", true);
  add(label("Label33", "Wymiar (A)        [mm]"), side_a_combo_, kInputSideA);
  side_b_combo_ = SizeCombo("ComboBox9", false);
  add(label("Label32", "Wymiar (B)        [mm]"), side_b_combo_, kInputSideB);
  side_c_combo_ = SizeCombo("ComboBox4", false);
  add(label("Label11", "Wymiar (C)        [mm]"), side_c_combo_, kInputSideC);
  side_d_combo_ = SizeCombo("ComboBox5", false);
  add(label("Label12", "Wymiar (D)        [mm]"), side_d_combo_, kInputSideD);
  angle_combo_ = new QComboBox(this);
  angle_combo_->setObjectName("ComboBox6");
  angle_combo_->setEditable(true);
  {
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(label("Label13", "Kąt "));
    angle_symbol_label_ = new QLabel(Utf("α [deg]"), w);
    angle_symbol_label_->setObjectName("AngleSymbol");
    h->addWidget(angle_symbol_label_);
    h->addStretch();
    add(w, angle_combo_, kInputAngle);
  }
  ratio_combo_ = new QComboBox(this);
  ratio_combo_->setObjectName("ComboBox7");
  ratio_combo_->setEditable(true);
  add(label("Label20", "Promień \"R/D\" "), ratio_combo_, kInputBendRatio);
  offset_edit_ = line("Edit15");
  offset_edit_->setMaxLength(3);
  add(label("Label10", "Wymiar e           [mm]"), offset_edit_, kInputOffsetE);
  auto list_combo = [this](const char* name, std::initializer_list<const char*> items) {
    auto* c = new QComboBox(this);
    c->setObjectName(name);
    for (const char* s : items) c->addItem(Utf(s));
    return c;
  };
  round_bend_combo_ = list_combo("ComboBox10", {"Kolano gładkie", "Kolano segmentowe (5 segmentów)",
                                                "Kolano segmentowe (4 segmenty)", "Kolano segmentowe (3 segmenty)"});
  add(label("RoundBendLabel", "Wybierz typ kolana"), round_bend_combo_, kInputRoundBendType);
  rect_bend_combo_ = list_combo("ComboBox11", {"ŁUK", "KOLANO"});
  add(label("RectBendLabel", "Wybierz typ kolana"), rect_bend_combo_, kInputRectBendType);
  tee_path_combo_ = list_combo("ComboBox12", {"PRZELOT", "ODGAŁĘŹIENIE"});
  add(label("TeePathLabel", "Wybierz typ trójnika"), tee_path_combo_, kInputTeePath);
  tee_flow_combo_ = list_combo("ComboBox13", {"ROZPŁYW", "ŁĄCZENIE STRUG"});
  add(label("TeeFlowLabel", "Wybierz typ trójnika"), tee_flow_combo_, kInputTeeFlow);
  intake_box_ = new QGroupBox(Utf("Wybierz"), this);
  intake_box_->setObjectName("GroupBox1");
  {
    auto* h = new QHBoxLayout(intake_box_);
    intake_radio_ = new QRadioButton(Utf("Czerpnia"), intake_box_);
    intake_radio_->setObjectName("RadioButton3");
    outlet_radio_ = new QRadioButton(Utf("Wyrzutnia"), intake_box_);
    outlet_radio_->setObjectName("RadioButton4");
    intake_radio_->setChecked(true);
    h->addWidget(intake_radio_);
    h->addWidget(outlet_radio_);
  }
  grid->addWidget(intake_box_, row++, 0, 1, 2);
  optional_rows_[kInputIntakeOutlet] = {intake_box_};

  flow_main_edit_ = line("Edit2");
  add(label("Label2", "Przepływ Vc      [m3/h]"), flow_main_edit_);
  velocity_main_edit_ = line("Edit3", "");
  velocity_main_edit_->setReadOnly(true);
  add(label("Label3", "Prędkosc wc       [m/s]"), velocity_main_edit_);
  flow_branch_edit_ = line("Edit9");
  add(label("Label4", "Przepływ Vb     [m3/h]"), flow_branch_edit_, kInputFlowBranch);
  velocity_branch_edit_ = line("Edit8", "");
  velocity_branch_edit_->setReadOnly(true);
  auto* wb_label = label("Label35", "Prędkosc wb     [m/s]");
  add(wb_label, velocity_branch_edit_);
  optional_rows_[1u << 30] = {wb_label, velocity_branch_edit_};  // second section only

  extra_pressure_radio_ = new QRadioButton(Utf("Dodatkowy opór   [Pa]"), this);
  extra_pressure_radio_->setObjectName("RadioButton1");
  extra_pressure_edit_ = line("Edit7");
  add(extra_pressure_radio_, extra_pressure_edit_);
  extra_zeta_radio_ = new QRadioButton(Utf("Dodatkowe"), this);
  extra_zeta_radio_->setObjectName("RadioButton2");
  extra_zeta_edit_ = line("Edit10");
  add(extra_zeta_radio_, extra_zeta_edit_, 0, new QLabel(Utf("ζ [-]"), this));
  // A group of their own: as plain siblings they would take part in the
  // exclusivity of every radio button below the window.
  auto* extra_choice = new QButtonGroup(this);
  extra_choice->addButton(extra_pressure_radio_);
  extra_choice->addButton(extra_zeta_radio_);
  material_combo_ = new QComboBox(this);
  material_combo_->setObjectName("ComboBox3");
  for (const DuctMaterial& m : kDuctMaterials) material_combo_->addItem(Utf(m.name));
  add(label("Label8", "Materiał przewodu"), material_combo_);
  roughness_edit_ = line("Edit6", "0,15");
  roughness_edit_->setToolTip(Utf("PVC - k=0,007          Blacha ocynkowana - k=0,15       Przewody murowane k=3-5"));
  add(label("Label5", "k="), roughness_edit_, 0, label("Label18", "mm"));
  insulation_combo_ = new QComboBox(this);
  insulation_combo_->setObjectName("ComboBox14");
  for (const InsulationMaterial& m : kInsulationMaterials) insulation_combo_->addItem(Utf(m.name));
  add(label("Label28", "Materiał izolacji"), insulation_combo_);
  wall_edit_ = line("Edit11", "0,63");
  add(label("Label38", "Grubosc scianki przewodu"), wall_edit_, 0, new QLabel("[mm]", this));
  wall_density_edit_ = line("Edit13", "7350");
  add(label("Label39", "Gęstosc scianki przewodu"), wall_density_edit_, 0, new QLabel("[kg/m3]", this));
  insulation_edit_ = line("Edit12");
  add(label("Label40", "Grubosc izolacji przewodu"), insulation_edit_, 0, new QLabel("[mm]", this));
  insulation_density_edit_ = line("Edit14", "37");
  add(label("Label41", "Gęstosc izolacji przewodu"), insulation_density_edit_, 0, new QLabel("[kg/m3]", this));
  mass_edit_ = line("Edit24");
  add(label("Label68", "Weight of the fitting,  m ~ [kg] "), mass_edit_);

  // Octave bands: three rows of eight.
  auto* bands = new QGridLayout;
  bands->setHorizontalSpacing(3);
  bands->addWidget(label("Label59", "Częstotliwość [Hz]"), 0, 0);
  const char* hz[] = {"63", "125", "250", "500", "1000", "2000", "4000", "8000"};
  for (int b = 0; b < kOctaveBands; ++b) bands->addWidget(new QLabel(hz[b], this), 0, b + 1, Qt::AlignCenter);
  row1_label_ = label("Label17", "Tłumienie kształtki  [dB]");
  bands->addWidget(row1_label_, 1, 0);
  bands->addWidget(label("Label50", "Self-noise [dB]"), 2, 0);
  row3_label_ = label("Label49", "Sound power level [dB(A)]");
  bands->addWidget(row3_label_, 3, 0);
  const int first_edit[kOctaveRows] = {16, 25, 33};
  for (int r = 0; r < kOctaveRows; ++r)
    for (int b = 0; b < kOctaveBands; ++b) {
      bands_[r][b] = line(QString("Edit%1").arg(first_edit[r] + b).toUtf8().constData());
      bands_[r][b]->setMaximumWidth(56);
      bands->addWidget(bands_[r][b], r + 1, b + 1);
    }
  row3_widget_ = nullptr;
  fan_db_box_ = new QGroupBox(this);
  fan_db_box_->setObjectName("GroupBox2");
  {
    auto* h = new QHBoxLayout(fan_db_box_);
    db_radio_ = new QRadioButton("dB", fan_db_box_);
    db_radio_->setObjectName("RadioButton5");
    dba_radio_ = new QRadioButton("dB(A)", fan_db_box_);
    dba_radio_->setObjectName("RadioButton6");
    db_radio_->setChecked(true);
    h->addWidget(db_radio_);
    h->addWidget(dba_radio_);
  }
  bands->addWidget(fan_db_box_, 4, 0, 1, 3);

  // The form's second captions of A and R/D (the form shows them where those
  // inputs move for some kinds); here each input keeps one row, so they only
  // hold their texts.
  for (const char* name : {"Label34", "Label21"}) label(name, "")->hide();

  picture_ = new QLabel(this);
  picture_->setObjectName("Image1");
  picture_->setFixedSize(260, 200);
  picture_->setFrameShape(QFrame::Box);
  picture_->setAlignment(Qt::AlignCenter);

  confirm_button_ = new QPushButton(Utf("DODAJ"), this);
  confirm_button_->setObjectName("BitBtn1");
  confirm_button_->setDefault(true);
  auto* cancel = new QPushButton(Utf("ANULUJ"), this);
  cancel->setObjectName("BitBtn2");
  hidden_confirm_button_ = new QPushButton(Utf("DODAJ"), this);
  hidden_confirm_button_->setObjectName("Button1");
  hidden_confirm_button_->hide();
  connect(confirm_button_, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(hidden_confirm_button_, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(cancel, &QPushButton::clicked, this, &FittingWindow::reject);

  auto* left = new QVBoxLayout;
  left->addLayout(grid);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(picture_);
  right->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(confirm_button_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(ScrollableBody(this));
  layout->addLayout(top);
  layout->addLayout(bands);
  layout->addLayout(buttons);

  // What each input recomputes.
  for (QComboBox* c : {diameter1_combo_, diameter2_combo_, side_a_combo_, side_b_combo_, side_c_combo_, side_d_combo_})
    connect(c, &QComboBox::currentTextChanged, this, [this] { Recompute(Change::Dimension); });
  connect(offset_edit_, &QLineEdit::textChanged, this, [this] { Recompute(Change::Offset); });
  connect(default_length_box_, &QCheckBox::toggled, this, [this] { Recompute(Change::Offset); });
  connect(flow_main_edit_, &QLineEdit::textChanged, this, [this] { Recompute(Change::FlowMain); });
  connect(flow_branch_edit_, &QLineEdit::textChanged, this, [this] { Recompute(Change::FlowBranch); });
  connect(length_edit_, &QLineEdit::textChanged, this, [this] { Recompute(Change::Length); });
  for (QLineEdit* e : {wall_edit_, wall_density_edit_, insulation_edit_, insulation_density_edit_})
    connect(e, &QLineEdit::textChanged, this, [this] { Recompute(Change::WallOrInsulation); });
  // The angle also changes a bend's mass and its attenuation (none up to 60°).
  connect(angle_combo_, &QComboBox::currentTextChanged, this, [this] {
    Recompute(Change::Offset);
    UpdateMass();
    UpdateAcoustics();
  });
  connect(round_bend_combo_, &QComboBox::currentIndexChanged, this, [this] { OnRoundBendType(); });
  connect(rect_bend_combo_, &QComboBox::currentIndexChanged, this, [this] { OnRectBendType(); });
  connect(tee_flow_combo_, &QComboBox::currentIndexChanged, this, [this] { OnTeeFlow(); });
  connect(tee_path_combo_, &QComboBox::currentIndexChanged, this, [this] {
    if (loading_) return;
    UpdateMass();
    UpdateAcoustics();
  });
  connect(material_combo_, &QComboBox::currentIndexChanged, this, [this] { OnMaterial(); });
  connect(insulation_combo_, &QComboBox::currentIndexChanged, this, [this] { OnInsulation(); });
  connect(extra_pressure_radio_, &QRadioButton::toggled, this, [this](bool on) {
    extra_pressure_edit_->setEnabled(on);
    extra_zeta_edit_->setEnabled(!on);
  });
  connect(extra_pressure_edit_, &QLineEdit::textEdited, this, [this] {
    if (!extra_zeta_radio_->isChecked()) UpdateAdditionalPair(true);
  });
  connect(extra_zeta_edit_, &QLineEdit::textEdited, this, [this] {
    if (!extra_pressure_radio_->isChecked()) UpdateAdditionalPair(false);
  });
}

void FittingWindow::FillCombo(QComboBox* combo, TextList items, const QString& selected) {
  combo->clear();
  for (const char* s : items) combo->addItem(QString::fromStdString(WithSeparator(s, Sep())));
  combo->setEditText(selected);
  const int i = combo->findText(selected);
  if (i >= 0) combo->setCurrentIndex(i);
}

FittingChoices FittingWindow::Choices() const {
  return {round_bend_combo_->currentIndex() < 0 ? 0 : round_bend_combo_->currentIndex(),
          rect_bend_combo_->currentIndex() < 0 ? 0 : rect_bend_combo_->currentIndex(),
          tee_path_combo_->currentIndex() < 0 ? 0 : tee_path_combo_->currentIndex(),
          tee_flow_combo_->currentIndex() < 0 ? 0 : tee_flow_combo_->currentIndex()};
}

void FittingWindow::ShowInputs() {
  const FittingKindInfo& info = KindInfo(kind_);
  for (auto it = optional_rows_.begin(); it != optional_rows_.end(); ++it) {
    const bool shown = it.key() == (1u << 30) ? info.second_section : info.Shows(static_cast<FittingInput>(it.key()));
    for (QWidget* w : it.value()) w->setVisible(shown);
  }
  const bool grille = info.Shows(kInputSoundPowerRow);
  row3_label_->setVisible(grille);
  for (QLineEdit* e : bands_[2]) e->setVisible(grille);
  fan_db_box_->setVisible(info.Shows(kInputFanDbChoice));
}

void FittingWindow::Prepare(FittingKind kind) {
  loading_ = true;
  kind_ = kind;
  const FittingKindInfo& info = KindInfo(kind);
  const char sep = Sep();
  auto text = [sep](const char* s) { return QString::fromStdString(WithSeparator(s ? s : "0", sep)); };
  extra_pressure_radio_->setChecked(true);
  extra_pressure_edit_->setText("0");
  extra_zeta_edit_->setText("0");
  extra_pressure_edit_->setEnabled(true);
  extra_zeta_edit_->setEnabled(false);
  row1_label_->setText(DuctText(kTextRowAttenuation, "Tłumienie kształtki  [dB]"));
  ShowInputs();
  length_edit_->setText(text(info.length));
  diameter1_combo_->setEditText(text(info.diameter1));
  diameter2_combo_->setEditText(text(info.diameter2));
  side_a_combo_->setEditText(text(info.side_a));
  side_b_combo_->setEditText(text(info.side_b));
  side_c_combo_->setEditText(text(info.side_c));
  side_d_combo_->setEditText(text(info.side_d));
  offset_edit_->setText(text(info.offset_e));
  round_bend_combo_->setCurrentIndex(0);
  rect_bend_combo_->setCurrentIndex(0);
  tee_path_combo_->setCurrentIndex(0);
  tee_flow_combo_->setCurrentIndex(0);
  FillCombo(angle_combo_, AngleList(kind, Choices()), text(info.angle));
  FillCombo(ratio_combo_, BendRatioList(kind, Choices()), text(info.bend_ratio));
  if (info.extra_zeta) {
    extra_zeta_radio_->setChecked(true);
    extra_zeta_edit_->setText(text(info.extra_zeta));
  }
  for (auto& row : bands_)
    for (QLineEdit* e : row) e->setText("0");
  const QString name = DuctText(info.name_text, info.name);
  setWindowTitle(name);
  name_edit_->setText(name);
  name_edit_->setToolTip(name);
  type_edit_->setText(Utf(info.type_code));
  if (kind == FittingKind::RoundSilencer || kind == FittingKind::RectSilencer)
    row1_label_->setText(DuctText(kTextRowSilencer, "Tłumienie tłumika [dB]"));
  if (kind == FittingKind::RoundFan || kind == FittingKind::RectFan)
    row1_label_->setText(DuctText(kTextRowFan, "Moc akustyczna wentylatora [dB]"));
  intake_radio_->setChecked(true);
  db_radio_->setChecked(true);
  material_combo_->setCurrentIndex(0);
  roughness_edit_->setText(text(kDefaultRoughness));
  roughness_edit_->setReadOnly(true);
  wall_density_edit_->setText(text(kDefaultWallDensity));
  insulation_combo_->setCurrentIndex(0);
  insulation_edit_->setText(text(kDefaultInsulationThickness));
  insulation_density_edit_->setText(text(kDefaultInsulationDensity));
  flow_main_edit_->setText("0");
  flow_branch_edit_->setText("0");
  default_length_box_->setChecked(true);
  edited_.reset();
  if (run_.editing) {
    edited_ = run_.document.Record(*run_.editing);
    LoadRecord(*edited_);
  }
  confirm_button_->setText(DuctText(run_.editing ? kTextConfirmEdit : kTextConfirmNew, run_.editing ? "ZMIEŃ" : "DODAJ"));
  loading_ = false;
  // Activation: velocities, default length, wall thickness, mass, octave bands.
  UpdateVelocities();
  if (default_length_box_->isChecked() && !run_.editing) UpdateDefaultLength();
  UpdateWallThickness();
  UpdateMass();
  UpdateAcoustics();
  UpdatePicture();
}

bool FittingWindow::Open(FittingKind kind) {
  Prepare(kind);
  const bool stored = exec() == QDialog::Accepted;
  run_.editing.reset();
  return stored;
}

void FittingWindow::reject() {
  run_.editing.reset();
  QDialog::reject();
}

void FittingWindow::LoadRecord(const FittingRecord& r) {
  auto t = [&r](FittingField f) { return QString::fromStdString(r.Text(f)); };
  name_edit_->setText(t(FittingField::Name));
  type_edit_->setText(t(FittingField::TypeCode));
  length_edit_->setText(t(FittingField::Length));
  // A stored length is the user's: the default-length rule would replace it.
  default_length_box_->setChecked(false);
  side_a_combo_->setEditText(t(FittingField::SideA));
  diameter1_combo_->setEditText(t(FittingField::Diameter1));
  side_b_combo_->setEditText(t(FittingField::SideB));
  diameter2_combo_->setEditText(t(FittingField::Diameter2));
  side_c_combo_->setEditText(t(FittingField::SideC));
  side_d_combo_->setEditText(t(FittingField::SideD));
  round_bend_combo_->setCurrentIndex(std::clamp<int>(r.round_bend_item, 0, round_bend_combo_->count() - 1));
  rect_bend_combo_->setCurrentIndex(std::clamp<int>(r.rect_bend_item, 0, rect_bend_combo_->count() - 1));
  std::vector<std::string> paths, flows;
  for (int i = 0; i < tee_path_combo_->count(); ++i) paths.push_back(Std(tee_path_combo_->itemText(i)));
  for (int i = 0; i < tee_flow_combo_->count(); ++i) flows.push_back(Std(tee_flow_combo_->itemText(i)));
  tee_path_combo_->setCurrentIndex(MatchTeePath(r.Text(FittingField::TeePath), paths).value_or(0));
  tee_flow_combo_->setCurrentIndex(MatchTeeFlow(r.Text(FittingField::TeeFlow), flows).value_or(0));
  FillCombo(angle_combo_, AngleList(kind_, Choices()), t(FittingField::Angle));
  FillCombo(ratio_combo_, BendRatioList(kind_, Choices()), t(FittingField::BendRatio));
  flow_main_edit_->setText(t(FittingField::FlowMain));
  flow_branch_edit_->setText(t(FittingField::FlowBranch));
  velocity_main_edit_->setText(t(FittingField::VelocityMain));
  velocity_branch_edit_->setText(t(FittingField::VelocityBranch));
  extra_pressure_radio_->setChecked(true);
  extra_pressure_edit_->setText(t(FittingField::ExtraLoss));
  roughness_edit_->setText(t(FittingField::Roughness));
  const int material = material_combo_->findText(t(FittingField::Material));
  {
    const bool was = loading_;
    loading_ = true;
    material_combo_->setCurrentIndex(material < 0 ? 0 : material);
    loading_ = was;
  }
  roughness_edit_->setReadOnly(material_combo_->currentIndex() != 2);
  offset_edit_->setText(t(FittingField::OffsetE));
  mass_edit_->setText(t(FittingField::Mass));
  wall_edit_->setText(t(FittingField::WallThickness));
  insulation_edit_->setText(t(FittingField::InsulationThickness));
  wall_density_edit_->setText(t(FittingField::WallDensity));
  insulation_density_edit_->setText(t(FittingField::InsulationDensity));
  const int insulation = insulation_combo_->findText(t(FittingField::InsulationMaterial));
  if (insulation >= 0) insulation_combo_->setCurrentIndex(insulation);
  for (int row = 0; row < kOctaveRows; ++row)
    for (int b = 0; b < kOctaveBands; ++b) bands_[row][b]->setText(t(BandField(row, b)));
  intake_radio_->setChecked(r.intake);
  outlet_radio_->setChecked(!r.intake);
  db_radio_->setChecked(r.fan_power_in_db);
  dba_radio_->setChecked(!r.fan_power_in_db);
}

FittingInputs FittingWindow::ReadInputs(QString* bad) const {
  FittingInputs in;
  in.kind = KindNumber(kind_);
  auto number = [bad](const QString& text, const QString& what) -> std::optional<double> {
    if (text.trimmed().isEmpty()) return std::nullopt;
    auto v = ParseTypedNumber(text);
    if (!v && bad && bad->isEmpty()) *bad = what;
    return v;
  };
  auto value = [&](const QString& text, const QString& what) { return number(text, what).value_or(0); };
  const FittingKindInfo& info = KindInfo(kind_);
  in.length_mm = number(length_edit_->text(), "L");
  if (!info.Shows(kInputLength) && !in.length_mm) in.length_mm = 0;
  in.phi1_mm = value(diameter1_combo_->currentText(), "φ1");
  in.phi2_mm = value(diameter2_combo_->currentText(), "φ2");
  in.a_mm = value(side_a_combo_->currentText(), "A");
  in.b_mm = value(side_b_combo_->currentText(), "B");
  in.c_mm = value(side_c_combo_->currentText(), "C");
  in.d_mm = value(side_d_combo_->currentText(), "D");
  in.angle_deg = value(angle_combo_->currentText(), "α");
  in.r_over_d = value(ratio_combo_->currentText(), "R/D");
  in.e_mm = value(offset_edit_->text(), "e");
  in.k_mm = number(roughness_edit_->text(), "k");
  in.vc = number(flow_main_edit_->text(), "Vc");
  if (flow_main_edit_->text().trimmed() == "0") in.vc = 0;
  in.vb = value(flow_branch_edit_->text(), "Vb");
  in.dpp = number(extra_pressure_edit_->text(), Utf("Dodatkowy opór"));
  in.zeta_add = value(extra_zeta_edit_->text(), "ζ");
  in.zeta_add_given = extra_zeta_radio_->isChecked();
  const FittingChoices c = Choices();
  in.round_bend_type = c.round_bend_item;
  in.rect_bend_type = c.rect_bend_item;
  in.tee_path = c.tee_path_item;
  in.tee_flow = c.tee_flow_item;
  in.intake = intake_radio_->isChecked();
  in.wall_mm = value(wall_edit_->text(), Utf("Grubosc scianki"));
  in.wall_density = value(wall_density_edit_->text(), Utf("Gęstosc scianki"));
  in.insulation_mm = value(insulation_edit_->text(), Utf("Grubosc izolacji"));
  in.insulation_density = value(insulation_density_edit_->text(), Utf("Gęstosc izolacji"));
  return in;
}

void FittingWindow::Recompute(Change change) {
  if (loading_) return;
  switch (change) {
    case Change::Dimension:
      UpdateVelocities();
      if (default_length_box_->isChecked()) UpdateDefaultLength();
      if (!edited_) UpdateWallThickness();
      UpdateMass();
      UpdateAcoustics();
      break;
    case Change::Offset:
      UpdateVelocities();
      if (default_length_box_->isChecked()) UpdateDefaultLength();
      break;
    case Change::FlowMain:
      UpdateVelocities();
      UpdateAcoustics();
      break;
    case Change::FlowBranch:
      UpdateVelocities();
      break;
    case Change::Length:
      UpdateMass();
      UpdateAcoustics();
      break;
    case Change::WallOrInsulation:
      UpdateMass();
      break;
  }
}

void FittingWindow::UpdateVelocities() {
  const FittingInputs in = ReadInputs(nullptr);
  const FittingVelocityResult v = FittingVelocities(in);
  w1_ = v.w1;
  const char sep = Sep();
  velocity_main_edit_->setText(QString::fromStdString(NumberText(RoundToStep(v.w1, 0.001), sep)));
  velocity_branch_edit_->setText(QString::fromStdString(NumberText(RoundToStep(v.w2, 0.001), sep)));
  if (in.vc && *in.vc != 0) UpdateAdditionalPair(!extra_zeta_radio_->isChecked());
}

void FittingWindow::UpdateAdditionalPair(bool from_pressure) {
  const char sep = Sep();
  if (from_pressure) {
    const auto dpp = ParseTypedNumber(extra_pressure_edit_->text());
    if (!dpp) return;
    if (auto z = AdditionalZetaFromPressure(*dpp, run_.air.rho, w1_))
      extra_zeta_edit_->setText(QString::fromStdString(NumberText(*z, sep)));
  } else {
    const auto zeta = ParseTypedNumber(extra_zeta_edit_->text());
    if (!zeta) return;
    if (auto p = AdditionalPressureFromZeta(*zeta, run_.air.rho, w1_))
      extra_pressure_edit_->setText(QString::fromStdString(NumberText(*p, sep)));
  }
}

void FittingWindow::UpdateDefaultLength() {
  if (!KindInfo(kind_).Shows(kInputLength)) return;
  const FittingInputs in = ReadInputs(nullptr);
  const FittingDimensions d{0, in.a_mm, in.phi1_mm, in.b_mm, in.phi2_mm, in.c_mm, in.d_mm, in.e_mm};
  const bool was = loading_;
  loading_ = true;
  length_edit_->setText(QString::fromStdString(NumberText(DefaultFittingLength(kind_, d), Sep())));
  loading_ = was;
  UpdateMass();
  UpdateAcoustics();
}

void FittingWindow::UpdateWallThickness() {
  if (edited_) {
    wall_edit_->setText(QString::fromStdString(edited_->Text(FittingField::WallThickness)));
    return;
  }
  const FittingInputs in = ReadInputs(nullptr);
  const FittingDimensions d{0, in.a_mm, in.phi1_mm, in.b_mm, in.phi2_mm, in.c_mm, in.d_mm, in.e_mm};
  const bool was = loading_;
  loading_ = true;
  wall_edit_->setText(QString::fromStdString(WallThicknessText(d, Sep())));
  loading_ = was;
}

void FittingWindow::UpdateMass() {
  if (loading_) return;
  QString bad;
  const FittingInputs in = ReadInputs(&bad);
  if (!bad.isEmpty()) return;  // a half-typed number: the mass waits for it
  const auto mass = FittingMass(in);
  mass_edit_->setText(mass ? QString::fromStdString(NumberText(RoundToStep(*mass, 0.1), Sep())) : "0");
}

void FittingWindow::UpdateAcoustics() {
  if (loading_) return;
  QString bad;
  const FittingInputs in = ReadInputs(&bad);
  if (!bad.isEmpty()) return;
  FittingAcousticInput a;
  a.kind = in.kind;
  a.length_mm = in.length_mm.value_or(0);
  a.phi1_mm = in.phi1_mm;
  a.phi2_mm = in.phi2_mm;
  a.a_mm = in.a_mm;
  a.b_mm = in.b_mm;
  a.c_mm = in.c_mm;
  a.d_mm = in.d_mm;
  a.angle_deg = in.angle_deg;
  a.tee_branch = in.tee_path == 1;
  a.velocity = ParseTypedNumber(velocity_main_edit_->text()).value_or(0);
  const FittingAcousticsResult result = FittingAcoustics(a, run_.tables);
  if (!result.rows) return;  // typed rows (silencers, fans) or no finite value: the fields keep their texts
  const auto first = BandRowTexts(result.rows->attenuation, Sep());
  const auto second = BandRowTexts(result.rows->regenerated, Sep());
  // The attenuation follows the geometry also while a stored fitting is
  // edited; its regenerated noise (and a grille's sound power) stay as stored.
  for (int b = 0; b < kOctaveBands; ++b) {
    bands_[0][b]->setText(QString::fromStdString(first[b]));
    if (!edited_) bands_[1][b]->setText(QString::fromStdString(second[b]));
  }
}

void FittingWindow::UpdatePicture() {
  const FittingChoices c = Choices();
  picture_->setPixmap(FittingPicturePixmap(FittingPicture(kind_, c), picture_->size() - QSize(4, 4), devicePixelRatioF()));
  angle_symbol_label_->setText(Utf(AngleSymbol(kind_, c)) + " [deg]");
}

void FittingWindow::OnRoundBendType() {
  if (loading_ || kind_ != FittingKind::RoundBend) return;
  FillCombo(ratio_combo_, BendRatioList(kind_, Choices()), QString::fromStdString(WithSeparator("1,0", Sep())));
  UpdatePicture();
  UpdateMass();
  UpdateAcoustics();
}

void FittingWindow::OnRectBendType() {
  if (loading_ || kind_ != FittingKind::RectBend) return;
  FillCombo(angle_combo_, AngleList(kind_, Choices()), "90");
  FillCombo(ratio_combo_, BendRatioList(kind_, Choices()), QString::fromStdString(WithSeparator("1,0", Sep())));
  UpdatePicture();
  UpdateMass();
  UpdateAcoustics();
}

void FittingWindow::OnTeeFlow() {
  if (loading_) return;
  if (kind_ == FittingKind::RoundSymmetricBranch) FillCombo(angle_combo_, AngleList(kind_, Choices()), "45");
  UpdatePicture();
  UpdateMass();
  UpdateAcoustics();
}

void FittingWindow::OnMaterial() {
  if (loading_) return;
  const int i = material_combo_->currentIndex();
  if (i < 0 || i >= static_cast<int>(kDuctMaterials.size())) return;
  const DuctMaterial& m = kDuctMaterials[i];
  if (m.roughness) roughness_edit_->setText(QString::fromStdString(WithSeparator(m.roughness, Sep())));
  if (m.wall_density) wall_density_edit_->setText(QString::fromStdString(WithSeparator(m.wall_density, Sep())));
  roughness_edit_->setReadOnly(m.roughness != nullptr);
  UpdateMass();
  UpdateAcoustics();
}

void FittingWindow::OnInsulation() {
  if (loading_) return;
  const int i = insulation_combo_->currentIndex();
  if (i < 0 || i >= static_cast<int>(kInsulationMaterials.size())) return;
  insulation_density_edit_->setText(QString::fromStdString(WithSeparator(kInsulationMaterials[i].density, Sep())));
  UpdateMass();
}

FittingRecord FittingWindow::RecordFromControls() const {
  FittingRecord r = NewResetRecord();
  auto set = [&r](FittingField f, const QString& text) { r.Text(f) = Std(text.trimmed()); };
  set(FittingField::Name, name_edit_->text());
  set(FittingField::TypeCode, type_edit_->text());
  set(FittingField::Length, length_edit_->text());
  set(FittingField::SideA, side_a_combo_->currentText());
  set(FittingField::Diameter1, diameter1_combo_->currentText());
  set(FittingField::SideB, side_b_combo_->currentText());
  set(FittingField::Diameter2, diameter2_combo_->currentText());
  set(FittingField::SideC, side_c_combo_->currentText());
  set(FittingField::SideD, side_d_combo_->currentText());
  set(FittingField::Angle, angle_combo_->currentText());
  set(FittingField::FlowMain, flow_main_edit_->text());
  set(FittingField::FlowBranch, flow_branch_edit_->text());
  set(FittingField::Roughness, roughness_edit_->text());
  r.Text(FittingField::Kind) = std::to_string(KindNumber(kind_));
  r.round_bend_item = round_bend_combo_->currentIndex();
  r.rect_bend_item = rect_bend_combo_->currentIndex();
  set(FittingField::Material, material_combo_->currentText());
  set(FittingField::BendRatio, ratio_combo_->currentText());
  set(FittingField::OffsetE, offset_edit_->text());
  set(FittingField::TeePath, tee_path_combo_->currentText());
  set(FittingField::TeeFlow, tee_flow_combo_->currentText());
  set(FittingField::RoundBendType, round_bend_combo_->currentText());
  set(FittingField::Mass, mass_edit_->text());
  set(FittingField::WallThickness, wall_edit_->text());
  set(FittingField::InsulationThickness, insulation_edit_->text());
  set(FittingField::WallDensity, wall_density_edit_->text());
  set(FittingField::InsulationDensity, insulation_density_edit_->text());
  set(FittingField::InsulationMaterial, insulation_combo_->currentText());
  for (int row = 0; row < kOctaveRows; ++row)
    for (int b = 0; b < kOctaveBands; ++b) set(BandField(row, b), bands_[row][b]->text());
  r.intake = intake_radio_->isChecked();
  r.fan_power_in_db = db_radio_->isChecked();
  return r;
}

bool FittingWindow::Confirm() {
  UpdateVelocities();
  if (extra_pressure_edit_->text().trimmed().isEmpty()) extra_pressure_edit_->setText("0");
  QString bad;
  const FittingInputs in = ReadInputs(&bad);
  if (!bad.isEmpty()) {
    Messages::Warning(this, kInfoCaption, QString("\"%1\" is not a number. Correct it and confirm again.").arg(bad));
    return false;
  }
  ConfirmContext ctx;
  ctx.air = run_.air;
  ctx.shown_total = ParseTypedNumber(run_.total_text);
  ctx.last_total = run_.last_total;
  if (edited_) ctx.replaced_stored_dpc = ParseNumber(edited_->Text(FittingField::TotalLoss), ',');
  const ConfirmOutcome out = ConfirmFitting(in, ctx, run_.tables);
  if (!out.ok()) {
    const QString text = out.refusal->text ? Text(out.refusal->text) : QString();
    Messages::Info(this, kInfoCaption, text.isEmpty() ? QString::fromStdString(out.refusal->message) : text);
    return false;
  }
  FittingRecord record = RecordFromControls();
  if (!StoreFittingResults(out.results, Sep(), record)) {
    Messages::Warning(this, kInfoCaption, "The fitting gives no finite result; nothing is stored.");
    return false;
  }
  if (kind_ == FittingKind::RoundSilencer || kind_ == FittingKind::RectSilencer)
    for (int b = 0; b < kOctaveBands; ++b) {
      std::string& t = record.Text(BandField(0, b));
      t = SilencerStoredText(t, Sep());
    }
  if (run_.editing) {
    const DocumentResult replaced = run_.document.Replace(*run_.editing, record);
    if (!replaced.ok()) {
      Messages::Warning(this, kInfoCaption, QString::fromStdString(replaced.Message()));
      return false;
    }
  } else {
    const DocumentResult appended = run_.document.Append(record);
    if (!appended.ok()) {
      Messages::Warning(this, kInfoCaption, QString::fromStdString(appended.Message()));
      return false;
    }
  }
  run_.total_text = QString::fromStdString(NumberText(out.results.shown_total, Sep()));
  run_.last_total = out.results.total;
  run_.modified = true;
  run_.editing.reset();
  accept();
  return true;
}

}  // namespace orvanta
