// The acoustic calculator in the real main window: the room-noise window
// opened from its menu item and toolbar button, its two small windows and its
// help, the refusals, and the duct calculator's hand-over by SpeedButton3.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <any>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/settings_store.h"
#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/hand_overs.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/main_window.h"
#include "calculators/ui/calc_form.h"
#include "ductcalc/fitting_acoustics.h"
#include "ductcalc/fitting_record.h"
#include "ductcalc/loss_table.h"
#include "ductcalc/ui/duct_run.h"
#include "ductcalc/ui/duct_sheet_window.h"
#include "psychro/number_text.h"
#include "ui/support/test_workbench.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace orvanta {
namespace {

template <class T>
T* Get(QWidget* w, const char* name) {
  T* found = w->findChild<T*>(name);
  EXPECT_NE(found, nullptr) << name;
  return found;
}
QString Txt(QWidget* w, const char* name) { return Get<QLineEdit>(w, name)->text(); }
void Set(QWidget* w, const char* name, const QString& text) { Get<QLineEdit>(w, name)->setText(text); }
void Click(QWidget* w, const char* name) { Get<QAbstractButton>(w, name)->click(); }

// Runs `drive` on the modal window `form` that the next blocking call opens,
// then closes it. Returns a flag that tells whether it ran.
std::shared_ptr<bool> WhenOpen(const char* form, std::function<void(QDialog*)> drive) {
  auto ran = std::make_shared<bool>(false);
  QTimer::singleShot(0, [ran, form, drive] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!d || d->objectName() != form) {
      ADD_FAILURE() << form << " is not the open window";
      if (d) d->reject();
      return;
    }
    drive(d);
    *ran = true;
    d->reject();
  });
  return ran;
}

class AcousticWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    // The Polish form of numbers, as the calculator's own texts use it.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    window_ = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
    window_->resize(1200, 800);
    window_->show();
    QApplication::processEvents();
    LoadLanguage(1);
    messages_.Clear();
  }
  void TearDown() override {
    window_->project().set_modified(false);
    window_->close();
    window_.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }

  // Opens the calculator from the menu item or the toolbar button "BitBtn10".
  void WithCalculator(const char* trigger, std::function<void(QDialog*)> drive) {
    auto ran = WhenOpen("TForm22", std::move(drive));
    if (QString(trigger).startsWith("BitBtn"))
      Click(window_.get(), trigger);
    else
      window_->Command(trigger)->trigger();
    EXPECT_TRUE(*ran) << "the acoustic calculator did not open";
  }
  QStringList Messages() const {
    QStringList texts;
    for (const MessageRequest& m : messages_.shown()) texts << m.text;
    return texts;
  }

  RecordingResponder messages_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(AcousticWindows, MenuItemAndToolbarButtonOpenTheCalculatorWithItsDefaults) {
  EXPECT_TRUE(window_->commands().IsConnected("Kalkulatorakustyczny1"));
  EXPECT_TRUE(Get<QAbstractButton>(window_.get(), "BitBtn10")->isEnabled());
  WithCalculator("Kalkulatorakustyczny1", [](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), "KALKULATOR AKUSTYCZNY");
    EXPECT_EQ(Txt(d, "Edit52"), "3");
    EXPECT_EQ(Txt(d, "Edit53"), "4");
    EXPECT_EQ(Txt(d, "Edit54"), "3");
    EXPECT_EQ(Txt(d, "Edit55"), "1,5");
    auto* alpha = Get<QComboBox>(d, "ComboBox1");
    EXPECT_EQ(alpha->currentText(), "0,05");
    QStringList items;
    for (int k = 0; k < alpha->count(); ++k) items << alpha->itemText(k);
    EXPECT_EQ(items, (QStringList{"0,05", "0,10", "0,15", "0,25", "0,40"}));
    auto* q = Get<QComboBox>(d, "ComboBox2");
    EXPECT_EQ(q->currentText(), "1");
    EXPECT_EQ(q->count(), 4);
    EXPECT_EQ(q->itemText(3), "8");
    EXPECT_TRUE(Get<QRadioButton>(d, "RadioButton1")->isChecked());
    for (const char* name : {"Edit1", "Edit8", "Edit10", "Edit17", "Edit20", "Edit27", "Edit29", "Edit36",
                             "Edit64", "Edit71", "Edit56", "Edit63"})
      EXPECT_EQ(Txt(d, name), "0") << name;
    for (const char* name : {"Edit9", "Edit18", "Edit28", "Edit41", "Edit42", "Edit43", "Edit50", "Edit51"}) {
      EXPECT_EQ(Txt(d, name), "") << name;
      EXPECT_TRUE(Get<QLineEdit>(d, name)->isReadOnly()) << name;
    }
    // Language texts of the groups and rows.
    EXPECT_EQ(Get<QLabel>(d, "Label23")->text(), QString::fromUtf8("szumy kanałów [dB]"));
    EXPECT_EQ(Get<QLabel>(d, "Label62")->text(), "Sound power lewel [dB(A)]");
    EXPECT_EQ(Get<QAbstractButton>(d, "SpeedButton2")->text(), "Instrukcja");
  });
  WithCalculator("BitBtn10", [](QDialog*) {});
}

