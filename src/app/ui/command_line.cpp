#include "app/ui/command_line.h"

#include <QGuiApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstring>

#include "app/ui/kit/qsettings_store.h"
#include "chart/ui/chart_export.h"

namespace orvanta {

namespace {

void PrintTo(FILE* stream, const QString& text) {
  std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
  std::fflush(stream);
}

bool Is(const char* arg, const char* option) { return std::strcmp(arg, option) == 0; }

bool IsExport(const char* arg) { return Is(arg, "--export") || std::strncmp(arg, "--export=", 9) == 0; }

}  // namespace

bool WantsExport(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (IsExport(argv[i])) return true;
  return false;
}

std::optional<int> AnswerWithoutWindow(int argc, char** argv, const char* version) {
  for (int i = 1; i < argc; ++i) {
    if (Is(argv[i], "--version")) {
      PrintTo(stdout, QString("ORVANTA %1").arg(version));
      return 0;
    }
    if (Is(argv[i], "--help") || Is(argv[i], "-h")) {
      PrintTo(stdout, CommandLineUsage());
      return 0;
    }
  }
  // The export reports its own option errors.
  if (WantsExport(argc, argv)) return std::nullopt;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--", 2) == 0) {
      PrintTo(stderr, "orvanta: unknown option " + QFile::decodeName(argv[i]) + "\n" + CommandLineUsage());
      return 2;
    }
  }
  return std::nullopt;
}

int RunExportProgram(int argc, char** argv) {
  // Headless: draw the chart into a picture file; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::vector<std::string> raw_args(argv + 1, argv + argc);
  int qt_argc = 1;  // the export's arguments are its own, not Qt's
  // A picture needs fonts and painting, not widgets: the lighter application
  // object starts faster.
  QGuiApplication app(qt_argc, argv);
  QGuiApplication::setApplicationName("ORVANTA");
  QGuiApplication::setOrganizationName("ORVANTA");
  const QString settings_problem = PrepareUserSettingsFile();
  if (!settings_problem.isEmpty()) PrintTo(stderr, "orvanta: " + settings_problem);
  return RunChartExportBytes(raw_args);
}

WindowArguments ReadWindowArguments(int argc, char** argv) {
  WindowArguments out;
  bool have_project = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if (a.startsWith('-') && a.size() > 1) {
      PrintTo(stderr, "orvanta: unknown option " + QFile::decodeName(a) + "\n" + CommandLineUsage());
      out.exit_code = 2;
      return out;
    }
    if (a.isEmpty()) {
      PrintTo(stderr, "orvanta: the project file name is empty\n" + CommandLineUsage());
      out.exit_code = 2;
      return out;
    }
    // The first project is opened; further names are left alone.
    if (!have_project) {
      out.project = a.toStdString();
      have_project = true;
    }
  }
  return out;
}

}  // namespace orvanta
