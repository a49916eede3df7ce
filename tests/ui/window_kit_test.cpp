// The window kit: locale numbers and their policies, the report-data
// window, window pictures, and the workbench's command registry as the main
// window and the modules use it.
#include <gtest/gtest.h>

#include <QMenuBar>

#include <QMenu>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <memory>
#include <vector>

#include "app/settings_store.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/language.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/report_data_window.h"
#include "app/ui/kit/window_picture.h"
#include "app/ui/main_window.h"
#include "chart/ui/chart_module.h"
#include "project/ui/library_window.h"
#include "project/ui/project_module.h"
#include "ui/support/test_workbench.h"

namespace orvanta {
namespace {

class LocaleScope {
 public:
  explicit LocaleScope(const QLocale& l) { QLocale::setDefault(l); }
  ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

TEST(LocaleNumbers, OneSeparatorForTextAndParsing) {
  {
    LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(UiDecimalSeparator(), ',');
    EXPECT_EQ(UiNumberText(-12.25), "-12,25");
    EXPECT_EQ(ParseTypedNumber(" 3,5 "), 3.5);
    EXPECT_EQ(ParseTypedNumber("3.5"), 3.5);  // a point is accepted as well
    EXPECT_FALSE(ParseTypedNumber("3,5 kg"));
  }
  {
    // A separator that is no single ASCII character falls back to '.'.
    LocaleScope arabic(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(UiDecimalSeparator(), '.');
    EXPECT_EQ(UiNumberText(1.5), "1.5");
    EXPECT_EQ(ParseTypedNumber("1.5"), 1.5);
  }
  LocaleScope c(QLocale::c());
  for (const char* bad : {"", " ", "abc", "1e999", "--1", ","}) EXPECT_FALSE(ParseTypedNumber(bad)) << bad;
}

TEST(LocaleNumbers, TheThreePoliciesForANumberThatDoesNotParse) {
  LocaleScope c(QLocale::c());
  RecordingResponder messages;
  int cleared = 0;
  const auto clear = BadNumberPolicy::ClearResults([&] { ++cleared; });
  const auto report = BadNumberPolicy::Report(nullptr, "ORVANTA", "Invalid number");

  // A good number: no policy acts.
  EXPECT_EQ(ReadTypedNumber("2.5", clear), 2.5);
  EXPECT_EQ(ReadTypedNumber("2.5", report), 2.5);
  EXPECT_EQ(cleared, 0);
  EXPECT_TRUE(messages.shown().empty());

  EXPECT_FALSE(ReadTypedNumber("x", BadNumberPolicy::Ignore()));
  EXPECT_EQ(cleared, 0);
  EXPECT_TRUE(messages.shown().empty());

  EXPECT_FALSE(ReadTypedNumber("x", clear));
  EXPECT_EQ(cleared, 1);
  EXPECT_TRUE(messages.shown().empty());

  QLineEdit edit;
  edit.setText("12,,5");
  EXPECT_FALSE(ReadTypedNumber(&edit, report));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA");
  EXPECT_EQ(messages.shown()[0].text, "Invalid number");
  EXPECT_EQ(cleared, 1);
}

TEST(ReportDataWindow, AsksForTheDataAndRunsTheReportOfItsKind) {
  RecordingResponder messages;
  ReportDataWindow window;
  window.set_pause_ms(0);
  EXPECT_EQ(window.objectName(), "TForm38");
  if (ActiveLanguageNumber() == 0) {
    EXPECT_EQ(window.windowTitle(), "Raport data");
    EXPECT_EQ(window.findChild<QLabel*>("Label1")->text(), "PROJECT TILTLE:");
    EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(), "INVESTOR:");
    EXPECT_EQ(window.findChild<QLabel*>("Label3")->text(), "DESIGNER:");
  }
  // No report of that kind: nothing is shown.
  EXPECT_FALSE(window.Ask(25));
  EXPECT_TRUE(messages.shown().empty());

  std::vector<ReportData> runs;
  window.RegisterReport(25, [&](const ReportData& d) { runs.push_back(d); });
  int shown = 0;
  // First showing: type and press OK; second (after the report): close.
  std::function<void()> answer = [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) {
      QTimer::singleShot(10, answer);
      return;
    }
    ++shown;
    if (shown == 1) {
      w->findChild<QLineEdit*>("Edit1")->setText("Office block");
      w->findChild<QLineEdit*>("Edit2")->setText("City");
      w->findChild<QLineEdit*>("Edit3")->setText("J. Smith");
      w->findChild<QPushButton*>("Button1")->click();
      QTimer::singleShot(0, answer);
    } else {
      static_cast<QDialog*>(w)->reject();
    }
  };
  QTimer::singleShot(0, answer);
  EXPECT_TRUE(window.Ask(25));
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(window.report_kind(), 25);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].project_title, "Office block");
  EXPECT_EQ(runs[0].investor, "City");
  EXPECT_EQ(runs[0].designer, "J. Smith");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA INFO");
  EXPECT_EQ(messages.shown()[0].text, Text(1231));
}