TEST_F(AcousticWindows, AllZeroInputsGiveTheSumOfEightSilentBands) {
  WithCalculator("BitBtn10", [this](QDialog* d) {
    Click(d, "Button5");
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join("\n").toStdString();
    // 10·log10(8) = 9.03.
    EXPECT_EQ(Txt(d, "Edit9"), "9");
    // Per band: source, silencer noise and duct noise A-weighted (0 + correction,
    // three times) and the terminal's 0 dB(A): 63 Hz 10·log10(3·10^-2.6 + 1) = 0.03;
    // 1000 Hz 10·log10(4) = 6.02. The field term at r = 1.5 m in the 3 × 4 × 3 m
    // room with α 0.05 (R = 3.474 m²) is 10·log10(1/(4π·2.25) + 4/R) = +0.744.
    const char* power[] = {"Edit18", "Edit19", "Edit28", "Edit37", "Edit38", "Edit39", "Edit40", "Edit41", "Edit42"};
    const char* power_texts[] = {"0", "0,3", "1,4", "4", "6", "6,8", "6,8", "5,3", "13,6"};
    const char* pressure[] = {"Edit43", "Edit44", "Edit45", "Edit46", "Edit47", "Edit48", "Edit49", "Edit50", "Edit51"};
    const char* pressure_texts[] = {"0,8", "1,1", "2,1", "4,7", "6,8", "7,5", "7,5", "6", "14,3"};
    for (int k = 0; k < 9; ++k) {
      EXPECT_EQ(Txt(d, power[k]), power_texts[k]) << power[k];
      EXPECT_EQ(Txt(d, pressure[k]), pressure_texts[k]) << pressure[k];
    }
    // With the source row taken as A-weighted already the bands grow.
    Click(d, "RadioButton2");
    Click(d, "Button5");
    EXPECT_EQ(Txt(d, "Edit9"), "9");
    EXPECT_EQ(Txt(d, "Edit18"), "3");  // 10·log10(10^0 + 2·10^-2.6 + 1) = 3.02
  });
}

TEST_F(AcousticWindows, RefusedRoomDataAreSaidAndEmptyTheResults) {
  WithCalculator("Kalkulatorakustyczny1", [this](QDialog* d) {
    auto* alpha = Get<QComboBox>(d, "ComboBox1");
    const QString alpha_refused =
        QString::fromUtf8("Współczynnik pochłaniania dźwięku α musi być większy od 0 i mniejszy od 1.");
    const QString size_refused = QString::fromUtf8(
        "Wymiary pomieszczenia L, W, H i odległość od źródła r muszą być większe od 0.");
    for (const char* typed : {"1", "1,5", "0", "-0,2"}) {
      Click(d, "Button5");
      ASSERT_EQ(Txt(d, "Edit51"), "14,3");
      messages_.Clear();
      alpha->setEditText(typed);
      Click(d, "Button5");
      EXPECT_EQ(Messages(), QStringList{alpha_refused}) << typed;
      EXPECT_EQ(Txt(d, "Edit51"), "") << typed;  // no infinite room constant shown
      EXPECT_EQ(Txt(d, "Edit9"), "") << typed;
      alpha->setEditText("0,05");
    }
    const std::pair<const char*, const char*> sizes[] = {
        {"Edit55", "0"}, {"Edit55", "-1"}, {"Edit52", "0"}, {"Edit53", "-4"}, {"Edit54", "0"}};
    for (auto [field, typed] : sizes) {
      const QString before = Txt(d, field);
      messages_.Clear();
      Set(d, field, typed);
      Click(d, "Button5");
      EXPECT_EQ(Messages(), QStringList{size_refused}) << field << " " << typed;
      EXPECT_EQ(Txt(d, "Edit42"), "") << field;
      Set(d, field, before);
    }
    // A value typed into the list that it does not offer, but within (0, 1), is used.
    messages_.Clear();
    alpha->setEditText("0,5");
    Click(d, "Button5");
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Txt(d, "Edit42"), "13,6");
    EXPECT_NE(Txt(d, "Edit51"), "14,3");
  });
}

