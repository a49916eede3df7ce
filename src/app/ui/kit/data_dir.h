#pragma once

#include <QString>

namespace orvanta {

// The folder of the delivered data files (lng/, calc/, KLIMAT/, cursors/,
// examples/): $ORVANTA_DATA_DIR, else <exe dir>/../share/orvanta, else the
// source tree's data/.
QString DataDir();
// A path inside DataDir().
QString DataPath(const QString& relative);

}  // namespace orvanta
