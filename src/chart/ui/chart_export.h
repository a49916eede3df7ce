// Drawing the chart into a picture file without a window: PNG, BMP, JPEG,
// SVG or PDF by the file's extension, and the command line
//   orvanta --export FILE [--layout mollier|carrier] [--units si|ip]
//           [--size WxH] [project.ovt]
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "chart/chart_settings.h"
#include "project/chart_project.h"

namespace orvanta {

// The chart settings a headless export draws with: those of the settings
// store, or the first-run values when nothing has been stored yet.
ChartSettings LoadChartSettingsForExport();

enum class PictureFormat { Unknown, Png, Bmp, Jpeg, Svg, Pdf };
// By extension (case-insensitive): .png, .bmp, .jpg/.jpeg, .svg, .pdf.
PictureFormat PictureFormatOf(const QString& path);

// Draws the chart (as it is: dependent points are not refreshed here) on a
// width x height picture and writes it to `path` in the
// format of its extension. The file is written completely or not at all
// (temporary file renamed over the target). On failure returns false with
// *error set.
bool WriteChartPicture(const QString& path, const ChartSettings& settings, const ChartProject& project, int width,
                       int height, QString* error);

// The --export command. `args` are the command-line arguments without the
// program name. Prints a message and returns non-zero on a bad option, an
// unreadable or damaged project (nothing is written then) or a failed write;
// returns 0 after writing the picture.
int RunChartExport(const QStringList& args);
// The same with the arguments as the bytes the system passed: the project
// path is used byte for byte, so a name that is not valid UTF-8 opens too.
int RunChartExportBytes(const std::vector<std::string>& raw_args);

// The usage of every option of the program, as --help prints it.
QString CommandLineUsage();

}  // namespace orvanta