TEST_F(AcousticWindows, ANonNumberStopsTheCalculationAndNamesItsField) {
  WithCalculator("Kalkulatorakustyczny1", [this](QDialog* d) {
    Click(d, "Button5");
    ASSERT_EQ(Txt(d, "Edit9"), "9");
    const QString stop = QString::fromUtf8(" nie jest liczbą. Obliczenia przerwano.");
    struct Case {
      const char* field;
      const char* named;
    };
    const Case cases[] = {
        {"Edit12", "Wartość w polu „tłumiennosc tłumika [dB]”, 250 Hz"},
        {"Edit68", "Wartość w polu „szumy kanałów [dB]”, 500 Hz"},  // the reversed duct-noise row
        {"Edit63", "Wartość w polu „Sound power lewel [dB(A)]”, 8000 Hz"},
        {"Edit55", "Wartość w polu „Odległość od źródła dźwięku r [m]”"},
        {"Edit1", "Wartość w polu „Poziom mocy akustycznej Lw, [dB]”, 63 Hz"},
    };
    for (const Case& c : cases) {
      messages_.Clear();
      const QString before = Txt(d, c.field);
      Set(d, c.field, "x1");
      // A new value before the faulty field changes nothing either: nothing is computed.
      Set(d, "Edit52", "10");
      Click(d, "Button5");
      EXPECT_EQ(Messages(), QStringList{QString::fromUtf8(c.named) + stop}) << c.field;
      EXPECT_EQ(Txt(d, "Edit9"), "9") << c.field;
      EXPECT_EQ(Txt(d, "Edit51"), "14,3") << c.field;
      Set(d, c.field, before);
      Set(d, "Edit52", "3");
    }
    messages_.Clear();
    Get<QComboBox>(d, "ComboBox2")->setEditText("dwa");
    Click(d, "Button5");
    EXPECT_EQ(Messages(), QStringList{QString::fromUtf8("Wartość w polu „Współczynnik kierunkowości Q”") + stop});
    Get<QComboBox>(d, "ComboBox2")->setCurrentIndex(1);  // Q = 2
    messages_.Clear();
    Click(d, "Button5");
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Txt(d, "Edit42"), "13,6");  // the sound power does not depend on Q
  });
}

TEST_F(AcousticWindows, SumOfSources) {
  WithCalculator("Kalkulatorakustyczny1", [this](QDialog* d) {
    auto ran = WhenOpen("TForm34", [this](QDialog* sum) {
      EXPECT_EQ(sum->windowTitle(), QString::fromUtf8("SUMOWANIE ŹRÓDEŁ HAŁASU"));
      for (int k = 1; k <= 8; ++k) EXPECT_EQ(Txt(sum, ("Edit" + std::to_string(k)).c_str()), "0");
      EXPECT_EQ(Txt(sum, "Edit9"), "");
      // 10·log10(10^5 + 10^5 + 6·1) = 53.01.
      Set(sum, "Edit1", "50");
      Set(sum, "Edit2", "50");
      Click(sum, "Button1");
      EXPECT_EQ(Txt(sum, "Edit9"), "53");
      // 10·log10(1000 + 7) = 30.03: every "0" counts as a 0 dB source.
      Set(sum, "Edit1", "30");
      Set(sum, "Edit2", "0");
      Click(sum, "Button1");
      EXPECT_EQ(Txt(sum, "Edit9"), "30");
      Set(sum, "Edit5", "85,5");
      Click(sum, "Button1");
      EXPECT_EQ(Txt(sum, "Edit9"), "85,5");
      // A source that is not a number is named; the sum stays.
      Set(sum, "Edit3", "abc");
      Click(sum, "Button1");
      EXPECT_EQ(Messages(), QStringList{QString::fromUtf8("Poziom źródła 03 nie jest liczbą.")});
      EXPECT_EQ(Txt(sum, "Edit9"), "85,5");
    });
    Click(d, "Button1");
    EXPECT_TRUE(*ran) << "TForm34 did not open";
  });
}

