// The orvanta program: the main window, with a project file as the optional
// first argument, or the headless chart export (--export).
#include <QApplication>
#include <QByteArray>
#include <QFile>

#include "app/ui/command_line.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/qsettings_store.h"
#include "app/ui/main_window.h"

int main(int argc, char** argv) {
  // --version, --help and unknown options need no display.
  if (const auto code = orvanta::AnswerWithoutWindow(argc, argv, ORVANTA_VERSION)) return *code;
  if (orvanta::WantsExport(argc, argv)) return orvanta::RunExportProgram(argc, argv);

  QApplication app(argc, argv);
  QApplication::setApplicationName("ORVANTA");
  QApplication::setOrganizationName("ORVANTA");
  // QApplication has removed the options it knows; what is left is ours.
  const orvanta::WindowArguments args = orvanta::ReadWindowArguments(argc, argv);
  if (args.exit_code) return *args.exit_code;
  const QString settings_problem = orvanta::PrepareUserSettingsFile();
  orvanta::MainWindow window;
  if (!settings_problem.isEmpty()) orvanta::Messages::Warning(&window, "ORVANTA", settings_problem);
  if (!args.project.empty())
    window.OpenStartupProject(QFile::decodeName(QByteArray::fromStdString(args.project)), args.project);
  window.show();
  return app.exec();
}