TEST(WindowPicture, WritesTheWindowAsJpegAndOffersItOrReportsTheFailure) {
  RecordingResponder messages;
  std::vector<QUrl> opened;
  SetExternalOpener([&](const QUrl& u) {
    opened.push_back(u);
    return true;
  });
  QWidget window;
  window.resize(120, 80);
  window.setStyleSheet("background: rgb(200, 30, 30)");
  window.setAutoFillBackground(true);
  QTemporaryDir dir;
  const QString path = dir.filePath("window.jpg");
  ASSERT_TRUE(SaveAndOpenWindowPicture(&window, path));
  QImageReader reader(path);
  EXPECT_EQ(reader.format(), "jpeg");
  const QImage back = reader.read();
  EXPECT_EQ(back.size(), QSize(120, 80));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], QUrl::fromLocalFile(path));
  EXPECT_TRUE(messages.shown().empty());

  // A folder that does not exist: reported, nothing opened.
  EXPECT_FALSE(SaveAndOpenWindowPicture(&window, dir.filePath("no/such/folder/w.jpg")));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "ORVANTA INFO");
  EXPECT_FALSE(messages.shown()[0].text.isEmpty());
  EXPECT_EQ(opened.size(), 1u);
  SetExternalOpener(nullptr);
}

TEST(CommandRegistry, TheMainWindowBindsEnablesAndRunsARegisteredCommand) {
  RecordingResponder messages;
  MainWindow window(std::make_unique<MemoryStore>());
  CommandRegistry& commands = window.commands();
  constexpr CommandId kMix{"TestCommand"};
  // Two visible menu items no module has connected yet.
  QStringList free_items;
  for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
    for (QAction* a : menu->actions())
      if (!a->objectName().isEmpty() && !a->menu() && a->isVisible() && !commands.IsConnected(a->objectName()) &&
          a->objectName() != "Wspkierunkowyprzemiany1" && !free_items.contains(a->objectName()))
        free_items << a->objectName();
  if (free_items.size() < 2) GTEST_SKIP() << "every menu command is connected";
  QAction* item = commands.Action(free_items[0]);
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(item->isEnabled());  // disabled until connected
  EXPECT_FALSE(commands.IsRegistered(kMix));
  EXPECT_FALSE(commands.Run(kMix));

  int runs = 0;
  EXPECT_EQ(commands.Register(kMix, {free_items[0], "NoSuchItem", free_items[1]}, [&] { ++runs; }), 2);
  EXPECT_TRUE(commands.IsRegistered(kMix));
  EXPECT_TRUE(commands.IsConnected(free_items[0]));
  EXPECT_FALSE(commands.IsConnected("NoSuchItem"));
  EXPECT_TRUE(item->isEnabled());
  item->trigger();
  commands.Action(free_items[1])->trigger();
  EXPECT_TRUE(commands.Run(kMix));
  EXPECT_EQ(runs, 3);
  // The modules registered through the same registry.
  EXPECT_TRUE(commands.IsConnected("Wczytajpunktzbiblioteki1"));
  EXPECT_TRUE(commands.IsConnected("DODAJPUNKTDOWOLNY1"));
  EXPECT_TRUE(commands.Action("DODAJPUNKTDOWOLNY1")->isEnabled());
}

TEST(Modules, RegisterTheirCommandsWithAnyWorkbench) {
  RecordingResponder messages;
  test::TestWorkbench workbench;
  for (const char* name : {"Wczytajpunktzbiblioteki1", "DODAJPUNKTDOWOLNY1", "Usupunkt1", "Zapami1"})
    workbench.AddAction(name);
  LibraryWindow* library = RegisterProjectModule(workbench);
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(library->parent(), &workbench.window());
  EXPECT_TRUE(workbench.IsConnected("Wczytajpunktzbiblioteki1"));
  EXPECT_TRUE(workbench.Action("Wczytajpunktzbiblioteki1")->isEnabled());
  EXPECT_FALSE(workbench.IsConnected("Usupunkt1"));

  RegisterChartModule(workbench);
  for (const char* name : {"DODAJPUNKTDOWOLNY1", "Usupunkt1", "Zapami1"}) {
    EXPECT_TRUE(workbench.IsConnected(name)) << name;
    // "Usuń punkt" names the point it acts on: with none selected it is disabled.
    EXPECT_EQ(workbench.Action(name)->isEnabled(), std::string(name) != "Usupunkt1") << name;
  }
  // The chart's point windows are the workbench window's children.
  EXPECT_NE(workbench.window().findChild<QWidget*>("TForm29"), nullptr);
  EXPECT_NE(workbench.window().findChild<QWidget*>("TForm27"), nullptr);
  // Deleting with nothing selected changes nothing and asks for no redraw.
  workbench.Action("Usupunkt1")->trigger();
  EXPECT_EQ(workbench.redraw_requests(), 0);
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orvanta
