// The calculator windows opened from the main window's menu items and
// toolbar buttons, driven by their objectNames, in the Polish (decimal comma)
// and the English (decimal point) locale and language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/settings_store.h"
#include "app/ui/kit/file_dialogs.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/main_window.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace orvanta {
namespace {

struct LocaleCase {
  const char* name;
  QLocale::Language language;
  QLocale::Territory territory;
  int language_file;  // 1 "PL", 2 "EN"
};

class CalculatorWindows : public ::testing::TestWithParam<LocaleCase> {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(GetParam().language, GetParam().territory));
    window_ = std::make_unique<MainWindow>(std::make_unique<MemoryStore>());
    window_->resize(1200, 800);
    window_->show();
    QApplication::processEvents();
    LoadLanguage(GetParam().language_file);  // after the start-up's own language load
    messages_.Clear();
  }
  void TearDown() override {
    SetFileDialogResponder(nullptr);
    SetExternalOpener(nullptr);
    window_->project().set_modified(false);
    window_->close();
    window_.reset();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
  bool Polish() const { return GetParam().language_file == 1; }
  // A number as the user sees it: the Polish form with the locale's separator.
  QString N(const char* polish) const {
    QString s = QString::fromUtf8(polish);
    if (!Polish()) s.replace(',', '.');
    return s;
  }

  // Triggers the menu item (or clicks the toolbar button "BitBtn…") and
  // runs `drive` on the window while it is open; then closes it.
  void WhileOpen(const char* trigger, const char* form, const std::function<void(QDialog*)>& drive) {
    const bool toolbar = QString(trigger).startsWith("BitBtn");
    bool ran = false;
    QTimer::singleShot(0, [&] {
      QDialog* d = window_->findChild<QDialog*>(form);
      if (!d) {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        return;
      }
      EXPECT_TRUE(d->isVisible());
      EXPECT_EQ(QApplication::activeModalWidget(), d);
      drive(d);
      ran = true;
      d->reject();
    });
    if (toolbar) {
      auto* button = window_->findChild<QAbstractButton*>(trigger);
      ASSERT_NE(button, nullptr) << trigger;
      button->click();
    } else {
      QAction* action = window_->Command(trigger);
      ASSERT_NE(action, nullptr) << trigger;
      action->trigger();
    }
    EXPECT_TRUE(ran) << form << " did not open";
  }
  template <class T>
  static T* Get(QWidget* w, const char* name) {
    T* found = w->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  static QString Txt(QWidget* w, const char* name) { return Get<QLineEdit>(w, name)->text(); }
  static void Set(QWidget* w, const char* name, const QString& text) { Get<QLineEdit>(w, name)->setText(text); }
  static void Click(QWidget* w, const char* name) { Get<QAbstractButton>(w, name)->click(); }
  static bool Shown(QWidget* w, const char* name) {
    QWidget* c = w->findChild<QWidget*>(name);
    return c && c->isVisibleTo(w);
  }
  QString Invalid(const char* typed) const {
    return Polish() ? QString("'%1' nie jest poprawną liczbą.").arg(typed)
                    : QString("'%1' is not a valid number.").arg(typed);
  }

  RecordingResponder messages_;
  std::unique_ptr<MainWindow> window_;
};

TEST_P(CalculatorWindows, MenuItemsAndToolbarButtonsAreConnected) {
  const char* items[][2] = {{"KalkulatorbasenwVDI20892", "BitBtn6"}, {"Kalkulatorbilansupowietrza1", "BitBtn3"},
                            {"Kalkulatorelementwregulacyjnych1", "BitBtn4"},
                            {"Zyskiciepaodpowierzchniwody1", "BitBtn7"}, {"Zyskiciepaodludzi1", "BitBtn8"},
                            {"Kalkulatorstratzyskwciepawkanale1", "BitBtn11"}};
  for (auto& [item, button] : items) {
    EXPECT_TRUE(window_->commands().IsConnected(item)) << item;
    EXPECT_TRUE(window_->Command(item)->isEnabled()) << item;
    EXPECT_TRUE(Get<QAbstractButton>(window_.get(), button)->isEnabled()) << button;
  }
  // The toolbar captions the user clicks.
  EXPECT_EQ(Get<QAbstractButton>(window_.get(), "BitBtn6")->text(), "K.H.B.");
  EXPECT_EQ(Get<QAbstractButton>(window_.get(), "BitBtn11")->text(), "K.W.P");
}

// ---- Pool hall ----

TEST_P(CalculatorWindows, PoolHallDefaultsAttractionsAndGlazing) {
  WhileOpen("BitBtn6", "TForm18", [&](QDialog* w) {
    EXPECT_EQ(Txt(w, "Edit1"), N("312,5"));
    EXPECT_EQ(Txt(w, "Edit18"), N("0,15"));
    EXPECT_EQ(Txt(w, "Edit5"), "101300");
    // Defaults: private pool, no attractions, wet floors or glazing.
    EXPECT_EQ(Txt(w, "Edit20"), N("57,8"));
    EXPECT_EQ(Txt(w, "Edit21"), "0");
    EXPECT_EQ(Txt(w, "Edit22"), "0");
    EXPECT_EQ(Txt(w, "Edit23"), N("57,8"));
    EXPECT_EQ(Txt(w, "Edit24"), N("12254,6"));
    EXPECT_EQ(Txt(w, "Edit25"), "0");
    EXPECT_EQ(Txt(w, "Edit26"), "41");
    EXPECT_EQ(Txt(w, "Edit27"), N("-3,9"));
    EXPECT_EQ(Txt(w, "Edit30"), N("16,03"));
    EXPECT_EQ(Txt(w, "Edit31"), N("11,95"));
    EXPECT_EQ(Txt(w, "Edit32"), "15");
    EXPECT_TRUE(Shown(w, "Label60"));
    EXPECT_FALSE(Shown(w, "Label61"));

    // "Dzika rzeka", 10 m: 10 · 300 g/h = 3 kg/h; unticking resets the count.
    QLineEdit* river = Get<QLineEdit>(w, "Edit6");
    EXPECT_FALSE(river->isEnabled());
    Click(w, "CheckBox1");
    EXPECT_TRUE(river->isEnabled());
    river->setText("10");
    EXPECT_EQ(Txt(w, "Edit21"), "3");
    EXPECT_EQ(Txt(w, "Edit23"), N("60,8"));
    Click(w, "CheckBox1");
    EXPECT_EQ(river->text(), "0");
    EXPECT_FALSE(river->isEnabled());
    EXPECT_EQ(Txt(w, "Edit21"), "0");

    // Glazing 20 m at height 3: 20 · 250 = 5000 m³/h, V stays the design flow.
    Get<QComboBox>(w, "ComboBox2")->setCurrentIndex(2);
    Set(w, "Edit19", "20");
    EXPECT_EQ(Txt(w, "Edit25"), "5000");
    EXPECT_TRUE(Shown(w, "Label60"));
    // 60 m at height 7: 24000 m³/h exceeds V, so Vo is the design flow.
    Get<QComboBox>(w, "ComboBox2")->setCurrentText("7");
    Set(w, "Edit19", "60");
    EXPECT_EQ(Txt(w, "Edit25"), "24000");
    EXPECT_FALSE(Shown(w, "Label60"));
    EXPECT_TRUE(Shown(w, "Label61"));

    // The "swimming" pool type: ε = 20.
    Get<QComboBox>(w, "ComboBox1")->setCurrentIndex(1);
    EXPECT_EQ(Txt(w, "Edit32"), "20");
    // A typed, unlisted type keeps the last coefficient.
    Get<QComboBox>(w, "ComboBox1")->setEditText("JACUZZI");
    EXPECT_EQ(Txt(w, "Edit32"), "20");
  });
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_P(CalculatorWindows, PoolHallRefusalsWhileTypingOpenNoBox) {
  WhileOpen("KalkulatorbasenwVDI20892", "TForm18", [&](QDialog* w) {
    QLabel* status = Get<QLabel>(w, "PoolStatus");
    // An empty pressure edit computes with 101300 Pa.
    Set(w, "Edit5", "");
    EXPECT_EQ(Txt(w, "Edit24"), N("12254,6"));
    EXPECT_TRUE(status->text().isEmpty());

    // Typing a letter: every result empties, both markers hide, the reason is shown.
    Set(w, "Edit1", "31x");
    for (const char* out : {"Edit20", "Edit21", "Edit22", "Edit23", "Edit24", "Edit25", "Edit26", "Edit27",
                            "Edit30", "Edit31", "Edit32"})
      EXPECT_EQ(Txt(w, out), "") << out;
    EXPECT_FALSE(Shown(w, "Label60"));
    EXPECT_FALSE(Shown(w, "Label61"));
    EXPECT_EQ(status->text(), Invalid("31x"));
    Set(w, "Edit1", N("312,5"));
    EXPECT_EQ(Txt(w, "Edit24"), N("12254,6"));
    EXPECT_TRUE(status->text().isEmpty());

    // Supply air as moist as the hall air: no finite flow, a clear reason.
    Set(w, "Edit29", "60");
    EXPECT_EQ(Txt(w, "Edit24"), "");
    EXPECT_EQ(status->text(),
              Polish() ? "Zawartość wilgoci powietrza hali i powietrza klimatyzującego jest jednakowa: żaden "
                         "strumień powietrza nie odbierze wilgoci. Zmień parametry powietrza hali lub "
                         "klimatyzującego."
                       : "The hall air and the supply air have the same moisture content: no air flow can take "
                         "the moisture away. Change the hall or the supply air state.");
    // Supply air wetter than the hall air: V is 0.
    Set(w, "Edit29", "70");
    EXPECT_EQ(Txt(w, "Edit24"), "0");
    Set(w, "Edit29", "45");

    // A glazing height between the listed ones is refused, not interpolated.
    Get<QComboBox>(w, "ComboBox2")->setEditText(N("2,5"));
    EXPECT_EQ(Txt(w, "Edit25"), "");
    EXPECT_EQ(status->text(), Polish()
                                  ? "Wysokość szklenia musi być jedną z wartości listy: 1, 2, 3, 4, 5, 6 lub 7 m."
                                  : "The glazing height must be one of the listed values: 1, 2, 3, 4, 5, 6 or 7 m.");
    // Pressing OBLICZ with a refused input still opens no box.
    Click(w, "Button1");
    Get<QComboBox>(w, "ComboBox2")->setEditText("2");
    EXPECT_EQ(Txt(w, "Edit24"), N("12254,6"));
    // A non-positive pool area.
    Set(w, "Edit1", "0");
    EXPECT_EQ(Txt(w, "Edit20"), "");
    EXPECT_EQ(status->text(), Polish() ? "Powierzchnia lustra basenu musi być większa od zera."
                                       : "The pool water surface area must be greater than zero.");
  });
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_P(CalculatorWindows, PoolHallReportIsWrittenAndOpened) {
  QTemporaryDir dir;
  const QString path = dir.filePath("basen.txt");
  FileDialogRequest asked;
  SetFileDialogResponder([&](const FileDialogRequest& r) {
    asked = r;
    return path;
  });
  QUrl opened;
  bool opener_works = false;
  SetExternalOpener([&](const QUrl& url) {
    opened = url;
    return opener_works;
  });
  WhileOpen("KalkulatorbasenwVDI20892", "TForm18", [&](QDialog* w) {
    Click(w, "CheckBox3");
    Set(w, "Edit8", "2");
    Click(w, "Button2");
    EXPECT_EQ(asked.kind, FileDialogKind::Save);
    EXPECT_EQ(asked.filter, "Tabela przemian (*.txt)");
    EXPECT_EQ(asked.default_suffix, "txt");
    EXPECT_EQ(opened, QUrl::fromLocalFile(path));
    // No program to open it: the user is told where the file is.
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA info");
    EXPECT_TRUE(messages_.shown()[0].text.contains(QDir::toNativeSeparators(path)));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("   WYKRES MOLLIERA - MODUŁ OBLICZANIA BASENU\r\n"));
    EXPECT_TRUE(text.contains("     POWIERZCHNIA LUSTRA BASENU               " + N("312,5") + "           m2\r\n"));
    EXPECT_TRUE(text.contains("     GEJZER WODNY DENNY                       2               szt\r\n"));
    EXPECT_FALSE(text.contains("DZIKA RZEKA"));  // unticked
    EXPECT_TRUE(text.contains("     ZYSKI WILGOCI OD ATRAKCJI WODNYCH        6               kg/h\r\n"));

    // With an opener: opened, no box; an unwritable target: said, nothing opened.
    messages_.Clear();
    opener_works = true;
    Click(w, "Button2");
    EXPECT_TRUE(messages_.shown().empty());
    opened.clear();
    SetFileDialogResponder([&](const FileDialogRequest&) { return dir.filePath("no/such/folder/r.txt"); });
    Click(w, "Button2");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_TRUE(opened.isEmpty());
    // With the results empty there is nothing to report.
    messages_.Clear();
    Set(w, "Edit2", "abc");
    Click(w, "Button2");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, Invalid("abc"));
  });
}

// ---- Air balance ----

TEST_P(CalculatorWindows, AirBalanceFromOccupants) {
  WhileOpen("BitBtn3", "TForm7", [&](QDialog* w) {
    EXPECT_TRUE(Get<QRadioButton>(w, "RadioButton2")->isChecked());
    EXPECT_TRUE(Shown(w, "GroupBox3"));
    EXPECT_FALSE(Shown(w, "GroupBox2"));
    Click(w, "RadioButton1");
    EXPECT_TRUE(Shown(w, "GroupBox2"));
    EXPECT_FALSE(Shown(w, "GroupBox3"));
    EXPECT_FALSE(Shown(w, "GroupBox7"));
    EXPECT_TRUE(Shown(w, "Edit1"));
    EXPECT_FALSE(Shown(w, "Edit2"));
    auto* mode = Get<QComboBox>(w, "ComboBox1");
    mode->setCurrentIndex(1);
    EXPECT_FALSE(Shown(w, "Edit1"));
    EXPECT_TRUE(Shown(w, "Edit2"));
    mode->setCurrentIndex(2);
    EXPECT_TRUE(Shown(w, "Edit1"));
    EXPECT_TRUE(Shown(w, "Edit2"));
    // 10 smokers and 20 non-smokers: 10 · 50 + 20 · 30 = 1100 m³/h.
    Set(w, "Edit1", "20");
    Set(w, "Edit2", "10");
    Click(w, "Button1");
    EXPECT_EQ(Txt(w, "Edit7"), "1100");
    EXPECT_EQ(Txt(w, "Edit8"), "1100");
    EXPECT_EQ(Txt(w, "Edit9"), "1100");
    EXPECT_TRUE(messages_.shown().empty());
    // Mixed with one count missing: language text 421, OK and Cancel.
    Set(w, "Edit2", "");
    Click(w, "Button1");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA info");
    EXPECT_EQ(messages_.shown()[0].text, Text(421));
    EXPECT_EQ(messages_.shown()[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(Txt(w, "Edit7"), "1100");  // nothing recomputed
    // Smokers only, empty: text 420; a count that is not a whole number is refused.
    messages_.Clear();
    mode->setCurrentIndex(1);
    Click(w, "Button1");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, Text(420));
    Set(w, "Edit2", N("2,5"));
    Click(w, "Button1");
    ASSERT_EQ(messages_.shown().size(), 2u);
    EXPECT_EQ(messages_.shown()[1].text, Invalid(N("2,5").toUtf8().constData()));
    Set(w, "Edit2", "3");
    Click(w, "Button1");
    EXPECT_EQ(Txt(w, "Edit9"), "150");
  });
}

TEST_P(CalculatorWindows, AirBalanceFromAirChangesAndTheFlatStandard) {
  WhileOpen("Kalkulatorbilansupowietrza1", "TForm7", [&](QDialog* w) {
    EXPECT_TRUE(Shown(w, "ListBox1"));
    EXPECT_FALSE(Shown(w, "ListBox2"));
    Click(w, "RadioButton5");
    EXPECT_FALSE(Shown(w, "ListBox1"));
    EXPECT_TRUE(Shown(w, "ListBox2"));
    Set(w, "Edit4", "5");
    Set(w, "Edit5", "4");
    Set(w, "Edit6", "3");
    // No room type selected: refused with a message, nothing shown.
    Click(w, "Button3");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, Polish() ? "Wybierz rodzaj pomieszczenia z listy."
                                                  : "Choose a room type from the list.");
    EXPECT_EQ(Txt(w, "Edit7"), "");
    // Offices, 5 × 4 × 3 m at 2 … 5 changes: 120, 300, 210.
    Get<QListWidget>(w, "ListBox2")->setCurrentRow(0);
    Click(w, "Button3");
    EXPECT_EQ(Txt(w, "Edit7"), "120");
    EXPECT_EQ(Txt(w, "Edit8"), "300");
    EXPECT_EQ(Txt(w, "Edit9"), "210");
    // Bakeries, 2.5 × 2 × 2.5 m at 6 … 15: 75, 187.5, 131.25.
    Click(w, "RadioButton4");
    Get<QListWidget>(w, "ListBox1")->setCurrentRow(28);
    Set(w, "Edit4", N("2,5"));
    Set(w, "Edit5", "2");
    Set(w, "Edit6", N("2,5"));
    Click(w, "Button3");
    EXPECT_EQ(Txt(w, "Edit8"), N("187,5"));
    EXPECT_EQ(Txt(w, "Edit9"), N("131,25"));
    // Empty width: text 423; a letter: the invalid-number message.
    messages_.Clear();
    Set(w, "Edit5", "");
    Click(w, "Button3");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, Text(423));
    Set(w, "Edit5", "b");
    Click(w, "Button3");
    ASSERT_EQ(messages_.shown().size(), 2u);
    EXPECT_EQ(messages_.shown()[1].text, Invalid("b"));

    // PN-83/B-03430: a gas kitchen (70) twice and a bathroom (50).
    Click(w, "RadioButton6");
    EXPECT_TRUE(Shown(w, "GroupBox7"));
    EXPECT_FALSE(Get<QLineEdit>(w, "Edit3")->isEnabled());
    Click(w, "CheckBox1");
    Set(w, "Edit3", "2");
    Click(w, "CheckBox5");
    Set(w, "Edit13", "1");
    Click(w, "Button5");
    EXPECT_EQ(Txt(w, "Edit7"), "190");
    // A ticked item emptied keeps its last count; an unticked one adds nothing.
    Set(w, "Edit13", "");
    Click(w, "Button5");
    EXPECT_EQ(Txt(w, "Edit9"), "190");
    Click(w, "CheckBox1");
    EXPECT_EQ(Txt(w, "Edit3"), "");
    Click(w, "Button5");
    EXPECT_EQ(Txt(w, "Edit9"), "50");
  });
}