TEST_F(AcousticWindows, LevelAtADistanceWithItsSourcePositionPictures) {
  WithCalculator("BitBtn10", [this](QDialog* d) {
    auto ran = WhenOpen("TForm35", [this](QDialog* w) {
      EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Poziom cisnienia akustycznego w odległosci \"R\" od źródła"));
      EXPECT_EQ(Txt(w, "Edit1"), "");
      EXPECT_EQ(Txt(w, "Edit2"), "");
      EXPECT_TRUE(Get<QRadioButton>(w, "RadioButton1")->isChecked());
      auto shown = [w] {
        QStringList names;
        for (const char* n : {"Image2", "Image3", "Image4", "Image5"})
          if (w->findChild<QWidget*>(n)->isVisibleTo(w)) names << n;
        return names;
      };
      EXPECT_EQ(shown(), QStringList{"Image2"});
      // 60 + 10·log10(2/(12.566368·4)) = 45.998.
      Set(w, "Edit1", "60");
      Set(w, "Edit2", "2");
      Click(w, "RadioButton2");
      EXPECT_EQ(shown(), QStringList{"Image3"});
      Click(w, "Button1");
      auto* result = Get<QLabel>(w, "Label9");
      EXPECT_EQ(result->text(), "46");
      Click(w, "RadioButton4");
      EXPECT_EQ(shown(), QStringList{"Image5"});
      Click(w, "Button1");
      EXPECT_EQ(result->text(), "52");  // 60 + 10·log10(8/50.27) = 52.02
      // R ≤ 0 and a non-number leave the level as it was and say why.
      Set(w, "Edit2", "0");
      Click(w, "Button1");
      Set(w, "Edit2", "2");
      Set(w, "Edit1", "sześćdziesiąt");
      Click(w, "Button1");
      EXPECT_EQ(Messages(), (QStringList{QString::fromUtf8("Odległość od źródła R musi być większa od 0."),
                                         QString::fromUtf8("Poziom mocy akustycznej źródła Lw nie jest liczbą.")}));
      EXPECT_EQ(result->text(), "52");
    });
    Click(d, "Button2");
    EXPECT_TRUE(*ran) << "TForm35 did not open";
  });
}

TEST_F(AcousticWindows, HelpShowsTheAbsorptionTextOrTheDirectivityPicture) {
  WithCalculator("Kalkulatorakustyczny1", [](QDialog* d) {
    auto text = WhenOpen("TForm23", [](QDialog* help) {
      EXPECT_EQ(help->windowTitle(), "Pomoc");
      auto* memo = Get<QPlainTextEdit>(help, "Memo1");
      EXPECT_TRUE(memo->isVisibleTo(help));
      EXPECT_FALSE(Get<QWidget>(help, "Image1")->isVisibleTo(help));
      const QStringList lines = memo->toPlainText().split('\n');
      ASSERT_EQ(lines.size(), 11);
      EXPECT_EQ(lines[0], QString::fromUtf8(
                              "Typowe współczynnii pochłaniania dźwięku w zależności od wykończenia pomieszczeń"));
      EXPECT_EQ(lines[1], "");
      EXPECT_EQ(lines[4], QString::fromUtf8(
                              "b) alfa=0,25 - pomieszczenia lekko wytłumione akustycznie (zasłony w oknach, dywany itp.)"));
      EXPECT_EQ(lines[10], QString::fromUtf8("e) alfa=0,05 - pomieszczenia bardzo słabo wytłumione akustycznie "
                                             "(pomieszczenia surowe bez wyposażenia)"));
      EXPECT_TRUE(memo->isReadOnly());
    });
    Click(d, "Button3");
    EXPECT_TRUE(*text);
    auto picture = WhenOpen("TForm23", [](QDialog* help) {
      EXPECT_FALSE(Get<QWidget>(help, "Memo1")->isVisibleTo(help));
      EXPECT_TRUE(Get<QWidget>(help, "Image1")->isVisibleTo(help));
    });
    Click(d, "Button4");
    EXPECT_TRUE(*picture);
  });
}

// With English chosen the help and the level-at-a-distance window speak
// English too, and turn back to Polish with the language.
TEST_F(AcousticWindows, HelpAndCloseButtonsFollowTheLanguage) {
  ASSERT_TRUE(LoadLanguage(2));
  WithCalculator("Kalkulatorakustyczny1", [](QDialog* d) {
    auto help = WhenOpen("TForm23", [](QDialog* h) {
      EXPECT_EQ(h->windowTitle(), "Help");
      EXPECT_EQ(Get<QPushButton>(h, "BitBtn1")->text(), "Close");
      const QStringList lines = Get<QPlainTextEdit>(h, "Memo1")->toPlainText().split('\n');
      ASSERT_EQ(lines.size(), 11);
      EXPECT_EQ(lines[0], "Typical sound absorption coefficients by the finish of the room");
      EXPECT_EQ(lines[4], "b) alpha=0.25 - rooms with light sound absorption (curtains at the windows, carpets etc.)");
      EXPECT_TRUE(Get<calcui::SvgPicture>(h, "Image1")->source().endsWith("/kierunkowosc_en.svg"));
    });
    Click(d, "Button3");
    EXPECT_TRUE(*help);
    auto distance = WhenOpen("TForm35", [](QDialog* w) {
      EXPECT_EQ(Get<QPushButton>(w, "BitBtn1")->text(), "Close");
      EXPECT_EQ(Get<QPushButton>(w, "Button1")->text(), "Calculate");
      EXPECT_TRUE(Get<calcui::SvgPicture>(w, "Image5")->source().endsWith("/zrodlo_q8_en.svg"));
    });
    Click(d, "Button2");
    EXPECT_TRUE(*distance);
  });
  ASSERT_TRUE(LoadLanguage(1));
  WithCalculator("Kalkulatorakustyczny1", [](QDialog* d) {
    auto help = WhenOpen("TForm23", [](QDialog* h) {
      EXPECT_EQ(h->windowTitle(), "Pomoc");
      EXPECT_EQ(Get<QPushButton>(h, "BitBtn1")->text(), "Zamknij");
      EXPECT_TRUE(Get<calcui::SvgPicture>(h, "Image1")->source().endsWith("/kierunkowosc.svg"));
    });
    Click(d, "Button3");
    EXPECT_TRUE(*help);
    auto distance = WhenOpen("TForm35", [](QDialog* w) { EXPECT_EQ(Get<QPushButton>(w, "BitBtn1")->text(), "Zamknij"); });
    Click(d, "Button2");
    EXPECT_TRUE(*distance);
  });
}

