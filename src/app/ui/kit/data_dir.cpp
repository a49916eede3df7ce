#include "app/ui/kit/data_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvanta {

QString DataDir() {
  const QByteArray env = qgetenv("ORVANTA_DATA_DIR");
  if (!env.isEmpty() && QFileInfo(QString::fromLocal8Bit(env)).isDir()) return QString::fromLocal8Bit(env);
  if (QCoreApplication::instance()) {
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath("../share/orvanta");
    if (QFileInfo(installed).isDir()) return QDir(installed).canonicalPath();
  }
  return QStringLiteral(ORVANTA_DATA_SOURCE_DIR);
}

QString DataPath(const QString& relative) { return QDir(DataDir()).filePath(relative); }

}  // namespace orvanta