// ---- Regulating elements ----

TEST_P(CalculatorWindows, RegulatingOrificeAndDamper) {
  WhileOpen("BitBtn4", "TForm8", [&](QDialog* w) {
    EXPECT_EQ(Txt(w, "Edit5"), N("1,2"));
    EXPECT_TRUE(Shown(w, "Label5"));
    EXPECT_FALSE(Shown(w, "Edit4"));
    EXPECT_TRUE(Shown(w, "Image1"));
    EXPECT_FALSE(Shown(w, "Image2"));
    auto* first = Get<QLabel>(w, "Label11");
    // Round 200 mm, 1000 m³/h, 50 Pa.
    Set(w, "Edit1", "50");
    Set(w, "Edit2", "1000");
    Set(w, "Edit3", "200");
    Click(w, "Button1");
    EXPECT_EQ(first->text(), "163");
    EXPECT_EQ(Get<QLabel>(w, "Label13")->text(), "mm");
    EXPECT_TRUE(Shown(w, "Label9"));
    // The damper: the choice empties the result, then 19 degrees.
    Click(w, "RadioButton2");
    EXPECT_EQ(first->text(), "");
    EXPECT_TRUE(Shown(w, "Image2"));
    EXPECT_TRUE(Shown(w, "Label10"));
    EXPECT_FALSE(Shown(w, "Label9"));
    Click(w, "Button1");
    EXPECT_EQ(first->text(), "19");
    EXPECT_EQ(Get<QLabel>(w, "Label13")->text(), "deg");
    // No pressure to take up: the damper stays fully open, the orifice equals the duct.
    Set(w, "Edit1", "0");
    Click(w, "Button1");
    EXPECT_EQ(first->text(), "0");
    Click(w, "RadioButton1");
    Click(w, "Button1");
    EXPECT_EQ(first->text(), "200");

    // Rectangular 400 × 200 mm at 50 Pa: 258 × 129 mm.
    Click(w, "RadioButton5");
    EXPECT_TRUE(Shown(w, "Label15"));
    EXPECT_TRUE(Shown(w, "Edit4"));
    EXPECT_TRUE(Shown(w, "Label16"));
    Set(w, "Edit1", "50");
    Set(w, "Edit3", "400");
    Set(w, "Edit4", "200");
    Click(w, "Button1");
    EXPECT_EQ(first->text(), "258");
    EXPECT_EQ(Get<QLabel>(w, "Label12")->text(), "129");
    EXPECT_TRUE(messages_.shown().empty());

    // Empty side B: text 434; empty pressure: 426; a letter: invalid number.
    Set(w, "Edit4", "");
    Click(w, "Button1");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA info");
    EXPECT_EQ(messages_.shown()[0].text, Text(434));
    Set(w, "Edit1", "");
    Click(w, "Button1");
    EXPECT_EQ(messages_.shown().back().text, Text(426));
    Set(w, "Edit1", "5O");
    Click(w, "Button1");
    EXPECT_EQ(messages_.shown().back().text, Invalid("5O"));
    // A non-positive flow is refused.
    Set(w, "Edit1", "50");
    Set(w, "Edit4", "200");
    Set(w, "Edit2", "-5");
    const size_t before = messages_.shown().size();
    Click(w, "Button1");
    EXPECT_EQ(messages_.shown().size(), before + 1);
  });
}