// Every caption and button shows its whole text at the windows' own size
// (with ORVANTA_GRAB_DIR set, the windows are saved there as pictures to look at).
TEST_F(AcousticWindows, NoTextIsClipped) {
  auto check = [](QDialog* w) {
    QApplication::processEvents();
    for (QWidget* c : w->findChildren<QWidget*>()) {
      if (!c->isVisibleTo(w)) continue;
      QString text;
      int margin = 0;
      if (const auto* label = qobject_cast<QLabel*>(c); label && !label->wordWrap()) text = label->text();
      if (const auto* button = qobject_cast<QAbstractButton*>(c)) {
        text = button->text();
        margin = 6;  // the frame around a button's text
      }
      if (text.isEmpty()) continue;
      EXPECT_GE(c->width(), c->fontMetrics().horizontalAdvance(text) + margin)
          << w->objectName().toStdString() << " " << c->objectName().toStdString() << " " << text.toStdString();
    }
    const QString dir = qEnvironmentVariable("ORVANTA_GRAB_DIR");
    if (dir.isEmpty()) return;
    const QWidget* memo = w->findChild<QWidget*>("Memo1", Qt::FindDirectChildrenOnly);
    w->grab().save(dir + "/" + w->objectName() + (memo && !memo->isVisible() ? "-picture" : "") + ".png");
  };
  WithCalculator("Kalkulatorakustyczny1", [&](QDialog* d) {
    check(d);
    auto sum = WhenOpen("TForm34", check);
    Click(d, "Button1");
    auto distance = WhenOpen("TForm35", [&](QDialog* w) {
      Click(w, "RadioButton4");
      check(w);
    });
    Click(d, "Button2");
    auto help = WhenOpen("TForm23", check);
    Click(d, "Button3");
    auto picture = WhenOpen("TForm23", [&](QDialog* w) {
      check(w);
      // Shown instead of the text, at least as wide as the drawing's four panels need.
      EXPECT_GE(w->findChild<QWidget*>("Image1")->width(), 600);
    });
    Click(d, "Button4");
    EXPECT_TRUE(*sum && *distance && *help && *picture);
  });
}

// ---- The hand-over from the duct calculator ----

FittingRecord Record(const std::string& code, int kind, const BandRow& first, const BandRow& second = {},
                     const BandRow& third = {}) {
  FittingRecord r = NewResetRecord();
  r.Text(FittingField::TypeCode) = code;
  r.Text(FittingField::Kind) = std::to_string(kind);
  const BandRow* rows[] = {&first, &second, &third};
  for (int row = 0; row < 3; ++row)
    for (int b = 0; b < kAcousticBands; ++b) r.Text(BandField(row, b)) = NumberText((*rows[row])[b], ',');
  return r;
}

// A fitting whose rows the fitting window computed, stored as it shows them.
FittingRecord Computed(const FittingAcousticInput& in, const std::string& code, LossTableStore& tables) {
  const FittingAcousticsResult r = FittingAcoustics(in, tables);
  EXPECT_TRUE(r.rows) << code;
  FittingRecord record = Record(code, in.kind, {});
  const auto first = BandRowTexts(r.rows->attenuation, ',');
  const auto second = BandRowTexts(r.rows->regenerated, ',');
  for (int b = 0; b < kAcousticBands; ++b) {
    record.Text(BandField(0, b)) = first[b];
    record.Text(BandField(1, b)) = second[b];
  }
  return record;
}

