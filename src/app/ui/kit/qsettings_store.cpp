#include "app/ui/kit/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "project/safe_file.h"

namespace orvanta {

namespace {

const QString kOrganization = QStringLiteral("ORVANTA");
const QString kApplication = QStringLiteral("SETTINGS");

// Why a settings file cannot be used as one, without ever waiting on it:
// empty for a regular file or none at all.
QString NotARegularFile(const QString& path) {
  const FileReadResult r = ReadFileBytes(QFile::encodeName(path).toStdString(), 0);
  if (!r.exists || r.ok) return {};
  return QString::fromStdString(r.error);
}

}  // namespace

QString UserSettingsFilePath() {
  // The folder QSettings uses (QSettings::setPath included), found through a
  // name that has no file, so that nothing real is opened on the way.
  const QSettings probe(QStringLiteral("ORVANTA-no-such-folder"), QStringLiteral("none"));
  const QDir user_dir = QFileInfo(QFileInfo(probe.fileName()).absolutePath()).absolutePath();
  return user_dir.filePath(kOrganization + "/" + kApplication + ".conf");
}

QSettingsStore::QSettingsStore() {
  const QString path = UserSettingsFilePath();
  const QString org_path = QFileInfo(QFileInfo(path).absolutePath()).absolutePath() + "/" + kOrganization + ".conf";
  if (!NotARegularFile(path).isEmpty() || !NotARegularFile(org_path).isEmpty()) return;
  settings_ = std::make_unique<QSettings>(kOrganization, kApplication);
}

QSettingsStore::QSettingsStore(const QString& ini_path) {
  if (!NotARegularFile(ini_path).isEmpty()) return;
  settings_ = std::make_unique<QSettings>(ini_path, QSettings::IniFormat);
}

bool QSettingsStore::Exists() const { return settings_ ? !settings_->allKeys().isEmpty() : memory_.Exists(); }

std::optional<std::string> QSettingsStore::Get(const std::string& name) const {
  if (!settings_) return memory_.Get(name);
  const QVariant v = settings_->value(QString::fromStdString(name));
  if (!v.isValid()) return std::nullopt;
  return v.toString().toStdString();
}

void QSettingsStore::Set(const std::string& name, const std::string& value) {
  if (!settings_) {
    memory_.Set(name, value);
    return;
  }
  settings_->setValue(QString::fromStdString(name), QString::fromStdString(value));
}

void QSettingsStore::Flush() {
  if (settings_) settings_->sync();
}

bool QSettingsStore::Ok() const { return settings_ && settings_->status() == QSettings::NoError; }

QString PrepareUserSettingsFile() {
  const QString path = UserSettingsFilePath();
  const QString org_path = QFileInfo(QFileInfo(path).absolutePath()).absolutePath() + "/" + kOrganization + ".conf";
  for (const QString& p : {path, org_path}) {
    const QString why = NotARegularFile(p);
    if (!why.isEmpty())
      return "The settings file " + QDir::toNativeSeparators(p) + " cannot be used: " + why +
             ". It is left as it is; the program runs with the first-run settings and does not save them.";
  }
  if (!QFileInfo::exists(path)) return {};
  QSettings::Status status;
  {
    const QSettings settings(kOrganization, kApplication);
    status = settings.status();
  }
  if (status != QSettings::FormatError) return {};
  const QString copy = path + ".damaged";
  QFile::remove(copy);
  const bool kept = QFile::copy(path, copy);
  if (!kept || !QFile::remove(path))
    return "The settings file " + QDir::toNativeSeparators(path) +
           " is damaged and could not be set aside; the program runs with the first-run settings.";
  return "The settings file " + QDir::toNativeSeparators(path) +
         " was damaged. A copy is kept as " + QDir::toNativeSeparators(copy) +
         "; the first-run settings are used from now on.";
}

}  // namespace orvanta
