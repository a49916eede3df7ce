#include "project/ui/point_definition_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/kit/language.h"
#include "project/point_input.h"
#include "project/ui/point_dialog_common.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

constexpr int kTextNoPointsYet = 968;
constexpr int kTextProcessNameEmpty = 969;
constexpr int kTextStartPointEmpty = 970;
constexpr int kTextFlowEmpty = 971;
constexpr int kTextDuplicateName = 448;

QLineEdit* NewEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  return e;
}

std::optional<double> ReadNumber(const QLineEdit* e) {
  return ParseNumber(e->text().toStdString(), UiDecimalSeparator());
}

}  // namespace

PointDefinitionDialog::PointDefinitionDialog(const ChartProject* project, QWidget* parent)
    : QDialog(parent), project_(project) {
  setObjectName("TForm27");
  RegisterCaptionRows(PointDefinitionDialogCaptionRows());
  setWindowTitle("DEFINICJA PUNKTU");
  setModal(true);

  auto* name_label = NamedLabel(this, "Label1", "NAZWA PUNKTU");
  name_edit_ = NewEdit(this, "Edit1");
  name_edit_->setMaxLength(ChartPoint::kNameCapacity);

  auto* option_box = new QGroupBox("PUNKT", this);
  option_box->setObjectName("GroupBox1");
  auto* option_layout = new QVBoxLayout(option_box);
  option_layout->addWidget(name_label);
  option_layout->addWidget(name_edit_);
  options_ = new QButtonGroup(this);
  const std::array<std::pair<const char*, const char*>, 3> option_buttons{{
      {"RadioButton1", "Definiuj tylko punkt"},
      {"RadioButton2", "Twórz przemianę z poprzednio zdefiowanym punktem"},
      {"RadioButton3", "Twórz przemianę z innym dowolnym punktem"},
  }};
  for (int k = 0; k < 3; ++k) {
    auto* b = NamedRadio(option_box, option_buttons[k].first, QString::fromUtf8(option_buttons[k].second));
    option_layout->addWidget(b);
    options_->addButton(b, k);
  }

  auto* label_box = MakeLabelPositionGroup(this, "GroupBox4",
                                           {"RadioButton4", "RadioButton5", "RadioButton6", "RadioButton7"}, &labels_);

  process_group_ = new QGroupBox("PRZEMIANA", this);
  process_group_->setObjectName("GroupBox2");
  auto* pg = new QGridLayout(process_group_);
  process_name_edit_ = NewEdit(process_group_, "Edit2");
  process_name_edit_->setMaxLength(20);
  point_combo_ = new QComboBox(process_group_);
  point_combo_->setObjectName("ComboBox1");
  by_volume_ = NamedRadio(process_group_, "RadioButton8", QString::fromUtf8("Objętość powietrza"));
  by_mass_ = NamedRadio(process_group_, "RadioButton9", "Masa powietrza");
  auto* flow_choice = new QButtonGroup(this);
  flow_choice->addButton(by_volume_);
  flow_choice->addButton(by_mass_);
  volume_si_ = NewEdit(process_group_, "Edit3");
  mass_si_ = NewEdit(process_group_, "Edit4");
  volume_ip_ = NewEdit(process_group_, "Edit5");
  mass_ip_ = NewEdit(process_group_, "Edit6");
  pg->addWidget(NamedLabel(process_group_, "Label2", "Nazwa przemiany"), 0, 0);
  pg->addWidget(process_name_edit_, 0, 1, 1, 4);
  pg->addWidget(NamedLabel(process_group_, "Label3", "Punkt początkowy"), 1, 0);
  pg->addWidget(point_combo_, 1, 1, 1, 4);
  pg->addWidget(by_volume_, 2, 0);
  pg->addWidget(volume_si_, 2, 1);
  pg->addWidget(new QLabel("m3/h", process_group_), 2, 2);
  pg->addWidget(volume_ip_, 2, 3);
  pg->addWidget(new QLabel("cfm", process_group_), 2, 4);
  pg->addWidget(by_mass_, 3, 0);
  pg->addWidget(mass_si_, 3, 1);
  pg->addWidget(new QLabel("kg/h", process_group_), 3, 2);
  pg->addWidget(mass_ip_, 3, 3);
  pg->addWidget(new QLabel("lb/h", process_group_), 3, 4);

  const DialogButtons buttons = MakeDialogButtons(this, "BitBtn1", "OK", "BitBtn2", "ANULUJ");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(option_box);
  layout->addWidget(label_box);
  layout->addWidget(process_group_);
  layout->addLayout(buttons.row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buttons.accept, &QPushButton::clicked, this, &PointDefinitionDialog::accept);
  connect(buttons.cancel, &QPushButton::clicked, this, &PointDefinitionDialog::reject);
  connect(options_, &QButtonGroup::idClicked, this, &PointDefinitionDialog::OptionChosen);
  connect(name_edit_, &QLineEdit::textEdited, this, &PointDefinitionDialog::PresetProcessName);
  connect(point_combo_, &QComboBox::currentIndexChanged, this, &PointDefinitionDialog::PresetProcessName);
  for (QLineEdit* e : {volume_si_, mass_si_, volume_ip_, mass_ip_}) {
    connect(e, &QLineEdit::textEdited, this, &PointDefinitionDialog::FlowEdited);
  }
  connect(by_volume_, &QRadioButton::toggled, this, [this] {
    volume_si_->setReadOnly(!by_volume_->isChecked());
    volume_ip_->setReadOnly(!by_volume_->isChecked());
    mass_si_->setReadOnly(by_volume_->isChecked());
    mass_ip_->setReadOnly(by_volume_->isChecked());
  });

  // Volume at first; both toggles run so the fields' read-only states follow.
  by_mass_->setChecked(true);
  by_volume_->setChecked(true);
  Prepare(LabelPosition::Right, UnitSystem::SI);
  if (ActiveLanguageNumber() != 0) ApplyLanguageTexts(this);
}