// Fan, silencer, three ducts, a bend, a tee and a grille.
std::vector<FittingRecord> RunOfEightFittings() {
  LossTableStore tables(std::filesystem::path(DataPath("calc").toStdString()));
  std::vector<FittingRecord> run;
  run.push_back(Record("FAN_C", kRoundFan, {85, 88, 86, 84, 80, 76, 72, 65}));
  run.push_back(Record("SILANCER_C", kRoundSilencer, {-4, -8, -15, -22, -25, -20, -15, -12},
                       {45, 40, 35, 30, 25, 20, 15, 10}));
  FittingAcousticInput duct;
  duct.kind = kRoundDuct;
  duct.phi1_mm = 200;
  duct.length_mm = 3048;
  duct.velocity = 5;
  for (int k = 0; k < 3; ++k) run.push_back(Computed(duct, "TUBE*", tables));
  FittingAcousticInput bend;
  bend.kind = kRoundBend;
  bend.phi1_mm = 254;
  bend.angle_deg = 90;
  bend.velocity = 4;
  run.push_back(Computed(bend, "BGE", tables));
  FittingAcousticInput tee;
  tee.kind = kRoundTee;
  tee.phi1_mm = 160;
  tee.phi2_mm = 100;
  tee.velocity = 6;
  run.push_back(Computed(tee, "ATE", tables));
  FittingAcousticInput grille;
  grille.kind = kRoundGrille;
  grille.phi1_mm = 160;
  grille.velocity = 3;
  FittingRecord g = Computed(grille, "SCD1*", tables);
  const BandRow grille_power = {25, 28, 30, 32, 30, 27, 22, 15};
  for (int b = 0; b < kAcousticBands; ++b) g.Text(BandField(2, b)) = NumberText(grille_power[b], ',');
  run.push_back(g);
  return run;
}

TEST_F(AcousticWindows, DuctRunCopiedIntoTheCalculatorGivesTheRoomLevel) {
  // Results of other inputs are not left beside the copied run.
  WithCalculator("Kalkulatorakustyczny1", [](QDialog* c) {
    Click(c, "Button5");
    EXPECT_EQ(Txt(c, "Edit9"), "9");
    EXPECT_EQ(Txt(c, "Edit51"), "14,3");
  });
  auto sheet_ran = WhenOpen("TForm15", [this](QDialog* d) {
    auto* sheet = qobject_cast<DuctSheetWindow*>(d);
    ASSERT_NE(sheet, nullptr);
    for (FittingRecord& r : RunOfEightFittings()) ASSERT_TRUE(sheet->run().document.Append(std::move(r)).ok());
    sheet->Refresh();
    auto* copy = Get<QPushButton>(d, "SpeedButton3");
    EXPECT_EQ(copy->text(), "Copy results and calculate noise in the room");
    ASSERT_TRUE(copy->isEnabled());
    auto calculator_ran = WhenOpen("TForm22", [this](QDialog* c) {
      // Duct attenuation: the sums of the duct elements' first rows, e.g. 63 Hz
      // 3·(−0.3) + 0 − 1.4 − 17.7 = −20; 500 Hz 3·(−0.5) − 2 − 1.4 − 2.8 = −7.7.
      const char* duct_loss[] = {"Edit29", "Edit30", "Edit31", "Edit32", "Edit33", "Edit34", "Edit35", "Edit36"};
      const char* duct_loss_texts[] = {"-20", "-14,2", "-10", "-7,7", "-7,4", "-6,7", "-6,6", "-6,5"};
      for (int b = 0; b < 8; ++b) EXPECT_EQ(Txt(c, duct_loss[b]), duct_loss_texts[b]) << duct_loss[b];
      EXPECT_EQ(Txt(c, "Edit1"), "85");
      EXPECT_EQ(Txt(c, "Edit8"), "65");
      EXPECT_TRUE(Get<QRadioButton>(c, "RadioButton1")->isChecked());
      EXPECT_EQ(Txt(c, "Edit13"), "-22");
      EXPECT_EQ(Txt(c, "Edit20"), "45");
      EXPECT_EQ(Txt(c, "Edit56"), "25");
      EXPECT_EQ(Txt(c, "Edit63"), "15");
      // Duct noise: the tee's regenerated noise (31.9 dB, the largest at 63 Hz),
      // 63 Hz in Edit71 … 8000 Hz in Edit64.
      EXPECT_EQ(Txt(c, "Edit71"), "31,9");
      EXPECT_EQ(Txt(c, "Edit64"), "31,9");
      for (const char* result : {"Edit9", "Edit18", "Edit42", "Edit43", "Edit51"}) EXPECT_EQ(Txt(c, result), "") << result;
      Click(c, "Button5");
      EXPECT_TRUE(Messages().isEmpty()) << Messages().join("\n").toStdString();
      // By hand, 63 Hz: source 85 − 26 = 59, −4 − 20 → 35; silencer noise 45 − 26 = 19;
      // duct noise 31.9 − 26 = 5.9; grille 25 dB(A): 10·log10(10^3.5 + 10^1.9 +
      // 10^0.59 + 10^2.5) = 35.52. All bands 35.52, 49.84, 52.04, 51.39, 47.81, 50.40,
      // 51.47, 45.65 → 58.72 dB(A). Room 3 × 4 × 3 m, α 0.05, r 1.5 m, Q 1: +0.744 → 59.47.
      EXPECT_EQ(Txt(c, "Edit9"), "92,4");
      EXPECT_EQ(Txt(c, "Edit18"), "35,5");
      EXPECT_EQ(Txt(c, "Edit28"), "52");
      EXPECT_EQ(Txt(c, "Edit42"), "58,7");
      EXPECT_EQ(Txt(c, "Edit49"), "52,2");
      EXPECT_EQ(Txt(c, "Edit51"), "59,5");
    });
    copy->click();
    EXPECT_TRUE(*calculator_ran) << "the hand-over did not open the calculator";
    sheet->run().modified = false;
  });
  window_->Command("Kalkulatorstratcinienia1")->trigger();
  EXPECT_TRUE(*sheet_ran);
  // The menu item opens the calculator as the hand-over left it.
  WithCalculator("Kalkulatorakustyczny1", [](QDialog* c) {
    EXPECT_EQ(Txt(c, "Edit1"), "85");
    EXPECT_EQ(Txt(c, "Edit51"), "59,5");
  });
}