// ---- Heat gains: water surface and people ----

TEST_P(CalculatorWindows, WaterSurfaceGains) {
  WhileOpen("BitBtn7", "TForm11", [&](QDialog* w) {
    EXPECT_EQ(Txt(w, "Edit4"), "101300");
    // 10 m² of water at 26 °C in a room at 28 °C / 50 %, 0.1 m/s.
    Set(w, "Edit1", "10");
    Set(w, "Edit2", "28");
    Set(w, "Edit3", "50");
    Set(w, "Edit5", "26");
    Set(w, "Edit6", N("0,1"));
    Click(w, "Button1");
    EXPECT_EQ(Txt(w, "Edit7"), N("20,27"));
    EXPECT_EQ(Txt(w, "Edit8"), N("25,28"));
    EXPECT_EQ(Txt(w, "Edit9"), N("16,7"));
    EXPECT_EQ(Txt(w, "Edit10"), N("3219,9"));
    EXPECT_EQ(Txt(w, "Edit11"), N("3777,7"));
    EXPECT_EQ(Txt(w, "Edit12"), N("99411,2"));
    EXPECT_EQ(Txt(w, "Edit13"), N("6,11"));
    EXPECT_EQ(Txt(w, "Edit14"), N("0,022"));
    EXPECT_EQ(Txt(w, "Edit16"), N("0,0006539652"));
    EXPECT_EQ(Txt(w, "Edit17"), N("11,82"));
    EXPECT_EQ(Txt(w, "Edit20"), N("-165,858"));
    EXPECT_EQ(Txt(w, "Edit21"), N("1665,991"));
    EXPECT_EQ(Txt(w, "Edit22"), N("1500,133"));
    // A field that is not a number empties all sixteen results.
    Set(w, "Edit3", "5%");
    Click(w, "Button1");
    for (int k = 7; k <= 22; ++k) EXPECT_EQ(Get<QLineEdit>(w, QString("Edit%1").arg(k).toLatin1())->text(), "") << k;
    EXPECT_EQ(Get<QLabel>(w, "WaterStatus")->text(), Invalid("5%"));
    // A non-positive area is refused the same way.
    Set(w, "Edit3", "50");
    Set(w, "Edit1", "0");
    Click(w, "Button1");
    EXPECT_EQ(Txt(w, "Edit22"), "");
    EXPECT_FALSE(Get<QLabel>(w, "WaterStatus")->text().isEmpty());
    for (int k = 7; k <= 22; ++k) {
      const QString t = Get<QLineEdit>(w, QString("Edit%1").arg(k).toLatin1())->text();
      EXPECT_FALSE(t.contains("nan") || t.contains("inf")) << k;
    }
  });
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_P(CalculatorWindows, PeopleGains) {
  WhileOpen("BitBtn8", "TForm13", [&](QDialog* w) {
    auto* activity = Get<QComboBox>(w, "ComboBox1");
    EXPECT_EQ(activity->currentIndex(), -1);
    EXPECT_EQ(Txt(w, "Edit1"), "20");
    // Before an activity is chosen: zeros.
    EXPECT_EQ(Txt(w, "Edit4"), "0");
    EXPECT_EQ(Txt(w, "Edit5"), "0");
    EXPECT_EQ(Txt(w, "Edit7"), "0");
    EXPECT_EQ(Txt(w, "Edit6"), "0");
    // Resting seated, 20 °C, one person: 114.5 W total, 86.1 sensible, 28.4 latent, 0.04 kg/h.
    activity->setCurrentIndex(0);
    EXPECT_EQ(Txt(w, "Edit4"), N("114,5"));
    EXPECT_EQ(Txt(w, "Edit5"), N("86,1"));
    EXPECT_EQ(Txt(w, "Edit7"), N("28,4"));
    EXPECT_EQ(Txt(w, "Edit6"), N("0,04"));
    // Dancing, 10 people, f = 0.8 at 23 °C: 1209.6 W sensible, 3.088 kg/h, 3402.3 W total.
    activity->setCurrentIndex(8);
    Set(w, "Edit1", "23");
    Set(w, "Edit2", "10");
    Set(w, "Edit3", N("0,8"));
    EXPECT_EQ(Txt(w, "Edit5"), N("1209,6"));
    EXPECT_EQ(Txt(w, "Edit6"), N("3,088"));
    EXPECT_EQ(Txt(w, "Edit4"), N("3402,3"));
    // The up-down writes position/100 into the factor edit, which computes.
    Click(Get<QWidget>(w, "UpDown3"), "Up");
    EXPECT_EQ(Txt(w, "Edit3"), N("0,81"));
    Click(Get<QWidget>(w, "UpDown1"), "Down");
    EXPECT_EQ(Txt(w, "Edit1"), N("22,9"));
    // A letter while typing is skipped quietly; the results stay.
    const QString before = Txt(w, "Edit4");
    Set(w, "Edit2", "1o");
    EXPECT_EQ(Txt(w, "Edit4"), before);
    EXPECT_TRUE(messages_.shown().empty());
    // Button1 says so.
    Click(w, "Button1");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, Invalid("1o"));
    Set(w, "Edit2", "1");
    // A typed activity that is not on the list: refused, results emptied.
    messages_.Clear();
    activity->setEditText("Spacer");
    EXPECT_EQ(Txt(w, "Edit4"), "");
    const QString refusal = Polish() ? "Wybierz rodzaj aktywności z listy." : "Choose an activity from the list.";
    EXPECT_EQ(Get<QLabel>(w, "PeopleStatus")->text().left(10), refusal.left(10));
    EXPECT_TRUE(messages_.shown().empty());
  });
}