bool PointDefinitionDialog::flow_as_mass() const { return by_mass_->isChecked(); }

void PointDefinitionDialog::SetFlowAsMass(bool mass) { (mass ? by_mass_ : by_volume_)->setChecked(true); }

void PointDefinitionDialog::Prepare(LabelPosition label, UnitSystem units) {
  units_ = units;
  name_edit_->clear();
  options_->button(kPointOnly)->setChecked(true);
  process_group_->hide();
  SelectLabelPosition(labels_, label);
  process_name_edit_->clear();
  point_combo_->clear();
  for (QLineEdit* e : {volume_si_, mass_si_, volume_ip_, mass_ip_}) e->clear();
  const bool si = units == UnitSystem::SI;
  volume_si_->setEnabled(si);
  mass_si_->setEnabled(si);
  volume_ip_->setEnabled(!si);
  mass_ip_->setEnabled(!si);
  volume_ = 0;
  volume_given_ = false;
  other_point_.clear();
  name_edit_->setFocus();
}

int PointDefinitionDialog::option() const { return options_->checkedId(); }

void PointDefinitionDialog::OptionChosen(int id) {
  if (id == kPointOnly) {
    process_group_->hide();
    return;
  }
  if (!project_ || project_->point_count() == 0) {
    ShowLanguageText(this, kTextNoPointsYet);
    options_->button(kPointOnly)->setChecked(true);
    process_group_->hide();
    return;
  }
  {
    const QSignalBlocker block(point_combo_);
    point_combo_->clear();
    for (int k = 0; k < project_->point_count(); ++k) {
      point_combo_->addItem(QString::fromStdString(project_->point(k).name));
    }
    point_combo_->setCurrentIndex(id == kWithLastPoint ? project_->point_count() - 1 : 0);
  }
  point_combo_->setEnabled(id == kWithAnyPoint);
  process_group_->show();
  PresetProcessName();
}