// Runs `fn` on the modal window `form` as soon as it is shown, also when it is
// opened from inside another modal window.
void WhenShown(const QString& form, std::function<void(QWidget*)> fn) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, form, fn] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || w->objectName() != form) return;
    timer->stop();
    timer->deleteLater();
    fn(w);
  });
  timer->start();
}

QStringList Row(QWidget* w, int first_edit) {
  QStringList texts;
  for (int b = 0; b < 8; ++b) texts << Txt(w, QString("Edit%1").arg(first_edit + b).toUtf8().constData());
  return texts;
}

// Editing a stored fitting recomputes its attenuation from the changed
// geometry; its regenerated noise stays as stored.
TEST_F(AcousticWindows, EditingAFittingRecomputesItsAttenuationAndKeepsItsStoredNoise) {
  auto* sheet = window_->findChild<DuctSheetWindow*>("TForm15");
  ASSERT_NE(sheet, nullptr);
  bool added = false;
  WhenShown("TForm16", [&](QWidget* palette) {
    WhenShown("TForm17", [&](QWidget* f) {
      Get<QComboBox>(f, "ComboBox1")->setEditText("100");
      Set(f, "Edit2", "100");
      Set(f, "Edit1", "2000");
      // 2000 mm = 6.56 ft: −0.03, −0.05, −0.07 dB/ft; w = 3.537 m/s in φ100:
      // 10 + 50·log10(3.537) + 10·log10(0.007854) = 16.4 dB.
      EXPECT_EQ(Row(f, 16), QStringList({"-0,2", "-0,2", "-0,2", "-0,3", "-0,5", "-0,5", "-0,5", "-0,5"}));
      EXPECT_EQ(Row(f, 25), QStringList(8, "16,4"));
      Click(f, "BitBtn1");
      added = !f->isVisible();
    });
    Get<QAbstractButton>(palette, "SpeedButton1")->click();
  });
  sheet->AddFitting();
  ASSERT_TRUE(added);
  ASSERT_EQ(sheet->run().document.Count(), 1);

  sheet->findChild<QTableWidget*>("SheetTable")->selectRow(0);
  bool edited = false;
  WhenShown("TForm17", [&](QWidget* f) {
    EXPECT_EQ(Txt(f, "Edit16"), "-0,2");
    // 3048 mm = 10 ft; the doubled flow would give 31.4 dB of regenerated noise.
    Set(f, "Edit1", "3048");
    Set(f, "Edit2", "200");
    EXPECT_EQ(Row(f, 16), QStringList({"-0,3", "-0,3", "-0,3", "-0,5", "-0,7", "-0,7", "-0,7", "-0,7"}));
    EXPECT_EQ(Row(f, 25), QStringList(8, "16,4"));
    Click(f, "BitBtn1");
    edited = !f->isVisible();
  });
  sheet->EditFitting();
  ASSERT_TRUE(edited);
  const FittingRecord& stored = sheet->run().document.Record(0);
  EXPECT_EQ(stored.Text(BandField(0, 0)), "-0,3");
  EXPECT_EQ(stored.Text(BandField(0, 7)), "-0,7");
  EXPECT_EQ(stored.Text(BandField(1, 0)), "16,4");
  sheet->run().modified = false;
}