// ---- Duct heat ----

TEST_P(CalculatorWindows, DuctHeatDefaultsSquareDuctAndScheme) {
  WhileOpen("BitBtn11", "TForm24", [&](QDialog* w) {
    EXPECT_EQ(Txt(w, "Edit2"), "-20");
    EXPECT_EQ(Txt(w, "Edit6"), N("0,04"));
    EXPECT_FALSE(Shown(w, "Edit10"));
    Click(w, "Button1");
    EXPECT_EQ(Txt(w, "Edit14"), N("18,68"));
    EXPECT_EQ(Txt(w, "Edit15"), N("21,65"));
    EXPECT_EQ(Txt(w, "Edit16"), N("8,63"));
    EXPECT_EQ(Txt(w, "Edit17"), N("0,71"));
    EXPECT_EQ(Txt(w, "Edit18"), N("-437,62"));
    EXPECT_EQ(Txt(w, "Edit19"), N("5,66"));
    EXPECT_EQ(Txt(w, "Edit20"), N("1,2"));
    EXPECT_EQ(Txt(w, "Edit21"), N("9,3"));
    // A square duct 250 × 250 mm: w = 1000/(0.0625 · 3600) = 4.444 m/s.
    Click(w, "RadioButton2");
    EXPECT_TRUE(Shown(w, "Edit10"));
    Click(w, "Button1");
    EXPECT_EQ(Txt(w, "Edit19"), N("4,44"));
    // The same temperature outside: no heat flow.
    Set(w, "Edit2", "20");
    Click(w, "Button1");
    EXPECT_EQ(Txt(w, "Edit14"), "20");
    EXPECT_EQ(Txt(w, "Edit18"), "0");
    EXPECT_TRUE(messages_.shown().empty());
    // A letter: the invalid-number message and the results stay.
    Set(w, "Edit3", "1000m");
    Click(w, "Button1");
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, Invalid("1000m"));
    EXPECT_EQ(Txt(w, "Edit14"), "20");
    // A zero insulation thickness is refused.
    Set(w, "Edit3", "1000");
    Set(w, "Edit7", "0");
    Click(w, "Button1");
    EXPECT_EQ(messages_.shown().size(), 2u);
    // The calculation scheme opens from Button2.
    bool scheme_open = false;
    QTimer::singleShot(0, [&] {
      if (auto* s = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        scheme_open = s->objectName() == "TForm33" && s->findChild<QWidget*>("Image1") != nullptr;
        s->reject();
      }
    });
    Click(w, "Button2");
    EXPECT_TRUE(scheme_open);
  });
}