QString PointDefinitionDialog::OtherPointName() const {
  if (option() == kWithLastPoint && project_ && project_->point_count() > 0) {
    return QString::fromStdString(project_->point(project_->point_count() - 1).name);
  }
  return point_combo_->currentText();
}

void PointDefinitionDialog::PresetProcessName() {
  if (option() == kPointOnly) return;
  process_name_edit_->setText(OtherPointName() + " - " + name_edit_->text());
}

double PointDefinitionDialog::LastPointDensity() const {
  if (!project_ || project_->point_count() == 0) return 0;
  return project_->point(project_->point_count() - 1).state.rho;
}

void PointDefinitionDialog::FlowEdited() {
  const bool si = units_ == UnitSystem::SI;
  const double rho = LastPointDensity();
  QLineEdit* typed = by_volume_->isChecked() ? (si ? volume_si_ : volume_ip_) : (si ? mass_si_ : mass_ip_);
  const auto v = ReadNumber(typed);
  if (!v) {
    volume_given_ = false;
    return;
  }
  AirFlowPair flow;
  if (by_volume_->isChecked()) {
    flow = AirFlowFromVolume(si ? *v : VolumeFlowToSI(*v), rho);
  } else {
    flow = AirFlowFromMass(si ? *v : MassToSI(*v), rho);
  }
  volume_ = flow.volume;
  volume_given_ = true;
  ShowFlows(flow.volume, flow.mass, typed);
}

void PointDefinitionDialog::ShowFlows(double volume, double mass, QLineEdit* typed) {
  auto show = [typed](QLineEdit* e, double value) {
    if (e != typed) e->setText(UiNumberText(RoundTo(value, -2)));
  };
  show(volume_si_, volume);
  show(mass_si_, mass);
  show(volume_ip_, VolumeFlowToIP(volume));
  show(mass_ip_, MassToIP(mass));
}

QString PointDefinitionDialog::point_name() const { return name_edit_->text(); }

LabelPosition PointDefinitionDialog::label_position() const { return ChosenLabelPosition(labels_); }

std::optional<AirProcess> PointDefinitionDialog::process() const {
  if (option() == kPointOnly) return std::nullopt;
  AirProcess p;
  p.name = process_name_edit_->text().toStdString();
  p.start_point = other_point_.toStdString();
  p.end_point = point_name().toStdString();
  p.draw_line = true;
  p.air_flow = volume_given_ ? volume_ : 0;
  return p;
}

void PointDefinitionDialog::accept() {
  const std::string name = point_name().toStdString();
  if (!name.empty() && project_ && project_->FindPoint(name) >= 0) {
    ShowLanguageText(this, kTextDuplicateName);
    return;
  }
  if (option() != kPointOnly) {
    // A process needs its own name and the new point's name, or it would
    // refer to nothing; the flow may be left empty only with the last point.
    if (process_name_edit_->text().isEmpty()) {
      ShowLanguageText(this, kTextProcessNameEmpty);
      return;
    }
    if (OtherPointName().isEmpty()) {
      ShowLanguageText(this, kTextStartPointEmpty);
      return;
    }
    if (name.empty()) {
      ShowPointNameMissing(this);
      return;
    }
    const QLineEdit* typed = by_volume_->isChecked() ? (units_ == UnitSystem::SI ? volume_si_ : volume_ip_)
                                                     : (units_ == UnitSystem::SI ? mass_si_ : mass_ip_);
    const bool flow_empty = typed->text().trimmed().isEmpty();
    if ((flow_empty && option() == kWithAnyPoint) || (!flow_empty && !volume_given_)) {
      ShowLanguageText(this, kTextFlowEmpty);
      return;
    }
    if (project_ && project_->process_count() >= ChartProject::kProcessSlots) {
      ShowProcessesFull(this);
      return;
    }
  }
  // Kept now: once the new point is added it is the project's last point.
  other_point_ = option() == kPointOnly ? QString() : OtherPointName();
  QDialog::accept();
}

}  // namespace orvanta