// A bend's attenuation follows its angle: none up to 60°.
TEST_F(AcousticWindows, TheBendsAttenuationFollowsItsAngle) {
  auto* sheet = window_->findChild<DuctSheetWindow*>("TForm15");
  ASSERT_NE(sheet, nullptr);
  bool added = false;
  WhenShown("TForm16", [&](QWidget* palette) {
    WhenShown("TForm17", [&](QWidget* f) {
      Get<QComboBox>(f, "ComboBox1")->setEditText("254");
      Set(f, "Edit2", "500");
      // φ 10 in at 90°: x = 0.63 … 80 → 0, 0, −1, −2, −3, −3, −3, −3.
      EXPECT_EQ(Get<QComboBox>(f, "ComboBox6")->currentText(), "90");
      EXPECT_EQ(Row(f, 16), QStringList({"0", "0", "-1", "-2", "-3", "-3", "-3", "-3"}));
      const QString mass_at_90 = Txt(f, "Edit24");
      Get<QComboBox>(f, "ComboBox6")->setCurrentText("45");
      EXPECT_EQ(Row(f, 16), QStringList(8, "0"));
      EXPECT_NE(Txt(f, "Edit24"), mass_at_90);  // half the bend, less steel
      Click(f, "BitBtn1");
      added = !f->isVisible();
    });
    Get<QAbstractButton>(palette, "SpeedButton3")->click();
  });
  sheet->AddFitting();
  ASSERT_TRUE(added);
  EXPECT_EQ(sheet->run().document.Record(0).Text(BandField(0, 3)), "0");
  sheet->run().modified = false;
}

// Without a command for the hand-over the button stays disabled; the command
// receives the run as its payload.
TEST(AcousticHandOver, TheSheetRunsTheCommandWithTheRunsData) {
  RecordingResponder messages;
  test::TestWorkbench workbench;
  DuctSheetWindow sheet(&workbench.window());
  auto* copy = sheet.findChild<QPushButton*>("SpeedButton3");
  ASSERT_NE(copy, nullptr);
  sheet.ConnectAcousticHandOver(&workbench.commands());
  EXPECT_FALSE(copy->isEnabled());
  for (FittingRecord& r : RunOfEightFittings()) ASSERT_TRUE(sheet.run().document.Append(std::move(r)).ok());

  int runs = 0;
  AcousticTransfer received;
  workbench.commands().Register(kAcousticFromDuctRun, QStringList{}, [&](const std::any& payload) {
    ++runs;
    ASSERT_NE(std::any_cast<AcousticTransfer>(&payload), nullptr);
    received = std::any_cast<AcousticTransfer>(payload);
  });
  sheet.ConnectAcousticHandOver(&workbench.commands());
  EXPECT_TRUE(copy->isEnabled());
  copy->click();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(received.duct_attenuation[3], -7.7);
  EXPECT_EQ(received.source[7], 65);
  EXPECT_EQ(received.source_in_db, true);
  EXPECT_EQ(received.silencer_loss[3], -22);
  EXPECT_EQ(received.terminal[0], 25);
  EXPECT_EQ(received.duct_noise[0], 31.9);
  sheet.run().modified = false;
}

TEST(CommandRegistry, ACommandCarriesItsPayload) {
  RecordingResponder messages;
  MainWindow window(std::make_unique<MemoryStore>());
  CommandRegistry& commands = window.commands();
  constexpr CommandId kCarry{"TestCarry"};
  EXPECT_FALSE(commands.Run(kCarry, std::any(1)));
  std::vector<int> seen;
  EXPECT_EQ(commands.Register(kCarry, {"NoSuchItem"}, [&](const std::any& p) {
    seen.push_back(p.has_value() ? std::any_cast<int>(p) : -1);
  }), 0);
  EXPECT_TRUE(commands.IsRegistered(kCarry));
  EXPECT_TRUE(commands.Run(kCarry, std::any(7)));
  EXPECT_TRUE(commands.Run(kCarry));  // no payload
  EXPECT_EQ(seen, (std::vector<int>{7, -1}));
  // A command without data ignores a payload.
  constexpr CommandId kPlain{"TestPlain"};
  int plain = 0;
  commands.Register(kPlain, QStringList{}, [&] { ++plain; });
  EXPECT_TRUE(commands.Run(kPlain, std::any(3)));
  EXPECT_EQ(plain, 1);
}

}  // namespace
}  // namespace orvanta