// Pictures of every window as the user sees it, for looking at
// (/tmp/calcwin_<form>_<locale>.png); each must be a real, non-empty picture.
TEST_P(CalculatorWindows, WindowPictures) {
  const char* windows[][2] = {{"KalkulatorbasenwVDI20892", "TForm18"}, {"Kalkulatorbilansupowietrza1", "TForm7"},
                              {"Kalkulatorelementwregulacyjnych1", "TForm8"},
                              {"Zyskiciepaodpowierzchniwody1", "TForm11"}, {"Zyskiciepaodludzi1", "TForm13"},
                              {"Kalkulatorstratzyskwciepawkanale1", "TForm24"}};
  for (auto& [command, form] : windows)
    WhileOpen(command, form, [&](QDialog* w) {
      if (QString(form) == "TForm24" || QString(form) == "TForm11") Click(w, "Button1");
      if (QString(form) == "TForm13") Get<QComboBox>(w, "ComboBox1")->setCurrentIndex(2);
      QApplication::processEvents();
      const QImage image = w->grab().toImage();
      EXPECT_GT(image.width(), 300);
      EXPECT_TRUE(image.save(QString("/tmp/calcwin_%1_%2.png").arg(form, GetParam().name)));
    });
  auto* scheme = window_->findChild<QDialog*>("TForm33");
  ASSERT_NE(scheme, nullptr);
  scheme->resize(640, 440);
  EXPECT_TRUE(scheme->grab().toImage().save(QString("/tmp/calcwin_TForm33_%1.png").arg(GetParam().name)));
}

INSTANTIATE_TEST_SUITE_P(Locales, CalculatorWindows,
                         ::testing::Values(LocaleCase{"Polish", QLocale::Polish, QLocale::Poland, 1},
                                           LocaleCase{"English", QLocale::English, QLocale::UnitedStates, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanta
